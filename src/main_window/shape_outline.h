#pragma once

#include <QColor>
#include <QRect>
#include <QWidget>

// A rectangle outline, transparent inside and to the mouse. A line wider than a pixel is centred on the
// rectangle's edges, so the widget reaches half the line's width beyond the rectangle.
class ShapeOutline final : public QWidget {
    Q_OBJECT

public:
    ShapeOutline(const QRect& rectangle, int borderWidth, const QColor& borderColor, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_borderWidth;
    QColor m_borderColor;
};
