#include "historyWindow.h"

#include "historyCsv.h"
#include "historyTableModel.h"
#include "measurementTreeRk.h"
#include "measuringDocument.h"
#include "promptRk.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cmath>

namespace {

QLineEdit *namedEdit(const char *name)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setClearButtonEnabled(true);
    return edit;
}

QPushButton *namedButton(const char *name)
{
    auto *button = new QPushButton;
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

QDateEdit *namedDate(const char *name)
{
    auto *edit = new QDateEdit(QDate::currentDate());
    edit->setObjectName(QLatin1String(name));
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    edit->setEnabled(false);
    return edit;
}

// The start of a day of the computer's calendar, in UTC.
QDateTime dayStart(const QDate &date)
{
    return QDateTime(date, QTime(0, 0), Qt::LocalTime).toUTC();
}

float valueOf(const QString &text)
{
    return text.toFloat();
}

// The columns 5 to 15 of an item made from a record: the nine conditions
// in the tree's order, the readings taken as the readings per average.
QStringList treeColumns(const HistoryRecord &r)
{
    const std::array<QString, 9> &c = r.conditions;
    return {historyTableModel::stationTime(r),
            c[2],
            c[0],
            c[3],
            c[5],
            c[6],
            c[7],
            c[1],
            c[4],
            c[8],
            c[8]};
}

QTreeWidgetItem *makeItem(measurementTreeRk *tree, QTreeWidgetItem *parent,
                          const historyStore::Row &row)
{
    const HistoryRecord &r = row.record;
    const QStringList values = {r.shown[0], r.shown[1], r.shown[2]};
    // The swatch from the reading; a value typed in another space has none
    // and is painted from what was shown, as a typed Type is.
    const bool read = std::isfinite(r.rawL) && std::isfinite(r.rawA) && std::isfinite(r.rawB);
    const float L = read ? float(r.rawL) : valueOf(values[0]);
    const float a = read ? float(r.rawA) : valueOf(values[1]);
    const float b = read ? float(r.rawB) : valueOf(values[2]);
    const QString name = row.currentName.isEmpty() ? r.name : row.currentName;
    return tree->createItem(parent, name, L, a, b, values, treeColumns(r), read);
}

} // namespace

historyWindow::historyWindow(measurementTreeRk *tree, measuringDocument *document, QWidget *parent)
    : QDialog(parent), m_tree(tree), m_document(document), m_model(new historyTableModel(this)),
      m_typeLabel(new QLabel), m_typeEdit(namedEdit("typeEdit")), m_sinceCheck(new QCheckBox),
      m_sinceDate(namedDate("sinceDate")), m_untilCheck(new QCheckBox),
      m_untilDate(namedDate("untilDate")), m_stationLabel(new QLabel),
      m_stationEdit(namedEdit("stationEdit")), m_operatorLabel(new QLabel),
      m_operatorEdit(namedEdit("operatorEdit")), m_verdictLabel(new QLabel),
      m_verdictBox(new QComboBox), m_fileLabel(new QLabel), m_fileEdit(namedEdit("fileEdit")),
      m_fileButton(namedButton("fileButton")), m_searchButton(namedButton("searchButton")),
      m_table(new QTableView), m_previousButton(namedButton("previousButton")),
      m_pageLabel(new QLabel), m_nextButton(namedButton("nextButton")), m_message(new QLabel),
      m_openButton(namedButton("openButton")), m_exportButton(namedButton("exportButton")),
      m_closeButton(namedButton("closeButton"))
{
    setObjectName(QStringLiteral("historyWindow"));
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    m_sinceCheck->setObjectName(QStringLiteral("sinceCheck"));
    m_untilCheck->setObjectName(QStringLiteral("untilCheck"));
    m_verdictBox->setObjectName(QStringLiteral("verdictBox"));
    m_verdictBox->addItems({QString(), QString(), QString()});
    m_pageLabel->setObjectName(QStringLiteral("pageLabel"));
    m_message->setObjectName(QStringLiteral("messageLabel"));
    m_message->setWordWrap(true);
    m_message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_searchButton->setDefault(true);

    m_table->setObjectName(QStringLiteral("historyTable"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAlternatingRowColors(true);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);

    auto *filters = new QGridLayout;
    filters->addWidget(m_typeLabel, 0, 0);
    filters->addWidget(m_typeEdit, 0, 1, 1, 3);
    filters->addWidget(m_sinceCheck, 0, 4);
    filters->addWidget(m_sinceDate, 0, 5);
    filters->addWidget(m_untilCheck, 0, 6);
    filters->addWidget(m_untilDate, 0, 7);
    filters->addWidget(m_stationLabel, 1, 0);
    filters->addWidget(m_stationEdit, 1, 1);
    filters->addWidget(m_operatorLabel, 1, 2);
    filters->addWidget(m_operatorEdit, 1, 3);
    filters->addWidget(m_verdictLabel, 1, 4);
    filters->addWidget(m_verdictBox, 1, 5);
    filters->addWidget(m_fileLabel, 2, 0);
    filters->addWidget(m_fileEdit, 2, 1, 1, 4);
    filters->addWidget(m_fileButton, 2, 5);
    filters->addWidget(m_searchButton, 2, 7);
    filters->setColumnStretch(1, 2);
    filters->setColumnStretch(3, 2);

    auto *pages = new QHBoxLayout;
    pages->addWidget(m_previousButton);
    pages->addWidget(m_pageLabel);
    pages->addWidget(m_nextButton);
    pages->addStretch();
    pages->addWidget(m_openButton);
    pages->addWidget(m_exportButton);
    pages->addWidget(m_closeButton);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_message);
    layout->addLayout(pages);

    // Return in a field presses the default button, "Search".
    connect(m_sinceCheck, &QCheckBox::toggled, m_sinceDate, &QWidget::setEnabled);
    connect(m_untilCheck, &QCheckBox::toggled, m_untilDate, &QWidget::setEnabled);
    connect(m_searchButton, &QPushButton::clicked, this, &historyWindow::searchFcn);
    connect(m_previousButton, &QPushButton::clicked, this, &historyWindow::previousPageFcn);
    connect(m_nextButton, &QPushButton::clicked, this, &historyWindow::nextPageFcn);
    connect(m_openButton, &QPushButton::clicked, this, &historyWindow::openFcn);
    connect(m_exportButton, &QPushButton::clicked, this, &historyWindow::exportFcn);
    connect(m_fileButton, &QPushButton::clicked, this, &historyWindow::chooseFileFcn);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);

    showMessage(QString(), false);
    retranslate();
    resize(1000, 560);
}

historyWindow::~historyWindow() = default;

void historyWindow::setPageSize(int records)
{
    m_pageSize = qMax(1, records);
}

int historyWindow::pageCount() const
{
    return int((m_total + m_pageSize - 1) / m_pageSize);
}

HistoryFilter historyWindow::filter() const
{
    HistoryFilter f;
    f.typeName = m_typeEdit->text().trimmed();
    if (m_sinceCheck->isChecked())
        f.since = dayStart(m_sinceDate->date());
    // The day named last belongs to the range.
    if (m_untilCheck->isChecked())
        f.until = dayStart(m_untilDate->date().addDays(1));
    f.station = m_stationEdit->text().trimmed();
    f.operatorName = m_operatorEdit->text().trimmed();
    static const char *const verdicts[] = {"", "Pass", "Fail"};
    f.verdict = QLatin1String(verdicts[qBound(0, m_verdictBox->currentIndex(), 2)]);
    f.filePath = QDir::fromNativeSeparators(m_fileEdit->text().trimmed());
    return f;
}

void historyWindow::historySettingsChanged()
{
    m_store.reset();
    m_model->setRows({});
    m_total = 0;
    m_page = 0;
    m_searched = false;
    refreshPageLabel();
    if (isVisible())
        searchFcn();
}

bool historyWindow::ensureOpen(QString *error)
{
    if (m_store && m_store->isOpen())
        return true;
    const QSettings settings(QStringLiteral("SoftWare Inc."), QStringLiteral("qcm"));
    m_store.reset(new historyStore(historyConnection::fromSettings(settings)));
    if (m_store->open(error))
        return true;
    m_store.reset();
    return false;
}

void historyWindow::searchFcn()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_filter = filter();
    m_searched = true;
    QString error;
    qint64 total = 0;
    const bool counted = ensureOpen(&error) && m_store->count(m_filter, &total, &error);
    m_total = counted ? total : 0;
    m_page = 0;
    if (counted) {
        showMessage(QString(), false);
        showPage(0);
    } else {
        m_model->setRows({});
        refreshPageLabel();
        showMessage(tr("The history cannot be read: %1").arg(error), true);
    }
    QApplication::restoreOverrideCursor();
}

void historyWindow::showPage(int page)
{
    QVector<historyStore::Row> rows;
    QString error;
    // A server restarted meanwhile is connected to again.
    if (!ensureOpen(&error) ||
        !m_store->query(m_filter, page * m_pageSize, m_pageSize, &rows, &error)) {
        showMessage(tr("The history cannot be read: %1").arg(error), true);
        return;
    }
    m_page = page;
    m_model->setRows(rows);
    if (page == 0)
        m_table->resizeColumnsToContents();
    m_table->scrollToTop();
    refreshPageLabel();
}

void historyWindow::previousPageFcn()
{
    if (m_page > 0)
        showPage(m_page - 1);
}

void historyWindow::nextPageFcn()
{
    if (m_page + 1 < pageCount())
        showPage(m_page + 1);
}

void historyWindow::refreshPageLabel()
{
    const qint64 first = qint64(m_page) * m_pageSize;
    if (!m_searched)
        m_pageLabel->setText(QString());
    else if (m_total == 0)
        m_pageLabel->setText(tr("No records match."));
    else
        m_pageLabel->setText(tr("Records %1 to %2 of %3")
                                 .arg(first + 1)
                                 .arg(first + m_model->rowCount())
                                 .arg(m_total));
    m_previousButton->setEnabled(m_page > 0);
    m_nextButton->setEnabled(m_page + 1 < pageCount());
    m_exportButton->setEnabled(m_total > 0);
    m_openButton->setEnabled(m_model->rowCount() > 0);
}

void historyWindow::showMessage(const QString &text, bool problem)
{
    m_message->setStyleSheet(problem ? QStringLiteral("color: #c00000;") : QString());
    m_message->setText(text);
    m_message->setVisible(!text.isEmpty());
}

QList<QTreeWidgetItem *> historyWindow::addToTree(measurementTreeRk *tree,
                                                  const QVector<historyStore::Row> &types,
                                                  const QVector<historyStore::Row> &samples)
{
    // Reopened items are in the history already: they are not recorded again.
    const measurementTreeRk::originScope reopened(tree, std::nullopt);
    QList<QTreeWidgetItem *> made;
    QHash<QUuid, QTreeWidgetItem *> typeItems;
    for (const historyStore::Row &type : types) {
        if (type.record.kind != history::Kind::Type || typeItems.contains(type.record.itemId))
            continue;
        QTreeWidgetItem *item = makeItem(tree, tree->measurementRoot(), type);
        typeItems.insert(type.record.itemId, item);
        made << item;
    }
    for (const historyStore::Row &sample : samples) {
        QTreeWidgetItem *type = typeItems.value(sample.record.typeId);
        if (type && sample.record.kind == history::Kind::Sample)
            makeItem(tree, type, sample);
    }
    return made;
}

void historyWindow::openFcn()
{
    QVector<historyStore::Row> types;
    QVector<QUuid> typeIds;
    const QModelIndexList chosen = m_table->selectionModel()->selectedRows();
    for (const QModelIndex &index : chosen) {
        const historyStore::Row &row = m_model->row(index.row());
        if (row.record.kind == history::Kind::Type) {
            types << row;
            typeIds << row.record.itemId;
        }
    }
    if (types.isEmpty()) {
        promptRk::information(this, tr("Tips"),
                              tr("Choose one or more Types in the table: their Samples come "
                                 "with them."));
        return;
    }
    // The Types in the order they were measured, as an upload gives them.
    std::sort(types.begin(), types.end(),
              [](const historyStore::Row &x, const historyStore::Row &y) {
                  return x.record.time < y.record.time;
              });
    QString error;
    QVector<historyStore::Row> samples;
    if (!ensureOpen(&error) || !m_store->samplesOf(typeIds, &samples, &error)) {
        promptRk::warning(this, tr("Tips"), tr("The history cannot be read: %1").arg(error));
        return;
    }
    if (!m_document->newFile() || m_tree->typeCount() > 0)
        return;
    const QList<QTreeWidgetItem *> made = addToTree(m_tree, types, samples);
    if (!made.isEmpty()) {
        m_tree->tree()->setCurrentItem(made.last());
        m_tree->fitNameColumn();
    }
    int sampleCount = 0;
    for (QTreeWidgetItem *type : made)
        sampleCount += type->childCount();
    showMessage(tr("%1 Types with %2 Samples opened as a new measurement.")
                    .arg(made.size())
                    .arg(sampleCount),
                false);
    emit measurementOpenedSignal(made.size(), sampleCount);
}

void historyWindow::exportFcn()
{
    if (m_total == 0)
        return;
    const QString path = promptRk::getSaveFileName(this, tr("Export CSV"), QDir::homePath(),
                                                   tr("CSV files (*.csv)"), QStringLiteral(".csv"));
    if (path.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString error;
    qint64 written = 0;
    const bool ok = ensureOpen(&error) &&
                    historyCsv::exportFile(
                        path, m_store.get(), m_filter, m_pageSize,
                        [&written](qint64 count) {
                            written = count;
                            // Painting goes on while pages are read.
                            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
                            return true;
                        },
                        &error);
    QApplication::restoreOverrideCursor();
    if (!ok) {
        promptRk::warning(this, tr("QCM"),
                          tr("The history could not be exported to %1:\n%2")
                              .arg(QDir::toNativeSeparators(path), error));
        return;
    }
    showMessage(tr("%1 records exported to %2.").arg(written).arg(QDir::toNativeSeparators(path)),
                false);
}

void historyWindow::chooseFileFcn()
{
    const QString path = promptRk::getOpenFileName(this, tr("Measuring file"), m_fileEdit->text(),
                                                   tr("Measuring files (*.qcm)"));
    if (path.isEmpty())
        return;
    m_fileEdit->setText(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    searchFcn();
}

void historyWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void historyWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_searched)
        searchFcn();
}

void historyWindow::retranslate()
{
    setWindowTitle(tr("Measurement history"));
    m_typeLabel->setText(tr("Standard/Type:"));
    m_typeEdit->setPlaceholderText(tr("any part of the name, in any case"));
    m_sinceCheck->setText(tr("From"));
    m_untilCheck->setText(tr("To"));
    m_stationLabel->setText(tr("Station:"));
    m_stationEdit->setPlaceholderText(tr("the whole name"));
    m_operatorEdit->setPlaceholderText(tr("the whole name"));
    m_fileEdit->setPlaceholderText(tr("the whole path"));
    m_fileButton->setText(tr("Choose…"));
    m_operatorLabel->setText(tr("Operator:"));
    m_verdictLabel->setText(tr("Verdict:"));
    m_verdictBox->setItemText(0, tr("Any"));
    m_verdictBox->setItemText(1, tr("Pass"));
    m_verdictBox->setItemText(2, tr("Fail"));
    m_fileLabel->setText(tr("Measuring file:"));
    m_searchButton->setText(tr("Search"));
    m_previousButton->setText(tr("< Previous"));
    m_nextButton->setText(tr("Next >"));
    m_openButton->setText(tr("Open as New Measurement"));
    m_exportButton->setText(tr("Export CSV…"));
    m_closeButton->setText(tr("Close"));
    m_model->retranslate();
    refreshPageLabel();
}
