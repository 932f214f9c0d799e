#pragma once

#include "mouse_args.h"

#include <QLabel>
#include <QPixmap>
#include <QWidget>

// The controls of the category bar. Each takes every mouse event over its box, handled or not, so that none
// falls through to the window beneath.

// A picture drawn unscaled at the top-left corner of its box.
class BarPicture : public QWidget {
    Q_OBJECT

public:
    explicit BarPicture(const QPixmap& picture, QWidget* parent = nullptr);

signals:
    void MouseDown(const MouseArgs& args);
    // Reported without a button held only while mouse tracking is on.
    void MouseMove(const MouseArgs& args);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

    const QPixmap& picture() const { return m_picture; }

private:
    QPixmap m_picture;
};

// The selected look: the picture one pixel in from the top-left corner, a 1-px sunken frame around it. It
// carries the selected mark, 1 on the selected button and 0 elsewhere.
class SelectedBarPicture final : public BarPicture {
    Q_OBJECT
    Q_PROPERTY(int SelectedMark READ SelectedMark WRITE setSelectedMark)

public:
    using BarPicture::BarPicture;

    int SelectedMark() const { return m_mark; }
    void setSelectedMark(int mark) { m_mark = mark; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_mark = 0;
};

// A caption in blue on a transparent background, its text centred in its box.
class BarCaption final : public QLabel {
    Q_OBJECT

public:
    explicit BarCaption(const QString& text, QWidget* parent = nullptr);

signals:
    void MouseDown(const MouseArgs& args);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
