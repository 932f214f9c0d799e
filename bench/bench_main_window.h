#pragma once

#include "file_dialog.h"
#include "frm_main.h"
#include "message_box.h"
#include "module1.h"
#include "program_folder.h"
#include "shell_open.h"

#include <QCoreApplication>

// The main window over a program folder, shown, with doubles that record what the platform would be asked.
struct BenchMainWindow {
    explicit BenchMainWindow(const QString& programFolder) : folder(programFolder) {
        window.show();
        QCoreApplication::processEvents();
    }

    FixedFolder folder;
    RecordingMessageBox messages;
    RecordingShellOpen shell;
    ScriptedFileDialog dialog;
    Module1 state;
    frmMain window{state, Services{&folder, &messages, &shell, &dialog}};
};
