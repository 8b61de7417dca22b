#include "workbookWriter.h"

#include "colorVocabulary.h"
#include "workbookPackage.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryFile>

#include <xlsxwriter.h>

namespace {

constexpr double titleRowHeight = 30;
constexpr double tableRowHeight = 20;
constexpr double headingColumnWidth = 10;
constexpr double titleFontSize = 18;
constexpr lxw_color_t headingFill = 0xBFBFBF; // RGB 191, 191, 191

QString libraryMessage(lxw_error status)
{
    return QString::fromUtf8(lxw_strerror(status));
}

// Writes the cells of the one worksheet.  The first failure is kept and
// everything after it is skipped, so the caller checks once at the end.
class sheetWriter
{
public:
    sheetWriter(lxw_workbook *book, lxw_worksheet *sheet, const ExportTexts &texts)
        : m_sheet(sheet), m_texts(texts)
    {
        m_title = workbook_add_format(book);
        m_heading = workbook_add_format(book);
        m_cell = workbook_add_format(book);
        if (!m_title || !m_heading || !m_cell) {
            m_status = LXW_ERROR_MEMORY_MALLOC_FAILED;
            return;
        }
        format_set_font_size(m_title, titleFontSize);
        format_set_text_wrap(m_title);
        format_set_align(m_title, LXW_ALIGN_CENTER);
        format_set_align(m_title, LXW_ALIGN_VERTICAL_CENTER);

        format_set_bold(m_heading);
        format_set_pattern(m_heading, LXW_PATTERN_SOLID);
        format_set_bg_color(m_heading, headingFill);
        format_set_align(m_heading, LXW_ALIGN_CENTER);
        format_set_align(m_heading, LXW_ALIGN_VERTICAL_CENTER);
        for (lxw_format *framed : {m_heading, m_cell}) {
            format_set_border(framed, LXW_BORDER_THIN);
            format_set_border_color(framed, LXW_COLOR_BLACK);
        }
    }

    lxw_error status() const { return m_status; }

    void check(lxw_error status)
    {
        if (m_status == LXW_NO_ERROR)
            m_status = status;
    }

    void title(int lastColumn, const QString &text)
    {
        if (m_status != LXW_NO_ERROR)
            return;
        check(worksheet_set_row(m_sheet, 0, titleRowHeight, nullptr));
        const CellText cell = cellText(text);
        check(worksheet_merge_range(m_sheet, 0, 0, 0, lxw_col_t(lastColumn), cell.utf8.constData(),
                                    m_title));
        noteCut(0, 0, cell);
    }

    void tableRow(int row)
    {
        if (m_status == LXW_NO_ERROR)
            check(worksheet_set_row(m_sheet, lxw_row_t(row), tableRowHeight, nullptr));
    }

    void columnWidths(int lastColumn)
    {
        if (m_status == LXW_NO_ERROR)
            check(worksheet_set_column(m_sheet, 0, lxw_col_t(lastColumn), headingColumnWidth,
                                       nullptr));
    }

    void heading(int row, int column, const QString &text) { put(row, column, text, m_heading); }
    void cell(int row, int column, const QString &text) { put(row, column, text, m_cell); }

private:
    // A text longer than a cell holds is cut at a whole character (never
    // inside a surrogate pair) and the cell gets a note saying so.
    struct CellText
    {
        QByteArray utf8;
        int kept = 0;
        int fullLength = 0; // 0: nothing was cut
    };
    static CellText cellText(const QString &text)
    {
        CellText cell;
        if (text.size() <= workbookCellTextLimit) {
            cell.utf8 = text.toUtf8();
            return cell;
        }
        cell.fullLength = text.size();
        cell.kept = workbookCellTextLimit;
        if (text.at(cell.kept - 1).isHighSurrogate())
            --cell.kept;
        cell.utf8 = text.left(cell.kept).toUtf8();
        return cell;
    }

    void put(int row, int column, const QString &text, lxw_format *format)
    {
        if (m_status != LXW_NO_ERROR)
            return;
        const CellText cell = cellText(text);
        // An empty text makes a blank cell that keeps its format (the frame).
        check(worksheet_write_string(m_sheet, lxw_row_t(row), lxw_col_t(column),
                                     cell.utf8.constData(), format));
        noteCut(row, column, cell);
    }

    void noteCut(int row, int column, const CellText &cell)
    {
        if (cell.fullLength == 0 || m_status != LXW_NO_ERROR)
            return;
        const QByteArray note = m_texts.cutNote.arg(cell.kept).arg(cell.fullLength).toUtf8();
        check(
            worksheet_write_comment(m_sheet, lxw_row_t(row), lxw_col_t(column), note.constData()));
    }

    lxw_worksheet *m_sheet;
    const ExportTexts &m_texts;
    lxw_format *m_title = nullptr;
    lxw_format *m_heading = nullptr;
    lxw_format *m_cell = nullptr;
    lxw_error m_status = LXW_NO_ERROR;
};

// Row 1 the title; from row 2 one block per Type.  Returns the first failure.
lxw_error fillSheet(lxw_workbook *book, lxw_worksheet *sheet, const ExportData &data,
                    const ExportTexts &texts, const ExportProgress &progress)
{
    sheetWriter out(book, sheet, texts);
    const QVector<int> chosen = chosenFields(data.fields);
    const int lastColumn = 4 + chosen.size();
    out.title(lastColumn, data.title);
    if (!data.marked.isEmpty())
        out.columnWidths(lastColumn);

    int row = 1; // counted from 0: the first block starts in row 2
    int written = 0;
    for (const MarkedType &marked : data.marked) {
        const ItemTexts &type = marked.type;
        out.tableRow(row);
        const QStringList components = componentNames(type[colorSpaceColumn]);
        out.heading(row, 0, texts.name);
        for (int i = 0; i < 3; ++i)
            out.heading(row, 1 + i, components.value(i));
        out.heading(row, 4, texts.colorDifference);
        for (int i = 0; i < chosen.size(); ++i)
            out.heading(row, 5 + i, texts.fieldHeadings.value(chosen[i]));
        ++row;

        auto itemRow = [&](const ItemTexts &item, const QString &difference, bool sample) {
            out.tableRow(row);
            out.cell(row, 0, item[nameColumn]);
            const ColorTriple values = itemValues(item);
            for (int i = 0; i < 3; ++i)
                out.cell(row, 1 + i, twoDecimalText(values[size_t(i)]));
            out.cell(row, 4, difference);
            for (int i = 0; i < chosen.size(); ++i)
                out.cell(row, 5 + i, exportFieldValue(chosen[i], item, sample, data));
            ++row;
            if (progress)
                progress(++written);
        };
        itemRow(type, QString(), false);
        for (const ItemTexts &sample : marked.samples)
            itemRow(sample, twoDecimalText(sampleDifference(type, sample)), true);
        if (out.status() != LXW_NO_ERROR)
            break;
    }
    return out.status();
}

// Puts the finished workbook at `path` through a temporary file beside it
// that replaces the old file only once everything is written.
bool saveInPlace(const QByteArray &bytes, const QString &path, QString *error)
{
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) {
        *error = out.errorString();
        return false;
    }
    if (out.write(bytes) != bytes.size()) {
        *error = out.errorString();
        out.cancelWriting();
        return false;
    }
    if (!out.commit()) {
        *error = out.errorString();
        return false;
    }
    return true;
}

} // namespace

bool writeWorkbook(const QString &path, const ExportData &data, const ExportTexts &texts,
                   const ExportProgress &progress, QString *error)
{
    QString ignored;
    if (!error)
        error = &ignored;

    // The library opens and writes the file itself, so it writes into a
    // temporary file of ours, which then goes into place like any other
    // file the user owns.
    QTemporaryFile built(QDir::temp().filePath(QStringLiteral("qcm-export-XXXXXX.xlsx")));
    if (!built.open()) {
        *error = built.errorString();
        return false;
    }
    built.close();
    const QByteArray builtName = QFile::encodeName(built.fileName());
    QByteArray scratch = QFile::encodeName(QDir::tempPath());
    lxw_workbook_options options = {};
    options.tmpdir = scratch.data();

    lxw_workbook *book = workbook_new_opt(builtName.constData(), &options);
    if (!book) {
        *error = libraryMessage(LXW_ERROR_MEMORY_MALLOC_FAILED);
        return false;
    }
    lxw_worksheet *sheet = workbook_add_worksheet(book, nullptr);
    lxw_error status =
        sheet ? fillSheet(book, sheet, data, texts, progress) : LXW_ERROR_MEMORY_MALLOC_FAILED;
    // Closing also frees the workbook, so it runs after a failure too.
    const lxw_error closed = workbook_close(book);
    if (status == LXW_NO_ERROR)
        status = closed;
    if (status != LXW_NO_ERROR) {
        *error = libraryMessage(status);
        return false;
    }
    // The library takes a failed write of its own temporary files for
    // success, so the package is checked before it goes to the user.
    QFile result(built.fileName());
    if (!result.open(QIODevice::ReadOnly)) {
        *error = result.errorString();
        return false;
    }
    const QByteArray bytes = result.readAll();
    if (result.error() != QFileDevice::NoError) {
        *error = result.errorString();
        return false;
    }
    return workbookPackageIsWhole(bytes, error) && saveInPlace(bytes, path, error);
}
