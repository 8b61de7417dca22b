#ifndef QCM_STANDARDLIBRARYRK_H
#define QCM_STANDARDLIBRARYRK_H

#include "fixedSizeDialog.h"
#include "libraryFile.h"

#include <QBrush>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTreeWidgetItem;
class createNewLibraryFile;
class libraryNotices;
class libraryTableModel;
class serialPortRk;
class sharedState;
struct MeasuringConditions;

// The dialog "Type Data Library": one library file of the library folder
// shown as a table, the files of the folder to switch between, create and
// delete, the folder itself, Types added from the measurement tree, searches
// by name and by colour difference, and checked rows launched into the tree.
//
// The shown file is written back when the table has changed and another file
// is chosen, a new file or another folder is made current, or the dialog
// closes; a file whose reading failed is never written, and every write goes
// through an atomic save (in place where the folder takes no new file).  A
// file another program changed since it was read gets the table's changes
// merged into it, never its own entries dropped.
class standardLibraryRk : public fixedSizeDialog
{
    Q_OBJECT
public:
    // `state` (optional) gives the colour space and formula at start and
    // whenever they change.
    explicit standardLibraryRk(const sharedState *state = nullptr, QWidget *parent = nullptr);

    // At start-up: the setting's folder (empty: the default folder), created
    // when missing; its files are listed and the first is read.  While the
    // window that owns the dialog is not shown yet, the boxes of this reading
    // wait for it, and a file warned about at an earlier start is not warned
    // about again until it changes.
    void setLibraryFolder(const QString &folder);
    // The Test button needs the instrument.
    void setTestEnabled(bool enabled);
    // Measures through the link with the Test button while the instrument
    // is there.
    void followLink(serialPortRk *link);
    // Writes the shown file when the table changed since it was read or last
    // written.  When that write fails, the user may save the library in
    // another file or discard the changes; false only when the user keeps
    // neither (the changes stay in the table).
    bool saveChanges();

    QString libraryFolder() const { return m_folder; }
    QString shownFile() const { return m_shownFile; }
    // The shown file was read (or made) whole or in part; false when its
    // reading failed, so that it is never written.
    bool shownFileWritable() const { return m_shownWritable; }
    bool hasUnsavedChanges() const { return m_dirty; }
    int searchCursor() const { return m_searchCursor; }
    QStringList valueLabels() const { return m_valueLabels; }
    QString thresholdLabel() const { return m_formula + QStringLiteral("<"); }
    libraryTableModel *tableModel() const { return m_model; }
    QTableView *tableView() const { return m_table; }
    createNewLibraryFile *newFileDialog() const { return m_newFileDialog; }
    // Boxes of the start-up reading still waiting for the window.
    int pendingNotices() const;

    // Closing writes the changes.
    void reject() override;

signals:
    void testSignal(int mode);
    void sendTDataSignal(QList<QString> data, QBrush color);
    void fileDirectorySignal(QString existFileDirectory);
    void testWhiteYellowSignal();

public slots:
    void findStyleFcn(int index);
    void standardLibraryParameterFcn(const QString &colorSpace, const QString &formula);
    void testButtonFcn();
    void getColorParameter(float vL, float va, float vb);
    void creatNewFile();
    bool newFile(const QString &fileName);
    void deleteFile();
    void generateItem(const QBrush &itemColor);
    void setData(QTreeWidgetItem *item);
    void deleteItem();
    // "Import CGATS…": the colours of a CGATS file appended to the shown file.
    void importCgatsFcn();
    void checkCheckBox(bool checked);
    void fileNameBoxChanged(int index);
    void findButtonFcn();
    void sendOutButtonFcn();
    void setFileDirectoryFcn();

protected:
    void retranslate() override;
    // A file another program changed while the dialog was hidden is read
    // again, unless the table holds changes of its own.
    void showEvent(QShowEvent *event) override;

private:
    void buildWidgets();
    void followConditions(const MeasuringConditions &conditions);
    QString filePath(const QString &fileName) const;
    // Creates the folder when missing ("Create Folder" box on failure).
    void ensureFolder();
    // Lists the folder's files into the selector (making "default.scl" in a
    // folder without any) and reads the first.
    void fillFileSelector();
    void selectInSelector(const QString &fileName);
    // Reads a file into the table; on failure the table is emptied and the
    // file marked as never to be written.
    bool loadFile(const QString &fileName);
    // Writes entries to a new file ("scl" box on failure).
    bool writeFile(const QString &path, const QVector<LibraryEntry> &entries);
    // Writes the table into the shown file, merged into what another program
    // put there since it was read; `failure` gets the text of what went wrong.
    bool writeBack(QString *failure);
    // writeBack when the table changed, with its box on failure.
    bool writeBackOrReport(const QString &advice = QString());
    void rememberRead(const QVector<LibraryEntry> &entries, const QByteArray &bytes);
    enum class Rescue
    {
        Saved,
        Discarded,
        Cancelled
    };
    // Asks whether to save `entries` in a file the user chooses, after
    // `reason`; asks again after a failed save.
    Rescue offerSaveElsewhere(const QString &reason, const QVector<LibraryEntry> &entries);
    // Writes `entries` into a chosen file, added to the library it may hold.
    bool saveCopy(QString path, const QVector<LibraryEntry> &entries);
    // Puts rows the old folder's file could not take into the shown file of
    // the new folder; false when the user kept them without a place.
    bool carryRows(const QVector<LibraryEntry> &rows, const QString &leftPath);
    void appendRows(const QVector<LibraryEntry> &rows);
    // Columns at least as wide as the listed widths and as their texts, so
    // that nothing is cut.  From row 0 the widths start afresh; from a later
    // row only the rows from there to `lastRow` (-1: the last) can widen them.
    void fitColumns(int firstRow, int lastRow = -1);
    void markRow(int row);
    bool findByName();
    bool findByValue();
    float fieldValue(const QLineEdit *edit) const;

    const sharedState *m_state;
    libraryTableModel *m_model;
    createNewLibraryFile *m_newFileDialog;
    libraryNotices *m_notices;

    QString m_folder;
    QString m_shownFile;
    bool m_shownWritable = false;
    bool m_dirty = false;
    // The shown file as it was read or last written: its entries (without
    // Info. texts), the digest of its bytes, its size and time.
    QVector<LibraryEntry> m_readEntries;
    QByteArray m_readDigest;
    qint64 m_readSize = -1;
    QDateTime m_readModified;
    int m_searchCursor = 0;
    int m_searchStyle = 0;
    QStringList m_valueLabels{"L", "a", "b"};
    QString m_colorSpace;
    QString m_formula;
    LibraryEntry m_pending;

    QLabel *m_heading = nullptr;
    QLabel *m_fileLabel = nullptr;
    QComboBox *m_fileBox = nullptr;
    QLabel *m_styleLabel = nullptr;
    QComboBox *m_styleBox = nullptr;
    QPushButton *m_addFileButton = nullptr;
    QPushButton *m_deleteFileButton = nullptr;
    QPushButton *m_pathButton = nullptr;
    QLineEdit *m_nameEdit = nullptr;
    QLabel *m_valueLabelWidgets[3] = {};
    QLineEdit *m_valueEdits[3] = {};
    QLabel *m_thresholdLabel = nullptr;
    QLineEdit *m_thresholdEdit = nullptr;
    QPushButton *m_testButton = nullptr;
    QPushButton *m_findButton = nullptr;
    QTableView *m_table = nullptr;
    QCheckBox *m_selectAllBox = nullptr;
    QPushButton *m_importButton = nullptr;
    QPushButton *m_deleteButton = nullptr;
    QPushButton *m_launchButton = nullptr;
    QPushButton *m_exitButton = nullptr;
};

#endif
