#include "message_box.h"

#include <QMessageBox>

void QtMessageBox::MsgBox(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(ProgramTitle), text, QMessageBox::Ok, m_parent);
    box.exec();
}
