#include "shape_outline.h"

#include <QPainter>

ShapeOutline::ShapeOutline(const QRect& rectangle, int borderWidth, const QColor& borderColor, QWidget* parent)
    : QWidget(parent), m_borderWidth(borderWidth), m_borderColor(borderColor) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const int outside = borderWidth / 2;
    setGeometry(rectangle.adjusted(-outside, -outside, outside, outside));
}

void ShapeOutline::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int w = m_borderWidth;
    painter.fillRect(0, 0, width(), w, m_borderColor);
    painter.fillRect(0, height() - w, width(), w, m_borderColor);
    painter.fillRect(0, w, w, height() - 2 * w, m_borderColor);
    painter.fillRect(width() - w, w, w, height() - 2 * w, m_borderColor);
}
