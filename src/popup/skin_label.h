#pragma once

#include <QColor>
#include <QWidget>

// A caption drawn straight onto its window's skin: transparent, so the skin shows around the text, or an
// opaque bar of BackColor behind it. It takes the mouse over its whole box, also where it is transparent.
class SkinLabel final : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(QColor BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(int BackStyle READ BackStyle WRITE setBackStyle)

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

signals:
    // The left button was pressed and released on the label.
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_caption;
    QColor m_backColor;
    int m_backStyle = Transparent;
    bool m_pressed = false;
};
