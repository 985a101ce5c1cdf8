#pragma once

#include "app/WindowSwap.h"
#include "wizard/PageSpec.h"

#include <QObject>
#include <QWidget>

#include <memory>
#include <vector>

class DirectoryPage;
class FolderPicker;
namespace wizard {
class GameReportWindow;
class RestoreWindow;
} // namespace wizard
struct RunState;
class Services;
class StartWindow;
enum class Edition;

// Which window opens after which, and what passes between them, in one place. The windows only say
// what happened (confirmed, back, folder picked, next, skip); the route swaps the one that spoke for the
// next (see WindowSwap). Each window
// is made the first time it is needed and from then on only hidden and shown, so its controls keep their
// state for the rest of the run. Closing any window with its close control ends the program (exit code
// 0, no file touched).
class Route : public QObject {
    Q_OBJECT
public:
    Route(Services& services, RunState& state, QString musicFolder);
    ~Route() override;

    // Loads the start window and shows it, unless loading ended the program (its music is missing).
    void start();

    StartWindow& startWindow();
    DirectoryPage& directoryPage();
    FolderPicker& folderPicker();
    wizard::GameReportWindow& gameReportWindow();
    wizard::RestoreWindow& restoreWindow();
    // The wizard's form of that name, frmTweak0 to frmFinish0; nullptr for any other name.
    QWidget* wizardForm(const QString& name);

    // True while the last window stays on screen until the next one is.
    bool flipping() const { return m_swap.swapping(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void keep(QWidget* window);
    const std::vector<wizard::Step>& steps();
    QWidget* wizardFormAt(std::size_t index);
    QWidget* makeForm(const wizard::PageSpec& page, std::size_t index);
    QWidget* makeForm(const wizard::SectionSpec& section, std::size_t index);
    void open(QWidget* from, QWidget* to);
    void leaveStartWindow(Edition edition);
    void leaveWizardForm(std::size_t index);

    Services& m_services;
    RunState& m_state;
    QString m_musicFolder;
    std::unique_ptr<StartWindow> m_startWindow;
    std::unique_ptr<DirectoryPage> m_directoryPage;
    std::unique_ptr<FolderPicker> m_folderPicker;
    std::unique_ptr<wizard::GameReportWindow> m_gameReportWindow;
    // The form the report was opened from, which its Close goes back to.
    QWidget* m_reportOpener = nullptr;
    std::unique_ptr<wizard::RestoreWindow> m_restoreWindow;
    // The form the restore points were opened from, which their Close goes back to.
    QWidget* m_restoreOpener = nullptr;
    std::vector<wizard::Step> m_steps;
    std::vector<std::unique_ptr<QWidget>> m_wizardForms;
    WindowSwap m_swap;
};
