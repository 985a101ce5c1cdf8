<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>ConsoleOptions</name>
    <message>
        <source>Displays help on the command line options.</source>
        <translation>Показує довідку щодо параметрів командного рядка.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Показує інформацію про версію.</translation>
    </message>
    <message>
        <source>Prints what the game will use when it starts, and which file sets each setting.</source>
        <translation>Виводить, що гра використає під час запуску і який файл задає кожне налаштування.</translation>
    </message>
    <message>
        <source>Applies the report&apos;s fix ID (again for more, or all), and prints the lines it changes. The JSON report lists the ids.</source>
        <translation>Застосовує виправлення ID зі звіту (повторіть параметр для інших або вкажіть all) і виводить рядки, які воно змінює. Ідентифікатори наведено у звіті JSON.</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>With --fix: prints the lines it would change, and changes nothing.</source>
        <translation>Із --fix: виводить рядки, які було б змінено, і нічого не змінює.</translation>
    </message>
    <message>
        <source>Lists the restore points of the game folder, newest first: one is kept before every change.</source>
        <translation>Показує точки відновлення папки гри, від найновішої: одна створюється перед кожною зміною.</translation>
    </message>
    <message>
        <source>Puts the game&apos;s scripts back as restore point ID holds them.</source>
        <translation>Повертає скрипти гри до стану, збереженого в точці відновлення ID.</translation>
    </message>
    <message>
        <source>With --report or --restore-points: as one JSON object.</source>
        <translation>Із --report або --restore-points: як один об’єкт JSON.</translation>
    </message>
    <message>
        <source>Shows the program in language CODE: %1.</source>
        <translation>Показує програму мовою КОД: %1.</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>КОД</translation>
    </message>
    <message>
        <source>Tunes Counter-Strike through its start-up script.</source>
        <translation>Налаштовує Counter-Strike через його стартовий скрипт.</translation>
    </message>
    <message>
        <source>With --report, --fix, --restore-points or --restore: the game folder; else the one the start window would find.</source>
        <translation>Із --report, --fix, --restore-points або --restore: папка гри; інакше та, яку знайшло б стартове вікно.</translation>
    </message>
    <message>
        <source>[GAMEROOT]</source>
        <translation>[ПАПКА_ГРИ]</translation>
    </message>
    <message>
        <source>There is no language %1; give one of %2.</source>
        <translation>Мови %1 немає; вкажіть одну з таких: %2.</translation>
    </message>
    <message>
        <source>Give only one of --report, --fix, --restore-points and --restore.</source>
        <translation>Вкажіть лише один із параметрів --report, --fix, --restore-points і --restore.</translation>
    </message>
    <message>
        <source>--json goes only with --report or --restore-points.</source>
        <translation>--json працює лише з --report або --restore-points.</translation>
    </message>
    <message>
        <source>--dry-run goes only with --fix.</source>
        <translation>--dry-run працює лише з --fix.</translation>
    </message>
    <message>
        <source>A game folder goes only with --report, --fix, --restore-points or --restore: %1</source>
        <translation>Папку гри можна вказати лише з --report, --fix, --restore-points або --restore: %1</translation>
    </message>
    <message numerus="yes">
        <source>Give one game folder, not %n.</source>
        <translation>
            <numerusform>Вкажіть одну папку гри, а не %n.</numerusform>
            <numerusform>Вкажіть одну папку гри, а не %n.</numerusform>
            <numerusform>Вкажіть одну папку гри, а не %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DirectoryList</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Не вдається прочитати %1: %2</translation>
    </message>
</context>
<context>
    <name>DirectoryPage</name>
    <message>
        <source>Your current half-life directory:</source>
        <translation>Ваша поточна папка Half-Life:</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Далі</translation>
    </message>
    <message>
        <source>Half-life root not found, try specify another dir. Or choose another cstrike version</source>
        <extracomment>Deliberately as the old tool words it, its faults included.</extracomment>
        <translation>Кореневу папку Half-Life не знайдено, спробуйте вказати іншу папку. Або виберіть іншу версію cstrike</translation>
    </message>
    <message>
        <source>Couldn&apos;t find counter-strike config file, try specify another path</source>
        <translation>Не вдалося знайти конфіг Counter-Strike, спробуйте вказати інший шлях</translation>
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
        <translation>Домашня папка (%1)</translation>
    </message>
</context>
<context>
    <name>ErrorBoundary</name>
    <message>
        <source>Error %1: %2
%3</source>
        <translation>Помилка %1: %2
%3</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Choose your half-life root directory:</source>
        <translation>Виберіть кореневу папку Half-Life:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>GamePlaces</name>
    <message>
        <source>Steam library (%1)</source>
        <translation>Бібліотека Steam (%1)</translation>
    </message>
    <message>
        <source>Wine %1 (%2)</source>
        <translation>Wine %1 (%2)</translation>
    </message>
    <message>
        <source>Error %1: the registry could not be read.</source>
        <translation>Помилка %1: не вдалося прочитати реєстр.</translation>
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
        <translation>Пропустити рядки, які нічого не роблять</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>Показати &amp;подробиці...</translation>
    </message>
    <message>
        <source>Hide &amp;Details...</source>
        <translation>Сховати &amp;подробиці...</translation>
    </message>
</context>
<context>
    <name>MusicLoop</name>
    <message>
        <source>%1 is missing!</source>
        <translation>Немає файлу %1!</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Zentrimo finds nothing to fix in the game&apos;s scripts.</source>
        <translation>Zentrimo не знаходить у скриптах гри нічого, що треба виправити.</translation>
    </message>
    <message>
        <source>the game</source>
        <translation>гра</translation>
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
        <translation>рядок exec у попередньому скрипті</translation>
    </message>
    <message>
        <source>valve.rc&apos;s stuffcmds</source>
        <translation>stuffcmds з valve.rc</translation>
    </message>
    <message>
        <source>%1. %2, run by %3</source>
        <translation>%1. %2, його запускає: %3</translation>
    </message>
    <message>
        <source>Restore point %1 is damaged: it cannot be restored.</source>
        <translation>Точка відновлення %1 пошкоджена: її неможливо відновити.</translation>
    </message>
    <message>
        <source>%1, made before %2, is damaged: it cannot be restored.</source>
        <translation>%1, створена перед операцією %2, пошкоджена: її неможливо відновити.</translation>
    </message>
    <message>
        <source>%1, made before %2: every file is as it is today.</source>
        <translation>%1, створена перед операцією %2: кожен файл такий самий, як зараз.</translation>
    </message>
    <message>
        <source>%1, made before %2: differs from today in %3.</source>
        <translation>%1, створена перед операцією %2: відрізняється від поточного стану у файлах: %3.</translation>
    </message>
</context>
<context>
    <name>StartWindow</name>
    <message>
        <source>Retail Cstrike</source>
        <translation>Коробковий Cstrike</translation>
    </message>
    <message>
        <source>Normal Cstrike</source>
        <translation>Звичайний Cstrike</translation>
    </message>
    <message>
        <source>Specify yourself</source>
        <translation>Вказати самостійно</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Далі</translation>
    </message>
    <message>
        <source>Cstrike Versions:</source>
        <translation>Версії Cstrike:</translation>
    </message>
</context>
<context>
    <name>console</name>
    <message>
        <source>The report proposes no fix %1; zentrimo --report --json lists them.</source>
        <translation>Звіт не пропонує виправлення %1; список виправлень виводить zentrimo --report --json.</translation>
    </message>
    <message>
        <source>Nothing was changed (--dry-run).</source>
        <translation>Нічого не змінено (--dry-run).</translation>
    </message>
    <message>
        <source>The game is running from %1: quit it first, since it rewrites its scripts when it quits. Nothing was changed.</source>
        <translation>Гру запущено з папки %1: спершу закрийте її, бо під час виходу вона перезаписує свої скрипти. Нічого не змінено.</translation>
    </message>
    <message numerus="yes">
        <source>Applied %n fixes.</source>
        <translation>
            <numerusform>Застосовано %n виправлення.</numerusform>
            <numerusform>Застосовано %n виправлення.</numerusform>
            <numerusform>Застосовано %n виправлень.</numerusform>
        </translation>
    </message>
    <message>
        <source>The report now proposes no fix.</source>
        <translation>Звіт більше не пропонує жодного виправлення.</translation>
    </message>
    <message numerus="yes">
        <source>The report now proposes %n fixes.</source>
        <translation>
            <numerusform>Тепер звіт пропонує %n виправлення.</numerusform>
            <numerusform>Тепер звіт пропонує %n виправлення.</numerusform>
            <numerusform>Тепер звіт пропонує %n виправлень.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences, the fixes applied and those the report still proposes.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The changes could not be written to the console.</source>
        <translation>Не вдалося вивести зміни в консоль.</translation>
    </message>
    <message>
        <source>%1 holds no cstrike/config.cfg: it is not the game&apos;s folder. Give the Half-Life folder that holds cstrike.</source>
        <translation>%1 не містить cstrike/config.cfg: це не папка гри. Вкажіть папку Half-Life, у якій є cstrike.</translation>
    </message>
    <message>
        <source>The report could not be written.</source>
        <translation>Не вдалося вивести звіт.</translation>
    </message>
    <message>
        <source>The restore points could not be written.</source>
        <translation>Не вдалося вивести точки відновлення.</translation>
    </message>
</context>
<context>
    <name>game</name>
    <message>
        <source>%1 (%2) takes effect.</source>
        <translation>Налаштування %1 (%2) діє.</translation>
    </message>
    <message>
        <source>Today&apos;s game has no %1 (%2) and ignores the line without a word: press &quot;Skip setting&quot;, or delete the line from your script. %3</source>
        <translation>Поточна версія гри не має налаштування %1 (%2) і мовчки ігнорує цей рядок: натисніть &quot;Пропустити&quot; або видаліть рядок зі свого скрипту. %3</translation>
    </message>
    <message>
        <source>Today&apos;s game may have no %1 (%2) and then ignores the line without a word: press &quot;Skip setting&quot;, or delete the line from your script. %3</source>
        <translation>Поточна версія гри може не мати налаштування %1 (%2), і тоді мовчки ігнорує цей рядок: натисніть &quot;Пропустити&quot; або видаліть рядок зі свого скрипту. %3</translation>
    </message>
    <message>
        <source>Today&apos;s game always uses %3 for %1 (%2), whatever a script sets: press &quot;Skip setting&quot;, or delete the line from your script.</source>
        <translation>Поточна версія гри завжди використовує значення %3 для налаштування %1 (%2), хоч би що задавав скрипт: натисніть &quot;Пропустити&quot; або видаліть рядок зі свого скрипту.</translation>
    </message>
    <message>
        <source>%1 (%2) has no effect in today&apos;s game: press &quot;Skip setting&quot;, or delete the line from your script. %3</source>
        <translation>Налаштування %1 (%2) не діє в поточній версії гри: натисніть &quot;Пропустити&quot; або видаліть рядок зі свого скрипту. %3</translation>
    </message>
    <message>
        <source>At every map, today&apos;s game replaces %1 (%2) with your own saved setting %3 (%4 in a game with one slot): press &quot;Skip setting&quot; and set %3 in the game&apos;s console instead.</source>
        <translation>На кожній мапі поточна версія гри замінює налаштування %1 (%2) вашим збереженим налаштуванням %3 (%4 у грі з одним слотом): натисніть &quot;Пропустити&quot; і натомість задайте %3 у консолі гри.</translation>
    </message>
    <message>
        <source>Today&apos;s game uses %3 for %1 (%2), not %4.</source>
        <translation>Поточна версія гри використовує для налаштування %1 (%2) значення %3, а не %4.</translation>
    </message>
    <message>
        <source>On a server with more than one slot, bots included, today&apos;s game uses %3 for %1 (%2), not %4.</source>
        <translation>На сервері з більш ніж одним слотом, включно з ботами, поточна версія гри використовує для налаштування %1 (%2) значення %3, а не %4.</translation>
    </message>
    <message>
        <source>Today&apos;s game refuses %1 (%2) on any server with more than one slot, even an empty one or a bot game: it works only in a game with one slot.</source>
        <translation>Поточна версія гри відхиляє налаштування %1 (%2) на будь-якому сервері з більш ніж одним слотом, навіть порожньому чи в грі з ботами: воно працює лише в грі з одним слотом.</translation>
    </message>
    <message>
        <source>Right after the scripts, today&apos;s game puts back the %1 (%2) it kept at its last quit: set it in the game&apos;s console while you play, and the game keeps that one.</source>
        <translation>Одразу після скриптів поточна версія гри повертає налаштування %1 (%2), збережене під час останнього виходу: задайте його в консолі під час гри, і гра збереже саме це значення.</translation>
    </message>
    <message>
        <source>Right after the scripts, today&apos;s game may put back the %1 (%2) it kept at its last quit: set it in the game&apos;s console while you play, and the game keeps that one.</source>
        <translation>Одразу після скриптів поточна версія гри може повернути налаштування %1 (%2), збережене під час останнього виходу: задайте його в консолі під час гри, і гра збереже саме це значення.</translation>
    </message>
    <message>
        <source>With %1 (%2) at %3, expect %4.</source>
        <translation>Якщо налаштування %1 (%2) має значення %3, очікуйте: %4.</translation>
    </message>
    <message>
        <source>With %1 (%2) at %3, you may get %4.</source>
        <translation>Якщо налаштування %1 (%2) має значення %3, можливі наслідки: %4.</translation>
    </message>
    <message>
        <source>The game&apos;s own default is the first option.</source>
        <translation>За замовчуванням гра використовує перший варіант.</translation>
    </message>
    <message>
        <source>The game&apos;s own default is the second option.</source>
        <translation>За замовчуванням гра використовує другий варіант.</translation>
    </message>
    <message>
        <source>The game&apos;s own default is the third option.</source>
        <translation>За замовчуванням гра використовує третій варіант.</translation>
    </message>
    <message>
        <source>The game&apos;s own default is the last option.</source>
        <translation>За замовчуванням гра використовує останній варіант.</translation>
    </message>
    <message>
        <source>Zentrimo does not know what today&apos;s game does with this line.</source>
        <translation>Zentrimo не знає, що поточна версія гри робить із цим рядком.</translation>
    </message>
    <message>
        <source>This run wrote no lines.</source>
        <translation>У цьому сеансі не записано жодного рядка.</translation>
    </message>
    <message>
        <source>Lines: %1. They take effect: %2. Changed by the game: %3. Without effect: %4. Not in today&apos;s game: %5.</source>
        <translation>Рядків: %1. Діють: %2. Змінено грою: %3. Без ефекту: %4. Немає в поточній версії гри: %5.</translation>
    </message>
    <message>
        <source>Lines: %1. They take effect: %2. Changed by the game: %3. Without effect: %4. Not in today&apos;s game: %5. Unknown to Zentrimo: %6.</source>
        <translation>Рядків: %1. Діють: %2. Змінено грою: %3. Без ефекту: %4. Немає в поточній версії гри: %5. Невідомі для Zentrimo: %6.</translation>
    </message>
    <message>
        <source>The key %1 joins a server (%3), and a server may have bound it so: bind it back to the game&apos;s own %2.</source>
        <translation>Клавіша %1 підключає до сервера (%3), і такий бінд міг поставити сервер: знову забіндьте на неї стандартну для гри команду %2.</translation>
    </message>
    <message>
        <source>The key %1 joins a server (%2), and a server may have bound it so: take the line out; the game names no default for the key, so it is left unbound.</source>
        <translation>Клавіша %1 підключає до сервера (%2), і такий бінд міг поставити сервер: видаліть цей рядок; гра не задає стандартного бінду для цієї клавіші, тож вона залишиться без бінду.</translation>
    </message>
    <message>
        <source>The alias %1 joins a server (%2), and a server may have put it there: take the line out.</source>
        <translation>Аліас %1 підключає до сервера (%2), і його міг додати туди сервер: видаліть цей рядок.</translation>
    </message>
    <message>
        <source>%1 joins a server whenever the game starts (%2), and a server may have put it there: take the line out.</source>
        <translation>%1 підключає до сервера щоразу під час запуску гри (%2), і це міг додати туди сервер: видаліть цей рядок.</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n lines after exec userconfig.cfg, where the game writes none, and a server may have added them: take them out.</source>
        <translation>
            <numerusform>%1 містить %n рядок після exec userconfig.cfg, де гра нічого не записує, і його міг додати сервер: видаліть його.</numerusform>
            <numerusform>%1 містить %n рядки після exec userconfig.cfg, де гра нічого не записує, і їх міг додати сервер: видаліть їх.</numerusform>
            <numerusform>%1 містить %n рядків після exec userconfig.cfg, де гра нічого не записує, і їх міг додати сервер: видаліть їх.</numerusform>
        </translation>
    </message>
    <message>
        <source>Servers may run commands in your game that the filter (cl_filterstuffcmd) would stop (%1): set it to 1.</source>
        <translation>Сервери можуть виконувати у вашій грі команди, які зупинив би фільтр cl_filterstuffcmd (%1): задайте йому значення 1.</translation>
    </message>
    <message>
        <source>Your %1 (%2) at %3 never takes effect, because %5 sets it again: move the line to %4, which runs after it.</source>
        <translation>Ваше налаштування %1 (%2) ніколи не діє (%3), бо його знову задає %5: перенесіть рядок у %4, що виконується після нього.</translation>
    </message>
    <message>
        <source>Today&apos;s game has no %1 (%2) and ignores the lines that set it (%3): take them out.</source>
        <translation>Поточна версія гри не має налаштування %1 (%2) і ігнорує рядки, які його задають (%3): видаліть їх.</translation>
    </message>
    <message numerus="yes">
        <source>%n commands after exec userconfig.cfg, where the game writes none: a server may have added them</source>
        <translation>
            <numerusform>%n команда після exec userconfig.cfg, де гра нічого не записує: її міг додати сервер</numerusform>
            <numerusform>%n команди після exec userconfig.cfg, де гра нічого не записує: їх міг додати сервер</numerusform>
            <numerusform>%n команд після exec userconfig.cfg, де гра нічого не записує: їх міг додати сервер</numerusform>
        </translation>
    </message>
    <message>
        <source>exec takes one file name: %1</source>
        <translation>exec приймає одну назву файлу: %1</translation>
    </message>
    <message>
        <source>%1: joins a server whenever the game starts; a server may have put it here</source>
        <translation>%1: підключає до сервера щоразу під час запуску гри; це міг додати сюди сервер</translation>
    </message>
    <message>
        <source>%1 is in a folder that may not be opened: the game cannot read it</source>
        <translation>%1 лежить у папці, до якої немає доступу: гра не може його прочитати</translation>
    </message>
    <message>
        <source>couldn&apos;t exec %1</source>
        <extracomment>The game&apos;s own console words, as it prints them.</extracomment>
        <translation>couldn&apos;t exec %1</translation>
    </message>
    <message>
        <source>exec %1 runs %2 again while it is still running: the game repeats it until its command buffer (16 KiB) overflows; its lines are read once here</source>
        <translation>exec %1 знову запускає %2, поки той ще виконується: гра повторює це, доки не переповниться буфер команд (16 КіБ); тут його рядки прочитано один раз</translation>
    </message>
    <message>
        <source>%1 is not a regular file: skipped</source>
        <translation>%1 не є звичайним файлом: пропущено</translation>
    </message>
    <message>
        <source>%1 is larger than 64 MiB: skipped</source>
        <translation>%1 більший за 64 МіБ: пропущено</translation>
    </message>
    <message>
        <source>%1 may not be read: skipped</source>
        <translation>%1 не можна прочитати (немає прав доступу): пропущено</translation>
    </message>
    <message>
        <source>%1 could not be read: skipped</source>
        <translation>не вдалося прочитати %1: пропущено</translation>
    </message>
    <message>
        <source>start-up runs more than 64 MiB of scripts: not read further</source>
        <translation>під час запуску виконується понад 64 МіБ скриптів: далі не прочитано</translation>
    </message>
    <message>
        <source>%1 is saved as UTF-16: the game reads nothing in it</source>
        <translation>%1 збережено в UTF-16: гра нічого з нього не прочитає</translation>
    </message>
    <message>
        <source>stuffcmds: the command buffer overflows; the launch options are lost</source>
        <translation>stuffcmds: буфер команд переповнюється; параметри запуску втрачаються</translation>
    </message>
    <message>
        <source>bind %1 runs %2: it joins a server; a server may have put it here</source>
        <translation>bind %1 запускає %2: він підключає до сервера; його міг додати сюди сервер</translation>
    </message>
    <message>
        <source>alias %1 runs %2: it joins a server; a server may have put it here</source>
        <translation>alias %1 запускає %2: він підключає до сервера; його міг додати сюди сервер</translation>
    </message>
    <message>
        <source>%1 runs itself again while it is still running: the game repeats it without end; its commands are read once here</source>
        <translation>%1 знову запускає сам себе, поки ще виконується: гра повторює його без кінця; тут його команди прочитано один раз</translation>
    </message>
    <message>
        <source>%1: the command buffer overflows; the alias is lost</source>
        <translation>%1: буфер команд переповнюється; аліас втрачається</translation>
    </message>
    <message>
        <source>%1: lets servers run commands in your game that 1 would filter out; a server may have set it</source>
        <translation>%1: дозволяє серверам виконувати у вашій грі команди, які значення 1 відфільтрувало б; це міг задати сервер</translation>
    </message>
    <message>
        <source>exec %1: invalid path</source>
        <extracomment>The game&apos;s own console words, as it prints them.</extracomment>
        <translation>exec %1: invalid path</translation>
    </message>
    <message>
        <source>exec %1: not a .cfg or .rc file</source>
        <translation>exec %1: це не файл .cfg або .rc</translation>
    </message>
    <message>
        <source>the game refuses %1 as an alias name</source>
        <translation>гра відхиляє %1 як назву аліасу</translation>
    </message>
    <message>
        <source>set again by %1</source>
        <translation>знову задано: %1</translation>
    </message>
    <message>
        <source>the game</source>
        <translation>гра</translation>
    </message>
    <message>
        <source>launch options</source>
        <translation>параметри запуску</translation>
    </message>
    <message>
        <source>%1 line %2</source>
        <extracomment>A script and a line of it: &quot;cstrike/config.cfg line 12&quot;.</extracomment>
        <translation>%1, рядок %2</translation>
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
        <translation>власне сховище налаштувань гри</translation>
    </message>
    <message>
        <source>the Windows registry (HKEY_CURRENT_USER\Software\Valve\Steam, Rate)</source>
        <translation>реєстр Windows (HKEY_CURRENT_USER\Software\Valve\Steam, Rate)</translation>
    </message>
    <message>
        <source>the Wine prefix&apos;s registry (%1)</source>
        <translation>реєстр префікса Wine (%1)</translation>
    </message>
    <message>
        <source>Start-up of the game in %1</source>
        <translation>Запуск гри в папці %1</translation>
    </message>
    <message>
        <source>Signs of tampering:</source>
        <translation>Ознаки втручання:</translation>
    </message>
    <message>
        <source>What some settings cost you:</source>
        <translation>Ціна деяких налаштувань:</translation>
    </message>
    <message>
        <source>Scripts the program cannot read:</source>
        <translation>Скрипти, які програма не може прочитати:</translation>
    </message>
    <message>
        <source>Scripts that are missing:</source>
        <translation>Відсутні скрипти:</translation>
    </message>
    <message>
        <source>Lines the game refuses:</source>
        <translation>Рядки, які гра відхиляє:</translation>
    </message>
    <message>
        <source>Scripts that run themselves:</source>
        <translation>Скрипти, що запускають самі себе:</translation>
    </message>
    <message>
        <source>Limits reached:</source>
        <translation>Досягнуто лімітів:</translation>
    </message>
    <message>
        <source>Lines that never take effect:</source>
        <translation>Рядки, які ніколи не діють:</translation>
    </message>
    <message>
        <source>Scripts, in the order the game runs them:</source>
        <translation>Скрипти в порядку, в якому гра їх запускає:</translation>
    </message>
    <message>
        <source>valve.rc is in neither cstrike nor valve: read as the standard one, exec autoexec.cfg then the launch options</source>
        <translation>valve.rc немає ні в cstrike, ні у valve: прочитано як стандартний, тобто exec autoexec.cfg, а потім параметри запуску</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>A script in the order the game runs them: &quot;1. cstrike/config.cfg&quot;.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1. %2 (run %3 of this file)</source>
        <translation>%1. %2 (запуск № %3 цього файлу)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>немає</translation>
    </message>
    <message>
        <source>Launch options: none given</source>
        <translation>Параметри запуску: не вказано</translation>
    </message>
    <message>
        <source>Launch options: %1</source>
        <translation>Параметри запуску: %1</translation>
    </message>
    <message>
        <source>Launch options: none</source>
        <translation>Параметри запуску: немає</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>джерело: %1</translation>
    </message>
    <message>
        <source>from %1 (Steam user %2, whose file changed last of %3)</source>
        <translation>джерело: %1 (користувач Steam %2, чий файл змінено найпізніше з усіх %3)</translation>
    </message>
    <message>
        <source>Settings as the game will have them:</source>
        <translation>Налаштування, які матиме гра:</translation>
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
            <numerusform>пропущено ще рядків, налаштувань або попереджень: %n</numerusform>
            <numerusform>пропущено ще рядків, налаштувань або попереджень: %n</numerusform>
            <numerusform>пропущено ще рядків, налаштувань або попереджень: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Rate kept by the game:</source>
        <translation>Значення rate, збережене грою:</translation>
    </message>
    <message>
        <source>after the scripts the game sets rate to &quot;%1&quot;, the rate it kept in %2 when it last quit</source>
        <translation>після скриптів гра задає для rate значення &quot;%1&quot;, збережене під час останнього виходу (місце: %2)</translation>
    </message>
    <message>
        <source>%1 holds no rate: the scripts&apos; rate holds, and the game keeps it there when it quits</source>
        <translation>%1: немає збереженого значення rate — діє rate зі скриптів, і гра збереже його там під час виходу</translation>
    </message>
    <message>
        <source>the game may put back the rate it kept in %1 at its last quit, which this program cannot read: a rate set in a script may not take effect</source>
        <translation>гра може повернути значення rate, збережене під час останнього виходу в місці, яке ця програма не може прочитати (%1): rate, заданий у скрипті, може не подіяти</translation>
    </message>
    <message>
        <source>Decals</source>
        <translation>Декалі</translation>
    </message>
    <message>
        <source>Dynamic lights</source>
        <translation>Динамічне освітлення</translation>
    </message>
    <message>
        <source>Weapon model</source>
        <translation>Модель зброї</translation>
    </message>
    <message>
        <source>no weapon and no reload cues</source>
        <translation>невидима зброя і жодних ознак перезаряджання</translation>
    </message>
    <message>
        <source>Collinear vertexes</source>
        <translation>Колінеарні вершини</translation>
    </message>
    <message>
        <source>cracks between polygons when a map loads</source>
        <translation>щілини між полігонами після завантаження мапи</translation>
    </message>
    <message>
        <source>Shadows</source>
        <translation>Тіні</translation>
    </message>
    <message>
        <source>Texture sorting</source>
        <translation>Сортування текстур</translation>
    </message>
    <message>
        <source>It has been gone since 2013.</source>
        <translation>Його немає з 2013 року.</translation>
    </message>
    <message>
        <source>Decal offset</source>
        <translation>Зміщення декалей</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Яскравість</translation>
    </message>
    <message>
        <source>a washed-out picture</source>
        <translation>вицвіле зображення</translation>
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
        <translation>Гамма освітлення</translation>
    </message>
    <message>
        <source>High-quality player models</source>
        <translation>Моделі гравців високої якості</translation>
    </message>
    <message>
        <source>Pic mip</source>
        <translation>Pic mip</translation>
    </message>
    <message>
        <source>It changes nothing on graphics cards with non-power-of-two textures, which every current card has.</source>
        <translation>Нічого не змінює на відеокартах із підтримкою текстур, розміри яких не є степенем двійки, а таку підтримку має кожна сучасна відеокарта.</translation>
    </message>
    <message>
        <source>ZTrick</source>
        <translation>ZTrick</translation>
    </message>
    <message>
        <source>It was renamed gl_ztrick_old in 2013, &quot;usage deprecated&quot;.</source>
        <translation>У 2013 році його перейменували на gl_ztrick_old з позначкою &quot;usage deprecated&quot;.</translation>
    </message>
    <message>
        <source>Direct3D flip</source>
        <translation>Direct3D flip</translation>
    </message>
    <message>
        <source>The Direct3D renderer was removed in 2013.</source>
        <translation>Рендерер Direct3D вилучили в 2013 році.</translation>
    </message>
    <message>
        <source>Texture mode</source>
        <translation>Режим текстур</translation>
    </message>
    <message>
        <source>blocky textures</source>
        <translation>кутасті, пікселізовані текстури</translation>
    </message>
    <message>
        <source>Sound mix-ahead</source>
        <translation>Випередження мікшування звуку</translation>
    </message>
    <message>
        <source>A3D</source>
        <translation>A3D</translation>
    </message>
    <message>
        <source>A3D was removed in 2013.</source>
        <translation>A3D вилучили в 2013 році.</translation>
    </message>
    <message>
        <source>EAX</source>
        <translation>EAX</translation>
    </message>
    <message>
        <source>EAX was removed in 2013.</source>
        <translation>EAX вилучили в 2013 році.</translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation>Реверберація</translation>
    </message>
    <message>
        <source>No Steam build or recent config holds it.</source>
        <translation>Його немає в жодній збірці Steam і в жодному свіжому конфігу.</translation>
    </message>
    <message>
        <source>8-bit sound</source>
        <translation>8-бітний звук</translation>
    </message>
    <message>
        <source>worse sound</source>
        <translation>гірший звук</translation>
    </message>
    <message>
        <source>High-quality sound</source>
        <translation>Звук високої якості</translation>
    </message>
    <message>
        <source>Maximum modem framerate</source>
        <translation>Ліміт FPS для модема</translation>
    </message>
    <message>
        <source>It is in old configs only; fps_max limits the frame rate now.</source>
        <translation>Воно є лише в старих конфігах; тепер FPS обмежує fps_max.</translation>
    </message>
    <message>
        <source>Maximum LAN framerate</source>
        <translation>Ліміт FPS для LAN</translation>
    </message>
    <message>
        <source>No Steam build holds it; fps_max limits the frame rate now.</source>
        <translation>Його немає в жодній збірці Steam; тепер FPS обмежує fps_max.</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>choke and lag</source>
        <translation>choke і лаги</translation>
    </message>
    <message>
        <source>Push latency</source>
        <translation>Затримка push</translation>
    </message>
    <message>
        <source>No Steam build holds it.</source>
        <translation>Його немає в жодній збірці Steam.</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Завантаження</translation>
    </message>
    <message>
        <source>to be disconnected by every server running a map or model you lack</source>
        <translation>відключення від кожного сервера з мапою чи моделлю, якої у вас немає</translation>
    </message>
    <message>
        <source>Uploads</source>
        <translation>Вивантаження</translation>
    </message>
    <message>
        <source>MMX</source>
        <translation>MMX</translation>
    </message>
    <message>
        <source>The game registers it but nothing reads it.</source>
        <translation>Гра його реєструє, але ніщо його не читає.</translation>
    </message>
    <message>
        <source>Mouse filter</source>
        <translation>Фільтр миші</translation>
    </message>
    <message>
        <source>mouse smoothing and delay</source>
        <translation>згладжування і затримка руху миші</translation>
    </message>
    <message>
        <source>Console speed</source>
        <translation>Швидкість консолі</translation>
    </message>
    <message>
        <source>Neither the engine&apos;s reconstruction nor any recent config holds it.</source>
        <translation>Його немає ні в реконструкції рушія, ні в жодному свіжому конфігу.</translation>
    </message>
    <message>
        <source>Joystick</source>
        <translation>Джойстик</translation>
    </message>
    <message>
        <source>a drifting stick moving you</source>
        <translation>стік, що дрейфує і рухає вашого персонажа</translation>
    </message>
    <message>
        <source>Third-person view</source>
        <translation>Вид від третьої особи</translation>
    </message>
    <message>
        <source>First-person view</source>
        <translation>Вид від першої особи</translation>
    </message>
</context>
<context>
    <name>wizard</name>
    <message>
        <source>Console speed </source>
        <translation>Швидкість консолі </translation>
    </message>
    <message>
        <source>The console, opened and closed with the &quot;~&quot; key, moves down and up slowly by default and wastes your time.</source>
        <translation>Консоль, яку відкривають і закривають клавішею &quot;~&quot;, за замовчуванням висувається і ховається повільно та марнує ваш час.</translation>
    </message>
    <message>
        <source>Console speed:</source>
        <translation>Швидкість консолі:</translation>
    </message>
    <message>
        <source>A higher value makes the console move faster, a lower value slower.</source>
        <translation>Більше значення пришвидшує консоль, менше — сповільнює.</translation>
    </message>
    <message>
        <source>The default is 600; 3000 or more makes the console appear and disappear almost at once.</source>
        <translation>За замовчуванням — 600; зі значенням 3000 і більше консоль з’являється і зникає майже миттєво.</translation>
    </message>
    <message>
        <source>Third person view </source>
        <translation>Вид від третьої особи </translation>
    </message>
    <message>
        <source>Third person view has no real purpose but may be fun, and it may be slightly slower. Leave the box cleared to keep the first person view, the game&apos;s default. See the pictures below.</source>
        <translation>Вид від третьої особи не має практичної користі, але може бути цікавим, і з ним гра може працювати трохи повільніше. Залиште прапорець незазначеним, щоб зберегти вид від першої особи, стандартний у грі. Дивіться зображення нижче.</translation>
    </message>
    <message>
        <source>Use third person view.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Увімкнути вид від третьої особи.?</translation>
    </message>
    <message>
        <source>Third person view:</source>
        <translation>Вид від третьої особи:</translation>
    </message>
    <message>
        <source>First person view:</source>
        <translation>Вид від першої особи:</translation>
    </message>
    <message>
        <source>You have now completed the tweak of Counter-strike. Enjoy the tweak!</source>
        <translation>Твік Counter-Strike завершено. Насолоджуйтеся твіком!</translation>
    </message>
    <message>
        <source>If you want to uninstall the tweak, just start this tweak-program again, and then choose &quot;uninstall&quot; instead of &quot;start tweak&quot;</source>
        <translation>Якщо захочете видалити твік, просто знову запустіть цю програму і виберіть &quot;Видалити&quot; замість &quot;Запустити твік&quot;</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Вийти</translation>
    </message>
    <message>
        <source>You can now choose to move on to misc tweak section, or you can just quit and save settings now.</source>
        <translation>Тепер можна перейти до розділу інших твіків або просто вийти й одразу зберегти налаштування.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Продовжити</translation>
    </message>
    <message>
        <source>MMX </source>
        <translation>MMX </translation>
    </message>
    <message>
        <source>Enable MMX if your processor supports it (Pentium MMX, Pentium II, Celeron, K6, K6-2). Otherwise disable it for a possible speed gain.</source>
        <translation>Увімкніть MMX, якщо ваш процесор його підтримує (Pentium MMX, Pentium II, Celeron, K6, K6-2). Інакше вимкніть його, щоб, можливо, виграти у швидкості.</translation>
    </message>
    <message>
        <source>Enable MMX support?</source>
        <translation>Увімкнути підтримку MMX?</translation>
    </message>
    <message>
        <source>Mouse filtering </source>
        <translation>Фільтрування миші </translation>
    </message>
    <message>
        <source>Mouse filtering averages the positions before and after each movement, which smooths the mouse.</source>
        <translation>Фільтрування миші усереднює положення до і після кожного руху, що згладжує рух миші.</translation>
    </message>
    <message>
        <source>Enable mouse filtering?</source>
        <translation>Увімкнути фільтрування миші?</translation>
    </message>
    <message>
        <source>Joystick</source>
        <translation>Джойстик</translation>
    </message>
    <message>
        <source>Most people play with mouse and keyboard rather than a joystick. Disabling joystick support gains speed.</source>
        <translation>Більшість гравців грає мишею і клавіатурою, а не джойстиком. Вимкнення підтримки джойстика дає приріст швидкості.</translation>
    </message>
    <message>
        <source>Disable Joystick and gain performance.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Вимкнути джойстик і підвищити продуктивність.?</translation>
    </message>
    <message>
        <source>Maximum modem framerate </source>
        <translation>Ліміт FPS для модема </translation>
    </message>
    <message>
        <source>Over a modem, limiting the frame rate lowers your ping, and your frame rate with it. 33 is recommended for 56k modems, where the ping is usually around 160; use lower values for slower modems.</source>
        <translation>Під час гри через модем обмеження кількості кадрів знижує ваш пінг, а разом із ним і FPS. Для модемів 56k, де пінг зазвичай близько 160, рекомендовано 33; для повільніших модемів використовуйте нижчі значення.</translation>
    </message>
    <message>
        <source>Max modem framerate:</source>
        <translation>Ліміт FPS (модем):</translation>
    </message>
    <message>
        <source>Non-modem users should not be concerned with this command.</source>
        <translation>Тим, хто грає не через модем, не варто перейматися цією командою.</translation>
    </message>
    <message>
        <source>Push Lantency:</source>
        <extracomment>&quot;Lantency&quot; is the original&apos;s typo for &quot;latency&quot;; translate the meaning.</extracomment>
        <translation>Затримка push:</translation>
    </message>
    <message>
        <source>Prediction</source>
        <translation>Передбачення</translation>
    </message>
    <message>
        <source>This setting controls prediction in internet games. Set it between one half and one times your average ping, negated: for a ping of 300, between -150 and -300.</source>
        <translation>Це налаштування керує передбаченням в іграх через інтернет. Задайте його між половиною і повним значенням вашого середнього пінгу, зі знаком мінус: для пінгу 300 — між -150 і -300.</translation>
    </message>
    <message>
        <source>(You can&apos;t type minus, it is typed by default)</source>
        <translation>(Мінус ввести не можна, він уже є за замовчуванням)</translation>
    </message>
    <message>
        <source>Allow download</source>
        <translation>Дозволити завантаження</translation>
    </message>
    <message>
        <source>This setting decides whether decals, maps and models are downloaded when you connect to a server.</source>
        <translation>Це налаштування визначає, чи завантажуються декалі, мапи й моделі, коли ви підключаєтеся до сервера.</translation>
    </message>
    <message>
        <source>Allow downloading of decals, maps, and models.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Дозволити завантаження декалей, мап і моделей.?</translation>
    </message>
    <message>
        <source>You can now choose to move on to internet tweak section, or you can just quit and save settings now.</source>
        <translation>Тепер можна перейти до розділу мережевих твіків або просто вийти й одразу зберегти налаштування.</translation>
    </message>
    <message>
        <source>Maximum LAN framerate </source>
        <translation>Ліміт FPS для LAN </translation>
    </message>
    <message>
        <source>The same limit for games on a local network. 45 is recommended; adjust it if the game lags.</source>
        <translation>Такий самий ліміт для ігор у локальній мережі. Рекомендовано 45; змініть його, якщо гра лагає.</translation>
    </message>
    <message>
        <source>Max LAN framerate:</source>
        <translation>Ліміт FPS (LAN):</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>A lower rate usually gives lower pings, because the server sends less data. Recommended are 2500 to 3500 for 28.8 and 33.6 modems, 3000 to 5000 for 56k modems, 5000 and more for faster lines, and about 25,000 for LAN games and ADSL.</source>
        <translation>Нижчий rate зазвичай дає нижчий пінг, бо сервер надсилає менше даних. Рекомендовано: від 2500 до 3500 для модемів 28,8 і 33,6, від 3000 до 5000 для модемів 56k, 5000 і більше для швидших з’єднань і близько 25 000 для ігор у LAN та ADSL.</translation>
    </message>
    <message>
        <source>Rate:</source>
        <translation>Rate:</translation>
    </message>
    <message>
        <source>Allow upload </source>
        <translation>Дозволити вивантаження </translation>
    </message>
    <message>
        <source>This setting decides whether your own decals, maps and models are uploaded when you connect to a server.</source>
        <translation>Це налаштування визначає, чи вивантажуються ваші власні декалі, мапи й моделі, коли ви підключаєтеся до сервера.</translation>
    </message>
    <message>
        <source>Allow uploading of decals, maps, and models.</source>
        <translation>Дозволити вивантаження декалей, мап і моделей.</translation>
    </message>
    <message>
        <source>What today&apos;s game does with this setting</source>
        <translation>Що поточна версія гри робить із цим налаштуванням</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Далі</translation>
    </message>
    <message>
        <source>&amp;Skip setting</source>
        <translation>&amp;Пропустити</translation>
    </message>
    <message>
        <source>8 Bit 11 kHz </source>
        <translation>8 біт 11 кГц </translation>
    </message>
    <message>
        <source>8 Bit 22 kHz (high quality)</source>
        <translation>8 біт 22 кГц (висока якість)</translation>
    </message>
    <message>
        <source>16 Bit 11 kHz</source>
        <translation>16 біт 11 кГц</translation>
    </message>
    <message>
        <source>16 Bit 22 kHz (high quality) </source>
        <translation>16 біт 22 кГц (висока якість) </translation>
    </message>
    <message>
        <source>Sound quality </source>
        <translation>Якість звуку </translation>
    </message>
    <message>
        <source>Low-quality sound uses less memory and gives a slight speed gain on some systems. With a PCI sound card or a fast processor there is no reason to give up good sound.</source>
        <translation>Звук низької якості займає менше пам’яті й на деяких системах дає невеликий приріст швидкості. Зі звуковою картою PCI або швидким процесором немає причин відмовлятися від гарного звуку.</translation>
    </message>
    <message>
        <source>You can now choose to move on to sound tweak section, or you can just quit and save settings now.</source>
        <translation>Тепер можна перейти до розділу звукових твіків або просто вийти й одразу зберегти налаштування.</translation>
    </message>
    <message>
        <source>Sound Compatibility </source>
        <translation>Сумісність звуку </translation>
    </message>
    <message>
        <source>Some sound cards, the Ensoniq AudioPCI in particular, stutter in games built on the Quake II engine. If yours does, leave the box cleared for maximum compatibility.</source>
        <translation>Деякі звукові карти, зокрема Ensoniq AudioPCI, заїкаються в іграх на рушії Quake II. Якщо ваша так робить, залиште прапорець незазначеним для максимальної сумісності.</translation>
    </message>
    <message>
        <source>Use maximum performance sound? (unchecked means maximum compatibility)</source>
        <translation>Використовувати звук із максимальною продуктивністю? (незазначений прапорець означає максимальну сумісність)</translation>
    </message>
    <message>
        <source>A3D</source>
        <translation>A3D</translation>
    </message>
    <message>
        <source>The game supports A3D 3D sound, reportedly only on Vortex 2 cards. A3D is buggy, so enable it only to try it out.</source>
        <translation>Гра підтримує просторовий звук A3D, нібито лише на картах Vortex 2. A3D працює з помилками, тож вмикайте його, лише щоб спробувати.</translation>
    </message>
    <message>
        <source>Disable A3D?</source>
        <translation>Вимкнути A3D?</translation>
    </message>
    <message>
        <source>EAX </source>
        <translation>EAX </translation>
    </message>
    <message>
        <source>EAX is another 3D audio interface, supported by the Sound Blaster Live and other cards.</source>
        <translation>EAX — ще один інтерфейс просторового звуку, який підтримують Sound Blaster Live та інші карти.</translation>
    </message>
    <message>
        <source>Disable EAX?</source>
        <translation>Вимкнути EAX?</translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation>Реверберація</translation>
    </message>
    <message>
        <source>Reverb adds echo to the sound. It does little in this game, and turning it off can gain a little speed.</source>
        <translation>Реверберація додає до звуку луну. У цій грі вона мало що дає, а її вимкнення може трохи підвищити швидкість.</translation>
    </message>
    <message>
        <source>Disable reverb?</source>
        <translation>Вимкнути реверберацію?</translation>
    </message>
    <message>
        <source>Brightness must be under 4 and over 0</source>
        <translation>Яскравість має бути меншою за 4 і більшою за 0</translation>
    </message>
    <message>
        <source>Gamma must be under 4 and over 0</source>
        <translation>Гамма має бути меншою за 4 і більшою за 0</translation>
    </message>
    <message>
        <source>From now on, you have to answer a couple of questions. Plz, do it carefully. This program do not take any responsebillity if your computer migth be damaged.</source>
        <extracomment>The original&apos;s misspellings (&quot;Plz&quot;, &quot;do not&quot;, &quot;responsebillity&quot;, &quot;migth&quot;) are deliberate; write it correctly.</extracomment>
        <translation>Відтепер вам треба відповісти на кілька запитань. Будь ласка, робіть це уважно. Ця програма не несе жодної відповідальності за можливе пошкодження вашого комп’ютера.</translation>
    </message>
    <message>
        <source>Zentrimo was made by Vaskor. Thank you for using it!</source>
        <translation>Zentrimo створив Vaskor. Дякуємо, що користуєтеся ним!</translation>
    </message>
    <message>
        <source>Found a bug, or have a comment? Please report it to whoever gave you this program, or on the project&apos;s issue tracker.</source>
        <translation>Знайшли помилку або маєте зауваження? Повідомте про це тому, хто дав вам цю програму, або в трекері задач проєкту.</translation>
    </message>
    <message>
        <source>&amp;Start Tweak</source>
        <translation>&amp;Запустити твік</translation>
    </message>
    <message>
        <source>&amp;Check game</source>
        <translation>&amp;Перевірити гру</translation>
    </message>
    <message>
        <source>Restore &amp;points...</source>
        <translation>&amp;Точки відновлення...</translation>
    </message>
    <message>
        <source>&amp;Uninstall</source>
        <translation>&amp;Видалити</translation>
    </message>
    <message>
        <source>Uninstall Tweak if installed:</source>
        <translation>Видалити твік, якщо встановлено:</translation>
    </message>
    <message>
        <source>Decals, bulletholes, and explosion scars... </source>
        <translation>Декалі, дірки від куль і сліди вибухів... </translation>
    </message>
    <message>
        <source>Make sure to limit the number of decals, bulletholes, and explosion scars.</source>
        <translation>Обов’язково обмежте кількість декалей, дірок від куль і слідів вибухів.</translation>
    </message>
    <message>
        <source>Maximum number of decals on screen at a time (recommended 200 to 500)</source>
        <translation>Максимальна кількість декалей на екрані одночасно (рекомендовано від 200 до 500)</translation>
    </message>
    <message>
        <source>You will gain a 10% to 15% improvement in performance, especially in lengthy matches. See the pics below:</source>
        <translation>Ви отримаєте від 10% до 15% приросту продуктивності, особливо в довгих матчах. Дивіться зображення нижче:</translation>
    </message>
    <message>
        <source>Decals etc. enabled:</source>
        <translation>Декалі тощо увімкнені:</translation>
    </message>
    <message>
        <source>Decals etc. disabled:</source>
        <translation>Декалі тощо вимкнені:</translation>
    </message>
    <message>
        <source>Dynamic lighting </source>
        <translation>Динамічне освітлення </translation>
    </message>
    <message>
        <source>With dynamic lighting, lit things such as muzzle flashes and explosions throw their light onto the walls and objects near them. Switching it off gains speed, but your flashlight stops working. The pictures show the glow on the wall.</source>
        <translation>З динамічним освітленням джерела світла, як-от спалахи пострілів і вибухи, кидають світло на стіни й предмети поруч. Вимкнення дає приріст швидкості, але перестає працювати ліхтарик. Зображення показують відблиск на стіні.</translation>
    </message>
    <message>
        <source>Disable dynamic lighting and gain performance?</source>
        <translation>Вимкнути динамічне освітлення й підвищити продуктивність?</translation>
    </message>
    <message>
        <source>Do you want to disable dynamic lighting?</source>
        <translation>Бажаєте вимкнути динамічне освітлення?</translation>
    </message>
    <message>
        <source>Dynamic Enabled:</source>
        <translation>Динамічне увімкнено:</translation>
    </message>
    <message>
        <source>Dynamic Disabled:</source>
        <translation>Динамічне вимкнено:</translation>
    </message>
    <message>
        <source>Weapon visibility </source>
        <translation>Видимість зброї </translation>
    </message>
    <message>
        <source>The weapon in your hands blocks part of your view. Hiding it gains 3 to 5 frames per second, or even more. See the pictures below.</source>
        <translation>Зброя у ваших руках закриває частину огляду. Якщо її сховати, отримаєте від 3 до 5 FPS або навіть більше. Дивіться зображення нижче.</translation>
    </message>
    <message>
        <source>Make weapon invisible and gain performance?</source>
        <translation>Зробити зброю невидимою й підвищити продуктивність?</translation>
    </message>
    <message>
        <source>Do you want to be able to see your weapon during the game?</source>
        <translation>Бажаєте бачити свою зброю під час гри?</translation>
    </message>
    <message>
        <source>Visible weapon:</source>
        <translation>Видима зброя:</translation>
    </message>
    <message>
        <source>Invisible weapon:</source>
        <translation>Невидима зброя:</translation>
    </message>
    <message>
        <source>Collinear vertexes </source>
        <translation>Колінеарні вершини </translation>
    </message>
    <message>
        <source>Keeping collinear vertexes fills the gaps and reduces the cracks between polygons. Switching it off can gain some speed, at the price of some visible cracking.</source>
        <translation>Збереження колінеарних вершин заповнює проміжки і зменшує щілини між полігонами. Вимкнення може трохи підвищити швидкість ціною помітних щілин.</translation>
    </message>
    <message>
        <source>Disable collinear vertexes?</source>
        <translation>Вимкнути колінеарні вершини?</translation>
    </message>
    <message>
        <source>You may gain around 1 or 2 FPS from disabling this.</source>
        <translation>Вимкнувши це, ви можете виграти приблизно 1 або 2 FPS.</translation>
    </message>
    <message>
        <source>Shadows</source>
        <translation>Тіні</translation>
    </message>
    <message>
        <source>Shadows are off by default in the game. They look unrealistic and are best used only when you really need them.</source>
        <translation>Тіні в грі за замовчуванням вимкнені. Вони виглядають нереалістично, і їх найкраще вмикати лише тоді, коли вони справді потрібні.</translation>
    </message>
    <message>
        <source>Disable shadows and gain performance.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Вимкнути тіні й підвищити продуктивність.?</translation>
    </message>
    <message>
        <source>Shadows enabled:</source>
        <translation>Тіні увімкнені:</translation>
    </message>
    <message>
        <source>Shadows disabled:</source>
        <translation>Тіні вимкнені:</translation>
    </message>
    <message>
        <source>Enabling gl_texsort gives much brighter images, at a large cost in speed. Some video cards need it switched on, others switched off: if your card has problems, try both.</source>
        <translation>Увімкнення gl_texsort дає значно яскравіше зображення, але сильно знижує швидкість. Деяким відеокартам він потрібен увімкненим, іншим — вимкненим: якщо з вашою картою є проблеми, спробуйте обидва варіанти.</translation>
    </message>
    <message>
        <source>Disable gl_texsort and gain performance?</source>
        <translation>Вимкнути gl_texsort і підвищити продуктивність?</translation>
    </message>
    <message>
        <source>gl_texsort enabled:</source>
        <translation>gl_texsort увімкнено:</translation>
    </message>
    <message>
        <source>gl_texsort disabled:</source>
        <translation>gl_texsort вимкнено:</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Зміщення</translation>
    </message>
    <message>
        <source>The offset of textures and decals fixes decals that show through walls or are drawn wrongly. It has little or no effect on speed.</source>
        <translation>Зміщення текстур і декалей виправляє декалі, що просвічують крізь стіни або малюються неправильно. На швидкість воно впливає мало або зовсім не впливає.</translation>
    </message>
    <message>
        <source>Poly-Offset:</source>
        <translation>Зміщення полігонів:</translation>
    </message>
    <message>
        <source>Poly-Offset Must be between -25 and 25</source>
        <translation>Зміщення полігонів має бути між -25 і 25</translation>
    </message>
    <message>
        <source>4 is the default for video cards without problems. If your card has problems, try -1, 20 or 5, and then experiment.</source>
        <translation>4 — значення за замовчуванням для відеокарт без проблем. Якщо з вашою картою є проблеми, спробуйте -1, 20 або 5, а потім експериментуйте.</translation>
    </message>
    <message>
        <source>Brightness/Gamma </source>
        <translation>Яскравість/гамма </translation>
    </message>
    <message>
        <source>Brightness lightens only the characters, weapons and objects. Gamma lightens everything; it ranges from 0 to 4 and costs no speed.</source>
        <translation>Яскравість робить світлішими лише персонажів, зброю та предмети. Гамма робить світлішим усе; вона набуває значень від 0 до 4 і не знижує швидкості.</translation>
    </message>
    <message>
        <source>Brightness (higher is brighter)</source>
        <translation>Яскравість (більше — світліше)</translation>
    </message>
    <message>
        <source>Gamma (higher is brighter)</source>
        <translation>Гамма (більше — світліше)</translation>
    </message>
    <message>
        <source>Brightness 2 with gamma 4 is recommended for dark video cards.</source>
        <translation>Для темних відеокарт рекомендовано яскравість 2 і гамму 4.</translation>
    </message>
    <message>
        <source>Texture Gamma/Light Gamma </source>
        <translation>Гамма текстур/гамма освітлення </translation>
    </message>
    <message>
        <source>Texture gamma sets the gamma of all textures, light gamma that of the lighting. Neither has any effect on speed.</source>
        <translation>Гамма текстур задає гамму всіх текстур, а гамма освітлення — гамму освітлення. Жодна з них не впливає на швидкість.</translation>
    </message>
    <message>
        <source>Texture Gamma (lower is brighter)</source>
        <translation>Гамма текстур (менше — світліше)</translation>
    </message>
    <message>
        <source>Light Gamma (lower is brighter)</source>
        <translation>Гамма освітлення (менше — світліше)</translation>
    </message>
    <message>
        <source>If you chose brightness 2 and gamma 4 on the previous page, try 3 and 2 here; otherwise keep 2 and 2.5, the defaults.</source>
        <translation>Якщо на попередній сторінці ви вибрали яскравість 2 і гамму 4, спробуйте тут 3 і 2; інакше залиште 2 і 2.5 — значення за замовчуванням.</translation>
    </message>
    <message>
        <source>Pic mip </source>
        <translation>Pic mip </translation>
    </message>
    <message>
        <source>Pic mip sets the overall texture quality. 2 gains a little speed at a severe loss of image quality; newer video cards gain nothing above 0, which is recommended.</source>
        <translation>Pic mip задає загальну якість текстур. Значення 2 дає невеликий приріст швидкості ціною серйозної втрати якості зображення; новіші відеокарти нічого не виграють від значень понад 0, і саме 0 рекомендовано.</translation>
    </message>
    <message>
        <source>Pic mip:</source>
        <translation>Pic mip:</translation>
    </message>
    <message>
        <source>Pic mip must be between 0 and 10</source>
        <translation>Pic mip має бути між 0 і 10</translation>
    </message>
    <message>
        <source>If your system crashes, run this tweak again and set this to default.</source>
        <translation>Якщо система дає збій, запустіть цей твік знову і поверніть тут значення за замовчуванням.</translation>
    </message>
    <message>
        <source>ZTrick </source>
        <translation>ZTrick </translation>
    </message>
    <message>
        <source>Skipping it can gain a good amount of speed, but on some video cards it makes textures and distant objects flicker. The pictures show a distant sign that flickers.</source>
        <translation>Пропуск очищення може помітно підвищити швидкість, але на деяких відеокартах через нього мерехтять текстури й віддалені об’єкти. Зображення показують віддалений знак, що мерехтить.</translation>
    </message>
    <message>
        <source>Enable ZTrick and gain performance.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Увімкнути ZTrick і підвищити продуктивність.?</translation>
    </message>
    <message>
        <source>ZTrick is a command to skip the clearing of the Z-buffer.</source>
        <translation>ZTrick — це команда, що пропускає очищення Z-буфера.</translation>
    </message>
    <message>
        <source>Ztrick enabled</source>
        <translation>Ztrick увімкнено</translation>
    </message>
    <message>
        <source>Ztrick disabled:</source>
        <translation>Ztrick вимкнено:</translation>
    </message>
    <message>
        <source>Texture Mode </source>
        <translation>Режим текстур </translation>
    </message>
    <message>
        <source>The texture mode is the drawing mode of your video hardware. Nearest neighbor interpolation looks blocky and jagged; linear interpolation looks smooth.</source>
        <translation>Режим текстур — це режим малювання вашого графічного обладнання. Інтерполяція за найближчим сусідом виглядає кутастою й зубчастою; лінійна інтерполяція виглядає гладкою.</translation>
    </message>
    <message>
        <source>Nearest neighbor interpolation for bilinear hardware?</source>
        <translation>Інтерполяція за найближчим сусідом для білінійного обладнання?</translation>
    </message>
    <message>
        <source>Linear interpolation for bilinear hardware.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Лінійна інтерполяція для білінійного обладнання.?</translation>
    </message>
    <message>
        <source>Nearest neighbor interpolation for trilinear hardware.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Інтерполяція за найближчим сусідом для трилінійного обладнання.?</translation>
    </message>
    <message>
        <source>Linear interpolation for trilinear hardware.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Лінійна інтерполяція для трилінійного обладнання.?</translation>
    </message>
    <message>
        <source>High quality player models </source>
        <translation>Моделі гравців високої якості </translation>
    </message>
    <message>
        <source>Player models come in high and low quality, with little visible difference. Low quality models save texture memory: cards with much texture memory lose little by using them, cards with little texture memory gain speed.</source>
        <translation>Моделі гравців бувають високої і низької якості, і різниця ледь помітна. Моделі низької якості заощаджують пам’ять текстур: карти з великим обсягом пам’яті текстур мало що втрачають, використовуючи їх, а карти з малим обсягом виграють у швидкості.</translation>
    </message>
    <message>
        <source>Use low quality models.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Використовувати моделі низької якості.?</translation>
    </message>
    <message>
        <source>Direct3D Flip </source>
        <translation>Direct3D Flip </translation>
    </message>
    <message>
        <source>If your mouse input lags two to three seconds behind, your video card needs Direct3D flip enabled.</source>
        <translation>Якщо реакція на рух миші запізнюється на дві-три секунди, вашій відеокарті потрібно ввімкнути Direct3D flip.</translation>
    </message>
    <message>
        <source>Enable Direct3D flip to correct input problems.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Увімкнути Direct3D flip, щоб виправити проблеми з керуванням.?</translation>
    </message>
</context>
<context>
    <name>wizard::GameReportWindow</name>
    <message>
        <source>What the game will use when it starts</source>
        <translation>Що гра використає під час запуску</translation>
    </message>
    <message>
        <source>&amp;Fix chosen</source>
        <translation>&amp;Виправити вибране</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Проблеми</translation>
    </message>
    <message>
        <source>Filter the settings</source>
        <translation>Фільтрувати налаштування</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Value the game will use</source>
        <translation>Значення, яке використає гра</translation>
    </message>
    <message>
        <source>Set by</source>
        <translation>Джерело</translation>
    </message>
    <message>
        <source>What today&apos;s game does</source>
        <translation>Що робить поточна версія гри</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Scripts</source>
        <translation>Скрипти</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Звіт</translation>
    </message>
    <message>
        <source>Co&amp;py report</source>
        <translation>&amp;Копіювати звіт</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрити</translation>
    </message>
    <message>
        <source>Tick the problems you want Zentrimo to fix, then press &quot;Fix chosen&quot;.</source>
        <translation>Позначте проблеми, які має виправити Zentrimo, а потім натисніть &quot;Виправити вибране&quot;.</translation>
    </message>
    <message>
        <source>Zentrimo will change the lines shown under &quot;Show Details...&quot;. Do you want to change them?</source>
        <translation>Zentrimo змінить рядки, показані під кнопкою &quot;Показати подробиці...&quot;. Бажаєте їх змінити?</translation>
    </message>
    <message>
        <source>The game is running from this folder. Quit the game first: it rewrites its scripts when it quits. Nothing was changed.</source>
        <translation>Гру запущено з цієї папки. Спершу закрийте гру: під час виходу вона перезаписує свої скрипти. Нічого не змінено.</translation>
    </message>
</context>
<context>
    <name>wizard::RestoreWindow</name>
    <message>
        <source>Restore points of the game&apos;s scripts, newest first</source>
        <translation>Точки відновлення скриптів гри, від найновішої</translation>
    </message>
    <message>
        <source>What restoring it would change:</source>
        <translation>Що змінить відновлення:</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Відновити</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрити</translation>
    </message>
    <message>
        <source>There are no restore points yet: Zentrimo keeps one before every change it makes to the game&apos;s scripts.</source>
        <translation>Точок відновлення ще немає: Zentrimo створює одну перед кожною зміною скриптів гри.</translation>
    </message>
    <message>
        <source>This restore point is damaged: its files are not as they were written, so it cannot be restored.</source>
        <translation>Ця точка відновлення пошкоджена: її файли не такі, якими їх записано, тож її неможливо відновити.</translation>
    </message>
    <message>
        <source>Zentrimo will put the game&apos;s scripts back as they were at this restore point, as shown under &quot;Show Details...&quot;, after keeping what they hold now as a new restore point. Do you want to restore it?</source>
        <translation>Zentrimo поверне скрипти гри до стану цієї точки відновлення, як показано під кнопкою &quot;Показати подробиці...&quot;, спершу зберігши їхній поточний вміст як нову точку відновлення. Бажаєте її відновити?</translation>
    </message>
</context>
<context>
    <name>wizard::SectionStartPage</name>
    <message>
        <source>You have to install the tweak before you try to uninstall it --&gt; No tweak installed</source>
        <translation>Треба встановити твік, перш ніж пробувати його видалити --&gt; Твік не встановлено</translation>
    </message>
    <message>
        <source>Tweak have been succesfully uninstalled</source>
        <extracomment>&quot;Tweak have been succesfully&quot; is the original&apos;s grammar and typo; write it correctly.</extracomment>
        <translation>Твік успішно видалено</translation>
    </message>
    <message>
        <source>Do you want to apply settings before quit?</source>
        <translation>Бажаєте застосувати налаштування перед виходом?</translation>
    </message>
</context>
<context>
    <name>workspace</name>
    <message>
        <source>The game folder %1 has no restore points yet.</source>
        <translation>Папка гри %1 ще не має точок відновлення.</translation>
    </message>
    <message>
        <source>Restore points of %1, newest first:</source>
        <translation>Точки відновлення папки %1, від найновішої:</translation>
    </message>
    <message>
        <source>%1  %2  made before %3</source>
        <extracomment>A restore point: its id, its time, and what made it (apply, uninstall, restore, fix).</extracomment>
        <translation>%1  %2  створена перед операцією %3</translation>
    </message>
    <message>
        <source>%1  %2  made before %3  damaged: it cannot be restored</source>
        <translation>%1  %2  створена перед операцією %3  пошкоджена: її неможливо відновити</translation>
    </message>
    <message>
        <source>%1  damaged: it cannot be restored</source>
        <translation>%1  пошкоджена: її неможливо відновити</translation>
    </message>
    <message>
        <source>The game&apos;s scripts are back as they were at restore point %1. What they held before is kept as a new restore point.</source>
        <translation>Скрипти гри повернуто до стану точки відновлення %1. Їхній попередній вміст збережено як нову точку відновлення.</translation>
    </message>
    <message>
        <source>This game folder has no restore point %1. Nothing was changed. `zentrimo --restore-points` lists them.</source>
        <translation>Ця папка гри не має точки відновлення %1. Нічого не змінено. Список точок виводить `zentrimo --restore-points`.</translation>
    </message>
    <message>
        <source>Restore point %1 is damaged: its files are not as they were written, so it cannot be restored. Nothing was changed.</source>
        <translation>Точка відновлення %1 пошкоджена: її файли не такі, якими їх записано, тож її неможливо відновити. Нічого не змінено.</translation>
    </message>
    <message>
        <source>Counter-Strike is running. Close it first: it saves its settings when it quits, and would undo the uninstall.</source>
        <translation>Counter-Strike запущено. Спершу закрийте його: під час виходу він зберігає свої налаштування і скасував би видалення.</translation>
    </message>
    <message>
        <source>Counter-Strike is running. Close it first: it saves its settings when it quits, and would undo the uninstall. Nothing was changed.</source>
        <translation>Counter-Strike запущено. Спершу закрийте його: під час виходу він зберігає свої налаштування і скасував би видалення. Нічого не змінено.</translation>
    </message>
    <message>
        <source>Restoring this point changes nothing: every file is as it holds it.</source>
        <translation>Відновлення цієї точки нічого не змінить: кожен файл такий самий, як у ній.</translation>
    </message>
    <message>
        <source>The lines of this run could not be read: %1</source>
        <translation>Не вдалося прочитати рядки цього сеансу: %1</translation>
    </message>
    <message>
        <source>Counter-Strike is running: the settings take effect at its next start.</source>
        <translation>Counter-Strike запущено: налаштування подіють під час його наступного запуску.</translation>
    </message>
    <message>
        <source>@@ line %1 @@</source>
        <extracomment>The head of a change in a diff: &quot;@@ line 12 @@&quot;.</extracomment>
        <translation>@@ рядок %1 @@</translation>
    </message>
</context>
</TS>
