#ifndef QCM_TESTS_SETTINGSSTORE_H
#define QCM_TESTS_SETTINGSSTORE_H

// The program's settings store, emptied and filled with `values` before a
// window is built.  Each test program has a store of its own (CMake points
// XDG_CONFIG_HOME into the build folder).

#include <QSettings>
#include <QVariantMap>

inline void resetStore(const QVariantMap &values = {})
{
    QSettings settings("SoftWare Inc.", "qcm");
    settings.clear();
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        settings.setValue(it.key(), it.value());
    settings.sync();
}

#endif
