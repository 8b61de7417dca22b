#ifndef QCM_HISTORYDATABASEDIALOG_H
#define QCM_HISTORYDATABASEDIALOG_H

#include "fixedSizeDialog.h"
#include "historyConnection.h"

#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSettings;

// "History database": where the measurement history is kept, the SQLite
// file of this computer (the default) or a PostgreSQL server the stations
// of a lab share, and the name this station records under.  The password of
// a server is never asked for nor kept: libpq reads it from ~/.pgpass or
// PGPASSWORD.  "Test connection" opens the history with what is entered and
// says plainly what is wrong; "OK" writes the settings and reports them.
class historyDatabaseDialog : public fixedSizeDialog
{
    Q_OBJECT
public:
    explicit historyDatabaseDialog(QWidget *parent = nullptr);

    // Settings key of the station's name; its default is the host name.
    static QString stationKey();
    static QString stationFrom(const QSettings &settings);

    // What the fields say; false with a plain reason for a port that is no
    // number from 1 to 65535 or a server without a database name.
    bool enteredConnection(historyConnection *connection, QString *error) const;
    QString enteredStation() const;

public slots:
    // The fields from the settings store (the command calls it before the
    // dialog opens, so that it shows what is in force).
    void readSettings();
    void setValues(const historyConnection &connection, const QString &station);
    // Opens the history with the values entered; the answer is a box.
    void testConnectionFcn();
    void OKButtonFcn();
    void cancelButtonFcn();

signals:
    // "OK" wrote new settings: the connection as text
    // (historyConnection::toText) and the station.
    void historySettingsSavedSignal(const QString &connection, const QString &station);

protected:
    void retranslate() override;

private:
    void showDriverFields();

    QLabel *m_title;
    QRadioButton *m_sqliteButton;
    QLineEdit *m_sqlitePath;
    QRadioButton *m_serverButton;
    QLabel *m_hostLabel;
    QLineEdit *m_host;
    QLabel *m_portLabel;
    QLineEdit *m_port;
    QLabel *m_databaseLabel;
    QLabel *m_userLabel;
    QLineEdit *m_database;
    QLineEdit *m_user;
    QLabel *m_passwordNote;
    QLabel *m_stationLabel;
    QLineEdit *m_station;
    QPushButton *m_testButton;
    QPushButton *m_okButton;
    QPushButton *m_cancelButton;
};

#endif
