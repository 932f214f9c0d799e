// The list's cell actions, its three in-place editors, and the right click that opens the entry command popup.

#include "frm_main.h"

#include "frm_pop_up.h"
#include "list_grid.h"
#include "list_grid_model.h"
#include "message_box.h"
#include "module1.h"
#include "open_file_dialog.h"
#include "popup_instance.h"
#include "shell_open.h"
#include "twips.h"
#include "typed_combo_box.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

constexpr int NameColumn = 0;
constexpr int KindColumn = 1;
constexpr int TypeColumn = 2;
constexpr int LocationColumn = 3;

// A sum of twips as the window keeps it: single precision.
float twipsSum(int a, int b) {
    return static_cast<float>(a) + static_cast<float>(b);
}

int pixelsOf(float twips) {
    return Twips::toPixels(static_cast<int>(twips));
}

// A combo box's open list holds the focus as part of the box: on some platforms its first opening takes the focus
// twice, the second time without the popup reason.
bool ownListIsOpen(const QObject* editor) {
    const auto* combo = qobject_cast<const QComboBox*>(editor);
    return combo && combo->view()->isVisible();
}

} // namespace

void frmMain::connectListActions() {
    connect(msgList, &ListGrid::DblClick, this, &frmMain::msgList_DblClick);
    connect(msgList, &ListGrid::MouseUp, this, &frmMain::msgList_MouseUp);
    connect(msgList, &ListGrid::Scroll, this, &frmMain::msgList_Scroll);
    connect(msgList, &ListGrid::OLEDragDrop, this, &frmMain::msgList_OLEDragDrop);
    connect(cboEdit, &QComboBox::editTextChanged, this, &frmMain::cboEdit_Change);
    connect(cboEdit, &QComboBox::activated, this, &frmMain::cboEdit_Click);
    connect(cboType, &QComboBox::editTextChanged, this, &frmMain::cboType_Change);
    connect(cboType, &QComboBox::activated, this, &frmMain::cboType_Click);
    connect(txtEdit, &QLineEdit::textChanged, this, &frmMain::txtEdit_Change);
    connect(m_popUp, &PopupInstance::Created, this, [this](frmPopUp* form) { form->AttachCommands(*this); });
}

void frmMain::msgList_DblClick() {
    if (msgList->Row() == 0)
        return;
    switch (msgList->Col()) {
    case NameColumn:
        LaunchEntry();
        break;
    case KindColumn:
        ShowCellEditor(cboEdit);
        break;
    case TypeColumn:
        ShowCellEditor(cboType);
        break;
    case LocationColumn:
        chooseLocation();
        break;
    }
}

void frmMain::chooseLocation() {
    // A cancel leaves everything as it was, the name the dialog remembers included.
    const QString remembered = Dialog->FileName;
    Dialog->FileName = msgList->Text();
    if (!Dialog->ShowOpen()) {
        Dialog->FileName = remembered;
        return;
    }
    msgList->setText(Dialog->FileName);
    m_state.ListDirty = true;
}

void frmMain::LaunchEntry() {
    msgList->setCol(LocationColumn);
    OpenWithShell(msgList->Text());
}

void frmMain::ShowCellEditor(QWidget* editor) {
    const float top = twipsSum(msgList->Top(), msgList->CellTop());
    const float left = twipsSum(msgList->Left(), msgList->CellLeft());
    // The combo boxes keep their own height; the cell's rectangle is covered whole, even where it lies outside
    // the visible part of the list.
    const int height = editor == txtEdit ? pixelsOf(static_cast<float>(msgList->CellHeight())) : editor->height();
    editor->setGeometry(pixelsOf(left), pixelsOf(top), pixelsOf(static_cast<float>(msgList->CellWidth())), height);
    if (editor == txtEdit) {
        txtEdit->setText(msgList->Text());
    } else {
        auto* combo = static_cast<QComboBox*>(editor);
        // The box keeps the cell's width; its list shows every item whole.
        fitListToItems(combo);
        combo->setEditText(msgList->Text());
    }
    editor->setVisible(true);
    editor->activateWindow();
    editor->setFocus(Qt::OtherFocusReason);
    m_state.ListDirty = true;
}

void frmMain::EditCurrentCell() {
    ShowCellEditor(txtEdit);
}

ListGridModel& frmMain::list() {
    return msgList->listModel();
}

void frmMain::OpenWithShell(const QString& path) {
    m_services.shell->open(path, this);
}

void frmMain::MsgBox(const QString& text) {
    m_services.messages->MsgBox(text);
}

void frmMain::msgList_MouseUp(const MouseArgs& args) {
    if (args.Button != 2)
        return;
    const QPoint window = Twips::fromPixels(pos());
    const float left = twipsSum(msgList->Left(), args.X) + static_cast<float>(window.x());
    const float top = twipsSum(msgList->Top(), args.Y) + static_cast<float>(window.y());
    // Each right click opens a popup of its own: the one still open from a quick earlier click may yet receive
    // the late focus loss of its own opening, and must not take the new one with it.
    m_popUp->Unload();
    m_popUp->Move(static_cast<int>(left), static_cast<int>(top));
    m_popUp->Show();
}

void frmMain::msgList_Scroll() {
    HideCellEditors();
}

void frmMain::cboEdit_Change() {
    msgList->setText(cboEdit->currentText());
}

void frmMain::cboEdit_Click() {
    msgList->setText(cboEdit->currentText());
}

void frmMain::cboType_Change() {
    msgList->setText(cboType->currentText());
}

void frmMain::cboType_Click() {
    msgList->setText(cboType->currentText());
}

void frmMain::txtEdit_Change() {
    msgList->setText(txtEdit->text());
    m_state.ListDirty = true;
}

void frmMain::txtEdit_KeyDown(int KeyCode, int) {
    if (KeyCode == 13)
        txtEdit->setVisible(false);
}

void frmMain::cboEdit_LostFocus() {
    cboEdit->setVisible(false);
}

void frmMain::cboType_LostFocus() {
    cboType->setVisible(false);
}

void frmMain::txtEdit_LostFocus() {
    txtEdit->setVisible(false);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // A combo box's own list, or another window taking the input, is no loss of the focus within the window.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason && !ownListIsOpen(watched)) {
            if (watched == txtEdit)
                txtEdit_LostFocus();
            else if (watched == cboEdit)
                cboEdit_LostFocus();
            else if (watched == cboType)
                cboType_LostFocus();
        }
    } else if (event->type() == QEvent::KeyPress && watched == txtEdit) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            txtEdit_KeyDown(13, shiftState(key->modifiers()));
    }
    return QWidget::eventFilter(watched, event);
}
