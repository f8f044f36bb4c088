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

namespace {

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
