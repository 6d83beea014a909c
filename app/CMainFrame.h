// The main window: title, menu, accelerators and the close handler that
// stops a transfer and offers to save. It makes the parts of the window and
// joins them: the list state, the form with its transfer panel, and the
// editing commands.
#pragma once

#include "ListState.h"

#include <QMainWindow>

#include <functional>

class CChannelCommands;
class CCompareCommands;
class CHistoryCommands;
class CListCommands;
class CPrintCommands;
class CTransferPanel;
class CVolmarenDoc;
class CVolmarenView;
class QAction;
class QMenu;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(CVolmarenDoc& doc, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CVolmarenView* View() const { return m_pView; }
    CTransferPanel* Transfers() const { return m_pTransfers; }
    CChannelCommands* ChannelCommands() const { return m_pChannelCommands; }
    CHistoryCommands* HistoryCommands() const { return m_pHistoryCommands; }
    // The framework's first update: the first time the form and the panel
    // are set up; every time the frame fits the form.
    void OnInitialUpdate();
    // Resizes the window so its client area fits the form exactly.
    void FitToForm();
    // Makes each command available or not by the current state.
    void UpdateCommandStates();

    QAction* m_pOpenAction = nullptr;
    QAction* m_pSaveAction = nullptr;
    QAction* m_pSaveAsAction = nullptr;
    QAction* m_pCompareAction = nullptr;
    QAction* m_pCompareSavedAction = nullptr;
    QAction* m_pExportAction = nullptr;
    QAction* m_pImportAction = nullptr;
    QAction* m_pApplyOrderAction = nullptr;
    QAction* m_pPrintAction = nullptr;
    QAction* m_pExportPdfAction = nullptr;
    QAction* m_pSystemInfoAction = nullptr;
    QAction* m_pExitAction = nullptr;
    QList<QAction*> m_recentActions;
    QMenu* m_pFileMenu = nullptr;
    QAction* m_pUndoAction = nullptr;
    QAction* m_pRedoAction = nullptr;
    QAction* m_pFindAction = nullptr;
    QAction* m_pEditAction = nullptr;
    QAction* m_pDeleteAction = nullptr;
    QAction* m_pCutAction = nullptr;
    QAction* m_pPasteAction = nullptr;
    QAction* m_pMoveUpAction = nullptr;
    QAction* m_pMoveDownAction = nullptr;
    QAction* m_pEditSelectedAction = nullptr;
    QAction* m_pSortAction = nullptr;
    QAction* m_pConnectAction = nullptr;
    QAction* m_pUploadAction = nullptr;
    QAction* m_pDownloadAction = nullptr;
    QAction* m_pSaveLogAction = nullptr;
    QAction* m_pCheckAction = nullptr;
    QAction* m_pUpdateTranspondersAction = nullptr;
    QAction* m_pAboutAction = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The commands, with the form's buttons and clicks joined to them.
    void CreateCommands();
    void CreateMenus();
    void CreateEditMenu();
    // The File menu's entries for the images used last, before Exit.
    void FillRecentFiles();
    void OnOpenRecent(const QString& path);
    void CreateAccelerators();
    // Runs `command` only when `action` is available now, so accelerators
    // obey the same rules as the menu.
    void Connect(QAction* action, void (CMainFrame::*command)());
    void Connect(QAction* action, const std::function<void()>& command);
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OnFileNew();
    void OnExit();
    void OnAbout();
    void OnSystemInfo();
    void OnConnect();
    void OnUpload();
    void OnDownload();
    void OnSaveTrafficLog();
    // The close handler's questions; true when the window may close.
    bool QueryClose();

    CVolmarenDoc& m_doc;
    CListState m_state;
    CVolmarenView* m_pView = nullptr;
    CTransferPanel* m_pTransfers = nullptr;
    CChannelCommands* m_pChannelCommands = nullptr;
    CListCommands* m_pListCommands = nullptr;
    CPrintCommands* m_pPrintCommands = nullptr;
    CCompareCommands* m_pCompareCommands = nullptr;
    CHistoryCommands* m_pHistoryCommands = nullptr;
    bool m_bInitDone = false;
};
