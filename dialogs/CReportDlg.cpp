#include "CReportDlg.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

CReportDlg::CReportDlg(const QString& caption, const QString& summary, const QStringList& lines,
                       const QString& acceptText, QWidget* parent)
    : QDialog(parent), m_pLines(new QPlainTextEdit(this))
{
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(summary, this);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(label);

    // Rows of a channel list and findings are records: one per line, with
    // their columns aligned, and selectable for a bug report.
    m_pLines->setReadOnly(true);
    m_pLines->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_pLines->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_pLines->setPlainText(lines.join(QLatin1Char('\n')));
    m_pLines->setVisible(!lines.isEmpty());
    layout->addWidget(m_pLines, 1);

    auto* buttons = new QDialogButtonBox(this);
    if (acceptText.isEmpty()) {
        buttons->addButton(QDialogButtonBox::Close)->setDefault(true);
    } else {
        buttons->addButton(acceptText, QDialogButtonBox::AcceptRole);
        buttons->addButton(QDialogButtonBox::Cancel);
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    if (!lines.isEmpty())
        resize(640, 420);
}
