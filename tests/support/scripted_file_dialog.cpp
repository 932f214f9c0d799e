#include "scripted_file_dialog.h"

std::optional<QString> ScriptedFileDialog::getOpenFileName(QWidget*, const QString& filter,
                                                           const QString& initialFileName) {
    requests.append({filter, initialFileName});
    if (answers.isEmpty())
        return std::nullopt;
    return answers.takeFirst();
}
