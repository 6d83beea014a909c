#include "CHoverButton.h"

#include "ButtonStrips.h"
#include "StripPainter.h"

#include <QEnterEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace {

// The strips are drawn in three fixed greys that stand for the system's
// shadow, face and light colours, so that the buttons match the form's
// palette; the other colours are kept as drawn.
QImage MapSystemColors(QImage image, const QPalette& palette)
{
    image = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb shadow = palette.color(QPalette::Active, QPalette::Dark).rgb();
    const QRgb face = palette.color(QPalette::Active, QPalette::Button).rgb();
    const QRgb light = palette.color(QPalette::Active, QPalette::Midlight).rgb();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb opaque = line[x] | 0xFF000000u;
            const QRgb alpha = line[x] & 0xFF000000u;
            if (opaque == qRgb(128, 128, 128))
                line[x] = alpha | (shadow & 0x00FFFFFFu);
            else if (opaque == qRgb(192, 192, 192))
                line[x] = alpha | (face & 0x00FFFFFFu);
            else if (opaque == qRgb(223, 223, 223))
                line[x] = alpha | (light & 0x00FFFFFFu);
        }
    }
    return image;
}

}  // namespace

CHoverButton::CHoverButton(QWidget* parent) : QAbstractButton(parent)
{
    // Mouse moves without a button held are needed to notice the mouse
    // resting on a button that was enabled again under it.
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

bool CHoverButton::LoadBitmaps(int resourceId)
{
    // On a high-DPI screen the strip drawn at twice the pixels keeps the
    // captions sharp; the reader takes its pixel ratio from the "@2x" name.
    QImage strip;
    if (devicePixelRatioF() > 1.0)
        strip.load(QStringLiteral(":/buttons/%1@2x.png").arg(resourceId));
    if (strip.isNull())
        strip.load(QStringLiteral(":/buttons/%1.png").arg(resourceId));
    if (strip.isNull() || strip.width() < 3)
        return false;

    m_frameSize = (QSizeF(strip.width() / 3, strip.height()) / strip.devicePixelRatio()).toSize();
    if (const ButtonStrip* drawn = FindButtonStrip(resourceId)) {
        const QString caption = tr(drawn->caption);
        if (caption != QLatin1String(drawn->caption))
            strip = StripPainter(m_frameSize, caption).Paint(strip.devicePixelRatio());
    }
    m_strip = QPixmap::fromImage(MapSystemColors(strip, palette()));
    updateGeometry();
    resize(m_frameSize);
    raise();
    update();
    return true;
}

int CHoverButton::CurrentFrame() const
{
    if (isDown())
        return kPressedFrame;
    if (m_bHover)
        return kHoverFrame;
    return kNormalFrame;
}

QSize CHoverButton::FrameSize() const
{
    return m_frameSize;
}

bool CHoverButton::IsHovered() const
{
    return m_bHover;
}

QSize CHoverButton::sizeHint() const
{
    return m_frameSize;
}

QSize CHoverButton::minimumSizeHint() const
{
    return m_frameSize;
}

void CHoverButton::paintEvent(QPaintEvent*)
{
    if (m_strip.isNull())
        return;
    QPainter painter(this);
    // The source is in the strip's own pixels.
    const int frameWidth = m_strip.width() / 3;
    const QRect source(CurrentFrame() * frameWidth, 0, frameWidth, m_strip.height());
    painter.drawPixmap(QRect(QPoint(0, 0), m_frameSize), m_strip, source);
    // The pictures have no focus look of their own; a button reached with
    // the keyboard shows the style's focus frame inside its edge.
    if (ShowsFocusFrame()) {
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
    }
}

bool CHoverButton::ShowsFocusFrame() const
{
    return hasFocus() && m_bKeyboardFocus;
}

void CHoverButton::focusInEvent(QFocusEvent* event)
{
    m_bKeyboardFocus = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason ||
                       event->reason() == Qt::ShortcutFocusReason;
    QAbstractButton::focusInEvent(event);
}

void CHoverButton::enterEvent(QEnterEvent* event)
{
    if (isEnabled())
        SetHovered(true);
    QAbstractButton::enterEvent(event);
}

void CHoverButton::leaveEvent(QEvent* event)
{
    SetHovered(false);
    QAbstractButton::leaveEvent(event);
}

void CHoverButton::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_bHover && rect().contains(event->position().toPoint()))
        SetHovered(true);
    QAbstractButton::mouseMoveEvent(event);
}

// A disabled button looks like a normal one, also when the mouse rests on it
// (the transfer buttons are disabled right under the mouse that clicked them).
void CHoverButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        SetHovered(false);
    QAbstractButton::changeEvent(event);
}

void CHoverButton::SetHovered(bool hovered)
{
    if (m_bHover == hovered)
        return;
    m_bHover = hovered;
    update();
}
