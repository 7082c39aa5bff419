#pragma once
// Effect sounds and music over SDL2_mixer, honouring the sound and music options.
//
// Effects play asynchronously on one channel, so a new effect cuts the one playing; a missing
// file is skipped silently. Music goes through the media commands of media_command.h under the
// alias "BGM". Where no audio device opens, the game runs silently and says so once on stderr.
// Paths given here are data paths below the program folder ("MIDI\通常.mid").
//
// These calls do not let pending window events run; the Qt layer's playEffect (shell.h) does
// that first, as every button press expects.

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "vexmora/ui/media/media_command.h"
#include "vexmora/ui/media/system_options.h"

struct Mix_Chunk;

namespace vex::ui {

inline constexpr std::string_view kMusicAlias = "BGM";

// The platform's short form of a path for the media commands: on this platform the path
// itself (up to a NUL character, should one be there).
std::string shortPath(std::string_view path);

class Sound {
public:
    explicit Sound(const SystemOptions& options);
    ~Sound();
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    // Opens the audio output on first use; false (and silence from then on) when none opens.
    bool openOutput();
    bool outputOpen() const { return open_; }
    // Stops everything and closes the output; a later call opens it again.
    void closeOutput();

    void playEffect(int effect);

    // "close PATH", "open PATH Alias BGM", "seek BGM to START", "play BGM" when music is on.
    void startMusic(std::string_view dataPath);
    // Restarts the music when it has played to its end; a timer calls this.
    void checkMusicLoop();
    // Plays a result tune once ("play PATH") when music is on.
    void playResultMusic(std::string_view dataPath);
    // "STOP BGM" and "CLOSE BGM", when a battle screen closes.
    void stopMusic();
    // "CLOSE BGM" alone, when a battle ends.
    void closeMusic();

    MediaReply sendMediaCommand(std::string_view command);

private:
    class SdlMusicStream;

    const SystemOptions& options_;
    bool triedToOpen_ = false;
    bool open_ = false;
    std::unique_ptr<SdlMusicStream> stream_;
    std::unique_ptr<MediaCommandInterpreter> media_;
    std::map<std::string, Mix_Chunk*> effects_;
};

// The game's sound, on the options of this run.
Sound& sound();

}  // namespace vex::ui
