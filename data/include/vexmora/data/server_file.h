#pragma once
// The report-server file (".srv"): six items in the sequential "write" form (each in double
// quotes on its own line), stored twice — a salted container that readers skip, then an
// ordinary one keyed from the file's name.

#include <string>
#include <vector>

#include "vexmora/data/paths.h"
#include "vexmora/data/result.h"
#include "vexmora/data/scrambled_file.h"

namespace vex {

struct ServerRecord {
    std::string host;
    std::string user;
    std::string password;
    std::string pageName = "result";
    std::string listName = "result";
    std::string listLimit = "30";

    bool operator==(const ServerRecord&) const = default;
};

using ServerFileInfo = DoubleContainerInfo;

// The "write" form: every item in double quotes, lines ended by CR LF.
std::string writeItems(const std::vector<std::string>& itemsCp932);
// The "input" form: quoted or bare items separated by commas or line ends.
std::vector<std::string> readItems(std::string_view text);

Result<ServerRecord> decodeServer(std::string_view fileBytes, std::string_view fileName, ServerFileInfo* info = nullptr);
Result<ServerRecord> readServer(const fs::path& path, ServerFileInfo* info = nullptr);
Result<std::string> encodeServer(const ServerRecord& record, std::string_view fileName);
Status writeServer(const fs::path& path, const ServerRecord& record);

}  // namespace vex
