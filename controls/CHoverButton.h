// A push button drawn from a strip of three pictures side by side: normal,
// pressed and under the mouse. It stays a plain QAbstractButton for clicks,
// keyboard use and accessibility; its text is not drawn (the caption is part
// of the pictures) but should be set for screen readers and mnemonics.
// Under a translation the pictures are drawn anew with the translated caption.
#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <QSize>

class CHoverButton : public QAbstractButton {
    Q_OBJECT

public:
    enum Frame { kNormalFrame = 0, kPressedFrame = 1, kHoverFrame = 2 };

    explicit CHoverButton(QWidget* parent = nullptr);

    // Loads ":/buttons/<resourceId>.png" (on a high-DPI screen
    // "<resourceId>@2x.png" when there is one), sizes the button to one frame
    // at its current position and raises it above its siblings. False, and
    // nothing changed, when there is no such strip.
    bool LoadBitmaps(int resourceId);

    int CurrentFrame() const;
    QSize FrameSize() const;
    bool IsHovered() const;
    // The focus frame is drawn: the button has the focus and got it from
    // the keyboard.
    bool ShowsFocusFrame() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void SetHovered(bool hovered);

    QPixmap m_strip;
    QSize m_frameSize;
    bool m_bHover = false;
    bool m_bKeyboardFocus = false;
};
