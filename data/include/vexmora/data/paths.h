#pragma once
// The program folder and the data paths below it. Data paths are written with "\" and were
// made for a case-insensitive file system: every component is matched case-insensitively.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "vexmora/data/result.h"

namespace vex {

namespace fs = std::filesystem;

// The folder all game data lives below: --home DIR, else $VEXMORA_HOME, else the game's own
// folder or the player's (program_folder.h, which also says what went wrong on the way).
// `argv0` is used only when /proc/self/exe cannot be read.
fs::path chooseProgramFolder(std::string_view homeArgument, const char* argv0);
void setProgramFolder(const fs::path& folder);
const fs::path& programFolder();

// Where the program's own parts are taken from (the pixel library, the page program): the
// executable's folder, then the "lib/vexmora" folder beside it. Never the program folder, which
// --home may point at anyone's folder of monsters and scenarios.
std::vector<fs::path> installFolders();

// A "\"-separated data path joined to a base folder, each existing component matched
// case-insensitively; components that do not exist yet are kept as written.
fs::path resolveIn(const fs::path& base, std::string_view dataPath);
fs::path resolve(std::string_view dataPath);

// The part of a path after its last "\" or "/"; the whole text when there is none.
std::string nameOf(std::string_view path);
// A name from outside reduced to a plain file name: no folders, no "..", no control bytes.
std::string safeFileName(std::string_view name);

// The characters names that become file names may not hold: \ / : < > * ? | (monster,
// scenario and server settings names, the report's page and list names).
inline constexpr std::string_view kRefusedNameCharacters = "\\/:<>*?|";
bool refusedInName(char32_t c);
bool hasRefusedCharacter(std::string_view utf8);
std::string withoutRefusedCharacters(std::string_view utf8);

// Whether a file name ends with an extension (".tvx"), letters compared case-insensitively as
// everything below the program folder is.
bool hasExtension(const fs::path& path, std::string_view extension);

// Reads a whole file, refusing one larger than maxBytes.
Result<std::string> readWholeFile(const fs::path& path, size_t maxBytes);
// Who may read a file that atomicWrite replaces or creates.
enum class FileAccess {
    AsBefore,   // an existing file keeps its permissions; a new one gets 0666 less the umask
    OwnerOnly,  // 0600 whatever the file had: files that hold passwords
};

// Replaces a file as a whole: a temporary file in the same folder, flushed, renamed over the
// target, then the folder flushed so the rename itself survives a power cut. A crash or a full
// disk never leaves the target half-written or deleted.
Status atomicWrite(const fs::path& path, std::string_view bytes, FileAccess access = FileAccess::AsBefore);

}  // namespace vex
