#pragma once

#include "engine/Take.h"

#include <QList>
#include <QObject>
#include <QString>

class AudioFile;
class AudioRecord;
class Conversation;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Where the recording console stands, as the window's callers ask for it.
enum class RecordingState { NotRecording, Recording, Paused };

// The main window's face on a take: Record, Pause and Stop, the output name
// they record into, the questions and reports around a take, and the status
// bar's three panels (the state and the take's warnings, the time recorded,
// the file's size). What a take is lives in the Take; this part only shows
// it. It owns no control: the window builds them from its stored layout and
// lends them here.
class RecordingControl : public QObject
{
    Q_OBJECT
public:
    struct Controls
    {
        QPushButton *record = nullptr;
        QPushButton *pause = nullptr;
        QPushButton *stop = nullptr;
        QLineEdit *fileName = nullptr;
        QLabel *panels[3] = {};                  // status bar panels 1, 2, 3
        QList<QWidget *> lockedWhileRecording;   // Play, the lists, sliders, menus...
    };

    // owner: the window the questions and reports stand over.
    RecordingControl(const Controls &controls, QWidget *owner);

    // The recorder, the take and the take's file writer, once the window has
    // made them.
    void attach(AudioRecord &recorder, Take &take, AudioFile &file);

    RecordingState state() const;
    bool isRecording() const { return m_take && m_take->isOpen(); }
    bool isPaused() const { return m_take && m_take->isPaused(); }

    // The buttons: Record (also resumes), Pause, Stop.
    void record();
    void pause();
    void stop();
    // Ends the open take, or stops the monitoring capture.
    void finish();

    // Status panel 1 outside a take: "Ready to record", or why not, and what
    // the last take had.
    void showIdleState();
    QString panelText(int panel) const;   // 1-based, as the window numbers them
    // What is recorded, when panel 1 should name it ("Fake_Mic and Chat");
    // empty: the line the lists show, not named.
    void setRecordingWhat(const QString &what);
    // A take of two sources: its warnings say which source they are about.
    // nullptr: one source. Not owned; the caller unsets it before it goes.
    void setConversation(const Conversation *conversation) { m_conversation = conversation; }
    void setPanelText(int panel, const QString &text);

signals:
    // Monitoring should run again (after a take, or a start that did not happen).
    void monitoringWanted();
    // Capture started or stopped: the level display follows.
    void captureChanged();
    // A take is about to start (in the writer's format): the level display
    // takes that format.
    void takeStarting();

private:
    void startTake();
    void abandonStart();
    bool chooseTypeOfName();
    void lockForRecording(bool recording);
    void unlockAfterStop();
    void onProgress();
    void onEnded(Take::End end, const QString &reason);
    void reportEnd();
    // While a take runs, panel 1 shows its most pressing warning and its
    // tooltip all of them; after it, a summary until the next one starts.
    void showWarnings(qint64 recordedMs);
    void showLastTakeWarnings();
    QString lossSummary() const;
    // Panel 1 widens for a text longer than it was made for (a warning).
    void fitPanels();
    void pinPanels();
    QString recordingText() const;

    Controls m_controls;
    QWidget *m_owner;
    AudioRecord *m_rec = nullptr;
    Take *m_take = nullptr;
    AudioFile *m_file = nullptr;
    const Conversation *m_conversation = nullptr;
    QString m_failure;          // why the open take ended early, reported once it has
    QString m_what;             // what panel 1 names
    int m_panelWidth = 0;       // what panels 1 and 2 were made for
    bool m_panelWide = false;   // panel 1 holds a longer text (a warning)
    bool m_panelsPinned = false;   // the panels' sizes are fixed (see pinPanels)
};
