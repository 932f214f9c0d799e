#pragma once

#include "shell_open.h"

#include <QList>

// Records what would have been opened.
class RecordingShellOpen final : public ShellOpen {
public:
    bool open(const QString& path, QWidget* owner) override {
        opened.append({path, owner});
        return result;
    }
    struct Call {
        QString path;
        QWidget* owner;
    };
    QList<Call> opened;
    bool result = true;
};
