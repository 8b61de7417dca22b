#ifndef QCM_MEASUREMENTTREERK_H
#define QCM_MEASUREMENTTREERK_H

#include "historyRecord.h"
#include "itemColumns.h"
#include "judgement.h"
#include "measuringConditions.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QVector>

#include <array>
#include <optional>

class QTreeWidget;
class QTreeWidgetItem;
namespace journal {
struct TypeState;
}

// The measurement tree: three fixed top-level branches (instrument
// information, software information, the measurement root) and, under the
// root, the Types with their Samples.  This class sets the tree up and keeps
// its fixed labels; it does not own the widget.
class measurementTreeRk : public QObject
{
    Q_OBJECT
public:
    // Children of "Instrument Info.", in order.
    enum InstrumentRow
    {
        instrumentModelRow,
        wavelengthRangeRow,
        instrumentLightRow,
        instrumentObserverRow,
        instrumentIlluminationRow,
        instrumentCaliberRow,
        instrumentLightModeRow,
        instrumentColorSpaceRow,
        instrumentFormulaRow,
        typeCapacityRow,
        sampleCapacityRow,
        instrumentRowCount
    };
    // Children of "Software Info." / "Measuring Parameters", in order.
    enum ParameterRow
    {
        parameterLightRow,
        parameterObserverRow,
        parameterIlluminationRow,
        parameterCaliberRow,
        parameterLightModeRow,
        parameterColorSpaceRow,
        parameterFormulaRow,
        parameterAverageRow,
        parameterRowCount
    };
    // Children of "Software Info." / "Print Info.", in order.
    enum PrintRow
    {
        printNameRow,
        printCompanyRow,
        printTimeRow,
        printDepartmentRow,
        printPersonRow,
        printProductRow,
        printRowCount
    };
    enum
    {
        toleranceRowCount = 4
    };

    explicit measurementTreeRk(QTreeWidget *tree, QObject *parent = nullptr);

    QTreeWidget *tree() const { return m_tree; }
    QTreeWidgetItem *instrumentInfoItem() const { return m_instrumentInfo; }
    QTreeWidgetItem *softwareInfoItem() const { return m_softwareInfo; }
    QTreeWidgetItem *measurementRoot() const { return m_root; }
    QTreeWidgetItem *measuringParametersItem() const { return m_parameters; }
    QTreeWidgetItem *currentToleranceItem() const { return m_tolerance; }
    QTreeWidgetItem *printInfoItem() const { return m_printInfo; }

    QTreeWidgetItem *instrumentRow(int row) const;
    QTreeWidgetItem *parameterRow(int row) const;
    QTreeWidgetItem *toleranceRow(int row) const;
    QTreeWidgetItem *printRow(int row) const;

    // Value column of an information row: text and tool tip together.
    void setRowValue(QTreeWidgetItem *row, const QString &value);

    // Empties the value column of every "Instrument Info." and
    // "Measuring Parameters" row.
    void clearInstrumentAndParameterValues();

    // Sets every fixed label again from the current translation; the root
    // reads "Measuring Name:" followed by `measurementName`.
    void retranslate(const QString &measurementName);

    // --- The information rows and the root ----------------------------------
    // The one place the root's text is made: "Measuring Name:" in the current
    // translation followed by the name, also as tool tip; the print row shows
    // the name in brackets.
    void setMeasurementName(const QString &measurementName);
    // The translation of "Measuring Name:" in effect.
    static QString rootPrefix();
    // The eleven "Instrument Info." values in row order.
    void showInstrumentValues(const QStringList &values);
    // "Measuring Parameters": the conditions of the next measurement.
    void showParameters(const MeasuringConditions &conditions);
    // "Current Tolerance": the four rows "△E≤x", "-x≤△L≤y", ...
    void showTolerance(const Tolerance &tolerance);
    // "Print Info.": the six texts, each in brackets.
    void showPrintTexts(const QStringList &sixTexts);

    // Widens the name column to the widest name shown, and the tree with it
    // (up to a cap): the fixed labels, the root, every Type and Sample.
    void fitNameColumn();

    // The selected Types and Samples, from the last Type to the first and,
    // under each Type, after it its Samples from the last to the first.
    QList<QTreeWidgetItem *> selectedItemsLastFirst() const;

    // --- Types and Samples -------------------------------------------------
    bool isType(const QTreeWidgetItem *item) const;
    bool isSample(const QTreeWidgetItem *item) const;
    // The Type an item belongs to: itself for a Type, its parent for a
    // Sample, none otherwise.
    QTreeWidgetItem *typeOf(QTreeWidgetItem *item) const;
    int typeCount() const;
    QTreeWidgetItem *type(int index) const;
    QTreeWidgetItem *lastType() const;
    // Types plus Samples.
    int itemCount() const;

    // "Type T001", "Sample S012", ... in the current translation.
    static QString typeName(int number);
    static QString sampleName(int number);
    // The number text after "Type T" / "Sample S" of the last sibling the new
    // item would follow, or "FALSE".
    QString lastItemNumber(QTreeWidgetItem *item) const;
    // The number of the next item among those siblings: from the last
    // sibling's number (or the count of siblings when that one has another
    // name), moved on past numbers whose automatic name a sibling already has.
    int nextItemNumber(QTreeWidgetItem *item) const;

    // A finished item: column 0 `name`, the swatch from `values` taken as
    // L*, a*, b*, columns 2 to 4 the values in general format, columns 5 to
    // 15 from `columns5to15` (11 texts; missing ones stay empty).
    QTreeWidgetItem *addTypeItem(float v1, float v2, float v3, const QString &name,
                                 const QStringList &columns5to15);
    QTreeWidgetItem *addSampleItem(float v1, float v2, float v3, QTreeWidgetItem *parentType,
                                   const QString &name, const QStringList &columns5to15);
    // The same with the coordinate texts given as they are to be shown;
    // `L`, `a`, `b` are the reading as the instrument gave it (kept with the
    // item, see rawLab) unless `reading` is false.
    QTreeWidgetItem *createItem(QTreeWidgetItem *parent, const QString &name, float L, float a,
                                float b, const QStringList &valueTexts,
                                const QStringList &columns5to15, bool reading = true);

    // --- How items enter (the measurement history) ---------------------------
    // How the Types and Samples added now come into the tree: Measured
    // unless a command says otherwise for as long as an originScope of its
    // lives; none for items that are no new readings (a file loaded, a
    // journal restored), which the history leaves out.
    std::optional<history::Origin> entryOrigin() const { return m_entryOrigin; }
    class originScope
    {
    public:
        originScope(measurementTreeRk *tree, std::optional<history::Origin> origin);
        ~originScope();
        originScope(const originScope &) = delete;
        originScope &operator=(const originScope &) = delete;

    private:
        measurementTreeRk *m_tree;
        std::optional<history::Origin> m_previous;
    };
    // The L*a*b* an item was made from, where it is known: a reading, an
    // upload, an average of readings (once complete), L*a*b* typed in,
    // launched or imported.  Kept in the item's data, never in its texts.
    static void setRawLab(QTreeWidgetItem *item, float L, float a, float b);
    // Data of the program's own that no view shows, set without announcing
    // a change: no check mark moves, the measurement is not modified and the
    // journal has nothing to write.
    static void setQuietData(QTreeWidgetItem *item, int role, const QVariant &value);
    static bool rawLab(const QTreeWidgetItem *item, double *L, double *a, double *b);

    // A Type and its Samples read from a file, added in one go.  `type` and
    // `samples` hold columns 0 and 2 to 15; the swatch comes from columns 2
    // to 4 read as L*, a*, b*.
    QTreeWidgetItem *addLoadedType(const std::array<QString, 16> &type,
                                   const QVector<std::array<QString, 16>> &samples);
    // A Type and its Samples exactly as they were: texts, swatches and check
    // marks (a measurement rebuilt from the journal).
    QTreeWidgetItem *addRestoredType(const journal::TypeState &type);
    // Column texts 0 and 2 to 15 of an item.
    static std::array<QString, 16> columnTexts(const QTreeWidgetItem *item);

    // Removes and deletes a Type or Sample; the check marks of its Type
    // are brought up to date.
    void deleteItem(QTreeWidgetItem *item);
    // Removes and deletes some Samples of one Type, each announced before it
    // goes; the Type's check mark is brought up to date once, at the end.
    void deleteSamples(QTreeWidgetItem *typeItem, const QList<QTreeWidgetItem *> &samples);
    // Removes every Type and Sample.
    void clearItems();

    // A copy of a Type or Sample under `parent` (the root for a new Type, a
    // Type for a new Sample), named `name`: the coordinates read back as
    // numbers and written in general format, the swatch and columns 5 to 15
    // as the source has them.  A new Type becomes current; none when
    // `parent` is neither the root nor a Type.
    QTreeWidgetItem *copyItem(const QTreeWidgetItem *source, QTreeWidgetItem *parent,
                              const QString &name);

    // Check-mark propagation, run on every change of an item's data.
    void propagateCheckState(QTreeWidgetItem *item);
    // While on, a new text of the root leaves the check marks as they are:
    // a measurement renamed in the print information keeps what is marked
    // for printing (the rename command still unchecks everything).
    void setRootTextKeepsMarks(bool keep) { m_rootTextKeepsMarks = keep; }
    // Sets a Type's state from its children's states.
    void refreshTypeCheckState(QTreeWidgetItem *typeItem);
    // Checks every unchecked Sample of `typeItem` and unchecks every checked
    // one, then sets the Type's mark once from the count: one pass however
    // many Samples (each change counted on its own would count all its
    // siblings again).
    void invertSampleMarks(QTreeWidgetItem *typeItem);

signals:
    // A Type (with its Samples) or a Sample is about to be deleted; holders
    // of item pointers drop theirs.  `clearItems` sends it with the root.
    void itemAboutToBeRemoved(QTreeWidgetItem *item);
    // The check marks of a Type and its Samples are about to change, or have
    // changed, all at once (select all, invert, a Type's own mark).  Between
    // the two only marks change under that Type; a watcher may take them as
    // one change rather than thousands.  Pairs may nest.
    void marksAboutToChange(QTreeWidgetItem *typeItem);
    void marksChanged(QTreeWidgetItem *typeItem);

private:
    // Sends marksAboutToChange now and marksChanged when it goes.
    class MarkBatch
    {
    public:
        MarkBatch(measurementTreeRk *tree, QTreeWidgetItem *typeItem);
        ~MarkBatch();
        MarkBatch(const MarkBatch &) = delete;
        MarkBatch &operator=(const MarkBatch &) = delete;

    private:
        measurementTreeRk *m_tree;
        QTreeWidgetItem *m_type;
    };

    QTreeWidgetItem *addInfoItem(QTreeWidgetItem *parent);
    // The name column's width that shows `item`'s name whole.
    int nameWidthOf(const QTreeWidgetItem *item) const;
    void widenNameColumn(int width);
    // The values of the information rows stand in the swatch column, which
    // grows to the widest of them.
    void widenValueColumn(const QTreeWidgetItem *row);
    // The tree asks for the room its two columns need, up to a cap.
    void fitMinimumWidth();
    void itemsInserted(const QModelIndex &parent, int first, int last);
    // Whose children an item named from `item` joins (see lastItemNumber).
    QTreeWidgetItem *siblingsParent(QTreeWidgetItem *item) const;
    // Unchecks every Type and every Sample.
    void uncheckAllItems();
    void setCheckStateQuietly(QTreeWidgetItem *item, Qt::CheckState state);
    // An unchecked, checkable item with the given column texts and swatch.
    static QTreeWidgetItem *newItem(const std::array<QString, 16> &texts,
                                    const QString &swatchColor);

    QTreeWidget *m_tree;
    QTreeWidgetItem *m_instrumentInfo = nullptr;
    QTreeWidgetItem *m_softwareInfo = nullptr;
    QTreeWidgetItem *m_root = nullptr;
    QTreeWidgetItem *m_parameters = nullptr;
    QTreeWidgetItem *m_tolerance = nullptr;
    QTreeWidgetItem *m_printInfo = nullptr;
    QVector<QTreeWidgetItem *> m_instrumentRows;
    QVector<QTreeWidgetItem *> m_parameterRows;
    QVector<QTreeWidgetItem *> m_toleranceRows;
    QVector<QTreeWidgetItem *> m_printRows;
    // The check state each Sample had when last seen, so that a change of a
    // Sample's text (which also reaches propagateCheckState) costs nothing
    // and adding a Sample never recounts its siblings.
    QHash<const QTreeWidgetItem *, Qt::CheckState> m_seenSampleState;
    // Scrolling lays the whole tree out, so Samples added in a row (an
    // upload, a loop) scroll once, to the last of them, when control returns
    // to the event loop.
    QTreeWidgetItem *m_scrollPendingType = nullptr;
    void scrollToPendingType();
    bool m_rootTextKeepsMarks = false;

    // The automatic numbers in use among the children of the root or of a
    // Type, read for a name stem ("Sample S"): without them every new item
    // would read the names of all its siblings.  Children added here keep
    // them up to date; any other change that may add, rename or remove a
    // child forgets them all.
    struct TakenNumbers
    {
        QString stem;
        QSet<int> numbers;
    };
    const QSet<int> &takenNumbers(QTreeWidgetItem *parent, const QString &stem) const;
    void forgetTakenNumbers() { m_takenNumbers.clear(); }
    mutable QHash<const QTreeWidgetItem *, TakenNumbers> m_takenNumbers;
    bool m_addingItem = false;
    std::optional<history::Origin> m_entryOrigin = history::Origin::Measured;
};

#endif
