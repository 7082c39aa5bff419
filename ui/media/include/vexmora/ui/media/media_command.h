#pragma once
// The media commands through which the game plays music: a small interpreter of the command
// texts the game sends ("open PATH Alias BGM", "seek BGM to START", "play BGM",
// "Status BGM MODE", "STOP BGM", "CLOSE BGM", "close PATH", "play PATH") over one music
// output. Keywords and device names are matched without regard to case; paths exactly.
//
// Devices. "open PATH Alias NAME" opens a device NAME on the file, positioned at its start;
// "play PATH" of a file that no device holds opens one named by the path, plays it once and
// drops it when it has finished. The output plays one piece at a time: starting a device takes
// the output from whichever device had it, and that device then starts over when played again.
// Opening a name that is already open replaces the device that had it.
//
// Position. "play" sounds from the device's position (from the start after "open" or
// "seek NAME to start"; where it stopped after "stop"; nothing at all once a piece has played
// to its end). "Status NAME MODE" answers "playing" or "stopped".

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vex::ui {

enum class MediaVerb { Unknown, Open, Close, Seek, Play, Status, Stop };

struct MediaCommand {
    MediaVerb verb = MediaVerb::Unknown;
    std::string device;    // the device named by the command: an alias, a path, or "all"
    std::string element;   // open: the file opened
    std::string alias;     // open: the alias, "" when none was given
    std::string argument;  // seek: where to ("start", "end"); status: the item asked for; lower case
};

MediaCommand parseMediaCommand(std::string_view text);

enum class MediaError { None, UnknownCommand, BadArgument, DeviceNotOpen, CannotOpenFile };

struct MediaReply {
    MediaError error = MediaError::None;
    std::string text;
    bool ok() const { return error == MediaError::None; }
};

// The one music output the devices share. Handles are positive; 0 is "none".
class MusicStream {
public:
    virtual ~MusicStream() = default;
    virtual int load(const std::string& path) = 0;  // 0 when the file cannot be played
    virtual void unload(int handle) = 0;            // halts it first when it holds the output
    virtual void start(int handle) = 0;             // from the beginning, once
    virtual void pause() = 0;
    virtual void resume() = 0;
    virtual void halt() = 0;
    virtual int current() const = 0;  // the piece holding the output (started, paused or ended)
    virtual bool sounding() const = 0;  // the current piece plays (not paused, not ended)
};

class MediaCommandInterpreter {
public:
    explicit MediaCommandInterpreter(MusicStream& stream);
    ~MediaCommandInterpreter();
    MediaCommandInterpreter(const MediaCommandInterpreter&) = delete;
    MediaCommandInterpreter& operator=(const MediaCommandInterpreter&) = delete;

    MediaReply send(std::string_view command);
    bool isOpen(std::string_view device) const;
    void closeAll();

private:
    enum class Position { Start, Middle, End };
    struct Device {
        std::string name;
        std::string element;
        int handle = 0;
        Position position = Position::Start;
        bool playing = false;
        bool openedByPlay = false;
    };

    Device* find(std::string_view name);
    void refresh(Device& device);
    void dropFinishedAutoDevices();
    void close(Device& device);
    MediaReply open(const MediaCommand& command);
    MediaReply play(const MediaCommand& command);

    MusicStream& stream_;
    std::vector<std::unique_ptr<Device>> devices_;
};

}  // namespace vex::ui
