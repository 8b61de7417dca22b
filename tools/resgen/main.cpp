// qcm-resgen: draws every picture the program loads and writes them under an
// output folder with the relative paths the program reads (icon/..., start
// image/..., MainPng512.ico). Run at build time; nothing here is checked in
// as a binary.

#include "art.h"
#include "icoWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextStream>

namespace {

class Writer
{
public:
    explicit Writer(const QString &root) : m_root(root) {}

    void image(const QString &relative, const QImage &img)
    {
        const QString path = m_root.filePath(relative);
        if (img.isNull()) {
            fail(path, QStringLiteral("nothing was drawn"));
            return;
        }
        if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
            fail(path, QStringLiteral("cannot create the folder"));
            return;
        }
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || !img.save(&file, "PNG") || !file.commit())
            fail(path, file.errorString());
        else
            ++m_written;
    }

    void bytes(const QString &relative, const QByteArray &data)
    {
        const QString path = m_root.filePath(relative);
        if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
            fail(path, QStringLiteral("cannot create the folder"));
            return;
        }
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
            fail(path, file.errorString());
        else
            ++m_written;
    }

    int written() const { return m_written; }
    int failures() const { return m_failures; }

private:
    void fail(const QString &path, const QString &why)
    {
        QTextStream(stderr) << "qcm-resgen: " << path << ": " << why << '\n';
        ++m_failures;
    }

    QDir m_root;
    int m_written = 0;
    int m_failures = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    // Drawing text needs a GUI application but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: qcm-resgen <output folder>\n";
        return 2;
    }
    Writer out(args.at(1));

    for (const art::Theme &theme : art::themes()) {
        QStringList files = art::actionIconFiles();
        if (theme.name == QLatin1String("blue"))
            files += art::blueOnlyIconFiles();
        for (const QString &file : files)
            out.image(QStringLiteral("icon/%1/%2").arg(theme.name, file),
                      art::actionIcon(file, theme));
    }

    for (int i = 1; i <= 5; ++i)
        out.image(QStringLiteral("start image/") + art::splashFileName(i), art::splash(i));

    QList<QImage> icoImages;
    for (int size : {16, 24, 32, 48, 64, 256})
        icoImages.append(art::appIcon(size));
    out.bytes(QStringLiteral("MainPng512.ico"), icoContainer(icoImages));
    out.image(QStringLiteral("icon/qcm.png"), art::appIcon(256));
    for (int size : {16, 24, 32, 48, 64, 128, 256, 512})
        out.image(QStringLiteral("icon/hicolor/%1x%1/qcm.png").arg(size), art::appIcon(size));

    out.image(QStringLiteral("icon/resImage/ab.png"), art::abDisc());
    out.image(QStringLiteral("icon/resImage/L.png"), art::lightnessBar());
    out.image(QStringLiteral("icon/resImage/CIE_1931.png"), art::chromaticity1931());
    out.image(QStringLiteral("icon/resImage/CIE_1976_UCS.png"), art::chromaticity1976());

    out.image(QStringLiteral("icon/plotter/zoomIn.png"), art::zoomIcon(true));
    out.image(QStringLiteral("icon/plotter/zoomOut.png"), art::zoomIcon(false));

    out.image(QStringLiteral("icon/printImage/format1.png"), art::reportThumbnail(1));
    out.image(QStringLiteral("icon/printImage/format2.png"), art::reportThumbnail(2));

    out.image(QStringLiteral("icon/LOGO/LOGO-QCM.png"), art::logo());

    if (out.failures() > 0)
        return 1;
    QTextStream(stdout) << "qcm-resgen: " << out.written() << " files under "
                        << QDir(args.at(1)).absolutePath() << '\n';
    return 0;
}
