#include "PageSpec.h"

namespace wizard {

namespace {

const Section Network{"frmInternet", 6, "cmdINext", "cmdISkip", "frmMisc0", "checkI"};

// Ticked allows the transfer.
LineMaker allows(std::string variable) {
    return checkBoxLine(std::move(variable), "1", "0");
}

// A digits-only field whose text is written as `variable`, after `prefix`.
PageSpec fieldPage(int number, const QString& heading, const QString& explanation, NumberField field,
                   const std::string& variable, const std::string& prefix = {}) {
    PageSpec page = explainedPage(Network, number, heading, explanation);
    page.input = std::vector<NumberField>{std::move(field)};
    page.lines = fieldLines({variable}, prefix);
    return page;
}

PageSpec modemPage() {
    PageSpec page = fieldPage(
        1, "Maximum modem framerate ",
        "Over a modem, limiting the frame rate lowers your ping, and your frame rate "
        "with it. 33 is recommended for 56k modems, where the ping is usually around "
        "160; use lower values for slower modems.",
        {"txtMmf", {"Label4", "Max modem framerate:"}, "33", Accepts::Digits, 4, std::nullopt}, "fps_modem");
    page.explanations.push_back({"Label3", "Non-modem users should not be concerned with this command."});
    return page;
}

PageSpec predictionPage() {
    NumberField field{"txtPre", {"Label4", "Push Lantency:"}, "40", Accepts::Digits, 4, Text{"Label3", "-"}};
    // The field refuses the minus sign; the page always writes it, also before an empty field.
    PageSpec page = fieldPage(4, "Prediction",
                              "This setting controls prediction in internet games. Set it between one half "
                              "and one times your average ping, negated: for a ping of 300, between -150 and "
                              "-300.",
                              std::move(field), "pushlatency", "-");
    page.inputNote = Text{"Label5", "(You can't type minus, it is typed by default)"};
    return page;
}

PageSpec downloadPage() {
    PageSpec page =
        checkBoxPage(Network, 5, "Allow download",
                     "This setting decides whether decals, maps and models are downloaded when you "
                     "connect to a server.",
                     "Allow downloading of decals, maps, and models.?", allows("cl_allowdownload"));
    page.caption = "Zentrimo";
    return page;
}

} // namespace

std::vector<PageSpec> networkPages() {
    return {
        modemPage(),
        fieldPage(
            2, "Maximum LAN framerate ",
            "The same limit for games on a local network. 45 is recommended; adjust it if the game lags.",
            {"txtLmf", {"Label4", "Max LAN framerate:"}, "45", Accepts::Digits, 4, std::nullopt}, "fps_lan"),
        fieldPage(3, "Rate",
                  "A lower rate usually gives lower pings, because the server sends less data. Recommended "
                  "are 2500 to 3500 for 28.8 and 33.6 modems, 3000 to 5000 for 56k modems, 5000 and more "
                  "for faster lines, and about 25,000 for LAN games and ADSL.",
                  {"txtRate", {"Label4", "Rate:"}, "25000", Accepts::Digits, 6, std::nullopt}, "rate"),
        predictionPage(),
        downloadPage(),
        checkBoxPage(Network, 6, "Allow upload ",
                     "This setting decides whether your own decals, maps and models are uploaded when you "
                     "connect to a server.",
                     "Allow uploading of decals, maps, and models.", allows("cl_allowupload")),
    };
}

} // namespace wizard
