#ifndef QCM_TESTS_LIBRARYBYTES_H
#define QCM_TESTS_LIBRARYBYTES_H

// Library files assembled by hand, independently of the writer under test.

#include "libraryFile.h"

#include <QByteArray>
#include <QString>
#include <QVector>

// Big-endian bytes as the file holds them.
class Bytes
{
public:
    Bytes &i32(qint32 v)
    {
        const quint32 u = quint32(v);
        for (int shift = 24; shift >= 0; shift -= 8)
            data.append(char((u >> shift) & 0xFF));
        return *this;
    }
    Bytes &text(const QString &s)
    {
        if (s.isNull())
            return i32(-1);
        i32(s.size() * 2);
        for (QChar c : s)
            data.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
        return *this;
    }
    // One entry; returns the end offset of each of its fifteen fields.
    QVector<int> entry(const LibraryEntry &e)
    {
        QVector<int> ends;
        auto number = [&](qint32 v) { ends << i32(v).data.size(); };
        auto string = [&](const QString &t) { ends << text(t).data.size(); };
        number(e.order);
        for (const QString *t : {&e.name, &e.info, &e.colorSpace, &e.value})
            string(*t);
        for (qint32 c : {e.red, e.green, e.blue})
            number(c);
        for (const QString *t : {&e.lightSource, &e.observer, &e.illuminationMode, &e.caliber,
                                 &e.lightMode, &e.averageTimes, &e.measurementTime})
            string(*t);
        return ends;
    }
    QByteArray data;
};

inline QByteArray libraryMagic()
{
    return QByteArray::fromHex("55AA3535");
}

#endif
