#include "CMainFrame.h"

#include "CAboutDlg.h"
#include "CVolmarenDoc.h"
#include "CVolmarenView.h"
#include "ChannelCommands.h"
#include "CompareCommands.h"
#include "CompareWindow.h"
#include "HistoryCommands.h"
#include "ListCommands.h"
#include "PrintCommands.h"
#include "RecentFiles.h"
#include "SystemInfoCommand.h"
#include "TrafficLogCommand.h"
#include "TransponderUpdateCommand.h"
#include "TransferPanel.h"
#include "UserPrompts.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QShortcut>
#include <QTabBar>

CMainFrame::CMainFrame(CVolmarenDoc& doc, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      m_doc(doc), m_state(doc.Database())
{
    m_pView = new CVolmarenView(doc, m_state, this);
    setCentralWidget(m_pView);
    m_pTransfers = new CTransferPanel(doc, m_pView->CodeEdit(), m_pView);
    m_pView->InsertTransferPanel(m_pTransfers);
    CreateCommands();
    m_pPrintCommands =
        new CPrintCommands(doc, this, [this] { return ChannelKind(m_pView->Tabs()->currentIndex()); });
    m_pCompareCommands = new CCompareCommands(doc, this);
    m_pHistoryCommands = new CHistoryCommands(doc, *m_pTransfers, this);
    connect(m_pHistoryCommands, &CHistoryCommands::Opened, this, &CMainFrame::FitToForm);
    doc.SetPromptOwner(this);
    CreateMenus();
    CreateAccelerators();
    setWindowTitle(doc.WindowTitle());
    connect(&doc, &CVolmarenDoc::TitleChanged, this, &QMainWindow::setWindowTitle);
    connect(m_pView, &CVolmarenView::StateChanged, this, &CMainFrame::UpdateCommandStates);
    connect(m_pTransfers, &CTransferPanel::StateChanged, this, &CMainFrame::UpdateCommandStates);
    connect(&doc, &CVolmarenDoc::HistoryChanged, this, &CMainFrame::UpdateCommandStates);
    UpdateCommandStates();
}

CMainFrame::~CMainFrame()
{
    // The form and its panel refer to the list state: they go first.
    delete m_pView;
}

void CMainFrame::OnInitialUpdate()
{
    if (!m_bInitDone) {
        m_pView->SetUpOnce();
        m_pTransfers->SetUpOnce();
        m_bInitDone = true;
    }
    FitToForm();
}

void CMainFrame::CreateMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    m_pOpenAction = file->addAction(tr("&Open..."));
    m_pOpenAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_pSaveAction = file->addAction(tr("&Save"));
    m_pSaveAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_pSaveAsAction = file->addAction(tr("Save &As..."));
    file->addSeparator();
    m_pCompareAction = file->addAction(tr("&Compare With..."));
    m_pCompareSavedAction = file->addAction(tr("Compare With Sa&ved"));
    m_pHistoryCommands->AddToFileMenu(file);
    file->addSeparator();
    m_pExportAction = file->addAction(tr("&Export Channels..."));
    m_pImportAction = file->addAction(tr("I&mport Channels..."));
    m_pApplyOrderAction = file->addAction(tr("Apply O&rder From..."));
    file->addSeparator();
    m_pPrintAction = file->addAction(tr("&Print Channel List..."));
    m_pPrintAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    m_pExportPdfAction = file->addAction(tr("Export P&DF..."));
    file->addSeparator();
    m_pSystemInfoAction = file->addAction(tr("STB System &Infomation"));
    file->addSeparator();
    m_pExitAction = file->addAction(tr("E&xit"));
    m_pFileMenu = file;
    connect(file, &QMenu::aboutToShow, this, &CMainFrame::FillRecentFiles);
    connect(&m_doc, &CVolmarenDoc::FileUsed, this, &RecentFiles::Add);

    CreateEditMenu();

    QMenu* transfer = menuBar()->addMenu(tr("T&ransfer"));
    m_pConnectAction = transfer->addAction(tr("&Connect"));
    m_pUploadAction = transfer->addAction(tr("&Upload     [STB->PC]"));
    m_pDownloadAction = transfer->addAction(tr("&Download [PC->STB]"));
    m_pHistoryCommands->AddToTransferMenu(transfer);
    transfer->addSeparator();
    m_pSaveLogAction = transfer->addAction(tr("Save Traffic &Log..."));

    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    m_pCheckAction = tools->addAction(tr("&Check Image..."));
    m_pUpdateTranspondersAction = tools->addAction(tr("&Update Transponders..."));

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    m_pAboutAction = help->addAction(tr("&About Volmaren..."));

    for (QMenu* menu : {file, transfer, tools, help})
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);

    Connect(m_pOpenAction, &CMainFrame::OnFileOpen);
    Connect(m_pSaveAction, &CMainFrame::OnFileSave);
    Connect(m_pSaveAsAction, &CMainFrame::OnFileSaveAs);
    Connect(m_pSystemInfoAction, &CMainFrame::OnSystemInfo);
    Connect(m_pExitAction, &CMainFrame::OnExit);
    Connect(m_pConnectAction, &CMainFrame::OnConnect);
    Connect(m_pUploadAction, &CMainFrame::OnUpload);
    Connect(m_pDownloadAction, &CMainFrame::OnDownload);
    Connect(m_pSaveLogAction, &CMainFrame::OnSaveTrafficLog);
    Connect(m_pAboutAction, &CMainFrame::OnAbout);
    CListCommands* lists = m_pListCommands;
    Connect(m_pExportAction, [lists] { lists->OnExport(); });
    Connect(m_pImportAction, [lists] { lists->OnImport(); });
    Connect(m_pApplyOrderAction, [lists] { lists->OnApplyOrder(); });
    Connect(m_pCheckAction, [lists] { lists->OnCheckImage(); });
    auto* transponders = new CTransponderUpdateCommand(m_doc, this);
    Connect(m_pUpdateTranspondersAction, [transponders] { transponders->OnUpdateTransponders(); });
    CPrintCommands* print = m_pPrintCommands;
    Connect(m_pPrintAction, [print] { print->OnPrint(); });
    Connect(m_pExportPdfAction, [print] { print->OnExportPdf(); });
    CCompareCommands* compare = m_pCompareCommands;
    Connect(m_pCompareAction, [compare] { compare->OnCompareWith(); });
    Connect(m_pCompareSavedAction, [compare] { compare->OnCompareWithSaved(); });
}

void CMainFrame::CreateEditMenu()
{
    QMenu* edit = menuBar()->addMenu(tr("&Edit", "menu"));
    connect(edit, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
    auto add = [this, edit](const QString& text, const QList<QKeySequence>& keys, auto command) {
        QAction* action = edit->addAction(text);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, [this, action, command] {
            UpdateCommandStates();
            if (action->isEnabled())
                command();
        });
        return action;
    };
    m_pUndoAction = add(tr("U&ndo"), {QKeySequence(Qt::CTRL | Qt::Key_Z)}, [this] { m_doc.Undo(); });
    m_pRedoAction =
        add(tr("&Redo"), {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
            [this] { m_doc.Redo(); });
    edit->addSeparator();
    CChannelCommands* channels = m_pChannelCommands;
    m_pFindAction =
        add(tr("&Find..."), {QKeySequence(Qt::CTRL | Qt::Key_F)}, [this] { m_pView->FocusSearch(); });
    // Enter and Delete act on the list that has the focus, as its buttons do.
    m_pEditAction = add(tr("&Edit"), {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)},
                        [this] { m_pView->OnEditKey(); });
    m_pDeleteAction = add(tr("&Delete"), {QKeySequence(Qt::Key_Delete)}, [this] { m_pView->OnDeleteKey(); });
    m_pCutAction = add(tr("Cu&t Channels"),
                       {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)},
                       [channels] { channels->OnCut(); });
    m_pPasteAction = add(tr("&Paste Channels"),
                         {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)},
                         [channels] { channels->OnPaste(); });
    m_pMoveUpAction =
        add(tr("Channel &Up"), {QKeySequence(Qt::ALT | Qt::Key_Up)}, [channels] { channels->OnMoveUp(); });
    m_pMoveDownAction = add(tr("Channel D&own"), {QKeySequence(Qt::ALT | Qt::Key_Down)},
                            [channels] { channels->OnMoveDown(); });
    edit->addSeparator();
    m_pEditSelectedAction =
        add(tr("Edit Selected &Channels..."), {}, [channels] { channels->OnEditSelected(); });
    m_pSortAction = add(tr("&Sort Channels..."), {}, [channels] { channels->OnSort(); });
}

void CMainFrame::CreateAccelerators()
{
    auto* newDocument = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_N), this);
    connect(newDocument, &QShortcut::activated, this, &CMainFrame::OnFileNew);
    // The copy keys and the pane keys are taken by the window and do
    // nothing: the form has nothing to copy, nor panes to cycle.
    const QKeySequence inert[] = {
        QKeySequence(Qt::ALT | Qt::Key_Backspace), QKeySequence(Qt::CTRL | Qt::Key_C),
        QKeySequence(Qt::CTRL | Qt::Key_Insert),   QKeySequence(Qt::Key_F6),
        QKeySequence(Qt::SHIFT | Qt::Key_F6),
    };
    for (const QKeySequence& keys : inert)
        new QShortcut(keys, this);
}

void CMainFrame::Connect(QAction* action, void (CMainFrame::*command)())
{
    Connect(action, [this, command] { (this->*command)(); });
}

void CMainFrame::Connect(QAction* action, const std::function<void()>& command)
{
    connect(action, &QAction::triggered, this, [this, action, command] {
        UpdateCommandStates();
        if (action->isEnabled())
            command();
    });
}

void CMainFrame::UpdateCommandStates()
{
    const bool running = m_pTransfers->TransferRunning();
    const bool noData = m_doc.NoData();
    m_pOpenAction->setEnabled(!running);
    m_pExitAction->setEnabled(!running);
    m_pSaveAction->setEnabled(!noData && !running);
    m_pSaveAsAction->setEnabled(!noData && !running);
    for (QAction* action : {m_pSystemInfoAction, m_pExportAction, m_pImportAction, m_pApplyOrderAction,
                            m_pCheckAction, m_pCompareAction})
        action->setEnabled(!noData && !running);
    m_pCompareSavedAction->setEnabled(m_pCompareCommands->CanCompareWithSaved() && !running);
    // A transfer may replace the tables a compare window would take into.
    for (CCompareWindow* window : findChildren<CCompareWindow*>())
        window->AllowTakes(!running);
    for (QAction* action : {m_pPrintAction, m_pExportPdfAction, m_pUpdateTranspondersAction})
        action->setEnabled(!noData && !running);
    // The port is never reopened under a running transfer, and a transfer
    // can start from the menu whenever a port is open.
    m_pConnectAction->setEnabled(!running);
    m_pUploadAction->setEnabled(m_pTransfers->PortOpen() && !running);
    // While a transfer runs the lists are disabled and the tables may be
    // replaced: no step is taken back or again.
    m_pUndoAction->setEnabled(m_doc.CanUndo() && !running);
    m_pUndoAction->setText(m_doc.CanUndo() ? tr("U&ndo %1").arg(m_doc.UndoLabel()) : tr("U&ndo"));
    m_pRedoAction->setEnabled(m_doc.CanRedo() && !running);
    m_pFindAction->setEnabled(!running);
    for (QAction* action : {m_pEditAction, m_pDeleteAction, m_pCutAction, m_pPasteAction, m_pMoveUpAction,
                            m_pMoveDownAction, m_pEditSelectedAction, m_pSortAction})
        action->setEnabled(!noData && !running);
    m_pRedoAction->setText(m_doc.CanRedo() ? tr("&Redo %1").arg(m_doc.RedoLabel()) : tr("&Redo"));
    m_pDownloadAction->setEnabled(m_pTransfers->PortOpen() && !running);
    m_pHistoryCommands->UpdateStates();
    m_pSaveLogAction->setEnabled(!running && m_pTransfers->Link().HasTrafficLog());
}

void CMainFrame::FitToForm()
{
    m_pView->adjustSize();
    resize(sizeHint());
}

void CMainFrame::OnFileOpen()
{
    if (!m_doc.SaveModified())
        return;
    const QString path = Prompts::Current().OpenFileName(this, tr("Open"), IUserPrompts::FileKind::Image);
    if (!path.isEmpty() && m_doc.OnOpenDocument(path))
        FitToForm();
}

void CMainFrame::FillRecentFiles()
{
    for (QAction* action : std::as_const(m_recentActions))
        delete action;
    m_recentActions.clear();
    const QStringList files = RecentFiles::List();
    const bool running = m_pTransfers->TransferRunning();
    for (int n = 0; n < files.size(); ++n) {
        const QString& path = files[n];
        // An ampersand in the name is shown, not taken for the entry's access key.
        const QString name = QFileInfo(path).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(n + 1).arg(name), m_pFileMenu);
        action->setToolTip(path);
        action->setStatusTip(path);
        action->setEnabled(!running);
        connect(action, &QAction::triggered, this, [this, path] { OnOpenRecent(path); });
        m_recentActions.append(action);
    }
    if (!m_recentActions.isEmpty())
        m_recentActions.append(m_pFileMenu->insertSeparator(m_pExitAction));
    m_pFileMenu->insertActions(m_pExitAction, m_recentActions);
}

void CMainFrame::OnOpenRecent(const QString& path)
{
    if (m_pTransfers->TransferRunning() || !m_doc.SaveModified())
        return;
    if (m_doc.OnOpenDocument(path))
        FitToForm();
    else
        RecentFiles::Remove(path);
}

void CMainFrame::OnFileSave()
{
    m_doc.OnFileSave();
}

void CMainFrame::OnFileSaveAs()
{
    m_doc.OnFileSaveAs();
}

void CMainFrame::OnFileNew()
{
    if (m_pTransfers->TransferRunning() || !m_doc.SaveModified())
        return;
    m_doc.OnNewDocument();
    UpdateCommandStates();
}

void CMainFrame::OnExit()
{
    close();
}

void CMainFrame::OnAbout()
{
    CAboutDlg about(this);
    about.exec();
}

void CMainFrame::OnSystemInfo()
{
    EditSystemInfo(m_doc, m_pView);
}

void CMainFrame::OnConnect()
{
    m_pTransfers->OnConnect();
}

void CMainFrame::OnUpload()
{
    m_pTransfers->OnUpload();
}

void CMainFrame::OnDownload()
{
    m_pTransfers->OnDownload();
}

void CMainFrame::OnSaveTrafficLog()
{
    SaveTrafficLog(this, m_pTransfers->TrafficLogText());
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (QueryClose())
        event->accept();
    else
        event->ignore();
}

bool CMainFrame::QueryClose()
{
    m_pTransfers->AbortTransfer();
    return m_doc.SaveModifiedForClose();
}
