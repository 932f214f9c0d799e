// Loads and writes back a category of 32,766 entries, in code page 932 and in UTF-8, each timed in turn with a
// plain iconv conversion of the same bytes, and measures the memory a load takes in a fresh process. A load is
// timed twice: on a warm heap, and after the freed memory went back to the system, as when the window leaves a
// large page. Last, a category of one 40 MB line is loaded in turn with the same bytes in lines of 1 KB.
// Usage: bench_catalog [pairs]
//        bench_catalog --peak <program folder> <file name>   (one load; prints the resident sizes, in KiB)
#include "bench_category.h"
#include "category_store.h"
#include "category_table.h"
#include "cp932.h"
#include "freed_memory.h"
#include "list_grid_model.h"
#include "median_time.h"
#include "module1.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <iconv.h>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr double LoadTarget = 0.75;
constexpr double SaveTarget = 1.0;
constexpr double LongLineTarget = 1.5;

// The same bytes through iconv alone, into a buffer of the right size.
size_t plainIconv(const char* to, const char* from, const QByteArray& in, std::vector<char>& out) {
    iconv_t cd = iconv_open(to, from);
    char* inPtr = const_cast<char*>(in.data());
    size_t inLeft = static_cast<size_t>(in.size());
    char* outPtr = out.data();
    size_t outLeft = out.size();
    iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    return out.size() - outLeft;
}

// A resident size of this process from /proc/self/status, in KiB.
qint64 residentKiB(QByteArrayView field) {
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.sliced(field.size()).trimmed().split(' ').constFirst().toLongLong();
    }
    return -1;
}

// One load in this fresh process: the resident size before, at the peak and after, in KiB.
int measurePeak(const QString& programFolder, const QString& fileName) {
    Module1 state;
    ListGridModel list;
    const qint64 before = residentKiB("VmRSS:");
    // Starts the peak afresh from the present size.
    QFile clearRefs(u"/proc/self/clear_refs"_s);
    if (!clearRefs.open(QIODevice::WriteOnly) || clearRefs.write("5") != 1)
        return 1;
    clearRefs.close();
    LoadCategoryList(state, list, programFolder, fileName);
    std::printf("%lld %lld %lld\n", static_cast<long long>(before), static_cast<long long>(residentKiB("VmHWM:")),
                static_cast<long long>(residentKiB("VmRSS:")));
    return list.Rows() > 1 ? 0 : 1;
}

struct Figures {
    double load;
    double coldLoad;
    double save;
    bool unchanged;
};

// Times loading and writing back one category against iconv between the file's encoding and UTF-16.
Figures timeCategory(int pairs, const QString& folder, const QString& fileName, const QByteArray& bytes,
                     const QString& text, const char* encoding) {
    const QByteArray utf16(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    Module1 state;
    ListGridModel list;
    std::vector<char> buffer(static_cast<size_t>(bytes.size()) * 2 + 16);

    Figures figures;
    // A page switch empties the list to its header row before it loads the next page's file, so the load itself
    // starts from an empty list, as each timed load does here.
    figures.load = medianRatio(
        pairs, [&] { LoadCategoryList(state, list, folder, fileName); },
        [&] { plainIconv("UTF-16LE", encoding, bytes, buffer); }, [&] { list.setRows(1); });
    // The window hands the emptied list's memory back to the system once a much smaller page is in place, so the
    // next large load finds the heap empty again.
    figures.coldLoad = medianRatio(
        pairs, [&] { LoadCategoryList(state, list, folder, fileName); },
        [&] { plainIconv("UTF-16LE", encoding, bytes, buffer); },
        [&] {
            list.setRows(1);
            releaseFreedMemory();
        });
    // The plain write-back: the same conversion, then the same kind of replacement of a file beside it.
    const auto plainSave = [&] {
        const size_t size = plainIconv(encoding, "UTF-16LE", utf16, buffer);
        QSaveFile file(categoryFilePath(folder, u"plain.csv"_s));
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(buffer.data(), static_cast<qint64>(size)) != static_cast<qint64>(size) || !file.commit())
            qFatal("cannot write plain.csv");
    };
    state.CurrentCategory = 5;
    figures.save = medianRatio(
        pairs, [&] { SaveCurrentList(state, list, folder); }, plainSave,
        [&] {
            // An unchanged list is not written: a row added and taken away again counts as a change.
            state.ListDirty = true;
            list.AddItem({});
            list.setRows(list.Rows() - 1);
        });

    QFile written(categoryFilePath(folder, fileName));
    figures.unchanged =
        written.open(QIODevice::ReadOnly) && written.readAll() == bytes && list.Rows() == EntryCount + 1;
    return figures;
}

// The growth of the resident size at the peak of one load in a fresh process, against the growth it keeps plus
// the file's size; false when the measurement fails.
bool printPeak(const QString& folder, const QString& fileName, qint64 fileSize) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {u"--peak"_s, folder, fileName});
    if (!child.waitForFinished(60000) || child.exitCode() != 0) {
        std::printf("  peak of a load: cannot measure (%s)\n", child.readAllStandardError().constData());
        return false;
    }
    const QList<QByteArray> kib = child.readAllStandardOutput().trimmed().split(' ');
    const qint64 before = kib.value(0).toLongLong();
    const qint64 peak = kib.value(1).toLongLong() - before;
    const qint64 kept = kib.value(2).toLongLong() - before;
    const qint64 limit = kept + fileSize / 1024;
    std::printf("  peak of a load     %7.1f MB  (target <= %.1f MB: %.1f MB kept + %.1f MB file)  %s\n", peak / 1024.0,
                limit / 1024.0, kept / 1024.0, fileSize / 1048576.0, peak <= limit ? "met" : "MISSED");
    return peak <= limit;
}

// The load of one line of about 40 MB against the same bytes in lines of about 1 KB, on a warm heap and after the
// freed memory went back to the system; false when a load does not read them all or the first misses its target.
bool printLongLine(int pairs, const QString& folder) {
    LongLineFiles files;
    for (const auto& [name, bytes] :
         {std::pair{u"home.csv"_s, &files.oneLine}, std::pair{u"study.csv"_s, &files.shortLines}}) {
        QFile file(categoryFilePath(folder, name));
        if (!file.open(QIODevice::WriteOnly) || file.write(*bytes) != bytes->size())
            return false;
        *bytes = {};
    }

    Module1 state;
    ListGridModel list;
    const auto load = [&](const QString& name) { LoadCategoryList(state, list, folder, name); };
    // Each load starts from an empty list, as after a page switch; one in turn with the other.
    const auto ratio = [&](const std::function<void()>& empty) {
        std::vector<double> ratios;
        for (int i = 0; i < std::min(pairs, 7); ++i) {
            const double longLine = medianMs(1, [&] { load(u"home.csv"_s); }, empty);
            const double shortLines = medianMs(1, [&] { load(u"study.csv"_s); }, empty);
            ratios.push_back(longLine / shortLines);
        }
        std::sort(ratios.begin(), ratios.end());
        return ratios[ratios.size() / 2];
    };
    const double warm = ratio([&] { list.setRows(1); });
    const double cold = ratio([&] {
        list.setRows(1);
        releaseFreedMemory();
    });
    load(u"home.csv"_s);
    const bool whole =
        list.Rows() == 2 && list.TextMatrix(1, 3).size() == files.chunks * Cp932::decode(files.chunk)->size();
    list.setRows(1);
    load(u"study.csv"_s);
    const bool allLines = list.Rows() == files.chunks + 1;
    list.setRows(1);
    std::printf("one line of 40 MB against %lld lines of 1 KB, median of %d pairs\n",
                static_cast<long long>(files.chunks), std::min(pairs, 7));
    std::printf("  load               %7.2fx the 1 KB lines           (target <= %.2fx)  %s\n", warm, LongLineTarget,
                warm <= LongLineTarget ? "met" : "MISSED");
    std::printf("  load, heap returned%7.2fx the 1 KB lines\n", cold);
    if (!whole || !allLines)
        std::printf("  read in full: NO\n");
    return whole && allLines && warm <= LongLineTarget;
}

const char* verdict(bool met) {
    return met ? "met" : "MISSED";
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 4 && argv[1] == "--peak"_ba)
        return measurePeak(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    const int pairs = argc > 1 ? std::max(1, atoi(argv[1])) : 21;

    QTemporaryDir folder;
    QDir(folder.path()).mkpath(u"CSV"_s);
    struct Sample {
        const char* title;
        QString fileName;
        const char* encoding;
        QString text;
        QByteArray bytes;
    };
    const QString cp932Text = makeCategoryText(false);
    const QString foreignText = makeCategoryText(true);
    const Sample samples[] = {
        {"code page 932", u"utility.csv"_s, "CP932", cp932Text, *Cp932::encode(cp932Text)},
        {"UTF-8", u"other.csv"_s, "UTF-8", foreignText, "\xEF\xBB\xBF" + foreignText.toUtf8()},
    };

    bool allMet = true;
    for (const Sample& sample : samples) {
        QFile file(categoryFilePath(folder.path(), sample.fileName));
        if (!file.open(QIODevice::WriteOnly) || file.write(sample.bytes) != sample.bytes.size())
            return 1;
        file.close();

        const Figures figures =
            timeCategory(pairs, folder.path(), sample.fileName, sample.bytes, sample.text, sample.encoding);
        std::printf("%s category: %d entries, %.2f MB; median of %d pairs, each run in turn with iconv\n", sample.title,
                    EntryCount, sample.bytes.size() / 1e6, pairs);
        std::printf("  load               %7.2fx iconv decode           (target <= %.2fx)  %s\n", figures.load,
                    LoadTarget, verdict(figures.load <= LoadTarget));
        std::printf("  load, heap returned%7.2fx iconv decode           (a page switch after a much smaller page)\n",
                    figures.coldLoad);
        std::printf("  write-back         %7.2fx iconv encode + flush   (target <= %.2fx)  %s\n", figures.save,
                    SaveTarget, verdict(figures.save <= SaveTarget));
        std::printf("  written back unchanged: %s\n", figures.unchanged ? "yes" : "NO");
        const bool peakMet = printPeak(folder.path(), sample.fileName, sample.bytes.size());
        allMet = allMet && figures.unchanged && peakMet && figures.load <= LoadTarget && figures.save <= SaveTarget;
    }
    allMet = printLongLine(pairs, folder.path()) && allMet;
    return allMet ? 0 : 1;
}
