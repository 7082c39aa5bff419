<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>TechniqueName</name>
    <message>
        <source>通常攻撃</source>
        <translation>Attack</translation>
    </message>
    <message>
        <source>攻撃</source>
        <translation>Strike</translation>
    </message>
    <message>
        <source>ためる</source>
        <translation>Charge Up</translation>
    </message>
    <message>
        <source>防御</source>
        <translation>Defend</translation>
    </message>
    <message>
        <source>回復</source>
        <translation>Heal</translation>
    </message>
    <message>
        <source>マヒ</source>
        <translation>Paralyse</translation>
    </message>
    <message>
        <source>毒</source>
        <translation>Poison</translation>
    </message>
    <message>
        <source>混乱</source>
        <translation>Confuse</translation>
    </message>
    <message>
        <source>攻撃封印</source>
        <translation>Seal Attack</translation>
    </message>
    <message>
        <source>補助封印</source>
        <translation>Seal Support</translation>
    </message>
    <message>
        <source>特殊封印</source>
        <translation>Seal Special</translation>
    </message>
    <message>
        <source>全封印</source>
        <translation>Seal All</translation>
    </message>
    <message>
        <source>攻撃↑</source>
        <translation>Attack Up</translation>
    </message>
    <message>
        <source>防御↑</source>
        <translation>Defence Up</translation>
    </message>
    <message>
        <source>速さ↑</source>
        <translation>Speed Up</translation>
    </message>
    <message>
        <source>攻撃↓</source>
        <translation>Attack Down</translation>
    </message>
    <message>
        <source>防御↓</source>
        <translation>Defence Down</translation>
    </message>
    <message>
        <source>速さ↓</source>
        <translation>Speed Down</translation>
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
        <source>衝撃</source>
        <translation>Impact</translation>
    </message>
    <message>
        <source>ｶｳﾝﾀｰ</source>
        <translation>Counter</translation>
    </message>
    <message>
        <source>ＨＰ吸収</source>
        <translation>HP Drain</translation>
    </message>
    <message>
        <source>先制攻撃</source>
        <translation>First Strike</translation>
    </message>
    <message>
        <source>必中攻撃</source>
        <translation>Sure Hit</translation>
    </message>
    <message>
        <source>見切り</source>
        <translation>Foresight</translation>
    </message>
    <message>
        <source>命中ＵＰ</source>
        <translation>Accuracy Up</translation>
    </message>
    <message>
        <source>防御無視</source>
        <translation>Pierce Guard</translation>
    </message>
    <message>
        <source>ＳＰ吸収</source>
        <translation>SP Drain</translation>
    </message>
    <message>
        <source>ＳＰ攻撃</source>
        <translation>SP Attack</translation>
    </message>
    <message>
        <source>連続攻撃</source>
        <translation>Double Hit</translation>
    </message>
    <message>
        <source>ＳＰ変換</source>
        <translation>SP Convert</translation>
    </message>
    <message>
        <source>ｸﾘﾃｨｶﾙ</source>
        <translation>Critical</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>状態防御</source>
        <translation>Status Guard</translation>
    </message>
    <message>
        <source>自然回復</source>
        <translation>Regenerate</translation>
    </message>
    <message>
        <source>突撃</source>
        <translation>Charge</translation>
    </message>
    <message>
        <source>アタック</source>
        <translation>Attack+</translation>
    </message>
    <message>
        <source>ガード</source>
        <translation>Guard+</translation>
    </message>
    <message>
        <source>スピード</source>
        <translation>Speed+</translation>
    </message>
    <message>
        <source>ハンター</source>
        <translation>Hunter</translation>
    </message>
    <message>
        <source>反撃</source>
        <translation>Riposte</translation>
    </message>
    <message>
        <source>リバイブ</source>
        <translation>Revive</translation>
    </message>
    <message>
        <source>タフネス</source>
        <translation>Toughness</translation>
    </message>
    <message>
        <source>ﾃｸﾆｼｬﾝ</source>
        <translation>Technician</translation>
    </message>
    <message>
        <source>水中</source>
        <translation>Aquatic</translation>
    </message>
    <message>
        <source>砂漠</source>
        <translation>Desert</translation>
    </message>
    <message>
        <source>雪原</source>
        <translation>Snowfield</translation>
    </message>
    <message>
        <source>一撃必殺</source>
        <translation>Deathblow</translation>
    </message>
    <message>
        <source>ガッツ</source>
        <translation>Guts</translation>
    </message>
    <message>
        <source>奥義</source>
        <translation>Secret Art</translation>
    </message>
    <message>
        <source>格闘</source>
        <translation>Brawl</translation>
    </message>
    <message>
        <source>解除</source>
        <translation>Dispel</translation>
    </message>
    <message>
        <source>鉄壁</source>
        <translation>Iron Wall</translation>
    </message>
    <message>
        <source>射撃</source>
        <translation>Shoot</translation>
    </message>
    <message>
        <source>レジスト</source>
        <translation>Resist</translation>
    </message>
    <message>
        <source>気合い</source>
        <translation>Spirit</translation>
    </message>
    <message>
        <source>チャージ</source>
        <translation>Recharge</translation>
    </message>
    <message>
        <source>特殊吸収</source>
        <translation>Steal Move</translation>
    </message>
    <message>
        <source>マシン</source>
        <translation>Machine</translation>
    </message>
    <message>
        <source>全力</source>
        <translation>All Out</translation>
    </message>
    <message>
        <source>辛抱</source>
        <translation>Patience</translation>
    </message>
    <message>
        <source>ｴﾚﾒﾝﾄ</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>追撃</source>
        <translation>Pursuit</translation>
    </message>
    <message>
        <source>スコープ</source>
        <translation>Scope</translation>
    </message>
    <message>
        <source>SPｽﾄｯﾌﾟ</source>
        <translation>SP Stop</translation>
    </message>
    <message>
        <source>強打</source>
        <translation>Smash</translation>
    </message>
    <message>
        <source>SPﾎﾞｰﾅｽ</source>
        <translation>SP Bonus</translation>
    </message>
    <message>
        <source>集中</source>
        <translation>Focus</translation>
    </message>
    <message>
        <source>回避</source>
        <translation>Evade</translation>
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
        <source>ジャンプ</source>
        <translation>Jump</translation>
    </message>
    <message>
        <source>クイック</source>
        <translation>Quick</translation>
    </message>
    <message>
        <source>SPﾌﾞﾗｽﾄ</source>
        <translation>SP Blast</translation>
    </message>
    <message>
        <source>貫通</source>
        <translation>Penetrate</translation>
    </message>
    <message>
        <source>属性変換</source>
        <translation>Shift Element</translation>
    </message>
    <message>
        <source>ファースト</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>呪い</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>追撃態勢</source>
        <translation>Pursuit Stance</translation>
    </message>
    <message>
        <source>パワフル</source>
        <translation>Powerful</translation>
    </message>
    <message>
        <source>壁砕き</source>
        <translation>Wall Breaker</translation>
    </message>
    <message>
        <source>先読み</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>挑発</source>
        <translation>Taunt</translation>
    </message>
    <message>
        <source>流水の極意</source>
        <translation>Flowing Water</translation>
    </message>
    <message>
        <source>乱れ打ち</source>
        <translation>Flurry</translation>
    </message>
    <message>
        <source>罠(攻撃系)</source>
        <translation>Trap (Attack)</translation>
    </message>
    <message>
        <source>罠(補助系)</source>
        <translation>Trap (Support)</translation>
    </message>
    <message>
        <source>罠(特殊系)</source>
        <translation>Trap (Special)</translation>
    </message>
    <message>
        <source>急所外し</source>
        <translation>Vital Guard</translation>
    </message>
    <message>
        <source>先制必中</source>
        <translation>Sure First</translation>
    </message>
    <message>
        <source>ラッキー</source>
        <translation>Lucky</translation>
    </message>
    <message>
        <source>強者の証し</source>
        <translation>Mark of Might</translation>
    </message>
    <message>
        <source>百戦練磨</source>
        <translation>Veteran</translation>
    </message>
    <message>
        <source>三連撃</source>
        <translation>Triple Hit</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>毒撃</source>
        <translation>Venom Strike</translation>
    </message>
    <message>
        <source>そのまま滞空します</source>
        <translation>Stay Aloft</translation>
    </message>
    <message>
        <source>落下攻撃</source>
        <translation>Dive Attack</translation>
    </message>
    <message>
        <source>足元狙い</source>
        <translation>Sweep</translation>
    </message>
    <message>
        <source>ふき飛ばし</source>
        <translation>Blow Away</translation>
    </message>
    <message>
        <source>受け身</source>
        <translation>Break Fall</translation>
    </message>
    <message>
        <source>幻覚</source>
        <translation>Illusion</translation>
    </message>
    <message>
        <source>チェンジ</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>フィフティ</source>
        <translation>Fifty</translation>
    </message>
    <message>
        <source>十字をきる</source>
        <translation>Cross Sign</translation>
    </message>
    <message>
        <source>メタル</source>
        <translation>Metal</translation>
    </message>
    <message>
        <source>達人</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>パニック</source>
        <translation>Panic</translation>
    </message>
    <message>
        <source>滞空攻撃</source>
        <translation>Air Attack</translation>
    </message>
    <message>
        <source>リミッター</source>
        <translation>Limiter</translation>
    </message>
    <message>
        <source>ﾘﾐｯﾄﾌﾞﾚｲｸ</source>
        <translation>Limit Break</translation>
    </message>
    <message>
        <source>ﾘﾐｯﾄﾁｬｰｼﾞ</source>
        <translation>Limit Charge</translation>
    </message>
    <message>
        <source>切腹</source>
        <translation>Seppuku</translation>
    </message>
    <message>
        <source>ｸﾛｽｶｳﾝﾀｰ</source>
        <translation>Cross Counter</translation>
    </message>
    <message>
        <source>ヴェノム</source>
        <translation>Venom</translation>
    </message>
    <message>
        <source>バーサーク</source>
        <translation>Berserk</translation>
    </message>
    <message>
        <source>弾倉補充</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>麻痺返し</source>
        <translation>Paralysis Return</translation>
    </message>
    <message>
        <source>祈り</source>
        <translation>Prayer</translation>
    </message>
    <message>
        <source>スパイ</source>
        <translation>Spy</translation>
    </message>
    <message>
        <source>浄化の炎</source>
        <translation>Purifying Fire</translation>
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
        <source>ｴｸｽﾁｪﾝｼﾞ</source>
        <translation>Exchange</translation>
    </message>
    <message>
        <source>巨大化</source>
        <translation>Giant</translation>
    </message>
    <message>
        <source>縮小</source>
        <translation>Shrink</translation>
    </message>
    <message>
        <source>ﾌｨﾆｯｼｭ</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>分身</source>
        <translation>Double</translation>
    </message>
    <message>
        <source>分身攻撃</source>
        <translation>Double Attack</translation>
    </message>
    <message>
        <source>飛行</source>
        <translation>Fly</translation>
    </message>
    <message>
        <source>着地</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>アンデット</source>
        <translation>Undead</translation>
    </message>
    <message>
        <source>ゾンビ</source>
        <translation>Zombie</translation>
    </message>
    <message>
        <source>ゴースト</source>
        <translation>Ghost</translation>
    </message>
    <message>
        <source>潜る</source>
        <translation>Burrow</translation>
    </message>
    <message>
        <source>出る</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>クローク</source>
        <translation>Cloak</translation>
    </message>
    <message>
        <source>フルパワー</source>
        <translation>Full Power</translation>
    </message>
    <message>
        <source>隠れた力</source>
        <translation>Hidden Power</translation>
    </message>
    <message>
        <source>Ｊアタック</source>
        <translation>J Attack</translation>
    </message>
    <message>
        <source>Ｆアタック</source>
        <translation>F Attack</translation>
    </message>
    <message>
        <source>エアレイド</source>
        <translation>Air Raid</translation>
    </message>
    <message>
        <source>逃げる</source>
        <translation>Run Away</translation>
    </message>
    <message>
        <source>ガトリング</source>
        <translation>Gatling</translation>
    </message>
    <message>
        <source>ガトリング攻撃</source>
        <translation>Gatling Attack</translation>
    </message>
</context>
<context>
    <name>TechniqueDescription</name>
    <message>
        <source>通常の攻撃です</source>
        <translation>An ordinary attack</translation>
    </message>
    <message>
        <source>効果に比例してダメージが増加します</source>
        <translation>Damage grows with the effect</translation>
    </message>
    <message>
        <source>次ターン攻撃のダメージが増加します</source>
        <translation>Next turn's attack does more damage</translation>
    </message>
    <message>
        <source>相手から受けるダメージを減らし、ＳＰを大幅に回復しますが敵の攻撃に当たりやすくなります</source>
        <translation>Takes less damage and regains much SP, but is hit more easily</translation>
    </message>
    <message>
        <source>ＨＰを回復させます（回数制限あり）&#xd;初期ＨＰ以上には回復しません</source>
        <translation>Restores HP (limited uses)&#xd;Never above the starting HP</translation>
    </message>
    <message>
        <source>効果に比例して２～４ターン敵を止めます&#xd;使用回数は３回です</source>
        <translation>Stops the enemy for 2 to 4 turns, by the effect&#xd;Usable 3 times</translation>
    </message>
    <message>
        <source>毎ターン敵にダメージを与えます</source>
        <translation>Damages the enemy every turn</translation>
    </message>
    <message>
        <source>敵が命令不能になります</source>
        <translation>The enemy cannot take orders</translation>
    </message>
    <message>
        <source>攻撃系の特殊攻撃を封じます（３回制限）</source>
        <translation>Seals the attack-type special moves (3 uses)</translation>
    </message>
    <message>
        <source>補助系の特殊攻撃を封じます（３回制限）</source>
        <translation>Seals the support-type special moves (3 uses)</translation>
    </message>
    <message>
        <source>特殊系の特殊攻撃を封じます（３回制限）</source>
        <translation>Seals the special-type special moves (3 uses)</translation>
    </message>
    <message>
        <source>全ての特殊攻撃を封じます（３回制限）</source>
        <translation>Seals every special move (3 uses)</translation>
    </message>
    <message>
        <source>攻撃力を上昇させます&#xd;ターン経過と共に効果が薄れます</source>
        <translation>Raises attack&#xd;Wears off as the turns pass</translation>
    </message>
    <message>
        <source>防御力を上昇させます&#xd;ターン経過と共に効果が薄れます</source>
        <translation>Raises defence&#xd;Wears off as the turns pass</translation>
    </message>
    <message>
        <source>速さを上昇させます&#xd;ターン経過と共に効果が薄れます</source>
        <translation>Raises speed&#xd;Wears off as the turns pass</translation>
    </message>
    <message>
        <source>相手の攻撃力を下降させます&#xd;ターン経過と共に効果が薄れます</source>
        <translation>Lowers the enemy's attack&#xd;Wears off as the turns pass</translation>
    </message>
    <message>
        <source>相手の防御力を下降させます&#xd;ターン経過と共に効果が薄れます</source>
        <translation>Lowers the enemy's defence&#xd;Wears off as the turns pass</translation>
    </message>
    <message>
        <source>相手の速さを下降させます&#xd;ターン経過と共に効果が薄れます</source>
        <translation>Lowers the enemy's speed&#xd;Wears off as the turns pass</translation>
    </message>
    <message>
        <source>マヒ/毒/混乱を回復させます</source>
        <translation>Cures paralysis, poison and confusion</translation>
    </message>
    <message>
        <source>マヒ/毒/混乱/封印/能力値低下/SPｽﾄｯﾌﾟを回復させます</source>
        <translation>Cures paralysis/poison/confusion/seals/ lowered stats/SP Stop</translation>
    </message>
    <message>
        <source>強力な攻撃&#xd;たまに相手がマヒします</source>
        <translation>A powerful attack&#xd;Sometimes paralyses the enemy</translation>
    </message>
    <message>
        <source>相手の攻撃をかわし逆に通常攻撃で反撃します&#xd;失敗することもあります　※射撃には無効</source>
        <translation>Dodges the enemy's attack and strikes back&#xd;May fail  * no use against Shoot</translation>
    </message>
    <message>
        <source>相手に与えたダメージ分自分のＨＰが増えます</source>
        <translation>Gains as much HP as the damage dealt</translation>
    </message>
    <message>
        <source>必ず先に攻撃できます&#xd;相手も使用した場合は素早さ次第です</source>
        <translation>Always attacks first&#xd;If both use it, speed decides</translation>
    </message>
    <message>
        <source>必ず攻撃が命中します</source>
        <translation>The attack always hits</translation>
    </message>
    <message>
        <source>必中攻撃以外の全ての攻撃を回避します&#xd;必ずＳＰを消費します（５回制限・転倒時使用不可）</source>
        <translation>Dodges every attack but Sure Hit&#xd;Always uses SP (5 uses, not while down)</translation>
    </message>
    <message>
        <source>一定ターン命中率が上昇します</source>
        <translation>Raises accuracy for some turns</translation>
    </message>
    <message>
        <source>防御力に関係なくダメージを与えます</source>
        <translation>Deals damage whatever the defence</translation>
    </message>
    <message>
        <source>相手からＳＰを吸収し自分のＳＰに加算します</source>
        <translation>Takes SP from the enemy and adds it to its own</translation>
    </message>
    <message>
        <source>相手のＳＰに直接ダメージを与えます</source>
        <translation>Damages the enemy's SP directly</translation>
    </message>
    <message>
        <source>２回連続で攻撃します</source>
        <translation>Attacks twice in a row</translation>
    </message>
    <message>
        <source>同ターンに受けたダメージをＳＰに換えます</source>
        <translation>Turns the damage taken this turn into SP</translation>
    </message>
    <message>
        <source>命中率が低いですが確実にｸﾘﾃｨｶﾙﾋｯﾄします</source>
        <translation>Rarely hits, but always a critical hit</translation>
    </message>
    <message>
        <source>相手の行動をコピーします</source>
        <translation>Copies the enemy's action</translation>
    </message>
    <message>
        <source>約１０ターン全ての状態異常を防ぎます&#xd;さらに防御力もあがります</source>
        <translation>Blocks every status ailment for about 10 turns&#xd;Also raises defence</translation>
    </message>
    <message>
        <source>数ターンＨＰが回復します（３回制限）&#xd;有効中はＨＰ表示が緑色になります</source>
        <translation>Restores HP for some turns (3 uses)&#xd;HP shows green while it lasts</translation>
    </message>
    <message>
        <source>高いダメージを与えますが相手の攻撃でうけるダメージも大きいです&#xd;追撃・反撃・相手の反撃は発動しません</source>
        <translation>Deals high damage but takes more from attacks&#xd;No pursuit or counters on either side</translation>
    </message>
    <message>
        <source>攻撃力を200加算します</source>
        <translation>Adds 200 to attack</translation>
    </message>
    <message>
        <source>防御力を200加算します</source>
        <translation>Adds 200 to defence</translation>
    </message>
    <message>
        <source>速さを200加算します</source>
        <translation>Adds 200 to speed</translation>
    </message>
    <message>
        <source>命中率を15％加算します</source>
        <translation>Adds 15% to accuracy</translation>
    </message>
    <message>
        <source>一定確率で通常攻撃による反撃をします&#xd;補助系の技の使用により発動率があがります</source>
        <translation>Sometimes strikes back with an ordinary attack&#xd;Support moves raise the chance</translation>
    </message>
    <message>
        <source>毎ターンＨＰが１０前後回復します</source>
        <translation>Restores about 10 HP every turn</translation>
    </message>
    <message>
        <source>初期ＨＰを２００加算します</source>
        <translation>Adds 200 to the starting HP</translation>
    </message>
    <message>
        <source>消費ＳＰを１０％抑えます</source>
        <translation>Uses 10% less SP</translation>
    </message>
    <message>
        <source>海・氷河で能力35％アップ、他ではダウンします</source>
        <translation>35% stronger at sea and on glaciers, weaker elsewhere</translation>
    </message>
    <message>
        <source>砂漠で能力20％アップします</source>
        <translation>20% stronger in the desert</translation>
    </message>
    <message>
        <source>雪原で能力20％アップします</source>
        <translation>20% stronger on snowfields</translation>
    </message>
    <message>
        <source>クリティカル率＋30％、命中率－30％になります</source>
        <translation>Critical rate +30%, accuracy -30%</translation>
    </message>
    <message>
        <source>攻撃をＨＰ1で持ちこたえます（最初は確実）&#xd;発動時にＳＰが半分になります</source>
        <translation>Endures a blow with 1 HP (always the first time)&#xd;SP is halved when it works</translation>
    </message>
    <message>
        <source>１回だけ大ダメージを与えます</source>
        <translation>Deals heavy damage, once only</translation>
    </message>
    <message>
        <source>与えたダメージに比例して自分のＨＰを&#xd;消費して攻撃します。命中率修正＋10％&#xd;攻撃を外してもＨＰは消費します</source>
        <translation>Attacks by spending its own HP in proportion&#xd;to the damage. Accuracy +10%&#xd;HP is spent even on a miss</translation>
    </message>
    <message>
        <source>相手のタメ/命中UP/状態防御/自然回復/能力値上昇の効果を打ち消します</source>
        <translation>Cancels the enemy's Charge Up/Accuracy Up/ Status Guard/Regenerate/raised stats</translation>
    </message>
    <message>
        <source>防御時に一定の確率で発動します&#xd;発動時相手の攻撃のダメージを０にします&#xd;同時に状態異常も防ぎます</source>
        <translation>Works now and then when defending&#xd;Reduces the enemy's damage to 0&#xd;Also blocks status ailments</translation>
    </message>
    <message>
        <source>反撃をうけずジャンプにも有効な攻撃です&#xd;命中率－10％ 威力上昇で残弾20,10,6,4,3に</source>
        <translation>Draws no counter and hits jumpers too&#xd;Accuracy -10%; ammo 20,10,6,4,3 by power</translation>
    </message>
    <message>
        <source>マヒ/毒/混乱/封印からの回復が早くなります</source>
        <translation>Faster recovery from paralysis/poison/ confusion/seals</translation>
    </message>
    <message>
        <source>ＨＰが回復します&#xd;連続で使っても回復量は低いです</source>
        <translation>Restores HP&#xd;Less each time in a row</translation>
    </message>
    <message>
        <source>ＨＰを100消費してＳＰを30回復します</source>
        <translation>Spends 100 HP to regain 30 SP</translation>
    </message>
    <message>
        <source>そのターンに相手の使用した特殊攻撃を入手します&#xd;消費ＳＰは３割減になります</source>
        <translation>Takes the special move the enemy used this turn&#xd;Its SP cost is 30% less</translation>
    </message>
    <message>
        <source>全ての状態異常を防ぎますが属性（特に雷）に弱くなります</source>
        <translation>Blocks every status ailment but is weak to elements (thunder most)</translation>
    </message>
    <message>
        <source>13ターン目まで能力値130％、それ以降は80％になります</source>
        <translation>Stats 130% up to turn 13, 80% after</translation>
    </message>
    <message>
        <source>13ターン目まで能力値80％、それ以降は130％になります</source>
        <translation>Stats 80% up to turn 13, 130% after</translation>
    </message>
    <message>
        <source>属性の効果が1.5倍になります&#xd;(例) 水→火　命中･ﾀﾞﾒｰｼﾞ+20％→+30％</source>
        <translation>Element effects count 1.5 times&#xd;e.g. water vs fire: hit/damage +20% -&gt; +30%</translation>
    </message>
    <message>
        <source>攻撃時に一定確率で通常攻撃による追加攻撃をします&#xd;攻撃系の技の使用により発動率があがります</source>
        <translation>Sometimes follows an attack with an ordinary one&#xd;Attack moves raise the chance</translation>
    </message>
    <message>
        <source>「射撃」を使用した場合に一定確率で命中率が大きく上昇します</source>
        <translation>With Shoot, accuracy sometimes rises greatly</translation>
    </message>
    <message>
        <source>相手のターン毎のＳＰ回復が無くなります&#xd;有効中はＳＰ表示が赤色になります（４回制限）</source>
        <translation>The enemy regains no SP each turn&#xd;SP shows red while it lasts (4 uses)</translation>
    </message>
    <message>
        <source>強力な攻撃&#xd;たまに相手が混乱します</source>
        <translation>A powerful attack&#xd;Sometimes confuses the enemy</translation>
    </message>
    <message>
        <source>初期ＳＰが３０上昇します</source>
        <translation>Starting SP +30</translation>
    </message>
    <message>
        <source>次ターンの攻撃が必ず命中します</source>
        <translation>Next turn's attack always hits</translation>
    </message>
    <message>
        <source>回避率を上昇させ、ＳＰを大幅に回復します</source>
        <translation>Raises evasion and regains much SP</translation>
    </message>
    <message>
        <source>３ターン消費ＳＰが半分になります</source>
        <translation>SP costs are halved for 3 turns</translation>
    </message>
    <message>
        <source>３ターン消費ＳＰが２倍になります</source>
        <translation>SP costs are doubled for 3 turns</translation>
    </message>
    <message>
        <source>ターン最初に空中に退避し攻撃命中率を上げます。同コマンドを選んでそのまま滞空可能です。　※転倒時使用不可</source>
        <translation>Takes to the air at the start of the turn and aims better. Choose again to stay aloft. * not while down</translation>
    </message>
    <message>
        <source>回避率が15％上昇します</source>
        <translation>Evasion +15%</translation>
    </message>
    <message>
        <source>残りＳＰに比例した攻撃力で攻撃しますが極端に高いダメージは出ません&#xd;ＳＰ５以下では使用できません</source>
        <translation>Attacks with power from the SP left, never&#xd;extreme damage. Not usable at 5 SP or less</translation>
    </message>
    <message>
        <source>一定確率で相手へのダメージが増加します&#xd;その際に鉄壁・防御も無効化します</source>
        <translation>Sometimes deals more damage,&#xd;then ignoring Iron Wall and Defend</translation>
    </message>
    <message>
        <source>使った技の属性がそのターン相手の使った&#xd;技の苦手な属性になります</source>
        <translation>This turn the move takes the element the&#xd;enemy's move is weak against</translation>
    </message>
    <message>
        <source>一定確率で先制攻撃になります&#xd;相手が先制攻撃を選んでいると発動しません</source>
        <translation>Sometimes strikes first&#xd;Not if the enemy chose First Strike</translation>
    </message>
    <message>
        <source>相手にどれか１つの状態異常を与えます</source>
        <translation>Gives the enemy one status ailment</translation>
    </message>
    <message>
        <source>攻撃が外れた場合に追撃が高確率で発動します</source>
        <translation>When an attack misses, pursuit is likely</translation>
    </message>
    <message>
        <source>相手に与えるダメージが10％増加します</source>
        <translation>Damage dealt +10%</translation>
    </message>
    <message>
        <source>防御している相手に高いダメージを与えます</source>
        <translation>High damage against a defending enemy</translation>
    </message>
    <message>
        <source>回避を選択した相手に回避の効果をなくし&#xd;高いダメージを与えます&#xd;確実に命中するわけではありません</source>
        <translation>Cancels the enemy's Evade and deals high&#xd;damage&#xd;Not a sure hit</translation>
    </message>
    <message>
        <source>次ターン相手は攻撃系しか選択できなくなります&#xd;ただしそのターン相手の攻撃力が上昇します</source>
        <translation>Next turn the enemy can choose attacks only&#xd;but its attack rises that turn</translation>
    </message>
    <message>
        <source>反撃・追撃・追撃態勢の発動率があがります</source>
        <translation>Raises the chance of Riposte, Pursuit and Pursuit Stance</translation>
    </message>
    <message>
        <source>３～５回の連続攻撃を行います&#xd;「集中」は使えません</source>
        <translation>Attacks 3 to 5 times in a row&#xd;Focus cannot be used</translation>
    </message>
    <message>
        <source>設置後に相手が攻撃系の技を使うとSPにダメージを与えます（相手の技は喰らいます・３回制限）</source>
        <translation>Once set, an enemy attack move damages its SP (the move still hits; 3 uses)</translation>
    </message>
    <message>
        <source>設置後に相手が補助系の技を使うとSPにダメージを与えます（相手の技は発動します・３回制限）</source>
        <translation>Once set, an enemy support move damages its SP (the move still works; 3 uses)</translation>
    </message>
    <message>
        <source>設置後に相手が特殊系の技を使うとSPにダメージを与えます（相手の技は喰らいます・３回制限）</source>
        <translation>Once set, an enemy special move damages its SP (the move still hits; 3 uses)</translation>
    </message>
    <message>
        <source>相手の「一撃必殺」「ｸﾘﾃｨｶﾙ」を無効にします&#xd;また一定確率で200以上のダメージを軽減します</source>
        <translation>Cancels the enemy's Deathblow and Critical&#xd;Sometimes reduces damage of 200 or more</translation>
    </message>
    <message>
        <source>先に攻撃でき、確実に命中します&#xd;※大会ルールでは使用不可</source>
        <translation>Strikes first and always hits&#xd;* not allowed in tournament rules</translation>
    </message>
    <message>
        <source>発動時命中100％、回避100％、クリティカル100％になります  ※大会ルールでは使用不可</source>
        <translation>Hit 100%, evasion 100%, critical 100% when it works * not allowed in tournament rules</translation>
    </message>
    <message>
        <source>全能力値50アップ、命中率＋15％、回避率＋15％、ｸﾘﾃｨｶﾙ＋15％  ※大会ルールでは使用不可</source>
        <translation>All stats +50, accuracy +15%, evasion +15%, critical +15%  * not in tournament rules</translation>
    </message>
    <message>
        <source>全能力値100アップ、命中率＋10％、回避率＋10％　　※大会ルールでは使用不可</source>
        <translation>All stats +100, accuracy +10%, evasion +10% * not allowed in tournament rules</translation>
    </message>
    <message>
        <source>３回連続で攻撃します&#xd;※大会ルールでは使用不可</source>
        <translation>Attacks 3 times in a row&#xd;* not allowed in tournament rules</translation>
    </message>
    <message>
        <source>たまに相手に毒を与えます&#xd;効果はあまり長くありません</source>
        <translation>Sometimes poisons the enemy&#xd;The poison does not last long</translation>
    </message>
    <message>
        <source>ジャンプ時にもう1ターン持続できます&#xd;1ターン滞空するごとに消費SPが2倍になります</source>
        <translation>Stays in the air one more turn after Jump&#xd;Each turn aloft doubles the SP cost</translation>
    </message>
    <message>
        <source>ジャンプ時のみ使用でき高いダメージと命中率で攻撃します</source>
        <translation>Only while jumping: high damage and accuracy</translation>
    </message>
    <message>
        <source>攻撃時相手を一定確率で転倒させることができます</source>
        <translation>Sometimes knocks the enemy down</translation>
    </message>
    <message>
        <source>強力な攻撃です&#xd;攻撃をうけた相手は確実に転倒します</source>
        <translation>A powerful attack&#xd;The enemy is always knocked down</translation>
    </message>
    <message>
        <source>一定確率で相手の攻撃から受けるダメージを減らします</source>
        <translation>Sometimes reduces the damage taken</translation>
    </message>
    <message>
        <source>相手のステータスと与えたダメージがわからなくなります　　　　　※勝ち抜き戦・ネット対戦専用技</source>
        <translation>The enemy cannot see its status or the damage * elimination and network battles only</translation>
    </message>
    <message>
        <source>相手と状態異常や付加効果・技による能力値の増減を交換します</source>
        <translation>Swaps ailments, added effects and stat changes with the enemy</translation>
    </message>
    <message>
        <source>攻撃の命中率が必ず５０％になります&#xd;必中攻撃・集中・転倒時などは無効です</source>
        <translation>Attacks hit exactly 50% of the time&#xd;Not with Sure Hit, Focus or while down</translation>
    </message>
    <message>
        <source>全体的な運が上昇します&#xd;複数回の使用が可能です&#xd;アンデットにも少しダメージを与えます</source>
        <translation>Raises overall luck&#xd;Can be used many times&#xd;Also hurts the undead a little</translation>
    </message>
    <message>
        <source>ＨＰ吸収・ＳＰ吸収で相手が奪う数値が半分になります</source>
        <translation>HP and SP drained from it are halved</translation>
    </message>
    <message>
        <source>攻撃をうけるとその攻撃に対する回避率が上昇します　※回避すると回避率は元に戻ります</source>
        <translation>Each hit taken raises evasion against it (back to normal after a dodge)</translation>
    </message>
    <message>
        <source>全ての攻撃・技名・ステータスがわからなくなります</source>
        <translation>Hides every attack, move name and status</translation>
    </message>
    <message>
        <source>ジャンプ時のみ使用でき落下することなく攻撃が可能です　※使うごとに消費が２倍になります</source>
        <translation>Only while jumping: attacks without landing * each use doubles the cost</translation>
    </message>
    <message>
        <source>そのターンのみ自分の能力値-80％になります&#xd;重複しての使用が可能です</source>
        <translation>Its own stats -80% this turn only&#xd;Can be stacked</translation>
    </message>
    <message>
        <source>リミッター使用回数に比例したダメージ、命中率で攻撃します</source>
        <translation>Damage and accuracy grow with Limiter uses</translation>
    </message>
    <message>
        <source>リミッター使用回数に比例してＳＰを回復させます</source>
        <translation>Regains SP in proportion to Limiter uses</translation>
    </message>
    <message>
        <source>残りＨＰが100以下で使え、負けてしまいますが敗北数はカウントされません</source>
        <translation>Usable at 100 HP or less: loses the battle, but no loss is counted</translation>
    </message>
    <message>
        <source>相手が攻撃技を選択していた場合、相手と自分の攻撃が必中します。それ以外はミスです</source>
        <translation>If the enemy chose an attack, both attacks hit. Otherwise a miss</translation>
    </message>
    <message>
        <source>毒持続ターン+5　ダメージ量が一定になりますが相手からの毒もヴェノムになります</source>
        <translation>Poison lasts 5 turns more at a fixed damage, but the enemy's poison becomes Venom too</translation>
    </message>
    <message>
        <source>(スキル以外の技の個数)×７％ 能力アップ&#xd;常に混乱状態になります</source>
        <translation>Stats +7% per move (not skills)&#xd;Always confused</translation>
    </message>
    <message>
        <source>射撃の弾数を元に戻します&#xd;射撃の効果と残弾に応じて消費が変わります</source>
        <translation>Refills Shoot's ammo&#xd;The cost depends on Shoot and ammo left</translation>
    </message>
    <message>
        <source>麻痺の時だけ使用できます&#xd;まれに相手を麻痺させることもあります</source>
        <translation>Only while paralysed&#xd;Rarely paralyses the enemy too</translation>
    </message>
    <message>
        <source>使用するとなんらかの効果が自分に起こります&#xd;失敗することもあります</source>
        <translation>Something happens to itself&#xd;May fail</translation>
    </message>
    <message>
        <source>相手の技を見ることができます&#xd;スキルは見れません</source>
        <translation>Shows the enemy's moves&#xd;Skills stay hidden</translation>
    </message>
    <message>
        <source>相手の状態異常数に応じてダメージを与えます&#xd;相手の状態異常は回復します&#xd;アンデットにも有効です</source>
        <translation>Damage by the enemy's ailments, which are cured&#xd;Also works on the undead</translation>
    </message>
    <message>
        <source>HPが200以下の状態で能力値が2倍になります&#xd;ただしHPが200以上になると効果が無くなります</source>
        <translation>Stats doubled while HP is 200 or less&#xd;Ends when HP is above 200</translation>
    </message>
    <message>
        <source>自分の攻撃力と防御力を入れ替えます&#xd;相手の行動終了後に発動します</source>
        <translation>Swaps its attack and defence&#xd;Works after the enemy's action</translation>
    </message>
    <message>
        <source>攻撃力、防御力が上昇しますが&#xd;素早さが低下します&#xd;素早さがないと効果がありません</source>
        <translation>Raises attack and defence but&#xd;lowers speed&#xd;No effect without speed</translation>
    </message>
    <message>
        <source>素早さが上昇しますが&#xd;攻撃力、防御力が低下します&#xd;攻撃力・防御力がないと効果がありません</source>
        <translation>Raises speed but&#xd;lowers attack and defence&#xd;No effect without attack and defence</translation>
    </message>
    <message>
        <source>追撃が命中した場合一定確率で&#xd;どれかの攻撃技でさらに攻撃します&#xd;追撃体勢、流水の極意では発動率低下</source>
        <translation>When a pursuit hits, sometimes attacks again&#xd;with one of its attack moves&#xd;less often with Pursuit Stance/Flowing Water</translation>
    </message>
    <message>
        <source>追加攻撃を行う分身を一体増やします&#xd;攻撃をうけると一定確率で消滅します</source>
        <translation>Adds one double that attacks too&#xd;It may vanish when hit</translation>
    </message>
    <message>
        <source>分身が行う攻撃&#xd;ダメージ下限がありません</source>
        <translation>The double's attack&#xd;No lower limit on damage</translation>
    </message>
    <message>
        <source>使用すると転倒しなくなり回避率があがります&#xd;ジャンプが使えず射撃に弱くなります&#xd;再度使用すると着地します</source>
        <translation>No more falls, higher evasion&#xd;No Jump, weak to Shoot&#xd;Use again to land</translation>
    </message>
    <message>
        <source>飛行をやめ地面に降ります&#xd;飛行していないキャラと同じ扱いになります</source>
        <translation>Stops flying and lands&#xd;Treated as one that does not fly</translation>
    </message>
    <message>
        <source>HPが毎ターン回復します&#xd;闇属性に強くなり炎・光属性に弱くなります&#xd;他の派生スキルを設定できるようになります</source>
        <translation>Regains HP every turn&#xd;Strong against dark, weak to fire and light&#xd;Allows the derived skills</translation>
    </message>
    <message>
        <source>HPが毎ターン減少しますが毒で回復します&#xd;スキル「ガッツ」と同様の効果も持ちます&#xd;攻撃に毒が付加されます/ＨＰ+４００</source>
        <translation>Loses HP every turn but poison heals it&#xd;Also works like the skill Guts&#xd;Its attacks poison / HP +400</translation>
    </message>
    <message>
        <source>一定確率で相手の攻撃を回避できます&#xd;マヒ・混乱・転倒をしなくなります</source>
        <translation>Sometimes dodges the enemy's attack&#xd;Never paralysed, confused or knocked down</translation>
    </message>
    <message>
        <source>使用すると土属性以外のダメージを軽減します&#xd;潜っている間はSP回復量が少なくなります&#xd;潜る・攻撃系・特殊系の技使用で潜る状態解除</source>
        <translation>Less damage from all but earth moves&#xd;Regains less SP while underground&#xd;Ends with Burrow, attack or special moves</translation>
    </message>
    <message>
        <source>潜る状態を解除します</source>
        <translation>Ends Burrow</translation>
    </message>
    <message>
        <source>２ターン相手の攻撃の命中率を下げます</source>
        <translation>Lowers the enemy's accuracy for 2 turns</translation>
    </message>
    <message>
        <source>高い命中率と威力で攻撃しますが&#xd;次ターン混乱/転倒/麻痺のいずれかになります</source>
        <translation>Attacks with high accuracy and power, but&#xd;next turn is confused, down or paralysed</translation>
    </message>
    <message>
        <source>ラスト３ターンになると&#xd;HPが500回復、能力値が1.5倍になります</source>
        <translation>In the last 3 turns&#xd;regains 500 HP and stats x1.5</translation>
    </message>
    <message>
        <source>空中に高く飛んで攻撃します&#xd;命中・威力共に高まります</source>
        <translation>Leaps high and attacks&#xd;Better accuracy and power</translation>
    </message>
    <message>
        <source>最終ターンに発動できる最強の攻撃です</source>
        <translation>The strongest attack, on the last turn only</translation>
    </message>
    <message>
        <source>空中から激しい攻撃を加えます&#xd;攻撃が確実に命中し、マヒも誘発します</source>
        <translation>A fierce attack from the air&#xd;Always hits and may paralyse</translation>
    </message>
    <message>
        <source>戦闘から離脱します&#xd;両者とも戦歴は変わりません</source>
        <translation>Leaves the battle&#xd;Neither record changes</translation>
    </message>
    <message>
        <source>10回連続攻撃を行います&#xd;発動に１ターン必要です</source>
        <translation>Attacks 10 times in a row&#xd;Needs one turn to start</translation>
    </message>
</context>
<context>
    <name>Element</name>
    <message>
        <source>火</source>
        <translation>Fire</translation>
    </message>
    <message>
        <source>水</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>雷</source>
        <translation>Thunder</translation>
    </message>
    <message>
        <source>土</source>
        <translation>Earth</translation>
    </message>
    <message>
        <source>光</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>闇</source>
        <translation>Dark</translation>
    </message>
</context>
<context>
    <name>Stage</name>
    <message>
        <source>地上系</source>
        <translation>Any land</translation>
    </message>
    <message>
        <source>水中系</source>
        <translation>Any water</translation>
    </message>
    <message>
        <source>草原</source>
        <translation>Grassland</translation>
    </message>
    <message>
        <source>山岳</source>
        <translation>Mountains</translation>
    </message>
    <message>
        <source>海</source>
        <translation>Sea</translation>
    </message>
    <message>
        <source>雪原</source>
        <translation>Snowfield</translation>
    </message>
    <message>
        <source>砂漠</source>
        <translation>Desert</translation>
    </message>
    <message>
        <source>大会</source>
        <translation>Tournament</translation>
    </message>
    <message>
        <source>密林</source>
        <translation>Jungle</translation>
    </message>
    <message>
        <source>宇宙</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>氷河</source>
        <translation>Glacier</translation>
    </message>
    <message>
        <source>天空</source>
        <translation>Sky</translation>
    </message>
    <message>
        <source>魔方陣</source>
        <translation>Magic Circle</translation>
    </message>
    <message>
        <source>洞窟</source>
        <translation>Cave</translation>
    </message>
    <message>
        <source>道路</source>
        <translation>Road</translation>
    </message>
    <message>
        <source>基地</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>城</source>
        <translation>Castle</translation>
    </message>
    <message>
        <source>橋</source>
        <translation>Bridge</translation>
    </message>
    <message>
        <source>廊下</source>
        <translation>Corridor</translation>
    </message>
    <message>
        <source>闘技場</source>
        <translation>Arena</translation>
    </message>
    <message>
        <source>電脳</source>
        <translation>Cyberspace</translation>
    </message>
</context>
<context>
    <name>Personality</name>
    <message>
        <source>普通</source>
        <translation>Ordinary</translation>
    </message>
    <message>
        <source>熱血</source>
        <translation>Hot-blooded</translation>
    </message>
    <message>
        <source>慎重</source>
        <translation>Careful</translation>
    </message>
    <message>
        <source>短気</source>
        <translation>Short-tempered</translation>
    </message>
    <message>
        <source>根暗</source>
        <translation>Gloomy</translation>
    </message>
    <message>
        <source>感情的</source>
        <translation>Emotional</translation>
    </message>
    <message>
        <source>鈍感</source>
        <translation>Insensitive</translation>
    </message>
    <message>
        <source>獰猛</source>
        <translation>Ferocious</translation>
    </message>
    <message>
        <source>冷静</source>
        <translation>Cool</translation>
    </message>
</context>
<context>
    <name>PersonalityDescription</name>
    <message>
        <source>特に大きな感情の変化の無い一般的な性格です</source>
        <translation>An ordinary character without big swings of emotion</translation>
    </message>
    <message>
        <source>相手の攻撃を受けたときHigh&#xa;何もしない場合もHighになります</source>
        <translation>Goes High when attacked&#xa;and also when doing nothing</translation>
    </message>
    <message>
        <source>相手の攻撃を受けたときLow&#xa;何もしない場合もLowになります</source>
        <translation>Goes Low when attacked&#xa;and also when doing nothing</translation>
    </message>
    <message>
        <source>相手の攻撃を受けたとき一定確率で&#xa;大きくHighに動きます</source>
        <translation>When attacked, sometimes swings&#xa;far towards High</translation>
    </message>
    <message>
        <source>相手の攻撃を受けたとき一定確率で&#xa;大きくLowに動きます</source>
        <translation>When attacked, sometimes swings&#xa;far towards Low</translation>
    </message>
    <message>
        <source>技の使用による感情の動きが&#xa;大きくなります</source>
        <translation>Moves change its emotion&#xa;more</translation>
    </message>
    <message>
        <source>技の使用による感情の動きが&#xa;小さくなります</source>
        <translation>Moves change its emotion&#xa;less</translation>
    </message>
    <message>
        <source>感情がHighになる技では大きくHighに動き&#xa;Lowになる技は少しだけLowに動きます</source>
        <translation>Moves towards High swing it far High,&#xa;moves towards Low only a little Low</translation>
    </message>
    <message>
        <source>感情がLowになる技では大きくLowに動き&#xa;Highになる技は少しだけHighに動きます</source>
        <translation>Moves towards Low swing it far Low,&#xa;moves towards High only a little High</translation>
    </message>
</context>
<context>
    <name>SpecialAbility</name>
    <message>
        <source>ＨＰ+200</source>
        <translation>HP+200</translation>
    </message>
    <message>
        <source>能力20%↑</source>
        <translation>Stats 20%↑</translation>
    </message>
    <message>
        <source>リバイブ</source>
        <translation>Revive</translation>
    </message>
    <message>
        <source>消費10%↓</source>
        <translation>Cost 10%↓</translation>
    </message>
    <message>
        <source>無感情</source>
        <translation>No Emotion</translation>
    </message>
    <message>
        <source>超鉄壁</source>
        <translation>Super Wall</translation>
    </message>
    <message>
        <source>ＨＰ+1000</source>
        <translation>HP+1000</translation>
    </message>
    <message>
        <source>敵HP-200</source>
        <translation>Enemy HP-200</translation>
    </message>
    <message>
        <source>大洪水</source>
        <translation>Great Flood</translation>
    </message>
    <message>
        <source>エアレイド</source>
        <translation>Air Raid</translation>
    </message>
    <message>
        <source>Jアタック</source>
        <translation>J Attack</translation>
    </message>
    <message>
        <source>猛吹雪</source>
        <translation>Blizzard</translation>
    </message>
</context>
<context>
    <name>SpecialAbilityDescription</name>
    <message>
        <source>タフネスと同効果です（併用可）</source>
        <translation>Same as Toughness (can be combined)</translation>
    </message>
    <message>
        <source>能力値が20％上昇します</source>
        <translation>Stats rise by 20%</translation>
    </message>
    <message>
        <source>リバイブと同効果です（併用不可）</source>
        <translation>Same as Revive (cannot be combined)</translation>
    </message>
    <message>
        <source>ﾃｸﾆｼｬﾝと同効果です（併用可）</source>
        <translation>Same as Technician (can be combined)</translation>
    </message>
    <message>
        <source>感情が行動に左右されなくなります</source>
        <translation>Actions no longer swing its emotion</translation>
    </message>
    <message>
        <source>全ての攻撃ダメージを半減します</source>
        <translation>Halves the damage of every attack</translation>
    </message>
    <message>
        <source>タフネス×５と同効果です（併用可）</source>
        <translation>Same as Toughness x5 (can be combined)</translation>
    </message>
    <message>
        <source>敵の初期HPが200減少します</source>
        <translation>The enemy's starting HP is 200 less</translation>
    </message>
    <message>
        <source>1３ターン後地形を「海」にします</source>
        <translation>Turns the field to Sea after 13 turns</translation>
    </message>
    <message>
        <source>必殺技：エアレイドが選択できるようになります</source>
        <translation>The finishing move Air Raid can be chosen</translation>
    </message>
    <message>
        <source>必殺技：Jアタックが選択できるようになります</source>
        <translation>The finishing move J Attack can be chosen</translation>
    </message>
    <message>
        <source>１３ターン後地形を「雪原」にします（能力20％アップ）</source>
        <translation>Turns the field to Snowfield after 13 turns (stats +20%)</translation>
    </message>
</context>
</TS>
