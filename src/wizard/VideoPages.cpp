#include "wizard/PageSpec.h"

#include "files/Text.h"
#include "workspace/Workspace.h"

#include <limits>

namespace wizard {

namespace {

// The video pages' Next buttons follow no one pattern: pages 2 to 6, 9 and 11 name their own.
const Section Video{"frmTweak", 14, "cmdTweak", "cmdSkip", "check"};

bool within(const std::string& text, int low, int high) {
    // A whole number: one optional leading minus, then digits only.
    const std::optional<int> value = files::wholeNumber<int>(text);
    return value && *value >= low && *value <= high;
}

// The field's text as typed when it reads as a number from low to high; else the refusal.
LineMaker rangeLine(std::string name, int low, int high, QString refusal) {
    return [=](const Answer& answer) {
        if (!within(answer.texts.at(0), low, high))
            return Outcome{{}, refusal};
        return Outcome{{workspace::SettingLine(name, answer.texts.at(0))}, {}};
    };
}

// Only the upper bound is tested: the fields take digits alone, so they never go below 0.
Outcome brightnessAndGamma(const Answer& answer) {
    constexpr int lowest = std::numeric_limits<int>::min();
    if (!within(answer.texts.at(0), lowest, 4))
        return {{}, QT_TRANSLATE_NOOP("wizard", "Brightness must be under 4 and over 0")};
    if (!within(answer.texts.at(1), lowest, 4))
        return {{}, QT_TRANSLATE_NOOP("wizard", "Gamma must be under 4 and over 0")};
    return fieldLines({"brightness", "gamma"})(answer);
}

SectionSpec welcomePage() {
    return {
        .form = "frmTweak0",
        .labels = {{"Label1",
                    //: The original's misspellings ("Plz", "do not", "responsebillity", "migth") are
                    //: deliberate; write it correctly.
                    QT_TRANSLATE_NOOP(
                        "wizard",
                        "From now on, you have to answer a couple of questions. Plz, do it carefully. "
                        "This program do not take any responsebillity if your computer migth be damaged.")},
                   {"Label2",
                    QT_TRANSLATE_NOOP("wizard", "Zentrimo was made by Vaskor. Thank you for using it!")},
                   {"Label3",
                    QT_TRANSLATE_NOOP("wizard", "Found a bug, or have a comment? "
                                                "Please report it to whoever gave you this program, "
                                                "or on the project's issue tracker.")}},
        .pictureResource = ":/pictures/welcome.svg",
        .enterButton = Text{"cmdTweak", QT_TRANSLATE_NOOP("wizard", "&Start Tweak")},
        .checkButton = Text{"cmdCheck0", QT_TRANSLATE_NOOP("wizard", "&Check game")},
        .restoreButton = Text{"cmdRestore0", QT_TRANSLATE_NOOP("wizard", "Restore &points...")},
        .leaveButton = {"cmdUninstall", QT_TRANSLATE_NOOP("wizard", "&Uninstall")},
        .leaveLabel = Text{"Label4", QT_TRANSLATE_NOOP("wizard", "Uninstall Tweak if installed:")},
        .leave = LeaveAction::Uninstall};
}

PageSpec decalsPage() {
    PageSpec page = fieldsPage(
        Video, 1, QT_TRANSLATE_NOOP("wizard", "Decals, bulletholes, and explosion scars... "),
        QT_TRANSLATE_NOOP("wizard",
                          "Make sure to limit the number of decals, bulletholes, and explosion scars."),
        {numberField("txtDecals",
                     {"Label6",
                      QT_TRANSLATE_NOOP(
                          "wizard", "Maximum number of decals on screen at a time (recommended 200 to 500)")},
                     "200", 3)},
        fieldLines({"r_decals"}));
    page.explanations.push_back(
        {"Label3", QT_TRANSLATE_NOOP("wizard", "You will gain a 10% to 15% improvement in performance, "
                                               "especially in lengthy matches. See the pics below:")});
    page.pictures =
        picturePair("decals_on", {"Label4", QT_TRANSLATE_NOOP("wizard", "Decals etc. enabled:")},
                    "decals_off", {"Label5", QT_TRANSLATE_NOOP("wizard", "Decals etc. disabled:")});
    page.preparesWorkspace = true;
    return page;
}

PageSpec dynamicLightPage() {
    PageSpec page = checkBoxPage(
        Video, 2, QT_TRANSLATE_NOOP("wizard", "Dynamic lighting "),
        QT_TRANSLATE_NOOP("wizard", "With dynamic lighting, lit things such as muzzle flashes and explosions "
                                    "throw their light onto the walls and objects near them. "
                                    "Switching it off gains speed, but your flashlight stops working. "
                                    "The pictures show the glow on the wall."),
        {"Label6", QT_TRANSLATE_NOOP("wizard", "Disable dynamic lighting and gain performance?")},
        checkBoxLine("r_dynamic", "0", "1"));
    page.nextButton = "cmdNext2";
    page.question = Text{"Label3", QT_TRANSLATE_NOOP("wizard", "Do you want to disable dynamic lighting?")};
    page.pictures = picturePair("dynamic_on", {"Label4", QT_TRANSLATE_NOOP("wizard", "Dynamic Enabled:")},
                                "dynamic_off", {"Label5", QT_TRANSLATE_NOOP("wizard", "Dynamic Disabled:")});
    return page;
}

PageSpec weaponPage() {
    PageSpec page = checkBoxPage(
        Video, 3, QT_TRANSLATE_NOOP("wizard", "Weapon visibility "),
        QT_TRANSLATE_NOOP("wizard",
                          "The weapon in your hands blocks part of your view. "
                          "Hiding it gains 3 to 5 frames per second, or even more. See the pictures below."),
        {"Label6", QT_TRANSLATE_NOOP("wizard", "Make weapon invisible and gain performance?")},
        checkBoxLine("r_drawviewmodel", "0", "1"));
    page.nextButton = "cmdNext3";
    page.question = Text{
        "Label3", QT_TRANSLATE_NOOP("wizard", "Do you want to be able to see your weapon during the game?")};
    page.pictures =
        picturePair("weapon_visible", {"Label4", QT_TRANSLATE_NOOP("wizard", "Visible weapon:")},
                    "weapon_invisible", {"Label5", QT_TRANSLATE_NOOP("wizard", "Invisible weapon:")});
    return page;
}

PageSpec collinearPage() {
    PageSpec page = checkBoxPage(
        Video, 4, QT_TRANSLATE_NOOP("wizard", "Collinear vertexes "),
        QT_TRANSLATE_NOOP(
            "wizard", "Keeping collinear vertexes fills the gaps and reduces the cracks between polygons. "
                      "Switching it off can gain some speed, at the price of some visible cracking."),
        {"Label4", QT_TRANSLATE_NOOP("wizard", "Disable collinear vertexes?")},
        checkBoxLine("gl_keeptjunctions", "0", "1"));
    page.nextButton = "cmdNext4";
    page.explanations.push_back(
        {"Label3", QT_TRANSLATE_NOOP("wizard", "You may gain around 1 or 2 FPS from disabling this.")});
    return page;
}

PageSpec shadowsPage() {
    PageSpec page =
        checkBoxPage(Video, 5, QT_TRANSLATE_NOOP("wizard", "Shadows"),
                     QT_TRANSLATE_NOOP(
                         "wizard", "Shadows are off by default in the game. "
                                   "They look unrealistic and are best used only when you really need them."),
                     //: The ".?" ending is the original's odd punctuation: end the question the same way.
                     {"Label5", QT_TRANSLATE_NOOP("wizard", "Disable shadows and gain performance.?")},
                     checkBoxLine("r_shadows", "0", "1"));
    page.nextButton = "cmdNext5";
    page.pictures = picturePair("shadows_on", {"Label3", QT_TRANSLATE_NOOP("wizard", "Shadows enabled:")},
                                "shadows_off", {"Label4", QT_TRANSLATE_NOOP("wizard", "Shadows disabled:")});
    return page;
}

PageSpec texsortPage() {
    PageSpec page = checkBoxPage(
        Video, 6, "gl_texsort ",
        QT_TRANSLATE_NOOP("wizard",
                          "Enabling gl_texsort gives much brighter images, at a large cost in speed. "
                          "Some video cards need it switched on, others switched off: "
                          "if your card has problems, try both."),
        {"Label5", QT_TRANSLATE_NOOP("wizard", "Disable gl_texsort and gain performance?")},
        checkBoxLine("gl_texsort", "0", "1"));
    page.nextButton = "cmdNext6";
    page.pictures =
        picturePair("texsort_on", {"Label3", QT_TRANSLATE_NOOP("wizard", "gl_texsort enabled:")},
                    "texsort_off", {"Label4", QT_TRANSLATE_NOOP("wizard", "gl_texsort disabled:")});
    return page;
}

PageSpec offsetPage() {
    PageSpec page = fieldsPage(
        Video, 7, QT_TRANSLATE_NOOP("wizard", "Offset"),
        QT_TRANSLATE_NOOP("wizard", "The offset of textures and decals fixes decals that show through walls "
                                    "or are drawn wrongly. It has little or no effect on speed."),
        {numberField("txtTweak7", {"Label4", QT_TRANSLATE_NOOP("wizard", "Poly-Offset:")}, "4", 4,
                     Accepts::DigitsAndMinus)},
        rangeLine("gl_polyoffset", -24, 24,
                  QT_TRANSLATE_NOOP("wizard", "Poly-Offset Must be between -25 and 25")));
    page.explanations.push_back(
        {"Label3",
         QT_TRANSLATE_NOOP("wizard", "4 is the default for video cards without problems. "
                                     "If your card has problems, try -1, 20 or 5, and then experiment.")});
    return page;
}

PageSpec brightnessPage() {
    PageSpec page = fieldsPage(
        Video, 8, QT_TRANSLATE_NOOP("wizard", "Brightness/Gamma "),
        QT_TRANSLATE_NOOP("wizard", "Brightness lightens only the characters, weapons and objects. "
                                    "Gamma lightens everything; it ranges from 0 to 4 and costs no speed."),
        {numberField("txtBright", {"Label4", QT_TRANSLATE_NOOP("wizard", "Brightness (higher is brighter)")},
                     "2", 3),
         numberField("txtGamma", {"Label5", QT_TRANSLATE_NOOP("wizard", "Gamma (higher is brighter)")}, "4",
                     3)},
        brightnessAndGamma);
    page.explanations.push_back(
        {"Label3",
         QT_TRANSLATE_NOOP("wizard", "Brightness 2 with gamma 4 is recommended for dark video cards.")});
    return page;
}

PageSpec textureGammaPage() {
    PageSpec page = fieldsPage(
        Video, 9, QT_TRANSLATE_NOOP("wizard", "Texture Gamma/Light Gamma "),
        QT_TRANSLATE_NOOP("wizard",
                          "Texture gamma sets the gamma of all textures, light gamma that of the lighting. "
                          "Neither has any effect on speed."),
        {numberField("txtTGamma",
                     {"Label4", QT_TRANSLATE_NOOP("wizard", "Texture Gamma (lower is brighter)")}, "2", 3,
                     Accepts::DigitsAndPeriod),
         numberField("txtLGamma", {"Label5", QT_TRANSLATE_NOOP("wizard", "Light Gamma (lower is brighter)")},
                     "2.5", 3, Accepts::DigitsAndPeriod)},
        fieldLines({"texgamma", "lightgamma"}));
    page.nextButton = "cmdNext9";
    page.explanations.push_back(
        {"Label3", QT_TRANSLATE_NOOP("wizard", "If you chose brightness 2 and gamma 4 on the previous page, "
                                               "try 3 and 2 here; otherwise keep 2 and 2.5, the defaults.")});
    return page;
}

PageSpec picMipPage() {
    PageSpec page = fieldsPage(
        Video, 11, QT_TRANSLATE_NOOP("wizard", "Pic mip "),
        QT_TRANSLATE_NOOP("wizard", "Pic mip sets the overall texture quality. "
                                    "2 gains a little speed at a severe loss of image quality; "
                                    "newer video cards gain nothing above 0, which is recommended."),
        {numberField("txtMip", {"Label4", QT_TRANSLATE_NOOP("wizard", "Pic mip:")}, "0", 2)},
        rangeLine("gl_picmip", 0, 10, QT_TRANSLATE_NOOP("wizard", "Pic mip must be between 0 and 10")));
    page.nextButton = "cmdtweak11";
    page.explanations.push_back(
        {"Label3", QT_TRANSLATE_NOOP(
                       "wizard", "If your system crashes, run this tweak again and set this to default.")});
    return page;
}

PageSpec zTrickPage() {
    PageSpec page = checkBoxPage(
        Video, 12, QT_TRANSLATE_NOOP("wizard", "ZTrick "),
        QT_TRANSLATE_NOOP("wizard", "Skipping it can gain a good amount of speed, "
                                    "but on some video cards it makes textures and distant objects flicker. "
                                    "The pictures show a distant sign that flickers."),
        //: The ".?" ending is the original's odd punctuation: end the question the same way.
        {"Label6", QT_TRANSLATE_NOOP("wizard", "Enable ZTrick and gain performance.?")},
        checkBoxLine("gl_ztrick", "1", "0"));
    page.question = Text{
        "Label3", QT_TRANSLATE_NOOP("wizard", "ZTrick is a command to skip the clearing of the Z-buffer.")};
    page.pictures = picturePair("ztrick_on", {"Label4", QT_TRANSLATE_NOOP("wizard", "Ztrick enabled")},
                                "ztrick_off", {"Label5", QT_TRANSLATE_NOOP("wizard", "Ztrick disabled:")});
    return page;
}

PageSpec textureModePage() {
    PageSpec page = explainedPage(
        Video, 14, QT_TRANSLATE_NOOP("wizard", "Texture Mode "),
        QT_TRANSLATE_NOOP("wizard", "The texture mode is the drawing mode of your video hardware. "
                                    "Nearest neighbor interpolation looks blocky and jagged; "
                                    "linear interpolation looks smooth."));
    page.input = OptionGroup{
        "optTweak14",
        {{{"Label3", QT_TRANSLATE_NOOP("wizard", "Nearest neighbor interpolation for bilinear hardware?")},
          "GL_NEAREST_MIPMAP_NEAREST"},
         //: The ".?" ending is the original's odd punctuation: end the question the same way.
         {{"Label4", QT_TRANSLATE_NOOP("wizard", "Linear interpolation for bilinear hardware.?")},
          "GL_LINEAR_MIPMAP_NEAREST"},
         //: The ".?" ending is the original's odd punctuation: end the question the same way.
         {{"Label5", QT_TRANSLATE_NOOP("wizard", "Nearest neighbor interpolation for trilinear hardware.?")},
          "GL_NEAREST_MIPMAP_LINEAR"},
         //: The ".?" ending is the original's odd punctuation: end the question the same way.
         {{"Label6", QT_TRANSLATE_NOOP("wizard", "Linear interpolation for trilinear hardware.?")},
          "GL_LINEAR_MIPMAP_LINEAR"}},
        &RunState::textureMode};
    page.lines = [](const Answer& answer) {
        return Outcome{{workspace::SettingLine("gl_texturemode", answer.option)}, {}};
    };
    return page;
}

} // namespace

std::vector<Step> videoSection() {
    return {
        welcomePage(),
        decalsPage(),
        dynamicLightPage(),
        weaponPage(),
        collinearPage(),
        shadowsPage(),
        texsortPage(),
        offsetPage(),
        brightnessPage(),
        textureGammaPage(),
        checkBoxPage(
            Video, 10, QT_TRANSLATE_NOOP("wizard", "High quality player models "),
            QT_TRANSLATE_NOOP("wizard",
                              "Player models come in high and low quality, with little visible difference. "
                              "Low quality models save texture memory: "
                              "cards with much texture memory lose little by using them, "
                              "cards with little texture memory gain speed."),
            //: The ".?" ending is the original's odd punctuation: end the question the same way.
            {"Label3", QT_TRANSLATE_NOOP("wizard", "Use low quality models.?")},
            checkBoxLine("cl_himodels", "0", "1")),
        picMipPage(),
        zTrickPage(),
        checkBoxPage(
            Video, 13, QT_TRANSLATE_NOOP("wizard", "Direct3D Flip "),
            QT_TRANSLATE_NOOP("wizard", "If your mouse input lags two to three seconds behind, "
                                        "your video card needs Direct3D flip enabled."),
            //: The ".?" ending is the original's odd punctuation: end the question the same way.
            {"Label3", QT_TRANSLATE_NOOP("wizard", "Enable Direct3D flip to correct input problems.?")},
            checkBoxLine("gl_d3dflip", "1", "0")),
        textureModePage(),
    };
}

} // namespace wizard
