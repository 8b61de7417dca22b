#include "uploadRecorderRk.h"

#include "colorConversions.h"
#include "colorVocabulary.h"
#include "measurementTreeRk.h"
#include "promptRk.h"
#include "serialPortRk.h"

#include <QTreeWidget>

namespace {

enum RecordField
{
    kindField,
    nameField,
    lightModeField,
    lightSourceField,
    timeField,
    colorSpaceField,
    formulaField,
    readingsField,
    caliberField,
};

} // namespace

uploadRecorderRk::uploadRecorderRk(measurementTreeRk *tree, serialPortRk *link,
                                   const MeasuringConditions *conditions, QWidget *window,
                                   QObject *parent)
    : QObject(parent), m_tree(tree), m_link(link), m_conditions(conditions), m_window(window)
{
}

void uploadRecorderRk::setTests(BusyTest connected, BusyTest busy)
{
    m_connected = std::move(connected);
    m_busy = std::move(busy);
}

bool uploadRecorderRk::confirmStart()
{
    auto connected = [this] { return m_connected ? m_connected() : m_link->isPortOpen(); };
    if (m_running || m_link->isUploading()) {
        m_link->showInfo(tr("An upload is already running."));
        return false;
    }
    if (!connected()) {
        promptRk::warning(m_window, tr("Warning"), tr("No instrument information!"));
        return false;
    }
    if ((m_busy && m_busy()) || m_link->isMeasuring()) {
        promptRk::warning(m_window, tr("Warning"),
                          tr("Please finish the measurement under way before uploading!"));
        return false;
    }
    if (promptRk::warning(m_window, tr("Warning"), tr("Upload all the data to your computer?"),
                          QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return false;
    // The box waited for the user: the instrument may have gone meanwhile, or
    // a measurement started.
    if (!connected()) {
        promptRk::warning(m_window, tr("Warning"), tr("No instrument information!"));
        return false;
    }
    if (m_running || m_link->isUploading() || (m_busy && m_busy()) || m_link->isMeasuring())
        return false;
    m_records.clear();
    setRunning(true);
    return true;
}

void uploadRecorderRk::setRunning(bool running)
{
    if (m_running == running)
        return;
    m_running = running;
    emit runningChanged(running);
}

void uploadRecorderRk::addRecord(const QVector<QString> &record, float L, float a, float b)
{
    m_records.append({record, L, a, b});
}

QTreeWidgetItem *uploadRecorderRk::makeItem(QTreeWidgetItem *parent, const Record &r)
{
    const QVector<QString> &t = r.texts;
    QString space = t.value(colorSpaceField);
    QList<float> values = colorSpaceValues(r.L, r.a, r.b, space);
    if (values.size() != 3) {
        // The whiteness display mode (or a space we do not know) is no
        // colour space: the reading stays L*a*b* and says so.
        space = instrumentLabSpaceName();
        values = {r.L, r.a, r.b};
    }
    const QStringList valueTexts = {QStringLiteral("%1").arg(values[0]),
                                    QStringLiteral("%1").arg(values[1]),
                                    QStringLiteral("%1").arg(values[2])};
    const QStringList columns = {
        t.value(timeField),     t.value(lightSourceField),      m_conditions->instrumentModel,
        t.value(caliberField),  t.value(lightModeField),        space,
        t.value(formulaField),  m_conditions->illuminationMode, m_conditions->observer,
        t.value(readingsField), t.value(readingsField)};
    return m_tree->createItem(parent, t.value(nameField), r.L, r.a, r.b, valueTexts, columns);
}

void uploadRecorderRk::start()
{
    if (confirmStart())
        m_link->dataToPCCmd1Slot();
}

void uploadRecorderRk::followLink()
{
    connect(m_link, &serialPortRk::dataToPCFinished0Signal, this,
            [this](QVector<QString> record, float L, float a, float b) {
                addRecord(record, L, a, b);
                m_link->dataToPCCmd2Slot();
            });
    connect(m_link, &serialPortRk::dataToPCFinished1Signal, this, [this] { finish(); });
}

int uploadRecorderRk::finish()
{
    int dropped = 0;
    m_typesMade = 0;
    m_samplesMade = 0;
    QTreeWidgetItem *lastType = m_tree->lastType();
    QTreeWidgetItem *newType = nullptr;
    const measurementTreeRk::originScope uploaded(m_tree, history::Origin::Uploaded);
    for (const Record &record : qAsConst(m_records)) {
        const QString kind = record.texts.value(kindField);
        if (kind == QLatin1String("T")) {
            lastType = newType = makeItem(m_tree->measurementRoot(), record);
            ++m_typesMade;
        } else if (kind == QLatin1String("S")) {
            if (!lastType) {
                ++dropped;
                continue;
            }
            makeItem(lastType, record);
            lastType->setExpanded(true);
            ++m_samplesMade;
        }
    }
    m_records.clear();
    // The view is laid out once, for the last Type, rather than per record.
    if (newType)
        m_tree->tree()->setCurrentItem(newType);
    if (m_typesMade + m_samplesMade > 0)
        m_tree->tree()->scrollToBottom();
    if (dropped > 0)
        m_link->showInfo(tr("Uploaded %1 Types and %2 Samples; %3 Samples without a Type were "
                            "dropped.")
                             .arg(m_typesMade)
                             .arg(m_samplesMade)
                             .arg(dropped));
    setRunning(false);
    return dropped;
}
