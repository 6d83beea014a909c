// Changes the name, LNB and switching settings of one satellite record.
#pragma once

#include "EditDialog.h"
#include "ImageFormat.h"

#include <memory>

namespace Ui {
class SatelliteForm;
}

class CSatelliteEditDlg : public CEditDialog {
    Q_OBJECT

public:
    // On OK the name and the five listed settings of `record` are rewritten;
    // its index and every byte from offset 27 on stay as they were.
    explicit CSatelliteEditDlg(SatelliteRecord& record, QWidget* parent = nullptr);
    ~CSatelliteEditDlg() override;

private Q_SLOTS:
    void OnOk();

private:
    std::unique_ptr<Ui::SatelliteForm> m_ui;
    SatelliteRecord& m_record;
};
