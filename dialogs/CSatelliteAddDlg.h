// Creates one satellite record with the proposed name and defaults.
#pragma once

#include "EditDialog.h"
#include "ImageFormat.h"

#include <memory>

namespace Ui {
class SatelliteForm;
}

class CSatelliteAddDlg : public CEditDialog {
    Q_OBJECT

public:
    // `record` is zero-filled; the new satellite goes to index `satelliteCount`
    // (the number of satellites already in the table). On OK it is complete.
    CSatelliteAddDlg(SatelliteRecord& record, int satelliteCount, QWidget* parent = nullptr);
    ~CSatelliteAddDlg() override;

private Q_SLOTS:
    void OnOk();

private:
    std::unique_ptr<Ui::SatelliteForm> m_ui;
    SatelliteRecord& m_record;
    int m_nIndex;
};
