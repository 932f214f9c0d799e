#include "popup_instance.h"

#include "frm_pop_up.h"

PopupInstance::PopupInstance(QObject* parent) : QObject(parent) {}

PopupInstance::~PopupInstance() {
    delete Form();
}

void PopupInstance::Move(int left, int top) {
    form().Move(left, top);
}

void PopupInstance::Show() {
    form().Show();
}

void PopupInstance::Unload() {
    if (frmPopUp* open = Form())
        open->Unload();
}

frmPopUp* PopupInstance::Form() const {
    return m_form && !m_form->IsUnloaded() ? m_form.data() : nullptr;
}

frmPopUp& PopupInstance::form() {
    if (!Form()) {
        m_form = new frmPopUp;
        emit Created(m_form);
    }
    return *m_form;
}
