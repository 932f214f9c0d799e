#include "bar_controls.h"

#include <QMouseEvent>
#include <QPainter>

// A double click's second press is no new MouseDown: a button that was switched by the first press is not
// switched again.

BarPicture::BarPicture(const QPixmap& picture, QWidget* parent) : QWidget(parent), m_picture(picture) {}

void BarPicture::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(0, 0, m_picture);
}

void BarPicture::mousePressEvent(QMouseEvent* event) {
    emit MouseDown(toMouseArgs(event, this));
}

void BarPicture::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMove(toMouseArgs(event, this));
}

void BarPicture::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void BarPicture::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
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

BarCaption::BarCaption(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setAlignment(Qt::AlignCenter);
    QPalette blue = palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(blue);
}

void BarCaption::mousePressEvent(QMouseEvent* event) {
    emit MouseDown(toMouseArgs(event, this));
}

void BarCaption::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

void BarCaption::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void BarCaption::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}
