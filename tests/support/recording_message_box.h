#pragma once

#include "message_box.h"

#include <QStringList>

// Records each message instead of showing it.
class RecordingMessageBox final : public MessageBox {
public:
    void MsgBox(const QString& text) override { shown.append(text); }
    QStringList shown;
};
