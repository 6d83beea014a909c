#include "CHoverButton.h"

#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

namespace {

// A shown top-level window with a button on it, away from the window's
// corner so that the mouse can be moved off it.
struct Form {
    Form()
    {
        window.resize(300, 200);
        button = new CHoverButton(&window);
        button->setText(QStringLiteral("STOP"));
        button->move(50, 40);
    }

    bool Show()
    {
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }

    QPoint Centre() const { return button->geometry().center(); }

    QWidget window;
    CHoverButton* button = nullptr;
};

}  // namespace

class HoverButtonTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyStripHasThreeFramesOfItsButtonSize_data()
    {
        QTest::addColumn<int>("resourceId");
        QTest::addColumn<QSize>("frameSize");
        for (int id : {143, 144, 146, 147, 149})
            QTest::addRow("%d", id) << id << QSize(64, 32);
        for (int id : {151, 152, 153, 154, 155, 156})
            QTest::addRow("%d", id) << id << QSize(120, 40);
    }

    void everyStripHasThreeFramesOfItsButtonSize()
    {
        QFETCH(int, resourceId);
        QFETCH(QSize, frameSize);
        const QImage strip(QStringLiteral(":/buttons/%1.png").arg(resourceId));
        QCOMPARE(strip.size(), QSize(frameSize.width() * 3, frameSize.height()));
        const QImage sharp(QStringLiteral(":/buttons/%1@2x.png").arg(resourceId));
        QCOMPARE(sharp.size(), strip.size() * 2);
        QCOMPARE(sharp.devicePixelRatio(), 2.0);

        CHoverButton button;
        QVERIFY(button.LoadBitmaps(resourceId));
        QCOMPARE(button.FrameSize(), frameSize);
        QCOMPARE(button.size(), frameSize);
        QCOMPARE(button.sizeHint(), frameSize);
    }

    void loadingSizesToOneFrameAtTheSamePlaceAndRaises()
    {
        QWidget parent;
        auto* button = new CHoverButton(&parent);
        button->setGeometry(17, 23, 200, 90);
        auto* later = new QWidget(&parent);

        QVERIFY(button->LoadBitmaps(147));
        QCOMPARE(button->geometry(), QRect(17, 23, 64, 32));
        QCOMPARE(parent.children().last(), button);
        QVERIFY(parent.children().contains(later));
    }

    void missingStripIsRefusedAndChangesNothing()
    {
        QVERIFY(!QFile::exists(QStringLiteral(":/buttons/145.png")));
        CHoverButton button;
        button.resize(30, 10);
        QVERIFY(!button.LoadBitmaps(145));
        QCOMPARE(button.size(), QSize(30, 10));
        QVERIFY(button.FrameSize().isEmpty());
    }

    void mouseOverPressAndLeaveChooseTheFrames()
    {
        Form form;
        QVERIFY(form.button->LoadBitmaps(147));
        QVERIFY(form.Show());
        QSignalSpy clicked(form.button, &QAbstractButton::clicked);
        QCOMPARE(form.button->CurrentFrame(), int(CHoverButton::kNormalFrame));

        QTest::mouseMove(&form.window, form.Centre());
        QTRY_COMPARE(form.button->CurrentFrame(), int(CHoverButton::kHoverFrame));

        QTest::mousePress(form.button, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(form.button->CurrentFrame(), int(CHoverButton::kPressedFrame));
        QTest::mouseRelease(form.button, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(form.button->CurrentFrame(), int(CHoverButton::kHoverFrame));
        QCOMPARE(clicked.count(), 1);

        QTest::mouseMove(&form.window, QPoint(5, 5));
        QTRY_COMPARE(form.button->CurrentFrame(), int(CHoverButton::kNormalFrame));
        QVERIFY(!form.button->IsHovered());
    }

    void eachFrameIsDrawnFromItsOwnPicture()
    {
        Form form;
        QVERIFY(form.button->LoadBitmaps(156));
        QVERIFY(form.Show());
        const QImage normal = form.button->grab().toImage();

        QTest::mouseMove(&form.window, form.Centre());
        QTRY_VERIFY(form.button->IsHovered());
        const QImage hover = form.button->grab().toImage();

        QTest::mousePress(form.button, Qt::LeftButton, {}, QPoint(10, 10));
        const QImage pressed = form.button->grab().toImage();
        QTest::mouseRelease(form.button, Qt::LeftButton, {}, QPoint(10, 10));

        QTest::mouseMove(&form.window, QPoint(5, 5));
        QTRY_VERIFY(!form.button->IsHovered());
        const QImage normalAgain = form.button->grab().toImage();

        QCOMPARE(normal.deviceIndependentSize().toSize(), QSize(120, 40));
        QVERIFY(normal != hover);
        QVERIFY(normal != pressed);
        QVERIFY(hover != pressed);
        QCOMPARE(normalAgain, normal);
    }

    // Inside its border the hover frame holds only opaque colours the button
    // keeps, so the screen shows the strip's pixels one for one: the strip of
    // the screen's pixel ratio, not one scaled up (this test also runs with
    // QT_SCALE_FACTOR=2).
    void hoverFrameShowsTheStripOfTheScreensPixelRatio()
    {
        Form form;
        QVERIFY(form.button->LoadBitmaps(156));
        QVERIFY(form.Show());
        QTest::mouseMove(&form.window, form.Centre());
        QTRY_VERIFY(form.button->IsHovered());
        const QImage shown = form.button->grab().toImage().convertToFormat(QImage::Format_RGB32);

        const qreal ratio = form.button->devicePixelRatioF();
        const QString name =
            ratio > 1.0 ? QStringLiteral(":/buttons/156@2x.png") : QStringLiteral(":/buttons/156.png");
        const QImage strip = QImage(name).convertToFormat(QImage::Format_RGB32);
        const int width = strip.width() / 3;
        const QImage hover = strip.copy(2 * width, 0, width, strip.height());
        QCOMPARE(shown.size(), hover.size());
        const int border = qRound(4 * ratio);
        const QRect inside = shown.rect().adjusted(border, border, -border, -border);
        QCOMPARE(shown.copy(inside), hover.copy(inside));

        QTest::mouseMove(&form.window, QPoint(5, 5));
        QTRY_VERIFY(!form.button->IsHovered());
    }

    void spaceKeyPressesAndClicks()
    {
        Form form;
        QVERIFY(form.button->LoadBitmaps(149));
        QVERIFY(form.Show());
        QSignalSpy clicked(form.button, &QAbstractButton::clicked);

        QTest::keyPress(form.button, Qt::Key_Space);
        QCOMPARE(form.button->CurrentFrame(), int(CHoverButton::kPressedFrame));
        QTest::keyRelease(form.button, Qt::Key_Space);
        QCOMPARE(form.button->CurrentFrame(), int(CHoverButton::kNormalFrame));
        QCOMPARE(clicked.count(), 1);

        // Reached with Tab it shows a focus frame; clicked, it does not.
        form.button->clearFocus();
        form.button->setFocus(Qt::TabFocusReason);
        QVERIFY(form.button->ShowsFocusFrame());
        form.button->clearFocus();
        form.button->setFocus(Qt::MouseFocusReason);
        QVERIFY(!form.button->ShowsFocusFrame());
    }

    void disabledButtonLooksNormalUnderTheMouseAndHoversWhenEnabledAgain()
    {
        Form form;
        QVERIFY(form.button->LoadBitmaps(156));
        QVERIFY(form.Show());
        QSignalSpy clicked(form.button, &QAbstractButton::clicked);
        QTest::mouseMove(&form.window, form.Centre());
        QTRY_VERIFY(form.button->IsHovered());

        form.button->setEnabled(false);
        QCOMPARE(form.button->CurrentFrame(), int(CHoverButton::kNormalFrame));
        QTest::mouseClick(form.button, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(clicked.count(), 0);

        form.button->setEnabled(true);
        QTest::mouseMove(&form.window, form.Centre() + QPoint(3, 0));
        QTRY_COMPARE(form.button->CurrentFrame(), int(CHoverButton::kHoverFrame));
    }
};

QTEST_MAIN(HoverButtonTest)
#include "HoverButtonTests.moc"
