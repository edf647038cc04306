// Writes the program's built-in pictures as the files of the default skin, and checks files
// against them. Built and run by assets/make-skin; not part of the program.
//
//   export_skin export <folder>   BMP pictures as they are, GIF pictures as PNG for `convert`
//   export_skin check <folder>    every skin picture reads back at its built-in size
#include "art/builtin_pictures.h"

#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QString>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

struct SkinPicture {
    const char* file;  // the name in the skin folder
    QImage (*draw)();  // the built-in picture it stands for
};

// Back1.bmp stands for the start window's background; the panels show the same file.
const std::vector<SkinPicture> skinPictures = {
    {"Back.bmp", art::gameBackground},
    {"Back1.bmp", art::startGround},
    {"Button1.bmp", art::smallButtonNormal},
    {"Button2.bmp", art::smallButtonPressed},
    {"Topbar.bmp", art::topBar},
    {"Xpic.gif", art::crossMark},
    {"Opic.gif", art::noughtMark},
    {"Blank.gif", art::blankCell},
    {"Bar1.gif", art::rowStrike},
    {"Bar2.gif", art::columnStrike},
    {"Bar3.gif", art::diagonalStrikeRising},
    {"Bar4.gif", art::diagonalStrikeFalling},
};

bool isGif(const char* file) { return QString::fromUtf8(file).endsWith(".gif"); }

// Whether any pixel lets the ground show through (the drawings all carry an alpha channel).
bool seeThrough(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(argb.pixel(x, y)) < 255) return true;
        }
    }
    return false;
}

int exportPictures(const QString& folder) {
    for (const SkinPicture& picture : skinPictures) {
        const QImage image = picture.draw();
        const bool transparent = seeThrough(image);
        QString name = folder + "/" + picture.file;
        bool saved = false;
        if (isGif(picture.file)) {
            // Qt writes no GIF: a PNG carries the transparency, where there is any, to `convert`.
            name.replace(".gif", ".png");
            const auto format = transparent ? QImage::Format_ARGB32 : QImage::Format_RGB888;
            saved = image.convertToFormat(format).save(name, "PNG");
        } else if (transparent) {
            std::fprintf(stderr, "export_skin: %s would lose its transparency\n", picture.file);
            return 1;
        } else {
            saved = image.convertToFormat(QImage::Format_RGB888).save(name, "BMP");
        }
        if (!saved) {
            std::fprintf(stderr, "export_skin: cannot write %s\n", qPrintable(name));
            return 1;
        }
        std::printf("%-12s %s\n", picture.file, transparent ? "transparent" : "opaque");
    }
    return 0;
}

int checkPictures(const QString& folder) {
    int faults = 0;
    for (const SkinPicture& picture : skinPictures) {
        const QString name = folder + "/" + picture.file;
        QImageReader reader(name);
        const QImage image = reader.read();
        const QSize wanted = picture.draw().size();
        if (image.isNull()) {
            std::fprintf(stderr, "export_skin: %s does not read back: %s\n", qPrintable(name),
                         qPrintable(reader.errorString()));
            ++faults;
        } else if (image.size() != wanted) {
            std::fprintf(stderr, "export_skin: %s is %dx%d, the built-in picture %dx%d\n",
                         qPrintable(name), image.width(), image.height(), wanted.width(),
                         wanted.height());
            ++faults;
        } else {
            std::printf("%-12s %3dx%-3d %s\n", picture.file, image.width(), image.height(),
                        seeThrough(image) ? "transparent" : "opaque");
        }
    }
    return faults == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 || (std::strcmp(argv[1], "export") != 0 && std::strcmp(argv[1], "check") != 0)) {
        std::fprintf(stderr, "usage: export_skin export|check <folder>\n");
        return 2;
    }
    // The drawings use fonts and painters, which want a GUI application (offscreen will do).
    QGuiApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    return std::strcmp(argv[1], "export") == 0 ? exportPictures(folder) : checkPictures(folder);
}
