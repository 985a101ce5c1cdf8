#include "PageSpec.h"

namespace wizard {

namespace {

SectionSpec quitOrContinue(const QString& form, const QString& invitation, const Text& enterButton,
                           const QString& successor, const Text& quitButton) {
    return {form, {{"Label2", invitation}}, {}, enterButton, successor, quitButton, {}, LeaveAction::Quit};
}

} // namespace

std::vector<SectionSpec> sectionPages() {
    return {
        {"frmTweak0",
         {{"Label1",
           "From now on, you have to answer a couple of questions. Plz, do it carefully. This program "
           "do not take any responsebillity if your computer migth be damaged."},
          {"Label2", "Zentrimo was made by Vaskor. Thank you for using it!"},
          {"Label3",
           "Found a bug, or have a comment? Please report it to whoever gave you this program, or on "
           "the project's issue tracker."}},
         ":/pictures/welcome.svg",
         Text{"cmdTweak", "&Start Tweak"},
         "frmTweak1",
         {"cmdUninstall", "&Uninstall"},
         Text{"Label4", "Uninstall Tweak if installed:"},
         LeaveAction::Uninstall},
        quitOrContinue("frmSound0",
                       "You can now choose to move on to sound tweak section, or you can just quit and save "
                       "settings now.",
                       {"cmdSound0", "&Continue"}, "frmSound1", {"cmdQuit0", "&Quit"}),
        quitOrContinue(
            "frmInternet0",
            "You can now choose to move on to internet tweak section, or you can just quit and save "
            "settings now.",
            {"cmdInternet0", "&Continue"}, "frmInternet1", {"cmdIQuit0", "&Quit"}),
        quitOrContinue("frmMisc0",
                       "You can now choose to move on to misc tweak section, or you can just quit and save "
                       "settings now.",
                       {"cmdMisc0", "&Continue"}, "frmMisc1", {"cmdQuit0", "&Quit"}),
        {"frmFinish0",
         {{"Label2", "You have now completed the tweak of Counter-strike. Enjoy the tweak!"},
          {"Label1",
           "If you want to uninstall the tweak, just start this tweak-program again, and then choose "
           "\"uninstall\" instead of \"start tweak\""}},
         {},
         {},
         {},
         {"cmdQuitEnd", "&Quit"},
         {},
         LeaveAction::Quit},
    };
}

} // namespace wizard
