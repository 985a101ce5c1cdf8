#include "game/ReportRendering.h"

#include <array>
#include <map>

namespace game {

namespace {

// The headings of the warnings, in the order the report shows them; the lines that never take effect
// stand between the signs of tampering and the costs.
struct WarningGroup {
    WarningKind kind;
    Phrase heading;
};
constexpr std::array<WarningGroup, 7> WarningGroups{{
    {WarningKind::Tampering, Phrase::ReportTampering},
    {WarningKind::Cost, Phrase::ReportCost},
    {WarningKind::Unreadable, Phrase::ReportUnreadable},
    {WarningKind::Missing, Phrase::ReportMissing},
    {WarningKind::Refused, Phrase::ReportRefused},
    {WarningKind::Loop, Phrase::ReportLoop},
    {WarningKind::Limit, Phrase::ReportLimit},
}};

// The report's text in the words of one language.
class ReportWriter {
public:
    ReportWriter(const StartupReport& report, const Wording& words) : m_report(report), m_words(words) {}

    std::string text() const {
        std::string text = said({Phrase::ReportStartup, {shownText(m_report.gameRoot)}}) + "\n\n" +
                           warnings() + launchOptions() + "\n" + scripts() + "\n" +
                           said({Phrase::ReportSettings}) + "\n";
        for (const VariableSetting& setting : m_report.settings) {
            const std::vector<Argument> shownSetting{shownText(setting.name), shownText(setting.value),
                                                     shownPlace(setting.place)};
            if (setting.verdict) {
                // Its cost stands among the warnings above.
                auto arguments = shownSetting;
                arguments.emplace_back(sentences(settingMessages(setting, false)));
                text += "  " + said({Phrase::ReportSettingToday, std::move(arguments)}) + "\n";
            } else {
                text += "  " + said({Phrase::ReportSetting, shownSetting}) + "\n";
            }
        }
        if (m_report.settings.empty())
            text += "  " + said({Phrase::ReportNone}) + "\n";
        text += storedRate();
        if (m_report.leftOut > 0)
            text += "\n" + said({Phrase::ReportLeftOut, {}, m_report.leftOut}) + "\n";
        return text;
    }

private:
    std::string said(const Message& message) const { return m_words(message); }

    std::string sentences(const std::vector<Message>& messages) const {
        std::string text;
        for (const Message& message : messages)
            text += (text.empty() ? "" : " ") + said(message);
        return text;
    }

    std::string shownPlace(const ScriptPlace& place) const {
        const Argument words = placeWords(place);
        return shownText(words.worded.empty() ? words.text : said(words.worded.front()));
    }

    std::string warningsOfKind(const WarningGroup& group) const {
        std::string text;
        for (const Warning& warning : m_report.warnings)
            if (warning.kind == group.kind)
                text += "  " +
                        said({Phrase::Placed, {shownPlace(warning.place), shownText(said(warning.text))}}) +
                        "\n";
        return text.empty() ? text : said({group.heading}) + "\n" + text + "\n";
    }

    std::string ineffective() const {
        if (m_report.ineffective.empty())
            return {};
        std::string text = said({Phrase::ReportIneffective}) + "\n";
        for (const IneffectiveLine& line : m_report.ineffective)
            text += "  " +
                    said({Phrase::PlacedCommand,
                          {shownPlace(line.place), shownText(line.command), shownText(said(line.why))}}) +
                    "\n";
        return text + "\n";
    }

    std::string warnings() const {
        std::string text = warningsOfKind(WarningGroups[0]) + ineffective();
        for (std::size_t i = 1; i < WarningGroups.size(); ++i)
            text += warningsOfKind(WarningGroups[i]);
        return text;
    }

    std::string launchOptions() const {
        if (!m_report.launchOptions)
            return said({Phrase::ReportNoLaunchOptions}) + "\n";
        const LaunchOptions& options = *m_report.launchOptions;
        std::string text =
            (options.text.empty() ? said({Phrase::ReportLaunchOptionsEmpty})
                                  : said({Phrase::ReportLaunchOptions, {shownText(options.text)}})) +
            "\n  ";
        if (options.steamUsers > 1)
            text += said({Phrase::ReportFromSteamUser,
                          {shownText(options.source), shownText(options.steamUser),
                           std::to_string(options.steamUsers)}});
        else
            text += said({Phrase::ReportFrom, {shownText(options.source)}});
        return text + "\n";
    }

    std::string scripts() const {
        std::string text = said({Phrase::ReportScripts}) + "\n";
        if (m_report.standardValveRc)
            text += "  " + said({Phrase::ReportStandardValveRc}) + "\n";
        std::map<std::string_view, int> runs;
        for (std::size_t i = 0; i < m_report.files.size(); ++i) {
            const std::string& file = m_report.files[i];
            const std::string order = std::to_string(i + 1);
            // The reader keeps no place of the exec that runs a file again; its run is counted instead.
            if (const int run = ++runs[file]; run > 1)
                text += "  " +
                        said({Phrase::ReportScriptRun, {order, shownText(file), std::to_string(run)}}) + "\n";
            else
                text += "  " + said({Phrase::ReportScript, {order, shownText(file)}}) + "\n";
        }
        if (m_report.files.empty())
            text += "  " + said({Phrase::ReportNone}) + "\n";
        return text;
    }

    // What the game does with rate after the scripts, as a paragraph of its own.
    std::string storedRate() const {
        const StoredRate& rate = m_report.storedRate;
        const std::string store = said(rate.store);
        const std::string heading = "\n" + said({Phrase::ReportRate}) + "\n  ";
        switch (rate.kind) {
        case StoredRate::Kind::Read:
            return heading + said({Phrase::ReportRateRead, {rate.value, store}}) + "\n";
        case StoredRate::Kind::None:
            return heading + said({Phrase::ReportRateNone, {store}}) + "\n";
        case StoredRate::Kind::Unknown:
            break;
        }
        return heading + said({Phrase::ReportRateUnknown, {store}}) + "\n";
    }

    const StartupReport& m_report;
    const Wording& m_words;
};

} // namespace

std::string reportText(const StartupReport& report, const Wording& words) {
    return ReportWriter(report, words).text();
}

std::string reportText(const StartupReport& report) {
    return reportText(report, englishWording());
}

} // namespace game
