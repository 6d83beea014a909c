// Draws one button strip: three frames side by side (normal, pressed, hover)
// with the caption on each.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class StripPainter {
public:
    StripPainter(QSize frameSize, QString caption);

    // The strip for a screen of this pixel ratio: `pixelRatio` times the
    // pixels of the frame size, drawn with the same geometry and fonts, and
    // marked with the ratio.
    QImage Paint(qreal pixelRatio = 1.0) const;

private:
    enum class Frame { Normal, Pressed, Hover };

    void PaintFrame(QImage& strip, Frame frame) const;
    void PaintCaption(class QPainter& painter, const QRect& area, Frame frame) const;
    QStringList CaptionLines(QFont& font) const;

    QSize m_frameSize;
    QString m_caption;
};
