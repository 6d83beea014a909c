// The editor in German: the translations load for the locale and reach the
// menus, the texts of the headless modules (their messages with the data
// filled in), Qt's own buttons and the pictures of the hover buttons. And
// the access keys of the menus in every language shipped.
#include "AppFixture.h"

#include "CHoverButton.h"
#include "DemoImage.h"
#include "Translations.h"

#include <QAction>
#include <QDir>
#include <QMenuBar>
#include <QTabBar>
#include <QTranslator>

namespace {

// The faults of the access keys of one menu: an item with none or with
// more than one ("&&" shows an ampersand), and two items with the same.
QStringList AccessKeyFaults(const QString& menu, const QList<QAction*>& items)
{
    QStringList faults;
    QHash<QChar, QString> taken;
    for (const QAction* item : items) {
        if (item->isSeparator())
            continue;
        const QString text = item->text();
        QList<QChar> keys;
        for (qsizetype i = 0; i + 1 < text.size(); ++i) {
            if (text[i] != QLatin1Char('&'))
                continue;
            ++i;
            if (text[i] != QLatin1Char('&'))
                keys.append(text[i].toUpper());
        }
        if (keys.size() != 1)
            faults.append(QStringLiteral("%1: \"%2\" has %3 access keys").arg(menu, text).arg(keys.size()));
        else if (taken.contains(keys[0]))
            faults.append(
                QStringLiteral("%1: \"%2\" and \"%3\" share %4").arg(menu, taken[keys[0]], text, keys[0]));
        else
            taken.insert(keys[0], text);
    }
    return faults;
}

}  // namespace

class TranslationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void speaksGermanForAGermanLocale();
    void everyMenuItemHasAnAccessKeyOfItsOwn();
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

void TranslationTest::everyMenuItemHasAnAccessKeyOfItsOwn()
{
    QStringList languages{QStringLiteral("en")};
    const QStringList shipped = QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("volmaren_*.qm")});
    for (const QString& file : shipped)
        languages.append(file.section(QLatin1Char('_'), 1).section(QLatin1Char('.'), 0, 0));
    QVERIFY(languages.size() > 1);

    QStringList faults;
    for (const QString& language : languages) {
        for (QTranslator* translator : qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        InstallTranslations(*qApp, QLocale(language));
        AppFixture app;
        // A recent file with an ampersand in its name, and Undo and Redo
        // each naming its step.
        QVERIFY(app.open(app.writeDemo(QStringLiteral("R&D.dat"))));
        app.edit();
        app.edit();
        app.doc().Undo();
        const QList<QAction*> menus = app.frame().menuBar()->actions();
        faults += AccessKeyFaults(language, menus);
        for (const QAction* entry : menus) {
            Q_EMIT entry->menu()->aboutToShow();
            faults += AccessKeyFaults(language + QLatin1Char('/') + entry->text(), entry->menu()->actions());
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TranslationTest)
#include "TranslationTests.moc"
