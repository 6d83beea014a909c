// The application object: start-up creates the one document, frame and form.
#pragma once

#include <QApplication>

#include <memory>

class CMainFrame;
class CRecoveryKeeper;
class CVolmarenDoc;

class CVolmarenApp : public QApplication {
    Q_OBJECT
public:
    CVolmarenApp(int& argc, char** argv);
    ~CVolmarenApp() override;

    // Creates document, frame and form, offers the recovery copies crashed
    // editors left, opens the file named on the command line unless a copy
    // was recovered, shows the frame. False when the command line cannot be
    // carried out.
    bool InitInstance();

    CMainFrame* MainFrame() const { return m_pFrame.get(); }
    CVolmarenDoc* Document() const { return m_pDoc.get(); }

private:
    std::unique_ptr<CVolmarenDoc> m_pDoc;
    std::unique_ptr<CMainFrame> m_pFrame;
    std::unique_ptr<CRecoveryKeeper> m_pRecoveryKeeper;
};
