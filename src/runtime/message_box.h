#pragma once

#include <QString>

class QWidget;

// A modal message with an OK button, no icon and the program's title.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void MsgBox(const QString& text) = 0;
};

class QtMessageBox final : public MessageBox {
public:
    explicit QtMessageBox(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    void MsgBox(const QString& text) override;

private:
    QWidget* m_parent;
};

inline constexpr auto ProgramTitle = "Velmora";
