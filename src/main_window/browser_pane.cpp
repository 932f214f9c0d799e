#include "browser_pane.h"

#include "regular_file.h"

#include <QDesktopServices>
#include <QFile>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

// The bytes of a regular file no larger than the pane takes; an empty array for anything else, which is also
// what keeps the document from reading the file by itself.
QByteArray readRegularFile(const QString& path) {
    QFile file;
    if (openRegularFile(path, file) != ReadStatus::Read || file.size() > BrowserPane::MaxResourceSize)
        return {};
    // A file that grows meanwhile is read only as far as it reached when opened.
    QByteArray bytes(file.size(), Qt::Uninitialized);
    const qint64 read = file.read(bytes.data(), bytes.size());
    if (read < 0)
        return {};
    bytes.truncate(read);
    return bytes;
}

} // namespace

BrowserPane::BrowserPane(QWidget* parent) : QTextBrowser(parent) {
    // Every link is followed here, by its kind.
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &BrowserPane::followLink);
    // The pages are read-only: a drop, files or text, is nothing for the pane to take.
    setAcceptDrops(false);
    viewport()->setAcceptDrops(false);
}

void BrowserPane::Navigate(const QString& path) {
    setSource(QUrl::fromLocalFile(path));
}

QVariant BrowserPane::loadResource(int, const QUrl& name) {
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (url.isLocalFile())
        return readRegularFile(url.toLocalFile());
    if (url.scheme().isEmpty())
        return readRegularFile(url.path());
    // Other addresses the document itself may know how to read (a picture written into the page); the pane
    // fetches nothing from elsewhere.
    return {};
}

void BrowserPane::followLink(const QUrl& link) {
    const QString scheme = link.scheme();
    if (link.isLocalFile() || scheme.isEmpty())
        setSource(link);
    else if (scheme == "http"_L1 || scheme == "https"_L1)
        QDesktopServices::openUrl(link);
    else if (scheme == "mailto"_L1)
        QDesktopServices::openUrl(withoutAttachments(link));
    // Anything else (javascript:, data:, ftp:, a program's own scheme) is nothing a help page should start.
}

QUrl withoutAttachments(QUrl mailLink) {
    QStringList kept;
    for (const QString& field : mailLink.query(QUrl::FullyEncoded).split(u'&', Qt::SkipEmptyParts)) {
        const QString name = QUrl::fromPercentEncoding(field.section(u'=', 0, 0).toUtf8()).trimmed();
        if (name.compare("attach"_L1, Qt::CaseInsensitive) != 0 &&
            name.compare("attachment"_L1, Qt::CaseInsensitive) != 0)
            kept.append(field);
    }
    mailLink.setQuery(kept.isEmpty() ? QString() : kept.join(u'&'));
    return mailLink;
}
