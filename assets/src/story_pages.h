#pragma once
// The sample scenario's story pages: small local web pages beside the scenario file, opened
// by the scenario's page addresses (a path below the program folder, written with "\").

#include <string>
#include <vector>

#include "content_folder.h"
#include "monster_maker.h"

namespace vex::assets {

// "Scenario\<scenario>\<page>.html"; pages "1" … "10" are written "story01" … "story10".
std::string storyPagePath(std::string_view scenario, std::string_view page);
void writeStoryPages(ContentFolder& out, std::string_view scenario, const std::vector<MonsterDesign>& bosses);

}  // namespace vex::assets
