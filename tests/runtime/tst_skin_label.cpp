#include "skin_label.h"

#include <QSignalSpy>
#include <QTest>

class TestSkinLabel : public QObject {
    Q_OBJECT

private slots:
    void paintingFollowsBackStyle();
    void clickNeedsLeftPressAndReleaseOnTheLabel();
    void autoSizeFollowsCaptionOnceVisible();
};

void TestSkinLabel::paintingFollowsBackStyle() {
    QWidget window;
    window.setFixedSize(120, 20);
    window.setStyleSheet(QStringLiteral("background: navy"));
    SkinLabel label(QStringLiteral("\u3000起動"), &window);
    label.setGeometry(0, 0, 108, 12);
    const auto colourBesideTheCaption = [&] { return window.grab().toImage().pixelColor(100, 6); };

    QCOMPARE(colourBesideTheCaption(), QColor(Qt::darkBlue));
    label.setBackColor(QColor(192, 255, 255));
    QCOMPARE(colourBesideTheCaption(), QColor(Qt::darkBlue));
    label.setBackStyle(SkinLabel::Opaque);
    QCOMPARE(colourBesideTheCaption(), QColor(192, 255, 255));
    label.setBackStyle(SkinLabel::Transparent);
    QCOMPARE(colourBesideTheCaption(), QColor(Qt::darkBlue));
}

void TestSkinLabel::clickNeedsLeftPressAndReleaseOnTheLabel() {
    SkinLabel label(QStringLiteral("\u3000編集"));
    label.resize(108, 12);
    QSignalSpy clicks(&label, &SkinLabel::Click);

    QTest::mouseClick(&label, Qt::LeftButton);
    QTest::mouseClick(&label, Qt::RightButton);
    QTest::mousePress(&label, Qt::LeftButton);
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(label.width() + 5, 5));
    QCOMPARE(clicks.count(), 1);
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(0, 0));
    QCOMPARE(clicks.count(), 2);
}

void TestSkinLabel::autoSizeFollowsCaptionOnceVisible() {
    QWidget window;
    auto* page = new QWidget(&window);
    page->hide();
    auto* label = new SkinLabel(QStringLiteral("登録"), page);
    label->setAutoSize(true);
    label->setCaption(QStringLiteral("ゲームの項目にXが追加されました。"));
    // Measured when it first shows, whether the page or the window comes last.
    window.show();
    page->show();
    QCOMPARE(label->size(), label->sizeHint());
    page->hide();
    window.hide();
    label->setCaption(QStringLiteral("X"));
    page->show();
    label->setCaption(QStringLiteral("ゲームの項目"));
    QCOMPARE(label->size(), label->sizeHint());
}

QTEST_MAIN(TestSkinLabel)
#include "tst_skin_label.moc"
