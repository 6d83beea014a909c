// Base of the main form: a widget painted in one solid colour, the system's
// button-face colour as it was when the form was made.
#pragma once

#include <QColor>
#include <QWidget>

class CColorFormView : public QWidget {
    Q_OBJECT

public:
    explicit CColorFormView(QWidget* parent = nullptr);

    QColor BackgroundColor() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_background;
};
