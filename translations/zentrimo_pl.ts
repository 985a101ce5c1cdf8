<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>ConsoleOptions</name>
    <message>
        <source>Displays help on the command line options.</source>
        <translation>Wyświetla pomoc dotyczącą opcji wiersza poleceń.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Wyświetla informacje o wersji.</translation>
    </message>
    <message>
        <source>Prints what the game will use when it starts, and which file sets each setting.</source>
        <translation>Wypisuje, czego gra użyje przy starcie i który plik ustawia każdą wartość.</translation>
    </message>
    <message>
        <source>Applies the report&apos;s fix ID (again for more, or all), and prints the lines it changes. The JSON report lists the ids.</source>
        <translation>Stosuje poprawkę ID z raportu (powtórz opcję dla kolejnych albo podaj all) i wypisuje zmieniane linie. Identyfikatory podaje raport JSON.</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>With --fix: prints the lines it would change, and changes nothing.</source>
        <translation>Z --fix: wypisuje linie, które zostałyby zmienione, i niczego nie zmienia.</translation>
    </message>
    <message>
        <source>Lists the restore points of the game folder, newest first: one is kept before every change.</source>
        <translation>Wyświetla punkty przywracania folderu gry, od najnowszego: jeden powstaje przed każdą zmianą.</translation>
    </message>
    <message>
        <source>Puts the game&apos;s scripts back as restore point ID holds them.</source>
        <translation>Przywraca skrypty gry do stanu zapisanego w punkcie przywracania ID.</translation>
    </message>
    <message>
        <source>With --report or --restore-points: as one JSON object.</source>
        <translation>Z --report lub --restore-points: jako jeden obiekt JSON.</translation>
    </message>
    <message>
        <source>Shows the program in language CODE: %1.</source>
        <translation>Wyświetla program w języku KOD: %1.</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>KOD</translation>
    </message>
    <message>
        <source>Tunes Counter-Strike through its start-up script.</source>
        <translation>Dostraja grę Counter-Strike przez jej skrypt startowy.</translation>
    </message>
    <message>
        <source>With --report, --fix, --restore-points or --restore: the game folder; else the one the start window would find.</source>
        <translation>Z --report, --fix, --restore-points lub --restore: folder gry; w przeciwnym razie ten, który znalazłoby okno startowe.</translation>
    </message>
    <message>
        <source>[GAMEROOT]</source>
        <translation>[FOLDER_GRY]</translation>
    </message>
    <message>
        <source>There is no language %1; give one of %2.</source>
        <translation>Nie ma języka %1; podaj jeden z: %2.</translation>
    </message>
    <message>
        <source>Give only one of --report, --fix, --restore-points and --restore.</source>
        <translation>Podaj tylko jedną z opcji --report, --fix, --restore-points i --restore.</translation>
    </message>
    <message>
        <source>--json goes only with --report or --restore-points.</source>
        <translation>--json działa tylko z --report lub --restore-points.</translation>
    </message>
    <message>
        <source>--dry-run goes only with --fix.</source>
        <translation>--dry-run działa tylko z --fix.</translation>
    </message>
    <message>
        <source>A game folder goes only with --report, --fix, --restore-points or --restore: %1</source>
        <translation>Folder gry można podać tylko z --report, --fix, --restore-points lub --restore: %1</translation>
    </message>
    <message numerus="yes">
        <source>Give one game folder, not %n.</source>
        <translation>
            <numerusform>Podaj jeden folder gry, a nie %n.</numerusform>
            <numerusform>Podaj jeden folder gry, a nie %n.</numerusform>
            <numerusform>Podaj jeden folder gry, a nie %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DirectoryList</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Nie można odczytać %1: %2</translation>
    </message>
</context>
<context>
    <name>DirectoryPage</name>
    <message>
        <source>Your current half-life directory:</source>
        <translation>Twój obecny folder Half-Life:</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Wstecz</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Dalej</translation>
    </message>
    <message>
        <source>Half-life root not found, try specify another dir. Or choose another cstrike version</source>
        <extracomment>Deliberately as the old tool words it, its faults included.</extracomment>
        <translation>Nie znaleziono głównego folderu Half-Life, spróbuj wskazać inny folder. Albo wybierz inną wersję cstrike</translation>
    </message>
    <message>
        <source>Couldn&apos;t find counter-strike config file, try specify another path</source>
        <translation>Nie znaleziono pliku konfiguracyjnego Counter-Strike, spróbuj wskazać inną ścieżkę</translation>
    </message>
</context>
<context>
    <name>DriveList</name>
    <message>
        <source>Volume (%1)</source>
        <translation>Wolumin (%1)</translation>
    </message>
    <message>
        <source>Home (%1)</source>
        <translation>Folder domowy (%1)</translation>
    </message>
</context>
<context>
    <name>ErrorBoundary</name>
    <message>
        <source>Error %1: %2
%3</source>
        <translation>Błąd %1: %2
%3</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Choose your half-life root directory:</source>
        <translation>Wybierz główny folder Half-Life:</translation>
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
        <translation>Biblioteka Steam (%1)</translation>
    </message>
    <message>
        <source>Wine %1 (%2)</source>
        <translation>Wine %1 (%2)</translation>
    </message>
    <message>
        <source>Error %1: the registry could not be read.</source>
        <translation>Błąd %1: nie udało się odczytać rejestru.</translation>
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
        <translation>Pomiń linie, które nic nie robią</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>Pokaż &amp;szczegóły...</translation>
    </message>
    <message>
        <source>Hide &amp;Details...</source>
        <translation>Ukryj &amp;szczegóły...</translation>
    </message>
</context>
<context>
    <name>MusicLoop</name>
    <message>
        <source>%1 is missing!</source>
        <translation>Brak pliku %1!</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Zentrimo finds nothing to fix in the game&apos;s scripts.</source>
        <translation>Zentrimo nie znajduje w skryptach gry niczego do naprawienia.</translation>
    </message>
    <message>
        <source>the game</source>
        <translation>gra</translation>
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
        <translation>linia exec we wcześniejszym skrypcie</translation>
    </message>
    <message>
        <source>valve.rc&apos;s stuffcmds</source>
        <translation>stuffcmds z valve.rc</translation>
    </message>
    <message>
        <source>%1. %2, run by %3</source>
        <translation>%1. %2, uruchamiany przez: %3</translation>
    </message>
    <message>
        <source>Restore point %1 is damaged: it cannot be restored.</source>
        <translation>Punkt przywracania %1 jest uszkodzony: nie można go przywrócić.</translation>
    </message>
    <message>
        <source>%1, made before %2, is damaged: it cannot be restored.</source>
        <translation>%1, utworzony przed operacją %2, jest uszkodzony: nie można go przywrócić.</translation>
    </message>
    <message>
        <source>%1, made before %2: every file is as it is today.</source>
        <translation>%1, utworzony przed operacją %2: każdy plik jest taki jak dziś.</translation>
    </message>
    <message>
        <source>%1, made before %2: differs from today in %3.</source>
        <translation>%1, utworzony przed operacją %2: różni się od obecnego stanu w: %3.</translation>
    </message>
</context>
<context>
    <name>StartWindow</name>
    <message>
        <source>Retail Cstrike</source>
        <translation>Pudełkowy Cstrike</translation>
    </message>
    <message>
        <source>Normal Cstrike</source>
        <translation>Zwykły Cstrike</translation>
    </message>
    <message>
        <source>Specify yourself</source>
        <translation>Wskaż samodzielnie</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Dalej</translation>
    </message>
    <message>
        <source>Cstrike Versions:</source>
        <translation>Wersje Cstrike:</translation>
    </message>
</context>
<context>
    <name>console</name>
    <message>
        <source>The report proposes no fix %1; zentrimo --report --json lists them.</source>
        <translation>Raport nie proponuje poprawki %1; listę poprawek podaje zentrimo --report --json.</translation>
    </message>
    <message>
        <source>Nothing was changed (--dry-run).</source>
        <translation>Niczego nie zmieniono (--dry-run).</translation>
    </message>
    <message>
        <source>The game is running from %1: quit it first, since it rewrites its scripts when it quits. Nothing was changed.</source>
        <translation>Gra jest uruchomiona z folderu %1: najpierw ją zamknij, bo przy wyjściu zapisuje swoje skrypty na nowo. Niczego nie zmieniono.</translation>
    </message>
    <message numerus="yes">
        <source>Applied %n fixes.</source>
        <translation>
            <numerusform>Zastosowano %n poprawkę.</numerusform>
            <numerusform>Zastosowano %n poprawki.</numerusform>
            <numerusform>Zastosowano %n poprawek.</numerusform>
        </translation>
    </message>
    <message>
        <source>The report now proposes no fix.</source>
        <translation>Raport nie proponuje już żadnej poprawki.</translation>
    </message>
    <message numerus="yes">
        <source>The report now proposes %n fixes.</source>
        <translation>
            <numerusform>Raport proponuje teraz %n poprawkę.</numerusform>
            <numerusform>Raport proponuje teraz %n poprawki.</numerusform>
            <numerusform>Raport proponuje teraz %n poprawek.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences, the fixes applied and those the report still proposes.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The changes could not be written to the console.</source>
        <translation>Nie udało się wypisać zmian na konsolę.</translation>
    </message>
    <message>
        <source>%1 holds no cstrike/config.cfg: it is not the game&apos;s folder. Give the Half-Life folder that holds cstrike.</source>
        <translation>%1 nie zawiera cstrike/config.cfg: to nie jest folder gry. Podaj folder Half-Life, w którym jest cstrike.</translation>
    </message>
    <message>
        <source>The report could not be written.</source>
        <translation>Nie udało się wypisać raportu.</translation>
    </message>
    <message>
        <source>The restore points could not be written.</source>
        <translation>Nie udało się wypisać punktów przywracania.</translation>
    </message>
</context>
<context>
    <name>game</name>
    <message>
        <source>%1 (%2) takes effect.</source>
        <translation>Ustawienie %1 (%2) działa.</translation>
    </message>
    <message>
        <source>Today&apos;s game has no %1 (%2) and ignores the line without a word: press &quot;Skip setting&quot;, or delete the line from your script. %3</source>
        <translation>Obecna wersja gry nie ma ustawienia %1 (%2) i bez słowa ignoruje tę linię: naciśnij &quot;Pomiń ustawienie&quot; albo usuń linię ze swojego skryptu. %3</translation>
    </message>
    <message>
        <source>Today&apos;s game may have no %1 (%2) and then ignores the line without a word: press &quot;Skip setting&quot;, or delete the line from your script. %3</source>
        <translation>Obecna wersja gry może nie mieć ustawienia %1 (%2) i wtedy bez słowa ignoruje tę linię: naciśnij &quot;Pomiń ustawienie&quot; albo usuń linię ze swojego skryptu. %3</translation>
    </message>
    <message>
        <source>Today&apos;s game always uses %3 for %1 (%2), whatever a script sets: press &quot;Skip setting&quot;, or delete the line from your script.</source>
        <translation>Obecna wersja gry zawsze używa wartości %3 dla ustawienia %1 (%2), bez względu na to, co ustawia skrypt: naciśnij &quot;Pomiń ustawienie&quot; albo usuń linię ze swojego skryptu.</translation>
    </message>
    <message>
        <source>%1 (%2) has no effect in today&apos;s game: press &quot;Skip setting&quot;, or delete the line from your script. %3</source>
        <translation>Ustawienie %1 (%2) nie działa w obecnej wersji gry: naciśnij &quot;Pomiń ustawienie&quot; albo usuń linię ze swojego skryptu. %3</translation>
    </message>
    <message>
        <source>At every map, today&apos;s game replaces %1 (%2) with your own saved setting %3 (%4 in a game with one slot): press &quot;Skip setting&quot; and set %3 in the game&apos;s console instead.</source>
        <translation>Na każdej mapie obecna wersja gry zastępuje ustawienie %1 (%2) Twoim zapisanym ustawieniem %3 (%4 w grze z jednym slotem): naciśnij &quot;Pomiń ustawienie&quot; i zamiast tego ustaw %3 w konsoli gry.</translation>
    </message>
    <message>
        <source>Today&apos;s game uses %3 for %1 (%2), not %4.</source>
        <translation>Obecna wersja gry używa wartości %3 dla ustawienia %1 (%2), a nie %4.</translation>
    </message>
    <message>
        <source>On a server with more than one slot, bots included, today&apos;s game uses %3 for %1 (%2), not %4.</source>
        <translation>Na serwerze z więcej niż jednym slotem, wliczając boty, obecna wersja gry używa wartości %3 dla ustawienia %1 (%2), a nie %4.</translation>
    </message>
    <message>
        <source>Today&apos;s game refuses %1 (%2) on any server with more than one slot, even an empty one or a bot game: it works only in a game with one slot.</source>
        <translation>Obecna wersja gry odrzuca ustawienie %1 (%2) na każdym serwerze z więcej niż jednym slotem, nawet pustym lub z botami: działa ono tylko w grze z jednym slotem.</translation>
    </message>
    <message>
        <source>Right after the scripts, today&apos;s game puts back the %1 (%2) it kept at its last quit: set it in the game&apos;s console while you play, and the game keeps that one.</source>
        <translation>Zaraz po skryptach obecna wersja gry przywraca ustawienie %1 (%2) zapisane przy ostatnim wyjściu: ustaw je w konsoli podczas gry, a gra zachowa tę wartość.</translation>
    </message>
    <message>
        <source>Right after the scripts, today&apos;s game may put back the %1 (%2) it kept at its last quit: set it in the game&apos;s console while you play, and the game keeps that one.</source>
        <translation>Zaraz po skryptach obecna wersja gry może przywrócić ustawienie %1 (%2) zapisane przy ostatnim wyjściu: ustaw je w konsoli podczas gry, a gra zachowa tę wartość.</translation>
    </message>
    <message>
        <source>With %1 (%2) at %3, expect %4.</source>
        <translation>Przy ustawieniu %1 (%2) na %3 spodziewaj się: %4.</translation>
    </message>
    <message>
        <source>With %1 (%2) at %3, you may get %4.</source>
        <translation>Przy ustawieniu %1 (%2) na %3 możliwe skutki: %4.</translation>
    </message>
    <message>
        <source>The game&apos;s own default is the first option.</source>
        <translation>Domyślnie gra używa pierwszej opcji.</translation>
    </message>
    <message>
        <source>The game&apos;s own default is the second option.</source>
        <translation>Domyślnie gra używa drugiej opcji.</translation>
    </message>
    <message>
        <source>The game&apos;s own default is the third option.</source>
        <translation>Domyślnie gra używa trzeciej opcji.</translation>
    </message>
    <message>
        <source>The game&apos;s own default is the last option.</source>
        <translation>Domyślnie gra używa ostatniej opcji.</translation>
    </message>
    <message>
        <source>Zentrimo does not know what today&apos;s game does with this line.</source>
        <translation>Zentrimo nie wie, co obecna wersja gry robi z tą linią.</translation>
    </message>
    <message>
        <source>This run wrote no lines.</source>
        <translation>W tym przebiegu nie zapisano żadnych linii.</translation>
    </message>
    <message>
        <source>Lines: %1. They take effect: %2. Changed by the game: %3. Without effect: %4. Not in today&apos;s game: %5.</source>
        <translation>Linie: %1. Działają: %2. Zmienione przez grę: %3. Bez efektu: %4. Brak w obecnej wersji gry: %5.</translation>
    </message>
    <message>
        <source>Lines: %1. They take effect: %2. Changed by the game: %3. Without effect: %4. Not in today&apos;s game: %5. Unknown to Zentrimo: %6.</source>
        <translation>Linie: %1. Działają: %2. Zmienione przez grę: %3. Bez efektu: %4. Brak w obecnej wersji gry: %5. Nieznane programowi Zentrimo: %6.</translation>
    </message>
    <message>
        <source>The key %1 joins a server (%3), and a server may have bound it so: bind it back to the game&apos;s own %2.</source>
        <translation>Klawisz %1 łączy z serwerem (%3), a taki bind mógł ustawić serwer: przypisz mu z powrotem domyślną komendę gry: %2.</translation>
    </message>
    <message>
        <source>The key %1 joins a server (%2), and a server may have bound it so: take the line out; the game names no default for the key, so it is left unbound.</source>
        <translation>Klawisz %1 łączy z serwerem (%2), a taki bind mógł ustawić serwer: usuń tę linię; gra nie określa domyślnego bindu dla tego klawisza, więc zostanie on niezbindowany.</translation>
    </message>
    <message>
        <source>The alias %1 joins a server (%2), and a server may have put it there: take the line out.</source>
        <translation>Alias %1 łączy z serwerem (%2), a mógł go tam wstawić serwer: usuń tę linię.</translation>
    </message>
    <message>
        <source>%1 joins a server whenever the game starts (%2), and a server may have put it there: take the line out.</source>
        <translation>%1 łączy z serwerem przy każdym starcie gry (%2), a mógł to tam wstawić serwer: usuń tę linię.</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n lines after exec userconfig.cfg, where the game writes none, and a server may have added them: take them out.</source>
        <translation>
            <numerusform>%1 zawiera po exec userconfig.cfg linii: %n. Gra niczego tam nie zapisuje, więc mógł je dodać serwer: usuń je.</numerusform>
            <numerusform>%1 zawiera po exec userconfig.cfg linii: %n. Gra niczego tam nie zapisuje, więc mógł je dodać serwer: usuń je.</numerusform>
            <numerusform>%1 zawiera po exec userconfig.cfg linii: %n. Gra niczego tam nie zapisuje, więc mógł je dodać serwer: usuń je.</numerusform>
        </translation>
    </message>
    <message>
        <source>Servers may run commands in your game that the filter (cl_filterstuffcmd) would stop (%1): set it to 1.</source>
        <translation>Serwery mogą uruchamiać w Twojej grze komendy, które zatrzymałby filtr cl_filterstuffcmd (%1): ustaw go na 1.</translation>
    </message>
    <message>
        <source>Your %1 (%2) at %3 never takes effect, because %5 sets it again: move the line to %4, which runs after it.</source>
        <translation>Twoje ustawienie %1 (%2) w miejscu %3 nigdy nie działa, bo później zostaje ustawione ponownie (%5): przenieś tę linię do %4, który jest wykonywany po nim.</translation>
    </message>
    <message>
        <source>Today&apos;s game has no %1 (%2) and ignores the lines that set it (%3): take them out.</source>
        <translation>Obecna wersja gry nie ma ustawienia %1 (%2) i ignoruje linie, które je ustawiają (%3): usuń je.</translation>
    </message>
    <message numerus="yes">
        <source>%n commands after exec userconfig.cfg, where the game writes none: a server may have added them</source>
        <translation>
            <numerusform>komend po exec userconfig.cfg, gdzie gra niczego nie zapisuje: %n; mógł je dodać serwer</numerusform>
            <numerusform>komend po exec userconfig.cfg, gdzie gra niczego nie zapisuje: %n; mógł je dodać serwer</numerusform>
            <numerusform>komend po exec userconfig.cfg, gdzie gra niczego nie zapisuje: %n; mógł je dodać serwer</numerusform>
        </translation>
    </message>
    <message>
        <source>exec takes one file name: %1</source>
        <translation>exec przyjmuje jedną nazwę pliku: %1</translation>
    </message>
    <message>
        <source>%1: joins a server whenever the game starts; a server may have put it here</source>
        <translation>%1: łączy z serwerem przy każdym starcie gry; mógł to tu wstawić serwer</translation>
    </message>
    <message>
        <source>%1 is in a folder that may not be opened: the game cannot read it</source>
        <translation>%1 jest w folderze, do którego nie ma dostępu: gra nie może go odczytać</translation>
    </message>
    <message>
        <source>couldn&apos;t exec %1</source>
        <extracomment>The game&apos;s own console words, as it prints them.</extracomment>
        <translation>couldn&apos;t exec %1</translation>
    </message>
    <message>
        <source>exec %1 runs %2 again while it is still running: the game repeats it until its command buffer (16 KiB) overflows; its lines are read once here</source>
        <translation>exec %1 uruchamia %2 ponownie, zanim ten się skończył: gra powtarza to, aż przepełni się bufor komend (16 KiB); tutaj jego linie są czytane raz</translation>
    </message>
    <message>
        <source>%1 is not a regular file: skipped</source>
        <translation>%1 nie jest zwykłym plikiem: pominięto</translation>
    </message>
    <message>
        <source>%1 is larger than 64 MiB: skipped</source>
        <translation>%1 jest większy niż 64 MiB: pominięto</translation>
    </message>
    <message>
        <source>%1 may not be read: skipped</source>
        <translation>%1 nie może być odczytany (brak uprawnień): pominięto</translation>
    </message>
    <message>
        <source>%1 could not be read: skipped</source>
        <translation>nie udało się odczytać %1: pominięto</translation>
    </message>
    <message>
        <source>start-up runs more than 64 MiB of scripts: not read further</source>
        <translation>start gry wykonuje ponad 64 MiB skryptów: dalsza część nie jest czytana</translation>
    </message>
    <message>
        <source>%1 is saved as UTF-16: the game reads nothing in it</source>
        <translation>%1 jest zapisany w UTF-16: gra nic z niego nie odczyta</translation>
    </message>
    <message>
        <source>stuffcmds: the command buffer overflows; the launch options are lost</source>
        <translation>stuffcmds: bufor komend się przepełnia; opcje uruchamiania przepadają</translation>
    </message>
    <message>
        <source>bind %1 runs %2: it joins a server; a server may have put it here</source>
        <translation>bind %1 uruchamia %2: łączy z serwerem; mógł go tu wstawić serwer</translation>
    </message>
    <message>
        <source>alias %1 runs %2: it joins a server; a server may have put it here</source>
        <translation>alias %1 uruchamia %2: łączy z serwerem; mógł go tu wstawić serwer</translation>
    </message>
    <message>
        <source>%1 runs itself again while it is still running: the game repeats it without end; its commands are read once here</source>
        <translation>%1 uruchamia sam siebie, zanim się skończy: gra powtarza go bez końca; tutaj jego komendy są czytane raz</translation>
    </message>
    <message>
        <source>%1: the command buffer overflows; the alias is lost</source>
        <translation>%1: bufor komend się przepełnia; alias przepada</translation>
    </message>
    <message>
        <source>%1: lets servers run commands in your game that 1 would filter out; a server may have set it</source>
        <translation>%1: pozwala serwerom uruchamiać w Twojej grze komendy, które wartość 1 by odfiltrowała; mógł to ustawić serwer</translation>
    </message>
    <message>
        <source>exec %1: invalid path</source>
        <extracomment>The game&apos;s own console words, as it prints them.</extracomment>
        <translation>exec %1: invalid path</translation>
    </message>
    <message>
        <source>exec %1: not a .cfg or .rc file</source>
        <translation>exec %1: to nie jest plik .cfg ani .rc</translation>
    </message>
    <message>
        <source>the game refuses %1 as an alias name</source>
        <translation>gra nie przyjmuje %1 jako nazwy aliasu</translation>
    </message>
    <message>
        <source>set again by %1</source>
        <translation>nadpisane później: %1</translation>
    </message>
    <message>
        <source>the game</source>
        <translation>gra</translation>
    </message>
    <message>
        <source>launch options</source>
        <translation>opcje uruchamiania</translation>
    </message>
    <message>
        <source>%1 line %2</source>
        <extracomment>A script and a line of it: &quot;cstrike/config.cfg line 12&quot;.</extracomment>
        <translation>%1, linia %2</translation>
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
        <translation>własny magazyn ustawień gry</translation>
    </message>
    <message>
        <source>the Windows registry (HKEY_CURRENT_USER\Software\Valve\Steam, Rate)</source>
        <translation>rejestr Windows (HKEY_CURRENT_USER\Software\Valve\Steam, Rate)</translation>
    </message>
    <message>
        <source>the Wine prefix&apos;s registry (%1)</source>
        <translation>rejestr prefiksu Wine (%1)</translation>
    </message>
    <message>
        <source>Start-up of the game in %1</source>
        <translation>Start gry w folderze %1</translation>
    </message>
    <message>
        <source>Signs of tampering:</source>
        <translation>Oznaki manipulacji:</translation>
    </message>
    <message>
        <source>What some settings cost you:</source>
        <translation>Co kosztują Cię niektóre ustawienia:</translation>
    </message>
    <message>
        <source>Scripts the program cannot read:</source>
        <translation>Skrypty, których program nie może odczytać:</translation>
    </message>
    <message>
        <source>Scripts that are missing:</source>
        <translation>Brakujące skrypty:</translation>
    </message>
    <message>
        <source>Lines the game refuses:</source>
        <translation>Linie odrzucane przez grę:</translation>
    </message>
    <message>
        <source>Scripts that run themselves:</source>
        <translation>Skrypty uruchamiające same siebie:</translation>
    </message>
    <message>
        <source>Limits reached:</source>
        <translation>Osiągnięte limity:</translation>
    </message>
    <message>
        <source>Lines that never take effect:</source>
        <translation>Linie, które nigdy nie działają:</translation>
    </message>
    <message>
        <source>Scripts, in the order the game runs them:</source>
        <translation>Skrypty w kolejności, w jakiej uruchamia je gra:</translation>
    </message>
    <message>
        <source>valve.rc is in neither cstrike nor valve: read as the standard one, exec autoexec.cfg then the launch options</source>
        <translation>valve.rc nie ma ani w cstrike, ani w valve: przyjęto standardowy, czyli exec autoexec.cfg, a potem opcje uruchamiania</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>A script in the order the game runs them: &quot;1. cstrike/config.cfg&quot;.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1. %2 (run %3 of this file)</source>
        <translation>%1. %2 (uruchomienie nr %3 tego pliku)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>Launch options: none given</source>
        <translation>Opcje uruchamiania: nie podano</translation>
    </message>
    <message>
        <source>Launch options: %1</source>
        <translation>Opcje uruchamiania: %1</translation>
    </message>
    <message>
        <source>Launch options: none</source>
        <translation>Opcje uruchamiania: brak</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>źródło: %1</translation>
    </message>
    <message>
        <source>from %1 (Steam user %2, whose file changed last of %3)</source>
        <translation>źródło: %1 (użytkownik Steam %2, którego plik zmienił się najpóźniej spośród %3)</translation>
    </message>
    <message>
        <source>Settings as the game will have them:</source>
        <translation>Ustawienia, jakie będzie miała gra:</translation>
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
            <numerusform>pominięte linie, ustawienia lub ostrzeżenia: jeszcze %n</numerusform>
            <numerusform>pominięte linie, ustawienia lub ostrzeżenia: jeszcze %n</numerusform>
            <numerusform>pominięte linie, ustawienia lub ostrzeżenia: jeszcze %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Rate kept by the game:</source>
        <translation>Wartość rate zapisana przez grę:</translation>
    </message>
    <message>
        <source>after the scripts the game sets rate to &quot;%1&quot;, the rate it kept in %2 when it last quit</source>
        <translation>po skryptach gra ustawia rate na &quot;%1&quot;, czyli wartość zapisaną przy ostatnim wyjściu (miejsce: %2)</translation>
    </message>
    <message>
        <source>%1 holds no rate: the scripts&apos; rate holds, and the game keeps it there when it quits</source>
        <translation>%1: brak zapisanej wartości rate — obowiązuje wartość ze skryptów, a gra zapisze ją tam przy wyjściu</translation>
    </message>
    <message>
        <source>the game may put back the rate it kept in %1 at its last quit, which this program cannot read: a rate set in a script may not take effect</source>
        <translation>gra może przywrócić wartość rate zapisaną przy ostatnim wyjściu w miejscu, którego ten program nie może odczytać (%1): wartość rate ze skryptu może nie zadziałać</translation>
    </message>
    <message>
        <source>Decals</source>
        <translation>Decale</translation>
    </message>
    <message>
        <source>Dynamic lights</source>
        <translation>Dynamiczne oświetlenie</translation>
    </message>
    <message>
        <source>Weapon model</source>
        <translation>Model broni</translation>
    </message>
    <message>
        <source>no weapon and no reload cues</source>
        <translation>niewidoczna broń i niewidoczne przeładowanie</translation>
    </message>
    <message>
        <source>Collinear vertexes</source>
        <translation>Współliniowe wierzchołki</translation>
    </message>
    <message>
        <source>cracks between polygons when a map loads</source>
        <translation>szczeliny między wielokątami po wczytaniu mapy</translation>
    </message>
    <message>
        <source>Shadows</source>
        <translation>Cienie</translation>
    </message>
    <message>
        <source>Texture sorting</source>
        <translation>Sortowanie tekstur</translation>
    </message>
    <message>
        <source>It has been gone since 2013.</source>
        <translation>Nie ma go od 2013 roku.</translation>
    </message>
    <message>
        <source>Decal offset</source>
        <translation>Przesunięcie decali</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Jasność</translation>
    </message>
    <message>
        <source>a washed-out picture</source>
        <translation>wyblakły obraz</translation>
    </message>
    <message>
        <source>Gamma</source>
        <translation>Gamma</translation>
    </message>
    <message>
        <source>Texture gamma</source>
        <translation>Gamma tekstur</translation>
    </message>
    <message>
        <source>Light gamma</source>
        <translation>Gamma oświetlenia</translation>
    </message>
    <message>
        <source>High-quality player models</source>
        <translation>Modele graczy w wysokiej jakości</translation>
    </message>
    <message>
        <source>Pic mip</source>
        <translation>Pic mip</translation>
    </message>
    <message>
        <source>It changes nothing on graphics cards with non-power-of-two textures, which every current card has.</source>
        <translation>Nic nie zmienia na kartach graficznych obsługujących tekstury o wymiarach niebędących potęgą dwójki, a obsługuje je każda współczesna karta.</translation>
    </message>
    <message>
        <source>ZTrick</source>
        <translation>ZTrick</translation>
    </message>
    <message>
        <source>It was renamed gl_ztrick_old in 2013, &quot;usage deprecated&quot;.</source>
        <translation>W 2013 roku zmieniono jego nazwę na gl_ztrick_old z dopiskiem &quot;usage deprecated&quot;.</translation>
    </message>
    <message>
        <source>Direct3D flip</source>
        <translation>Direct3D flip</translation>
    </message>
    <message>
        <source>The Direct3D renderer was removed in 2013.</source>
        <translation>Renderer Direct3D usunięto w 2013 roku.</translation>
    </message>
    <message>
        <source>Texture mode</source>
        <translation>Tryb tekstur</translation>
    </message>
    <message>
        <source>blocky textures</source>
        <translation>kanciaste, rozpikselowane tekstury</translation>
    </message>
    <message>
        <source>Sound mix-ahead</source>
        <translation>Wyprzedzenie miksowania dźwięku</translation>
    </message>
    <message>
        <source>A3D</source>
        <translation>A3D</translation>
    </message>
    <message>
        <source>A3D was removed in 2013.</source>
        <translation>A3D usunięto w 2013 roku.</translation>
    </message>
    <message>
        <source>EAX</source>
        <translation>EAX</translation>
    </message>
    <message>
        <source>EAX was removed in 2013.</source>
        <translation>EAX usunięto w 2013 roku.</translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation>Pogłos</translation>
    </message>
    <message>
        <source>No Steam build or recent config holds it.</source>
        <translation>Nie ma go w żadnej wersji ze Steam ani w żadnym nowym configu.</translation>
    </message>
    <message>
        <source>8-bit sound</source>
        <translation>Dźwięk 8-bitowy</translation>
    </message>
    <message>
        <source>worse sound</source>
        <translation>gorszy dźwięk</translation>
    </message>
    <message>
        <source>High-quality sound</source>
        <translation>Dźwięk wysokiej jakości</translation>
    </message>
    <message>
        <source>Maximum modem framerate</source>
        <translation>Limit FPS dla modemu</translation>
    </message>
    <message>
        <source>It is in old configs only; fps_max limits the frame rate now.</source>
        <translation>Występuje tylko w starych configach; teraz FPS ogranicza fps_max.</translation>
    </message>
    <message>
        <source>Maximum LAN framerate</source>
        <translation>Limit FPS w sieci LAN</translation>
    </message>
    <message>
        <source>No Steam build holds it; fps_max limits the frame rate now.</source>
        <translation>Nie ma go w żadnej wersji ze Steam; teraz FPS ogranicza fps_max.</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>choke and lag</source>
        <translation>choke i lagi</translation>
    </message>
    <message>
        <source>Push latency</source>
        <translation>Opóźnienie push</translation>
    </message>
    <message>
        <source>No Steam build holds it.</source>
        <translation>Nie ma go w żadnej wersji ze Steam.</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Pobieranie</translation>
    </message>
    <message>
        <source>to be disconnected by every server running a map or model you lack</source>
        <translation>rozłączenie przez każdy serwer z mapą lub modelem, których nie masz</translation>
    </message>
    <message>
        <source>Uploads</source>
        <translation>Wysyłanie</translation>
    </message>
    <message>
        <source>MMX</source>
        <translation>MMX</translation>
    </message>
    <message>
        <source>The game registers it but nothing reads it.</source>
        <translation>Gra je rejestruje, ale nic go nie odczytuje.</translation>
    </message>
    <message>
        <source>Mouse filter</source>
        <translation>Filtr myszy</translation>
    </message>
    <message>
        <source>mouse smoothing and delay</source>
        <translation>wygładzanie i opóźnienie ruchów myszy</translation>
    </message>
    <message>
        <source>Console speed</source>
        <translation>Szybkość konsoli</translation>
    </message>
    <message>
        <source>Neither the engine&apos;s reconstruction nor any recent config holds it.</source>
        <translation>Nie ma go ani w rekonstrukcji silnika, ani w żadnym nowym configu.</translation>
    </message>
    <message>
        <source>Joystick</source>
        <translation>Joystick</translation>
    </message>
    <message>
        <source>a drifting stick moving you</source>
        <translation>dryfująca gałka, która porusza Twoją postacią</translation>
    </message>
    <message>
        <source>Third-person view</source>
        <translation>Widok z trzeciej osoby</translation>
    </message>
    <message>
        <source>First-person view</source>
        <translation>Widok z pierwszej osoby</translation>
    </message>
</context>
<context>
    <name>wizard</name>
    <message>
        <source>Console speed </source>
        <translation>Szybkość konsoli </translation>
    </message>
    <message>
        <source>The console, opened and closed with the &quot;~&quot; key, moves down and up slowly by default and wastes your time.</source>
        <translation>Konsola, otwierana i zamykana klawiszem &quot;~&quot;, domyślnie wysuwa się i chowa powoli, marnując Twój czas.</translation>
    </message>
    <message>
        <source>Console speed:</source>
        <translation>Szybkość konsoli:</translation>
    </message>
    <message>
        <source>A higher value makes the console move faster, a lower value slower.</source>
        <translation>Wyższa wartość przyspiesza konsolę, niższa ją spowalnia.</translation>
    </message>
    <message>
        <source>The default is 600; 3000 or more makes the console appear and disappear almost at once.</source>
        <translation>Domyślnie jest 600; przy 3000 lub więcej konsola pojawia się i znika niemal natychmiast.</translation>
    </message>
    <message>
        <source>Third person view </source>
        <translation>Widok z trzeciej osoby </translation>
    </message>
    <message>
        <source>Third person view has no real purpose but may be fun, and it may be slightly slower. Leave the box cleared to keep the first person view, the game&apos;s default. See the pictures below.</source>
        <translation>Widok z trzeciej osoby nie ma praktycznego zastosowania, ale może być zabawny, choć może też nieco spowolnić grę. Zostaw pole niezaznaczone, by zachować widok z pierwszej osoby, domyślny w grze. Zobacz obrazki poniżej.</translation>
    </message>
    <message>
        <source>Use third person view.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Używać widoku z trzeciej osoby.?</translation>
    </message>
    <message>
        <source>Third person view:</source>
        <translation>Widok z trzeciej osoby:</translation>
    </message>
    <message>
        <source>First person view:</source>
        <translation>Widok z pierwszej osoby:</translation>
    </message>
    <message>
        <source>You have now completed the tweak of Counter-strike. Enjoy the tweak!</source>
        <translation>Tweak Counter-Strike&apos;a został zakończony. Ciesz się tweakiem!</translation>
    </message>
    <message>
        <source>If you want to uninstall the tweak, just start this tweak-program again, and then choose &quot;uninstall&quot; instead of &quot;start tweak&quot;</source>
        <translation>Jeśli zechcesz odinstalować tweak, po prostu uruchom ten program ponownie i wybierz &quot;Odinstaluj&quot; zamiast &quot;Uruchom tweak&quot;</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>You can now choose to move on to misc tweak section, or you can just quit and save settings now.</source>
        <translation>Możesz teraz przejść do sekcji innych tweaków albo po prostu zakończyć i od razu zapisać ustawienia.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Kontynuuj</translation>
    </message>
    <message>
        <source>MMX </source>
        <translation>MMX </translation>
    </message>
    <message>
        <source>Enable MMX if your processor supports it (Pentium MMX, Pentium II, Celeron, K6, K6-2). Otherwise disable it for a possible speed gain.</source>
        <translation>Włącz MMX, jeśli Twój procesor je obsługuje (Pentium MMX, Pentium II, Celeron, K6, K6-2). W przeciwnym razie wyłącz je, by być może zyskać na szybkości.</translation>
    </message>
    <message>
        <source>Enable MMX support?</source>
        <translation>Włączyć obsługę MMX?</translation>
    </message>
    <message>
        <source>Mouse filtering </source>
        <translation>Filtrowanie myszy </translation>
    </message>
    <message>
        <source>Mouse filtering averages the positions before and after each movement, which smooths the mouse.</source>
        <translation>Filtrowanie myszy uśrednia położenie przed każdym ruchem i po nim, co wygładza ruch myszy.</translation>
    </message>
    <message>
        <source>Enable mouse filtering?</source>
        <translation>Włączyć filtrowanie myszy?</translation>
    </message>
    <message>
        <source>Joystick</source>
        <translation>Joystick</translation>
    </message>
    <message>
        <source>Most people play with mouse and keyboard rather than a joystick. Disabling joystick support gains speed.</source>
        <translation>Większość graczy gra myszą i klawiaturą, a nie joystickiem. Wyłączenie obsługi joysticka zwiększa wydajność.</translation>
    </message>
    <message>
        <source>Disable Joystick and gain performance.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Wyłączyć joystick i zyskać na wydajności.?</translation>
    </message>
    <message>
        <source>Maximum modem framerate </source>
        <translation>Limit FPS dla modemu </translation>
    </message>
    <message>
        <source>Over a modem, limiting the frame rate lowers your ping, and your frame rate with it. 33 is recommended for 56k modems, where the ping is usually around 160; use lower values for slower modems.</source>
        <translation>Na modemie ograniczenie liczby klatek obniża ping, a razem z nim FPS. Dla modemów 56k, na których ping wynosi zwykle około 160, zalecane jest 33; dla wolniejszych modemów użyj niższych wartości.</translation>
    </message>
    <message>
        <source>Max modem framerate:</source>
        <translation>Limit FPS (modem):</translation>
    </message>
    <message>
        <source>Non-modem users should not be concerned with this command.</source>
        <translation>Użytkownicy bez modemu nie muszą się przejmować tą komendą.</translation>
    </message>
    <message>
        <source>Push Lantency:</source>
        <extracomment>&quot;Lantency&quot; is the original&apos;s typo for &quot;latency&quot;; translate the meaning.</extracomment>
        <translation>Opóźnienie push:</translation>
    </message>
    <message>
        <source>Prediction</source>
        <translation>Predykcja</translation>
    </message>
    <message>
        <source>This setting controls prediction in internet games. Set it between one half and one times your average ping, negated: for a ping of 300, between -150 and -300.</source>
        <translation>To ustawienie steruje predykcją w grach przez internet. Ustaw je między połową a całością swojego średniego pingu, ze znakiem minus: przy pingu 300 między -150 a -300.</translation>
    </message>
    <message>
        <source>(You can&apos;t type minus, it is typed by default)</source>
        <translation>(Nie możesz wpisać minusa, jest dodawany domyślnie)</translation>
    </message>
    <message>
        <source>Allow download</source>
        <translation>Zezwól na pobieranie</translation>
    </message>
    <message>
        <source>This setting decides whether decals, maps and models are downloaded when you connect to a server.</source>
        <translation>To ustawienie decyduje, czy po połączeniu z serwerem pobierane są decale, mapy i modele.</translation>
    </message>
    <message>
        <source>Allow downloading of decals, maps, and models.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Zezwolić na pobieranie decali, map i modeli.?</translation>
    </message>
    <message>
        <source>You can now choose to move on to internet tweak section, or you can just quit and save settings now.</source>
        <translation>Możesz teraz przejść do sekcji tweaków sieciowych albo po prostu zakończyć i od razu zapisać ustawienia.</translation>
    </message>
    <message>
        <source>Maximum LAN framerate </source>
        <translation>Limit FPS w sieci LAN </translation>
    </message>
    <message>
        <source>The same limit for games on a local network. 45 is recommended; adjust it if the game lags.</source>
        <translation>Ten sam limit dla gier w sieci lokalnej. Zalecane jest 45; zmień tę wartość, jeśli gra laguje.</translation>
    </message>
    <message>
        <source>Max LAN framerate:</source>
        <translation>Limit FPS (LAN):</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>A lower rate usually gives lower pings, because the server sends less data. Recommended are 2500 to 3500 for 28.8 and 33.6 modems, 3000 to 5000 for 56k modems, 5000 and more for faster lines, and about 25,000 for LAN games and ADSL.</source>
        <translation>Niższy rate zwykle daje niższy ping, bo serwer wysyła mniej danych. Zalecane wartości: od 2500 do 3500 dla modemów 28,8 i 33,6, od 3000 do 5000 dla modemów 56k, 5000 i więcej dla szybszych łączy oraz około 25 000 dla gier w sieci LAN i ADSL.</translation>
    </message>
    <message>
        <source>Rate:</source>
        <translation>Rate:</translation>
    </message>
    <message>
        <source>Allow upload </source>
        <translation>Zezwól na wysyłanie </translation>
    </message>
    <message>
        <source>This setting decides whether your own decals, maps and models are uploaded when you connect to a server.</source>
        <translation>To ustawienie decyduje, czy po połączeniu z serwerem wysyłane są Twoje własne decale, mapy i modele.</translation>
    </message>
    <message>
        <source>Allow uploading of decals, maps, and models.</source>
        <translation>Zezwól na wysyłanie decali, map i modeli.</translation>
    </message>
    <message>
        <source>What today&apos;s game does with this setting</source>
        <translation>Co obecna wersja gry robi z tym ustawieniem</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Dalej</translation>
    </message>
    <message>
        <source>&amp;Skip setting</source>
        <translation>&amp;Pomiń ustawienie</translation>
    </message>
    <message>
        <source>8 Bit 11 kHz </source>
        <translation>8 bitów 11 kHz </translation>
    </message>
    <message>
        <source>8 Bit 22 kHz (high quality)</source>
        <translation>8 bitów 22 kHz (wysoka jakość)</translation>
    </message>
    <message>
        <source>16 Bit 11 kHz</source>
        <translation>16 bitów 11 kHz</translation>
    </message>
    <message>
        <source>16 Bit 22 kHz (high quality) </source>
        <translation>16 bitów 22 kHz (wysoka jakość) </translation>
    </message>
    <message>
        <source>Sound quality </source>
        <translation>Jakość dźwięku </translation>
    </message>
    <message>
        <source>Low-quality sound uses less memory and gives a slight speed gain on some systems. With a PCI sound card or a fast processor there is no reason to give up good sound.</source>
        <translation>Dźwięk niskiej jakości zajmuje mniej pamięci i na niektórych systemach daje niewielki wzrost szybkości. Przy karcie dźwiękowej PCI lub szybkim procesorze nie ma powodu rezygnować z dobrego dźwięku.</translation>
    </message>
    <message>
        <source>You can now choose to move on to sound tweak section, or you can just quit and save settings now.</source>
        <translation>Możesz teraz przejść do sekcji tweaków dźwięku albo po prostu zakończyć i od razu zapisać ustawienia.</translation>
    </message>
    <message>
        <source>Sound Compatibility </source>
        <translation>Zgodność dźwięku </translation>
    </message>
    <message>
        <source>Some sound cards, the Ensoniq AudioPCI in particular, stutter in games built on the Quake II engine. If yours does, leave the box cleared for maximum compatibility.</source>
        <translation>Niektóre karty dźwiękowe, zwłaszcza Ensoniq AudioPCI, zacinają się w grach na silniku Quake II. Jeśli Twoja tak robi, zostaw pole niezaznaczone, by uzyskać maksymalną zgodność.</translation>
    </message>
    <message>
        <source>Use maximum performance sound? (unchecked means maximum compatibility)</source>
        <translation>Używać dźwięku o maksymalnej wydajności? (niezaznaczone oznacza maksymalną zgodność)</translation>
    </message>
    <message>
        <source>A3D</source>
        <translation>A3D</translation>
    </message>
    <message>
        <source>The game supports A3D 3D sound, reportedly only on Vortex 2 cards. A3D is buggy, so enable it only to try it out.</source>
        <translation>Gra obsługuje dźwięk przestrzenny A3D, podobno tylko na kartach Vortex 2. A3D ma błędy, więc włączaj je tylko, żeby wypróbować.</translation>
    </message>
    <message>
        <source>Disable A3D?</source>
        <translation>Wyłączyć A3D?</translation>
    </message>
    <message>
        <source>EAX </source>
        <translation>EAX </translation>
    </message>
    <message>
        <source>EAX is another 3D audio interface, supported by the Sound Blaster Live and other cards.</source>
        <translation>EAX to inny interfejs dźwięku przestrzennego, obsługiwany przez Sound Blaster Live i inne karty.</translation>
    </message>
    <message>
        <source>Disable EAX?</source>
        <translation>Wyłączyć EAX?</translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation>Pogłos</translation>
    </message>
    <message>
        <source>Reverb adds echo to the sound. It does little in this game, and turning it off can gain a little speed.</source>
        <translation>Pogłos dodaje do dźwięku echo. W tej grze niewiele daje, a jego wyłączenie może nieco przyspieszyć grę.</translation>
    </message>
    <message>
        <source>Disable reverb?</source>
        <translation>Wyłączyć pogłos?</translation>
    </message>
    <message>
        <source>Brightness must be under 4 and over 0</source>
        <translation>Jasność musi być większa od 0 i mniejsza od 4</translation>
    </message>
    <message>
        <source>Gamma must be under 4 and over 0</source>
        <translation>Gamma musi być większa od 0 i mniejsza od 4</translation>
    </message>
    <message>
        <source>From now on, you have to answer a couple of questions. Plz, do it carefully. This program do not take any responsebillity if your computer migth be damaged.</source>
        <extracomment>The original&apos;s misspellings (&quot;Plz&quot;, &quot;do not&quot;, &quot;responsebillity&quot;, &quot;migth&quot;) are deliberate; write it correctly.</extracomment>
        <translation>Od teraz musisz odpowiedzieć na kilka pytań. Zrób to uważnie. Ten program nie ponosi żadnej odpowiedzialności za ewentualne uszkodzenie Twojego komputera.</translation>
    </message>
    <message>
        <source>Zentrimo was made by Vaskor. Thank you for using it!</source>
        <translation>Zentrimo stworzył Vaskor. Dzięki, że z niego korzystasz!</translation>
    </message>
    <message>
        <source>Found a bug, or have a comment? Please report it to whoever gave you this program, or on the project&apos;s issue tracker.</source>
        <translation>Trafił się błąd albo masz uwagi? Zgłoś to osobie, od której masz ten program, albo w systemie zgłoszeń projektu.</translation>
    </message>
    <message>
        <source>&amp;Start Tweak</source>
        <translation>&amp;Uruchom tweak</translation>
    </message>
    <message>
        <source>&amp;Check game</source>
        <translation>&amp;Sprawdź grę</translation>
    </message>
    <message>
        <source>Restore &amp;points...</source>
        <translation>&amp;Punkty przywracania...</translation>
    </message>
    <message>
        <source>&amp;Uninstall</source>
        <translation>&amp;Odinstaluj</translation>
    </message>
    <message>
        <source>Uninstall Tweak if installed:</source>
        <translation>Odinstaluj tweak, jeśli jest zainstalowany:</translation>
    </message>
    <message>
        <source>Decals, bulletholes, and explosion scars... </source>
        <translation>Decale, dziury po kulach i ślady wybuchów... </translation>
    </message>
    <message>
        <source>Make sure to limit the number of decals, bulletholes, and explosion scars.</source>
        <translation>Koniecznie ogranicz liczbę decali, dziur po kulach i śladów wybuchów.</translation>
    </message>
    <message>
        <source>Maximum number of decals on screen at a time (recommended 200 to 500)</source>
        <translation>Maksymalna liczba decali na ekranie jednocześnie (zalecane od 200 do 500)</translation>
    </message>
    <message>
        <source>You will gain a 10% to 15% improvement in performance, especially in lengthy matches. See the pics below:</source>
        <translation>Zyskasz od 10% do 15% wydajności, zwłaszcza w długich meczach. Zobacz obrazki poniżej:</translation>
    </message>
    <message>
        <source>Decals etc. enabled:</source>
        <translation>Decale itp. włączone:</translation>
    </message>
    <message>
        <source>Decals etc. disabled:</source>
        <translation>Decale itp. wyłączone:</translation>
    </message>
    <message>
        <source>Dynamic lighting </source>
        <translation>Dynamiczne oświetlenie </translation>
    </message>
    <message>
        <source>With dynamic lighting, lit things such as muzzle flashes and explosions throw their light onto the walls and objects near them. Switching it off gains speed, but your flashlight stops working. The pictures show the glow on the wall.</source>
        <translation>Przy dynamicznym oświetleniu świecące obiekty, takie jak błyski z lufy i wybuchy, rzucają światło na pobliskie ściany i przedmioty. Wyłączenie go zwiększa szybkość, ale przestaje działać latarka. Obrazki pokazują poświatę na ścianie.</translation>
    </message>
    <message>
        <source>Disable dynamic lighting and gain performance?</source>
        <translation>Wyłączyć dynamiczne oświetlenie i zyskać na wydajności?</translation>
    </message>
    <message>
        <source>Do you want to disable dynamic lighting?</source>
        <translation>Czy chcesz wyłączyć dynamiczne oświetlenie?</translation>
    </message>
    <message>
        <source>Dynamic Enabled:</source>
        <translation>Dynamiczne włączone:</translation>
    </message>
    <message>
        <source>Dynamic Disabled:</source>
        <translation>Dynamiczne wyłączone:</translation>
    </message>
    <message>
        <source>Weapon visibility </source>
        <translation>Widoczność broni </translation>
    </message>
    <message>
        <source>The weapon in your hands blocks part of your view. Hiding it gains 3 to 5 frames per second, or even more. See the pictures below.</source>
        <translation>Broń w rękach zasłania część widoku. Jej ukrycie daje od 3 do 5 FPS, a nawet więcej. Zobacz obrazki poniżej.</translation>
    </message>
    <message>
        <source>Make weapon invisible and gain performance?</source>
        <translation>Ukryć broń i zyskać na wydajności?</translation>
    </message>
    <message>
        <source>Do you want to be able to see your weapon during the game?</source>
        <translation>Czy chcesz widzieć swoją broń podczas gry?</translation>
    </message>
    <message>
        <source>Visible weapon:</source>
        <translation>Widoczna broń:</translation>
    </message>
    <message>
        <source>Invisible weapon:</source>
        <translation>Niewidoczna broń:</translation>
    </message>
    <message>
        <source>Collinear vertexes </source>
        <translation>Współliniowe wierzchołki </translation>
    </message>
    <message>
        <source>Keeping collinear vertexes fills the gaps and reduces the cracks between polygons. Switching it off can gain some speed, at the price of some visible cracking.</source>
        <translation>Zachowanie współliniowych wierzchołków wypełnia luki i zmniejsza szczeliny między wielokątami. Wyłączenie tego może nieco przyspieszyć grę kosztem widocznych szczelin.</translation>
    </message>
    <message>
        <source>Disable collinear vertexes?</source>
        <translation>Wyłączyć współliniowe wierzchołki?</translation>
    </message>
    <message>
        <source>You may gain around 1 or 2 FPS from disabling this.</source>
        <translation>Wyłączając to, możesz zyskać około 1 lub 2 FPS.</translation>
    </message>
    <message>
        <source>Shadows</source>
        <translation>Cienie</translation>
    </message>
    <message>
        <source>Shadows are off by default in the game. They look unrealistic and are best used only when you really need them.</source>
        <translation>Cienie są w grze domyślnie wyłączone. Wyglądają nierealistycznie i najlepiej włączać je tylko wtedy, gdy naprawdę ich potrzebujesz.</translation>
    </message>
    <message>
        <source>Disable shadows and gain performance.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Wyłączyć cienie i zyskać na wydajności.?</translation>
    </message>
    <message>
        <source>Shadows enabled:</source>
        <translation>Cienie włączone:</translation>
    </message>
    <message>
        <source>Shadows disabled:</source>
        <translation>Cienie wyłączone:</translation>
    </message>
    <message>
        <source>Enabling gl_texsort gives much brighter images, at a large cost in speed. Some video cards need it switched on, others switched off: if your card has problems, try both.</source>
        <translation>Włączenie gl_texsort daje znacznie jaśniejszy obraz, ale mocno obniża szybkość. Niektóre karty graficzne wymagają jego włączenia, inne wyłączenia: jeśli Twoja karta ma problemy, wypróbuj oba ustawienia.</translation>
    </message>
    <message>
        <source>Disable gl_texsort and gain performance?</source>
        <translation>Wyłączyć gl_texsort i zyskać na wydajności?</translation>
    </message>
    <message>
        <source>gl_texsort enabled:</source>
        <translation>gl_texsort włączony:</translation>
    </message>
    <message>
        <source>gl_texsort disabled:</source>
        <translation>gl_texsort wyłączony:</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Przesunięcie</translation>
    </message>
    <message>
        <source>The offset of textures and decals fixes decals that show through walls or are drawn wrongly. It has little or no effect on speed.</source>
        <translation>Przesunięcie tekstur i decali naprawia decale, które prześwitują przez ściany lub są źle rysowane. Ma niewielki wpływ na szybkość albo żaden.</translation>
    </message>
    <message>
        <source>Poly-Offset:</source>
        <translation>Przesunięcie wielokątów:</translation>
    </message>
    <message>
        <source>Poly-Offset Must be between -25 and 25</source>
        <translation>Przesunięcie wielokątów musi mieścić się między -25 a 25</translation>
    </message>
    <message>
        <source>4 is the default for video cards without problems. If your card has problems, try -1, 20 or 5, and then experiment.</source>
        <translation>4 to wartość domyślna dla kart graficznych bez problemów. Jeśli Twoja karta ma problemy, spróbuj -1, 20 lub 5, a potem eksperymentuj.</translation>
    </message>
    <message>
        <source>Brightness/Gamma </source>
        <translation>Jasność/gamma </translation>
    </message>
    <message>
        <source>Brightness lightens only the characters, weapons and objects. Gamma lightens everything; it ranges from 0 to 4 and costs no speed.</source>
        <translation>Jasność rozjaśnia tylko postacie, broń i przedmioty. Gamma rozjaśnia wszystko; przyjmuje wartości od 0 do 4 i nie obniża szybkości.</translation>
    </message>
    <message>
        <source>Brightness (higher is brighter)</source>
        <translation>Jasność (więcej = jaśniej)</translation>
    </message>
    <message>
        <source>Gamma (higher is brighter)</source>
        <translation>Gamma (więcej = jaśniej)</translation>
    </message>
    <message>
        <source>Brightness 2 with gamma 4 is recommended for dark video cards.</source>
        <translation>Dla ciemnych kart graficznych zalecana jest jasność 2 i gamma 4.</translation>
    </message>
    <message>
        <source>Texture Gamma/Light Gamma </source>
        <translation>Gamma tekstur/gamma oświetlenia </translation>
    </message>
    <message>
        <source>Texture gamma sets the gamma of all textures, light gamma that of the lighting. Neither has any effect on speed.</source>
        <translation>Gamma tekstur ustala gammę wszystkich tekstur, a gamma oświetlenia — gammę oświetlenia. Żadna z nich nie wpływa na szybkość.</translation>
    </message>
    <message>
        <source>Texture Gamma (lower is brighter)</source>
        <translation>Gamma tekstur (mniej = jaśniej)</translation>
    </message>
    <message>
        <source>Light Gamma (lower is brighter)</source>
        <translation>Gamma oświetlenia (mniej = jaśniej)</translation>
    </message>
    <message>
        <source>If you chose brightness 2 and gamma 4 on the previous page, try 3 and 2 here; otherwise keep 2 and 2.5, the defaults.</source>
        <translation>Jeśli na poprzedniej stronie wybrano jasność 2 i gammę 4, spróbuj tu 3 i 2; w przeciwnym razie zostaw wartości domyślne 2 i 2.5.</translation>
    </message>
    <message>
        <source>Pic mip </source>
        <translation>Pic mip </translation>
    </message>
    <message>
        <source>Pic mip sets the overall texture quality. 2 gains a little speed at a severe loss of image quality; newer video cards gain nothing above 0, which is recommended.</source>
        <translation>Pic mip ustala ogólną jakość tekstur. Wartość 2 daje niewielki wzrost szybkości kosztem poważnej utraty jakości obrazu; nowsze karty graficzne nic nie zyskują powyżej 0 i to jest wartość zalecana.</translation>
    </message>
    <message>
        <source>Pic mip:</source>
        <translation>Pic mip:</translation>
    </message>
    <message>
        <source>Pic mip must be between 0 and 10</source>
        <translation>Pic mip musi mieścić się między 0 a 10</translation>
    </message>
    <message>
        <source>If your system crashes, run this tweak again and set this to default.</source>
        <translation>Jeśli system się zawiesza, uruchom ten tweak ponownie i przywróć tu wartość domyślną.</translation>
    </message>
    <message>
        <source>ZTrick </source>
        <translation>ZTrick </translation>
    </message>
    <message>
        <source>Skipping it can gain a good amount of speed, but on some video cards it makes textures and distant objects flicker. The pictures show a distant sign that flickers.</source>
        <translation>Pominięcie czyszczenia może wyraźnie przyspieszyć grę, ale na niektórych kartach graficznych tekstury i odległe obiekty zaczynają migotać. Obrazki pokazują migoczący odległy znak.</translation>
    </message>
    <message>
        <source>Enable ZTrick and gain performance.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Włączyć ZTrick i zyskać na wydajności.?</translation>
    </message>
    <message>
        <source>ZTrick is a command to skip the clearing of the Z-buffer.</source>
        <translation>ZTrick to komenda pomijająca czyszczenie bufora Z.</translation>
    </message>
    <message>
        <source>Ztrick enabled</source>
        <translation>Ztrick włączony</translation>
    </message>
    <message>
        <source>Ztrick disabled:</source>
        <translation>Ztrick wyłączony:</translation>
    </message>
    <message>
        <source>Texture Mode </source>
        <translation>Tryb tekstur </translation>
    </message>
    <message>
        <source>The texture mode is the drawing mode of your video hardware. Nearest neighbor interpolation looks blocky and jagged; linear interpolation looks smooth.</source>
        <translation>Tryb tekstur to sposób rysowania przez Twój sprzęt graficzny. Interpolacja najbliższego sąsiada daje kanciasty, poszarpany obraz; interpolacja liniowa daje gładki.</translation>
    </message>
    <message>
        <source>Nearest neighbor interpolation for bilinear hardware?</source>
        <translation>Interpolacja najbliższego sąsiada dla sprzętu dwuliniowego?</translation>
    </message>
    <message>
        <source>Linear interpolation for bilinear hardware.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Interpolacja liniowa dla sprzętu dwuliniowego.?</translation>
    </message>
    <message>
        <source>Nearest neighbor interpolation for trilinear hardware.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Interpolacja najbliższego sąsiada dla sprzętu trójliniowego.?</translation>
    </message>
    <message>
        <source>Linear interpolation for trilinear hardware.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Interpolacja liniowa dla sprzętu trójliniowego.?</translation>
    </message>
    <message>
        <source>High quality player models </source>
        <translation>Modele graczy w wysokiej jakości </translation>
    </message>
    <message>
        <source>Player models come in high and low quality, with little visible difference. Low quality models save texture memory: cards with much texture memory lose little by using them, cards with little texture memory gain speed.</source>
        <translation>Modele graczy występują w wysokiej i niskiej jakości, a różnica jest mało widoczna. Modele niskiej jakości oszczędzają pamięć tekstur: karty z dużą ilością pamięci tekstur niewiele tracą, gdy ich używają, a karty z małą zyskują na szybkości.</translation>
    </message>
    <message>
        <source>Use low quality models.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Używać modeli niskiej jakości.?</translation>
    </message>
    <message>
        <source>Direct3D Flip </source>
        <translation>Direct3D Flip </translation>
    </message>
    <message>
        <source>If your mouse input lags two to three seconds behind, your video card needs Direct3D flip enabled.</source>
        <translation>Jeśli reakcja na ruchy myszy spóźnia się o dwie do trzech sekund, Twoja karta graficzna wymaga włączenia Direct3D flip.</translation>
    </message>
    <message>
        <source>Enable Direct3D flip to correct input problems.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Włączyć Direct3D flip, by naprawić problemy ze sterowaniem.?</translation>
    </message>
</context>
<context>
    <name>wizard::GameReportWindow</name>
    <message>
        <source>What the game will use when it starts</source>
        <translation>Czego gra użyje przy starcie</translation>
    </message>
    <message>
        <source>&amp;Fix chosen</source>
        <translation>&amp;Napraw wybrane</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemy</translation>
    </message>
    <message>
        <source>Filter the settings</source>
        <translation>Filtruj ustawienia</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ustawienie</translation>
    </message>
    <message>
        <source>Value the game will use</source>
        <translation>Wartość, której użyje gra</translation>
    </message>
    <message>
        <source>Set by</source>
        <translation>Ustawione przez</translation>
    </message>
    <message>
        <source>What today&apos;s game does</source>
        <translation>Co robi obecna wersja gry</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Scripts</source>
        <translation>Skrypty</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Raport</translation>
    </message>
    <message>
        <source>Co&amp;py report</source>
        <translation>&amp;Kopiuj raport</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Tick the problems you want Zentrimo to fix, then press &quot;Fix chosen&quot;.</source>
        <translation>Zaznacz problemy, które Zentrimo ma naprawić, a potem naciśnij &quot;Napraw wybrane&quot;.</translation>
    </message>
    <message>
        <source>Zentrimo will change the lines shown under &quot;Show Details...&quot;. Do you want to change them?</source>
        <translation>Zentrimo zmieni linie pokazane pod przyciskiem &quot;Pokaż szczegóły...&quot;. Czy chcesz je zmienić?</translation>
    </message>
    <message>
        <source>The game is running from this folder. Quit the game first: it rewrites its scripts when it quits. Nothing was changed.</source>
        <translation>Gra jest uruchomiona z tego folderu. Najpierw ją zamknij: przy wyjściu zapisuje swoje skrypty na nowo. Niczego nie zmieniono.</translation>
    </message>
</context>
<context>
    <name>wizard::RestoreWindow</name>
    <message>
        <source>Restore points of the game&apos;s scripts, newest first</source>
        <translation>Punkty przywracania skryptów gry, od najnowszego</translation>
    </message>
    <message>
        <source>What restoring it would change:</source>
        <translation>Co zmieni przywrócenie:</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Przywróć</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>There are no restore points yet: Zentrimo keeps one before every change it makes to the game&apos;s scripts.</source>
        <translation>Nie ma jeszcze punktów przywracania: Zentrimo tworzy jeden przed każdą zmianą w skryptach gry.</translation>
    </message>
    <message>
        <source>This restore point is damaged: its files are not as they were written, so it cannot be restored.</source>
        <translation>Ten punkt przywracania jest uszkodzony: jego pliki nie są takie, jak zostały zapisane, więc nie można go przywrócić.</translation>
    </message>
    <message>
        <source>Zentrimo will put the game&apos;s scripts back as they were at this restore point, as shown under &quot;Show Details...&quot;, after keeping what they hold now as a new restore point. Do you want to restore it?</source>
        <translation>Zentrimo przywróci skrypty gry do stanu z tego punktu przywracania, jak pokazano pod przyciskiem &quot;Pokaż szczegóły...&quot;, po zachowaniu ich obecnej zawartości jako nowego punktu przywracania. Czy chcesz go przywrócić?</translation>
    </message>
</context>
<context>
    <name>wizard::SectionStartPage</name>
    <message>
        <source>You have to install the tweak before you try to uninstall it --&gt; No tweak installed</source>
        <translation>Musisz zainstalować tweak, zanim spróbujesz go odinstalować --&gt; Brak zainstalowanego tweaka</translation>
    </message>
    <message>
        <source>Tweak have been succesfully uninstalled</source>
        <extracomment>&quot;Tweak have been succesfully&quot; is the original&apos;s grammar and typo; write it correctly.</extracomment>
        <translation>Tweak został pomyślnie odinstalowany</translation>
    </message>
    <message>
        <source>Do you want to apply settings before quit?</source>
        <translation>Czy chcesz zastosować ustawienia przed wyjściem?</translation>
    </message>
</context>
<context>
    <name>workspace</name>
    <message>
        <source>The game folder %1 has no restore points yet.</source>
        <translation>Folder gry %1 nie ma jeszcze punktów przywracania.</translation>
    </message>
    <message>
        <source>Restore points of %1, newest first:</source>
        <translation>Punkty przywracania folderu %1, od najnowszego:</translation>
    </message>
    <message>
        <source>%1  %2  made before %3</source>
        <extracomment>A restore point: its id, its time, and what made it (apply, uninstall, restore, fix).</extracomment>
        <translation>%1  %2  utworzony przed operacją %3</translation>
    </message>
    <message>
        <source>%1  %2  made before %3  damaged: it cannot be restored</source>
        <translation>%1  %2  utworzony przed operacją %3  uszkodzony: nie można go przywrócić</translation>
    </message>
    <message>
        <source>%1  damaged: it cannot be restored</source>
        <translation>%1  uszkodzony: nie można go przywrócić</translation>
    </message>
    <message>
        <source>The game&apos;s scripts are back as they were at restore point %1. What they held before is kept as a new restore point.</source>
        <translation>Skrypty gry są z powrotem w stanie z punktu przywracania %1. Ich poprzednią zawartość zachowano jako nowy punkt przywracania.</translation>
    </message>
    <message>
        <source>This game folder has no restore point %1. Nothing was changed. `zentrimo --restore-points` lists them.</source>
        <translation>Ten folder gry nie ma punktu przywracania %1. Niczego nie zmieniono. Listę punktów podaje `zentrimo --restore-points`.</translation>
    </message>
    <message>
        <source>Restore point %1 is damaged: its files are not as they were written, so it cannot be restored. Nothing was changed.</source>
        <translation>Punkt przywracania %1 jest uszkodzony: jego pliki nie są takie, jak zostały zapisane, więc nie można go przywrócić. Niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>Counter-Strike is running. Close it first: it saves its settings when it quits, and would undo the uninstall.</source>
        <translation>Counter-Strike jest uruchomiony. Najpierw go zamknij: przy wyjściu zapisuje swoje ustawienia i cofnąłby odinstalowanie.</translation>
    </message>
    <message>
        <source>Counter-Strike is running. Close it first: it saves its settings when it quits, and would undo the uninstall. Nothing was changed.</source>
        <translation>Counter-Strike jest uruchomiony. Najpierw go zamknij: przy wyjściu zapisuje swoje ustawienia i cofnąłby odinstalowanie. Niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>Restoring this point changes nothing: every file is as it holds it.</source>
        <translation>Przywrócenie tego punktu niczego nie zmieni: każdy plik jest taki, jak w tym punkcie.</translation>
    </message>
    <message>
        <source>@@ line %1 @@</source>
        <extracomment>The head of a change in a diff: &quot;@@ line 12 @@&quot;.</extracomment>
        <translation>@@ linia %1 @@</translation>
    </message>
    <message>
        <source>The lines of this run could not be read: %1</source>
        <translation>Nie udało się odczytać linii z tego przebiegu: %1</translation>
    </message>
    <message>
        <source>Counter-Strike is running: the settings take effect at its next start.</source>
        <translation>Counter-Strike jest uruchomiony: ustawienia zadziałają przy jego następnym starcie.</translation>
    </message>
</context>
</TS>
