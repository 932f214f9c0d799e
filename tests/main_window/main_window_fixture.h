#pragma once

#include "category_file.h"
#include "default_font.h"
#include "fixed_folder.h"
#include "frm_main.h"
#include "module1.h"
#include "recording_message_box.h"
#include "recording_shell_open.h"
#include "register_panel.h"
#include "scripted_file_dialog.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <memory>

// A main window over a fresh program folder holding both pages, with test doubles for every seam.
struct MainWindowFixture {
    QTemporaryDir dir;
    FixedFolder folder{dir.path()};
    RecordingMessageBox messages;
    RecordingShellOpen shell;
    ScriptedFileDialog dialog;
    Module1 state;
    std::unique_ptr<frmMain> w;

    MainWindowFixture() {
        installDefaultFontSubstitution();
        QDir(dir.path()).mkpath(QStringLiteral("CSV"));
        write(QStringLiteral("welcome.html"), "<html><body>welcome</body></html>");
        write(QStringLiteral("ヘルプ.html"), "<html><body>help</body></html>");
    }

    frmMain& open() {
        w = std::make_unique<frmMain>(state, Services{&folder, &messages, &shell, &dialog});
        return *w;
    }
    // Opens the window on the screen, so that mouse events find their control as the user's would.
    bool show() {
        open().show();
        return QTest::qWaitForWindowExposed(w.get());
    }
    QWindow* window() const { return w->windowHandle(); }
    // Opens the window, active, on the page of bar index `index`.
    bool showActive(int index) {
        if (!show())
            return false;
        w->activateWindow();
        w->SelectCategory(index);
        return QTest::qWaitForWindowActive(w.get());
    }

    // A file of the program folder, such as "CSV/game.csv".
    void write(const QString& path, const QByteArray& bytes) const {
        QFile file(dir.filePath(path));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
    }
    // Puts a folder in place of the file: it is there, but can be neither read nor replaced.
    bool replaceWithFolder(const QString& path) const {
        QFile::remove(dir.filePath(path));
        return QDir(dir.path()).mkpath(path);
    }
    // One message was shown, and it names the file.
    bool reported(const QString& fileName) const {
        return messages.shown.size() == 1 && messages.shown.constFirst().contains(fileName);
    }
    QByteArray read(const QString& path) const {
        QFile file(dir.filePath(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }
};

// Entries with every field told apart.
inline QList<CatalogEntry> sampleEntries(int count) {
    using namespace Qt::StringLiterals;
    QList<CatalogEntry> entries;
    for (int i = 1; i <= count; ++i) {
        const QString n = QString::number(i);
        entries.append({u"名前"_s + n, u"種類"_s + n, u"フリーウェア"_s, u"C:\\Program Files\\app"_s + n + u".exe"_s});
    }
    return entries;
}

inline QByteArray fileOf(const QList<CatalogEntry>& entries) {
    return CategoryFile::format(entries);
}
