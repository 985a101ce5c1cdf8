<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ConsoleOptions</name>
    <message>
        <source>Displays help on the command line options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de comandos.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Muestra la información de la versión.</translation>
    </message>
    <message>
        <source>Prints what the game will use when it starts, and which file sets each setting.</source>
        <translation>Muestra lo que usará el juego al iniciarse y qué archivo define cada ajuste.</translation>
    </message>
    <message>
        <source>Applies the report&apos;s fix ID (again for more, or all), and prints the lines it changes. The JSON report lists the ids.</source>
        <translation>Aplica la corrección ID del informe (repite la opción para más, o usa all) y muestra las líneas que cambia. El informe JSON lista los ID.</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>With --fix: prints the lines it would change, and changes nothing.</source>
        <translation>Con --fix: muestra las líneas que cambiaría, sin cambiar nada.</translation>
    </message>
    <message>
        <source>Lists the restore points of the game folder, newest first: one is kept before every change.</source>
        <translation>Lista los puntos de restauración de la carpeta del juego, del más reciente al más antiguo: se guarda uno antes de cada cambio.</translation>
    </message>
    <message>
        <source>Puts the game&apos;s scripts back as restore point ID holds them.</source>
        <translation>Devuelve los scripts del juego al estado que guarda el punto de restauración ID.</translation>
    </message>
    <message>
        <source>With --report or --restore-points: as one JSON object.</source>
        <translation>Con --report o --restore-points: como un solo objeto JSON.</translation>
    </message>
    <message>
        <source>Shows the program in language CODE: %1.</source>
        <translation>Muestra el programa en el idioma CÓDIGO: %1.</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>CÓDIGO</translation>
    </message>
    <message>
        <source>Tunes Counter-Strike through its start-up script.</source>
        <translation>Ajusta Counter-Strike mediante su script de inicio.</translation>
    </message>
    <message>
        <source>With --report, --fix, --restore-points or --restore: the game folder; else the one the start window would find.</source>
        <translation>Con --report, --fix, --restore-points o --restore: la carpeta del juego; si no, la que encontraría la ventana de inicio.</translation>
    </message>
    <message>
        <source>[GAMEROOT]</source>
        <translation>[CARPETA_JUEGO]</translation>
    </message>
    <message>
        <source>There is no language %1; give one of %2.</source>
        <translation>No existe el idioma %1; indica uno de estos: %2.</translation>
    </message>
    <message>
        <source>Give only one of --report, --fix, --restore-points and --restore.</source>
        <translation>Indica solo una de las opciones --report, --fix, --restore-points y --restore.</translation>
    </message>
    <message>
        <source>--json goes only with --report or --restore-points.</source>
        <translation>--json solo se usa con --report o --restore-points.</translation>
    </message>
    <message>
        <source>--dry-run goes only with --fix.</source>
        <translation>--dry-run solo se usa con --fix.</translation>
    </message>
    <message>
        <source>A game folder goes only with --report, --fix, --restore-points or --restore: %1</source>
        <translation>Solo se puede indicar una carpeta del juego con --report, --fix, --restore-points o --restore: %1</translation>
    </message>
    <message numerus="yes">
        <source>Give one game folder, not %n.</source>
        <translation>
            <numerusform>Indica una sola carpeta del juego, no %n.</numerusform>
            <numerusform>Indica una sola carpeta del juego, no %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DirectoryList</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
</context>
<context>
    <name>DirectoryPage</name>
    <message>
        <source>Your current half-life directory:</source>
        <translation>Tu carpeta actual de Half-Life:</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>Half-life root not found, try specify another dir. Or choose another cstrike version</source>
        <extracomment>Deliberately as the old tool words it, its faults included.</extracomment>
        <translation>Raíz de Half-life no encontrada, intenta indicar otra carpeta. O elige otra versión de cstrike</translation>
    </message>
    <message>
        <source>Couldn&apos;t find counter-strike config file, try specify another path</source>
        <translation>No se encontró el archivo de configuración de counter-strike, intenta indicar otra ruta</translation>
    </message>
</context>
<context>
    <name>DriveList</name>
    <message>
        <source>Volume (%1)</source>
        <translation>Volumen (%1)</translation>
    </message>
    <message>
        <source>Home (%1)</source>
        <translation>Carpeta personal (%1)</translation>
    </message>
</context>
<context>
    <name>ErrorBoundary</name>
    <message>
        <source>Error %1: %2
%3</source>
        <translation>Error %1: %2
%3</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Choose your half-life root directory:</source>
        <translation>Elige la carpeta raíz de Half-Life:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>GamePlaces</name>
    <message>
        <source>Steam library (%1)</source>
        <translation>Biblioteca de Steam (%1)</translation>
    </message>
    <message>
        <source>Wine %1 (%2)</source>
        <translation>Wine %1 (%2)</translation>
    </message>
    <message>
        <source>Error %1: the registry could not be read.</source>
        <translation>Error %1: no se pudo leer el registro.</translation>
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
        <translation>Omitir las líneas que no hacen nada</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>Mostrar &amp;detalles...</translation>
    </message>
    <message>
        <source>Hide &amp;Details...</source>
        <translation>Ocultar &amp;detalles...</translation>
    </message>
</context>
<context>
    <name>MusicLoop</name>
    <message>
        <source>%1 is missing!</source>
        <translation>¡Falta %1!</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Zentrimo finds nothing to fix in the game&apos;s scripts.</source>
        <translation>Zentrimo no encuentra nada que corregir en los scripts del juego.</translation>
    </message>
    <message>
        <source>the game</source>
        <translation>el juego</translation>
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
        <translation>una línea exec de un script anterior</translation>
    </message>
    <message>
        <source>valve.rc&apos;s stuffcmds</source>
        <translation>el stuffcmds de valve.rc</translation>
    </message>
    <message>
        <source>%1. %2, run by %3</source>
        <translation>%1. %2, ejecutado por %3</translation>
    </message>
    <message>
        <source>Restore point %1 is damaged: it cannot be restored.</source>
        <translation>El punto de restauración %1 está dañado: no se puede restaurar.</translation>
    </message>
    <message>
        <source>%1, made before %2, is damaged: it cannot be restored.</source>
        <translation>%1, creado antes de la operación %2, está dañado: no se puede restaurar.</translation>
    </message>
    <message>
        <source>%1, made before %2: every file is as it is today.</source>
        <translation>%1, creado antes de la operación %2: todos los archivos están igual que hoy.</translation>
    </message>
    <message>
        <source>%1, made before %2: differs from today in %3.</source>
        <translation>%1, creado antes de la operación %2: difiere del estado actual en: %3.</translation>
    </message>
</context>
<context>
    <name>StartWindow</name>
    <message>
        <source>Retail Cstrike</source>
        <translation>Cstrike retail</translation>
    </message>
    <message>
        <source>Normal Cstrike</source>
        <translation>Cstrike normal</translation>
    </message>
    <message>
        <source>Specify yourself</source>
        <translation>Indicar manualmente</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>Cstrike Versions:</source>
        <translation>Versiones de Cstrike:</translation>
    </message>
</context>
<context>
    <name>console</name>
    <message>
        <source>The report proposes no fix %1; zentrimo --report --json lists them.</source>
        <translation>El informe no propone ninguna corrección %1; zentrimo --report --json las lista.</translation>
    </message>
    <message>
        <source>Nothing was changed (--dry-run).</source>
        <translation>No se cambió nada (--dry-run).</translation>
    </message>
    <message>
        <source>The game is running from %1: quit it first, since it rewrites its scripts when it quits. Nothing was changed.</source>
        <translation>El juego se está ejecutando desde %1: ciérralo primero, ya que reescribe sus scripts al cerrarse. No se cambió nada.</translation>
    </message>
    <message numerus="yes">
        <source>Applied %n fixes.</source>
        <translation>
            <numerusform>Se aplicó %n corrección.</numerusform>
            <numerusform>Se aplicaron %n correcciones.</numerusform>
        </translation>
    </message>
    <message>
        <source>The report now proposes no fix.</source>
        <translation>Ahora el informe no propone ninguna corrección.</translation>
    </message>
    <message numerus="yes">
        <source>The report now proposes %n fixes.</source>
        <translation>
            <numerusform>Ahora el informe propone %n corrección.</numerusform>
            <numerusform>Ahora el informe propone %n correcciones.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences, the fixes applied and those the report still proposes.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The changes could not be written to the console.</source>
        <translation>No se pudieron escribir los cambios en la consola.</translation>
    </message>
    <message>
        <source>%1 holds no cstrike/config.cfg: it is not the game&apos;s folder. Give the Half-Life folder that holds cstrike.</source>
        <translation>%1 no contiene cstrike/config.cfg: no es la carpeta del juego. Indica la carpeta de Half-Life que contiene cstrike.</translation>
    </message>
    <message>
        <source>The report could not be written.</source>
        <translation>No se pudo escribir el informe.</translation>
    </message>
    <message>
        <source>The restore points could not be written.</source>
        <translation>No se pudieron escribir los puntos de restauración.</translation>
    </message>
</context>
<context>
    <name>game</name>
    <message>
        <source>%1 (%2) takes effect.</source>
        <translation>El ajuste %1 (%2) tiene efecto.</translation>
    </message>
    <message>
        <source>Today&apos;s game has no %1 (%2) and ignores the line without a word: press &quot;Skip setting&quot;, or delete the line from your script. %3</source>
        <translation>La versión actual del juego no tiene el ajuste %1 (%2) e ignora la línea sin avisar: haz clic en &quot;Omitir ajuste&quot; o borra la línea de tu script. %3</translation>
    </message>
    <message>
        <source>Today&apos;s game may have no %1 (%2) and then ignores the line without a word: press &quot;Skip setting&quot;, or delete the line from your script. %3</source>
        <translation>Puede que la versión actual del juego no tenga el ajuste %1 (%2), y entonces ignora la línea sin avisar: haz clic en &quot;Omitir ajuste&quot; o borra la línea de tu script. %3</translation>
    </message>
    <message>
        <source>Today&apos;s game always uses %3 for %1 (%2), whatever a script sets: press &quot;Skip setting&quot;, or delete the line from your script.</source>
        <translation>La versión actual del juego siempre usa %3 para el ajuste %1 (%2), ponga lo que ponga un script: haz clic en &quot;Omitir ajuste&quot; o borra la línea de tu script.</translation>
    </message>
    <message>
        <source>%1 (%2) has no effect in today&apos;s game: press &quot;Skip setting&quot;, or delete the line from your script. %3</source>
        <translation>El ajuste %1 (%2) no tiene efecto en la versión actual del juego: haz clic en &quot;Omitir ajuste&quot; o borra la línea de tu script. %3</translation>
    </message>
    <message>
        <source>At every map, today&apos;s game replaces %1 (%2) with your own saved setting %3 (%4 in a game with one slot): press &quot;Skip setting&quot; and set %3 in the game&apos;s console instead.</source>
        <translation>En cada mapa, la versión actual del juego reemplaza el ajuste %1 (%2) por tu propio ajuste guardado %3 (%4 en una partida con un solo slot): haz clic en &quot;Omitir ajuste&quot; y, en su lugar, ajusta %3 en la consola del juego.</translation>
    </message>
    <message>
        <source>Today&apos;s game uses %3 for %1 (%2), not %4.</source>
        <translation>La versión actual del juego usa %3 para el ajuste %1 (%2), no %4.</translation>
    </message>
    <message>
        <source>On a server with more than one slot, bots included, today&apos;s game uses %3 for %1 (%2), not %4.</source>
        <translation>En un servidor con más de un slot, bots incluidos, la versión actual del juego usa %3 para el ajuste %1 (%2), no %4.</translation>
    </message>
    <message>
        <source>Today&apos;s game refuses %1 (%2) on any server with more than one slot, even an empty one or a bot game: it works only in a game with one slot.</source>
        <translation>La versión actual del juego rechaza el ajuste %1 (%2) en cualquier servidor con más de un slot, aunque esté vacío o sea una partida con bots: solo funciona en una partida con un solo slot.</translation>
    </message>
    <message>
        <source>Right after the scripts, today&apos;s game puts back the %1 (%2) it kept at its last quit: set it in the game&apos;s console while you play, and the game keeps that one.</source>
        <translation>Justo después de los scripts, la versión actual del juego vuelve a poner el valor del ajuste %1 (%2) que guardó al cerrarse la última vez: ajústalo en la consola del juego mientras juegas, y el juego se quedará con ese.</translation>
    </message>
    <message>
        <source>Right after the scripts, today&apos;s game may put back the %1 (%2) it kept at its last quit: set it in the game&apos;s console while you play, and the game keeps that one.</source>
        <translation>Justo después de los scripts, puede que la versión actual del juego vuelva a poner el valor del ajuste %1 (%2) que guardó al cerrarse la última vez: ajústalo en la consola del juego mientras juegas, y el juego se quedará con ese.</translation>
    </message>
    <message>
        <source>With %1 (%2) at %3, expect %4.</source>
        <translation>Con el ajuste %1 (%2) en %3, cabe esperar: %4.</translation>
    </message>
    <message>
        <source>With %1 (%2) at %3, you may get %4.</source>
        <translation>Con el ajuste %1 (%2) en %3, puede que notes: %4.</translation>
    </message>
    <message>
        <source>The game&apos;s own default is the first option.</source>
        <translation>Por defecto, el juego usa la primera opción.</translation>
    </message>
    <message>
        <source>The game&apos;s own default is the second option.</source>
        <translation>Por defecto, el juego usa la segunda opción.</translation>
    </message>
    <message>
        <source>The game&apos;s own default is the third option.</source>
        <translation>Por defecto, el juego usa la tercera opción.</translation>
    </message>
    <message>
        <source>The game&apos;s own default is the last option.</source>
        <translation>Por defecto, el juego usa la última opción.</translation>
    </message>
    <message>
        <source>Zentrimo does not know what today&apos;s game does with this line.</source>
        <translation>Zentrimo no sabe qué hace la versión actual del juego con esta línea.</translation>
    </message>
    <message>
        <source>This run wrote no lines.</source>
        <translation>En esta ejecución no se escribió ninguna línea.</translation>
    </message>
    <message>
        <source>Lines: %1. They take effect: %2. Changed by the game: %3. Without effect: %4. Not in today&apos;s game: %5.</source>
        <translation>Líneas: %1. Tienen efecto: %2. Cambiadas por el juego: %3. Sin efecto: %4. No existen en la versión actual del juego: %5.</translation>
    </message>
    <message>
        <source>Lines: %1. They take effect: %2. Changed by the game: %3. Without effect: %4. Not in today&apos;s game: %5. Unknown to Zentrimo: %6.</source>
        <translation>Líneas: %1. Tienen efecto: %2. Cambiadas por el juego: %3. Sin efecto: %4. No existen en la versión actual del juego: %5. Desconocidas para Zentrimo: %6.</translation>
    </message>
    <message>
        <source>The key %1 joins a server (%3), and a server may have bound it so: bind it back to the game&apos;s own %2.</source>
        <translation>La tecla %1 conecta a un servidor (%3), y puede que un servidor la haya bindeado así: vuelve a bindearla a %2, el comando por defecto del juego.</translation>
    </message>
    <message>
        <source>The key %1 joins a server (%2), and a server may have bound it so: take the line out; the game names no default for the key, so it is left unbound.</source>
        <translation>La tecla %1 conecta a un servidor (%2), y puede que un servidor la haya bindeado así: quita la línea; el juego no define ningún bind por defecto para esa tecla, así que queda sin bindear.</translation>
    </message>
    <message>
        <source>The alias %1 joins a server (%2), and a server may have put it there: take the line out.</source>
        <translation>El alias %1 conecta a un servidor (%2), y puede que lo haya puesto ahí un servidor: quita la línea.</translation>
    </message>
    <message>
        <source>%1 joins a server whenever the game starts (%2), and a server may have put it there: take the line out.</source>
        <translation>%1 conecta a un servidor cada vez que se inicia el juego (%2), y puede que lo haya puesto ahí un servidor: quita la línea.</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n lines after exec userconfig.cfg, where the game writes none, and a server may have added them: take them out.</source>
        <translation>
            <numerusform>%1 contiene %n línea después de exec userconfig.cfg, donde el juego no escribe ninguna, y puede que la haya añadido un servidor: quítala.</numerusform>
            <numerusform>%1 contiene %n líneas después de exec userconfig.cfg, donde el juego no escribe ninguna, y puede que las haya añadido un servidor: quítalas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Servers may run commands in your game that the filter (cl_filterstuffcmd) would stop (%1): set it to 1.</source>
        <translation>Los servidores pueden ejecutar en tu juego comandos que el filtro (cl_filterstuffcmd) detendría (%1): ponlo en 1.</translation>
    </message>
    <message>
        <source>Your %1 (%2) at %3 never takes effect, because %5 sets it again: move the line to %4, which runs after it.</source>
        <translation>Tu ajuste %1 (%2) en %3 nunca tiene efecto, porque se vuelve a ajustar en %5: mueve la línea a %4, que se ejecuta después.</translation>
    </message>
    <message>
        <source>Today&apos;s game has no %1 (%2) and ignores the lines that set it (%3): take them out.</source>
        <translation>La versión actual del juego no tiene el ajuste %1 (%2) e ignora las líneas que lo ajustan (%3): quítalas.</translation>
    </message>
    <message numerus="yes">
        <source>%n commands after exec userconfig.cfg, where the game writes none: a server may have added them</source>
        <translation>
            <numerusform>%n comando después de exec userconfig.cfg, donde el juego no escribe ninguno: puede que lo haya añadido un servidor</numerusform>
            <numerusform>%n comandos después de exec userconfig.cfg, donde el juego no escribe ninguno: puede que los haya añadido un servidor</numerusform>
        </translation>
    </message>
    <message>
        <source>exec takes one file name: %1</source>
        <translation>exec admite un solo nombre de archivo: %1</translation>
    </message>
    <message>
        <source>%1: joins a server whenever the game starts; a server may have put it here</source>
        <translation>%1: conecta a un servidor cada vez que se inicia el juego; puede que lo haya puesto aquí un servidor</translation>
    </message>
    <message>
        <source>%1 is in a folder that may not be opened: the game cannot read it</source>
        <translation>%1 está en una carpeta sin permiso de acceso: el juego no puede leerlo</translation>
    </message>
    <message>
        <source>couldn&apos;t exec %1</source>
        <extracomment>The game&apos;s own console words, as it prints them.</extracomment>
        <translation>couldn&apos;t exec %1</translation>
    </message>
    <message>
        <source>exec %1 runs %2 again while it is still running: the game repeats it until its command buffer (16 KiB) overflows; its lines are read once here</source>
        <translation>exec %1 vuelve a ejecutar %2 mientras este aún se está ejecutando: el juego lo repite hasta que se desborda su búfer de comandos (16 KiB); aquí sus líneas se leen una sola vez</translation>
    </message>
    <message>
        <source>%1 is not a regular file: skipped</source>
        <translation>%1 no es un archivo normal: omitido</translation>
    </message>
    <message>
        <source>%1 is larger than 64 MiB: skipped</source>
        <translation>%1 ocupa más de 64 MiB: omitido</translation>
    </message>
    <message>
        <source>%1 may not be read: skipped</source>
        <translation>no hay permiso para leer %1: omitido</translation>
    </message>
    <message>
        <source>%1 could not be read: skipped</source>
        <translation>no se pudo leer %1: omitido</translation>
    </message>
    <message>
        <source>start-up runs more than 64 MiB of scripts: not read further</source>
        <translation>el inicio ejecuta más de 64 MiB de scripts: no se lee más</translation>
    </message>
    <message>
        <source>%1 is saved as UTF-16: the game reads nothing in it</source>
        <translation>%1 está guardado en UTF-16: el juego no lee nada de él</translation>
    </message>
    <message>
        <source>stuffcmds: the command buffer overflows; the launch options are lost</source>
        <translation>stuffcmds: se desborda el búfer de comandos; se pierden las opciones de lanzamiento</translation>
    </message>
    <message>
        <source>bind %1 runs %2: it joins a server; a server may have put it here</source>
        <translation>bind %1 ejecuta %2: conecta a un servidor; puede que lo haya puesto aquí un servidor</translation>
    </message>
    <message>
        <source>alias %1 runs %2: it joins a server; a server may have put it here</source>
        <translation>alias %1 ejecuta %2: conecta a un servidor; puede que lo haya puesto aquí un servidor</translation>
    </message>
    <message>
        <source>%1 runs itself again while it is still running: the game repeats it without end; its commands are read once here</source>
        <translation>%1 se vuelve a ejecutar a sí mismo mientras aún se está ejecutando: el juego lo repite sin fin; aquí sus comandos se leen una sola vez</translation>
    </message>
    <message>
        <source>%1: the command buffer overflows; the alias is lost</source>
        <translation>%1: se desborda el búfer de comandos; se pierde el alias</translation>
    </message>
    <message>
        <source>%1: lets servers run commands in your game that 1 would filter out; a server may have set it</source>
        <translation>%1: permite que los servidores ejecuten en tu juego comandos que el valor 1 filtraría; puede que lo haya puesto un servidor</translation>
    </message>
    <message>
        <source>exec %1: invalid path</source>
        <extracomment>The game&apos;s own console words, as it prints them.</extracomment>
        <translation>exec %1: invalid path</translation>
    </message>
    <message>
        <source>exec %1: not a .cfg or .rc file</source>
        <translation>exec %1: no es un archivo .cfg ni .rc</translation>
    </message>
    <message>
        <source>the game refuses %1 as an alias name</source>
        <translation>el juego rechaza %1 como nombre de alias</translation>
    </message>
    <message>
        <source>set again by %1</source>
        <translation>ajustado de nuevo por %1</translation>
    </message>
    <message>
        <source>the game</source>
        <translation>el juego</translation>
    </message>
    <message>
        <source>launch options</source>
        <translation>las opciones de lanzamiento</translation>
    </message>
    <message>
        <source>%1 line %2</source>
        <extracomment>A script and a line of it: &quot;cstrike/config.cfg line 12&quot;.</extracomment>
        <translation>%1, línea %2</translation>
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
        <translation>su propio almacenamiento</translation>
    </message>
    <message>
        <source>the Windows registry (HKEY_CURRENT_USER\Software\Valve\Steam, Rate)</source>
        <translation>el registro de Windows (HKEY_CURRENT_USER\Software\Valve\Steam, Rate)</translation>
    </message>
    <message>
        <source>the Wine prefix&apos;s registry (%1)</source>
        <translation>el registro del prefijo de Wine (%1)</translation>
    </message>
    <message>
        <source>Start-up of the game in %1</source>
        <translation>Inicio del juego en %1</translation>
    </message>
    <message>
        <source>Signs of tampering:</source>
        <translation>Indicios de manipulación:</translation>
    </message>
    <message>
        <source>What some settings cost you:</source>
        <translation>Lo que te cuestan algunos ajustes:</translation>
    </message>
    <message>
        <source>Scripts the program cannot read:</source>
        <translation>Scripts que el programa no puede leer:</translation>
    </message>
    <message>
        <source>Scripts that are missing:</source>
        <translation>Scripts que faltan:</translation>
    </message>
    <message>
        <source>Lines the game refuses:</source>
        <translation>Líneas que el juego rechaza:</translation>
    </message>
    <message>
        <source>Scripts that run themselves:</source>
        <translation>Scripts que se ejecutan a sí mismos:</translation>
    </message>
    <message>
        <source>Limits reached:</source>
        <translation>Límites alcanzados:</translation>
    </message>
    <message>
        <source>Lines that never take effect:</source>
        <translation>Líneas que nunca tienen efecto:</translation>
    </message>
    <message>
        <source>Scripts, in the order the game runs them:</source>
        <translation>Scripts, en el orden en que los ejecuta el juego:</translation>
    </message>
    <message>
        <source>valve.rc is in neither cstrike nor valve: read as the standard one, exec autoexec.cfg then the launch options</source>
        <translation>valve.rc no está ni en cstrike ni en valve: se lee como el estándar (exec autoexec.cfg y luego las opciones de lanzamiento)</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>A script in the order the game runs them: &quot;1. cstrike/config.cfg&quot;.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1. %2 (run %3 of this file)</source>
        <translation>%1. %2 (ejecución %3 de este archivo)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Launch options: none given</source>
        <translation>Opciones de lanzamiento: no se indicó ninguna</translation>
    </message>
    <message>
        <source>Launch options: %1</source>
        <translation>Opciones de lanzamiento: %1</translation>
    </message>
    <message>
        <source>Launch options: none</source>
        <translation>Opciones de lanzamiento: ninguna</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>tomadas de %1</translation>
    </message>
    <message>
        <source>from %1 (Steam user %2, whose file changed last of %3)</source>
        <translation>tomadas de %1 (usuario de Steam %2, cuyo archivo es el último modificado de los %3)</translation>
    </message>
    <message>
        <source>Settings as the game will have them:</source>
        <translation>Ajustes tal como los tendrá el juego:</translation>
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
            <numerusform>se omite %n línea, ajuste o aviso más</numerusform>
            <numerusform>se omiten %n líneas, ajustes o avisos más</numerusform>
        </translation>
    </message>
    <message>
        <source>Rate kept by the game:</source>
        <translation>Rate guardado por el juego:</translation>
    </message>
    <message>
        <source>after the scripts the game sets rate to &quot;%1&quot;, the rate it kept in %2 when it last quit</source>
        <translation>tras los scripts, el juego pone rate en &quot;%1&quot;, el rate que guardó en %2 al cerrarse la última vez</translation>
    </message>
    <message>
        <source>%1 holds no rate: the scripts&apos; rate holds, and the game keeps it there when it quits</source>
        <translation>%1 no contiene rate: se mantiene el rate de los scripts, y el juego lo guarda ahí al cerrarse</translation>
    </message>
    <message>
        <source>the game may put back the rate it kept in %1 at its last quit, which this program cannot read: a rate set in a script may not take effect</source>
        <translation>puede que el juego vuelva a poner el rate que guardó en %1 (que este programa no puede leer) al cerrarse la última vez: puede que un rate puesto en un script no tenga efecto</translation>
    </message>
    <message>
        <source>Decals</source>
        <translation>Decals</translation>
    </message>
    <message>
        <source>Dynamic lights</source>
        <translation>Luces dinámicas</translation>
    </message>
    <message>
        <source>Weapon model</source>
        <translation>Modelo del arma</translation>
    </message>
    <message>
        <source>no weapon and no reload cues</source>
        <translation>arma invisible y sin señales de recarga</translation>
    </message>
    <message>
        <source>Collinear vertexes</source>
        <translation>Vértices colineales</translation>
    </message>
    <message>
        <source>cracks between polygons when a map loads</source>
        <translation>grietas entre polígonos al cargar un mapa</translation>
    </message>
    <message>
        <source>Shadows</source>
        <translation>Sombras</translation>
    </message>
    <message>
        <source>Texture sorting</source>
        <translation>Ordenación de texturas</translation>
    </message>
    <message>
        <source>It has been gone since 2013.</source>
        <translation>Ya no existe desde 2013.</translation>
    </message>
    <message>
        <source>Decal offset</source>
        <translation>Desplazamiento de decals</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>a washed-out picture</source>
        <translation>una imagen descolorida</translation>
    </message>
    <message>
        <source>Gamma</source>
        <translation>Gamma</translation>
    </message>
    <message>
        <source>Texture gamma</source>
        <translation>Gamma de texturas</translation>
    </message>
    <message>
        <source>Light gamma</source>
        <translation>Gamma de iluminación</translation>
    </message>
    <message>
        <source>High-quality player models</source>
        <translation>Modelos de jugador de alta calidad</translation>
    </message>
    <message>
        <source>Pic mip</source>
        <translation>Pic mip</translation>
    </message>
    <message>
        <source>It changes nothing on graphics cards with non-power-of-two textures, which every current card has.</source>
        <translation>No cambia nada en tarjetas gráficas que admiten texturas de tamaño no potencia de dos, como todas las actuales.</translation>
    </message>
    <message>
        <source>ZTrick</source>
        <translation>ZTrick</translation>
    </message>
    <message>
        <source>It was renamed gl_ztrick_old in 2013, &quot;usage deprecated&quot;.</source>
        <translation>En 2013 pasó a llamarse gl_ztrick_old, con la nota &quot;usage deprecated&quot;.</translation>
    </message>
    <message>
        <source>Direct3D flip</source>
        <translation>Direct3D flip</translation>
    </message>
    <message>
        <source>The Direct3D renderer was removed in 2013.</source>
        <translation>El renderizador Direct3D se eliminó en 2013.</translation>
    </message>
    <message>
        <source>Texture mode</source>
        <translation>Modo de texturas</translation>
    </message>
    <message>
        <source>blocky textures</source>
        <translation>texturas pixeladas</translation>
    </message>
    <message>
        <source>Sound mix-ahead</source>
        <translation>Mezcla anticipada del sonido</translation>
    </message>
    <message>
        <source>A3D</source>
        <translation>A3D</translation>
    </message>
    <message>
        <source>A3D was removed in 2013.</source>
        <translation>A3D se eliminó en 2013.</translation>
    </message>
    <message>
        <source>EAX</source>
        <translation>EAX</translation>
    </message>
    <message>
        <source>EAX was removed in 2013.</source>
        <translation>EAX se eliminó en 2013.</translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation>Reverberación</translation>
    </message>
    <message>
        <source>No Steam build or recent config holds it.</source>
        <translation>No está en ninguna versión de Steam ni en ninguna config reciente.</translation>
    </message>
    <message>
        <source>8-bit sound</source>
        <translation>Sonido de 8 bits</translation>
    </message>
    <message>
        <source>worse sound</source>
        <translation>peor sonido</translation>
    </message>
    <message>
        <source>High-quality sound</source>
        <translation>Sonido de alta calidad</translation>
    </message>
    <message>
        <source>Maximum modem framerate</source>
        <translation>FPS máximos con módem</translation>
    </message>
    <message>
        <source>It is in old configs only; fps_max limits the frame rate now.</source>
        <translation>Solo aparece en configs antiguas; ahora fps_max limita los FPS.</translation>
    </message>
    <message>
        <source>Maximum LAN framerate</source>
        <translation>FPS máximos en LAN</translation>
    </message>
    <message>
        <source>No Steam build holds it; fps_max limits the frame rate now.</source>
        <translation>No está en ninguna versión de Steam; ahora fps_max limita los FPS.</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>choke and lag</source>
        <translation>choke y lag</translation>
    </message>
    <message>
        <source>Push latency</source>
        <translation>Latencia de push</translation>
    </message>
    <message>
        <source>No Steam build holds it.</source>
        <translation>No está en ninguna versión de Steam.</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Descargas</translation>
    </message>
    <message>
        <source>to be disconnected by every server running a map or model you lack</source>
        <translation>desconexiones de cualquier servidor que use un mapa o modelo que no tengas</translation>
    </message>
    <message>
        <source>Uploads</source>
        <translation>Subidas</translation>
    </message>
    <message>
        <source>MMX</source>
        <translation>MMX</translation>
    </message>
    <message>
        <source>The game registers it but nothing reads it.</source>
        <translation>El juego lo registra, pero nada lo lee.</translation>
    </message>
    <message>
        <source>Mouse filter</source>
        <translation>Filtro del mouse</translation>
    </message>
    <message>
        <source>mouse smoothing and delay</source>
        <translation>suavizado y retraso del mouse</translation>
    </message>
    <message>
        <source>Console speed</source>
        <translation>Velocidad de la consola</translation>
    </message>
    <message>
        <source>Neither the engine&apos;s reconstruction nor any recent config holds it.</source>
        <translation>No está ni en la reconstrucción del motor ni en ninguna config reciente.</translation>
    </message>
    <message>
        <source>Joystick</source>
        <translation>Joystick</translation>
    </message>
    <message>
        <source>a drifting stick moving you</source>
        <translation>un stick descalibrado que te mueve solo</translation>
    </message>
    <message>
        <source>Third-person view</source>
        <translation>Vista en tercera persona</translation>
    </message>
    <message>
        <source>First-person view</source>
        <translation>Vista en primera persona</translation>
    </message>
</context>
<context>
    <name>wizard</name>
    <message>
        <source>Console speed </source>
        <translation>Velocidad de la consola </translation>
    </message>
    <message>
        <source>The console, opened and closed with the &quot;~&quot; key, moves down and up slowly by default and wastes your time.</source>
        <translation>La consola, que se abre y se cierra con la tecla &quot;~&quot;, baja y sube despacio por defecto y te hace perder tiempo.</translation>
    </message>
    <message>
        <source>Console speed:</source>
        <translation>Velocidad:</translation>
    </message>
    <message>
        <source>A higher value makes the console move faster, a lower value slower.</source>
        <translation>Un valor más alto hace que la consola se mueva más rápido; uno más bajo, más despacio.</translation>
    </message>
    <message>
        <source>The default is 600; 3000 or more makes the console appear and disappear almost at once.</source>
        <translation>El valor por defecto es 600; con 3000 o más la consola aparece y desaparece casi al instante.</translation>
    </message>
    <message>
        <source>Third person view </source>
        <translation>Vista en tercera persona </translation>
    </message>
    <message>
        <source>Third person view has no real purpose but may be fun, and it may be slightly slower. Leave the box cleared to keep the first person view, the game&apos;s default. See the pictures below.</source>
        <translation>La vista en tercera persona no tiene una utilidad real, pero puede ser divertida, y puede que sea algo más lenta. Deja la casilla sin marcar para mantener la vista en primera persona, la predeterminada del juego. Mira las imágenes de abajo.</translation>
    </message>
    <message>
        <source>Use third person view.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>¿Usar la vista en tercera persona.?</translation>
    </message>
    <message>
        <source>Third person view:</source>
        <translation>Vista en tercera persona:</translation>
    </message>
    <message>
        <source>First person view:</source>
        <translation>Vista en primera persona:</translation>
    </message>
    <message>
        <source>You have now completed the tweak of Counter-strike. Enjoy the tweak!</source>
        <translation>Has completado el tweak de Counter-Strike. ¡Disfruta del tweak!</translation>
    </message>
    <message>
        <source>If you want to uninstall the tweak, just start this tweak-program again, and then choose &quot;uninstall&quot; instead of &quot;start tweak&quot;</source>
        <translation>Si quieres desinstalar el tweak, basta con volver a iniciar este programa de tweak y elegir &quot;Desinstalar&quot; en lugar de &quot;Iniciar tweak&quot;</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>You can now choose to move on to misc tweak section, or you can just quit and save settings now.</source>
        <translation>Ahora puedes pasar a la sección de tweaks varios, o simplemente salir y guardar los ajustes ya.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>MMX </source>
        <translation>MMX </translation>
    </message>
    <message>
        <source>Enable MMX if your processor supports it (Pentium MMX, Pentium II, Celeron, K6, K6-2). Otherwise disable it for a possible speed gain.</source>
        <translation>Activa MMX si tu procesador lo admite (Pentium MMX, Pentium II, Celeron, K6, K6-2). Si no, desactívalo: quizá ganes algo de velocidad.</translation>
    </message>
    <message>
        <source>Enable MMX support?</source>
        <translation>¿Activar el soporte de MMX?</translation>
    </message>
    <message>
        <source>Mouse filtering </source>
        <translation>Filtrado del mouse </translation>
    </message>
    <message>
        <source>Mouse filtering averages the positions before and after each movement, which smooths the mouse.</source>
        <translation>El filtrado del mouse promedia las posiciones antes y después de cada movimiento, lo que suaviza el mouse.</translation>
    </message>
    <message>
        <source>Enable mouse filtering?</source>
        <translation>¿Activar el filtrado del mouse?</translation>
    </message>
    <message>
        <source>Joystick</source>
        <translation>Joystick</translation>
    </message>
    <message>
        <source>Most people play with mouse and keyboard rather than a joystick. Disabling joystick support gains speed.</source>
        <translation>La mayoría juega con mouse y teclado en vez de con joystick. Desactivar el soporte de joystick te hace ganar velocidad.</translation>
    </message>
    <message>
        <source>Disable Joystick and gain performance.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>¿Desactivar el joystick y ganar rendimiento.?</translation>
    </message>
    <message>
        <source>Maximum modem framerate </source>
        <translation>FPS máximos con módem </translation>
    </message>
    <message>
        <source>Over a modem, limiting the frame rate lowers your ping, and your frame rate with it. 33 is recommended for 56k modems, where the ping is usually around 160; use lower values for slower modems.</source>
        <translation>Con módem, limitar los FPS baja tu ping, y también tus FPS. Para módems de 56k, donde el ping suele rondar 160, se recomienda 33; usa valores más bajos con módems más lentos.</translation>
    </message>
    <message>
        <source>Max modem framerate:</source>
        <translation>FPS máx. (módem):</translation>
    </message>
    <message>
        <source>Non-modem users should not be concerned with this command.</source>
        <translation>Si no usas módem, no tienes que preocuparte por este comando.</translation>
    </message>
    <message>
        <source>Push Lantency:</source>
        <extracomment>&quot;Lantency&quot; is the original&apos;s typo for &quot;latency&quot;; translate the meaning.</extracomment>
        <translation>Latencia de push:</translation>
    </message>
    <message>
        <source>Prediction</source>
        <translation>Predicción</translation>
    </message>
    <message>
        <source>This setting controls prediction in internet games. Set it between one half and one times your average ping, negated: for a ping of 300, between -150 and -300.</source>
        <translation>Este ajuste controla la predicción en partidas por internet. Ponlo entre la mitad y el total de tu ping medio, en negativo: con un ping de 300, entre -150 y -300.</translation>
    </message>
    <message>
        <source>(You can&apos;t type minus, it is typed by default)</source>
        <translation>(No puedes escribir el signo menos, se pone por defecto)</translation>
    </message>
    <message>
        <source>Allow download</source>
        <translation>Permitir descargas</translation>
    </message>
    <message>
        <source>This setting decides whether decals, maps and models are downloaded when you connect to a server.</source>
        <translation>Este ajuste decide si se descargan decals, mapas y modelos al conectarte a un servidor.</translation>
    </message>
    <message>
        <source>Allow downloading of decals, maps, and models.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>¿Permitir la descarga de decals, mapas y modelos.?</translation>
    </message>
    <message>
        <source>You can now choose to move on to internet tweak section, or you can just quit and save settings now.</source>
        <translation>Ahora puedes pasar a la sección de tweaks de internet, o simplemente salir y guardar los ajustes ya.</translation>
    </message>
    <message>
        <source>Maximum LAN framerate </source>
        <translation>FPS máximos en LAN </translation>
    </message>
    <message>
        <source>The same limit for games on a local network. 45 is recommended; adjust it if the game lags.</source>
        <translation>El mismo límite para partidas en red local. Se recomienda 45; ajústalo si el juego tiene lag.</translation>
    </message>
    <message>
        <source>Max LAN framerate:</source>
        <translation>FPS máx. (LAN):</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>A lower rate usually gives lower pings, because the server sends less data. Recommended are 2500 to 3500 for 28.8 and 33.6 modems, 3000 to 5000 for 56k modems, 5000 and more for faster lines, and about 25,000 for LAN games and ADSL.</source>
        <translation>Un rate más bajo suele dar pings más bajos, porque el servidor envía menos datos. Se recomienda de 2500 a 3500 para módems de 28.8 y 33.6, de 3000 a 5000 para módems de 56k, 5000 o más para conexiones más rápidas y unos 25 000 para partidas en LAN y ADSL.</translation>
    </message>
    <message>
        <source>Rate:</source>
        <translation>Rate:</translation>
    </message>
    <message>
        <source>Allow upload </source>
        <translation>Permitir subidas </translation>
    </message>
    <message>
        <source>This setting decides whether your own decals, maps and models are uploaded when you connect to a server.</source>
        <translation>Este ajuste decide si se suben tus propios decals, mapas y modelos al conectarte a un servidor.</translation>
    </message>
    <message>
        <source>Allow uploading of decals, maps, and models.</source>
        <translation>Permitir la subida de decals, mapas y modelos.</translation>
    </message>
    <message>
        <source>What today&apos;s game does with this setting</source>
        <translation>Qué hace la versión actual del juego con este ajuste</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>&amp;Skip setting</source>
        <translation>&amp;Omitir ajuste</translation>
    </message>
    <message>
        <source>8 Bit 11 kHz </source>
        <translation>8 bits 11 kHz </translation>
    </message>
    <message>
        <source>8 Bit 22 kHz (high quality)</source>
        <translation>8 bits 22 kHz (alta calidad)</translation>
    </message>
    <message>
        <source>16 Bit 11 kHz</source>
        <translation>16 bits 11 kHz</translation>
    </message>
    <message>
        <source>16 Bit 22 kHz (high quality) </source>
        <translation>16 bits 22 kHz (alta calidad) </translation>
    </message>
    <message>
        <source>Sound quality </source>
        <translation>Calidad de sonido </translation>
    </message>
    <message>
        <source>Low-quality sound uses less memory and gives a slight speed gain on some systems. With a PCI sound card or a fast processor there is no reason to give up good sound.</source>
        <translation>El sonido de baja calidad usa menos memoria y da una ligera ganancia de velocidad en algunos sistemas. Con una tarjeta de sonido PCI o un procesador rápido no hay motivo para renunciar a un buen sonido.</translation>
    </message>
    <message>
        <source>You can now choose to move on to sound tweak section, or you can just quit and save settings now.</source>
        <translation>Ahora puedes pasar a la sección de tweaks de sonido, o simplemente salir y guardar los ajustes ya.</translation>
    </message>
    <message>
        <source>Sound Compatibility </source>
        <translation>Compatibilidad de sonido </translation>
    </message>
    <message>
        <source>Some sound cards, the Ensoniq AudioPCI in particular, stutter in games built on the Quake II engine. If yours does, leave the box cleared for maximum compatibility.</source>
        <translation>Con algunas tarjetas de sonido, sobre todo la Ensoniq AudioPCI, el sonido se entrecorta en juegos con el motor de Quake II. Si te pasa con la tuya, deja la casilla sin marcar para la máxima compatibilidad.</translation>
    </message>
    <message>
        <source>Use maximum performance sound? (unchecked means maximum compatibility)</source>
        <translation>¿Usar sonido de máximo rendimiento? (sin marcar significa máxima compatibilidad)</translation>
    </message>
    <message>
        <source>A3D</source>
        <translation>A3D</translation>
    </message>
    <message>
        <source>The game supports A3D 3D sound, reportedly only on Vortex 2 cards. A3D is buggy, so enable it only to try it out.</source>
        <translation>El juego admite el sonido 3D A3D, al parecer solo en tarjetas Vortex 2. A3D tiene fallos, así que actívalo solo para probarlo.</translation>
    </message>
    <message>
        <source>Disable A3D?</source>
        <translation>¿Desactivar A3D?</translation>
    </message>
    <message>
        <source>EAX </source>
        <translation>EAX </translation>
    </message>
    <message>
        <source>EAX is another 3D audio interface, supported by the Sound Blaster Live and other cards.</source>
        <translation>EAX es otra interfaz de audio 3D, compatible con la Sound Blaster Live y otras tarjetas.</translation>
    </message>
    <message>
        <source>Disable EAX?</source>
        <translation>¿Desactivar EAX?</translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation>Reverberación</translation>
    </message>
    <message>
        <source>Reverb adds echo to the sound. It does little in this game, and turning it off can gain a little speed.</source>
        <translation>La reverberación añade eco al sonido. Aporta poco en este juego, y desactivarla puede hacerte ganar algo de velocidad.</translation>
    </message>
    <message>
        <source>Disable reverb?</source>
        <translation>¿Desactivar la reverberación?</translation>
    </message>
    <message>
        <source>Brightness must be under 4 and over 0</source>
        <translation>El brillo debe ser menor que 4 y mayor que 0</translation>
    </message>
    <message>
        <source>Gamma must be under 4 and over 0</source>
        <translation>La gamma debe ser menor que 4 y mayor que 0</translation>
    </message>
    <message>
        <source>From now on, you have to answer a couple of questions. Plz, do it carefully. This program do not take any responsebillity if your computer migth be damaged.</source>
        <extracomment>The original&apos;s misspellings (&quot;Plz&quot;, &quot;do not&quot;, &quot;responsebillity&quot;, &quot;migth&quot;) are deliberate; write it correctly.</extracomment>
        <translation>A partir de ahora tienes que responder unas cuantas preguntas. Por favor, hazlo con cuidado. Este programa no se hace responsable de posibles daños a tu equipo.</translation>
    </message>
    <message>
        <source>Zentrimo was made by Vaskor. Thank you for using it!</source>
        <translation>Zentrimo fue creado por Vaskor. ¡Gracias por usarlo!</translation>
    </message>
    <message>
        <source>Found a bug, or have a comment? Please report it to whoever gave you this program, or on the project&apos;s issue tracker.</source>
        <translation>¿Has encontrado un error o tienes algún comentario? Por favor, comunícalo a quien te dio este programa o en el gestor de incidencias del proyecto.</translation>
    </message>
    <message>
        <source>&amp;Start Tweak</source>
        <translation>&amp;Iniciar tweak</translation>
    </message>
    <message>
        <source>&amp;Check game</source>
        <translation>&amp;Comprobar juego</translation>
    </message>
    <message>
        <source>Restore &amp;points...</source>
        <translation>&amp;Puntos de restauración...</translation>
    </message>
    <message>
        <source>&amp;Uninstall</source>
        <translation>&amp;Desinstalar</translation>
    </message>
    <message>
        <source>Uninstall Tweak if installed:</source>
        <translation>Desinstalar el tweak si está instalado:</translation>
    </message>
    <message>
        <source>Decals, bulletholes, and explosion scars... </source>
        <translation>Decals, agujeros de bala y marcas de explosiones... </translation>
    </message>
    <message>
        <source>Make sure to limit the number of decals, bulletholes, and explosion scars.</source>
        <translation>Asegúrate de limitar el número de decals, agujeros de bala y marcas de explosiones.</translation>
    </message>
    <message>
        <source>Maximum number of decals on screen at a time (recommended 200 to 500)</source>
        <translation>Número máximo de decals en pantalla a la vez (se recomienda de 200 a 500)</translation>
    </message>
    <message>
        <source>You will gain a 10% to 15% improvement in performance, especially in lengthy matches. See the pics below:</source>
        <translation>Ganarás entre un 10% y un 15% de rendimiento, sobre todo en partidas largas. Mira las imágenes de abajo:</translation>
    </message>
    <message>
        <source>Decals etc. enabled:</source>
        <translation>Decals, etc. activados:</translation>
    </message>
    <message>
        <source>Decals etc. disabled:</source>
        <translation>Decals, etc. desactivados:</translation>
    </message>
    <message>
        <source>Dynamic lighting </source>
        <translation>Iluminación dinámica </translation>
    </message>
    <message>
        <source>With dynamic lighting, lit things such as muzzle flashes and explosions throw their light onto the walls and objects near them. Switching it off gains speed, but your flashlight stops working. The pictures show the glow on the wall.</source>
        <translation>Con la iluminación dinámica, las cosas que emiten luz, como los fogonazos de los disparos y las explosiones, proyectan su luz sobre las paredes y objetos cercanos. Desactivarla te hace ganar velocidad, pero tu linterna deja de funcionar. Las imágenes muestran el resplandor en la pared.</translation>
    </message>
    <message>
        <source>Disable dynamic lighting and gain performance?</source>
        <translation>¿Desactivar la iluminación dinámica y ganar rendimiento?</translation>
    </message>
    <message>
        <source>Do you want to disable dynamic lighting?</source>
        <translation>¿Quieres desactivar la iluminación dinámica?</translation>
    </message>
    <message>
        <source>Dynamic Enabled:</source>
        <translation>Dinámica activada:</translation>
    </message>
    <message>
        <source>Dynamic Disabled:</source>
        <translation>Dinámica desactivada:</translation>
    </message>
    <message>
        <source>Weapon visibility </source>
        <translation>Visibilidad del arma </translation>
    </message>
    <message>
        <source>The weapon in your hands blocks part of your view. Hiding it gains 3 to 5 frames per second, or even more. See the pictures below.</source>
        <translation>El arma en tus manos tapa parte de la vista. Ocultarla te hace ganar de 3 a 5 FPS, o incluso más. Mira las imágenes de abajo.</translation>
    </message>
    <message>
        <source>Make weapon invisible and gain performance?</source>
        <translation>¿Hacer invisible el arma y ganar rendimiento?</translation>
    </message>
    <message>
        <source>Do you want to be able to see your weapon during the game?</source>
        <translation>¿Quieres ver tu arma durante la partida?</translation>
    </message>
    <message>
        <source>Visible weapon:</source>
        <translation>Arma visible:</translation>
    </message>
    <message>
        <source>Invisible weapon:</source>
        <translation>Arma invisible:</translation>
    </message>
    <message>
        <source>Collinear vertexes </source>
        <translation>Vértices colineales </translation>
    </message>
    <message>
        <source>Keeping collinear vertexes fills the gaps and reduces the cracks between polygons. Switching it off can gain some speed, at the price of some visible cracking.</source>
        <translation>Mantener los vértices colineales rellena los huecos y reduce las grietas entre polígonos. Desactivarlo puede hacerte ganar algo de velocidad, a costa de algunas grietas visibles.</translation>
    </message>
    <message>
        <source>Disable collinear vertexes?</source>
        <translation>¿Desactivar los vértices colineales?</translation>
    </message>
    <message>
        <source>You may gain around 1 or 2 FPS from disabling this.</source>
        <translation>Si desactivas esto, puedes ganar alrededor de 1 o 2 FPS.</translation>
    </message>
    <message>
        <source>Shadows</source>
        <translation>Sombras</translation>
    </message>
    <message>
        <source>Shadows are off by default in the game. They look unrealistic and are best used only when you really need them.</source>
        <translation>Las sombras están desactivadas por defecto en el juego. Se ven poco realistas y es mejor usarlas solo cuando de verdad las necesites.</translation>
    </message>
    <message>
        <source>Disable shadows and gain performance.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>¿Desactivar las sombras y ganar rendimiento.?</translation>
    </message>
    <message>
        <source>Shadows enabled:</source>
        <translation>Sombras activadas:</translation>
    </message>
    <message>
        <source>Shadows disabled:</source>
        <translation>Sombras desactivadas:</translation>
    </message>
    <message>
        <source>Enabling gl_texsort gives much brighter images, at a large cost in speed. Some video cards need it switched on, others switched off: if your card has problems, try both.</source>
        <translation>Activar gl_texsort da imágenes mucho más brillantes, a costa de perder mucha velocidad. Algunas tarjetas gráficas lo necesitan activado y otras desactivado: si tu tarjeta tiene problemas, prueba ambas opciones.</translation>
    </message>
    <message>
        <source>Disable gl_texsort and gain performance?</source>
        <translation>¿Desactivar gl_texsort y ganar rendimiento?</translation>
    </message>
    <message>
        <source>gl_texsort enabled:</source>
        <translation>gl_texsort activado:</translation>
    </message>
    <message>
        <source>gl_texsort disabled:</source>
        <translation>gl_texsort desactivado:</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Desplazamiento</translation>
    </message>
    <message>
        <source>The offset of textures and decals fixes decals that show through walls or are drawn wrongly. It has little or no effect on speed.</source>
        <translation>El desplazamiento de texturas y decals corrige los decals que se ven a través de las paredes o se dibujan mal. Tiene poco o ningún efecto en la velocidad.</translation>
    </message>
    <message>
        <source>Poly-Offset:</source>
        <translation>Despl. de polígonos:</translation>
    </message>
    <message>
        <source>Poly-Offset Must be between -25 and 25</source>
        <translation>El desplazamiento de polígonos debe estar entre -25 y 25</translation>
    </message>
    <message>
        <source>4 is the default for video cards without problems. If your card has problems, try -1, 20 or 5, and then experiment.</source>
        <translation>4 es el valor por defecto para tarjetas gráficas sin problemas. Si tu tarjeta tiene problemas, prueba -1, 20 o 5, y luego experimenta.</translation>
    </message>
    <message>
        <source>Brightness/Gamma </source>
        <translation>Brillo/gamma </translation>
    </message>
    <message>
        <source>Brightness lightens only the characters, weapons and objects. Gamma lightens everything; it ranges from 0 to 4 and costs no speed.</source>
        <translation>El brillo aclara solo los personajes, las armas y los objetos. La gamma lo aclara todo; va de 0 a 4 y no cuesta velocidad.</translation>
    </message>
    <message>
        <source>Brightness (higher is brighter)</source>
        <translation>Brillo (más alto = más claro)</translation>
    </message>
    <message>
        <source>Gamma (higher is brighter)</source>
        <translation>Gamma (más alto = más claro)</translation>
    </message>
    <message>
        <source>Brightness 2 with gamma 4 is recommended for dark video cards.</source>
        <translation>Para tarjetas gráficas oscuras se recomienda brillo 2 con gamma 4.</translation>
    </message>
    <message>
        <source>Texture Gamma/Light Gamma </source>
        <translation>Gamma de texturas/gamma de iluminación </translation>
    </message>
    <message>
        <source>Texture gamma sets the gamma of all textures, light gamma that of the lighting. Neither has any effect on speed.</source>
        <translation>La gamma de texturas ajusta la gamma de todas las texturas; la gamma de iluminación, la de la iluminación. Ninguna afecta a la velocidad.</translation>
    </message>
    <message>
        <source>Texture Gamma (lower is brighter)</source>
        <translation>Gamma de texturas (más bajo = más claro)</translation>
    </message>
    <message>
        <source>Light Gamma (lower is brighter)</source>
        <translation>Gamma de iluminación (más bajo = más claro)</translation>
    </message>
    <message>
        <source>If you chose brightness 2 and gamma 4 on the previous page, try 3 and 2 here; otherwise keep 2 and 2.5, the defaults.</source>
        <translation>Si en la página anterior elegiste brillo 2 y gamma 4, prueba aquí 3 y 2; si no, deja 2 y 2.5, los valores por defecto.</translation>
    </message>
    <message>
        <source>Pic mip </source>
        <translation>Pic mip </translation>
    </message>
    <message>
        <source>Pic mip sets the overall texture quality. 2 gains a little speed at a severe loss of image quality; newer video cards gain nothing above 0, which is recommended.</source>
        <translation>Pic mip ajusta la calidad general de las texturas. Con 2 se gana un poco de velocidad a costa de una gran pérdida de calidad de imagen; las tarjetas gráficas más nuevas no ganan nada por encima de 0, que es lo recomendado.</translation>
    </message>
    <message>
        <source>Pic mip:</source>
        <translation>Pic mip:</translation>
    </message>
    <message>
        <source>Pic mip must be between 0 and 10</source>
        <translation>Pic mip debe estar entre 0 y 10</translation>
    </message>
    <message>
        <source>If your system crashes, run this tweak again and set this to default.</source>
        <translation>Si tu sistema se cuelga, vuelve a ejecutar este tweak y pon esto en su valor por defecto.</translation>
    </message>
    <message>
        <source>ZTrick </source>
        <translation>ZTrick </translation>
    </message>
    <message>
        <source>Skipping it can gain a good amount of speed, but on some video cards it makes textures and distant objects flicker. The pictures show a distant sign that flickers.</source>
        <translation>Omitir el borrado del búfer Z puede hacerte ganar bastante velocidad, pero en algunas tarjetas gráficas hace parpadear las texturas y los objetos lejanos. Las imágenes muestran un cartel lejano que parpadea.</translation>
    </message>
    <message>
        <source>Enable ZTrick and gain performance.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>¿Activar ZTrick y ganar rendimiento.?</translation>
    </message>
    <message>
        <source>ZTrick is a command to skip the clearing of the Z-buffer.</source>
        <translation>ZTrick es un comando para omitir el borrado del búfer Z.</translation>
    </message>
    <message>
        <source>Ztrick enabled</source>
        <translation>Ztrick activado</translation>
    </message>
    <message>
        <source>Ztrick disabled:</source>
        <translation>Ztrick desactivado:</translation>
    </message>
    <message>
        <source>Texture Mode </source>
        <translation>Modo de texturas </translation>
    </message>
    <message>
        <source>The texture mode is the drawing mode of your video hardware. Nearest neighbor interpolation looks blocky and jagged; linear interpolation looks smooth.</source>
        <translation>El modo de texturas es el modo de dibujo de tu hardware gráfico. La interpolación por vecino más cercano se ve pixelada y dentada; la interpolación lineal se ve suave.</translation>
    </message>
    <message>
        <source>Nearest neighbor interpolation for bilinear hardware?</source>
        <translation>¿Interpolación por vecino más cercano para hardware bilineal?</translation>
    </message>
    <message>
        <source>Linear interpolation for bilinear hardware.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>¿Interpolación lineal para hardware bilineal.?</translation>
    </message>
    <message>
        <source>Nearest neighbor interpolation for trilinear hardware.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>¿Interpolación por vecino más cercano para hardware trilineal.?</translation>
    </message>
    <message>
        <source>Linear interpolation for trilinear hardware.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>¿Interpolación lineal para hardware trilineal.?</translation>
    </message>
    <message>
        <source>High quality player models </source>
        <translation>Modelos de jugador de alta calidad </translation>
    </message>
    <message>
        <source>Player models come in high and low quality, with little visible difference. Low quality models save texture memory: cards with much texture memory lose little by using them, cards with little texture memory gain speed.</source>
        <translation>Los modelos de jugador vienen en alta y baja calidad, con poca diferencia visible. Los modelos de baja calidad ahorran memoria de texturas: las tarjetas con mucha memoria de texturas pierden poco al usarlos, y las que tienen poca ganan velocidad.</translation>
    </message>
    <message>
        <source>Use low quality models.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>¿Usar modelos de baja calidad.?</translation>
    </message>
    <message>
        <source>Direct3D Flip </source>
        <translation>Direct3D Flip </translation>
    </message>
    <message>
        <source>If your mouse input lags two to three seconds behind, your video card needs Direct3D flip enabled.</source>
        <translation>Si tu mouse responde con dos o tres segundos de retraso, tu tarjeta gráfica necesita tener activado Direct3D flip.</translation>
    </message>
    <message>
        <source>Enable Direct3D flip to correct input problems.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>¿Activar Direct3D flip para corregir problemas de control.?</translation>
    </message>
</context>
<context>
    <name>wizard::GameReportWindow</name>
    <message>
        <source>What the game will use when it starts</source>
        <translation>Lo que usará el juego al iniciarse</translation>
    </message>
    <message>
        <source>&amp;Fix chosen</source>
        <translation>Corregir &amp;marcados</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemas</translation>
    </message>
    <message>
        <source>Filter the settings</source>
        <translation>Filtrar los ajustes</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ajuste</translation>
    </message>
    <message>
        <source>Value the game will use</source>
        <translation>Valor que usará el juego</translation>
    </message>
    <message>
        <source>Set by</source>
        <translation>Ajustado por</translation>
    </message>
    <message>
        <source>What today&apos;s game does</source>
        <translation>Qué hace la versión actual del juego</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Scripts</source>
        <translation>Scripts</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Co&amp;py report</source>
        <translation>Co&amp;piar informe</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Tick the problems you want Zentrimo to fix, then press &quot;Fix chosen&quot;.</source>
        <translation>Marca los problemas que quieres que Zentrimo corrija y luego haz clic en &quot;Corregir marcados&quot;.</translation>
    </message>
    <message>
        <source>Zentrimo will change the lines shown under &quot;Show Details...&quot;. Do you want to change them?</source>
        <translation>Zentrimo cambiará las líneas que se muestran en &quot;Mostrar detalles...&quot;. ¿Quieres cambiarlas?</translation>
    </message>
    <message>
        <source>The game is running from this folder. Quit the game first: it rewrites its scripts when it quits. Nothing was changed.</source>
        <translation>El juego se está ejecutando desde esta carpeta. Ciérralo primero: reescribe sus scripts al cerrarse. No se cambió nada.</translation>
    </message>
</context>
<context>
    <name>wizard::RestoreWindow</name>
    <message>
        <source>Restore points of the game&apos;s scripts, newest first</source>
        <translation>Puntos de restauración de los scripts del juego, del más reciente al más antiguo</translation>
    </message>
    <message>
        <source>What restoring it would change:</source>
        <translation>Lo que cambiaría restaurarlo:</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>There are no restore points yet: Zentrimo keeps one before every change it makes to the game&apos;s scripts.</source>
        <translation>Todavía no hay puntos de restauración: Zentrimo guarda uno antes de cada cambio que hace en los scripts del juego.</translation>
    </message>
    <message>
        <source>This restore point is damaged: its files are not as they were written, so it cannot be restored.</source>
        <translation>Este punto de restauración está dañado: sus archivos no están como se escribieron, así que no se puede restaurar.</translation>
    </message>
    <message>
        <source>Zentrimo will put the game&apos;s scripts back as they were at this restore point, as shown under &quot;Show Details...&quot;, after keeping what they hold now as a new restore point. Do you want to restore it?</source>
        <translation>Zentrimo devolverá los scripts del juego al estado de este punto de restauración, como se muestra en &quot;Mostrar detalles...&quot;, después de guardar lo que contienen ahora como un nuevo punto de restauración. ¿Quieres restaurarlo?</translation>
    </message>
</context>
<context>
    <name>wizard::SectionStartPage</name>
    <message>
        <source>You have to install the tweak before you try to uninstall it --&gt; No tweak installed</source>
        <translation>Tienes que instalar el tweak antes de intentar desinstalarlo --&gt; No hay ningún tweak instalado</translation>
    </message>
    <message>
        <source>Tweak have been succesfully uninstalled</source>
        <extracomment>&quot;Tweak have been succesfully&quot; is the original&apos;s grammar and typo; write it correctly.</extracomment>
        <translation>El tweak se desinstaló correctamente</translation>
    </message>
    <message>
        <source>Do you want to apply settings before quit?</source>
        <translation>¿Quieres aplicar los ajustes antes de salir?</translation>
    </message>
</context>
<context>
    <name>workspace</name>
    <message>
        <source>The game folder %1 has no restore points yet.</source>
        <translation>La carpeta del juego %1 todavía no tiene puntos de restauración.</translation>
    </message>
    <message>
        <source>Restore points of %1, newest first:</source>
        <translation>Puntos de restauración de %1, del más reciente al más antiguo:</translation>
    </message>
    <message>
        <source>%1  %2  made before %3</source>
        <extracomment>A restore point: its id, its time, and what made it (apply, uninstall, restore, fix).</extracomment>
        <translation>%1  %2  creado antes de la operación %3</translation>
    </message>
    <message>
        <source>%1  %2  made before %3  damaged: it cannot be restored</source>
        <translation>%1  %2  creado antes de la operación %3  dañado: no se puede restaurar</translation>
    </message>
    <message>
        <source>%1  damaged: it cannot be restored</source>
        <translation>%1  dañado: no se puede restaurar</translation>
    </message>
    <message>
        <source>The game&apos;s scripts are back as they were at restore point %1. What they held before is kept as a new restore point.</source>
        <translation>Los scripts del juego han vuelto al estado del punto de restauración %1. Lo que contenían antes queda guardado como un nuevo punto de restauración.</translation>
    </message>
    <message>
        <source>This game folder has no restore point %1. Nothing was changed. `zentrimo --restore-points` lists them.</source>
        <translation>Esta carpeta del juego no tiene el punto de restauración %1. No se cambió nada. `zentrimo --restore-points` los lista.</translation>
    </message>
    <message>
        <source>Restore point %1 is damaged: its files are not as they were written, so it cannot be restored. Nothing was changed.</source>
        <translation>El punto de restauración %1 está dañado: sus archivos no están como se escribieron, así que no se puede restaurar. No se cambió nada.</translation>
    </message>
    <message>
        <source>Counter-Strike is running. Close it first: it saves its settings when it quits, and would undo the uninstall.</source>
        <translation>Counter-Strike se está ejecutando. Ciérralo primero: guarda sus ajustes al cerrarse y desharía la desinstalación.</translation>
    </message>
    <message>
        <source>Counter-Strike is running. Close it first: it saves its settings when it quits, and would undo the uninstall. Nothing was changed.</source>
        <translation>Counter-Strike se está ejecutando. Ciérralo primero: guarda sus ajustes al cerrarse y desharía la desinstalación. No se cambió nada.</translation>
    </message>
    <message>
        <source>Restoring this point changes nothing: every file is as it holds it.</source>
        <translation>Restaurar este punto no cambia nada: todos los archivos están tal como este punto los guarda.</translation>
    </message>
    <message>
        <source>The lines of this run could not be read: %1</source>
        <translation>No se pudieron leer las líneas de esta ejecución: %1</translation>
    </message>
    <message>
        <source>Counter-Strike is running: the settings take effect at its next start.</source>
        <translation>Counter-Strike se está ejecutando: los ajustes tendrán efecto la próxima vez que se inicie.</translation>
    </message>
    <message>
        <source>@@ line %1 @@</source>
        <extracomment>The head of a change in a diff: &quot;@@ line 12 @@&quot;.</extracomment>
        <translation>@@ línea %1 @@</translation>
    </message>
</context>
</TS>
