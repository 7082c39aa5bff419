#include "vexmora/report/results_list.h"

#include <algorithm>
#include <cmath>

#include "vexmora/data/server_file.h"
#include "vexmora/data/text.h"

namespace vex {

namespace {

// A list field in CP932 that the "write" form can carry: a double quote would end the item
// early and a line end would split it, so they become "”" and a space.
std::string listField(std::string_view utf8) {
    std::string out;
    for (char c : toCp932Lossy(utf8)) {
        if (c == '"') out += "\x81\x68";
        else if (c == '\r' || c == '\n') out += ' ';
        else out += c;
    }
    return out;
}

bool soundField(std::string_view item) {
    if (!isValidCp932(item)) return false;
    return std::none_of(item.begin(), item.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < 0x20 && u != '\t';
    });
}

}  // namespace

ResultEntry makeEntry(const ReportedResult& r) {
    ResultEntry e;
    e.winnerName = listField(r.winnerName);
    e.winnerHandle = listField(r.winnerHandle);
    e.loserName = listField(r.loserName);
    if (r.loserMark == "切腹") e.loserName += toCp932Lossy(kSeppukuMarkUtf8);
    else if (r.loserMark == "逃走") e.loserName += toCp932Lossy(kFledMarkUtf8);
    e.loserHandle = listField(r.loserHandle);
    e.date = listField(r.date);
    e.time = listField(r.time);
    if (r.tournament) e.time += toCp932Lossy("　[大会ルール]");
    e.turn = std::to_string(r.turn);
    e.hp = std::to_string(r.winnerHp) + "/" + std::to_string(r.winnerMaxHp);
    return e;
}

Result<std::vector<ResultEntry>> parseResultsList(std::string_view bytes) {
    if (bytes.size() > kMaxListBytes)
        return Error{"エラー", "戦歴データファイルが大きすぎます (" + std::to_string(bytes.size()) + " バイト)"};
    const std::vector<std::string> items = readItems(bytes);
    const auto emptyFrom = [&](size_t from, size_t count) {
        for (size_t i = from; i < from + count && i < items.size(); ++i)
            if (!items[i].empty()) return false;
        return true;
    };
    std::vector<ResultEntry> entries;
    size_t at = 0;
    while (at + kListFields <= items.size() && entries.size() < kMaxListRecords) {
        const auto field = [&](size_t i) { return items.begin() + static_cast<std::ptrdiff_t>(at + i); };
        const bool aligned = emptyFrom(at + kListFields, kListItemsPerRecord - kListFields);
        if (aligned && std::all_of(field(0), field(kListFields), soundField)) {
            entries.push_back(ResultEntry{items[at], items[at + 1], items[at + 2], items[at + 3], items[at + 4],
                                          items[at + 5], items[at + 6], items[at + 7]});
            at += kListItemsPerRecord;
            continue;
        }
        // An unreadable record is left out, and only it: the next one starts after the run of
        // empty items that ends this one, wherever a hand edit has put it.
        size_t next = at + 1;
        while (next < items.size() && !emptyFrom(next, kListItemsPerRecord - kListFields)) ++next;
        while (next < items.size() && items[next].empty()) ++next;
        at = next;
    }
    return entries;
}

std::string writeResultsList(const std::vector<ResultEntry>& entries) {
    std::vector<std::string> items;
    items.reserve(entries.size() * kListItemsPerRecord);
    for (const ResultEntry& e : entries) {
        for (const std::string* field : {&e.winnerName, &e.winnerHandle, &e.loserName, &e.loserHandle, &e.date,
                                         &e.time, &e.turn, &e.hp})
            items.push_back(*field);
        items.resize(items.size() + (kListItemsPerRecord - kListFields));
    }
    return writeItems(items);
}

std::vector<ResultEntry> putNewestFirst(std::vector<ResultEntry> old, ResultEntry newest, double limit) {
    // limit + 1 old records stay, as the list always did, within the bound of the whole list.
    double keep = std::isnan(limit) ? 0.0 : std::floor(limit) + 1.0;
    keep = std::clamp(keep, 0.0, static_cast<double>(kMaxListRecords - 1));
    if (old.size() > static_cast<size_t>(keep)) old.resize(static_cast<size_t>(keep));
    old.insert(old.begin(), std::move(newest));
    return old;
}

}  // namespace vex
