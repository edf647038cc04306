// Picture files: only BMP and GIF are pictures, whatever the name, what is too large for the
// windows is refused, whatever the file claims or however sparse it is, only what is missing is
// not found (and nothing is waited for), and decoded pixels are kept only while a picture of the
// same file is in use.
#include "forms/picture.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageWriter>
#include <QTemporaryDir>

#include <sys/stat.h>

#include "error_code_of.h"
#include "game/skin_files.h"

namespace fs = std::filesystem;
using forms::ErrorCode;
using forms::Picture;
using skin_files::appendLittleEndian;
using skin_files::gifWithoutPixels;
using skin_files::runLengthBmp;

namespace {

// `image` as the bytes of a file of `format`.
std::string encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image)) return {};
    return bytes.toStdString();
}

// The headers of an uncompressed BMP of 4 bytes a pixel, the longest a BMP of its size is: its
// `width` x `height` x 4 bytes of pixels follow.
std::string uncompressedBmpHeaders(std::uint32_t width, std::uint32_t height) {
    const std::uint32_t headers = 14 + 40, pixelBytes = width * height * 4;
    std::string bytes = "BM";
    for (std::uint32_t field : {headers + pixelBytes, 0u, headers})
        appendLittleEndian(bytes, field, 4);
    for (std::uint32_t field : {40u, width, height}) appendLittleEndian(bytes, field, 4);
    appendLittleEndian(bytes, 1, 2);   // one plane
    appendLittleEndian(bytes, 32, 2);  // 32 bits a pixel
    // Uncompressed, 72 dpi, no colour table.
    for (std::uint32_t field : {0u, pixelBytes, 2835u, 2835u, 0u, 0u})
        appendLittleEndian(bytes, field, 4);
    return bytes;
}

class PictureFiles : public testing::Test {
protected:
    fs::path file(const std::string& name, const std::string& bytes) {
        skin_files::writeText(folder / name, bytes);
        return folder / name;
    }

    QTemporaryDir dir;
    fs::path folder = dir.path().toStdString();
};

}  // namespace

TEST_F(PictureFiles, AFileOfAnyOtherFormatIsAnInvalidPictureWhateverItsName) {
    QImage image(5, 2, QImage::Format_RGB32);
    image.fill(Qt::blue);
    std::vector<std::pair<const char*, std::string>> others;
    for (const char* format : {"png", "jpeg", "ico", "ppm", "xpm", "xbm", "tiff"}) {
        if (QImageWriter::supportedImageFormats().contains(format)) {
            others.emplace_back(format, encoded(image, format));
        }
    }
    ASSERT_GE(others.size(), 2u) << "no PNG or JPEG writer";
    others.emplace_back("GIF of an unknown version",
                        "GIF88a" + gifWithoutPixels(8, 6, 8, 6).substr(6));
    for (const auto& other : others) {
        const auto& [format, bytes] = other;
        ASSERT_FALSE(bytes.empty()) << format;
        for (const char* name : {"Back.bmp", "Bar1.gif"}) {
            EXPECT_EQ(errorCodeOf([&] { Picture::load(file(name, other.second)); }),
                      ErrorCode::InvalidPicture)
                << format << " named " << name;
        }
    }

    // By their content, a BMP and a GIF are pictures under either name.
    EXPECT_EQ(Picture::load(file("Bar1.gif", encoded(image, "bmp"))).image().size(), QSize(5, 2));
    EXPECT_EQ(Picture::load(file("Back.bmp", gifWithoutPixels(8, 6, 8, 6))).image().size(),
              QSize(8, 6));
}

TEST_F(PictureFiles, EveryPictureOfTheDefaultSkinLoadsAsQtReadsIt) {
    int pictures = 0;
    for (const auto& entry : fs::directory_iterator(skin_files::defaultSkin())) {
        const fs::path path = entry.path();
        if (path.extension() != ".bmp" && path.extension() != ".gif") continue;
        ++pictures;
        const QImage expected(QString::fromStdString(path.string()));
        ASSERT_FALSE(expected.isNull()) << path;
        EXPECT_EQ(Picture::load(path).image(), expected) << path;
    }
    EXPECT_GT(pictures, 0);
}

TEST_F(PictureFiles, APictureTooLargeForTheWindowsIsInvalidHoweverSmallItsFile) {
    const struct {
        const char* name;
        std::string bytes;
    } tooLarge[] = {
        {"wide.bmp", runLengthBmp(4097, 1)},
        {"tall.bmp", runLengthBmp(1, 4097)},
        {"many pixels.bmp", runLengthBmp(2049, 2049)},
        {"huge.gif", gifWithoutPixels(5000, 6000, 5000, 6000)},
        // Its header claims 8 x 6; it decodes to the height of its screen.
        {"lying.gif", gifWithoutPixels(8, 63994, 8, 6)},
    };
    for (const auto& picture : tooLarge) {
        EXPECT_EQ(errorCodeOf([&] { Picture::load(file(picture.name, picture.bytes)); }),
                  ErrorCode::InvalidPicture)
            << picture.name;
    }
    for (const QSize size : {QSize(4096, 1024), QSize(2048, 2048), QSize(1, 4096)}) {
        const fs::path limit = file("limit.bmp", runLengthBmp(size.width(), size.height()));
        EXPECT_EQ(Picture::load(limit).image().size(), size);
    }
    EXPECT_EQ(Picture::load(file("small.gif", gifWithoutPixels(8, 6, 8, 6))).image().size(),
              QSize(8, 6));
}

// A file longer than the largest picture the windows take is refused unread, however little room
// it takes on disk: a GIF's decoder scanned gigabytes of a sparse file for the picture's size, and
// a valid picture followed by them loaded.
TEST_F(PictureFiles, AFileLongerThanAnyPictureTheWindowsTakeIsInvalidHoweverSparse) {
    const fs::path bmp = file("Back.bmp", uncompressedBmpHeaders(2048, 2048));
    const off_t largest = static_cast<off_t>(fs::file_size(bmp)) + off_t{2048} * 2048 * 4;
    fs::resize_file(bmp, static_cast<std::uintmax_t>(largest));  // black pixels, a hole on disk
    EXPECT_EQ(Picture::load(bmp).image().size(), QSize(2048, 2048)) << "the longest picture";

    const fs::path gif = file("Bar1.gif", gifWithoutPixels(8, 6, 8, 6) + ";");
    for (const std::uintmax_t length : {std::uintmax_t{2} * largest, std::uintmax_t{4} << 30}) {
        for (const fs::path& picture : {bmp, gif}) {
            fs::resize_file(picture, length);
            EXPECT_EQ(errorCodeOf([&] { Picture::load(picture); }), ErrorCode::InvalidPicture)
                << picture << " of " << length << " bytes";
        }
    }
}

TEST_F(PictureFiles, LoadsOfAFileSharePixelsOnlyWhileAPictureOfItIsInUse) {
    const fs::path bar = file("Bar1.gif", gifWithoutPixels(137, 11, 137, 11));
    Picture first = Picture::load(bar);
    Picture second = Picture::load(bar);
    EXPECT_NE(first, second);
    EXPECT_EQ(first.image().cacheKey(), second.image().cacheKey());

    const qint64 shared = first.image().cacheKey();
    first = second = Picture();
    const Picture again = Picture::load(bar);
    EXPECT_NE(again.image().cacheKey(), shared) << "pixels no picture used were kept";

    file("Bar1.gif", runLengthBmp(11, 137));
    EXPECT_EQ(Picture::load(bar).image().size(), QSize(11, 137)) << "a changed file is read again";
}

TEST_F(PictureFiles, APipeAFolderOrADeviceInPlaceOfAPictureIsInvalidAndOnlyNothingIsNotFound) {
    const fs::path pipe = folder / "Bar1.gif";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);  // no writer: loading must not wait for one
    for (const fs::path& notAFile : {pipe, folder, fs::path("/dev/zero")}) {
        EXPECT_EQ(errorCodeOf([&] { Picture::load(notAFile); }), ErrorCode::InvalidPicture)
            << notAFile;
    }
    EXPECT_EQ(errorCodeOf([&] { Picture::load(folder / "missing.gif"); }), ErrorCode::FileNotFound);
}

// A skin unpacked or copied over another keeps the times of its files, and a picture of the same
// size often has the same length: the file is still another one.
TEST_F(PictureFiles, AFileReplacedWithTheSameLengthAndTimeIsReadAgain) {
    const fs::path bar = file("Bar1.gif", gifWithoutPixels(137, 11, 137, 11));
    const Picture old = Picture::load(bar);
    const fs::path replacement = file("new.gif", gifWithoutPixels(11, 137, 11, 137));
    ASSERT_EQ(fs::file_size(replacement), fs::file_size(bar));
    fs::last_write_time(replacement, fs::last_write_time(bar));
    fs::rename(replacement, bar);

    EXPECT_EQ(Picture::load(bar).image().size(), QSize(11, 137));
    EXPECT_EQ(old.image().size(), QSize(137, 11));
}
