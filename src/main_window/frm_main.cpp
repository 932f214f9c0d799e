#include "frm_main.h"

#include "bar_controls.h"
#include "browser_pane.h"
#include "category_store.h"
#include "category_table.h"
#include "default_font.h"
#include "list_grid.h"
#include "list_grid_model.h"
#include "message_box.h"
#include "module1.h"
#include "open_file_dialog.h"
#include "picture_box.h"
#include "popup_instance.h"
#include "program_folder.h"
#include "register_panel.h"
#include "shape_outline.h"
#include "text_box.h"
#include "twips.h"
#include "typed_combo_box.h"
#include "velmora_assets.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {

// The content area: the list, the browser pane and the registration panel share it.
constexpr QRect ContentArea = Twips::toPixels(480, 960, 9375, 5535);

template <typename Control> Control* named(Control* control, const QString& name) {
    control->setObjectName(name);
    return control;
}

} // namespace

frmMain::frmMain(Module1& state, const Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), msgList(named(new ListGrid(this), u"msgList"_s)),
      Browser(named(new BrowserPane(this), u"Browser"_s)),
      fraRegister(named(new RegisterPanel(this), u"fraRegister"_s)), cboEdit(named(new QComboBox(this), u"cboEdit"_s)),
      cboType(named(new QComboBox(this), u"cboType"_s)), txtEdit(named(new QLineEdit(this), u"txtEdit"_s)),
      picSwitch(named(new PictureBox(Assets::pixmap(Assets::SwitchImage), this), u"picSwitch"_s)),
      picLED(named(new PictureBox(Assets::pixmap(Assets::LedImage), this), u"picLED"_s)),
      Shape1(
          named(new ShapeOutline(Twips::toPixels(15, 15, 10275, 7125), 3, QColor(255, 255, 192), this), u"Shape1"_s)),
      Timer(named(new QTimer(this), u"Timer"_s)),
      Dialog(named(new OpenFileDialog(*services.dialog, this), u"Dialog"_s)), m_state(state), m_services(services),
      m_popUp(new PopupInstance(this)), m_skin(Assets::pixmap(Assets::MainSkin)) {
    setWindowTitle(QString::fromLatin1(ProgramTitle));
    setWindowIcon(QIcon(Assets::pixmap(Assets::AppIcon)));
    setFont(DefaultFont());
    setFixedSize(Twips::toPixels(10305), Twips::toPixels(7155));
    setMouseTracking(true);

    setUpContentArea();
    setUpCellEditors();
    connectListActions();
    setUpSwitchAndLamp();
    Timer->setInterval(100);
    createCategoryBar();
    connectRegistrationPanel();
    arrangeStackingOrder();
    // Each control answers the mouse over its own box; nothing it leaves unhandled reaches the background.
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        control->setAttribute(Qt::WA_NoMousePropagation);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    Form_Load();
}

void frmMain::setUpContentArea() {
    msgList->setGeometry(ContentArea);
    Browser->setGeometry(ContentArea);
    // The pane fills its whole box, so the list it covers is not painted beneath it.
    Browser->setAutoFillBackground(true);
    fraRegister->setGeometry(ContentArea);
    msgList->setFocus();
}

void frmMain::setUpCellEditors() {
    txtEdit->setGeometry(Twips::toPixels(4680, 6720, 1455, 270));
    txtEdit->setFrame(false);
    takeAnyLength(txtEdit);
    // Only the list takes drops; a file dropped on an editor is no text for it.
    txtEdit->setAcceptDrops(false);
    txtEdit->setText(u"txtEdit"_s);
    cboEdit->setGeometry(Twips::toPixels(1320, 6600, 1215, 300));
    makeTypedComboBox(cboEdit);
    cboEdit->setEditText(u"cboEdit"_s);
    cboType->setGeometry(Twips::toPixels(2640, 6600, 1335, 300));
    makeTypedComboBox(cboType);
    cboType->addItems(EntryTypes());
    cboType->setEditText(EntryTypes().constFirst());
    for (QWidget* editor : std::initializer_list<QWidget*>{txtEdit, cboEdit, cboType}) {
        editor->installEventFilter(this);
        QPalette colours = editor->palette();
        colours.setColor(QPalette::Base, QColor(64, 64, 64));
        colours.setColor(QPalette::Text, QColor(255, 128, 0));
        editor->setPalette(colours);
        editor->hide();
    }
    setTabOrder(msgList, txtEdit);
    setTabOrder(txtEdit, cboEdit);
    setTabOrder(cboEdit, cboType);
}

void frmMain::setUpSwitchAndLamp() {
    picSwitch->setGeometry(Twips::toPixels(9360, 6720, 615, 240));
    picLED->setGeometry(Twips::toPixels(9000, 6770, 255, 135));
    picLED->setBackColor(QColor(255, 0, 0));
    connect(picSwitch, &PictureBox::MouseDown, this, &frmMain::picSwitch_MouseDown);
    connect(picSwitch, &PictureBox::MouseUp, this, &frmMain::picSwitch_MouseUp);
    connect(picSwitch, &PictureBox::Click, this, &frmMain::picSwitch_Click);
    connect(picLED, &PictureBox::MouseDown, this, &frmMain::picLED_MouseDown);
}

void frmMain::arrangeStackingOrder() {
    // Bottom first: the shape, the bar, then the controls that are windows of their own.
    Shape1->raise();
    for (int i = 0; i < ButtonCount; ++i) {
        imgButtonON[i]->raise();
        imgButtonOver[i]->raise();
        imgButtonOFF[i]->raise();
        lblCaption[i]->raise();
    }
    for (QWidget* control :
         std::initializer_list<QWidget*>{picLED, picSwitch, msgList, Browser, fraRegister, cboEdit, cboType, txtEdit})
        control->raise();
}

QString frmMain::programFolder() const {
    return m_services.folder->path();
}

bool frmMain::reportFailure(const StoreResult& result) {
    if (!result.message.isEmpty())
        m_services.messages->MsgBox(result.message);
    return result.failed();
}

bool frmMain::SaveShownList() {
    return !reportFailure(SaveCurrentList(m_state, msgList->listModel(), programFolder()));
}

void frmMain::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(0, 0, m_skin);
}

void frmMain::Form_Load() {
    static const char16_t* const headers[] = {u"ソフト名", u"種　　類", u"種　　別", u"場　　所"};
    static constexpr int widths[] = {2000, 1500, 1500, 5000};
    msgList->setRow(0);
    for (int col = 0; col < 4; ++col) {
        msgList->setCol(col);
        msgList->setText(QString::fromUtf16(headers[col]));
        msgList->setColWidth(col, widths[col]);
        // The outer columns centre only their header cell, the inner two the whole column.
        if (col == 0 || col == 3)
            msgList->setCellAlignment(ListGridModel::AlignCenterCenter);
        else
            msgList->setColAlignment(col, ListGridModel::AlignCenterCenter);
    }
    Browser->Navigate(programFolder() + u"/welcome.html"_s);
}

void frmMain::HideCellEditors() {
    txtEdit->setVisible(false);
    cboEdit->setVisible(false);
    cboType->setVisible(false);
}

void frmMain::Form_LostFocus() {
    HideCellEditors();
}

void frmMain::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    Form_LostFocus();
}

void frmMain::Form_MouseDown(const MouseArgs& args) {
    HideCellEditors();
    if (args.Button == 1)
        moveWindowWithPointer(args.screenPos);
}

void frmMain::moveWindowWithPointer(const QPoint& screenPos) {
    if (windowHandle() && windowHandle()->startSystemMove())
        return;
    // No move of the window system's own: the window follows the pointer until the button comes up.
    m_dragOffset = screenPos - pos();
}

void frmMain::mousePressEvent(QMouseEvent* event) {
    Form_MouseDown(toMouseArgs(event, this));
}

void frmMain::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragOffset && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - *m_dragOffset);
    Form_MouseMove(toMouseArgs(event, this));
}

void frmMain::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_dragOffset.reset();
}

void frmMain::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click is no new MouseDown.
    event->accept();
}

void frmMain::picLED_MouseDown() {
    HideCellEditors();
}

void frmMain::picSwitch_MouseDown() {
    picSwitch->setAppearance(PictureBox::ThreeD);
}

void frmMain::picSwitch_MouseUp() {
    picSwitch->setAppearance(PictureBox::Flat);
}

void frmMain::picSwitch_Click() {
    Timer->stop();
    close();
}

void frmMain::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void frmMain::Form_Unload() {
    if (m_unloaded)
        return;
    m_unloaded = true;
    SaveShownList();
    // exit, not quit: the popup goes with the program without being asked to close. Without a running event
    // loop there is no program to end, and exit would only make the next loop return at once.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}
