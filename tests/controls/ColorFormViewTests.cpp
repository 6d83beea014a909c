#include "CColorFormView.h"

#include <QApplication>
#include <QImage>
#include <QTest>

class ColorFormViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void paintsTheButtonFaceColourTakenAtConstruction()
    {
        QPalette palette = QApplication::palette();
        palette.setColor(QPalette::Button, QColor(10, 120, 30));
        QWidget parent;
        parent.setPalette(palette);
        CColorFormView view(&parent);
        view.resize(40, 30);

        palette.setColor(QPalette::Button, QColor(200, 0, 0));
        view.setPalette(palette);

        QCOMPARE(view.BackgroundColor(), QColor(10, 120, 30));
        const QImage image = view.grab().toImage();
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(39, 0), QPoint(0, 29), QPoint(39, 29), QPoint(20, 15)})
            QCOMPARE(image.pixelColor(corner), QColor(10, 120, 30));
    }
};

QTEST_MAIN(ColorFormViewTest)
#include "ColorFormViewTests.moc"
