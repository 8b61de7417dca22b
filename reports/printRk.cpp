#include "printRk.h"

#include "printSeam.h"
#include "promptRk.h"
#include "resourcePath.h"
#include "threadRk.h"

#include <QDebug>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QLabel *pictureLabel(const QString &path, bool *loaded)
{
    auto *label = new QLabel;
    const QPixmap picture(resourcePath(path));
    *loaded = !picture.isNull();
    if (*loaded) {
        label->setPixmap(picture);
        label->setFixedSize(picture.size());
    }
    return label;
}

const QSize chineseSize(440, 500);
const QSize otherSize(500, 500);

} // namespace

// Like the other dialogs of the reports, it sets its size itself: the size of
// the language, wider where the system's fonts need more room for the names
// of the two reports.
printRk::printRk(QWidget *parent)
    : fixedSizeDialog(QSize(), QSize(), parent),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)), m_watcher(new threadRk(this))
{
    setObjectName("printRk");
    m_printer->setPageSize(QPageSize(QPageSize::A4));

    m_title = new QLabel;
    QFont big = m_title->font();
    big.setPointSize(20);
    m_title->setFont(big);
    auto *titleRow = new QHBoxLayout;
    titleRow->addStretch();
    titleRow->addWidget(m_title);
    titleRow->addStretch();

    bool loaded1 = false;
    bool loaded2 = false;
    m_picture1 = pictureLabel(QStringLiteral("./icon/printImage/format1.png"), &loaded1);
    m_picture2 = pictureLabel(QStringLiteral("./icon/printImage/format2.png"), &loaded2);
    if (!loaded2)
        qDebug() << "Loading format2 icon failure!";
    m_format1 = new QRadioButton;
    m_format1->setObjectName("format1");
    m_format1->setChecked(true);
    m_format2 = new QRadioButton;
    m_format2->setObjectName("format2");
    auto *formats = new QHBoxLayout;
    for (auto pair : {qMakePair(m_picture1, m_format1), qMakePair(m_picture2, m_format2)}) {
        auto *column = new QVBoxLayout;
        column->addWidget(pair.first, 0, Qt::AlignHCenter);
        column->addWidget(pair.second, 0, Qt::AlignHCenter);
        formats->addLayout(column);
    }

    m_print = new QPushButton;
    m_print->setObjectName("print");
    m_preview = new QPushButton;
    m_preview->setObjectName("preview");
    m_cancel = new QPushButton;
    m_cancel->setObjectName("cancel");
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_print);
    buttons->addWidget(m_preview);
    buttons->addWidget(m_cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(titleRow);
    layout->addLayout(formats);
    layout->addLayout(buttons);

    connect(m_print, &QPushButton::clicked, this, &printRk::printBtnFcn);
    connect(m_preview, &QPushButton::clicked, this, &printRk::printPreviewBtnFcn);
    connect(m_cancel, &QPushButton::clicked, this, &printRk::cancelButtonFcn);
    // The watcher ticks on its own thread; each tick reaches the link as a
    // queued call on the interface thread.
    connect(m_watcher, &threadRk::portWSSignal, this, &printRk::printPortWSSignal);
    retranslateFor(false);
}

printRk::~printRk() = default;

void printRk::retranslate()
{
    m_title->setText(tr("Print Report Format Selection"));
    setWindowTitle(tr("Print Report Format Selection"));
    m_format1->setText(tr("Color Difference Test Report 1"));
    m_format2->setText(tr("Color Difference Test Report 2"));
    m_print->setText(tr("Print"));
    m_preview->setText(tr("Print Preview"));
    m_cancel->setText(tr("Cancel"));
    const QList<QLayout *> layouts = findChildren<QLayout *>();
    for (QLayout *nested : layouts)
        nested->invalidate();
    const QSize wanted = chineseInterface() ? chineseSize : otherSize;
    setFixedSize(wanted.expandedTo(layout()->minimumSize()));
}

int printRk::chosenFormat() const
{
    return m_format1->isChecked() ? 1 : 2;
}

QRadioButton *printRk::formatButton(int format) const
{
    return format == 1 ? m_format1 : m_format2;
}

void printRk::recieveInfoForPrint(const reportData &data)
{
    m_data = data;
}

void printRk::printBtnFcn()
{
    emit reGetInfoSignal();
    printColorData(chosenFormat());
}

void printRk::printPreviewBtnFcn()
{
    emit reGetInfoSignal();
    printPreview(chosenFormat());
}

void printRk::cancelButtonFcn()
{
    close();
}

QWidget *printRk::boxParent()
{
    // Once printing starts the dialog is closed; its boxes belong to the window.
    return isVisible() || !parentWidget() ? this : parentWidget();
}

bool printRk::refused(int format)
{
    // Report 2 prints Samples only: a marked Type without Samples would give
    // a blank report.
    if (format == 1 && m_data.entryCount() < 1) {
        promptRk::warning(boxParent(), tr("Tips"),
                          tr("Not selected, please select at least one record!"));
        return true;
    }
    if (format != 1 && m_data.sampleCount() < 1) {
        promptRk::warning(boxParent(), tr("Tips"),
                          tr("Not selected, please select at least one Sample!"));
        return true;
    }
    return false;
}

bool printRk::printColorData(int chooseIndex)
{
    if (refused(chooseIndex))
        return false;
    m_watcher->startTicking();
    const bool accepted = printSeam::askToPrint(m_printer.get(), this);
    m_watcher->requestStop();
    if (!accepted)
        return false;
    close();
    return chooseIndex == 1 ? setFormat1(m_printer.get()) : setFormat2(m_printer.get());
}

void printRk::printPreview(int chooseIndex)
{
    if (refused(chooseIndex))
        return;
    close();
    QString failure;
    const int format = chooseIndex == 1 ? 1 : 2;
    m_watcher->startTicking();
    printSeam::preview(m_printer.get(), parentWidget(), [this, format, &failure](QPrinter *target) {
        QString error;
        if (!printReport(target, format, m_data, &error))
            failure = error;
    });
    m_watcher->requestStop();
    if (!failure.isEmpty())
        promptRk::warning(boxParent(), tr("Tips"), failure);
}

bool printRk::setFormat1(QPrinter *printer)
{
    return printOn(printer, 1);
}

bool printRk::setFormat2(QPrinter *printer)
{
    return printOn(printer, 2);
}

bool printRk::printOn(QPrinter *printer, int format)
{
    QString error;
    bool started = false;
    if (printReport(printer, format, m_data, &error, &started))
        return true;
    // A report cut short is no report: a file begun for it would pass for one.
    if (started && printer && printer->outputFormat() == QPrinter::PdfFormat &&
        !printer->outputFileName().isEmpty())
        QFile::remove(printer->outputFileName());
    promptRk::warning(boxParent(), tr("Tips"), error);
    return false;
}
