#pragma once

#include "file_dialog.h"

#include <QList>

// Answers from a script of results, and records every request; an empty script answers as a cancel.
class ScriptedFileDialog final : public FileDialog {
public:
    std::optional<QString> getOpenFileName(QWidget* parent, const QString& filter,
                                           const QString& initialFileName) override;

    QList<std::optional<QString>> answers;
    struct Request {
        QString filter;
        QString initialFileName;
    };
    QList<Request> requests;
};
