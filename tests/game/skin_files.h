#pragma once
// Skin folders for scenario tests: the program's default skin from the source tree, pictures made
// on the spot, and the text-style file written field by field.
#include <QColor>
#include <QImage>
#include <QString>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace skin_files {

// assets/Skin of the source tree this test was built from.
inline std::filesystem::path defaultSkin() {
    return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "assets" /
           "Skin";
}

// Copies the default skin into `folder`/Skin.
inline std::filesystem::path copyDefaultSkin(const std::filesystem::path& folder) {
    const auto skin = folder / "Skin";
    std::filesystem::create_directories(skin);
    std::filesystem::copy(defaultSkin(), skin,
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
    return skin;
}

// A plain picture of the given size, as a BMP file.
inline void writePicture(const std::filesystem::path& file, int width, int height) {
    std::filesystem::create_directories(file.parent_path());
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(QColor(10, 120, 40));
    image.save(QString::fromStdString(file.string()), "BMP");
}

// Little-endian fields of picture files written byte by byte.
inline void appendLittleEndian(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A GIF of no pixel data: its screen `screenWidth` x `screenHeight`, its one frame `width` x
// `height`. Twenty-five bytes, however large the picture it makes.
inline std::string gifWithoutPixels(int screenWidth, int screenHeight, int width, int height) {
    std::string bytes = "GIF89a";
    for (int field : {screenWidth, screenHeight}) appendLittleEndian(bytes, field, 2);
    bytes += std::string("\0\0\0,", 4);  // no colour table; the frame follows
    for (int field : {0, 0, width, height}) appendLittleEndian(bytes, field, 2);
    bytes += std::string("\0\2\0", 3);  // plain frame; code size 2; no data
    return bytes;
}

// A run-length coded BMP of one colour that ends its pixel data at once: sixty bytes, however
// large the picture.
inline std::string runLengthBmp(int width, int height) {
    const std::uint32_t header = 14 + 40 + 4, end = header + 2;
    std::string bytes = "BM";
    for (std::uint32_t field : {end, 0u, header}) appendLittleEndian(bytes, field, 4);
    appendLittleEndian(bytes, 40, 4);
    appendLittleEndian(bytes, static_cast<std::uint32_t>(width), 4);
    appendLittleEndian(bytes, static_cast<std::uint32_t>(height), 4);
    appendLittleEndian(bytes, 1, 2);  // one plane
    appendLittleEndian(bytes, 8, 2);  // 8 bits a pixel
    // Run-length coded, two bytes of pixel data, 72 dpi, one colour.
    for (std::uint32_t field : {1u, 2u, 2835u, 2835u, 1u, 0u}) appendLittleEndian(bytes, field, 4);
    appendLittleEndian(bytes, 0x287828, 4);  // the one colour
    bytes += std::string("\0\1", 2);         // end of the picture
    return bytes;
}

inline void writeText(const std::filesystem::path& file, const std::string& bytes) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

// The fields of the default skin's VisColor.txt, one per line.
inline std::vector<std::string> defaultTextStyle() {
    std::ifstream in(defaultSkin() / "VisColor.txt", std::ios::binary);
    std::vector<std::string> fields;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        fields.push_back(line);
    }
    return fields;
}

inline std::string linesOf(const std::vector<std::string>& fields) {
    std::string text;
    for (const std::string& field : fields) text += field + "\r\n";
    return text;
}

}  // namespace skin_files
