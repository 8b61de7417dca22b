#include "chartPictures.h"

#include "resourcePath.h"

#include <QDir>
#include <QPaintDevice>
#include <QPainter>

chartPictures::chartPictures()
{
    load(QString());
}

chartPictures::chartPictures(const QString &folder)
{
    load(folder);
}

const chartPictures &chartPictures::shared()
{
    static const chartPictures pictures;
    return pictures;
}

QString chartPictures::relativePath(Picture picture)
{
    switch (picture) {
    case abDisc:
        return QStringLiteral("./icon/resImage/ab.png");
    case lightnessBar:
        return QStringLiteral("./icon/resImage/L.png");
    case uvDiagram:
        return QStringLiteral("./icon/resImage/CIE_1976_UCS.png");
    case xyDiagram:
        return QStringLiteral("./icon/resImage/CIE_1931.png");
    case zoomInIcon:
        return QStringLiteral("./icon/plotter/zoomIn.png");
    case zoomOutIcon:
        return QStringLiteral("./icon/plotter/zoomOut.png");
    case pictureCount:
        break;
    }
    return QString();
}

void chartPictures::load(const QString &root)
{
    for (int i = 0; i < pictureCount; ++i) {
        const QString relative = relativePath(Picture(i));
        const QString path =
            root.isEmpty() ? resourcePath(relative) : QDir(root).filePath(relative.mid(2));
        // A missing or unreadable file leaves a null picture; the chart that
        // needs it then shows its title strip only.
        m_images[i].load(path);
        if (!m_images[i].isNull())
            m_images[i] = m_images[i].convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
}

void chartPictures::draw(QPainter &painter, Picture picture, const QRectF &target) const
{
    const QImage &original = m_images[picture];
    if (original.isNull() || target.width() < 1 || target.height() < 1)
        return;
    const QTransform transform = painter.worldTransform();
    if (transform.type() > QTransform::TxTranslate) {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, original);
        painter.restore();
        return;
    }
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QSize pixels = (target.size() * ratio).toSize();
    const quint64 key = (quint64(picture) << 56) | (quint64(pixels.width() & 0xFFFFFF) << 28) |
                        quint64(pixels.height() & 0xFFFFFFF);
    auto found = m_scaled.constFind(key);
    if (found == m_scaled.constEnd()) {
        // A chart keeps one size until the window is resized: a handful of
        // entries is all there ever is in use.
        if (m_scaled.size() > 16)
            m_scaled.clear();
        QImage scaled = original.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        scaled.setDevicePixelRatio(ratio);
        found = m_scaled.insert(key, scaled);
    }
    painter.drawImage(target.topLeft(), found.value());
}
