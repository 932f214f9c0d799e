#include "default_font.h"
#include "frm_main.h"
#include "module1.h"
#include "qt_translations.h"
#include "termination_requests.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    installQtTranslations();
    installDefaultFontSubstitution();
    QApplication::setFont(DefaultFont());
    Module1 state;
    frmMain window(state, desktopServices());
    closeOnTerminationRequests(window);
    window.show();
    return QApplication::exec();
}
