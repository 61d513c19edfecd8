#pragma once

#include "media/MediaPlayer.h"

#include <QMediaPlayer>
#include <QPointer>
#include <QUrl>
#include <QWidget>

class AddressProbe;
class QAudioOutput;
class QSlider;
class QToolButton;
class QVideoWidget;
class MediaDisplayArea;
class MediaStatusPanel;

// The media player on Qt Multimedia: a compact control in the manner of the
// old system player. From top to bottom:
//
//   display  - the video (when the media has any) beside or above a dark
//              status panel: the media's name, elapsed / total time and the
//              state ("Playing", "Opening...", or why the media cannot play)
//   controls - play, pause and stop, then the position slider
//
// At the main window's size (about 416 x 71) the video sits left of the
// status panel; given more height it goes above it.
//
// Nothing here waits for the media: loading, failing and playing are all
// reported by the backend through signals, and a failure only ever shows up
// as text in the status panel. Every Play from a standstill opens the media
// afresh and starts it at once (see Play for why).
class MediaPlayerWidget : public QWidget, public MediaPlayer
{
    Q_OBJECT
public:
    explicit MediaPlayerWidget(QWidget *parent = nullptr);
    ~MediaPlayerWidget() override;

    void setOutputVolume(qint32 hundredthsOfDb) override;
    qint32 outputVolume() const override { return m_volume; }
    void setAutoPlay(bool on) override { m_autoPlay = on; }
    bool autoPlay() const override { return m_autoPlay; }
    void setMediaFileName(const QString &pathOrUrl) override;
    QString mediaFileName() const override { return m_name; }
    void Play() override;
    void OpenMedia(const QString &url) override;
    void HaltPlayback() override;
    QWidget *widget() override { return this; }

    // What the status panel says, e.g. "Playing" or "Cannot play this file: ...".
    QString statusText() const;
    // True while the status panel shows a failure.
    bool hasError() const { return !m_error.isEmpty(); }
    // The Qt player behind it. A new one replaces it when one that failed,
    // or is still opening, has to be let go.
    QMediaPlayer *player() const { return m_player; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    // "m:ss", or "h:mm:ss" from an hour on.
    static QString formatTime(qint64 milliseconds);
    // The URL the backend gets for a path or an address typed by the user.
    static QUrl toUrl(const QString &pathOrUrl);

    void createPlayer();
    void releaseBackend();
    void load(const QString &pathOrUrl, bool play);
    void startBackend(bool play);
    bool pipelineSettled() const;
    void pause();
    void seek(qint64 position);
    void applyMute();
    void cancelResume();
    void resumeWhenSeekable();
    void fail(const QString &reason);
    // Tells the listener that playback ended (Finished or Stopped), once per start.
    void tellEnd(PlaybackNews::Kind kind);
    void onMediaStatus(QMediaPlayer::MediaStatus status);
    void onError(QMediaPlayer::Error error, const QString &text);
    void onPosition(qint64 position);
    void onDuration(qint64 duration);
    void onSliderAction(int action);
    void onOutputsChanged();
    void refresh();
    void updateStatus();
    void updateButtons();
    void updateTime();

    QMediaPlayer *m_player = nullptr;
    QAudioOutput *m_audio = nullptr;
    QVideoWidget *m_video = nullptr;
    MediaDisplayArea *m_display = nullptr;
    MediaStatusPanel *m_panel = nullptr;
    QToolButton *m_playButton = nullptr;
    QToolButton *m_pauseButton = nullptr;
    QToolButton *m_stopButton = nullptr;
    QSlider *m_slider = nullptr;

    qint32 m_volume = kFullVolume;
    bool m_autoPlay = false;
    QString m_name;                  // as the program gave it
    QUrl m_url;                      // what the backend gets; empty: nothing loaded
    QString m_error;                 // shown instead of the state until new media comes
    bool m_loadFailed = false;       // Play opens the media again
    QPointer<AddressProbe> m_probe;  // asking a failed address why, until it answers
    bool m_backendHasSource = false; // false after a stop or a failure
    bool m_backendHasPlayed = false; // the backend's pipeline has played since it opened
    qint64 m_startAt = 0;            // position chosen before the media first plays
    qint64 m_resumeAt = -1;          // position to go to once a reopened pipeline runs
    qint64 m_duration = 0;           // kept while the backend lets go of the source
    bool m_seekable = false;         // likewise
    bool m_toldStart = false;        // Starting told, and no end since
};
