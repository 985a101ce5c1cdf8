#pragma once

#include "common/Form.h"
#include "search/GameSearch.h"

class QLineEdit;
struct RunState;
class Services;

// The game folder's confirmation (frmDir): shows the proposed folder in its box; "&Next" takes the
// box as the run's game root and says it is confirmed once the game's config file is there.
class DirectoryPage : public Form {
    Q_OBJECT
public:
    DirectoryPage(Services& services, RunState& state);

    QString directory() const;
    // Shows the folder in the box, scrolled to its end.
    void setDirectory(const QString& directory);
    // Shows the folder the edition is installed in, or says that none was found and why.
    void proposeFolderOf(search::GameEdition edition);

signals:
    void back();
    void confirmed();

private:
    void confirm();

    Services& m_services;
    RunState& m_state;
    QLineEdit* m_directoryBox;
};
