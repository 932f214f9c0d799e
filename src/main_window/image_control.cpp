#include "image_control.h"

#include <QMouseEvent>
#include <QPainter>

ImageControl::ImageControl(const QPixmap& picture, QWidget* parent) : QWidget(parent), m_picture(picture) {}

void ImageControl::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(0, 0, m_picture);
}

void ImageControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
}

void ImageControl::mouseMoveEvent(QMouseEvent*) {
    emit MouseMove();
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    if (rect().contains(event->position().toPoint()))
        emit Click();
}

void ImageControl::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}
