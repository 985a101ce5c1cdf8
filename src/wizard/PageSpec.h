#pragma once

#include "common/RunState.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// The wizard's pages as data: one description per page, one class (SettingsPage, SectionStartPage)
// that builds any of them.
namespace wizard {

// A label: its objectName and its caption.
struct Text {
    QString name;
    QString text;
};

// The characters a number field accepts besides backspace and the digits.
enum class Accepts { Digits, DigitsAndMinus, DigitsAndPeriod };

struct NumberField {
    QString name; // e.g. "txtDecals"
    Text label;   // the label on the field's row
    QString initialText;
    Accepts accepts = Accepts::Digits;
    int maxLength = 0;
    std::optional<Text> prefix{}; // a bold label between the row's label and the field
};

struct CheckBox {
    QString name; // e.g. "check2"
    Text label;   // the question on the box's row
};

struct Option {
    Text label; // the label at the option's left
    std::string tag;
};

// Option buttons are named name + "_" + index ("optSound5_0".."optSound5_3").
struct OptionGroup {
    QString name;
    std::vector<Option> options;
    std::string RunState::*variable; // where the chosen option's tag is kept
};

struct PicturePair {
    QString leftResource; // e.g. ":/pictures/decals_on.svg", shown as Image1
    Text leftCaption;
    QString rightResource; // shown as Image2
    Text rightCaption;
};

// What the page's input holds when "&Next" is pressed: the box, each field's text as it stands
// (in the order of the page's fields), the option group's variable.
struct Answer {
    bool checked = false;
    std::vector<std::string> texts;
    std::string option;
};

// The lines to append, or, when refusal is set, the message shown instead (nothing is written).
struct Outcome {
    std::vector<std::string> lines;
    QString refusal;
};

using LineMaker = std::function<Outcome(const Answer&)>;

struct PageSpec {
    QString form;                   // "frmTweak7"
    QString caption;                // "Zentrimo 7/14"
    QString nextButton;             // "cmdTweak7"
    QString skipButton;             // "cmdSkip7"
    Text heading;                   // Label1, drawn bold
    std::vector<Text> explanations; // top to bottom, below the heading
    std::optional<Text> question;   // a line of its own right below the heading
    std::optional<PicturePair> pictures;
    std::optional<Text> inputNote; // a label just above the input row
    std::variant<CheckBox, std::vector<NumberField>, OptionGroup> input;
    LineMaker lines;
    // Page 1: both buttons build the workspace file (Skip with no lines) instead of appending.
    bool preparesWorkspace = false;
};

enum class LeaveAction { Uninstall, Quit };

// A section start page (and the finish page, which has no enter button).
struct SectionSpec {
    QString form;                             // "frmSound0"
    std::vector<Text> labels;                 // top to bottom
    std::optional<QString> pictureResource{}; // Image1, beside the labels
    std::optional<Text> enterButton{};        // {"cmdSound0", "&Continue"}; none on the finish page
    std::optional<Text> checkButton{};   // beside the enter button: opens the report of the game's start-up
    std::optional<Text> restoreButton{}; // after the check button: opens the restore points
    Text leaveButton;                    // {"cmdQuit0", "&Quit"}
    std::optional<Text> leaveLabel{};    // a label beside the leave button ("Uninstall Tweak if installed:")
    LeaveAction leave = LeaveAction::Quit;
};

// One form of the wizard.
using Step = std::variant<SectionSpec, PageSpec>;

// How a section names its pages: page n is formPrefix + n, captioned "Zentrimo n/pageCount", with the
// buttons nextPrefix + n and skipPrefix + n and the check box checkPrefix + n.
struct Section {
    QString formPrefix;
    int pageCount = 0;
    QString nextPrefix;
    QString skipPrefix;
    QString checkPrefix;
};

// The builders every page table uses. Page `number` of `section`: its form, caption and buttons.
PageSpec sectionPage(const Section& section, int number);
// The same with its heading in Label1 and its explanation in Label2.
PageSpec explainedPage(const Section& section, int number, const QString& heading,
                       const QString& explanation);
// The same asking `question` beside the page's check box.
PageSpec checkBoxPage(const Section& section, int number, const QString& heading, const QString& explanation,
                      Text question, LineMaker lines);
// The same with number fields, top to bottom.
PageSpec fieldsPage(const Section& section, int number, const QString& heading, const QString& explanation,
                    std::vector<NumberField> fields, LineMaker lines);
// A number field beside its label.
NumberField numberField(const QString& name, Text label, const QString& initialText, int maxLength,
                        Accepts accepts = Accepts::Digits);
// The pictures :/pictures/<left>.svg and :/pictures/<right>.svg side by side under their captions.
PicturePair picturePair(const QString& left, Text leftCaption, const QString& right, Text rightCaption);
// A start page between two sections: the invitation to the next tweak section in Label2, an enter and a
// quit button.
SectionSpec continueOrQuit(const QString& form, const QString& invitation, Text enterButton, Text quitButton);

// Line makers shared by the page tables.
// One SettingLine of `name`: `ticked` when the box is ticked, else `cleared`.
LineMaker checkBoxLine(std::string name, std::string ticked, std::string cleared);
// One SettingLine per field, in field order: names[i] with prefix + the field's text as typed.
LineMaker fieldLines(std::vector<std::string> names, std::string prefix = {});

// The page tables, each section led by its start page, in the order the player meets them.
std::vector<Step> videoSection();   // frmTweak0..frmTweak14
std::vector<Step> soundSection();   // frmSound0..frmSound5
std::vector<Step> networkSection(); // frmInternet0..frmInternet6
std::vector<Step> miscSection();    // frmMisc0..frmMisc5, then the finish page frmFinish0

// Every form of the wizard, frmTweak0 to frmFinish0, in that order.
std::vector<Step> wizardSteps();

} // namespace wizard
