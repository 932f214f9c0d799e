#include "register_panel.h"

#include "category_table.h"
#include "image_control.h"
#include "skin_label.h"
#include "text_box.h"
#include "twips.h"
#include "typed_combo_box.h"
#include "velmora_assets.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const QColor LabelColor(0, 255, 255);
const QColor InputColor(0, 255, 0);
const QColor MessageColor(255, 128, 0);

// The font of the panel's labels and text boxes; the design family is mapped as the default font's is.
QFont labelFont() {
    QFont font(u"ＭＳ Ｐゴシック"_s);
    font.setPointSizeF(11.25);
    font.setWeight(QFont::Normal);
    return font;
}

template <typename Control>
Control* placed(Control* control, const QString& name, int left, int top, int width, int height) {
    control->setObjectName(name);
    control->setGeometry(Twips::toPixels(left, top, width, height));
    return control;
}

SkinLabel* label(const QString& name, const QString& caption, const QColor& color, int left, int top, QWidget* panel) {
    auto* control = new SkinLabel(caption, panel);
    control->setObjectName(name);
    control->move(Twips::toPixels(QPoint(left, top)));
    control->setFont(labelFont());
    QPalette colours = control->palette();
    colours.setColor(QPalette::ButtonText, color);
    control->setPalette(colours);
    return control;
}

// Green text on black; frame gives the colour of the frame that the style draws from the window colour.
QPalette inputColours(QPalette colours, const QColor& frame) {
    for (const QPalette::ColorRole back : {QPalette::Base, QPalette::Button})
        colours.setColor(back, Qt::black);
    colours.setColor(QPalette::Window, frame);
    for (const QPalette::ColorRole text : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        colours.setColor(text, InputColor);
    return colours;
}

// The input look, in a grey frame that stays visible on the black panel.
template <typename Input> Input* inputLook(Input* input) {
    input->setPalette(inputColours(input->palette(), QColor(160, 160, 160)));
    // A dropped file is no text for any of the panel's boxes.
    input->setAcceptDrops(false);
    return input;
}

QStringList categoryCaptions() {
    QStringList captions;
    for (int i = 0; i < CategoryTable::Count; ++i) {
        if (CategoryTable::isCategory(i))
            captions.append(CategoryTable::byIndex(i).caption);
    }
    return captions;
}

} // namespace

RegisterPanel::RegisterPanel(QWidget* parent)
    : QFrame(parent), lblItamize(label(u"lblItamize"_s, u"項　　目"_s, LabelColor, 2400, 600, this)),
      cboItamize(placed(inputLook(new QComboBox(this)), u"cboItamize"_s, 3960, 600, 3015, 300)),
      lblSoftName(label(u"lblSoftName"_s, u"ソフト名"_s, LabelColor, 2400, 1200, this)),
      txtSoftName(placed(inputLook(new QLineEdit(this)), u"txtSoftName"_s, 3960, 1200, 3015, 330)),
      lblSoftKind(label(u"lblSoftKind"_s, u"種　　類"_s, LabelColor, 2400, 1920, this)),
      cboREdit(placed(inputLook(new QComboBox(this)), u"cboREdit"_s, 3960, 1920, 3015, 300)),
      lblSoftType(label(u"lblSoftType"_s, u"種　　別"_s, LabelColor, 2400, 2640, this)),
      cboRType(placed(inputLook(new QComboBox(this)), u"cboRType"_s, 3960, 2640, 3015, 300)),
      lblSoftLocation(label(u"lblSoftLocation"_s, u"場　　所"_s, LabelColor, 2400, 3360, this)),
      txtSoftLocation(placed(inputLook(new QLineEdit(this)), u"txtSoftLocation"_s, 3960, 3360, 2775, 330)),
      cmdOpen(placed(new QPushButton(u"...."_s, this), u"cmdOpen"_s, 6720, 3360, 330, 350)),
      imgOK(placed(new ImageControl(Assets::pixmap(Assets::OkButtonNormal), this), u"imgOK"_s, 4200, 4080, 900, 900)),
      imgOKover(
          placed(new ImageControl(Assets::pixmap(Assets::OkButtonHover), this), u"imgOKover"_s, 4200, 4080, 900, 900)),
      lblRegister(label(u"lblRegister"_s, u"lblRegister"_s, MessageColor, 7920, 5040, this)) {
    // Hidden first, so that its labels are measured only when the panel first shows.
    hide();
    for (SkinLabel* caption : {lblItamize, lblSoftName, lblSoftKind, lblSoftType, lblSoftLocation, lblRegister})
        caption->setAutoSize(true);
    // Only the background is black: the button keeps the platform's own look.
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::black);
    setPalette(colours);
    setFrameShape(QFrame::NoFrame);
    setMouseTracking(true);
    m_registerLeft = 7920;

    cboItamize->addItems(categoryCaptions());
    cboItamize->setCurrentIndex(-1);
    // A box that takes no typing opens its list in the menu colours of the style; it keeps the input look.
    cboItamize->view()->setPalette(inputColours(cboItamize->view()->palette(), Qt::black));
    makeTypedComboBox(cboREdit);
    makeTypedComboBox(cboRType);
    cboRType->addItems(EntryTypes());
    cboRType->setEditText(EntryTypes().constFirst());
    for (QLineEdit* box : {txtSoftName, txtSoftLocation}) {
        box->setFont(labelFont());
        takeAnyLength(box);
    }

    imgOK->setMouseTracking(true);
    imgOKover->hide();

    setTabOrder(txtSoftName, cboItamize);
    setTabOrder(cboItamize, txtSoftLocation);
    setTabOrder(txtSoftLocation, cmdOpen);
    setTabOrder(cmdOpen, cboREdit);
    setTabOrder(cboREdit, cboRType);
}

void RegisterPanel::setRegisterLeft(float twips) {
    m_registerLeft = twips;
    lblRegister->move(static_cast<int>(std::floor(twips / Twips::PerPixel)), lblRegister->y());
}

void RegisterPanel::mouseMoveEvent(QMouseEvent* event) {
    // The controls pass on the moves they do not take; only those over bare background count.
    if (!childAt(event->position().toPoint()))
        emit MouseMove();
}
