// MAKEsrv's checks, the server file it writes and the list the battle settings offer.
#include <gtest/gtest.h>

#include <fstream>

#include "temp_folder.h"
#include "vexmora/report/server_form.h"

namespace vex {
namespace {

ServerForm filled() {
    ServerForm f;
    f.server.host = "ftp.example.org";
    f.server.user = "user";
    f.server.password = "pass";
    return f;
}

std::string complaint(const ServerForm& f) {
    const auto e = checkServerForm(f);
    return e ? e->message : "";
}

TEST(ServerForm, ChecksInOrderLimitFirst) {
    EXPECT_EQ(complaint(filled()), "");
    ServerForm empty;
    empty.settingsName.clear();
    empty.server.listLimit = "0";
    EXPECT_EQ(complaint(empty), "ﾛｸﾞ数の設定が不正です");
    for (const char* bad : {"", "abc", "51", "-3", "0.0"}) {
        ServerForm f = filled();
        f.server.listLimit = bad;
        EXPECT_EQ(complaint(f), "ﾛｸﾞ数の設定が不正です") << bad;
    }
    for (const char* good : {"1", "50", " 12abc"}) {
        ServerForm f = filled();
        f.server.listLimit = good;
        EXPECT_EQ(complaint(f), "") << good;
    }
    empty.server.listLimit = "30";
    EXPECT_EQ(complaint(empty), "設定ﾌｧｲﾙ名を入力してください");
    empty.settingsName = "s";
    EXPECT_EQ(complaint(empty), "サーバ名(ｱﾄﾞﾚｽ)を入力してください");
    empty.server.host = "h";
    EXPECT_EQ(complaint(empty), "ユーザ名を入力してください");
    empty.server.user = "u";
    EXPECT_EQ(complaint(empty), "パスワードを入力してください");
    empty.server.password = "p";
    empty.server.pageName.clear();
    EXPECT_EQ(complaint(empty), "作成html名を入力してください");
    empty.server.pageName = "r";
    empty.server.listName.clear();
    EXPECT_EQ(complaint(empty), "戦歴ﾃﾞｰﾀﾌｧｲﾙを入力してください");
}

TEST(ServerForm, FileNamesRefuseTheMarksThatCannotBeTyped) {
    ServerForm f = filled();
    f.settingsName = "../escape";
    EXPECT_EQ(complaint(f), "設定ﾌｧｲﾙ名に使用できない文字が含まれています");
    f = filled();
    f.server.listName = "a:b";
    EXPECT_EQ(complaint(f), "戦歴ﾃﾞｰﾀﾌｧｲﾙに使用できない文字が含まれています");
    f = filled();
    f.server.password = "pa\"ss";
    EXPECT_EQ(complaint(f), "パスワードに使用できない文字が含まれています");
}

TEST(ServerForm, TheFileReadsBackAndIsOfferedInTheSettings) {
    test::TempFolder home;
    EXPECT_TRUE(listServerNames(home.path()).empty());
    ServerForm f = filled();
    f.settingsName = "サーバ";
    f.server.listLimit = "7";
    auto made = makeServerFile(home.path(), f);
    ASSERT_TRUE(made.ok()) << made.error().message;
    EXPECT_EQ(*made, home / "Server" / "サーバ.srv");
    EXPECT_EQ(*readServer(*made), f.server);
    std::ofstream(home / "Server" / "other.SRV") << "x";
    std::ofstream(home / "Server" / "notes.txt") << "x";
    EXPECT_EQ(listServerNames(home.path()), (std::vector<std::string>{"other", "サーバ"}));
    EXPECT_EQ(serverFilePath(home.path(), "other"), home / "Server" / "other.srv");
    EXPECT_EQ(serverMadeMessage("/games/vx/", "サーバ"), "/games/vx/Server に\r\n\r\nサーバ.srv を作成しました");

    ServerForm bad = filled();
    bad.server.listLimit = "99";
    EXPECT_FALSE(makeServerFile(home.path(), bad).ok());
}

}  // namespace
}  // namespace vex
