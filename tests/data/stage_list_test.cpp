#include <gtest/gtest.h>

#include <fstream>

#include "temp_folder.h"
#include "vexmora/data/stage_list.h"

namespace vex {
namespace {

std::string pairs(int n) {
    std::string text = ">> stages\r\n\r\n";
    for (int i = 0; i < n; ++i) text += "\"bg" + std::to_string(i) + ".jpg\",\"stage, " + std::to_string(i) + "\"\r\n";
    return text;
}

TEST(StageList, CountsOrdinaryStagesAndTheTwoInsertedRareOnes) {
    EXPECT_EQ(parseStageList("").stageCount(), 0);
    EXPECT_EQ(parseStageList(pairs(3)).stageCount(), 0);   // only the rare stages
    EXPECT_EQ(parseStageList(pairs(8)).stageCount(), 5);   // stages 0-4; the list ends before position 9
    EXPECT_EQ(parseStageList(pairs(9)).stageCount(), 7);   // 0-4, the inserted 5, then one more
    EXPECT_EQ(parseStageList(pairs(19)).stageCount(), 18);
    EXPECT_EQ(parseStageList("a.jpg\nA\nb.jpg\nB\nc.jpg\nC\nd.jpg\nD\ne.jpg").stageCount(), 1);  // a lone value
    EXPECT_EQ(parseStageList(pairs(4)).ordinary[0].name, "stage, 3");  // a quoted comma is part of the name
}

TEST(StageList, AFolderWithoutUsableListFallsBackToTheDefaultStages) {
    test::TempFolder home;
    EXPECT_FALSE(readStageList(home.path()).ok());
    EXPECT_EQ(stageCountIn(home.path()), kStageCountWithoutList);

    fs::create_directories(home / "IMAGE" / "background");
    const auto write = [&](const std::string& text) { std::ofstream(home / "IMAGE" / "background" / "StageList.txt") << text; };
    write(pairs(3));
    EXPECT_EQ(stageCountIn(home.path()), kStageCountWithoutList);
    write(pairs(9));
    EXPECT_EQ(stageCountIn(home.path()), 7);  // found whatever the case of its path
}

}  // namespace
}  // namespace vex
