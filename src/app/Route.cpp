#include "app/Route.h"

#include "app/StartWindow.h"
#include "common/ErrorBoundary.h"
#include "common/RunState.h"
#include "common/Services.h"
#include "location/DirectoryPage.h"
#include "location/FolderPicker.h"
#include "location/GamePlaces.h"
#include "wizard/GameReportWindow.h"
#include "wizard/RestoreWindow.h"
#include "wizard/SectionStartPage.h"
#include "wizard/SettingsPage.h"

#include <QEvent>

Route::Route(Services& services, RunState& state, QString musicFolder)
    : m_services(services), m_state(state), m_musicFolder(std::move(musicFolder)) {}

Route::~Route() = default;

void Route::start() {
    if (startWindow().load())
        WindowSwap::show(m_startWindow.get());
}

StartWindow& Route::startWindow() {
    if (!m_startWindow) {
        m_startWindow = std::make_unique<StartWindow>(m_services, m_state, m_musicFolder);
        keep(m_startWindow.get());
        connect(m_startWindow.get(), &StartWindow::confirmed, this,
                [this](Edition edition) { guarded(m_services, [&] { leaveStartWindow(edition); }); });
    }
    return *m_startWindow;
}

DirectoryPage& Route::directoryPage() {
    if (!m_directoryPage) {
        m_directoryPage = std::make_unique<DirectoryPage>(m_services, m_state);
        keep(m_directoryPage.get());
        connect(m_directoryPage.get(), &DirectoryPage::back, this,
                [this] { open(m_directoryPage.get(), &startWindow()); });
        connect(m_directoryPage.get(), &DirectoryPage::confirmed, this,
                [this] { open(m_directoryPage.get(), wizardFormAt(0)); });
    }
    return *m_directoryPage;
}

FolderPicker& Route::folderPicker() {
    if (!m_folderPicker) {
        m_folderPicker = std::make_unique<FolderPicker>(m_services, gamePlaces(m_state.environment));
        keep(m_folderPicker.get());
        connect(m_folderPicker.get(), &FolderPicker::folderPicked, this, [this](const QString& folder) {
            directoryPage().setDirectory(folder);
            open(m_folderPicker.get(), m_directoryPage.get());
        });
    }
    return *m_folderPicker;
}

wizard::GameReportWindow& Route::gameReportWindow() {
    if (!m_gameReportWindow) {
        m_gameReportWindow = std::make_unique<wizard::GameReportWindow>(m_state, m_services);
        keep(m_gameReportWindow.get());
        connect(m_gameReportWindow.get(), &wizard::GameReportWindow::closed, this,
                [this] { open(m_gameReportWindow.get(), m_reportOpener); });
    }
    return *m_gameReportWindow;
}

wizard::RestoreWindow& Route::restoreWindow() {
    if (!m_restoreWindow) {
        m_restoreWindow = std::make_unique<wizard::RestoreWindow>(m_state, m_services);
        keep(m_restoreWindow.get());
        connect(m_restoreWindow.get(), &wizard::RestoreWindow::closed, this,
                [this] { open(m_restoreWindow.get(), m_restoreOpener); });
    }
    return *m_restoreWindow;
}

const std::vector<wizard::Step>& Route::steps() {
    // Made when the wizard is first reached, not while the start window comes up.
    if (m_steps.empty()) {
        m_steps = wizard::wizardSteps();
        m_wizardForms.resize(m_steps.size());
    }
    return m_steps;
}

QWidget* Route::wizardForm(const QString& name) {
    for (std::size_t index = 0; index < steps().size(); ++index)
        if (std::visit([&](const auto& step) { return step.form == name; }, m_steps[index]))
            return wizardFormAt(index);
    return nullptr;
}

QWidget* Route::wizardFormAt(std::size_t index) {
    steps();
    if (!m_wizardForms.at(index)) {
        m_wizardForms[index].reset(
            std::visit([&](const auto& step) { return makeForm(step, index); }, m_steps[index]));
        keep(m_wizardForms[index].get());
    }
    return m_wizardForms[index].get();
}

QWidget* Route::makeForm(const wizard::PageSpec& page, std::size_t index) {
    auto* made = new wizard::SettingsPage(page, m_services, m_state);
    connect(made, &wizard::SettingsPage::next, this, [this, index] { leaveWizardForm(index); });
    connect(made, &wizard::SettingsPage::skip, this, [this, index] { leaveWizardForm(index); });
    return made;
}

QWidget* Route::makeForm(const wizard::SectionSpec& section, std::size_t index) {
    auto* made = new wizard::SectionStartPage(section, m_services, m_state);
    connect(made, &wizard::SectionStartPage::next, this, [this, index] { leaveWizardForm(index); });
    connect(made, &wizard::SectionStartPage::checkGame, this, [this, made] {
        m_reportOpener = made;
        open(made, &gameReportWindow());
    });
    connect(made, &wizard::SectionStartPage::restorePoints, this, [this, made] {
        m_restoreOpener = made;
        open(made, &restoreWindow());
    });
    return made;
}

void Route::keep(QWidget* window) {
    window->installEventFilter(this);
}

void Route::open(QWidget* from, QWidget* to) {
    m_swap.swap(from, to);
}

void Route::leaveStartWindow(Edition edition) {
    if (edition == Edition::PickedByHand) {
        open(m_startWindow.get(), &folderPicker());
        return;
    }
    open(m_startWindow.get(), &directoryPage());
    m_directoryPage->proposeFolderOf(edition == Edition::Steam ? search::GameEdition::Steam
                                                               : search::GameEdition::Retail);
}

void Route::leaveWizardForm(std::size_t index) {
    open(m_wizardForms[index].get(), wizardFormAt(index + 1));
}

bool Route::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close) {
        // Only the player closes windows; the program itself hides them.
        event->ignore();
        m_services.endProgram(0);
        return true;
    }
    return QObject::eventFilter(watched, event);
}
