#include "forms/picture.h"

#include "forms/errors.h"

#include <QImageReader>
#include <QString>
#include <atomic>
#include <map>

namespace forms {
namespace {

// Anything bigger than this is not a skin picture but a broken or hostile file.
constexpr int MaxPictureSide = 8192;
constexpr int MaxPictureMegabytes = 128;

std::uint32_t nextHandle() {
    static std::atomic<std::uint32_t> counter{0};
    return ++counter;
}

// A skin names the same few files many times over (one bar for three strike lines, one strip for
// seven option buttons) and again at every load of a window. Each load still makes a picture of
// its own, but an unchanged file is decoded once and its pixels are shared.
struct DecodedFile {
    std::filesystem::file_time_type modified;
    std::uintmax_t size;
    QImage image;
};

QImage decode(const std::filesystem::path& file) {
    QImageReader reader(QString::fromStdString(file.string()));
    reader.setAllocationLimit(MaxPictureMegabytes);
    const QSize size = reader.size();
    if (!reader.canRead() || (size.isValid() && (size.width() > MaxPictureSide ||
                                                 size.height() > MaxPictureSide))) {
        return QImage();
    }
    return reader.read();
}

QImage decodeOnce(const std::filesystem::path& file) {
    static std::map<std::filesystem::path, DecodedFile> decoded;
    std::error_code ec;
    const auto modified = std::filesystem::last_write_time(file, ec);
    const auto size = std::filesystem::file_size(file, ec);
    if (ec) return decode(file);
    auto known = decoded.find(file);
    if (known != decoded.end() && known->second.modified == modified && known->second.size == size) {
        return known->second.image;
    }
    QImage image = decode(file);
    if (!image.isNull()) decoded[file] = DecodedFile{modified, size, image};
    return image;
}

}  // namespace

Picture Picture::fromImage(QImage image) {
    return Picture(std::make_shared<const Data>(Data{nextHandle(), std::move(image)}));
}

Picture Picture::load(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        throw RuntimeError(ErrorCode::FileNotFound, "File not found: " + file.string());
    }
    QImage image = decodeOnce(file);
    if (image.isNull()) {
        throw RuntimeError(ErrorCode::InvalidPicture, "Invalid picture: " + file.string());
    }
    return fromImage(std::move(image));
}

std::uint32_t Picture::handle() const { return data_ ? data_->handle : 0; }

const QImage& Picture::image() const {
    static const QImage none;
    return data_ ? data_->image : none;
}

}  // namespace forms
