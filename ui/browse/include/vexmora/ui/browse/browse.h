#pragma once
// Browse: the in-program browser that shows a scenario's story pages, modally. The web view runs
// in a program of its own, vexmora-pages (story_view.h), which the game starts from its install
// folder when a page is shown and waits for: the game itself never loads the web engine, and a
// page that crashes or attacks the web engine does so away from the game.

#include <optional>
#include <string_view>

#include "vexmora/data/paths.h"

class QWidget;

namespace vex::ui {

inline constexpr const char* kPagesProgramName = "vexmora-pages";

// The page program of this installation (the game's install folder, never the program folder
// that --home names); nothing when it is missing.
std::optional<fs::path> pagesProgram();

// Shows a story page and returns when the player has closed it. `address` is what the scenario
// names (story_files.h): a page of the scenario's folder opens in the page program, and the
// game's windows take no input until it ends; a web address opens in the player's own browser
// and returns at once. False when nothing could be shown (an address outside the scenario's
// folder, or no page program; the reason goes to stderr).
bool openBrowse(QWidget* parent, std::string_view address, const fs::path& scenarioFolder);

struct StoryPageLocation;
// The part of openBrowse that runs `program` on a page and waits for it, the game's windows
// taking no input meanwhile. False when the program did not start.
bool showStoryPage(QWidget* parent, const fs::path& program, const StoryPageLocation& page);

}  // namespace vex::ui
