#pragma once
// The language of the windows. The game's texts are written in Japanese; English comes from the
// game's catalogues (i18n/*.ts, compiled to "translations/*.qm" beside the content), and the
// standard dialogs speak the language through Qt's own catalogues.
//
// Texts made below the windows (the technique catalogue, personalities, special abilities, the
// engine's battle texts, the rules' messages) stay Japanese in those layers, in every file and on
// the wire; displayText() translates them where they are shown.

#include <QLocale>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <string_view>

#include "vexmora/data/language_choice.h"

namespace vex::gui {

namespace fs = std::filesystem;

// "ja" or "en": the language a choice speaks. Automatic is Japanese on a Japanese desktop and
// English on any other.
QString languageCode(LanguageChoice choice, const QLocale& desktop = QLocale::system());

// Where the game's compiled catalogues lie: "translations" in the content folder of this program
// (the build's game folder, or "share/vexmora" of an installed game).
fs::path translationsFolder();
// Another folder in place of it (the tests, whose programs lie outside the game folder).
void setTranslationsFolder(const fs::path& folder);

// Installs the catalogues of a language in place of those installed before; every window gets
// QEvent::LanguageChange. Returns the catalogues that could not be loaded (the texts they cover
// stay in Japanese, or in English for Qt's own).
QStringList applyLanguage(LanguageChoice choice, const fs::path& ourCatalogues = translationsFolder());
// The code of the language applied last ("ja" before any).
QString currentLanguage();

// The contexts of the texts made below the windows.
inline constexpr char kTechniqueNameContext[] = "TechniqueName";
inline constexpr char kTechniqueDescriptionContext[] = "TechniqueDescription";
inline constexpr char kElementContext[] = "Element";
inline constexpr char kStageContext[] = "Stage";
inline constexpr char kPersonalityContext[] = "Personality";
inline constexpr char kPersonalityDescriptionContext[] = "PersonalityDescription";
inline constexpr char kAbilityNameContext[] = "SpecialAbility";
inline constexpr char kAbilityDescriptionContext[] = "SpecialAbilityDescription";
inline constexpr char kEditorRulesContext[] = "EditorRules";
// The titles and texts of the message boxes asked for below the windows (rules, data, editor).
inline constexpr char kMessageContext[] = "Messages";
inline constexpr char kBattleTextContext[] = "BattleText";
// The command rows' own entry ("何もしない"); the techniques there are the monster's own names.
inline constexpr char kCommandRowContext[] = "CommandRow";

// A text made below the windows as shown in the language of the windows: its translation in
// `context`; else, for a text composed from a pattern of that context ("自%1  敵%2"), the
// pattern's translation with the parts filled in, each part itself shown by displayText;
// else the Japanese as it is. The patterns are listed in composed_texts.cpp.
QString displayText(const char* context, std::string_view japanese);

// The help page of the language of the windows, relative to the program folder.
std::string_view helpPageName();

}  // namespace vex::gui
