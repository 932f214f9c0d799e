#include "shell_open.h"

#include "message_box.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

using namespace Qt::StringLiterals;

bool DesktopShellOpen::open(const QString& path, QWidget*) {
    // An entry's empty location, or the folder of a location that names none, comes as no path at all.
    if (path.isEmpty()) {
        m_messages.MsgBox(u"場所が入力されていないか、フォルダを含んでいないため、開けませんでした。"_s);
        return false;
    }
    const QFileInfo info(path);
    // Nothing there is told apart from something there that nothing could start, such as a folder on a desktop
    // without a handler for folders.
    if (!info.exists()) {
        m_messages.MsgBox(u"「%1」が見つかりませんでした。"_s.arg(path));
        return false;
    }
    if (start(info))
        return true;
    m_messages.MsgBox(u"「%1」を開けませんでした。"_s.arg(path));
    return false;
}

bool DesktopShellOpen::start(const QFileInfo& info) const {
    if (info.isFile() && info.isExecutable())
        return QProcess::startDetached(info.absoluteFilePath(), {}, info.absolutePath());
    return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
}
