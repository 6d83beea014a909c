#include "CColorFormView.h"

#include <QPaintEvent>
#include <QPainter>

CColorFormView::CColorFormView(QWidget* parent)
    : QWidget(parent), m_background(palette().color(QPalette::Active, QPalette::Button))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QColor CColorFormView::BackgroundColor() const
{
    return m_background;
}

void CColorFormView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), m_background);
}
