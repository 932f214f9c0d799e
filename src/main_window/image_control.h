#pragma once

#include <QPixmap>
#include <QWidget>

// A picture drawn unscaled on the surface beneath it, taking the mouse over its whole box. It reports the pointer's
// moves (without a button only while mouse tracking is on) and left clicks.
class ImageControl final : public QWidget {
    Q_OBJECT

public:
    explicit ImageControl(const QPixmap& picture, QWidget* parent = nullptr);

signals:
    void MouseMove();
    // The left button went down and came up again over the image. The second press of a double click is none.
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QPixmap m_picture;
    bool m_pressed = false;
};
