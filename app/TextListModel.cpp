#include "TextListModel.h"

void TextListModel::SetRows(QStringList rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void TextListModel::UpdateRows(QStringList rows)
{
    if (rows != m_rows)
        SetRows(std::move(rows));
}

int TextListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant TextListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_rows.size())
        return {};
    return m_rows.at(index.row());
}
