#include "list_grid.h"

#include "list_grid_look.h"
#include "list_grid_model.h"
#include "twips.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QUrl>

namespace {
// The grid's row height for its font, the header row's too.
constexpr int RowHeight = Twips::toPixels(240);
} // namespace

ListGrid::ListGrid(QWidget* parent) : QTableView(parent), m_model(new ListGridModel(this)) {
    setHorizontalHeader(new ListGridHeader(this));
    setModel(m_model);
    setItemDelegate(new PlainCellDelegate(this));

    horizontalHeader()->setFixedHeight(RowHeight);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(RowHeight);
    verticalHeader()->setDefaultSectionSize(RowHeight);
    setShowGrid(false); // the lines are the colour of the cells' background
    setWordWrap(false);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);

    QPalette colours = palette();
    colours.setColor(QPalette::Base, ListGridColours::EntryBack);
    colours.setColor(QPalette::Window, ListGridColours::EntryBack);
    colours.setColor(QPalette::Text, ListGridColours::EntryText);
    colours.setColor(QPalette::Highlight, ListGridColours::EntryBack);
    colours.setColor(QPalette::HighlightedText, ListGridColours::EntryText);
    setPalette(colours);

    horizontalHeader()->viewport()->installEventFilter(this);
    connect(m_model, &ListGridModel::currentCellChanged, this, &ListGrid::followModelCell);
    // Removed rows may take the view's current index with them; the model keeps its own.
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &ListGrid::followModelCell);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &ListGrid::showFirstColumnWhenEmptied);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &ListGrid::Scroll);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &ListGrid::Scroll);
}

int ListGrid::Rows() const {
    return m_model->Rows();
}
void ListGrid::setRows(int rows) {
    m_model->setRows(rows);
}
int ListGrid::Row() const {
    return m_model->Row();
}
void ListGrid::setRow(int row) {
    m_model->setRow(row);
}
int ListGrid::Col() const {
    return m_model->Col();
}
void ListGrid::setCol(int col) {
    m_model->setCol(col);
}
QString ListGrid::Text() const {
    return m_model->Text();
}
void ListGrid::setText(const QString& text) {
    m_model->setText(text);
}

QRect ListGrid::currentCellRect() const {
    const int col = Col();
    const int x = viewport()->x() + columnViewportPosition(col);
    if (Row() == 0)
        return QRect(x, horizontalHeader()->y(), columnWidth(col), horizontalHeader()->height());
    return QRect(x, viewport()->y() + rowViewportPosition(Row() - 1), columnWidth(col), rowHeight(Row() - 1));
}

int ListGrid::CellLeft() const {
    return Twips::fromPixels(currentCellRect().x());
}
int ListGrid::CellTop() const {
    return Twips::fromPixels(currentCellRect().y());
}
int ListGrid::CellWidth() const {
    return Twips::fromPixels(currentCellRect().width());
}
int ListGrid::CellHeight() const {
    return Twips::fromPixels(currentCellRect().height());
}
int ListGrid::Left() const {
    return Twips::fromPixels(x());
}
int ListGrid::Top() const {
    return Twips::fromPixels(y());
}

int ListGrid::ColWidth(int col) const {
    return Twips::fromPixels(columnWidth(col));
}
void ListGrid::setColWidth(int col, int twips) {
    setColumnWidth(col, Twips::toPixels(twips));
}
void ListGrid::setColAlignment(int col, int alignment) {
    m_model->setColAlignment(col, alignment);
}
void ListGrid::setCellAlignment(int alignment) {
    m_model->setCellAlignment(alignment);
}

void ListGrid::AddItem(const QString& text) {
    m_model->AddItem(text);
}
void ListGrid::RemoveItem(int row) {
    m_model->RemoveItem(row);
}

void ListGrid::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (!index.isValid())
        return;
    QScrollBar* across = horizontalScrollBar();
    const int start = columnViewportPosition(index.column());
    const int visible = viewport()->width();
    int wanted = across->value();
    if (start < 0)
        wanted += start;
    else if (start >= visible)
        wanted += start - visible + std::min(columnWidth(index.column()), visible);
    {
        // The table would bring the whole cell into view: its move across is undone before anyone sees it.
        const QSignalBlocker quiet(across);
        const int before = across->value();
        QTableView::scrollTo(index, hint);
        across->setValue(before);
    }
    across->setValue(wanted);
}

void ListGrid::showFirstColumnWhenEmptied() {
    // A list emptied to its header row, as for the next page, starts again from its first column.
    if (m_model->rowCount() == 0)
        horizontalScrollBar()->setValue(0);
}

void ListGrid::followModelCell() {
    if (m_followingView)
        return;
    QScopedValueRollback following(m_followingModel, true);
    const QModelIndex cell = Row() > 0 ? m_model->index(Row() - 1, Col()) : QModelIndex();
    if (selectionModel()->currentIndex() != cell)
        selectionModel()->setCurrentIndex(cell, QItemSelectionModel::NoUpdate);
}

void ListGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    // Only the user's own moves bring the cell into view; the program's leave the visible part where it is.
    const bool byUser = m_userMove && !m_followingModel;
    const bool autoScroll = hasAutoScroll();
    setAutoScroll(autoScroll && byUser);
    QTableView::currentChanged(current, previous);
    setAutoScroll(autoScroll);
    if (byUser && current.isValid()) {
        QScopedValueRollback following(m_followingView, true);
        m_model->setRow(current.row() + 1);
        m_model->setCol(current.column());
    }
}

void ListGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QScopedValueRollback moving(m_userMove, true);
    QTableView::mousePressEvent(event);
}

void ListGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        QTableView::mouseReleaseEvent(event);
    // The popup that a right click opens acts on the current cell: it is the entry under the pointer, as after a
    // left click. Below the last row the current cell stays.
    if (event->button() == Qt::RightButton) {
        if (const QModelIndex cell = indexAt(event->position().toPoint()); cell.isValid()) {
            QScopedValueRollback moving(m_userMove, true);
            selectionModel()->setCurrentIndex(cell, QItemSelectionModel::NoUpdate);
        }
    }
    event->accept();
    emit MouseUp(toMouseArgs(event, viewport(), this));
}

void ListGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    {
        QScopedValueRollback moving(m_userMove, true);
        QTableView::mouseDoubleClickEvent(event);
    }
    if (indexAt(event->position().toPoint()).isValid())
        emit DblClick();
}

void ListGrid::keyPressEvent(QKeyEvent* event) {
    QScopedValueRollback moving(m_userMove, true);
    QTableView::keyPressEvent(event);
}

void ListGrid::focusInEvent(QFocusEvent* event) {
    // Qt puts a view without a current index on its first cell when it takes the focus; the grid's current
    // cell stays where it was.
    QTableView::focusInEvent(event);
    followModelCell();
}

bool ListGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == horizontalHeader()->viewport() && event->type() == QEvent::MouseButtonRelease)
        emit MouseUp(toMouseArgs(static_cast<QMouseEvent*>(event), horizontalHeader()->viewport(), this));
    return QTableView::eventFilter(watched, event);
}

// Every drop is taken; it only hands over paths, so the source keeps its files.
void ListGrid::dragEnterEvent(QDragEnterEvent* event) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void ListGrid::dragMoveEvent(QDragMoveEvent* event) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void ListGrid::dropEvent(QDropEvent* event) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
    QStringList files;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            files.append(url.toLocalFile());
    }
    emit OLEDragDrop(files);
}
