// Any bytes as a scenario file opened in the scenario editor: reading it into the form never
// crashes, the form's values stay in their ranges, and saving the form again encodes.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "vexmora/data/scenario_file.h"
#include "vexmora/scenario/scenario_draft.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto record = vex::decodeScenario(bytes, "boss.sce");
    if (!record.ok()) return 0;
    // No boss files beside it: every boss shows unset.
    const vex::ScenarioDraft draft = vex::draftFromRecord(*record, "/nonexistent/boss.sce");
    if (draft.levelCode < 0 || draft.levelCode > 4 || draft.continueLimit < 0 || draft.continueLimit > 6 ||
        draft.bossContinueLimit < 0 || draft.bossContinueLimit > 6)
        std::abort();
    for (const vex::BossEntry& b : draft.bosses)
        if (b.set) std::abort();
    if (!vex::encodeScenario(vex::recordFromDraft(draft), "boss.sce").ok()) std::abort();
    return 0;
}
