#include "skin_label.h"

#include <QMouseEvent>
#include <QPainter>

SkinLabel::SkinLabel(const QString& caption, QWidget* parent)
    : QWidget(parent), m_caption(caption), m_backColor(palette().color(QPalette::Button)) {}

void SkinLabel::setCaption(const QString& caption) {
    if (caption == m_caption)
        return;
    m_caption = caption;
    fitToCaption();
    update();
}

void SkinLabel::setBackColor(const QColor& color) {
    if (color == m_backColor)
        return;
    m_backColor = color;
    if (m_backStyle == Opaque)
        update();
}

void SkinLabel::setBackStyle(int style) {
    if (style == m_backStyle)
        return;
    m_backStyle = style;
    update();
}

void SkinLabel::setAutoSize(bool autoSize) {
    m_autoSize = autoSize;
    fitToCaption();
}

void SkinLabel::fitToCaption() {
    if (!m_autoSize)
        return;
    // Measuring loads the font; a label that nobody can see yet is measured when it first shows, so that the
    // pages behind the first one cost nothing at start-up.
    m_fitPending = !isVisibleTo(window());
    if (!m_fitPending)
        resize(sizeHint());
}

void SkinLabel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_fitPending)
        fitToCaption();
}

QSize SkinLabel::sizeHint() const {
    return fontMetrics().size(Qt::TextSingleLine, m_caption);
}

void SkinLabel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitToCaption();
}

void SkinLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_backStyle == Opaque)
        painter.fillRect(rect(), m_backColor);
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, m_caption);
}

void SkinLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
}

void SkinLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    if (rect().contains(event->position().toPoint()))
        emit Click();
}
