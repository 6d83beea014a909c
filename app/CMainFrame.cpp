#include "CMainFrame.h"

#include "CAboutDlg.h"
#include "CVolmarenDoc.h"
#include "CVolmarenView.h"
#include "SystemTexts.h"
#include "TrafficLogCommand.h"
#include "UserPrompts.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QShortcut>

CMainFrame::CMainFrame(CVolmarenDoc& doc, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      m_doc(doc)
{
    m_pView = new CVolmarenView(doc, this);
    setCentralWidget(m_pView);
    CreateMenus();
    CreateAccelerators();
    setWindowTitle(doc.WindowTitle());
    connect(&doc, &CVolmarenDoc::TitleChanged, this, &QMainWindow::setWindowTitle);
    connect(m_pView, &CVolmarenView::StateChanged, this, &CMainFrame::UpdateCommandStates);
    UpdateCommandStates();
}

void CMainFrame::CreateMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    m_pOpenAction = file->addAction(QStringLiteral("&Open..."));
    m_pOpenAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_pSaveAction = file->addAction(QStringLiteral("&Save"));
    m_pSaveAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_pSaveAsAction = file->addAction(QStringLiteral("Save &As..."));
    file->addSeparator();
    m_pSystemInfoAction = file->addAction(QStringLiteral("STB System &Infomation"));
    file->addSeparator();
    m_pExitAction = file->addAction(QStringLiteral("E&xit"));

    QMenu* transfer = menuBar()->addMenu(QStringLiteral("Transfer"));
    m_pConnectAction = transfer->addAction(QStringLiteral("Connect"));
    m_pUploadAction = transfer->addAction(QStringLiteral("Upload     [STB->PC]"));
    m_pDownloadAction = transfer->addAction(QStringLiteral("Download [PC->STB]"));
    transfer->addSeparator();
    m_pSaveLogAction = transfer->addAction(QStringLiteral("Save Traffic Log..."));

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    m_pAboutAction = help->addAction(QStringLiteral("&About Volmaren..."));

    for (QMenu* menu : {file, transfer, help})
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
}

void CMainFrame::CreateAccelerators()
{
    auto* newDocument = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_N), this);
    connect(newDocument, &QShortcut::activated, this, &CMainFrame::OnFileNew);
    // The editing keys and the pane keys are taken by the window and do
    // nothing: the form has nothing to undo, cut, copy or paste that way.
    const QKeySequence inert[] = {
        QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace),
        QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete),
        QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert),
        QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert),
        QKeySequence(Qt::Key_F6),           QKeySequence(Qt::SHIFT | Qt::Key_F6),
    };
    for (const QKeySequence& keys : inert)
        new QShortcut(keys, this);
}

void CMainFrame::Connect(QAction* action, void (CMainFrame::*command)())
{
    connect(action, &QAction::triggered, this, [this, action, command] {
        UpdateCommandStates();
        if (action->isEnabled())
            (this->*command)();
    });
}

void CMainFrame::UpdateCommandStates()
{
    const bool running = m_pView->TransferRunning();
    const bool noData = m_doc.NoData();
    m_pOpenAction->setEnabled(!running);
    m_pExitAction->setEnabled(!running);
    m_pSaveAction->setEnabled(!noData && !running);
    m_pSaveAsAction->setEnabled(!noData && !running);
    m_pSystemInfoAction->setEnabled(!noData && !running);
    // The port is never reopened under a running transfer, and a transfer
    // can start from the menu whenever a port is open.
    m_pConnectAction->setEnabled(!running);
    m_pUploadAction->setEnabled(m_pView->PortOpen() && !running);
    m_pDownloadAction->setEnabled(m_pView->PortOpen() && !running);
    m_pSaveLogAction->setEnabled(!running && m_pView->Link().HasTrafficLog());
}

void CMainFrame::FitToForm()
{
    m_pView->adjustSize();
    resize(sizeHint());
}

void CMainFrame::OnFileOpen()
{
    const QString path = Prompts::Current().OpenFileName(this, QStringLiteral("Open"));
    if (!path.isEmpty() && m_doc.OnOpenDocument(path))
        FitToForm();
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
    m_pView->OnSystemInfo();
}

void CMainFrame::OnConnect()
{
    m_pView->OnTransferConnect();
}

void CMainFrame::OnUpload()
{
    m_pView->OnUpload();
}

void CMainFrame::OnDownload()
{
    m_pView->OnDownload();
}

void CMainFrame::OnSaveTrafficLog()
{
    SaveTrafficLog(this, m_pView->Link());
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
    m_pView->AbortTransfer();
    if (m_doc.Saved())
        return true;
    const auto answer = Prompts::Current().Ask(this, QString::fromLatin1(Text::kSaveChanges),
                                               QString::fromLatin1(Text::kAppTitle),
                                               IUserPrompts::Buttons::YesNoCancel, IUserPrompts::Icon::None);
    switch (answer) {
    case IUserPrompts::Answer::Yes: {
        CChannelDatabase& db = m_doc.Database();
        db.TablesToWorkImage();
        db.WorkImageToRaw();
        // A cancelled file dialog or a failed write keeps the program open,
        // so no unsaved work is lost.
        return m_doc.SaveForClose();
    }
    case IUserPrompts::Answer::No: return true;
    default: return false;
    }
}
