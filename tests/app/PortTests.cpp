// The ports found on the system in the COM box and in Connect, the port kept
// from one run of the editor to the next, and why a port did not open.
#include "AppFixture.h"

#include "CConnectDlg.h"
#include "PortChoice.h"
#include "SerialPort.h"
#include "TemplateIds.h"

#include <QComboBox>
#include <QRadioButton>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

// A pseudo-terminal standing in for a USB serial adapter.
class Adapter {
public:
    Adapter()
    {
        m_master = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0)
            qFatal("no pseudo-terminal for the adapter");
        m_path = ptsname(m_master);
    }
    ~Adapter() { ::close(m_master); }

    // The system's port listing as it would show this adapter.
    std::vector<PortDescription> Listing() const
    {
        return {{"ttyUSB7", m_path, "FT232R USB UART", true, "FTDI", "FT232R USB UART", "A6008isP", 0x0403,
                 0x6001}};
    }
    QString Path() const { return QString::fromStdString(m_path); }

private:
    int m_master = -1;
    std::string m_path;
};

QComboBox* ComBox(CVolmarenView& view)
{
    return FindByTemplateId<QComboBox>(&view, DialogIds::MainWindow::kComPort);
}

QStringList Items(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items.append(box->itemText(i));
    return items;
}

// Opens the box's list, takes the item at `index` and closes the list, as a
// click on that item does, and lets the form handle the close-up.
void Choose(QComboBox* box, int index)
{
    box->showPopup();
    box->setCurrentIndex(index);
    box->hidePopup();
    QCoreApplication::processEvents();
}

const QString kAdapterEntry = QStringLiteral("ttyUSB7 \u2013 FT232R USB UART");

}  // namespace

class PortsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { PortChoice::InstallFinder({}); }
    void remembersThePortChosenLastAcrossARestart();
    void saysWhyAChosenPortDidNotOpen();
};

void PortsTest::remembersThePortChosenLastAcrossARestart()
{
    QTemporaryDir settings;
    Adapter adapter;
    PortChoice::InstallFinder([&adapter] { return adapter.Listing(); });
    {
        // Nothing kept yet: COM1. Connect offers the adapter after COM1 and COM2.
        AppFixture app(QString(), settings.path());
        QTRY_COMPARE(app.transfers().StatusText(), QStringLiteral("COM(1) port Connect OK"));
        QStringList offered;
        AppFixture::whenModal<CConnectDlg>([&offered](CConnectDlg* dialog) {
            for (QRadioButton* radio : dialog->findChildren<QRadioButton*>())
                offered.append(radio->text());
            dialog->findChildren<QRadioButton*>().last()->click();
            AppFixture::clickButton(AppFixture::FindButton(dialog, DialogIds::kOk));
        });
        app.transfers().OnConnect();
        QCOMPARE(offered, (QStringList{"COM1", "COM2", kAdapterEntry}));
        QCOMPARE(app.transfers().StatusText(), QStringLiteral("COM port Connect OK"));
        QCOMPARE(QString::fromStdString(app.transfers().Link().DevicePath()), adapter.Path());
    }
    {
        // The adapter is opened at start-up, and the box shows it; the list is
        // read again when it opens.
        AppFixture app(QString(), settings.path());
        CVolmarenView& view = app.view();
        QTRY_COMPARE(app.transfers().StatusText(), QStringLiteral("ttyUSB7 port Connect OK"));
        QCOMPARE(QString::fromStdString(app.transfers().Link().DevicePath()), adapter.Path());
        QCOMPARE(ComBox(view)->currentText(), kAdapterEntry);
        Choose(ComBox(view), 0);
        QCOMPARE(app.transfers().StatusText(), QStringLiteral("COM(1) port Connect OK"));
        PortChoice::InstallFinder([] { return std::vector<PortDescription>(); });
        ComBox(view)->showPopup();
        QCOMPARE(Items(ComBox(view)), (QStringList{"COM1", "COM2"}));
        ComBox(view)->hidePopup();
        PortChoice::InstallFinder([&adapter] { return adapter.Listing(); });
        Choose(ComBox(view), 2);
        QCOMPARE(Items(ComBox(view)), (QStringList{"COM1", "COM2", kAdapterEntry}));
        QCOMPARE(app.transfers().StatusText(), QStringLiteral("ttyUSB7 port Connect OK"));
        QCOMPARE(app.transfers().ComIndex(), 2);
    }
    // Unplugged since: COM1 again.
    PortChoice::InstallFinder([] { return std::vector<PortDescription>(); });
    AppFixture app(QString(), settings.path());
    QTRY_COMPARE(app.transfers().StatusText(), QStringLiteral("COM(1) port Connect OK"));
    QCOMPARE(ComBox(app.view())->currentIndex(), 0);
    QVERIFY(app.prompts().asked.isEmpty());
}

void PortsTest::saysWhyAChosenPortDidNotOpen()
{
    Adapter adapter;
    PortChoice::InstallFinder([&adapter] {
        auto ports = adapter.Listing();
        ports.push_back({"null", "/dev/null", "", false, "", "", "", -1, -1});
        return ports;
    });
    AppFixture app;
    CVolmarenView& view = app.view();
    QTRY_VERIFY(app.transfers().PortOpen());
    Choose(ComBox(view), 3);
    QVERIFY(!app.transfers().PortOpen());
    QVERIFY(app.transfers().StatusText().startsWith(QStringLiteral("Not a serial port: /dev/null.")));
    QCOMPARE(app.prompts().texts(), QStringList{QStringLiteral("Error : Set COM1 State")});

    // Held by another program.
    CSerialPort other;
    other.Open(adapter.Listing()[0].path, app.transfers());
    Choose(ComBox(view), 2);
    QVERIFY(app.transfers().StatusText().startsWith(QStringLiteral("Device busy: ") + adapter.Path()));
    app.frame().UpdateCommandStates();
    QVERIFY(!app.frame().m_pUploadAction->isEnabled());
}

QTEST_MAIN(PortsTest)
#include "PortTests.moc"
