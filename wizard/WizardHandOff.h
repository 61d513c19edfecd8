#pragma once

#include <QString>

#include <functional>

class MediaPlayer;
class MediaRecording;
class QLineEdit;

// Acting on a finished record wizard's choices (the shared wizard variables)
// in the main window: the Play & Record mode, the media, the output file, an
// application's line, and the start of a recording, each through the
// window's own controls and handlers as a user would use them. Cancel
// applies nothing. It owns no control: the window lends them here.
class WizardHandOff
{
public:
    struct Window
    {
        std::function<void()> showPlayAndRecord;   // the Mode menu's "&Play && Record"
        QLineEdit *mediaName = nullptr;            // the media panel's "File Name:"
        QLineEdit *recordingName = nullptr;        // "Save as:"
        MediaPlayer *player = nullptr;
        MediaRecording *mediaRecording = nullptr;
        // Shows and records the line of that name; false when it is not playing.
        std::function<bool(const QString &line)> chooseApplication;
        // Records the device (the microphone) and the application's line (all
        // sound when empty) together: a conversation.
        std::function<bool(const QString &device, const QString &application, bool mixed)> chooseConversation;
        std::function<void()> record;              // the Record button
    };

    explicit WizardHandOff(Window window) : m_window(std::move(window)) {}

    void ProcessWizard();

private:
    Window m_window;
};
