// "manual.html": the help page in English, opened by help when the game speaks English. It tells
// what "説明書.html" tells; the technique, element, personality and stage names are those the
// English game shows.

#include <QTranslator>
#include <sstream>

#include "help_tables.h"
#include "vexmora/data/technique_catalogue.h"

namespace vex::assets {

std::string englishHelpPageHtml(const QTranslator& english) {
    const HelpWords words{&english};
    std::ostringstream html;
    html << R"html(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>VEXMORA manual</title>
<style>
)html" << kHelpPageStyle << R"html(</style>
</head>
<body>
<header><h1>VEXMORA</h1>Make monsters, raise them, and let them fight</header>
<nav><a href="#start">Getting started</a><a href="#make">Making a monster</a><a href="#modes">Playing</a><a href="#battle">Battle rules</a><a href="#tech">Techniques</a><a href="#net">Network battles</a><a href="#option">Options</a></nav>
<main>
<h2 id="start">Getting started</h2>
<p>VEXMORA is a game in which monsters you make yourself fight each other.
Choose a name, a picture, stats, a personality and techniques, then battle the computer, a friend, or a player across the network.</p>
<p>Click the title screen and the menu appears. New players can try "Free battle (vs COM)" with the sample monsters in the "Data" folder.</p>
<p>The game speaks Japanese or English: choose in Options (Language). Files and network battles are the same in either language.</p>

<h2 id="make">Making a monster</h2>
<h3>1. New monster</h3>
<p>Choose "Edit" on the menu, then "New monster".</p>
<ul>
<li><b>Name</b>: up to 10 full-width (20 half-width) characters. \ / : &lt; &gt; * ? | cannot be used. The name becomes the file name.</li>
<li><b>ATK, DEF, SPD</b>: share up to 1000 points between attack, defence and speed.</li>
<li><b>Personality</b>: decides how its emotion (High/Low) moves in battle.</li>
</ul>
<table>
<tr><th>Personality</th><th>How its emotion moves</th></tr>
)html";
    personalityRows(html, words);
    html << R"html(</table>
<p>Name, stats and personality cannot be changed later.</p>

<h3>2. The editor</h3>
<ul>
<li><b>Techniques</b>: choose a technique from the list for each of the five slots. Some cannot be put in more than one slot ("Several slots" is × in the list).</li>
<li><b>Effect</b>: five grades, D, C, B, A and S. A higher grade is stronger but costs more SP.</li>
<li><b>Element</b>: fire, water, thunder, earth, light or dark. The damage depends on the elements of the two techniques (table below).</li>
<li><b>Technique names</b>: name each technique as you like; the name shows in battle (up to 20 full-width characters).</li>
<li><b>Lines</b>: what the monster says at the start of a battle, when it wins and when it loses.</li>
<li><b>Load picture</b>: choose the monster's picture: ico, gif, png, bmp or jpg (jpeg), up to 32000 bytes.
In bmp, png and jpg pictures the parts <b>of the colour of the top-left pixel</b> are transparent; gif and ico keep their own transparency.</li>
<li><b>Size</b>: the size of the picture on the battle screen. "↑" and "↓" move it up and down, "Flip 1P" and "Flip 2P" turn it left or right.</li>
<li><b>Author and password</b>: with a password, nobody else can open the monster in the editor.</li>
</ul>
<p>"Save" writes the monster's file (name.tvx). <b>Do not rename a saved file:</b> a renamed monster cannot be loaded.</p>
<h3>Elements</h3>
<p>How much more or less damage a technique of the element on the left does to the element on top.</p>
)html";
    elementTable(html, words);
    html << R"html(<h3>Special abilities</h3>
<p>Wins and losses earn points, with which a monster learns special abilities (three at most):
HP+200, Stats 20%↑, Revive, Cost 10%↓, No Emotion, Super Wall, HP+1000, Enemy HP-200, Great Flood, Air Raid, J Attack and Blizzard.</p>

<h2 id="modes">Playing (the menu)</h2>
<table>
<tr><th>Menu</th><th>What it does</th></tr>
<tr><td>Free battle (vs COM)</td><td>Choose any two monsters and fight the computer. Pick them with "Load 1P" and "Load 2P" and press "Start".</td></tr>
<tr><td>Free battle (vs MAN)</td><td>Two players at one keyboard, each choosing techniques with their own keys.</td></tr>
<tr><td>Elimination</td><td>Fight the monsters of the "Data" folder one after another, chosen at random. How many can you beat? Now and then a mysterious challenger breaks in…</td></tr>
<tr><td>Scenario mode</td><td>Fight the bosses of a scenario in turn. The sample scenario "混沌の城" (Castle of Chaos) holds ten bosses.</td></tr>
<tr><td>Network battle</td><td>Fight other players over the internet or a LAN (see "Network battles" below).</td></tr>
<tr><td>Edit</td><td>Make and change monsters. Scenarios are made here too.</td></tr>
<tr><td>Options</td><td>Music, sound effects, game speed, window size and language.</td></tr>
</table>
<h3>Battle settings</h3>
<p>"Settings" on the battle screen chooses the starting HP (1000/1500/2000), starting SP (0/10/100), turn limit (none/30/50/80), watch mode, animation and stage.
"Tournament rules" fix HP 1000, SP 10, 50 turns and the tournament stage, and forbid the special techniques.</p>
<h3>Stages</h3>
<p>)html" << stageList(words) << R"html(. Some monsters do better on some stages (the skills Aquatic, Desert and Snowfield, for example).</p>
<h3>Making a scenario</h3>
<p>"Edit" → "Make scenario" lines up to ten bosses in a scenario of your own. Name the scenario first, then press a boss's button to make that boss.
The bosses are saved as "scenario name.b01" to "scenario name.b10" in the "Scenario" folder.</p>

<h2 id="battle">Battle rules</h2>
<ul>
<li>Every turn, choose a technique (one of the five slots) or "Do nothing". Point at a technique to read what it does.</li>
<li>Techniques need SP. SP comes back a little at the end of every turn, and more after "Defend" or "Evade".</li>
<li>Speed and luck decide who moves first. Some techniques, such as "First Strike", always move first.</li>
<li>Paralysis, poison, confusion, seals and the other ailments last several turns. The icons of the status window show them.</li>
<li>The emotion gauge moves as techniques are used and taken. High makes a monster aggressive, Low makes it careful.</li>
<li>Bring the enemy's HP to 0 to win. With a turn limit, the one with more HP at the end wins.</li>
</ul>

<h2 id="tech">Techniques</h2>
<p>An SP cost "a～b" runs from effect D to effect S. Skills are not chosen in battle: having them is enough.</p>
)html";
    for (int category : {kCategoryAttack, kCategorySupport, kCategorySpecial, kCategorySkill}) techniqueTable(html, category, words);
    html << R"html(
<h2 id="net">Network battles</h2>
<div class="box">
<ol>
<li>Choose "Network battle" on the menu and enter your handle (the name others see).</li>
<li>One of you is the <b>host</b> (who waits), the other the <b>client</b> (who connects).</li>
<li>The client enters the host's IP address and connects. The port is usually <b>1001</b>.</li>
<li>Once connected, say hello in the chat. Both choose a monster; when the host sets up the battle and confirms, it starts.</li>
<li>The result is written to "結果.txt" and, if a server is set up, reported by itself.</li>
</ol>
<p class="note">* On Linux, ordinary users cannot wait on ports below 1024.
If you cannot host, both choose the same port of 1024 or above (10010, for example).
Firewalls and routers must let connections to that port through.</p>
</div>

<h2 id="option">Options</h2>
<ul>
<li><b>Music, sound effects</b>: on or off.</li>
<li><b>Game speed</b>: how fast animations and waits run.</li>
<li><b>Result file</b>: whether network battle results are written to "結果.txt".</li>
<li><b>Window size</b>: automatic, ×1, ×2 or ×3.</li>
<li><b>Language</b>: automatic (the desktop's), 日本語 or English. The windows change at once.</li>
<li><b>Convert data</b>: brings monsters of the old format (tvo) up to date.</li>
</ul>
<h2>The folders</h2>
<table>
<tr><th>Folder</th><th>What it holds</th></tr>
<tr><td>Data</td><td>The monsters (.tvx). Elimination opponents come from here.</td></tr>
<tr><td>Scenario</td><td>Scenarios (.sce) and their bosses (.b01 to .b10).</td></tr>
<tr><td>Image</td><td>The battle screen's pictures and the stages.</td></tr>
<tr><td>wav, MIDI</td><td>Sound effects and music.</td></tr>
<tr><td>System</td><td>The game's own data and settings. Do not edit the files in it.</td></tr>
</table>
</main>
</body>
</html>
)html";
    return html.str();
}

}  // namespace vex::assets
