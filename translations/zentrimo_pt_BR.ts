<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ConsoleOptions</name>
    <message>
        <source>Displays help on the command line options.</source>
        <translation>Mostra a ajuda das opções de linha de comando.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra informações sobre a versão.</translation>
    </message>
    <message>
        <source>Prints what the game will use when it starts, and which file sets each setting.</source>
        <translation>Mostra o que o jogo vai usar ao iniciar e qual arquivo define cada configuração.</translation>
    </message>
    <message>
        <source>Applies the report&apos;s fix ID (again for more, or all), and prints the lines it changes. The JSON report lists the ids.</source>
        <translation>Aplica a correção ID do relatório (repita a opção para mais correções, ou use all) e mostra as linhas que ela altera. O relatório JSON lista os IDs.</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>With --fix: prints the lines it would change, and changes nothing.</source>
        <translation>Com --fix: mostra as linhas que seriam alteradas e não altera nada.</translation>
    </message>
    <message>
        <source>Lists the restore points of the game folder, newest first: one is kept before every change.</source>
        <translation>Lista os pontos de restauração da pasta do jogo, do mais recente ao mais antigo: um é criado antes de cada alteração.</translation>
    </message>
    <message>
        <source>Puts the game&apos;s scripts back as restore point ID holds them.</source>
        <translation>Devolve os scripts do jogo ao estado guardado no ponto de restauração ID.</translation>
    </message>
    <message>
        <source>With --report or --restore-points: as one JSON object.</source>
        <translation>Com --report ou --restore-points: como um único objeto JSON.</translation>
    </message>
    <message>
        <source>Shows the program in language CODE: %1.</source>
        <translation>Mostra o programa no idioma CÓDIGO: %1.</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>CÓDIGO</translation>
    </message>
    <message>
        <source>Tunes Counter-Strike through its start-up script.</source>
        <translation>Ajusta o Counter-Strike por meio do script de inicialização dele.</translation>
    </message>
    <message>
        <source>With --report, --fix, --restore-points or --restore: the game folder; else the one the start window would find.</source>
        <translation>Com --report, --fix, --restore-points ou --restore: a pasta do jogo; senão, a que a janela inicial encontraria.</translation>
    </message>
    <message>
        <source>[GAMEROOT]</source>
        <translation>[PASTA_DO_JOGO]</translation>
    </message>
    <message>
        <source>There is no language %1; give one of %2.</source>
        <translation>Não existe o idioma %1; informe um destes: %2.</translation>
    </message>
    <message>
        <source>Give only one of --report, --fix, --restore-points and --restore.</source>
        <translation>Informe só uma das opções --report, --fix, --restore-points e --restore.</translation>
    </message>
    <message>
        <source>--json goes only with --report or --restore-points.</source>
        <translation>--json só funciona com --report ou --restore-points.</translation>
    </message>
    <message>
        <source>--dry-run goes only with --fix.</source>
        <translation>--dry-run só funciona com --fix.</translation>
    </message>
    <message>
        <source>A game folder goes only with --report, --fix, --restore-points or --restore: %1</source>
        <translation>Uma pasta do jogo só pode ser informada com --report, --fix, --restore-points ou --restore: %1</translation>
    </message>
    <message numerus="yes">
        <source>Give one game folder, not %n.</source>
        <translation>
            <numerusform>Informe uma pasta do jogo, não %n.</numerusform>
            <numerusform>Informe uma pasta do jogo, não %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DirectoryList</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Não é possível ler %1: %2</translation>
    </message>
</context>
<context>
    <name>DirectoryPage</name>
    <message>
        <source>Your current half-life directory:</source>
        <translation>Sua pasta atual do Half-Life:</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Avançar</translation>
    </message>
    <message>
        <source>Half-life root not found, try specify another dir. Or choose another cstrike version</source>
        <extracomment>Deliberately as the old tool words it, its faults included.</extracomment>
        <translation>Pasta raiz do Half-Life não encontrada, tente indicar outra pasta. Ou escolha outra versão do cstrike</translation>
    </message>
    <message>
        <source>Couldn&apos;t find counter-strike config file, try specify another path</source>
        <translation>Não foi possível encontrar o arquivo de configuração do Counter-Strike, tente indicar outro caminho</translation>
    </message>
</context>
<context>
    <name>DriveList</name>
    <message>
        <source>Volume (%1)</source>
        <translation>Volume (%1)</translation>
    </message>
    <message>
        <source>Home (%1)</source>
        <translation>Pasta pessoal (%1)</translation>
    </message>
</context>
<context>
    <name>ErrorBoundary</name>
    <message>
        <source>Error %1: %2
%3</source>
        <translation>Erro %1: %2
%3</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Choose your half-life root directory:</source>
        <translation>Escolha a pasta raiz do seu Half-Life:</translation>
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
        <translation>Biblioteca da Steam (%1)</translation>
    </message>
    <message>
        <source>Wine %1 (%2)</source>
        <translation>Wine %1 (%2)</translation>
    </message>
    <message>
        <source>Error %1: the registry could not be read.</source>
        <translation>Erro %1: não foi possível ler o registro.</translation>
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
        <translation>Omitir as linhas que não fazem nada</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>Mostrar &amp;detalhes...</translation>
    </message>
    <message>
        <source>Hide &amp;Details...</source>
        <translation>Ocultar &amp;detalhes...</translation>
    </message>
</context>
<context>
    <name>MusicLoop</name>
    <message>
        <source>%1 is missing!</source>
        <translation>O arquivo %1 está faltando!</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Zentrimo finds nothing to fix in the game&apos;s scripts.</source>
        <translation>O Zentrimo não encontra nada para corrigir nos scripts do jogo.</translation>
    </message>
    <message>
        <source>the game</source>
        <translation>o jogo</translation>
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
        <translation>uma linha exec em um script anterior</translation>
    </message>
    <message>
        <source>valve.rc&apos;s stuffcmds</source>
        <translation>o stuffcmds do valve.rc</translation>
    </message>
    <message>
        <source>%1. %2, run by %3</source>
        <translation>%1. %2, executado por: %3</translation>
    </message>
    <message>
        <source>Restore point %1 is damaged: it cannot be restored.</source>
        <translation>O ponto de restauração %1 está danificado: não é possível restaurá-lo.</translation>
    </message>
    <message>
        <source>%1, made before %2, is damaged: it cannot be restored.</source>
        <translation>%1, criado antes da operação %2, está danificado: não é possível restaurá-lo.</translation>
    </message>
    <message>
        <source>%1, made before %2: every file is as it is today.</source>
        <translation>%1, criado antes da operação %2: todos os arquivos estão como estão hoje.</translation>
    </message>
    <message>
        <source>%1, made before %2: differs from today in %3.</source>
        <translation>%1, criado antes da operação %2: difere do estado atual em: %3.</translation>
    </message>
</context>
<context>
    <name>StartWindow</name>
    <message>
        <source>Retail Cstrike</source>
        <translation>Cstrike de caixa</translation>
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
        <translation>&amp;Avançar</translation>
    </message>
    <message>
        <source>Cstrike Versions:</source>
        <translation>Versões do Cstrike:</translation>
    </message>
</context>
<context>
    <name>console</name>
    <message>
        <source>The report proposes no fix %1; zentrimo --report --json lists them.</source>
        <translation>O relatório não propõe nenhuma correção %1; zentrimo --report --json lista as correções.</translation>
    </message>
    <message>
        <source>Nothing was changed (--dry-run).</source>
        <translation>Nada foi alterado (--dry-run).</translation>
    </message>
    <message>
        <source>The game is running from %1: quit it first, since it rewrites its scripts when it quits. Nothing was changed.</source>
        <translation>O jogo está em execução a partir de %1: feche-o primeiro, pois ele regrava os scripts ao sair. Nada foi alterado.</translation>
    </message>
    <message numerus="yes">
        <source>Applied %n fixes.</source>
        <translation>
            <numerusform>%n correção aplicada.</numerusform>
            <numerusform>%n correções aplicadas.</numerusform>
        </translation>
    </message>
    <message>
        <source>The report now proposes no fix.</source>
        <translation>O relatório não propõe mais nenhuma correção.</translation>
    </message>
    <message numerus="yes">
        <source>The report now proposes %n fixes.</source>
        <translation>
            <numerusform>O relatório agora propõe %n correção.</numerusform>
            <numerusform>O relatório agora propõe %n correções.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences, the fixes applied and those the report still proposes.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The changes could not be written to the console.</source>
        <translation>Não foi possível escrever as alterações no console.</translation>
    </message>
    <message>
        <source>%1 holds no cstrike/config.cfg: it is not the game&apos;s folder. Give the Half-Life folder that holds cstrike.</source>
        <translation>%1 não contém cstrike/config.cfg: não é a pasta do jogo. Informe a pasta do Half-Life que contém cstrike.</translation>
    </message>
    <message>
        <source>The report could not be written.</source>
        <translation>Não foi possível escrever o relatório.</translation>
    </message>
    <message>
        <source>The restore points could not be written.</source>
        <translation>Não foi possível escrever os pontos de restauração.</translation>
    </message>
</context>
<context>
    <name>game</name>
    <message>
        <source>%1 (%2) takes effect.</source>
        <translation>A configuração %1 (%2) tem efeito.</translation>
    </message>
    <message>
        <source>Today&apos;s game has no %1 (%2) and ignores the line without a word: press &quot;Skip setting&quot;, or delete the line from your script. %3</source>
        <translation>A versão atual do jogo não tem a configuração %1 (%2) e ignora a linha sem avisar: clique em &quot;Pular configuração&quot; ou apague a linha do seu script. %3</translation>
    </message>
    <message>
        <source>Today&apos;s game may have no %1 (%2) and then ignores the line without a word: press &quot;Skip setting&quot;, or delete the line from your script. %3</source>
        <translation>A versão atual do jogo pode não ter a configuração %1 (%2) e, nesse caso, ignora a linha sem avisar: clique em &quot;Pular configuração&quot; ou apague a linha do seu script. %3</translation>
    </message>
    <message>
        <source>Today&apos;s game always uses %3 for %1 (%2), whatever a script sets: press &quot;Skip setting&quot;, or delete the line from your script.</source>
        <translation>A versão atual do jogo sempre usa %3 para a configuração %1 (%2), seja qual for o valor definido por um script: clique em &quot;Pular configuração&quot; ou apague a linha do seu script.</translation>
    </message>
    <message>
        <source>%1 (%2) has no effect in today&apos;s game: press &quot;Skip setting&quot;, or delete the line from your script. %3</source>
        <translation>A configuração %1 (%2) não tem efeito na versão atual do jogo: clique em &quot;Pular configuração&quot; ou apague a linha do seu script. %3</translation>
    </message>
    <message>
        <source>At every map, today&apos;s game replaces %1 (%2) with your own saved setting %3 (%4 in a game with one slot): press &quot;Skip setting&quot; and set %3 in the game&apos;s console instead.</source>
        <translation>A cada mapa, a versão atual do jogo substitui a configuração %1 (%2) pela configuração %3 que você salvou (%4 em um jogo com um slot): clique em &quot;Pular configuração&quot; e, em vez disso, defina %3 no console do jogo.</translation>
    </message>
    <message>
        <source>Today&apos;s game uses %3 for %1 (%2), not %4.</source>
        <translation>A versão atual do jogo usa %3 para a configuração %1 (%2), e não %4.</translation>
    </message>
    <message>
        <source>On a server with more than one slot, bots included, today&apos;s game uses %3 for %1 (%2), not %4.</source>
        <translation>Em um servidor com mais de um slot, contando os bots, a versão atual do jogo usa %3 para a configuração %1 (%2), e não %4.</translation>
    </message>
    <message>
        <source>Today&apos;s game refuses %1 (%2) on any server with more than one slot, even an empty one or a bot game: it works only in a game with one slot.</source>
        <translation>A versão atual do jogo recusa a configuração %1 (%2) em qualquer servidor com mais de um slot, mesmo vazio ou em um jogo com bots: ela só funciona em um jogo com um slot.</translation>
    </message>
    <message>
        <source>Right after the scripts, today&apos;s game puts back the %1 (%2) it kept at its last quit: set it in the game&apos;s console while you play, and the game keeps that one.</source>
        <translation>Logo depois dos scripts, a versão atual do jogo restaura a configuração %1 (%2) que guardou ao sair pela última vez: defina-a no console do jogo enquanto joga, e o jogo mantém esse valor.</translation>
    </message>
    <message>
        <source>Right after the scripts, today&apos;s game may put back the %1 (%2) it kept at its last quit: set it in the game&apos;s console while you play, and the game keeps that one.</source>
        <translation>Logo depois dos scripts, a versão atual do jogo pode restaurar a configuração %1 (%2) que guardou ao sair pela última vez: defina-a no console do jogo enquanto joga, e o jogo mantém esse valor.</translation>
    </message>
    <message>
        <source>With %1 (%2) at %3, expect %4.</source>
        <translation>Com a configuração %1 (%2) em %3, espere: %4.</translation>
    </message>
    <message>
        <source>With %1 (%2) at %3, you may get %4.</source>
        <translation>Com a configuração %1 (%2) em %3, você pode ter: %4.</translation>
    </message>
    <message>
        <source>The game&apos;s own default is the first option.</source>
        <translation>O padrão do próprio jogo é a primeira opção.</translation>
    </message>
    <message>
        <source>The game&apos;s own default is the second option.</source>
        <translation>O padrão do próprio jogo é a segunda opção.</translation>
    </message>
    <message>
        <source>The game&apos;s own default is the third option.</source>
        <translation>O padrão do próprio jogo é a terceira opção.</translation>
    </message>
    <message>
        <source>The game&apos;s own default is the last option.</source>
        <translation>O padrão do próprio jogo é a última opção.</translation>
    </message>
    <message>
        <source>Zentrimo does not know what today&apos;s game does with this line.</source>
        <translation>O Zentrimo não sabe o que a versão atual do jogo faz com esta linha.</translation>
    </message>
    <message>
        <source>This run wrote no lines.</source>
        <translation>Esta execução não gravou nenhuma linha.</translation>
    </message>
    <message>
        <source>Lines: %1. They take effect: %2. Changed by the game: %3. Without effect: %4. Not in today&apos;s game: %5.</source>
        <translation>Linhas: %1. Têm efeito: %2. Alteradas pelo jogo: %3. Sem efeito: %4. Não existem na versão atual do jogo: %5.</translation>
    </message>
    <message>
        <source>Lines: %1. They take effect: %2. Changed by the game: %3. Without effect: %4. Not in today&apos;s game: %5. Unknown to Zentrimo: %6.</source>
        <translation>Linhas: %1. Têm efeito: %2. Alteradas pelo jogo: %3. Sem efeito: %4. Não existem na versão atual do jogo: %5. Desconhecidas pelo Zentrimo: %6.</translation>
    </message>
    <message>
        <source>The key %1 joins a server (%3), and a server may have bound it so: bind it back to the game&apos;s own %2.</source>
        <translation>A tecla %1 conecta a um servidor (%3), e um servidor pode ter feito esse bind: volte o bind dela para o padrão do jogo, %2.</translation>
    </message>
    <message>
        <source>The key %1 joins a server (%2), and a server may have bound it so: take the line out; the game names no default for the key, so it is left unbound.</source>
        <translation>A tecla %1 conecta a um servidor (%2), e um servidor pode ter feito esse bind: remova a linha; o jogo não define um padrão para essa tecla, então ela fica sem bind.</translation>
    </message>
    <message>
        <source>The alias %1 joins a server (%2), and a server may have put it there: take the line out.</source>
        <translation>O alias %1 conecta a um servidor (%2), e um servidor pode tê-lo colocado aí: remova a linha.</translation>
    </message>
    <message>
        <source>%1 joins a server whenever the game starts (%2), and a server may have put it there: take the line out.</source>
        <translation>%1 conecta a um servidor sempre que o jogo inicia (%2), e um servidor pode ter colocado isso aí: remova a linha.</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n lines after exec userconfig.cfg, where the game writes none, and a server may have added them: take them out.</source>
        <translation>
            <numerusform>%1 tem %n linha depois de exec userconfig.cfg, onde o jogo não escreve nada, e um servidor pode tê-la adicionado: remova-a.</numerusform>
            <numerusform>%1 tem %n linhas depois de exec userconfig.cfg, onde o jogo não escreve nada, e um servidor pode tê-las adicionado: remova-as.</numerusform>
        </translation>
    </message>
    <message>
        <source>Servers may run commands in your game that the filter (cl_filterstuffcmd) would stop (%1): set it to 1.</source>
        <translation>Servidores podem executar no seu jogo comandos que o filtro (cl_filterstuffcmd) bloquearia (%1): defina-o como 1.</translation>
    </message>
    <message>
        <source>Your %1 (%2) at %3 never takes effect, because %5 sets it again: move the line to %4, which runs after it.</source>
        <translation>Sua configuração %1 (%2) em %3 nunca tem efeito, porque ela é definida de novo (%5): mova a linha para %4, que é executado depois.</translation>
    </message>
    <message>
        <source>Today&apos;s game has no %1 (%2) and ignores the lines that set it (%3): take them out.</source>
        <translation>A versão atual do jogo não tem a configuração %1 (%2) e ignora as linhas que a definem (%3): remova-as.</translation>
    </message>
    <message numerus="yes">
        <source>%n commands after exec userconfig.cfg, where the game writes none: a server may have added them</source>
        <translation>
            <numerusform>%n comando depois de exec userconfig.cfg, onde o jogo não escreve nada: um servidor pode tê-lo adicionado</numerusform>
            <numerusform>%n comandos depois de exec userconfig.cfg, onde o jogo não escreve nada: um servidor pode tê-los adicionado</numerusform>
        </translation>
    </message>
    <message>
        <source>exec takes one file name: %1</source>
        <translation>exec aceita só um nome de arquivo: %1</translation>
    </message>
    <message>
        <source>%1: joins a server whenever the game starts; a server may have put it here</source>
        <translation>%1: conecta a um servidor sempre que o jogo inicia; um servidor pode ter colocado isso aqui</translation>
    </message>
    <message>
        <source>%1 is in a folder that may not be opened: the game cannot read it</source>
        <translation>%1 está em uma pasta sem permissão de acesso: o jogo não consegue lê-lo</translation>
    </message>
    <message>
        <source>couldn&apos;t exec %1</source>
        <extracomment>The game&apos;s own console words, as it prints them.</extracomment>
        <translation>couldn&apos;t exec %1</translation>
    </message>
    <message>
        <source>exec %1 runs %2 again while it is still running: the game repeats it until its command buffer (16 KiB) overflows; its lines are read once here</source>
        <translation>exec %1 executa %2 de novo enquanto ele ainda está rodando: o jogo repete isso até estourar o buffer de comandos (16 KiB); aqui as linhas dele são lidas uma vez</translation>
    </message>
    <message>
        <source>%1 is not a regular file: skipped</source>
        <translation>%1 não é um arquivo comum: ignorado</translation>
    </message>
    <message>
        <source>%1 is larger than 64 MiB: skipped</source>
        <translation>%1 é maior que 64 MiB: ignorado</translation>
    </message>
    <message>
        <source>%1 may not be read: skipped</source>
        <translation>%1 não pode ser lido (sem permissão): ignorado</translation>
    </message>
    <message>
        <source>%1 could not be read: skipped</source>
        <translation>não foi possível ler %1: ignorado</translation>
    </message>
    <message>
        <source>start-up runs more than 64 MiB of scripts: not read further</source>
        <translation>a inicialização executa mais de 64 MiB de scripts: o restante não é lido</translation>
    </message>
    <message>
        <source>%1 is saved as UTF-16: the game reads nothing in it</source>
        <translation>%1 está salvo em UTF-16: o jogo não lê nada nele</translation>
    </message>
    <message>
        <source>stuffcmds: the command buffer overflows; the launch options are lost</source>
        <translation>stuffcmds: o buffer de comandos estoura; as opções de inicialização se perdem</translation>
    </message>
    <message>
        <source>bind %1 runs %2: it joins a server; a server may have put it here</source>
        <translation>bind %1 executa %2: conecta a um servidor; um servidor pode ter colocado isso aqui</translation>
    </message>
    <message>
        <source>alias %1 runs %2: it joins a server; a server may have put it here</source>
        <translation>alias %1 executa %2: conecta a um servidor; um servidor pode ter colocado isso aqui</translation>
    </message>
    <message>
        <source>%1 runs itself again while it is still running: the game repeats it without end; its commands are read once here</source>
        <translation>%1 executa a si mesmo de novo enquanto ainda está rodando: o jogo o repete sem fim; aqui os comandos dele são lidos uma vez</translation>
    </message>
    <message>
        <source>%1: the command buffer overflows; the alias is lost</source>
        <translation>%1: o buffer de comandos estoura; o alias se perde</translation>
    </message>
    <message>
        <source>%1: lets servers run commands in your game that 1 would filter out; a server may have set it</source>
        <translation>%1: deixa servidores executarem no seu jogo comandos que o valor 1 filtraria; um servidor pode ter definido isso</translation>
    </message>
    <message>
        <source>exec %1: invalid path</source>
        <extracomment>The game&apos;s own console words, as it prints them.</extracomment>
        <translation>exec %1: invalid path</translation>
    </message>
    <message>
        <source>exec %1: not a .cfg or .rc file</source>
        <translation>exec %1: não é um arquivo .cfg nem .rc</translation>
    </message>
    <message>
        <source>the game refuses %1 as an alias name</source>
        <translation>o jogo recusa %1 como nome de alias</translation>
    </message>
    <message>
        <source>set again by %1</source>
        <translation>redefinido por: %1</translation>
    </message>
    <message>
        <source>the game</source>
        <translation>o jogo</translation>
    </message>
    <message>
        <source>launch options</source>
        <translation>opções de inicialização</translation>
    </message>
    <message>
        <source>%1 line %2</source>
        <extracomment>A script and a line of it: &quot;cstrike/config.cfg line 12&quot;.</extracomment>
        <translation>%1, linha %2</translation>
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
        <translation>o armazenamento próprio do jogo</translation>
    </message>
    <message>
        <source>the Windows registry (HKEY_CURRENT_USER\Software\Valve\Steam, Rate)</source>
        <translation>o registro do Windows (HKEY_CURRENT_USER\Software\Valve\Steam, Rate)</translation>
    </message>
    <message>
        <source>the Wine prefix&apos;s registry (%1)</source>
        <translation>o registro do prefixo do Wine (%1)</translation>
    </message>
    <message>
        <source>Start-up of the game in %1</source>
        <translation>Inicialização do jogo em %1</translation>
    </message>
    <message>
        <source>Signs of tampering:</source>
        <translation>Sinais de adulteração:</translation>
    </message>
    <message>
        <source>What some settings cost you:</source>
        <translation>O que algumas configurações custam para você:</translation>
    </message>
    <message>
        <source>Scripts the program cannot read:</source>
        <translation>Scripts que o programa não consegue ler:</translation>
    </message>
    <message>
        <source>Scripts that are missing:</source>
        <translation>Scripts que estão faltando:</translation>
    </message>
    <message>
        <source>Lines the game refuses:</source>
        <translation>Linhas que o jogo recusa:</translation>
    </message>
    <message>
        <source>Scripts that run themselves:</source>
        <translation>Scripts que executam a si mesmos:</translation>
    </message>
    <message>
        <source>Limits reached:</source>
        <translation>Limites atingidos:</translation>
    </message>
    <message>
        <source>Lines that never take effect:</source>
        <translation>Linhas que nunca têm efeito:</translation>
    </message>
    <message>
        <source>Scripts, in the order the game runs them:</source>
        <translation>Scripts, na ordem em que o jogo os executa:</translation>
    </message>
    <message>
        <source>valve.rc is in neither cstrike nor valve: read as the standard one, exec autoexec.cfg then the launch options</source>
        <translation>valve.rc não está nem em cstrike nem em valve: lido como o padrão, exec autoexec.cfg e depois as opções de inicialização</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>A script in the order the game runs them: &quot;1. cstrike/config.cfg&quot;.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1. %2 (run %3 of this file)</source>
        <translation>%1. %2 (execução nº %3 deste arquivo)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum item</translation>
    </message>
    <message>
        <source>Launch options: none given</source>
        <translation>Opções de inicialização: nenhuma informada</translation>
    </message>
    <message>
        <source>Launch options: %1</source>
        <translation>Opções de inicialização: %1</translation>
    </message>
    <message>
        <source>Launch options: none</source>
        <translation>Opções de inicialização: nenhuma</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>origem: %1</translation>
    </message>
    <message>
        <source>from %1 (Steam user %2, whose file changed last of %3)</source>
        <translation>origem: %1 (usuário da Steam %2, cujo arquivo foi o último alterado entre os %3 usuários)</translation>
    </message>
    <message>
        <source>Settings as the game will have them:</source>
        <translation>Configurações que o jogo vai ter:</translation>
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
            <numerusform>mais %n linha, configuração ou aviso omitido</numerusform>
            <numerusform>mais %n linhas, configurações ou avisos omitidos</numerusform>
        </translation>
    </message>
    <message>
        <source>Rate kept by the game:</source>
        <translation>Rate guardado pelo jogo:</translation>
    </message>
    <message>
        <source>after the scripts the game sets rate to &quot;%1&quot;, the rate it kept in %2 when it last quit</source>
        <translation>depois dos scripts, o jogo define o rate como &quot;%1&quot;, o rate que guardou ao sair pela última vez (local: %2)</translation>
    </message>
    <message>
        <source>%1 holds no rate: the scripts&apos; rate holds, and the game keeps it there when it quits</source>
        <translation>%1 não contém rate: vale o rate dos scripts, e o jogo o guarda lá ao sair</translation>
    </message>
    <message>
        <source>the game may put back the rate it kept in %1 at its last quit, which this program cannot read: a rate set in a script may not take effect</source>
        <translation>o jogo pode restaurar o rate que guardou ao sair pela última vez em um local que este programa não consegue ler (%1): um rate definido em um script pode não ter efeito</translation>
    </message>
    <message>
        <source>Decals</source>
        <translation>Decals</translation>
    </message>
    <message>
        <source>Dynamic lights</source>
        <translation>Luzes dinâmicas</translation>
    </message>
    <message>
        <source>Weapon model</source>
        <translation>Modelo da arma</translation>
    </message>
    <message>
        <source>no weapon and no reload cues</source>
        <translation>nenhuma arma e nenhum sinal visual de recarga</translation>
    </message>
    <message>
        <source>Collinear vertexes</source>
        <translation>Vértices colineares</translation>
    </message>
    <message>
        <source>cracks between polygons when a map loads</source>
        <translation>rachaduras entre polígonos quando um mapa carrega</translation>
    </message>
    <message>
        <source>Shadows</source>
        <translation>Sombras</translation>
    </message>
    <message>
        <source>Texture sorting</source>
        <translation>Ordenação de texturas</translation>
    </message>
    <message>
        <source>It has been gone since 2013.</source>
        <translation>Não existe mais desde 2013.</translation>
    </message>
    <message>
        <source>Decal offset</source>
        <translation>Deslocamento dos decals</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brilho</translation>
    </message>
    <message>
        <source>a washed-out picture</source>
        <translation>uma imagem desbotada</translation>
    </message>
    <message>
        <source>Gamma</source>
        <translation>Gama</translation>
    </message>
    <message>
        <source>Texture gamma</source>
        <translation>Gama das texturas</translation>
    </message>
    <message>
        <source>Light gamma</source>
        <translation>Gama da iluminação</translation>
    </message>
    <message>
        <source>High-quality player models</source>
        <translation>Modelos de jogador em alta qualidade</translation>
    </message>
    <message>
        <source>Pic mip</source>
        <translation>Pic mip</translation>
    </message>
    <message>
        <source>It changes nothing on graphics cards with non-power-of-two textures, which every current card has.</source>
        <translation>Não muda nada em placas de vídeo com suporte a texturas cujo tamanho não é potência de dois, e toda placa atual tem esse suporte.</translation>
    </message>
    <message>
        <source>ZTrick</source>
        <translation>ZTrick</translation>
    </message>
    <message>
        <source>It was renamed gl_ztrick_old in 2013, &quot;usage deprecated&quot;.</source>
        <translation>Em 2013 passou a se chamar gl_ztrick_old, &quot;usage deprecated&quot;.</translation>
    </message>
    <message>
        <source>Direct3D flip</source>
        <translation>Direct3D flip</translation>
    </message>
    <message>
        <source>The Direct3D renderer was removed in 2013.</source>
        <translation>O renderizador Direct3D foi removido em 2013.</translation>
    </message>
    <message>
        <source>Texture mode</source>
        <translation>Modo de textura</translation>
    </message>
    <message>
        <source>blocky textures</source>
        <translation>texturas pixeladas</translation>
    </message>
    <message>
        <source>Sound mix-ahead</source>
        <translation>Antecipação da mixagem de som</translation>
    </message>
    <message>
        <source>A3D</source>
        <translation>A3D</translation>
    </message>
    <message>
        <source>A3D was removed in 2013.</source>
        <translation>O A3D foi removido em 2013.</translation>
    </message>
    <message>
        <source>EAX</source>
        <translation>EAX</translation>
    </message>
    <message>
        <source>EAX was removed in 2013.</source>
        <translation>O EAX foi removido em 2013.</translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation>Reverberação</translation>
    </message>
    <message>
        <source>No Steam build or recent config holds it.</source>
        <translation>Não está em nenhuma versão da Steam nem em nenhuma config recente.</translation>
    </message>
    <message>
        <source>8-bit sound</source>
        <translation>Som de 8 bits</translation>
    </message>
    <message>
        <source>worse sound</source>
        <translation>som pior</translation>
    </message>
    <message>
        <source>High-quality sound</source>
        <translation>Som de alta qualidade</translation>
    </message>
    <message>
        <source>Maximum modem framerate</source>
        <translation>FPS máximo no modem</translation>
    </message>
    <message>
        <source>It is in old configs only; fps_max limits the frame rate now.</source>
        <translation>Só existe em configs antigas; agora quem limita o FPS é o fps_max.</translation>
    </message>
    <message>
        <source>Maximum LAN framerate</source>
        <translation>FPS máximo em LAN</translation>
    </message>
    <message>
        <source>No Steam build holds it; fps_max limits the frame rate now.</source>
        <translation>Não está em nenhuma versão da Steam; agora quem limita o FPS é o fps_max.</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>choke and lag</source>
        <translation>choke e lag</translation>
    </message>
    <message>
        <source>Push latency</source>
        <translation>Latência de push</translation>
    </message>
    <message>
        <source>No Steam build holds it.</source>
        <translation>Não está em nenhuma versão da Steam.</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>to be disconnected by every server running a map or model you lack</source>
        <translation>desconexão de todo servidor que rodar um mapa ou modelo que você não tem</translation>
    </message>
    <message>
        <source>Uploads</source>
        <translation>Uploads</translation>
    </message>
    <message>
        <source>MMX</source>
        <translation>MMX</translation>
    </message>
    <message>
        <source>The game registers it but nothing reads it.</source>
        <translation>O jogo registra essa configuração, mas nada a lê.</translation>
    </message>
    <message>
        <source>Mouse filter</source>
        <translation>Filtro do mouse</translation>
    </message>
    <message>
        <source>mouse smoothing and delay</source>
        <translation>suavização e atraso do mouse</translation>
    </message>
    <message>
        <source>Console speed</source>
        <translation>Velocidade do console</translation>
    </message>
    <message>
        <source>Neither the engine&apos;s reconstruction nor any recent config holds it.</source>
        <translation>Não está nem na reconstrução da engine nem em nenhuma config recente.</translation>
    </message>
    <message>
        <source>Joystick</source>
        <translation>Joystick</translation>
    </message>
    <message>
        <source>a drifting stick moving you</source>
        <translation>um analógico com drift movendo você</translation>
    </message>
    <message>
        <source>Third-person view</source>
        <translation>Visão em terceira pessoa</translation>
    </message>
    <message>
        <source>First-person view</source>
        <translation>Visão em primeira pessoa</translation>
    </message>
</context>
<context>
    <name>wizard</name>
    <message>
        <source>Console speed </source>
        <translation>Velocidade do console </translation>
    </message>
    <message>
        <source>The console, opened and closed with the &quot;~&quot; key, moves down and up slowly by default and wastes your time.</source>
        <translation>O console, aberto e fechado com a tecla &quot;~&quot;, desce e sobe devagar por padrão e faz você perder tempo.</translation>
    </message>
    <message>
        <source>Console speed:</source>
        <translation>Velocidade do console:</translation>
    </message>
    <message>
        <source>A higher value makes the console move faster, a lower value slower.</source>
        <translation>Um valor maior faz o console se mover mais rápido; um menor, mais devagar.</translation>
    </message>
    <message>
        <source>The default is 600; 3000 or more makes the console appear and disappear almost at once.</source>
        <translation>O padrão é 600; com 3000 ou mais, o console aparece e some quase na hora.</translation>
    </message>
    <message>
        <source>Third person view </source>
        <translation>Visão em terceira pessoa </translation>
    </message>
    <message>
        <source>Third person view has no real purpose but may be fun, and it may be slightly slower. Leave the box cleared to keep the first person view, the game&apos;s default. See the pictures below.</source>
        <translation>A visão em terceira pessoa não tem utilidade real, mas pode ser divertida, e pode deixar o jogo um pouco mais lento. Deixe a caixa desmarcada para manter a visão em primeira pessoa, o padrão do jogo. Veja as imagens abaixo.</translation>
    </message>
    <message>
        <source>Use third person view.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Usar visão em terceira pessoa.?</translation>
    </message>
    <message>
        <source>Third person view:</source>
        <translation>Visão em terceira pessoa:</translation>
    </message>
    <message>
        <source>First person view:</source>
        <translation>Visão em primeira pessoa:</translation>
    </message>
    <message>
        <source>You have now completed the tweak of Counter-strike. Enjoy the tweak!</source>
        <translation>Você concluiu o tweak do Counter-Strike. Aproveite o tweak!</translation>
    </message>
    <message>
        <source>If you want to uninstall the tweak, just start this tweak-program again, and then choose &quot;uninstall&quot; instead of &quot;start tweak&quot;</source>
        <translation>Se quiser desinstalar o tweak, é só abrir este programa de tweak de novo e escolher &quot;Desinstalar&quot; em vez de &quot;Iniciar tweak&quot;</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>You can now choose to move on to misc tweak section, or you can just quit and save settings now.</source>
        <translation>Agora você pode seguir para a seção de tweaks diversos ou simplesmente sair e salvar as configurações agora.</translation>
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
        <translation>Ative o MMX se o seu processador tiver suporte a ele (Pentium MMX, Pentium II, Celeron, K6, K6-2). Caso contrário, desative-o para um possível ganho de velocidade.</translation>
    </message>
    <message>
        <source>Enable MMX support?</source>
        <translation>Ativar o suporte a MMX?</translation>
    </message>
    <message>
        <source>Mouse filtering </source>
        <translation>Filtragem do mouse </translation>
    </message>
    <message>
        <source>Mouse filtering averages the positions before and after each movement, which smooths the mouse.</source>
        <translation>A filtragem do mouse faz a média das posições antes e depois de cada movimento, o que suaviza o mouse.</translation>
    </message>
    <message>
        <source>Enable mouse filtering?</source>
        <translation>Ativar a filtragem do mouse?</translation>
    </message>
    <message>
        <source>Joystick</source>
        <translation>Joystick</translation>
    </message>
    <message>
        <source>Most people play with mouse and keyboard rather than a joystick. Disabling joystick support gains speed.</source>
        <translation>A maioria das pessoas joga com mouse e teclado, e não com joystick. Desativar o suporte a joystick aumenta a velocidade.</translation>
    </message>
    <message>
        <source>Disable Joystick and gain performance.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Desativar o joystick e ganhar desempenho.?</translation>
    </message>
    <message>
        <source>Maximum modem framerate </source>
        <translation>FPS máximo no modem </translation>
    </message>
    <message>
        <source>Over a modem, limiting the frame rate lowers your ping, and your frame rate with it. 33 is recommended for 56k modems, where the ping is usually around 160; use lower values for slower modems.</source>
        <translation>No modem, limitar o FPS baixa o seu ping, e o seu FPS junto. 33 é o recomendado para modems 56k, em que o ping costuma ficar em torno de 160; use valores menores para modems mais lentos.</translation>
    </message>
    <message>
        <source>Max modem framerate:</source>
        <translation>FPS máx. no modem:</translation>
    </message>
    <message>
        <source>Non-modem users should not be concerned with this command.</source>
        <translation>Quem não usa modem não precisa se preocupar com este comando.</translation>
    </message>
    <message>
        <source>Push Lantency:</source>
        <extracomment>&quot;Lantency&quot; is the original&apos;s typo for &quot;latency&quot;; translate the meaning.</extracomment>
        <translation>Latência de push:</translation>
    </message>
    <message>
        <source>Prediction</source>
        <translation>Predição</translation>
    </message>
    <message>
        <source>This setting controls prediction in internet games. Set it between one half and one times your average ping, negated: for a ping of 300, between -150 and -300.</source>
        <translation>Esta configuração controla a predição em jogos pela internet. Defina um valor entre a metade e o total do seu ping médio, com sinal negativo: para um ping de 300, entre -150 e -300.</translation>
    </message>
    <message>
        <source>(You can&apos;t type minus, it is typed by default)</source>
        <translation>(Você não pode digitar o sinal de menos, ele já vem por padrão)</translation>
    </message>
    <message>
        <source>Allow download</source>
        <translation>Permitir download</translation>
    </message>
    <message>
        <source>This setting decides whether decals, maps and models are downloaded when you connect to a server.</source>
        <translation>Esta configuração decide se decals, mapas e modelos são baixados quando você se conecta a um servidor.</translation>
    </message>
    <message>
        <source>Allow downloading of decals, maps, and models.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Permitir o download de decals, mapas e modelos.?</translation>
    </message>
    <message>
        <source>You can now choose to move on to internet tweak section, or you can just quit and save settings now.</source>
        <translation>Agora você pode seguir para a seção de tweaks de internet ou simplesmente sair e salvar as configurações agora.</translation>
    </message>
    <message>
        <source>Maximum LAN framerate </source>
        <translation>FPS máximo em LAN </translation>
    </message>
    <message>
        <source>The same limit for games on a local network. 45 is recommended; adjust it if the game lags.</source>
        <translation>O mesmo limite para jogos em rede local. 45 é o recomendado; ajuste se o jogo der lag.</translation>
    </message>
    <message>
        <source>Max LAN framerate:</source>
        <translation>FPS máx. em LAN:</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>A lower rate usually gives lower pings, because the server sends less data. Recommended are 2500 to 3500 for 28.8 and 33.6 modems, 3000 to 5000 for 56k modems, 5000 and more for faster lines, and about 25,000 for LAN games and ADSL.</source>
        <translation>Um rate menor geralmente dá ping menor, porque o servidor envia menos dados. Valores recomendados: de 2500 a 3500 para modems de 28,8 e 33,6, de 3000 a 5000 para modems 56k, 5000 ou mais para conexões mais rápidas e cerca de 25.000 para jogos em LAN e ADSL.</translation>
    </message>
    <message>
        <source>Rate:</source>
        <translation>Rate:</translation>
    </message>
    <message>
        <source>Allow upload </source>
        <translation>Permitir upload </translation>
    </message>
    <message>
        <source>This setting decides whether your own decals, maps and models are uploaded when you connect to a server.</source>
        <translation>Esta configuração decide se os seus próprios decals, mapas e modelos são enviados quando você se conecta a um servidor.</translation>
    </message>
    <message>
        <source>Allow uploading of decals, maps, and models.</source>
        <translation>Permitir o upload de decals, mapas e modelos.</translation>
    </message>
    <message>
        <source>What today&apos;s game does with this setting</source>
        <translation>O que a versão atual do jogo faz com esta configuração</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Avançar</translation>
    </message>
    <message>
        <source>&amp;Skip setting</source>
        <translation>&amp;Pular configuração</translation>
    </message>
    <message>
        <source>8 Bit 11 kHz </source>
        <translation>8 bits 11 kHz </translation>
    </message>
    <message>
        <source>8 Bit 22 kHz (high quality)</source>
        <translation>8 bits 22 kHz (alta qualidade)</translation>
    </message>
    <message>
        <source>16 Bit 11 kHz</source>
        <translation>16 bits 11 kHz</translation>
    </message>
    <message>
        <source>16 Bit 22 kHz (high quality) </source>
        <translation>16 bits 22 kHz (alta qualidade) </translation>
    </message>
    <message>
        <source>Sound quality </source>
        <translation>Qualidade do som </translation>
    </message>
    <message>
        <source>Low-quality sound uses less memory and gives a slight speed gain on some systems. With a PCI sound card or a fast processor there is no reason to give up good sound.</source>
        <translation>Som de baixa qualidade usa menos memória e dá um pequeno ganho de velocidade em alguns sistemas. Com uma placa de som PCI ou um processador rápido, não há motivo para abrir mão de um som bom.</translation>
    </message>
    <message>
        <source>You can now choose to move on to sound tweak section, or you can just quit and save settings now.</source>
        <translation>Agora você pode seguir para a seção de tweaks de som ou simplesmente sair e salvar as configurações agora.</translation>
    </message>
    <message>
        <source>Sound Compatibility </source>
        <translation>Compatibilidade de som </translation>
    </message>
    <message>
        <source>Some sound cards, the Ensoniq AudioPCI in particular, stutter in games built on the Quake II engine. If yours does, leave the box cleared for maximum compatibility.</source>
        <translation>Algumas placas de som, especialmente a Ensoniq AudioPCI, engasgam em jogos feitos na engine do Quake II. Se a sua engasgar, deixe a caixa desmarcada para ter compatibilidade máxima.</translation>
    </message>
    <message>
        <source>Use maximum performance sound? (unchecked means maximum compatibility)</source>
        <translation>Usar som de desempenho máximo? (desmarcado significa compatibilidade máxima)</translation>
    </message>
    <message>
        <source>A3D</source>
        <translation>A3D</translation>
    </message>
    <message>
        <source>The game supports A3D 3D sound, reportedly only on Vortex 2 cards. A3D is buggy, so enable it only to try it out.</source>
        <translation>O jogo tem suporte ao som 3D A3D, segundo relatos só em placas Vortex 2. O A3D tem bugs, então ative-o só para testar.</translation>
    </message>
    <message>
        <source>Disable A3D?</source>
        <translation>Desativar o A3D?</translation>
    </message>
    <message>
        <source>EAX </source>
        <translation>EAX </translation>
    </message>
    <message>
        <source>EAX is another 3D audio interface, supported by the Sound Blaster Live and other cards.</source>
        <translation>O EAX é outra interface de áudio 3D, suportada pela Sound Blaster Live e por outras placas.</translation>
    </message>
    <message>
        <source>Disable EAX?</source>
        <translation>Desativar o EAX?</translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation>Reverberação</translation>
    </message>
    <message>
        <source>Reverb adds echo to the sound. It does little in this game, and turning it off can gain a little speed.</source>
        <translation>A reverberação adiciona eco ao som. Faz pouca diferença neste jogo, e desativá-la pode dar um pequeno ganho de velocidade.</translation>
    </message>
    <message>
        <source>Disable reverb?</source>
        <translation>Desativar a reverberação?</translation>
    </message>
    <message>
        <source>Brightness must be under 4 and over 0</source>
        <translation>O brilho deve ser menor que 4 e maior que 0</translation>
    </message>
    <message>
        <source>Gamma must be under 4 and over 0</source>
        <translation>A gama deve ser menor que 4 e maior que 0</translation>
    </message>
    <message>
        <source>From now on, you have to answer a couple of questions. Plz, do it carefully. This program do not take any responsebillity if your computer migth be damaged.</source>
        <extracomment>The original&apos;s misspellings (&quot;Plz&quot;, &quot;do not&quot;, &quot;responsebillity&quot;, &quot;migth&quot;) are deliberate; write it correctly.</extracomment>
        <translation>A partir de agora, você terá que responder algumas perguntas. Por favor, responda com cuidado. Este programa não assume nenhuma responsabilidade caso o seu computador seja danificado.</translation>
    </message>
    <message>
        <source>Zentrimo was made by Vaskor. Thank you for using it!</source>
        <translation>O Zentrimo foi feito por Vaskor. Obrigado por usá-lo!</translation>
    </message>
    <message>
        <source>Found a bug, or have a comment? Please report it to whoever gave you this program, or on the project&apos;s issue tracker.</source>
        <translation>Encontrou um bug ou tem um comentário? Por favor, informe a quem passou este programa para você ou no rastreador de problemas do projeto.</translation>
    </message>
    <message>
        <source>&amp;Start Tweak</source>
        <translation>&amp;Iniciar tweak</translation>
    </message>
    <message>
        <source>&amp;Check game</source>
        <translation>&amp;Verificar jogo</translation>
    </message>
    <message>
        <source>Restore &amp;points...</source>
        <translation>&amp;Pontos de restauração...</translation>
    </message>
    <message>
        <source>&amp;Uninstall</source>
        <translation>&amp;Desinstalar</translation>
    </message>
    <message>
        <source>Uninstall Tweak if installed:</source>
        <translation>Desinstalar o tweak, se estiver instalado:</translation>
    </message>
    <message>
        <source>Decals, bulletholes, and explosion scars... </source>
        <translation>Decals, buracos de bala e marcas de explosão... </translation>
    </message>
    <message>
        <source>Make sure to limit the number of decals, bulletholes, and explosion scars.</source>
        <translation>Não deixe de limitar o número de decals, buracos de bala e marcas de explosão.</translation>
    </message>
    <message>
        <source>Maximum number of decals on screen at a time (recommended 200 to 500)</source>
        <translation>Número máximo de decals na tela ao mesmo tempo (recomendado: de 200 a 500)</translation>
    </message>
    <message>
        <source>You will gain a 10% to 15% improvement in performance, especially in lengthy matches. See the pics below:</source>
        <translation>Você terá uma melhora de 10% a 15% no desempenho, especialmente em partidas longas. Veja as imagens abaixo:</translation>
    </message>
    <message>
        <source>Decals etc. enabled:</source>
        <translation>Decals etc. ativados:</translation>
    </message>
    <message>
        <source>Decals etc. disabled:</source>
        <translation>Decals etc. desativados:</translation>
    </message>
    <message>
        <source>Dynamic lighting </source>
        <translation>Iluminação dinâmica </translation>
    </message>
    <message>
        <source>With dynamic lighting, lit things such as muzzle flashes and explosions throw their light onto the walls and objects near them. Switching it off gains speed, but your flashlight stops working. The pictures show the glow on the wall.</source>
        <translation>Com a iluminação dinâmica, coisas que emitem luz, como o clarão dos disparos e as explosões, projetam sua luz nas paredes e nos objetos próximos. Desativá-la aumenta a velocidade, mas a sua lanterna para de funcionar. As imagens mostram o brilho na parede.</translation>
    </message>
    <message>
        <source>Disable dynamic lighting and gain performance?</source>
        <translation>Desativar a iluminação dinâmica e ganhar desempenho?</translation>
    </message>
    <message>
        <source>Do you want to disable dynamic lighting?</source>
        <translation>Você quer desativar a iluminação dinâmica?</translation>
    </message>
    <message>
        <source>Dynamic Enabled:</source>
        <translation>Dinâmica ativada:</translation>
    </message>
    <message>
        <source>Dynamic Disabled:</source>
        <translation>Dinâmica desativada:</translation>
    </message>
    <message>
        <source>Weapon visibility </source>
        <translation>Visibilidade da arma </translation>
    </message>
    <message>
        <source>The weapon in your hands blocks part of your view. Hiding it gains 3 to 5 frames per second, or even more. See the pictures below.</source>
        <translation>A arma nas suas mãos tapa parte da sua visão. Escondê-la dá de 3 a 5 FPS a mais, ou até mais que isso. Veja as imagens abaixo.</translation>
    </message>
    <message>
        <source>Make weapon invisible and gain performance?</source>
        <translation>Deixar a arma invisível e ganhar desempenho?</translation>
    </message>
    <message>
        <source>Do you want to be able to see your weapon during the game?</source>
        <translation>Você quer poder ver a sua arma durante o jogo?</translation>
    </message>
    <message>
        <source>Visible weapon:</source>
        <translation>Arma visível:</translation>
    </message>
    <message>
        <source>Invisible weapon:</source>
        <translation>Arma invisível:</translation>
    </message>
    <message>
        <source>Collinear vertexes </source>
        <translation>Vértices colineares </translation>
    </message>
    <message>
        <source>Keeping collinear vertexes fills the gaps and reduces the cracks between polygons. Switching it off can gain some speed, at the price of some visible cracking.</source>
        <translation>Manter os vértices colineares preenche as falhas e reduz as rachaduras entre polígonos. Desativar isso pode aumentar um pouco a velocidade, ao custo de algumas rachaduras visíveis.</translation>
    </message>
    <message>
        <source>Disable collinear vertexes?</source>
        <translation>Desativar os vértices colineares?</translation>
    </message>
    <message>
        <source>You may gain around 1 or 2 FPS from disabling this.</source>
        <translation>Você pode ganhar cerca de 1 ou 2 FPS desativando isso.</translation>
    </message>
    <message>
        <source>Shadows</source>
        <translation>Sombras</translation>
    </message>
    <message>
        <source>Shadows are off by default in the game. They look unrealistic and are best used only when you really need them.</source>
        <translation>As sombras vêm desativadas por padrão no jogo. Elas parecem irreais, e o melhor é usá-las só quando você realmente precisar delas.</translation>
    </message>
    <message>
        <source>Disable shadows and gain performance.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Desativar as sombras e ganhar desempenho.?</translation>
    </message>
    <message>
        <source>Shadows enabled:</source>
        <translation>Sombras ativadas:</translation>
    </message>
    <message>
        <source>Shadows disabled:</source>
        <translation>Sombras desativadas:</translation>
    </message>
    <message>
        <source>Enabling gl_texsort gives much brighter images, at a large cost in speed. Some video cards need it switched on, others switched off: if your card has problems, try both.</source>
        <translation>Ativar o gl_texsort deixa a imagem muito mais clara, com um grande custo de velocidade. Algumas placas de vídeo precisam dele ativado, outras desativado: se a sua placa tiver problemas, teste as duas opções.</translation>
    </message>
    <message>
        <source>Disable gl_texsort and gain performance?</source>
        <translation>Desativar o gl_texsort e ganhar desempenho?</translation>
    </message>
    <message>
        <source>gl_texsort enabled:</source>
        <translation>gl_texsort ativado:</translation>
    </message>
    <message>
        <source>gl_texsort disabled:</source>
        <translation>gl_texsort desativado:</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Deslocamento</translation>
    </message>
    <message>
        <source>The offset of textures and decals fixes decals that show through walls or are drawn wrongly. It has little or no effect on speed.</source>
        <translation>O deslocamento de texturas e decals corrige decals que aparecem através das paredes ou são desenhados errado. Tem pouco ou nenhum efeito na velocidade.</translation>
    </message>
    <message>
        <source>Poly-Offset:</source>
        <translation>Deslocamento de polígonos:</translation>
    </message>
    <message>
        <source>Poly-Offset Must be between -25 and 25</source>
        <translation>O deslocamento de polígonos deve estar entre -25 e 25</translation>
    </message>
    <message>
        <source>4 is the default for video cards without problems. If your card has problems, try -1, 20 or 5, and then experiment.</source>
        <translation>4 é o padrão para placas de vídeo sem problemas. Se a sua placa tiver problemas, tente -1, 20 ou 5 e depois experimente.</translation>
    </message>
    <message>
        <source>Brightness/Gamma </source>
        <translation>Brilho/Gama </translation>
    </message>
    <message>
        <source>Brightness lightens only the characters, weapons and objects. Gamma lightens everything; it ranges from 0 to 4 and costs no speed.</source>
        <translation>O brilho clareia só os personagens, as armas e os objetos. A gama clareia tudo; vai de 0 a 4 e não custa velocidade.</translation>
    </message>
    <message>
        <source>Brightness (higher is brighter)</source>
        <translation>Brilho (maior = mais claro)</translation>
    </message>
    <message>
        <source>Gamma (higher is brighter)</source>
        <translation>Gama (maior = mais claro)</translation>
    </message>
    <message>
        <source>Brightness 2 with gamma 4 is recommended for dark video cards.</source>
        <translation>Brilho 2 com gama 4 é o recomendado para placas de vídeo escuras.</translation>
    </message>
    <message>
        <source>Texture Gamma/Light Gamma </source>
        <translation>Gama das texturas/Gama da iluminação </translation>
    </message>
    <message>
        <source>Texture gamma sets the gamma of all textures, light gamma that of the lighting. Neither has any effect on speed.</source>
        <translation>A gama das texturas define a gama de todas as texturas; a gama da iluminação, a da iluminação. Nenhuma das duas afeta a velocidade.</translation>
    </message>
    <message>
        <source>Texture Gamma (lower is brighter)</source>
        <translation>Gama das texturas (menor = mais claro)</translation>
    </message>
    <message>
        <source>Light Gamma (lower is brighter)</source>
        <translation>Gama da iluminação (menor = mais claro)</translation>
    </message>
    <message>
        <source>If you chose brightness 2 and gamma 4 on the previous page, try 3 and 2 here; otherwise keep 2 and 2.5, the defaults.</source>
        <translation>Se você escolheu brilho 2 e gama 4 na página anterior, tente 3 e 2 aqui; senão, mantenha 2 e 2.5, os padrões.</translation>
    </message>
    <message>
        <source>Pic mip </source>
        <translation>Pic mip </translation>
    </message>
    <message>
        <source>Pic mip sets the overall texture quality. 2 gains a little speed at a severe loss of image quality; newer video cards gain nothing above 0, which is recommended.</source>
        <translation>O pic mip define a qualidade geral das texturas. 2 dá um pouco mais de velocidade com uma perda grave de qualidade de imagem; placas de vídeo mais novas não ganham nada acima de 0, que é o recomendado.</translation>
    </message>
    <message>
        <source>Pic mip:</source>
        <translation>Pic mip:</translation>
    </message>
    <message>
        <source>Pic mip must be between 0 and 10</source>
        <translation>O pic mip deve estar entre 0 e 10</translation>
    </message>
    <message>
        <source>If your system crashes, run this tweak again and set this to default.</source>
        <translation>Se o seu sistema travar, rode este tweak de novo e volte isto para o padrão.</translation>
    </message>
    <message>
        <source>ZTrick </source>
        <translation>ZTrick </translation>
    </message>
    <message>
        <source>Skipping it can gain a good amount of speed, but on some video cards it makes textures and distant objects flicker. The pictures show a distant sign that flickers.</source>
        <translation>Pular a limpeza pode aumentar bastante a velocidade, mas em algumas placas de vídeo faz as texturas e os objetos distantes piscarem. As imagens mostram um letreiro distante que pisca.</translation>
    </message>
    <message>
        <source>Enable ZTrick and gain performance.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Ativar o ZTrick e ganhar desempenho.?</translation>
    </message>
    <message>
        <source>ZTrick is a command to skip the clearing of the Z-buffer.</source>
        <translation>O ZTrick é um comando para pular a limpeza do Z-buffer.</translation>
    </message>
    <message>
        <source>Ztrick enabled</source>
        <translation>Ztrick ativado</translation>
    </message>
    <message>
        <source>Ztrick disabled:</source>
        <translation>Ztrick desativado:</translation>
    </message>
    <message>
        <source>Texture Mode </source>
        <translation>Modo de textura </translation>
    </message>
    <message>
        <source>The texture mode is the drawing mode of your video hardware. Nearest neighbor interpolation looks blocky and jagged; linear interpolation looks smooth.</source>
        <translation>O modo de textura é o modo de desenho do seu hardware de vídeo. A interpolação por vizinho mais próximo fica quadriculada e serrilhada; a interpolação linear fica suave.</translation>
    </message>
    <message>
        <source>Nearest neighbor interpolation for bilinear hardware?</source>
        <translation>Interpolação por vizinho mais próximo para hardware bilinear?</translation>
    </message>
    <message>
        <source>Linear interpolation for bilinear hardware.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Interpolação linear para hardware bilinear.?</translation>
    </message>
    <message>
        <source>Nearest neighbor interpolation for trilinear hardware.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Interpolação por vizinho mais próximo para hardware trilinear.?</translation>
    </message>
    <message>
        <source>Linear interpolation for trilinear hardware.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Interpolação linear para hardware trilinear.?</translation>
    </message>
    <message>
        <source>High quality player models </source>
        <translation>Modelos de jogador em alta qualidade </translation>
    </message>
    <message>
        <source>Player models come in high and low quality, with little visible difference. Low quality models save texture memory: cards with much texture memory lose little by using them, cards with little texture memory gain speed.</source>
        <translation>Os modelos de jogador existem em alta e baixa qualidade, com pouca diferença visível. Modelos de baixa qualidade economizam memória de textura: placas com muita memória de textura perdem pouco ao usá-los, e placas com pouca memória de textura ganham velocidade.</translation>
    </message>
    <message>
        <source>Use low quality models.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Usar modelos de baixa qualidade.?</translation>
    </message>
    <message>
        <source>Direct3D Flip </source>
        <translation>Direct3D Flip </translation>
    </message>
    <message>
        <source>If your mouse input lags two to three seconds behind, your video card needs Direct3D flip enabled.</source>
        <translation>Se a resposta do mouse atrasar de dois a três segundos, a sua placa de vídeo precisa do Direct3D flip ativado.</translation>
    </message>
    <message>
        <source>Enable Direct3D flip to correct input problems.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Ativar o Direct3D flip para corrigir problemas de resposta.?</translation>
    </message>
</context>
<context>
    <name>wizard::GameReportWindow</name>
    <message>
        <source>What the game will use when it starts</source>
        <translation>O que o jogo vai usar ao iniciar</translation>
    </message>
    <message>
        <source>&amp;Fix chosen</source>
        <translation>&amp;Corrigir selecionados</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemas</translation>
    </message>
    <message>
        <source>Filter the settings</source>
        <translation>Filtrar as configurações</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <source>Value the game will use</source>
        <translation>Valor que o jogo vai usar</translation>
    </message>
    <message>
        <source>Set by</source>
        <translation>Definido por</translation>
    </message>
    <message>
        <source>What today&apos;s game does</source>
        <translation>O que a versão atual do jogo faz</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Scripts</source>
        <translation>Scripts</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Relatório</translation>
    </message>
    <message>
        <source>Co&amp;py report</source>
        <translation>Co&amp;piar relatório</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Tick the problems you want Zentrimo to fix, then press &quot;Fix chosen&quot;.</source>
        <translation>Marque os problemas que você quer que o Zentrimo corrija e depois clique em &quot;Corrigir selecionados&quot;.</translation>
    </message>
    <message>
        <source>Zentrimo will change the lines shown under &quot;Show Details...&quot;. Do you want to change them?</source>
        <translation>O Zentrimo vai alterar as linhas mostradas em &quot;Mostrar detalhes...&quot;. Você quer alterá-las?</translation>
    </message>
    <message>
        <source>The game is running from this folder. Quit the game first: it rewrites its scripts when it quits. Nothing was changed.</source>
        <translation>O jogo está em execução a partir desta pasta. Feche o jogo primeiro: ele regrava os scripts ao sair. Nada foi alterado.</translation>
    </message>
</context>
<context>
    <name>wizard::RestoreWindow</name>
    <message>
        <source>Restore points of the game&apos;s scripts, newest first</source>
        <translation>Pontos de restauração dos scripts do jogo, do mais recente ao mais antigo</translation>
    </message>
    <message>
        <source>What restoring it would change:</source>
        <translation>O que a restauração alteraria:</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>There are no restore points yet: Zentrimo keeps one before every change it makes to the game&apos;s scripts.</source>
        <translation>Ainda não há pontos de restauração: o Zentrimo cria um antes de cada alteração que faz nos scripts do jogo.</translation>
    </message>
    <message>
        <source>This restore point is damaged: its files are not as they were written, so it cannot be restored.</source>
        <translation>Este ponto de restauração está danificado: os arquivos dele não estão como foram gravados, então não é possível restaurá-lo.</translation>
    </message>
    <message>
        <source>Zentrimo will put the game&apos;s scripts back as they were at this restore point, as shown under &quot;Show Details...&quot;, after keeping what they hold now as a new restore point. Do you want to restore it?</source>
        <translation>O Zentrimo vai devolver os scripts do jogo ao estado deste ponto de restauração, como mostrado em &quot;Mostrar detalhes...&quot;, depois de guardar o conteúdo atual deles como um novo ponto de restauração. Você quer restaurá-lo?</translation>
    </message>
</context>
<context>
    <name>wizard::SectionStartPage</name>
    <message>
        <source>You have to install the tweak before you try to uninstall it --&gt; No tweak installed</source>
        <translation>Você precisa instalar o tweak antes de tentar desinstalá-lo --&gt; Nenhum tweak instalado</translation>
    </message>
    <message>
        <source>Tweak have been succesfully uninstalled</source>
        <extracomment>&quot;Tweak have been succesfully&quot; is the original&apos;s grammar and typo; write it correctly.</extracomment>
        <translation>O tweak foi desinstalado com sucesso</translation>
    </message>
    <message>
        <source>Do you want to apply settings before quit?</source>
        <translation>Você quer aplicar as configurações antes de sair?</translation>
    </message>
</context>
<context>
    <name>workspace</name>
    <message>
        <source>The game folder %1 has no restore points yet.</source>
        <translation>A pasta do jogo %1 ainda não tem pontos de restauração.</translation>
    </message>
    <message>
        <source>Restore points of %1, newest first:</source>
        <translation>Pontos de restauração de %1, do mais recente ao mais antigo:</translation>
    </message>
    <message>
        <source>%1  %2  made before %3</source>
        <extracomment>A restore point: its id, its time, and what made it (apply, uninstall, restore, fix).</extracomment>
        <translation>%1  %2  criado antes da operação %3</translation>
    </message>
    <message>
        <source>%1  %2  made before %3  damaged: it cannot be restored</source>
        <translation>%1  %2  criado antes da operação %3  danificado: não é possível restaurá-lo</translation>
    </message>
    <message>
        <source>%1  damaged: it cannot be restored</source>
        <translation>%1  danificado: não é possível restaurá-lo</translation>
    </message>
    <message>
        <source>The game&apos;s scripts are back as they were at restore point %1. What they held before is kept as a new restore point.</source>
        <translation>Os scripts do jogo voltaram ao estado do ponto de restauração %1. O conteúdo anterior foi guardado como um novo ponto de restauração.</translation>
    </message>
    <message>
        <source>This game folder has no restore point %1. Nothing was changed. `zentrimo --restore-points` lists them.</source>
        <translation>Esta pasta do jogo não tem o ponto de restauração %1. Nada foi alterado. `zentrimo --restore-points` lista os pontos.</translation>
    </message>
    <message>
        <source>Restore point %1 is damaged: its files are not as they were written, so it cannot be restored. Nothing was changed.</source>
        <translation>O ponto de restauração %1 está danificado: os arquivos dele não estão como foram gravados, então não é possível restaurá-lo. Nada foi alterado.</translation>
    </message>
    <message>
        <source>Counter-Strike is running. Close it first: it saves its settings when it quits, and would undo the uninstall.</source>
        <translation>O Counter-Strike está em execução. Feche-o primeiro: ele salva as configurações ao sair e desfaria a desinstalação.</translation>
    </message>
    <message>
        <source>Counter-Strike is running. Close it first: it saves its settings when it quits, and would undo the uninstall. Nothing was changed.</source>
        <translation>O Counter-Strike está em execução. Feche-o primeiro: ele salva as configurações ao sair e desfaria a desinstalação. Nada foi alterado.</translation>
    </message>
    <message>
        <source>Restoring this point changes nothing: every file is as it holds it.</source>
        <translation>Restaurar este ponto não altera nada: todos os arquivos estão como ele os guarda.</translation>
    </message>
    <message>
        <source>The lines of this run could not be read: %1</source>
        <translation>Não foi possível ler as linhas desta execução: %1</translation>
    </message>
    <message>
        <source>Counter-Strike is running: the settings take effect at its next start.</source>
        <translation>O Counter-Strike está em execução: as configurações terão efeito na próxima vez que ele iniciar.</translation>
    </message>
    <message>
        <source>@@ line %1 @@</source>
        <extracomment>The head of a change in a diff: &quot;@@ line 12 @@&quot;.</extracomment>
        <translation>@@ linha %1 @@</translation>
    </message>
</context>
</TS>
