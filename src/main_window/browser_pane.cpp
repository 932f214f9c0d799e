#include "browser_pane.h"

#include <QUrl>

BrowserPane::BrowserPane(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(true);
    setOpenExternalLinks(true);
}

void BrowserPane::Navigate(const QString& path) {
    setSource(QUrl::fromLocalFile(path));
}
