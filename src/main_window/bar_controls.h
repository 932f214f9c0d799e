#pragma once

#include "mouse_args.h"

#include <QPixmap>
#include <QWidget>

// A control of the category bar, drawn on the window's skin. It takes every mouse event over its box, handled
// or not, so that none falls through to the window beneath.
class BarControl : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

signals:
    void MouseDown(const MouseArgs& args);
    // Reported without a button held only while mouse tracking is on.
    void MouseMove(const MouseArgs& args);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// A picture drawn unscaled at the top-left corner of its box.
class BarPicture : public BarControl {
    Q_OBJECT

public:
    explicit BarPicture(const QPixmap& picture, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

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

// A caption in blue on a transparent background, centred in its box.
class BarCaption final : public BarControl {
    Q_OBJECT

public:
    explicit BarCaption(const QString& text, QWidget* parent = nullptr);

    QString text() const { return m_text; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
};
