#include "vexmora/editor/editor_save.h"

#include <algorithm>

#include "vexmora/data/monster_file.h"
#include "vexmora/data/monster_save_rule.h"
#include "vexmora/data/numbers.h"
#include "vexmora/data/text.h"
#include "vexmora/editor/editor_rules.h"

namespace vex {

namespace {

void tell(Dialogs& dialogs, const std::string& title, const std::string& text, DialogIcon icon) {
    dialogs.ask({title, text, icon, DialogButtons::Ok});
}

// Step 2: the file the monster goes to; nullopt when the player cancelled the folder picker.
std::optional<fs::path> targetPath(const EditorSession& s, const EditorFormValues& form, const SaveQuestions& q) {
    fs::path path;
    if (s.scenarioMode()) {
        path = bossFilePath(s.scenarioFolder, s.scenarioName, s.scenarioEditMode);
    } else if (!s.isNewMonster()) {
        path = fs::path(s.sourcePaths[0]);
    } else {
        if (!q.pickFolder) return std::nullopt;
        const std::optional<fs::path> folder = q.pickFolder(kSaveFolderPrompt, resolve("DATA"));
        if (!folder) return std::nullopt;
        path = *folder / (safeFileName(s.monster.name) + ".tvx");
    }
    if (s.debugMode && s.debugFile && !form.debugFileName.empty()) {
        const std::string name = safeFileName(form.debugFileName);
        if (!name.empty()) path = path.parent_path() / name;
    }
    return path;
}

}  // namespace

void applyFormValues(MonsterRecord& m, const EditorFormValues& form) {
    m.extra[kLineStart] = form.lines[0];
    m.extra[kLineWin] = form.lines[1];
    m.extra[kLineLose] = form.lines[2];
    for (int k = 0; k < kSlotCount; ++k) {
        const EditorSlotValues& slot = form.techniques[static_cast<size_t>(k)];
        m.techName[k] = slot.name;
        m.techId[k] = slot.techId;
        m.techElement(k) = std::to_string(std::clamp(slot.element, 0, kElementCount - 1));
        m.techLevel[k] = static_cast<int16_t>(slot.level);
        m.techCost[k] = slot.cost;
    }
    m.extra[kFlipSide] = std::to_string(form.flipSide);
    if (form.recordCleared) {
        m.wins = m.losses = 0;
        m.extra[kNetWins].clear();
        m.extra[kNetLosses].clear();
        m.history().clear();
    }
    m.imageSize = form.imageSize;
    m.makerName() = form.makerName;
    m.password() = form.password;
}

fs::path bossFilePath(const fs::path& scenarioFolder, const std::string& scenarioName, int boss) {
    const std::string digits = std::to_string(100 + boss);
    return scenarioFolder / (safeFileName(scenarioName) + ".b" + digits.substr(digits.size() - 2));
}

Result<std::string> pictureForSave(const EditorSession& session) {
    if (!session.chosenPicture.empty()) return session.chosenPicture;
    if (!session.sourcePaths[1].empty()) {
        auto bytes = readWholeFile(fs::path(session.sourcePaths[1]), maxPictureBytes());
        if (!bytes) return Error{"読み込みエラー", missingPictureText(session.sourcePaths[1])};
        return std::move(*bytes);
    }
    if (session.isNewMonster()) return std::string();
    auto loaded = loadMonster(fs::path(session.sourcePaths[0]),
                              session.scenarioMode() ? ChecksumCheck::Skip : ChecksumCheck::Compare);
    if (!loaded) return loaded.error();
    return std::move(loaded->picture);
}

SaveResult saveFromEditor(EditorSession& s, const EditorFormValues& form, const SaveQuestions& q) {
    Dialogs& dialogs = *q.dialogs;
    SaveResult result;
    MonsterRecord m = s.monster;

    // 1. No monster without a picture.
    if (trimRight(m.imageFile).empty()) {
        tell(dialogs, kNoPictureTitle, kNoPictureText, DialogIcon::Warning);
        return result;
    }
    // 2. Where it goes.
    const std::optional<fs::path> target = targetPath(s, form, q);
    if (!target) return result;
    const fs::path path = *target;

    // The picture is read before anything is written: it may come from the file replaced.
    auto picture = pictureForSave(s);
    if (!picture) {
        tell(dialogs, picture.error().title, picture.error().message, DialogIcon::Error);
        result.outcome = SaveOutcome::Failed;
        return result;
    }

    // 3. What the debug panel and the offset buttons decide, whatever the file holds.
    const std::string version = m.makerVersion();
    const std::string unlockCodes = m.unlockCodes();
    const std::string history = m.history();
    const std::string offset = m.extra[kImageOffsetY];

    // 4. Overwriting: the file's monster is the one saved, and a monster whose points were
    // changed starts its record again. The file keeps its abilities (the editor's codes may
    // have been emptied by ＡＬＬ ＣＬＥＡＲ, or belong to a new monster of the same name), with
    // the ones bought or given up in this editor session.
    std::error_code ec;
    bool statsChanged = false;
    if (fs::exists(path, ec) && s.scenarioEditMode == 0) {
        const DialogAnswer answer = dialogs.ask({kOverwriteTitle, kOverwriteText, DialogIcon::Warning, DialogButtons::YesNo});
        if (answer != DialogAnswer::Yes) return result;
        if (!s.debugMode) {
            auto existing = loadMonster(path);
            if (!existing) {
                tell(dialogs, existing.error().title, existing.error().message, DialogIcon::Error);
                result.outcome = SaveOutcome::Failed;
                return result;
            }
            MonsterRecord file = std::move(existing->record);
            statsChanged = file.atk != m.atk || file.def != m.def || file.spd != m.spd;
            if (statsChanged) {
                file.wins = file.losses = 0;
                file.extra[kNetWins].clear();
                file.extra[kNetLosses].clear();
                file.unlockCodes().clear();
                file.history().clear();
            }
            file.unlockCodes() = withAbilityChanges(file.unlockCodes(), s.abilityChanges);
            file.imageFile = m.imageFile;  // a picture chosen since loading replaces the file's
            m = std::move(file);
        }
    }

    // 5-7. The kind of monster.
    if (!s.debugMode) {
        m.makerVersion() = "1";
    } else {
        const double v = leadingNumber(version);
        m.makerVersion() = v != 1 && v != 0 ? version : "0";
        m.unlockCodes() = unlockCodes;
        m.history() = history;
    }
    if (!s.debugMode) clampPointsForSave(m);
    if (s.scenarioMode()) {
        m.makerVersion() = "9.99";
        m.unlockCodes() = unlockCodes;
    }

    // 8-9. The form.
    m.extra[kImageOffsetY] = offset;
    applyFormValues(m, form);
    if (s.debugMode && s.debugFile && form.debugStats[0] != 0) {
        m.atk = form.debugStats[0];
        m.def = form.debugStats[1];
        m.spd = form.debugStats[2];
    }

    // 10. The file.
    const Status saved = saveMonster(path, m, *picture);
    if (!saved) {
        tell(dialogs, saved.error().title, saved.error().message, DialogIcon::Error);
        result.outcome = SaveOutcome::Failed;
        return result;
    }
    s.monster = m;
    s.sourcePaths[0] = path.string();
    s.abilityChanges = {};  // the file holds them now
    result.outcome = SaveOutcome::Saved;
    result.path = path;
    // 11. What the scenario editor's boss button takes.
    if (s.scenarioMode()) {
        result.bossName = m.name;
        result.bossChecksum = m.checksum();
    }
    return result;
}

}  // namespace vex
