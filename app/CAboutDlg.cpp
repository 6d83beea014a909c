#include "CAboutDlg.h"

#include "ui_CAboutDlg.h"

#include <QKeyEvent>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent), m_ui(new Ui::CAboutDlg)
{
    m_ui->setupUi(this);
    m_ui->okButton->LoadBitmaps(149);
    connect(m_ui->okButton, &QAbstractButton::clicked, this, &QDialog::accept);
}

void CAboutDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

CAboutDlg::~CAboutDlg()
{
    delete m_ui;
}
