// Sound: a wave file really reaches the device, a new sound cuts the one playing, and without a
// device (or without a readable file) there is silence and nothing on stderr; a request for a file
// that cannot play still ends the sound before it and leaves no file open.
#include "platform/qt/sound_player.h"
#include "qt_fixture.h"

#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int Rate = 44100;  // the device's rate, so that samples arrive unchanged

// A mono 16-bit wave holding one level for `seconds`.
void writeWave(const std::string& path, std::int16_t level, double seconds) {
    const auto count = static_cast<std::uint32_t>(seconds * Rate);
    const std::uint32_t dataBytes = count * 2;
    std::ofstream out(path, std::ios::binary);
    auto u32 = [&](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out.write("RIFF", 4);
    u32(36 + dataBytes);
    out.write("WAVEfmt ", 8);
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(Rate);
    u32(Rate * 2);
    u16(2);
    u16(16);
    out.write("data", 4);
    u32(dataBytes);
    const std::vector<std::int16_t> samples(count, level);
    out.write(reinterpret_cast<const char*>(samples.data()), dataBytes);
}

std::vector<std::int16_t> readSamples(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::int16_t> samples(bytes.size() / 2);
    std::copy(bytes.begin(), bytes.begin() + samples.size() * 2,
              reinterpret_cast<char*>(samples.data()));
    return samples;
}

// Everything written on stderr while `body` runs.
template <class Body>
std::string stderrOf(Body&& body) {
    std::fflush(stderr);
    FILE* capture = std::tmpfile();
    const int saved = dup(2);
    dup2(fileno(capture), 2);
    body();
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
    std::string text;
    std::rewind(capture);
    for (int c; (c = std::fgetc(capture)) != EOF;) text += static_cast<char>(c);
    std::fclose(capture);
    return text;
}

class Sound : public ::testing::Test {
protected:
    void SetUp() override { qttest::application(); }
    void TearDown() override { setenv("SDL_AUDIODRIVER", "dummy", 1); }
    std::string file(const char* name) { return folder.filePath(name).toStdString(); }
    // One of each kind of file that cannot play: missing, no sound, too large, a pipe, a folder.
    std::vector<std::string> filesThatCannotPlay() {
        std::ofstream(file("text.wav")) << "not a sound";
        writeWave(file("huge.wav"), 12000, 0.1);
        std::filesystem::resize_file(file("huge.wav"),
                                     17u << 20);  // too large to be read as a sound
        EXPECT_EQ(mkfifo(file("pipe.wav").c_str(), 0600), 0);
        return {file("missing.wav"), file("text.wav"), file("huge.wav"), file("pipe.wav"),
                folder.path().toStdString()};
    }
    QTemporaryDir folder;
};

TEST_F(Sound, WaveFileReachesTheDevice) {
    writeWave(file("click.wav"), 12000, 0.2);
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", file("device.raw").c_str(), 1);
    {
        qtui::SoundPlayer player;
        player.play(file("click.wav"));
        EXPECT_TRUE(player.deviceOpen());
        QTest::qWait(350);
    }
    const auto samples = readSamples(file("device.raw"));
    const auto played = std::count(samples.begin(), samples.end(), std::int16_t{12000});
    // 0.2 s on two channels.
    EXPECT_NEAR(static_cast<double>(played), 0.2 * Rate * 2, 0.02 * Rate * 2);
}

TEST_F(Sound, NewSoundCutsTheOnePlaying) {
    writeWave(file("long.wav"), 12000, 2.0);
    writeWave(file("short.wav"), -12000, 0.1);
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", file("device.raw").c_str(), 1);
    {
        qtui::SoundPlayer player;
        player.play(file("long.wav"));
        QTest::qWait(150);
        player.play(file("short.wav"));
        QTest::qWait(300);
    }
    const auto samples = readSamples(file("device.raw"));
    const auto firstShort = std::find(samples.begin(), samples.end(), std::int16_t{-12000});
    ASSERT_NE(firstShort, samples.end());
    EXPECT_GT(std::count(samples.begin(), firstShort, std::int16_t{12000}), 0);
    EXPECT_EQ(std::count(firstShort, samples.end(), std::int16_t{12000}), 0);
    EXPECT_NEAR(static_cast<double>(std::count(firstShort, samples.end(), std::int16_t{-12000})),
                0.1 * Rate * 2, 0.02 * Rate * 2);
}

TEST_F(Sound, NoDeviceMeansSilenceWithNothingPrinted) {
    writeWave(file("click.wav"), 12000, 0.05);
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    const std::string printed = stderrOf([&] {
        qtui::SoundPlayer player;
        player.play(file("click.wav"));
        player.play(file("click.wav"));
        EXPECT_FALSE(player.deviceOpen());
    });
    EXPECT_EQ(printed, "");
}

TEST_F(Sound, MissingOrUnreadableFileMeansSilenceWithNothingPrinted) {
    std::ofstream(file("text.wav")) << "not a sound";
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const std::string printed = stderrOf([&] {
        qtui::SoundPlayer player;
        player.play(file("missing.wav"));
        player.play(file("text.wav"));
        player.play(folder.path().toStdString());  // a folder
        EXPECT_TRUE(player.deviceOpen());
    });
    EXPECT_EQ(printed, "");
}

TEST_F(Sound, RequestThatCannotPlayStillStopsTheSoundPlaying) {
    writeWave(file("long.wav"), 12000, 10.0);
    setenv("SDL_AUDIODRIVER", "dummy", 1);

    qtui::SoundPlayer player;
    for (const std::string& cannotPlay : filesThatCannotPlay()) {
        player.play(file("long.wav"));
        ASSERT_TRUE(player.playing());
        player.play(cannotPlay);
        EXPECT_FALSE(player.playing()) << cannotPlay;
    }
}

std::size_t openDescriptors() {
    const auto entries = std::filesystem::directory_iterator("/proc/self/fd");
    return static_cast<std::size_t>(std::distance(begin(entries), end(entries)));
}

// Every click plays a sound: a file left open per request would use up the descriptors the
// program needs for its saves.
TEST_F(Sound, NoRequestLeavesTheFileOpen) {
    writeWave(file("click.wav"), 12000, 0.01);
    const std::vector<std::string> cannotPlay = filesThatCannotPlay();
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    qtui::SoundPlayer player;
    player.play(file("click.wav"));  // the device's own descriptors are open from here on
    ASSERT_TRUE(player.deviceOpen());

    const std::size_t before = openDescriptors();
    for (int round = 0; round < 3; ++round) {
        player.play(file("click.wav"));
        for (const std::string& path : cannotPlay) player.play(path);
    }
    EXPECT_EQ(openDescriptors(), before);
}

}  // namespace
