#pragma once
// Converting old monster files (".tvo") into monster files (".tvx") in the same folder, one
// file at a time, each with one result line for the log.
//
// One file goes through these steps: read the old record; refuse a user's monster whose
// points exceed 1000 or that claims to be system data; take the picture from the "ICON"
// subfolder; clear the battle record and the personal entries; mark a former system monster
// ("OLDversion", maker "QELPAR", its fixed password); fix the picture size; empty or unlock the
// special-technique slots; save it as NAME.tvx; optionally delete the old file.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "vexmora/data/monster_record.h"
#include "vexmora/data/paths.h"
#include "vexmora/data/result.h"

namespace vex {

// The log's separator between the file name and its result.
inline constexpr const char* kConversionSeparator = "  :  ";
// The results the log shows.
inline constexpr const char* kConvertedText = "変換しました";
inline constexpr const char* kNoPictureFolderText = "画像が設定されていません";
inline constexpr const char* kNoPictureFileText = "画像ファイルが見つかりません";
inline constexpr const char* kOtherErrorText = "その他のエラー";
inline constexpr const char* kTooManyPointsText = "能力値の合計が1000を超えているため変換しません";
inline constexpr const char* kSystemDataText = "システムデータのため変換しません";
inline constexpr const char* kExistsText = "同じ名前のモンスターファイルがあるため変換しません";
inline constexpr const char* kBadNameText = "名前がファイル名に使えないため変換しません";
// Added to the result of a monster converted without its picture, before the reason.
inline constexpr const char* kPictureNotEmbeddedText = "画像は埋め込みませんでした";
inline constexpr const char* kPictureIsLinkText = "画像がシンボリックリンクです";

// What a former system monster gets.
inline constexpr const char* kOldVersionMark = "OLDversion";
inline constexpr const char* kOldSystemMaker = "QELPAR";
inline constexpr const char* kOldSystemPassword = "LetMeShape";

enum class ConversionStatus { Converted, Skipped, Failed };

// Why a file was not converted (None when it was): a short key for tools and tests.
enum class ConversionReason {
    None, Points, SystemData, NameTaken, BadName, NoPictureFolder, NoPictureFile, Damaged, Other,
};
std::string_view reasonKey(ConversionReason reason);  // "points", "systemData", …; "" for None

struct ConversionResult {
    ConversionStatus status = ConversionStatus::Failed;
    ConversionReason reason = ConversionReason::Other;
    std::string text;       // the result as the log shows it after the separator
    fs::path output;        // the monster file written; empty when none was
    MonsterRecord record;   // the converted record, as far as the conversion got
    std::string picture;    // the picture's bytes as embedded; empty when none was
    std::string pictureRefusal;  // why the picture was left out (the monster converted without it)
};

// "file name  :  result"
std::string conversionLogLine(std::string_view fileName, const ConversionResult& result);

// Whether a user's monster is refused: points above 1000, or system data ("9.99", "5.55").
std::optional<ConversionReason> refusalOf(const MonsterRecord& record);

// The record rules of the conversion, after the picture is found: the picture's stored name,
// the cleared record, the former system monster's marks, the picture size and the special
// techniques.
void applyConversionRules(MonsterRecord& record);

// Techniques that only special monsters may hold: 94-98 and 525-530.
bool isOldSpecialTechnique(int id);

// The file name NAME.tvx for the name as the file will store it (cut to 20 bytes), or
// nothing when that name cannot be a file name (empty, only dots, a leading dot, or one of
// \ / : * ? " < > |).
std::optional<std::string> convertedFileName(const MonsterRecord& record);

struct ConversionChoices {
    bool deleteOld = false;  // delete each old file once it is converted
    // Asked when NAME.tvx exists already; true replaces it. Without it nothing is replaced.
    std::function<bool(const fs::path& existing)> mayReplace;
    // Why a picture may not be embedded (it does not decode, or breaks a limit); nothing when
    // it may. The game and the command-line tool pass the picture decoder's verdict; without
    // one only the checks that need no decoding are made (pictureBytesRefusal).
    std::function<std::optional<std::string>(std::string_view bytes)> pictureRefusal = {};
};

// Converts one old file into a monster file beside it. Never throws; every outcome is a result.
// The picture is read from "ICON" without following a symbolic link (neither the folder nor
// the file may be one); a picture that is a link, or that pictureRefusal refuses, is left out
// and the monster converts without it, its result saying why.
ConversionResult convertOldFile(const fs::path& oldFile, const ConversionChoices& choices);

// The old monster files of a folder ("*.tvo" in any case), in name order; an Error when the
// folder cannot be read.
Result<std::vector<fs::path>> listOldFiles(const fs::path& folder);

}  // namespace vex
