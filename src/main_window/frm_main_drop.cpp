// Program files dropped on the list become new entries of the shown category.

#include "frm_main.h"

#include "category_table.h"
#include "list_grid.h"
#include "module1.h"
#include "string_helpers.h"

#include <QLineEdit>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

bool isProgram(const QString& path) {
    // A category file holds one entry a line: a path with a line break in it could not be stored as it is.
    if (path.contains(u'\n') || path.contains(u'\r'))
        return false;
    return Strings::Like(path, u"*.exe"_s) || Strings::Like(path, u"*.EXE"_s) || Strings::Like(path, u"*.Exe"_s);
}

} // namespace

void frmMain::msgList_OLEDragDrop(const QStringList& files) {
    AddDroppedPrograms(files);
}

void frmMain::AddDroppedPrograms(const QStringList& files) {
    // The new rows move the current cell away from under a shown editor, whose next change would land in them.
    if (std::any_of(files.cbegin(), files.cend(), isProgram))
        HideCellEditors();
    for (const QString& path : files) {
        if (!isProgram(path))
            continue;
        msgList->setCol(0);
        msgList->AddItem(QString());
        msgList->setRow(msgList->Rows() - 1);
        // txtEdit serves as the buffer that cuts the folders off the path; each of its changes also lands in the
        // new row's name cell.
        txtEdit->setText(path);
        int position;
        do {
            position = Strings::InStr(txtEdit->text(), u"/"_s);
            txtEdit->setSelection(0, position);
            txtEdit->insert(QString());
        } while (position != 0);
        msgList->setText(txtEdit->text());
        msgList->setCol(3);
        msgList->setText(path);
        msgList->setCol(2);
        msgList->setText(EntryTypes().constFirst());
    }
    m_state.ListDirty = true;
}
