#include "CConnectDlg.h"

#include "ui_CConnectDlg.h"

#include <QKeyEvent>

CConnectDlg::CConnectDlg(int& port, QWidget* parent, const QStringList& foundPorts)
    : QDialog(parent), m_ui(std::make_unique<Ui::CConnectDlg>()), m_nPort(port)
{
    m_ui->setupUi(this);
    // The ports found go below COM2, above the spacer.
    m_radios = {m_ui->com1Radio, m_ui->com2Radio};
    for (int i = 0; i < foundPorts.size(); ++i) {
        auto* radio = new QRadioButton(foundPorts[i], m_ui->portGroup);
        m_radios.append(radio);
        m_ui->portLayout->insertWidget(2 + i, radio);
        connect(radio, &QRadioButton::clicked, this, [this, i] { m_nPort = 3 + i; });
    }
    m_nPort = 0;
    m_ui->okButton->setDefault(true);
    m_ui->okButton->setFocus(Qt::OtherFocusReason);
    // The ports are no tab stops, so the arrow keys choose among them
    // wherever the focus is in the dialog.
    for (QWidget* control : findChildren<QWidget*>())
        control->installEventFilter(this);
    connect(m_ui->com1Radio, &QRadioButton::clicked, this, [this] { m_nPort = 1; });
    connect(m_ui->com2Radio, &QRadioButton::clicked, this, [this] { m_nPort = 2; });
    connect(m_ui->okButton, &QPushButton::clicked, this, &CConnectDlg::OnOk);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &CConnectDlg::OnCancel);
}

CConnectDlg::~CConnectDlg() = default;

bool CConnectDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    qsizetype at = -1;
    for (qsizetype i = 0; i < m_radios.size(); ++i) {
        if (m_radios[i]->isChecked())
            at = i;
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    const qsizetype step = key == Qt::Key_Down || key == Qt::Key_Right ? 1
                           : key == Qt::Key_Up || key == Qt::Key_Left  ? -1
                                                                       : 0;
    if (step == 0)
        return QDialog::eventFilter(watched, event);
    const qsizetype from = at < 0 ? (step > 0 ? -1 : 0) : at;
    m_radios[(from + step + m_radios.size()) % m_radios.size()]->click();
    return true;
}

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
