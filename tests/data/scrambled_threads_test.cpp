// Reading the game's files keys a table but keeps no state of its own and leaves the process
// generator alone: a report reads its server file beside the window while a battle draws, and
// `make test-tsan` runs this with ThreadSanitizer.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "fixtures.h"
#include "temp_folder.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/scrambled_file.h"
#include "vexmora/data/server_file.h"

namespace vex {
namespace {

TEST(ScrambledFilesOnWorkers, ReadingAFileLeavesTheProcessGeneratorAlone) {
    processRng().setState(0x123456);
    const KeyTable own = keyFromName("ドラゴン.tvx");
    ASSERT_TRUE(decodeMonster(test::fixtureBytes("monsters/ドラゴン.tvx"), "ドラゴン.tvx").ok());
    ASSERT_TRUE(decodeServer(test::fixtureBytes("server/SERVERinfo.srv"), "SERVERinfo.srv").ok());
    EXPECT_EQ(processRng().state(), 0x123456u);
    // The same table as the generator of the platform gave it.
    Rng rng;
    EXPECT_EQ(own, keyFromName("ドラゴン.tvx", Fix4{}, rng));
}

TEST(ScrambledFilesOnWorkers, ServerAndMonsterFilesReadOnWorkersWhileTheGameDraws) {
    test::TempFolder home;
    ServerRecord server;
    server.host = "127.0.0.1";
    server.user = "プレイヤー";
    server.password = "pw";
    ASSERT_TRUE(writeServer(home / "mine.srv", server).ok());
    const std::string monster = test::fixtureBytes("monsters/ドラゴン.tvx");

    std::atomic<bool> stop{false};
    std::atomic<int> wrong{0};
    std::vector<std::thread> workers;
    for (int w = 0; w < 2; ++w)
        workers.emplace_back([&] {
            for (int i = 0; i < 50; ++i) {
                const Result<ServerRecord> read = readServer(home / "mine.srv");
                if (!read || *read != server) ++wrong;
                if (!decodeMonster(monster, "ドラゴン.tvx").ok()) ++wrong;
            }
        });
    // The window's thread meanwhile: battle draws and a checksum.
    std::thread game([&] {
        while (!stop.load()) {
            processRng().draw();
            (void)recordChecksum(MonsterRecord{});
        }
    });
    for (std::thread& worker : workers) worker.join();
    stop = true;
    game.join();
    EXPECT_EQ(wrong.load(), 0);
}

}  // namespace
}  // namespace vex
