#pragma once

#include "common/Form.h"

#include <array>

class QAbstractButton;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QTimer;
class MusicLoop;
struct RunState;
class Services;

// The editions the start window offers, in the order of its options.
enum class Edition { Retail, Steam, PickedByHand };

// The start-up window (frmMain): slides the edition frame in, reveals the options one by one and
// says which edition "&Next" confirmed. Only ever hidden, so its music plays on behind every later form.
class StartWindow : public Form {
    Q_OBJECT
public:
    StartWindow(Services& services, RunState& state, const QString& musicFolder);

    // Runs before the window first shows: checks the music files (false when one is missing and
    // the program has been ended), starts the music and the slide-in, and chooses no edition.
    bool load();

    // The frame's left edge in twips.
    int frameLeft() const { return m_frameLeft; }

public slots:
    // One tick of the slide timer (tmrTimer).
    void slideStep();
    // One tick of the reveal timer (Timer1).
    void revealStep();

signals:
    void confirmed(Edition edition);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void finishComingUp();
    // Options, frame and window as large as a translation needs; English fits as drawn.
    void makeRoomForTranslation();
    void chooseEdition(QAbstractButton* option);
    Edition chosenEdition() const;

    Services& m_services;
    RunState& m_state;
    MusicLoop* m_music;
    QGroupBox* m_editionFrame;
    std::array<QRadioButton*, 3> m_editionOptions{};
    QPushButton* m_nextButton;
    QTimer* m_slideTimer;
    QTimer* m_revealTimer;
    int m_frameLeft;
};
