// Times start-up to the first painted window: the main window, built as the program builds it, against a peer,
// a frameless window of the same size that shows one line of Japanese text in the same font. Every sample runs
// in a process of its own, so that each pays for the first font load and the first picture decode; main window
// and peer alternate. Runs on the platform that QT_QPA_PLATFORM names (offscreen, or xcb under Xvfb).
// Usage: bench_startup [pairs]
#include "default_font.h"
#include "file_dialog.h"
#include "fixed_folder.h"
#include "frm_main.h"
#include "message_box.h"
#include "module1.h"
#include "qt_translations.h"
#include "shell_open.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr double Target = 1.3;

// Milestones of one start-up in ms: the sample reports them from the start of its main, its starter moves
// them to the launch of the process.
struct Sample {
    double main = 0;        // main entered: the executable and its libraries loaded
    double application = 0; // QApplication and the default font
    double built = 0;       // the window constructed
    double painted = 0;     // the first frame painted and handed to the platform
};

// Ends the event loop once the window's first frame is out: the window paints its children and flushes within
// the same event, so a zero timer from its first paint event fires after the flush.
class FirstPaint final : public QObject {
public:
    FirstPaint(QWidget& window, const QElapsedTimer& clock, double& painted) : m_clock(clock), m_painted(painted) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, this, [this] {
                m_painted = static_cast<double>(m_clock.nsecsElapsed()) / 1e6;
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer& m_clock;
    double& m_painted;
    bool m_seen = false;
};

double monotonicMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double msSince(const QElapsedTimer& clock) {
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// One start-up in this process; prints its milestones.
int runSample(int argc, char** argv, bool mainWindow, const QString& programFolder) {
    QElapsedTimer clock;
    clock.start();
    Sample sample;
    // The monotonic clock is the same in every process: the starter moves this to the launch.
    sample.main = monotonicMs();
    QApplication app(argc, argv);
    // The same steps as the program's main.
    installQtTranslations();
    installDefaultFontSubstitution();
    QApplication::setFont(DefaultFont());
    sample.application = msSince(clock);
    if (mainWindow) {
        FixedFolder folder(programFolder);
        QtMessageBox messages;
        DesktopShellOpen shell(messages);
        QtFileDialog dialog;
        Module1 state;
        frmMain window(state, Services{&folder, &messages, &shell, &dialog});
        sample.built = msSince(clock);
        FirstPaint watch(window, clock, sample.painted);
        window.show();
        QApplication::exec();
    } else {
        QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
        window.setFixedSize(687, 477);
        auto* line = new QLabel(u"ソフトウェアの目録へようこそ"_s, &window);
        line->move(32, 64);
        sample.built = msSince(clock);
        FirstPaint watch(window, clock, sample.painted);
        window.show();
        QApplication::exec();
    }
    std::printf("%f %f %f %f\n", sample.main, sample.application, sample.built, sample.painted);
    return 0;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

bool startSample(const QString& kind, const QString& programFolder, Sample& sample) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const double launch = monotonicMs();
    process.start(QCoreApplication::applicationFilePath(), {u"--sample"_s, kind, programFolder});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return false;
    const QList<QByteArray> fields = process.readAllStandardOutput().simplified().split(' ');
    if (fields.size() != 4)
        return false;
    const double main = fields[0].toDouble() - launch;
    sample = {main, main + fields[1].toDouble(), main + fields[2].toDouble(), main + fields[3].toDouble()};
    return true;
}

// The program folder of the main window: the real start page and the category folder.
bool makeProgramFolder(const QString& path) {
    return QDir(path).mkpath(u"CSV"_s) &&
           QFile::copy(QStringLiteral(VELMORA_DATA_DIR "/welcome.html"), path + u"/welcome.html"_s);
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && QByteArray(argv[1]) == "--sample")
        return runSample(1, argv, QByteArray(argv[2]) == "main", QString::fromLocal8Bit(argv[3]));

    QCoreApplication app(argc, argv);
    const int pairs = argc > 1 ? std::max(1, atoi(argv[1])) : 21;
    QTemporaryDir folder;
    if (!makeProgramFolder(folder.path()))
        return 1;

    std::vector<double> loaded, application, built, painted, peerPainted, ratios;
    for (int i = 0; i < pairs; ++i) {
        Sample main;
        Sample peer;
        if (!startSample(u"main"_s, folder.path(), main) || !startSample(u"peer"_s, folder.path(), peer)) {
            std::fprintf(stderr, "a sample failed\n");
            return 1;
        }
        loaded.push_back(main.main);
        application.push_back(main.application - main.main);
        built.push_back(main.built - main.application);
        painted.push_back(main.painted);
        peerPainted.push_back(peer.painted);
        ratios.push_back(main.painted / peer.painted);
    }
    const double ratio = median(ratios);
    std::printf("from launch to the first painted window on %s (median of %d alternating pairs, one process each):\n",
                qEnvironmentVariable("QT_QPA_PLATFORM", u"the default platform"_s).toLocal8Bit().constData(), pairs);
    std::printf("  main window                %8.2f ms\n", median(painted));
    std::printf("    program loaded           %8.2f ms\n", median(loaded));
    std::printf("    application and font     %8.2f ms\n", median(application));
    std::printf("    window constructed       %8.2f ms\n", median(built));
    std::printf("  peer window                %8.2f ms\n", median(peerPainted));
    std::printf("  main window / peer         %8.2fx   target at most %.2fx: %s\n", ratio, Target,
                ratio <= Target ? "met" : "NOT MET");
    return 0;
}
