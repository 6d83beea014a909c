#include "CGradientProgressCtrl.h"

#include "ProgressText.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>
#include <QRegion>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

const QColor kFormTextColor(64, 0, 64);
const QColor kFormGradientStart(0, 128, 255);
const QColor kFormGradientEnd(255, 255, 255);
const QColor kFormBackground(255, 255, 255);
constexpr int kFormBorder = 2;

// trunc(a * b / c), computed in floating point so that the products of wide
// ranges and long bars cannot overflow.
int ScaledTrunc(qint64 a, qint64 b, qint64 c)
{
    return static_cast<int>(
        std::trunc(static_cast<double>(a) * static_cast<double>(b) / static_cast<double>(c)));
}

}  // namespace

CGradientProgressCtrl::CGradientProgressCtrl(QWidget* parent) : QWidget(parent)
{
    const QPalette& colors = palette();
    const QColor caption = colors.color(QPalette::Active, QPalette::Highlight);
    m_gradientColors = {caption, caption};
    m_bkColor = colors.color(QPalette::Active, QPalette::Button);
    m_textOnBar = colors.color(QPalette::Active, QPalette::HighlightedText);
    m_textOnBackground = colors.color(QPalette::Active, QPalette::ButtonText);
    // Every paint covers the whole control.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CGradientProgressCtrl::SetRange(int lower, int upper)
{
    m_nLower = lower;
    m_nUpper = upper;
    update();
}

int CGradientProgressCtrl::GetLower() const
{
    return m_nLower;
}

int CGradientProgressCtrl::GetUpper() const
{
    return m_nUpper;
}

void CGradientProgressCtrl::SetPos(int pos)
{
    m_nPos = pos;
    update();
}

int CGradientProgressCtrl::GetPos() const
{
    return m_nPos;
}

void CGradientProgressCtrl::setValue(int value)
{
    SetPos(value);
}

void CGradientProgressCtrl::SetStep(int step)
{
    m_nStep = step;
}

int CGradientProgressCtrl::GetStep() const
{
    return m_nStep;
}

// Past either end of the range the position starts over from the other end.
void CGradientProgressCtrl::StepIt()
{
    qint64 pos = static_cast<qint64>(m_nPos) + m_nStep;
    const qint64 range = static_cast<qint64>(m_nUpper) - m_nLower;
    if (range > 0 && pos > m_nUpper)
        pos = m_nLower + (pos - m_nLower) % range;
    else if (range > 0 && pos < m_nLower)
        pos = m_nUpper - (m_nLower - pos) % range;
    SetPos(static_cast<int>(std::clamp<qint64>(pos, INT_MIN, INT_MAX)));
}

void CGradientProgressCtrl::SetSegmentSize(int size)
{
    m_nSegmentSize = std::max(size, 0);
    update();
}

void CGradientProgressCtrl::SetTextFormat(const QString& format, int mode)
{
    if (format.isEmpty() || mode == 0) {
        mode = 0;
        m_textFormat.clear();
    } else {
        m_textFormat = format;
    }
    m_nStyle = (m_nStyle & ~kTextMask) | (mode & kTextMask);
    update();
}

void CGradientProgressCtrl::SetBarColor(QColor second, QColor first)
{
    const bool none = !first.isValid() || first.rgb() == qRgb(0, 0, 0);
    SetGradientColors({second, none ? second : first});
}

void CGradientProgressCtrl::SetGradientColors(const QList<QColor>& colors)
{
    m_gradientColors = colors;
    update();
}

void CGradientProgressCtrl::SetBarBrush(const QBrush& brush)
{
    m_barBrush = brush;
    update();
}

void CGradientProgressCtrl::SetBkColor(QColor color)
{
    m_bkColor = color;
    update();
}

void CGradientProgressCtrl::SetBkBrush(const QBrush& brush)
{
    m_bkBrush = brush;
    update();
}

void CGradientProgressCtrl::SetTextColors(QColor onBar, QColor onBackground)
{
    m_textOnBar = onBar;
    m_textOnBackground = onBackground;
    update();
}

int CGradientProgressCtrl::Style() const
{
    return m_nStyle;
}

void CGradientProgressCtrl::AddStyle(int bits)
{
    m_nStyle |= bits;
    update();
}

void CGradientProgressCtrl::RemoveStyle(int bits)
{
    m_nStyle &= ~bits;
    update();
}

void CGradientProgressCtrl::SetBorders(int left, int top, int right, int bottom)
{
    m_borders = QMargins(left, top, right, bottom);
    update();
}

int CGradientProgressCtrl::FilledLength() const
{
    if (!PositionInRange())
        return 0;
    const Span filled = FilledSpan();
    return filled.end - filled.start;
}

QString CGradientProgressCtrl::DisplayedText() const
{
    if (!PositionInRange())
        return {};
    const QString text = FormattedText();
    if (text.isEmpty() || !(m_nStyle & kTextOnBar))
        return text;
    const QFontMetrics metrics(font());
    const int needed = (m_nStyle & kVertical) ? metrics.height() : metrics.horizontalAdvance(text);
    return FilledLength() >= needed ? text : QString();
}

void CGradientProgressCtrl::ApplyFormConfiguration()
{
    SetTextFormat(QStringLiteral("%d%%"), kTextPercent);
    SetTextColors(kFormTextColor, kFormTextColor);
    SetBarColor(kFormGradientStart, kFormGradientEnd);
    SetBkColor(kFormBackground);
    AddStyle(kTextOnBar);
    SetBorders(kFormBorder, kFormBorder, kFormBorder, kFormBorder);
    QFont bold = font();
    bold.setFamily(QStringLiteral("Arial"));
    bold.setWeight(QFont::Bold);
    setFont(bold);
}

void CGradientProgressCtrl::paintEvent(QPaintEvent*)
{
    // Drawn off screen and copied in one piece, so the bar never flickers
    // through its background while a transfer updates it many times a second.
    if (size().isEmpty())
        return;
    const qreal ratio = devicePixelRatioF();
    QPixmap buffer(size() * ratio);
    buffer.setDevicePixelRatio(ratio);
    {
        QPainter offscreen(&buffer);
        Paint(offscreen);
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, buffer);
}

bool CGradientProgressCtrl::PositionInRange() const
{
    return m_nUpper > m_nLower && m_nPos >= m_nLower && m_nPos <= m_nUpper;
}

int CGradientProgressCtrl::BarLength() const
{
    const QRect inner = InnerRect();
    return std::max((m_nStyle & kVertical) ? inner.height() : inner.width(), 0);
}

QRect CGradientProgressCtrl::InnerRect() const
{
    return rect().marginsRemoved(m_borders);
}

int CGradientProgressCtrl::Proportion(int value) const
{
    return ScaledTrunc(BarLength(), static_cast<qint64>(value) - m_nLower,
                       static_cast<qint64>(m_nUpper) - m_nLower);
}

CGradientProgressCtrl::Span CGradientProgressCtrl::FilledSpan() const
{
    const int end = Proportion(m_nPos);
    if (!(m_nStyle & kMovingSegment))
        return {0, end};
    const int tail =
        static_cast<int>(std::max<qint64>(m_nLower, static_cast<qint64>(m_nPos) - m_nSegmentSize));
    return {Proportion(tail), end};
}

// The rectangle of the part [from, to) of the bar's length, measured from
// where the bar starts growing.
QRect CGradientProgressCtrl::SpanRect(const QRect& inner, int from, int to) const
{
    const int length = to - from;
    const bool fromEnd = m_nStyle & kFillFromEnd;
    if (m_nStyle & kVertical) {
        const int top = fromEnd ? inner.top() + from : inner.bottom() + 1 - to;
        return QRect(inner.left(), top, inner.width(), length);
    }
    const int left = fromEnd ? inner.right() + 1 - to : inner.left() + from;
    return QRect(left, inner.top(), length, inner.height());
}

QString CGradientProgressCtrl::FormattedText() const
{
    const int mode = m_nStyle & kTextMask;
    if (mode == kTextPercent) {
        const qint64 percent =
            (static_cast<qint64>(m_nPos) - m_nLower) * 100 / (static_cast<qint64>(m_nUpper) - m_nLower);
        return FormatProgressText(m_textFormat.isEmpty() ? QStringLiteral("%d%%") : m_textFormat, percent);
    }
    if (mode == kTextPosition)
        return FormatProgressText(m_textFormat.isEmpty() ? QStringLiteral("%d") : m_textFormat, m_nPos);
    return {};
}

void CGradientProgressCtrl::Paint(QPainter& painter) const
{
    const QRect client = rect();
    if (m_bkBrush.style() != Qt::NoBrush)
        painter.fillRect(client, m_bkBrush);
    else
        painter.fillRect(client, m_bkColor);

    if (!PositionInRange())
        return;
    const QRect inner = InnerRect();
    const Span filled = FilledSpan();
    if (m_barBrush.style() != Qt::NoBrush)
        painter.fillRect(SpanRect(inner, filled.start, filled.end), m_barBrush);
    else if (m_gradientColors.size() >= 2)
        PaintGradient(painter, inner, filled);
    PaintText(painter, inner, filled);
}

void CGradientProgressCtrl::PaintGradient(QPainter& painter, const QRect& inner, Span filled) const
{
    const bool onFill = m_nStyle & kGradientOnFill;
    const int base = onFill ? filled.start : 0;
    const qint64 length = onFill ? filled.end - filled.start : BarLength();
    const qint64 segments = m_gradientColors.size() - 1;
    for (qint64 i = 0; i < segments; ++i) {
        const int start = base + static_cast<int>(i * length / segments);
        if (start >= filled.end)
            break;
        const int end = base + static_cast<int>(i + 1 == segments ? length : (i + 1) * length / segments);
        PaintGradientSegment(painter, inner, {start, end}, filled, m_gradientColors[i],
                             m_gradientColors[i + 1]);
    }
}

// Flat steps, at most one per colour level and one per pixel, placed along the
// whole segment: a partly filled bar shows exactly the steps of a full one.
void CGradientProgressCtrl::PaintGradientSegment(QPainter& painter, const QRect& inner, Span segment,
                                                 Span filled, QColor from, QColor to) const
{
    const int length = segment.end - segment.start;
    const int dr = to.red() - from.red();
    const int dg = to.green() - from.green();
    const int db = to.blue() - from.blue();
    const int steps = std::max(std::min({std::max({std::abs(dr), std::abs(dg), std::abs(db)}), length}), 1);
    for (int k = 0; k < steps; ++k) {
        const int stepStart = segment.start + ScaledTrunc(k, length, steps);
        if (stepStart >= filled.end)
            break;
        const int stepEnd = k + 1 == steps ? segment.end : segment.start + ScaledTrunc(k + 1, length, steps);
        const int paintStart = std::max(stepStart, filled.start);
        const int paintEnd = std::min(stepEnd, filled.end);
        if (paintStart >= paintEnd)
            continue;
        const QColor color(from.red() + ScaledTrunc(k, dr, steps), from.green() + ScaledTrunc(k, dg, steps),
                           from.blue() + ScaledTrunc(k, db, steps));
        painter.fillRect(SpanRect(inner, paintStart, paintEnd), color);
    }
}

void CGradientProgressCtrl::PaintText(QPainter& painter, const QRect& inner, Span filled) const
{
    const QString text = DisplayedText();
    if (text.isEmpty())
        return;
    painter.setFont(font());
    const QRect bar = SpanRect(inner, filled.start, filled.end);
    if (m_nStyle & kTextOnBar) {
        painter.setPen(m_textOnBar);
        painter.drawText(bar, Qt::AlignCenter, text);
        return;
    }
    if (m_textOnBar == m_textOnBackground) {
        painter.setPen(m_textOnBar);
        painter.drawText(inner, Qt::AlignCenter, text);
        return;
    }
    // The part of the text over the bar and the part over the background are
    // drawn in their own colours, each clipped to its side of the bar's end.
    painter.setClipRect(bar);
    painter.setPen(m_textOnBar);
    painter.drawText(inner, Qt::AlignCenter, text);
    painter.setClipRegion(QRegion(rect()).subtracted(QRegion(bar)));
    painter.setPen(m_textOnBackground);
    painter.drawText(inner, Qt::AlignCenter, text);
}
