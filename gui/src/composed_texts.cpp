#include "composed_texts.h"

#include <QtGlobal>

#include "lower_layer_texts.h"

namespace vex::gui {

namespace {

// editor/: technique_choice_rules.cpp, editor_rules.cpp, new_monster_rules.cpp
constexpr const char* kEditorRules[] = {
    QT_TRANSLATE_NOOP("EditorRules", "自%1  敵%2"),
    QT_TRANSLATE_NOOP("EditorRules", "表示されるサイズは%1×%2です"),
    QT_TRANSLATE_NOOP("EditorRules", "全角%1文字（半角%2文字）までです"),
};

// rules/fighter_checks.cpp, editor/: message boxes
constexpr const char* kMessages[] = {
    QT_TRANSLATE_NOOP("Messages", "相手のモンスター「%1」は使えません。\r\n%2"),
    QT_TRANSLATE_NOOP("Messages", "%1\r\nは不正なデータです。\r\n別のキャラを読み込みます"),
    QT_TRANSLATE_NOOP("Messages", "\r\nエラーが発生しました\r\n%1"),
    QT_TRANSLATE_NOOP("Messages", "%1\r\nは不正に改造されたデータです。\r\n正規のデータを使用してください。"),
    QT_TRANSLATE_NOOP("Messages", "ターン %1 でリプレイと対戦が一致しなくなりました"),
    QT_TRANSLATE_NOOP("Messages", "%1\r\nを削除しますか？"),
    QT_TRANSLATE_NOOP("Messages", "ファイルを削除できません: %1"),
    QT_TRANSLATE_NOOP("Messages", "「%1」は既にあります。\r\n上書きしますか？"),
    QT_TRANSLATE_NOOP("Messages", "派生スキル\r『 %1 』\rがあるため外すことができません"),
    QT_TRANSLATE_NOOP("Messages", "このファイルのサイズは%1バイトです\r\n画像は%2バイトまでです\r\nもっとサイズが小さい画像を指定してください"),
    QT_TRANSLATE_NOOP("Messages", " アイコンファイルが %1 に存在しません "),
    QT_TRANSLATE_NOOP("Messages", "相手が対戦の準備を取りやめました。\r\n%1"),
    QT_TRANSLATE_NOOP("Messages", "二つのゲームの対戦内容が一致しなくなりました（%1 ターン目）。\r\n対戦を中止します。この対戦の記録は保存されません。"),
};

}  // namespace

std::span<const ComposedPatterns> composedPatterns() {
    static const ComposedPatterns patterns[] = {
        {"EditorRules", kEditorRules},
        {"Messages", kMessages},
        {"Messages", networkTexts()},
        {"Messages", loadErrorTexts()},
        {"Messages", toolTexts()},
        {"BattleText", challengerTexts()},
    };
    return patterns;
}

}  // namespace vex::gui
