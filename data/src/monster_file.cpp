#include "vexmora/data/monster_file.h"

#include <algorithm>
#include <cctype>

#include "vexmora/data/numbers.h"
#include "vexmora/data/monster_kind.h"
#include "vexmora/data/picture_size.h"
#include "vexmora/data/scrambled_file.h"
#include "vexmora/data/text.h"

namespace vex {

namespace {

// Offsets and widths of the plain record.
enum Offset : size_t {
    kName = 0, kAtk = 20, kDef = 24, kSpd = 28, kPersonalityAt = 32, kImageFile = 35, kClassCode = 45,
    kLineStartAt = 47, kLineWinAt = 87, kLineLoseAt = 127, kImageSize = 167, kFlipSideAt = 171,
    kImageOffsetYAt = 173, kTechNames = 177, kTechIds = 377, kTechLevels = 397, kTechCosts = 407,
    kTechElements = 427, kUnlockCodesAt = 437, kWins = 487, kLosses = 491, kHistoryAt = 495,
    kReserved = 745, kChecksumAt = 845, kPasswordAt = 865, kMakerNameAt = 875,
};

constexpr const char* kLoadTitle = "読み込みエラー";

Error loadError(std::string_view fileName, std::string_view why) {
    return Error{kLoadTitle, "モンスターのデータを読み込めません。" + std::string(why) + "\r\n" + std::string(fileName)};
}

// --- writing ---------------------------------------------------------------------------

class RecordWriter {
public:
    RecordWriter() : bytes_(kRecordLength, ' ') {}
    void text(size_t offset, size_t width, std::string_view utf8) {
        bytes_.replace(offset, width, fitField(toCp932Lossy(utf8), width));
    }
    void number(size_t offset, size_t width, int64_t value) { text(offset, width, numberText(value)); }
    // A numeric text entry stored by its number value, re-formatted.
    void numberOfText(size_t offset, size_t width, std::string_view value) {
        number(offset, width, sat16(leadingNumber(value)));
    }
    std::string& bytes() { return bytes_; }

private:
    std::string bytes_;
};

std::string buildRecordBytes(const MonsterRecord& m, std::string_view classCode) {
    RecordWriter w;
    w.text(kName, 20, m.name);
    w.number(kAtk, 4, m.atk);
    w.number(kDef, 4, m.def);
    w.number(kSpd, 4, m.spd);
    w.numberOfText(kPersonalityAt, 3, m.personality());
    w.text(kImageFile, 10, m.imageFile);
    w.text(kClassCode, 2, classCode);
    w.text(kLineStartAt, 40, m.extra[kLineStart]);
    w.text(kLineWinAt, 40, m.extra[kLineWin]);
    w.text(kLineLoseAt, 40, m.extra[kLineLose]);
    w.number(kImageSize, 4, m.imageSize);
    w.numberOfText(kFlipSideAt, 2, m.extra[kFlipSide]);
    w.numberOfText(kImageOffsetYAt, 4, m.extra[kImageOffsetY]);
    for (int k = 0; k < kSlotCount; ++k) {
        w.text(kTechNames + 40 * k, 40, m.techName[k]);
        w.number(kTechIds + 4 * k, 4, m.techId[k]);
        w.number(kTechLevels + 2 * k, 2, m.techLevel[k]);
        w.number(kTechCosts + 4 * k, 4, m.techCost[k]);
        w.text(kTechElements + 2 * k, 2, m.techElement(k));
    }
    w.text(kUnlockCodesAt, 50, m.unlockCodes());
    w.number(kWins, 4, m.wins);
    w.number(kLosses, 4, m.losses);
    w.text(kHistoryAt, 250, m.history());
    w.text(kChecksumAt, 20, m.checksum());
    w.text(kPasswordAt, 10, m.password());
    w.text(kMakerNameAt, 20, m.makerName());
    return std::move(w.bytes());
}

// --- reading ---------------------------------------------------------------------------

class RecordReader {
public:
    explicit RecordReader(std::string_view bytes) : bytes_(bytes) {}
    std::string_view raw(size_t offset, size_t width) const { return bytes_.substr(offset, width); }
    std::string text(size_t offset, size_t width) {
        const std::string_view field = trimRight(raw(offset, width));
        if (!plausibleText(field)) bad_ = true;
        return fromCp932(field);
    }
    int16_t number(size_t offset, size_t width) {
        const std::string_view field = raw(offset, width);
        if (!isNumericText(field)) bad_ = true;
        return sat16(leadingNumber(field));
    }
    std::string numberText(size_t offset, size_t width) { return vex::numberText(number(offset, width)); }
    bool implausible() const { return bad_; }
    void markImplausible() { bad_ = true; }

    static bool plausibleText(std::string_view field) {
        for (unsigned char c : field)
            if (c < 0x20 || c == 0x7F) return false;
        return isValidCp932(field);
    }

private:
    std::string_view bytes_;
    bool bad_ = false;
};

// The maker name's last byte is the picture's first when there is a picture: only the bytes
// before it must be text.
std::string readMakerName(RecordReader& r, bool hasPicture) {
    if (!hasPicture) return r.text(kMakerNameAt, 20);
    std::string_view head = r.raw(kMakerNameAt, 19);
    std::string_view checked = head;
    // A double-byte character cut by the picture byte leaves a lone lead byte.
    if (!checked.empty() && !isValidCp932(checked)) checked.remove_suffix(1);
    if (!RecordReader::plausibleText(checked)) r.markImplausible();
    // The picture's first byte reads as whatever CP932 makes of it: a control character such
    // as 0x01 or 0x1A as itself, a lone lead byte (a PNG's 0x89) as U+FFFD.
    return fromCp932(trimRight(r.raw(kMakerNameAt, 20)));
}

bool endsWithGif(std::string_view imageFile) {
    if (imageFile.size() < 3) return false;
    std::string tail(imageFile.substr(imageFile.size() - 3));
    for (char& c : tail) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return tail == "GIF";
}

Result<MonsterRecord> parseRecord(std::string_view payload, bool hasPictureBytes) {
    RecordReader r(payload);
    MonsterRecord m;
    m.name = r.text(kName, 20);
    m.atk = r.number(kAtk, 4);
    m.def = r.number(kDef, 4);
    m.spd = r.number(kSpd, 4);
    m.personality() = r.numberText(kPersonalityAt, 3);
    m.imageFile = r.text(kImageFile, 10);
    const std::string classCode = r.text(kClassCode, 2);
    m.extra[kLineStart] = r.text(kLineStartAt, 40);
    m.extra[kLineWin] = r.text(kLineWinAt, 40);
    m.extra[kLineLose] = r.text(kLineLoseAt, 40);
    m.imageSize = r.number(kImageSize, 4);
    m.extra[kFlipSide] = r.numberText(kFlipSideAt, 2);
    m.extra[kImageOffsetY] = r.numberText(kImageOffsetYAt, 4);
    for (int k = 0; k < kSlotCount; ++k) {
        m.techName[k] = r.text(kTechNames + 40 * k, 40);
        m.techId[k] = r.number(kTechIds + 4 * k, 4);
        m.techLevel[k] = r.number(kTechLevels + 2 * k, 2);
        m.techCost[k] = r.number(kTechCosts + 4 * k, 4);
        m.techElement(k) = r.numberText(kTechElements + 2 * k, 2);
        if (m.techId[k] < 0 || m.techId[k] > 999) r.markImplausible();
    }
    m.unlockCodes() = r.text(kUnlockCodesAt, 50);
    m.wins = r.number(kWins, 4);
    m.losses = r.number(kLosses, 4);
    m.history() = r.text(kHistoryAt, 250);
    m.checksum() = std::string(trimRight(r.raw(kChecksumAt, 20)));
    m.password() = r.text(kPasswordAt, 10);
    const bool pictureInRecord = hasPictureBytes && !m.imageFile.empty();
    m.makerName() = readMakerName(r, pictureInRecord);
    if (r.implausible()) return Error{kLoadTitle, "implausible"};

    m.spare = 0;
    m.makerVersion() = classCode == "1" ? "0" : classCode == "2" ? "9.99" : "1";
    if (!m.makerName().empty() && m.makerName().back() == 'G' && endsWithGif(m.imageFile)) {
        m.makerName().pop_back();
        m.makerName() = std::string(trimRight(m.makerName()));
    }
    return m;
}

}  // namespace

// A checksum may end in a space (code 32), which the padded field cannot tell from padding:
// both sides are compared without trailing spaces.
bool checksumMatches(const MonsterRecord& record) {
    return trimRight(recordChecksum(record)) == trimRight(record.checksum());
}

std::string displayMakerName(const LoadedMonster& monster) {
    const std::string& name = monster.record.makerName();
    if (monster.picture.empty() || toCp932Lossy(name).size() < 20) return name;
    std::string bytes = toCp932Lossy(name);
    bytes.pop_back();
    // A double-byte character cut by the picture byte goes with it.
    if (!isValidCp932(bytes)) bytes.pop_back();
    return fromCp932(trimRight(bytes));
}

std::string iconNameFor(std::string_view imagePath) {
    // Four characters, not bytes: a name may end in Japanese.
    size_t start = imagePath.size();
    for (int characters = 0; characters < 4 && start > 0;) {
        --start;
        if ((static_cast<unsigned char>(imagePath[start]) & 0xC0) != 0x80) ++characters;
    }
    return "ICON" + std::string(imagePath.substr(start));
}

Result<LoadedMonster> decodeMonster(std::string_view fileBytes, std::string_view fileName, ChecksumCheck check) {
    const std::string name = nameOf(fileName);
    if (fileBytes.empty()) return loadError(name, "ファイルが空です。");
    const KeyTable key = keyFromName(name);
    size_t pos = 0;
    std::string payload;
    ContainerInfo info;
    const int limit = static_cast<int>(std::min<size_t>(fileBytes.size() - 1, kMaxPayload - 1));
    const ReadCode code = readScrambled(fileBytes, pos, key, limit, payload, &info, fileName);
    if (code == kReadEmpty) return loadError(name, "データがありません。");
    if (code != kReadOk) return loadError(name, "ファイルが壊れています。");
    if (payload.size() < kRecordLength) return loadError(name, "ファイルが壊れています。");

    auto parsed = parseRecord(payload, true);
    if (!parsed) return loadError(name, "ファイル名が変更されたか、ファイルが壊れています。");

    LoadedMonster loaded;
    loaded.record = std::move(parsed.value());
    loaded.formatByte = info.formatByte;
    // The size is outside the checksum: a file may carry any number there ("9e9", "-5"). It
    // is read as the editor's slider can set it.
    loaded.record.imageSize = clampImageSize(loaded.record.imageSize);
    if (!loaded.record.imageFile.empty()) loaded.picture = payload.substr(kPictureOffset);

    MonsterRecord& m = loaded.record;
    if (check == ChecksumCheck::Compare && m.unlockCodes().find("OLDversion") == std::string::npos &&
        !checksumMatches(m)) {
        if (!isUsersMonster(m)) {
            loaded.integrity = Integrity::SystemTampered;
        } else {
            loaded.integrity = Integrity::OrdinaryCleared;
            m.clampPoints();
            m.history().clear();
            m.wins = 0;
            m.losses = 0;
            m.unlockCodes().clear();
        }
    }
    return loaded;
}

Result<LoadedMonster> loadMonster(const fs::path& path, ChecksumCheck check) {
    // A monster file is at most a full container: anything larger is not one.
    auto bytes = readWholeFile(path, kMaxPayload + 8);
    if (!bytes) {
        std::error_code ec;
        if (fs::is_regular_file(path, ec)) return loadError(path.filename().string(), "ファイルが壊れています。");
        return bytes.error();
    }
    return decodeMonster(*bytes, path.filename().string(), check);
}

Result<std::string> buildMonsterPayload(MonsterRecord& record, std::string_view picture) {
    if (picture.size() > kMaxPictureBytes)
        return Error{"エラー", "画像ファイルが大きすぎます（" + std::to_string(kMaxPictureBytes) + "バイトまで）"};
    record.extra[kExtra6].clear();
    record.extra[kExtra20].clear();
    std::string classCode = "0";
    if (isRare(record)) {
        classCode = "1";
        record.makerVersion() = "0";
    } else if (isSystemData(record)) {
        classCode = "2";
    } else {
        record.makerVersion() = "1";
    }
    for (const std::string* t : {&record.name, &record.imageFile})
        if (!toCp932(*t)) return Error{"エラー", "使用できない文字が含まれています: " + *t};

    // The checksum covers the values as the file holds them, so normalise through the
    // record layout first and sum what a later load will read back.
    std::string bytes = buildRecordBytes(record, classCode);
    auto stored = parseRecord(bytes, false);
    if (!stored) return Error{"エラー", "モンスターのデータを作成できません"};
    MonsterRecord normalised = std::move(stored.value());
    normalised.extra[kNetWins] = record.extra[kNetWins];
    normalised.extra[kNetLosses] = record.extra[kNetLosses];
    normalised.checksum() = recordChecksum(normalised);
    record = normalised;
    bytes.replace(kChecksumAt, 20, fitField(record.checksum(), 20));
    if (!picture.empty()) {
        bytes.resize(kPictureOffset);
        bytes.append(picture);
    }
    return bytes;
}

Result<std::string> encodeMonster(MonsterRecord& record, std::string_view picture, std::string_view fileName) {
    auto payload = buildMonsterPayload(record, picture);
    if (!payload) return payload.error();
    const std::string name = nameOf(fileName);
    const KeyTable key = keyFromName(name);
    std::string out;
    writeScrambled(out, *payload, key, formatByteFor(record.makerVersion()));
    return out;
}

Status saveMonster(const fs::path& path, MonsterRecord& record, std::string_view picture) {
    auto bytes = encodeMonster(record, picture, path.filename().string());
    if (!bytes) return bytes.error();
    return atomicWrite(path, *bytes);
}

}  // namespace vex
