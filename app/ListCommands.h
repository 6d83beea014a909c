// Channel lists in and out of the editor: File > Export Channels..., Import
// Channels... and Apply Order From..., and Tools > Check Image... with its
// repair. Each change they make is one step that Undo takes back.
#pragma once

#include <QObject>

#include <optional>
#include <vector>

class CVolmarenDoc;
class CVolmarenView;

namespace ChannelRows {
struct ChannelChange;
struct CsvForm;
struct ImportPlan;
struct Row;
}  // namespace ChannelRows

class CListCommands : public QObject {
    Q_OBJECT
public:
    explicit CListCommands(CVolmarenView& view);

    void OnExport();
    // Asks whether to add the rows that name no channel when some can be.
    void OnImport();
    // Shows what the reference's order would do before it is applied.
    void OnApplyOrder();
    // Shows every finding and offers the repair.
    void OnCheckImage();

private:
    CVolmarenDoc& Document() const;
    // The rows of an image's channels, or of a channel list file with its form.
    bool ReadReference(const QString& path, std::vector<ChannelRows::Row>& rows,
                       std::optional<ChannelRows::CsvForm>& form);
    // Lets `plan` add the rows it left unmatched when some can be added and
    // the person agrees.
    void OfferAdditions(const std::vector<ChannelRows::Row>& rows, ChannelRows::ImportPlan& plan);
    void ShowImportReport(const ChannelRows::ImportPlan& plan, const ChannelRows::CsvForm& form);
    void ApplyChange(const QString& label, const ChannelRows::ChannelChange& change);

    CVolmarenView& m_view;
};
