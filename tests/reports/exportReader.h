#ifndef QCM_TESTS_EXPORTREADER_H
#define QCM_TESTS_EXPORTREADER_H

// Reads written exports back with programs that share no code with the
// writers: openpyxl for workbooks, Python's csv module for CSV files (both
// installed by tools/setup.sh).  A missing reader fails the test, loudly.

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>

inline QJsonObject readExport(const QString &script, const QString &file, QString *failure)
{
    const QString python = QStringLiteral(QCM_TEST_PYTHON);
    if (python.isEmpty() || python.endsWith(QLatin1String("NOTFOUND"))) {
        *failure = "python3 was not found; tools/setup.sh installs python3 and python3-openpyxl";
        return {};
    }
    const QString scriptPath =
        QDir(qEnvironmentVariable("QCM_SOURCE_DIR")).filePath("tests/reports/" + script);
    QProcess reader;
    reader.start(python, {scriptPath, file});
    if (!reader.waitForFinished(120000) || reader.exitStatus() != QProcess::NormalExit ||
        reader.exitCode() != 0) {
        *failure = QStringLiteral("%1 %2 failed (is python3-openpyxl installed? tools/setup.sh "
                                  "installs it): %3")
                       .arg(python, script, QString::fromUtf8(reader.readAllStandardError()));
        return {};
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(reader.readAllStandardOutput(), &error);
    if (error.error != QJsonParseError::NoError) {
        *failure = script + ": " + error.errorString();
        return {};
    }
    return document.object();
}

#endif
