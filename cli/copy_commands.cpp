// copy and rename: a monster written under a new file name, keyed from that name. A file copied
// or renamed with the shell's tools no longer reads, because its key comes from its name.

#include <iostream>

#include "command_line.h"
#include "fighter_files.h"
#include "vexmora/data/argument_paths.h"
#include "vexmora/data/monster_copy.h"

namespace vex::cli {

namespace {

struct CopyOptions {
    std::string file;
    std::string target;  // copy: the new file; rename: the monster's new name
    std::string name;    // copy --name
    bool force = false;
};

int finish(const Result<fs::path>& written) {
    if (!written) {
        printGameError(written.error());
        return kExitUsage;
    }
    std::cout << written->string() << "\n";
    return kExitOk;
}

int copyMonster(const CopyOptions& o) {
    MonsterCopyRequest request;
    request.from = inputArgumentPath(o.file);
    fs::path to = outputArgumentPath(o.target);
    std::error_code ec;
    if (fs::is_directory(to, ec)) to /= request.from.filename();
    if (!hasExtension(to, ".tvx")) to += ".tvx";
    request.to = to;
    request.newName = o.name;
    request.replace = o.force;
    return finish(copyMonsterFile(request));
}

int renameMonster(const CopyOptions& o) {
    if (o.target.empty()) return finish(Error{"エラー", "the new name is empty"});
    MonsterCopyRequest request;
    request.from = inputArgumentPath(o.file);
    // The name is checked before the path is used: copyMonsterFile refuses one that cannot be a file's.
    request.to = request.from.parent_path() / monsterFileNameFor(o.target).value_or("");
    request.newName = o.target;
    request.replace = o.force;
    request.removeSource = true;
    return finish(copyMonsterFile(request));
}

}  // namespace

void addCopyCommand(CLI::App& app) {
    static CopyOptions options;
    CLI::App* command = addCommand(app, "copy", "copy a monster file under another file name (keyed from that name)");
    command->add_option("FILE", options.file, "the monster file")->required();
    command->add_option("TARGET", options.target, "the new file (\".tvx\" is added), or a folder")->required();
    command->add_option("--name", options.name, "also give the copy this monster name")->type_name("NAME");
    command->add_flag("--force", options.force, "replace a file that already exists");
    runs(command, [] { return copyMonster(options); });
}

void addRenameCommand(CLI::App& app) {
    static CopyOptions options;
    CLI::App* command =
        addCommand(app, "rename", "give a monster a new name: written as NEW-NAME.tvx beside it, the old file removed");
    command->add_option("FILE", options.file, "the monster file")->required();
    command->add_option("NEW-NAME", options.target, "the monster's new name, which is also its file's")->required();
    command->add_flag("--force", options.force, "replace a file NEW-NAME.tvx that already exists");
    runs(command, [] { return renameMonster(options); });
}

}  // namespace vex::cli
