#include "CSortChannelsDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// In the order of the list's entries.
constexpr ChannelSortKey kKeys[] = {ChannelSortKey::Name, ChannelSortKey::Frequency,
                                    ChannelSortKey::Satellite, ChannelSortKey::FreeToAir};

}  // namespace

CSortChannelsDlg::CSortChannelsDlg(int rows, QWidget* parent)
    : QDialog(parent), m_pKey(new QComboBox(this)), m_pDescending(new QRadioButton(tr("&Descending"), this))
{
    setWindowTitle(tr("Sort Channels"));
    m_pKey->addItems({tr("Name"), tr("Transponder frequency"), tr("Satellite"), tr("Free-to-air first")});
    auto* ascending = new QRadioButton(tr("&Ascending"), this);
    ascending->setChecked(true);
    auto* order = new QHBoxLayout;
    order->addWidget(ascending);
    order->addWidget(m_pDescending);

    auto* fields = new QFormLayout;
    fields->addRow(tr("Sort &by"), m_pKey);
    fields->addRow(tr("Order"), order);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(tr("The %n channels the list shows are sorted; equal ones keep their "
                               "order, and the rest of the table stays as it is.",
                               nullptr, rows),
                            this);
    // Broken into lines, the note leaves the dialog as wide as its fields need.
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addLayout(fields);
    layout->addWidget(buttons);
}

ChannelSortKey CSortChannelsDlg::Key() const
{
    const int index = m_pKey->currentIndex();
    return index >= 0 && index < int(std::size(kKeys)) ? kKeys[index] : ChannelSortKey::Name;
}

bool CSortChannelsDlg::Descending() const
{
    return m_pDescending->isChecked();
}
