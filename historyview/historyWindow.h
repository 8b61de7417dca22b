#ifndef QCM_HISTORYWINDOW_H
#define QCM_HISTORYWINDOW_H

#include "historyStore.h"

#include <QDialog>
#include <memory>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTreeWidgetItem;
class historyTableModel;
class measurementTreeRk;
class measuringDocument;

// The measurement history: the records that match a filter (a Type's name
// anywhere in it and in any case, a date range, station, operator, verdict,
// measuring file), newest first, a page at a time with the total count; the
// chosen Types with their Samples opened as a new measurement, as if the
// instrument had uploaded them; and the whole answer exported as CSV.  It
// stays open beside the tree and may be resized, so it is no fixed-size
// dialog: it sets its texts again when the interface language changes.
class historyWindow : public QDialog
{
    Q_OBJECT
public:
    historyWindow(measurementTreeRk *tree, measuringDocument *document, QWidget *parent = nullptr);
    ~historyWindow() override;

    // Records per page; tests make it small.
    void setPageSize(int records);
    int pageSize() const { return m_pageSize; }
    // The page shown (from 0) and the records the filter matches.
    int page() const { return m_page; }
    int pageCount() const;
    qint64 total() const { return m_total; }
    historyTableModel *model() const { return m_model; }
    QTableView *table() const { return m_table; }
    // What the fields ask for.
    HistoryFilter filter() const;

    // Adds Types with their Samples under the tree's root, as an upload
    // does: the names they have now, the values and conditions recorded,
    // the time in the station's zone.  `samples` may hold Samples of other
    // Types; each goes under its own.  Returns the Types made.
    static QList<QTreeWidgetItem *> addToTree(measurementTreeRk *tree,
                                              const QVector<historyStore::Row> &types,
                                              const QVector<historyStore::Row> &samples);

public slots:
    // The history's connection changed in the settings: the next search
    // uses the new one.
    void historySettingsChanged();
    // Counts what the fields ask for and shows the first page.
    void searchFcn();
    void previousPageFcn();
    void nextPageFcn();
    // The chosen Types (rows of the table) with their Samples as a new
    // measurement, after "save changes?".
    void openFcn();
    void exportFcn();
    // Chooses the measuring file to filter by.
    void chooseFileFcn();

signals:
    void measurementOpenedSignal(int types, int samples);

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void retranslate();
    bool ensureOpen(QString *error);
    void showPage(int page);
    void showMessage(const QString &text, bool problem);
    void refreshPageLabel();

    measurementTreeRk *m_tree;
    measuringDocument *m_document;
    std::unique_ptr<historyStore> m_store;
    historyTableModel *m_model;
    HistoryFilter m_filter;
    int m_pageSize = 1000;
    int m_page = 0;
    qint64 m_total = 0;
    bool m_searched = false;

    QLabel *m_typeLabel;
    QLineEdit *m_typeEdit;
    QCheckBox *m_sinceCheck;
    QDateEdit *m_sinceDate;
    QCheckBox *m_untilCheck;
    QDateEdit *m_untilDate;
    QLabel *m_stationLabel;
    QLineEdit *m_stationEdit;
    QLabel *m_operatorLabel;
    QLineEdit *m_operatorEdit;
    QLabel *m_verdictLabel;
    QComboBox *m_verdictBox;
    QLabel *m_fileLabel;
    QLineEdit *m_fileEdit;
    QPushButton *m_fileButton;
    QPushButton *m_searchButton;
    QTableView *m_table;
    QPushButton *m_previousButton;
    QLabel *m_pageLabel;
    QPushButton *m_nextButton;
    QLabel *m_message;
    QPushButton *m_openButton;
    QPushButton *m_exportButton;
    QPushButton *m_closeButton;
};

#endif
