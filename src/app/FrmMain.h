#pragma once

#include <QWidget>

#include <array>

class QAbstractButton;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QTimer;
class MusicLoop;
struct DimList;
class Services;
class WindowChain;

// The start-up window: slides the edition frame in, reveals the options one by one and routes
// "&Next" by the chosen edition. Only ever hidden, so its music plays on behind every later form.
class FrmMain : public QWidget {
    Q_OBJECT
public:
    FrmMain(WindowChain& chain, Services& services, DimList& dims, const QString& programFolder);

    // Runs before the window first shows: checks the music files (false when one is missing and
    // the program has been ended), starts the music and the slide-in, sets EditionChoice to "0".
    bool load();

    // The frame's left edge in twips.
    int frameLeft() const { return m_frameLeft; }

public slots:
    // One tick of tmrTimer.
    void slideStep();
    // One tick of Timer1.
    void revealStep();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void chooseEdition(QAbstractButton* option);
    void routeByEdition();

    WindowChain& m_chain;
    Services& m_services;
    DimList& m_dims;
    MusicLoop* m_music;
    QGroupBox* m_frmSelecter;
    std::array<QRadioButton*, 3> m_optVersion{};
    QPushButton* m_cmdNext1;
    QTimer* m_tmrTimer;
    QTimer* m_timer1;
    int m_frameLeft;
};

// Registers frmMain; creating it runs load().
void addMainForm(WindowChain& chain, Services& services, DimList& dims, const QString& programFolder);
