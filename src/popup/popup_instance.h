#pragma once

#include <QObject>
#include <QPointer>

class frmPopUp;

// The program's one popup, as the main window sees it: made from its design on first use after every close, so
// that each opening starts plain.
class PopupInstance final : public QObject {
    Q_OBJECT

public:
    explicit PopupInstance(QObject* parent = nullptr);
    // The program is ending: an open popup goes without running a handler of its own.
    ~PopupInstance() override;

    // Puts the popup's top-left corner at a screen point in twips, creating it hidden if it is closed.
    void Move(int left, int top);
    // Shows the popup, not modal and without an owner, as the active window; creates it if it is closed.
    void Show();
    // Closes the open popup; nothing when it is closed.
    void Unload();

    // The open popup, or nullptr when it is closed (also while a closed one finishes a click handler).
    frmPopUp* Form() const;

signals:
    // A popup was made from its design, before it is moved or shown: the place to attach its commands.
    void Created(frmPopUp* form);

private:
    frmPopUp& form();

    QPointer<frmPopUp> m_form;
};
