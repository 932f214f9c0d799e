#include "list_grid_model.h"

ListGridModel::ListGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void ListGridModel::setRows(int rows) {
    rows = std::max(rows, 1);
    const int current = Rows();
    m_modified = m_modified || rows != current;
    if (rows < current) {
        beginRemoveRows({}, rows - 1, current - 2);
        m_rows.resize(rows - 1);
        // A list emptied for the next page gives back the storage of its rows.
        if (m_rows.isEmpty())
            m_rows = {};
        forgetCellAlignmentsFrom(rows);
        endRemoveRows();
        if (m_row >= rows)
            setCurrentCell(rows - 1, m_col);
    } else if (rows > current) {
        beginInsertRows({}, current - 1, rows - 2);
        m_rows.resize(rows - 1);
        endInsertRows();
    }
}

void ListGridModel::setRow(int row) {
    if (isCell(row, m_col))
        setCurrentCell(row, m_col);
}

void ListGridModel::setCol(int col) {
    if (isCell(m_row, col))
        setCurrentCell(m_row, col);
}

void ListGridModel::setCurrentCell(int row, int col) {
    if (row == m_row && col == m_col)
        return;
    m_row = row;
    m_col = col;
    emit currentCellChanged(row, col);
}

QString ListGridModel::TextMatrix(int row, int col) const {
    if (!isCell(row, col))
        return {};
    return row == 0 ? m_header[col] : m_rows.at(row - 1)[col];
}

void ListGridModel::setTextMatrix(int row, int col, const QString& text) {
    if (!isCell(row, col))
        return;
    if (row == 0) {
        m_header[col] = text;
        emit headerDataChanged(Qt::Horizontal, col, col);
        return;
    }
    QString& field = m_rows[row - 1][col];
    m_modified = m_modified || field != text;
    field = text;
    const QModelIndex cell = index(row - 1, col);
    emit dataChanged(cell, cell, {Qt::DisplayRole, Qt::EditRole});
}

void ListGridModel::setColAlignment(int col, int alignment) {
    if (col < 0 || col >= ColumnCount)
        return;
    m_colAlignment[col] = alignment;
    emit headerDataChanged(Qt::Horizontal, col, col);
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, col), index(rowCount() - 1, col), {Qt::TextAlignmentRole});
}

void ListGridModel::setCellAlignment(int alignment) {
    m_cellAlignment[{m_row, m_col}] = alignment;
    if (m_row == 0) {
        emit headerDataChanged(Qt::Horizontal, m_col, m_col);
    } else {
        const QModelIndex cell = index(m_row - 1, m_col);
        emit dataChanged(cell, cell, {Qt::TextAlignmentRole});
    }
}

int ListGridModel::alignmentOf(int row, int col) const {
    const auto cell = m_cellAlignment.find({row, col});
    if (cell != m_cellAlignment.end())
        return cell->second;
    return col >= 0 && col < ColumnCount ? m_colAlignment[col] : AlignGeneral;
}

void ListGridModel::AddItem(const QString& text) {
    const int row = rowCount();
    beginInsertRows({}, row, row);
    m_rows.append(CatalogEntry{text, {}, {}, {}});
    endInsertRows();
    m_modified = true;
}

void ListGridModel::RemoveItem(int row) {
    if (row < 1 || row >= Rows())
        return;
    beginRemoveRows({}, row - 1, row - 1);
    m_rows.removeAt(row - 1);
    m_modified = true;
    // Alignments of single cells stay with their rows.
    std::map<std::pair<int, int>, int> shifted;
    for (const auto& [cell, alignment] : m_cellAlignment) {
        if (cell.first < row)
            shifted.emplace(cell, alignment);
        else if (cell.first > row)
            shifted.emplace(std::pair{cell.first - 1, cell.second}, alignment);
    }
    m_cellAlignment = std::move(shifted);
    endRemoveRows();
    if (m_row >= Rows())
        setCurrentCell(Rows() - 1, m_col);
}

void ListGridModel::appendEntries(QList<CatalogEntry> entries) {
    if (entries.isEmpty())
        return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(entries.size()) - 1);
    if (m_rows.isEmpty())
        m_rows = std::move(entries);
    else
        m_rows.append(std::move(entries));
    endInsertRows();
    m_modified = true;
}

void ListGridModel::forgetCellAlignmentsFrom(int row) {
    m_cellAlignment.erase(m_cellAlignment.lower_bound({row, 0}), m_cellAlignment.end());
}

int ListGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ListGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ListGridModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return m_rows.at(index.row())[index.column()];
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(toQtAlignment(alignmentOf(index.row() + 1, index.column())));
    default:
        return {};
    }
}

bool ListGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    setTextMatrix(index.row() + 1, index.column(), value.toString());
    return true;
}

QVariant ListGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_header[section];
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(toQtAlignment(alignmentOf(0, section)));
    default:
        return {};
    }
}

Qt::Alignment toQtAlignment(int alignment) {
    // Codes 0 to 8 are left, centre, right across, each at the top, middle or bottom.
    if (alignment < 0 || alignment > 8)
        return Qt::AlignLeft | Qt::AlignVCenter;
    static constexpr Qt::AlignmentFlag across[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    static constexpr Qt::AlignmentFlag down[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    return across[alignment / 3] | down[alignment % 3];
}
