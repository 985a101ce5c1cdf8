#pragma once

#include "game/ScriptFiles.h"
#include "game/StartupReport.h"

#include <cstddef>
#include <string>
#include <vector>

// The runs of files, aliases and launch options whose text is in the command buffer: each alive while
// its text waits or a run it started is alive, so that a loop can be told by its ancestors, and runs
// that have ended make room for new ones: millions of execs in a row cost no more than one.
namespace game {

struct ScriptRun {
    std::string file;
    std::size_t line = 0; // an alias's commands all stand where it was named
    FileKind kind = FileKind::Other;
    std::size_t parent = 0;
    std::size_t refs = 1;
    std::size_t alias = 0; // the definition an alias run runs
    bool unlisted = false; // a file not yet in the report's list: it is, once it starts to run
    bool userconfigSeen = false;
    std::size_t afterUserconfig = 0; // commands after config.cfg's exec userconfig.cfg
    ScriptPlace firstAfter{};
};

class ScriptRuns {
public:
    ScriptRuns() : m_runs(1) {} // the game's own, 0, never ends

    ScriptRun& operator[](std::size_t id) { return m_runs[id]; }

    std::size_t start(std::string file, std::size_t line, std::size_t parent,
                      FileKind kind = FileKind::Other) {
        ++m_runs[parent].refs;
        ScriptRun fresh{std::move(file), line, kind, parent};
        if (m_free.empty()) {
            m_runs.push_back(std::move(fresh));
            return m_runs.size() - 1;
        }
        const std::size_t reused = m_free.back();
        m_free.pop_back();
        m_runs[reused] = std::move(fresh);
        return reused;
    }

    // Its text has all gone: it ends once the runs it started have.
    void textGone(std::size_t id) {
        for (; id != 0 && --m_runs[id].refs == 0; id = m_runs[id].parent)
            m_free.push_back(id);
    }

private:
    std::vector<ScriptRun> m_runs;
    std::vector<std::size_t> m_free;
};

} // namespace game
