#pragma once
// The local record of network battles, "結果.txt" in the program folder.

#include <string>

#include "vexmora/data/dialogs.h"
#include "vexmora/data/paths.h"
#include "vexmora/data/result.h"

namespace vex {

struct ResultRecordInput {
    bool ownSideWon = false;
    std::string ownMonster, ownHandle;
    std::string opponentMonster, opponentHandle;
    int finalTurn = 0;
    int winnerHp = 0;
    int winnerMaxHp = 0;
    std::string date;  // the short date, e.g. "2026/12/08"
    std::string time;  // the time, e.g. "21:05:13"
};

inline constexpr const char* kResultFileName = "結果.txt";

// The eleven lines, each ended by CR LF, as CP932 bytes.
std::string buildResultRecord(const ResultRecordInput& input);
// Spaces that centre a name-and-handle text of this many bytes under the 40-byte banner.
int resultFiller(size_t nameAndHandleBytes);

// The current local date and time in the short forms the record uses.
std::string shortDateNow();
std::string timeNow();

// Writes the record into `path`: an existing file is appended to when the player answers
// Yes to "ネット対戦結果の出力", replaced when No.
Status writeResultRecord(const fs::path& path, const std::string& record, Dialogs& dialogs);

}  // namespace vex
