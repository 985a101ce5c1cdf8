// The engine's command buffer: what waits, by the byte, as Cbuf_Execute takes commands off its front.
#include "game/CommandBuffer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// The bytes waiting before each command is taken and after it, "|" between commands.
std::string waitingAsCommandsLeave(game::CommandBuffer& buffer) {
    std::string seen = std::to_string(buffer.waiting());
    for (;;) {
        const game::CommandBuffer::Step step = buffer.next();
        if (step.kind == game::CommandBuffer::Step::Kind::Empty)
            return seen;
        seen += step.kind == game::CommandBuffer::Step::Kind::Command
                    ? " " + std::string(step.text) + ":" + std::to_string(buffer.waiting())
                    : " end" + std::to_string(step.run) + ":" + std::to_string(buffer.waiting());
    }
}

TEST(CommandBuffer, CountsWhatWaitsAsTheEngine) {
    const auto queue = std::make_shared<const std::string>("exec valve.rc\nexec config.cfg\n+mlook\n");
    const auto file = std::make_shared<const std::string>("a 1; b 2\n\n");
    game::CommandBuffer buffer;
    buffer.insert(queue, *queue, 0, false);
    // Inserted text leaves with its delimiter; a file goes in between two line ends.
    EXPECT_EQ(waitingAsCommandsLeave(buffer), "37 exec valve.rc:23 exec config.cfg:7 +mlook:0 end0:0");
    buffer.insert(queue, *queue, 0, false);
    buffer.next();
    buffer.insert(file, *file, 1, true);
    EXPECT_EQ(waitingAsCommandsLeave(buffer), "35 a 1:30 b 2:25 end1:23 exec config.cfg:7 +mlook:0 end0:0");
}

TEST(CommandBuffer, AFileByLineGoesInWhenTheBufferHasRunEmpty) {
    const auto rest = std::make_shared<const std::string>("x 1\n");
    const auto large = std::make_shared<const std::string>("a 1\tb 2\nc 3");
    game::CommandBuffer buffer;
    buffer.insert(rest, *rest, 0, false);
    buffer.insertByLine(large, *large, 1);
    EXPECT_EQ(waitingAsCommandsLeave(buffer), "4 x 1:0 end0:0 a 1:0 b 2:0 c 3:0 end1:0");
}

} // namespace
