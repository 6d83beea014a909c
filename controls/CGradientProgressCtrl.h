// Progress bar painted as a colour gradient (or with a brush) over a plain
// background, with an optional percentage or position text.
#pragma once

#include <QBrush>
#include <QColor>
#include <QList>
#include <QMargins>
#include <QString>
#include <QWidget>

class CGradientProgressCtrl : public QWidget {
    Q_OBJECT

public:
    enum StyleBit {
        kVertical = 0x0004,  // grows from the bottom up
        kTextPercent = 0x0100,
        kTextPosition = 0x0200,
        kTextMask = 0x0300,
        kTextOnBar = 0x1000,  // text only inside the filled part, once it fits there
        kGradientOnFill = 0x2000,  // gradient spread over the filled part, not the whole length
        kFillFromEnd = 0x4000,
        kMovingSegment = 0x8000,  // the filled part trails the position by at most the segment size
    };

    explicit CGradientProgressCtrl(QWidget* parent = nullptr);

    void SetRange(int lower, int upper);
    int GetLower() const;
    int GetUpper() const;

    void SetPos(int pos);
    int GetPos() const;
    void SetStep(int step);
    int GetStep() const;
    void StepIt();
    void SetSegmentSize(int size);

    // An empty format or a mode of 0 switches the text off.
    void SetTextFormat(const QString& format, int mode);

    // The gradient becomes {second, first}; an invalid or black `first` means
    // none, which gives a solid bar of `second`.
    void SetBarColor(QColor second, QColor first = QColor());
    // With fewer than two colours and no bar brush no bar is drawn.
    void SetGradientColors(const QList<QColor>& colors);
    // A brush of Qt::NoBrush style switches back to the gradient.
    void SetBarBrush(const QBrush& brush);
    void SetBkColor(QColor color);
    // A brush of Qt::NoBrush style switches back to the background colour.
    void SetBkBrush(const QBrush& brush);
    void SetTextColors(QColor onBar, QColor onBackground);

    int Style() const;
    void AddStyle(int bits);
    void RemoveStyle(int bits);
    void SetBorders(int left, int top, int right, int bottom);

    // Length of the filled part along the bar, 0 when the position is out of range.
    int FilledLength() const;
    // What the next paint writes on the bar; empty when it writes nothing.
    QString DisplayedText() const;

    // The look of the transfer progress on the main form.
    void ApplyFormConfiguration();

public Q_SLOTS:
    void setValue(int value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Span {
        int start;
        int end;
    };

    bool PositionInRange() const;
    int BarLength() const;
    QRect InnerRect() const;
    int Proportion(int value) const;
    Span FilledSpan() const;
    QRect SpanRect(const QRect& inner, int from, int to) const;
    QString FormattedText() const;

    void Paint(QPainter& painter) const;
    void PaintGradient(QPainter& painter, const QRect& inner, Span filled) const;
    void PaintGradientSegment(QPainter& painter, const QRect& inner, Span segment, Span filled, QColor from,
                              QColor to) const;
    void PaintText(QPainter& painter, const QRect& inner, Span filled) const;

    int m_nLower = 0;
    int m_nUpper = 100;
    int m_nPos = 0;
    int m_nStep = 10;
    int m_nSegmentSize = 40;
    int m_nStyle = 0;
    QList<QColor> m_gradientColors;
    QBrush m_barBrush;
    QColor m_bkColor;
    QBrush m_bkBrush;
    QColor m_textOnBar;
    QColor m_textOnBackground;
    QMargins m_borders;
    QString m_textFormat;
};
