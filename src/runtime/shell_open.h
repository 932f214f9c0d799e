#pragma once

#include <QString>

class MessageBox;
class QFileInfo;
class QWidget;

// The shell's "open" verb: starts a program, or opens a folder or document with the desktop's handler.
class ShellOpen {
public:
    virtual ~ShellOpen() = default;
    // Returns false when nothing could be started.
    virtual bool open(const QString& path, QWidget* owner) = 0;
};

// An executable file starts as a detached process of its own, with no shell in between; anything else goes
// to the desktop's default handler. What cannot be opened is reported in a message box, as a desktop shell does:
// no path was given, nothing is there, or nothing could start what is there.
class DesktopShellOpen final : public ShellOpen {
public:
    explicit DesktopShellOpen(MessageBox& messages) : m_messages(messages) {}
    bool open(const QString& path, QWidget* owner) override;

private:
    bool start(const QFileInfo& info) const;

    MessageBox& m_messages;
};
