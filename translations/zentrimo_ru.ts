<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ConsoleOptions</name>
    <message>
        <source>Displays help on the command line options.</source>
        <translation>Показывает справку по параметрам командной строки.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Показывает информацию о версии.</translation>
    </message>
    <message>
        <source>Prints what the game will use when it starts, and which file sets each setting.</source>
        <translation>Выводит, что игра будет использовать при запуске и какой файл задаёт каждую настройку.</translation>
    </message>
    <message>
        <source>Applies the report&apos;s fix ID (again for more, or all), and prints the lines it changes. The JSON report lists the ids.</source>
        <translation>Применяет исправление ID из отчёта (повторите опцию для других или укажите all) и выводит изменяемые строки. Идентификаторы перечислены в отчёте JSON.</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>With --fix: prints the lines it would change, and changes nothing.</source>
        <translation>С --fix: выводит строки, которые были бы изменены, и ничего не меняет.</translation>
    </message>
    <message>
        <source>Lists the restore points of the game folder, newest first: one is kept before every change.</source>
        <translation>Выводит точки восстановления папки игры, начиная с новейшей: одна создаётся перед каждым изменением.</translation>
    </message>
    <message>
        <source>Puts the game&apos;s scripts back as restore point ID holds them.</source>
        <translation>Возвращает скрипты игры в то состояние, которое хранит точка восстановления ID.</translation>
    </message>
    <message>
        <source>With --report or --restore-points: as one JSON object.</source>
        <translation>С --report или --restore-points: выводит всё одним объектом JSON.</translation>
    </message>
    <message>
        <source>Shows the program in language CODE: %1.</source>
        <translation>Показывает программу на языке КОД: %1.</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>КОД</translation>
    </message>
    <message>
        <source>Tunes Counter-Strike through its start-up script.</source>
        <translation>Настраивает Counter-Strike через его стартовый скрипт.</translation>
    </message>
    <message>
        <source>With --report, --fix, --restore-points or --restore: the game folder; else the one the start window would find.</source>
        <translation>С --report, --fix, --restore-points или --restore: папка игры; иначе та, которую нашло бы стартовое окно.</translation>
    </message>
    <message>
        <source>[GAMEROOT]</source>
        <translation>[ПАПКА_ИГРЫ]</translation>
    </message>
    <message>
        <source>There is no language %1; give one of %2.</source>
        <translation>Языка %1 нет; укажите один из: %2.</translation>
    </message>
    <message>
        <source>Give only one of --report, --fix, --restore-points and --restore.</source>
        <translation>Укажите только одну из опций --report, --fix, --restore-points и --restore.</translation>
    </message>
    <message>
        <source>--json goes only with --report or --restore-points.</source>
        <translation>--json работает только с --report или --restore-points.</translation>
    </message>
    <message>
        <source>--dry-run goes only with --fix.</source>
        <translation>--dry-run работает только с --fix.</translation>
    </message>
    <message>
        <source>A game folder goes only with --report, --fix, --restore-points or --restore: %1</source>
        <translation>Папку игры можно указать только с --report, --fix, --restore-points или --restore: %1</translation>
    </message>
    <message numerus="yes">
        <source>Give one game folder, not %n.</source>
        <translation>
            <numerusform>Укажите одну папку игры, а не %n.</numerusform>
            <numerusform>Укажите одну папку игры, а не %n.</numerusform>
            <numerusform>Укажите одну папку игры, а не %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DirectoryList</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Не удаётся прочитать %1: %2</translation>
    </message>
</context>
<context>
    <name>DirectoryPage</name>
    <message>
        <source>Your current half-life directory:</source>
        <translation>Ваша текущая папка Half-Life:</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Далее</translation>
    </message>
    <message>
        <source>Half-life root not found, try specify another dir. Or choose another cstrike version</source>
        <extracomment>Deliberately as the old tool words it, its faults included.</extracomment>
        <translation>Корневая папка Half-Life не найдена, попробуйте указать другую папку. Или выберите другую версию cstrike</translation>
    </message>
    <message>
        <source>Couldn&apos;t find counter-strike config file, try specify another path</source>
        <translation>Файл конфига Counter-Strike не найден, попробуйте указать другой путь</translation>
    </message>
</context>
<context>
    <name>DriveList</name>
    <message>
        <source>Volume (%1)</source>
        <translation>Том (%1)</translation>
    </message>
    <message>
        <source>Home (%1)</source>
        <translation>Домашняя папка (%1)</translation>
    </message>
</context>
<context>
    <name>ErrorBoundary</name>
    <message>
        <source>Error %1: %2
%3</source>
        <translation>Ошибка %1: %2
%3</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Choose your half-life root directory:</source>
        <translation>Выберите корневую папку Half-Life:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;ОК</translation>
    </message>
</context>
<context>
    <name>GamePlaces</name>
    <message>
        <source>Steam library (%1)</source>
        <translation>Библиотека Steam (%1)</translation>
    </message>
    <message>
        <source>Wine %1 (%2)</source>
        <translation>Wine %1 (%2)</translation>
    </message>
    <message>
        <source>Error %1: the registry could not be read.</source>
        <translation>Ошибка %1: не удалось прочитать реестр.</translation>
    </message>
</context>
<context>
    <name>LineReviewBox</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Leave out the lines that do nothing</source>
        <translation>Исключить строки, которые ничего не делают</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>Показать &amp;подробности...</translation>
    </message>
    <message>
        <source>Hide &amp;Details...</source>
        <translation>Скрыть &amp;подробности...</translation>
    </message>
</context>
<context>
    <name>MusicLoop</name>
    <message>
        <source>%1 is missing!</source>
        <translation>Нет файла %1!</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Zentrimo finds nothing to fix in the game&apos;s scripts.</source>
        <translation>Zentrimo не находит в скриптах игры ничего, что нужно исправить.</translation>
    </message>
    <message>
        <source>the game</source>
        <translation>игра</translation>
    </message>
    <message>
        <source>valve.rc</source>
        <translation>valve.rc</translation>
    </message>
    <message>
        <source>config.cfg</source>
        <translation>config.cfg</translation>
    </message>
    <message>
        <source>an exec line in a script before it</source>
        <translation>строка exec в скрипте, запущенном раньше</translation>
    </message>
    <message>
        <source>valve.rc&apos;s stuffcmds</source>
        <translation>stuffcmds из valve.rc</translation>
    </message>
    <message>
        <source>%1. %2, run by %3</source>
        <translation>%1. %2, запускает: %3</translation>
    </message>
    <message>
        <source>Restore point %1 is damaged: it cannot be restored.</source>
        <translation>Точка восстановления %1 повреждена: её нельзя восстановить.</translation>
    </message>
    <message>
        <source>%1, made before %2, is damaged: it cannot be restored.</source>
        <translation>%1, создана перед операцией %2, повреждена: её нельзя восстановить.</translation>
    </message>
    <message>
        <source>%1, made before %2: every file is as it is today.</source>
        <translation>%1, создана перед операцией %2: все файлы такие же, как сейчас.</translation>
    </message>
    <message>
        <source>%1, made before %2: differs from today in %3.</source>
        <translation>%1, создана перед операцией %2: отличия от текущего состояния: %3.</translation>
    </message>
</context>
<context>
    <name>StartWindow</name>
    <message>
        <source>Retail Cstrike</source>
        <translation>Коробочный Cstrike</translation>
    </message>
    <message>
        <source>Normal Cstrike</source>
        <translation>Обычный Cstrike</translation>
    </message>
    <message>
        <source>Specify yourself</source>
        <translation>Указать вручную</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Далее</translation>
    </message>
    <message>
        <source>Cstrike Versions:</source>
        <translation>Версии Cstrike:</translation>
    </message>
</context>
<context>
    <name>console</name>
    <message>
        <source>The report proposes no fix %1; zentrimo --report --json lists them.</source>
        <translation>Отчёт не предлагает исправления %1; список исправлений выводит zentrimo --report --json.</translation>
    </message>
    <message>
        <source>Nothing was changed (--dry-run).</source>
        <translation>Ничего не изменено (--dry-run).</translation>
    </message>
    <message>
        <source>The game is running from %1: quit it first, since it rewrites its scripts when it quits. Nothing was changed.</source>
        <translation>Игра запущена из папки %1: сначала закройте её, потому что при выходе она перезаписывает свои скрипты. Ничего не изменено.</translation>
    </message>
    <message numerus="yes">
        <source>Applied %n fixes.</source>
        <translation>
            <numerusform>Применено %n исправление.</numerusform>
            <numerusform>Применено %n исправления.</numerusform>
            <numerusform>Применено %n исправлений.</numerusform>
        </translation>
    </message>
    <message>
        <source>The report now proposes no fix.</source>
        <translation>Теперь отчёт не предлагает ни одного исправления.</translation>
    </message>
    <message numerus="yes">
        <source>The report now proposes %n fixes.</source>
        <translation>
            <numerusform>Теперь отчёт предлагает %n исправление.</numerusform>
            <numerusform>Теперь отчёт предлагает %n исправления.</numerusform>
            <numerusform>Теперь отчёт предлагает %n исправлений.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences, the fixes applied and those the report still proposes.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The changes could not be written to the console.</source>
        <translation>Не удалось вывести изменения в консоль.</translation>
    </message>
    <message>
        <source>%1 holds no cstrike/config.cfg: it is not the game&apos;s folder. Give the Half-Life folder that holds cstrike.</source>
        <translation>В %1 нет cstrike/config.cfg: это не папка игры. Укажите папку Half-Life, в которой есть cstrike.</translation>
    </message>
    <message>
        <source>The report could not be written.</source>
        <translation>Не удалось вывести отчёт.</translation>
    </message>
    <message>
        <source>The restore points could not be written.</source>
        <translation>Не удалось вывести точки восстановления.</translation>
    </message>
</context>
<context>
    <name>game</name>
    <message>
        <source>%1 (%2) takes effect.</source>
        <translation>Настройка %1 (%2) работает.</translation>
    </message>
    <message>
        <source>Today&apos;s game has no %1 (%2) and ignores the line without a word: press &quot;Skip setting&quot;, or delete the line from your script. %3</source>
        <translation>В текущей версии игры нет настройки %1 (%2), и игра молча пропускает эту строку: нажмите &quot;Пропустить настройку&quot; или удалите строку из своего скрипта. %3</translation>
    </message>
    <message>
        <source>Today&apos;s game may have no %1 (%2) and then ignores the line without a word: press &quot;Skip setting&quot;, or delete the line from your script. %3</source>
        <translation>В текущей версии игры может не быть настройки %1 (%2), и тогда игра молча пропускает эту строку: нажмите &quot;Пропустить настройку&quot; или удалите строку из своего скрипта. %3</translation>
    </message>
    <message>
        <source>Today&apos;s game always uses %3 for %1 (%2), whatever a script sets: press &quot;Skip setting&quot;, or delete the line from your script.</source>
        <translation>Текущая версия игры всегда использует %3 для настройки %1 (%2), что бы ни задавал скрипт: нажмите &quot;Пропустить настройку&quot; или удалите строку из своего скрипта.</translation>
    </message>
    <message>
        <source>%1 (%2) has no effect in today&apos;s game: press &quot;Skip setting&quot;, or delete the line from your script. %3</source>
        <translation>Настройка %1 (%2) ни на что не влияет в текущей версии игры: нажмите &quot;Пропустить настройку&quot; или удалите строку из своего скрипта. %3</translation>
    </message>
    <message>
        <source>At every map, today&apos;s game replaces %1 (%2) with your own saved setting %3 (%4 in a game with one slot): press &quot;Skip setting&quot; and set %3 in the game&apos;s console instead.</source>
        <translation>На каждой карте текущая версия игры заменяет настройку %1 (%2) вашей сохранённой настройкой %3 (%4 в игре с одним слотом): нажмите &quot;Пропустить настройку&quot; и задайте вместо этого %3 в консоли игры.</translation>
    </message>
    <message>
        <source>Today&apos;s game uses %3 for %1 (%2), not %4.</source>
        <translation>Текущая версия игры использует %3 для настройки %1 (%2), а не %4.</translation>
    </message>
    <message>
        <source>On a server with more than one slot, bots included, today&apos;s game uses %3 for %1 (%2), not %4.</source>
        <translation>На сервере, где больше одного слота, считая ботов, текущая версия игры использует %3 для настройки %1 (%2), а не %4.</translation>
    </message>
    <message>
        <source>Today&apos;s game refuses %1 (%2) on any server with more than one slot, even an empty one or a bot game: it works only in a game with one slot.</source>
        <translation>Текущая версия игры отклоняет настройку %1 (%2) на любом сервере, где больше одного слота, даже на пустом или в игре с ботами: она работает только в игре с одним слотом.</translation>
    </message>
    <message>
        <source>Right after the scripts, today&apos;s game puts back the %1 (%2) it kept at its last quit: set it in the game&apos;s console while you play, and the game keeps that one.</source>
        <translation>Сразу после скриптов текущая версия игры возвращает значение настройки %1 (%2), сохранённое при последнем выходе: задайте его в консоли во время игры, и игра сохранит это значение.</translation>
    </message>
    <message>
        <source>Right after the scripts, today&apos;s game may put back the %1 (%2) it kept at its last quit: set it in the game&apos;s console while you play, and the game keeps that one.</source>
        <translation>Сразу после скриптов текущая версия игры может вернуть значение настройки %1 (%2), сохранённое при последнем выходе: задайте его в консоли во время игры, и игра сохранит это значение.</translation>
    </message>
    <message>
        <source>With %1 (%2) at %3, expect %4.</source>
        <translation>При значении %3 настройки %1 (%2) ожидайте: %4.</translation>
    </message>
    <message>
        <source>With %1 (%2) at %3, you may get %4.</source>
        <translation>При значении %3 настройки %1 (%2) возможно: %4.</translation>
    </message>
    <message>
        <source>The game&apos;s own default is the first option.</source>
        <translation>По умолчанию игра использует первый вариант.</translation>
    </message>
    <message>
        <source>The game&apos;s own default is the second option.</source>
        <translation>По умолчанию игра использует второй вариант.</translation>
    </message>
    <message>
        <source>The game&apos;s own default is the third option.</source>
        <translation>По умолчанию игра использует третий вариант.</translation>
    </message>
    <message>
        <source>The game&apos;s own default is the last option.</source>
        <translation>По умолчанию игра использует последний вариант.</translation>
    </message>
    <message>
        <source>Zentrimo does not know what today&apos;s game does with this line.</source>
        <translation>Zentrimo не знает, что текущая версия игры делает с этой строкой.</translation>
    </message>
    <message>
        <source>This run wrote no lines.</source>
        <translation>В этом проходе не записано ни одной строки.</translation>
    </message>
    <message>
        <source>Lines: %1. They take effect: %2. Changed by the game: %3. Without effect: %4. Not in today&apos;s game: %5.</source>
        <translation>Строк: %1. Работают: %2. Изменены игрой: %3. Без эффекта: %4. Нет в текущей версии игры: %5.</translation>
    </message>
    <message>
        <source>Lines: %1. They take effect: %2. Changed by the game: %3. Without effect: %4. Not in today&apos;s game: %5. Unknown to Zentrimo: %6.</source>
        <translation>Строк: %1. Работают: %2. Изменены игрой: %3. Без эффекта: %4. Нет в текущей версии игры: %5. Неизвестны Zentrimo: %6.</translation>
    </message>
    <message>
        <source>The key %1 joins a server (%3), and a server may have bound it so: bind it back to the game&apos;s own %2.</source>
        <translation>Клавиша %1 подключает к серверу (%3), и такой бинд мог поставить сервер: снова забиндьте на неё стандартную команду игры: %2.</translation>
    </message>
    <message>
        <source>The key %1 joins a server (%2), and a server may have bound it so: take the line out; the game names no default for the key, so it is left unbound.</source>
        <translation>Клавиша %1 подключает к серверу (%2), и такой бинд мог поставить сервер: удалите эту строку; у игры нет стандартного бинда для этой клавиши, поэтому она останется без бинда.</translation>
    </message>
    <message>
        <source>The alias %1 joins a server (%2), and a server may have put it there: take the line out.</source>
        <translation>Алиас %1 подключает к серверу (%2), и его мог добавить сервер: удалите эту строку.</translation>
    </message>
    <message>
        <source>%1 joins a server whenever the game starts (%2), and a server may have put it there: take the line out.</source>
        <translation>%1 подключает к серверу при каждом запуске игры (%2), и это мог добавить сервер: удалите эту строку.</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n lines after exec userconfig.cfg, where the game writes none, and a server may have added them: take them out.</source>
        <translation>
            <numerusform>В %1 после exec userconfig.cfg есть %n строка, хотя игра туда ничего не пишет, и такие строки мог добавить сервер: удалите их.</numerusform>
            <numerusform>В %1 после exec userconfig.cfg есть %n строки, хотя игра туда ничего не пишет, и такие строки мог добавить сервер: удалите их.</numerusform>
            <numerusform>В %1 после exec userconfig.cfg есть %n строк, хотя игра туда ничего не пишет, и такие строки мог добавить сервер: удалите их.</numerusform>
        </translation>
    </message>
    <message>
        <source>Servers may run commands in your game that the filter (cl_filterstuffcmd) would stop (%1): set it to 1.</source>
        <translation>Серверы могут выполнять в вашей игре команды, которые фильтр (cl_filterstuffcmd) остановил бы (%1): поставьте его на 1.</translation>
    </message>
    <message>
        <source>Your %1 (%2) at %3 never takes effect, because %5 sets it again: move the line to %4, which runs after it.</source>
        <translation>Ваша настройка %1 (%2) никогда не работает там, где она стоит (%3), потому что потом задаётся снова (%5): перенесите строку в %4, который выполняется позже.</translation>
    </message>
    <message>
        <source>Today&apos;s game has no %1 (%2) and ignores the lines that set it (%3): take them out.</source>
        <translation>В текущей версии игры нет настройки %1 (%2), и игра пропускает строки, которые её задают (%3): удалите их.</translation>
    </message>
    <message numerus="yes">
        <source>%n commands after exec userconfig.cfg, where the game writes none: a server may have added them</source>
        <translation>
            <numerusform>%n команда после exec userconfig.cfg, куда игра ничего не пишет: такие команды мог добавить сервер</numerusform>
            <numerusform>%n команды после exec userconfig.cfg, куда игра ничего не пишет: такие команды мог добавить сервер</numerusform>
            <numerusform>%n команд после exec userconfig.cfg, куда игра ничего не пишет: такие команды мог добавить сервер</numerusform>
        </translation>
    </message>
    <message>
        <source>exec takes one file name: %1</source>
        <translation>exec принимает одно имя файла: %1</translation>
    </message>
    <message>
        <source>%1: joins a server whenever the game starts; a server may have put it here</source>
        <translation>%1: подключает к серверу при каждом запуске игры; это мог добавить сюда сервер</translation>
    </message>
    <message>
        <source>%1 is in a folder that may not be opened: the game cannot read it</source>
        <translation>%1 лежит в папке, которую нельзя открыть: игра не может его прочитать</translation>
    </message>
    <message>
        <source>couldn&apos;t exec %1</source>
        <extracomment>The game&apos;s own console words, as it prints them.</extracomment>
        <translation>couldn&apos;t exec %1</translation>
    </message>
    <message>
        <source>exec %1 runs %2 again while it is still running: the game repeats it until its command buffer (16 KiB) overflows; its lines are read once here</source>
        <translation>exec %1 снова запускает %2, пока тот ещё выполняется: игра повторяет это, пока не переполнится её буфер команд (16 КиБ); здесь его строки читаются один раз</translation>
    </message>
    <message>
        <source>%1 is not a regular file: skipped</source>
        <translation>%1 — не обычный файл: пропущен</translation>
    </message>
    <message>
        <source>%1 is larger than 64 MiB: skipped</source>
        <translation>%1 больше 64 МиБ: пропущен</translation>
    </message>
    <message>
        <source>%1 may not be read: skipped</source>
        <translation>%1 недоступен для чтения: пропущен</translation>
    </message>
    <message>
        <source>%1 could not be read: skipped</source>
        <translation>не удалось прочитать %1: пропущен</translation>
    </message>
    <message>
        <source>start-up runs more than 64 MiB of scripts: not read further</source>
        <translation>при запуске выполняется больше 64 МиБ скриптов: дальше не читается</translation>
    </message>
    <message>
        <source>%1 is saved as UTF-16: the game reads nothing in it</source>
        <translation>%1 сохранён в UTF-16: игра ничего из него не прочитает</translation>
    </message>
    <message>
        <source>stuffcmds: the command buffer overflows; the launch options are lost</source>
        <translation>stuffcmds: буфер команд переполняется; параметры запуска теряются</translation>
    </message>
    <message>
        <source>bind %1 runs %2: it joins a server; a server may have put it here</source>
        <translation>bind %1 запускает %2: подключает к серверу; это мог добавить сюда сервер</translation>
    </message>
    <message>
        <source>alias %1 runs %2: it joins a server; a server may have put it here</source>
        <translation>alias %1 запускает %2: подключает к серверу; это мог добавить сюда сервер</translation>
    </message>
    <message>
        <source>%1 runs itself again while it is still running: the game repeats it without end; its commands are read once here</source>
        <translation>%1 снова запускает сам себя, пока ещё выполняется: игра повторяет его бесконечно; здесь его команды читаются один раз</translation>
    </message>
    <message>
        <source>%1: the command buffer overflows; the alias is lost</source>
        <translation>%1: буфер команд переполняется; алиас теряется</translation>
    </message>
    <message>
        <source>%1: lets servers run commands in your game that 1 would filter out; a server may have set it</source>
        <translation>%1: позволяет серверам выполнять в вашей игре команды, которые при значении 1 отфильтровывались бы; это мог задать сервер</translation>
    </message>
    <message>
        <source>exec %1: invalid path</source>
        <extracomment>The game&apos;s own console words, as it prints them.</extracomment>
        <translation>exec %1: invalid path</translation>
    </message>
    <message>
        <source>exec %1: not a .cfg or .rc file</source>
        <translation>exec %1: это не файл .cfg и не .rc</translation>
    </message>
    <message>
        <source>the game refuses %1 as an alias name</source>
        <translation>игра не принимает %1 как имя алиаса</translation>
    </message>
    <message>
        <source>set again by %1</source>
        <translation>задаётся снова: %1</translation>
    </message>
    <message>
        <source>the game</source>
        <translation>игра</translation>
    </message>
    <message>
        <source>launch options</source>
        <translation>параметры запуска</translation>
    </message>
    <message>
        <source>%1 line %2</source>
        <extracomment>A script and a line of it: &quot;cstrike/config.cfg line 12&quot;.</extracomment>
        <translation>%1, строка %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Places in a list: &quot;cstrike/a.cfg line 1, cstrike/b.cfg line 4&quot;.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>Where something stands, and what it is: &quot;cstrike/config.cfg line 3: ...&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2: %3</source>
        <extracomment>Where a command stands, the command, and why it never takes effect.</extracomment>
        <translation>%1: %2: %3</translation>
    </message>
    <message>
        <source>its own store</source>
        <translation>собственное хранилище настроек игры</translation>
    </message>
    <message>
        <source>the Windows registry (HKEY_CURRENT_USER\Software\Valve\Steam, Rate)</source>
        <translation>реестр Windows (HKEY_CURRENT_USER\Software\Valve\Steam, Rate)</translation>
    </message>
    <message>
        <source>the Wine prefix&apos;s registry (%1)</source>
        <translation>реестр префикса Wine (%1)</translation>
    </message>
    <message>
        <source>Start-up of the game in %1</source>
        <translation>Запуск игры в папке %1</translation>
    </message>
    <message>
        <source>Signs of tampering:</source>
        <translation>Признаки вмешательства:</translation>
    </message>
    <message>
        <source>What some settings cost you:</source>
        <translation>Чем вам обходятся некоторые настройки:</translation>
    </message>
    <message>
        <source>Scripts the program cannot read:</source>
        <translation>Скрипты, которые программа не может прочитать:</translation>
    </message>
    <message>
        <source>Scripts that are missing:</source>
        <translation>Отсутствующие скрипты:</translation>
    </message>
    <message>
        <source>Lines the game refuses:</source>
        <translation>Строки, которые игра отклоняет:</translation>
    </message>
    <message>
        <source>Scripts that run themselves:</source>
        <translation>Скрипты, которые запускают сами себя:</translation>
    </message>
    <message>
        <source>Limits reached:</source>
        <translation>Достигнутые лимиты:</translation>
    </message>
    <message>
        <source>Lines that never take effect:</source>
        <translation>Строки, которые никогда не работают:</translation>
    </message>
    <message>
        <source>Scripts, in the order the game runs them:</source>
        <translation>Скрипты в том порядке, в каком их запускает игра:</translation>
    </message>
    <message>
        <source>valve.rc is in neither cstrike nor valve: read as the standard one, exec autoexec.cfg then the launch options</source>
        <translation>valve.rc нет ни в cstrike, ни в valve: прочитан как стандартный, то есть exec autoexec.cfg, а затем параметры запуска</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>A script in the order the game runs them: &quot;1. cstrike/config.cfg&quot;.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1. %2 (run %3 of this file)</source>
        <translation>%1. %2 (запуск № %3 этого файла)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Launch options: none given</source>
        <translation>Параметры запуска: не указаны</translation>
    </message>
    <message>
        <source>Launch options: %1</source>
        <translation>Параметры запуска: %1</translation>
    </message>
    <message>
        <source>Launch options: none</source>
        <translation>Параметры запуска: нет</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>источник: %1</translation>
    </message>
    <message>
        <source>from %1 (Steam user %2, whose file changed last of %3)</source>
        <translation>источник: %1 (пользователь Steam %2, чей файл изменён последним из %3)</translation>
    </message>
    <message>
        <source>Settings as the game will have them:</source>
        <translation>Настройки, которые будут у игры:</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;  %3</source>
        <extracomment>A setting, its value and the line that set it: cl_cmdrate &quot;101&quot; cstrike/config.cfg line 4</extracomment>
        <translation>%1 &quot;%2&quot;  %3</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;  %3: %4</source>
        <translation>%1 &quot;%2&quot;  %3: %4</translation>
    </message>
    <message numerus="yes">
        <source>%n more lines, settings or warnings left out</source>
        <extracomment>The English says &quot;lines&quot; for one as well.</extracomment>
        <translation>
            <numerusform>не показано строк, настроек или предупреждений: ещё %n</numerusform>
            <numerusform>не показано строк, настроек или предупреждений: ещё %n</numerusform>
            <numerusform>не показано строк, настроек или предупреждений: ещё %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Rate kept by the game:</source>
        <translation>Рейт, сохранённый игрой:</translation>
    </message>
    <message>
        <source>after the scripts the game sets rate to &quot;%1&quot;, the rate it kept in %2 when it last quit</source>
        <translation>после скриптов игра ставит rate на &quot;%1&quot; — рейт, который она сохранила в %2 при последнем выходе</translation>
    </message>
    <message>
        <source>%1 holds no rate: the scripts&apos; rate holds, and the game keeps it there when it quits</source>
        <translation>%1: рейт не сохранён — действует рейт из скриптов, и игра сохранит его туда при выходе</translation>
    </message>
    <message>
        <source>the game may put back the rate it kept in %1 at its last quit, which this program cannot read: a rate set in a script may not take effect</source>
        <translation>игра может вернуть рейт, который она сохранила в %1 при последнем выходе, а это хранилище эта программа прочитать не может: рейт из скрипта может не сработать</translation>
    </message>
    <message>
        <source>Decals</source>
        <translation>Декали</translation>
    </message>
    <message>
        <source>Dynamic lights</source>
        <translation>Динамическое освещение</translation>
    </message>
    <message>
        <source>Weapon model</source>
        <translation>Модель оружия</translation>
    </message>
    <message>
        <source>no weapon and no reload cues</source>
        <translation>не видно оружия и перезарядки</translation>
    </message>
    <message>
        <source>Collinear vertexes</source>
        <translation>Коллинеарные вершины</translation>
    </message>
    <message>
        <source>cracks between polygons when a map loads</source>
        <translation>щели между полигонами при загрузке карты</translation>
    </message>
    <message>
        <source>Shadows</source>
        <translation>Тени</translation>
    </message>
    <message>
        <source>Texture sorting</source>
        <translation>Сортировка текстур</translation>
    </message>
    <message>
        <source>It has been gone since 2013.</source>
        <translation>Её нет с 2013 года.</translation>
    </message>
    <message>
        <source>Decal offset</source>
        <translation>Смещение декалей</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Яркость</translation>
    </message>
    <message>
        <source>a washed-out picture</source>
        <translation>блёклая картинка</translation>
    </message>
    <message>
        <source>Gamma</source>
        <translation>Гамма</translation>
    </message>
    <message>
        <source>Texture gamma</source>
        <translation>Гамма текстур</translation>
    </message>
    <message>
        <source>Light gamma</source>
        <translation>Гамма освещения</translation>
    </message>
    <message>
        <source>High-quality player models</source>
        <translation>Модели игроков высокого качества</translation>
    </message>
    <message>
        <source>Pic mip</source>
        <translation>Pic mip</translation>
    </message>
    <message>
        <source>It changes nothing on graphics cards with non-power-of-two textures, which every current card has.</source>
        <translation>Она ничего не меняет на видеокартах с поддержкой текстур, размер которых не равен степени двойки, а такая поддержка есть у любой современной видеокарты.</translation>
    </message>
    <message>
        <source>ZTrick</source>
        <translation>ZTrick</translation>
    </message>
    <message>
        <source>It was renamed gl_ztrick_old in 2013, &quot;usage deprecated&quot;.</source>
        <translation>В 2013 году её переименовали в gl_ztrick_old с пометкой &quot;usage deprecated&quot;.</translation>
    </message>
    <message>
        <source>Direct3D flip</source>
        <translation>Direct3D flip</translation>
    </message>
    <message>
        <source>The Direct3D renderer was removed in 2013.</source>
        <translation>Рендерер Direct3D удалили в 2013 году.</translation>
    </message>
    <message>
        <source>Texture mode</source>
        <translation>Режим текстур</translation>
    </message>
    <message>
        <source>blocky textures</source>
        <translation>угловатые, пиксельные текстуры</translation>
    </message>
    <message>
        <source>Sound mix-ahead</source>
        <translation>Опережение микширования звука</translation>
    </message>
    <message>
        <source>A3D</source>
        <translation>A3D</translation>
    </message>
    <message>
        <source>A3D was removed in 2013.</source>
        <translation>A3D удалили в 2013 году.</translation>
    </message>
    <message>
        <source>EAX</source>
        <translation>EAX</translation>
    </message>
    <message>
        <source>EAX was removed in 2013.</source>
        <translation>EAX удалили в 2013 году.</translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation>Реверберация</translation>
    </message>
    <message>
        <source>No Steam build or recent config holds it.</source>
        <translation>Её нет ни в одной сборке Steam и ни в одном свежем конфиге.</translation>
    </message>
    <message>
        <source>8-bit sound</source>
        <translation>8-битный звук</translation>
    </message>
    <message>
        <source>worse sound</source>
        <translation>звук хуже</translation>
    </message>
    <message>
        <source>High-quality sound</source>
        <translation>Звук высокого качества</translation>
    </message>
    <message>
        <source>Maximum modem framerate</source>
        <translation>Лимит FPS для модема</translation>
    </message>
    <message>
        <source>It is in old configs only; fps_max limits the frame rate now.</source>
        <translation>Она есть только в старых конфигах; теперь FPS ограничивает fps_max.</translation>
    </message>
    <message>
        <source>Maximum LAN framerate</source>
        <translation>Лимит FPS для LAN</translation>
    </message>
    <message>
        <source>No Steam build holds it; fps_max limits the frame rate now.</source>
        <translation>Её нет ни в одной сборке Steam; теперь FPS ограничивает fps_max.</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Рейт</translation>
    </message>
    <message>
        <source>choke and lag</source>
        <translation>чоки и лаги</translation>
    </message>
    <message>
        <source>Push latency</source>
        <translation>Задержка push</translation>
    </message>
    <message>
        <source>No Steam build holds it.</source>
        <translation>Её нет ни в одной сборке Steam.</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Скачивание</translation>
    </message>
    <message>
        <source>to be disconnected by every server running a map or model you lack</source>
        <translation>отключение любым сервером с картой или моделью, которых у вас нет</translation>
    </message>
    <message>
        <source>Uploads</source>
        <translation>Отправка</translation>
    </message>
    <message>
        <source>MMX</source>
        <translation>MMX</translation>
    </message>
    <message>
        <source>The game registers it but nothing reads it.</source>
        <translation>Игра её регистрирует, но ничто её не читает.</translation>
    </message>
    <message>
        <source>Mouse filter</source>
        <translation>Фильтр мыши</translation>
    </message>
    <message>
        <source>mouse smoothing and delay</source>
        <translation>сглаживание и задержка движений мыши</translation>
    </message>
    <message>
        <source>Console speed</source>
        <translation>Скорость консоли</translation>
    </message>
    <message>
        <source>Neither the engine&apos;s reconstruction nor any recent config holds it.</source>
        <translation>Её нет ни в реконструкции движка, ни в одном свежем конфиге.</translation>
    </message>
    <message>
        <source>Joystick</source>
        <translation>Джойстик</translation>
    </message>
    <message>
        <source>a drifting stick moving you</source>
        <translation>дрейф стика, который двигает вашего персонажа</translation>
    </message>
    <message>
        <source>Third-person view</source>
        <translation>Вид от третьего лица</translation>
    </message>
    <message>
        <source>First-person view</source>
        <translation>Вид от первого лица</translation>
    </message>
</context>
<context>
    <name>wizard</name>
    <message>
        <source>Console speed </source>
        <translation>Скорость консоли </translation>
    </message>
    <message>
        <source>The console, opened and closed with the &quot;~&quot; key, moves down and up slowly by default and wastes your time.</source>
        <translation>Консоль, которая открывается и закрывается клавишей &quot;~&quot;, по умолчанию медленно опускается и поднимается, отнимая у вас время.</translation>
    </message>
    <message>
        <source>Console speed:</source>
        <translation>Скорость консоли:</translation>
    </message>
    <message>
        <source>A higher value makes the console move faster, a lower value slower.</source>
        <translation>Чем больше значение, тем быстрее движется консоль, чем меньше — тем медленнее.</translation>
    </message>
    <message>
        <source>The default is 600; 3000 or more makes the console appear and disappear almost at once.</source>
        <translation>По умолчанию 600; при 3000 и выше консоль появляется и исчезает почти мгновенно.</translation>
    </message>
    <message>
        <source>Third person view </source>
        <translation>Вид от третьего лица </translation>
    </message>
    <message>
        <source>Third person view has no real purpose but may be fun, and it may be slightly slower. Leave the box cleared to keep the first person view, the game&apos;s default. See the pictures below.</source>
        <translation>Вид от третьего лица не несёт практической пользы, но может быть забавным, а ещё может немного замедлить игру. Оставьте флажок снятым, чтобы сохранить вид от первого лица, стандартный для игры. Смотрите картинки ниже.</translation>
    </message>
    <message>
        <source>Use third person view.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Использовать вид от третьего лица.?</translation>
    </message>
    <message>
        <source>Third person view:</source>
        <translation>Вид от третьего лица:</translation>
    </message>
    <message>
        <source>First person view:</source>
        <translation>Вид от первого лица:</translation>
    </message>
    <message>
        <source>You have now completed the tweak of Counter-strike. Enjoy the tweak!</source>
        <translation>Вы завершили твик Counter-Strike. Наслаждайтесь твиком!</translation>
    </message>
    <message>
        <source>If you want to uninstall the tweak, just start this tweak-program again, and then choose &quot;uninstall&quot; instead of &quot;start tweak&quot;</source>
        <translation>Если захотите удалить твик, просто снова запустите эту программу и выберите &quot;Удалить&quot; вместо &quot;Запустить твик&quot;</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Выйти</translation>
    </message>
    <message>
        <source>You can now choose to move on to misc tweak section, or you can just quit and save settings now.</source>
        <translation>Теперь можно перейти к разделу прочих твиков или просто выйти и сразу сохранить настройки.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Продолжить</translation>
    </message>
    <message>
        <source>MMX </source>
        <translation>MMX </translation>
    </message>
    <message>
        <source>Enable MMX if your processor supports it (Pentium MMX, Pentium II, Celeron, K6, K6-2). Otherwise disable it for a possible speed gain.</source>
        <translation>Включите MMX, если ваш процессор его поддерживает (Pentium MMX, Pentium II, Celeron, K6, K6-2). Иначе отключите его — возможно, это ускорит игру.</translation>
    </message>
    <message>
        <source>Enable MMX support?</source>
        <translation>Включить поддержку MMX?</translation>
    </message>
    <message>
        <source>Mouse filtering </source>
        <translation>Фильтрация мыши </translation>
    </message>
    <message>
        <source>Mouse filtering averages the positions before and after each movement, which smooths the mouse.</source>
        <translation>Фильтрация мыши усредняет положение до и после каждого движения, что делает управление мышью плавнее.</translation>
    </message>
    <message>
        <source>Enable mouse filtering?</source>
        <translation>Включить фильтрацию мыши?</translation>
    </message>
    <message>
        <source>Joystick</source>
        <translation>Джойстик</translation>
    </message>
    <message>
        <source>Most people play with mouse and keyboard rather than a joystick. Disabling joystick support gains speed.</source>
        <translation>Большинство игроков играет мышью и клавиатурой, а не джойстиком. Отключение поддержки джойстика ускоряет игру.</translation>
    </message>
    <message>
        <source>Disable Joystick and gain performance.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Отключить джойстик и повысить производительность.?</translation>
    </message>
    <message>
        <source>Maximum modem framerate </source>
        <translation>Лимит FPS для модема </translation>
    </message>
    <message>
        <source>Over a modem, limiting the frame rate lowers your ping, and your frame rate with it. 33 is recommended for 56k modems, where the ping is usually around 160; use lower values for slower modems.</source>
        <translation>При игре через модем ограничение FPS снижает пинг, а вместе с ним и FPS. Для модемов 56k, где пинг обычно около 160, рекомендуется 33; для более медленных модемов ставьте значения ниже.</translation>
    </message>
    <message>
        <source>Max modem framerate:</source>
        <translation>Лимит FPS (модем):</translation>
    </message>
    <message>
        <source>Non-modem users should not be concerned with this command.</source>
        <translation>Тем, у кого не модем, об этой команде можно не беспокоиться.</translation>
    </message>
    <message>
        <source>Push Lantency:</source>
        <extracomment>&quot;Lantency&quot; is the original&apos;s typo for &quot;latency&quot;; translate the meaning.</extracomment>
        <translation>Задержка push:</translation>
    </message>
    <message>
        <source>Prediction</source>
        <translation>Предсказание</translation>
    </message>
    <message>
        <source>This setting controls prediction in internet games. Set it between one half and one times your average ping, negated: for a ping of 300, between -150 and -300.</source>
        <translation>Эта настройка управляет предсказанием в играх по интернету. Ставьте её от половины до полного значения своего среднего пинга, со знаком минус: при пинге 300 — от -150 до -300.</translation>
    </message>
    <message>
        <source>(You can&apos;t type minus, it is typed by default)</source>
        <translation>(Минус вводить нельзя, он ставится по умолчанию)</translation>
    </message>
    <message>
        <source>Allow download</source>
        <translation>Разрешить скачивание</translation>
    </message>
    <message>
        <source>This setting decides whether decals, maps and models are downloaded when you connect to a server.</source>
        <translation>Эта настройка определяет, скачиваются ли декали, карты и модели при подключении к серверу.</translation>
    </message>
    <message>
        <source>Allow downloading of decals, maps, and models.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Разрешить скачивание декалей, карт и моделей.?</translation>
    </message>
    <message>
        <source>You can now choose to move on to internet tweak section, or you can just quit and save settings now.</source>
        <translation>Теперь можно перейти к разделу сетевых твиков или просто выйти и сразу сохранить настройки.</translation>
    </message>
    <message>
        <source>Maximum LAN framerate </source>
        <translation>Лимит FPS для LAN </translation>
    </message>
    <message>
        <source>The same limit for games on a local network. 45 is recommended; adjust it if the game lags.</source>
        <translation>Тот же лимит для игр в локальной сети. Рекомендуется 45; измените значение, если игра лагает.</translation>
    </message>
    <message>
        <source>Max LAN framerate:</source>
        <translation>Лимит FPS (LAN):</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Рейт</translation>
    </message>
    <message>
        <source>A lower rate usually gives lower pings, because the server sends less data. Recommended are 2500 to 3500 for 28.8 and 33.6 modems, 3000 to 5000 for 56k modems, 5000 and more for faster lines, and about 25,000 for LAN games and ADSL.</source>
        <translation>Более низкий рейт обычно даёт более низкий пинг, потому что сервер отправляет меньше данных. Рекомендуется: от 2500 до 3500 для модемов 28,8 и 33,6, от 3000 до 5000 для модемов 56k, 5000 и больше для более быстрых каналов и около 25 000 для игр по LAN и ADSL.</translation>
    </message>
    <message>
        <source>Rate:</source>
        <translation>Рейт:</translation>
    </message>
    <message>
        <source>Allow upload </source>
        <translation>Разрешить отправку </translation>
    </message>
    <message>
        <source>This setting decides whether your own decals, maps and models are uploaded when you connect to a server.</source>
        <translation>Эта настройка определяет, отправляются ли ваши собственные декали, карты и модели при подключении к серверу.</translation>
    </message>
    <message>
        <source>Allow uploading of decals, maps, and models.</source>
        <translation>Разрешить отправку декалей, карт и моделей.</translation>
    </message>
    <message>
        <source>What today&apos;s game does with this setting</source>
        <translation>Что текущая версия игры делает с этой настройкой</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Далее</translation>
    </message>
    <message>
        <source>&amp;Skip setting</source>
        <translation>&amp;Пропустить настройку</translation>
    </message>
    <message>
        <source>8 Bit 11 kHz </source>
        <translation>8 бит 11 кГц </translation>
    </message>
    <message>
        <source>8 Bit 22 kHz (high quality)</source>
        <translation>8 бит 22 кГц (высокое качество)</translation>
    </message>
    <message>
        <source>16 Bit 11 kHz</source>
        <translation>16 бит 11 кГц</translation>
    </message>
    <message>
        <source>16 Bit 22 kHz (high quality) </source>
        <translation>16 бит 22 кГц (высокое качество) </translation>
    </message>
    <message>
        <source>Sound quality </source>
        <translation>Качество звука </translation>
    </message>
    <message>
        <source>Low-quality sound uses less memory and gives a slight speed gain on some systems. With a PCI sound card or a fast processor there is no reason to give up good sound.</source>
        <translation>Звук низкого качества занимает меньше памяти и на некоторых системах немного ускоряет игру. С PCI-звуковой картой или быстрым процессором нет причин отказываться от хорошего звука.</translation>
    </message>
    <message>
        <source>You can now choose to move on to sound tweak section, or you can just quit and save settings now.</source>
        <translation>Теперь можно перейти к разделу звуковых твиков или просто выйти и сразу сохранить настройки.</translation>
    </message>
    <message>
        <source>Sound Compatibility </source>
        <translation>Совместимость звука </translation>
    </message>
    <message>
        <source>Some sound cards, the Ensoniq AudioPCI in particular, stutter in games built on the Quake II engine. If yours does, leave the box cleared for maximum compatibility.</source>
        <translation>Некоторые звуковые карты, особенно Ensoniq AudioPCI, заикаются в играх на движке Quake II. Если ваша тоже заикается, оставьте флажок снятым для максимальной совместимости.</translation>
    </message>
    <message>
        <source>Use maximum performance sound? (unchecked means maximum compatibility)</source>
        <translation>Использовать звук с максимальной производительностью? (без флажка — максимальная совместимость)</translation>
    </message>
    <message>
        <source>A3D</source>
        <translation>A3D</translation>
    </message>
    <message>
        <source>The game supports A3D 3D sound, reportedly only on Vortex 2 cards. A3D is buggy, so enable it only to try it out.</source>
        <translation>Игра поддерживает объёмный звук A3D, говорят, только на картах Vortex 2. A3D глючит, так что включайте его, только чтобы попробовать.</translation>
    </message>
    <message>
        <source>Disable A3D?</source>
        <translation>Отключить A3D?</translation>
    </message>
    <message>
        <source>EAX </source>
        <translation>EAX </translation>
    </message>
    <message>
        <source>EAX is another 3D audio interface, supported by the Sound Blaster Live and other cards.</source>
        <translation>EAX — ещё один интерфейс объёмного звука, его поддерживают Sound Blaster Live и другие карты.</translation>
    </message>
    <message>
        <source>Disable EAX?</source>
        <translation>Отключить EAX?</translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation>Реверберация</translation>
    </message>
    <message>
        <source>Reverb adds echo to the sound. It does little in this game, and turning it off can gain a little speed.</source>
        <translation>Реверберация добавляет к звуку эхо. В этой игре от неё мало толку, а её отключение может немного ускорить игру.</translation>
    </message>
    <message>
        <source>Disable reverb?</source>
        <translation>Отключить реверберацию?</translation>
    </message>
    <message>
        <source>Brightness must be under 4 and over 0</source>
        <translation>Яркость должна быть больше 0 и меньше 4</translation>
    </message>
    <message>
        <source>Gamma must be under 4 and over 0</source>
        <translation>Гамма должна быть больше 0 и меньше 4</translation>
    </message>
    <message>
        <source>From now on, you have to answer a couple of questions. Plz, do it carefully. This program do not take any responsebillity if your computer migth be damaged.</source>
        <extracomment>The original&apos;s misspellings (&quot;Plz&quot;, &quot;do not&quot;, &quot;responsebillity&quot;, &quot;migth&quot;) are deliberate; write it correctly.</extracomment>
        <translation>Дальше вам нужно ответить на несколько вопросов. Пожалуйста, отвечайте внимательно. Эта программа не несёт никакой ответственности, если ваш компьютер будет повреждён.</translation>
    </message>
    <message>
        <source>Zentrimo was made by Vaskor. Thank you for using it!</source>
        <translation>Zentrimo создал Vaskor. Спасибо, что пользуетесь им!</translation>
    </message>
    <message>
        <source>Found a bug, or have a comment? Please report it to whoever gave you this program, or on the project&apos;s issue tracker.</source>
        <translation>Нашли баг или есть замечание? Сообщите о нём тому, от кого вы получили эту программу, или в баг-трекер проекта.</translation>
    </message>
    <message>
        <source>&amp;Start Tweak</source>
        <translation>&amp;Запустить твик</translation>
    </message>
    <message>
        <source>&amp;Check game</source>
        <translation>&amp;Проверить игру</translation>
    </message>
    <message>
        <source>Restore &amp;points...</source>
        <translation>&amp;Точки восстановления...</translation>
    </message>
    <message>
        <source>&amp;Uninstall</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Uninstall Tweak if installed:</source>
        <translation>Удалить твик, если он установлен:</translation>
    </message>
    <message>
        <source>Decals, bulletholes, and explosion scars... </source>
        <translation>Декали, дырки от пуль и следы взрывов... </translation>
    </message>
    <message>
        <source>Make sure to limit the number of decals, bulletholes, and explosion scars.</source>
        <translation>Обязательно ограничьте количество декалей, дырок от пуль и следов взрывов.</translation>
    </message>
    <message>
        <source>Maximum number of decals on screen at a time (recommended 200 to 500)</source>
        <translation>Максимальное количество декалей на экране одновременно (рекомендуется от 200 до 500)</translation>
    </message>
    <message>
        <source>You will gain a 10% to 15% improvement in performance, especially in lengthy matches. See the pics below:</source>
        <translation>Вы получите прирост производительности на 10–15%, особенно в долгих матчах. Смотрите картинки ниже:</translation>
    </message>
    <message>
        <source>Decals etc. enabled:</source>
        <translation>Декали и т. п. включены:</translation>
    </message>
    <message>
        <source>Decals etc. disabled:</source>
        <translation>Декали и т. п. выключены:</translation>
    </message>
    <message>
        <source>Dynamic lighting </source>
        <translation>Динамическое освещение </translation>
    </message>
    <message>
        <source>With dynamic lighting, lit things such as muzzle flashes and explosions throw their light onto the walls and objects near them. Switching it off gains speed, but your flashlight stops working. The pictures show the glow on the wall.</source>
        <translation>При динамическом освещении светящиеся объекты, такие как вспышки выстрелов и взрывы, отбрасывают свет на стены и предметы рядом. Отключение ускоряет игру, но перестаёт работать фонарик. На картинках видно свечение на стене.</translation>
    </message>
    <message>
        <source>Disable dynamic lighting and gain performance?</source>
        <translation>Отключить динамическое освещение и повысить производительность?</translation>
    </message>
    <message>
        <source>Do you want to disable dynamic lighting?</source>
        <translation>Хотите отключить динамическое освещение?</translation>
    </message>
    <message>
        <source>Dynamic Enabled:</source>
        <translation>Динамическое включено:</translation>
    </message>
    <message>
        <source>Dynamic Disabled:</source>
        <translation>Динамическое выключено:</translation>
    </message>
    <message>
        <source>Weapon visibility </source>
        <translation>Видимость оружия </translation>
    </message>
    <message>
        <source>The weapon in your hands blocks part of your view. Hiding it gains 3 to 5 frames per second, or even more. See the pictures below.</source>
        <translation>Оружие в руках закрывает часть обзора. Если его скрыть, вы выиграете от 3 до 5 FPS, а то и больше. Смотрите картинки ниже.</translation>
    </message>
    <message>
        <source>Make weapon invisible and gain performance?</source>
        <translation>Сделать оружие невидимым и повысить производительность?</translation>
    </message>
    <message>
        <source>Do you want to be able to see your weapon during the game?</source>
        <translation>Хотите видеть своё оружие во время игры?</translation>
    </message>
    <message>
        <source>Visible weapon:</source>
        <translation>Видимое оружие:</translation>
    </message>
    <message>
        <source>Invisible weapon:</source>
        <translation>Невидимое оружие:</translation>
    </message>
    <message>
        <source>Collinear vertexes </source>
        <translation>Коллинеарные вершины </translation>
    </message>
    <message>
        <source>Keeping collinear vertexes fills the gaps and reduces the cracks between polygons. Switching it off can gain some speed, at the price of some visible cracking.</source>
        <translation>Сохранение коллинеарных вершин заполняет зазоры и уменьшает щели между полигонами. Отключение может немного ускорить игру ценой заметных щелей.</translation>
    </message>
    <message>
        <source>Disable collinear vertexes?</source>
        <translation>Отключить коллинеарные вершины?</translation>
    </message>
    <message>
        <source>You may gain around 1 or 2 FPS from disabling this.</source>
        <translation>Отключив это, можно выиграть примерно 1–2 FPS.</translation>
    </message>
    <message>
        <source>Shadows</source>
        <translation>Тени</translation>
    </message>
    <message>
        <source>Shadows are off by default in the game. They look unrealistic and are best used only when you really need them.</source>
        <translation>В игре тени по умолчанию выключены. Они выглядят нереалистично, и включать их лучше только тогда, когда они действительно нужны.</translation>
    </message>
    <message>
        <source>Disable shadows and gain performance.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Отключить тени и повысить производительность.?</translation>
    </message>
    <message>
        <source>Shadows enabled:</source>
        <translation>Тени включены:</translation>
    </message>
    <message>
        <source>Shadows disabled:</source>
        <translation>Тени выключены:</translation>
    </message>
    <message>
        <source>Enabling gl_texsort gives much brighter images, at a large cost in speed. Some video cards need it switched on, others switched off: if your card has problems, try both.</source>
        <translation>Включение gl_texsort даёт намного более яркую картинку, но сильно снижает скорость. Некоторым видеокартам нужно, чтобы он был включён, другим — выключен: если у вашей карты проблемы, попробуйте оба варианта.</translation>
    </message>
    <message>
        <source>Disable gl_texsort and gain performance?</source>
        <translation>Отключить gl_texsort и повысить производительность?</translation>
    </message>
    <message>
        <source>gl_texsort enabled:</source>
        <translation>gl_texsort включён:</translation>
    </message>
    <message>
        <source>gl_texsort disabled:</source>
        <translation>gl_texsort выключен:</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Смещение</translation>
    </message>
    <message>
        <source>The offset of textures and decals fixes decals that show through walls or are drawn wrongly. It has little or no effect on speed.</source>
        <translation>Смещение текстур и декалей исправляет декали, которые просвечивают сквозь стены или рисуются неправильно. На скорость оно почти или совсем не влияет.</translation>
    </message>
    <message>
        <source>Poly-Offset:</source>
        <translation>Смещение полигонов:</translation>
    </message>
    <message>
        <source>Poly-Offset Must be between -25 and 25</source>
        <translation>Смещение полигонов должно быть от -25 до 25</translation>
    </message>
    <message>
        <source>4 is the default for video cards without problems. If your card has problems, try -1, 20 or 5, and then experiment.</source>
        <translation>4 — значение по умолчанию для видеокарт без проблем. Если у вашей карты проблемы, попробуйте -1, 20 или 5, а потом экспериментируйте.</translation>
    </message>
    <message>
        <source>Brightness/Gamma </source>
        <translation>Яркость/гамма </translation>
    </message>
    <message>
        <source>Brightness lightens only the characters, weapons and objects. Gamma lightens everything; it ranges from 0 to 4 and costs no speed.</source>
        <translation>Яркость осветляет только персонажей, оружие и предметы. Гамма осветляет всё; её значения — от 0 до 4, и она не снижает скорость.</translation>
    </message>
    <message>
        <source>Brightness (higher is brighter)</source>
        <translation>Яркость (больше — светлее)</translation>
    </message>
    <message>
        <source>Gamma (higher is brighter)</source>
        <translation>Гамма (больше — светлее)</translation>
    </message>
    <message>
        <source>Brightness 2 with gamma 4 is recommended for dark video cards.</source>
        <translation>Для тёмных видеокарт рекомендуется яркость 2 с гаммой 4.</translation>
    </message>
    <message>
        <source>Texture Gamma/Light Gamma </source>
        <translation>Гамма текстур/гамма освещения </translation>
    </message>
    <message>
        <source>Texture gamma sets the gamma of all textures, light gamma that of the lighting. Neither has any effect on speed.</source>
        <translation>Гамма текстур задаёт гамму всех текстур, гамма освещения — гамму освещения. Ни та, ни другая не влияет на скорость.</translation>
    </message>
    <message>
        <source>Texture Gamma (lower is brighter)</source>
        <translation>Гамма текстур (меньше — светлее)</translation>
    </message>
    <message>
        <source>Light Gamma (lower is brighter)</source>
        <translation>Гамма освещения (меньше — светлее)</translation>
    </message>
    <message>
        <source>If you chose brightness 2 and gamma 4 on the previous page, try 3 and 2 here; otherwise keep 2 and 2.5, the defaults.</source>
        <translation>Если на предыдущей странице вы выбрали яркость 2 и гамму 4, попробуйте здесь 3 и 2; иначе оставьте 2 и 2.5 — значения по умолчанию.</translation>
    </message>
    <message>
        <source>Pic mip </source>
        <translation>Pic mip </translation>
    </message>
    <message>
        <source>Pic mip sets the overall texture quality. 2 gains a little speed at a severe loss of image quality; newer video cards gain nothing above 0, which is recommended.</source>
        <translation>Pic mip задаёт общее качество текстур. Значение 2 немного ускоряет игру ценой сильной потери качества картинки; новым видеокартам значения выше 0 ничего не дают, рекомендуется 0.</translation>
    </message>
    <message>
        <source>Pic mip:</source>
        <translation>Pic mip:</translation>
    </message>
    <message>
        <source>Pic mip must be between 0 and 10</source>
        <translation>Pic mip должен быть от 0 до 10</translation>
    </message>
    <message>
        <source>If your system crashes, run this tweak again and set this to default.</source>
        <translation>Если система падает, снова запустите этот твик и верните здесь значение по умолчанию.</translation>
    </message>
    <message>
        <source>ZTrick </source>
        <translation>ZTrick </translation>
    </message>
    <message>
        <source>Skipping it can gain a good amount of speed, but on some video cards it makes textures and distant objects flicker. The pictures show a distant sign that flickers.</source>
        <translation>Пропуск очистки может заметно ускорить игру, но на некоторых видеокартах из-за него мерцают текстуры и дальние объекты. На картинках — мерцающая вдали табличка.</translation>
    </message>
    <message>
        <source>Enable ZTrick and gain performance.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Включить ZTrick и повысить производительность.?</translation>
    </message>
    <message>
        <source>ZTrick is a command to skip the clearing of the Z-buffer.</source>
        <translation>ZTrick — это команда, которая пропускает очистку Z-буфера.</translation>
    </message>
    <message>
        <source>Ztrick enabled</source>
        <translation>Ztrick включён</translation>
    </message>
    <message>
        <source>Ztrick disabled:</source>
        <translation>Ztrick выключен:</translation>
    </message>
    <message>
        <source>Texture Mode </source>
        <translation>Режим текстур </translation>
    </message>
    <message>
        <source>The texture mode is the drawing mode of your video hardware. Nearest neighbor interpolation looks blocky and jagged; linear interpolation looks smooth.</source>
        <translation>Режим текстур — это способ отрисовки вашим графическим железом. Интерполяция по ближайшему соседу выглядит угловато и зубчато, линейная интерполяция — гладко.</translation>
    </message>
    <message>
        <source>Nearest neighbor interpolation for bilinear hardware?</source>
        <translation>Интерполяция по ближайшему соседу для билинейного железа?</translation>
    </message>
    <message>
        <source>Linear interpolation for bilinear hardware.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Линейная интерполяция для билинейного железа.?</translation>
    </message>
    <message>
        <source>Nearest neighbor interpolation for trilinear hardware.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Интерполяция по ближайшему соседу для трилинейного железа.?</translation>
    </message>
    <message>
        <source>Linear interpolation for trilinear hardware.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Линейная интерполяция для трилинейного железа.?</translation>
    </message>
    <message>
        <source>High quality player models </source>
        <translation>Модели игроков высокого качества </translation>
    </message>
    <message>
        <source>Player models come in high and low quality, with little visible difference. Low quality models save texture memory: cards with much texture memory lose little by using them, cards with little texture memory gain speed.</source>
        <translation>Модели игроков бывают высокого и низкого качества, и разница почти не видна. Модели низкого качества экономят текстурную память: карты с большим объёмом текстурной памяти почти ничего не теряют, используя их, а карты с маленьким объёмом выигрывают в скорости.</translation>
    </message>
    <message>
        <source>Use low quality models.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Использовать модели низкого качества.?</translation>
    </message>
    <message>
        <source>Direct3D Flip </source>
        <translation>Direct3D Flip </translation>
    </message>
    <message>
        <source>If your mouse input lags two to three seconds behind, your video card needs Direct3D flip enabled.</source>
        <translation>Если ваша мышь отзывается с опозданием на две-три секунды, вашей видеокарте нужно включить Direct3D flip.</translation>
    </message>
    <message>
        <source>Enable Direct3D flip to correct input problems.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Включить Direct3D flip, чтобы исправить проблемы с управлением.?</translation>
    </message>
</context>
<context>
    <name>wizard::GameReportWindow</name>
    <message>
        <source>What the game will use when it starts</source>
        <translation>Что игра будет использовать при запуске</translation>
    </message>
    <message>
        <source>&amp;Fix chosen</source>
        <translation>&amp;Исправить выбранное</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Проблемы</translation>
    </message>
    <message>
        <source>Filter the settings</source>
        <translation>Фильтр настроек</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Настройка</translation>
    </message>
    <message>
        <source>Value the game will use</source>
        <translation>Значение в игре</translation>
    </message>
    <message>
        <source>Set by</source>
        <translation>Где задано</translation>
    </message>
    <message>
        <source>What today&apos;s game does</source>
        <translation>Что делает текущая версия игры</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Scripts</source>
        <translation>Скрипты</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Отчёт</translation>
    </message>
    <message>
        <source>Co&amp;py report</source>
        <translation>&amp;Копировать отчёт</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Tick the problems you want Zentrimo to fix, then press &quot;Fix chosen&quot;.</source>
        <translation>Отметьте проблемы, которые Zentrimo должен исправить, и нажмите &quot;Исправить выбранное&quot;.</translation>
    </message>
    <message>
        <source>Zentrimo will change the lines shown under &quot;Show Details...&quot;. Do you want to change them?</source>
        <translation>Zentrimo изменит строки, показанные под кнопкой &quot;Показать подробности...&quot;. Изменить их?</translation>
    </message>
    <message>
        <source>The game is running from this folder. Quit the game first: it rewrites its scripts when it quits. Nothing was changed.</source>
        <translation>Игра запущена из этой папки. Сначала закройте игру: при выходе она перезаписывает свои скрипты. Ничего не изменено.</translation>
    </message>
</context>
<context>
    <name>wizard::RestoreWindow</name>
    <message>
        <source>Restore points of the game&apos;s scripts, newest first</source>
        <translation>Точки восстановления скриптов игры, начиная с новейшей</translation>
    </message>
    <message>
        <source>What restoring it would change:</source>
        <translation>Что изменит восстановление:</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Восстановить</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>There are no restore points yet: Zentrimo keeps one before every change it makes to the game&apos;s scripts.</source>
        <translation>Точек восстановления пока нет: Zentrimo создаёт одну перед каждым изменением, которое вносит в скрипты игры.</translation>
    </message>
    <message>
        <source>This restore point is damaged: its files are not as they were written, so it cannot be restored.</source>
        <translation>Эта точка восстановления повреждена: её файлы не такие, какими были записаны, поэтому её нельзя восстановить.</translation>
    </message>
    <message>
        <source>Zentrimo will put the game&apos;s scripts back as they were at this restore point, as shown under &quot;Show Details...&quot;, after keeping what they hold now as a new restore point. Do you want to restore it?</source>
        <translation>Zentrimo вернёт скрипты игры в состояние этой точки восстановления, как показано под кнопкой &quot;Показать подробности...&quot;, предварительно сохранив их текущее содержимое как новую точку восстановления. Восстановить её?</translation>
    </message>
</context>
<context>
    <name>wizard::SectionStartPage</name>
    <message>
        <source>You have to install the tweak before you try to uninstall it --&gt; No tweak installed</source>
        <translation>Нужно установить твик, прежде чем пытаться его удалить --&gt; Твик не установлен</translation>
    </message>
    <message>
        <source>Tweak have been succesfully uninstalled</source>
        <extracomment>&quot;Tweak have been succesfully&quot; is the original&apos;s grammar and typo; write it correctly.</extracomment>
        <translation>Твик успешно удалён</translation>
    </message>
    <message>
        <source>Do you want to apply settings before quit?</source>
        <translation>Применить настройки перед выходом?</translation>
    </message>
</context>
<context>
    <name>workspace</name>
    <message>
        <source>The game folder %1 has no restore points yet.</source>
        <translation>У папки игры %1 пока нет точек восстановления.</translation>
    </message>
    <message>
        <source>Restore points of %1, newest first:</source>
        <translation>Точки восстановления папки %1, начиная с новейшей:</translation>
    </message>
    <message>
        <source>%1  %2  made before %3</source>
        <extracomment>A restore point: its id, its time, and what made it (apply, uninstall, restore, fix).</extracomment>
        <translation>%1  %2  создана перед операцией %3</translation>
    </message>
    <message>
        <source>%1  %2  made before %3  damaged: it cannot be restored</source>
        <translation>%1  %2  создана перед операцией %3  повреждена: её нельзя восстановить</translation>
    </message>
    <message>
        <source>%1  damaged: it cannot be restored</source>
        <translation>%1  повреждена: её нельзя восстановить</translation>
    </message>
    <message>
        <source>The game&apos;s scripts are back as they were at restore point %1. What they held before is kept as a new restore point.</source>
        <translation>Скрипты игры возвращены в состояние точки восстановления %1. Их прежнее содержимое сохранено как новая точка восстановления.</translation>
    </message>
    <message>
        <source>This game folder has no restore point %1. Nothing was changed. `zentrimo --restore-points` lists them.</source>
        <translation>У этой папки игры нет точки восстановления %1. Ничего не изменено. Список точек выводит `zentrimo --restore-points`.</translation>
    </message>
    <message>
        <source>Restore point %1 is damaged: its files are not as they were written, so it cannot be restored. Nothing was changed.</source>
        <translation>Точка восстановления %1 повреждена: её файлы не такие, какими были записаны, поэтому её нельзя восстановить. Ничего не изменено.</translation>
    </message>
    <message>
        <source>Counter-Strike is running. Close it first: it saves its settings when it quits, and would undo the uninstall.</source>
        <translation>Counter-Strike запущен. Сначала закройте его: при выходе он сохраняет свои настройки и отменил бы удаление.</translation>
    </message>
    <message>
        <source>Counter-Strike is running. Close it first: it saves its settings when it quits, and would undo the uninstall. Nothing was changed.</source>
        <translation>Counter-Strike запущен. Сначала закройте его: при выходе он сохраняет свои настройки и отменил бы удаление. Ничего не изменено.</translation>
    </message>
    <message>
        <source>Restoring this point changes nothing: every file is as it holds it.</source>
        <translation>Восстановление этой точки ничего не изменит: все файлы такие же, как в ней.</translation>
    </message>
    <message>
        <source>The lines of this run could not be read: %1</source>
        <translation>Не удалось прочитать строки этого прохода: %1</translation>
    </message>
    <message>
        <source>Counter-Strike is running: the settings take effect at its next start.</source>
        <translation>Counter-Strike запущен: настройки заработают при его следующем запуске.</translation>
    </message>
    <message>
        <source>@@ line %1 @@</source>
        <extracomment>The head of a change in a diff: &quot;@@ line 12 @@&quot;.</extracomment>
        <translation>@@ строка %1 @@</translation>
    </message>
</context>
</TS>
