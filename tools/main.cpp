// brinell-artwork <assets-folder> <schemes-folder>
//
// Draws the program's built-in pictures, glyphs and icon into the assets folder
// and the three sample scheme files into the schemes folder, replacing what is
// there. It draws off screen and needs no display.

#include "BmpFile.h"
#include "Glyphs.h"
#include "IcoFile.h"
#include "IconPicture.h"
#include "IndenterSketch.h"
#include "JpegFile.h"
#include "LoadingScheme.h"
#include "MaterialTablePicture.h"
#include "TesterPhotograph.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <exception>
#include <stdexcept>

namespace {

// The icon in the sizes a desktop menu asks for, as PNG files brinell-<size>.png:
// each made from the icon image whose size divides it, pixels repeated whole.
void WriteDesktopIcons(const QList<QImage>& images, const QDir& folder)
{
    folder.mkpath(QStringLiteral("."));
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        QImage source;
        for (const QImage& image : images)
            if (size % image.width() == 0 && image.width() > source.width())
                source = image;
        const QImage icon =
            source.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const QString name = QStringLiteral("brinell-%1.png").arg(size);
        if (!icon.save(folder.filePath(name), "PNG"))
            throw std::runtime_error("cannot write " + name.toStdString());
    }
}

void drawAll(const QDir& assets, const QDir& schemes)
{
    WriteJpeg(TesterPhotograph(), assets.filePath(QStringLiteral("tester.jpg")));
    WriteJpeg(IndenterSketch(), assets.filePath(QStringLiteral("indenter.jpg")));
    WriteJpeg(MaterialTablePicture(), assets.filePath(QStringLiteral("material-table.jpg")));
    WriteJpeg(LoadingScheme(InitialScheme()),
              assets.filePath(QStringLiteral("loading-scheme.jpg")));
    WriteBmp(StartGlyph(), assets.filePath(QStringLiteral("start.bmp")), DibDepth::Indexed8);
    WriteBmp(MagnifyGlyph(), assets.filePath(QStringLiteral("magnify.bmp")), DibDepth::Rgb24);
    WriteBmp(GridGlyph(), assets.filePath(QStringLiteral("grid.bmp")), DibDepth::Rgb24);
    WriteIco(IconImages(), assets.filePath(QStringLiteral("brinell.ico")));
    WriteDesktopIcons(IconImages(), QDir(assets.filePath(QStringLiteral("icons"))));
    for (const SchemeFile& scheme : SchemeFiles())
        WriteJpeg(LoadingScheme(scheme.state), schemes.filePath(scheme.fileName));
}

} // namespace

int main(int argc, char** argv)
{
    // Text needs the font database of a GUI application, but nothing is shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 3) {
        std::fputs("usage: brinell-artwork <assets-folder> <schemes-folder>\n", stderr);
        return 2;
    }
    try {
        drawAll(QDir(arguments[1]), QDir(arguments[2]));
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "brinell-artwork: %s\n", failure.what());
        return 1;
    }
    return 0;
}
