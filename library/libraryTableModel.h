#ifndef QCM_LIBRARYTABLEMODEL_H
#define QCM_LIBRARYTABLEMODEL_H

#include "libraryFile.h"
#include "libraryValue.h"

#include <QAbstractTableModel>
#include <QVector>

// The entries of the library file shown in the dialog, as a table of thirteen
// columns: a check box with the order number, the texts, the simulation
// colour as the background of its cell, and the Name cell red while a search
// marks it.  Every cell is centred and carries its text as tool tip (the
// colour cell has neither).  Only the check boxes can be changed by the user.
// An entry that lacks what a Type needs (the readable part of a damaged
// file's last entry) is shown grey with "Incomplete" in its Info. cell.
class libraryTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column
    {
        OrderColumn,
        NameColumn,
        InfoColumn,
        ColorSpaceColumn,
        ValueColumn,
        ColorColumn,
        LightSourceColumn,
        ObserverColumn,
        IlluminationColumn,
        CaliberColumn,
        LightModeColumn,
        AverageColumn,
        TimeColumn,
        ColumnCount
    };

    explicit libraryTableModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Replaces every row; the boxes start unchecked, nothing is marked.
    void setEntries(const QVector<LibraryEntry> &entries);
    QVector<LibraryEntry> entries() const;
    const LibraryEntry &entry(int row) const { return m_rows.at(row).entry; }
    // The text a cell shows (none for the colour cell).
    QString cellText(int row, int column) const { return text(m_rows.at(row), column); }
    // The value text split once, when the row was made.
    const LibraryValue &parsedValue(int row) const { return m_rows.at(row).value; }
    // Whether the entry holds what a Type needs (libraryEntryComplete).
    bool isComplete(int row) const { return m_rows.at(row).complete; }
    void appendEntry(const LibraryEntry &entry);
    void removeEntry(int row);
    void clear();

    bool isChecked(int row) const { return m_rows.at(row).checked; }
    void setChecked(int row, bool checked);
    void setAllChecked(bool checked);

    // The row whose Name cell is red, -1 for none.
    int markedRow() const { return m_markedRow; }
    void setMarkedRow(int row);
    void setInfo(int row, const QString &info);

    // The column headers from the current translation.
    void retranslate();

private:
    struct Row
    {
        LibraryEntry entry;
        LibraryValue value;
        bool complete = true;
        bool checked = false;
    };
    static Row makeRow(const LibraryEntry &entry);
    static QString text(const Row &row, int column);
    void rowChanged(int row, int firstColumn, int lastColumn);

    QVector<Row> m_rows;
    int m_markedRow = -1;
};

#endif
