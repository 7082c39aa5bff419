#include "lower_layer_texts.h"

#include <QtGlobal>

namespace vex::gui {

namespace {

// net/: the driver's refusals and notices, the texts of the protocol a peer sends, the
// connection's failures.
constexpr const char* kNetworkTexts[] = {
    QT_TRANSLATE_NOOP("Messages", "対戦相手と接続していません"),
    QT_TRANSLATE_NOOP("Messages", "対戦中か存在してしません"),
    QT_TRANSLATE_NOOP("Messages", "相手のモンスターのデータを読み込めませんでした。\r\n%1"),
    QT_TRANSLATE_NOOP("Messages", "このモンスターのファイルは %1 バイトあり、相手のゲームには送れません（%2 バイトまで）。画像の小さいモンスターを使ってください。"),
    QT_TRANSLATE_NOOP("Messages", "別のアドレス（%1）からの接続を断りました。"),
    QT_TRANSLATE_NOOP("Messages", "サーバーの設定はこのゲームでは使えません：%1"),
    QT_TRANSLATE_NOOP("Messages", "対戦相手の確認ができない接続を断りました。"),
    QT_TRANSLATE_NOOP("Messages", "初期ＨＰ %1"),
    QT_TRANSLATE_NOOP("Messages", "初期ＳＰ %1"),
    QT_TRANSLATE_NOOP("Messages", "ターン制限 %1"),
    QT_TRANSLATE_NOOP("Messages", "ステージ %1"),
    QT_TRANSLATE_NOOP("Messages", "ハンドル名"),
    QT_TRANSLATE_NOOP("Messages", "%1 has characters that cannot be sent"),
    QT_TRANSLATE_NOOP("Messages", "%1 must not contain \"//\""),
    QT_TRANSLATE_NOOP("Messages", "%1 must not contain \"*END\""),
    QT_TRANSLATE_NOOP("Messages", "%1: it cannot be sent to the opponent."),
    QT_TRANSLATE_NOOP("Messages", "相手がレアキャラの使用を有効にしました"),
    QT_TRANSLATE_NOOP("Messages", "相手がレアキャラの使用を無効にしました"),
    QT_TRANSLATE_NOOP("Messages", "%1さんが接続しました"),
    QT_TRANSLATE_NOOP("Messages", "%受信完了しました"),
    QT_TRANSLATE_NOOP("Messages", "データ受信完了しました"),
    QT_TRANSLATE_NOOP("Messages", "次ターン開始時にセリフが表示されます"),
    QT_TRANSLATE_NOOP("Messages", "相手が切断しました。"),
    QT_TRANSLATE_NOOP("Messages", "サーバーが切断しました。"),
    QT_TRANSLATE_NOOP("Messages", "相手の本体のバージョンが同じではありません。\r\nエラーが起こる可能性があります。"),
    QT_TRANSLATE_NOOP("Messages", "対戦不可能"),
    QT_TRANSLATE_NOOP("Messages", "対戦相手は最新版を使用していません。\r\n\r\n対戦はできませんので最新版をダウンロード\r\n\r\nしてもらってください。"),
    QT_TRANSLATE_NOOP("Messages", "相手がレアキャラの使用を許可していません"),
};

// The loaders' refusals: the pixel library, the status windows' layout, the battle frame's
// pictures, replays, scenarios, pictures and files.
constexpr const char* kLoadErrorTexts[] = {
    QT_TRANSLATE_NOOP("Messages", "読み込みエラー"),
    QT_TRANSLATE_NOOP("Messages", "画像処理ライブラリ %1 を読み込めないため、戦闘画面を開けません。"),
    QT_TRANSLATE_NOOP("Messages", "%1：ありません"),
    QT_TRANSLATE_NOOP("Messages", "%1：読み込めません"),
    QT_TRANSLATE_NOOP("Messages", "%1：版が合いません"),
    QT_TRANSLATE_NOOP("Messages", "%1：%2 がありません"),
    QT_TRANSLATE_NOOP("Messages", "Image\\setting.txt: 値が足りません（%1行目の後）"),
    QT_TRANSLATE_NOOP("Messages", "Image\\setting.txt: %1行目の「%2」は%3ではありません"),
    QT_TRANSLATE_NOOP("Messages", "数値"),
    QT_TRANSLATE_NOOP("Messages", "色"),
    QT_TRANSLATE_NOOP("Messages", "%1 を読み込めません"),
    QT_TRANSLATE_NOOP("Messages", "%1 がありません"),
    QT_TRANSLATE_NOOP("Messages", "リプレイファイルが壊れています（%1）"),
    QT_TRANSLATE_NOOP("Messages", "%1 が範囲外です"),
    QT_TRANSLATE_NOOP("Messages", "コマンドが読めません"),
    QT_TRANSLATE_NOOP("Messages", "コマンドが範囲外です"),
    QT_TRANSLATE_NOOP("Messages", "ヘッダーが読めません"),
    QT_TRANSLATE_NOOP("Messages", "モンスターが2体ありません"),
    QT_TRANSLATE_NOOP("Messages", "モンスターが読めません"),
    QT_TRANSLATE_NOOP("Messages", "大きすぎます"),
    QT_TRANSLATE_NOOP("Messages", "リプレイファイルではありません"),
    QT_TRANSLATE_NOOP("Messages", "ヘッダーがありません"),
    QT_TRANSLATE_NOOP("Messages", "ターンが多すぎます"),
    QT_TRANSLATE_NOOP("Messages", "ターン %1"),
    QT_TRANSLATE_NOOP("Messages", "%1 が読めません"),
    QT_TRANSLATE_NOOP("Messages", "%1 の番号が違います"),
    QT_TRANSLATE_NOOP("Messages", "%1 のコマンドが読めません"),
    QT_TRANSLATE_NOOP("Messages", "%1 のハッシュが読めません"),
    QT_TRANSLATE_NOOP("Messages", "形式が違います"),
    QT_TRANSLATE_NOOP("Messages", "リプレイのモンスター %1 が読めません（%2）"),
    QT_TRANSLATE_NOOP("Messages", "リプレイを記録できません"),
    QT_TRANSLATE_NOOP("Messages", "シナリオファイルを読み込めません。ファイルが壊れています。"),
    QT_TRANSLATE_NOOP("Messages", "シナリオファイルを読み込めません。ファイル名が変更されたか、ファイルが壊れています。"),
    QT_TRANSLATE_NOOP("Messages", " ボスデータがありません%1"),
    QT_TRANSLATE_NOOP("Messages", " 勝ち抜き戦を中断します "),
    QT_TRANSLATE_NOOP("Messages", "　　　あなたは負けてしまいました。　　　\r\n\r\n　　　　　Ｇ Ａ Ｍ Ｅ　 Ｏ Ｖ Ｅ Ｒ"),
    QT_TRANSLATE_NOOP("Messages", "コンティニュー：%1"),
    QT_TRANSLATE_NOOP("Messages", "　　　あなたは負けてしまいました。\r\n\r\n　　　　　　再戦しますか？"),
    QT_TRANSLATE_NOOP("Messages", "シナリオ"),
    QT_TRANSLATE_NOOP("Messages", "このシナリオにはもう戦う相手がいません"),
    QT_TRANSLATE_NOOP("Messages", "まずは「1Ｐロード」で、シナリオに挑むモンスターを読み込んでください。"),
    QT_TRANSLATE_NOOP("Messages", "「スタート」で次の敵が現れます。"),
    QT_TRANSLATE_NOOP("Messages", "準備ができました。「スタート」でシナリオが始まります。"),
    QT_TRANSLATE_NOOP("Messages", "画像ファイルが大きすぎます（%1バイトまで）"),
    QT_TRANSLATE_NOOP("Messages", "画像の形式が使えません（使えるのは ico・gif・bmp・jpg・png の画像です）"),
    QT_TRANSLATE_NOOP("Messages", "画像の大きさが読み取れません"),
    QT_TRANSLATE_NOOP("Messages", "画像が大きすぎます（幅も高さも%1ピクセルまで）"),
    QT_TRANSLATE_NOOP("Messages", "画像が大きすぎます（%1ピクセルまで）"),
    QT_TRANSLATE_NOOP("Messages", "画像が細長すぎます（長い辺は短い辺の%1倍まで）"),
    QT_TRANSLATE_NOOP("Messages", "ファイルが見つかりません: %1"),
    QT_TRANSLATE_NOOP("Messages", "ファイルを読み込めません: %1"),
    QT_TRANSLATE_NOOP("Messages", "ファイルが大きすぎます: %1"),
    QT_TRANSLATE_NOOP("Messages", "ファイルを開けません: %1"),
    QT_TRANSLATE_NOOP("Messages", "ファイルを書き込めません: %1 (%2)"),
};

// The converter's log and refusals (data/old_conversion), the server file's form and
// message (report/server_form), the report's chat lines (report/report_run), the elimination
// run's opponents and caption (rules/opponent_choice) and the scenario's difficulty check
// (scenario/difficulty_check) and the scenario editor's captions (scenario/scenario_draft), as
// their windows show them.
constexpr const char* kToolTexts[] = {
    QT_TRANSLATE_NOOP("Messages", "変換しました（%1）"),
    QT_TRANSLATE_NOOP("Messages", "変換しました（%1）。画像は埋め込みませんでした：%2"),
    QT_TRANSLATE_NOOP("Messages", "%1。元のデータは削除できませんでした"),
    QT_TRANSLATE_NOOP("Messages", "画像が設定されていません"),
    QT_TRANSLATE_NOOP("Messages", "画像ファイルが見つかりません"),
    QT_TRANSLATE_NOOP("Messages", "その他のエラー"),
    QT_TRANSLATE_NOOP("Messages", "その他のエラー - %1"),
    QT_TRANSLATE_NOOP("Messages", "能力値の合計が1000を超えているため変換しません"),
    QT_TRANSLATE_NOOP("Messages", "システムデータのため変換しません"),
    QT_TRANSLATE_NOOP("Messages", "同じ名前のモンスターファイルがあるため変換しません"),
    QT_TRANSLATE_NOOP("Messages", "名前がファイル名に使えないため変換しません"),
    QT_TRANSLATE_NOOP("Messages", "画像がシンボリックリンクです"),
    QT_TRANSLATE_NOOP("Messages", "フォルダが見つかりません: %1"),
    QT_TRANSLATE_NOOP("Messages", "デバイスが準備されていません"),
    QT_TRANSLATE_NOOP("Messages", "設定ﾌｧｲﾙ名"),
    QT_TRANSLATE_NOOP("Messages", "サーバ名(ｱﾄﾞﾚｽ)"),
    QT_TRANSLATE_NOOP("Messages", "ユーザ名"),
    QT_TRANSLATE_NOOP("Messages", "パスワード"),
    QT_TRANSLATE_NOOP("Messages", "作成html名"),
    QT_TRANSLATE_NOOP("Messages", "戦歴ﾃﾞｰﾀﾌｧｲﾙ"),
    QT_TRANSLATE_NOOP("Messages", "数（1-50）"),
    QT_TRANSLATE_NOOP("Messages", "ﾛｸﾞ数の設定が不正です"),
    QT_TRANSLATE_NOOP("Messages", "%1を入力してください"),
    QT_TRANSLATE_NOOP("Messages", "%1に使用できない文字が含まれています"),
    QT_TRANSLATE_NOOP("Messages", "%1 に\r\n\r\n%2.srv を作成しました"),
    QT_TRANSLATE_NOOP("Messages", "結果を報告しています。お待ちください・・・"),
    QT_TRANSLATE_NOOP("Messages", "結果の報告が完了しました"),
    QT_TRANSLATE_NOOP("Messages", "結果の報告が失敗しました"),
    QT_TRANSLATE_NOOP("Messages", "対戦相手のデータがありません（Data フォルダ）"),
    QT_TRANSLATE_NOOP("Messages", "対戦できるモンスターがいません（Data フォルダ）"),
    QT_TRANSLATE_NOOP("Messages", "ＴＸ（勝ち抜き戦）"),
    QT_TRANSLATE_NOOP("Messages", "ＴＸ（勝ち抜き戦 %1 勝中）"),
    QT_TRANSLATE_NOOP("Messages", "%1回挑戦（戦闘 %2回）"),
    QT_TRANSLATE_NOOP("Messages", "ボス%1 %2：撃破 %3　勝利 %4/%5戦"),
    QT_TRANSLATE_NOOP("Messages", "%1（95%区間 %2～%3）"),
    QT_TRANSLATE_NOOP("Messages", "クリア %1"),
    QT_TRANSLATE_NOOP("Messages", "ボス出現前の終了 %1回"),
    QT_TRANSLATE_NOOP("Messages", "謎の敵 %1回"),
    QT_TRANSLATE_NOOP("Messages", "未設定です"),
    QT_TRANSLATE_NOOP("Messages", "ネット対戦結果の出力"),
    QT_TRANSLATE_NOOP("Messages", "結果をファイルに追記します\r\n\r\nいいえを選ぶと上書きします"),
    QT_TRANSLATE_NOOP("Messages", "サーバ設定ファイルを読み込めません。ファイル名が変更されたか、ファイルが壊れています。\r\n%1"),
    QT_TRANSLATE_NOOP("Messages", "使用できない文字が含まれています: %1"),
    QT_TRANSLATE_NOOP("Messages", "サーバ設定が長すぎます"),
    QT_TRANSLATE_NOOP("Messages", "無"),
};

// The elimination run's champions, announced on the battle screen.
constexpr const char* kChallengerTexts[] = {
    QT_TRANSLATE_NOOP("BattleText", "%1\r\nのモンスターが挑んできた！"),
    QT_TRANSLATE_NOOP("BattleText", "第一回大会優勝者"),
    QT_TRANSLATE_NOOP("BattleText", "第二回大会優勝者"),
};

}  // namespace

std::span<const char* const> toolTexts() { return kToolTexts; }
std::span<const char* const> challengerTexts() { return kChallengerTexts; }
std::span<const char* const> networkTexts() { return kNetworkTexts; }
std::span<const char* const> loadErrorTexts() { return kLoadErrorTexts; }

}  // namespace vex::gui
