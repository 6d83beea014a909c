#include "CTransponderUpdateDlg.h"

#include "CellText.h"
#include "ChannelDatabase.h"
#include "CoreText.h"
#include "Latin1Text.h"
#include "ListTexts.h"
#include "TransponderTexts.h"
#include "UserPrompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <map>
#include <tuple>

namespace {

using TransponderList::Satellite;
using TransponderUpdate::Outcome;
using TransponderUpdate::Row;

enum Column { kChange, kFrequency, kPolarization, kSymbolRate, kChannels, kColumnCount };

bool Checkable(Outcome outcome)
{
    return outcome == Outcome::Added || outcome == Outcome::Updated || outcome == Outcome::NotInList;
}

QString WithCount(const QString& text, std::size_t transponders)
{
    return CTransponderUpdateDlg::tr("%1 (transponders: %2)").arg(text, QString::number(transponders));
}

QString SourceText(const Satellite& source)
{
    const QString name = QString::fromStdString(source.name);
    if (!source.position)
        return WithCount(name, source.transponders.size());
    const QString position = QString::fromStdString(TransponderList::PositionText(*source.position));
    return WithCount(QStringLiteral("%1   %2").arg(position, name), source.transponders.size());
}

QString ChannelText(const TransponderUpdate::Channel& channel)
{
    return CoreText(PlaceholderText{channel.kind == kRadio ? Text::kRadioChannelNamed : Text::kTvChannelNamed,
                                    {Latin1::ToUtf8(channel.name)}});
}

QString OutcomeText(const Row& row, const Satellite& source)
{
    switch (row.outcome) {
    case Outcome::Added: return CTransponderUpdateDlg::tr("Added");
    case Outcome::Updated: return CTransponderUpdateDlg::tr("Updated");
    case Outcome::Unchanged: return CTransponderUpdateDlg::tr("Unchanged");
    case Outcome::NotInList: return CTransponderUpdateDlg::tr("Not in list");
    case Outcome::Skipped: break;
    }
    const bool s2 = row.source >= 0 && source.transponders[std::size_t(row.source)].system ==
                                           TransponderList::DeliverySystem::DvbS2;
    return s2 ? CTransponderUpdateDlg::tr("Skipped: DVB-S2")
              : CTransponderUpdateDlg::tr("Skipped: not storable");
}

// "27500", or "27500 → 22000" for a value the row changes.
QString Change(unsigned before, unsigned after, bool changes)
{
    return changes && before != after ? QStringLiteral("%1 \u2192 %2").arg(before).arg(after)
                                      : QString::number(after);
}

QTreeWidgetItem* RowItem(const Row& row, const Satellite& source)
{
    const bool updated = row.outcome == Outcome::Updated;
    QStringList channels;
    for (const TransponderUpdate::Channel& channel : row.channels)
        channels.append(ChannelText(channel));
    auto* item = new QTreeWidgetItem(QStringList{
        OutcomeText(row, source), Change(row.before.frequency / 1000, row.after.frequency / 1000, updated),
        row.after.polarization != 0 ? QStringLiteral("H") : QStringLiteral("V"),
        Change(row.before.symbolRate, row.after.symbolRate, updated), channels.join(QStringLiteral(", "))});
    // Rows that nothing can be done with show a box that cannot be checked.
    item->setFlags(Checkable(row.outcome) ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable
                                          : Qt::ItemIsSelectable);
    item->setCheckState(kChange, row.chosen && Checkable(row.outcome) ? Qt::Checked : Qt::Unchecked);
    if (row.outcome == Outcome::NotInList)
        item->setToolTip(kChange, CTransponderUpdateDlg::tr("Checked, it is deleted with its channels."));
    if (!channels.isEmpty())
        item->setToolTip(kChannels, channels.join(QLatin1Char('\n')));
    for (const int column : {kFrequency, kPolarization, kSymbolRate})
        item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

}  // namespace

CTransponderUpdateDlg::CTransponderUpdateDlg(const CChannelDatabase& db, std::vector<Satellite> sources,
                                             const QString& fileName, QWidget* parent)
    : QDialog(parent), m_db(db), m_sources(std::move(sources)), m_pSource(new QComboBox(this)),
      m_pOurs(new QComboBox(this)), m_pIncludeS2(new QCheckBox(tr("Include DVB-S&2 transponders"), this)),
      m_pNote(new QLabel(this)), m_pRows(new QTreeWidget(this)), m_pSummary(new QLabel(this))
{
    setWindowTitle(tr("Update Transponders"));
    // The list starts at its first satellite that one of ours is on.
    int start = -1;
    for (std::size_t s = 0; s < m_sources.size(); ++s) {
        m_pSource->addItem(SourceText(m_sources[s]));
        if (start < 0 && TransponderUpdate::SatelliteAtPosition(db, m_sources[s]) >= 0)
            start = int(s);
    }
    m_pOurs->setPlaceholderText(tr("(choose)"));
    m_pIncludeS2->setToolTip(tr("The receiver's records carry no delivery system: a DVB-S2 transponder is "
                                "stored as any other."));

    auto* fields = new QFormLayout;
    fields->addRow(tr("List"), new QLabel(fileName, this));
    fields->addRow(tr("&Source satellite"), m_pSource);
    fields->addRow(tr("&Our satellite"), m_pOurs);
    fields->addRow(QString(), m_pIncludeS2);
    m_pNote->setWordWrap(true);

    m_pRows->setColumnCount(kColumnCount);
    m_pRows->setHeaderLabels({tr("Change"), tr("Frequency (MHz)"), tr("Pol."), tr("Symbol rate (kS/s)"),
                              tr("Channels deleted with it")});
    m_pRows->setRootIsDecorated(false);
    m_pRows->setUniformRowHeights(true);
    m_pRows->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pRows->installEventFilter(this);
    auto* rowsLabel =
        new QLabel(tr("&Transponders: the checked rows are applied (Space checks or unchecks)"), this);
    rowsLabel->setBuddy(m_pRows);
    m_pSummary->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    m_pApply = buttons->addButton(tr("&Apply"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    m_pApply->setDefault(true);
    connect(m_pApply, &QPushButton::clicked, this, &CTransponderUpdateDlg::OnApply);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(m_pNote);
    layout->addWidget(rowsLabel);
    layout->addWidget(m_pRows, 1);
    layout->addWidget(m_pSummary);
    layout->addWidget(buttons);
    resize(820, 540);

    m_pSource->setCurrentIndex(std::max(start, 0));
    OnSourceChosen();
    connect(m_pSource, &QComboBox::currentIndexChanged, this, &CTransponderUpdateDlg::OnSourceChosen);
    connect(m_pOurs, &QComboBox::currentIndexChanged, this, [this] { Replan(false); });
    connect(m_pIncludeS2, &QCheckBox::toggled, this, [this] { Replan(true); });
    connect(m_pRows, &QTreeWidget::itemChanged, this, &CTransponderUpdateDlg::OnRowChanged);
    (m_pOurs->currentIndex() < 0 ? static_cast<QWidget*>(m_pOurs) : m_pRows)->setFocus();
}

const Satellite& CTransponderUpdateDlg::Source() const
{
    return m_sources[std::size_t(std::max(0, m_pSource->currentIndex()))];
}

void CTransponderUpdateDlg::OnSourceChosen()
{
    const Satellite& source = Source();
    {
        const QSignalBlocker blocker(m_pOurs);
        m_pOurs->clear();
        m_pOurs->addItem(tr("New Satellite \"%1\"")
                             .arg(QString::fromLatin1(TransponderUpdate::NewSatelliteName(source).c_str())));
        const int count = m_db.GetSatelliteCount();
        for (int i = 0; i < count; ++i) {
            SatelliteRecord satellite;
            m_db.GetSatellite(satellite, i);
            m_pOurs->addItem(WithCount(QString::fromLatin1(Cells::SatelliteText(satellite).c_str()),
                                       std::size_t(m_db.GetTransponderCountOf(i))));
        }
        const int ours = TransponderUpdate::SatelliteAtPosition(m_db, source);
        m_pOurs->setCurrentIndex(ours >= 0 ? ours + 1 : -1);
    }
    if (m_pOurs->currentIndex() >= 0)
        m_pNote->clear();
    else if (source.position)
        m_pNote->setText(tr("No name of ours gives the position %1: choose our satellite, or a new one.")
                             .arg(QString::fromStdString(TransponderList::PositionText(*source.position))));
    else
        m_pNote->setText(tr("The list gives no position for this satellite: choose ours, or a new one."));
    m_pNote->setVisible(!m_pNote->text().isEmpty());
    Replan(false);
}

void CTransponderUpdateDlg::Replan(bool keepChecks)
{
    const int entry = m_pOurs->currentIndex();
    m_pApply->setEnabled(entry >= 0);
    if (entry < 0) {
        m_plan.rows.clear();
    } else {
        std::map<std::tuple<Outcome, int, int>, bool> checked;
        for (const Row& row : m_plan.rows) {
            if (keepChecks)
                checked[{row.outcome, row.ours, row.source}] = row.chosen;
        }
        TransponderUpdate::Options options;
        options.includeS2 = m_pIncludeS2->isChecked();
        m_plan = TransponderUpdate::MakePlan(m_db, entry == 0 ? TransponderUpdate::kNewSatellite : entry - 1,
                                             Source(), options);
        for (Row& row : m_plan.rows) {
            if (const auto found = checked.find({row.outcome, row.ours, row.source}); found != checked.end())
                row.chosen = found->second;
        }
    }
    FillRows();
    ShowSummary();
}

void CTransponderUpdateDlg::FillRows()
{
    const QSignalBlocker blocker(m_pRows);
    m_pRows->clear();
    QList<QTreeWidgetItem*> items;
    for (std::size_t r = 0; r < m_plan.rows.size(); ++r) {
        items.append(RowItem(m_plan.rows[r], Source()));
        items.constLast()->setData(kChange, Qt::UserRole, int(r));
    }
    m_pRows->addTopLevelItems(items);
    for (int column = kChange; column < kChannels; ++column)
        m_pRows->resizeColumnToContents(column);
    const auto first = std::find_if(items.cbegin(), items.cend(), [](const QTreeWidgetItem* item) {
        return item->flags() & Qt::ItemIsEnabled;
    });
    if (first != items.cend())
        m_pRows->setCurrentItem(*first);
}

void CTransponderUpdateDlg::ShowSummary()
{
    if (m_pOurs->currentIndex() < 0) {
        m_pSummary->clear();
        return;
    }
    const TransponderUpdate::Summary summary = TransponderUpdate::Summarize(m_plan);
    m_pSummary->setText(tr("Checked: %1 to add, %2 to update, %3 to delete with %4 channels. Unchanged: %5, "
                           "not in the list: %6, skipped: %7.")
                            .arg(summary.added)
                            .arg(summary.updated)
                            .arg(summary.removed)
                            .arg(summary.removedChannels.size())
                            .arg(summary.unchanged)
                            .arg(summary.notInList)
                            .arg(summary.skipped));
}

void CTransponderUpdateDlg::OnRowChanged(QTreeWidgetItem* item)
{
    const int r = item->data(kChange, Qt::UserRole).toInt();
    if (r >= 0 && r < int(m_plan.rows.size()))
        m_plan.rows[std::size_t(r)].chosen = item->checkState(kChange) == Qt::Checked;
    ShowSummary();
}

void CTransponderUpdateDlg::ToggleSelectedRows()
{
    QTreeWidgetItem* current = m_pRows->currentItem();
    if (!current || !(current->flags() & Qt::ItemIsUserCheckable))
        return;
    const Qt::CheckState state = current->checkState(kChange) == Qt::Checked ? Qt::Unchecked : Qt::Checked;
    QList<QTreeWidgetItem*> items = m_pRows->selectedItems();
    if (!items.contains(current))
        items.append(current);
    {
        // One summary for all of them, not one a row.
        const QSignalBlocker blocker(m_pRows);
        for (QTreeWidgetItem* item : std::as_const(items)) {
            if (item->flags() & Qt::ItemIsUserCheckable) {
                item->setCheckState(kChange, state);
                m_plan.rows[std::size_t(item->data(kChange, Qt::UserRole).toInt())].chosen =
                    state == Qt::Checked;
            }
        }
    }
    ShowSummary();
}

bool CTransponderUpdateDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pRows && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
            ToggleSelectedRows();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CTransponderUpdateDlg::OnApply()
{
    if (m_pOurs->currentIndex() < 0)
        return;
    if (const std::optional<PlaceholderText> refusal = TransponderUpdate::UpdateRefusal(m_db, m_plan)) {
        QString text = CoreText(*refusal);
        if (std::string_view(refusal->text) == Text::kTransponderRoom)
            text +=
                QStringLiteral("\n\n") + tr("Uncheck rows to add, or check rows not in the list to delete "
                                            "them with their channels.");
        Prompts::Message(this, text, IUserPrompts::Icon::Exclamation);
        return;
    }
    const TransponderUpdate::Summary summary = TransponderUpdate::Summarize(m_plan);
    if (summary.removed > 0) {
        QStringList channels;
        for (const TransponderUpdate::Channel& channel : summary.removedChannels)
            channels.append(ChannelText(channel));
        const QString text = tr("Transponders not in the list to delete: %1\nChannels deleted with them: %2")
                                 .arg(summary.removed)
                                 .arg(channels.size());
        if (!Prompts::Current().ShowReport(this, windowTitle(), text, channels, tr("&Delete and Apply")))
            return;
    }
    accept();
}
