#include "wizard/PageSpec.h"

namespace wizard {

namespace {

// cmdMSkip2 and cmdMSkip5 move on like every other skip button: one that does nothing looks broken.
const Section Misc{"frmMisc", 5, "cmdMNext", "cmdMSkip", "checkM"};

PageSpec consolePage() {
    PageSpec page = fieldsPage(
        Misc, 3, QT_TRANSLATE_NOOP("wizard", "Console speed "),
        QT_TRANSLATE_NOOP("wizard", "The console, opened and closed with the \"~\" key, "
                                    "moves down and up slowly by default and wastes your time."),
        {numberField("txtConsole", {"Label4", QT_TRANSLATE_NOOP("wizard", "Console speed:")}, "3000", 4)},
        fieldLines({"scr_conspeed"}));
    page.explanations.push_back(
        {"Label3",
         QT_TRANSLATE_NOOP("wizard", "A higher value makes the console move faster, a lower value slower.")});
    page.explanations.push_back(
        {"Label5",
         QT_TRANSLATE_NOOP(
             "wizard",
             "The default is 600; 3000 or more makes the console appear and disappear almost at once.")});
    return page;
}

PageSpec viewPage() {
    PageSpec page = checkBoxPage(
        Misc, 5, QT_TRANSLATE_NOOP("wizard", "Third person view "),
        QT_TRANSLATE_NOOP("wizard",
                          "Third person view has no real purpose but may be fun, "
                          "and it may be slightly slower. "
                          "Leave the box cleared to keep the first person view, the game's default. "
                          "See the pictures below."),
        //: The ".?" ending is the original's odd punctuation: end the question the same way.
        {"Label4", QT_TRANSLATE_NOOP("wizard", "Use third person view.?")}, [](const Answer& answer) {
            // A console command of its own, not a variable.
            return Outcome{{answer.checked ? "thirdperson" : "firstperson"}, {}};
        });
    page.pictures = picturePair("thirdperson", {"Label3", QT_TRANSLATE_NOOP("wizard", "Third person view:")},
                                "firstperson", {"Label5", QT_TRANSLATE_NOOP("wizard", "First person view:")});
    return page;
}

SectionSpec finishPage() {
    return {
        .form = "frmFinish0",
        .labels = {{"Label2",
                    QT_TRANSLATE_NOOP(
                        "wizard", "You have now completed the tweak of Counter-strike. Enjoy the tweak!")},
                   {"Label1",
                    QT_TRANSLATE_NOOP(
                        "wizard", "If you want to uninstall the tweak, just start this tweak-program again, "
                                  "and then choose \"uninstall\" instead of \"start tweak\"")}},
        .leaveButton = {"cmdQuitEnd", QT_TRANSLATE_NOOP("wizard", "&Quit")}};
}

} // namespace

std::vector<Step> miscSection() {
    return {
        continueOrQuit("frmMisc0",
                       QT_TRANSLATE_NOOP("wizard", "You can now choose to move on to misc tweak section, "
                                                   "or you can just quit and save settings now."),
                       {"cmdMisc0", QT_TRANSLATE_NOOP("wizard", "&Continue")},
                       {"cmdQuit0", QT_TRANSLATE_NOOP("wizard", "&Quit")}),
        checkBoxPage(
            Misc, 1, QT_TRANSLATE_NOOP("wizard", "MMX "),
            QT_TRANSLATE_NOOP(
                "wizard",
                "Enable MMX if your processor supports it (Pentium MMX, Pentium II, Celeron, K6, K6-2). "
                "Otherwise disable it for a possible speed gain."),
            {"Label4", QT_TRANSLATE_NOOP("wizard", "Enable MMX support?")}, checkBoxLine("r_mmx", "1", "0")),
        checkBoxPage(Misc, 2, QT_TRANSLATE_NOOP("wizard", "Mouse filtering "),
                     QT_TRANSLATE_NOOP(
                         "wizard", "Mouse filtering averages the positions before and after each movement, "
                                   "which smooths the mouse."),
                     {"Label4", QT_TRANSLATE_NOOP("wizard", "Enable mouse filtering?")},
                     checkBoxLine("m_filter", "1", "0")),
        consolePage(),
        checkBoxPage(Misc, 4, QT_TRANSLATE_NOOP("wizard", "Joystick"),
                     QT_TRANSLATE_NOOP("wizard",
                                       "Most people play with mouse and keyboard rather than a joystick. "
                                       "Disabling joystick support gains speed."),
                     // The question asks to disable, so a tick turns the joystick off.
                     //: The ".?" ending is the original's odd punctuation: end the question the same way.
                     {"Label4", QT_TRANSLATE_NOOP("wizard", "Disable Joystick and gain performance.?")},
                     checkBoxLine("joystick", "0", "1")),
        viewPage(),
        finishPage(),
    };
}

} // namespace wizard
