// The popup's five commands. Each acts on the main window's current entry and closes the popup on every path.

#include "frm_pop_up.h"

#include "category_table.h"
#include "list_grid_model.h"
#include "module1.h"
#include "pending_events.h"
#include "popup_host.h"
#include "string_helpers.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {
constexpr int LocationColumn = 3;
} // namespace

void frmPopUp::AttachCommands(PopupHost& host) {
    m_host = &host;
    OnClick(lblBoot, [this] { lblBoot_Click(); });
    OnClick(lblEdit, [this] { lblEdit_Click(); });
    OnClick(lblDelete, [this] { lblDelete_Click(); });
    OnClick(lblOpen, [this] { lblOpen_Click(); });
    OnClick(lblRegister, [this] { lblRegister_Click(); });
}

void frmPopUp::lblBoot_Click() {
    if (m_host->list().Rows() != 1)
        m_host->LaunchEntry();
    Unload();
}

void frmPopUp::lblEdit_Click() {
    if (m_host->list().Rows() != 1)
        m_host->EditCurrentCell();
    Unload();
}

void frmPopUp::lblDelete_Click() {
    ListGridModel& list = m_host->list();
    if (list.Rows() == 2) {
        list.setRows(1);
        m_host->state().ListEmptiedByRemoval = true;
    } else if (list.Rows() != 1)
        list.RemoveItem(list.Row());
    m_host->state().ListDirty = true;
    Unload();
}

void frmPopUp::lblOpen_Click() {
    ListGridModel& list = m_host->list();
    if (list.Rows() != 1) {
        list.setCol(LocationColumn);
        if (!list.Text().isEmpty())
            OpenEntryFolder();
        else
            m_host->MsgBox(u"場所が入力されていないので\r\nフォルダを開くことができません。"_s);
    }
    Unload();
}

void frmPopUp::OpenEntryFolder() {
    // The location up to and including its last "/", moved over from the front of txtSearch a folder at a time.
    QString folder;
    int position = 1;
    txtSearch->setText(m_host->list().Text());
    while (position != 0) {
        position = Strings::InStr(txtSearch->text(), u"/"_s);
        txtSearch->setSelection(0, position);
        folder += txtSearch->selectedText();
        txtSearch->insert(QString());
        DoEvents();
    }
    m_host->OpenWithShell(folder);
}

void frmPopUp::lblRegister_Click() {
    // A list that could not be written stays shown with its changes rather than vanish behind the panel, where
    // nothing would write it again.
    if (m_host->SaveShownList()) {
        m_host->ShowRegistrationPanel();
        m_host->state().CurrentCategory = CategoryTable::RegistrationPage;
    }
    Unload();
}
