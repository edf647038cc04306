#pragma once
// Saved-game files, good and bad, made from a seed so that every run sees the same cases:
// well-formed games with odd values, and such games with bytes inserted, deleted or changed,
// lines dropped, repeated or swapped, cut short; now and then an empty file, plain binary, one
// endless line, an unclosed quote or a file of many lines.
#include "game/saved_game_files.h"

#include <cstddef>
#include <random>
#include <string>
#include <utility>
#include <vector>

class SavedGameFuzzer {
public:
    explicit SavedGameFuzzer(unsigned seed) : random_(seed) {}

    std::string next() {
        switch (below(20)) {
            case 0: return "";
            case 1: return binary(below(4096));
            case 2: return std::string(TextLimit + below(1000), 'a');  // one endless line
            case 3: {                                                  // no closing quote
                std::string text(1, '"');
                text += wellFormed();
                return text.append(TextLimit / 2, 'q');
            }
            case 4: return manyLines();
            case 5:
            case 6: return wellFormed();
            default: return mutated(wellFormed());
        }
    }

    // The bytes shown readably when a case fails.
    static std::string printable(const std::string& bytes) {
        std::string shown;
        for (std::size_t i = 0; i < bytes.size() && i < 300; ++i) {
            const auto c = static_cast<unsigned char>(bytes[i]);
            if (c >= 32 && c < 127) {
                shown += static_cast<char>(c);
            } else {
                static const char* hex = "0123456789ABCDEF";
                shown += std::string("\\x") + hex[c >> 4] + hex[c & 15];
            }
        }
        return bytes.size() > 300 ? shown + "... (" + std::to_string(bytes.size()) + " bytes)"
                                  : shown;
    }

private:
    // Longer than the longest field the runtime reads.
    static constexpr std::size_t TextLimit = (std::size_t{1} << 20) + 16;

    std::size_t below(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }
    template <class T>
    const T& pick(const std::vector<T>& from) {
        return from[below(from.size())];
    }

    // Bytes that mean something to the field reader come up often.
    char interestingByte() {
        static const std::string special = ",\"\r\n \t0123456789-.eE+";
        if (below(3) == 0) return static_cast<char>(below(256));
        return special[below(special.size())];
    }

    std::string binary(std::size_t size) {
        std::string bytes;
        for (std::size_t i = 0; i < size; ++i) bytes += static_cast<char>(below(256));
        return bytes;
    }

    std::string wellFormed() {
        static const std::vector<std::string> names{
            "Ann",     "",        "\"Smith, J\"", "\"  Bo\"",
            "O\"Neil", "\xE9ric", "a b ",         "1234567890ABCDEF"};
        static const std::vector<std::string> oddScores{"", "32767", "32768", "-1", "2.5", "x"};
        static const std::vector<std::string> numbers{"0",   "1",  "2",   "3", "-1", "01",
                                                      "1.0", " 2", "1e0", "",  "x",  "1e999"};
        auto score = [&] { return below(6) == 0 ? pick(oddScores) : std::to_string(below(20)); };
        SavedGameFile file{
            .name1 = pick(names), .name2 = pick(names), .score1 = score(), .score2 = score()};
        std::vector<std::string> records = file.records();
        // Mostly ordinary squares, turn, kind and level, now and then an odd one.
        for (std::size_t i = 4; i < records.size(); ++i)
            records[i] = below(16) == 0 ? pick(numbers) : std::to_string(below(3));
        return savedLines(records);
    }

    std::string manyLines() {
        std::string text;
        for (int i = 0; i < 20000; ++i) text += std::to_string(below(3)) + "\r\n";
        return text;
    }

    std::string mutated(std::string text) {
        const std::size_t count = 1 + below(4);
        for (std::size_t m = 0; m < count; ++m) mutateOnce(text);
        return text;
    }

    void mutateOnce(std::string& text) {
        const std::size_t at = text.empty() ? 0 : below(text.size() + 1);
        switch (below(6)) {
            case 0: text.insert(at, 1, interestingByte()); break;
            case 1: text.erase(at, below(8)); break;
            case 2:
                if (at < text.size()) text[at] = interestingByte();
                break;
            case 3: text.resize(at); break;
            case 4: {
                auto lines = splitLines(text);
                if (lines.empty()) break;
                const std::size_t which = below(lines.size());
                if (below(2) == 0)
                    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(which));
                else
                    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(which), lines[which]);
                text = joinLines(lines);
                break;
            }
            default: {
                auto lines = splitLines(text);
                if (lines.size() < 2) break;
                std::swap(lines[below(lines.size())], lines[below(lines.size())]);
                text = joinLines(lines);
                break;
            }
        }
    }

    static std::vector<std::string> splitLines(const std::string& text) {
        std::vector<std::string> lines;
        std::size_t start = 0;
        for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos;
             start = end + 2)
            lines.push_back(text.substr(start, end - start));
        if (start < text.size()) lines.push_back(text.substr(start));
        return lines;
    }

    static std::string joinLines(const std::vector<std::string>& lines) {
        return savedLines(lines);
    }

    std::mt19937 random_;
};
