#include "CPrintOptionsDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QRadioButton>
#include <QVBoxLayout>

CPrintOptionsDlg::CPrintOptionsDlg(const QString& caption, bool radioInFront, const Options& options,
                                   QWidget* parent)
    : QDialog(parent), m_pListInFront(new QRadioButton(
                           radioInFront ? tr("Only the &radio list") : tr("Only the &TV list"), this)),
      m_pGroupSections(new QCheckBox(tr("One section per favourite &group"), this))
{
    setWindowTitle(caption);
    auto* both = new QRadioButton(tr("The TV list, then the radio &list"), this);
    both->setChecked(options.bothLists);
    m_pListInFront->setChecked(!options.bothLists);
    m_pGroupSections->setChecked(options.groupSections);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(both);
    layout->addWidget(m_pListInFront);
    layout->addSpacing(6);
    layout->addWidget(m_pGroupSections);
    layout->addWidget(buttons);
}

CPrintOptionsDlg::Options CPrintOptionsDlg::Chosen() const
{
    return {!m_pListInFront->isChecked(), m_pGroupSections->isChecked()};
}
