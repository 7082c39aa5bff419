#include "composed_texts.h"

#include <QtGlobal>

namespace vex::gui {

namespace {

// editor/: technique_choice_rules.cpp, editor_rules.cpp, new_monster_rules.cpp
constexpr const char* kEditorRules[] = {
    QT_TRANSLATE_NOOP("EditorRules", "自%1  敵%2"),
};

// rules/fighter_checks.cpp, editor/: message boxes
constexpr const char* kMessages[] = {
    QT_TRANSLATE_NOOP("Messages", "相手のモンスター「%1」は使えません。\r\n%2"),
    QT_TRANSLATE_NOOP("Messages", "%1\r\nは不正なデータです。\r\n別のキャラを読み込みます"),
    QT_TRANSLATE_NOOP("Messages", "\r\nエラーが発生しました\r\n%1"),
    QT_TRANSLATE_NOOP("Messages", "%1\r\nは不正に改造されたデータです。\r\n正規のデータを使用してください。"),
};

constexpr ComposedPatterns kPatterns[] = {
    {"EditorRules", kEditorRules},
    {"Messages", kMessages},
};

}  // namespace

std::span<const ComposedPatterns> composedPatterns() { return kPatterns; }

}  // namespace vex::gui
