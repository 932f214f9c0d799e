#pragma once

#include <QObject>
#include <QString>

class FileDialog;
class QWidget;

// The window's file-open dialog, shown through the file dialog seam. It keeps the last file name for the whole
// run; each use starts from it.
class OpenFileDialog final : public QObject {
    Q_OBJECT

public:
    OpenFileDialog(FileDialog& dialog, QWidget* owner);

    QString Filter = QStringLiteral("実行ファイル（*.exe）|*.exe");
    QString FileName;
    int MaxFileSize = 260;

    // Shows the dialog; true with FileName set to the chosen file, false when the user cancelled or the name
    // was longer than MaxFileSize.
    bool ShowOpen();

private:
    FileDialog& m_dialog;
    QWidget* m_owner;
};
