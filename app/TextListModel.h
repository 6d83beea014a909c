// A list of texts, one per row: the satellite and transponder lists.
#pragma once

#include <QAbstractListModel>
#include <QStringList>

class TextListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // Replaces every row at once.
    void SetRows(QStringList rows);
    void Clear() { SetRows({}); }
    // The same, but rows equal to the ones shown are left as they are, so
    // the list keeps its layout (a long list's costs the most).
    void UpdateRows(QStringList rows);
    const QStringList& Rows() const { return m_rows; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    QStringList m_rows;
};
