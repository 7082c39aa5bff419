#include "vexmora/ui/media/sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "vexmora/data/paths.h"
#include "vexmora/ui/media/sound_table.h"

namespace vex::ui {

namespace {

constexpr int kEffectChannel = 0;

// Debian's SDL2_mixer prefers its own default soundfont over SDL_SOUNDFONTS, so the choice is
// made here: the variable when it is set, else the first General MIDI font that exists.
void chooseSoundFont() {
    if (const char* chosen = std::getenv("SDL_SOUNDFONTS"); chosen && *chosen) {
        Mix_SetSoundFonts(chosen);
        return;
    }
    for (const char* candidate : {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
                                  "/usr/share/sounds/sf3/default-GM.sf3", "/usr/share/sounds/sf2/FluidR3_GM.sf2"}) {
        std::error_code ec;
        if (fs::exists(candidate, ec)) {
            Mix_SetSoundFonts(candidate);
            return;
        }
    }
}

// ALSA prints its own lines for every device it fails to find; the game says once that it runs
// without sound instead. The library is the one SDL loads, so its handler applies there.
void ignoreAlsaDiagnostic(const char*, int, const char*, int, const char*, ...) {}

void silenceAlsaDiagnostics() {
    using ErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetHandler = int (*)(ErrorHandler);
    void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_GLOBAL);
    if (!alsa) return;
    if (auto set = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler")))
        set(ignoreAlsaDiagnostic);
}

std::string musicFile(std::string_view dataPath) { return shortPath(resolve(dataPath).string()); }

}  // namespace

std::string shortPath(std::string_view path) {
    const size_t nul = path.find('\0');
    return std::string(nul == std::string_view::npos ? path : path.substr(0, nul));
}

class Sound::SdlMusicStream final : public MusicStream {
public:
    ~SdlMusicStream() override {
        Mix_HaltMusic();
        for (auto& [handle, music] : pieces_) Mix_FreeMusic(music);
    }

    int load(const std::string& path) override {
        Mix_Music* music = Mix_LoadMUS(path.c_str());
        if (!music) return 0;
        const int handle = nextHandle_++;
        pieces_[handle] = music;
        return handle;
    }
    void unload(int handle) override {
        const auto it = pieces_.find(handle);
        if (it == pieces_.end()) return;
        if (current_ == handle) halt();
        Mix_FreeMusic(it->second);
        pieces_.erase(it);
    }
    void start(int handle) override {
        const auto it = pieces_.find(handle);
        if (it == pieces_.end()) return;
        if (Mix_PlayMusic(it->second, 1) == 0) current_ = handle;
    }
    void pause() override { Mix_PauseMusic(); }
    void resume() override { Mix_ResumeMusic(); }
    void halt() override {
        Mix_HaltMusic();
        current_ = 0;
    }
    int current() const override { return current_; }
    bool sounding() const override { return current_ != 0 && Mix_PlayingMusic() && !Mix_PausedMusic(); }

private:
    std::map<int, Mix_Music*> pieces_;
    int nextHandle_ = 1;
    int current_ = 0;
};

Sound::Sound(const SystemOptions& options) : options_(options) {}

Sound::~Sound() { closeOutput(); }

bool Sound::openOutput() {
    if (open_) return true;
    if (triedToOpen_) return false;
    triedToOpen_ = true;
    silenceAlsaDiagnostics();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 ||
        Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        std::fprintf(stderr, "vexmora: no audio device could be opened (%s); the game runs without sound\n",
                     SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_Init(MIX_INIT_MID);
    chooseSoundFont();
    Mix_AllocateChannels(1);
    stream_ = std::make_unique<SdlMusicStream>();
    media_ = std::make_unique<MediaCommandInterpreter>(*stream_);
    open_ = true;
    return true;
}

void Sound::closeOutput() {
    if (open_) {
        Mix_HaltChannel(-1);
        media_.reset();
        stream_.reset();
        for (auto& [path, chunk] : effects_) Mix_FreeChunk(chunk);
        effects_.clear();
        Mix_CloseAudio();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        open_ = false;
    }
    triedToOpen_ = false;
}

void Sound::playEffect(int effect) {
    if (!options_.soundEffectsOn()) return;
    const std::string dataPath = effectDataPath(effect);
    if (dataPath.empty()) return;
    const fs::path file = resolve(dataPath);
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) return;
    if (!openOutput()) return;
    Mix_Chunk*& chunk = effects_[file.string()];
    if (!chunk) chunk = Mix_LoadWAV(file.c_str());
    if (!chunk) {
        effects_.erase(file.string());
        return;
    }
    Mix_PlayChannel(kEffectChannel, chunk, 0);
}

MediaReply Sound::sendMediaCommand(std::string_view command) {
    if (!openOutput()) return {MediaError::CannotOpenFile, {}};
    return media_->send(command);
}

void Sound::startMusic(std::string_view dataPath) {
    if (!options_.musicOn()) return;
    const std::string path = musicFile(dataPath);
    sendMediaCommand("close " + path);
    sendMediaCommand("open " + path + " Alias BGM");
    sendMediaCommand("seek BGM to START");
    sendMediaCommand("play BGM");
}

void Sound::checkMusicLoop() {
    if (!open_) return;
    if (sendMediaCommand("Status BGM MODE").text == "stopped") {
        sendMediaCommand("seek BGM to START");
        sendMediaCommand("play BGM");
    }
}

void Sound::playResultMusic(std::string_view dataPath) {
    const std::string path = musicFile(dataPath);
    if (options_.musicOn()) sendMediaCommand("play " + path);
}

void Sound::stopMusic() {
    if (!open_) return;
    sendMediaCommand("STOP BGM");
    sendMediaCommand("CLOSE BGM");
}

void Sound::closeMusic() {
    if (!open_) return;
    sendMediaCommand("CLOSE BGM");
}

Sound& sound() {
    static Sound instance(systemOptions());
    return instance;
}

}  // namespace vex::ui
