// The main window's side of the record wizard: opening it from the File menu;
// acting on its choices is the hand-off's (wizard/WizardHandOff).

#include "base/PublicDim.h"
#include "base/SkipOnError.h"
#include "shell/frmCapture.h"
#include "wizard/WizardHandOff.h"
#include "wizard/frmWizard.h"

#include <QPushButton>

void frmCapture::Menu_Wizard_Click()
{
    // A recording under way ends first: the wizard may start another one.
    if (valueOrSkip<bool>([&] { return CmdStop->isEnabled(); }, true))
        skipOnError([&] { CmdStop_Click(); });
    skipOnError([&] { hide(); });
    // Modeless: this returns at once, and the wizard shows this window again
    // when it unloads.
    skipOnError([&] {
        if (!wizardWindow())
            m_wizard = new frmWizard(m_handOff.get());
        m_wizard->show();
    });
}

frmWizard *frmCapture::wizardWindow() const
{
    return m_wizard && !m_wizard->isUnloaded() ? m_wizard.data() : nullptr;
}

void frmCapture::ProcessWizard()
{
    m_handOff->ProcessWizard();
}
