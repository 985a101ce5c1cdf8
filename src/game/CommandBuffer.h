#pragma once

#include "game/ScriptReader.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The engine's command buffer (ReHLDS engine/cmd.cpp, cmd_text of 16 KiB), without running anything: text
// goes in front of what waits; a command leaves the buffer before it runs, so that what it puts in goes
// in front of the rest. A file too large to go in whole (Cmd_Exec_f) goes in a line at a time, each
// line when the buffer has run empty, where the engine nests a Cbuf_Execute: kept here as a stack, so
// that no depth of nesting costs the caller's stack.
namespace game {

inline constexpr std::size_t CommandBufferBytes = 16384;

class CommandBuffer {
public:
    // Cbuf_InsertTextLines (framed: a line end before and after) or Cbuf_InsertText; owner keeps text.
    void insert(std::shared_ptr<const std::string> owner, std::string_view text, std::size_t run,
                bool framed);

    // The lines of text, each going in (framed) whenever the buffer has run empty.
    void insertByLine(std::shared_ptr<const std::string> owner, std::string_view text, std::size_t run);

    // The bytes waiting in the buffer, as the engine counts them for room.
    std::size_t waiting() const { return m_waiting; }

    struct Step {
        enum class Kind { Command, Finished, Empty } kind;
        const ScriptCommand* command = nullptr; // for a command: valid until the next call
        std::string_view text;                  // the command's bytes
        std::size_t run = 0;                    // whose text gave the command, or has all gone
    };

    // The next command to run, or a run whose text has all left the buffer, or nothing left at all.
    Step next();

private:
    struct Chunk {
        std::shared_ptr<const std::string> owner;
        std::string_view text;
        ScriptReader reader;
        std::size_t run;
        std::size_t remaining; // its bytes still waiting
        bool framed;
        bool line; // one line of a file that goes in a line at a time
    };
    struct Feed {
        std::shared_ptr<const std::string> owner;
        LineReader lines;
        std::size_t run;
    };

    void push(Chunk chunk);

    std::vector<Chunk> m_chunks; // the back is the front of the buffer
    std::vector<Feed> m_feeds;   // the back is the innermost Cmd_Exec_f
    std::size_t m_waiting = 0;
    std::vector<std::string_view> m_words; // the words of the command given last
};

} // namespace game
