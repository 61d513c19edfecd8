#pragma once

#include "engine/Take.h"
#include "engine/WaveFormat.h"

#include <QByteArray>
#include <QObject>

#include <functional>

// What of a recording's captured sound goes into its file when the recording
// follows the embedded media player (the Options menu's "Start recording when
// media file starts" and "Stop recording when media file stops"). The window
// hands everything it captures through pass() on its way to the file; outside
// such a recording pass() hands it back unchanged.
//
// Finding the media in the capture
// --------------------------------
// The player tells the window before it makes a sound (PlaybackNews::
// Starting) and the window starts the recording right then, on the Record
// button's own path. The new capture runs within some 40 ms; the player's
// first sample reaches the sound server some 200 ms after that (GStreamer's
// start-up). On the monitor of the output the player plays to, that stretch
// is digital silence: exact zeros (0x80 for 8-bit), and PipeWire starts a new
// monitor capture with ~40 ms of them of its own.
//
// First sample. The first captured frame that is not digital silence (F) is
// where the player's sound arrived, unless the media itself begins with
// silence. How long it does (L) is found by decoding the start of the file
// (MediaLead: the GStreamer decoders the player plays it with, up to the
// first sample loud enough to leave a non-zero sample at the player's
// volume). The media starts at F - L: of the silence before F the last L
// frames are kept, what came before them is dropped. So a file that opens
// with seconds of silence is recorded with them.
//  - L unknown (an address, a file the decoder cannot read, nothing audible
//    in it): L = 0, the recording begins with the first sound; a media's own
//    opening silence is lost then, as nothing tells it from the wait.
//  - F before L is known: the sound from F on is held back until it is, at
//    most two seconds' worth, then L = 0.
//  - A capture that is not silent before the player's sound (another program
//    playing on that output, a microphone): F is the first frame captured and
//    nothing is dropped.
//  - More silence in the media than was captured before F (a start the
//    capture missed): what was captured is kept.
//
// Last sample. Played straight through from where it started to its end (no
// pause, no jump) with its length D known, the media ends at F - L + D, in
// frames of the recording's rate: its own closing silence is kept, nothing
// after it. The player reports the end some 200 ms after its last sample was
// heard (it waits that out, see AudioSinkFixes.h), so that sample has usually
// been captured by then; otherwise the recording goes on until it has.
// Any other end (the player's Stop, a pause, a jump, a stream of unknown
// length, a recording started by hand): the recording goes on for the tail
// still in flight (TailMs: the capture's 50 ms fragment and the server's
// latency, with room to spare) and ends after the last frame that is not
// digital silence. A stopped player falls silent at once, so what follows is
// not the media; a media stopped in a silence of its own loses that silence
// (nothing tells the two apart).
//
// Holding back instead of taking back
// -----------------------------------
// The writer keeps the file's header current after every block, so the file
// is a valid WAV at all times and nothing written is ever taken back. What
// may turn out not to be the media is not written yet instead: the silence
// before the first sound, and, while the recording may end with the media,
// any run of digital silence at the end of what was captured; such a run is
// written as soon as sound follows it. Digital silence is only counted, never
// stored: the frames are made again when they are kept. A crash loses at most
// that silence; a Stop by hand writes it.
class MediaTake : public QObject, public TakeFilter
{
    Q_OBJECT
public:
    enum class End { Stop, Pause };
    static constexpr qint32 TailMs = 300;
    static constexpr qint32 LeadWaitMs = 2000;

    // Where the recording's format is read from, at the start of each take.
    explicit MediaTake(std::function<WaveFormat()> format, QObject *parent = nullptr);

    // What a recording's captured sound becomes on its way to the file. Once
    // a take is complete, nothing.
    QByteArray pass(const QByteArray &captured) override;
    // The recording stops: what is still held that belongs in the file (the
    // end rule applied when the take was ending, all of it after a Stop by
    // hand). Then back to passing everything, for the next recording.
    QByteArray close() override;

    // Keeps trailing silence back (the Stop option is on): the recording may
    // end with the media.
    void setHoldSilence(bool on);

    // This recording begins with the media, which starts fromMs into itself.
    void beginWithMedia(qint64 fromMs);
    // How many frames of silence the media has before its first sound; 0
    // when that cannot be found.
    void setMediaLead(qint64 frames);
    // Back from a pause of the media: on from the first sound.
    void resumeAtSound();
    // Paused or moved: the media's length no longer tells where it ends.
    void setInexact() { m_exact = false; }

    // The media finished (played to its end, durationMs long; 0 unknown) or
    // stopped: the recording ends with its last sample.
    void endWithMedia(bool finished, qint64 durationMs);
    // The media paused: the recording pauses after its last sample.
    void pauseWithMedia();
    // The media went on before the pause was complete.
    void cancelPause();
    // No more waiting for the tail: what is held is dropped.
    void endNow();
    // The recording was paused with the media: pass on unchanged until it
    // resumes with it.
    void pausedWithMedia();

    bool byMedia() const { return m_byMedia; }
    bool isPausedWithMedia() const { return m_pausedWithMedia; }
    bool ending() const { return m_ending && m_phase != Phase::Done; }
    bool isComplete() const { return m_phase == Phase::Done; }
    End endKind() const { return m_endKind; }

signals:
    // The end (or pause) of the take has been reached: nothing more is
    // written until close() or pausedWithMedia().
    void completed();

private:
    enum class Phase { Passing, Leading, Done };

    void refreshFormat();
    qint64 frames(const QByteArray &pcm) const { return m_frameBytes ? pcm.size() / m_frameBytes : 0; }
    qint64 msToFrames(qint64 ms) const;
    QByteArray silence(qint64 frames) const;
    bool silentFrame(const char *frame) const;
    // Before the media's first sound: returns what of data is the media's,
    // once its start is known.
    QByteArray lead(QByteArray data, QByteArray &out);
    QByteArray anchor();
    // After it: writes what belongs, holds trailing silence, ends the take.
    void follow(QByteArray data, QByteArray &out);
    void complete(QByteArray &out);
    void startEnd(End kind, bool atLength, qint64 target);

    std::function<WaveFormat()> m_formatSource;
    bool m_formatKnown = false;
    qint32 m_frameBytes = 0;
    qint32 m_rate = 0;
    char m_silenceByte = 0;
    QByteArray m_carry;              // a part frame, completed by the next piece

    Phase m_phase = Phase::Passing;
    bool m_holdSilence = false;
    qint64 m_heldSilence = 0;        // frames of silence at the end, not yet written

    bool m_byMedia = false;          // begun with the media
    bool m_exact = false;            // played straight through since
    bool m_pausedWithMedia = false;
    qint64 m_fromMs = 0;
    bool m_soundFound = false;
    qint64 m_silentBefore = 0;       // frames of silence before the first sound
    qint64 m_lead = -1;              // the media's own; -1 unknown yet
    QByteArray m_heldSound;          // from the first sound on, while m_lead is unknown
    qint64 m_mediaFrames = 0;        // frames since the media's first sample, held ones included

    bool m_ending = false;
    End m_endKind = End::Stop;
    bool m_endAtLength = false;
    qint64 m_target = 0;             // at length: frames of the media
    qint64 m_tailLeft = 0;           // after the tail: frames still to wait for
};
