// The category bar: fourteen buttons of three pictures and a caption, and the page switch.

#include "frm_main.h"

#include "bar_controls.h"
#include "browser_pane.h"
#include "category_store.h"
#include "category_table.h"
#include "freed_memory.h"
#include "list_grid.h"
#include "module1.h"
#include "register_panel.h"
#include "twips.h"
#include "velmora_assets.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

constexpr int ButtonWidth = 1320;
// Rows whose memory is worth handing back when a page shows that many fewer.
constexpr int LargeList = 1000;
constexpr int ButtonHeight = 315;

bool isButtonIndex(int index) {
    return index >= 0 && index < frmMain::ButtonCount;
}

// Top-left corner of button i: two rows of seven.
QPoint buttonPlace(int i) {
    return QPoint(120 + 1440 * (i % 7), i < 7 ? 120 : 480);
}

// The caption boxes as designed, each sized to its text in the design font.
constexpr QRect CaptionBoxes[frmMain::ButtonCount] = {
    {440, 200, 720, 180},   {1670, 200, 1155, 180}, {3150, 200, 1035, 180}, {4830, 200, 540, 180},
    {6010, 200, 1065, 180}, {7450, 200, 1065, 180}, {9050, 195, 780, 180},  {480, 550, 645, 180},
    {1750, 550, 945, 180},  {3230, 550, 900, 180},  {4660, 555, 900, 180},  {6130, 550, 855, 180},
    {7730, 550, 525, 180},  {9180, 555, 510, 180},
};

// Where this font draws the caption wider or taller than the design font did, the box grows about its centre,
// so that the caption stays in the middle of its button and is never cut.
QRect captionGeometry(const BarCaption& caption, const QRect& boxTwips) {
    const QRect box = Twips::toPixels(boxTwips.x(), boxTwips.y(), boxTwips.width(), boxTwips.height());
    const QSize text = caption.sizeHint();
    QRect fitted(QPoint(), box.size().expandedTo(text));
    fitted.moveCenter(box.center());
    return fitted;
}

} // namespace

void frmMain::createCategoryBar() {
    const QPixmap normal = Assets::pixmap(Assets::BarButtonNormal);
    const QPixmap hover = Assets::pixmap(Assets::BarButtonHover);
    const QPixmap selected = Assets::pixmap(Assets::BarButtonSelected);
    const QCursor hand = Assets::handCursor();
    for (int i = 0; i < ButtonCount; ++i) {
        const QRect button(Twips::toPixels(buttonPlace(i)),
                           QSize(Twips::toPixels(ButtonWidth), Twips::toPixels(ButtonHeight)));

        imgButtonON[i] = new SelectedBarPicture(selected, this);
        imgButtonON[i]->setObjectName(u"imgButtonON_%1"_s.arg(i));
        imgButtonON[i]->setGeometry(button);

        imgButtonOver[i] = new BarPicture(hover, this);
        imgButtonOver[i]->setObjectName(u"imgButtonOver_%1"_s.arg(i));
        imgButtonOver[i]->setGeometry(button);
        imgButtonOver[i]->setCursor(hand);
        connect(imgButtonOver[i], &BarControl::MouseDown, this, [this, i] { imgButtonOver_MouseDown(i); });

        imgButtonOFF[i] = new BarPicture(normal, this);
        imgButtonOFF[i]->setObjectName(u"imgButtonOFF_%1"_s.arg(i));
        imgButtonOFF[i]->setGeometry(button);
        imgButtonOFF[i]->setCursor(hand);
        imgButtonOFF[i]->setMouseTracking(true);
        connect(imgButtonOFF[i], &BarControl::MouseMove, this, [this, i] { imgButtonOFF_MouseMove(i); });

        lblCaption[i] = new BarCaption(CategoryTable::byIndex(i).caption, this);
        lblCaption[i]->setObjectName(u"lblCaption_%1"_s.arg(i));
        lblCaption[i]->setGeometry(captionGeometry(*lblCaption[i], CaptionBoxes[i]));
        lblCaption[i]->setCursor(hand);
        connect(lblCaption[i], &BarControl::MouseDown, this, [this, i] { lblCaption_MouseDown(i); });
    }
}

void frmMain::imgButtonOver_MouseDown(int Index) {
    SelectCategory(Index);
}

void frmMain::lblCaption_MouseDown(int Index) {
    SelectCategory(Index);
}

void frmMain::imgButtonOFF_MouseMove(int Index) {
    ResetButtonLooks();
    imgButtonOFF[Index]->setVisible(false);
}

void frmMain::Form_MouseMove(const MouseArgs&) {
    ResetButtonLooks();
}

void frmMain::ResetButtonLooks() {
    for (int i = 0; i < ButtonCount; ++i) {
        if (imgButtonON[i]->SelectedMark() == 0)
            imgButtonOFF[i]->setVisible(true);
    }
}

void frmMain::MarkSelectedButton(int Index) {
    if (!isButtonIndex(Index))
        return;
    for (BarPicture* hover : imgButtonOver)
        hover->setVisible(true);
    if (isButtonIndex(m_state.CurrentCategory))
        imgButtonON[m_state.CurrentCategory]->setSelectedMark(0);
    imgButtonON[Index]->setSelectedMark(1);
    imgButtonOFF[Index]->setVisible(false);
    imgButtonOver[Index]->setVisible(false);
}

void frmMain::SelectCategory(int Index) {
    if (!isButtonIndex(Index))
        return;
    // The page shown before is written back before anything of the window changes: when that fails, the window
    // stays exactly as it was, so nothing the user changed is dropped.
    if (!SaveShownList())
        return;
    HideCellEditors();
    Timer->stop();
    Browser->setVisible(false);
    fraRegister->setVisible(false);
    MarkSelectedButton(Index);
    const int emptiedRows = msgList->Rows() - 1;
    msgList->setRows(1);

    const Category& page = CategoryTable::byIndex(Index);
    if (page.hasFile()) {
        reportFailure(LoadCategoryList(m_state, msgList->listModel(), programFolder(), page.fileName));
        refillKinds(page.kinds);
    } else if (Index == CategoryTable::RegistrationPage) {
        showRegistrationPage();
    } else if (Index == CategoryTable::HelpPage) {
        Browser->Navigate(programFolder() + u"/ヘルプ.html"_s);
        Browser->setVisible(true);
    }
    m_state.CurrentCategory = Index;
    // The rows of a list leave their memory to the allocator, where the next list reuses it. What a much
    // smaller page leaves unused goes back to the system once the page is in place.
    if (emptiedRows - (msgList->Rows() - 1) >= LargeList)
        releaseFreedMemory();
}

void frmMain::refillKinds(const QStringList& kinds) {
    // Refilling the items is no change of the editor's text.
    const QSignalBlocker quiet(cboEdit);
    cboEdit->clear();
    cboEdit->addItems(kinds);
    cboEdit->setCurrentIndex(-1);
}

void frmMain::ShowRegistrationPanel() {
    MarkSelectedButton(CategoryTable::RegistrationPage);
    showRegistrationPage();
}

void frmMain::showRegistrationPage() {
    parkRegisterMessage();
    fraRegister->setVisible(true);
}
