// The script reader and the start-up read on any text: commands lie inside the script in order, a word
// read alone reads the same, config.cfg's setting commands agree with the reader, and a report is the
// same twice and always valid JSON.
#include "game/GameConfig.h"
#include "game/ReportRendering.h"
#include "game/ScriptReader.h"
#include "game/StartupReport.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

void check(bool holds) {
    if (!holds)
        std::abort();
}

// Reads the script, checking each command; gives the commands' texts, one a line.
std::string commandTexts(std::string_view script) {
    std::string texts;
    std::size_t lastDelimiter = 0;
    std::size_t lastLine = 1;
    std::size_t withValue = 0;
    game::ScriptReader reader(script);
    while (const game::ScriptCommand* command = reader.next()) {
        check(command->begin <= command->end && command->end <= command->delimiter &&
              command->delimiter <= script.size() && command->delimiter >= lastDelimiter);
        check(command->line >= lastLine && !command->words.empty());
        for (const std::string_view word : command->words) {
            check(word.data() >= script.data() + command->begin &&
                  word.data() + word.size() <= script.data() + command->end);
            const bool quoted = word.data() > script.data() && word.data()[-1] == '"';
            check(word.find('\n') == std::string_view::npos);
            check(quoted || word.find_first_of(" \t\r") == std::string_view::npos);
        }
        withValue += command->words.size() >= 2;
        lastDelimiter = command->delimiter;
        lastLine = command->line;
        texts += std::string(script.substr(command->begin, command->end - command->begin)) + '\n';
    }
    check(game::settingCommands(script).size() == withValue);
    return texts;
}

// jsonString leaves valid UTF-8 as it is but for quotes, backslashes and control bytes.
bool isValidJsonText(const std::string& json) {
    const std::string escaped = game::jsonString(json);
    std::string back;
    for (std::size_t at = 1; at + 1 < escaped.size(); ++at) {
        if (escaped.compare(at, 6, "\\u000A") == 0) {
            back += '\n';
            at += 5;
        } else if (escaped[at] == '\\') {
            back += escaped[++at];
        } else {
            back += escaped[at];
        }
    }
    return back == json;
}

const fs::path& gameRoot() {
    // Never destroyed, so that it can still be removed when the process ends.
    static const fs::path* const root = [] {
        auto* made =
            new fs::path(fs::temp_directory_path() / ("zentrimo-startup-fuzz-" + std::to_string(::getpid())));
        fs::create_directories(*made / "cstrike");
        std::ofstream(*made / "cstrike" / "config.cfg") << "gamma \"2.2\"\nexec userconfig.cfg\n";
        std::atexit([] {
            std::error_code error;
            fs::remove_all(gameRoot(), error);
        });
        return made;
    }();
    return *root;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string script(reinterpret_cast<const char*>(data), size);
    const std::string texts = commandTexts(script);
    check(commandTexts(texts) == texts);

    std::ofstream(gameRoot() / "cstrike" / "autoexec.cfg", std::ios::binary | std::ios::trunc) << script;
    const game::LaunchOptions options{script.substr(0, 200), "fuzz", "", 0};
    const auto jsonReport = [&] {
        const game::StartupReport report = game::readStartup(gameRoot(), options);
        return game::reportJson(report, game::proposedFixes(report, gameRoot()));
    };
    const std::string json = jsonReport();
    check(isValidJsonText(json));
    check(jsonReport() == json);
    check(!game::reportText(game::readStartup(gameRoot(), std::nullopt)).empty());
    return 0;
}
