#include "CVolmarenApp.h"

#include "CMainFrame.h"
#include "CVolmarenDoc.h"
#include "CVolmarenView.h"
#include "RecoveryKeeper.h"
#include "RecoveryOffer.h"
#include "SystemTexts.h"
#include "Translations.h"

#include <QLocale>

CVolmarenApp::CVolmarenApp(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QString::fromLatin1(Text::kAppTitle));
    setApplicationVersion(QStringLiteral("1.0.0.1"));
    // Desktops match the window to its menu entry and icon by this name.
    setDesktopFileName(QStringLiteral("org.volmaren.Volmaren"));
    InstallTranslations(*this, QLocale());
}

CVolmarenApp::~CVolmarenApp()
{
    // The frame holds the form, which refers to the document.
    m_pFrame.reset();
    m_pRecoveryKeeper.reset();
    m_pDoc.reset();
}

bool CVolmarenApp::InitInstance()
{
    m_pDoc = std::make_unique<CVolmarenDoc>();
    m_pFrame = std::make_unique<CMainFrame>(*m_pDoc);
    m_pDoc->OnNewDocument();
    m_pRecoveryKeeper = std::make_unique<CRecoveryKeeper>(*m_pDoc);
    // Asked before the form starts its timers: the port's messages would
    // otherwise pop up over the question.
    const bool recovered = CRecoveryOffer(*m_pDoc, *m_pRecoveryKeeper, m_pFrame.get()).Run();
    m_pFrame->OnInitialUpdate();

    const QStringList arguments = QApplication::arguments();
    if (!recovered && arguments.size() > 1 && !m_pDoc->OnOpenDocument(arguments.at(1)))
        return false;

    m_pFrame->FitToForm();
    m_pFrame->show();
    return true;
}
