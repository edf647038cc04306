// Any file taken as a skin picture is a picture the windows can use or refused as an invalid one,
// and takes no more memory than a few times the largest such picture. A file that does not open
// as a BMP or a GIF does is refused, whatever other format Qt could read it as.
#include "forms/errors.h"
#include "forms/picture.h"
#include "harness.h"

#include <gtest/gtest.h>

#include <QBuffer>

#include <fstream>

namespace {

// The largest picture the windows take: 4096 pixels a side, 4 megapixels of 4 bytes in all.
constexpr int LargestSide = 4096;
constexpr std::size_t LargestPixels = std::size_t{4} << 20;
constexpr std::size_t LargestPictureBytes = LargestPixels * 4;

bool opensAsBmpOrGif(const std::string& input) {
    return input.starts_with("BM") || input.starts_with("GIF87a") || input.starts_with("GIF89a");
}

std::size_t loadPicture(const std::string& input) {
    // Each input is decoded afresh: no picture of the file before it is still in use.
    const std::string path = fuzz::scratchFolder() + "/picture";
    std::ofstream(path, std::ios::binary | std::ios::trunc) << input;
    try {
        const forms::Picture picture = forms::Picture::load(path);
        EXPECT_TRUE(opensAsBmpOrGif(input)) << "a picture of another format loaded";
        EXPECT_FALSE(picture.image().isNull());
        EXPECT_GT(picture.image().width(), 0);
        EXPECT_GT(picture.image().height(), 0);
        EXPECT_LE(picture.image().width(), LargestSide);
        EXPECT_LE(picture.image().height(), LargestSide);
        EXPECT_LE(std::size_t(picture.image().width()) * std::size_t(picture.image().height()),
                  LargestPixels);
    } catch (const forms::RuntimeError& error) {
        EXPECT_EQ(error.code(), forms::ErrorCode::InvalidPicture) << error.what();
    }
    // However small the file, decoding may take up to the largest picture, refused or not: a
    // compressed picture may rightly be that large, and the decoders make the picture a header
    // claims before they read its pixels. A file of any other format is never decoded at all.
    return opensAsBmpOrGif(input) ? LargestPictureBytes : 0;
}

// The smallest pictures of both formats, so that both decoders are loaded before any input is
// measured.
std::vector<std::string> smallestPictures() {
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    QImage(1, 1, QImage::Format_RGB32).save(&buffer, "BMP");
    static const char gif[] =
        "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00,\x00\x00\x00\x00"
        "\x01\x00\x01\x00\x00\x02\x02"
        "D\x01\x00;";
    return {bmp.toStdString(), std::string(gif, sizeof gif - 1)};
}

}  // namespace

fuzz::Reader fuzz::makeReader() { return Reader(4, loadPicture, smallestPictures()); }
