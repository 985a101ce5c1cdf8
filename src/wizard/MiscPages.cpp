#include "wizard/PageSpec.h"

namespace wizard {

namespace {

// cmdMSkip2 and cmdMSkip5 move on like every other skip button: one that does nothing looks broken.
const Section Misc{"frmMisc", 5, "cmdMNext", "cmdMSkip", "checkM"};

PageSpec consolePage() {
    PageSpec page = fieldsPage(Misc, 3, "Console speed ",
                               "The console, opened and closed with the \"~\" key, "
                               "moves down and up slowly by default and wastes your time.",
                               {numberField("txtConsole", {"Label4", "Console speed:"}, "3000", 4)},
                               fieldLines({"scr_conspeed"}));
    page.explanations.push_back(
        {"Label3", "A higher value makes the console move faster, a lower value slower."});
    page.explanations.push_back(
        {"Label5",
         "The default is 600; 3000 or more makes the console appear and disappear almost at once."});
    return page;
}

PageSpec viewPage() {
    PageSpec page = checkBoxPage(Misc, 5, "Third person view ",
                                 "Third person view has no real purpose but may be fun, "
                                 "and it may be slightly slower. "
                                 "Leave the box cleared to keep the first person view, the game's default. "
                                 "See the pictures below.",
                                 {"Label4", "Use third person view.?"}, [](const Answer& answer) {
                                     // A console command of its own, not a variable.
                                     return Outcome{{answer.checked ? "thirdperson" : "firstperson"}, {}};
                                 });
    page.pictures = picturePair("thirdperson", {"Label3", "Third person view:"}, "firstperson",
                                {"Label5", "First person view:"});
    return page;
}

SectionSpec finishPage() {
    return {.form = "frmFinish0",
            .labels = {{"Label2", "You have now completed the tweak of Counter-strike. Enjoy the tweak!"},
                       {"Label1", "If you want to uninstall the tweak, just start this tweak-program again, "
                                  "and then choose \"uninstall\" instead of \"start tweak\""}},
            .leaveButton = {"cmdQuitEnd", "&Quit"}};
}

} // namespace

std::vector<Step> miscSection() {
    return {
        continueOrQuit("frmMisc0", "misc", {"cmdMisc0", "&Continue"}, {"cmdQuit0", "&Quit"}),
        checkBoxPage(Misc, 1, "MMX ",
                     "Enable MMX if your processor supports it (Pentium MMX, Pentium II, Celeron, K6, K6-2). "
                     "Otherwise disable it for a possible speed gain.",
                     {"Label4", "Enable MMX support?"}, checkBoxLine("r_mmx", "1", "0")),
        checkBoxPage(Misc, 2, "Mouse filtering ",
                     "Mouse filtering averages the positions before and after each movement, "
                     "which smooths the mouse.",
                     {"Label4", "Enable mouse filtering?"}, checkBoxLine("m_filter", "1", "0")),
        consolePage(),
        checkBoxPage(Misc, 4, "Joystick",
                     "Most people play with mouse and keyboard rather than a joystick. "
                     "Disabling joystick support gains speed.",
                     // The question asks to disable, so a tick turns the joystick off.
                     {"Label4", "Disable Joystick and gain performance.?"},
                     checkBoxLine("joystick", "0", "1")),
        viewPage(),
        finishPage(),
    };
}

} // namespace wizard
