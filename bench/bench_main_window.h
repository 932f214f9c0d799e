#pragma once

#include "fixed_folder.h"
#include "frm_main.h"
#include "module1.h"
#include "recording_message_box.h"
#include "recording_shell_open.h"
#include "scripted_file_dialog.h"

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
