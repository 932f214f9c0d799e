#pragma once

#include "mouse_args.h"
#include "popup_host.h"
#include "services.h"

#include <QPixmap>
#include <QWidget>

#include <array>
#include <optional>

class BarCaption;
class BarPicture;
class BrowserPane;
class ListGrid;
class ListGridModel;
class Module1;
class OpenFileDialog;
class PictureBox;
class PopupInstance;
class QComboBox;
class QLineEdit;
class QTimer;
class RegisterPanel;
class SelectedBarPicture;
class ShapeOutline;
struct StoreResult;

// The main window: borderless and skinned, 687 x 477 px, with the category bar, the content area (the list, the
// browser pane and the registration panel in one rectangle), the lamp and the power switch. Closing it ends the
// program after the shown list has been written back.
class frmMain final : public QWidget, public PopupHost {
    Q_OBJECT

public:
    static constexpr int ButtonCount = 14;

    frmMain(Module1& state, const Services& services, QWidget* parent = nullptr);

    // Hides the three cell editors, writing nothing back.
    void HideCellEditors();

    // The page switch for bar index 0 to 13; other indexes are ignored.
    void SelectCategory(int Index);
    // Gives every button without the selected mark its normal look.
    void ResetButtonLooks();
    // Moves the selected mark and look from the button of CurrentCategory to button Index.
    void MarkSelectedButton(int Index);
    // Shows the registration page's button look and its panel, and nothing more.
    void ShowRegistrationPanel() override;

    // Hands the location of the current row to the shell's "open"; the location cell becomes current.
    void LaunchEntry() override;
    // Lays editor (txtEdit, cboEdit or cboType) over the current cell with the cell's text, and gives it the focus.
    void ShowCellEditor(QWidget* editor);

    // What the popup's commands use.
    ListGridModel& list() override;
    Module1& state() override { return m_state; }
    void EditCurrentCell() override;
    bool SaveShownList() override;
    void OpenWithShell(const QString& path) override;
    void MsgBox(const QString& text) override;

    // The entry command popup that a right click on the list opens.
    PopupInstance& PopUp() const { return *m_popUp; }

    // The controls, by their design names; the bar's four control arrays are addressed by button index.
    ListGrid* const msgList;
    BrowserPane* const Browser;
    RegisterPanel* const fraRegister;
    QComboBox* const cboEdit;
    QComboBox* const cboType;
    QLineEdit* const txtEdit;
    PictureBox* const picSwitch;
    PictureBox* const picLED;
    ShapeOutline* const Shape1;
    QTimer* const Timer;
    OpenFileDialog* const Dialog;
    std::array<BarCaption*, ButtonCount> lblCaption{};
    std::array<BarPicture*, ButtonCount> imgButtonOFF{};
    std::array<BarPicture*, ButtonCount> imgButtonOver{};
    std::array<SelectedBarPicture*, ButtonCount> imgButtonON{};

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Form_LostFocus();
    void Form_MouseDown(const MouseArgs& args);
    void Form_MouseMove(const MouseArgs& args);
    void Form_Unload();
    void picLED_MouseDown();
    void picSwitch_MouseDown();
    void picSwitch_MouseUp();
    void picSwitch_Click();
    void imgButtonOver_MouseDown(int Index);
    void lblCaption_MouseDown(int Index);
    void imgButtonOFF_MouseMove(int Index);
    void msgList_DblClick();
    void msgList_MouseUp(const MouseArgs& args);
    void msgList_Scroll();
    void cboEdit_Change();
    void cboEdit_Click();
    void cboType_Change();
    void cboType_Click();
    void txtEdit_Change();
    void txtEdit_KeyDown(int KeyCode, int Shift);
    void cboEdit_LostFocus();
    void cboType_LostFocus();
    void txtEdit_LostFocus();
    void msgList_OLEDragDrop(const QStringList& files);
    void AddDroppedPrograms(const QStringList& files);
    void cboItamize_Click();
    void cmdOpen_Click();
    void imgOK_MouseMove();
    void fraRegister_MouseMove();
    void imgOKover_Click();
    void Timer_Timer();
    void RegisterEntry();

    void setUpContentArea();
    void setUpCellEditors();
    void connectListActions();
    void chooseLocation();
    void setUpSwitchAndLamp();
    void createCategoryBar();
    void connectRegistrationPanel();
    void arrangeStackingOrder();
    void showRegistrationPage();
    // Puts the confirmation message where the marquee starts: beyond the panel's right edge.
    void parkRegisterMessage();
    void refillKinds(const QStringList& kinds);
    QString programFolder() const;
    // Shows the message of a load or write-back, if it has one; true when it failed.
    bool reportFailure(const StoreResult& result);
    void moveWindowWithPointer(const QPoint& screenPos);

    Module1& m_state;
    Services m_services;
    PopupInstance* const m_popUp;
    QPixmap m_skin;
    // Where the pointer holds the window while it follows the pointer itself.
    std::optional<QPoint> m_dragOffset;
    bool m_unloaded = false;
};
