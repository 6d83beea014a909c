// volmaren-strips OUTDIR: writes the hover-button strips, one PNG per bitmap
// resource id and one at twice the pixels ("<id>@2x.png"), into OUTDIR.
#include "ButtonStrips.h"
#include "StripPainter.h"

#include <QDir>
#include <QFontInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv)
{
    // It only draws into images, so it must run without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QTextStream err(stderr);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        err << "usage: volmaren-strips OUTDIR\n";
        return 2;
    }
    const QDir outDir(args[1]);
    if (!outDir.exists() && !QDir().mkpath(outDir.path())) {
        err << "cannot create " << outDir.path() << '\n';
        return 1;
    }

    const QFontInfo resolved(QFont(QStringLiteral("DejaVu Sans")));
    if (resolved.family() != QStringLiteral("DejaVu Sans"))
        err << "warning: DejaVu Sans is not installed, captions use " << resolved.family() << '\n';

    // "@2x" is the name Qt's image reader takes for a picture of twice the
    // pixels, for high-DPI screens.
    const struct {
        qreal ratio;
        const char* suffix;
    } kRatios[] = {{1.0, ""}, {2.0, "@2x"}};
    for (const ButtonStrip& entry : ButtonStrips()) {
        const StripPainter painter(entry.frameSize, QString::fromLatin1(entry.caption));
        for (const auto& ratio : kRatios) {
            const QString path = outDir.filePath(
                QStringLiteral("%1%2.png").arg(entry.resourceId).arg(QLatin1String(ratio.suffix)));
            if (!painter.Paint(ratio.ratio).save(path, "PNG")) {
                err << "cannot write " << path << '\n';
                return 1;
            }
        }
    }
    return 0;
}
