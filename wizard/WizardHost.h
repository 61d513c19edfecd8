#pragma once

#include <QStringList>

class AudioFile;
class QWidget;

// What the record wizard needs of the window that opens it. The main
// window's hand-off (WizardHandOff) implements it; the wizard knows nothing
// else of that window.
class WizardHost
{
public:
    virtual ~WizardHost() = default;

    // The window the wizard stands in for: it lends the wizard its icon, is
    // the wizard's parent, and is shown again when the wizard unloads.
    virtual QWidget *wizardHostWindow() = 0;
    // The file writer that the format dialog hands a new format to.
    virtual AudioFile *wizardAudioFile() = 0;
    // Shows the recording format beside the host's own "Se&t" button.
    virtual void DisplayFormatStr() = 0;
    // The applications playing now, by the names of their lines.
    virtual QStringList wizardApplications() = 0;
    // The devices a conversation's microphone may be, the default first.
    virtual QStringList wizardInputs() = 0;
    // Acts on the choices stored in the shared wizard variables, once the
    // wizard has been finished and has unloaded.
    virtual void ProcessWizard() = 0;
};
