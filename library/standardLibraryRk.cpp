#include "standardLibraryRk.h"

#include "cgatsLibrary.h"
#include "cgatsTypeImport.h"
#include "colorDifference.h"
#include "createNewLibraryFile.h"
#include "itemColumns.h"
#include "libraryFolder.h"
#include "libraryMerge.h"
#include "libraryNotices.h"
#include "libraryTableModel.h"
#include "libraryValue.h"
#include "numberInput.h"
#include "promptRk.h"
#include "serialPortRk.h"
#include "sharedState.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QStyle>
#include <QTableView>
#include <QTreeWidgetItem>
#include <QVBoxLayout>

#include <limits>
#include <vector>

namespace {

const int columnWidths[libraryTableModel::ColumnCount] = {40, 70, 100, 100, 150, 60, 40,
                                                          50, 60, 60,  60,  60,  150};

// The wait cursor for as long as the returned guard lives.
auto waitCursor()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    return qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
}

QLineEdit *numberEdit(const QString &objectName, QObject *parent)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(objectName);
    // A comma typed before the decimals is read as a point, never as a
    // group separator ("1,5" is 1.5, not 15).
    edit->setValidator(new decimalValidator(std::numeric_limits<double>::lowest(),
                                            std::numeric_limits<double>::max(), -1, parent));
    edit->setMaximumWidth(70);
    return edit;
}

// Text widths of a font, character by character, so that a library of
// thousands of entries is measured in one pass without laying out each text.
// Kerning and ligatures only narrow a text; two pixels cover the rare pair
// set wider.
class charWidths
{
public:
    explicit charWidths(const QFont &font) : m_metrics(font), m_widths(0x10000, -1) {}
    int of(const QString &text)
    {
        int sum = 2;
        for (QChar c : text) {
            short &width = m_widths[c.unicode()];
            if (width < 0)
                width = short(m_metrics.horizontalAdvance(c));
            sum += width;
        }
        return sum;
    }

private:
    QFontMetrics m_metrics;
    std::vector<short> m_widths;
};

// The bytes of a file, one more than a library may hold at most, so that
// the reader recognises a file too large; false when reading fails.
bool readAtMost(QFile *file, QByteArray *bytes)
{
    *bytes = file->read(libraryFile::maxFileBytes + 1);
    return file->error() == QFileDevice::NoError;
}

QByteArray libraryBytes(const QVector<LibraryEntry> &entries)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    writeLibraryFile(&buffer, entries);
    return bytes;
}

// Puts the bytes in place whole: written beside the file and renamed over it,
// or, where the folder takes no new file but the file itself may be written,
// written in place rather than not at all.
bool writeBytes(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        if (file.write(bytes) == bytes.size() && file.commit())
            return true;
        *error = file.errorString();
        return false;
    }
    const QFileInfo target(path);
    if (target.isFile() && target.isWritable()) {
        QFile direct(path);
        if (direct.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
            direct.write(bytes) == bytes.size() && direct.flush()) {
            direct.close();
            if (direct.error() == QFileDevice::NoError)
                return true;
        }
        *error = direct.errorString();
        return false;
    }
    *error = file.errorString();
    return false;
}

QPushButton *button(const char *objectName)
{
    auto *b = new QPushButton;
    b->setObjectName(QLatin1String(objectName));
    return b;
}

} // namespace

standardLibraryRk::standardLibraryRk(const sharedState *state, QWidget *parent)
    : fixedSizeDialog(QSize(1080, 600), QSize(1080, 600), parent), m_state(state),
      m_model(new libraryTableModel(this)), m_newFileDialog(new createNewLibraryFile(this)),
      m_notices(new libraryNotices(this))
{
    setObjectName("standardLibraryRk");
    buildWidgets();

    connect(m_styleBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &standardLibraryRk::findStyleFcn);
    connect(m_testButton, &QPushButton::clicked, this, &standardLibraryRk::testButtonFcn);
    connect(m_addFileButton, &QPushButton::clicked, this, &standardLibraryRk::creatNewFile);
    connect(m_pathButton, &QPushButton::clicked, this, &standardLibraryRk::setFileDirectoryFcn);
    connect(m_newFileDialog, &createNewLibraryFile::newFileNameSignal, this,
            &standardLibraryRk::newFile);
    connect(m_deleteFileButton, &QPushButton::clicked, this, &standardLibraryRk::deleteFile);
    connect(m_deleteButton, &QPushButton::clicked, this, &standardLibraryRk::deleteItem);
    connect(m_importButton, &QPushButton::clicked, this, &standardLibraryRk::importCgatsFcn);
    connect(m_selectAllBox, &QCheckBox::toggled, this, &standardLibraryRk::checkCheckBox);
    connect(m_findButton, &QPushButton::clicked, this, &standardLibraryRk::findButtonFcn);
    connect(m_exitButton, &QPushButton::clicked, this, &QWidget::close);
    connect(m_launchButton, &QPushButton::clicked, this, &standardLibraryRk::sendOutButtonFcn);
    connect(m_fileBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &standardLibraryRk::fileNameBoxChanged);

    if (m_state) {
        followConditions(m_state->conditions());
        connect(m_state, &sharedState::conditionsChanged, this,
                &standardLibraryRk::followConditions);
    } else {
        standardLibraryParameterFcn(labSpaceName(), defaultFormulaName());
    }
    findStyleFcn(0);
    setTestEnabled(false);
    retranslateFor(false);
}

void standardLibraryRk::buildWidgets()
{
    m_heading = new QLabel;
    QFont headingFont = m_heading->font();
    headingFont.setPointSize(14);
    m_heading->setFont(headingFont);
    m_heading->setAlignment(Qt::AlignCenter);

    m_fileLabel = new QLabel;
    m_fileBox = new QComboBox;
    m_fileBox->setObjectName("fileNameBox");
    m_fileBox->setMinimumWidth(200);
    m_styleLabel = new QLabel;
    m_styleBox = new QComboBox;
    m_styleBox->setObjectName("findStyleBox");
    m_styleBox->addItems({QString(), QString()});

    m_addFileButton = button("addFileButton");
    m_deleteFileButton = button("deleteFileButton");
    m_pathButton = button("pathButton");
    m_nameEdit = new QLineEdit;
    m_nameEdit->setObjectName("findNameEdit");
    for (int i = 0; i < 3; ++i) {
        m_valueLabelWidgets[i] = new QLabel;
        m_valueLabelWidgets[i]->setObjectName(QStringLiteral("valueLabel%1").arg(i + 1));
        m_valueEdits[i] = numberEdit(QStringLiteral("valueEdit%1").arg(i + 1), this);
    }
    m_thresholdLabel = new QLabel;
    m_thresholdLabel->setObjectName("thresholdLabel");
    m_thresholdEdit = numberEdit(QStringLiteral("thresholdEdit"), this);
    m_thresholdEdit->setText(QStringLiteral("2.00"));
    m_testButton = button("testButton");
    m_findButton = button("findButton");

    m_table = new QTableView;
    m_table->setObjectName("libraryTable");
    m_table->setModel(m_model);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    // Texts are never cut: a library of long texts scrolls sideways instead.
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_table->verticalHeader()->hide();
    // Rows of one height need no measuring, however many the library holds.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->horizontalHeader()->setHighlightSections(false);
    m_table->horizontalHeader()->setStretchLastSection(true);
    fitColumns(0);

    m_selectAllBox = new QCheckBox;
    m_selectAllBox->setObjectName("selectAllBox");
    m_importButton = button("importCgatsButton");
    m_deleteButton = button("deleteButton");
    m_launchButton = button("launchButton");
    m_exitButton = button("exitButton");

    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(m_fileLabel);
    fileRow->addWidget(m_fileBox);
    fileRow->addSpacing(30);
    fileRow->addWidget(m_styleLabel);
    fileRow->addWidget(m_styleBox);
    fileRow->addStretch();

    auto *searchRow = new QHBoxLayout;
    searchRow->addWidget(m_addFileButton);
    searchRow->addWidget(m_deleteFileButton);
    searchRow->addWidget(m_pathButton);
    searchRow->addSpacing(30);
    searchRow->addWidget(m_nameEdit);
    for (int i = 0; i < 3; ++i) {
        searchRow->addWidget(m_valueLabelWidgets[i]);
        searchRow->addWidget(m_valueEdits[i]);
    }
    searchRow->addWidget(m_thresholdLabel);
    searchRow->addWidget(m_thresholdEdit);
    searchRow->addWidget(m_testButton);
    searchRow->addWidget(m_findButton);
    searchRow->addStretch();

    auto *bottomRow = new QHBoxLayout;
    bottomRow->addWidget(m_selectAllBox);
    bottomRow->addStretch();
    bottomRow->addWidget(m_importButton);
    bottomRow->addWidget(m_deleteButton);
    bottomRow->addWidget(m_launchButton);
    bottomRow->addWidget(m_exitButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addLayout(fileRow);
    layout->addLayout(searchRow);
    layout->addWidget(m_table);
    layout->addLayout(bottomRow);
}

void standardLibraryRk::retranslate()
{
    setWindowTitle(tr("Type Data Library"));
    m_heading->setText(tr("Type Data Library"));
    m_fileLabel->setText(tr("Library File:"));
    m_styleLabel->setText(tr("Search Options"));
    m_styleBox->setItemText(0, tr("By Name"));
    m_styleBox->setItemText(1, tr("By Value"));
    m_addFileButton->setText(tr("Add Library File"));
    m_deleteFileButton->setText(tr("Delete Library File"));
    m_pathButton->setText(tr("Path setting"));
    m_testButton->setText(tr("Test"));
    m_findButton->setText(tr("Search"));
    m_selectAllBox->setText(tr("Select All"));
    m_importButton->setText(tr("Import CGATS…"));
    m_deleteButton->setText(tr("Delete"));
    m_launchButton->setText(tr("Launch"));
    m_exitButton->setText(tr("Exit"));
    m_model->retranslate();
    fitColumns(0);
}

void standardLibraryRk::fitColumns(int firstRow, int lastRow)
{
    charWidths cell(m_table->font());
    const QFontMetrics header(m_table->horizontalHeader()->font());
    // The delegate keeps a margin of the focus frame plus one on each side.
    const int padding = 2 * (m_table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) + 4;
    const int box = m_table->style()->pixelMetric(QStyle::PM_IndicatorWidth) + 8;
    const int end = lastRow < 0 ? m_model->rowCount() : qMin(lastRow + 1, m_model->rowCount());
    for (int column = 0; column < libraryTableModel::ColumnCount; ++column) {
        int width = firstRow == 0 ? columnWidths[column] : m_table->columnWidth(column);
        if (firstRow == 0) {
            const QString title = m_model->headerData(column, Qt::Horizontal).toString();
            for (const QString &line : title.split(QLatin1Char('\n')))
                width = qMax(width, header.horizontalAdvance(line) + padding);
        }
        if (column != libraryTableModel::ColorColumn) {
            const int extra = column == libraryTableModel::OrderColumn ? box : 0;
            int widest = 0;
            for (int row = firstRow; row < end; ++row)
                widest = qMax(widest, cell.of(m_model->cellText(row, column)));
            width = qMax(width, widest + padding + extra);
        }
        m_table->setColumnWidth(column, width);
    }
}

void standardLibraryRk::followConditions(const MeasuringConditions &conditions)
{
    standardLibraryParameterFcn(conditions.colorSpace, conditions.colorDiffFormula);
}

void standardLibraryRk::standardLibraryParameterFcn(const QString &colorSpace,
                                                    const QString &formula)
{
    const QStringList labels = libraryValueLabels(colorSpace);
    if (!labels.isEmpty())
        m_valueLabels = labels;
    m_colorSpace = colorSpace;
    m_formula = formula;
    for (int i = 0; i < 3; ++i)
        m_valueLabelWidgets[i]->setText(m_valueLabels.at(i));
    m_thresholdLabel->setText(thresholdLabel());
}

void standardLibraryRk::setTestEnabled(bool enabled)
{
    m_testButton->setEnabled(enabled);
}

// --- Folder and files ----------------------------------------------------------

QString standardLibraryRk::filePath(const QString &fileName) const
{
    return m_folder + QLatin1Char('/') + fileName;
}

int standardLibraryRk::pendingNotices() const
{
    return m_notices->pending();
}

void standardLibraryRk::setLibraryFolder(const QString &folder)
{
    if (!writeBackOrReport())
        return;
    // At start-up nobody asked for this reading: its boxes wait for the window.
    QWidget *window = parentWidget();
    const bool startUp = window && !window->isVisible();
    if (startUp)
        m_notices->hold(window);
    m_folder = effectiveLibraryFolder(folder, QCoreApplication::applicationDirPath());
    ensureFolder();
    fillFileSelector();
    if (startUp)
        m_notices->release();
}

void standardLibraryRk::ensureFolder()
{
    if (QFileInfo(m_folder).isDir())
        return;
    if (!QDir().mkpath(m_folder))
        m_notices->warning(tr("Create Folder"), tr("Folder creation failed!"));
}

void standardLibraryRk::fillFileSelector()
{
    QStringList names = libraryFileNames(m_folder);
    const QString defaultName = QStringLiteral("default.scl");
    if (names.isEmpty() && !QFileInfo::exists(filePath(defaultName)) &&
        writeFile(filePath(defaultName), {}))
        names << defaultName;
    {
        const QSignalBlocker blocker(m_fileBox);
        m_fileBox->clear();
        m_fileBox->addItems(names);
        m_fileBox->setCurrentIndex(names.isEmpty() ? -1 : 0);
    }
    m_model->clear();
    m_shownFile.clear();
    m_shownWritable = false;
    m_dirty = false;
    m_readEntries.clear();
    m_searchCursor = 0;
    if (!names.isEmpty())
        loadFile(names.first());
}

void standardLibraryRk::selectInSelector(const QString &fileName)
{
    const QSignalBlocker blocker(m_fileBox);
    m_fileBox->setCurrentIndex(m_fileBox->findText(fileName));
}

bool standardLibraryRk::loadFile(const QString &fileName)
{
    m_model->clear();
    m_shownFile = fileName;
    m_shownWritable = false;
    m_dirty = false;
    m_readEntries.clear();
    m_readDigest.clear();
    m_searchCursor = 0;

    const QString path = filePath(fileName);
    const QString shownPath = QDir::toNativeSeparators(path);
    QFile file(path);
    QByteArray bytes;
    LibraryReadResult result;
    if (file.open(QIODevice::ReadOnly) && readAtMost(&file, &bytes)) {
        const auto restore = waitCursor();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        result = readLibraryFile(&buffer);
    }
    // Boxes about this file in this very state.
    const QString state = libraryNotices::fileState(path, bytes);
    switch (result.status) {
    case LibraryReadStatus::Ok:
        break;
    case LibraryReadStatus::NotALibraryFile:
        m_notices->warning(QStringLiteral("scl"), tr("The file is not a scl library file."), state);
        break;
    case LibraryReadStatus::TooLarge:
        m_notices->warning(
            QStringLiteral("scl"),
            tr("The file %1 is larger than 16 MB; it cannot be a library file.").arg(shownPath),
            state);
        break;
    case LibraryReadStatus::ReadError:
        m_notices->warning(QStringLiteral("scl"),
                           tr("Cannot read file") +
                               QStringLiteral(" %1:\n%2.").arg(shownPath, file.errorString()),
                           state);
        break;
    }
    if (result.status != LibraryReadStatus::Ok) {
        m_notices->warning(tr("Read Library File"), tr("Failed to read library file!"), state);
        return false;
    }

    // The Info. cells show the searches of this session only.
    for (LibraryEntry &entry : result.entries)
        entry.info.clear();
    m_model->setEntries(result.entries);
    fitColumns(0);
    m_shownWritable = true;
    rememberRead(result.entries, bytes);
    if (result.damaged) {
        m_notices->warning(QStringLiteral("scl"),
                           tr("The library file %1 is damaged after %2 complete entries; the rest "
                              "could not be read. The file stays as it is unless you change "
                              "this library.")
                               .arg(shownPath)
                               .arg(result.completeEntries),
                           state);
    }
    return true;
}

void standardLibraryRk::rememberRead(const QVector<LibraryEntry> &entries, const QByteArray &bytes)
{
    m_readEntries = entries;
    for (LibraryEntry &entry : m_readEntries)
        entry.info.clear();
    m_readDigest = QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
    const QFileInfo info(filePath(m_shownFile));
    m_readSize = info.size();
    m_readModified = info.lastModified();
}

bool standardLibraryRk::writeFile(const QString &path, const QVector<LibraryEntry> &entries)
{
    QString error;
    if (writeBytes(path, libraryBytes(entries), &error))
        return true;
    m_notices->warning(QStringLiteral("scl"),
                       tr("Cannot write file") +
                           QStringLiteral(" %1:\n%2.").arg(QDir::toNativeSeparators(path), error));
    return false;
}

bool standardLibraryRk::writeBack(QString *failure)
{
    const QString path = filePath(m_shownFile);
    const QString shownPath = QDir::toNativeSeparators(path);
    const auto restore = waitCursor();
    QVector<LibraryEntry> entries = m_model->entries();
    bool merged = false;
    QFile current(path);
    if (QFileInfo(path).isFile()) {
        QByteArray bytes;
        if (!current.open(QIODevice::ReadOnly) || !readAtMost(&current, &bytes)) {
            *failure = tr("Cannot read file") +
                       QStringLiteral(" %1:\n%2.").arg(shownPath, current.errorString());
            return false;
        }
        // Someone else wrote the file since it was read here.
        if (QCryptographicHash::hash(bytes, QCryptographicHash::Sha1) != m_readDigest) {
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::ReadOnly);
            const LibraryReadResult theirs = readLibraryFile(&buffer);
            if (theirs.status != LibraryReadStatus::Ok) {
                *failure = tr("The library file %1 was changed by another program and is no "
                              "longer a library file; this library was not written into it.")
                               .arg(shownPath);
                return false;
            }
            entries = mergeLibraryEntries(m_readEntries, entries, theirs.entries);
            merged = true;
        }
    }
    const QByteArray bytes = libraryBytes(entries);
    QString error;
    if (!writeBytes(path, bytes, &error)) {
        *failure = tr("Cannot write file") + QStringLiteral(" %1:\n%2.").arg(shownPath, error);
        return false;
    }
    rememberRead(entries, bytes);
    m_dirty = false;
    if (merged) {
        m_model->setEntries(m_readEntries);
        fitColumns(0);
        promptRk::information(this, tr("Save Library File"),
                              tr("The library file %1 was changed by another program while it "
                                 "was shown here. Its new entries are kept, and the changes made "
                                 "here were added to them.")
                                  .arg(shownPath));
    }
    return true;
}

bool standardLibraryRk::writeBackOrReport(const QString &advice)
{
    if (!m_dirty || !m_shownWritable || m_shownFile.isEmpty())
        return true;
    QString failure;
    if (writeBack(&failure))
        return true;
    promptRk::warning(this, QStringLiteral("scl"),
                      advice.isEmpty() ? failure : failure + QStringLiteral("\n\n") + advice);
    return false;
}

bool standardLibraryRk::saveChanges()
{
    if (!m_dirty || !m_shownWritable || m_shownFile.isEmpty())
        return true;
    QString failure;
    if (writeBack(&failure))
        return true;
    switch (offerSaveElsewhere(failure, m_model->entries())) {
    case Rescue::Saved:
    case Rescue::Discarded:
        // The table shows the shown file again, as it is on the disk.
        m_model->setEntries(m_readEntries);
        fitColumns(0);
        m_dirty = false;
        return true;
    case Rescue::Cancelled:
        break;
    }
    return false;
}

standardLibraryRk::Rescue
standardLibraryRk::offerSaveElsewhere(const QString &reason, const QVector<LibraryEntry> &entries)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dir.isEmpty())
        dir = QDir::homePath();
    const QString suggested =
        QDir(dir).filePath(m_shownFile.isEmpty() ? QStringLiteral("default.scl") : m_shownFile);
    for (;;) {
        const QMessageBox::StandardButton answer = promptRk::warning(
            this, QStringLiteral("scl"),
            reason + QStringLiteral("\n\n") +
                tr("The changes of this library are not saved. Save the library in another "
                   "file?"),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
        if (answer == QMessageBox::Discard)
            return Rescue::Discarded;
        if (answer != QMessageBox::Save)
            return Rescue::Cancelled;
        const QString path = promptRk::getSaveFileName(this, tr("Save Library File"), suggested,
                                                       tr("Library files (*.scl)"));
        if (!path.isEmpty() && saveCopy(path, entries))
            return Rescue::Saved;
    }
}

bool standardLibraryRk::saveCopy(QString path, const QVector<LibraryEntry> &entries)
{
    if (!path.endsWith(QStringLiteral(".scl"), Qt::CaseInsensitive))
        path += QStringLiteral(".scl");
    QVector<LibraryEntry> written = entries;
    QFile existing(path);
    if (QFileInfo(path).exists()) {
        // A library chosen to take the rows keeps every entry it has.
        QByteArray bytes;
        LibraryReadResult theirs;
        if (existing.open(QIODevice::ReadOnly) && readAtMost(&existing, &bytes)) {
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::ReadOnly);
            theirs = readLibraryFile(&buffer);
        }
        if (theirs.status != LibraryReadStatus::Ok) {
            promptRk::warning(this, QStringLiteral("scl"),
                              tr("The file is not a scl library file."));
            return false;
        }
        written = mergeLibraryEntries({}, entries, theirs.entries);
    }
    QString error;
    if (writeBytes(path, libraryBytes(written), &error))
        return true;
    promptRk::warning(this, QStringLiteral("scl"),
                      tr("Cannot write file") +
                          QStringLiteral(" %1:\n%2.").arg(QDir::toNativeSeparators(path), error));
    return false;
}

void standardLibraryRk::reject()
{
    writeBackOrReport(tr("The Types stay in this table: \"Path setting\" can take them to another "
                         "folder, and closing QCM offers another file for them."));
    fixedSizeDialog::reject();
}

void standardLibraryRk::showEvent(QShowEvent *event)
{
    fixedSizeDialog::showEvent(event);
    if (m_dirty || !m_shownWritable || m_shownFile.isEmpty())
        return;
    const QFileInfo info(filePath(m_shownFile));
    if (info.exists() && (info.size() != m_readSize || info.lastModified() != m_readModified))
        loadFile(m_shownFile);
}

void standardLibraryRk::fileNameBoxChanged(int index)
{
    m_model->setMarkedRow(-1);
    m_searchCursor = 0;
    const QString name = m_fileBox->itemText(index);
    if (name.isEmpty() || name == m_shownFile)
        return;
    // A table that cannot be written stays, and so does its file.
    if (!writeBackOrReport()) {
        selectInSelector(m_shownFile);
        return;
    }
    loadFile(name);
}

void standardLibraryRk::creatNewFile()
{
    // Modal, but without a nested event loop: its "OK" calls newFile.
    m_newFileDialog->open();
}

bool standardLibraryRk::newFile(const QString &fileName)
{
    m_searchCursor = 0;
    const QString suffix = QStringLiteral(".scl");
    if (!fileName.endsWith(suffix) || !isValidLibraryFileName(fileName.chopped(suffix.size()))) {
        promptRk::warning(this, tr("Create Folder"),
                          tr("A library file name must not be empty, begin with a dot or "
                             "contain a folder separator."));
        return false;
    }
    if (QFileInfo::exists(filePath(fileName))) {
        promptRk::warning(this, tr("Create Folder"), tr("Library file already exists!"));
        return false;
    }
    if (!writeBackOrReport() || !writeFile(filePath(fileName), {}))
        return false;
    m_model->clear();
    m_shownFile = fileName;
    m_shownWritable = true;
    m_dirty = false;
    rememberRead({}, libraryBytes({}));
    const QSignalBlocker blocker(m_fileBox);
    m_fileBox->addItem(fileName);
    m_fileBox->setCurrentIndex(m_fileBox->count() - 1);
    return true;
}

void standardLibraryRk::deleteFile()
{
    const QString name = m_fileBox->currentText();
    if (name.isEmpty())
        return;
    if (promptRk::warning(this, tr("Delete Library File"),
                          tr("Determine delete library files") + name + tr("!"),
                          QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    if (!QFile::remove(filePath(name))) {
        promptRk::warning(this, tr("Delete Library File"), tr("Delete library file failed!"));
        return;
    }
    // The deleted file's table goes with it.
    m_dirty = false;
    fillFileSelector();
}

void standardLibraryRk::setFileDirectoryFcn()
{
    const QString folder = promptRk::getExistingDirectory(this, tr("Open Directory"), m_folder);
    if (folder.isEmpty())
        return;
    // Rows the shown file cannot take go along to the new folder.
    QVector<LibraryEntry> carried;
    QString leftPath;
    if (m_dirty && m_shownWritable && !m_shownFile.isEmpty()) {
        QString failure;
        if (!writeBack(&failure)) {
            carried = addedLibraryEntries(m_readEntries, m_model->entries());
            leftPath = filePath(m_shownFile);
            // Only removals failed: the file keeps those entries, nothing is lost.
            if (carried.isEmpty())
                promptRk::warning(this, QStringLiteral("scl"), failure);
        }
    }
    const QString oldFolder = m_folder;
    const QString oldFile = m_shownFile;
    m_folder = folder;
    ensureFolder();
    fillFileSelector();
    if (!carried.isEmpty() && !carryRows(carried, leftPath)) {
        // No place for them and the user keeps them: back where they were.
        m_folder = oldFolder;
        fillFileSelector();
        if (oldFile != m_shownFile) {
            selectInSelector(oldFile);
            loadFile(oldFile);
        }
        appendRows(carried);
        return;
    }
    emit fileDirectorySignal(folder);
}

bool standardLibraryRk::carryRows(const QVector<LibraryEntry> &rows, const QString &leftPath)
{
    const QString left = QDir::toNativeSeparators(leftPath);
    if (m_shownWritable && !m_shownFile.isEmpty()) {
        appendRows(rows);
        const QString target = QDir::toNativeSeparators(filePath(m_shownFile));
        QString failure;
        const bool written = writeBack(&failure);
        promptRk::information(this, tr("Path setting"),
                              tr("%1 Types could not be written to %2; they were added to %3.")
                                  .arg(rows.size())
                                  .arg(left, target));
        if (!written)
            promptRk::warning(this, QStringLiteral("scl"), failure);
        return true;
    }
    const QString reason =
        tr("%1 Types could not be written to %2, and no library file of %3 can take them.")
            .arg(rows.size())
            .arg(left, QDir::toNativeSeparators(m_folder));
    return offerSaveElsewhere(reason, rows) != Rescue::Cancelled;
}

void standardLibraryRk::appendRows(const QVector<LibraryEntry> &rows)
{
    if (rows.isEmpty())
        return;
    const int first = m_model->rowCount();
    for (LibraryEntry entry : rows) {
        entry.order = m_model->rowCount() + 1;
        m_model->appendEntry(entry);
    }
    fitColumns(first);
    m_dirty = true;
}

// --- Entries ---------------------------------------------------------------------

void standardLibraryRk::setData(QTreeWidgetItem *item)
{
    if (!item)
        return;
    LibraryEntry entry;
    entry.name = item->text(nameColumn);
    entry.colorSpace = item->text(colorSpaceColumn);
    entry.lightSource = item->text(lightSourceColumn);
    entry.observer = item->text(observerColumn);
    entry.illuminationMode = item->text(illuminationColumn);
    entry.caliber = item->text(caliberColumn);
    entry.lightMode = item->text(lightModeColumn);
    entry.averageTimes = item->text(averageTimesColumn);
    entry.measurementTime = item->text(timeColumn);
    // The labels of the item's own colour space, whatever the dialog shows.
    QStringList labels = libraryValueLabels(entry.colorSpace);
    if (labels.isEmpty())
        labels = m_valueLabels;
    entry.value = libraryValueText(labels, {item->text(value1Column).toFloat(),
                                            item->text(value2Column).toFloat(),
                                            item->text(value3Column).toFloat()});
    m_pending = entry;
    generateItem(item->background(swatchColumn));
}

void standardLibraryRk::generateItem(const QBrush &itemColor)
{
    if (!m_shownWritable || m_shownFile.isEmpty()) {
        promptRk::warning(this, tr("Save Library File"),
                          tr("No library file can take the Type: choose or create a library "
                             "file first."));
        return;
    }
    bool exists = false;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (m_model->entry(row).name == m_pending.name) {
            promptRk::warning(this, tr("Save Library File"), tr("Name already exists!"));
            exists = true;
        }
    }
    if (exists)
        return;
    LibraryEntry entry = m_pending;
    const int row = m_model->rowCount();
    entry.order = row + 1;
    entry.info.clear();
    const QColor color = itemColor.color();
    entry.red = color.red();
    entry.green = color.green();
    entry.blue = color.blue();
    m_model->appendEntry(entry);
    fitColumns(row);
    m_dirty = true;
    m_table->setCurrentIndex(m_model->index(row, libraryTableModel::OrderColumn));
    m_table->scrollTo(m_table->currentIndex());
}

void standardLibraryRk::importCgatsFcn()
{
    if (!m_shownWritable || m_shownFile.isEmpty()) {
        promptRk::warning(
            this, tr("Save Library File"),
            tr("The library file %1 could not be read; nothing is added to it.").arg(m_shownFile));
        return;
    }
    const QString path = promptRk::getOpenFileName(this, tr("Import CGATS"), QString(),
                                                   cgatsTypeImport::fileFilter());
    if (path.isEmpty())
        return;
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    CgatsReadResult read;
    if (file.open(QIODevice::ReadOnly))
        read = readCgats(&file);
    if (read.status == CgatsReadStatus::ReadError) {
        promptRk::warning(this, tr("Import CGATS"),
                          tr("Cannot read file") +
                              QStringLiteral(" %1:\n%2.").arg(shown, file.errorString()));
        return;
    }
    if (read.status != CgatsReadStatus::Ok) {
        promptRk::warning(this, tr("Import CGATS"),
                          tr("%1 cannot be imported.\n%2").arg(shown, read.refusal));
        return;
    }
    QSet<QString> taken;
    for (int row = 0; row < m_model->rowCount(); ++row)
        taken.insert(m_model->entry(row).name);
    QStringList duplicates;
    const int first = m_model->rowCount();
    const QVector<LibraryEntry> entries =
        libraryEntriesFromCgats(read, first + 1, QDateTime::currentDateTime(), taken, &duplicates);
    for (const LibraryEntry &entry : entries)
        m_model->appendEntry(entry);
    if (!entries.isEmpty()) {
        fitColumns(first);
        m_dirty = true;
        m_searchCursor = 0;
        m_table->setCurrentIndex(m_model->index(first, libraryTableModel::OrderColumn));
        m_table->scrollTo(m_table->currentIndex());
    }
    QStringList notes = read.lost;
    if (!duplicates.isEmpty()) {
        const int shownNames = 10;
        QString names = duplicates.mid(0, shownNames).join(QStringLiteral(", "));
        if (duplicates.size() > shownNames)
            names += QStringLiteral(", …");
        notes << tr("Colours whose name the library already holds were passed over (%1): %2.")
                     .arg(duplicates.size())
                     .arg(names);
    }
    if (!notes.isEmpty())
        promptRk::warning(this, tr("Import CGATS"),
                          tr("Colours of %1 added to the library: %2. Not everything could be "
                             "taken:\n%3")
                              .arg(shown)
                              .arg(entries.size())
                              .arg(notes.join(QLatin1Char('\n'))));
}

void standardLibraryRk::deleteItem()
{
    m_searchCursor = 0;
    for (int row = m_model->rowCount() - 1; row >= 0; --row) {
        if (!m_model->isChecked(row))
            continue;
        const QString name = m_model->entry(row).name;
        if (promptRk::warning(this, tr("Delete Type"),
                              tr("Determine delete Type'") + name + tr("'!"),
                              QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes) {
            m_model->removeEntry(row);
            m_dirty = true;
        }
    }
}

void standardLibraryRk::checkCheckBox(bool checked)
{
    m_model->setAllChecked(checked);
}

// --- Searching -------------------------------------------------------------------

void standardLibraryRk::findStyleFcn(int index)
{
    m_searchStyle = index == 1 ? 1 : 0;
    const bool byValue = m_searchStyle == 1;
    m_nameEdit->setVisible(!byValue);
    for (int i = 0; i < 3; ++i) {
        m_valueLabelWidgets[i]->setVisible(byValue);
        m_valueEdits[i]->setVisible(byValue);
    }
    m_thresholdLabel->setVisible(byValue);
    m_thresholdEdit->setVisible(byValue);
    m_testButton->setVisible(byValue);
}

float standardLibraryRk::fieldValue(const QLineEdit *edit) const
{
    bool ok = false;
    const float value = float(typedNumber(edit->text(), &ok));
    return ok ? value : 0.0f;
}

void standardLibraryRk::markRow(int row)
{
    m_model->setMarkedRow(row);
    m_table->setCurrentIndex(m_model->index(row, libraryTableModel::NameColumn));
    m_table->scrollTo(m_table->currentIndex());
}

bool standardLibraryRk::findByName()
{
    const QString key = m_nameEdit->text();
    const int rows = m_model->rowCount();
    for (; m_searchCursor < rows; ++m_searchCursor) {
        if (!key.isEmpty() && m_model->entry(m_searchCursor).name.contains(key)) {
            markRow(m_searchCursor++);
            return true;
        }
    }
    return false;
}

bool standardLibraryRk::findByValue()
{
    const ColorTriple sample{fieldValue(m_valueEdits[0]), fieldValue(m_valueEdits[1]),
                             fieldValue(m_valueEdits[2])};
    const float threshold = fieldValue(m_thresholdEdit);
    // The difference the information panel shows for a Sample of this Type.
    const ColorSpace space = colorSpaceIndex(m_colorSpace);
    const ColorFormula formula = formulaIndex(m_formula);
    const int rows = m_model->rowCount();
    for (; m_searchCursor < rows; ++m_searchCursor) {
        // An entry cut short by damage has no colour to compare.
        if (!m_model->isComplete(m_searchCursor))
            continue;
        const LibraryValue &type = m_model->parsedValue(m_searchCursor);
        // Values written under another colour space are not comparable.
        if (type.labels != m_valueLabels)
            continue;
        const float difference = colorDifference(type.values, sample, space, formula);
        if (!(threshold > difference))
            continue;
        m_model->setInfo(m_searchCursor, m_formula + QLatin1Char('=') +
                                             QString::number(double(difference), 'f', 2));
        fitColumns(m_searchCursor, m_searchCursor);
        markRow(m_searchCursor++);
        return true;
    }
    return false;
}

void standardLibraryRk::findButtonFcn()
{
    m_model->setMarkedRow(-1);
    const int rows = m_model->rowCount();
    // A position past the last row (rows deleted since) is the end.
    m_searchCursor = qBound(0, m_searchCursor, rows);
    if (m_searchStyle == 0)
        findByName();
    else
        findByValue();
    if (m_searchCursor >= rows) {
        promptRk::warning(this, tr("Search"), tr("Search finished!"));
        m_searchCursor = 0;
    }
}

// --- The instrument and the tree -------------------------------------------------------

void standardLibraryRk::testButtonFcn()
{
    emit testSignal(1);
}

void standardLibraryRk::getColorParameter(float vL, float va, float vb)
{
    const float values[3] = {vL, va, vb};
    for (int i = 0; i < 3; ++i)
        m_valueEdits[i]->setText(QString::number(double(values[i]), 'f', 2));
}

void standardLibraryRk::sendOutButtonFcn()
{
    QVector<LibraryEntry> launched;
    QStringList refused;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (!m_model->isChecked(row))
            continue;
        // Cut short by damage: it would be a Type at 0, 0, 0 without conditions.
        if (!m_model->isComplete(row))
            refused << m_model->entry(row).name;
        else
            launched.append(m_model->entry(row));
    }
    for (const LibraryEntry &e : launched) {
        emit sendTDataSignal({e.name, e.colorSpace, e.value, e.lightSource, e.observer,
                              e.illuminationMode, e.caliber, e.lightMode, e.averageTimes,
                              e.measurementTime},
                             QBrush(QColor(e.red, e.green, e.blue)));
    }
    if (!refused.isEmpty()) {
        promptRk::warning(this, tr("Tips"),
                          tr("These entries are incomplete, since their library file is damaged "
                             "there, and cannot be launched: %1")
                              .arg(refused.join(QStringLiteral(", "))));
    }
}

void standardLibraryRk::followLink(serialPortRk *link)
{
    connect(this, &standardLibraryRk::testSignal, link, &serialPortRk::testButtonSlot);
    connect(link, &serialPortRk::getInstrumentInfoSignal, this, [this] { setTestEnabled(true); });
    connect(link, &serialPortRk::portClosedSignal, this, [this] { setTestEnabled(false); });
}
