#pragma once
// What the Japanese help page and its English twin share: the style, and the tables made from
// the technique catalogue, the elements, the personalities and the stages.

#include <sstream>
#include <string>
#include <string_view>

class QTranslator;

namespace vex::assets {

// The words of one page: Japanese as written, or English from the game's catalogue of the texts
// made below the windows (i18n/vexmora_data_en.ts).
struct HelpWords {
    const QTranslator* english = nullptr;

    const char* pick(const char* japanese, const char* inEnglish) const { return english ? inEnglish : japanese; }
    // A text of the data tables in the page's language; the Japanese when it has no English.
    std::string text(const char* context, std::string_view japanese) const;
};

extern const char* const kHelpPageStyle;

std::string escaped(std::string_view text);
void techniqueTable(std::ostringstream& html, int category, const HelpWords& words);
void elementTable(std::ostringstream& html, const HelpWords& words);
void personalityRows(std::ostringstream& html, const HelpWords& words);
std::string stageList(const HelpWords& words);

std::string helpPageHtml();
std::string englishHelpPageHtml(const QTranslator& english);

}  // namespace vex::assets
