#pragma once
// Which folder the game plays from, decided in one place for the game and vexmora-cli.
//
//   1. --home DIR;
//   2. else $VEXMORA_HOME;
//   3. else the game's own folder, when the content lies beside the program (a build folder, or
//      a game folder copied anywhere) and that folder can be written;
//   4. else the player's folder, $XDG_DATA_HOME/vexmora (~/.local/share/vexmora), filled from
//      the game's content. This is how an installed game plays: programs in "bin", the content
//      in "share/vexmora" beside it, which is never written, whoever runs the game.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vex {

namespace fs = std::filesystem;

enum class FolderSource {
    HomeArgument,  // --home DIR
    HomeVariable,  // $VEXMORA_HOME
    OwnFolder,     // the content beside the program
    PlayerFolder,  // $XDG_DATA_HOME/vexmora, filled from the content
};

// What the choice depends on. folderEnvironment() reads it from this process; tests make their own.
struct FolderEnvironment {
    std::string homeArgument;
    std::string homeVariable;  // $VEXMORA_HOME
    std::string xdgDataHome;   // $XDG_DATA_HOME
    std::string userHome;      // $HOME, else the password database
    fs::path executable;       // /proc/self/exe, else argv[0]
};
FolderEnvironment folderEnvironment(std::string_view homeArgument, const char* argv0);

struct FolderChoice {
    fs::path folder;
    FolderSource source = FolderSource::OwnFolder;
    fs::path content;  // the game's content folder
};
FolderChoice decideProgramFolder(const FolderEnvironment& environment);

// Where the content of the game at `executable` lies: "../share/vexmora" from an installed
// program, else the program's own folder.
fs::path contentFolderOf(const fs::path& executable);
bool isInstalledLayout(const fs::path& executable);

// $XDG_DATA_HOME/vexmora when that variable names an absolute folder, else
// ~/.local/share/vexmora. Empty when no home folder is known.
fs::path playerFolderFor(const FolderEnvironment& environment);

// True when a file can be created in the folder (permissions and read-only mounts alike).
bool folderWritable(const fs::path& folder);

// Gives the player's folder every file of the content it has not been offered before. A file the
// player already has (its folders and name matched without regard to case) is never replaced,
// and a file offered once and deleted by the player is not brought back; files new to a later
// version of the content arrive on the next start. Each file appears whole or not at all.
// The list of offered files is kept in kOfferedListName in the player's folder.
struct FillReport {
    int copied = 0;
    std::vector<std::string> problems;
};
FillReport fillPlayerFolder(const fs::path& player, const fs::path& content);
inline constexpr std::string_view kOfferedListName = ".vexmora-content";

// The offered list's text: one content path a line ("/"-separated, relative to the folder).
std::vector<std::string> parseOfferedList(std::string_view text);

// The decision for this process, with the player's folder filled when it is the one chosen.
// When the player's folder cannot be made, the content folder is used and a problem says why.
struct OpenedFolder {
    fs::path folder;
    FolderSource source = FolderSource::OwnFolder;
    std::vector<std::string> problems;
};
OpenedFolder openProgramFolder(std::string_view homeArgument, const char* argv0);

}  // namespace vex
