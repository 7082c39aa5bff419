#include "vexmora/data/old_conversion.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "vexmora/data/monster_file.h"
#include "vexmora/data/monster_kind.h"
#include "vexmora/data/numbers.h"
#include "vexmora/data/old_monster_file.h"
#include "vexmora/data/picture_format.h"
#include "vexmora/data/picture_size.h"
#include "vexmora/data/technique_catalogue.h"
#include "vexmora/data/text.h"

namespace vex {

namespace {

constexpr size_t kNameWidth = 20;

ConversionResult outcome(ConversionStatus status, ConversionReason reason, std::string text) {
    ConversionResult r;
    r.status = status;
    r.reason = reason;
    r.text = std::move(text);
    return r;
}

ConversionResult failed(ConversionReason reason, std::string text) {
    return outcome(ConversionStatus::Failed, reason, std::move(text));
}

// Any other error: the general text with what went wrong.
ConversionResult otherError(ConversionReason reason, const std::string& what) {
    return failed(reason, std::string(kOtherErrorText) + " - " + what);
}

// The entry of `folder` named `name`, matched case-insensitively; empty when there is none.
fs::path existingEntry(const fs::path& folder, std::string_view name, bool wantFolder) {
    const fs::path found = resolveIn(folder, name);
    std::error_code ec;
    const bool exists = wantFolder ? fs::is_directory(found, ec) : fs::exists(found, ec);
    return exists ? found : fs::path();
}

// The picture "ICON\<name>" beside an old file. The folder and the file are opened without
// following a symbolic link, the file relative to the opened folder, so a link put in place
// between the look and the read is refused too.
struct IconPicture {
    enum Outcome { Read, NoFolder, NoFile, Link, TooLarge, Unreadable } outcome = NoFolder;
    std::string bytes;
    std::string detail;   // what went wrong reading (Unreadable)
    std::string refusal;  // why the picture is left out; empty while it may be embedded
};

IconPicture readIconPicture(const fs::path& oldFolder, std::string_view imageFile) {
    IconPicture picture;
    std::error_code ec;
    const fs::path iconFolder = resolveIn(oldFolder, "ICON");
    const fs::file_status folderStatus = fs::symlink_status(iconFolder, ec);
    if (fs::is_symlink(folderStatus)) {
        picture.outcome = IconPicture::Link;
        return picture;
    }
    if (!fs::is_directory(folderStatus)) return picture;
    const int folderFd = ::open(iconFolder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folderFd < 0) {
        picture.outcome = errno == ELOOP || errno == ENOTDIR ? IconPicture::Link : IconPicture::NoFolder;
        return picture;
    }
    const std::string name = resolveIn(iconFolder, safeFileName(imageFile)).filename().string();
    // Non-blocking, so that a pipe named like the picture cannot hold the conversion.
    const int fd = ::openat(folderFd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    const int openError = errno;
    ::close(folderFd);
    if (fd < 0) {
        picture.outcome = openError == ELOOP ? IconPicture::Link : IconPicture::NoFile;
        return picture;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        picture.outcome = IconPicture::NoFile;
        return picture;
    }
    if (static_cast<uintmax_t>(info.st_size) > kMaxPictureBytes) {
        ::close(fd);
        picture.outcome = IconPicture::TooLarge;
        return picture;
    }
    picture.bytes.resize(kMaxPictureBytes + 1);
    size_t got = 0;
    while (got < picture.bytes.size()) {
        const ssize_t n = ::read(fd, picture.bytes.data() + got, picture.bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            picture.detail = "ファイルを読み込めません: " + name + " (" + std::strerror(errno) + ")";
            ::close(fd);
            picture.outcome = IconPicture::Unreadable;
            return picture;
        }
        if (n == 0) break;
        got += static_cast<size_t>(n);
    }
    ::close(fd);
    picture.bytes.resize(got);
    picture.outcome = got > kMaxPictureBytes ? IconPicture::TooLarge : IconPicture::Read;
    return picture;
}

}  // namespace

std::string_view reasonKey(ConversionReason reason) {
    switch (reason) {
    case ConversionReason::None: return "";
    case ConversionReason::Points: return "points";
    case ConversionReason::SystemData: return "systemData";
    case ConversionReason::NameTaken: return "nameTaken";
    case ConversionReason::BadName: return "badName";
    case ConversionReason::NoPictureFolder: return "noPictureFolder";
    case ConversionReason::NoPictureFile: return "noPictureFile";
    case ConversionReason::Damaged: return "damaged";
    case ConversionReason::Other: return "other";
    }
    return "other";
}

std::string conversionLogLine(std::string_view fileName, const ConversionResult& result) {
    return std::string(fileName) + kConversionSeparator + result.text;
}

std::optional<ConversionReason> refusalOf(const MonsterRecord& record) {
    if (isFormerSystemMonster(record)) return std::nullopt;
    if (std::abs(record.atk) + std::abs(record.def) + std::abs(record.spd) > 1000) return ConversionReason::Points;
    if (isTreatedAsSystemData(record)) return ConversionReason::SystemData;
    return std::nullopt;
}

bool isOldSpecialTechnique(int id) { return (id >= 94 && id <= 98) || (id >= 525 && id <= 530); }

void applyConversionRules(MonsterRecord& m) {
    const bool system = isFormerSystemMonster(m);
    m.imageFile = iconNameFor(m.imageFile);

    m.wins = 0;
    m.losses = 0;
    for (int index : {kNetWins, kNetLosses, kMakerName, kHistory, kPassword, kUnlockCodes}) m.extra[index].clear();
    if (system) {
        m.unlockCodes() = kOldVersionMark;
        m.makerName() = kOldSystemMaker;
        m.password() = kOldSystemPassword;
    }

    if (m.imageSize < 10) m.imageSize = sat16(int64_t{m.imageSize} * 40);
    if (m.imageSize > 200) m.imageSize = 200;
    m.imageSize = clampImageSize(m.imageSize);  // a negative size too ends in the editor's range

    for (int k = 0; k < kSlotCount; ++k) {
        // The file keeps elements as numbers: an odd text would not read back.
        m.techElement(k) = numberText(m.elementOf(k));
        if (!isOldSpecialTechnique(m.techId[k])) continue;
        if (system) {
            m.unlockCodes() += techniqueEntry(m.techId[k]).unlockCode;
        } else {
            // The name goes too: a named empty slot would still show the technique.
            m.techName[k].clear();
            m.techLevel[k] = 0;
            m.techId[k] = kEmptyTech;
            m.techCost[k] = 0;
            m.techElement(k) = "0";
        }
    }
}

std::optional<std::string> convertedFileName(const MonsterRecord& record) {
    const std::string stored = fromCp932(trimRight(fitField(toCp932Lossy(record.name), kNameWidth)));
    if (stored.empty() || stored.front() == '.' || stored.front() == ' ') return std::nullopt;
    for (unsigned char c : stored)
        if (c < 0x20 || c == 0x7F || std::string_view("\\/:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos)
            return std::nullopt;
    return stored + ".tvx";
}

ConversionResult convertOldFile(const fs::path& oldFile, const ConversionChoices& choices) {
    auto read = readOldMonster(oldFile);
    if (!read) {
        std::error_code ec;
        const bool exists = fs::is_regular_file(oldFile, ec);
        return otherError(exists ? ConversionReason::Damaged : ConversionReason::Other, read.error().message);
    }
    MonsterRecord m = std::move(read.value());

    if (const auto refusal = refusalOf(m)) {
        ConversionResult r = outcome(ConversionStatus::Skipped, *refusal,
                                     *refusal == ConversionReason::Points ? kTooManyPointsText : kSystemDataText);
        r.record = std::move(m);
        return r;
    }

    // The picture: "ICON\<imageFile>" beside the old file. A name from the file never leads
    // out of that folder, and a link never leads anywhere.
    const fs::path folder = oldFile.parent_path();
    if (m.imageFile.empty()) return failed(ConversionReason::NoPictureFolder, kNoPictureFolderText);
    IconPicture icon = readIconPicture(folder, m.imageFile);
    switch (icon.outcome) {
    case IconPicture::Read: break;
    case IconPicture::NoFolder: return failed(ConversionReason::NoPictureFolder, kNoPictureFolderText);
    case IconPicture::NoFile: return failed(ConversionReason::NoPictureFile, kNoPictureFileText);
    case IconPicture::TooLarge:
        return otherError(ConversionReason::Other,
                          "画像ファイルが大きすぎます（" + std::to_string(kMaxPictureBytes) + "バイトまで）");
    case IconPicture::Unreadable: return otherError(ConversionReason::Other, icon.detail);
    case IconPicture::Link: icon.refusal = kPictureIsLinkText; break;
    }
    if (icon.refusal.empty()) {
        const auto refusal = choices.pictureRefusal ? choices.pictureRefusal(icon.bytes) : pictureBytesRefusal(icon.bytes);
        if (refusal) icon.refusal = *refusal;
    }

    applyConversionRules(m);

    ConversionResult result;
    if (icon.refusal.empty()) {
        result.picture = std::move(icon.bytes);
    } else {
        // Converted without it: the monster fights with the battle's stand-in.
        m.imageFile.clear();
        result.pictureRefusal = icon.refusal;
    }
    const auto fileName = convertedFileName(m);
    if (!fileName) {
        ConversionResult r = failed(ConversionReason::BadName, kBadNameText);
        r.record = std::move(m);
        r.picture = std::move(result.picture);
        return r;
    }
    fs::path target = folder / *fileName;
    if (const fs::path existing = existingEntry(folder, *fileName, false); !existing.empty()) {
        if (!choices.mayReplace || !choices.mayReplace(existing)) {
            ConversionResult r = outcome(ConversionStatus::Skipped, ConversionReason::NameTaken, kExistsText);
            r.record = std::move(m);
            r.picture = std::move(result.picture);
            return r;
        }
        target = existing;  // one file, not a second that differs only in case
    }

    if (Status saved = saveMonster(target, m, result.picture); !saved)
        return otherError(ConversionReason::Other, saved.error().message);

    result.status = ConversionStatus::Converted;
    result.reason = ConversionReason::None;
    result.text = std::string(kConvertedText) + "（" + target.filename().string() + "）";
    if (!result.pictureRefusal.empty())
        result.text += std::string("。") + kPictureNotEmbeddedText + "：" + result.pictureRefusal;
    result.output = target;
    result.record = std::move(m);
    std::error_code ec;
    if (choices.deleteOld && !fs::remove(oldFile, ec))
        result.text += "。元のデータは削除できませんでした";
    return result;
}

Result<std::vector<fs::path>> listOldFiles(const fs::path& folder) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return Error{"エラー", "フォルダが見つかりません: " + folder.string()};
    std::vector<fs::path> files;
    fs::directory_iterator it(folder, ec);
    if (ec) return Error{"エラー", "デバイスが準備されていません"};
    for (const auto& entry : it) {
        std::error_code typeError;
        if (entry.is_regular_file(typeError) && hasExtension(entry.path(), ".tvo")) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace vex
