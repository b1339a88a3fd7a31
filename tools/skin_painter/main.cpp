// skin_painter: draws every skin picture into a folder.
//
//   skin_painter --out DIR [--list-file FILE]   write all pictures into DIR; FILE gets one name a line
//   skin_painter --extended --out DIR           the same, with the extended controls' pictures too
//   skin_painter --list                         print name, size and user of every picture
#include "tools/skin_painter/gif_writer.h"
#include "tools/skin_painter/png_writer.h"
#include "tools/skin_painter/skin_catalog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>

namespace {

int usage()
{
    std::fprintf(stderr,
                 "usage: skin_painter [--extended] --out DIR [--list-file FILE] | [--extended] --list\n");
    return 2;
}

std::vector<SkinPicture> chosenPictures(bool extended)
{
    std::vector<SkinPicture> all = skinCatalog();
    if (extended)
        all.insert(all.end(), extendedSkinCatalog().begin(), extendedSkinCatalog().end());
    return all;
}

// The frames of an animation's strip: squares as high as the strip, left to right.
std::vector<QImage> animationFrames(const QImage& strip)
{
    std::vector<QImage> frames;
    const int side = strip.height();
    for (int x = 0; side > 0 && x + side <= strip.width(); x += side)
        frames.push_back(strip.copy(x, 0, side, side));
    return frames;
}

bool writeAll(const std::vector<SkinPicture>& pictures, const QString& outDir)
{
    const QDir dir(outDir);
    for (const SkinPicture& pic : pictures) {
        const QString path = dir.filePath(pic.name);
        if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
            std::fprintf(stderr, "skin_painter: cannot create folder for %s\n", qPrintable(path));
            return false;
        }
        const bool written =
            pic.name.endsWith(QLatin1String(".gif"))
                ? writeGif(path, animationFrames(renderSkinPicture(pic)), skinAnimationFrameMs)
                : writePng(path, renderSkinPicture(pic));
        if (!written) {
            std::fprintf(stderr, "skin_painter: cannot write %s\n", qPrintable(path));
            return false;
        }
    }
    return true;
}

bool writeList(const std::vector<SkinPicture>& pictures, const QString& listFile)
{
    QFile f(listFile);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream out(&f);
    for (const SkinPicture& pic : pictures)
        out << pic.name << '\n';
    out.flush();
    return f.error() == QFileDevice::NoError;
}

}  // namespace

int main(int argc, char** argv)
{
    // Text in the pictures needs the font database, hence a GUI application, but no screen.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);

    QString outDir, listFile;
    bool list = false;
    bool extended = false;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--out") && i + 1 < args.size())
            outDir = args[++i];
        else if (args[i] == QLatin1String("--list-file") && i + 1 < args.size())
            listFile = args[++i];
        else if (args[i] == QLatin1String("--list"))
            list = true;
        else if (args[i] == QLatin1String("--extended"))
            extended = true;
        else
            return usage();
    }

    const std::vector<SkinPicture> pictures = chosenPictures(extended);
    if (list) {
        for (const SkinPicture& pic : pictures)
            std::printf("%s\t%dx%d\t%s\n", qPrintable(pic.name), pic.size.width(), pic.size.height(),
                        qPrintable(pic.usedBy));
        return 0;
    }
    if (outDir.isEmpty())
        return usage();
    if (!writeAll(pictures, outDir))
        return 1;
    if (!listFile.isEmpty() && !writeList(pictures, listFile)) {
        std::fprintf(stderr, "skin_painter: cannot write %s\n", qPrintable(listFile));
        return 1;
    }
    return 0;
}
