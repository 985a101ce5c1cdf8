#include "wizard/PageSpec.h"

#include "workspace/Workspace.h"

#include <algorithm>

namespace wizard {

namespace {

const Section Sound{"frmSound", 5, "cmdSNext", "cmdSSkip", "checkS"};

// Each quality writes the sample size first, then the sample rate.
struct Quality {
    Option option;
    std::string loadAs8Bit;
    std::string hiSound;
};

const std::vector<Quality>& qualities() {
    static const std::vector<Quality> all{
        {{{"Label4", QT_TRANSLATE_NOOP("wizard", "8 Bit 11 kHz ")}, "8-11"}, "1", "0"},
        {{{"Label3", QT_TRANSLATE_NOOP("wizard", "8 Bit 22 kHz (high quality)")}, "8-22"}, "1", "1"},
        {{{"Label5", QT_TRANSLATE_NOOP("wizard", "16 Bit 11 kHz")}, "16-11"}, "0", "0"},
        {{{"Label6", QT_TRANSLATE_NOOP("wizard", "16 Bit 22 kHz (high quality) ")}, "16-22"}, "0", "1"},
    };
    return all;
}

PageSpec qualityPage() {
    PageSpec page =
        explainedPage(Sound, 5, QT_TRANSLATE_NOOP("wizard", "Sound quality "),
                      QT_TRANSLATE_NOOP("wizard", "Low-quality sound uses less memory "
                                                  "and gives a slight speed gain on some systems. "
                                                  "With a PCI sound card or a fast processor "
                                                  "there is no reason to give up good sound."));
    OptionGroup group{"optSound5", {}, &RunState::soundQuality};
    for (const Quality& quality : qualities())
        group.options.push_back(quality.option);
    page.input = group;
    page.lines = [](const Answer& answer) {
        const auto match =
            std::ranges::find(qualities(), answer.option, [](const Quality& quality) -> const std::string& {
                return quality.option.tag;
            });
        if (match == qualities().end())
            return Outcome{};
        return Outcome{{workspace::SettingLine("loadas8bit", match->loadAs8Bit),
                        workspace::SettingLine("hisound", match->hiSound)},
                       {}};
    };
    return page;
}

} // namespace

std::vector<Step> soundSection() {
    return {
        continueOrQuit("frmSound0",
                       QT_TRANSLATE_NOOP("wizard", "You can now choose to move on to sound tweak section, "
                                                   "or you can just quit and save settings now."),
                       {"cmdSound0", QT_TRANSLATE_NOOP("wizard", "&Continue")},
                       {"cmdQuit0", QT_TRANSLATE_NOOP("wizard", "&Quit")}),
        checkBoxPage(
            Sound, 1, QT_TRANSLATE_NOOP("wizard", "Sound Compatibility "),
            QT_TRANSLATE_NOOP("wizard", "Some sound cards, the Ensoniq AudioPCI in particular, "
                                        "stutter in games built on the Quake II engine. "
                                        "If yours does, leave the box cleared for maximum compatibility."),
            {"Label4",
             QT_TRANSLATE_NOOP("wizard",
                               "Use maximum performance sound? (unchecked means maximum compatibility)")},
            // Written as text, never through number formatting, so the locale cannot make it "0,1".
            checkBoxLine("_snd_mixahead", "0.1", "0.2")),
        checkBoxPage(
            Sound, 2, QT_TRANSLATE_NOOP("wizard", "A3D"),
            QT_TRANSLATE_NOOP("wizard", "The game supports A3D 3D sound, reportedly only on Vortex 2 cards. "
                                        "A3D is buggy, so enable it only to try it out."),
            {"Label4", QT_TRANSLATE_NOOP("wizard", "Disable A3D?")}, checkBoxLine("s_a3d", "0", "1")),
        checkBoxPage(
            Sound, 3, QT_TRANSLATE_NOOP("wizard", "EAX "),
            QT_TRANSLATE_NOOP(
                "wizard",
                "EAX is another 3D audio interface, supported by the Sound Blaster Live and other cards."),
            {"Label4", QT_TRANSLATE_NOOP("wizard", "Disable EAX?")}, checkBoxLine("s_eax", "0", "1")),
        checkBoxPage(
            Sound, 4, QT_TRANSLATE_NOOP("wizard", "Reverb"),
            QT_TRANSLATE_NOOP("wizard",
                              "Reverb adds echo to the sound. "
                              "It does little in this game, and turning it off can gain a little speed."),
            {"Label4", QT_TRANSLATE_NOOP("wizard", "Disable reverb?")}, checkBoxLine("s_reverb", "0", "1")),
        qualityPage(),
    };
}

} // namespace wizard
