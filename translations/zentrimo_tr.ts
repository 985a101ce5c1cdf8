<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>ConsoleOptions</name>
    <message>
        <source>Displays help on the command line options.</source>
        <translation>Komut satırı seçenekleriyle ilgili yardımı gösterir.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Sürüm bilgisini gösterir.</translation>
    </message>
    <message>
        <source>Prints what the game will use when it starts, and which file sets each setting.</source>
        <translation>Oyunun açılışta neyi kullanacağını ve her ayarı hangi dosyanın yaptığını yazdırır.</translation>
    </message>
    <message>
        <source>Applies the report&apos;s fix ID (again for more, or all), and prints the lines it changes. The JSON report lists the ids.</source>
        <translation>Rapordaki ID düzeltmesini uygular (başkaları için seçeneği yineleyin ya da all verin) ve değiştirdiği satırları yazdırır. ID&apos;leri JSON raporu listeler.</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>With --fix: prints the lines it would change, and changes nothing.</source>
        <translation>--fix ile: değiştireceği satırları yazdırır ve hiçbir şeyi değiştirmez.</translation>
    </message>
    <message>
        <source>Lists the restore points of the game folder, newest first: one is kept before every change.</source>
        <translation>Oyun klasörünün geri yükleme noktalarını en yenisi başta olmak üzere listeler: her değişiklikten önce bir tane saklanır.</translation>
    </message>
    <message>
        <source>Puts the game&apos;s scripts back as restore point ID holds them.</source>
        <translation>Oyunun scriptlerini ID geri yükleme noktasında saklandıkları hâline geri getirir.</translation>
    </message>
    <message>
        <source>With --report or --restore-points: as one JSON object.</source>
        <translation>--report veya --restore-points ile: tek bir JSON nesnesi olarak.</translation>
    </message>
    <message>
        <source>Shows the program in language CODE: %1.</source>
        <translation>Programı KOD dilinde gösterir: %1.</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>KOD</translation>
    </message>
    <message>
        <source>Tunes Counter-Strike through its start-up script.</source>
        <translation>Counter-Strike&apos;a başlangıç scripti üzerinden ince ayar yapar.</translation>
    </message>
    <message>
        <source>With --report, --fix, --restore-points or --restore: the game folder; else the one the start window would find.</source>
        <translation>--report, --fix, --restore-points veya --restore ile: oyun klasörü; aksi hâlde başlangıç penceresinin bulacağı klasör.</translation>
    </message>
    <message>
        <source>[GAMEROOT]</source>
        <translation>[OYUN_KLASÖRÜ]</translation>
    </message>
    <message>
        <source>There is no language %1; give one of %2.</source>
        <translation>%1 diye bir dil yok; şunlardan birini verin: %2.</translation>
    </message>
    <message>
        <source>Give only one of --report, --fix, --restore-points and --restore.</source>
        <translation>--report, --fix, --restore-points ve --restore seçeneklerinden yalnızca birini verin.</translation>
    </message>
    <message>
        <source>--json goes only with --report or --restore-points.</source>
        <translation>--json yalnızca --report veya --restore-points ile kullanılabilir.</translation>
    </message>
    <message>
        <source>--dry-run goes only with --fix.</source>
        <translation>--dry-run yalnızca --fix ile kullanılabilir.</translation>
    </message>
    <message>
        <source>A game folder goes only with --report, --fix, --restore-points or --restore: %1</source>
        <translation>Oyun klasörü yalnızca --report, --fix, --restore-points veya --restore ile verilebilir: %1</translation>
    </message>
    <message numerus="yes">
        <source>Give one game folder, not %n.</source>
        <translation>
            <numerusform>%n tane değil, tek bir oyun klasörü verin.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DirectoryList</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 okunamıyor: %2</translation>
    </message>
</context>
<context>
    <name>DirectoryPage</name>
    <message>
        <source>Your current half-life directory:</source>
        <translation>Şu anki Half-Life klasörünüz:</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Geri</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>İ&amp;leri</translation>
    </message>
    <message>
        <source>Half-life root not found, try specify another dir. Or choose another cstrike version</source>
        <extracomment>Deliberately as the old tool words it, its faults included.</extracomment>
        <translation>Half-Life ana klasörü bulunamadı, başka bir klasör belirtmeyi deneyin. Ya da başka bir cstrike sürümü seçin</translation>
    </message>
    <message>
        <source>Couldn&apos;t find counter-strike config file, try specify another path</source>
        <translation>Counter-Strike config dosyası bulunamadı, başka bir yol belirtmeyi deneyin</translation>
    </message>
</context>
<context>
    <name>DriveList</name>
    <message>
        <source>Volume (%1)</source>
        <translation>Birim (%1)</translation>
    </message>
    <message>
        <source>Home (%1)</source>
        <translation>Ev klasörü (%1)</translation>
    </message>
</context>
<context>
    <name>ErrorBoundary</name>
    <message>
        <source>Error %1: %2
%3</source>
        <translation>Hata %1: %2
%3</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Choose your half-life root directory:</source>
        <translation>Half-Life ana klasörünüzü seçin:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Tamam</translation>
    </message>
</context>
<context>
    <name>GamePlaces</name>
    <message>
        <source>Steam library (%1)</source>
        <translation>Steam kütüphanesi (%1)</translation>
    </message>
    <message>
        <source>Wine %1 (%2)</source>
        <translation>Wine %1 (%2)</translation>
    </message>
    <message>
        <source>Error %1: the registry could not be read.</source>
        <translation>Hata %1: kayıt defteri okunamadı.</translation>
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
        <translation>Hiçbir şey yapmayan satırları dışarıda bırak</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>Ayrıntıları &amp;göster...</translation>
    </message>
    <message>
        <source>Hide &amp;Details...</source>
        <translation>Ayrıntıları &amp;gizle...</translation>
    </message>
</context>
<context>
    <name>MusicLoop</name>
    <message>
        <source>%1 is missing!</source>
        <translation>%1 dosyası eksik!</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Zentrimo finds nothing to fix in the game&apos;s scripts.</source>
        <translation>Zentrimo, oyunun scriptlerinde düzeltilecek bir şey bulamıyor.</translation>
    </message>
    <message>
        <source>the game</source>
        <translation>oyun</translation>
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
        <translation>önceki bir scriptteki exec satırı</translation>
    </message>
    <message>
        <source>valve.rc&apos;s stuffcmds</source>
        <translation>valve.rc&apos;deki stuffcmds</translation>
    </message>
    <message>
        <source>%1. %2, run by %3</source>
        <translation>%1. %2, çalıştıran: %3</translation>
    </message>
    <message>
        <source>Restore point %1 is damaged: it cannot be restored.</source>
        <translation>Geri yükleme noktası %1 bozuk: geri yüklenemez.</translation>
    </message>
    <message>
        <source>%1, made before %2, is damaged: it cannot be restored.</source>
        <translation>%1 (%2 işleminden önce oluşturuldu) bozuk: geri yüklenemez.</translation>
    </message>
    <message>
        <source>%1, made before %2: every file is as it is today.</source>
        <translation>%1 (%2 işleminden önce oluşturuldu): her dosya bugünkü hâliyle aynı.</translation>
    </message>
    <message>
        <source>%1, made before %2: differs from today in %3.</source>
        <translation>%1 (%2 işleminden önce oluşturuldu): bugünkü hâlden farklı olanlar: %3.</translation>
    </message>
</context>
<context>
    <name>StartWindow</name>
    <message>
        <source>Retail Cstrike</source>
        <translation>Kutu sürümü Cstrike</translation>
    </message>
    <message>
        <source>Normal Cstrike</source>
        <translation>Normal Cstrike</translation>
    </message>
    <message>
        <source>Specify yourself</source>
        <translation>Kendiniz belirtin</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>İ&amp;leri</translation>
    </message>
    <message>
        <source>Cstrike Versions:</source>
        <translation>Cstrike sürümleri:</translation>
    </message>
</context>
<context>
    <name>console</name>
    <message>
        <source>The report proposes no fix %1; zentrimo --report --json lists them.</source>
        <translation>Rapor %1 adlı bir düzeltme önermiyor; düzeltmeleri zentrimo --report --json listeler.</translation>
    </message>
    <message>
        <source>Nothing was changed (--dry-run).</source>
        <translation>Hiçbir şey değiştirilmedi (--dry-run).</translation>
    </message>
    <message>
        <source>The game is running from %1: quit it first, since it rewrites its scripts when it quits. Nothing was changed.</source>
        <translation>Oyun %1 klasöründen çalışıyor: önce oyundan çıkın, çünkü oyun kapanırken scriptlerini yeniden yazar. Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message numerus="yes">
        <source>Applied %n fixes.</source>
        <translation>
            <numerusform>%n düzeltme uygulandı.</numerusform>
        </translation>
    </message>
    <message>
        <source>The report now proposes no fix.</source>
        <translation>Rapor artık hiçbir düzeltme önermiyor.</translation>
    </message>
    <message numerus="yes">
        <source>The report now proposes %n fixes.</source>
        <translation>
            <numerusform>Rapor şimdi %n düzeltme öneriyor.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences, the fixes applied and those the report still proposes.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The changes could not be written to the console.</source>
        <translation>Değişiklikler konsola yazılamadı.</translation>
    </message>
    <message>
        <source>%1 holds no cstrike/config.cfg: it is not the game&apos;s folder. Give the Half-Life folder that holds cstrike.</source>
        <translation>%1 klasöründe cstrike/config.cfg yok: bu, oyunun klasörü değil. İçinde cstrike bulunan Half-Life klasörünü verin.</translation>
    </message>
    <message>
        <source>The report could not be written.</source>
        <translation>Rapor yazılamadı.</translation>
    </message>
    <message>
        <source>The restore points could not be written.</source>
        <translation>Geri yükleme noktaları yazılamadı.</translation>
    </message>
</context>
<context>
    <name>game</name>
    <message>
        <source>%1 (%2) takes effect.</source>
        <translation>%1 (%2) ayarı etkili olur.</translation>
    </message>
    <message>
        <source>Today&apos;s game has no %1 (%2) and ignores the line without a word: press &quot;Skip setting&quot;, or delete the line from your script. %3</source>
        <translation>Oyunun güncel sürümünde %1 (%2) ayarı yok ve oyun bu satırı sessizce yok sayar: &quot;Ayarı atla&quot; düğmesine basın ya da satırı scriptinizden silin. %3</translation>
    </message>
    <message>
        <source>Today&apos;s game may have no %1 (%2) and then ignores the line without a word: press &quot;Skip setting&quot;, or delete the line from your script. %3</source>
        <translation>Oyunun güncel sürümünde %1 (%2) ayarı olmayabilir; o zaman oyun bu satırı sessizce yok sayar: &quot;Ayarı atla&quot; düğmesine basın ya da satırı scriptinizden silin. %3</translation>
    </message>
    <message>
        <source>Today&apos;s game always uses %3 for %1 (%2), whatever a script sets: press &quot;Skip setting&quot;, or delete the line from your script.</source>
        <translation>Oyunun güncel sürümü, script ne ayarlarsa ayarlasın, %1 (%2) ayarı için her zaman %3 değerini kullanır: &quot;Ayarı atla&quot; düğmesine basın ya da satırı scriptinizden silin.</translation>
    </message>
    <message>
        <source>%1 (%2) has no effect in today&apos;s game: press &quot;Skip setting&quot;, or delete the line from your script. %3</source>
        <translation>%1 (%2) ayarının oyunun güncel sürümünde hiçbir etkisi yok: &quot;Ayarı atla&quot; düğmesine basın ya da satırı scriptinizden silin. %3</translation>
    </message>
    <message>
        <source>At every map, today&apos;s game replaces %1 (%2) with your own saved setting %3 (%4 in a game with one slot): press &quot;Skip setting&quot; and set %3 in the game&apos;s console instead.</source>
        <translation>Oyunun güncel sürümü her haritada %1 (%2) ayarının yerine kendi kaydettiğiniz %3 ayarını koyar (tek slotlu bir oyunda %4 ayarını): &quot;Ayarı atla&quot; düğmesine basın ve bunun yerine %3 ayarını oyunun konsolunda yapın.</translation>
    </message>
    <message>
        <source>Today&apos;s game uses %3 for %1 (%2), not %4.</source>
        <translation>Oyunun güncel sürümü %1 (%2) ayarı için %4 değil, %3 değerini kullanır.</translation>
    </message>
    <message>
        <source>On a server with more than one slot, bots included, today&apos;s game uses %3 for %1 (%2), not %4.</source>
        <translation>Birden fazla slotu olan bir sunucuda (botlar dahil) oyunun güncel sürümü %1 (%2) ayarı için %4 değil, %3 değerini kullanır.</translation>
    </message>
    <message>
        <source>Today&apos;s game refuses %1 (%2) on any server with more than one slot, even an empty one or a bot game: it works only in a game with one slot.</source>
        <translation>Oyunun güncel sürümü birden fazla slotu olan her sunucuda, boş bir sunucuda ya da botlu bir oyunda bile %1 (%2) ayarını reddeder: bu ayar yalnızca tek slotlu bir oyunda çalışır.</translation>
    </message>
    <message>
        <source>Right after the scripts, today&apos;s game puts back the %1 (%2) it kept at its last quit: set it in the game&apos;s console while you play, and the game keeps that one.</source>
        <translation>Oyunun güncel sürümü, scriptlerden hemen sonra son çıkışta sakladığı %1 (%2) ayarını geri koyar: bu ayarı oynarken oyunun konsolunda yapın, oyun da o değeri saklar.</translation>
    </message>
    <message>
        <source>Right after the scripts, today&apos;s game may put back the %1 (%2) it kept at its last quit: set it in the game&apos;s console while you play, and the game keeps that one.</source>
        <translation>Oyunun güncel sürümü, scriptlerden hemen sonra son çıkışta sakladığı %1 (%2) ayarını geri koyabilir: bu ayarı oynarken oyunun konsolunda yapın, oyun da o değeri saklar.</translation>
    </message>
    <message>
        <source>With %1 (%2) at %3, expect %4.</source>
        <translation>%1 (%2) ayarı %3 olduğunda şunu bekleyin: %4.</translation>
    </message>
    <message>
        <source>With %1 (%2) at %3, you may get %4.</source>
        <translation>%1 (%2) ayarı %3 olduğunda şu olabilir: %4.</translation>
    </message>
    <message>
        <source>The game&apos;s own default is the first option.</source>
        <translation>Oyunun kendi varsayılanı ilk seçenektir.</translation>
    </message>
    <message>
        <source>The game&apos;s own default is the second option.</source>
        <translation>Oyunun kendi varsayılanı ikinci seçenektir.</translation>
    </message>
    <message>
        <source>The game&apos;s own default is the third option.</source>
        <translation>Oyunun kendi varsayılanı üçüncü seçenektir.</translation>
    </message>
    <message>
        <source>The game&apos;s own default is the last option.</source>
        <translation>Oyunun kendi varsayılanı son seçenektir.</translation>
    </message>
    <message>
        <source>Zentrimo does not know what today&apos;s game does with this line.</source>
        <translation>Zentrimo, oyunun güncel sürümünün bu satırla ne yaptığını bilmiyor.</translation>
    </message>
    <message>
        <source>This run wrote no lines.</source>
        <translation>Bu çalıştırmada hiç satır yazılmadı.</translation>
    </message>
    <message>
        <source>Lines: %1. They take effect: %2. Changed by the game: %3. Without effect: %4. Not in today&apos;s game: %5.</source>
        <translation>Satır: %1. Etkili olan: %2. Oyunun değiştirdiği: %3. Etkisiz: %4. Oyunun güncel sürümünde olmayan: %5.</translation>
    </message>
    <message>
        <source>Lines: %1. They take effect: %2. Changed by the game: %3. Without effect: %4. Not in today&apos;s game: %5. Unknown to Zentrimo: %6.</source>
        <translation>Satır: %1. Etkili olan: %2. Oyunun değiştirdiği: %3. Etkisiz: %4. Oyunun güncel sürümünde olmayan: %5. Zentrimo&apos;nun bilmediği: %6.</translation>
    </message>
    <message>
        <source>The key %1 joins a server (%3), and a server may have bound it so: bind it back to the game&apos;s own %2.</source>
        <translation>%1 tuşu sizi bir sunucuya bağlar (%3) ve tuşu bu şekilde bir sunucu bind etmiş olabilir: tuşu yeniden oyunun kendi komutuna bind edin: %2.</translation>
    </message>
    <message>
        <source>The key %1 joins a server (%2), and a server may have bound it so: take the line out; the game names no default for the key, so it is left unbound.</source>
        <translation>%1 tuşu sizi bir sunucuya bağlar (%2) ve tuşu bu şekilde bir sunucu bind etmiş olabilir: satırı çıkarın; oyun bu tuş için varsayılan bir komut belirtmediğinden tuş bind edilmemiş kalır.</translation>
    </message>
    <message>
        <source>The alias %1 joins a server (%2), and a server may have put it there: take the line out.</source>
        <translation>%1 adlı alias sizi bir sunucuya bağlar (%2) ve onu oraya bir sunucu koymuş olabilir: satırı çıkarın.</translation>
    </message>
    <message>
        <source>%1 joins a server whenever the game starts (%2), and a server may have put it there: take the line out.</source>
        <translation>%1 satırı her oyun açılışında sizi bir sunucuya bağlar (%2) ve onu oraya bir sunucu koymuş olabilir: satırı çıkarın.</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n lines after exec userconfig.cfg, where the game writes none, and a server may have added them: take them out.</source>
        <translation>
            <numerusform>%1 dosyasında exec userconfig.cfg satırından sonra %n satır var; oyun oraya hiçbir şey yazmaz ve bir sunucu eklemiş olabilir: çıkarın.</numerusform>
        </translation>
    </message>
    <message>
        <source>Servers may run commands in your game that the filter (cl_filterstuffcmd) would stop (%1): set it to 1.</source>
        <translation>Sunucular oyununuzda, filtrenin (cl_filterstuffcmd) durduracağı komutları çalıştırabilir (%1): filtreyi 1 olarak ayarlayın.</translation>
    </message>
    <message>
        <source>Your %1 (%2) at %3 never takes effect, because %5 sets it again: move the line to %4, which runs after it.</source>
        <translation>%1 (%2) ayarınız (%3) hiçbir zaman etkili olmaz, çünkü sonradan yeniden ayarlanıyor (%5): satırı, ondan sonra çalışan %4 dosyasına taşıyın.</translation>
    </message>
    <message>
        <source>Today&apos;s game has no %1 (%2) and ignores the lines that set it (%3): take them out.</source>
        <translation>Oyunun güncel sürümünde %1 (%2) ayarı yok ve oyun bu ayarı yapan satırları yok sayar (%3): bu satırları çıkarın.</translation>
    </message>
    <message numerus="yes">
        <source>%n commands after exec userconfig.cfg, where the game writes none: a server may have added them</source>
        <translation>
            <numerusform>exec userconfig.cfg satırından sonra %n komut var, oysa oyun oraya hiçbir şey yazmaz: bir sunucu eklemiş olabilir</numerusform>
        </translation>
    </message>
    <message>
        <source>exec takes one file name: %1</source>
        <translation>exec tek bir dosya adı alır: %1</translation>
    </message>
    <message>
        <source>%1: joins a server whenever the game starts; a server may have put it here</source>
        <translation>%1: her oyun açılışında sizi bir sunucuya bağlar; bunu buraya bir sunucu koymuş olabilir</translation>
    </message>
    <message>
        <source>%1 is in a folder that may not be opened: the game cannot read it</source>
        <translation>%1 dosyası açılmasına izin verilmeyen bir klasörde: oyun dosyayı okuyamaz</translation>
    </message>
    <message>
        <source>couldn&apos;t exec %1</source>
        <extracomment>The game&apos;s own console words, as it prints them.</extracomment>
        <translation>couldn&apos;t exec %1</translation>
    </message>
    <message>
        <source>exec %1 runs %2 again while it is still running: the game repeats it until its command buffer (16 KiB) overflows; its lines are read once here</source>
        <translation>exec %1 komutu, %2 dosyası hâlâ çalışırken onu yeniden çalıştırıyor: oyun bunu komut arabelleği (16 KiB) taşana kadar tekrarlar; burada dosyanın satırları bir kez okunur</translation>
    </message>
    <message>
        <source>%1 is not a regular file: skipped</source>
        <translation>%1 normal bir dosya değil: atlandı</translation>
    </message>
    <message>
        <source>%1 is larger than 64 MiB: skipped</source>
        <translation>%1 dosyasının boyutu 64 MiB üzerinde: atlandı</translation>
    </message>
    <message>
        <source>%1 may not be read: skipped</source>
        <translation>%1 dosyasını okuma izni yok: atlandı</translation>
    </message>
    <message>
        <source>%1 could not be read: skipped</source>
        <translation>%1 dosyası okunamadı: atlandı</translation>
    </message>
    <message>
        <source>start-up runs more than 64 MiB of scripts: not read further</source>
        <translation>açılışta 64 MiB üzerinde script çalışıyor: devamı okunmadı</translation>
    </message>
    <message>
        <source>%1 is saved as UTF-16: the game reads nothing in it</source>
        <translation>%1 dosyası UTF-16 olarak kaydedilmiş: oyun içinden hiçbir şey okumaz</translation>
    </message>
    <message>
        <source>stuffcmds: the command buffer overflows; the launch options are lost</source>
        <translation>stuffcmds: komut arabelleği taşıyor; başlatma seçenekleri kayboluyor</translation>
    </message>
    <message>
        <source>bind %1 runs %2: it joins a server; a server may have put it here</source>
        <translation>bind %1 şunu çalıştırır: %2; sizi bir sunucuya bağlar; bunu buraya bir sunucu koymuş olabilir</translation>
    </message>
    <message>
        <source>alias %1 runs %2: it joins a server; a server may have put it here</source>
        <translation>alias %1 şunu çalıştırır: %2; sizi bir sunucuya bağlar; bunu buraya bir sunucu koymuş olabilir</translation>
    </message>
    <message>
        <source>%1 runs itself again while it is still running: the game repeats it without end; its commands are read once here</source>
        <translation>%1 hâlâ çalışırken kendini yeniden çalıştırıyor: oyun bunu sonsuza dek tekrarlar; burada komutları bir kez okunur</translation>
    </message>
    <message>
        <source>%1: the command buffer overflows; the alias is lost</source>
        <translation>%1: komut arabelleği taşıyor; alias kayboluyor</translation>
    </message>
    <message>
        <source>%1: lets servers run commands in your game that 1 would filter out; a server may have set it</source>
        <translation>%1: sunucuların oyununuzda, 1 değerinin filtreleyeceği komutları çalıştırmasına izin verir; bunu bir sunucu ayarlamış olabilir</translation>
    </message>
    <message>
        <source>exec %1: invalid path</source>
        <extracomment>The game&apos;s own console words, as it prints them.</extracomment>
        <translation>exec %1: invalid path</translation>
    </message>
    <message>
        <source>exec %1: not a .cfg or .rc file</source>
        <translation>exec %1: .cfg veya .rc dosyası değil</translation>
    </message>
    <message>
        <source>the game refuses %1 as an alias name</source>
        <translation>oyun %1 adını alias adı olarak kabul etmez</translation>
    </message>
    <message>
        <source>set again by %1</source>
        <translation>yeniden ayarlayan: %1</translation>
    </message>
    <message>
        <source>the game</source>
        <translation>oyun</translation>
    </message>
    <message>
        <source>launch options</source>
        <translation>başlatma seçenekleri</translation>
    </message>
    <message>
        <source>%1 line %2</source>
        <extracomment>A script and a line of it: &quot;cstrike/config.cfg line 12&quot;.</extracomment>
        <translation>%1, satır %2</translation>
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
        <translation>oyunun kendi ayar deposu</translation>
    </message>
    <message>
        <source>the Windows registry (HKEY_CURRENT_USER\Software\Valve\Steam, Rate)</source>
        <translation>Windows kayıt defteri (HKEY_CURRENT_USER\Software\Valve\Steam, Rate)</translation>
    </message>
    <message>
        <source>the Wine prefix&apos;s registry (%1)</source>
        <translation>Wine prefix&apos;inin kayıt defteri (%1)</translation>
    </message>
    <message>
        <source>Start-up of the game in %1</source>
        <translation>%1 klasöründeki oyunun açılışı</translation>
    </message>
    <message>
        <source>Signs of tampering:</source>
        <translation>Kurcalanma belirtileri:</translation>
    </message>
    <message>
        <source>What some settings cost you:</source>
        <translation>Bazı ayarlar size neye mal oluyor:</translation>
    </message>
    <message>
        <source>Scripts the program cannot read:</source>
        <translation>Programın okuyamadığı scriptler:</translation>
    </message>
    <message>
        <source>Scripts that are missing:</source>
        <translation>Eksik scriptler:</translation>
    </message>
    <message>
        <source>Lines the game refuses:</source>
        <translation>Oyunun reddettiği satırlar:</translation>
    </message>
    <message>
        <source>Scripts that run themselves:</source>
        <translation>Kendini çalıştıran scriptler:</translation>
    </message>
    <message>
        <source>Limits reached:</source>
        <translation>Ulaşılan sınırlar:</translation>
    </message>
    <message>
        <source>Lines that never take effect:</source>
        <translation>Hiçbir zaman etkili olmayan satırlar:</translation>
    </message>
    <message>
        <source>Scripts, in the order the game runs them:</source>
        <translation>Oyunun çalıştırdığı sırayla scriptler:</translation>
    </message>
    <message>
        <source>valve.rc is in neither cstrike nor valve: read as the standard one, exec autoexec.cfg then the launch options</source>
        <translation>valve.rc ne cstrike ne de valve klasöründe: standart dosya gibi okundu, yani exec autoexec.cfg, ardından başlatma seçenekleri</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>A script in the order the game runs them: &quot;1. cstrike/config.cfg&quot;.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1. %2 (run %3 of this file)</source>
        <translation>%1. %2 (bu dosyanın %3. çalıştırılışı)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>yok</translation>
    </message>
    <message>
        <source>Launch options: none given</source>
        <translation>Başlatma seçenekleri: verilmedi</translation>
    </message>
    <message>
        <source>Launch options: %1</source>
        <translation>Başlatma seçenekleri: %1</translation>
    </message>
    <message>
        <source>Launch options: none</source>
        <translation>Başlatma seçenekleri: yok</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>kaynak: %1</translation>
    </message>
    <message>
        <source>from %1 (Steam user %2, whose file changed last of %3)</source>
        <translation>kaynak: %1 (%3 kullanıcı arasında dosyası en son değişen Steam kullanıcısı: %2)</translation>
    </message>
    <message>
        <source>Settings as the game will have them:</source>
        <translation>Oyunun kullanacağı ayarlar:</translation>
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
            <numerusform>%n satır, ayar veya uyarı daha gösterilmedi</numerusform>
        </translation>
    </message>
    <message>
        <source>Rate kept by the game:</source>
        <translation>Oyunun sakladığı rate:</translation>
    </message>
    <message>
        <source>after the scripts the game sets rate to &quot;%1&quot;, the rate it kept in %2 when it last quit</source>
        <translation>scriptlerden sonra oyun rate değerini &quot;%1&quot; yapar; bu, son çıkışta sakladığı rate değeridir (yer: %2)</translation>
    </message>
    <message>
        <source>%1 holds no rate: the scripts&apos; rate holds, and the game keeps it there when it quits</source>
        <translation>%1: kayıtlı rate değeri yok; scriptlerdeki rate geçerli olur ve oyun çıkarken onu oraya kaydeder</translation>
    </message>
    <message>
        <source>the game may put back the rate it kept in %1 at its last quit, which this program cannot read: a rate set in a script may not take effect</source>
        <translation>oyun son çıkışta sakladığı rate değerini geri koyabilir, ancak bu program o yeri okuyamıyor (%1): bir scriptte ayarlanan rate etkili olmayabilir</translation>
    </message>
    <message>
        <source>Decals</source>
        <translation>Decallar</translation>
    </message>
    <message>
        <source>Dynamic lights</source>
        <translation>Dinamik ışıklar</translation>
    </message>
    <message>
        <source>Weapon model</source>
        <translation>Silah modeli</translation>
    </message>
    <message>
        <source>no weapon and no reload cues</source>
        <translation>silah görünmez, reload yaptığınız da görünmez</translation>
    </message>
    <message>
        <source>Collinear vertexes</source>
        <translation>Eşdoğrusal köşeler</translation>
    </message>
    <message>
        <source>cracks between polygons when a map loads</source>
        <translation>harita yüklenirken poligonlar arasında çatlaklar</translation>
    </message>
    <message>
        <source>Shadows</source>
        <translation>Gölgeler</translation>
    </message>
    <message>
        <source>Texture sorting</source>
        <translation>Doku sıralama</translation>
    </message>
    <message>
        <source>It has been gone since 2013.</source>
        <translation>2013&apos;ten beri yok.</translation>
    </message>
    <message>
        <source>Decal offset</source>
        <translation>Decal kaydırma</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Parlaklık</translation>
    </message>
    <message>
        <source>a washed-out picture</source>
        <translation>soluk bir görüntü</translation>
    </message>
    <message>
        <source>Gamma</source>
        <translation>Gamma</translation>
    </message>
    <message>
        <source>Texture gamma</source>
        <translation>Doku gamması</translation>
    </message>
    <message>
        <source>Light gamma</source>
        <translation>Işık gamması</translation>
    </message>
    <message>
        <source>High-quality player models</source>
        <translation>Yüksek kaliteli oyuncu modelleri</translation>
    </message>
    <message>
        <source>Pic mip</source>
        <translation>Pic mip</translation>
    </message>
    <message>
        <source>It changes nothing on graphics cards with non-power-of-two textures, which every current card has.</source>
        <translation>Boyutları ikinin kuvveti olmayan dokuları destekleyen ekran kartlarında hiçbir şeyi değiştirmez; günümüzdeki her kart bunu destekler.</translation>
    </message>
    <message>
        <source>ZTrick</source>
        <translation>ZTrick</translation>
    </message>
    <message>
        <source>It was renamed gl_ztrick_old in 2013, &quot;usage deprecated&quot;.</source>
        <translation>2013&apos;te adı gl_ztrick_old olarak değiştirildi, &quot;usage deprecated&quot; notuyla.</translation>
    </message>
    <message>
        <source>Direct3D flip</source>
        <translation>Direct3D flip</translation>
    </message>
    <message>
        <source>The Direct3D renderer was removed in 2013.</source>
        <translation>Direct3D işleyicisi 2013&apos;te kaldırıldı.</translation>
    </message>
    <message>
        <source>Texture mode</source>
        <translation>Doku modu</translation>
    </message>
    <message>
        <source>blocky textures</source>
        <translation>kare kare, pikselli dokular</translation>
    </message>
    <message>
        <source>Sound mix-ahead</source>
        <translation>Ses ön karıştırma</translation>
    </message>
    <message>
        <source>A3D</source>
        <translation>A3D</translation>
    </message>
    <message>
        <source>A3D was removed in 2013.</source>
        <translation>A3D 2013&apos;te kaldırıldı.</translation>
    </message>
    <message>
        <source>EAX</source>
        <translation>EAX</translation>
    </message>
    <message>
        <source>EAX was removed in 2013.</source>
        <translation>EAX 2013&apos;te kaldırıldı.</translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation>Yankılanma</translation>
    </message>
    <message>
        <source>No Steam build or recent config holds it.</source>
        <translation>Ne bir Steam sürümünde ne de yeni bir configde var.</translation>
    </message>
    <message>
        <source>8-bit sound</source>
        <translation>8 bit ses</translation>
    </message>
    <message>
        <source>worse sound</source>
        <translation>daha kötü ses</translation>
    </message>
    <message>
        <source>High-quality sound</source>
        <translation>Yüksek kaliteli ses</translation>
    </message>
    <message>
        <source>Maximum modem framerate</source>
        <translation>Modem için FPS sınırı</translation>
    </message>
    <message>
        <source>It is in old configs only; fps_max limits the frame rate now.</source>
        <translation>Yalnızca eski configlerde var; artık kare hızını fps_max sınırlıyor.</translation>
    </message>
    <message>
        <source>Maximum LAN framerate</source>
        <translation>LAN için FPS sınırı</translation>
    </message>
    <message>
        <source>No Steam build holds it; fps_max limits the frame rate now.</source>
        <translation>Hiçbir Steam sürümünde yok; artık kare hızını fps_max sınırlıyor.</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>choke and lag</source>
        <translation>choke ve lag</translation>
    </message>
    <message>
        <source>Push latency</source>
        <translation>Push gecikmesi</translation>
    </message>
    <message>
        <source>No Steam build holds it.</source>
        <translation>Hiçbir Steam sürümünde yok.</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>İndirme</translation>
    </message>
    <message>
        <source>to be disconnected by every server running a map or model you lack</source>
        <translation>sizde olmayan bir harita ya da model kullanan her sunucunun bağlantınızı kesmesi</translation>
    </message>
    <message>
        <source>Uploads</source>
        <translation>Gönderme</translation>
    </message>
    <message>
        <source>MMX</source>
        <translation>MMX</translation>
    </message>
    <message>
        <source>The game registers it but nothing reads it.</source>
        <translation>Oyun bu ayarı tanımlıyor ama hiçbir şey onu okumuyor.</translation>
    </message>
    <message>
        <source>Mouse filter</source>
        <translation>Fare filtresi</translation>
    </message>
    <message>
        <source>mouse smoothing and delay</source>
        <translation>fare yumuşatma ve gecikme</translation>
    </message>
    <message>
        <source>Console speed</source>
        <translation>Konsol hızı</translation>
    </message>
    <message>
        <source>Neither the engine&apos;s reconstruction nor any recent config holds it.</source>
        <translation>Ne motorun yeniden oluşturulmuş hâlinde ne de yeni bir configde var.</translation>
    </message>
    <message>
        <source>Joystick</source>
        <translation>Joystick</translation>
    </message>
    <message>
        <source>a drifting stick moving you</source>
        <translation>kendiliğinden kayan bir çubuğun sizi hareket ettirmesi</translation>
    </message>
    <message>
        <source>Third-person view</source>
        <translation>Üçüncü şahıs görünümü</translation>
    </message>
    <message>
        <source>First-person view</source>
        <translation>Birinci şahıs görünümü</translation>
    </message>
</context>
<context>
    <name>wizard</name>
    <message>
        <source>Console speed </source>
        <translation>Konsol hızı </translation>
    </message>
    <message>
        <source>The console, opened and closed with the &quot;~&quot; key, moves down and up slowly by default and wastes your time.</source>
        <translation>&quot;~&quot; tuşuyla açılıp kapanan konsol varsayılan olarak yavaşça iner ve çıkar, vaktinizi boşa harcar.</translation>
    </message>
    <message>
        <source>Console speed:</source>
        <translation>Konsol hızı:</translation>
    </message>
    <message>
        <source>A higher value makes the console move faster, a lower value slower.</source>
        <translation>Yüksek bir değer konsolu hızlandırır, düşük bir değer yavaşlatır.</translation>
    </message>
    <message>
        <source>The default is 600; 3000 or more makes the console appear and disappear almost at once.</source>
        <translation>Varsayılan değer 600; 3000 veya üzerinde konsol neredeyse anında açılıp kapanır.</translation>
    </message>
    <message>
        <source>Third person view </source>
        <translation>Üçüncü şahıs görünümü </translation>
    </message>
    <message>
        <source>Third person view has no real purpose but may be fun, and it may be slightly slower. Leave the box cleared to keep the first person view, the game&apos;s default. See the pictures below.</source>
        <translation>Üçüncü şahıs görünümünün gerçek bir faydası yok ama eğlenceli olabilir; biraz daha yavaş da olabilir. Oyunun varsayılanı olan birinci şahıs görünümünü korumak için kutuyu işaretsiz bırakın. Aşağıdaki resimlere bakın.</translation>
    </message>
    <message>
        <source>Use third person view.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Üçüncü şahıs görünümü açılsın mı.?</translation>
    </message>
    <message>
        <source>Third person view:</source>
        <translation>Üçüncü şahıs görünümü:</translation>
    </message>
    <message>
        <source>First person view:</source>
        <translation>Birinci şahıs görünümü:</translation>
    </message>
    <message>
        <source>You have now completed the tweak of Counter-strike. Enjoy the tweak!</source>
        <translation>Counter-Strike ince ayarını tamamladınız. İnce ayarın keyfini çıkarın!</translation>
    </message>
    <message>
        <source>If you want to uninstall the tweak, just start this tweak-program again, and then choose &quot;uninstall&quot; instead of &quot;start tweak&quot;</source>
        <translation>İnce ayarı kaldırmak isterseniz bu ince ayar programını yeniden başlatın ve &quot;İnce ayarı başlat&quot; yerine &quot;Kaldır&quot; düğmesine basın</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Çı&amp;k</translation>
    </message>
    <message>
        <source>You can now choose to move on to misc tweak section, or you can just quit and save settings now.</source>
        <translation>Şimdi diğer ince ayarlar bölümüne geçebilir ya da hemen çıkıp ayarları kaydedebilirsiniz.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Devam</translation>
    </message>
    <message>
        <source>MMX </source>
        <translation>MMX </translation>
    </message>
    <message>
        <source>Enable MMX if your processor supports it (Pentium MMX, Pentium II, Celeron, K6, K6-2). Otherwise disable it for a possible speed gain.</source>
        <translation>İşlemciniz destekliyorsa MMX&apos;i açın (Pentium MMX, Pentium II, Celeron, K6, K6-2). Aksi hâlde olası bir hız kazancı için kapatın.</translation>
    </message>
    <message>
        <source>Enable MMX support?</source>
        <translation>MMX desteği açılsın mı?</translation>
    </message>
    <message>
        <source>Mouse filtering </source>
        <translation>Fare filtreleme </translation>
    </message>
    <message>
        <source>Mouse filtering averages the positions before and after each movement, which smooths the mouse.</source>
        <translation>Fare filtreleme her hareketten önceki ve sonraki konumların ortalamasını alır; bu da fareyi yumuşatır.</translation>
    </message>
    <message>
        <source>Enable mouse filtering?</source>
        <translation>Fare filtreleme açılsın mı?</translation>
    </message>
    <message>
        <source>Joystick</source>
        <translation>Joystick</translation>
    </message>
    <message>
        <source>Most people play with mouse and keyboard rather than a joystick. Disabling joystick support gains speed.</source>
        <translation>Çoğu kişi joystick yerine fare ve klavyeyle oynar. Joystick desteğini kapatmak hız kazandırır.</translation>
    </message>
    <message>
        <source>Disable Joystick and gain performance.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Joystick kapatılıp performans kazanılsın mı.?</translation>
    </message>
    <message>
        <source>Maximum modem framerate </source>
        <translation>Modem için FPS sınırı </translation>
    </message>
    <message>
        <source>Over a modem, limiting the frame rate lowers your ping, and your frame rate with it. 33 is recommended for 56k modems, where the ping is usually around 160; use lower values for slower modems.</source>
        <translation>Modemle oynarken kare hızını sınırlamak pinginizi düşürür, kare hızınız da onunla birlikte düşer. Pingin genellikle 160 civarında olduğu 56k modemler için 33 önerilir; daha yavaş modemlerde daha düşük değerler kullanın.</translation>
    </message>
    <message>
        <source>Max modem framerate:</source>
        <translation>Modem FPS sınırı:</translation>
    </message>
    <message>
        <source>Non-modem users should not be concerned with this command.</source>
        <translation>Modem kullanmayanların bu komutla ilgilenmesine gerek yok.</translation>
    </message>
    <message>
        <source>Push Lantency:</source>
        <extracomment>&quot;Lantency&quot; is the original&apos;s typo for &quot;latency&quot;; translate the meaning.</extracomment>
        <translation>Push gecikmesi:</translation>
    </message>
    <message>
        <source>Prediction</source>
        <translation>Tahmin</translation>
    </message>
    <message>
        <source>This setting controls prediction in internet games. Set it between one half and one times your average ping, negated: for a ping of 300, between -150 and -300.</source>
        <translation>Bu ayar internet oyunlarında tahmini (prediction) denetler. Ortalama pinginizin yarısı ile tamamı arasında eksi bir değer verin: 300 ping için -150 ile -300 arası.</translation>
    </message>
    <message>
        <source>(You can&apos;t type minus, it is typed by default)</source>
        <translation>(Eksi işaretini yazamazsınız, varsayılan olarak eklenir)</translation>
    </message>
    <message>
        <source>Allow download</source>
        <translation>İndirmeye izin ver</translation>
    </message>
    <message>
        <source>This setting decides whether decals, maps and models are downloaded when you connect to a server.</source>
        <translation>Bu ayar, bir sunucuya bağlandığınızda decalların, haritaların ve modellerin indirilip indirilmeyeceğini belirler.</translation>
    </message>
    <message>
        <source>Allow downloading of decals, maps, and models.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Decal, harita ve modellerin indirilmesine izin verilsin mi.?</translation>
    </message>
    <message>
        <source>You can now choose to move on to internet tweak section, or you can just quit and save settings now.</source>
        <translation>Şimdi internet ince ayarları bölümüne geçebilir ya da hemen çıkıp ayarları kaydedebilirsiniz.</translation>
    </message>
    <message>
        <source>Maximum LAN framerate </source>
        <translation>LAN için FPS sınırı </translation>
    </message>
    <message>
        <source>The same limit for games on a local network. 45 is recommended; adjust it if the game lags.</source>
        <translation>Yerel ağdaki oyunlar için aynı sınır. 45 önerilir; oyun lag yaparsa değeri değiştirin.</translation>
    </message>
    <message>
        <source>Max LAN framerate:</source>
        <translation>LAN FPS sınırı:</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>A lower rate usually gives lower pings, because the server sends less data. Recommended are 2500 to 3500 for 28.8 and 33.6 modems, 3000 to 5000 for 56k modems, 5000 and more for faster lines, and about 25,000 for LAN games and ADSL.</source>
        <translation>Düşük bir rate genellikle daha düşük ping verir, çünkü sunucu daha az veri gönderir. Önerilen değerler: 28,8 ve 33,6 modemler için 2500 ile 3500 arası, 56k modemler için 3000 ile 5000 arası, daha hızlı hatlar için 5000 ve üzeri, LAN oyunları ve ADSL için yaklaşık 25.000.</translation>
    </message>
    <message>
        <source>Rate:</source>
        <translation>Rate:</translation>
    </message>
    <message>
        <source>Allow upload </source>
        <translation>Göndermeye izin ver </translation>
    </message>
    <message>
        <source>This setting decides whether your own decals, maps and models are uploaded when you connect to a server.</source>
        <translation>Bu ayar, bir sunucuya bağlandığınızda kendi decallarınızın, haritalarınızın ve modellerinizin gönderilip gönderilmeyeceğini belirler.</translation>
    </message>
    <message>
        <source>Allow uploading of decals, maps, and models.</source>
        <translation>Decal, harita ve modellerin gönderilmesine izin ver.</translation>
    </message>
    <message>
        <source>What today&apos;s game does with this setting</source>
        <translation>Oyunun güncel sürümü bu ayarla ne yapıyor</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>İ&amp;leri</translation>
    </message>
    <message>
        <source>&amp;Skip setting</source>
        <translation>Ayarı &amp;atla</translation>
    </message>
    <message>
        <source>8 Bit 11 kHz </source>
        <translation>8 bit 11 kHz </translation>
    </message>
    <message>
        <source>8 Bit 22 kHz (high quality)</source>
        <translation>8 bit 22 kHz (yüksek kalite)</translation>
    </message>
    <message>
        <source>16 Bit 11 kHz</source>
        <translation>16 bit 11 kHz</translation>
    </message>
    <message>
        <source>16 Bit 22 kHz (high quality) </source>
        <translation>16 bit 22 kHz (yüksek kalite) </translation>
    </message>
    <message>
        <source>Sound quality </source>
        <translation>Ses kalitesi </translation>
    </message>
    <message>
        <source>Low-quality sound uses less memory and gives a slight speed gain on some systems. With a PCI sound card or a fast processor there is no reason to give up good sound.</source>
        <translation>Düşük kaliteli ses daha az bellek kullanır ve bazı sistemlerde biraz hız kazandırır. PCI ses kartınız ya da hızlı bir işlemciniz varsa iyi sesten vazgeçmeniz için bir neden yok.</translation>
    </message>
    <message>
        <source>You can now choose to move on to sound tweak section, or you can just quit and save settings now.</source>
        <translation>Şimdi ses ince ayarları bölümüne geçebilir ya da hemen çıkıp ayarları kaydedebilirsiniz.</translation>
    </message>
    <message>
        <source>Sound Compatibility </source>
        <translation>Ses uyumluluğu </translation>
    </message>
    <message>
        <source>Some sound cards, the Ensoniq AudioPCI in particular, stutter in games built on the Quake II engine. If yours does, leave the box cleared for maximum compatibility.</source>
        <translation>Bazı ses kartları, özellikle Ensoniq AudioPCI, Quake II motoruyla yapılmış oyunlarda takılır. Sizinki de takılıyorsa en yüksek uyumluluk için kutuyu işaretsiz bırakın.</translation>
    </message>
    <message>
        <source>Use maximum performance sound? (unchecked means maximum compatibility)</source>
        <translation>En yüksek performanslı ses kullanılsın mı? (işaretsiz: en yüksek uyumluluk)</translation>
    </message>
    <message>
        <source>A3D</source>
        <translation>A3D</translation>
    </message>
    <message>
        <source>The game supports A3D 3D sound, reportedly only on Vortex 2 cards. A3D is buggy, so enable it only to try it out.</source>
        <translation>Oyun A3D 3D sesini destekler; söylendiğine göre yalnızca Vortex 2 kartlarında. A3D hatalıdır, bu yüzden onu yalnızca denemek için açın.</translation>
    </message>
    <message>
        <source>Disable A3D?</source>
        <translation>A3D kapatılsın mı?</translation>
    </message>
    <message>
        <source>EAX </source>
        <translation>EAX </translation>
    </message>
    <message>
        <source>EAX is another 3D audio interface, supported by the Sound Blaster Live and other cards.</source>
        <translation>EAX, Sound Blaster Live ve başka kartların desteklediği bir diğer 3D ses arabirimidir.</translation>
    </message>
    <message>
        <source>Disable EAX?</source>
        <translation>EAX kapatılsın mı?</translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation>Yankılanma</translation>
    </message>
    <message>
        <source>Reverb adds echo to the sound. It does little in this game, and turning it off can gain a little speed.</source>
        <translation>Yankılanma sese eko ekler. Bu oyunda pek bir işe yaramaz; kapatmak biraz hız kazandırabilir.</translation>
    </message>
    <message>
        <source>Disable reverb?</source>
        <translation>Yankılanma kapatılsın mı?</translation>
    </message>
    <message>
        <source>Brightness must be under 4 and over 0</source>
        <translation>Parlaklık 0&apos;dan büyük ve 4&apos;ten küçük olmalı</translation>
    </message>
    <message>
        <source>Gamma must be under 4 and over 0</source>
        <translation>Gamma 0&apos;dan büyük ve 4&apos;ten küçük olmalı</translation>
    </message>
    <message>
        <source>From now on, you have to answer a couple of questions. Plz, do it carefully. This program do not take any responsebillity if your computer migth be damaged.</source>
        <extracomment>The original&apos;s misspellings (&quot;Plz&quot;, &quot;do not&quot;, &quot;responsebillity&quot;, &quot;migth&quot;) are deliberate; write it correctly.</extracomment>
        <translation>Bundan sonra birkaç soruyu yanıtlamanız gerekiyor. Lütfen dikkatli yanıtlayın. Bilgisayarınız zarar görürse bu program hiçbir sorumluluk kabul etmez.</translation>
    </message>
    <message>
        <source>Zentrimo was made by Vaskor. Thank you for using it!</source>
        <translation>Zentrimo&apos;yu Vaskor yaptı. Kullandığınız için teşekkürler!</translation>
    </message>
    <message>
        <source>Found a bug, or have a comment? Please report it to whoever gave you this program, or on the project&apos;s issue tracker.</source>
        <translation>Bir hata mı buldunuz ya da bir yorumunuz mu var? Lütfen bunu size bu programı veren kişiye ya da projenin hata takip sistemine bildirin.</translation>
    </message>
    <message>
        <source>&amp;Start Tweak</source>
        <translation>İnce ayarı &amp;başlat</translation>
    </message>
    <message>
        <source>&amp;Check game</source>
        <translation>Oyunu &amp;denetle</translation>
    </message>
    <message>
        <source>Restore &amp;points...</source>
        <translation>&amp;Geri yükleme noktaları...</translation>
    </message>
    <message>
        <source>&amp;Uninstall</source>
        <translation>&amp;Kaldır</translation>
    </message>
    <message>
        <source>Uninstall Tweak if installed:</source>
        <translation>Kuruluysa ince ayarı kaldır:</translation>
    </message>
    <message>
        <source>Decals, bulletholes, and explosion scars... </source>
        <translation>Decallar, mermi delikleri ve patlama izleri... </translation>
    </message>
    <message>
        <source>Make sure to limit the number of decals, bulletholes, and explosion scars.</source>
        <translation>Decalların, mermi deliklerinin ve patlama izlerinin sayısını mutlaka sınırlayın.</translation>
    </message>
    <message>
        <source>Maximum number of decals on screen at a time (recommended 200 to 500)</source>
        <translation>Ekranda aynı anda en fazla decal sayısı (önerilen: 200 ile 500 arası)</translation>
    </message>
    <message>
        <source>You will gain a 10% to 15% improvement in performance, especially in lengthy matches. See the pics below:</source>
        <translation>Özellikle uzun maçlarda performansta yüzde 10 ile 15 arası bir artış elde edersiniz. Aşağıdaki resimlere bakın:</translation>
    </message>
    <message>
        <source>Decals etc. enabled:</source>
        <translation>Decallar vb. açık:</translation>
    </message>
    <message>
        <source>Decals etc. disabled:</source>
        <translation>Decallar vb. kapalı:</translation>
    </message>
    <message>
        <source>Dynamic lighting </source>
        <translation>Dinamik ışıklandırma </translation>
    </message>
    <message>
        <source>With dynamic lighting, lit things such as muzzle flashes and explosions throw their light onto the walls and objects near them. Switching it off gains speed, but your flashlight stops working. The pictures show the glow on the wall.</source>
        <translation>Dinamik ışıklandırmada namlu alevi ve patlama gibi ışık saçan şeyler, ışıklarını yakınlarındaki duvarlara ve nesnelere düşürür. Kapatmak hız kazandırır ama el feneriniz çalışmaz olur. Resimler duvardaki parıltıyı gösteriyor.</translation>
    </message>
    <message>
        <source>Disable dynamic lighting and gain performance?</source>
        <translation>Dinamik ışıklandırma kapatılıp performans kazanılsın mı?</translation>
    </message>
    <message>
        <source>Do you want to disable dynamic lighting?</source>
        <translation>Dinamik ışıklandırmayı kapatmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>Dynamic Enabled:</source>
        <translation>Dinamik açık:</translation>
    </message>
    <message>
        <source>Dynamic Disabled:</source>
        <translation>Dinamik kapalı:</translation>
    </message>
    <message>
        <source>Weapon visibility </source>
        <translation>Silahın görünürlüğü </translation>
    </message>
    <message>
        <source>The weapon in your hands blocks part of your view. Hiding it gains 3 to 5 frames per second, or even more. See the pictures below.</source>
        <translation>Elinizdeki silah görüşünüzün bir kısmını kapatır. Onu gizlemek saniyede 3 ile 5 kare, hatta daha fazlasını kazandırır. Aşağıdaki resimlere bakın.</translation>
    </message>
    <message>
        <source>Make weapon invisible and gain performance?</source>
        <translation>Silah gizlenip performans kazanılsın mı?</translation>
    </message>
    <message>
        <source>Do you want to be able to see your weapon during the game?</source>
        <translation>Oyun sırasında silahınızı görebilmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>Visible weapon:</source>
        <translation>Görünen silah:</translation>
    </message>
    <message>
        <source>Invisible weapon:</source>
        <translation>Görünmeyen silah:</translation>
    </message>
    <message>
        <source>Collinear vertexes </source>
        <translation>Eşdoğrusal köşeler </translation>
    </message>
    <message>
        <source>Keeping collinear vertexes fills the gaps and reduces the cracks between polygons. Switching it off can gain some speed, at the price of some visible cracking.</source>
        <translation>Eşdoğrusal köşeleri korumak boşlukları doldurur ve poligonlar arasındaki çatlakları azaltır. Kapatmak, bazı görünür çatlaklar pahasına biraz hız kazandırabilir.</translation>
    </message>
    <message>
        <source>Disable collinear vertexes?</source>
        <translation>Eşdoğrusal köşeler kapatılsın mı?</translation>
    </message>
    <message>
        <source>You may gain around 1 or 2 FPS from disabling this.</source>
        <translation>Bunu kapatarak 1 ya da 2 FPS kadar kazanabilirsiniz.</translation>
    </message>
    <message>
        <source>Shadows</source>
        <translation>Gölgeler</translation>
    </message>
    <message>
        <source>Shadows are off by default in the game. They look unrealistic and are best used only when you really need them.</source>
        <translation>Gölgeler oyunda varsayılan olarak kapalıdır. Gerçekçi görünmezler; en iyisi onları yalnızca gerçekten gerektiğinde kullanmaktır.</translation>
    </message>
    <message>
        <source>Disable shadows and gain performance.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Gölgeler kapatılıp performans kazanılsın mı.?</translation>
    </message>
    <message>
        <source>Shadows enabled:</source>
        <translation>Gölgeler açık:</translation>
    </message>
    <message>
        <source>Shadows disabled:</source>
        <translation>Gölgeler kapalı:</translation>
    </message>
    <message>
        <source>Enabling gl_texsort gives much brighter images, at a large cost in speed. Some video cards need it switched on, others switched off: if your card has problems, try both.</source>
        <translation>gl_texsort açmak çok daha parlak görüntü verir ama hızı büyük ölçüde düşürür. Bazı ekran kartları bunun açık, bazıları kapalı olmasını ister: kartınızda sorun varsa ikisini de deneyin.</translation>
    </message>
    <message>
        <source>Disable gl_texsort and gain performance?</source>
        <translation>gl_texsort kapatılıp performans kazanılsın mı?</translation>
    </message>
    <message>
        <source>gl_texsort enabled:</source>
        <translation>gl_texsort açık:</translation>
    </message>
    <message>
        <source>gl_texsort disabled:</source>
        <translation>gl_texsort kapalı:</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Kaydırma</translation>
    </message>
    <message>
        <source>The offset of textures and decals fixes decals that show through walls or are drawn wrongly. It has little or no effect on speed.</source>
        <translation>Dokuların ve decalların kaydırılması, duvarların arkasından görünen ya da yanlış çizilen decalları düzeltir. Hız üzerinde etkisi azdır ya da hiç yoktur.</translation>
    </message>
    <message>
        <source>Poly-Offset:</source>
        <translation>Poligon kaydırma:</translation>
    </message>
    <message>
        <source>Poly-Offset Must be between -25 and 25</source>
        <translation>Poligon kaydırma -25 ile 25 arasında olmalı</translation>
    </message>
    <message>
        <source>4 is the default for video cards without problems. If your card has problems, try -1, 20 or 5, and then experiment.</source>
        <translation>Sorunsuz ekran kartları için varsayılan değer 4&apos;tür. Kartınızda sorun varsa -1, 20 ya da 5 deneyin, sonra farklı değerlerle deneme yapın.</translation>
    </message>
    <message>
        <source>Brightness/Gamma </source>
        <translation>Parlaklık/Gamma </translation>
    </message>
    <message>
        <source>Brightness lightens only the characters, weapons and objects. Gamma lightens everything; it ranges from 0 to 4 and costs no speed.</source>
        <translation>Parlaklık yalnızca karakterleri, silahları ve nesneleri aydınlatır. Gamma her şeyi aydınlatır; 0 ile 4 arasında değer alır ve hız kaybettirmez.</translation>
    </message>
    <message>
        <source>Brightness (higher is brighter)</source>
        <translation>Parlaklık (yüksek değer = daha parlak)</translation>
    </message>
    <message>
        <source>Gamma (higher is brighter)</source>
        <translation>Gamma (yüksek değer = daha parlak)</translation>
    </message>
    <message>
        <source>Brightness 2 with gamma 4 is recommended for dark video cards.</source>
        <translation>Karanlık görüntü veren ekran kartları için parlaklık 2 ve gamma 4 önerilir.</translation>
    </message>
    <message>
        <source>Texture Gamma/Light Gamma </source>
        <translation>Doku gamması/Işık gamması </translation>
    </message>
    <message>
        <source>Texture gamma sets the gamma of all textures, light gamma that of the lighting. Neither has any effect on speed.</source>
        <translation>Doku gamması tüm dokuların gammasını, ışık gamması ise ışıklandırmanın gammasını belirler. İkisinin de hıza etkisi yoktur.</translation>
    </message>
    <message>
        <source>Texture Gamma (lower is brighter)</source>
        <translation>Doku gamması (düşük değer = daha parlak)</translation>
    </message>
    <message>
        <source>Light Gamma (lower is brighter)</source>
        <translation>Işık gamması (düşük değer = daha parlak)</translation>
    </message>
    <message>
        <source>If you chose brightness 2 and gamma 4 on the previous page, try 3 and 2 here; otherwise keep 2 and 2.5, the defaults.</source>
        <translation>Önceki sayfada parlaklık 2 ve gamma 4 seçtiyseniz burada 3 ve 2 deneyin; aksi hâlde varsayılan değerleri (2 ve 2.5) koruyun.</translation>
    </message>
    <message>
        <source>Pic mip </source>
        <translation>Pic mip </translation>
    </message>
    <message>
        <source>Pic mip sets the overall texture quality. 2 gains a little speed at a severe loss of image quality; newer video cards gain nothing above 0, which is recommended.</source>
        <translation>Pic mip genel doku kalitesini belirler. 2 değeri, görüntü kalitesinde ciddi bir kayıp pahasına biraz hız kazandırır; yeni ekran kartları 0&apos;ın üstünde hiçbir şey kazanmaz ve önerilen değer de 0&apos;dır.</translation>
    </message>
    <message>
        <source>Pic mip:</source>
        <translation>Pic mip:</translation>
    </message>
    <message>
        <source>Pic mip must be between 0 and 10</source>
        <translation>Pic mip 0 ile 10 arasında olmalı</translation>
    </message>
    <message>
        <source>If your system crashes, run this tweak again and set this to default.</source>
        <translation>Sisteminiz çökerse bu ince ayarı yeniden çalıştırın ve bu değeri varsayılana döndürün.</translation>
    </message>
    <message>
        <source>ZTrick </source>
        <translation>ZTrick </translation>
    </message>
    <message>
        <source>Skipping it can gain a good amount of speed, but on some video cards it makes textures and distant objects flicker. The pictures show a distant sign that flickers.</source>
        <translation>Temizlemeyi atlamak epey hız kazandırabilir, ama bazı ekran kartlarında dokuların ve uzaktaki nesnelerin titremesine yol açar. Resimler titreyen uzak bir tabelayı gösteriyor.</translation>
    </message>
    <message>
        <source>Enable ZTrick and gain performance.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>ZTrick açılıp performans kazanılsın mı.?</translation>
    </message>
    <message>
        <source>ZTrick is a command to skip the clearing of the Z-buffer.</source>
        <translation>ZTrick, Z arabelleğinin temizlenmesini atlayan bir komuttur.</translation>
    </message>
    <message>
        <source>Ztrick enabled</source>
        <translation>Ztrick açık</translation>
    </message>
    <message>
        <source>Ztrick disabled:</source>
        <translation>Ztrick kapalı:</translation>
    </message>
    <message>
        <source>Texture Mode </source>
        <translation>Doku modu </translation>
    </message>
    <message>
        <source>The texture mode is the drawing mode of your video hardware. Nearest neighbor interpolation looks blocky and jagged; linear interpolation looks smooth.</source>
        <translation>Doku modu, ekran donanımınızın çizim modudur. En yakın komşu interpolasyonu kare kare ve tırtıklı görünür; doğrusal interpolasyon pürüzsüz görünür.</translation>
    </message>
    <message>
        <source>Nearest neighbor interpolation for bilinear hardware?</source>
        <translation>Bilinear donanım için en yakın komşu interpolasyonu?</translation>
    </message>
    <message>
        <source>Linear interpolation for bilinear hardware.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Bilinear donanım için doğrusal interpolasyon.?</translation>
    </message>
    <message>
        <source>Nearest neighbor interpolation for trilinear hardware.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Trilinear donanım için en yakın komşu interpolasyonu.?</translation>
    </message>
    <message>
        <source>Linear interpolation for trilinear hardware.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Trilinear donanım için doğrusal interpolasyon.?</translation>
    </message>
    <message>
        <source>High quality player models </source>
        <translation>Yüksek kaliteli oyuncu modelleri </translation>
    </message>
    <message>
        <source>Player models come in high and low quality, with little visible difference. Low quality models save texture memory: cards with much texture memory lose little by using them, cards with little texture memory gain speed.</source>
        <translation>Oyuncu modellerinin yüksek ve düşük kaliteli olanları var; aralarındaki görünür fark azdır. Düşük kaliteli modeller doku belleğinden tasarruf sağlar: doku belleği çok olan kartlar bunları kullanarak pek bir şey kaybetmez, doku belleği az olan kartlar ise hız kazanır.</translation>
    </message>
    <message>
        <source>Use low quality models.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Düşük kaliteli model kullanılsın mı.?</translation>
    </message>
    <message>
        <source>Direct3D Flip </source>
        <translation>Direct3D Flip </translation>
    </message>
    <message>
        <source>If your mouse input lags two to three seconds behind, your video card needs Direct3D flip enabled.</source>
        <translation>Fare hareketleriniz iki üç saniye geriden geliyorsa ekran kartınız Direct3D flip ayarının açık olmasını gerektiriyor.</translation>
    </message>
    <message>
        <source>Enable Direct3D flip to correct input problems.?</source>
        <extracomment>The &quot;.?&quot; ending is the original&apos;s odd punctuation: end the question the same way.</extracomment>
        <translation>Giriş sorunlarını düzeltmek için Direct3D flip açılsın mı.?</translation>
    </message>
</context>
<context>
    <name>wizard::GameReportWindow</name>
    <message>
        <source>What the game will use when it starts</source>
        <translation>Oyun açılışta neyi kullanacak</translation>
    </message>
    <message>
        <source>&amp;Fix chosen</source>
        <translation>Seçilenleri &amp;düzelt</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Sorunlar</translation>
    </message>
    <message>
        <source>Filter the settings</source>
        <translation>Ayarları filtrele</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ayar</translation>
    </message>
    <message>
        <source>Value the game will use</source>
        <translation>Oyunun kullanacağı değer</translation>
    </message>
    <message>
        <source>Set by</source>
        <translation>Ayarlayan</translation>
    </message>
    <message>
        <source>What today&apos;s game does</source>
        <translation>Oyunun güncel sürümü ne yapıyor</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Scripts</source>
        <translation>Scriptler</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapor</translation>
    </message>
    <message>
        <source>Co&amp;py report</source>
        <translation>Raporu k&amp;opyala</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Kapat</translation>
    </message>
    <message>
        <source>Tick the problems you want Zentrimo to fix, then press &quot;Fix chosen&quot;.</source>
        <translation>Zentrimo&apos;nun düzeltmesini istediğiniz sorunları işaretleyin, sonra &quot;Seçilenleri düzelt&quot; düğmesine basın.</translation>
    </message>
    <message>
        <source>Zentrimo will change the lines shown under &quot;Show Details...&quot;. Do you want to change them?</source>
        <translation>Zentrimo, &quot;Ayrıntıları göster...&quot; altında gösterilen satırları değiştirecek. Bunları değiştirmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>The game is running from this folder. Quit the game first: it rewrites its scripts when it quits. Nothing was changed.</source>
        <translation>Oyun bu klasörden çalışıyor. Önce oyundan çıkın: oyun kapanırken scriptlerini yeniden yazar. Hiçbir şey değiştirilmedi.</translation>
    </message>
</context>
<context>
    <name>wizard::RestoreWindow</name>
    <message>
        <source>Restore points of the game&apos;s scripts, newest first</source>
        <translation>Oyun scriptlerinin geri yükleme noktaları, en yenisi başta</translation>
    </message>
    <message>
        <source>What restoring it would change:</source>
        <translation>Geri yüklemenin değiştireceği şeyler:</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Geri yükle</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Kapat</translation>
    </message>
    <message>
        <source>There are no restore points yet: Zentrimo keeps one before every change it makes to the game&apos;s scripts.</source>
        <translation>Henüz geri yükleme noktası yok: Zentrimo, oyunun scriptlerinde yaptığı her değişiklikten önce bir tane saklar.</translation>
    </message>
    <message>
        <source>This restore point is damaged: its files are not as they were written, so it cannot be restored.</source>
        <translation>Bu geri yükleme noktası bozuk: dosyaları yazıldıkları gibi değil, bu yüzden geri yüklenemez.</translation>
    </message>
    <message>
        <source>Zentrimo will put the game&apos;s scripts back as they were at this restore point, as shown under &quot;Show Details...&quot;, after keeping what they hold now as a new restore point. Do you want to restore it?</source>
        <translation>Zentrimo, scriptlerin şu anki içeriğini yeni bir geri yükleme noktası olarak sakladıktan sonra, oyunun scriptlerini &quot;Ayrıntıları göster...&quot; altında gösterildiği gibi bu geri yükleme noktasındaki hâline getirecek. Geri yüklemek istiyor musunuz?</translation>
    </message>
</context>
<context>
    <name>wizard::SectionStartPage</name>
    <message>
        <source>You have to install the tweak before you try to uninstall it --&gt; No tweak installed</source>
        <translation>İnce ayarı kaldırmayı denemeden önce onu kurmanız gerekir --&gt; Kurulu ince ayar yok</translation>
    </message>
    <message>
        <source>Tweak have been succesfully uninstalled</source>
        <extracomment>&quot;Tweak have been succesfully&quot; is the original&apos;s grammar and typo; write it correctly.</extracomment>
        <translation>İnce ayar başarıyla kaldırıldı</translation>
    </message>
    <message>
        <source>Do you want to apply settings before quit?</source>
        <translation>Çıkmadan önce ayarları uygulamak istiyor musunuz?</translation>
    </message>
</context>
<context>
    <name>workspace</name>
    <message>
        <source>The game folder %1 has no restore points yet.</source>
        <translation>Oyun klasöründe (%1) henüz geri yükleme noktası yok.</translation>
    </message>
    <message>
        <source>Restore points of %1, newest first:</source>
        <translation>%1 klasörünün geri yükleme noktaları, en yenisi başta:</translation>
    </message>
    <message>
        <source>%1  %2  made before %3</source>
        <extracomment>A restore point: its id, its time, and what made it (apply, uninstall, restore, fix).</extracomment>
        <translation>%1  %2  %3 işleminden önce oluşturuldu</translation>
    </message>
    <message>
        <source>%1  %2  made before %3  damaged: it cannot be restored</source>
        <translation>%1  %2  %3 işleminden önce oluşturuldu  bozuk: geri yüklenemez</translation>
    </message>
    <message>
        <source>%1  damaged: it cannot be restored</source>
        <translation>%1  bozuk: geri yüklenemez</translation>
    </message>
    <message>
        <source>The game&apos;s scripts are back as they were at restore point %1. What they held before is kept as a new restore point.</source>
        <translation>Oyunun scriptleri %1 geri yükleme noktasındaki hâline döndü. Önceki içerikleri yeni bir geri yükleme noktası olarak saklandı.</translation>
    </message>
    <message>
        <source>This game folder has no restore point %1. Nothing was changed. `zentrimo --restore-points` lists them.</source>
        <translation>Bu oyun klasöründe %1 adlı bir geri yükleme noktası yok. Hiçbir şey değiştirilmedi. Noktaları `zentrimo --restore-points` listeler.</translation>
    </message>
    <message>
        <source>Restore point %1 is damaged: its files are not as they were written, so it cannot be restored. Nothing was changed.</source>
        <translation>Geri yükleme noktası %1 bozuk: dosyaları yazıldıkları gibi değil, bu yüzden geri yüklenemez. Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>Counter-Strike is running. Close it first: it saves its settings when it quits, and would undo the uninstall.</source>
        <translation>Counter-Strike çalışıyor. Önce oyunu kapatın: oyun kapanırken ayarlarını kaydeder ve böylece kaldırma işlemini geri almış olur.</translation>
    </message>
    <message>
        <source>Counter-Strike is running. Close it first: it saves its settings when it quits, and would undo the uninstall. Nothing was changed.</source>
        <translation>Counter-Strike çalışıyor. Önce oyunu kapatın: oyun kapanırken ayarlarını kaydeder ve böylece kaldırma işlemini geri almış olur. Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>Restoring this point changes nothing: every file is as it holds it.</source>
        <translation>Bu noktayı geri yüklemek hiçbir şeyi değiştirmez: her dosya noktadaki hâliyle aynı.</translation>
    </message>
    <message>
        <source>The lines of this run could not be read: %1</source>
        <translation>Bu çalıştırmanın satırları okunamadı: %1</translation>
    </message>
    <message>
        <source>Counter-Strike is running: the settings take effect at its next start.</source>
        <translation>Counter-Strike çalışıyor: ayarlar oyunun bir sonraki açılışında etkili olur.</translation>
    </message>
    <message>
        <source>@@ line %1 @@</source>
        <extracomment>The head of a change in a diff: &quot;@@ line 12 @@&quot;.</extracomment>
        <translation>@@ satır %1 @@</translation>
    </message>
</context>
</TS>
