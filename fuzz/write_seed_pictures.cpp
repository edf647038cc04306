// Writes a small picture in every other format this Qt writes, the seeds from which the picture
// fuzz target shows that no file but a BMP or a GIF is a skin picture, whatever Qt could make of
// it. A picture with a long text and a progressive JPEG start the fuzzer near the costly files,
// and a GIF's screen followed by nothing but zeros, as a sparse file reads, near the long ones.
// Usage: write_seed_pictures FOLDER
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) return 1;
    QImage picture(16, 12, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    QImage withText = picture;
    withText.setText("Comment", QString(200, 'a'));  // long enough to be written compressed

    int written = 0;
    for (const QByteArray& format : QImageWriter::supportedImageFormats()) {
        if (format == "bmp" || format == "dib") continue;  // the skins' own format
        QImageWriter writer(folder.filePath("picture." + format));
        writer.setFormat(format);
        if (writer.write(picture)) ++written;
    }
    QImageWriter textPng(folder.filePath("text.png"), "png");
    QImageWriter progressive(folder.filePath("progressive.jpeg"), "jpeg");
    progressive.setProgressiveScanWrite(true);
    // A 1 x 1 screen without a colour table, then zeros where its blocks should be.
    QFile zeros(folder.filePath("zeros-after-a-screen.gif"));
    const QByteArray screen("GIF89a\x01\x00\x01\x00\x00\x00\x00", 13);
    const bool zerosWritten =
        zeros.open(QIODevice::WriteOnly) && zeros.write(screen + QByteArray(64 << 10, '\0')) > 0;
    if (!textPng.write(withText) || !progressive.write(picture) || !zerosWritten || written == 0) {
        std::fprintf(stderr, "%s: could not write the pictures\n", argv[0]);
        return 1;
    }
    return 0;
}
