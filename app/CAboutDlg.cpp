#include "CAboutDlg.h"

#include "ui_CAboutDlg.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent), m_ui(new Ui::CAboutDlg)
{
    m_ui->setupUi(this);
    m_ui->okButton->LoadBitmaps(149);
    connect(m_ui->okButton, &QAbstractButton::clicked, this, &QDialog::accept);
}

CAboutDlg::~CAboutDlg()
{
    delete m_ui;
}
