#include "Route.h"

#include "CorePath.h"
#include "DirectoryPage.h"
#include "ErrorBoundary.h"
#include "FolderPicker.h"
#include "Registry.h"
#include "RunState.h"
#include "SectionStartPage.h"
#include "Services.h"
#include "SettingsPage.h"
#include "StartWindow.h"

#include <QEvent>

namespace {

// The game folder the registry holds for an installed edition; empty when it holds none.
QString registeredGameRoot(Edition edition) {
    registry::RegValue installPath;
    const char* key =
        edition == Edition::Steam ? R"(Software\valve\half-life)" : R"(Software\valve\counterstrike)";
    registry::ReadRegValue("HKCU", key, "InstallPath", "S", std::string(), installPath);
    return fromCorePath(std::get<std::string>(installPath));
}

} // namespace

Route::Route(Services& services, RunState& state, QString musicFolder)
    : m_services(services), m_state(state), m_musicFolder(std::move(musicFolder)),
      m_steps(wizard::wizardSteps()), m_wizardForms(m_steps.size()) {}

Route::~Route() = default;

void Route::start() {
    if (startWindow().load())
        show(m_startWindow.get());
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
        m_folderPicker = std::make_unique<FolderPicker>(m_services);
        keep(m_folderPicker.get());
        connect(m_folderPicker.get(), &FolderPicker::folderPicked, this, [this](const QString& folder) {
            directoryPage().setDirectory(folder);
            open(m_folderPicker.get(), m_directoryPage.get());
        });
    }
    return *m_folderPicker;
}

QWidget* Route::wizardForm(const QString& name) {
    for (std::size_t index = 0; index < m_steps.size(); ++index)
        if (std::visit([&](const auto& step) { return step.form == name; }, m_steps[index]))
            return wizardFormAt(index);
    return nullptr;
}

QWidget* Route::wizardFormAt(std::size_t index) {
    if (!m_wizardForms[index]) {
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
    return made;
}

void Route::keep(QWidget* window) {
    window->installEventFilter(this);
}

void Route::show(QWidget* window) {
    window->show();
    window->activateWindow();
}

void Route::open(QWidget* from, QWidget* to) {
    from->hide();
    to->move(from->pos());
    show(to);
}

void Route::leaveStartWindow(Edition edition) {
    if (edition == Edition::PickedByHand) {
        open(m_startWindow.get(), &folderPicker());
        return;
    }
    open(m_startWindow.get(), &directoryPage());
    m_directoryPage->setDirectory(registeredGameRoot(edition));
    if (m_directoryPage->directory().isEmpty())
        m_services.showMessage(QStringLiteral(
            "Half-life root not found, try specify another dir. Or choose another cstrike version"));
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
