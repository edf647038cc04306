#include "forms/picture.h"

#include "forms/errors.h"

#include <QImageReader>
#include <QString>
#include <atomic>

namespace forms {
namespace {

// Anything bigger than this is not a skin picture but a broken or hostile file.
constexpr int MaxPictureSide = 8192;
constexpr int MaxPictureMegabytes = 128;

std::uint32_t nextHandle() {
    static std::atomic<std::uint32_t> counter{0};
    return ++counter;
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
    QImageReader reader(QString::fromStdString(file.string()));
    reader.setAllocationLimit(MaxPictureMegabytes);
    const QSize size = reader.size();
    if (!reader.canRead() || (size.isValid() && (size.width() > MaxPictureSide ||
                                                 size.height() > MaxPictureSide))) {
        throw RuntimeError(ErrorCode::InvalidPicture, "Invalid picture: " + file.string());
    }
    QImage image = reader.read();
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
