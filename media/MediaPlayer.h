#pragma once

#include <QString>
#include <QtGlobal>

#include <cmath>
#include <functional>
#include <utility>

class QWidget;

// What a player tells whoever listens (MediaPlayer::setPlaybackListener)
// about its playback, as it happens.
struct PlaybackNews
{
    enum class Kind {
        Starting,   // playback from a standstill, told before any sound is made
        Paused,
        Resumed,    // on from a pause
        Jumped,     // moved to another position while playing or paused
        Finished,   // played to the end of the media
        Stopped,    // stopped before the end: Stop, other media, a failure
    };
    Kind kind = Kind::Starting;
    QString media;          // the path or URL being played
    qint64 fromMs = 0;      // Starting: where in the media it starts
    qint64 durationMs = 0;  // the media's length, 0 while unknown (live streams)
};

// The media player embedded in the main window and in the Wav Player window.
// The program only drives it through the six operations below; the getters
// are there for whoever needs to look at what was set (tests, settings).
class MediaPlayer
{
public:
    // Output levels are in hundredths of a decibel: 0 is full level, -600 is
    // -6 dB (a linear gain of 10^(-600/2000) = 0.501), and kSilentVolume or
    // anything below it is silence. Levels above 0 play at full level.
    static constexpr qint32 kFullVolume = 0;
    static constexpr qint32 kSilentVolume = -10000;

    virtual ~MediaPlayer() = default;

    virtual void setOutputVolume(qint32 hundredthsOfDb) = 0;
    virtual qint32 outputVolume() const = 0;

    // When on, a source starts playing the moment it is assigned with
    // setMediaFileName. OpenMedia plays in either case.
    virtual void setAutoPlay(bool on) = 0;
    virtual bool autoPlay() const = 0;

    // A full path or a URL. Drops whatever was loaded before and loads this
    // one; plays it at once when AutoPlay is on. An empty name unloads.
    virtual void setMediaFileName(const QString &pathOrUrl) = 0;
    virtual QString mediaFileName() const = 0;

    // Plays the loaded media from where it stands; after the end, or after
    // HaltPlayback, from the start. Retries loading media that failed to load.
    virtual void Play() = 0;

    // Loads the URL (or path) and plays it, whatever AutoPlay says.
    virtual void OpenMedia(const QString &url) = 0;

    // Stops playback; the media stays loaded.
    virtual void HaltPlayback() = 0;

    // The widget to put into a layout.
    virtual QWidget *widget() = 0;

    // Who is told about playback; one listener, empty for none. Starting is
    // told synchronously, before the player makes a sound, so a listener can
    // get ready (even ask the user something) without missing the start.
    void setPlaybackListener(std::function<void(const PlaybackNews &)> listener)
    {
        m_listener = std::move(listener);
    }

    // The linear gain of an output level given in hundredths of a decibel.
    static double linearGain(qint32 hundredthsOfDb);

protected:
    void tell(const PlaybackNews &news) const
    {
        if (m_listener)
            m_listener(news);
    }

private:
    std::function<void(const PlaybackNews &)> m_listener;
};

inline double MediaPlayer::linearGain(qint32 hundredthsOfDb)
{
    if (hundredthsOfDb <= kSilentVolume)
        return 0.0;
    if (hundredthsOfDb >= kFullVolume)
        return 1.0;
    return std::pow(10.0, hundredthsOfDb / 2000.0);
}
