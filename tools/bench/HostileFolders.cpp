#include "HostileFolders.h"

#include "files/WholeFile.h"

#include <fstream>

namespace fs = std::filesystem;

namespace bench {

namespace {

constexpr std::size_t ScriptBytes = files::MaxFileBytes;
constexpr std::size_t SteamFileBytes = 8 * 1024 * 1024;

void write(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

// line repeated to fill bytes.
std::string repeated(const std::string& line, std::size_t bytes) {
    std::string text;
    text.reserve(bytes);
    while (text.size() + line.size() <= bytes)
        text += line;
    return text;
}

void withAutoexec(const fs::path& root, const std::string& autoexec) {
    write(root / "cstrike/autoexec.cfg", autoexec);
    write(root / "cstrike/config.cfg", "gamma 2.2\nexec userconfig.cfg\n");
}

void execLines(const fs::path& root) {
    write(root / "cstrike/e.cfg", "gamma 2\n");
    withAutoexec(root, repeated("exec e.cfg\n", ScriptBytes));
}

void nestedLargeExecs(const fs::path& root) {
    write(root / "cstrike/big.cfg", repeated("fps_max 100\n", 20000));
    withAutoexec(root, repeated("exec big.cfg\n", ScriptBytes));
}

void valueRunFourTimes(const fs::path& root) {
    write(root / "cstrike/v.cfg", "name \"" + std::string(ScriptBytes - 8, 'x') + "\"\n");
    withAutoexec(root, "exec v.cfg\nexec v.cfg\nexec v.cfg\nexec v.cfg\n");
}

void longWordsOverridden(const fs::path& root) {
    std::string text;
    for (std::size_t i = 0; text.size() < ScriptBytes - 600; ++i)
        text += "v" + std::to_string(i % 4096) + " " + std::string(500, 'x') + "\n";
    withAutoexec(root, text);
}

void aliasesNamed(const fs::path& root) {
    withAutoexec(root, repeated("alias a \"gamma 1; b\"; alias b \"fps_max 99\"; a\n", ScriptBytes));
}

void aliasLoops(const fs::path& root) {
    withAutoexec(root, repeated("alias l \"l\"; l\n", ScriptBytes));
}

void onlySemicolons(const fs::path& root) {
    withAutoexec(root, std::string(ScriptBytes, ';'));
}

void oneWord(const fs::path& root) {
    withAutoexec(root, std::string(ScriptBytes, 'x'));
}

void oneCharacterWords(const fs::path& root) {
    withAutoexec(root, repeated("bind k {}()',:{}()',:{}()',:{}()',:\n", ScriptBytes));
}

void distinctNames(const fs::path& root) {
    std::string text;
    for (std::size_t i = 0; text.size() < ScriptBytes - 32; ++i)
        text += "n" + std::to_string(i) + " 1\n";
    withAutoexec(root, text);
}

void steamUsers(const fs::path& root, const std::string& text) {
    for (int user = 0; user < 10; ++user)
        write(root / "userdata" / std::to_string(1000 + user) / "config/localconfig.vdf", text);
}

void steamSmallEntries(const fs::path& root) {
    steamUsers(root, "\"UserLocalConfigStore\" {" + repeated("a b ", SteamFileBytes - 64) + "}");
}

void steamEscapes(const fs::path& root) {
    steamUsers(root, "\"UserLocalConfigStore\" { \"k\" \"" + repeated("\\\\", SteamFileBytes - 64) + "\" }");
}

void steamEmptyBlocks(const fs::path& root) {
    steamUsers(root, "\"UserLocalConfigStore\" {" + repeated("\"\"{}", SteamFileBytes - 64) + "}");
}

void steamDeepBlocks(const fs::path& root) {
    std::string nested;
    for (int depth = 0; depth < 60; ++depth)
        nested += "a{";
    nested += std::string(60, '}');
    steamUsers(root, "\"UserLocalConfigStore\" {" + repeated(nested, SteamFileBytes - 64) + "}");
}

} // namespace

std::vector<HostileCase> hostileCases() {
    return {
        {"64 MiB of exec e.cfg lines", execLines, false},
        {"64 MiB of exec lines, each of a file larger than the buffer", nestedLargeExecs, false},
        {"one 64 MiB value run four times", valueRunFourTimes, false},
        {"4096 names set again and again, 500-byte values", longWordsOverridden, false},
        {"64 MiB of aliases named where they stand", aliasesNamed, false},
        {"64 MiB of aliases that run themselves", aliasLoops, false},
        {"64 MiB of ';'", onlySemicolons, false},
        {"one 64 MiB word", oneWord, false},
        {"64 MiB of one-character words", oneCharacterWords, false},
        {"64 MiB of distinct names", distinctNames, false},
        {"ten 8 MiB localconfig.vdf of two-letter entries", steamSmallEntries, true},
        {"ten 8 MiB localconfig.vdf of escapes", steamEscapes, true},
        {"ten 8 MiB localconfig.vdf of empty blocks", steamEmptyBlocks, true},
        {"ten 8 MiB localconfig.vdf of nested blocks", steamDeepBlocks, true},
    };
}

} // namespace bench
