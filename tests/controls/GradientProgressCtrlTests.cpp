#include "CGradientProgressCtrl.h"
#include "CHoverButton.h"

#include <QImage>
#include <QTest>

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlue(0, 128, 255);
const QColor kTextPurple(64, 0, 64);

// 155 pixels wide with the form's 2-pixel borders: a 151-pixel bar.
void MakeFormBar(CGradientProgressCtrl& bar, int pos)
{
    bar.resize(155, 20);
    bar.ApplyFormConfiguration();
    bar.SetPos(pos);
}

QImage Grab(CGradientProgressCtrl& bar)
{
    return bar.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool AllPixelsAre(const QImage& image, const QRect& area, const QColor& color)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixelColor(x, y) != color)
                return false;
        }
    }
    return true;
}

// Columns along one row that differ from the background.
int PaintedColumns(const QImage& image, int y, const QColor& background)
{
    int count = 0;
    for (int x = 0; x < image.width(); ++x)
        count += image.pixelColor(x, y) != background;
    return count;
}

bool IsNear(const QColor& a, const QColor& b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// Columns [from, to) that hold at least one pixel close to `color`.
int ColumnsWith(const QImage& image, int from, int to, const QColor& color)
{
    int count = 0;
    for (int x = from; x < to; ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (IsNear(image.pixelColor(x, y), color, 40)) {
                ++count;
                break;
            }
        }
    }
    return count;
}

}  // namespace

class GradientProgressCtrlTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void defaultsAndStepping()
    {
        CGradientProgressCtrl bar;
        QCOMPARE(bar.GetLower(), 0);
        QCOMPARE(bar.GetUpper(), 100);
        QCOMPARE(bar.GetPos(), 0);
        QCOMPARE(bar.GetStep(), 10);
        QCOMPARE(bar.DisplayedText(), QString());

        bar.SetPos(95);
        bar.StepIt();
        QCOMPARE(bar.GetPos(), 5);
        bar.SetStep(-10);
        bar.StepIt();
        QCOMPARE(bar.GetPos(), 95);
        bar.SetPos(90);
        bar.SetStep(10);
        bar.StepIt();
        QCOMPARE(bar.GetPos(), 100);
    }

    void zeroPositionDrawsOnlyTheBackground()
    {
        CGradientProgressCtrl bar;
        MakeFormBar(bar, 0);
        QCOMPARE(bar.FilledLength(), 0);
        QCOMPARE(bar.DisplayedText(), QString());
        QVERIFY(AllPixelsAre(Grab(bar), bar.rect(), kWhite));
    }

    void filledPartIsTruncatedProportionInsideTheBorders_data()
    {
        QTest::addColumn<int>("pos");
        QTest::addColumn<int>("filled");
        QTest::newRow("1%") << 1 << 1;
        QTest::newRow("5%") << 5 << 7;
        QTest::newRow("42%") << 42 << 63;
        QTest::newRow("99%") << 99 << 149;
        QTest::newRow("100%") << 100 << 151;
    }

    void filledPartIsTruncatedProportionInsideTheBorders()
    {
        QFETCH(int, pos);
        QFETCH(int, filled);
        CGradientProgressCtrl bar;
        MakeFormBar(bar, pos);
        bar.SetTextFormat(QString(), 0);
        QCOMPARE(bar.FilledLength(), filled);

        const QImage image = Grab(bar);
        for (int y = 2; y < 18; ++y)
            QCOMPARE(PaintedColumns(image, y, kWhite), filled);
        QCOMPARE(image.pixelColor(2, 10), kBlue);
        QVERIFY(AllPixelsAre(image, QRect(0, 0, 155, 2), kWhite));
        QVERIFY(AllPixelsAre(image, QRect(0, 18, 155, 2), kWhite));
        QVERIFY(AllPixelsAre(image, QRect(0, 0, 2, 20), kWhite));
    }

    void percentageOnTheBarOnlyOnceItFits()
    {
        CGradientProgressCtrl bar;
        MakeFormBar(bar, 5);
        QCOMPARE(bar.DisplayedText(), QString());
        QCOMPARE(ColumnsWith(Grab(bar), 0, 155, kTextPurple), 0);

        bar.SetPos(42);
        QCOMPARE(bar.DisplayedText(), QStringLiteral("42%"));
        const QImage image = Grab(bar);
        QVERIFY(ColumnsWith(image, 2, 2 + 63, kTextPurple) > 5);
        QCOMPARE(ColumnsWith(image, 2 + 63, 155, kTextPurple), 0);

        bar.RemoveStyle(CGradientProgressCtrl::kTextOnBar);
        bar.SetPos(5);
        QCOMPARE(bar.DisplayedText(), QStringLiteral("5%"));
    }

    void textOffTheBarIsSplitIntoTwoColoursAtTheBarsEnd()
    {
        const QColor onBar(255, 0, 0);
        const QColor onBackground(0, 160, 0);
        CGradientProgressCtrl bar;
        bar.resize(200, 40);
        bar.SetBorders(0, 0, 0, 0);
        bar.SetBkColor(kWhite);
        bar.SetBarColor(QColor(0, 0, 255));
        bar.SetTextColors(onBar, onBackground);
        QFont big = bar.font();
        big.setPixelSize(30);
        bar.setFont(big);
        bar.SetTextFormat(QStringLiteral("%d%%"), CGradientProgressCtrl::kTextPercent);
        bar.SetPos(50);

        const QImage image = Grab(bar);
        QVERIFY(ColumnsWith(image, 0, 100, onBar) > 5);
        QCOMPARE(ColumnsWith(image, 100, 200, onBar), 0);
        QVERIFY(ColumnsWith(image, 100, 200, onBackground) > 5);
        QCOMPARE(ColumnsWith(image, 0, 100, onBackground), 0);
    }

    void barColourWithoutSecondColourIsSolid_data()
    {
        QTest::addColumn<QColor>("first");
        QTest::newRow("invalid") << QColor();
        QTest::newRow("zero") << QColor(0, 0, 0);
    }

    void barColourWithoutSecondColourIsSolid()
    {
        QFETCH(QColor, first);
        const QColor red(200, 30, 30);
        CGradientProgressCtrl bar;
        MakeFormBar(bar, 100);
        bar.SetTextFormat(QString(), 0);
        bar.SetBarColor(red, first);
        QVERIFY(AllPixelsAre(Grab(bar), QRect(2, 2, 151, 16), red));
    }

    void noBarWithoutTwoColoursOrABrush()
    {
        CGradientProgressCtrl bar;
        MakeFormBar(bar, 60);
        bar.SetTextFormat(QString(), 0);
        bar.SetGradientColors({kBlue});
        QVERIFY(AllPixelsAre(Grab(bar), bar.rect(), kWhite));
        bar.SetGradientColors({});
        QVERIFY(AllPixelsAre(Grab(bar), bar.rect(), kWhite));

        const QColor green(0, 150, 0);
        bar.SetBarBrush(green);
        QVERIFY(AllPixelsAre(Grab(bar), QRect(2, 2, 90, 16), green));
        QCOMPARE(PaintedColumns(Grab(bar), 10, kWhite), 90);
    }

    void gradientSpansTheWholeLengthSoColoursStayPut()
    {
        CGradientProgressCtrl bar;
        MakeFormBar(bar, 30);
        bar.SetTextFormat(QString(), 0);
        const QColor atThirty = Grab(bar).pixelColor(30, 10);
        bar.SetPos(80);
        QCOMPARE(Grab(bar).pixelColor(30, 10), atThirty);

        bar.SetPos(100);
        const QImage full = Grab(bar);
        QCOMPARE(full.pixelColor(2, 10), kBlue);
        QVERIFY(IsNear(full.pixelColor(152, 10), kWhite, 2));
        for (int x = 3; x < 153; ++x)
            QVERIFY(full.pixelColor(x, 10).red() >= full.pixelColor(x - 1, 10).red());

        bar.AddStyle(CGradientProgressCtrl::kGradientOnFill);
        bar.SetPos(30);
        const QImage onFill = Grab(bar);
        QVERIFY(onFill.pixelColor(30, 10) != atThirty);
        QVERIFY(IsNear(onFill.pixelColor(2 + 45 - 1, 10), kWhite, 8));
    }

    void threeColoursMeetAtTheMiddle()
    {
        const QColor red(255, 0, 0);
        CGradientProgressCtrl bar;
        bar.resize(100, 10);
        bar.SetBkColor(kWhite);
        bar.SetGradientColors({red, QColor(0, 0, 255), red});
        bar.SetPos(100);
        const QImage image = Grab(bar);
        QCOMPARE(image.pixelColor(0, 5), red);
        QCOMPARE(image.pixelColor(50, 5), QColor(0, 0, 255));
        QVERIFY(IsNear(image.pixelColor(99, 5), red, 6));
    }

    void textFormats_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("shown");
        QTest::newRow("percent") << "%d%%" << int(CGradientProgressCtrl::kTextPercent) << "25%";
        QTest::newRow("position") << "pos %d" << int(CGradientProgressCtrl::kTextPosition) << "pos 75";
        QTest::newRow("width and flags")
            << "[%-4d|%+d|%03i]" << int(CGradientProgressCtrl::kTextPercent) << "[25  |+25|025]";
        QTest::newRow("no format") << "" << int(CGradientProgressCtrl::kTextPercent) << "";
        QTest::newRow("no mode") << "%d%%" << 0 << "";
        QTest::newRow("foreign conversions")
            << "%s %n %x %" << int(CGradientProgressCtrl::kTextPercent) << "%s %n %x %";
        QTest::newRow("huge width") << "%999999999d" << int(CGradientProgressCtrl::kTextPercent)
                                    << "%999999999d";
    }

    void textFormats()
    {
        QFETCH(QString, format);
        QFETCH(int, mode);
        QFETCH(QString, shown);
        CGradientProgressCtrl bar;
        bar.resize(300, 20);
        bar.SetRange(50, 150);
        bar.SetPos(75);
        bar.SetTextFormat(format, mode);
        QCOMPARE(bar.DisplayedText(), shown);
        QCOMPARE(bar.Style() & CGradientProgressCtrl::kTextMask, shown.isEmpty() ? 0 : mode);
        bar.grab();
    }

    void emptyRangeOrPositionOutsideItDrawsOnlyTheBackground_data()
    {
        QTest::addColumn<int>("lower");
        QTest::addColumn<int>("upper");
        QTest::addColumn<int>("pos");
        QTest::newRow("empty range") << 5 << 5 << 5;
        QTest::newRow("reversed range") << 100 << 0 << 50;
        QTest::newRow("above") << 0 << 100 << 101;
        QTest::newRow("below") << 10 << 100 << 9;
        QTest::newRow("extreme range") << INT_MIN << INT_MAX << INT_MIN;
    }

    void emptyRangeOrPositionOutsideItDrawsOnlyTheBackground()
    {
        QFETCH(int, lower);
        QFETCH(int, upper);
        QFETCH(int, pos);
        CGradientProgressCtrl bar;
        MakeFormBar(bar, 0);
        bar.RemoveStyle(CGradientProgressCtrl::kTextOnBar);
        bar.SetRange(lower, upper);
        bar.SetPos(pos);
        QCOMPARE(bar.FilledLength(), 0);
        const QImage image = Grab(bar);
        if (lower == INT_MIN) {
            QCOMPARE(bar.DisplayedText(), QStringLiteral("0%"));
            QCOMPARE(PaintedColumns(image, 2, kWhite), 0);
        } else {
            QCOMPARE(bar.DisplayedText(), QString());
            QVERIFY(AllPixelsAre(image, bar.rect(), kWhite));
        }
    }

    void alternativeDirections_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("filled");
        QTest::newRow("from the far end")
            << int(CGradientProgressCtrl::kFillFromEnd) << QSize(100, 10) << QRect(60, 0, 40, 10);
        QTest::newRow("vertical") << int(CGradientProgressCtrl::kVertical) << QSize(10, 100)
                                  << QRect(0, 60, 10, 40);
        QTest::newRow("vertical from the far end")
            << int(CGradientProgressCtrl::kVertical | CGradientProgressCtrl::kFillFromEnd) << QSize(10, 100)
            << QRect(0, 0, 10, 40);
        QTest::newRow("moving segment")
            << int(CGradientProgressCtrl::kMovingSegment) << QSize(100, 10) << QRect(20, 0, 20, 10);
    }

    void alternativeDirections()
    {
        QFETCH(int, style);
        QFETCH(QSize, size);
        QFETCH(QRect, filled);
        const QColor green(0, 150, 0);
        CGradientProgressCtrl bar;
        bar.resize(size);
        bar.SetBkColor(kWhite);
        bar.SetBarBrush(green);
        bar.SetSegmentSize(20);
        bar.AddStyle(style);
        bar.SetPos(40);

        QCOMPARE(bar.FilledLength(), filled.width() * filled.height() / 10);
        const QImage image = Grab(bar);
        QVERIFY(AllPixelsAre(image, filled, green));
        const QRegion background = QRegion(bar.rect()).subtracted(filled);
        for (const QRect& part : background)
            QVERIFY(AllPixelsAre(image, part, kWhite));
    }

    void clicksOnAButtonAdvanceTheBar()
    {
        QWidget window;
        window.resize(300, 100);
        auto* bar = new CGradientProgressCtrl(&window);
        bar->setGeometry(10, 10, 155, 20);
        bar->ApplyFormConfiguration();
        bar->SetStep(2);
        auto* button = new CHoverButton(&window);
        button->move(180, 10);
        QVERIFY(button->LoadBitmaps(147));
        connect(button, &QAbstractButton::clicked, bar, &CGradientProgressCtrl::StepIt);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(30, 15));
        QCOMPARE(bar->FilledLength(), 3);
        QCOMPARE(bar->DisplayedText(), QString());
        bar->SetStep(40);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(30, 15));
        QCOMPARE(bar->FilledLength(), 63);
        QCOMPARE(bar->DisplayedText(), QStringLiteral("42%"));
        QCOMPARE(PaintedColumns(Grab(*bar), 3, kWhite), 63);
    }
};

QTEST_MAIN(GradientProgressCtrlTest)
#include "GradientProgressCtrlTests.moc"
