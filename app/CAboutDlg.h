// The About box.
#pragma once

#include <QDialog>

namespace Ui {
class CAboutDlg;
}

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    ~CAboutDlg() override;

protected:
    // OK is the default: Enter closes the box as a click on it does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    Ui::CAboutDlg* m_ui;
};
