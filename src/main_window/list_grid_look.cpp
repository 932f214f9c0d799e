#include "list_grid_look.h"

#include <QAbstractItemView>
#include <QPainter>

namespace {

// More characters than the widest cell can show: a field of any length is laid out only this far, and whatever
// lies beyond shows as the ellipsis.
constexpr qsizetype ShownLength = 4096;

} // namespace

void PlainCellDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    option->state &= ~(QStyle::State_HasFocus | QStyle::State_Selected | QStyle::State_MouseOver);
}

QString PlainCellDelegate::displayText(const QVariant& value, const QLocale& locale) const {
    QString text = value.toString();
    if (text.size() <= ShownLength)
        return QStyledItemDelegate::displayText(text, locale);
    const qsizetype cut = text.at(ShownLength - 1).isHighSurrogate() ? ShownLength - 1 : ShownLength;
    return QStyledItemDelegate::displayText(QString(text.left(cut) + QChar(0x2026)), locale);
}

void PlainCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
    if (!view || view->currentIndex() != index)
        return;
    painter->save();
    painter->setPen(QPen(ListGridColours::EntryText, 1, Qt::DotLine));
    painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

ListGridHeader::ListGridHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(false);
    setHighlightSections(false);
    setSectionResizeMode(QHeaderView::Fixed);
    QPalette black = palette();
    black.setColor(QPalette::Window, ListGridColours::EntryBack);
    black.setColor(QPalette::Base, ListGridColours::EntryBack);
    setPalette(black);
}

void ListGridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    painter->fillRect(rect, ListGridColours::HeaderBack);
    painter->setPen(ListGridColours::GridLines);
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    const auto alignment =
        model()->headerData(logicalIndex, orientation(), Qt::TextAlignmentRole).value<Qt::Alignment>();
    painter->setPen(ListGridColours::HeaderText);
    painter->drawText(rect.adjusted(2, 0, -3, -1), int(alignment),
                      model()->headerData(logicalIndex, orientation()).toString());
}
