// Writing and loading measuring files: 100 Types with 100 Samples each and
// 100 Types with 1,000 Samples each, in memory and through a real file.
// Loading means reading the records and sorting them into Types and Samples;
// the sorting is also measured alone.

#include "measuringFile.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QString root = QStringLiteral("Measuring Name:Night shift");

MeasuringFileHeader header()
{
    MeasuringFileHeader h;
    h.tolerance = Tolerance::fromList({"2.00", "-1.00", "1.00", "-1.00", "1.00", "-1.00", "1.00"});
    h.print = PrintInfo::fromTexts({"Night shift", "Dyeworks", "2024-03-01", "QC", "Li", "Cotton"},
                                   false);
    return h;
}

ItemTexts item(const QString &name, int n)
{
    ItemTexts t;
    t[nameColumn] = name;
    t[value1Column] = QString::number(40 + n % 50 + 0.123, 'g', 6);
    t[value2Column] = QString::number(-5 + n % 11 * 0.71, 'g', 6);
    t[value3Column] = QString::number(12.5 - n % 7 * 1.3, 'g', 6);
    t[timeColumn] = QStringLiteral("2024-03-01 10:20:30");
    t[lightSourceColumn] = QStringLiteral("D65");
    t[instrumentModelColumn] = QStringLiteral("CM-20");
    t[caliberColumn] = QStringLiteral("8mm");
    t[lightModeColumn] = QStringLiteral("SCI");
    t[colorSpaceColumn] = QStringLiteral("CIE1976L*a*b*");
    t[formulaColumn] = QStringLiteral("△ELab");
    t[illuminationColumn] = QStringLiteral("D/8");
    t[observerColumn] = QStringLiteral("10°");
    t[averageTimesColumn] = QStringLiteral("1");
    t[averageCountColumn] = QStringLiteral("1");
    return t;
}

MeasuringFileTypes measurement(int typeCount, int sampleCount)
{
    MeasuringFileTypes types;
    for (int t = 1; t <= typeCount; ++t) {
        MeasuringFileType type{item(QStringLiteral("Type T%1").arg(t, 3, 10, QLatin1Char('0')), t),
                               {}};
        for (int s = 1; s <= sampleCount; ++s)
            type.samples.append(
                item(QStringLiteral("Sample S%1").arg(s, 3, 10, QLatin1Char('0')), s));
        types.append(type);
    }
    return types;
}

QByteArray fileBytes(int typeCount, int sampleCount)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeMeasuringFile(&buffer, header(), root, measurement(typeCount, sampleCount));
    return buffer.data();
}

int load(QIODevice *device)
{
    MeasuringFileHeader h;
    QVector<ItemRecord> records;
    readMeasuringFile(device, &h, &records);
    const MeasuringFileTypes types = classifyMeasuringRecords(records, root, 15);
    int items = types.size();
    for (const MeasuringFileType &t : types)
        items += t.samples.size();
    return items;
}

void setCounters(benchmark::State &state, qint64 bytes)
{
    const int items = int(state.range(0) * (state.range(1) + 1));
    state.SetItemsProcessed(state.iterations() * items);
    state.SetBytesProcessed(state.iterations() * bytes);
}

void BM_writeBuffer(benchmark::State &state)
{
    const MeasuringFileTypes types = measurement(int(state.range(0)), int(state.range(1)));
    const MeasuringFileHeader h = header();
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        if (!writeMeasuringFile(&buffer, h, root, types))
            state.SkipWithError("write failed");
        bytes = buffer.size();
    }
    setCounters(state, bytes);
}

void BM_loadBuffer(benchmark::State &state)
{
    QByteArray bytes = fileBytes(int(state.range(0)), int(state.range(1)));
    const int expected = int(state.range(0) * (state.range(1) + 1));
    for (auto _ : state) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        if (load(&buffer) != expected)
            state.SkipWithError("wrong item count");
    }
    setCounters(state, bytes.size());
}

// Sorting records already read into Types and Samples, alone.
void BM_classify(benchmark::State &state)
{
    QByteArray bytes = fileBytes(int(state.range(0)), int(state.range(1)));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    MeasuringFileHeader h;
    QVector<ItemRecord> records;
    readMeasuringFile(&buffer, &h, &records);
    const int expected = int(state.range(0) * (state.range(1) + 1));
    for (auto _ : state) {
        const MeasuringFileTypes types = classifyMeasuringRecords(records, root, 15);
        int items = types.size();
        for (const MeasuringFileType &t : types)
            items += t.samples.size();
        if (items != expected)
            state.SkipWithError("wrong item count");
    }
    setCounters(state, bytes.size());
}

void BM_writeFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const MeasuringFileTypes types = measurement(int(state.range(0)), int(state.range(1)));
    const MeasuringFileHeader h = header();
    qint64 bytes = 0;
    for (auto _ : state) {
        QFile file(dir.filePath(QStringLiteral("bench.qcm")));
        if (!file.open(QIODevice::WriteOnly) || !writeMeasuringFile(&file, h, root, types))
            state.SkipWithError("write failed");
        bytes = file.size();
    }
    setCounters(state, bytes);
}

void BM_loadFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.qcm"));
    const QByteArray bytes = fileBytes(int(state.range(0)), int(state.range(1)));
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
    const int expected = int(state.range(0) * (state.range(1) + 1));
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) || load(&file) != expected)
            state.SkipWithError("load failed");
    }
    setCounters(state, bytes.size());
}

} // namespace

BENCHMARK(BM_writeBuffer)->Args({100, 100})->Args({100, 1000})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_loadBuffer)->Args({100, 100})->Args({100, 1000})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_classify)->Args({100, 100})->Args({100, 1000})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_writeFile)->Args({100, 100})->Args({100, 1000})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_loadFile)->Args({100, 100})->Args({100, 1000})->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
