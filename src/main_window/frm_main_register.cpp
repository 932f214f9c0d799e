// The registration panel: adding one entry to a category, and the scrolling confirmation.

#include "frm_main.h"

#include "busy_pointer.h"
#include "category_store.h"
#include "category_table.h"
#include "image_control.h"
#include "list_grid.h"
#include "list_grid_model.h"
#include "message_box.h"
#include "module1.h"
#include "open_file_dialog.h"
#include "register_panel.h"
#include "skin_label.h"
#include "twips.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// The hourglass for as long as the guard lives.
struct BusyGuard {
    BusyGuard() { BusyPointer::showBusy(); }
    ~BusyGuard() { BusyPointer::showDefault(); }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;
};

} // namespace

void frmMain::connectRegistrationPanel() {
    connect(fraRegister->cboItamize, &QComboBox::activated, this, &frmMain::cboItamize_Click);
    connect(fraRegister->cmdOpen, &QPushButton::clicked, this, &frmMain::cmdOpen_Click);
    connect(fraRegister->imgOK, &ImageControl::MouseMove, this, &frmMain::imgOK_MouseMove);
    connect(fraRegister, &RegisterPanel::MouseMove, this, &frmMain::fraRegister_MouseMove);
    connect(fraRegister->imgOKover, &ImageControl::Click, this, &frmMain::imgOKover_Click);
    connect(Timer, &QTimer::timeout, this, &frmMain::Timer_Timer);
}

void frmMain::cboItamize_Click() {
    const Category* category = CategoryTable::byCaption(fraRegister->cboItamize->currentText());
    if (!category)
        return;
    QComboBox* kinds = fraRegister->cboREdit;
    kinds->clear();
    kinds->addItems(category->kinds);
    kinds->setCurrentIndex(-1);
    kinds->clearEditText();
}

void frmMain::cmdOpen_Click() {
    // A cancel leaves the location as it was, as it does in the list.
    if (Dialog->ShowOpen())
        fraRegister->txtSoftLocation->setText(Dialog->FileName);
}

void frmMain::imgOK_MouseMove() {
    fraRegister->imgOKover->setVisible(true);
}

void frmMain::fraRegister_MouseMove() {
    fraRegister->imgOKover->setVisible(false);
}

void frmMain::imgOKover_Click() {
    RegisterEntry();
}

void frmMain::RegisterEntry() {
    const BusyGuard busy;
    const RegisterPanel& panel = *fraRegister;
    for (const QString& text : {panel.cboItamize->currentText(), panel.cboREdit->currentText(),
                                panel.txtSoftName->text(), panel.txtSoftLocation->text()}) {
        if (text.isEmpty()) {
            m_services.messages->MsgBox(u"空欄を全て入力してください。"_s);
            return;
        }
    }
    const Category* category = CategoryTable::byCaption(panel.cboItamize->currentText());
    if (!category)
        return;
    m_state.CurrentCsvFile = category->fileName;
    m_state.CurrentCategory = category->index;

    // An unreadable file is never replaced by a list that holds only the new entry.
    if (reportFailure(LoadCategoryList(m_state, msgList->listModel(), programFolder(), category->fileName)))
        return;
    msgList->AddItem(panel.txtSoftName->text());
    msgList->setRow(msgList->Rows() - 1);
    const QString cells[] = {panel.cboREdit->currentText(), panel.cboRType->currentText(),
                             panel.txtSoftLocation->text()};
    for (int col = 1; col <= 3; ++col) {
        msgList->setCol(col);
        msgList->setText(cells[col - 1]);
    }
    const StoreResult written = WriteListBack(m_state, msgList->listModel(), programFolder());
    if (written.outcome != StoreResult::Done) {
        reportFailure(written);
        // The list holds the category as it was read, so that no later write-back takes the entry in unannounced.
        msgList->setRows(msgList->Rows() - 1);
        msgList->listModel().clearModified();
        return;
    }

    panel.lblRegister->setCaption(panel.cboItamize->currentText() + u"の項目に"_s + panel.txtSoftName->text() +
                                  u"が追加されました。"_s);
    // A marquee already running goes on from where the message stands.
    if (!Timer->isActive())
        Timer->start();
}

void frmMain::Timer_Timer() {
    // The panel's place in the window and the message's place in the panel are compared as they are: the message
    // restarts beyond the panel's right edge and wraps once its right end has passed the panel's Left.
    const float panelLeft = Twips::fromPixels(fraRegister->x());
    const float panelWidth = Twips::fromPixels(fraRegister->width());
    const float messageWidth = Twips::fromPixels(fraRegister->lblRegister->width());
    float left = fraRegister->RegisterLeft() - 100;
    if (panelLeft - messageWidth > left)
        left = panelLeft + panelWidth;
    fraRegister->setRegisterLeft(left);
}

void frmMain::parkRegisterMessage() {
    fraRegister->setRegisterLeft(Twips::fromPixels(fraRegister->x() + fraRegister->width()));
}
