#pragma once

#include <QString>

class ListGridModel;
class Module1;

// What the entry commands need of the main window: its list, the shared state, and the routines that they run
// there. The main window is the one host.
class PopupHost {
public:
    virtual ~PopupHost() = default;

    virtual ListGridModel& list() = 0;
    virtual Module1& state() = 0;
    // Hands the current row's location to the shell; the location cell becomes current.
    virtual void LaunchEntry() = 0;
    // Lays the free-text editor over the current cell, in any column, and gives it the focus.
    virtual void EditCurrentCell() = 0;
    // Writes the shown list back under its guard; false when a write was due and failed (its message shown).
    virtual bool SaveShownList() = 0;
    // Shows the registration page's button look and its panel, and nothing more.
    virtual void ShowRegistrationPanel() = 0;
    // Opens a folder with the shell, the main window as owner.
    virtual void OpenWithShell(const QString& path) = 0;
    virtual void MsgBox(const QString& text) = 0;
};
