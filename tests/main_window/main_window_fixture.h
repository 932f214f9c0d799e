#pragma once

#include "category_file.h"
#include "default_font.h"
#include "file_dialog.h"
#include "frm_main.h"
#include "message_box.h"
#include "module1.h"
#include "program_folder.h"
#include "services.h"
#include "shell_open.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

// A main window over a fresh program folder, with test doubles for every seam.
struct MainWindowFixture {
    QTemporaryDir dir;
    FixedFolder folder{dir.path()};
    RecordingMessageBox messages;
    RecordingShellOpen shell;
    ScriptedFileDialog dialog;
    Module1 state;
    std::unique_ptr<frmMain> window;

    MainWindowFixture() {
        installDefaultFontSubstitution();
        QDir(dir.path()).mkpath(QStringLiteral("CSV"));
        writePage(QStringLiteral("welcome.html"), "<html><body>welcome</body></html>");
        writePage(QStringLiteral("ヘルプ.html"), "<html><body>help</body></html>");
    }

    frmMain& open() {
        window = std::make_unique<frmMain>(state, Services{&folder, &messages, &shell, &dialog});
        return *window;
    }

    QString csvPath(const QString& fileName) const { return dir.filePath(QStringLiteral("CSV/") + fileName); }

    void writeCategory(const QString& fileName, const QList<CatalogEntry>& entries) const {
        writeBytes(fileName, CategoryFile::format(entries));
    }

    void writeBytes(const QString& fileName, const QByteArray& bytes) const {
        QFile file(csvPath(fileName));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
    }

    void writePage(const QString& name, const QByteArray& html) const {
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(html);
    }

    QByteArray readBytes(const QString& fileName) const {
        QFile file(csvPath(fileName));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

// Entries named name1, name2, ... with every field told apart.
inline QList<CatalogEntry> sampleEntries(int count) {
    using namespace Qt::StringLiterals;
    QList<CatalogEntry> entries;
    for (int i = 1; i <= count; ++i) {
        const QString n = QString::number(i);
        entries.append({u"名前"_s + n, u"種類"_s + n, u"フリーウェア"_s, u"C:\\Program Files\\app"_s + n + u".exe"_s});
    }
    return entries;
}
