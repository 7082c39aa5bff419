// The media commands: how their texts are read, and how devices, positions and the one music
// output behave, over a recorded stand-in for the output.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "vexmora/ui/media/media_command.h"

namespace vex::ui {
namespace {

// Plays nothing; records what was asked and lets a test end the current piece.
class RecordedStream final : public MusicStream {
public:
    std::map<int, std::string> loaded;
    std::vector<std::string> started;  // file of each start, in order
    std::vector<std::string> unplayable;
    int pauses = 0, resumes = 0;

    int load(const std::string& path) override {
        for (const auto& bad : unplayable)
            if (bad == path) return 0;
        loaded[next_] = path;
        return next_++;
    }
    void unload(int handle) override {
        if (current_ == handle) halt();
        loaded.erase(handle);
    }
    void start(int handle) override {
        current_ = handle;
        sounding_ = true;
        started.push_back(loaded.at(handle));
    }
    void pause() override {
        ++pauses;
        sounding_ = false;
    }
    void resume() override {
        ++resumes;
        sounding_ = true;
    }
    void halt() override {
        current_ = 0;
        sounding_ = false;
    }
    int current() const override { return current_; }
    bool sounding() const override { return sounding_; }

    void playToTheEnd() { sounding_ = false; }
    std::string currentFile() const { return current_ ? loaded.at(current_) : std::string(); }

private:
    int next_ = 1;
    int current_ = 0;
    bool sounding_ = false;
};

const std::string kBattle = "/games/vexmora/MIDI/通常.mid";
const std::string kSea = "/games/vexmora/MIDI/海.mid";
const std::string kWin = "/games/vexmora/midi/勝利.mid";

void startMusic(MediaCommandInterpreter& media, const std::string& path) {
    media.send("close " + path);
    media.send("open " + path + " Alias BGM");
    media.send("seek BGM to START");
    media.send("play BGM");
}

std::string mode(MediaCommandInterpreter& media, const std::string& device = "BGM") {
    return media.send("Status " + device + " MODE").text;
}

TEST(MediaCommandText, ReadsTheCommandsTheGameSends) {
    MediaCommand open = parseMediaCommand("open /home/me/My Games/vexmora/MIDI/通常.mid Alias BGM");
    EXPECT_EQ(open.verb, MediaVerb::Open);
    EXPECT_EQ(open.element, "/home/me/My Games/vexmora/MIDI/通常.mid");
    EXPECT_EQ(open.alias, "BGM");
    EXPECT_EQ(open.device, "BGM");

    open = parseMediaCommand("OPEN \"/a b/c.mid\" alias Tune");
    EXPECT_EQ(open.element, "/a b/c.mid");
    EXPECT_EQ(open.device, "Tune");
    open = parseMediaCommand("open /x/alias/a.mid");
    EXPECT_EQ(open.element, "/x/alias/a.mid");
    EXPECT_EQ(open.device, "/x/alias/a.mid");
    open = parseMediaCommand("open alias BGM");
    EXPECT_EQ(open.element, "");
    EXPECT_EQ(open.alias, "BGM");

    const MediaCommand seek = parseMediaCommand("seek BGM to START");
    EXPECT_EQ(seek.verb, MediaVerb::Seek);
    EXPECT_EQ(seek.device, "BGM");
    EXPECT_EQ(seek.argument, "start");
    const MediaCommand status = parseMediaCommand("Status BGM MODE");
    EXPECT_EQ(status.verb, MediaVerb::Status);
    EXPECT_EQ(status.device, "BGM");
    EXPECT_EQ(status.argument, "mode");
    const MediaCommand play = parseMediaCommand("play /a b/勝利.mid");
    EXPECT_EQ(play.verb, MediaVerb::Play);
    EXPECT_EQ(play.device, "/a b/勝利.mid");
    EXPECT_EQ(parseMediaCommand("STOP BGM").verb, MediaVerb::Stop);
    EXPECT_EQ(parseMediaCommand("CLOSE BGM").device, "BGM");
    EXPECT_EQ(parseMediaCommand("pause BGM").verb, MediaVerb::Unknown);
    EXPECT_EQ(parseMediaCommand("").verb, MediaVerb::Unknown);
}

TEST(MediaCommands, MusicThatReachesItsEndRestartsAtTheNextLoopCheck) {
    RecordedStream stream;
    MediaCommandInterpreter media(stream);
    startMusic(media, kBattle);
    EXPECT_EQ(mode(media), "playing");
    EXPECT_EQ(stream.started, std::vector<std::string>{kBattle});

    stream.playToTheEnd();
    EXPECT_EQ(mode(media), "stopped");
    // Played again without a seek, a piece at its end stays silent.
    EXPECT_TRUE(media.send("play BGM").ok());
    EXPECT_EQ(mode(media), "stopped");
    EXPECT_EQ(stream.started.size(), 1u);

    // The loop check: "seek BGM to START", "play BGM".
    media.send("seek BGM to START");
    media.send("play BGM");
    EXPECT_EQ(mode(media), "playing");
    EXPECT_EQ(stream.started, (std::vector<std::string>{kBattle, kBattle}));
}

TEST(MediaCommands, StopHoldsThePlaceAndCloseReleasesTheDevice) {
    RecordedStream stream;
    MediaCommandInterpreter media(stream);
    startMusic(media, kBattle);
    media.send("STOP BGM");
    EXPECT_EQ(mode(media), "stopped");
    media.send("play BGM");
    EXPECT_EQ(stream.resumes, 1);
    EXPECT_EQ(stream.started.size(), 1u);

    media.send("STOP BGM");
    EXPECT_TRUE(media.send("CLOSE BGM").ok());
    EXPECT_FALSE(media.isOpen("BGM"));
    EXPECT_TRUE(stream.loaded.empty());
    EXPECT_EQ(media.send("Status BGM MODE").error, MediaError::DeviceNotOpen);
    EXPECT_EQ(media.send("CLOSE BGM").error, MediaError::DeviceNotOpen);
}

TEST(MediaCommands, StartingMusicAgainReplacesTheTuneUnderTheAlias) {
    RecordedStream stream;
    MediaCommandInterpreter media(stream);
    startMusic(media, kBattle);
    startMusic(media, kBattle);  // "close PATH" closes the device holding that file
    EXPECT_EQ(stream.started, (std::vector<std::string>{kBattle, kBattle}));
    EXPECT_EQ(stream.loaded.size(), 1u);

    startMusic(media, kSea);  // a new piece while BGM is still open takes its place
    EXPECT_EQ(stream.currentFile(), kSea);
    EXPECT_EQ(stream.loaded.size(), 1u);
    EXPECT_EQ(mode(media), "playing");
    EXPECT_TRUE(media.send("bgm status").error == MediaError::UnknownCommand);
    EXPECT_EQ(media.send("status bgm mode").text, "playing");  // names are not case-sensitive
}

TEST(MediaCommands, AResultTunePlaysOnceEachTimeItIsAskedFor) {
    RecordedStream stream;
    MediaCommandInterpreter media(stream);
    startMusic(media, kBattle);
    media.send("CLOSE BGM");  // the battle has ended
    EXPECT_TRUE(media.send("play " + kWin).ok());
    EXPECT_EQ(stream.currentFile(), kWin);
    EXPECT_EQ(mode(media, kWin), "playing");

    stream.playToTheEnd();
    EXPECT_TRUE(media.send("play " + kWin).ok());  // the next win plays it again
    EXPECT_EQ(stream.started, (std::vector<std::string>{kBattle, kWin, kWin}));

    startMusic(media, kBattle);  // the next battle's music takes the output
    EXPECT_EQ(stream.currentFile(), kBattle);
    EXPECT_EQ(media.send("Status BGM MODE").text, "playing");
    EXPECT_FALSE(media.isOpen(kWin));
    EXPECT_EQ(stream.loaded.size(), 1u);
}

TEST(MediaCommands, FailuresAreReportedAndChangeNothing) {
    RecordedStream stream;
    stream.unplayable.push_back(kSea);
    MediaCommandInterpreter media(stream);
    startMusic(media, kSea);
    EXPECT_FALSE(media.isOpen("BGM"));
    EXPECT_EQ(media.send("Status BGM MODE").text, "");
    EXPECT_EQ(media.send("play BGM").error, MediaError::DeviceNotOpen);  // not a file to open
    EXPECT_EQ(media.send("play " + kSea).error, MediaError::CannotOpenFile);
    EXPECT_EQ(media.send("open  Alias BGM").error, MediaError::BadArgument);
    EXPECT_EQ(media.send("seek BGM to nowhere").error, MediaError::DeviceNotOpen);
    startMusic(media, kBattle);
    EXPECT_EQ(media.send("seek BGM to nowhere").error, MediaError::BadArgument);
    EXPECT_EQ(media.send("status BGM length").error, MediaError::BadArgument);
    EXPECT_EQ(mode(media), "playing");
    EXPECT_EQ(stream.started, std::vector<std::string>{kBattle});
}

TEST(MediaCommands, EverythingIsReleasedWhenTheInterpreterCloses) {
    RecordedStream stream;
    {
        MediaCommandInterpreter media(stream);
        startMusic(media, kBattle);
        media.send("play " + kWin);
    }
    EXPECT_TRUE(stream.loaded.empty());
    EXPECT_EQ(stream.current(), 0);
}

}  // namespace
}  // namespace vex::ui
