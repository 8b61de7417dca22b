#ifndef QCM_HISTORYTABLEMODEL_H
#define QCM_HISTORYTABLEMODEL_H

#include "historyStore.h"

#include <QAbstractTableModel>
#include <QVector>

// One page of the history's answer, as the history window shows it: the
// records of the page and nothing more, so that a result of millions costs
// no more than its page.  Times are shown in the zone of the station that
// recorded them, as its operator saw them.
class historyTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column
    {
        timeColumn,
        kindColumn,
        nameColumn,
        typeColumn,
        value1Column,
        value2Column,
        value3Column,
        colorSpaceColumn,
        differenceColumn,
        verdictColumn,
        stationColumn,
        operatorColumn,
        instrumentColumn,
        originColumn,
        fileColumn,
        columnTotal
    };

    explicit historyTableModel(QObject *parent = nullptr);

    void setRows(const QVector<historyStore::Row> &rows);
    const QVector<historyStore::Row> &rows() const { return m_rows; }
    const historyStore::Row &row(int index) const { return m_rows.at(index); }

    // "yyyy-MM-dd hh:mm:ss" in the station's zone (UTC when it is unknown).
    static QString stationTime(const HistoryRecord &record);
    // The name the item has now; a renamed one says what it was entered as.
    static QString shownName(const historyStore::Row &row);
    // Translated texts of the stored words.
    static QString kindWord(history::Kind kind);
    static QString originWord(history::Origin origin);
    static QString verdictWord(const QString &verdict);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The headers in the current translation (a language switch).
    void retranslate();

private:
    QString text(const historyStore::Row &row, int column) const;

    QVector<historyStore::Row> m_rows;
};

#endif
