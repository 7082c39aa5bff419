#include "vexmora/data/old_monster_file.h"

#include "vexmora/data/text.h"

namespace vex {

namespace {

constexpr const char* kDamaged = "ファイルが壊れています";

// Reads the fields front to back and remembers the first reason the bytes cannot be a record.
class OldRecordReader {
public:
    explicit OldRecordReader(std::string_view bytes) : bytes_(bytes) {}

    int16_t number() {
        if (failed()) return 0;
        if (bytes_.size() - pos_ < 2) {
            fail("ファイルが途中で終わっています");
            return 0;
        }
        const auto lo = static_cast<uint8_t>(bytes_[pos_]);
        const auto hi = static_cast<uint8_t>(bytes_[pos_ + 1]);
        pos_ += 2;
        return static_cast<int16_t>(static_cast<uint16_t>(lo | (hi << 8)));
    }

    std::string text() {
        const auto count = static_cast<uint16_t>(number());
        if (failed()) return {};
        if (bytes_.size() - pos_ < count) {
            fail("文字列の長さがファイルの終わりを越えています");
            return {};
        }
        const std::string_view raw = bytes_.substr(pos_, count);
        pos_ += count;
        for (unsigned char c : raw)
            if (c < 0x20 || c == 0x7F) {
                fail("文字列に制御文字があります");
                return {};
            }
        if (!isValidCp932(raw)) {
            fail("文字列がShift-JISではありません");
            return {};
        }
        return fromCp932(raw);
    }

    void fail(std::string why) {
        if (why_.empty()) why_ = std::move(why);
    }
    bool failed() const { return !why_.empty(); }
    const std::string& why() const { return why_; }

private:
    std::string_view bytes_;
    size_t pos_ = 0;
    std::string why_;
};

void putNumber(std::string& out, int16_t value) {
    const auto u = static_cast<uint16_t>(value);
    out += static_cast<char>(u & 0xFF);
    out += static_cast<char>(u >> 8);
}

void putText(std::string& out, std::string_view utf8) {
    const std::string bytes = toCp932Lossy(utf8);
    putNumber(out, static_cast<int16_t>(static_cast<uint16_t>(bytes.size())));
    out += bytes;
}

}  // namespace

Result<MonsterRecord> decodeOldMonster(std::string_view bytes) {
    OldRecordReader r(bytes);
    MonsterRecord m;
    m.atk = r.number();
    m.def = r.number();
    m.spd = r.number();
    m.name = r.text();
    m.imageFile = r.text();
    m.spare = r.number();
    m.imageSize = r.number();
    m.wins = r.number();
    m.losses = r.number();
    for (std::string& t : m.techName) t = r.text();
    for (int16_t& id : m.techId) id = r.number();
    for (int16_t& level : m.techLevel) level = r.number();
    for (int16_t& cost : m.techCost) cost = r.number();
    for (std::string& e : m.extra) e = r.text();
    for (int16_t id : m.techId)
        if (id < 0 || id > 999) r.fail("技の番号が範囲外です");
    if (r.failed()) return Error{"読み込みエラー", std::string(kDamaged) + "（" + r.why() + "）"};
    return m;
}

Result<MonsterRecord> readOldMonster(const fs::path& path) {
    auto bytes = readWholeFile(path, kMaxOldFileBytes);
    if (!bytes) {
        std::error_code ec;
        if (fs::is_regular_file(path, ec)) return Error{"読み込みエラー", std::string(kDamaged) + "（大きすぎます）"};
        return bytes.error();
    }
    return decodeOldMonster(*bytes);
}

std::string encodeOldMonster(const MonsterRecord& m) {
    std::string out;
    putNumber(out, m.atk);
    putNumber(out, m.def);
    putNumber(out, m.spd);
    putText(out, m.name);
    putText(out, m.imageFile);
    putNumber(out, m.spare);
    putNumber(out, m.imageSize);
    putNumber(out, m.wins);
    putNumber(out, m.losses);
    for (const std::string& t : m.techName) putText(out, t);
    for (int16_t id : m.techId) putNumber(out, id);
    for (int16_t level : m.techLevel) putNumber(out, level);
    for (int16_t cost : m.techCost) putNumber(out, cost);
    for (const std::string& e : m.extra) putText(out, e);
    return out;
}

}  // namespace vex
