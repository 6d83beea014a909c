// Renders every dialog into a PNG file, so their look can be checked by eye,
// and fails when one renders empty.
//   dialog_screenshots [FOLDER [LANGUAGE]]    e.g. LANGUAGE de, in that translation
#include "CAboutDlg.h"
#include "CChannelAddDlg.h"
#include "CChannelEditDlg.h"
#include "CChannelFlagsDlg.h"
#include "CConnectDlg.h"
#include "CFavoriteGroupDlg.h"
#include "CReportDlg.h"
#include "CGroupAddDlg.h"
#include "CGroupEditDlg.h"
#include "CSatelliteAddDlg.h"
#include "CSatelliteEditDlg.h"
#include "CSortChannelsDlg.h"
#include "CSystemInfoDlg.h"
#include "CTransponderAddDlg.h"
#include "CTransponderEditDlg.h"
#include "TestDatabase.h"
#include "Translations.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QPixmap>

#include <cstdio>

namespace {

bool Save(QDialog& dialog, const QDir& folder, const char* name)
{
    dialog.show();
    QApplication::processEvents();
    const QPixmap picture = dialog.grab();
    const QString path = folder.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
    const bool saved = !picture.isNull() && picture.save(path);
    std::printf("%s %dx%d %s\n", name, picture.width(), picture.height(), saved ? "ok" : "FAILED");
    dialog.hide();
    return saved;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    folder.mkpath(QStringLiteral("."));
    if (argc > 2)
        InstallTranslations(app, QLocale(QString::fromLocal8Bit(argv[2])));

    CChannelDatabase db;
    FillSample(db, 3, 6, 40, 10);
    AddGroup(db, 0, "News");
    AddGroup(db, 2, "Sport");
    SetMask(db, 1, kTv, 0x80);

    SatelliteRecord satellite{};
    TransponderRecord transponder{};
    db.GetSatellite(satellite, 0);
    db.GetTransponder(transponder, 0);
    ChannelRecord channel{};
    db.GetChannel(channel, 0, kTv);
    BouquetEntry bouquet{};
    FavoriteGroupRecord group{};
    db.GetGroup(group, 0);
    SystemInfo info{};
    int port = 0;

    bool ok = true;
    SatelliteRecord newSatellite{};
    CSatelliteAddDlg satelliteAdd(newSatellite, 3);
    ok &= Save(satelliteAdd, folder, "satellite-add");
    CSatelliteEditDlg satelliteEdit(satellite);
    ok &= Save(satelliteEdit, folder, "satellite-edit");
    TransponderRecord newTransponder{};
    CTransponderAddDlg transponderAdd(newTransponder, QStringLiteral("SAT_1"));
    ok &= Save(transponderAdd, folder, "transponder-add");
    CTransponderEditDlg transponderEdit(transponder);
    ok &= Save(transponderEdit, folder, "transponder-edit");
    ChannelRecord newChannel{};
    CChannelAddDlg channelAdd(newChannel, bouquet, kTv, 0);
    ok &= Save(channelAdd, folder, "channel-add");
    CChannelEditDlg channelEdit(channel, bouquet, kRadio);
    ok &= Save(channelEdit, folder, "channel-edit-radio");
    CFavoriteGroupDlg favorites(db);
    ok &= Save(favorites, folder, "favorite-group-edit");
    FavoriteGroupRecord newGroup{};
    CGroupAddDlg groupAdd(newGroup, 1);
    ok &= Save(groupAdd, folder, "group-add");
    CGroupEditDlg groupEdit(group);
    ok &= Save(groupEdit, folder, "group-edit");
    CSystemInfoDlg systemInfo(info);
    ok &= Save(systemInfo, folder, "system-information-edit");
    CConnectDlg connectPort(port);
    ok &= Save(connectPort, folder, "connect");
    const int slots[] = {0, 1, 2};
    CChannelFlagsDlg flags(db, slots, kTv);
    ok &= Save(flags, folder, "edit-selected-channels");
    CSortChannelsDlg sort(40);
    ok &= Save(sort, folder, "sort-channels");
    const QString checkSummary = QCoreApplication::translate(
        "CListCommands",
        "Inconsistencies found: %1.\n\nRepair removes dangling records and later duplicates, ends every name "
        "within its field, drops the members of unnamed groups and recomputes the counts and positions. Undo "
        "takes the repair back.");
    CReportDlg report(QCoreApplication::translate("CListCommands", "Check Image"), checkSummary.arg(2),
                      {QStringLiteral("TV channel 3: transponder 4001 is not in the table"),
                       QStringLiteral("favourite group 2: member count 7, members 5")},
                      QCoreApplication::translate("CListCommands", "Repair"));
    ok &= Save(report, folder, "check-image-report");
    CAboutDlg about;
    ok &= Save(about, folder, "about");
    return ok ? 0 : 1;
}
