#pragma once

#include "wizard/WizardHost.h"

#include <QString>

#include <functional>

class MediaPlayer;
class MediaRecording;
class QLineEdit;

// The record wizard's host in the main window: what the wizard asks of it,
// and acting on a finished wizard's choices (the shared wizard variables):
// the Play & Record mode, the media, the output file, an application's line,
// and the start of a recording, each through the window's own controls and
// handlers as a user would use them. Cancel applies nothing. It owns no
// control: the window lends them here.
class WizardHandOff : public WizardHost
{
public:
    struct Window
    {
        QWidget *window = nullptr;                 // the main window itself
        std::function<AudioFile *()> audioFile;    // its file writer, once there is one
        std::function<void()> showFormat;          // its DisplayFormatStr
        std::function<QStringList()> applications; // the applications playing now
        std::function<QStringList()> inputs;       // the capture devices, the default first
        std::function<void()> showPlayAndRecord;   // the Mode menu's "&Play && Record"
        QLineEdit *mediaName = nullptr;            // the media panel's "File Name:"
        QLineEdit *recordingName = nullptr;        // "Save as:"
        MediaPlayer *player = nullptr;
        MediaRecording *mediaRecording = nullptr;
        // Shows and records the line of that name; false when it is not playing.
        std::function<bool(const QString &line)> chooseApplication;
        // Records the device (the microphone) and the application's line (all
        // sound when empty) together: a conversation.
        std::function<bool(const QString &device, const QString &application, bool mixed)> pickConversation;
        std::function<void()> record;              // the Record button
    };

    explicit WizardHandOff(Window window) : m_window(std::move(window)) {}

    QWidget *wizardHostWindow() override { return m_window.window; }
    AudioFile *wizardAudioFile() override { return m_window.audioFile(); }
    void DisplayFormatStr() override { m_window.showFormat(); }
    QStringList wizardApplications() override { return m_window.applications(); }
    QStringList wizardInputs() override { return m_window.inputs(); }
    void ProcessWizard() override;

private:
    Window m_window;
};
