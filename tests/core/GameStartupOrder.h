#pragma once

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>

// Reads a cstrike folder as the game does at start-up: autoexec.cfg, then config.cfg, each following
// the exec lines it meets (names matched without regard to case, missing files skipped), and keeps
// the last value given to each variable.
class GameStartupOrder {
public:
    explicit GameStartupOrder(std::filesystem::path cstrike) : m_cstrike(std::move(cstrike)) {
        run("autoexec.cfg");
        run("config.cfg");
    }

    // The variable's last value, or "<unset>".
    std::string value(const std::string& name) const {
        const auto found = m_values.find(lowered(name));
        return found == m_values.end() ? "<unset>" : found->second;
    }

private:
    static std::string lowered(std::string text) {
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return text;
    }

    // A word, or the text between double quotes.
    static std::string nextToken(std::istringstream& line) {
        line >> std::ws;
        if (line.peek() != '"') {
            std::string word;
            line >> word;
            return word;
        }
        line.get();
        std::string quoted;
        std::getline(line, quoted, '"');
        return quoted;
    }

    void run(const std::string& name) {
        if (m_running.count(lowered(name)) || m_running.size() > 32)
            return;
        std::ifstream in(fileNamed(name), std::ios::binary);
        if (!in)
            return;
        m_running.insert(lowered(name));
        for (std::string text; std::getline(in, text);) {
            if (text.ends_with('\r'))
                text.pop_back();
            std::istringstream line(text);
            const std::string command = nextToken(line);
            const std::string argument = nextToken(line);
            const bool bareCommand = argument.empty() && line.fail();
            if (command.empty() || command.starts_with("//") || bareCommand)
                continue;
            if (lowered(command) == "exec")
                run(argument);
            else
                m_values[lowered(command)] = argument;
        }
        m_running.erase(lowered(name));
    }

    std::filesystem::path fileNamed(const std::string& name) const {
        if (std::filesystem::exists(m_cstrike / name))
            return m_cstrike / name;
        for (const auto& entry : std::filesystem::directory_iterator(m_cstrike))
            if (lowered(entry.path().filename().string()) == lowered(name))
                return entry.path();
        return m_cstrike / name;
    }

    std::filesystem::path m_cstrike;
    std::map<std::string, std::string> m_values;
    std::set<std::string> m_running;
};
