#include <gtest/gtest.h>

#include "temp_folder.h"
#include "vexmora/data/text.h"
#include "vexmora/net/connection_facts.h"

namespace vex::net {
namespace {

TEST(HandleFile, TheHandleIsOneQuotedLineInCp932AndReadsBack) {
    test::TempFolder home;
    EXPECT_EQ(readHandleFile(home.path()), "");  // no file yet
    ASSERT_TRUE(writeHandleFile(home.path(), "たろう, 二号").ok());
    const auto bytes = readWholeFile(home.path() / "System" / "HANDLE.txt", 256);
    ASSERT_TRUE(bytes.ok());
    EXPECT_EQ(*bytes, "\"" + *toCp932("たろう, 二号") + "\"\r\n");
    EXPECT_EQ(readHandleFile(home.path()), "たろう, 二号");  // the comma stays inside the quotes

    // A quote or a line break could not be read back as one item: they are left out.
    ASSERT_TRUE(writeHandleFile(home.path(), "a\"b\r\nc").ok());
    EXPECT_EQ(readHandleFile(home.path()), "abc");
}

TEST(PeerAddress, LoopbackAndTheOwnAddressesAreThisMachine) {
    const std::vector<std::string> own{"192.0.2.7", "fe80::1"};
    EXPECT_TRUE(isOwnAddress("127.0.0.1", own));
    EXPECT_TRUE(isOwnAddress("::1", own));
    EXPECT_TRUE(isOwnAddress("::ffff:127.0.0.1", own));
    EXPECT_TRUE(isOwnAddress("::ffff:192.0.2.7", own));
    EXPECT_TRUE(isOwnAddress("", own));  // no peer to tell apart
    EXPECT_FALSE(isOwnAddress("192.0.2.8", own));
    EXPECT_FALSE(isOwnAddress("::ffff:198.51.100.4", own));
}

TEST(ConnectFailure, ARefusalReadsAsTheGameSaysIt) {
    EXPECT_EQ(connectFailureText(true, "Connection refused"), "対戦中か存在してしません");
    EXPECT_EQ(connectFailureText(false, "Host not found"), "Host not found");
}

}  // namespace
}  // namespace vex::net
