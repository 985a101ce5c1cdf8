#pragma once

#include "Harness.h"

#include <QTest>

// The wizard's windows: start pages, quitting, uninstalling, file errors, the pages' inputs, the number
// fields' key filter.
class WizardTests : public QObject {
    Q_OBJECT

private slots:
    // Start pages, layout, quitting, uninstalling (WizardTests.cpp)
    void otherMnemonics();
    void missingPictureDrawsNothing();
    void quitting_data();
    void quitting();
    void unreadableRunStillAsks();
    void quitLeavingLinesOut();
    void reviewBoxLeavesOutTheLinesThatDoNothing();
    void uninstallWithoutBackup();
    void uninstallWaitsWhileTheGameRuns();
    void uninstallRestoresBackup_data();
    void uninstallRestoresBackup();
    void fileErrorEndsProgram_data();
    void fileErrorEndsProgram();

    // Labels, Enter (PageTests.cpp)
    void clickingALabelChooses_data();
    void clickingALabelChooses();
    void enterOnAFocusedButtonPressesThatButton();

    // What the pages' inputs write (PageTests.cpp)
    void typedValues_data();
    void typedValues();
    void lastOptionChosenWins_data();
    void lastOptionChosenWins();
    void soundQualityTagIsComparedWholeAndExact_data();
    void soundQualityTagIsComparedWholeAndExact();
    void todayNoteFollowsTheChoice_data();
    void todayNoteFollowsTheChoice();

    // Number fields (KeyFilterTests.cpp)
    void typing_data();
    void typing();
    void pasteAndDrop_data();
    void pasteAndDrop();
};
