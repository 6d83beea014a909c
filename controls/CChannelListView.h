// A channel list whose rows can be dragged to a new place in the same list:
// one row, or the selected rows as a block (also rows that are not next to
// each other). A line shows where they will land, and the list scrolls when
// the pointer nears its top or bottom edge. The list moves nothing itself: it
// tells where the rows were dropped, and the document's edit path moves them.
//
// The drag is the list's own rather than the platform's, so it behaves the
// same everywhere, and Escape cancels it.
#pragma once

#include <QList>
#include <QPoint>
#include <QTimer>
#include <QTreeView>

class QFrame;

class CChannelListView : public QTreeView {
    Q_OBJECT
public:
    explicit CChannelListView(QWidget* parent = nullptr);

    bool IsDragging() const { return m_bDragging; }
    // The row the dragged rows would be put before (the row count: after the
    // last row); -1 while no drag runs.
    int DropRow() const { return m_bDragging ? m_nDropRow : -1; }
    // The line that shows where the rows would land.
    const QFrame* DropLine() const { return m_pDropLine; }

Q_SIGNALS:
    // The selected `rows` (ascending) were dropped before row `before`.
    void RowsDropped(const QList<int>& rows, int before);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FollowPointer(const QPoint& at);
    void ScrollNearEdge();
    void EndDrag();
    QList<int> SelectedRows() const;

    QFrame* m_pDropLine;
    QTimer m_scrollTimer;
    // A plain press on a row may start a drag. On a selected row the
    // selection then stays until the button comes up without one.
    bool m_bMayDrag = false;
    bool m_bPressedOnSelection = false;
    bool m_bDragging = false;
    QPoint m_pressedAt;
    QPoint m_pointer;
    int m_nDropRow = -1;
};
