// Channel lists in and out of the editor: File > Export Channels..., Import
// Channels... and Apply Order From..., and Tools > Check Image... with its
// repair. Each change they make is one step that Undo takes back.
#pragma once

#include <QObject>

#include <optional>
#include <vector>

class CListState;
class CVolmarenDoc;
class IFormLists;

namespace ChannelRows {
struct ChannelChange;
struct CsvForm;
struct ImportPlan;
struct Row;
}  // namespace ChannelRows

class CListCommands : public QObject {
    Q_OBJECT
public:
    CListCommands(CVolmarenDoc& doc, CListState& state, IFormLists& form, QObject* parent);

    void OnExport();
    // Asks whether to add the rows that name no channel when some can be.
    void OnImport();
    // Shows what the reference's order would do before it is applied.
    void OnApplyOrder();
    // Shows every finding and offers the repair.
    void OnCheckImage();

private:
    // The rows of an image's channels, or of a channel list file with its form.
    bool ReadReference(const QString& path, std::vector<ChannelRows::Row>& rows,
                       std::optional<ChannelRows::CsvForm>& form);
    // Lets `plan` add the rows it left unmatched when some can be added and
    // the person agrees.
    void OfferAdditions(const std::vector<ChannelRows::Row>& rows, ChannelRows::ImportPlan& plan);
    void ShowImportReport(const ChannelRows::ImportPlan& plan, const ChannelRows::CsvForm& form);
    void ApplyChange(const QString& label, const ChannelRows::ChannelChange& change);

    CVolmarenDoc& m_doc;
    CListState& m_state;
    IFormLists& m_form;
};
