#include "CReceiverHistoryDlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { kDate, kVariant, kTv, kRadio, kColumns };

}  // namespace

CReceiverHistoryDlg::CReceiverHistoryDlg(std::vector<ReceiverHistory::Entry> entries, bool canCompare,
                                         QWidget* parent)
    : QDialog(parent), m_entries(std::move(entries)), m_bCanCompare(canCompare),
      m_pList(new QTreeWidget(this)), m_pOpen(new QPushButton(tr("&Open"), this)),
      m_pCompare(new QPushButton(tr("&Compare With Document"), this))
{
    setWindowTitle(tr("Receiver History"));
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(this);
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addWidget(m_pList);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(m_pOpen, QDialogButtonBox::ActionRole);
    buttons->addButton(m_pCompare, QDialogButtonBox::ActionRole);
    layout->addWidget(buttons);

    if (m_entries.empty()) {
        note->setText(tr("No image has been read from the receiver yet. Each upload is kept here."));
        m_pList->hide();
    } else {
        note->setText(tr("The images read from the receiver, newest first. The last %1 are kept.")
                          .arg(ReceiverHistory::kCapacity));
        Fill();
    }
    // Enter opens the chosen image; Escape and Close leave.
    m_pOpen->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_pOpen, &QPushButton::clicked, this, [this] { Choose(Choice::Open); });
    connect(m_pCompare, &QPushButton::clicked, this, [this] { Choose(Choice::Compare); });
    connect(m_pList, &QTreeWidget::itemDoubleClicked, this, [this] { Choose(Choice::Open); });
    connect(m_pList, &QTreeWidget::currentItemChanged, this, &CReceiverHistoryDlg::UpdateButtons);
    UpdateButtons();
    resize(sizeHint().expandedTo(QSize(520, 320)));
}

void CReceiverHistoryDlg::Fill()
{
    m_pList->setColumnCount(kColumns);
    m_pList->setHeaderLabels({tr("Read on"), tr("Variant"), tr("TV"), tr("Radio")});
    m_pList->setRootIsDecorated(false);
    m_pList->setUniformRowHeights(true);
    for (const ReceiverHistory::Entry& entry : m_entries) {
        auto* item = new QTreeWidgetItem(m_pList);
        item->setText(kDate, QString::fromStdString(entry.date));
        switch (entry.variant) {
        case 1: item->setText(kVariant, tr("small (1)")); break;
        case 2: item->setText(kVariant, tr("large (2)")); break;
        default: item->setText(kVariant, tr("not readable")); break;
        }
        if (entry.variant != 0) {
            item->setText(kTv, QString::number(entry.tvCount));
            item->setText(kRadio, QString::number(entry.radioCount));
        }
        item->setTextAlignment(kTv, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(kRadio, Qt::AlignRight | Qt::AlignVCenter);
    }
    // The date takes the room left; the counts stay narrow, by their numbers.
    QHeaderView* header = m_pList->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(kDate, QHeaderView::Stretch);
    m_pList->headerItem()->setTextAlignment(kTv, Qt::AlignRight | Qt::AlignVCenter);
    m_pList->headerItem()->setTextAlignment(kRadio, Qt::AlignRight | Qt::AlignVCenter);
    m_pList->setCurrentItem(m_pList->topLevelItem(0));
    m_pList->setFocus();
}

std::optional<int> CReceiverHistoryDlg::CurrentReadable() const
{
    const int row = m_pList->indexOfTopLevelItem(m_pList->currentItem());
    if (row < 0 || row >= int(m_entries.size()) || m_entries[row].variant == 0)
        return std::nullopt;
    return row;
}

void CReceiverHistoryDlg::UpdateButtons()
{
    const bool readable = CurrentReadable().has_value();
    m_pOpen->setEnabled(readable);
    m_pCompare->setEnabled(readable && m_bCanCompare);
}

void CReceiverHistoryDlg::Choose(Choice choice)
{
    const std::optional<int> row = CurrentReadable();
    if (!row || (choice == Choice::Compare && !m_bCanCompare))
        return;
    m_choice = choice;
    m_nChosen = *row;
    accept();
}
