#include "vexmora/data/server_file.h"

#include "vexmora/data/scrambled_file.h"
#include "vexmora/data/text.h"

namespace vex {

std::string writeItems(const std::vector<std::string>& itemsCp932) {
    std::string out;
    for (const std::string& item : itemsCp932) out += "\"" + item + "\"\r\n";
    return out;
}

std::vector<std::string> readItems(std::string_view text) {
    std::vector<std::string> items;
    size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    };
    while (i < text.size()) {
        skipBlanks();
        if (i >= text.size()) break;
        std::string item;
        if (text[i] == '"') {
            const size_t close = text.find('"', i + 1);
            const size_t end = close == std::string_view::npos ? text.size() : close;
            item = std::string(text.substr(i + 1, end - i - 1));
            i = close == std::string_view::npos ? text.size() : close + 1;
            skipBlanks();
        } else {
            const size_t end = text.find_first_of(",\r\n", i);
            item = std::string(trimRight(text.substr(i, (end == std::string_view::npos ? text.size() : end) - i)));
            i = end == std::string_view::npos ? text.size() : end;
        }
        // One separator: a comma, or a line end (CR LF, CR or LF).
        if (i < text.size() && text[i] == ',') {
            ++i;
        } else {
            if (i < text.size() && text[i] == '\r') ++i;
            if (i < text.size() && text[i] == '\n') ++i;
        }
        items.push_back(std::move(item));
    }
    return items;
}

Result<ServerRecord> decodeServer(std::string_view fileBytes, std::string_view fileName, ServerFileInfo* info) {
    std::string payload;
    const ReadCode code = readDoubleContainer(fileBytes, fileName, payload, info);
    const std::string name = nameOf(fileName);
    const auto broken = [&] {
        return Error{"読み込みエラー", "サーバ設定ファイルを読み込めません。ファイル名が変更されたか、ファイルが壊れています。\r\n" + name};
    };
    if (code != kReadOk || !isValidCp932(payload)) return broken();
    for (unsigned char c : payload)
        if (c < 0x20 && c != '\r' && c != '\n' && c != '\t') return broken();
    const std::vector<std::string> items = readItems(payload);
    if (items.size() < 6) return broken();
    ServerRecord r;
    r.host = fromCp932(items[0]);
    r.user = fromCp932(items[1]);
    r.password = fromCp932(items[2]);
    r.pageName = fromCp932(items[3]);
    r.listName = fromCp932(items[4]);
    r.listLimit = fromCp932(items[5]);
    return r;
}

Result<ServerRecord> readServer(const fs::path& path, ServerFileInfo* info) {
    auto bytes = readWholeFile(path, 2 * (kMaxPayload + 8));
    if (!bytes) return bytes.error();
    return decodeServer(*bytes, path.filename().string(), info);
}

Result<std::string> encodeServer(const ServerRecord& r, std::string_view fileName) {
    std::vector<std::string> items;
    for (const std::string* field : {&r.host, &r.user, &r.password, &r.pageName, &r.listName, &r.listLimit}) {
        auto bytes = toCp932(*field);
        if (!bytes || bytes->find('"') != std::string::npos)
            return Error{"エラー", "使用できない文字が含まれています: " + *field};
        items.push_back(*bytes);
    }
    const std::string payload = writeItems(items);
    if (payload.size() > kMaxPayload) return Error{"エラー", "サーバ設定が長すぎます"};
    return writeDoubleContainer(payload, fileName);
}

Status writeServer(const fs::path& path, const ServerRecord& record) {
    auto bytes = encodeServer(record, path.filename().string());
    if (!bytes) return bytes.error();
    // The file holds the server's password: no one else reads it.
    return atomicWrite(path, *bytes, FileAccess::OwnerOnly);
}

}  // namespace vex
