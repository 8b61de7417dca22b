#include "historyDatabaseDialog.h"

#include "historyStore.h"
#include "numberInput.h"
#include "promptRk.h"

#include <QButtonGroup>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSysInfo>
#include <QVBoxLayout>

namespace {

const int lowestPort = 1;
const int highestPort = 65535;

QLineEdit *namedEdit(const char *name)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    return edit;
}

} // namespace

historyDatabaseDialog::historyDatabaseDialog(QWidget *parent)
    // The least size that shows every text whole, in either language.
    : fixedSizeDialog(QSize(520, 365), QSize(520, 365), parent), m_title(new QLabel),
      m_sqliteButton(new QRadioButton), m_sqlitePath(namedEdit("sqlitePathEdit")),
      m_serverButton(new QRadioButton), m_hostLabel(new QLabel), m_host(namedEdit("hostEdit")),
      m_portLabel(new QLabel), m_port(namedEdit("portEdit")), m_databaseLabel(new QLabel),
      m_userLabel(new QLabel), m_database(namedEdit("databaseEdit")), m_user(namedEdit("userEdit")),
      m_passwordNote(new QLabel), m_stationLabel(new QLabel), m_station(namedEdit("stationEdit")),
      m_testButton(new QPushButton), m_okButton(new QPushButton), m_cancelButton(new QPushButton)
{
    setObjectName(QStringLiteral("historyDatabaseDialog"));
    m_title->setObjectName(QStringLiteral("titleLabel"));
    QFont titleFont = m_title->font();
    titleFont.setPointSize(14);
    m_title->setFont(titleFont);
    m_sqliteButton->setObjectName(QStringLiteral("sqliteButton"));
    m_serverButton->setObjectName(QStringLiteral("serverButton"));
    m_passwordNote->setObjectName(QStringLiteral("passwordNote"));
    m_passwordNote->setWordWrap(true);
    m_testButton->setObjectName(QStringLiteral("testButton"));
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_sqlitePath->setMinimumWidth(460);
    m_host->setMinimumWidth(220);
    m_database->setMinimumWidth(220);
    m_user->setMinimumWidth(190);
    m_sqlitePath->setPlaceholderText(
        QDir::toNativeSeparators(historyConnection::defaultSqlitePath()));
    m_port->setValidator(new wholeNumberValidator(lowestPort, highestPort, this));
    m_port->setMaximumWidth(80);

    auto *choice = new QButtonGroup(this);
    choice->addButton(m_sqliteButton);
    choice->addButton(m_serverButton);
    m_sqliteButton->setChecked(true);

    const int indent = 24;
    auto *grid = new QGridLayout;
    grid->setColumnMinimumWidth(0, indent);
    grid->addWidget(m_sqliteButton, 0, 0, 1, 5);
    grid->addWidget(m_sqlitePath, 1, 1, 1, 4);
    grid->addWidget(m_serverButton, 2, 0, 1, 5);
    grid->addWidget(m_hostLabel, 3, 1);
    grid->addWidget(m_host, 3, 2);
    grid->addWidget(m_portLabel, 3, 3);
    grid->addWidget(m_port, 3, 4);
    grid->addWidget(m_databaseLabel, 4, 1);
    grid->addWidget(m_database, 4, 2);
    grid->addWidget(m_userLabel, 4, 3);
    grid->addWidget(m_user, 4, 4);
    grid->addWidget(m_passwordNote, 5, 1, 1, 4);
    grid->setColumnStretch(2, 1);

    auto *stationRow = new QHBoxLayout;
    stationRow->addWidget(m_stationLabel);
    stationRow->addWidget(m_station, 1);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addWidget(m_testButton);
    buttonRow->addStretch();
    buttonRow->addWidget(m_okButton);
    buttonRow->addWidget(m_cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_title, 0, Qt::AlignHCenter);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(stationRow);
    layout->addSpacing(8);
    layout->addLayout(buttonRow);

    connect(m_sqliteButton, &QRadioButton::toggled, this, &historyDatabaseDialog::showDriverFields);
    connect(m_testButton, &QPushButton::clicked, this, &historyDatabaseDialog::testConnectionFcn);
    connect(m_okButton, &QPushButton::clicked, this, &historyDatabaseDialog::OKButtonFcn);
    connect(m_cancelButton, &QPushButton::clicked, this, &historyDatabaseDialog::cancelButtonFcn);

    setValues(historyConnection(), QSysInfo::machineHostName());
    retranslateFor(false);
}

QString historyDatabaseDialog::stationKey()
{
    return QStringLiteral("historyStation");
}

QString historyDatabaseDialog::stationFrom(const QSettings &settings)
{
    const QString station = settings.value(stationKey()).toString().trimmed();
    return station.isEmpty() ? QSysInfo::machineHostName() : station;
}

void historyDatabaseDialog::readSettings()
{
    const QSettings settings(QStringLiteral("SoftWare Inc."), QStringLiteral("qcm"));
    setValues(historyConnection::fromSettings(settings), stationFrom(settings));
}

void historyDatabaseDialog::setValues(const historyConnection &connection, const QString &station)
{
    const bool server = connection.driver == historyConnection::Driver::PostgreSQL;
    (server ? m_serverButton : m_sqliteButton)->setChecked(true);
    m_sqlitePath->setText(QDir::toNativeSeparators(connection.sqlitePath));
    m_host->setText(connection.host);
    m_port->setText(QString::number(connection.port));
    m_database->setText(connection.database);
    m_user->setText(connection.user);
    m_station->setText(station);
    showDriverFields();
}

void historyDatabaseDialog::showDriverFields()
{
    const bool server = m_serverButton->isChecked();
    m_sqlitePath->setEnabled(!server);
    for (QWidget *field : {static_cast<QWidget *>(m_host), static_cast<QWidget *>(m_port),
                           static_cast<QWidget *>(m_database), static_cast<QWidget *>(m_user)})
        field->setEnabled(server);
}

bool historyDatabaseDialog::enteredConnection(historyConnection *connection, QString *error) const
{
    historyConnection c;
    if (m_sqliteButton->isChecked()) {
        c.driver = historyConnection::Driver::SQLite;
        const QString path = QDir::fromNativeSeparators(m_sqlitePath->text().trimmed());
        // The default stays "the default", so that it follows the data folder.
        c.sqlitePath = path == historyConnection::defaultSqlitePath() ? QString() : path;
        *connection = c;
        return true;
    }
    c.driver = historyConnection::Driver::PostgreSQL;
    c.host = m_host->text().trimmed();
    bool ok = false;
    const QString portText = m_port->text().trimmed();
    c.port = portText.isEmpty() ? 5432 : numberInputLocale().toInt(portText, &ok);
    if (!portText.isEmpty() && (!ok || c.port < lowestPort || c.port > highestPort)) {
        *error = tr("The port must be a number from 1 to 65535.");
        return false;
    }
    c.database = m_database->text().trimmed();
    if (c.database.isEmpty()) {
        *error = tr("Enter the name of the database on the server.");
        return false;
    }
    c.user = m_user->text().trimmed();
    *connection = c;
    return true;
}

QString historyDatabaseDialog::enteredStation() const
{
    const QString station = m_station->text().trimmed();
    return station.isEmpty() ? QSysInfo::machineHostName() : station;
}

void historyDatabaseDialog::testConnectionFcn()
{
    historyConnection connection;
    QString error;
    if (!enteredConnection(&connection, &error)) {
        promptRk::warning(this, tr("Tips"), error);
        return;
    }
    historyStore store(connection);
    if (!store.open(&error)) {
        promptRk::warning(this, tr("Tips"),
                          tr("The history database cannot be used:\n%1").arg(error));
        return;
    }
    qint64 records = 0;
    const bool counted = store.count(HistoryFilter(), &records, &error);
    store.close();
    promptRk::information(
        this, tr("Tips"),
        counted ? tr("The connection works: the history database holds %1 records.").arg(records)
                : tr("The connection works."));
}

void historyDatabaseDialog::OKButtonFcn()
{
    historyConnection connection;
    QString error;
    if (!enteredConnection(&connection, &error)) {
        promptRk::warning(this, tr("Tips"), error);
        return;
    }
    const QString station = enteredStation();
    QSettings settings(QStringLiteral("SoftWare Inc."), QStringLiteral("qcm"));
    const bool changed =
        historyConnection::fromSettings(settings) != connection || stationFrom(settings) != station;
    connection.toSettings(settings);
    settings.setValue(stationKey(), station);
    settings.sync();
    m_station->setText(station);
    if (changed)
        emit historySettingsSavedSignal(connection.toText(), station);
    accept();
}

void historyDatabaseDialog::cancelButtonFcn()
{
    reject();
}

void historyDatabaseDialog::retranslate()
{
    setWindowTitle(tr("History database"));
    m_title->setText(tr("History database"));
    m_sqliteButton->setText(tr("SQLite file on this computer"));
    m_serverButton->setText(tr("PostgreSQL server shared by the stations of the lab"));
    m_hostLabel->setText(tr("Host:"));
    m_host->setPlaceholderText(tr("empty: this computer"));
    m_portLabel->setText(tr("Port:"));
    m_databaseLabel->setText(tr("Database:"));
    m_userLabel->setText(tr("User:"));
    m_user->setPlaceholderText(tr("empty: your login"));
    m_passwordNote->setText(tr("The password is read from ~/.pgpass or PGPASSWORD; QCM never "
                               "stores it."));
    m_stationLabel->setText(tr("Station name:"));
    m_testButton->setText(tr("Test connection"));
    m_okButton->setText(tr("OK"));
    m_cancelButton->setText(tr("Cancel"));
}
