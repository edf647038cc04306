#pragma once
// Skin folders for scenario tests: the program's default skin from the source tree, pictures made
// on the spot, and the text-style file written field by field.
#include <QColor>
#include <QImage>
#include <QString>

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
