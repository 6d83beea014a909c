// Sets the receiver's menu language, display colour and text colour.
#pragma once

#include "EditDialog.h"
#include "ImageFormat.h"

#include <memory>

namespace Ui {
class CSystemInfoDlg;
}

class CSystemInfoDlg : public CEditDialog {
    Q_OBJECT

public:
    // On OK the three bytes of `info` hold the list selections (0xFF for a
    // list without one); no other byte changes.
    explicit CSystemInfoDlg(SystemInfo& info, QWidget* parent = nullptr);
    ~CSystemInfoDlg() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private Q_SLOTS:
    void OnOk();
    void OnCancel();

private:
    // False when the user keeps the dialog open rather than lose a change.
    bool MayDiscard();

    std::unique_ptr<Ui::CSystemInfoDlg> m_ui;
    SystemInfo& m_info;
    bool m_bUnchanged = true;
};
