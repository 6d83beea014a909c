#include "CChannelListView.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>

namespace {

// How near an edge the pointer makes the list scroll, and how fast.
constexpr int kScrollMargin = 16;
constexpr int kScrollInterval = 40;

}  // namespace

CChannelListView::CChannelListView(QWidget* parent) : QTreeView(parent), m_pDropLine(new QFrame(viewport()))
{
    // The line is the frame's own background in the highlight colour: a
    // frame line drawn over it takes the style's pale shades and vanishes
    // against the rows.
    m_pDropLine->setFixedHeight(2);
    m_pDropLine->setAutoFillBackground(true);
    m_pDropLine->setBackgroundRole(QPalette::Highlight);
    m_pDropLine->hide();
    m_scrollTimer.setInterval(kScrollInterval);
    connect(&m_scrollTimer, &QTimer::timeout, this, &CChannelListView::ScrollNearEdge);
}

void CChannelListView::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    m_bMayDrag = event->button() == Qt::LeftButton && event->modifiers() == Qt::NoModifier && index.isValid();
    m_bPressedOnSelection = m_bMayDrag && selectionModel()->isRowSelected(index.row(), QModelIndex());
    m_pressedAt = event->position().toPoint();
    if (m_bPressedOnSelection)
        return;
    // On a row that is not selected the press selects that row alone, which
    // a drag then moves.
    QTreeView::mousePressEvent(event);
}

void CChannelListView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (m_bMayDrag && !m_bDragging && (event->buttons() & Qt::LeftButton) &&
        (at - m_pressedAt).manhattanLength() >= QApplication::startDragDistance()) {
        m_bDragging = true;
        m_scrollTimer.start();
    }
    if (m_bDragging) {
        FollowPointer(at);
        return;
    }
    // Short of the drag distance a plain press extends no selection.
    if (!m_bMayDrag)
        QTreeView::mouseMoveEvent(event);
}

void CChannelListView::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_bDragging) {
        FollowPointer(event->position().toPoint());
        const QList<int> rows = SelectedRows();
        const int before = m_nDropRow;
        EndDrag();
        Q_EMIT RowsDropped(rows, before);
        return;
    }
    if (m_bPressedOnSelection) {
        // No drag after all: the press counts as the click it was.
        m_bPressedOnSelection = false;
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(m_pressedAt), event->globalPosition(),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QTreeView::mousePressEvent(&press);
    }
    m_bMayDrag = false;
    QTreeView::mouseReleaseEvent(event);
}

void CChannelListView::keyPressEvent(QKeyEvent* event)
{
    if (m_bDragging && event->key() == Qt::Key_Escape) {
        EndDrag();
        return;
    }
    QTreeView::keyPressEvent(event);
}

void CChannelListView::FollowPointer(const QPoint& at)
{
    m_pointer = at;
    const int rows = model()->rowCount();
    const QModelIndex index = indexAt(QPoint(1, at.y()));
    if (index.isValid())
        m_nDropRow = index.row() + (at.y() > visualRect(index).center().y() ? 1 : 0);
    else
        m_nDropRow = at.y() < 0 ? 0 : rows;
    int y = 0;
    if (m_nDropRow < rows)
        y = visualRect(model()->index(m_nDropRow, 0)).top();
    else if (rows > 0)
        y = visualRect(model()->index(rows - 1, 0)).bottom() + 1;
    m_pDropLine->setGeometry(0, std::max(0, y - 1), viewport()->width(), 2);
    m_pDropLine->show();
    m_pDropLine->raise();
}

void CChannelListView::ScrollNearEdge()
{
    QScrollBar* bar = verticalScrollBar();
    const int step = std::max(1, bar->singleStep());
    if (m_pointer.y() < kScrollMargin)
        bar->setValue(bar->value() - step);
    else if (m_pointer.y() > viewport()->height() - kScrollMargin)
        bar->setValue(bar->value() + step);
    else
        return;
    FollowPointer(m_pointer);
}

void CChannelListView::EndDrag()
{
    m_bDragging = false;
    m_bMayDrag = false;
    m_bPressedOnSelection = false;
    m_scrollTimer.stop();
    m_pDropLine->hide();
}

QList<int> CChannelListView::SelectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}
