#include "bar_controls.h"

#include <QMouseEvent>
#include <QPainter>

void BarControl::mousePressEvent(QMouseEvent* event) {
    emit MouseDown(toMouseArgs(event, this));
}

void BarControl::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMove(toMouseArgs(event, this));
}

void BarControl::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void BarControl::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click is no new MouseDown: a button switched by the first press is not
    // switched again.
    event->accept();
}

BarPicture::BarPicture(const QPixmap& picture, QWidget* parent) : BarControl(parent), m_picture(picture) {}

void BarPicture::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(0, 0, m_picture);
}

void SelectedBarPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect frame = rect();
    painter.setPen(QColor(0, 128, 128));
    painter.drawLine(frame.topLeft(), frame.topRight());
    painter.drawLine(frame.topLeft(), frame.bottomLeft());
    painter.setPen(Qt::white);
    painter.drawLine(frame.bottomLeft() + QPoint(1, 0), frame.bottomRight());
    painter.drawLine(frame.topRight() + QPoint(0, 1), frame.bottomRight());
    painter.drawPixmap(1, 1, picture());
}

BarCaption::BarCaption(const QString& text, QWidget* parent) : BarControl(parent), m_text(text) {}

QSize BarCaption::sizeHint() const {
    return fontMetrics().size(Qt::TextSingleLine, m_text);
}

void BarCaption::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QColor(0, 0, 255));
    painter.drawText(rect(), Qt::AlignCenter, m_text);
}
