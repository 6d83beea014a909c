// Creates one transponder of the satellite chosen in the main form.
#pragma once

#include "EditDialog.h"
#include "ImageFormat.h"
#include "RecordRules.h"

#include <memory>

namespace Ui {
class TransponderForm;
}

class CTransponderAddDlg : public CEditDialog {
    Q_OBJECT

public:
    // `record` is zero-filled with its satelliteIndex already set; that
    // satellite's name is shown. On OK frequency, symbol rate and polarisation
    // are written and nothing else.
    CTransponderAddDlg(TransponderRecord& record, const QString& satelliteName, QWidget* parent = nullptr);
    ~CTransponderAddDlg() override;

private Q_SLOTS:
    void OnOk();

private:
    bool TakeFields(Rules::TransponderChoices& choices);

    std::unique_ptr<Ui::TransponderForm> m_ui;
    TransponderRecord& m_record;
};
