#include "scenario.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>

namespace {

std::filesystem::path makeTemporaryFolder() {
    std::random_device seed;
    auto base = std::filesystem::temp_directory_path();
    for (;;) {
        auto candidate = base / ("tesselby-test-" + std::to_string(seed()));
        if (std::filesystem::create_directory(candidate)) return candidate;
    }
}

}  // namespace

Scenario::Scenario()
    : folder_(makeTemporaryFolder()),
      previousDirectory_(std::filesystem::current_path()),
      app(std::make_unique<App>(platform)),
      user(app->runtime) {
    std::filesystem::current_path(folder_);
    platform.programDir = folder_;
    platform.attach(app->runtime);
}

Scenario::~Scenario() {
    app.reset();
    std::filesystem::current_path(previousDirectory_);
    std::error_code ec;
    std::filesystem::permissions(folder_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(folder_, ec);
}

void Scenario::startProgram() { app->start(); }

std::string Scenario::writeFile(const std::string& name, const std::string& bytes) {
    auto path = folder_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
}

std::string Scenario::readFile(const std::string& path) const {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::string Scenario::board() { return app->gamer.board().text(); }

void Scenario::setBoard(const std::string& rows) {
    auto& g = app->gamer;
    std::string cells;
    std::copy_if(rows.begin(), rows.end(), std::back_inserter(cells),
                 [](char c) { return c != '|'; });
    ASSERT_EQ(cells.size(), 9u) << "a board is nine cells: " << rows;
    for (int n = 1; n <= 9; ++n) {
        auto& cell = g.cell(n);
        switch (cells[n - 1]) {
            case 'X':
                cell.setPicture(g.Xpic.picture());
                cell.setEnabled(false);
                break;
            case 'O':
                cell.setPicture(g.Opic.picture());
                cell.setEnabled(false);
                break;
            case '#':
                cell.setPicture(g.ip1.picture());
                cell.setEnabled(false);
                break;
            default:
                cell.setPicture(g.ip1.picture());
                cell.setEnabled(true);
                break;
        }
    }
}

void Scenario::newGame(const std::string& name1, const std::string& name2, char first,
                       char opponent) {
    auto& s = app->Start;
    if (!s.isShown()) {
        // From the game window, as a person would: Game > New.
        user.choose(app->gamer.Newg);
    }
    ASSERT_TRUE(s.isShown()) << "the start window should be on screen";
    user.type(s.Pl1, name1);
    user.type(s.Pl2, name2);
    user.click(first == 'X' ? s.Option1 : s.Option2);
    if (opponent == 'H') {
        user.click(s.Option4);
    } else {
        user.click(s.Option3);
        user.click(opponent == 'E' ? s.Option5 : opponent == 'R' ? s.Option7 : s.Option6);
    }
    user.choose(s.NewGame);
}

int Scenario::soundCount(const std::string& path) const {
    return static_cast<int>(std::count(platform.sounds.begin(), platform.sounds.end(), path));
}
