// Changes the frequency, symbol rate and polarisation of one transponder.
#pragma once

#include "EditDialog.h"
#include "ImageFormat.h"
#include "RecordRules.h"

#include <memory>

namespace Ui {
class TransponderForm;
}

class CTransponderEditDlg : public CEditDialog {
    Q_OBJECT

public:
    // On OK frequency, symbol rate and polarisation of `record` are rewritten
    // and nothing else.
    explicit CTransponderEditDlg(TransponderRecord& record, QWidget* parent = nullptr);
    ~CTransponderEditDlg() override;

private Q_SLOTS:
    void OnOk();

private:
    bool TakeFields(Rules::TransponderChoices& choices);

    std::unique_ptr<Ui::TransponderForm> m_ui;
    TransponderRecord& m_record;
};
