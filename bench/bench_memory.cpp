// The memory of the main window around a category of 32,766 entries: the resident size before the category is
// first shown, while it is shown, and on the help page after it, and the peak during the load. Runs offscreen.
// Usage: bench_memory [round trips]
#include "bench_category.h"
#include "bench_main_window.h"
#include "category_table.h"
#include "cp932.h"
#include "default_font.h"
#include "frm_main.h"
#include "list_grid.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr double HelpPageTarget = 10.0; // MB above the size before the category was shown

// A size from /proc/self/status in MB: VmRSS is the resident size now, VmHWM its peak.
double statusMb(const char* field) {
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(static_cast<qsizetype>(qstrlen(field))).simplified().split(' ').value(0).toDouble() / 1024;
    }
    return 0;
}

// Starts a new peak at the resident size of now; false where the system does not allow it.
bool resetPeak() {
    QFile clearRefs(u"/proc/self/clear_refs"_s);
    return clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void show(frmMain& window, int page) {
    window.SelectCategory(page);
    window.repaint();
    QCoreApplication::processEvents();
}

const char* verdict(bool met) {
    return met ? "met" : "NOT MET";
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installDefaultFontSubstitution();
    QApplication::setFont(DefaultFont());
    const int roundTrips = argc > 1 ? std::max(0, atoi(argv[1])) : 3;

    QTemporaryDir dir;
    QByteArray bytes = *Cp932::encode(makeCategoryText());
    const qsizetype fileSize = bytes.size();
    if (!QDir(dir.path()).mkpath(u"CSV"_s) || !writeFile(dir.filePath(u"CSV/document.csv"_s), bytes) ||
        !writeFile(dir.filePath(u"welcome.html"_s), "<html><body>ようこそ</body></html>") ||
        !writeFile(dir.filePath(u"ヘルプ.html"_s), "<html><body>ヘルプ</body></html>"))
        return 1;
    bytes = {};

    BenchMainWindow main(dir.path());
    frmMain& window = main.window;
    // The help page once first, so that its own first showing is not counted against the category.
    show(window, CategoryTable::HelpPage);

    const double before = statusMb("VmRSS:");
    const bool peakReset = resetPeak();
    show(window, 0);
    const double shown = statusMb("VmRSS:");
    const double peak = statusMb("VmHWM:");
    const int rows = window.msgList->Rows() - 1;
    show(window, CategoryTable::HelpPage);
    const double help = statusMb("VmRSS:");
    for (int i = 0; i < roundTrips; ++i) {
        show(window, 0);
        show(window, CategoryTable::HelpPage);
    }
    const double helpLater = statusMb("VmRSS:");

    const double file = static_cast<double>(fileSize) / (1024 * 1024);
    std::printf("resident size of the main window around a category of %d entries (%.1f MB file):\n", rows, file);
    std::printf("  before the category is shown       %7.1f MB\n", before);
    std::printf("  category shown                     %7.1f MB\n", shown);
    std::printf("  help page after it                 %7.1f MB  %+6.1f MB, target at most %+.1f MB: %s\n", help,
                help - before, HelpPageTarget, verdict(help - before <= HelpPageTarget));
    std::printf("  help page after %d more round trips %6.1f MB  %+6.1f MB, target at most %+.1f MB: %s\n", roundTrips,
                helpLater, helpLater - before, HelpPageTarget, verdict(helpLater - before <= HelpPageTarget));
    std::printf("  peak during the load               %7.1f MB  target at most shown + file = %.1f MB: %s%s\n", peak,
                shown + file, verdict(peak <= shown + file),
                peakReset ? "" : " (the peak could not be reset: it is the peak of the whole run)");
    if (!main.messages.shown.isEmpty())
        std::printf("  messages: %s\n", qPrintable(main.messages.shown.join(u' ')));
    return rows == EntryCount ? 0 : 1;
}
