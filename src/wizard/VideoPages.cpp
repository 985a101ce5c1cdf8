#include "PageSpec.h"

#include "Workspace.h"

#include <charconv>
#include <limits>

namespace wizard {

namespace {

template <class... Handlers> struct Overloaded : Handlers... { using Handlers::operator()...; };

Text text(const QString& caption) {
    return {{}, caption};
}

PageSpec videoPage(int number, const QString& nextButton, const QString& heading,
                   const std::vector<QString>& explanations, decltype(PageSpec::input) input,
                   LineMaker lines) {
    // The video pages' Next buttons follow no one pattern, so each row names its own.
    PageSpec page = sectionPage({"frmTweak", 14, {}, "cmdSkip", "frmSound0", "check"}, number);
    page.nextButton = nextButton;
    page.heading = text(heading);
    for (const QString& explanation : explanations)
        page.explanations.push_back(text(explanation));
    page.input = std::move(input);
    page.lines = std::move(lines);
    return page;
}

CheckBox checkBox(int number, const QString& question) {
    return {QStringLiteral("check%1").arg(number), text(question)};
}

NumberField numberField(const QString& name, const QString& label, const QString& initialText,
                        Accepts accepts, int maxLength) {
    return {name, text(label), initialText, accepts, maxLength, {}};
}

PicturePair pictures(const QString& left, const QString& leftCaption, const QString& right,
                     const QString& rightCaption) {
    const auto resource = [](const QString& base) { return QStringLiteral(":/pictures/%1.svg").arg(base); };
    return {resource(left), text(leftCaption), resource(right), text(rightCaption)};
}

// Names the labels Label1, Label2, ... in the order heading, explanations, question, picture captions,
// input labels.
PageSpec numbered(PageSpec page) {
    int next = 1;
    const auto name = [&next](Text& label) { label.name = QStringLiteral("Label%1").arg(next++); };
    name(page.heading);
    for (Text& explanation : page.explanations)
        name(explanation);
    if (page.question)
        name(*page.question);
    if (page.pictures) {
        name(page.pictures->leftCaption);
        name(page.pictures->rightCaption);
    }
    std::visit(Overloaded{[&](CheckBox& box) { name(box.label); },
                          [&](std::vector<NumberField>& fields) {
                              for (NumberField& field : fields)
                                  name(field.label);
                          },
                          [&](OptionGroup& group) {
                              for (Option& option : group.options)
                                  name(option.label);
                          }},
               page.input);
    return page;
}

// A whole number: one optional leading minus, then digits only.
std::optional<int> readNumber(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

bool within(const std::string& text, int low, int high) {
    const std::optional<int> value = readNumber(text);
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
        return {{}, QStringLiteral("Brightness must be under 4 and over 0")};
    if (!within(answer.texts.at(1), lowest, 4))
        return {{}, QStringLiteral("Gamma must be under 4 and over 0")};
    return fieldLines({"brightness", "gamma"})(answer);
}

Outcome textureMode(const Answer& answer) {
    return {{workspace::SettingLine("gl_texturemode", answer.option)}, {}};
}

} // namespace

std::vector<PageSpec> videoPages() {
    std::vector<PageSpec> pages;

    PageSpec decals = videoPage(
        1, "cmdTweak1", "Decals, bulletholes, and explosion scars... ",
        {"Make sure to limit the number of decals, bulletholes, and explosion scars.",
         "You will gain a 10% to 15% improvement in performance, especially in lengthy matches. See the pics "
         "below:"},
        std::vector{numberField("txtDecals",
                                "Maximum number of decals on screen at a time (recommended 200 to 500)",
                                "200", Accepts::Digits, 3)},
        fieldLines({"r_decals"}));
    decals.pictures = pictures("decals_on", "Decals etc. enabled:", "decals_off", "Decals etc. disabled:");
    decals.preparesWorkspace = true;
    pages.push_back(decals);

    PageSpec dynamic = videoPage(
        2, "cmdNext2", "Dynamic lighting ",
        {"With dynamic lighting, lit things such as muzzle flashes and explosions throw their light onto the "
         "walls and objects near them. Switching it off gains speed, but your flashlight stops working. The "
         "pictures show the glow on the wall."},
        checkBox(2, "Disable dynamic lighting and gain performance?"), checkBoxLine("r_dynamic", "0", "1"));
    dynamic.question = text("Do you want to disable dynamic lighting?");
    dynamic.pictures = pictures("dynamic_on", "Dynamic Enabled:", "dynamic_off", "Dynamic Disabled:");
    pages.push_back(dynamic);

    PageSpec weapon = videoPage(3, "cmdNext3", "Weapon visibility ",
                                {"The weapon in your hands blocks part of your view. Hiding it gains 3 to 5 "
                                 "frames per second, or even "
                                 "more. See the pictures below."},
                                checkBox(3, "Make weapon invisible and gain performance?"),
                                checkBoxLine("r_drawviewmodel", "0", "1"));
    weapon.question = text("Do you want to be able to see your weapon during the game?");
    weapon.pictures = pictures("weapon_visible", "Visible weapon:", "weapon_invisible", "Invisible weapon:");
    pages.push_back(weapon);

    pages.push_back(videoPage(4, "cmdNext4", "Collinear vertexes ",
                              {"Keeping collinear vertexes fills the gaps and reduces the cracks between "
                               "polygons. Switching it off "
                               "can gain some speed, at the price of some visible cracking.",
                               "You may gain around 1 or 2 FPS from disabling this."},
                              checkBox(4, "Disable collinear vertexes?"),
                              checkBoxLine("gl_keeptjunctions", "0", "1")));

    PageSpec shadows =
        videoPage(5, "cmdNext5", "Shadows",
                  {"Shadows are off by default in the game. They look unrealistic and are best used only "
                   "when you really "
                   "need them."},
                  checkBox(5, "Disable shadows and gain performance.?"), checkBoxLine("r_shadows", "0", "1"));
    shadows.pictures = pictures("shadows_on", "Shadows enabled:", "shadows_off", "Shadows disabled:");
    pages.push_back(shadows);

    PageSpec texsort = videoPage(
        6, "cmdNext6", "gl_texsort ",
        {"Enabling gl_texsort gives much brighter images, at a large cost in speed. Some video cards need it "
         "switched on, others switched off: if your card has problems, try both."},
        checkBox(6, "Disable gl_texsort and gain performance?"), checkBoxLine("gl_texsort", "0", "1"));
    texsort.pictures = pictures("texsort_on", "gl_texsort enabled:", "texsort_off", "gl_texsort disabled:");
    pages.push_back(texsort);

    pages.push_back(videoPage(
        7, "cmdTweak7", "Offset",
        {"The offset of textures and decals fixes decals that show through walls or are drawn wrongly. It "
         "has "
         "little or no effect on speed.",
         "4 is the default for video cards without problems. If your card has problems, try -1, 20 or 5, and "
         "then experiment."},
        std::vector{numberField("txtTweak7", "Poly-Offset:", "4", Accepts::DigitsAndMinus, 4)},
        rangeLine("gl_polyoffset", -24, 24, "Poly-Offset Must be between -25 and 25")));

    pages.push_back(videoPage(
        8, "cmdTweak8", "Brightness/Gamma ",
        {"Brightness lightens only the characters, weapons and objects. Gamma lightens everything; it ranges "
         "from 0 to 4 and costs no speed.",
         "Brightness 2 with gamma 4 is recommended for dark video cards."},
        std::vector{numberField("txtBright", "Brightness (higher is brighter)", "2", Accepts::Digits, 3),
                    numberField("txtGamma", "Gamma (higher is brighter)", "4", Accepts::Digits, 3)},
        brightnessAndGamma));

    pages.push_back(videoPage(
        9, "cmdNext9", "Texture Gamma/Light Gamma ",
        {"Texture gamma sets the gamma of all textures, light gamma that of the lighting. Neither has any "
         "effect "
         "on speed.",
         "If you chose brightness 2 and gamma 4 on the previous page, try 3 and 2 here; otherwise keep 2 and "
         "2.5, the defaults."},
        std::vector{
            numberField("txtTGamma", "Texture Gamma (lower is brighter)", "2", Accepts::DigitsAndPeriod, 3),
            numberField("txtLGamma", "Light Gamma (lower is brighter)", "2.5", Accepts::DigitsAndPeriod, 3)},
        fieldLines({"texgamma", "lightgamma"})));

    pages.push_back(videoPage(10, "cmdTweak10", "High quality player models ",
                              {"Player models come in high and low quality, with little visible difference. "
                               "Low quality models save "
                               "texture memory: cards with much texture memory lose little by using them, "
                               "cards with little texture "
                               "memory gain speed."},
                              checkBox(10, "Use low quality models.?"),
                              checkBoxLine("cl_himodels", "0", "1")));

    pages.push_back(videoPage(11, "cmdtweak11", "Pic mip ",
                              {"Pic mip sets the overall texture quality. 2 gains a little speed at a severe "
                               "loss of image quality; "
                               "newer video cards gain nothing above 0, which is recommended.",
                               "If your system crashes, run this tweak again and set this to default."},
                              std::vector{numberField("txtMip", "Pic mip:", "0", Accepts::Digits, 2)},
                              rangeLine("gl_picmip", 0, 10, "Pic mip must be between 0 and 10")));

    PageSpec ztrick = videoPage(
        12, "cmdTweak12", "ZTrick ",
        {"Skipping it can gain a good amount of speed, but on some video cards it makes textures and distant "
         "objects flicker. The pictures show a distant sign that flickers."},
        checkBox(12, "Enable ZTrick and gain performance.?"), checkBoxLine("gl_ztrick", "1", "0"));
    ztrick.question = text("ZTrick is a command to skip the clearing of the Z-buffer.");
    ztrick.pictures = pictures("ztrick_on", "Ztrick enabled", "ztrick_off", "Ztrick disabled:");
    pages.push_back(ztrick);

    pages.push_back(videoPage(13, "cmdTweak13", "Direct3D Flip ",
                              {"If your mouse input lags two to three seconds behind, your video card needs "
                               "Direct3D flip enabled."},
                              checkBox(13, "Enable Direct3D flip to correct input problems.?"),
                              checkBoxLine("gl_d3dflip", "1", "0")));

    pages.push_back(videoPage(
        14, "cmdTweak14", "Texture Mode ",
        {"The texture mode is the drawing mode of your video hardware. Nearest neighbor interpolation looks "
         "blocky and jagged; linear interpolation looks smooth."},
        OptionGroup{
            "optTweak14",
            {{text("Nearest neighbor interpolation for bilinear hardware?"), "GL_NEAREST_MIPMAP_NEAREST"},
             {text("Linear interpolation for bilinear hardware.?"), "GL_LINEAR_MIPMAP_NEAREST"},
             {text("Nearest neighbor interpolation for trilinear hardware.?"), "GL_NEAREST_MIPMAP_LINEAR"},
             {text("Linear interpolation for trilinear hardware.?"), "GL_LINEAR_MIPMAP_LINEAR"}},
            &DimList::TextureMode},
        textureMode));

    for (PageSpec& page : pages)
        page = numbered(std::move(page));
    return pages;
}

} // namespace wizard
