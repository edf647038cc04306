#pragma once
// Saved-game files written out in tests: a readable description, turned into the exact bytes.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// The records as lines, each ending in CR LF.
inline std::string savedLines(const std::vector<std::string>& records) {
    std::string text;
    for (const std::string& record : records) text += record + "\r\n";
    return text;
}

struct SavedGameFile {
    std::string name1 = "Ann", name2 = "Bob";
    std::string score1 = "0", score2 = "0";
    std::string board = "...|...|...";  // X, O or '.'; anything else is written as it stands
    std::string turn = "1";
    std::string opponent = "2";  // 1 computer, 2 human
    std::string level = "2";

    std::vector<std::string> records() const {
        std::vector<std::string> all{name1, name2, score1, score2};
        for (char cell : board) {
            if (cell == '|') continue;
            all.push_back(cell == 'X'   ? "1"
                          : cell == 'O' ? "2"
                          : cell == '.' ? "0"
                                        : std::string(1, cell));
        }
        all.insert(all.end(), {turn, opponent, level});
        return all;
    }
    std::string text() const { return savedLines(records()); }
};

// Writes `head`, then nothing up to `length` bytes, then `tail`. The nothing is a hole in the file
// that takes no room on disk, however long it is.
inline void writeWithHole(const std::filesystem::path& path, const std::string& head,
                          std::uintmax_t length, const std::string& tail) {
    std::ofstream(path, std::ios::binary) << head;
    std::filesystem::resize_file(path, length);
    std::ofstream(path, std::ios::binary | std::ios::app) << tail;
}

// A saved game of `file` with four gibibytes of nothing after its first name, quoted: read
// through, they held the window for a minute before the game loaded.
inline void writeGameWithAHole(const std::filesystem::path& path, const SavedGameFile& file) {
    const std::string text = file.text();
    writeWithHole(path, '"' + file.name1 + '"', std::uintmax_t{4} << 30,
                  text.substr(file.name1.size()));
}
