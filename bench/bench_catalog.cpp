// Loads and writes back a category of 32,766 entries and compares the times with plain iconv conversions of
// the same bytes. Usage: bench_catalog [runs]
#include "bench_category.h"
#include "category_store.h"
#include "category_table.h"
#include "cp932.h"
#include "list_grid_model.h"
#include "median_time.h"
#include "module1.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <iconv.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

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

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 15;

    const QString text = makeCategoryText();
    const QByteArray bytes = *Cp932::encode(text);
    const QByteArray utf16(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    QTemporaryDir folder;
    QDir(folder.path()).mkpath(u"CSV"_s);
    QFile file(categoryFilePath(folder.path(), u"utility.csv"_s));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return 1;
    file.close();

    Module1 state;
    ListGridModel list;
    std::vector<char> buffer(static_cast<size_t>(bytes.size()) * 2 + 16);

    const double decode = medianMs(runs, [&] { plainIconv("UTF-16LE", "CP932", bytes, buffer); });
    const double encode = medianMs(runs, [&] { plainIconv("CP932", "UTF-16LE", utf16, buffer); });
    const double load = medianMs(runs, [&] { LoadCategoryList(state, list, folder.path(), u"utility.csv"_s); });
    state.ListDirty = true;
    state.CurrentCategory = 5;
    const double save = medianMs(runs, [&] { SaveCurrentList(state, list, folder.path()); });

    QFile written(categoryFilePath(folder.path(), u"utility.csv"_s));
    const bool unchanged = written.open(QIODevice::ReadOnly) && written.readAll() == bytes;

    std::printf("category: %d entries, %lld bytes, median of %d runs\n", list.Rows() - 1,
                static_cast<long long>(bytes.size()), runs);
    std::printf("plain iconv decode   %8.2f ms\n", decode);
    std::printf("plain iconv encode   %8.2f ms\n", encode);
    std::printf("LoadCategoryList     %8.2f ms  (%.2fx decode)\n", load, load / decode);
    std::printf("SaveCurrentList      %8.2f ms  (%.2fx encode)\n", save, save / encode);
    std::printf("written back unchanged: %s\n", unchanged ? "yes" : "NO");
    return unchanged ? 0 : 1;
}
