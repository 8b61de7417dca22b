#ifndef QCM_TESTS_FAILINGDEVICE_H
#define QCM_TESTS_FAILINGDEVICE_H

// A stream that breaks part way, for the readers' and writers' handling of a
// disk that fills up or a file cut short: reads fail and writes fail once
// `limit` bytes have gone through.  `data` holds what was written, or what a
// test puts there to be read back.

#include <QByteArray>
#include <QIODevice>

#include <cstring>

class FailingDevice : public QIODevice
{
public:
    explicit FailingDevice(qint64 limit) : m_limit(limit) { open(QIODevice::ReadWrite); }
    QByteArray data;

protected:
    qint64 readData(char *out, qint64 max) override
    {
        const qint64 n = qMin(max, qMin(m_limit, qint64(data.size())) - m_read);
        if (n <= 0)
            return m_read < data.size() ? -1 : 0;
        std::memcpy(out, data.constData() + m_read, size_t(n));
        m_read += n;
        return n;
    }
    qint64 writeData(const char *in, qint64 len) override
    {
        if (data.size() + len > m_limit)
            return -1;
        data.append(in, int(len));
        return len;
    }
    bool isSequential() const override { return true; }

private:
    qint64 m_limit;
    qint64 m_read = 0;
};

#endif
