#include "wizard/PageSpec.h"

namespace wizard {

namespace {

const Section Network{"frmInternet", 6, "cmdINext", "cmdISkip", "checkI"};

// Ticked allows the transfer.
LineMaker allows(std::string variable) {
    return checkBoxLine(std::move(variable), "1", "0");
}

PageSpec modemPage() {
    PageSpec page = fieldsPage(
        Network, 1, QT_TRANSLATE_NOOP("wizard", "Maximum modem framerate "),
        QT_TRANSLATE_NOOP(
            "wizard", "Over a modem, limiting the frame rate lowers your ping, and your frame rate with it. "
                      "33 is recommended for 56k modems, where the ping is usually around 160; "
                      "use lower values for slower modems."),
        {numberField("txtMmf", {"Label4", QT_TRANSLATE_NOOP("wizard", "Max modem framerate:")}, "33", 4)},
        fieldLines({"fps_modem"}));
    page.explanations.push_back(
        {"Label3",
         QT_TRANSLATE_NOOP("wizard", "Non-modem users should not be concerned with this command.")});
    return page;
}

PageSpec predictionPage() {
    //: "Lantency" is the original's typo for "latency"; translate the meaning.
    NumberField field =
        numberField("txtPre", {"Label4", QT_TRANSLATE_NOOP("wizard", "Push Lantency:")}, "40", 4);
    field.prefix = Text{"Label3", "-"};
    // The field refuses the minus sign; the page always writes it, also before an empty field.
    PageSpec page = fieldsPage(
        Network, 4, QT_TRANSLATE_NOOP("wizard", "Prediction"),
        QT_TRANSLATE_NOOP("wizard", "This setting controls prediction in internet games. "
                                    "Set it between one half and one times your average ping, negated: "
                                    "for a ping of 300, between -150 and -300."),
        {field}, fieldLines({"pushlatency"}, "-"));
    page.inputNote =
        Text{"Label5", QT_TRANSLATE_NOOP("wizard", "(You can't type minus, it is typed by default)")};
    return page;
}

PageSpec downloadPage() {
    PageSpec page = checkBoxPage(
        Network, 5, QT_TRANSLATE_NOOP("wizard", "Allow download"),
        QT_TRANSLATE_NOOP("wizard", "This setting decides whether decals, maps and models are downloaded "
                                    "when you connect to a server."),
        //: The ".?" ending is the original's odd punctuation: end the question the same way.
        {"Label4", QT_TRANSLATE_NOOP("wizard", "Allow downloading of decals, maps, and models.?")},
        allows("cl_allowdownload"));
    page.caption = "Zentrimo";
    return page;
}

} // namespace

std::vector<Step> networkSection() {
    return {
        continueOrQuit("frmInternet0",
                       QT_TRANSLATE_NOOP("wizard", "You can now choose to move on to internet tweak section, "
                                                   "or you can just quit and save settings now."),
                       {"cmdInternet0", QT_TRANSLATE_NOOP("wizard", "&Continue")},
                       {"cmdIQuit0", QT_TRANSLATE_NOOP("wizard", "&Quit")}),
        modemPage(),
        fieldsPage(
            Network, 2, QT_TRANSLATE_NOOP("wizard", "Maximum LAN framerate "),
            QT_TRANSLATE_NOOP(
                "wizard",
                "The same limit for games on a local network. 45 is recommended; adjust it if the game lags."),
            {numberField("txtLmf", {"Label4", QT_TRANSLATE_NOOP("wizard", "Max LAN framerate:")}, "45", 4)},
            fieldLines({"fps_lan"})),
        fieldsPage(Network, 3, QT_TRANSLATE_NOOP("wizard", "Rate"),
                   QT_TRANSLATE_NOOP(
                       "wizard",
                       "A lower rate usually gives lower pings, because the server sends less data. "
                       "Recommended are 2500 to 3500 for 28.8 and 33.6 modems, 3000 to 5000 for 56k modems, "
                       "5000 and more for faster lines, and about 25,000 for LAN games and ADSL."),
                   {numberField("txtRate", {"Label4", QT_TRANSLATE_NOOP("wizard", "Rate:")}, "25000", 6)},
                   fieldLines({"rate"})),
        predictionPage(),
        downloadPage(),
        checkBoxPage(
            Network, 6, QT_TRANSLATE_NOOP("wizard", "Allow upload "),
            QT_TRANSLATE_NOOP("wizard",
                              "This setting decides whether your own decals, maps and models are uploaded "
                              "when you connect to a server."),
            {"Label4", QT_TRANSLATE_NOOP("wizard", "Allow uploading of decals, maps, and models.")},
            allows("cl_allowupload")),
    };
}

} // namespace wizard
