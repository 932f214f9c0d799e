#pragma once

#include "catalog_entry.h"

#include <QAbstractTableModel>
#include <QList>

#include <map>
#include <utility>

// The list's table of text cells. Row 0 is the fixed header row, rows 1 to Rows() - 1 hold the entries; four
// columns. One cell is current. Qt's views see the entry rows as the model's rows (entry row r is model row
// r - 1) and the header row as the horizontal header.
class ListGridModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int ColumnCount = CatalogEntry::FieldCount;
    // Alignment codes of a cell: 4 centres the text both ways; the default puts it at the left, centred
    // vertically.
    static constexpr int AlignCenterCenter = 4;
    static constexpr int AlignGeneral = 9;

    explicit ListGridModel(QObject* parent = nullptr);

    // Row count, header row included. Fewer rows drop entry rows from the end (1 keeps the header row alone,
    // with its texts and alignments, and makes it current); more rows append empty ones.
    int Rows() const { return static_cast<int>(m_rows.size()) + 1; }
    void setRows(int rows);

    // The current cell. Writing moves it and changes no text; a row or column outside the table is ignored.
    int Row() const { return m_row; }
    int Col() const { return m_col; }
    void setRow(int row);
    void setCol(int col);

    // Text of the current cell.
    QString Text() const { return TextMatrix(m_row, m_col); }
    void setText(const QString& text) { setTextMatrix(m_row, m_col, text); }

    // Text of any cell; an empty text outside the table.
    QString TextMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);

    // Alignment of every cell of a column, header included, and of the current cell alone.
    void setColAlignment(int col, int alignment);
    void setCellAlignment(int alignment);
    int alignmentOf(int row, int col) const;

    // Appends a row whose first cell holds text and the others are empty; the current cell stays.
    void AddItem(const QString& text);
    // Deletes an entry row; the rows below move up. The current cell stays on its row number, within the table.
    void RemoveItem(int row);

    // Whether the entry rows changed since the last clearModified: a cell given another text, a row added or
    // removed. The header row and the current cell are no part of it.
    bool isModified() const { return m_modified; }
    // Taken as the rows of the category file, as after a load or a write-back.
    void clearModified() { m_modified = false; }

    // The entry rows as a whole: the fast path of loading and writing back a category.
    const QList<CatalogEntry>& entries() const { return m_rows; }
    void appendEntries(QList<CatalogEntry> entries);
    const CatalogEntry& entry(int row) const { return m_rows.at(row - 1); }

    // QAbstractItemModel
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    void currentCellChanged(int row, int col);

private:
    bool isCell(int row, int col) const { return row >= 0 && row < Rows() && col >= 0 && col < ColumnCount; }
    void setCurrentCell(int row, int col);
    void forgetCellAlignmentsFrom(int row);

    CatalogEntry m_header;
    QList<CatalogEntry> m_rows;
    int m_row = 0;
    int m_col = 0;
    int m_colAlignment[ColumnCount] = {AlignGeneral, AlignGeneral, AlignGeneral, AlignGeneral};
    // Alignments set on single cells, by (row, column); few, in practice only on the header row.
    std::map<std::pair<int, int>, int> m_cellAlignment;
    bool m_modified = false;
};

// The Qt alignment that a cell alignment code stands for.
Qt::Alignment toQtAlignment(int alignment);
