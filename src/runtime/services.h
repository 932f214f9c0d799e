#pragma once

class FileDialog;
class MessageBox;
class ProgramFolder;
class ShellOpen;

// The platform seams that both windows use. The application hands the real ones to its windows; a test hands
// in doubles that record what would have been shown, asked or launched. None is owned here.
struct Services {
    ProgramFolder* folder = nullptr;
    MessageBox* messages = nullptr;
    ShellOpen* shell = nullptr;
    FileDialog* dialog = nullptr;
};

// The real platform for the running program: the executable's folder, modal message boxes, the desktop's
// "open" and Qt's file dialog. Lives for the whole run.
Services desktopServices();
