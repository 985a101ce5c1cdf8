#pragma once

#include "WizardHarness.h"

// The wizard's windows: the chain of steps, the video pages, the number fields' key filter.
class WizardTests : public QObject {
    Q_OBJECT

private slots:
    // Chain, start pages, quitting, uninstalling (WizardTests.cpp)
    void everyStep_data();
    void everyStep();
    void keyboardAlone();
    void otherMnemonics();
    void nothingClipped_data();
    void nothingClipped();
    void missingPictureDrawsNothing();
    void quitting_data();
    void quitting();
    void uninstallWithoutBackup();
    void uninstallRestoresBackup_data();
    void uninstallRestoresBackup();
    void fileErrorEndsProgram_data();
    void fileErrorEndsProgram();

    // Video pages (VideoPageTests.cpp)
    void pageOneBuildsWorkspace_data();
    void pageOneBuildsWorkspace();
    void untouchedNextAndSkip_data();
    void untouchedNextAndSkip();
    void tickedBoxes_data();
    void tickedBoxes();
    void typedValues_data();
    void typedValues();
    void textureMode_data();
    void textureMode();

    // Number fields (KeyFilterTests.cpp)
    void typing_data();
    void typing();
    void pasteAndDrop_data();
    void pasteAndDrop();

    // The whole wizard, start to finish and back (WizardTests.cpp)
    void fullRunAndUninstall();
};
