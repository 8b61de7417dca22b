// A station of the history tests: a program of its own that records through
// historyOutbox, so that a test can kill it (SIGKILL) at any moment or run
// two of them against one server at the same time.
//
//     outboxWriter FOLDER CONNECTION COUNT STATION
//
// Adds COUNT records (endlessly for a negative COUNT) one at a time and
// writes "kept ID" once add() returned, i.e. once the record is on the disk;
// then waits until the database has every record, writes "drained" and
// ends.  CONNECTION is a file path or "postgresql://..." (historyConnection).

#include "historyOutbox.h"
#include "historyTestData.h"
#include "historyTiming.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    historyConnection connection;
    QString error;
    if (args.size() != 5 || !historyConnection::fromText(args.at(2), &connection, &error)) {
        std::fprintf(stderr, "usage: outboxWriter FOLDER CONNECTION COUNT STATION %s\n",
                     qPrintable(error));
        return 2;
    }
    const int count = args.at(3).toInt();
    const QString station = args.at(4);
    historyTiming timing;
    timing.retryMsec = 50;
    timing.orphanScanMsec = 100;
    timing.batchSize = 7;
    historyTiming::set(timing);

    historyOutbox outbox;
    if (!outbox.open(args.at(1), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    outbox.setConnection(connection);

    int added = 0;
    auto finishWhenDrained = [&] {
        if (count >= 0 && added == count && outbox.waiting() == 0) {
            std::printf("drained\n");
            std::fflush(stdout);
            app.quit();
        }
    };
    QObject::connect(&outbox, &historyOutbox::waitingChanged, &app, finishWhenDrained);
    QTimer writer;
    QObject::connect(&writer, &QTimer::timeout, &app, [&] {
        if (count >= 0 && added == count) {
            writer.stop();
            finishWhenDrained();
            return;
        }
        HistoryRecord record = historyTest::typeRecord(
            QStringLiteral("%1 T%2").arg(station).arg(added + 1), QDateTime::currentDateTimeUtc());
        record.station = station;
        if (!outbox.add({record}, &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            app.exit(1);
            return;
        }
        ++added;
        std::printf("kept %s\n", qPrintable(record.id.toString(QUuid::WithoutBraces)));
        std::fflush(stdout);
    });
    writer.start(0);
    return app.exec();
}
