#include "CompareWindow.h"

#include "CVolmarenDoc.h"
#include "CoreText.h"
#include "TakePlan.h"
#include "UserPrompts.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

CCompareWindow* CCompareWindow::OpenForDocument(CVolmarenDoc& doc, Diff::OtherSide theirs,
                                                const QString& theirLabel, QWidget* parent)
{
    auto* window = new CCompareWindow(&doc, doc.Database(), QString(), std::move(theirs), theirLabel, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void CCompareWindow::ShowImages(const CChannelDatabase& ours, const QString& ourLabel,
                                const CChannelDatabase& theirs, const QString& theirLabel, QWidget* parent)
{
    CCompareWindow window(nullptr, ours, ourLabel, Diff::FromImage(theirs), theirLabel, parent);
    window.exec();
}

CCompareWindow::CCompareWindow(CVolmarenDoc* doc, const CChannelDatabase& ours, const QString& ourLabel,
                               Diff::OtherSide theirs, const QString& theirLabel, QWidget* parent)
    : QDialog(parent), m_pDoc(doc), m_ours(ours), m_theirs(std::move(theirs)), m_ourLabel(ourLabel),
      m_theirLabel(theirLabel)
{
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    CreateControls();
    ConnectInput();
    if (m_pDoc)
        FollowDocument();
    ShowLabels();
    Recompute();
    resize(960, 600);
}

void CCompareWindow::CreateControls()
{
    m_pModel = new CDifferenceModel(this);
    m_pFilter = new QLineEdit(this);
    m_pFilter->setClearButtonEnabled(true);
    m_pFilter->setPlaceholderText(tr("Name, value or kind of change"));
    auto* filterLabel = new QLabel(tr("&Filter:"), this);
    filterLabel->setBuddy(m_pFilter);
    m_pCount = new QLabel(this);

    m_pList = new QTreeView(this);
    m_pList->setModel(m_pModel);
    m_pList->setUniformRowHeights(true);
    m_pList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pList->setAllColumnsShowFocus(true);
    m_pList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pList->header()->resizeSection(CDifferenceModel::kName, 260);
    m_pList->header()->resizeSection(CDifferenceModel::kNumber, 50);
    m_pList->header()->resizeSection(CDifferenceModel::kOurs, 290);
    m_pDetails = new QLabel(this);
    m_pDetails->setTextFormat(Qt::RichText);
    m_pDetails->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pDetails->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Room for a few fields, so the list does not jump as rows are chosen.
    m_pDetails->setMinimumHeight(fontMetrics().lineSpacing() * 6);

    m_pTake = new QPushButton(tr("&Take From Other"), this);
    m_pTake->setToolTip(tr("Makes the selected rows of ours as the other side has them (Enter)"));
    m_pTakeAll = new QPushButton(tr("Take &All"), this);
    m_pTakeAll->setToolTip(tr("Makes the channel lists, groups, transponders and satellites as the other "
                              "side has them; the system settings stay as they are"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(m_pTake, QDialogButtonBox::ActionRole);
    buttons->addButton(m_pTakeAll, QDialogButtonBox::ActionRole);
    // Enter takes rows only in the list; in the filter it goes to the list.
    for (QPushButton* button : buttons->findChildren<QPushButton*>())
        button->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_pTake->setVisible(m_pDoc != nullptr);
    m_pTakeAll->setVisible(m_pDoc != nullptr);

    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(m_pFilter, 1);
    filterRow->addWidget(m_pCount);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(m_pList, 1);
    layout->addWidget(m_pDetails);
    layout->addWidget(buttons);
    setTabOrder(m_pFilter, m_pList);
}

void CCompareWindow::ConnectInput()
{
    connect(m_pFilter, &QLineEdit::textChanged, this,
            [this](const QString& text) { Refill([this, text] { m_pModel->SetFilter(text); }); });
    connect(m_pFilter, &QLineEdit::returnPressed, m_pList, qOverload<>(&QWidget::setFocus));
    new QShortcut(QKeySequence(Qt::Key_Down), m_pFilter, m_pList, qOverload<>(&QWidget::setFocus),
                  Qt::WidgetShortcut);
    // As in the main form's Find field, Escape empties the filter; then it closes.
    new QShortcut(
        QKeySequence(Qt::Key_Escape), m_pFilter, this,
        [this] {
            if (m_pFilter->text().isEmpty())
                reject();
            else
                m_pFilter->clear();
        },
        Qt::WidgetShortcut);
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        m_pFilter->setFocus();
        m_pFilter->selectAll();
    });
    // The document's Undo and Redo, without a trip to the main window.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), this), &QShortcut::activated, this, [this] {
        if (m_pDoc && m_bTakesAllowed)
            m_pDoc->Undo();
    });
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [this] {
            if (m_pDoc && m_bTakesAllowed)
                m_pDoc->Redo();
        });
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter})
        new QShortcut(QKeySequence(key), m_pList, this, &CCompareWindow::TakeSelected, Qt::WidgetShortcut);
    connect(m_pList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CCompareWindow::UpdateButtons);
    connect(m_pList->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CCompareWindow::ShowDetails);
    connect(m_pList, &QTreeView::collapsed, this,
            [this](const QModelIndex& group) { m_folded.insert(m_pModel->Key(group)); });
    connect(m_pList, &QTreeView::expanded, this,
            [this](const QModelIndex& group) { m_folded.erase(m_pModel->Key(group)); });
    connect(m_pTake, &QPushButton::clicked, this, &CCompareWindow::TakeSelected);
    connect(m_pTakeAll, &QPushButton::clicked, this, &CCompareWindow::TakeAll);
}

void CCompareWindow::FollowDocument()
{
    connect(m_pDoc, &CVolmarenDoc::Changed, this, &CCompareWindow::Recompute);
    // A new document has no data to compare or to take into.
    connect(m_pDoc, &CVolmarenDoc::HistoryChanged, this, [this] {
        if (m_pDoc->NoData() && !m_comparison.Same())
            Recompute();
    });
    connect(m_pDoc, &CVolmarenDoc::TitleChanged, this, &CCompareWindow::ShowLabels);
}

QString CCompareWindow::OurLabel() const
{
    if (!m_pDoc)
        return m_ourLabel;
    const QString path = m_pDoc->FilePath();
    return path.isEmpty() ? tr("this document") : QFileInfo(path).fileName();
}

void CCompareWindow::ShowLabels()
{
    setWindowTitle(tr("Compare %1 With %2").arg(OurLabel(), m_theirLabel));
    m_pModel->SetSideLabels(OurLabel(), m_theirLabel);
}

void CCompareWindow::AllowTakes(bool allowed)
{
    m_bTakesAllowed = allowed;
    UpdateButtons();
}

// --- Rows -------------------------------------------------------------------------

void CCompareWindow::Recompute()
{
    Refill([this] {
        const bool noData = m_pDoc && m_pDoc->NoData();
        m_comparison = noData ? Diff::Comparison() : Diff::Compare(m_ours, m_theirs);
        m_pModel->SetComparison(m_comparison);
    });
}

void CCompareWindow::Refill(const std::function<void()>& remake)
{
    // Without a row chosen before, the first difference is chosen, so Enter
    // takes it and the arrows go on from it.
    const QModelIndex current = m_pList->currentIndex();
    const CDifferenceModel::GroupKey key =
        current.isValid() ? m_pModel->Key(current) : CDifferenceModel::GroupKey();
    const int row = m_pModel->IsGroup(current) ? -1 : std::max(current.row(), 0);
    const std::set<CDifferenceModel::GroupKey> folded = m_folded;

    remake();
    for (int g = 0; g < m_pModel->rowCount(); ++g) {
        const QModelIndex group = m_pModel->index(g, 0);
        m_pList->setExpanded(group, !folded.count(m_pModel->Key(group)));
    }
    m_folded = folded;
    RestoreCurrent(key, row);
    ShowCounts();
    ShowDetails();
    UpdateButtons();
}

void CCompareWindow::RestoreCurrent(const CDifferenceModel::GroupKey& key, int row)
{
    const int groups = m_pModel->rowCount();
    if (groups == 0)
        return;
    QModelIndex target = m_pModel->GroupIndex(key);
    if (!target.isValid()) {
        // The group is gone: the one that followed it takes its place.
        int g = 0;
        while (g + 1 < groups && m_pModel->Key(m_pModel->index(g, 0)) < key)
            ++g;
        target = m_pModel->index(g, 0);
        row = std::min(row, 0);
    }
    if (row >= 0)
        target = m_pModel->index(std::min(row, m_pModel->rowCount(target) - 1), 0, target);
    m_pList->selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect |
                                                           QItemSelectionModel::Rows);
    m_pList->scrollTo(target);
}

void CCompareWindow::ShowCounts()
{
    if (m_pDoc && m_pDoc->NoData())
        m_pCount->setText(tr("No image is open."));
    else if (m_pModel->Total() == 0)
        m_pCount->setText(tr("No differences: the two are the same."));
    else if (m_pModel->Shown() == m_pModel->Total())
        m_pCount->setText(tr("Differences: %1").arg(m_pModel->Total()));
    else
        m_pCount->setText(tr("Differences shown: %1 of %2").arg(m_pModel->Shown()).arg(m_pModel->Total()));
}

void CCompareWindow::ShowDetails()
{
    const DifferenceText* text = m_pModel->Text(m_pList->currentIndex());
    if (!text) {
        m_pDetails->clear();
        return;
    }
    auto cell = [](const QString& value) {
        return value.isEmpty() ? QString(QChar(0x2014)) : value.toHtmlEscaped();
    };
    QString html =
        QStringLiteral("<b>%1</b><table cellspacing=\"6\"><tr><th></th><th align=\"left\">%2</th>"
                       "<th align=\"left\">%3</th></tr>")
            .arg(text->name.toHtmlEscaped(), tr("Ours").toHtmlEscaped(), tr("Theirs").toHtmlEscaped());
    for (const DifferenceText::Line& line : text->lines)
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>")
                    .arg(line.what.toHtmlEscaped(), cell(line.ours), cell(line.theirs));
    m_pDetails->setText(html + QStringLiteral("</table>"));
}

// --- Taking -------------------------------------------------------------------------

void CCompareWindow::UpdateButtons()
{
    const bool canTake = m_pDoc && !m_pDoc->NoData() && m_bTakesAllowed;
    m_pTake->setEnabled(canTake && m_pList->selectionModel()->hasSelection());
    m_pTakeAll->setEnabled(
        canTake && std::any_of(m_comparison.differences.begin(), m_comparison.differences.end(),
                               [](const Diff::Difference& d) { return d.table != Diff::Table::System; }));
}

void CCompareWindow::TakeSelected()
{
    Take(m_pModel->Differences(m_pList->selectionModel()->selectedRows()), tr("Take From Other"));
}

void CCompareWindow::TakeAll()
{
    std::vector<std::size_t> chosen = Diff::Everything(m_comparison);
    std::erase_if(chosen,
                  [this](std::size_t i) { return m_comparison.differences[i].table == Diff::Table::System; });
    Take(chosen, tr("Take All"));
}

void CCompareWindow::Take(const std::vector<std::size_t>& chosen, const QString& label)
{
    if (!m_pDoc || m_pDoc->NoData() || !m_bTakesAllowed || chosen.empty())
        return;
    Diff::TakePlan plan;
    if (const auto refusal = Diff::PlanTake(m_ours, m_theirs, m_comparison, chosen, plan)) {
        Prompts::Message(this, tr("%1\n\nNothing was changed.").arg(CoreText(*refusal)),
                         IUserPrompts::Icon::Exclamation);
        return;
    }
    // The lists start again from everything: a take may renumber the
    // satellites and transponders they were narrowed to. The comparison
    // follows the change the document announces.
    m_pDoc->Apply(label, ListChange::Everything,
                  [&plan](CChannelDatabase& db) { Diff::ApplyTake(db, plan); });
}
