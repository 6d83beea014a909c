// The editor in German: the translations load for the locale and reach the
// menus, the texts of the headless modules, Qt's own buttons and the pictures
// of the hover buttons.
#include "AppFixture.h"

#include "CHoverButton.h"
#include "Translations.h"

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
}

QTEST_MAIN(TranslationTest)
#include "test_translations.moc"
