<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>BattleText</name>
    <message>
        <source>ブチ切れ</source>
        <translation>Enraged</translation>
    </message>
    <message>
        <source>感情↑</source>
        <translation>Emotion↑</translation>
    </message>
    <message>
        <source>落ち込み</source>
        <translation>Downcast</translation>
    </message>
    <message>
        <source>感情↓</source>
        <translation>Emotion↓</translation>
    </message>
    <message>
        <source>？？？</source>
        <translation>???</translation>
    </message>
    <message>
        <source>分身攻撃</source>
        <translation>Double Attack</translation>
    </message>
    <message>
        <source>能力+30%</source>
        <translation>Stats+30%</translation>
    </message>
    <message>
        <source>能力-20%</source>
        <translation>Stats-20%</translation>
    </message>
    <message>
        <source>飛行</source>
        <translation>Flying</translation>
    </message>
    <message>
        <source>オートスパイ</source>
        <translation>Auto Spy</translation>
    </message>
    <message>
        <source>攻撃力が高い</source>
        <translation>High attack</translation>
    </message>
    <message>
        <source>防御力が高い</source>
        <translation>High defence</translation>
    </message>
    <message>
        <source>素早さが高い</source>
        <translation>High speed</translation>
    </message>
    <message>
        <source>覚醒</source>
        <translation>Awaken</translation>
    </message>
    <message>
        <source>覚醒終了</source>
        <translation>Awaken End</translation>
    </message>
    <message>
        <source>クリティカル</source>
        <translation>Critical</translation>
    </message>
    <message>
        <source>先読み</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>受け身</source>
        <translation>Break Fall</translation>
    </message>
    <message>
        <source>防御貫通</source>
        <translation>Guard Pierced</translation>
    </message>
    <message>
        <source>壁砕き</source>
        <translation>Wall Breaker</translation>
    </message>
    <message>
        <source>鉄壁</source>
        <translation>Iron Wall</translation>
    </message>
    <message>
        <source>鉄壁貫通</source>
        <translation>Wall Pierced</translation>
    </message>
    <message>
        <source>貫通</source>
        <translation>Penetrate</translation>
    </message>
    <message>
        <source>急所外し</source>
        <translation>Vital Guard</translation>
    </message>
    <message>
        <source>大洪水</source>
        <translation>Great Flood</translation>
    </message>
    <message>
        <source>猛吹雪</source>
        <translation>Blizzard</translation>
    </message>
    <message>
        <source>能力+20%</source>
        <translation>Stats+20%</translation>
    </message>
    <message>
        <source>マヒ</source>
        <translation>Paralysed</translation>
    </message>
    <message>
        <source>混乱</source>
        <translation>Confused</translation>
    </message>
    <message>
        <source>罠</source>
        <translation>Trap</translation>
    </message>
    <message>
        <source>転んだ！！</source>
        <translation>Fell down!!</translation>
    </message>
    <message>
        <source>スコープ</source>
        <translation>Scope</translation>
    </message>
    <message>
        <source>ファースト</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>状態回復</source>
        <translation>Cure</translation>
    </message>
    <message>
        <source>状態全快</source>
        <translation>Full Cure</translation>
    </message>
    <message>
        <source>攻撃↑</source>
        <translation>Attack↑</translation>
    </message>
    <message>
        <source>防御↑</source>
        <translation>Defence↑</translation>
    </message>
    <message>
        <source>速さ↑</source>
        <translation>Speed↑</translation>
    </message>
    <message>
        <source>失敗</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>SPﾀﾞﾒｰｼﾞ</source>
        <translation>SP damage</translation>
    </message>
    <message>
        <source>最終奥義</source>
        <translation>Final Art</translation>
    </message>
    <message>
        <source>弾倉補充</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>特殊吸収</source>
        <translation>Steal Move</translation>
    </message>
    <message>
        <source>浄化の炎</source>
        <translation>Purifying Fire</translation>
    </message>
    <message>
        <source>攻撃↓</source>
        <translation>Attack↓</translation>
    </message>
    <message>
        <source>防御↓</source>
        <translation>Defence↓</translation>
    </message>
    <message>
        <source>速さ↓</source>
        <translation>Speed↓</translation>
    </message>
    <message>
        <source>LUCK↑</source>
        <translation>LUCK↑</translation>
    </message>
    <message>
        <source>ｴｸｽﾁｪﾝｼﾞ</source>
        <translation>Exchange</translation>
    </message>
    <message>
        <source>チェンジ</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>解除</source>
        <translation>Dispel</translation>
    </message>
    <message>
        <source>挑発</source>
        <translation>Taunt</translation>
    </message>
    <message>
        <source>タメ</source>
        <translation>Charge</translation>
    </message>
    <message>
        <source>毒</source>
        <translation>Poison</translation>
    </message>
    <message>
        <source>命中UP</source>
        <translation>Accuracy Up</translation>
    </message>
    <message>
        <source>状態防御</source>
        <translation>Status Guard</translation>
    </message>
    <message>
        <source>転倒</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>攻撃封印</source>
        <translation>Attack Sealed</translation>
    </message>
    <message>
        <source>補助封印</source>
        <translation>Support Sealed</translation>
    </message>
    <message>
        <source>特殊封印</source>
        <translation>Special Sealed</translation>
    </message>
    <message>
        <source>全封印</source>
        <translation>All Sealed</translation>
    </message>
    <message>
        <source>自然回復</source>
        <translation>Regenerate</translation>
    </message>
    <message>
        <source>SPｽﾄｯﾌﾟ</source>
        <translation>SP Stop</translation>
    </message>
    <message>
        <source>集中</source>
        <translation>Focus</translation>
    </message>
    <message>
        <source>奇跡</source>
        <translation>Miracle</translation>
    </message>
    <message>
        <source>呪縛</source>
        <translation>Curse Bind</translation>
    </message>
    <message>
        <source>幻覚</source>
        <translation>Illusion</translation>
    </message>
    <message>
        <source>パニック</source>
        <translation>Panic</translation>
    </message>
    <message>
        <source>クローク</source>
        <translation>Cloak</translation>
    </message>
    <message>
        <source>ヴェノム</source>
        <translation>Venom</translation>
    </message>
    <message>
        <source>無効</source>
        <translation>No effect</translation>
    </message>
    <message>
        <source>消費半分</source>
        <translation>Half cost</translation>
    </message>
    <message>
        <source>消費２倍</source>
        <translation>Double cost</translation>
    </message>
    <message>
        <source>ガッツ</source>
        <translation>Guts</translation>
    </message>
    <message>
        <source>ゾンビ</source>
        <translation>Zombie</translation>
    </message>
    <message>
        <source>効果無し</source>
        <translation>No effect</translation>
    </message>
    <message>
        <source>ファイナルアタック</source>
        <translation>FINAL ATTACK</translation>
    </message>
    <message>
        <source>背水の陣</source>
        <translation>Last Stand</translation>
    </message>
    <message>
        <source>バーサーク</source>
        <translation>Berserk</translation>
    </message>
    <message>
        <source>ラッキー</source>
        <translation>Lucky</translation>
    </message>
    <message>
        <source>ＷＩＮ！！</source>
        <translation>WIN!!</translation>
    </message>
    <message>
        <source>大敗北！！</source>
        <translation>CRUSHED!!</translation>
    </message>
    <message>
        <source>ＬＯＳＥ・・・</source>
        <translation>LOSE...</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
のモンスターが挑んできた！</source>
        <translation>%1<byte value="xd"/>
challenges you with a monster!</translation>
    </message>
    <message>
        <source>第一回大会優勝者</source>
        <translation>The winner of the first tournament</translation>
    </message>
    <message>
        <source>第二回大会優勝者</source>
        <translation>The winner of the second tournament</translation>
    </message>
</context>
<context>
    <name>CommandRow</name>
    <message>
        <source>何もしない</source>
        <translation>Do nothing</translation>
    </message>
</context>
<context>
    <name>EditorRules</name>
    <message>
        <source>自%1  敵%2</source>
        <translation>self %1  foe %2</translation>
    </message>
    <message>
        <source>\ / : &lt; &gt; * ? | は使えません</source>
        <translation>\ / : &lt; &gt; * ? | cannot be used</translation>
    </message>
    <message>
        <source>この文字は使えません</source>
        <translation>This character cannot be used</translation>
    </message>
    <message>
        <source>表示されるサイズは%1×%2です</source>
        <translation>Shown at %1×%2</translation>
    </message>
    <message>
        <source>全角%1文字（半角%2文字）までです</source>
        <translation>At most %1 full-width (%2 half-width) characters</translation>
    </message>
</context>
<context>
    <name>HitBreakdown</name>
    <message>
        <source>無</source>
        <translation>None</translation>
    </message>
    <message>
        <source>乱数 %1</source>
        <translation>draw %1</translation>
    </message>
    <message>
        <source>防御無視</source>
        <translation>ignore DEF</translation>
    </message>
    <message>
        <source>クリティカル</source>
        <translation>critical</translation>
    </message>
    <message>
        <source>突撃</source>
        <translation>rush</translation>
    </message>
    <message>
        <source>突撃へ</source>
        <translation>into rush</translation>
    </message>
    <message>
        <source>封印</source>
        <translation>sealed</translation>
    </message>
    <message>
        <source>先読み</source>
        <translation>read ahead</translation>
    </message>
    <message>
        <source>属性</source>
        <translation>element</translation>
    </message>
    <message>
        <source>SPﾌﾞﾗｽﾄ上限</source>
        <translation>SP blast cap</translation>
    </message>
    <message>
        <source>パワフル</source>
        <translation>powerful</translation>
    </message>
    <message>
        <source>状態防御</source>
        <translation>status guard</translation>
    </message>
    <message>
        <source>受け身</source>
        <translation>breakfall</translation>
    </message>
    <message>
        <source>防御</source>
        <translation>defend</translation>
    </message>
    <message>
        <source>防御貫通</source>
        <translation>defence pierce</translation>
    </message>
    <message>
        <source>壁砕き</source>
        <translation>wall break</translation>
    </message>
    <message>
        <source>地中</source>
        <translation>underground</translation>
    </message>
    <message>
        <source>最低保証</source>
        <translation>floor</translation>
    </message>
    <message>
        <source>飛行中</source>
        <translation>flying</translation>
    </message>
    <message>
        <source>ｸﾛｽｶｳﾝﾀｰ</source>
        <translation>cross counter</translation>
    </message>
    <message>
        <source>乱れ打ち</source>
        <translation>flurry</translation>
    </message>
    <message>
        <source>鉄壁</source>
        <translation>iron wall</translation>
    </message>
    <message>
        <source>鉄壁貫通</source>
        <translation>iron wall pierce</translation>
    </message>
    <message>
        <source>貫通</source>
        <translation>pierce</translation>
    </message>
    <message>
        <source>感情</source>
        <translation>emotion</translation>
    </message>
    <message>
        <source>ボス</source>
        <translation>boss</translation>
    </message>
    <message>
        <source>最大HP/7</source>
        <translation>max HP/7</translation>
    </message>
    <message>
        <source>急所外し</source>
        <translation>vital guard</translation>
    </message>
    <message>
        <source>残りHP</source>
        <translation>HP left</translation>
    </message>
    <message>
        <source>ガッツ</source>
        <translation>guts</translation>
    </message>
    <message>
        <source>分身</source>
        <translation>clone</translation>
    </message>
    <message>
        <source>見切り</source>
        <translation>foresight</translation>
    </message>
    <message>
        <source>必中</source>
        <translation>sure hit</translation>
    </message>
    <message>
        <source>ラッキー</source>
        <translation>lucky</translation>
    </message>
    <message>
        <source>空中</source>
        <translation>in the air</translation>
    </message>
    <message>
        <source>見切られた</source>
        <translation>read</translation>
    </message>
    <message>
        <source>ｶｳﾝﾀｰ </source>
        <translation>Counter </translation>
    </message>
    <message>
        <source>反撃 </source>
        <translation>Strike back </translation>
    </message>
    <message>
        <source>追撃 </source>
        <translation>Pursuit </translation>
    </message>
    <message>
        <source>分身 </source>
        <translation>Clone </translation>
    </message>
    <message>
        <source>命中 %1</source>
        <translation>hit %1</translation>
    </message>
    <message>
        <source>本体 %1</source>
        <translation>body %1</translation>
    </message>
    <message>
        <source>威力 %1</source>
        <translation>power %1</translation>
    </message>
    <message>
        <source>%1ターン</source>
        <translation>%1 turns</translation>
    </message>
    <message>
        <source>無効</source>
        <translation>blocked</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>none</translation>
    </message>
    <message>
        <source>ｶｳﾝﾀｰ</source>
        <translation>counter</translation>
    </message>
    <message>
        <source>%1Ｐ %2 の攻撃（ターン %3）</source>
        <translation>%1P %2 attacks (turn %3)</translation>
    </message>
    <message>
        <source>（HP −%1）</source>
        <translation> (HP −%1)</translation>
    </message>
</context>
<context>
    <name>LanguageChoiceBox</name>
    <message>
        <source>言語 (Language)</source>
        <translation>Language (言語)</translation>
    </message>
    <message>
        <source>自動</source>
        <translation>Automatic</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>フォルダが見つかりません: </source>
        <translation>Folder not found: </translation>
    </message>
    <message>
        <source>注意</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>このフォルダには書き込めません: </source>
        <translation>This folder cannot be written: </translation>
    </message>
    <message>
        <source>
設定やモンスターは保存できません</source>
        <translation>
Options and monsters cannot be saved</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>設定不可</source>
        <translation>Not possible</translation>
    </message>
    <message>
        <source>対戦相手がレアキャラを<byte value="xd"/>
有効にしているため大会ルールは<byte value="xd"/>
適用できません</source>
        <translation>Your opponent allows rare monsters,<byte value="xd"/>
so tournament rules<byte value="xd"/>
cannot be applied</translation>
    </message>
    <message>
        <source>注意</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>このデータは使用できません</source>
        <translation>This monster cannot be used</translation>
    </message>
    <message>
        <source><byte value="xd"/>
は不正なデータです。<byte value="xd"/>
別のキャラを読み込みます</source>
        <translation><byte value="xd"/>
is not valid.<byte value="xd"/>
Another monster will be loaded</translation>
    </message>
    <message>
        <source>勝ち抜き戦では使用できません</source>
        <translation>Cannot be used in elimination</translation>
    </message>
    <message>
        <source>このモードでは使用できません</source>
        <translation>Cannot be used in this mode</translation>
    </message>
    <message>
        <source>不正に改造されたデータの可能性があります。</source>
        <translation>The file may have been tampered with.</translation>
    </message>
    <message>
        <source>不正なデータです（ＡＴＫ・ＤＥＦ・ＳＰＤの合計が 1000 を超えています）。</source>
        <translation>Not valid (ATK, DEF and SPD add up to more than 1000).</translation>
    </message>
    <message>
        <source>大会ルールでこのキャラは使えません</source>
        <translation>This monster cannot be used under tournament rules</translation>
    </message>
    <message>
        <source>レアキャラです。「レアキャラ使用可」が有効になっていません。</source>
        <translation>A rare monster, and &quot;Allow rare monsters&quot; is not on.</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>まずは「1Ｐロード」で、戦わせるモンスターを読み込んでください。</source>
        <translation>First load your fighting monster with &quot;Load 1P&quot;.</translation>
    </message>
    <message>
        <source>次に「2Ｐロード」で、対戦相手のモンスターを読み込んでください。</source>
        <translation>Next load the opponent with &quot;Load 2P&quot;.</translation>
    </message>
    <message>
        <source>準備ができました。「スタート」で対戦が始まります。（「設定」でＨＰやターン数を変えられます）</source>
        <translation>Ready. &quot;Start&quot; begins the battle (&quot;Settings&quot; changes HP and turns).</translation>
    </message>
    <message>
        <source>まずは「1Ｐロード」で、1人目のモンスターを読み込んでください。</source>
        <translation>First load player 1&apos;s monster with &quot;Load 1P&quot;.</translation>
    </message>
    <message>
        <source>次に「2Ｐロード」で、2人目のモンスターを読み込んでください。</source>
        <translation>Next load player 2&apos;s monster with &quot;Load 2P&quot;.</translation>
    </message>
    <message>
        <source>準備ができました。「スタート」で対戦が始まります。1Ｐは左、2Ｐは右のキーでコマンドを選びます。</source>
        <translation>Ready. &quot;Start&quot; begins the battle. 1P chooses with the left keys, 2P with the right.</translation>
    </message>
    <message>
        <source>まずは「1Ｐロード」で、勝ち抜き戦に挑むモンスターを読み込んでください。</source>
        <translation>First load your challenger with &quot;Load 1P&quot;.</translation>
    </message>
    <message>
        <source>「スタート」で次の相手が現れます。</source>
        <translation>&quot;Start&quot; brings on the next opponent.</translation>
    </message>
    <message>
        <source>準備ができました。「スタート」で勝ち抜き戦が始まります。相手は Data フォルダから現れます。</source>
        <translation>Ready. &quot;Start&quot; begins the elimination; opponents come from the Data folder.</translation>
    </message>
    <message>
        <source>ネット対戦</source>
        <translation>Network battle</translation>
    </message>
    <message>
        <source>対戦相手のデータがまだ届いていません</source>
        <translation>The opponent&apos;s monster has not arrived yet</translation>
    </message>
    <message>
        <source>相手の準備を待っています。（チャット欄で話しかけることもできます）</source>
        <translation>Waiting for the opponent (you can chat meanwhile).</translation>
    </message>
    <message>
        <source>「1Ｐロード」で対戦に使うモンスターを読み込み、「決定」で対戦を始めます。</source>
        <translation>Load your monster with &quot;Load 1P&quot; and press &quot;OK&quot; to battle.</translation>
    </message>
    <message>
        <source>準備ができたら「決定」を押してください。両者が決定すると対戦が始まります。</source>
        <translation>Press &quot;OK&quot; when ready. The battle starts when both have.</translation>
    </message>
    <message>
        <source>相手のモンスター「%1」は使えません。<byte value="xd"/>
%2</source>
        <translation>The opponent&apos;s monster &quot;%1&quot; cannot be used.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
は不正なデータです。<byte value="xd"/>
別のキャラを読み込みます</source>
        <translation>%1<byte value="xd"/>
is not valid.<byte value="xd"/>
Another monster will be loaded</translation>
    </message>
    <message>
        <source><byte value="xd"/>
エラーが発生しました<byte value="xd"/>
%1</source>
        <translation><byte value="xd"/>
An error occurred<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
は不正に改造されたデータです。<byte value="xd"/>
正規のデータを使用してください。</source>
        <translation>%1<byte value="xd"/>
has been tampered with.<byte value="xd"/>
Please use a genuine file.</translation>
    </message>
    <message>
        <source>画像の読み込み</source>
        <translation>Load picture</translation>
    </message>
    <message>
        <source>有効なアイコンではありません</source>
        <translation>Not a usable picture</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>すべてのデータをクリアします。<byte value="xd"/>よろしいですか？</source>
        <translation>All data will be cleared.<byte value="xd"/>Are you sure?</translation>
    </message>
    <message>
        <source>戦績を戻します。<byte value="xd"/>よろしいですか？</source>
        <translation>The record will be reset.<byte value="xd"/>Are you sure?</translation>
    </message>
    <message>
        <source>エディットを終了します。</source>
        <translation>The editor will close.</translation>
    </message>
    <message>
        <source>保存されていない変更は失われます。<byte value="xd"/>
エディットを終了します。</source>
        <translation>Unsaved changes will be lost.<byte value="xd"/>
The editor will close.</translation>
    </message>
    <message>
        <source>保存されていない変更は失われます。<byte value="xd"/>
別のデータを読み込みますか？</source>
        <translation>Unsaved changes will be lost.<byte value="xd"/>
Load another monster?</translation>
    </message>
    <message>
        <source>保存されていない変更は失われます。<byte value="xd"/>
すべてのデータをクリアします。<byte value="xd"/>よろしいですか？</source>
        <translation>Unsaved changes will be lost.<byte value="xd"/>
All data will be cleared.<byte value="xd"/>Are you sure?</translation>
    </message>
    <message>
        <source>読み込みエラー</source>
        <translation>Load error</translation>
    </message>
    <message>
        <source>このデータは読み込めません<byte value="xd"/>
システムデータです。</source>
        <translation>This monster cannot be loaded:<byte value="xd"/>
it is system data.</translation>
    </message>
    <message>
        <source>敵データを消去します</source>
        <translation>The boss will be deleted</translation>
    </message>
    <message>
        <source>画像が設定されていません<byte value="xd"/>
<byte value="xd"/>
「画像読み込み」で設定してください</source>
        <translation>No picture is set<byte value="xd"/>
<byte value="xd"/>
Set one with &quot;Load picture&quot;</translation>
    </message>
    <message>
        <source>モンスターを保存するフォルダを選択してください<byte value="xd"/>※ 保存したファイル名は変更しないでください</source>
        <translation>Choose the folder to save the monster in<byte value="xd"/>* Do not rename the saved file</translation>
    </message>
    <message>
        <source>ファイル上書きの確認</source>
        <translation>Overwrite file?</translation>
    </message>
    <message>
        <source>すでに同じ名前のデータがあります<byte value="xd"/>
<byte value="xd"/>
上書きしますか？</source>
        <translation>A monster of the same name exists<byte value="xd"/>
<byte value="xd"/>
Overwrite it?</translation>
    </message>
    <message>
        <source>ﾊﾟｽﾜｰﾄﾞ入力</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>ﾊﾟｽﾜｰﾄﾞが正しくありません。もう一度入力してください !</source>
        <translation>Wrong password. Please try again!</translation>
    </message>
    <message>
        <source>ターン %1 でリプレイと対戦が一致しなくなりました</source>
        <translation>At turn %1 the replay and the battle no longer agree</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
を削除しますか？</source>
        <translation>Delete<byte value="xd"/>
%1?</translation>
    </message>
    <message>
        <source>ファイルを削除できません: %1</source>
        <translation>The file cannot be deleted: %1</translation>
    </message>
    <message>
        <source>「%1」は既にあります。<byte value="xd"/>
上書きしますか？</source>
        <translation>&quot;%1&quot; exists already.<byte value="xd"/>
Overwrite it?</translation>
    </message>
    <message>
        <source>派生スキル<byte value="xd"/>『 %1 』<byte value="xd"/>があるため外すことができません</source>
        <translation>Cannot be removed while<byte value="xd"/>&quot;%1&quot;<byte value="xd"/>(a derived skill) is set</translation>
    </message>
    <message>
        <source>このファイルのサイズは%1バイトです<byte value="xd"/>
画像は%2バイトまでです<byte value="xd"/>
もっとサイズが小さい画像を指定してください</source>
        <translation>This file is %1 bytes<byte value="xd"/>
Pictures may be up to %2 bytes<byte value="xd"/>
Please choose a smaller picture</translation>
    </message>
    <message>
        <source> アイコンファイルが %1 に存在しません </source>
        <translation> The picture file %1 does not exist </translation>
    </message>
    <message>
        <source>相手が対戦の準備を取りやめました。<byte value="xd"/>
%1</source>
        <translation>The opponent called off the battle.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>二つのゲームの対戦内容が一致しなくなりました（%1 ターン目）。<byte value="xd"/>
対戦を中止します。この対戦の記録は保存されません。</source>
        <translation>The two games no longer agree on the battle (turn %1).<byte value="xd"/>
The battle is stopped and not recorded.</translation>
    </message>
    <message>
        <source>削除確認</source>
        <translation>Delete?</translation>
    </message>
    <message>
        <source>難易度チェック</source>
        <translation>Difficulty check</translation>
    </message>
    <message>
        <source>シナリオを保存してから実行してください</source>
        <translation>Save the scenario first</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>ネット対戦を終了します</source>
        <translation>The network battle will end</translation>
    </message>
    <message>
        <source>リプレイ</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>ファイル出力の完了</source>
        <translation>Files written</translation>
    </message>
    <message>
        <source>対戦相手と接続していません</source>
        <translation>Not connected to an opponent</translation>
    </message>
    <message>
        <source>対戦中か存在してしません</source>
        <translation>The host is in a battle or does not exist</translation>
    </message>
    <message>
        <source>相手のモンスターのデータを読み込めませんでした。<byte value="xd"/>
%1</source>
        <translation>The opponent&apos;s monster could not be read.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>このモンスターのファイルは %1 バイトあり、相手のゲームには送れません（%2 バイトまで）。画像の小さいモンスターを使ってください。</source>
        <translation>This monster&apos;s file is %1 bytes and cannot be sent to the opponent&apos;s game (up to %2 bytes). Use a monster with a smaller picture.</translation>
    </message>
    <message>
        <source>別のアドレス（%1）からの接続を断りました。</source>
        <translation>A connection from another address (%1) was refused.</translation>
    </message>
    <message>
        <source>サーバーの設定はこのゲームでは使えません：%1</source>
        <translation>The host&apos;s settings cannot be used in this game: %1</translation>
    </message>
    <message>
        <source>対戦相手の確認ができない接続を断りました。</source>
        <translation>A connection whose opponent could not be confirmed was refused.</translation>
    </message>
    <message>
        <source>初期ＨＰ %1</source>
        <translation>Starting HP %1</translation>
    </message>
    <message>
        <source>初期ＳＰ %1</source>
        <translation>Starting SP %1</translation>
    </message>
    <message>
        <source>ターン制限 %1</source>
        <translation>Turn limit %1</translation>
    </message>
    <message>
        <source>ステージ %1</source>
        <translation>Stage %1</translation>
    </message>
    <message>
        <source>ハンドル名</source>
        <translation>The handle</translation>
    </message>
    <message>
        <source>%1 has characters that cannot be sent</source>
        <translation>%1 has characters that cannot be sent</translation>
    </message>
    <message>
        <source>%1 must not contain &quot;//&quot;</source>
        <translation>%1 must not contain &quot;//&quot;</translation>
    </message>
    <message>
        <source>%1 must not contain &quot;*END&quot;</source>
        <translation>%1 must not contain &quot;*END&quot;</translation>
    </message>
    <message>
        <source>%1: it cannot be sent to the opponent.</source>
        <translation>%1: it cannot be sent to the opponent.</translation>
    </message>
    <message>
        <source>相手がレアキャラの使用を有効にしました</source>
        <translation>The opponent allowed rare monsters</translation>
    </message>
    <message>
        <source>相手がレアキャラの使用を無効にしました</source>
        <translation>The opponent disallowed rare monsters</translation>
    </message>
    <message>
        <source>%1さんが接続しました</source>
        <translation>%1 has connected</translation>
    </message>
    <message>
        <source>%受信完了しました</source>
        <translation>% received</translation>
    </message>
    <message>
        <source>データ受信完了しました</source>
        <translation>Monster received</translation>
    </message>
    <message>
        <source>次ターン開始時にセリフが表示されます</source>
        <translation>The line shows when the next turn starts</translation>
    </message>
    <message>
        <source>相手が切断しました。</source>
        <translation>The opponent disconnected.</translation>
    </message>
    <message>
        <source>サーバーが切断しました。</source>
        <translation>The host disconnected.</translation>
    </message>
    <message>
        <source>相手の本体のバージョンが同じではありません。<byte value="xd"/>
エラーが起こる可能性があります。</source>
        <translation>The opponent&apos;s game is another version.<byte value="xd"/>
Errors may occur.</translation>
    </message>
    <message>
        <source>対戦不可能</source>
        <translation>Cannot battle</translation>
    </message>
    <message>
        <source>対戦相手は最新版を使用していません。<byte value="xd"/>
<byte value="xd"/>
対戦はできませんので最新版をダウンロード<byte value="xd"/>
<byte value="xd"/>
してもらってください。</source>
        <translation>The opponent is not using the latest version.<byte value="xd"/>
<byte value="xd"/>
You cannot battle: please ask them to download<byte value="xd"/>
<byte value="xd"/>
the latest version.</translation>
    </message>
    <message>
        <source>相手がレアキャラの使用を許可していません</source>
        <translation>The opponent does not allow rare monsters</translation>
    </message>
    <message>
        <source>画像処理ライブラリ %1 を読み込めないため、戦闘画面を開けません。</source>
        <translation>The battle screen cannot open: the picture library %1 cannot be loaded.</translation>
    </message>
    <message>
        <source>%1：ありません</source>
        <translation>%1: missing</translation>
    </message>
    <message>
        <source>%1：読み込めません</source>
        <translation>%1: cannot be loaded</translation>
    </message>
    <message>
        <source>%1：版が合いません</source>
        <translation>%1: wrong version</translation>
    </message>
    <message>
        <source>%1：%2 がありません</source>
        <translation>%1: %2 is missing</translation>
    </message>
    <message>
        <source>Image\setting.txt: 値が足りません（%1行目の後）</source>
        <translation>Image\setting.txt: values missing (after line %1)</translation>
    </message>
    <message>
        <source>Image\setting.txt: %1行目の「%2」は%3ではありません</source>
        <translation>Image\setting.txt: &quot;%2&quot; on line %1 is not a %3</translation>
    </message>
    <message>
        <source>数値</source>
        <translation>number</translation>
    </message>
    <message>
        <source>色</source>
        <translation>colour</translation>
    </message>
    <message>
        <source>%1 を読み込めません</source>
        <translation>%1 cannot be loaded</translation>
    </message>
    <message>
        <source>%1 がありません</source>
        <translation>%1 is missing</translation>
    </message>
    <message>
        <source>リプレイファイルが壊れています（%1）</source>
        <translation>The replay file is damaged (%1)</translation>
    </message>
    <message>
        <source>%1 が範囲外です</source>
        <translation>%1 is out of range</translation>
    </message>
    <message>
        <source>コマンドが読めません</source>
        <translation>a command cannot be read</translation>
    </message>
    <message>
        <source>コマンドが範囲外です</source>
        <translation>a command is out of range</translation>
    </message>
    <message>
        <source>ヘッダーが読めません</source>
        <translation>the header cannot be read</translation>
    </message>
    <message>
        <source>モンスターが2体ありません</source>
        <translation>it does not hold two monsters</translation>
    </message>
    <message>
        <source>モンスターが読めません</source>
        <translation>a monster cannot be read</translation>
    </message>
    <message>
        <source>大きすぎます</source>
        <translation>too large</translation>
    </message>
    <message>
        <source>リプレイファイルではありません</source>
        <translation>not a replay file</translation>
    </message>
    <message>
        <source>ヘッダーがありません</source>
        <translation>the header is missing</translation>
    </message>
    <message>
        <source>ターンが多すぎます</source>
        <translation>too many turns</translation>
    </message>
    <message>
        <source>ターン %1</source>
        <translation>turn %1</translation>
    </message>
    <message>
        <source>%1 が読めません</source>
        <translation>%1 cannot be read</translation>
    </message>
    <message>
        <source>%1 の番号が違います</source>
        <translation>%1 has the wrong number</translation>
    </message>
    <message>
        <source>%1 のコマンドが読めません</source>
        <translation>the commands of %1 cannot be read</translation>
    </message>
    <message>
        <source>%1 のハッシュが読めません</source>
        <translation>the hash of %1 cannot be read</translation>
    </message>
    <message>
        <source>形式が違います</source>
        <translation>wrong format</translation>
    </message>
    <message>
        <source>リプレイのモンスター %1 が読めません（%2）</source>
        <translation>The replay&apos;s monster %1 cannot be read (%2)</translation>
    </message>
    <message>
        <source>リプレイを記録できません</source>
        <translation>The replay cannot be recorded</translation>
    </message>
    <message>
        <source>シナリオファイルを読み込めません。ファイルが壊れています。</source>
        <translation>The scenario file cannot be loaded. The file is damaged.</translation>
    </message>
    <message>
        <source>シナリオファイルを読み込めません。ファイル名が変更されたか、ファイルが壊れています。</source>
        <translation>The scenario file cannot be loaded. It was renamed or is damaged.</translation>
    </message>
    <message>
        <source> ボスデータがありません%1</source>
        <translation> Boss file missing: %1</translation>
    </message>
    <message>
        <source> 勝ち抜き戦を中断します </source>
        <translation> The elimination stops </translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;あなたは負けてしまいました。&#x3000;&#x3000;&#x3000;<byte value="xd"/>
<byte value="xd"/>
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Ｇ Ａ Ｍ Ｅ&#x3000; Ｏ Ｖ Ｅ Ｒ</source>
        <translation>   You have been defeated.   <byte value="xd"/>
<byte value="xd"/>
      G A M E  O V E R</translation>
    </message>
    <message>
        <source>コンティニュー：%1</source>
        <translation>Continue: %1</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;あなたは負けてしまいました。<byte value="xd"/>
<byte value="xd"/>
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;再戦しますか？</source>
        <translation>   You have been defeated.<byte value="xd"/>
<byte value="xd"/>
      Fight again?</translation>
    </message>
    <message>
        <source>シナリオ</source>
        <translation>Scenario</translation>
    </message>
    <message>
        <source>このシナリオにはもう戦う相手がいません</source>
        <translation>This scenario has no opponents left</translation>
    </message>
    <message>
        <source>まずは「1Ｐロード」で、シナリオに挑むモンスターを読み込んでください。</source>
        <translation>First load your challenger with &quot;Load 1P&quot;.</translation>
    </message>
    <message>
        <source>「スタート」で次の敵が現れます。</source>
        <translation>&quot;Start&quot; brings on the next enemy.</translation>
    </message>
    <message>
        <source>準備ができました。「スタート」でシナリオが始まります。</source>
        <translation>Ready. &quot;Start&quot; begins the scenario.</translation>
    </message>
    <message>
        <source>画像ファイルが大きすぎます（%1バイトまで）</source>
        <translation>The picture file is too large (up to %1 bytes)</translation>
    </message>
    <message>
        <source>画像の形式が使えません（使えるのは ico・gif・bmp・jpg・png の画像です）</source>
        <translation>This picture format cannot be used (ico, gif, bmp, jpg and png can)</translation>
    </message>
    <message>
        <source>画像の大きさが読み取れません</source>
        <translation>The size of the picture cannot be read</translation>
    </message>
    <message>
        <source>画像が大きすぎます（幅も高さも%1ピクセルまで）</source>
        <translation>The picture is too large (up to %1 pixels wide and high)</translation>
    </message>
    <message>
        <source>画像が大きすぎます（%1ピクセルまで）</source>
        <translation>The picture is too large (up to %1 pixels)</translation>
    </message>
    <message>
        <source>画像が細長すぎます（長い辺は短い辺の%1倍まで）</source>
        <translation>The picture is too narrow (the long side up to %1 times the short one)</translation>
    </message>
    <message>
        <source>ファイルが見つかりません: %1</source>
        <translation>File not found: %1</translation>
    </message>
    <message>
        <source>ファイルを読み込めません: %1</source>
        <translation>The file cannot be read: %1</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます: %1</source>
        <translation>The file is too large: %1</translation>
    </message>
    <message>
        <source>ファイルを開けません: %1</source>
        <translation>The file cannot be opened: %1</translation>
    </message>
    <message>
        <source>ファイルを書き込めません: %1 (%2)</source>
        <translation>The file cannot be written: %1 (%2)</translation>
    </message>
    <message>
        <source>変換しました（%1）</source>
        <translation>Converted (%1)</translation>
    </message>
    <message>
        <source>変換しました（%1）。画像は埋め込みませんでした：%2</source>
        <translation>Converted (%1). The picture was not embedded: %2</translation>
    </message>
    <message>
        <source>%1。元のデータは削除できませんでした</source>
        <translation>%1. The original file could not be deleted</translation>
    </message>
    <message>
        <source>画像が設定されていません</source>
        <translation>No picture is set</translation>
    </message>
    <message>
        <source>画像ファイルが見つかりません</source>
        <translation>The picture file cannot be found</translation>
    </message>
    <message>
        <source>その他のエラー</source>
        <translation>Other error</translation>
    </message>
    <message>
        <source>その他のエラー - %1</source>
        <translation>Other error - %1</translation>
    </message>
    <message>
        <source>能力値の合計が1000を超えているため変換しません</source>
        <translation>Not converted: the abilities add up to more than 1000</translation>
    </message>
    <message>
        <source>システムデータのため変換しません</source>
        <translation>Not converted: system data</translation>
    </message>
    <message>
        <source>同じ名前のモンスターファイルがあるため変換しません</source>
        <translation>Not converted: a monster file of the same name exists</translation>
    </message>
    <message>
        <source>名前がファイル名に使えないため変換しません</source>
        <translation>Not converted: the name cannot be used as a file name</translation>
    </message>
    <message>
        <source>画像がシンボリックリンクです</source>
        <translation>The picture is a symbolic link</translation>
    </message>
    <message>
        <source>フォルダが見つかりません: %1</source>
        <translation>Folder not found: %1</translation>
    </message>
    <message>
        <source>デバイスが準備されていません</source>
        <translation>The device is not ready</translation>
    </message>
    <message>
        <source>設定ﾌｧｲﾙ名</source>
        <translation>settings file name</translation>
    </message>
    <message>
        <source>サーバ名(ｱﾄﾞﾚｽ)</source>
        <translation>server name (address)</translation>
    </message>
    <message>
        <source>ユーザ名</source>
        <translation>user name</translation>
    </message>
    <message>
        <source>パスワード</source>
        <translation>password</translation>
    </message>
    <message>
        <source>作成html名</source>
        <translation>page name (html)</translation>
    </message>
    <message>
        <source>戦歴ﾃﾞｰﾀﾌｧｲﾙ</source>
        <translation>results list file</translation>
    </message>
    <message>
        <source>数（1-50）</source>
        <translation>count (1-50)</translation>
    </message>
    <message>
        <source>ﾛｸﾞ数の設定が不正です</source>
        <translation>The number of results is not valid</translation>
    </message>
    <message>
        <source>%1を入力してください</source>
        <translation>Please enter the %1</translation>
    </message>
    <message>
        <source>%1に使用できない文字が含まれています</source>
        <translation>The %1 contains characters that cannot be used</translation>
    </message>
    <message>
        <source>%1 に<byte value="xd"/>
<byte value="xd"/>
%2.srv を作成しました</source>
        <translation>Created %2.srv<byte value="xd"/>
<byte value="xd"/>
in %1</translation>
    </message>
    <message>
        <source>結果を報告しています。お待ちください・・・</source>
        <translation>Reporting the result. Please wait...</translation>
    </message>
    <message>
        <source>結果の報告が完了しました</source>
        <translation>The result has been reported</translation>
    </message>
    <message>
        <source>結果の報告が失敗しました</source>
        <translation>The result could not be reported</translation>
    </message>
    <message>
        <source>対戦相手のデータがありません（Data フォルダ）</source>
        <translation>There is no opponent data (Data folder)</translation>
    </message>
    <message>
        <source>対戦できるモンスターがいません（Data フォルダ）</source>
        <translation>There is no monster to fight (Data folder)</translation>
    </message>
    <message>
        <source>ＴＸ（勝ち抜き戦）</source>
        <translation>VEXMORA (elimination)</translation>
    </message>
    <message>
        <source>ＴＸ（勝ち抜き戦 %1 勝中）</source>
        <translation>VEXMORA (elimination, %1 wins)</translation>
    </message>
    <message>
        <source>%1回挑戦（戦闘 %2回）</source>
        <translation>%1 attempts (%2 battles)</translation>
    </message>
    <message>
        <source>ボス%1 %2：撃破 %3&#x3000;勝利 %4/%5戦</source>
        <translation>Boss %1 %2: beaten %3&#x3000;won %4/%5</translation>
    </message>
    <message>
        <source>%1（95%区間 %2～%3）</source>
        <translation>%1 (95% interval %2–%3)</translation>
    </message>
    <message>
        <source>クリア %1</source>
        <translation>Cleared %1</translation>
    </message>
    <message>
        <source>ボス出現前の終了 %1回</source>
        <translation>Ended before a boss appeared: %1</translation>
    </message>
    <message>
        <source>謎の敵 %1回</source>
        <translation>Mysterious enemy: %1</translation>
    </message>
    <message>
        <source>未設定です</source>
        <translation>Not set</translation>
    </message>
    <message>
        <source>無</source>
        <translation>None</translation>
    </message>
    <message>
        <source>ネット対戦結果の出力</source>
        <translation>Network battle result file</translation>
    </message>
    <message>
        <source>結果をファイルに追記します<byte value="xd"/>
<byte value="xd"/>
いいえを選ぶと上書きします</source>
        <translation>The result will be added to the file.<byte value="xd"/>
<byte value="xd"/>
Choose No to overwrite it.</translation>
    </message>
    <message>
        <source>サーバ設定ファイルを読み込めません。ファイル名が変更されたか、ファイルが壊れています。<byte value="xd"/>
%1</source>
        <translation>The server settings file cannot be read: it was renamed or is damaged.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>使用できない文字が含まれています: %1</source>
        <translation>Contains characters that cannot be used: %1</translation>
    </message>
    <message>
        <source>サーバ設定が長すぎます</source>
        <translation>The server settings are too long</translation>
    </message>
</context>
<context>
    <name>RowHelp</name>
    <message>
        <source>何もしません</source>
        <translation>Does nothing</translation>
    </message>
    <message>
        <source>    効果：</source>
        <translation>    Effect: </translation>
    </message>
    <message>
        <source>    ＳＰ：</source>
        <translation>    SP: </translation>
    </message>
    <message>
        <source>ＡＬＬ</source>
        <translation>ALL</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;あと%1回</source>
        <translation>  %1 uses left</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;残弾%1</source>
        <translation>  ammo %1</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;現在%1</source>
        <translation>  now %1</translation>
    </message>
</context>
<context>
    <name>ScaleChoiceBox</name>
    <message>
        <source>画面の大きさ</source>
        <translation>Window size</translation>
    </message>
    <message>
        <source>自動</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>１倍</source>
        <translation>×1</translation>
    </message>
    <message>
        <source>２倍</source>
        <translation>×2</translation>
    </message>
    <message>
        <source>３倍</source>
        <translation>×3</translation>
    </message>
</context>
<context>
    <name>vex::BalanceLabDialog</name>
    <message>
        <source>バランス確認 － </source>
        <translation>Balance check - </translation>
    </message>
    <message>
        <source>対戦相手のフォルダ</source>
        <translation>Opponents folder</translation>
    </message>
    <message>
        <source>参照…</source>
        <translation>Browse…</translation>
    </message>
    <message>
        <source>１体あたりの対戦数</source>
        <translation>Battles per opponent</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>相手のフォルダと対戦数を決めて「開始」を押してください</source>
        <translation>Choose the opponents folder and the number of battles, then press &quot;Start&quot;</translation>
    </message>
    <message>
        <source>相手</source>
        <translation>Opponent</translation>
    </message>
    <message>
        <source>ファイル</source>
        <translation>File</translation>
    </message>
    <message>
        <source>勝率</source>
        <translation>Win rate</translation>
    </message>
    <message>
        <source>95 % 区間</source>
        <translation>95 % interval</translation>
    </message>
    <message>
        <source>勝ち</source>
        <translation>Wins</translation>
    </message>
    <message>
        <source>負け</source>
        <translation>Losses</translation>
    </message>
    <message>
        <source>時間切れ</source>
        <translation>Time up</translation>
    </message>
    <message>
        <source>決着なし</source>
        <translation>Undecided</translation>
    </message>
    <message>
        <source>平均ターン</source>
        <translation>Avg. turns</translation>
    </message>
    <message>
        <source>技の使われ方</source>
        <translation>Technique use</translation>
    </message>
    <message>
        <source>スロット</source>
        <translation>Slot</translation>
    </message>
    <message>
        <source>技</source>
        <translation>Technique</translation>
    </message>
    <message>
        <source>選択</source>
        <translation>Chosen</translation>
    </message>
    <message>
        <source>使用</source>
        <translation>Used</translation>
    </message>
    <message>
        <source>命中</source>
        <translation>Hits</translation>
    </message>
    <message>
        <source>命中率</source>
        <translation>Hit rate</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>フォルダが見つかりません</source>
        <translation>Folder not found</translation>
    </message>
    <message>
        <source>このフォルダには対戦できるモンスターがいません</source>
        <translation>No monsters to battle in this folder</translation>
    </message>
    <message>
        <source>%1 体と %2 回ずつ対戦中…</source>
        <translation>Battling %1 monsters %2 times each…</translation>
    </message>
    <message>
        <source>中止しました</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>%1 体 × %2 回：%3 秒（%4 スレッド、毎秒 %5 戦）&#x3000;シード %6</source>
        <translation>%1 monsters × %2 battles: %3 s (%4 threads, %5 battles/s)  seed %6</translation>
    </message>
    <message>
        <source>
除外: </source>
        <translation>
Left out: </translation>
    </message>
    <message>
        <source>技の使われ方（全ての相手）</source>
        <translation>Technique use (all opponents)</translation>
    </message>
    <message>
        <source>技の使われ方（</source>
        <translation>Technique use (</translation>
    </message>
    <message>
        <source> 戦）</source>
        <translation>)</translation>
    </message>
    <message>
        <source>技%1</source>
        <translation>Tech %1</translation>
    </message>
</context>
<context>
    <name>vex::ConvertDialog</name>
    <message>
        <source>データを変換しています・・・</source>
        <translation>Converting…</translation>
    </message>
    <message>
        <source>データ変換が完了しました</source>
        <translation>Conversion finished</translation>
    </message>
    <message>
        <source>データ変換を中止しました</source>
        <translation>Conversion stopped</translation>
    </message>
    <message>
        <source>データ形式の変換</source>
        <translation>Convert data</translation>
    </message>
    <message>
        <source>フォルダ...</source>
        <translation>Folder...</translation>
    </message>
    <message>
        <source>フォルダ:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>選択したファイルのみ変換</source>
        <translation>Convert the chosen files</translation>
    </message>
    <message>
        <source>フォルダ内全ファイルを変換</source>
        <translation>Convert every file in the folder</translation>
    </message>
    <message>
        <source>選択したファイルを外す</source>
        <translation>Remove the chosen files</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>変換した元のデータを削除</source>
        <translation>Delete the originals after converting</translation>
    </message>
    <message>
        <source>フォルダの選択</source>
        <translation>Choose a folder</translation>
    </message>
</context>
<context>
    <name>vex::DamageCalcDialog</name>
    <message>
        <source>ダメージ計算 － %1</source>
        <translation>Damage calculator – %1</translation>
    </message>
    <message>
        <source>相手</source>
        <translation>Opponent</translation>
    </message>
    <message>
        <source>ステージ</source>
        <translation>Stage</translation>
    </message>
    <message>
        <source>技</source>
        <translation>Technique</translation>
    </message>
    <message>
        <source>命中率</source>
        <translation>Hit chance</translation>
    </message>
    <message>
        <source>ダメージ
最小 / 中央 / 最大</source>
        <translation>Damage
min / median / max</translation>
    </message>
    <message>
        <source>ダメージの分布</source>
        <translation>Damage distribution</translation>
    </message>
    <message>
        <source>クリティカル</source>
        <translation>Critical</translation>
    </message>
    <message>
        <source>状態異常</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>1回の平均</source>
        <translation>Mean per use</translation>
    </message>
    <message>
        <source>KO までのターン</source>
        <translation>Turns to KO</translation>
    </message>
    <message>
        <source>求め方</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>* は標本から求めた値です（使用 %1 回）。そのほかは乱数の全ての場合から求めた厳密な値です。KO までのターンは、技を使えるときは毎ターン使い、相手はコンピュータが動かす対戦 %2 回の中央値（最短 - 最長、KO できた回数）です。</source>
        <translation>* Sampled values (%1 uses). All others are exact, over every outcome of the draws. Turns to KO is the median of %2 battles (shortest - longest, battles ending in a KO) in which the technique is used every turn it can be and the computer moves the opponent.</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>このフォルダには相手にできるモンスターがいません</source>
        <translation>This folder has no monster to fight</translation>
    </message>
    <message>
        <source>計算中…</source>
        <translation>Calculating…</translation>
    </message>
    <message>
        <source>%1 → %2&#x3000;ステージ %3&#x3000;相手の HP %4&#x3000;最初のターン、相手は何もしない場合&#x3000;（%5 秒）</source>
        <translation>%1 → %2&#x3000;Stage %3&#x3000;Opponent HP %4&#x3000;First turn, opponent does nothing&#x3000;(%5 s)</translation>
    </message>
    <message>
        <source>最初のターンには選べません</source>
        <translation>Cannot be chosen on the first turn</translation>
    </message>
    <message>
        <source>KO なし*</source>
        <translation>No KO*</translation>
    </message>
    <message>
        <source>標本 %1 回</source>
        <translation>Sampled %1×</translation>
    </message>
    <message>
        <source>厳密</source>
        <translation>Exact</translation>
    </message>
</context>
<context>
    <name>vex::EditForm</name>
    <message>
        <source>製作バージョン</source>
        <translation>Made with version</translation>
    </message>
    <message>
        <source>9(技)</source>
        <translation>9 (tech)</translation>
    </message>
    <message>
        <source>18(戦歴)</source>
        <translation>18 (record)</translation>
    </message>
    <message>
        <source>エディット</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>名前：</source>
        <translation>Name: </translation>
    </message>
    <message>
        <source>性格：</source>
        <translation>Personality: </translation>
    </message>
    <message>
        <source>サイズ</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>戻</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>１Ｐ反転</source>
        <translation>Flip 1P</translation>
    </message>
    <message>
        <source>２Ｐ反転</source>
        <translation>Flip 2P</translation>
    </message>
    <message>
        <source>画像読み込み</source>
        <translation>Load picture</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>効果</source>
        <translation>Effect</translation>
    </message>
    <message>
        <source>消費SP</source>
        <translation>SP cost</translation>
    </message>
    <message>
        <source>開始時：</source>
        <translation>Start: </translation>
    </message>
    <message>
        <source>勝利時：</source>
        <translation>Win: </translation>
    </message>
    <message>
        <source>敗北時：</source>
        <translation>Loss: </translation>
    </message>
    <message>
        <source>製作者名:</source>
        <translation>Author:</translation>
    </message>
    <message>
        <source>パスワード:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>勝</source>
        <translation>W</translation>
    </message>
    <message>
        <source>敗</source>
        <translation>L</translation>
    </message>
    <message>
        <source>ネット勝</source>
        <translation>Net W</translation>
    </message>
    <message>
        <source>ネット敗</source>
        <translation>Net L</translation>
    </message>
    <message>
        <source>戦績</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>デバッグ</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>特殊能力</source>
        <translation>Abilities</translation>
    </message>
    <message>
        <source>バランス確認</source>
        <translation>Balance check</translation>
    </message>
    <message>
        <source>読み込み</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>ＡＬＬ ＣＬＥＡＲ</source>
        <translation>CLEAR ALL</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>消去</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>ファイル名</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>1:火 2:水 3:雷 4:土 5:光 6:闇</source>
        <translation>1:fire 2:water 3:thunder 4:earth 5:light 6:dark</translation>
    </message>
    <message>
        <source>ダメージ計算</source>
        <translation>Damage calc</translation>
    </message>
</context>
<context>
    <name>vex::MonsterLoadDialog</name>
    <message>
        <source>モンスターの読み込み</source>
        <translation>Load a monster</translation>
    </message>
    <message>
        <source>フォルダ...</source>
        <translation>Folder...</translation>
    </message>
    <message>
        <source>技</source>
        <translation>Technique</translation>
    </message>
    <message>
        <source>パスワード</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>読み込み</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>戦歴</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>詳細</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>フォルダの選択</source>
        <translation>Choose a folder</translation>
    </message>
    <message>
        <source>性格：</source>
        <translation>Personality: </translation>
    </message>
    <message>
        <source>%1勝 %2敗</source>
        <translation>%1 W  %2 L</translation>
    </message>
    <message>
        <source>製作者名: </source>
        <translation>Author: </translation>
    </message>
    <message>
        <source>画像：</source>
        <translation>Picture: </translation>
    </message>
    <message>
        <source>開始時：</source>
        <translation>Start: </translation>
    </message>
    <message>
        <source>勝利時：</source>
        <translation>Win: </translation>
    </message>
    <message>
        <source>敗北時：</source>
        <translation>Loss: </translation>
    </message>
    <message>
        <source>
製作者名: </source>
        <translation>
Author: </translation>
    </message>
</context>
<context>
    <name>vex::NewMonsterDialog</name>
    <message>
        <source>新規キャラ作成</source>
        <translation>New monster</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>ＡＴＫ</source>
        <translation>ATK</translation>
    </message>
    <message>
        <source>ＤＥＦ</source>
        <translation>DEF</translation>
    </message>
    <message>
        <source>ＳＰＤ</source>
        <translation>SPD</translation>
    </message>
    <message>
        <source>残り</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>性格</source>
        <translation>Personality</translation>
    </message>
    <message>
        <source>性格…</source>
        <translation>Personality…</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>vex::PasswordDialog</name>
    <message>
        <source>ﾊﾟｽﾜｰﾄﾞ入力</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>パスワードを入力してください</source>
        <translation>Please enter the password</translation>
    </message>
</context>
<context>
    <name>vex::PersonalityDialog</name>
    <message>
        <source>性格</source>
        <translation>Personality</translation>
    </message>
    <message>
        <source>ＯＫ</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>vex::RecordViewDialog</name>
    <message>
        <source>ＯＫ</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>vex::ScenarioLoadDialog</name>
    <message>
        <source>シナリオの読み込み</source>
        <translation>Load a scenario</translation>
    </message>
    <message>
        <source>フォルダ...</source>
        <translation>Folder...</translation>
    </message>
    <message>
        <source>読み込み</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>vex::ScenarioMakeForm</name>
    <message>
        <source>シナリオ作成</source>
        <translation>Make scenario</translation>
    </message>
    <message>
        <source>特殊モンスター乱入</source>
        <translation>Special monsters break in</translation>
    </message>
    <message>
        <source>ｼﾅﾘｵ名：</source>
        <translation>Scenario name:</translation>
    </message>
    <message>
        <source>編集用ﾊﾟｽﾜｰﾄﾞ:</source>
        <translation>Edit password:</translation>
    </message>
    <message>
        <source>LV(表示するだけです):</source>
        <translation>LV (shown only):</translation>
    </message>
    <message>
        <source>ｺﾝﾃｨﾆｭｰ制限回数：</source>
        <translation>Continues allowed:</translation>
    </message>
    <message>
        <source>ボス出現ｺﾝﾃｨﾆｭｰ制限:</source>
        <translation>Boss continue limit:</translation>
    </message>
    <message>
        <source>ボス</source>
        <translation>Bosses</translation>
    </message>
    <message>
        <source>ボス名</source>
        <translation>Boss name</translation>
    </message>
    <message>
        <source>ステージ</source>
        <translation>Stage</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>読み込み</source>
        <translation>Load</translation>
    </message>
    <message>
        <source> 回</source>
        <translation> runs</translation>
    </message>
    <message>
        <source>難易度チェックで挑戦する回数</source>
        <translation>How many runs the difficulty check makes</translation>
    </message>
    <message>
        <source>難易度チェック</source>
        <translation>Difficulty check</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>シナリオを開く</source>
        <translation>Open scenario</translation>
    </message>
    <message>
        <source>シナリオファイル(*.sce)</source>
        <translation>Scenario files (*.sce)</translation>
    </message>
</context>
<context>
    <name>vex::SpecialAbilityDialog</name>
    <message>
        <source>特殊能力を選択してください（最大３つまで）</source>
        <translation>Choose special abilities (three at most)</translation>
    </message>
    <message>
        <source>特殊能力の設定</source>
        <translation>Special abilities</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ポイント：%1</source>
        <translation>Points: %1</translation>
    </message>
    <message>
        <source>残り：%1</source>
        <translation>Left: %1</translation>
    </message>
</context>
<context>
    <name>vex::TechniqueChoiceDialog</name>
    <message>
        <source>技の選択（技%1）</source>
        <translation>Choose a technique (slot %1)</translation>
    </message>
    <message>
        <source>攻撃系</source>
        <translation>Attack</translation>
    </message>
    <message>
        <source>補助系</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>特殊系</source>
        <translation>Special</translation>
    </message>
    <message>
        <source>ｽｷﾙ系</source>
        <translation>Skills</translation>
    </message>
    <message>
        <source>技を選択してください</source>
        <translation>Choose a technique</translation>
    </message>
    <message>
        <source>消費ＳＰ</source>
        <translation>SP cost</translation>
    </message>
    <message>
        <source>複数設定</source>
        <translation>Several slots</translation>
    </message>
    <message>
        <source>感情</source>
        <translation>Emotion</translation>
    </message>
    <message>
        <source>決定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>設定しない</source>
        <translation>Leave empty</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>vex::ui::BattleModes</name>
    <message>
        <source>ＴＸ（フリー対戦）</source>
        <translation>VEXMORA (free battle)</translation>
    </message>
    <message>
        <source>ＴＸ（勝ち抜き戦）</source>
        <translation>VEXMORA (elimination)</translation>
    </message>
    <message>
        <source>ＴＸ（シナリオ）</source>
        <translation>VEXMORA (scenario)</translation>
    </message>
    <message>
        <source>ネット対戦</source>
        <translation>Network battle</translation>
    </message>
</context>
<context>
    <name>vex::ui::BattleScreen</name>
    <message>
        <source>次のターン</source>
        <translation>Next turn</translation>
    </message>
    <message>
        <source>%1Ｐの画像を表示できません：%2</source>
        <translation>%1P&apos;s picture cannot be shown: %2</translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>1Ｐロード</source>
        <translation>Load 1P</translation>
    </message>
    <message>
        <source>2Ｐロード</source>
        <translation>Load 2P</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>リプレイ</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>この対戦を保存</source>
        <translation>Save this battle</translation>
    </message>
    <message>
        <source>リプレイを見る</source>
        <translation>Watch a replay</translation>
    </message>
    <message>
        <source>決定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>リプレイ (*.vxr)</source>
        <translation>Replays (*.vxr)</translation>
    </message>
    <message>
        <source>リプレイを保存</source>
        <translation>Save replay</translation>
    </message>
    <message>
        <source>相手のコマンドを待っています…</source>
        <translation>Waiting for the opponent&apos;s command…</translation>
    </message>
</context>
<context>
    <name>vex::ui::ConfigDialog</name>
    <message>
        <source>設定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>初期ＨＰ</source>
        <translation>Starting HP</translation>
    </message>
    <message>
        <source>初期ＳＰ</source>
        <translation>Starting SP</translation>
    </message>
    <message>
        <source>ターン制限</source>
        <translation>Turn limit</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>観戦モード</source>
        <translation>Watch mode</translation>
    </message>
    <message>
        <source>アニメーション</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>大会ルール</source>
        <translation>Tournament rules</translation>
    </message>
    <message>
        <source>ステージ</source>
        <translation>Stage</translation>
    </message>
    <message>
        <source>ランダム</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>戦闘結果の報告</source>
        <translation>Report results to</translation>
    </message>
    <message>
        <source>ＯＫ</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>報告しない</source>
        <translation>Don&apos;t report</translation>
    </message>
</context>
<context>
    <name>vex::ui::EditMenu</name>
    <message>
        <source>エディット</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>新規キャラ作成</source>
        <translation>New monster</translation>
    </message>
    <message>
        <source>データ読み込み</source>
        <translation>Load monster</translation>
    </message>
    <message>
        <source>シナリオ作成</source>
        <translation>Make scenario</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>vex::ui::EndingRoll</name>
    <message>
        <source>ＥＮＤＩＮＧ</source>
        <translation>ENDING</translation>
    </message>
    <message>
        <source>……ボスは現れなかった</source>
        <translation>…no boss appeared</translation>
    </message>
</context>
<context>
    <name>vex::ui::FrameComposer</name>
    <message>
        <source>選択済み</source>
        <translation>Chosen</translation>
    </message>
</context>
<context>
    <name>vex::ui::HitBreakdown</name>
    <message>
        <source>クリックするか I キーを押すと、直前の攻撃の内訳を表示します</source>
        <translation>Click or press I to see how the last attack was computed</translation>
    </message>
</context>
<context>
    <name>vex::ui::HitBreakdownPanel</name>
    <message>
        <source>まだ攻撃の記録がありません</source>
        <translation>No attack recorded yet</translation>
    </message>
    <message>
        <source>I キーかクリックで閉じる</source>
        <translation>Press I or click to close</translation>
    </message>
</context>
<context>
    <name>vex::ui::MakeServerForm</name>
    <message>
        <source>戦歴報告用サーバの設定</source>
        <translation>Record report server</translation>
    </message>
    <message>
        <source>設定ファイル</source>
        <translation>Settings file</translation>
    </message>
    <message>
        <source>設定ﾌｧｲﾙ名</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>サーバ</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>名(ｱﾄﾞﾚｽ)</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>ユーザ名</source>
        <translation>User</translation>
    </message>
    <message>
        <source>パスワード</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>戦歴</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>作成html名</source>
        <translation>Page name</translation>
    </message>
    <message>
        <source>戦歴ﾃﾞｰﾀﾌｧｲﾙ</source>
        <translation>Records file</translation>
    </message>
    <message>
        <source>数（1-50）</source>
        <translation>Count (1-50)</translation>
    </message>
    <message>
        <source>ファイルを作成する</source>
        <translation>Make the files</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>vex::ui::NetBattle</name>
    <message>
        <source>再接続を待っています…</source>
        <translation>Waiting to reconnect…</translation>
    </message>
    <message>
        <source>再接続しました。対戦を続けます</source>
        <translation>Reconnected. The battle goes on</translation>
    </message>
    <message>
        <source> あと %1 秒</source>
        <translation> %1 s left</translation>
    </message>
</context>
<context>
    <name>vex::ui::NetConnection</name>
    <message>
        <source>ポート %1 を開けませんでした。</source>
        <translation>Port %1 could not be opened.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
1024 未満のポートはこのシステムでは管理者の権限が必要です。</source>
        <translation><byte value="xd"/>
Ports below 1024 need administrator rights on this system.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
ほかのプログラムが使っている可能性があります。</source>
        <translation><byte value="xd"/>
Another program may be using it.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
対戦相手と 1024～65535 の別のポート番号を決めて、両方で同じ番号を入力してください。</source>
        <translation><byte value="xd"/>
Agree on another port from 1024 to 65535 with your opponent and both enter it.</translation>
    </message>
    <message>
        <source>接続先ＩＰを入力してください</source>
        <translation>Enter the host&apos;s IP address</translation>
    </message>
    <message>
        <source>接続要求受付中・・・</source>
        <translation>Waiting for a connection…</translation>
    </message>
    <message>
        <source>（ポート %1）</source>
        <translation> (port %1)</translation>
    </message>
    <message>
        <source>サーバーのポート番号がわかりません。ｷｬﾝｾﾙして、相手と同じポート番号を入力してください</source>
        <translation>The server&apos;s port is not known. Cancel and enter the same port as your opponent</translation>
    </message>
    <message>
        <source> に接続しています・・・</source>
        <translation>: connecting…</translation>
    </message>
    <message>
        <source>接続に成功しました</source>
        <translation>Connected</translation>
    </message>
</context>
<context>
    <name>vex::ui::NetDialog</name>
    <message>
        <source>ネット対戦の設定</source>
        <translation>Network battle</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>接続</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>サーバー</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>ｸﾗｲｱﾝﾄ</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>対戦相手と同じポート番号にしてください（0 は空いているポートを自動で選びます）</source>
        <translation>Use the same port as your opponent (0 picks a free port by itself)</translation>
    </message>
    <message>
        <source>ハンドル名</source>
        <translation>Handle</translation>
    </message>
    <message>
        <source>ポート</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>サーバーのホスト名</source>
        <translation>Server&apos;s host name</translation>
    </message>
    <message>
        <source>サーバーのＩＰアドレス</source>
        <translation>Server&apos;s IP address</translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>接続先ＩＰ：</source>
        <translation>Host IP:</translation>
    </message>
</context>
<context>
    <name>vex::ui::NetPanel</name>
    <message>
        <source>ネット対戦のルール
・「1Ｐロード」で自分のモンスターを読み込み「決定」
・ＨＰ、ＳＰ、ターン数、ステージはサーバー側が決めます
・チャットで「/s」から始めるとセリフになります</source>
        <translation>Network battle rules
- Load your monster with &quot;Load 1P&quot; and press &quot;OK&quot;
- The server decides HP, SP, turns and stage
- A chat line starting with &quot;/s&quot; is spoken by your monster</translation>
    </message>
    <message>
        <source>チャット（Enter で送信、/s で始めるとセリフ）</source>
        <translation>Chat (Enter sends, /s makes a line)</translation>
    </message>
    <message>
        <source>レアキャラ使用可</source>
        <translation>Allow rare monsters</translation>
    </message>
    <message>
        <source>SELECTING…</source>
        <translation>SELECTING…</translation>
    </message>
</context>
<context>
    <name>vex::ui::OptionsDialog</name>
    <message>
        <source>タイトル・戦闘画面・エディットの大きさを設定します</source>
        <translation>Sets the size of the title, the battle screen and the editor</translation>
    </message>
    <message>
        <source>自動では画面の広さに合わせます</source>
        <translation>Automatic fits the size of the screen</translation>
    </message>
    <message>
        <source>各項目にマウスを持っていくと説明が表示されます</source>
        <translation>Point at an item to read what it does</translation>
    </message>
    <message>
        <source>オプション</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>音楽</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>ＯＮ</source>
        <translation>On</translation>
    </message>
    <message>
        <source>ＯＦＦ</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>音楽を鳴らすかどうか設定します</source>
        <translation>Whether music plays</translation>
    </message>
    <message>
        <source>エディットが不安定な場合はここをＯＦＦにしてください</source>
        <translation>Turn it off if the editor is unstable</translation>
    </message>
    <message>
        <source>効果音</source>
        <translation>Sound effects</translation>
    </message>
    <message>
        <source>効果音を鳴らすかどうか設定します</source>
        <translation>Whether sound effects play</translation>
    </message>
    <message>
        <source>結果のファイル出力</source>
        <translation>Result file</translation>
    </message>
    <message>
        <source>する</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>しない</source>
        <translation>Don&apos;t</translation>
    </message>
    <message>
        <source>ネット対戦の結果をファイル出力するかどうか設定します</source>
        <translation>Whether network battle results are written to a file</translation>
    </message>
    <message>
        <source>ＯＳ</source>
        <translation>OS</translation>
    </message>
    <message>
        <source>戦闘画面が切れたり大きくなる場合にはここで調節してください&#x3000;動作には影響しません</source>
        <translation>Adjust this if the battle screen is cut off or too large; play is not affected</translation>
    </message>
    <message>
        <source>ゲームスピード</source>
        <translation>Game speed</translation>
    </message>
    <message>
        <source>ゲームスピードを設定します</source>
        <translation>Sets the game speed</translation>
    </message>
    <message>
        <source>画面に出る言葉を選びます（ファイルと通信の中身は変わりません）</source>
        <translation>Chooses the language of the windows (files and network data stay the same)</translation>
    </message>
    <message>
        <source>自動ではデスクトップの言語に合わせます</source>
        <translation>Automatic follows the desktop&apos;s language</translation>
    </message>
    <message>
        <source>設定する</source>
        <translation>Set up</translation>
    </message>
    <message>
        <source>ｲﾝﾀｰﾈｯﾄ対戦の戦歴を報告するサーバを</source>
        <translation>Sets up your own server to which</translation>
    </message>
    <message>
        <source>独自に設定します</source>
        <translation>network battle records are reported</translation>
    </message>
    <message>
        <source>データを変換する</source>
        <translation>Convert data</translation>
    </message>
    <message>
        <source>ver1.0～2.35のtvo形式のデータを最新版に対応させます</source>
        <translation>Brings tvo monsters of versions 1.0 to 2.35 up to date</translation>
    </message>
    <message>
        <source>ＯＫ</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ネット対戦のレーティングです（別のパソコンとの対戦だけで変わります）</source>
        <translation>Your network rating (only battles with another computer change it)</translation>
    </message>
    <message>
        <source>1500 から始まり、勝つと上がり負けると下がります</source>
        <translation>It starts at 1500, rises with wins and falls with losses</translation>
    </message>
    <message>
        <source>ネットレート：%1（%2戦）</source>
        <translation>Net rating: %1 (%2 battles)</translation>
    </message>
    <message>
        <source>ネット対戦の戦歴を自動報告するサーバを設定します

ＦＴＰに関する知識のない方は実行しないでください

また、１度ファイルを書き込んだら書き換えはできません

※ 万が一パスワードが漏れた時のことも考えて
&#x3000;&#x3000;戦歴報告に使うサーバには重要なデータ等を
    置かない方が無難です</source>
        <translation>Sets up the server to which network battle records are reported

Do not go on unless you know FTP

Once the files are written they cannot be rewritten

* In case the password ever leaks,
   better keep nothing important
   on the server used for the reports</translation>
    </message>
    <message>
        <source>サーバ情報の設定</source>
        <translation>Server settings</translation>
    </message>
</context>
<context>
    <name>vex::ui::Shell</name>
    <message>
        <source>ヘルプを開く</source>
        <translation>Open help</translation>
    </message>
</context>
<context>
    <name>vex::ui::TitleWindow</name>
    <message>
        <source>フリー対戦(vsCOM)</source>
        <translation>Free battle (vs COM)</translation>
    </message>
    <message>
        <source>エディット</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>モンスターを創ります</source>
        <translation>Make monsters</translation>
    </message>
    <message>
        <source>ゲーム終了</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>ウィンドウを閉じ、ゲームを終了します</source>
        <translation>Closes the window and ends the game</translation>
    </message>
    <message>
        <source>シナリオモード</source>
        <translation>Scenario mode</translation>
    </message>
    <message>
        <source>作成されたシナリオに挑みます</source>
        <translation>Take on a scenario</translation>
    </message>
    <message>
        <source>フリー対戦(vsMAN)</source>
        <translation>Free battle (vs MAN)</translation>
    </message>
    <message>
        <source>人間との対戦を行います</source>
        <translation>Battle another player</translation>
    </message>
    <message>
        <source>ネット対戦</source>
        <translation>Network battle</translation>
    </message>
    <message>
        <source>インターネットで他のユーザーと対戦します</source>
        <translation>Battle other players over the internet</translation>
    </message>
    <message>
        <source>オプション</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>システムの各種設定を変更します</source>
        <translation>Changes the game&apos;s settings</translation>
    </message>
    <message>
        <source>勝ち抜き戦</source>
        <translation>Elimination</translation>
    </message>
    <message>
        <source>DATAフォルダ内のモンスターとランダムで対戦します</source>
        <translation>Battle the monsters of the DATA folder at random</translation>
    </message>
</context>
</TS>
