#pragma once
// Pictures: a loaded picture is one shared object with a handle. Assigning a picture from one
// control to another shares the object, and pictures compare by handle, never by content.
#include <QImage>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>

namespace forms {

class Picture {
public:
    Picture() = default;  // no picture

    // Wraps an image drawn by the program; each call makes a new picture with its own handle.
    static Picture fromImage(QImage image);
    // A picture the program draws itself, drawn when it is first shown or measured: a skin
    // usually replaces it before that, and then it is never drawn at all.
    static Picture drawnBy(std::function<QImage()> draw);

    // Loads a BMP or GIF file, told by its content, not its name. Only a missing file is
    // FileNotFound; whatever holds no readable BMP or GIF picture (a PNG or JPEG, a folder, a
    // pipe, a device), or a picture or a file too large for any window of the program, is
    // InvalidPicture.
    static Picture load(const std::filesystem::path& file);

    bool isNone() const { return !data_; }
    std::uint32_t handle() const;
    const QImage& image() const;

    friend bool operator==(const Picture& a, const Picture& b) { return a.handle() == b.handle(); }

private:
    struct Data {
        std::uint32_t handle;
        mutable std::shared_ptr<const QImage> image;  // pictures of one file share its pixels
        mutable std::function<QImage()> draw;         // until the image is drawn
    };
    explicit Picture(std::shared_ptr<const QImage> image);
    std::shared_ptr<const Data> data_;
};

}  // namespace forms
