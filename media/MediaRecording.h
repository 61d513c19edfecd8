#pragma once

#include "engine/Take.h"
#include "engine/WaveFormat.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class MediaLead;
class MediaPlayer;
class MediaTake;
class QTimer;
struct PlaybackNews;

// Recording with the embedded media player: the Options menu's "Start
// recording when media file starts" and "Stop recording when media file
// stops". It listens to the player and starts, pauses, resumes and stops the
// recording through the recording console's own buttons, and decides, as the
// take's filter (MediaTake), what of the capture is the media's. It reads the
// take's state but never drives the take itself beyond writing what has been
// captured a little early.
class MediaRecording : public QObject
{
    Q_OBJECT
public:
    // The recording console's buttons, pressed as a click would press them:
    // every start, pause and stop goes through the console's own checks and
    // questions. record also goes on from a pause.
    struct Console
    {
        std::function<void()> record;
        std::function<void()> pause;
        std::function<void()> stop;
    };

    // While it lives, a playing the player starts is not the user's word to
    // record (the wizard plays or opens the media for later). Nests: the
    // previous word comes back when it ends.
    class NotForRecording
    {
    public:
        NotForRecording(const NotForRecording &) = delete;
        NotForRecording &operator=(const NotForRecording &) = delete;
        ~NotForRecording();

    private:
        friend class MediaRecording;
        NotForRecording(MediaRecording &owner, bool notForRecording);
        QPointer<MediaRecording> m_owner;
        bool m_before = false;
    };

    // Becomes player's playback listener (until it is destroyed; the player
    // must outlive it). format: the recording's format, read as a take starts.
    MediaRecording(MediaPlayer &player, std::function<WaveFormat()> format, Console console,
                   QObject *parent = nullptr);
    ~MediaRecording() override;

    // What the take's captured sound passes through on its way to the file.
    TakeFilter *filter() const;
    // The take the console records with (not owned); nullptr: none yet.
    void setTake(Take *take);

    // The Options menu's two items; both off to begin with.
    void setAutoStart(bool on);
    void setAutoStop(bool on);
    bool autoStart() const { return m_autoStart; }
    bool autoStop() const { return m_autoStop; }

    [[nodiscard]] NotForRecording playingNotForRecording(bool notForRecording = true);

private:
    void onPlayback(const PlaybackNews &news);
    void findMediaLead(const PlaybackNews &news);
    void passCapturedNow();
    void mediaTakeComplete();
    void endMediaTakeNow();
    WaveFormat recordingFormat() const;
    bool isRecording() const { return m_take && m_take->isOpen(); }
    bool isPaused() const { return m_take && m_take->isPaused(); }

    MediaPlayer &m_player;
    std::function<WaveFormat()> m_format;
    Console m_console;
    QPointer<Take> m_take;
    std::unique_ptr<MediaTake> m_mediaTake;   // what of a recording is the media's
    QPointer<MediaLead> m_mediaLead;          // finding the media's own opening silence
    QTimer *m_takeDeadline = nullptr;         // for the media's last sample
    bool m_autoStart = false;
    bool m_autoStop = false;
    bool m_playingNotForRecording = false;    // the wizard plays or opens the media for later
};
