#pragma once

#include <QColor>
#include <QHeaderView>
#include <QStyledItemDelegate>

// How the list is drawn: green text on black for the entries, a dotted frame around the current cell, and a
// light-green header row with black text and black lines.
namespace ListGridColours {
inline const QColor EntryText{0, 255, 0};
inline const QColor EntryBack{0, 0, 0};
inline const QColor HeaderText{0, 0, 0};
inline const QColor HeaderBack{192, 255, 192};
inline const QColor GridLines{0, 0, 0};
} // namespace ListGridColours

// Draws entry cells without the style's focus or selection marks; the current cell gets a dotted frame in the
// text colour, focus or not, so that the user sees which entry the popup's commands will act on.
class PlainCellDelegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // The cell's text, cut to what a cell can show, however long the field.
    QString displayText(const QVariant& value, const QLocale& locale) const override;

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
