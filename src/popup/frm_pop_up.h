#pragma once

#include "skin_label.h"

#include <QPixmap>
#include <QWidget>

#include <array>
#include <functional>

class PopupHost;
class QLineEdit;

// The entry command popup: five menu items and two separators on a skinned background, the item under the
// pointer highlighted. Every instance starts from the fixed design; nothing carries over from an earlier one.
class frmPopUp final : public QWidget {
    Q_OBJECT

public:
    // Hidden, at the system's default place. It has no owner window and no task-bar entry.
    frmPopUp();

    // Puts the top-left corner at a screen point given in twips, wherever that leaves the rest of the window.
    void Move(int left, int top);
    // Shows the window, not modal, in front and active, so that it holds the input focus.
    void Show();
    // Hides the window and discards it with its controls. Only the first call counts. While a click handler
    // runs, the window and its controls stay usable until the handler returns.
    void Unload();
    bool IsUnloaded() const { return m_unloaded; }

    // Runs handler for each click on one of the menu labels, under the guard that Unload describes.
    void OnClick(SkinLabel* label, std::function<void()> handler);
    // Makes the five menu items the commands for the current entry of host's list.
    void AttachCommands(PopupHost& host);

    // A text buffer for the commands; never shown.
    QLineEdit* const txtSearch;
    SkinLabel* const lblBoot;
    SkinLabel* const lblEdit;
    SkinLabel* const lblDelete;
    SkinLabel* const lblOpen;
    SkinLabel* const lblRegister;
    const std::array<QWidget*, 2> mnuLine;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void Form_LostFocus();
    void Form_MouseMove();
    void lblBoot_MouseMove();
    void lblEdit_MouseMove();
    void lblDelete_MouseMove();
    void lblOpen_MouseMove();
    void lblRegister_MouseMove();
    void lblBoot_Click();
    void lblEdit_Click();
    void lblDelete_Click();
    void lblOpen_Click();
    void lblRegister_Click();
    void OpenEntryFolder();

    void HighlightMenuItem(SkinLabel* item);
    void ClearMenuHighlight();
    // Top to bottom.
    std::array<SkinLabel*, 5> menuItems() const { return {lblBoot, lblEdit, lblDelete, lblOpen, lblRegister}; }

    QPixmap m_skin;
    PopupHost* m_host = nullptr;
    int m_runningClicks = 0;
    bool m_unloaded = false;
};
