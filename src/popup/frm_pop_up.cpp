#include "frm_pop_up.h"

#include "text_box.h"
#include "twips.h"
#include "velmora_assets.h"

#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

#include <utility>

namespace {

const QColor HighlightColor(192, 255, 255); // light cyan
const QColor SeparatorColor(0, 64, 64);     // dark teal

SkinLabel* menuLabel(const char* name, const QString& caption, int top, QWidget* window) {
    auto* label = new SkinLabel(caption, window);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(Twips::toPixels(120, top, 1620, 180));
    // Moves without a button must reach the label so that they can go on up to the window (see mouseMoveEvent).
    label->setMouseTracking(true);
    return label;
}

QWidget* separator(int index, int top, QWidget* window) {
    auto* line = new QWidget(window);
    line->setObjectName(QStringLiteral("mnuLine_%1").arg(index));
    // One pixel high, both end points drawn.
    const QPoint from = Twips::toPixels(QPoint(120, top));
    const QPoint to = Twips::toPixels(QPoint(1800, top));
    line->setGeometry(from.x(), from.y(), to.x() - from.x() + 1, 1);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, SeparatorColor);
    line->setPalette(palette);
    line->setAutoFillBackground(true);
    // The pointer over a separator is over the window's background.
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    return line;
}

} // namespace

frmPopUp::frmPopUp()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint), txtSearch(new QLineEdit(QStringLiteral("Text1"), this)),
      lblBoot(menuLabel("lblBoot", QStringLiteral("\u3000起動"), 120, this)),
      lblEdit(menuLabel("lblEdit", QStringLiteral("\u3000編集"), 480, this)),
      lblDelete(menuLabel("lblDelete", QStringLiteral("\u3000リストから削除"), 720, this)),
      lblOpen(menuLabel("lblOpen", QStringLiteral("\u3000フォルダを開く"), 960, this)),
      lblRegister(menuLabel("lblRegister", QStringLiteral("\u3000ソフト登録"), 1320, this)),
      mnuLine{separator(0, 360, this), separator(1, 1200, this)}, m_skin(Assets::pixmap(Assets::PopupSkin)) {
    setObjectName(QStringLiteral("frmPopUp"));
    setWindowTitle(QStringLiteral("Form1"));
    setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    setFixedSize(Twips::toPixels(1890), Twips::toPixels(1695));
    setMouseTracking(true);

    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    txtSearch->setGeometry(Twips::toPixels(1200, 1320, 615, 270));
    txtSearch->hide();
    takeAnyLength(txtSearch);
}

void frmPopUp::Move(int left, int top) {
    move(Twips::toPixels(QPoint(left, top)));
}

void frmPopUp::Show() {
    show();
    raise();
    activateWindow();
}

void frmPopUp::Unload() {
    if (m_unloaded)
        return;
    m_unloaded = true;
    hide();
    if (m_runningClicks == 0)
        deleteLater();
}

void frmPopUp::OnClick(SkinLabel* label, std::function<void()> handler) {
    connect(label, &SkinLabel::Click, this, [this, handler = std::move(handler)] {
        // A focus loss while the command runs (it moves the focus, lets pending events run or shows a message)
        // closes the popup then and there; deleting it must wait until the command has returned.
        ++m_runningClicks;
        handler();
        if (--m_runningClicks == 0 && m_unloaded)
            deleteLater();
    });
}

bool frmPopUp::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate)
        Form_LostFocus();
    return QWidget::event(event);
}

void frmPopUp::closeEvent(QCloseEvent*) {
    Unload();
}

void frmPopUp::paintEvent(QPaintEvent*) {
    if (m_skin.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_skin);
}

void frmPopUp::mouseMoveEvent(QMouseEvent* event) {
    // The labels leave their moves to the window, and while a button is held the moves stay with whatever was
    // pressed; so the control under the pointer decides which handler runs, with or without a button.
    const QPoint position = event->position().toPoint();
    if (!rect().contains(position))
        return;
    const QWidget* under = childAt(position);
    if (under == lblBoot)
        lblBoot_MouseMove();
    else if (under == lblEdit)
        lblEdit_MouseMove();
    else if (under == lblDelete)
        lblDelete_MouseMove();
    else if (under == lblOpen)
        lblOpen_MouseMove();
    else if (under == lblRegister)
        lblRegister_MouseMove();
    else
        Form_MouseMove();
}

void frmPopUp::Form_LostFocus() {
    Unload();
}

void frmPopUp::Form_MouseMove() {
    ClearMenuHighlight();
}

void frmPopUp::lblBoot_MouseMove() {
    HighlightMenuItem(lblBoot);
}

void frmPopUp::lblEdit_MouseMove() {
    HighlightMenuItem(lblEdit);
}

void frmPopUp::lblDelete_MouseMove() {
    HighlightMenuItem(lblDelete);
}

void frmPopUp::lblOpen_MouseMove() {
    HighlightMenuItem(lblOpen);
}

void frmPopUp::lblRegister_MouseMove() {
    HighlightMenuItem(lblRegister);
}

void frmPopUp::HighlightMenuItem(SkinLabel* item) {
    for (SkinLabel* label : menuItems()) {
        if (label == item) {
            // The colour first, so that the label's own default never shows.
            label->setBackColor(HighlightColor);
            label->setBackStyle(SkinLabel::Opaque);
        } else {
            label->setBackStyle(SkinLabel::Transparent);
        }
    }
}

void frmPopUp::ClearMenuHighlight() {
    for (SkinLabel* label : menuItems())
        label->setBackStyle(SkinLabel::Transparent);
}
