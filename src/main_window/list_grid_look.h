#pragma once

#include <QColor>
#include <QHeaderView>
#include <QStyledItemDelegate>

// How the list is drawn: green text on black for the entries, the current cell looking like every other, and a
// light-green header row with black text and black lines.
namespace ListGridColours {
inline const QColor EntryText{0, 255, 0};
inline const QColor EntryBack{0, 0, 0};
inline const QColor HeaderText{0, 0, 0};
inline const QColor HeaderBack{192, 255, 192};
inline const QColor GridLines{0, 0, 0};
} // namespace ListGridColours

// Draws entry cells without a focus or selection mark.
class PlainCellDelegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

// The fixed header row.
class ListGridHeader final : public QHeaderView {
    Q_OBJECT

public:
    explicit ListGridHeader(QWidget* parent = nullptr);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};
