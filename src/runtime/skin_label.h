#pragma once

#include <QColor>
#include <QWidget>

// A caption drawn straight onto the surface beneath it: transparent, so the surface shows around the text, or an
// opaque bar of BackColor behind it, the text in the palette's button text colour. It takes the mouse over its
// whole box, also where it is transparent. With AutoSize the box follows the caption and the font.
class SkinLabel final : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(QColor BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(int BackStyle READ BackStyle WRITE setBackStyle)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)

public:
    static constexpr int Transparent = 0;
    static constexpr int Opaque = 1;

    explicit SkinLabel(const QString& caption, QWidget* parent = nullptr);

    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);

    // Shown only while the label is opaque. Until first written it is the system's button face.
    QColor BackColor() const { return m_backColor; }
    void setBackColor(const QColor& color);

    int BackStyle() const { return m_backStyle; }
    void setBackStyle(int style);

    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);

    // The caption's size in the label's font.
    QSize sizeHint() const override;

signals:
    // The left button was pressed and released on the label.
    void Click();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_caption;
    QColor m_backColor;
    int m_backStyle = Transparent;
    void fitToCaption();

    bool m_autoSize = false;
    // The box has yet to follow the caption: it is measured when the label first shows.
    bool m_fitPending = false;
    bool m_pressed = false;
};
