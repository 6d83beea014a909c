#include "CConnectDlg.h"

#include "ui_CConnectDlg.h"

CConnectDlg::CConnectDlg(int& port, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CConnectDlg>()), m_nPort(port)
{
    m_ui->setupUi(this);
    m_nPort = 0;
    m_ui->okButton->setDefault(true);
    m_ui->okButton->setFocus(Qt::OtherFocusReason);
    connect(m_ui->com1Radio, &QRadioButton::clicked, this, [this] { m_nPort = 1; });
    connect(m_ui->com2Radio, &QRadioButton::clicked, this, [this] { m_nPort = 2; });
    connect(m_ui->okButton, &QPushButton::clicked, this, &CConnectDlg::OnOk);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &CConnectDlg::OnCancel);
}

CConnectDlg::~CConnectDlg() = default;

void CConnectDlg::OnOk()
{
    if (m_nPort != 0)
        accept();
}

void CConnectDlg::OnCancel()
{
    m_nPort = 0;
    reject();
}
