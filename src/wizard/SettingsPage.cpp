#include "wizard/SettingsPage.h"

#include "common/ErrorBoundary.h"
#include "common/FormStyle.h"
#include "common/JoinedLabel.h"
#include "common/Services.h"
#include "wizard/KeyFilter.h"
#include "wizard/PageLanguage.h"
#include "wizard/PageLook.h"
#include "wizard/TodayNote.h"
#include "workspace/Workspace.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace wizard {

namespace {

enum Column { LabelColumn, PrefixColumn, ControlColumn, SpareColumn };

const int WidestRowLabel = 400;

QLabel* addRowLabel(const Text& text, QGridLayout* rows, int row, Form* page) {
    QLabel* label = makeLabel(text, page);
    // Short labels keep to one line; long ones wrap instead of pushing the input off the page.
    label->setMinimumWidth(std::min(label->fontMetrics().horizontalAdvance(text.text) + 2,
                                    page->scale().pixels(WidestRowLabel)));
    rows->addWidget(label, row, LabelColumn);
    return label;
}

QLayout* picturePair(const PicturePair& pair, Form* page) {
    auto* row = new QHBoxLayout;
    const auto addPicture = [&](const Text& caption, const QString& name, const QString& resource) {
        auto* column = new QVBoxLayout;
        column->addWidget(makeLabel(caption, page));
        column->addWidget(makePicture(name, resource, page->scale().pixels(PictureSize), page));
        row->addLayout(column);
    };
    addPicture(pair.leftCaption, QStringLiteral("Image1"), pair.leftResource);
    addPicture(pair.rightCaption, QStringLiteral("Image2"), pair.rightResource);
    row->addStretch();
    return row;
}

} // namespace

SettingsPage::SettingsPage(PageSpec page, Services& services, RunState& state)
    : Form(page.form, page.caption, PageBackground), m_page(inPlayersLanguage(std::move(page))),
      m_services(services), m_state(state) {
    const TwipsScale& scale = this->scale();
    auto* layout = new QVBoxLayout;
    layout->setContentsMargins(scale.pixels(24), scale.pixels(18), scale.pixels(24), scale.pixels(18));
    layout->setSpacing(scale.pixels(8));
    layout->addWidget(makeHeading(m_page.heading, this));
    // The question belongs right under the heading it asks about.
    if (m_page.question)
        layout->addWidget(makeLabel(*m_page.question, this));
    for (const Text& explanation : m_page.explanations)
        layout->addWidget(makeLabel(explanation, this));
    if (m_page.pictures)
        layout->addLayout(picturePair(*m_page.pictures, this));
    layout->addSpacing(scale.pixels(12));
    if (m_page.inputNote)
        layout->addWidget(makeLabel(*m_page.inputNote, this));

    auto* rows = new QGridLayout;
    layout->addLayout(rows);
    rows->setHorizontalSpacing(scale.pixels(10));
    rows->setColumnStretch(SpareColumn, 1);
    std::visit([&](const auto& input) { addInput(input, rows); }, m_page.input);
    // Sized with the longest note any choice gives, so that no later note pushes a control aside.
    const QString longestNote = longestTodayNote(m_page, answer());
    m_todayNote = makeNote({QStringLiteral("lblToday"), longestNote}, this);
    if (!longestNote.isEmpty())
        layout->addSpacing(scale.pixels(6));
    layout->addWidget(m_todayNote);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(scale.pixels(ButtonGap));
    layout->addStretch();
    layout->addLayout(buttons);
    QPushButton* nextButton =
        makeButton({m_page.nextButton, inPlayersLanguage(QT_TRANSLATE_NOOP("wizard", "&Next"))}, this);
    QPushButton* skipButton = makeButton(
        {m_page.skipButton, inPlayersLanguage(QT_TRANSLATE_NOOP("wizard", "&Skip setting"))}, this);
    buttons->addStretch();
    buttons->addWidget(nextButton);
    buttons->addWidget(skipButton);
    setForwardButton(nextButton);
    connect(nextButton, &QPushButton::clicked, this, &SettingsPage::writeAndGoOn);
    connect(skipButton, &QPushButton::clicked, this, &SettingsPage::skipAndGoOn);

    finishPage(this, layout);
    showTodayNote();
    if (m_checkBox)
        connect(m_checkBox, &QCheckBox::toggled, this, &SettingsPage::showTodayNote);
    for (QLineEdit* field : m_fields)
        connect(field, &QLineEdit::textChanged, this, &SettingsPage::showTodayNote);
    if (m_options)
        connect(m_options, &QButtonGroup::idToggled, this, &SettingsPage::showTodayNote);
}

void SettingsPage::showTodayNote() {
    const QString note = todayNote(m_page, answer());
    m_todayNote->setText(note);
    m_todayNote->setAccessibleName(note);
    m_todayNote->setVisible(!note.isEmpty());
}

void SettingsPage::addInput(const CheckBox& box, QGridLayout* rows) {
    QLabel* label = addRowLabel(box.label, rows, 0, this);
    m_checkBox = new QCheckBox(this);
    m_checkBox->setObjectName(box.name);
    m_checkBox->setAccessibleName(label->text());
    setChoiceLook(m_checkBox);
    joinLabel(label, m_checkBox);
    rows->addWidget(m_checkBox, 0, ControlColumn);
}

void SettingsPage::addInput(const std::vector<NumberField>& fields, QGridLayout* rows) {
    for (const NumberField& described : fields) {
        const int row = static_cast<int>(m_fields.size());
        const QLabel* label = addRowLabel(described.label, rows, row, this);
        if (described.prefix) {
            QLabel* prefix = makeHeading(*described.prefix, this);
            prefix->setWordWrap(false);
            rows->addWidget(prefix, row, PrefixColumn);
        }
        auto* field = new QLineEdit(described.initialText, this);
        field->setObjectName(described.name);
        field->setAccessibleName(label->text());
        field->setMaxLength(described.maxLength);
        field->setFixedWidth(field->fontMetrics().horizontalAdvance(QString(described.maxLength + 2, '0')) +
                             scale().pixels(12));
        new KeyFilter(field, described.accepts, m_services);
        rows->addWidget(field, row, ControlColumn);
        m_fields.push_back(field);
    }
}

void SettingsPage::addInput(const OptionGroup& group, QGridLayout* rows) {
    m_options = new QButtonGroup(this);
    for (int index = 0; index < static_cast<int>(group.options.size()); ++index) {
        QLabel* label = addRowLabel(group.options[index].label, rows, index, this);
        auto* option = new QRadioButton(this);
        option->setObjectName(group.name + '_' + QString::number(index));
        option->setAccessibleName(label->text());
        setChoiceLook(option);
        joinLabel(label, option);
        m_options->addButton(option, index);
        rows->addWidget(option, index, ControlColumn);
    }
    // Option 0 is drawn chosen so that the screen agrees with the line "&Next" writes untouched.
    m_options->button(0)->setChecked(true);
    m_state.*group.variable = group.options.front().tag;
    connect(m_options, &QButtonGroup::idToggled, this, [this, group](int index, bool checked) {
        if (checked)
            m_state.*group.variable = group.options.at(index).tag;
    });
}

void SettingsPage::showEvent(QShowEvent* event) {
    Form::showEvent(event);
    if (m_checkBox)
        m_checkBox->setFocus();
    else if (!m_fields.empty())
        m_fields.front()->setFocus();
    else if (m_options)
        m_options->checkedButton()->setFocus();
}

Answer SettingsPage::answer() const {
    Answer answer;
    answer.checked = m_checkBox && m_checkBox->isChecked();
    for (const QLineEdit* field : m_fields)
        answer.texts.push_back(field->text().toStdString());
    if (const auto* group = std::get_if<OptionGroup>(&m_page.input))
        answer.option = m_state.*group->variable;
    return answer;
}

void SettingsPage::writeAndGoOn() {
    const Outcome outcome = m_page.lines(answer());
    if (!outcome.refusal.isEmpty()) {
        m_services.showMessage(outcome.refusal);
        return;
    }
    guarded(m_services, [&] {
        if (m_page.preparesWorkspace)
            workspace::PrepareWorkspace(m_state.gameFolder, outcome.lines);
        else
            workspace::AppendWorkspaceLines(m_state.gameFolder, outcome.lines);
        emit next();
    });
}

void SettingsPage::skipAndGoOn() {
    guarded(m_services, [&] {
        if (m_page.preparesWorkspace)
            workspace::PrepareWorkspace(m_state.gameFolder, {});
        emit skip();
    });
}

} // namespace wizard
