// The help page "説明書.html" in the program folder: making a monster, the battle modes, the
// rules of a battle, every technique of the catalogue, and network play. Its English twin,
// "manual.html", is help_page_en.cpp; the tables of both are made here.

#include <QTranslator>
#include <sstream>

#include "content.h"
#include "help_tables.h"
#include "stages.h"
#include "vexmora/data/monster_record.h"
#include "vexmora/data/technique_catalogue.h"

namespace vex::assets {

const char* const kHelpPageStyle = R"(body { font-family: 'MS GOTHIC', 'IPAGothic', sans-serif; background: #eef2fa; color: #1c2030; margin: 0; line-height: 1.7; }
header { background: linear-gradient(#3a2a78, #6a3a90); color: #fff; padding: 18px 32px; }
header h1 { margin: 0; font-size: 30px; letter-spacing: 4px; }
nav { background: #2a2050; padding: 6px 32px; }
nav a { color: #ffd866; margin-right: 18px; text-decoration: none; }
main { max-width: 860px; margin: 0 auto; padding: 12px 32px 48px; }
h2 { border-left: 8px solid #6a3a90; padding-left: 10px; margin-top: 36px; }
h3 { color: #4a2a80; }
table { border-collapse: collapse; width: 100%; margin: 8px 0 20px; background: #fff; }
th, td { border: 1px solid #b8c0d8; padding: 4px 8px; vertical-align: top; font-size: 14px; }
th { background: #dde3f4; }
tr.special td { background: #fff0f0; }
table.grid td { text-align: center; }
td.good { color: #1060c0; font-weight: bold; } td.bad { color: #c02030; } td.even { color: #888; }
.note { color: #a03040; font-size: 12px; }
.box { background: #fff; border: 1px solid #b8c0d8; border-radius: 8px; padding: 8px 18px; }
kbd { border: 1px solid #888; border-radius: 3px; padding: 0 4px; background: #fafafa; }
)";

std::string HelpWords::text(const char* context, std::string_view japanese) const {
    if (!english || japanese.empty()) return std::string(japanese);
    const std::string source(japanese);
    const QString translated = english->translate(context, source.c_str());
    return translated.isEmpty() ? source : translated.toStdString();
}

std::string escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else if (c == '&') out += "&amp;";
        else if (c == '\r' || c == '\n') out += "<br>";
        else out += c;
    }
    return out;
}

namespace {

const char* categoryName(int category, const HelpWords& words) {
    switch (category) {
        case kCategoryAttack: return words.pick("攻撃系", "Attack");
        case kCategorySupport: return words.pick("補助系", "Support");
        case kCategorySpecial: return words.pick("特殊系", "Special");
        case kCategorySkill: return words.pick("ｽｷﾙ系", "Skills");
    }
    return "";
}

std::string spText(const TechniqueEntry& e) {
    if (e.category == kCategorySkill) return "―――";
    if (e.spStep == 0) return std::to_string(e.spBase);
    return std::to_string(e.spBase) + "～" + std::to_string(e.spBase + 4 * e.spStep);
}

}  // namespace

void techniqueTable(std::ostringstream& html, int category, const HelpWords& words) {
    const TechniqueCatalogue& catalogue = TechniqueCatalogue::instance();
    html << "<h3>" << categoryName(category, words) << "</h3>\n<table>\n<tr><th>" << words.pick("技", "Technique") << "</th><th>"
         << words.pick("消費SP", "SP cost") << "</th><th>" << words.pick("複数設定", "Several slots") << "</th><th>"
         << words.pick("説明", "Description") << "</th></tr>\n";
    for (int id = 0; id <= TechniqueCatalogue::kMaxId; ++id) {
        const TechniqueEntry& e = catalogue.entry(id);
        // Follow-up commands the battle offers by itself, and the empty slot, are not chosen.
        if (!e.defined() || e.category != category || id == kEmptyTech || id == 101 || id == 133) continue;
        html << "<tr" << (e.isSpecial() ? " class=\"special\"" : "") << "><td>" << escaped(words.text("TechniqueName", e.techTitle)) << "</td><td>" << spText(e)
             << "</td><td>" << (e.singleSlot == -1 ? "×" : "○") << "</td><td>" << escaped(words.text("TechniqueDescription", e.description))
             << (e.isSpecial() ? words.pick("<br><span class=\"note\">※特別な条件を満たしたモンスターだけが使えます</span>",
                                            "<br><span class=\"note\">* only for monsters that meet special conditions</span>")
                               : "") << "</td></tr>\n";
    }
    html << "</table>\n";
}

void elementTable(std::ostringstream& html, const HelpWords& words) {
    const TechniqueCatalogue& catalogue = TechniqueCatalogue::instance();
    const auto name = [&words](int element) {
        return element == 0 ? std::string(words.pick("なし", "none")) : words.text("Element", elementName(element));
    };
    html << "<table class=\"grid\">\n<tr><th>" << words.pick("攻撃＼相手", "attack＼target") << "</th>";
    for (int met = 0; met < kElementCount; ++met) html << "<th>" << name(met) << "</th>";
    html << "</tr>\n";
    for (int attacker = 0; attacker < kElementCount; ++attacker) {
        html << "<tr><th>" << name(attacker) << "</th>";
        for (int met = 0; met < kElementCount; ++met) {
            const int a = catalogue.elementAffinity(attacker, met);
            html << "<td class=\"" << (a > 0 ? "good" : a < 0 ? "bad" : "even") << "\">" << (a > 0 ? "+" : "") << a * 10 << "％</td>";
        }
        html << "</tr>\n";
    }
    html << "</table>\n";
}

void personalityRows(std::ostringstream& html, const HelpWords& words) {
    for (int code = 0; code < kPersonalityCount; ++code)
        html << "<tr><td>" << words.text("Personality", personalityCaption(code)) << "</td><td>"
             << escaped(words.text("PersonalityDescription", personalityDescription(code))) << "</td></tr>\n";
}

std::string stageList(const HelpWords& words) {
    std::string list;
    for (const StageInfo& stage : stageCatalogue()) {
        if (stage.number < 0) continue;
        list += (list.empty() ? "" : words.pick("・", ", ")) + words.text("Stage", stage.title);
    }
    return list;
}

std::string helpPageHtml() {
    const HelpWords words;
    std::ostringstream html;
    html << R"(<!DOCTYPE html>
<html lang="ja">
<head>
<meta charset="utf-8">
<title>VEXMORA 説明書</title>
<style>
)" << kHelpPageStyle << R"(</style>
</head>
<body>
<header><h1>VEXMORA</h1>モンスターを創って、育てて、戦わせよう</header>
<nav><a href="#start">はじめに</a><a href="#make">モンスターを創る</a><a href="#modes">遊び方</a><a href="#battle">戦闘のルール</a><a href="#tech">技の一覧</a><a href="#net">ネット対戦</a><a href="#option">オプション</a></nav>
<main>
<h2 id="start">はじめに</h2>
<p>VEXMORA（ベクスモーラ）は、自分で創ったモンスターどうしを戦わせるゲームです。
名前と絵、能力、性格、技を決めてモンスターを創り、コンピュータや友だち、ネットの向こうのプレイヤーと対戦しましょう。</p>
<p>タイトル画面をクリックするとメニューが出てきます。はじめての方は、「Data」フォルダに入っている見本のモンスターで「フリー対戦(vsCOM)」を遊んでみてください。</p>

<h2 id="make">モンスターを創る</h2>
<h3>１．新規キャラ作成</h3>
<p>メニューの「エディット」から「新規キャラ作成」を選びます。</p>
<ul>
<li><b>名前</b>：全角１０文字（半角２０文字）まで。\ / : &lt; &gt; * ? | は使えません。名前はそのままファイル名になります。</li>
<li><b>ATK・DEF・SPD</b>：攻撃力・防御力・素早さに、合計１０００ポイントまでを振り分けます。</li>
<li><b>性格</b>：戦闘中の感情（High／Low）の動き方が決まります。</li>
</ul>
<table>
<tr><th>性格</th><th>感情の動き</th></tr>
)";
    personalityRows(html, words);
    html << R"(</table>
<p>名前・能力・性格は、あとから変えることはできません。</p>

<h3>２．エディット</h3>
<ul>
<li><b>技</b>：５つの技スロットに、技の一覧から技を選びます。同じ技を複数のスロットに入れられないものもあります（一覧の「複数設定」が×の技）。</li>
<li><b>効果</b>：Ｄ・Ｃ・Ｂ・Ａ・Ｓの５段階。効果が高いほど強くなりますが、消費ＳＰも増えます。</li>
<li><b>属性</b>：火・水・雷・土・光・闇から選べます。相手の技の属性との相性でダメージが変わります（下の表）。</li>
<li><b>技の名前</b>：戦闘中に表示される名前を自由につけられます（全角２０文字まで）。</li>
<li><b>セリフ</b>：戦闘の開始時・勝利時・敗北時に話すセリフです。</li>
<li><b>画像読み込み</b>：モンスターの絵を選びます。使えるのは ico・gif・png・bmp・jpg（jpeg）で、32000バイトまでのファイルです。
bmp・png・jpg の絵は<b>左上の点と同じ色</b>の部分が透明になります。gif と ico は画像の透明部分がそのまま使われます。</li>
<li><b>サイズ</b>：戦闘画面での絵の大きさ。「↑」「↓」で上下の位置、「１Ｐ反転」「２Ｐ反転」で左右の向きを変えられます。</li>
<li><b>製作者名・パスワード</b>：パスワードをつけると、ほかの人がエディットで開けなくなります。</li>
</ul>
<p>「保存」を押すと、モンスターのファイル（名前.tvx）ができます。<b>保存したファイルの名前は変えないでください。</b>名前を変えると読み込めなくなります。</p>
<h3>属性の相性</h3>
<p>攻撃する技の属性（左）が、受ける側の属性（上）に対して与えるダメージの増減です。</p>
)";
    elementTable(html, words);
    html << R"(<h3>特殊能力</h3>
<p>戦闘で勝ったり負けたりするとポイントがたまり、特殊能力を覚えられます（最大３つまで）。
ＨＰ+200、能力20%↑、リバイブ、消費10%↓、無感情、超鉄壁、ＨＰ+1000、敵HP-200、大洪水、エアレイド、Jアタック、猛吹雪の１２種類があります。</p>

<h2 id="modes">遊び方（メニュー）</h2>
<table>
<tr><th>メニュー</th><th>内容</th></tr>
<tr><td>フリー対戦(vsCOM)</td><td>好きなモンスターを２体選んで、コンピュータと対戦します。「1Pロード」「2Pロード」でモンスターを選び、「スタート」で戦闘開始です。</td></tr>
<tr><td>フリー対戦(vsMAN)</td><td>１台のキーボードで２人対戦します。それぞれのキーで技を選びます。</td></tr>
<tr><td>勝ち抜き戦</td><td>「Data」フォルダの中のモンスターと、ランダムに次々と戦います。何体抜きできるか挑戦しましょう。ときどき、謎の挑戦者が乱入してくることも……。</td></tr>
<tr><td>シナリオモード</td><td>用意されたシナリオのボスたちと順番に戦います。見本のシナリオ「混沌の城」では、１０体のボスが待っています。</td></tr>
<tr><td>ネット対戦</td><td>インターネットやＬＡＮで、ほかのプレイヤーと対戦します（下の「ネット対戦」）。</td></tr>
<tr><td>エディット</td><td>モンスターを創ったり、直したりします。シナリオもここで作れます。</td></tr>
<tr><td>オプション</td><td>音楽・効果音・ゲームスピードなどを設定します。</td></tr>
</table>
<h3>戦闘の設定</h3>
<p>戦闘画面の「設定」で、初期ＨＰ（1000／1500／2000）、初期ＳＰ（0／10／100）、ターン制限（なし／30／50／80）、観戦モード、アニメーション、ステージを選べます。
「大会ルール」にすると、ＨＰ1000・ＳＰ10・50ターン・大会ステージに固定され、特別な技は使えなくなります。</p>
<h3>ステージ</h3>
<p>)" << stageList(words) << R"(。ステージによって有利になるモンスターもいます（「水中」「砂漠」「雪原」のスキルなど）。</p>
<h3>シナリオを作る</h3>
<p>「エディット」→「シナリオ作成」で、ボスを１０体まで並べた自分だけのシナリオを作れます。シナリオ名を決めてから、ボスのボタンを押してボスを作りましょう。
ボスのデータは「シナリオ名.b01」～「シナリオ名.b10」として「Scenario」フォルダに保存されます。</p>

<h2 id="battle">戦闘のルール</h2>
<ul>
<li>毎ターン、技（５つのスロット）か「何もしない」を選びます。マウスを技に合わせると説明が表示されます。</li>
<li>技を使うにはＳＰが必要です。ＳＰはターンが終わるたびに少しずつ回復します。「防御」「回避」を選ぶと多めに回復します。</li>
<li>どちらが先に動くかは、素早さと運で決まります。「先制攻撃」のように必ず先に動ける技もあります。</li>
<li>マヒ・毒・混乱・封印などの状態異常は、何ターンか続きます。ステータスウィンドウのアイコンで確かめましょう。</li>
<li>感情ゲージは技を使ったり受けたりすると動きます。Highだと攻撃的に、Lowだと慎重になります。</li>
<li>相手のＨＰを０にすれば勝ちです。ターン制限があるときは、最後にＨＰが多いほうが勝ちです。</li>
</ul>

<h2 id="tech">技の一覧</h2>
<p>消費ＳＰの「～」は、効果Ｄのときから効果Ｓのときまでの値です。ｽｷﾙ系の技は選ぶ技ではなく、持っているだけで効果がある能力です。</p>
)";
    for (int category : {kCategoryAttack, kCategorySupport, kCategorySpecial, kCategorySkill}) techniqueTable(html, category, words);
    html << R"(
<h2 id="net">ネット対戦</h2>
<div class="box">
<ol>
<li>メニューの「ネット対戦」を選び、ハンドル名（あなたの呼び名）を入力します。</li>
<li>どちらか一人が<b>ホスト</b>（待ち受ける側）、もう一人が<b>クライアント</b>（接続する側）になります。</li>
<li>クライアントは、ホストのＩＰアドレスを入力して接続します。ポート番号はふつう <b>1001</b> です。</li>
<li>つながったらチャットであいさつしましょう。お互いにモンスターを選び、ホストが戦闘の設定をして「決定」すると戦闘が始まります。</li>
<li>戦闘の結果は「結果.txt」に記録され、サーバを設定していれば自動で報告されます。</li>
</ol>
<p class="note">※ Linux では、一般のユーザーは 1024 より小さいポート番号で待ち受けることができません。
ホストになるときに待ち受けができない場合は、二人とも 1024 以上の同じポート番号（たとえば 10010）を選んでください。
ファイアウォールやルーターで、そのポートへの接続を許可しておく必要があります。</p>
</div>

<h2 id="option">オプション</h2>
<ul>
<li><b>音楽・効果音</b>：ＯＮ／ＯＦＦを切り替えます。</li>
<li><b>ゲームスピード</b>：アニメーションや待ち時間の速さを変えます。</li>
<li><b>結果のファイル出力</b>：ネット対戦の結果を「結果.txt」に書くかどうかを決めます。</li>
<li><b>データを変換する</b>：古い形式（tvo）のモンスターを今の形式にします。</li>
</ul>
<h2>フォルダの中身</h2>
<table>
<tr><th>フォルダ</th><th>入っているもの</th></tr>
<tr><td>Data</td><td>モンスターのファイル（.tvx）。勝ち抜き戦の相手もここから選ばれます。</td></tr>
<tr><td>Scenario</td><td>シナリオ（.sce）とそのボス（.b01～.b10）。</td></tr>
<tr><td>Image</td><td>戦闘画面の画像とステージの画像。</td></tr>
<tr><td>wav・MIDI</td><td>効果音と音楽。</td></tr>
<tr><td>System</td><td>システムのデータと設定。中のファイルは書き換えないでください。</td></tr>
</table>
</main>
</body>
</html>
)";
    return html.str();
}

void writeHelpPage(ContentFolder& out) {
    out.write("説明書.html", helpPageHtml());
    // The English page names the techniques as the English game does, from its catalogue.
    QTranslator english;
    // The build's compiled catalogue, whichever folder the content is written to.
    const fs::path translations = VEXMORA_CATALOGUES;
    if (!english.load(QStringLiteral("vexmora_data_en"), QString::fromStdString(translations.string())))
        out.fail("no English catalogue in " + translations.string() + " for manual.html");
    out.write("manual.html", englishHelpPageHtml(english));
}

}  // namespace vex::assets
