#pragma once

#include "mouse_args.h"

#include <QStringList>
#include <QTableView>

class ListGridModel;

// The list: a grid view over ListGridModel with one fixed header row and uniform rows, so that it stays quick
// with tens of thousands of entries. The view's current index and the model's current cell follow each other;
// only a left press, a right release over a cell or the keyboard moves the current cell from the view. Measures
// are in twips.
class ListGrid final : public QTableView {
    Q_OBJECT

public:
    explicit ListGrid(QWidget* parent = nullptr);

    ListGridModel& listModel() const { return *m_model; }

    int Rows() const;
    void setRows(int rows);
    int Row() const;
    void setRow(int row);
    int Col() const;
    void setCol(int col);
    QString Text() const;
    void setText(const QString& text);

    // The current cell's rectangle, relative to the grid's top-left corner; it may lie outside the visible part.
    int CellLeft() const;
    int CellTop() const;
    int CellWidth() const;
    int CellHeight() const;

    // The grid's place in its window.
    int Left() const;
    int Top() const;

    int ColWidth(int col) const;
    void setColWidth(int col, int twips);
    void setColAlignment(int col, int alignment);
    void setCellAlignment(int alignment);

    void AddItem(const QString& text);
    void RemoveItem(int row);

    // Brings the row of index into view as the table does, but across only as far as the start of its cell: a
    // location wider than what the names leave of the list does not push them out of view.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

signals:
    // A left double click on an entry cell, after that cell became current.
    void DblClick();
    // A button released over the grid, its header row included; X and Y from the grid's top-left corner.
    void MouseUp(const MouseArgs& args);
    // The visible part of the table moved.
    void Scroll();
    // Something was dropped on the grid: the full paths of the files it carried, in the drop's order, or none
    // when it carried no list of files.
    void OLEDragDrop(const QStringList& files);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followModelCell();
    void showFirstColumnWhenEmptied();
    QRect currentCellRect() const;

    ListGridModel* m_model;
    // Set while a click or a key may move the current cell from the view.
    bool m_userMove = false;
    // Set while the view is being put on the model's current cell, or the model on the view's.
    bool m_followingModel = false;
    bool m_followingView = false;
};
