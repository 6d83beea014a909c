#include "CConnectDlg.h"

#include "ui_CConnectDlg.h"

CConnectDlg::CConnectDlg(int& port, QWidget* parent, const QStringList& foundPorts)
    : QDialog(parent), m_ui(std::make_unique<Ui::CConnectDlg>()), m_nPort(port)
{
    m_ui->setupUi(this);
    // The ports found go below COM2, above the spacer.
    for (int i = 0; i < foundPorts.size(); ++i) {
        auto* radio = new QRadioButton(foundPorts[i], m_ui->portGroup);
        radio->setFocusPolicy(Qt::ClickFocus);
        m_ui->portLayout->insertWidget(2 + i, radio);
        connect(radio, &QRadioButton::clicked, this, [this, i] { m_nPort = 3 + i; });
    }
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
