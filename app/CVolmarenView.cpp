#include "CVolmarenView.h"

#include "CChannelListView.h"
#include "CHoverButton.h"
#include "CVolmarenDoc.h"
#include "CellText.h"
#include "ChannelListModel.h"
#include "CoreText.h"
#include "RowSelection.h"
#include "TextListModel.h"
#include "ui_CVolmarenView.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHeaderView>
#include <QMouseEvent>
#include <QStyle>

#include <algorithm>

CVolmarenView::CVolmarenView(CVolmarenDoc& doc, CListState& state, QWidget* parent)
    : CColorFormView(parent), m_doc(doc), m_ui(new Ui::CVolmarenView), m_state(state)
{
    m_ui->setupUi(this);
    // The channel lists take the room the window gives the form.
    m_ui->formLayout->setStretch(1, 1);
    m_pSatelliteModel = new TextListModel(this);
    m_pTransponderModel = new TextListModel(this);
    m_pChannelModels[KindIndex(kTv)] = new ChannelListModel(Database(), m_state.Views(), kTv, this);
    m_pChannelModels[KindIndex(kRadio)] = new ChannelListModel(Database(), m_state.Views(), kRadio, this);

    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (QListView* list : {SatelliteList(), TransponderList()}) {
        list->setFont(fixed);
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        list->setUniformItemSizes(true);
        list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    }
    SatelliteList()->setModel(m_pSatelliteModel);
    TransponderList()->setModel(m_pTransponderModel);
    SetUpChannelList(kTv);
    SetUpChannelList(kRadio);
    m_ui->radioList->hide();

    for (QAbstractItemView* list : Lists())
        WatchInput(list);
    connect(m_ui->searchEdit, &QLineEdit::textChanged, this, &CVolmarenView::OnSearchChanged);
    m_ui->searchEdit->installEventFilter(this);
    for (ChannelKind kind : kChannelKinds)
        connect(ChannelListView(kind), &CChannelListView::RowsDropped, this,
                [this, kind](const QList<int>& rows, int before) {
                    Q_EMIT ChannelRowsDropped(kind, rows, before);
                });

    connect(Tabs(), &QTabBar::currentChanged, this, &CVolmarenView::OnTabSwitch);
    connect(&m_doc, &CVolmarenDoc::Changed, this, &CVolmarenView::OnDocumentChanged);
    m_doc.SetContextSource([this] { return CaptureContext(); });
}

CVolmarenView::~CVolmarenView()
{
    delete m_ui;
}

const CChannelDatabase& CVolmarenView::Database() const
{
    return m_doc.Database();
}

QListView* CVolmarenView::SatelliteList() const
{
    return m_ui->satelliteList;
}

QListView* CVolmarenView::TransponderList() const
{
    return m_ui->transponderList;
}

QTreeView* CVolmarenView::ChannelList(ChannelKind kind) const
{
    return kind == kRadio ? m_ui->radioList : m_ui->tvList;
}

QTabBar* CVolmarenView::Tabs() const
{
    return m_ui->tabs;
}

QAbstractButton* CVolmarenView::Button(int templateId) const
{
    const auto buttons = findChildren<QAbstractButton*>();
    for (QAbstractButton* button : buttons) {
        if (button->property("templateId").toInt() == templateId)
            return button;
    }
    return nullptr;
}

void CVolmarenView::SetUpChannelList(ChannelKind kind)
{
    QTreeView* list = ChannelList(kind);
    list->setModel(m_pChannelModels[KindIndex(kind)]);
    list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setSortingEnabled(false);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    list->header()->setSectionsMovable(false);
    list->header()->setStretchLastSection(false);
    const auto& columns = Cells::ChannelColumns(kind);
    // The narrow ON/OFF columns grow for a longer translation of the words.
    const QFontMetrics metrics(list->font());
    const int onOff = std::max(metrics.horizontalAdvance(CoreText(Cells::kOn)),
                               metrics.horizontalAdvance(CoreText(Cells::kOff))) +
                      2 * list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 4;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const bool words = columns[c].content == Cells::Content::OnOff;
        list->setColumnWidth(int(c), words ? std::max(columns[c].width, onOff) : columns[c].width);
    }
    // The selection of a channel list is shown only while it has the focus.
    QPalette palette = list->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     palette.color(QPalette::Inactive, QPalette::Base));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Inactive, QPalette::Text));
    list->setPalette(palette);
}

// --- First update -------------------------------------------------------------

void CVolmarenView::SetUpOnce()
{
    const std::pair<CHoverButton*, int> bitmaps[] = {
        {m_ui->satelliteAdd, 143},   {m_ui->transponderAdd, 143},  {m_ui->channelAdd, 143},
        {m_ui->satelliteEdit, 144},  {m_ui->transponderEdit, 144}, {m_ui->channelEdit, 144},
        {m_ui->satelliteDel, 146},   {m_ui->transponderDel, 146},  {m_ui->channelDelete, 146},
        {m_ui->favGroupButton, 151}, {m_ui->systemButton, 152},    {m_ui->channelDown, 153},
        {m_ui->channelUp, 154},
    };
    for (const auto& [button, resource] : bitmaps)
        button->LoadBitmaps(resource);

    Tabs()->setExpanding(false);
    Tabs()->blockSignals(true);
    // Padded to one length, so that the two tabs are about as wide.
    Tabs()->addTab(tr("TV Channel").leftJustified(18));
    Tabs()->addTab(tr("Radio Channel").leftJustified(18));
    Tabs()->setCurrentIndex(0);
    Tabs()->blockSignals(false);
    m_ui->radioList->hide();
    m_ui->tvList->show();
}

void CVolmarenView::InsertTransferPanel(QWidget* panel)
{
    m_ui->rightColumn->insertWidget(1, panel);
}

QLineEdit* CVolmarenView::CodeEdit() const
{
    return m_ui->codeEdit;
}

void CVolmarenView::EnableEditing(bool enable)
{
    QWidget* controls[] = {
        m_ui->radioList,      m_ui->tvList,          m_ui->satelliteList,  m_ui->transponderList,
        m_ui->tabs,           m_ui->satelliteAdd,    m_ui->satelliteEdit,  m_ui->satelliteDel,
        m_ui->transponderAdd, m_ui->transponderEdit, m_ui->transponderDel, m_ui->channelAdd,
        m_ui->channelEdit,    m_ui->channelDelete,   m_ui->favGroupButton, m_ui->systemButton,
        m_ui->channelUp,      m_ui->channelDown,
    };
    for (QWidget* control : controls)
        control->setEnabled(enable);
}

// --- Filling the lists ----------------------------------------------------------

QStringList CVolmarenView::SatelliteRows() const
{
    const CChannelDatabase& db = Database();
    QStringList rows{CoreText(Cells::kAllSatellites)};
    const int count = db.GetSatelliteCount();
    for (int k = 0; k < count; ++k) {
        SatelliteRecord satellite;
        db.GetSatellite(satellite, k);
        rows.append(QString::fromLatin1(Cells::SatelliteText(satellite).c_str()));
    }
    return rows;
}

QStringList CVolmarenView::TransponderRows() const
{
    const CChannelDatabase& db = Database();
    QStringList rows{CoreText(Cells::kAllTransponders)};
    for (int k = 0; m_state.Views().GetTransponderViewEntry(k) != -1; ++k) {
        TransponderRecord transponder;
        db.GetTransponder(transponder, m_state.Views().GetTransponderViewEntry(k));
        rows.append(QString::fromLatin1(Cells::TransponderText(transponder).c_str()));
    }
    return rows;
}

void CVolmarenView::FillSatelliteList()
{
    m_pSatelliteModel->SetRows(SatelliteRows());
}

void CVolmarenView::FillTransponderList()
{
    m_pTransponderModel->SetRows(TransponderRows());
}

void CVolmarenView::FillChannelList(ChannelKind kind)
{
    m_pChannelModels[KindIndex(kind)]->Fill();
    ShowSearchCount();
}

void CVolmarenView::ClearList(QAbstractItemView* list)
{
    if (list == SatelliteList())
        m_pSatelliteModel->Clear();
    else if (list == TransponderList())
        m_pTransponderModel->Clear();
    else if (list == ChannelList(kTv))
        m_pChannelModels[KindIndex(kTv)]->Clear();
    else if (list == ChannelList(kRadio))
        m_pChannelModels[KindIndex(kRadio)]->Clear();
}

void CVolmarenView::ClearAllLists()
{
    for (QAbstractItemView* list : Lists())
        ClearList(list);
}

void CVolmarenView::RefreshAllLists()
{
    ClearAllLists();
    m_state.ShowEverything();
    FillSatelliteList();
    FillTransponderList();
    RefillChannelLists();

    ::FocusList(SatelliteList());
    ::SelectRow(SatelliteList(), 0);
    ::FocusList(TransponderList());
    ::SelectRow(TransponderList(), 0);
    QTreeView* front = ChannelListInFront();
    if (front->model()->rowCount() > 0) {
        ::FocusList(front);
        ::SelectRow(front, 0);
        m_state.NoteChannelSelection(::FirstSelectedRow(front));
    }
    Q_EMIT StateChanged();
}

// --- Following the document ---------------------------------------------------

void CVolmarenView::OnDocumentChanged(ListChanges lists, const std::any* context)
{
    if (lists & ListChange::Everything) {
        RefreshAllLists();
        return;
    }
    if (context && context->has_value()) {
        RestoreContext(std::any_cast<const ListContext&>(*context));
        return;
    }
    if (lists & ListChange::Satellites)
        FillSatelliteList();
    if (lists & ListChange::Transponders) {
        m_state.ShowTranspondersForChoice();
        FillTransponderList();
    }
    for (ChannelKind kind : kChannelKinds) {
        if (lists & (kind == kTv ? ListChange::TvChannels : ListChange::RadioChannels)) {
            m_state.ShowChannelsForFilter(kind);
            FillChannelList(kind);
        }
    }
    Q_EMIT StateChanged();
}

std::any CVolmarenView::CaptureContext() const
{
    ListContext context{m_state.Save(), {}};
    const QAbstractItemView* lists[] = {SatelliteList(), TransponderList(), ChannelList(kTv),
                                        ChannelList(kRadio)};
    for (std::size_t i = 0; i < 4; ++i)
        context.selectedRows[i] = ::SelectedRowsFrom(lists[i], 0);
    return context;
}

void CVolmarenView::RestoreContext(const ListContext& context)
{
    m_state.Restore(context.state);
    if (Tabs()->currentIndex() != int(m_state.Tab())) {
        const QSignalBlocker quiet(Tabs());
        Tabs()->setCurrentIndex(int(m_state.Tab()));
    }
    ChannelList(kTv)->setVisible(m_state.Tab() == kTv);
    ChannelList(kRadio)->setVisible(m_state.Tab() == kRadio);

    m_pSatelliteModel->UpdateRows(SatelliteRows());
    m_pTransponderModel->UpdateRows(TransponderRows());
    RefillChannelLists();
    QAbstractItemView* lists[] = {SatelliteList(), TransponderList(), ChannelList(kTv), ChannelList(kRadio)};
    for (std::size_t i = 0; i < 4; ++i) {
        lists[i]->clearSelection();
        const std::vector<int>& rows = context.selectedRows[i];
        for (int row : rows)
            ::SelectRow(lists[i], row);
        if (!rows.empty())
            lists[i]->scrollTo(lists[i]->model()->index(rows.front(), 0));
    }
    Q_EMIT StateChanged();
}

// --- Find -----------------------------------------------------------------------

void CVolmarenView::OnSearchChanged(const QString& text)
{
    m_state.SearchFor(text.toLatin1().toStdString());
    RefillChannelLists();
}

void CVolmarenView::ShowSearchCount()
{
    const ChannelKind kind = m_state.Tab();
    const int shown = m_state.Views().GetChannelViewLength(kind);
    m_ui->searchCount->setText(
        m_state.Search().empty() ? QString() : tr("%1 of %2").arg(shown).arg(m_state.NarrowedCount(kind)));
}

void CVolmarenView::FocusSearch()
{
    m_ui->searchEdit->setFocus(Qt::ShortcutFocusReason);
    m_ui->searchEdit->selectAll();
}

std::array<QAbstractItemView*, 4> CVolmarenView::Lists() const
{
    return {SatelliteList(), TransponderList(), ChannelList(kTv), ChannelList(kRadio)};
}

int CVolmarenView::SlotOf(const QObject* list) const
{
    const auto lists = Lists();
    const auto found = std::find(lists.begin(), lists.end(), list);
    return found == lists.end() ? -1 : int(found - lists.begin());
}
