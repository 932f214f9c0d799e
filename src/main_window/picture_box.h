#pragma once

#include "mouse_args.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>

// A picture inside a single frame: flat, a plain 1-px dark line, or three-dimensional, a 2-px sunken edge.
// The picture sits unscaled inside the frame, the background colour behind it.
class PictureBox final : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Appearance READ Appearance WRITE setAppearance)

public:
    static constexpr int Flat = 0;
    static constexpr int ThreeD = 1;

    explicit PictureBox(const QPixmap& picture, QWidget* parent = nullptr);

    int Appearance() const { return m_appearance; }
    void setAppearance(int appearance);

    void setBackColor(const QColor& color);

signals:
    void MouseDown(const MouseArgs& args);
    void MouseUp(const MouseArgs& args);
    // The left button went down and came up again over the picture box.
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int borderWidth() const { return m_appearance == ThreeD ? 2 : 1; }

    QPixmap m_picture;
    QColor m_backColor = Qt::white;
    int m_appearance = Flat;
};
