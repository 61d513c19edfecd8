#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QVector>

#include <memory>

// Helpers for tests that run against the private sound server started by
// scripts/test.sh (clients find it through XDG_RUNTIME_DIR).
namespace SoundTest {

// True when a sound server answers. Under scripts/test.sh
// (TARVELL_TEST_SOUND_SERVER=1) a missing server is a failure, elsewhere a skip.
bool serverAnswers();
bool serverRequired();

// Puts card1 back to what the capture tests expect: the default sink, not
// muted, and card and monitor at 100 %.
void resetDefaultCard();

// Runs pactl and returns its standard output; *ok tells whether it exited 0.
QString pactl(const QStringList &args, bool *ok = nullptr);

// Deterministic white noise: frames x channels samples of the given format,
// raw as the server and WAV files carry it (u8 or s16le, interleaved).
QByteArray noise(int frames, int channels, int bits, quint32 seed, double amplitude = 0.5);
// The same noise with nothing above 7 kHz, as a voice: 48 kHz stereo, 16 bits.
QByteArray voiceLike(int frames, quint32 seed);

// Plays raw PCM into a sink with pacat; the process ends when the sound has
// been played. The caller keeps it alive until then. pacatArgs: more options
// for pacat (e.g. --client-name, which the server shows as the application).
std::unique_ptr<QProcess> play(const QString &sink, const QByteArray &pcm, int rate, int channels, int bits,
                               const QStringList &pacatArgs = {});

// Offset (in bytes, a multiple of frameBytes) at which needle's first
// probeFrames frames appear in haystack exactly, or -1.
qint64 findExact(const QByteArray &haystack, const QByteArray &needle, int frameBytes, int probeFrames = 256);

// Bytes of digital silence (whole frames) at the start of pcm. PipeWire begins
// a new capture of a playing sink's monitor with some 40 ms of silence of its
// own, PulseAudio with the sound itself; a take of a signal that has no
// silence is compared from its first sound.
qsizetype leadingSilence(const QByteArray &pcm, int frameBytes);

// Waits (processing events) until pred() holds or timeoutMs passes.
template<typename Pred>
bool waitFor(Pred pred, int timeoutMs)
{
    return QTest::qWaitFor(pred, timeoutMs);
}

} // namespace SoundTest

// Skips (or, under the test script, fails) a test when no sound server answers.
#define REQUIRE_SOUND_SERVER()                                                                   \
    do {                                                                                         \
        if (!SoundTest::serverAnswers()) {                                                       \
            if (SoundTest::serverRequired())                                                     \
                QFAIL("the private sound server does not answer");                               \
            QSKIP("no sound server; run the tests through scripts/test.sh");                    \
        }                                                                                        \
    } while (false)
