#include "velmora_assets.h"

#include <QImage>
#include <QPixmap>
#include <QtTest>

#include <cmath>

namespace {

QImage load(Assets::Picture picture) {
    return Assets::image(picture).convertToFormat(QImage::Format_ARGB32);
}

// The picture as tools/assetgen drew it.
QImage drawn(const QString& name) {
    return QImage(QStringLiteral(VELMORA_ASSETS_DIR "/") + name + QStringLiteral(".png"));
}

bool filled(const QImage& image, const QRect& rect, const QColor& colour) {
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (image.pixel(x, y) != colour.rgba())
                return false;
        }
    }
    return true;
}

// One colour per column of rect (along Qt::Horizontal) or per row (Qt::Vertical); nothing when a line has more.
QList<QRgb> lineColours(const QImage& image, const QRect& rect, Qt::Orientation along) {
    const bool columns = along == Qt::Horizontal;
    QList<QRgb> colours;
    for (int i = 0; i < (columns ? rect.width() : rect.height()); ++i) {
        const QRect line = columns ? QRect(rect.left() + i, rect.top(), 1, rect.height())
                                   : QRect(rect.left(), rect.top() + i, rect.width(), 1);
        if (!filled(image, line, QColor::fromRgba(image.pixel(line.topLeft()))))
            return {};
        colours.append(image.pixel(line.topLeft()));
    }
    return colours;
}

bool isSymmetric(const QList<QRgb>& colours) {
    return std::equal(colours.begin(), colours.end(), colours.rbegin());
}

int channel(QRgb colour, int index) {
    return index == 0 ? qRed(colour) : index == 1 ? qGreen(colour) : qBlue(colour);
}

// Every channel moves one way only from `from` to `to`, by at most maxStep between neighbours.
bool runsEvenly(const QList<QRgb>& colours, int from, int to, int maxStep = 255) {
    const int next = from < to ? 1 : -1;
    for (int c = 0; c < 3; ++c) {
        const int direction = channel(colours[to], c) >= channel(colours[from], c) ? 1 : -1;
        for (int i = from; i != to; i += next) {
            const int step = (channel(colours[i + next], c) - channel(colours[i], c)) * direction;
            if (step < 0 || step > maxStep)
                return false;
        }
    }
    return true;
}

bool near(QRgb colour, QRgb expected, int tolerance) {
    for (int c = 0; c < 3; ++c) {
        if (std::abs(channel(colour, c) - channel(expected, c)) > tolerance)
            return false;
    }
    return true;
}

const QColor White(255, 255, 255);
constexpr QRgb Black = 0xff000000;

} // namespace

Q_DECLARE_METATYPE(Assets::Picture)

class tst_Assets : public QObject {
    Q_OBJECT

private slots:
    void sizes_data();
    void sizes();
    void mainSkin();
    void appIcon();
    void switchAndLamp();
    void barButtons();
    void handCursor();
    void okButtons();
    void popupSkin();
};

void tst_Assets::sizes_data() {
    QTest::addColumn<Assets::Picture>("picture");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("palette"); // the two pictures with a transparency mask
    QTest::newRow("MainSkin") << Assets::MainSkin << QSize(785, 478) << false;
    QTest::newRow("AppIcon") << Assets::AppIcon << QSize(32, 32) << true;
    QTest::newRow("SwitchImage") << Assets::SwitchImage << QSize(39, 14) << false;
    QTest::newRow("LedImage") << Assets::LedImage << QSize(15, 7) << false;
    QTest::newRow("BarButtonNormal") << Assets::BarButtonNormal << QSize(88, 21) << false;
    QTest::newRow("BarButtonHover") << Assets::BarButtonHover << QSize(88, 21) << false;
    QTest::newRow("BarButtonSelected") << Assets::BarButtonSelected << QSize(86, 19) << false;
    QTest::newRow("HandCursor") << Assets::HandCursor << QSize(32, 32) << true;
    QTest::newRow("OkButtonNormal") << Assets::OkButtonNormal << QSize(60, 60) << false;
    QTest::newRow("OkButtonHover") << Assets::OkButtonHover << QSize(60, 60) << false;
    QTest::newRow("PopupSkin") << Assets::PopupSkin << QSize(126, 113) << false;
}

void tst_Assets::sizes() {
    QFETCH(Assets::Picture, picture);
    QFETCH(QSize, size);
    QFETCH(bool, palette);
    const QImage image = Assets::image(picture);
    QCOMPARE(image.size(), size);
    QCOMPARE(image.hasAlphaChannel(), palette);
    // The program shows every pixel as it was drawn.
    const QImage original = drawn(QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(original.format() == QImage::Format_Indexed8, palette);
    QCOMPARE(image.convertToFormat(QImage::Format_ARGB32), original.convertToFormat(QImage::Format_ARGB32));
    QVERIFY(!Assets::pixmap(picture).isNull());
}

void tst_Assets::mainSkin() {
    const QImage image = load(Assets::MainSkin);
    const QList<QRgb> rows = lineColours(image, image.rect(), Qt::Vertical);
    QCOMPARE(rows.size(), 478);
    QCOMPARE(rows[0], qRgb(148, 134, 16));
    QCOMPARE(rows[477], qRgb(148, 134, 16));
    QCOMPARE(rows.mid(62, 350), QList<QRgb>(350, qRgb(255, 247, 90)));
    QVERIFY(runsEvenly(rows, 0, 62));
    QVERIFY(runsEvenly(rows, 477, 411));
}

void tst_Assets::appIcon() {
    const QImage image = load(Assets::AppIcon);
    QVERIFY(filled(image, QRect(0, 0, 32, 4), Qt::transparent));
    QVERIFY(filled(image, QRect(0, 27, 32, 5), Qt::transparent));
    const QColor navy(0, 49, 150);
    QVERIFY(filled(image, QRect(0, 4, 32, 1), navy) && filled(image, QRect(0, 26, 32, 1), navy));
    QVERIFY(filled(image, QRect(0, 4, 1, 23), navy) && filled(image, QRect(31, 4, 1, 23), navy));
    const QColor light(177, 199, 255);
    QVERIFY(filled(image, QRect(2, 5, 28, 1), light) && filled(image, QRect(1, 6, 1, 19), light));
    const QColor dark(0, 73, 220);
    QVERIFY(filled(image, QRect(2, 25, 28, 1), dark) && filled(image, QRect(30, 6, 1, 19), dark));

    // Face and folders: only the described colours, each of them used.
    QSet<QRgb> used;
    for (int y = 6; y <= 24; ++y) {
        for (int x = 2; x <= 29; ++x)
            used.insert(image.pixel(x, y));
    }
    QCOMPARE(used, QSet<QRgb>({qRgb(72, 115, 255), qRgb(150, 150, 0), qRgb(185, 185, 0), qRgb(80, 80, 0)}));
}

void tst_Assets::switchAndLamp() {
    const QImage key = load(Assets::SwitchImage);
    QVERIFY(filled(key, QRect(2, 2, 35, 10), QColor(255, 255, 0)));
    QVERIFY(filled(key, QRect(0, 0, 37, 2), White) && filled(key, QRect(0, 0, 2, 12), White));
    const QColor olive(128, 128, 0);
    QVERIFY(filled(key, QRect(2, 12, 37, 2), olive) && filled(key, QRect(37, 2, 2, 12), olive));

    const QImage lamp = load(Assets::LedImage);
    const QColor red(228, 62, 61);
    QVERIFY(filled(lamp, QRect(0, 0, 15, 1), red) && filled(lamp, QRect(0, 6, 15, 1), red));
    QVERIFY(filled(lamp, QRect(0, 0, 1, 7), red) && filled(lamp, QRect(14, 0, 1, 7), red));
    QCOMPARE(lamp.pixel(7, 3), qRgb(251, 208, 191));
    const QList<QRgb> middleRow = lineColours(lamp, QRect(0, 3, 15, 1), Qt::Horizontal);
    QVERIFY(isSymmetric(middleRow) && runsEvenly(middleRow, 0, 7));
    const QList<QRgb> middleColumn = lineColours(lamp, QRect(7, 0, 1, 7), Qt::Vertical);
    QVERIFY(isSymmetric(middleColumn) && runsEvenly(middleColumn, 0, 3));
}

void tst_Assets::barButtons() {
    const QColor teal(0, 128, 128);
    const QRgb light = qRgb(164, 164, 164);
    const QRgb mid = qRgb(114, 114, 114);
    for (const auto& [path, edge, middle] :
         {std::tuple{Assets::BarButtonNormal, light, mid}, std::tuple{Assets::BarButtonHover, mid, light}}) {
        const QImage image = load(path);
        QVERIFY(filled(image, QRect(0, 0, 87, 1), White) && filled(image, QRect(0, 0, 1, 20), White));
        QVERIFY(filled(image, QRect(0, 20, 88, 1), teal) && filled(image, QRect(87, 0, 1, 21), teal));
        const QList<QRgb> columns = lineColours(image, QRect(1, 1, 86, 19), Qt::Horizontal);
        QCOMPARE(columns.size(), 86);
        QVERIFY(isSymmetric(columns));
        QCOMPARE(columns[0], edge);
        QCOMPARE(columns[42], middle);
        QCOMPARE(columns[43], middle);
        QVERIFY2(runsEvenly(columns, 0, 42, 2), path.resource);
    }

    const QImage selected = load(Assets::BarButtonSelected);
    const QList<QRgb> columns = lineColours(selected, selected.rect(), Qt::Horizontal);
    QCOMPARE(columns.size(), 86);
    QVERIFY(isSymmetric(columns) && runsEvenly(columns, 0, 42, 4));
    QCOMPARE(columns[0], qRgb(236, 129, 48));
    QCOMPARE(columns[21], qRgb(246, 190, 129)); // a quarter of the width
    QCOMPARE(columns[42], qRgb(255, 248, 206));
    QCOMPARE(columns[43], qRgb(255, 248, 206));
}

void tst_Assets::handCursor() {
    const QCursor cursor = Assets::handCursor();
    QCOMPARE(cursor.hotSpot(), QPoint(13, 5));
    QCOMPARE(cursor.pixmap().size(), QSize(32, 32));

    const QImage image = load(Assets::HandCursor);
    const QSet<QRgb> handColours{Black, qRgb(128, 128, 128), qRgb(192, 192, 192), qRgb(255, 255, 255)};
    QRect hand;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 0)
                continue;
            QVERIFY(handColours.contains(pixel)); // opaque, and one of the four shades
            hand |= QRect(x, y, 1, 1);
            if (y < 10) // above the other fingers only the index finger, around the hot spot
                QVERIFY(std::abs(x - 13) <= 3);
            if (y == 27)
                QCOMPARE(pixel, Black);
        }
    }
    QCOMPARE(hand, QRect(6, 4, 19, 24));
    QCOMPARE(qAlpha(image.pixel(13, 5)), 255);
}

void tst_Assets::okButtons() {
    for (const Assets::Picture path : {Assets::OkButtonNormal, Assets::OkButtonHover}) {
        const QImage image = load(path);
        for (int y = 0; y < 60; ++y) {
            for (int x = 0; x < 60; ++x) {
                if (std::hypot(x + 0.5 - 30, y + 0.5 - 30) > 23.5)
                    QCOMPARE(image.pixel(x, y), Black);
            }
        }
        for (const QPoint rim : {QPoint(7, 29), QPoint(52, 30), QPoint(30, 7), QPoint(29, 52)})
            QVERIFY(image.pixel(rim) != Black);
    }

    const QImage grey = load(Assets::OkButtonNormal);
    QPoint brightest;
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 60; ++x) {
            QCOMPARE(qGray(grey.pixel(x, y)), qRed(grey.pixel(x, y)));
            if (qRed(grey.pixel(x, y)) > qRed(grey.pixel(brightest)))
                brightest = QPoint(x, y);
        }
    }
    QVERIFY(near(grey.pixel(brightest), qRgb(184, 184, 184), 3));
    QVERIFY(QRect(30, 30, 4, 4).contains(brightest)); // just below and right of the centre
    for (const QPoint rim : {QPoint(30, 10), QPoint(49, 29), QPoint(29, 49), QPoint(10, 30)})
        QVERIFY(qRed(grey.pixel(rim)) >= 128 && qRed(grey.pixel(rim)) <= 152);

    const QImage cyan = load(Assets::OkButtonHover);
    const QList<QRgb> radius = lineColours(cyan, QRect(30, 29, 23, 1), Qt::Horizontal);
    QVERIFY(std::all_of(radius.begin(), radius.begin() + 8, [](QRgb c) { return c == qRgb(0, 255, 255); }));
    QVERIFY(std::all_of(radius.begin(), radius.end(), [](QRgb c) { return qRed(c) == 0; }));
    QVERIFY(runsEvenly(radius, 0, radius.size() - 1));
    for (const QRgb stop : {qRgb(0, 200, 255), qRgb(0, 150, 255), qRgb(0, 120, 255)})
        QVERIFY(std::any_of(radius.begin(), radius.end(), [stop](QRgb c) { return near(c, stop, 12); }));
    QVERIFY(near(radius.last(), qRgb(0, 22, 70), 12));
}

void tst_Assets::popupSkin() {
    const QImage image = load(Assets::PopupSkin);
    QVERIFY(filled(image, QRect(0, 0, 125, 1), White) && filled(image, QRect(0, 1, 124, 1), White));
    QVERIFY(filled(image, QRect(0, 0, 1, 112), White) && filled(image, QRect(1, 0, 1, 111), White));
    const QColor blue(0, 64, 128);
    QVERIFY(filled(image, QRect(125, 0, 1, 113), blue) && filled(image, QRect(124, 1, 1, 112), blue));
    QVERIFY(filled(image, QRect(1, 112, 125, 1), blue) && filled(image, QRect(2, 111, 124, 1), blue));

    QVERIFY(filled(image, QRect(2, 2, 122, 1), QColor(172, 218, 241)));
    QVERIFY(filled(image, QRect(2, 110, 122, 1), QColor(201, 228, 217)));
    // Each row one colour give or take a dither step; row averages move steadily, slower at the ends.
    QList<double> redByRow;
    for (int y = 2; y <= 110; ++y) {
        double red = 0;
        for (int x = 2; x <= 123; ++x) {
            QVERIFY(near(image.pixel(x, y), image.pixel(2, y), 2));
            red += qRed(image.pixel(x, y));
        }
        redByRow.append(red / 122);
    }
    QVERIFY(std::is_sorted(redByRow.begin(), redByRow.end()));
    const double middleStep = redByRow[59] - redByRow[49];
    QVERIFY(redByRow[10] - redByRow[0] < middleStep && redByRow[108] - redByRow[98] < middleStep);
}

QTEST_MAIN(tst_Assets)
#include "tst_assets.moc"
