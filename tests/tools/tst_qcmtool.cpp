// End-to-end checks of the built qcmtool program.

#include <QProcess>
#include <QTemporaryFile>
#include <QtTest>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

QString toolPath()
{
    QString dir = QString::fromLocal8Bit(qgetenv("QCM_BUILD_DIR"));
    if (dir.isEmpty())
        dir = QStringLiteral(".");
    return dir + QStringLiteral("/qcmtool");
}

Run run(const QStringList &args, const QByteArray &input = QByteArray())
{
    QProcess p;
    p.start(toolPath(), args);
    Run r;
    if (!p.waitForStarted(30000))
        return r;
    if (!input.isEmpty())
        p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

const QString kDelta = QString(QChar(0x0394));

} // namespace

class tst_qcmtool : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void usage();
    void argumentErrors_data();
    void argumentErrors();
    void convert();
    void convertUnknownSpace();
    void swatch();
    void delta();
    void deltaStream();
    void deltaStreamErrors_data();
    void deltaStreamErrors();
    void judge();
    void whiteness();
};

void tst_qcmtool::initTestCase()
{
    QVERIFY2(QFileInfo(toolPath()).isExecutable(), qPrintable(toolPath()));
}

void tst_qcmtool::usage()
{
    const Run help = run({"--help"});
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.startsWith("Usage: qcmtool"));
    for (const char *command : {"convert", "swatch", "delta", "judge", "whiteness"})
        QVERIFY(help.out.contains(command));

    const Run none = run({});
    QVERIFY(none.exitCode != 0);
    QVERIFY(none.err.startsWith("Usage: qcmtool"));
    QVERIFY(none.out.isEmpty());
}

void tst_qcmtool::argumentErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");

    QTest::newRow("unknown command") << QStringList{"mix", "1"} << "unknown command 'mix'";
    QTest::newRow("convert too few")
        << QStringList{"convert", "CIELCH", "50", "1"} << "convert: expected 4 arguments";
    QTest::newRow("convert too many")
        << QStringList{"convert", "CIELCH", "50", "1", "2", "3"} << "convert: expected 4 arguments";
    QTest::newRow("swatch text") << QStringList{"swatch", "50", "abc", "0"}
                                 << "swatch: 'abc' is not a number";
    QTest::newRow("trailing garbage")
        << QStringList{"swatch", "50", "1.5x", "0"} << "'1.5x' is not a number";
    QTest::newRow("comma") << QStringList{"swatch", "50", "1,5", "0"} << "'1,5' is not a number";
    QTest::newRow("nan") << QStringList{"swatch", "nan", "0", "0"} << "'nan' is not a number";
    QTest::newRow("inf") << QStringList{"swatch", "-inf", "0", "0"} << "'-inf' is not a number";
    QTest::newRow("beyond float") << QStringList{"swatch", "1e39", "0", "0"}
                                  << "'1e39' is not a number";
    QTest::newRow("blank") << QStringList{"swatch", " 1", "0", "0"} << "' 1' is not a number";
    QTest::newRow("empty") << QStringList{"swatch", "", "0", "0"} << "'' is not a number";
    QTest::newRow("hex") << QStringList{"swatch", "0x10", "0", "0"} << "'0x10' is not a number";
    QTest::newRow("plus minus") << QStringList{"swatch", "+-1", "0", "0"}
                                << "'+-1' is not a number";
    QTest::newRow("delta count") << QStringList{"delta", kDelta + "E00", "CIE1976L*a*b*", "1"}
                                 << "delta: expected 8 arguments";
    QTest::newRow("judge count") << QStringList{"judge", "CIE1976L*a*b*", "2", "2"}
                                 << "judge: expected 12 arguments";
    QTest::newRow("judge tolerance text")
        << QStringList{"judge", "CIE1976L*a*b*", "2", "two", "2", "2", "2", "2", "2", "1", "0", "0",
                       "0"}
        << "judge: 'two' is not a number";
    QTest::newRow("whiteness count")
        << QStringList{"whiteness", "100"} << "whiteness: expected 3 arguments";
}

void tst_qcmtool::argumentErrors()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const Run r = run(args);
    QVERIFY2(r.exitCode > 0, qPrintable(QString::number(r.exitCode)));
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QVERIFY2(r.out.isEmpty(), qPrintable(r.out));
}

void tst_qcmtool::convert()
{
    Run r = run({"convert", "CIELCH", "50", "-20", "20"});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QString("50 28.2842712 134\n"));

    r = run({"convert", "CIEXYZ", "100", "0", "0"});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QString("94.8099976 100 107.32\n"));

    // Plus signs, fractions without a leading digit and exponents are numbers.
    r = run({"convert", "CIE1976LAB", "+5e1", ".5", "-0.25"});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QString("50 0.5 -0.25\n"));
}

void tst_qcmtool::convertUnknownSpace()
{
    for (const char *space : {"CIEL*u*v*", "HunterLab", "cielab"}) {
        const Run r = run({"convert", space, "50", "1", "1"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.out.isEmpty());
        QVERIFY(r.err.isEmpty());
    }
}

void tst_qcmtool::swatch()
{
    Run r = run({"swatch", "100", "0", "0"});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QString("#feffea\n"));
    r = run({"swatch", "2.75", "0.45", "-1.05"});
    QCOMPARE(r.out, QString("#0a0a0a\n"));
}

void tst_qcmtool::delta()
{
    // The first published CIEDE2000 pair; the Type comes first.
    Run r = run({"delta", kDelta + "E00", "CIE1976L*a*b*", "50", "2.6772", "-79.7751", "50", "0",
                 "-82.7485"});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out.endsWith('\n'));
    QCOMPARE(QString::number(r.out.trimmed().toDouble(), 'f', 4), QString("2.0425"));

    // Euclidean: 3-4-12 gives 13; an unknown formula name is Euclidean too.
    for (const QString &formula : {kDelta + "ELab", QString("whatever")}) {
        r = run({"delta", formula, "CIE1976L*a*b*", "50", "10", "20", "53", "14", "32"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QString("13\n"));
    }
}

void tst_qcmtool::deltaStream()
{
    // Many lines, mixed separators, a CRLF line end.
    QByteArray input;
    const int lines = 5000;
    for (int i = 0; i < lines; ++i)
        input += (i % 2 ? "50 10 20\t53 14 32\n" : "50\t2.6772 -79.7751  50 0 -82.7485\r\n");
    const Run r = run({"delta", kDelta + "E00", "CIE1976L*a*b*", "-"}, input);
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.err.isEmpty());
    const QStringList out = r.out.split('\n');
    QCOMPARE(out.size(), lines + 1);
    QVERIFY(out.last().isEmpty());
    QCOMPARE(QString::number(out.at(0).toDouble(), 'f', 4), QString("2.0425"));
    const QString second = out.at(1);
    QVERIFY(second.toDouble() > 5 && second.toDouble() < 13);
    for (int i = 0; i < lines; ++i)
        QCOMPARE(out.at(i), out.at(i % 2));

    // No input, no output.
    const Run empty = run({"delta", kDelta + "ECMC", "CIE1976L*a*b*", "-"});
    QCOMPARE(empty.exitCode, 0);
    QVERIFY(empty.out.isEmpty());
}

void tst_qcmtool::deltaStreamErrors_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("goodLines");

    QTest::newRow("short line") << QByteArray("1 2 3 4 5 6\n1 2 3 4 5\n1 2 3 4 5 6\n")
                                << "line 2: expected six numbers" << 1;
    QTest::newRow("long line") << QByteArray("1 2 3 4 5 6 7\n") << "line 1: expected six numbers"
                               << 0;
    QTest::newRow("text") << QByteArray("1 2 3 4 5 6\n1 2 3 4 5 6\n1 2 x 4 5 6\n")
                          << "line 3: 'x' is not a number" << 2;
    QTest::newRow("blank line") << QByteArray("1 2 3 4 5 6\n\n") << "line 2: expected six numbers"
                                << 1;
    QTest::newRow("nan") << QByteArray("nan 2 3 4 5 6\n") << "line 1: 'nan' is not a number" << 0;
}

void tst_qcmtool::deltaStreamErrors()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, message);
    QFETCH(int, goodLines);
    const Run r = run({"delta", kDelta + "ELab", "CIE1976L*a*b*", "-"}, input);
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains("delta: " + message), qPrintable(r.err));
    // The lines before the bad one have their results.
    QCOMPARE(r.out.count('\n'), goodLines);
}

void tst_qcmtool::judge()
{
    // Tolerances normalised to two decimals: 1.234 keeps 1.23, so 1.234 fails.
    Run r = run({"judge", "CIE1976L*a*b*", "2", "2", "1.234", "2", "2", "2", "2", "1.5", "1.234",
                 "-0.005", "-2.01"});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QString("White+ Black-\nNormal\nBlue+ Yellow-\nPass\nFail\nPass\nFail\n"));

    // sRGB words keep their trailing blank; XYZ has no words.
    r = run({"judge", "sRGB", "2", "2", "2", "2", "2", "2", "2", "2.01", "3", "0", "0"});
    QCOMPARE(r.out, QString("White+ \nNormal\nNormal\nFail\nFail\nPass\nPass\n"));
    r = run({"judge", "CIEXYZ", "2", "2", "2", "2", "2", "2", "2", "2", "1", "-1", "0"});
    QCOMPARE(r.out, QString("--\n--\n--\nPass\nPass\nPass\nPass\n"));
    // An unrecognised space: three empty words, four verdicts.
    r = run({"judge", "CIEL*u*v*", "2", "2", "2", "2", "2", "2", "2", "0", "0", "0", "0"});
    QCOMPARE(r.out, QString("\n\n\nPass\nPass\nPass\nPass\n"));
}

void tst_qcmtool::whiteness()
{
    const Run r = run({"whiteness", "100", "0", "0"});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QString("0.31\n91.41\n100.00\n100.43\n"));
    // A black reading has no index: "--", as the window shows it.
    const Run black = run({"whiteness", "-0.5", "0", "0"});
    QCOMPARE(black.exitCode, 0);
    QCOMPARE(black.out, QString("--\n--\n--\n--\n"));
}

QTEST_GUILESS_MAIN(tst_qcmtool)
#include "tst_qcmtool.moc"
