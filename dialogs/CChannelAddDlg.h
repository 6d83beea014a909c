// Creates one TV or radio channel on the transponder chosen in the main form.
#pragma once

#include "EditDialog.h"
#include "ImageFormat.h"
#include "RecordRules.h"

#include <cstdint>
#include <memory>

namespace Ui {
class ChannelForm;
}

class CChannelAddDlg : public CEditDialog {
    Q_OBJECT

public:
    // `record` (all 44 bytes) and `bouquet` are zero-filled; `kind` is kTv or
    // kRadio. On OK the first 40 bytes of the slot and the bouquet text are
    // written; the slot's last 4 bytes stay as given.
    CChannelAddDlg(ChannelRecord& record, BouquetEntry& bouquet, ChannelKind kind, std::uint16_t transponder,
                   QWidget* parent = nullptr);
    ~CChannelAddDlg() override;

private Q_SLOTS:
    void OnOk();

private:
    bool TakeFields(Rules::ChannelChoices& choices);

    std::unique_ptr<Ui::ChannelForm> m_ui;
    ChannelRecord& m_record;
    BouquetEntry& m_bouquet;
    ChannelKind m_nKind;
    std::uint16_t m_nTransponder;
};
