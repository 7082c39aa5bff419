#include "vexmora/ui/media/media_command.h"

#include <algorithm>

namespace vex::ui {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view trim(std::string_view s) {
    while (!s.empty() && isSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back())) s.remove_suffix(1);
    return s;
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool sameName(std::string_view a, std::string_view b) { return lower(a) == lower(b); }

std::string unquote(std::string_view s) {
    s = trim(s);
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"') s = s.substr(1, s.size() - 2);
    return std::string(s);
}

// "open ELEMENT [alias NAME]": the alias is the last word, after the last " alias ".
void parseOpen(std::string_view rest, MediaCommand& command) {
    const std::string folded = " " + lower(rest);
    const size_t at = folded.rfind(" alias ");
    if (at != std::string::npos) {
        const std::string_view name = trim(rest.substr(std::min(rest.size(), at + 6)));
        if (!name.empty() && std::none_of(name.begin(), name.end(), isSpace)) {
            command.alias = std::string(name);
            rest = at == 0 ? std::string_view() : rest.substr(0, at - 1);
        }
    }
    command.element = unquote(rest);
    command.device = command.alias.empty() ? command.element : command.alias;
}

}  // namespace

MediaCommand parseMediaCommand(std::string_view text) {
    MediaCommand command;
    text = trim(text);
    size_t cut = 0;
    while (cut < text.size() && !isSpace(text[cut])) ++cut;
    const std::string verb = lower(text.substr(0, cut));
    const std::string_view rest = trim(text.substr(cut));
    const std::string folded = lower(rest);

    if (verb == "open") {
        command.verb = MediaVerb::Open;
        parseOpen(rest, command);
    } else if (verb == "close" || verb == "play" || verb == "stop") {
        command.verb = verb == "close" ? MediaVerb::Close : verb == "play" ? MediaVerb::Play : MediaVerb::Stop;
        command.device = unquote(rest);
    } else if (verb == "seek") {
        command.verb = MediaVerb::Seek;
        const size_t to = folded.rfind(" to ");
        if (to != std::string::npos) {
            command.device = unquote(rest.substr(0, to));
            command.argument = lower(trim(rest.substr(to + 4)));
        } else {
            command.device = unquote(rest);
        }
    } else if (verb == "status") {
        command.verb = MediaVerb::Status;
        const size_t space = rest.find_last_of(" \t");
        if (space != std::string_view::npos) {
            command.device = unquote(rest.substr(0, space));
            command.argument = lower(trim(rest.substr(space + 1)));
        } else {
            command.device = unquote(rest);
        }
    }
    return command;
}

MediaCommandInterpreter::MediaCommandInterpreter(MusicStream& stream) : stream_(stream) {}

MediaCommandInterpreter::~MediaCommandInterpreter() { closeAll(); }

bool MediaCommandInterpreter::isOpen(std::string_view device) const {
    return std::any_of(devices_.begin(), devices_.end(), [&](const auto& d) { return sameName(d->name, device); });
}

MediaCommandInterpreter::Device* MediaCommandInterpreter::find(std::string_view name) {
    for (auto& d : devices_)
        if (sameName(d->name, name)) return d.get();
    return nullptr;
}

// A piece that was playing has either ended (it still holds the output) or lost the output to
// another device (it starts over when played again).
void MediaCommandInterpreter::refresh(Device& device) {
    if (!device.playing) return;
    const bool holdsOutput = stream_.current() == device.handle;
    if (holdsOutput && stream_.sounding()) return;
    device.playing = false;
    device.position = holdsOutput ? Position::End : Position::Start;
}

void MediaCommandInterpreter::dropFinishedAutoDevices() {
    std::vector<Device*> finished;
    for (auto& d : devices_) {
        if (!d->openedByPlay) continue;
        refresh(*d);
        if (!d->playing && d->position != Position::Middle) finished.push_back(d.get());
    }
    for (Device* d : finished) close(*d);
}

void MediaCommandInterpreter::close(Device& device) {
    stream_.unload(device.handle);
    std::erase_if(devices_, [&](const auto& d) { return d.get() == &device; });
}

void MediaCommandInterpreter::closeAll() {
    for (auto& d : devices_) stream_.unload(d->handle);
    devices_.clear();
}

MediaReply MediaCommandInterpreter::open(const MediaCommand& command) {
    if (command.element.empty()) return {MediaError::BadArgument, {}};
    if (Device* existing = find(command.device)) close(*existing);
    const int handle = stream_.load(command.element);
    if (handle == 0) return {MediaError::CannotOpenFile, {}};
    auto device = std::make_unique<Device>();
    device->name = command.device;
    device->element = command.element;
    device->handle = handle;
    devices_.push_back(std::move(device));
    return {};
}

MediaReply MediaCommandInterpreter::play(const MediaCommand& command) {
    if (command.device.empty()) return {MediaError::BadArgument, {}};
    Device* device = find(command.device);
    if (!device) {
        // Only a file name with an extension opens itself; "play BGM" with no BGM open fails.
        const std::string name = command.device.substr(command.device.find_last_of("/\\") + 1);
        if (name.find('.') == std::string::npos) return {MediaError::DeviceNotOpen, {}};
        MediaCommand implicitOpen;
        implicitOpen.device = implicitOpen.element = command.device;
        if (MediaReply opened = open(implicitOpen); !opened.ok()) return opened;
        device = devices_.back().get();
        device->openedByPlay = true;
    }
    refresh(*device);
    if (device->playing || device->position == Position::End) return {};
    if (device->position == Position::Middle && stream_.current() == device->handle)
        stream_.resume();
    else
        stream_.start(device->handle);
    device->playing = true;
    device->position = Position::Middle;
    return {};
}

MediaReply MediaCommandInterpreter::send(std::string_view text) {
    dropFinishedAutoDevices();
    const MediaCommand command = parseMediaCommand(text);
    switch (command.verb) {
    case MediaVerb::Unknown:
        return {MediaError::UnknownCommand, {}};
    case MediaVerb::Open:
        return open(command);
    case MediaVerb::Play:
        return play(command);
    case MediaVerb::Close: {
        if (sameName(command.device, "all")) {
            closeAll();
            return {};
        }
        // A device is closed by its name, or by the file it holds: "close PATH" before
        // "open PATH Alias BGM" restarts a piece that is already open under the alias.
        Device* device = find(command.device);
        if (!device)
            for (auto& d : devices_)
                if (d->element == command.device) device = d.get();
        if (!device) return {MediaError::DeviceNotOpen, {}};
        close(*device);
        return {};
    }
    default:
        break;
    }

    Device* device = find(command.device);
    if (!device) return {MediaError::DeviceNotOpen, {}};
    refresh(*device);
    switch (command.verb) {
    case MediaVerb::Seek:
        if (command.argument != "start" && command.argument != "end") return {MediaError::BadArgument, {}};
        if (stream_.current() == device->handle) stream_.halt();
        device->playing = false;
        device->position = command.argument == "start" ? Position::Start : Position::End;
        return {};
    case MediaVerb::Stop:
        if (device->playing) {
            stream_.pause();
            device->playing = false;
            device->position = Position::Middle;
        }
        return {};
    case MediaVerb::Status:
        if (command.argument != "mode") return {MediaError::BadArgument, {}};
        return {MediaError::None, device->playing ? "playing" : "stopped"};
    default:
        return {MediaError::UnknownCommand, {}};
    }
}

}  // namespace vex::ui
