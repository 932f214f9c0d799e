#include "shell_open.h"

#include "message_box.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

using namespace Qt::StringLiterals;

bool DesktopShellOpen::open(const QString& path, QWidget*) {
    if (start(path))
        return true;
    m_messages.MsgBox(u"「%1」を開けませんでした。"_s.arg(path));
    return false;
}

bool DesktopShellOpen::start(const QString& path) const {
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (info.isFile() && info.isExecutable())
        return QProcess::startDetached(info.absoluteFilePath(), {}, info.absolutePath());
    if (!info.exists())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
}
