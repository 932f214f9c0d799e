#include "list_grid_look.h"

#include <QPainter>

void PlainCellDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    option->state &= ~(QStyle::State_HasFocus | QStyle::State_Selected | QStyle::State_MouseOver);
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
