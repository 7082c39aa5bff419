#include "story_pages.h"

#include <cctype>

#include "creatures.h"
#include "paint_kit.h"
#include "picture_codecs.h"

namespace vex::assets {

namespace {

struct Chapter {
    const char* title;
    const char* place;
    const char* text;
};

const Chapter kChapters[10] = {
    {"第一章　旅立ちの裏庭", "草原",
     "村はずれの古い裏庭に、昔からこの土地を見守ってきた大ガエルが住んでいる。<br>"
     "「混沌の城へ行くじゃと？　ならば、まずはワシを倒してからにせい」<br>"
     "旅の始まりを告げる、最初の試練だ。"},
    {"第二章　毒蜂の森", "密林",
     "深い森に入ると、あたりに甘い香りと羽音が満ちてきた。<br>"
     "森を治める毒蜂の女王が、侵入者を許すはずがない。<br>"
     "マヒと毒に気をつけろ。状態回復の技があれば心強い。"},
    {"第三章　岩の王の山道", "山岳",
     "険しい山道をふさぐように、巨大な岩の王がそびえ立つ。<br>"
     "その体はとても硬く、生半可な攻撃は通らない。<br>"
     "防御を崩す技や、じっくり力を溜める作戦が効くかもしれない。"},
    {"第四章　吹雪の追跡者", "どこかの地上",
     "山を越えたところで、冷たい風とともに白い影が追ってきた。<br>"
     "吹雪を操るキツネは、こちらの動きを読んでくる。<br>"
     "戦いの場所は、追いつかれたその場所だ。"},
    {"第五章　砂漠の王者", "砂漠",
     "照りつける太陽の下、砂の中から大きな角が現れた。<br>"
     "砂漠の王者を名乗るカブトムシは、力ならだれにも負けない。<br>"
     "正面からぶつかるか、素早さでかわすか。"},
    {"第六章　海の底のぬし", "どこかの水辺",
     "城へ続く道は、海の底を通っている。<br>"
     "深海のぬしは、泡で相手をまどわせ、傷を癒しながら戦う。<br>"
     "水の力に強い属性で挑もう。"},
    {"第七章　闇の洞窟", "洞窟",
     "光の届かない洞窟の奥で、赤い目が光った。<br>"
     "闇の吸血鬼は、相手の生命力を吸い取って自分の力にする。<br>"
     "光の技が、きっと道を照らしてくれる。"},
    {"第八章　鋼鉄の門番", "基地",
     "混沌の城の手前には、古代の兵器を改造した要塞がある。<br>"
     "門を守る機械の鬼は、毒もマヒも受けつけない。<br>"
     "純粋な力と作戦の勝負だ。"},
    {"第九章　黄泉の魔女", "魔方陣",
     "城の地下に描かれた巨大な魔方陣。その中心で魔女が待っていた。<br>"
     "「あのお方のもとへは行かせない」<br>"
     "技を封じる呪いに負けず、最後の扉を開け！"},
    {"最終章　混沌の王", "城",
     "ついに混沌の城の玉座の間にたどり着いた。<br>"
     "世界を闇で覆おうとする混沌の王、カオス・グレヴァード。<br>"
     "その体は攻撃を大きく弱め、最後の瞬間には恐ろしい一撃を放つという。<br>"
     "すべての力を出し切れ！"},
};

std::string pageFile(std::string_view page) {
    if (!page.empty() && std::isdigit(static_cast<unsigned char>(page[0]))) {
        std::string number(page);
        if (number.size() < 2) number = "0" + number;
        return "story" + number + ".html";
    }
    return std::string(page) + ".html";
}

std::string pageHtml(const std::string& title, const std::string& body) {
    return "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + title +
           "</title>\n<style>\n"
           "body { background: #1c1630; color: #f4f0ff; font-family: 'MS GOTHIC', 'IPAGothic', sans-serif; margin: 0; }\n"
           ".page { max-width: 560px; margin: 24px auto; padding: 20px 28px; background: #2c2448; border: 2px solid #8a74d8; border-radius: 12px; }\n"
           "h1 { font-size: 20px; color: #ffd866; border-bottom: 1px solid #8a74d8; padding-bottom: 6px; }\n"
           "p { line-height: 1.8; }\n"
           ".boss { text-align: center; margin: 16px 0; }\n"
           ".boss img { background: #d8e8ff; border-radius: 8px; padding: 8px; }\n"
           ".note { color: #b8acd8; font-size: 13px; }\n"
           "</style>\n</head>\n<body>\n<div class=\"page\">\n" + body + "</div>\n</body>\n</html>\n";
}

}  // namespace

std::string storyPagePath(std::string_view scenario, std::string_view page) {
    return "Scenario\\" + std::string(scenario) + "\\" + pageFile(page);
}

void writeStoryPages(ContentFolder& out, std::string_view scenario, const std::vector<MonsterDesign>& bosses) {
    const std::string folder = "Scenario\\" + std::string(scenario) + "\\";
    for (size_t i = 0; i < bosses.size() && i < 10; ++i) {
        const Chapter& chapter = kChapters[i];
        const std::string picture = "boss" + std::string(i + 1 < 10 ? "0" : "") + std::to_string(i + 1) + ".png";
        out.write(folder + picture, encodePng(renderCreature(bosses[i].look, 160, 160)));
        const std::string body = "<h1>" + std::string(chapter.title) + "</h1>\n<p>" + chapter.text + "</p>\n<div class=\"boss\"><img src=\"" +
                                 picture + "\" alt=\"" + bosses[i].name + "\"><br>ボス：" + bosses[i].name + "　／　舞台：" +
                                 chapter.place + "</div>\n<p class=\"note\">このページを閉じると戦闘が始まります。</p>\n";
        out.write(folder + pageFile(std::to_string(i + 1)), pageHtml(chapter.title, body));
    }
    out.write(folder + pageFile("clear"),
              pageHtml("混沌の城　クリア",
                       "<h1>世界に光が戻った</h1>\n<p>カオス・グレヴァードは倒れ、空をおおっていた闇が晴れていく。<br>"
                       "旅の途中で戦ったボスたちも、今では遠くから拍手を送っているようだ。<br>"
                       "おめでとう！　あなたとあなたのモンスターは、真の勇者だ。</p>\n"
                       "<p class=\"note\">次は自分だけのモンスターを作って、ほかのシナリオやネット対戦にも挑戦してみよう。</p>\n"));
    out.write(folder + pageFile("fail"),
              pageHtml("混沌の城　挑戦失敗",
                       "<h1>旅はここで終わった……</h1>\n<p>混沌の力は、まだあなたの前に立ちはだかっている。<br>"
                       "技の組み合わせや属性を見直して、もう一度挑戦しよう。</p>\n"
                       "<p class=\"note\">ヒント：ボスの弱点になる属性の技や、状態回復の技が役に立ちます。</p>\n"));
}

}  // namespace vex::assets
