#include "open_file_dialog.h"

#include "file_dialog.h"

#include <QWidget>

OpenFileDialog::OpenFileDialog(FileDialog& dialog, QWidget* owner) : QObject(owner), m_dialog(dialog), m_owner(owner) {}

bool OpenFileDialog::ShowOpen() {
    const std::optional<QString> chosen = m_dialog.getOpenFileName(m_owner, Filter, FileName);
    if (!chosen || chosen->size() > MaxFileSize)
        return false;
    FileName = *chosen;
    return true;
}
