#include "platformIntegration.h"

#include <QDir>
#include <QFile>
#include <QSettings>

void ensureFileAssociation(const QString &programPath)
{
    const QString nativePath = QDir::toNativeSeparators(programPath);
    QSettings extension("HKEY_CLASSES_ROOT\\.qcm\\", QSettings::NativeFormat);
    if (extension.value("Default").toString() == QLatin1String("qcm_auto_file"))
        return;
    extension.setValue("Default", "qcm_auto_file");
    QSettings icon("HKEY_CLASSES_ROOT\\.qcm\\DefaultIcon\\", QSettings::NativeFormat);
    icon.setValue("Default", nativePath + ",0");
    QSettings command("HKEY_CLASSES_ROOT\\Applications\\MainWindows.exe\\shell\\open\\command\\",
                      QSettings::NativeFormat);
    command.setValue("Default", nativePath + " %1");
}

void ensureSerialDriver()
{
    const QString root = QDir::homePath().left(3);
    const QString drivers = root + "windows/System32/drivers/";
    const QStringList present = QDir(drivers).entryList({"*.sys"}, QDir::Files);
    if (present.contains("usbser.sys", Qt::CaseInsensitive))
        return;
    // A failed copy is not fatal: the port simply does not appear.
    QFile::copy("./driver/usbser.sys", drivers + "usbser.sys");
}
