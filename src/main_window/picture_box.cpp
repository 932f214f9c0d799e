#include "picture_box.h"

#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

PictureBox::PictureBox(const QPixmap& picture, QWidget* parent) : QWidget(parent), m_picture(picture) {}

void PictureBox::setAppearance(int appearance) {
    if (appearance == m_appearance)
        return;
    m_appearance = appearance;
    update();
}

void PictureBox::setBackColor(const QColor& color) {
    m_backColor = color;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect inner = rect().adjusted(borderWidth(), borderWidth(), -borderWidth(), -borderWidth());
    painter.fillRect(inner, m_backColor);
    painter.save();
    painter.setClipRect(inner);
    painter.drawPixmap(inner.topLeft(), m_picture);
    painter.restore();
    if (m_appearance == ThreeD)
        qDrawWinPanel(&painter, rect(), palette(), true);
    else
        qDrawPlainRect(&painter, rect(), Qt::black, 1);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    emit MouseDown(toMouseArgs(event, this));
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    emit MouseUp(toMouseArgs(event, this));
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click is no new MouseDown.
    event->accept();
}
