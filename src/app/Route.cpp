#include "app/Route.h"

#include "app/StartWindow.h"
#include "common/ErrorBoundary.h"
#include "common/PlayerPath.h"
#include "common/RunState.h"
#include "common/Services.h"
#include "location/DirectoryPage.h"
#include "location/FolderPicker.h"
#include "registry/Registry.h"
#include "registry/SteamLibrary.h"
#include "wizard/SectionStartPage.h"
#include "wizard/SettingsPage.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QScreen>

#include <algorithm>
#include <filesystem>
#include <optional>

namespace {

// A window that never paints (minimised by the desktop, say) still lets the last one go.
constexpr int LongestFlip = 500;

// The game folder the registry holds for an installed edition, as the player knows it; empty when it
// holds none.
QString registeredGameRoot(Edition edition) {
    registry::RegValue installPath;
    const char* key =
        edition == Edition::Steam ? R"(Software\valve\half-life)" : R"(Software\valve\counterstrike)";
    registry::ReadRegValue("HKCU", key, "InstallPath", "S", std::string(), installPath);
    return playerFolder(QString::fromStdString(std::get<std::string>(installPath)));
}

// Where the game may lie besides the drives: each Steam library and each Wine drive.
QList<Drive> gamePlaces() {
    QList<Drive> places;
    registry::steam::HalfLifeSearch steam;
    const auto steamDir = qEnvironmentVariable("STEAM_DIR");
    for (const auto& root : registry::steam::nativeRoots(
             QDir::homePath().toStdU16String(),
             steamDir.isEmpty() ? std::nullopt
                                : std::optional(std::filesystem::path(steamDir.toStdU16String()))))
        steam.search(root);
    for (const auto& library : steam.libraries()) {
        const QString folder = QString::fromStdString(library.string());
        places.append({QStringLiteral("Steam library (%1)").arg(folder), folder});
    }
    for (const auto& [letter, folder] : wineDrives())
        places.append({QStringLiteral("Wine %1 (%2)").arg(letter, folder), folder});
    return places;
}

bool isInput(const QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}

} // namespace

// Swallows every click and key meant for one window while it is installed on the application.
class InputBlock : public QObject {
public:
    explicit InputBlock(QWidget* window) : m_window(window) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        return isInput(event) && watched->isWidgetType() &&
               static_cast<QWidget*>(watched)->window() == m_window;
    }

private:
    QPointer<QWidget> m_window;
};

namespace {

// The frame position that puts `to` centred on `from`, kept on from's screen.
QPoint centredOver(const QWidget* from, const QWidget* to) {
    const QRect last = from->frameGeometry();
    // A window not yet shown has no frame: it will get the same as the last one.
    const QSize frame = to->size() + (last.size() - from->size());
    QRect next(QPoint(), frame);
    next.moveCenter(last.center());
    if (const QScreen* screen = from->screen()) {
        const QRect free = screen->availableGeometry();
        next.moveLeft(std::max(free.left(), std::min(next.left(), free.right() + 1 - next.width())));
        next.moveTop(std::max(free.top(), std::min(next.top(), free.bottom() + 1 - next.height())));
    }
    return next.topLeft();
}

} // namespace

Route::Route(Services& services, RunState& state, QString musicFolder)
    : m_services(services), m_state(state), m_musicFolder(std::move(musicFolder)) {
    m_flipTimeout.setSingleShot(true);
    m_flipTimeout.setInterval(LongestFlip);
    connect(&m_flipTimeout, &QTimer::timeout, this, &Route::finishFlip);
}

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
        m_folderPicker = std::make_unique<FolderPicker>(m_services, gamePlaces());
        keep(m_folderPicker.get());
        connect(m_folderPicker.get(), &FolderPicker::folderPicked, this, [this](const QString& folder) {
            directoryPage().setDirectory(folder);
            open(m_folderPicker.get(), m_directoryPage.get());
        });
    }
    return *m_folderPicker;
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
    finishFlip();
    to->move(centredOver(from, to));
    show(to);
    // The last window goes once the next one has been painted, so that the desktop never shows
    // through between them; until then it takes no clicks or keys, which would act twice.
    m_leaving = from;
    m_arriving = to;
    m_leavingInput = std::make_unique<InputBlock>(from);
    m_flipTimeout.start();
}

void Route::finishFlip() {
    m_flipTimeout.stop();
    m_leavingInput.reset();
    if (m_leaving)
        m_leaving->hide();
    m_leaving = nullptr;
    m_arriving = nullptr;
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
    // Queued: the painted window reaches the screen first.
    if (watched == m_arriving && event->type() == QEvent::Paint)
        QMetaObject::invokeMethod(this, &Route::finishFlip, Qt::QueuedConnection);
    if (event->type() == QEvent::Close) {
        // Only the player closes windows; the program itself hides them.
        event->ignore();
        m_services.endProgram(0);
        return true;
    }
    return QObject::eventFilter(watched, event);
}
