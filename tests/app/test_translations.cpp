// The editor in German: the translations load for the locale and reach the
// menus, the texts of the headless modules (their messages with the data
// filled in), Qt's own buttons and the pictures of the hover buttons.
#include "AppFixture.h"

#include "CHoverButton.h"
#include "DemoImage.h"
#include "Translations.h"

#include <QAction>
#include <QMenuBar>
#include <QTabBar>

class TranslationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void speaksGermanForAGermanLocale();
};

void TranslationTest::speaksGermanForAGermanLocale()
{
    CHoverButton english;
    QVERIFY(english.LoadBitmaps(143));
    const QImage englishAdd = english.grab().toImage();

    InstallTranslations(*qApp, QLocale(QLocale::German, QLocale::Germany));
    AppFixture app;
    QVERIFY(app.open(app.writeDemo(QStringLiteral("demo.dat"))));

    QCOMPARE(app.frame().menuBar()->actions().constFirst()->text(), QStringLiteral("&Datei"));
    QCOMPARE(app.view().Tabs()->tabText(0).trimmed(), QStringLiteral("TV-Kanäle"));
    QCOMPARE(AppFixture::rows(app.view().SatelliteList()).constFirst(), QStringLiteral("'Alle Satelliten'"));
    const QStringList cells = AppFixture::cells(app.view().ChannelList(kTv), 0);
    QVERIFY2(cells.contains(QStringLiteral("AUS")), qPrintable(cells.join(QLatin1Char('|'))));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));

    CHoverButton german;
    QVERIFY(german.LoadBitmaps(143));
    QCOMPARE(german.size(), english.size());
    QVERIFY(german.grab().toImage() != englishAdd);

    int missing = 0;
    QVERIFY(app.open(app.writeImage(QStringLiteral("damaged.dat"), [&missing](CChannelDatabase& db) {
        Demo::Build(db, Demo::Size::Normal);
        ChannelRecord channel;
        db.GetChannel(channel, 4, kTv);
        missing = db.GetTransponderCount() + 5;
        channel.transponderIndex = std::uint16_t(missing);
        db.SetChannel(channel, 4, kTv);
    })));
    app.frame().m_pCheckAction->trigger();
    QCOMPARE(app.prompts().reports.constLast().lines.constFirst(),
             QStringLiteral("TV-Kanal 4: verweist auf Transponder %1, den es nicht gibt").arg(missing));
}

QTEST_MAIN(TranslationTest)
#include "test_translations.moc"
