#include "StripPainter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <utility>

namespace {

// The button maps these three greys to the system's shadow, face and light
// colours when it loads a strip, so that the normal frame blends into
// whatever face colour the form has.
const QColor kShadowGrey(128, 128, 128);
const QColor kFaceGrey(192, 192, 192);
const QColor kLightGrey(223, 223, 223);

const QColor kHighlight(255, 255, 255);
const QColor kOutline(72, 72, 72);
const QColor kCaption(24, 24, 24);

const QColor kHoverFace(226, 238, 252);
const QColor kHoverShadow(150, 180, 222);
const QColor kHoverOutline(0, 102, 204);
const QColor kHoverCaption(0, 52, 132);

const QColor kPressedFace(200, 221, 246);
const QColor kPressedShade(140, 164, 198);
const QColor kPressedHalfShade(172, 194, 224);
const QColor kPressedOutline(0, 78, 160);

constexpr qreal kCornerRadius = 3.0;
constexpr int kCaptionMargin = 4;
constexpr int kLargestPixelSize = 13;
constexpr int kSmallestPixelSize = 8;

}  // namespace

StripPainter::StripPainter(QSize frameSize, QString caption)
    : m_frameSize(frameSize), m_caption(std::move(caption))
{
}

QImage StripPainter::Paint(qreal pixelRatio) const
{
    const QSize stripSize(m_frameSize.width() * 3, m_frameSize.height());
    QImage strip((QSizeF(stripSize) * pixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    strip.setDevicePixelRatio(pixelRatio);
    strip.fill(Qt::transparent);
    PaintFrame(strip, Frame::Normal);
    PaintFrame(strip, Frame::Pressed);
    PaintFrame(strip, Frame::Hover);
    return strip.convertToFormat(QImage::Format_ARGB32);
}

void StripPainter::PaintFrame(QImage& strip, Frame frame) const
{
    const int w = m_frameSize.width();
    const int h = m_frameSize.height();
    const int left = w * static_cast<int>(frame);
    const QColor face[] = {kFaceGrey, kPressedFace, kHoverFace};
    const QColor outlineColor[] = {kOutline, kPressedOutline, kHoverOutline};
    const int index = static_cast<int>(frame);

    QPainter painter(&strip);
    painter.translate(left, 0);

    QPainterPath outline;
    outline.addRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), kCornerRadius, kCornerRadius);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillPath(outline, face[index]);

    // Bevel lines stay crisp: they sit one pixel inside the outline, clear of
    // the rounded corners.
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRect top(2, 1, w - 4, 1);
    const QRect leftEdge(1, 2, 1, h - 4);
    const QRect bottom(2, h - 2, w - 4, 1);
    const QRect rightEdge(w - 2, 2, 1, h - 4);
    switch (frame) {
    case Frame::Normal:
        painter.fillRect(top, kHighlight);
        painter.fillRect(leftEdge, kHighlight);
        painter.fillRect(top.translated(0, 1), kLightGrey);
        painter.fillRect(bottom, kShadowGrey);
        painter.fillRect(rightEdge, kShadowGrey);
        break;
    case Frame::Pressed:
        painter.fillRect(top, kPressedShade);
        painter.fillRect(leftEdge, kPressedShade);
        painter.fillRect(top.translated(0, 1), kPressedHalfShade);
        painter.fillRect(leftEdge.translated(1, 0), kPressedHalfShade);
        break;
    case Frame::Hover:
        painter.fillRect(top, kHighlight);
        painter.fillRect(leftEdge, kHighlight);
        painter.fillRect(bottom, kHoverShadow);
        painter.fillRect(rightEdge, kHoverShadow);
        break;
    }

    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(outlineColor[index], 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);

    QRect captionArea(0, 0, w, h);
    captionArea.adjust(kCaptionMargin, kCaptionMargin, -kCaptionMargin, -kCaptionMargin);
    if (frame == Frame::Pressed)
        captionArea.translate(1, 1);
    PaintCaption(painter, captionArea, frame);
}

void StripPainter::PaintCaption(QPainter& painter, const QRect& area, Frame frame) const
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setHintingPreference(QFont::PreferFullHinting);
    const QStringList lines = CaptionLines(font);

    painter.setFont(font);
    painter.setPen(frame == Frame::Normal ? kCaption : kHoverCaption);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.drawText(area, Qt::AlignCenter, lines.join(QLatin1Char('\n')));
}

// The largest pixel size at which the caption fits on one line, or else on two
// lines broken before its bracketed part.
QStringList StripPainter::CaptionLines(QFont& font) const
{
    const int width = m_frameSize.width() - 2 * kCaptionMargin;
    const int height = m_frameSize.height() - 2 * kCaptionMargin;
    const int breakAt = m_caption.indexOf(QStringLiteral(" ("));

    for (int pixelSize = kLargestPixelSize; pixelSize >= kSmallestPixelSize; --pixelSize) {
        font.setPixelSize(pixelSize);
        const QFontMetrics metrics(font);
        if (metrics.horizontalAdvance(m_caption) <= width)
            return {m_caption};
        if (breakAt < 0)
            continue;
        const QStringList lines{m_caption.left(breakAt), m_caption.mid(breakAt + 1)};
        const bool fits = metrics.horizontalAdvance(lines[0]) <= width &&
                          metrics.horizontalAdvance(lines[1]) <= width && 2 * metrics.height() <= height + 2;
        if (fits)
            return lines;
    }
    return {m_caption};
}
