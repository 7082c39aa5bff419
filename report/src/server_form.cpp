#include "vexmora/report/server_form.h"

#include <algorithm>
#include <system_error>

#include "vexmora/data/numbers.h"
#include "vexmora/data/text.h"

namespace vex {

namespace {

struct FormField {
    const char* name;  // shown in "…を入力してください"
    std::string ServerForm::*plain = nullptr;
    std::string ServerRecord::*server = nullptr;
    bool fileName = false;
};

const FormField kFields[] = {
    {"設定ﾌｧｲﾙ名", &ServerForm::settingsName, nullptr, true},
    {"サーバ名(ｱﾄﾞﾚｽ)", nullptr, &ServerRecord::host, false},
    {"ユーザ名", nullptr, &ServerRecord::user, false},
    {"パスワード", nullptr, &ServerRecord::password, false},
    {"作成html名", nullptr, &ServerRecord::pageName, true},
    {"戦歴ﾃﾞｰﾀﾌｧｲﾙ", nullptr, &ServerRecord::listName, true},
    {"数（1-50）", nullptr, &ServerRecord::listLimit, false},
};

const std::string& valueOf(const ServerForm& form, const FormField& field) {
    return field.plain ? form.*field.plain : form.server.*field.server;
}

}  // namespace

std::optional<Error> checkServerForm(const ServerForm& form) {
    const double limit = leadingNumber(form.server.listLimit);
    if (limit == 0 || limit > 50 || limit < 0) return Error{"エラー", "ﾛｸﾞ数の設定が不正です"};
    for (const FormField& field : kFields)
        if (valueOf(form, field).empty()) return Error{"エラー", std::string(field.name) + "を入力してください"};
    // Typing cannot put these in, but a pasted or scripted form can.
    for (const FormField& field : kFields) {
        const std::string& value = valueOf(form, field);
        if (field.fileName && (hasRefusedCharacter(value) || value == "." || value == ".."))
            return Error{"エラー", std::string(field.name) + "に使用できない文字が含まれています"};
        if (value.find('"') != std::string::npos || !toCp932(value))
            return Error{"エラー", std::string(field.name) + "に使用できない文字が含まれています"};
        for (char c : value)
            if (static_cast<unsigned char>(c) < 0x20)
                return Error{"エラー", std::string(field.name) + "に使用できない文字が含まれています"};
    }
    return std::nullopt;
}

fs::path serverFolder(const fs::path& programFolder) { return resolveIn(programFolder, std::string(kServerFolder)); }

fs::path serverFilePath(const fs::path& programFolder, std::string_view baseName) {
    return serverFolder(programFolder) / fs::path(std::string(baseName) + ".srv");
}

Result<fs::path> makeServerFile(const fs::path& programFolder, const ServerForm& form) {
    if (std::optional<Error> complaint = checkServerForm(form)) return *complaint;
    std::error_code ec;
    fs::create_directories(serverFolder(programFolder), ec);
    const fs::path path = serverFilePath(programFolder, form.settingsName);
    if (Status written = writeServer(path, form.server); !written) return written.error();
    return path;
}

std::string serverMadeMessage(const fs::path& programFolder, std::string_view settingsName) {
    std::string folder = programFolder.string();
    while (!folder.empty() && folder.back() == '/') folder.pop_back();
    return folder + "/" + std::string(kServerFolder) + " に\r\n\r\n" + std::string(settingsName) + ".srv を作成しました";
}

std::vector<std::string> listServerNames(const fs::path& programFolder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(serverFolder(programFolder), ec)) {
        if (hasExtension(entry.path(), ".srv") && entry.is_regular_file(ec)) names.push_back(entry.path().stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace vex
