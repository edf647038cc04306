#include "forms/picture.h"

#include "forms/errors.h"
#include "forms/plain_file.h"

#include <QBuffer>
#include <QImageReader>
#include <atomic>
#include <map>

namespace forms {
namespace {

// No window of the program is larger than 384 x 303 pixels, and no skin picture replaces a
// built-in one larger than 300 x 317. A picture is held to 4096 pixels a
// side and 4 megapixels in all: room for pictures drawn many times finer than the windows show
// them, while one decoded picture stays within 16 MB at 4 bytes a pixel. Anything bigger is no
// picture for these windows but a broken or hostile file, however small the file is.
constexpr int MaxPictureSide = 4096;
constexpr qint64 MaxPicturePixels = qint64{4} << 20;
constexpr int MaxPictureMegabytes = static_cast<int>((MaxPicturePixels * 4) >> 20);

// The longest file such a picture needs: an uncompressed BMP of 4 bytes a pixel takes 16 MiB,
// more than any other BMP a paint program writes, and a GIF of as many pixels less, even with LZW
// at its worst (12 bits a pixel): only its first frame is ever shown. The last mebibyte leaves
// room for headers, a colour table and comments. A longer file is refused unread: a GIF's
// decoder would scan all of it for the picture's size, gigabytes of a sparse file that takes no
// room on disk.
constexpr off_t LongestPictureFile = off_t{MaxPicturePixels} * 4 + (off_t{1} << 20);

bool fitsTheWindows(QSize size) {
    return size.width() <= MaxPictureSide && size.height() <= MaxPictureSide &&
           qint64{size.width()} * size.height() <= MaxPicturePixels;
}

std::uint32_t nextHandle() {
    static std::atomic<std::uint32_t> counter{0};
    return ++counter;
}

// Qt's decoders refuse to allocate more than this; the limit holds for the whole program, so it
// is put back once the picture is decoded.
class DecodingLimit {
public:
    DecodingLimit() : previous_(QImageReader::allocationLimit()) {
        QImageReader::setAllocationLimit(MaxPictureMegabytes);
    }
    ~DecodingLimit() { QImageReader::setAllocationLimit(previous_); }
    DecodingLimit(const DecodingLimit&) = delete;
    DecodingLimit& operator=(const DecodingLimit&) = delete;

private:
    int previous_;
};

// A skin holds BMP and GIF pictures only, and each tells itself by its first bytes. Anything else
// is no skin picture, whatever its name and whatever Qt could make of it: other decoders would
// take it past the size check (a small PNG of compressed text takes hundreds of megabytes, a
// JPEG of many scans holds the window for a minute).
QByteArray formatOf(QIODevice& file) {
    const QByteArray head = file.peek(6);
    if (head.startsWith("BM")) return "bmp";
    if (head == "GIF87a" || head == "GIF89a") return "gif";
    return {};
}

// The size the file claims is checked before decoding, and the decoded picture again: a GIF may
// decode to a far larger picture than its header says.
QImage decode(QIODevice& file) {
    const QByteArray format = formatOf(file);
    if (format.isEmpty()) return QImage();
    const DecodingLimit limit;
    // Named up front, a picture goes straight to its own decoder: Qt asks no other one.
    QImageReader reader(&file, format);
    reader.setAutoDetectImageFormat(false);
    const QSize claimed = reader.size();
    if (claimed.isValid() && !fitsTheWindows(claimed)) return QImage();
    QImage image = reader.read();
    return fitsTheWindows(image.size()) ? image : QImage();
}

// What tells one version of a file from another, taken from the file as opened: a file replaced
// under the same name is another file, and one rewritten in place has other times.
struct FileVersion {
    dev_t device;
    ino_t inode;
    off_t size;
    time_t modifiedSeconds;
    long modifiedNanoseconds;
    time_t changedSeconds;
    long changedNanoseconds;
    bool operator==(const FileVersion&) const = default;
};

FileVersion versionOf(const struct stat& status) {
    return {status.st_dev,         status.st_ino,          status.st_size,
            status.st_mtim.tv_sec, status.st_mtim.tv_nsec, status.st_ctim.tv_sec,
            status.st_ctim.tv_nsec};
}

// A skin names the same few files many times over (one bar for three strike lines, one strip for
// seven option buttons). Each load still makes a picture of its own, but while any picture of an
// unchanged file is in use its decoded pixels are shared; once none is, they are gone.
struct DecodedFile {
    FileVersion version;
    std::weak_ptr<const QImage> image;
};

std::shared_ptr<const QImage> decodeShared(const std::filesystem::path& path, PlainFile& opened) {
    static std::map<std::filesystem::path, DecodedFile> decoded;
    std::erase_if(decoded, [](const auto& entry) { return entry.second.image.expired(); });
    const FileVersion version = versionOf(opened.status());
    const auto known = decoded.find(path);
    if (known != decoded.end() && known->second.version == version) {
        if (auto image = known->second.image.lock()) return image;
    }
    // Decoded from the bytes read once, up to the length checked at the opening, so that
    // neither a decoder nor a file still growing takes the reading any further.
    QBuffer file;
    file.setData(opened.readAll());
    file.open(QIODevice::ReadOnly);
    QImage image = decode(file);
    if (image.isNull()) return nullptr;
    auto shared = std::make_shared<const QImage>(std::move(image));
    decoded.insert_or_assign(path, DecodedFile{version, shared});
    return shared;
}

}  // namespace

Picture Picture::fromImage(QImage image) {
    return Picture(std::make_shared<const QImage>(std::move(image)));
}

Picture Picture::drawnBy(std::function<QImage()> draw) {
    Picture picture;
    picture.data_ = std::make_shared<const Data>(Data{nextHandle(), nullptr, std::move(draw)});
    return picture;
}

Picture::Picture(std::shared_ptr<const QImage> image)
    : data_(std::make_shared<const Data>(Data{nextHandle(), std::move(image)})) {}

Picture Picture::load(const std::filesystem::path& file) {
    // Opened once, without waiting for a pipe's writer, and decoded from what was opened.
    PlainFile opened(file, LongestPictureFile);
    // Only a name that leads to nothing is not found. Whatever is there and holds no picture to
    // be had (a folder, a pipe, a device, a file that may not be read or is too long for any
    // picture the windows take) is an invalid one.
    if (opened.problem() == PlainFile::Problem::Missing) {
        throw RuntimeError(ErrorCode::FileNotFound, "File not found: " + file.string());
    }
    std::shared_ptr<const QImage> image = opened ? decodeShared(file, opened) : nullptr;
    if (!image) throw RuntimeError(ErrorCode::InvalidPicture, "Invalid picture: " + file.string());
    return Picture(std::move(image));
}

std::uint32_t Picture::handle() const { return data_ ? data_->handle : 0; }

const QImage& Picture::image() const {
    static const QImage none;
    if (!data_) return none;
    if (!data_->image) {
        data_->image = std::make_shared<const QImage>(data_->draw());
        data_->draw = nullptr;
    }
    return *data_->image;
}

}  // namespace forms
