#pragma once
// MAKEsrv's rules without the form: the seven fields, the characters refused in file names,
// the checks in their order, and the server file it writes. Also the server files the battle
// settings offer.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "vexmora/data/paths.h"
#include "vexmora/data/result.h"
#include "vexmora/data/server_file.h"

namespace vex {

struct ServerForm {
    std::string settingsName = "SERVERinfo";  // names the file: settingsName + ".srv"
    ServerRecord server;
};

inline constexpr std::string_view kServerFolder = "Server";

// The settings, page and list names refuse the characters of kRefusedNameCharacters (paths.h).

// The first complaint about the form, as an error box ("エラー"), or nothing when it may be
// written: the list limit first, then each field in order.
std::optional<Error> checkServerForm(const ServerForm& form);

fs::path serverFolder(const fs::path& programFolder);
// Checks the form and writes "Server\<settingsName>.srv" as a whole; the path written.
Result<fs::path> makeServerFile(const fs::path& programFolder, const ServerForm& form);
// The text of the completion box ("ファイル出力の完了").
std::string serverMadeMessage(const fs::path& programFolder, std::string_view settingsName);

// The base names of the "*.srv" files of the "Server" folder, sorted.
std::vector<std::string> listServerNames(const fs::path& programFolder);
fs::path serverFilePath(const fs::path& programFolder, std::string_view baseName);

}  // namespace vex
