#pragma once

#include "engine/WaveFormat.h"

#include <QByteArray>
#include <QtGlobal>

#include <array>
#include <limits>

// Watches the sound of a recording for what deserves a warning while it runs:
// no sound at all for a while, and clipping. The window and tarvell-rec use
// the same watch, so they warn alike.
//
// It is fed the PCM exactly as it goes into the file (AudioFile::WriteBlock:
// unsigned 8-bit, signed 16 or 24-bit or 32-bit float, little-endian,
// interleaved, any rate), in
// pieces of any size. Its clock is the sound it was fed, not the wall clock:
// a paused stretch is never written, so it never counts.
class SignalWatch
{
public:
    // --- what counts; these rules live here and nowhere else ---

    // No sound: every sample of every channel below this level ...
    static constexpr double NoSoundBelowDbfs = -60.0;
    // ... for this long. Digital silence (0, or 0x80 in 8-bit) is below any level.
    static constexpr qint64 NoSoundAfterMs = 10000;
    // A sample at full scale is one at most this many steps from the largest
    // magnitude its format holds: in 16 bits 32767, -32767 and -32768, in
    // 8 bits 255, 1 and 0, in 24 bits and floats the same share of full scale
    // (a float past full scale counts as at it). (The level display's CLIP
    // light uses the same rule.)
    static constexpr int FullScaleSteps = 1;
    // One clip is a run of consecutive frames with a sample at full scale;
    // they are counted over this much of the latest sound.
    static constexpr qint64 ClipWindowMs = 10000;

    SignalWatch() = default;
    explicit SignalWatch(const WaveFormat &format) { restart(format); }

    // Forgets everything: a new recording in this format starts.
    void restart(const WaveFormat &format);
    // The next piece of sound. A frame split between pieces is taken whole
    // once its last byte comes.
    void feed(const QByteArray &pcm) { feed(pcm.constData(), pcm.size()); }
    void feed(const char *pcm, qsizetype bytes);

    // --- now ---
    // Sound watched so far.
    qint64 watchedMs() const { return toMs(m_frames); }
    // The quiet (everything below NoSoundBelowDbfs) that lasts up to now.
    qint64 quietMs() const { return toMs(m_quietFrames); }
    // Whether that quiet has lasted NoSoundAfterMs: the "no sound" warning.
    bool noSound() const { return m_quietFrames >= m_noSoundFrames; }
    // Clips in the last ClipWindowMs of sound (to a tenth of a second).
    int recentClips() const;

    // --- where the warnings' edges fell: frames fed before each, -1 before
    // the first; exact wherever the pieces fed began and ended ---
    // The latest quiet stretch had lasted NoSoundAfterMs,
    qint64 noSoundReachedAt() const { return m_noSoundReachedAt; }
    // sound came back after it,
    qint64 soundReturnedAt() const { return m_soundReturnedAt; }
    // the latest clip with none in the ClipWindowMs before it began.
    qint64 clippingBeganAt() const { return m_clippingBeganAt; }

    // --- the recording so far ---
    struct Summary
    {
        int noSoundStretches = 0;   // quiet stretches that lasted NoSoundAfterMs or longer
        qint64 noSoundMs = 0;       // their length in all, each counted from its start
        qint64 clips = 0;
        bool any() const { return noSoundStretches > 0 || clips > 0; }
    };
    Summary summary() const;

private:
    static constexpr int SlotMs = 100;
    static constexpr int Slots = int(ClipWindowMs / SlotMs);

    qint64 toMs(qint64 frames) const { return m_format.sampleRate > 0 ? frames * 1000 / m_format.sampleRate : 0; }
    qint64 slotOf(qint64 frame) const { return frame * (1000 / SlotMs) / m_format.sampleRate; }
    void takeFrame(const unsigned char *frame);
    void take(int loudest);   // the frame's largest magnitude
    // 16-bit frames a block at a time where none crosses a threshold (the
    // common case: steady sound, or steady quiet); the rest frame by frame.
    void take16(const unsigned char *frames, qint64 count);

    WaveFormat m_format{0, 0, 0};   // fed nothing until restart() with a valid format
    int m_bytesPerFrame = 0;
    int m_soundFrom = 0;            // magnitudes from here up are sound
    int m_clipFrom = 0;             // magnitudes from here up are at full scale
    qint64 m_noSoundFrames = std::numeric_limits<qint64>::max();   // NoSoundAfterMs in frames
    qint64 m_clipWindowFrames = 0;                                 // ClipWindowMs in frames

    QByteArray m_partial;           // the start of a frame whose end has not come
    qint64 m_frames = 0;
    qint64 m_quietFrames = 0;       // the quiet that lasts up to now
    bool m_inClip = false;          // the last frame had a sample at full scale

    int m_noSoundStretches = 0;     // including the current one once it is long enough
    qint64 m_noSoundDoneMs = 0;     // the stretches that have ended
    qint64 m_clips = 0;
    qint64 m_noSoundReachedAt = -1;
    qint64 m_soundReturnedAt = -1;
    qint64 m_clippingBeganAt = -1;
    qint64 m_lastClipAt = -1;
    struct Slot
    {
        qint64 number = -1;
        int clips = 0;
    };
    std::array<Slot, Slots> m_slots{};   // clips per tenth of a second, the latest Slots of them
};
