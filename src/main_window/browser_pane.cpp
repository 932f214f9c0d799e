#include "browser_pane.h"

#include <QUrl>

BrowserPane::BrowserPane(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(true);
    setOpenExternalLinks(true);
    // The pages are read-only: a drop, files or text, is nothing for the pane to take.
    setAcceptDrops(false);
    viewport()->setAcceptDrops(false);
}

void BrowserPane::Navigate(const QString& path) {
    setSource(QUrl::fromLocalFile(path));
}
