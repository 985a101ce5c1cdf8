<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ConsoleOptions</name>
    <message>
        <source>Displays help on the command line options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints what the game will use when it starts, and which file sets each setting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applies the report&apos;s fix ID (again for more, or all), and prints the lines it changes. The JSON report lists the ids.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --fix: prints the lines it would change, and changes nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists the restore points of the game folder, newest first: one is kept before every change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puts the game&apos;s scripts back as restore point ID holds them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --report or --restore-points: as one JSON object.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the program in language CODE: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tunes Counter-Strike through its start-up script.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --report, --fix, --restore-points or --restore: the game folder; else the one the start window would find.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[GAMEROOT]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no language %1; give one of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give only one of --report, --fix, --restore-points and --restore.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--json goes only with --report or --restore-points.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--dry-run goes only with --fix.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A game folder goes only with --report, --fix, --restore-points or --restore: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Give one game folder, not %n.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DirectoryList</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DirectoryPage</name>
    <message>
        <source>Your current half-life directory:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Half-life root not found, try specify another dir. Or choose another cstrike version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t find counter-strike config file, try specify another path</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DriveList</name>
    <message>
        <source>Volume (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorBoundary</name>
    <message>
        <source>Error %1: %2
%3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Choose your half-life root directory:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GamePlaces</name>
    <message>
        <source>Steam library (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wine %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error %1: the registry could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LineReviewBox</name>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave out the lines that do nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide &amp;Details...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MusicLoop</name>
    <message>
        <source>%1 is missing!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zentrimo finds nothing to fix in the game&apos;s scripts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>valve.rc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>config.cfg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an exec line in a script before it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>valve.rc&apos;s stuffcmds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2, run by %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore point %1 is damaged: it cannot be restored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, made before %2, is damaged: it cannot be restored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, made before %2: every file is as it is today.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, made before %2: differs from today in %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartWindow</name>
    <message>
        <source>Retail Cstrike</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal Cstrike</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specify yourself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cstrike Versions:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>wizard</name>
    <message>
        <source>Console speed </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The console, opened and closed with the &quot;~&quot; key, moves down and up slowly by default and wastes your time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Console speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A higher value makes the console move faster, a lower value slower.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The default is 600; 3000 or more makes the console appear and disappear almost at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third person view </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third person view has no real purpose but may be fun, and it may be slightly slower. Leave the box cleared to keep the first person view, the game&apos;s default. See the pictures below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use third person view.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third person view:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First person view:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have now completed the tweak of Counter-strike. Enjoy the tweak!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you want to uninstall the tweak, just start this tweak-program again, and then choose &quot;uninstall&quot; instead of &quot;start tweak&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can now choose to move on to misc tweak section, or you can just quit and save settings now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMX </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable MMX if your processor supports it (Pentium MMX, Pentium II, Celeron, K6, K6-2). Otherwise disable it for a possible speed gain.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable MMX support?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse filtering </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse filtering averages the positions before and after each movement, which smooths the mouse.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable mouse filtering?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joystick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most people play with mouse and keyboard rather than a joystick. Disabling joystick support gains speed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable Joystick and gain performance.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum modem framerate </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over a modem, limiting the frame rate lowers your ping, and your frame rate with it. 33 is recommended for 56k modems, where the ping is usually around 160; use lower values for slower modems.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max modem framerate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non-modem users should not be concerned with this command.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Push Lantency:</source>
        <extracomment>&quot;Lantency&quot; is the original&apos;s typo for &quot;latency&quot;; translate the meaning.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prediction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This setting controls prediction in internet games. Set it between one half and one times your average ping, negated: for a ping of 300, between -150 and -300.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(You can&apos;t type minus, it is typed by default)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This setting decides whether decals, maps and models are downloaded when you connect to a server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow downloading of decals, maps, and models.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can now choose to move on to internet tweak section, or you can just quit and save settings now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum LAN framerate </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The same limit for games on a local network. 45 is recommended; adjust it if the game lags.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max LAN framerate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A lower rate usually gives lower pings, because the server sends less data. Recommended are 2500 to 3500 for 28.8 and 33.6 modems, 3000 to 5000 for 56k modems, 5000 and more for faster lines, and about 25,000 for LAN games and ADSL.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow upload </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This setting decides whether your own decals, maps and models are uploaded when you connect to a server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow uploading of decals, maps, and models.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What today&apos;s game does with this setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Skip setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 Bit 11 kHz </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 Bit 22 kHz (high quality)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16 Bit 11 kHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16 Bit 22 kHz (high quality) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound quality </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low-quality sound uses less memory and gives a slight speed gain on some systems. With a PCI sound card or a fast processor there is no reason to give up good sound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can now choose to move on to sound tweak section, or you can just quit and save settings now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound Compatibility </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some sound cards, the Ensoniq AudioPCI in particular, stutter in games built on the Quake II engine. If yours does, leave the box cleared for maximum compatibility.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use maximum performance sound? (unchecked means maximum compatibility)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A3D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game supports A3D 3D sound, reportedly only on Vortex 2 cards. A3D is buggy, so enable it only to try it out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable A3D?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EAX </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EAX is another 3D audio interface, supported by the Sound Blaster Live and other cards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable EAX?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverb adds echo to the sound. It does little in this game, and turning it off can gain a little speed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable reverb?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness must be under 4 and over 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gamma must be under 4 and over 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From now on, you have to answer a couple of questions. Plz, do it carefully. This program do not take any responsebillity if your computer migth be damaged.</source>
        <extracomment>The original&apos;s misspellings (&quot;Plz&quot;, &quot;do not&quot;, &quot;responsebillity&quot;, &quot;migth&quot;) are deliberate; write it correctly.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zentrimo was made by Vaskor. Thank you for using it!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found a bug, or have a comment? Please report it to whoever gave you this program, or on the project&apos;s issue tracker.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start Tweak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore &amp;points...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Uninstall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uninstall Tweak if installed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decals, bulletholes, and explosion scars... </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make sure to limit the number of decals, bulletholes, and explosion scars.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum number of decals on screen at a time (recommended 200 to 500)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You will gain a 10% to 15% improvement in performance, especially in lengthy matches. See the pics below:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decals etc. enabled:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decals etc. disabled:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dynamic lighting </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With dynamic lighting, lit things such as muzzle flashes and explosions throw their light onto the walls and objects near them. Switching it off gains speed, but your flashlight stops working. The pictures show the glow on the wall.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable dynamic lighting and gain performance?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to disable dynamic lighting?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dynamic Enabled:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dynamic Disabled:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weapon visibility </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The weapon in your hands blocks part of your view. Hiding it gains 3 to 5 frames per second, or even more. See the pictures below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make weapon invisible and gain performance?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to be able to see your weapon during the game?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visible weapon:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invisible weapon:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collinear vertexes </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeping collinear vertexes fills the gaps and reduces the cracks between polygons. Switching it off can gain some speed, at the price of some visible cracking.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable collinear vertexes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You may gain around 1 or 2 FPS from disabling this.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shadows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shadows are off by default in the game. They look unrealistic and are best used only when you really need them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable shadows and gain performance.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shadows enabled:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shadows disabled:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabling gl_texsort gives much brighter images, at a large cost in speed. Some video cards need it switched on, others switched off: if your card has problems, try both.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable gl_texsort and gain performance?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gl_texsort enabled:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gl_texsort disabled:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The offset of textures and decals fixes decals that show through walls or are drawn wrongly. It has little or no effect on speed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poly-Offset:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poly-Offset Must be between -25 and 25</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 is the default for video cards without problems. If your card has problems, try -1, 20 or 5, and then experiment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness/Gamma </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness lightens only the characters, weapons and objects. Gamma lightens everything; it ranges from 0 to 4 and costs no speed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness (higher is brighter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gamma (higher is brighter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness 2 with gamma 4 is recommended for dark video cards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Texture Gamma/Light Gamma </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Texture gamma sets the gamma of all textures, light gamma that of the lighting. Neither has any effect on speed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Texture Gamma (lower is brighter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light Gamma (lower is brighter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you chose brightness 2 and gamma 4 on the previous page, try 3 and 2 here; otherwise keep 2 and 2.5, the defaults.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pic mip </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pic mip sets the overall texture quality. 2 gains a little speed at a severe loss of image quality; newer video cards gain nothing above 0, which is recommended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pic mip:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pic mip must be between 0 and 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If your system crashes, run this tweak again and set this to default.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZTrick </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skipping it can gain a good amount of speed, but on some video cards it makes textures and distant objects flicker. The pictures show a distant sign that flickers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable ZTrick and gain performance.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZTrick is a command to skip the clearing of the Z-buffer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ztrick enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ztrick disabled:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Texture Mode </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The texture mode is the drawing mode of your video hardware. Nearest neighbor interpolation looks blocky and jagged; linear interpolation looks smooth.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nearest neighbor interpolation for bilinear hardware?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linear interpolation for bilinear hardware.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nearest neighbor interpolation for trilinear hardware.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linear interpolation for trilinear hardware.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High quality player models </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player models come in high and low quality, with little visible difference. Low quality models save texture memory: cards with much texture memory lose little by using them, cards with little texture memory gain speed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use low quality models.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direct3D Flip </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If your mouse input lags two to three seconds behind, your video card needs Direct3D flip enabled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Direct3D flip to correct input problems.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>wizard::GameReportWindow</name>
    <message>
        <source>What the game will use when it starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fix chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter the settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value the game will use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What today&apos;s game does</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scripts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;py report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick the problems you want Zentrimo to fix, then press &quot;Fix chosen&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zentrimo will change the lines shown under &quot;Show Details...&quot;. Do you want to change them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game is running from this folder. Quit the game first: it rewrites its scripts when it quits. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>wizard::RestoreWindow</name>
    <message>
        <source>Restore points of the game&apos;s scripts, newest first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What restoring it would change:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no restore points yet: Zentrimo keeps one before every change it makes to the game&apos;s scripts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This restore point is damaged: its files are not as they were written, so it cannot be restored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zentrimo will put the game&apos;s scripts back as they were at this restore point, as shown under &quot;Show Details...&quot;, after keeping what they hold now as a new restore point. Do you want to restore it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>wizard::SectionStartPage</name>
    <message>
        <source>The lines of this run could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counter-Strike is running: the settings take effect at its next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have to install the tweak before you try to uninstall it --&gt; No tweak installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tweak have been succesfully uninstalled</source>
        <extracomment>&quot;Tweak have been succesfully&quot; is the original&apos;s grammar and typo; write it correctly.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to apply settings before quit?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
