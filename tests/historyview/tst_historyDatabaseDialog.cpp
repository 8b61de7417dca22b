// The "History database" dialog driven through its fields: what it shows
// from the settings, what "OK" writes and announces, and what "Test
// connection" says about a working file, a file that is no database, a
// server that is not there and fields that cannot make a connection.

#include "../support/settingsStore.h"
#include "historyDatabaseDialog.h"
#include "historyFixture.h"
#include "promptRk.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

void typeInto(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

QString lastText()
{
    const QList<promptRk::Record> shown = promptRk::history();
    return shown.isEmpty() ? QString() : shown.last().text;
}

} // namespace

class tst_historyDatabaseDialog : public QObject
{
    Q_OBJECT

    QTemporaryDir folder;

    static QLineEdit *edit(QWidget *dialog, const char *name)
    {
        return dialog->findChild<QLineEdit *>(name);
    }
    // Near the left end, where a radio button's mark and text are.
    static void click(QWidget *dialog, const char *name)
    {
        QAbstractButton *button = dialog->findChild<QAbstractButton *>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    // The server fields filled as a user types them.
    static void enterServer(historyDatabaseDialog &dialog, const QString &host, const QString &port,
                            const QString &database)
    {
        click(&dialog, "serverButton");
        typeInto(edit(&dialog, "hostEdit"), host);
        typeInto(edit(&dialog, "portEdit"), port);
        typeInto(edit(&dialog, "databaseEdit"), database);
    }

private slots:
    void initTestCase()
    {
        promptRk::setTesting(true);
        QVERIFY(folder.isValid());
    }
    void init()
    {
        resetStore();
        promptRk::clearHistory();
    }

    // A first start: the SQLite file beside the journal, the host's name.
    void defaultsAndSettingsShown()
    {
        historyDatabaseDialog dialog;
        dialog.readSettings();
        QVERIFY(dialog.findChild<QRadioButton *>("sqliteButton")->isChecked());
        QVERIFY(edit(&dialog, "sqlitePathEdit")->isEnabled());
        QVERIFY(!edit(&dialog, "hostEdit")->isEnabled());
        QVERIFY(edit(&dialog, "sqlitePathEdit")
                    ->placeholderText()
                    .endsWith(QFileInfo(historyConnection::defaultSqlitePath()).fileName()));
        QCOMPARE(edit(&dialog, "stationEdit")->text(), QSysInfo::machineHostName());
        QVERIFY(dialog.findChild<QLabel *>("passwordNote")->text().contains(".pgpass"));

        // What the settings hold comes back into the fields.
        historyConnection server;
        server.driver = historyConnection::Driver::PostgreSQL;
        server.host = "db.lab";
        server.port = 5433;
        server.database = "qcmhistory";
        server.user = "qcm";
        {
            QSettings settings("SoftWare Inc.", "qcm");
            server.toSettings(settings);
            settings.setValue("historyStation", "line 2");
        }
        dialog.readSettings();
        QVERIFY(dialog.findChild<QRadioButton *>("serverButton")->isChecked());
        QCOMPARE(edit(&dialog, "hostEdit")->text(), QString("db.lab"));
        QCOMPARE(edit(&dialog, "portEdit")->text(), QString("5433"));
        QCOMPARE(edit(&dialog, "databaseEdit")->text(), QString("qcmhistory"));
        QCOMPARE(edit(&dialog, "userEdit")->text(), QString("qcm"));
        QCOMPARE(edit(&dialog, "stationEdit")->text(), QString("line 2"));
        QVERIFY(!edit(&dialog, "sqlitePathEdit")->isEnabled());
    }

    // "OK" writes what is typed, announces a change once, and nothing when
    // nothing changed; the password is never among the settings.
    void okSavesAndAnnounces()
    {
        historyDatabaseDialog dialog;
        dialog.readSettings();
        dialog.show();
        QSignalSpy saved(&dialog, &historyDatabaseDialog::historySettingsSavedSignal);
        enterServer(dialog, "db.lab", "5433", "qcmhistory");
        typeInto(edit(&dialog, "userEdit"), "qcm");
        typeInto(edit(&dialog, "stationEdit"), "  line 2 ");
        click(&dialog, "okButton");
        QVERIFY(!dialog.isVisible());
        QCOMPARE(saved.count(), 1);
        QCOMPARE(saved.at(0).at(1).toString(), QString("line 2"));

        QSettings settings("SoftWare Inc.", "qcm");
        const historyConnection stored = historyConnection::fromSettings(settings);
        QCOMPARE(stored.driver, historyConnection::Driver::PostgreSQL);
        QCOMPARE(stored.host, QString("db.lab"));
        QCOMPARE(stored.port, 5433);
        QCOMPARE(stored.database, QString("qcmhistory"));
        QCOMPARE(stored.user, QString("qcm"));
        QCOMPARE(settings.value("historyStation").toString(), QString("line 2"));
        QCOMPARE(saved.at(0).at(0).toString(), stored.toText());
        for (const QString &key : settings.allKeys())
            QVERIFY2(!key.contains("password", Qt::CaseInsensitive), qPrintable(key));

        // Opened again unchanged: OK announces nothing.
        dialog.readSettings();
        dialog.show();
        click(&dialog, "okButton");
        QCOMPARE(saved.count(), 1);

        // Back to SQLite: the default path stays "the default".
        dialog.readSettings();
        dialog.show();
        click(&dialog, "sqliteButton");
        typeInto(edit(&dialog, "sqlitePathEdit"), historyConnection::defaultSqlitePath());
        typeInto(edit(&dialog, "stationEdit"), "");
        click(&dialog, "okButton");
        QCOMPARE(saved.count(), 2);
        QSettings after("SoftWare Inc.", "qcm");
        QCOMPARE(historyConnection::fromSettings(after).driver, historyConnection::Driver::SQLite);
        QCOMPARE(historyConnection::fromSettings(after).sqlitePath, QString());
        QCOMPARE(after.value("historyStation").toString(), QSysInfo::machineHostName());
    }

    // Fields that cannot make a connection are named plainly, by OK and by
    // the test, and nothing is written.
    void malformedFieldsRefused_data()
    {
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("database");
        QTest::addColumn<QString>("says");
        QTest::newRow("port too large") << "70000"
                                        << "qcm"
                                        << "port must be a number";
        QTest::newRow("port zero") << "0"
                                   << "qcm"
                                   << "port must be a number";
        QTest::newRow("no database") << "5432"
                                     << ""
                                     << "name of the database";
    }
    void malformedFieldsRefused()
    {
        QFETCH(QString, port);
        QFETCH(QString, database);
        QFETCH(QString, says);
        historyDatabaseDialog dialog;
        dialog.readSettings();
        dialog.show();
        QSignalSpy saved(&dialog, &historyDatabaseDialog::historySettingsSavedSignal);
        enterServer(dialog, folder.path(), port, database);
        click(&dialog, "testButton");
        QCOMPARE(promptRk::history().size(), 1);
        QCOMPARE(promptRk::history().last().kind, promptRk::Warning);
        QVERIFY2(lastText().contains(says), qPrintable(lastText()));
        click(&dialog, "okButton");
        QVERIFY2(lastText().contains(says), qPrintable(lastText()));
        QVERIFY(dialog.isVisible());
        QCOMPARE(saved.count(), 0);
        QVERIFY(!QSettings("SoftWare Inc.", "qcm").contains("historyDriver"));
    }

    // "Test connection" on a working SQLite file counts its records; a file
    // that is no database and a server folder with no server say why,
    // without writing the settings.
    void testConnectionSaysWhatIsWrong()
    {
        const QString good = folder.filePath("good.sqlite");
        const QDateTime t(QDate(2026, 11, 3), QTime(9, 30), Qt::UTC);
        const HistoryRecord type = historyFixture::type("RAL 5010", t);
        QVERIFY(
            historyFixture::fill(good, {type, historyFixture::sample(type, "S1", 50, "Pass", t)}));
        resetStore();

        historyDatabaseDialog dialog;
        dialog.readSettings();
        typeInto(edit(&dialog, "sqlitePathEdit"), good);
        click(&dialog, "testButton");
        QCOMPARE(promptRk::history().last().kind, promptRk::Information);
        QVERIFY2(lastText().contains("works") && lastText().contains("2 records"),
                 qPrintable(lastText()));

        const QString junk = folder.filePath("junk.sqlite");
        QFile file(junk);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
        file.close();
        typeInto(edit(&dialog, "sqlitePathEdit"), junk);
        click(&dialog, "testButton");
        QCOMPARE(promptRk::history().last().kind, promptRk::Warning);
        QVERIFY2(lastText().startsWith("The history database cannot be used:\n") &&
                     lastText().contains("junk.sqlite") && lastText().contains("not a database"),
                 qPrintable(lastText()));

        // A socket folder with no server behind it: libpq gives up at once.
        enterServer(dialog, folder.path(), "5499", "qcmhistory");
        click(&dialog, "testButton");
        QCOMPARE(promptRk::history().last().kind, promptRk::Warning);
        QVERIFY2(lastText().startsWith("The history database cannot be used:\n") &&
                     lastText().contains("5499") && lastText().contains("does not answer"),
                 qPrintable(lastText()));
        QVERIFY(!QSettings("SoftWare Inc.", "qcm").contains("historyDriver"));
    }

    // Every text of the dialog shows whole at the size it takes.
    void looksFinished()
    {
        historyDatabaseDialog dialog;
        dialog.readSettings();
        dialog.show();
        QApplication::processEvents();
        const QImage image = dialog.grab().toImage();
        QVERIFY(!image.isNull());
        image.save(QDir(qEnvironmentVariable("QCM_BUILD_DIR"))
                       .filePath("tests/historyDatabaseDialog.png"));
        for (QAbstractButton *button : dialog.findChildren<QAbstractButton *>())
            QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
        for (QLabel *label : dialog.findChildren<QLabel *>()) {
            QVERIFY2(label->width() >= label->minimumSizeHint().width(), qPrintable(label->text()));
            if (label->wordWrap())
                QVERIFY2(label->height() >= label->heightForWidth(label->width()),
                         qPrintable(label->text()));
        }
    }
};

QTEST_MAIN(tst_historyDatabaseDialog)
#include "tst_historyDatabaseDialog.moc"
