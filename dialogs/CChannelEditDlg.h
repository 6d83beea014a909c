// Changes one TV or radio channel and its bouquet name.
#pragma once

#include "EditDialog.h"
#include "ImageFormat.h"
#include "RecordRules.h"

#include <memory>

namespace Ui {
class ChannelForm;
}

class CChannelEditDlg : public CEditDialog {
    Q_OBJECT

public:
    // `record` is a copy of the channel's slot, `bouquet` its bouquet text;
    // `kind` is kTv or kRadio. On OK the name, the PIDs (a radio channel's
    // video PID excepted), the lock, skip, audio and scramble bits, the CA id
    // and the bouquet text are rewritten; every other byte stays.
    CChannelEditDlg(ChannelRecord& record, BouquetEntry& bouquet, ChannelKind kind,
                    QWidget* parent = nullptr);
    ~CChannelEditDlg() override;

private Q_SLOTS:
    void OnOk();

private:
    bool TakeFields(Rules::ChannelChoices& choices);

    std::unique_ptr<Ui::ChannelForm> m_ui;
    ChannelRecord& m_record;
    BouquetEntry& m_bouquet;
    ChannelKind m_nKind;
};
