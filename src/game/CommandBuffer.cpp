#include "game/CommandBuffer.h"

namespace game {

void CommandBuffer::push(Chunk chunk) {
    m_waiting += chunk.remaining;
    m_chunks.push_back(std::move(chunk));
}

void CommandBuffer::insert(std::shared_ptr<const std::string> owner, std::string_view text, std::size_t run,
                           bool framed) {
    push({std::move(owner), text, ScriptReader(text), run, text.size() + (framed ? 2 : 0), framed, false});
}

void CommandBuffer::insertByLine(std::shared_ptr<const std::string> owner, std::string_view text,
                                 std::size_t run) {
    m_feeds.push_back({std::move(owner), LineReader(text), run});
}

CommandBuffer::Step CommandBuffer::next() {
    for (;;) {
        if (!m_chunks.empty()) {
            Chunk& chunk = m_chunks.back();
            const ScriptCommand* command = chunk.reader.next(m_words);
            if (!command) {
                // What is left are empty commands: they leave before anything else runs.
                m_waiting -= chunk.remaining;
                const Step finished{Step::Kind::Finished, nullptr, {}, chunk.run};
                const bool line = chunk.line;
                m_chunks.pop_back();
                if (line)
                    continue;
                return finished;
            }
            // Cbuf_Execute takes the command and its delimiter; a framed text keeps its closing line end.
            const std::size_t size = chunk.text.size();
            const std::size_t remaining = chunk.framed                ? size - command->delimiter
                                          : command->delimiter < size ? size - command->delimiter - 1
                                                                      : 0;
            m_waiting -= chunk.remaining - remaining;
            chunk.remaining = remaining;
            return {Step::Kind::Command, command,
                    chunk.text.substr(command->begin, command->end - command->begin), chunk.run};
        }
        if (m_feeds.empty())
            return {Step::Kind::Empty, nullptr, {}, 0};
        Feed& feed = m_feeds.back();
        const std::optional<ParsedLine> line = feed.lines.next();
        if (!line) {
            const Step finished{Step::Kind::Finished, nullptr, {}, feed.run};
            m_feeds.pop_back();
            return finished;
        }
        push({feed.owner, line->text, ScriptReader(line->text, line->line), feed.run, line->text.size() + 2,
              true, true});
    }
}

} // namespace game
