// USES_SOUND_SERVER
// The media player against the private sound server: it plays into the
// default sink (card1, 48 kHz) and the tests listen on card1.monitor.

#include "media/FrmPlayWav.h"
#include "media/MediaPlayerWidget.h"
#include "shell/frmCapture.h"
#include "support/LocalWebServer.h"
#include "support/MjpegAvi.h"
#include "support/SoundTest.h"

#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QVideoFrame>
#include <QVideoSink>
#include <QVideoWidget>

#include <csignal>
#include <optional>
#include <cmath>

using namespace SoundTest;

namespace {

constexpr int kRate = 48000;
constexpr int kFrameBytes = 4;  // stereo, 16-bit
constexpr qint64 msBytes(int ms) { return qint64(ms) * kRate / 1000 * kFrameBytes; }

const qint16 *samples(const QByteArray &pcm) { return reinterpret_cast<const qint16 *>(pcm.constData()); }  // little-endian host

// 440 Hz left, 1000 Hz right, with quiet noise so that any stretch of it
// occurs only once and can be found exactly in a capture.
QByteArray testSignal(int seconds, quint32 seed)
{
    QByteArray pcm = noise(seconds * kRate, 2, 16, seed, 0.02);
    auto *s = reinterpret_cast<qint16 *>(pcm.data());
    for (int i = 0; i < seconds * kRate * 2; ++i)
        s[i] = qint16(s[i] + std::lround(8000 * std::sin(2 * M_PI * (i % 2 ? 1000 : 440) * (i / 2) / kRate)));
    return pcm;
}

bool writeWav(const QString &path, const QByteArray &pcm)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    QDataStream s(&f);
    s.setByteOrder(QDataStream::LittleEndian);
    s.writeRawData("RIFF", 4);
    s << quint32(36 + pcm.size());
    s.writeRawData("WAVEfmt ", 8);
    s << quint32(16) << quint16(1) << quint16(2) << quint32(kRate) << quint32(kRate * kFrameBytes)
      << quint16(kFrameBytes) << quint16(16);
    s.writeRawData("data", 4);
    s << quint32(pcm.size());
    s.writeRawData(pcm.constData(), int(pcm.size()));
    return s.status() == QDataStream::Ok;
}

// Byte offset of the first frame at or after byte `from` that is not
// digital silence (an idle null sink delivers exact zeros), or -1.
qint64 firstSound(const QByteArray &pcm, qint64 from)
{
    for (qint64 i = from / 2; i < pcm.size() / 2; ++i)
        if (std::abs(samples(pcm)[i]) > 16)
            return i * 2 / kFrameBytes * kFrameBytes;
    return -1;
}

double rms(const QByteArray &pcm, qint64 from, qint64 bytes)
{
    double sum = 0;
    for (qint64 i = from / 2; i < (from + bytes) / 2; ++i)
        sum += double(samples(pcm)[i]) * samples(pcm)[i];
    return std::sqrt(sum / double(bytes / 2));
}

// parecord on card1.monitor, raw 48000/2/s16le, collected as it arrives.
class MonitorCapture
{
public:
    MonitorCapture()
    {
        QObject::connect(&m_proc, &QProcess::readyReadStandardOutput, &m_proc,
                         [this] { m_data += m_proc.readAllStandardOutput(); });
        m_proc.start(QStringLiteral("parecord"),
                     {QStringLiteral("--raw"), QStringLiteral("--latency-msec=20"), QStringLiteral("--device=card1.monitor"),
                      QStringLiteral("--format=s16le"), QStringLiteral("--rate=48000"), QStringLiteral("--channels=2")});
    }
    ~MonitorCapture() { stop(); }
    // Running once data flows.
    bool started() { return waitFor([this] { return m_data.size() >= msBytes(100); }, 5000); }
    void stop()
    {
        if (m_proc.state() == QProcess::NotRunning)
            return;
        ::kill(pid_t(m_proc.processId()), SIGINT);
        if (!m_proc.waitForFinished(3000))
            m_proc.kill();
        m_data += m_proc.readAllStandardOutput();
    }
    const QByteArray &data() const { return m_data; }
    qint64 size() const { return m_data.size(); }
    qint64 waitForSound(qint64 from, int timeoutMs)
    {
        qint64 at = -1;
        waitFor([&] { return (at = firstSound(m_data, from)) >= 0; }, timeoutMs);
        return at;
    }
    bool waitForBytes(qint64 bytes, int timeoutMs) { return waitFor([&] { return size() >= bytes; }, timeoutMs); }
    // The newest windowMs of the capture are digital silence.
    bool waitForSilence(int windowMs, int timeoutMs)
    {
        const qint64 window = msBytes(windowMs), from = size();
        return waitFor([&] {
            return size() >= from + window && firstSound(m_data, size() - window) < 0;
        }, timeoutMs);
    }

private:
    QProcess m_proc;
    QByteArray m_data;
};

// The longest the user-interface thread went without running a 10 ms timer.
class StallMeter
{
public:
    StallMeter()
    {
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer,
                         [this] { m_longest = std::max(m_longest, m_since.restart()); });
        m_since.start();
        m_timer.start(10);
    }
    qint64 longestMs() const { return std::max(m_longest, m_since.elapsed()); }

private:
    QTimer m_timer;
    QElapsedTimer m_since;
    qint64 m_longest = 0;
};

// Pixels in the status panel's error colour.
int errorColouredPixels(QWidget &w)
{
    const QImage img = w.grab().toImage();
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            n += c.red() > 200 && c.green() > 100 && c.green() < 170 && c.blue() > 90 && c.blue() < 160;
        }
    return n;
}

} // namespace

class TestMediaPlayer : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    const QByteArray m_pcm = testSignal(3, 1);
    const QByteArray m_longPcm = testSignal(8, 2);
    const QString m_wav = m_dir.filePath(QStringLiteral("tone.wav"));
    const QString m_longWav = m_dir.filePath(QStringLiteral("long tone #1.wav"));  // not a URL as it stands

    bool playsExactly(const QByteArray &capture, const QByteArray &pcm, int fromMs, int ms)
    {
        const QByteArray part = pcm.mid(msBytes(fromMs), msBytes(ms));
        const qint64 at = findExact(capture, part, kFrameBytes);
        return at >= 0 && capture.mid(at, part.size()) == part;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(writeWav(m_wav, m_pcm));
        QVERIFY(writeWav(m_longWav, m_longPcm));
    }

    void init()
    {
        REQUIRE_SOUND_SERVER();
        resetDefaultCard();
    }

    // ------------------------------------------------------------------
    // What is heard

    void heard_bitExact_andFromTheStartAfterTheEnd()
    {
        MediaPlayerWidget w;
        w.setOutputVolume(0);
        w.setMediaFileName(m_wav);
        MonitorCapture cap;
        QVERIFY(cap.started());
        // Loaded and left waiting, as the program does before the user presses Play.
        QVERIFY(waitFor([&] { return w.statusText() == QStringLiteral("Ready"); }, 5000));
        QTest::qWait(500);

        const qint64 atPlay = cap.size();
        QElapsedTimer clock;
        clock.start();
        w.Play();
        QVERIFY2(cap.waitForSound(atPlay, 5000) >= 0, qPrintable(w.statusText()));
        qInfo("Play to first sound: %lld ms", clock.elapsed());
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(waitFor([&] { return w.statusText() == QStringLiteral("Playing"); }, 1000));
        QVERIFY(waitFor([&] { return w.statusText() == QStringLiteral("Finished"); }, 8000));
        QVERIFY(cap.waitForSilence(200, 3000));
        // All but the outermost 0.1 s, sample for sample: nothing skipped, nothing converted.
        QVERIFY2(playsExactly(cap.data(), m_pcm, 100, 2800), "the capture differs from the file");

        const qint64 again = cap.size();
        w.Play();
        QVERIFY(cap.waitForSound(again, 3000) >= 0);
        QVERIFY(cap.waitForBytes(again + msBytes(1500), 5000));
        QVERIFY2(playsExactly(cap.data().mid(again), m_pcm, 50, 1000), "the second Play did not start at the beginning");
    }

    void heard_atTheOutputVolume_fromAWebAddress()
    {
        QFile file(m_longWav);
        QVERIFY(file.open(QIODevice::ReadOnly));
        LocalWebServer server(file.readAll());
        MediaPlayerWidget w;
        w.setOutputVolume(-600);
        MonitorCapture cap;
        QVERIFY(cap.started());

        // OpenMedia plays although AutoPlay is off.
        QElapsedTimer clock;
        clock.start();
        w.OpenMedia(server.url("long.wav"));
        const qint64 soundAt = cap.waitForSound(0, 5000);
        QVERIFY2(soundAt >= 0, qPrintable(w.statusText()));
        qInfo("OpenMedia of an http address to first sound: %lld ms", clock.elapsed());
        QVERIFY(cap.waitForBytes(soundAt + msBytes(1500), 5000));
        QCOMPARE(w.statusText(), QStringLiteral("Playing"));

        // -6 dB: 10^(-600/2000) = 0.501 of the amplitude.
        const double sourceRms = rms(m_longPcm, 0, m_longPcm.size());
        const double half = rms(cap.data(), soundAt + msBytes(300), msBytes(1000)) / sourceRms;
        QVERIFY2(std::abs(half - 0.501) < 0.01, qPrintable(QString::number(half)));

        // Silent from -10000 on, while it still plays; then full level again.
        w.setOutputVolume(-12000);
        QVERIFY(cap.waitForSilence(300, 2000));
        QCOMPARE(w.player()->playbackState(), QMediaPlayer::PlayingState);
        w.setOutputVolume(0);
        const qint64 back = cap.waitForSound(cap.size(), 2000);
        QVERIFY(back >= 0 && cap.waitForBytes(back + msBytes(900), 3000));
        const double full = rms(cap.data(), back + msBytes(400), msBytes(400)) / sourceRms;
        QVERIFY2(std::abs(full - 1.0) < 0.01, qPrintable(QString::number(full)));

        StallMeter stalls;
        w.HaltPlayback();
        QVERIFY(cap.waitForSilence(300, 2000));
        QVERIFY2(stalls.longestMs() < 300, qPrintable(QString::number(stalls.longestMs())));
    }

    // ------------------------------------------------------------------
    // The Wav Player

    void aSinkRemovedWhileAPlayerExists_corruptsNothing()
    {
        // The check runs in a child copy of this test with GLib's criticals
        // made fatal: a reference dropped once too often aborts it.
        if (qEnvironmentVariableIsSet("TARVELL_SINK_REMOVAL_CHILD")) {
            MediaPlayerWidget player;
            player.setMediaFileName(m_wav);
            bool ok = false;
            const QString module = pactl({QStringLiteral("load-module"), QStringLiteral("module-null-sink"),
                                          QStringLiteral("sink_name=brief1"), QStringLiteral("norewinds=1")},
                                         &ok)
                                       .trimmed();
            QVERIFY(ok);
            QTest::qWait(700);
            pactl({QStringLiteral("unload-module"), module});
            QTest::qWait(700);
            return;
        }
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("G_DEBUG"), QStringLiteral("fatal-criticals"));
        env.insert(QStringLiteral("TARVELL_SINK_REMOVAL_CHILD"), QStringLiteral("1"));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("aSinkRemovedWhileAPlayerExists_corruptsNothing")});
        QVERIFY(child.waitForFinished(30000));
        const QByteArray said = child.readAll();
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, said.constData());
        QVERIFY2(!said.contains("CRITICAL"), said.constData());
    }

    void wavPlayer_playsARecordingToItsLastSample()
    {
        // 1.5 s, the last 50 ms a 3 kHz tone of their own.
        QByteArray pcm = testSignal(2, 5).left(msBytes(1500));
        auto *s = reinterpret_cast<qint16 *>(pcm.data());
        for (qint64 i = (pcm.size() - msBytes(50)) / 2; i < pcm.size() / 2; ++i)
            s[i] = qint16(s[i] / 4 + std::lround(12000 * std::sin(2 * M_PI * 3000 * (i / 2) / kRate)));
        const QString path = m_dir.filePath(QStringLiteral("last take.wav"));
        QVERIFY(writeWav(path, pcm));

        // As "&Play" opens it, anew each time.
        for (int round = 0; round < 3; ++round) {
            MonitorCapture cap;
            QVERIFY(cap.started());
            FrmPlayWav window(nullptr, frmCapture::Components::real().makePlayer);
            QCOMPARE(window.MediaPlayer1->outputVolume(), MediaPlayer::kFullVolume);   // the file's own samples
            window.show();
            window.MediaPlayer1->setMediaFileName(path);
            window.MediaPlayer1->Play();
            auto *player = dynamic_cast<MediaPlayerWidget *>(window.MediaPlayer1);
            QVERIFY(waitFor([&] { return player->statusText() == QStringLiteral("Finished"); }, 6000));
            QVERIFY(cap.waitForSilence(300, 3000));
            QVERIFY2(playsExactly(cap.data(), pcm, 1400, 100),
                     qPrintable(QStringLiteral("round %1: not played to the last sample").arg(round)));
        }
    }

    // ------------------------------------------------------------------
    // When it plays

    void assigning_playsOnlyWithAutoPlay_andHaltKeepsTheMedia()
    {
        MediaPlayerWidget w;
        MonitorCapture cap;
        QVERIFY(cap.started());

        w.setMediaFileName(m_longWav);
        QCOMPARE(w.mediaFileName(), m_longWav);
        QVERIFY(waitFor([&] { return w.statusText() == QStringLiteral("Ready"); }, 3000));
        QTest::qWait(600);
        QCOMPARE(firstSound(cap.data(), 0), -1);
        w.Play();
        QVERIFY(cap.waitForSound(cap.size(), 3000) >= 0);

        // A stop silences it and keeps it loaded; Play starts it again.
        StallMeter stalls;
        w.HaltPlayback();
        QVERIFY(cap.waitForSilence(400, 2000));
        QCOMPARE(w.statusText(), QStringLiteral("Stopped"));
        QCOMPARE(w.mediaFileName(), m_longWav);
        const qint64 resumed = cap.size();
        w.Play();
        QVERIFY(cap.waitForSound(resumed, 3000) >= 0 && cap.waitForBytes(resumed + msBytes(1500), 5000));
        QVERIFY2(playsExactly(cap.data().mid(resumed), m_longPcm, 50, 1000), "not again from the start, or not exactly");
        QVERIFY(stalls.longestMs() < 300);

        // With AutoPlay another file replaces it and plays at once.
        w.setAutoPlay(true);
        const qint64 switched = cap.size();
        w.setMediaFileName(m_wav);
        QVERIFY(waitFor([&] { return w.statusText() == QStringLiteral("Finished"); }, 6000));
        QVERIFY2(playsExactly(cap.data().mid(switched), m_pcm, 200, 500), "the newly assigned file was not played");

        w.setMediaFileName(QString());
        QCOMPARE(w.statusText(), QStringLiteral("No media"));
    }

    void positionChosenBeforePlay_isWherePlayStarts()
    {
        MediaPlayerWidget w;
        w.setMediaFileName(m_longWav);
        auto *slider = w.findChild<QSlider *>();
        QVERIFY(waitFor([&] { return slider->isEnabled() && slider->maximum() > 7000; }, 5000));
        slider->triggerAction(QAbstractSlider::SliderPageStepAdd);  // 1 s on
        MonitorCapture cap;
        QVERIFY(cap.started());
        w.Play();
        QVERIFY(cap.waitForSound(0, 3000) >= 0);
        QVERIFY(cap.waitForBytes(msBytes(2500), 5000));
        QVERIFY2(findExact(cap.data(), m_longPcm.mid(msBytes(1300), msBytes(500)), kFrameBytes) >= 0, "not played from 1 s");
        QVERIFY2(findExact(cap.data(), m_longPcm.mid(msBytes(300), msBytes(400)), kFrameBytes) < 0, "the start was heard");
    }

    // ------------------------------------------------------------------
    // What cannot be played, or takes its time

    void failures_showInTheStatusArea_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing file") << QStringLiteral("/nonexistent/gone.wav") << QStringLiteral("does not exist");
        QTest::newRow("garbage file") << QString() << QStringLiteral("type of stream");
        QTest::newRow("unreachable url") << QStringLiteral("http://127.0.0.1:9/none.mp3") << QStringLiteral("connection");
        // Whatever GStreamer and libsoup say of it (libsoup 3 says only
        // "Internal data stream error."), the user learns why.
        QTest::newRow("web page, not media") << QStringLiteral("served") << QStringLiteral("not a media stream");
    }

    void failures_showInTheStatusArea()
    {
        QFETCH(QString, source);
        QFETCH(QString, reason);
        std::optional<LocalWebServer> page;
        if (source == QLatin1String("served")) {
            page.emplace(QByteArrayLiteral("<html><body>Our shows</body></html>"), true,
                         QByteArrayLiteral("text/html; charset=utf-8"));
            source = page->url("show.mp3");
        }
        if (source.isEmpty()) {
            source = m_dir.filePath(QStringLiteral("garbage.mp3"));
            QFile f(source);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(noise(20000, 2, 16, 99)) > 0);
        }
        MediaPlayerWidget w;
        w.resize(416, 71);
        w.show();
        StallMeter stalls;
        w.OpenMedia(source);
        QVERIFY2(waitFor([&] { return w.hasError(); }, 15000), qPrintable(w.statusText()));
        QVERIFY2(w.statusText().startsWith(QStringLiteral("Cannot play this ")) && w.statusText().contains(reason),
                 qPrintable(w.statusText()));
        QVERIFY2(errorColouredPixels(w) > 20, "the error is not drawn in the status panel");

        // Play tries again and fails the same way.
        QTest::qWait(100);
        w.Play();
        QTest::qWait(100);
        QVERIFY(waitFor([&] { return w.hasError(); }, 15000));
        QVERIFY2(stalls.longestMs() < 300, qPrintable(QString::number(stalls.longestMs())));

        // And the player still plays what it can.
        w.setAutoPlay(true);
        w.setMediaFileName(m_wav);
        QVERIFY(waitFor([&] { return w.statusText() == QStringLiteral("Playing"); }, 5000));
        QCOMPARE(errorColouredPixels(w), 0);
    }

    void stream_thatNeverAnswers_neverHoldsUpTheWindow()
    {
        LocalWebServer server({}, false);
        StallMeter stalls;
        {
            MediaPlayerWidget w;
            w.OpenMedia(server.url("live.mp3"));
            QVERIFY(waitFor([&] { return server.requests() >= 1; }, 3000));
            QTest::qWait(300);
            QCOMPARE(w.statusText(), QStringLiteral("Opening..."));
            w.HaltPlayback();
            QCOMPARE(w.statusText(), QStringLiteral("Stopped"));
            w.Play();
            QVERIFY(waitFor([&] { return server.requests() >= 2; }, 3000));
            w.setMediaFileName(m_wav);  // replaces it while it opens
            w.OpenMedia(server.url("again.mp3"));
            QVERIFY(waitFor([&] { return server.requests() >= 3; }, 3000));
        }  // and is closed while it opens
        QTest::qWait(50);
        QVERIFY2(stalls.longestMs() < 300, qPrintable(QString::number(stalls.longestMs())));
    }

    // ------------------------------------------------------------------
    // How it looks

    void video_showsBesideTheStatusInTheSmallFrame()
    {
        QImage frame(160, 120, QImage::Format_RGB32);  // 4:3, orange over blue
        frame.fill(QColor(230, 120, 20));
        for (int y = 60; y < 120; ++y)
            for (int x = 0; x < 160; ++x)
                frame.setPixelColor(x, y, QColor(20, 60, 200));
        const QString clip = m_dir.filePath(QStringLiteral("clip.avi"));
        QVERIFY(writeMjpegAvi(clip, QList<QImage>(20, frame), 10));

        MediaPlayerWidget w;
        w.resize(416, 71);
        w.show();
        auto *video = w.findChild<QVideoWidget *>(QStringLiteral("video"));
        auto *panel = w.findChild<QWidget *>(QStringLiteral("status"));
        QVERIFY(video && panel && !video->isVisible());
        const int panelWidthAlone = panel->width();
        int shown = 0;
        QImage last;
        connect(video->videoSink(), &QVideoSink::videoFrameChanged, &w, [&](const QVideoFrame &f) {
            ++shown;
            last = f.toImage();
        });
        w.OpenMedia(clip);
        QVERIFY2(waitFor([&] { return shown >= 5; }, 5000), qPrintable(w.statusText()));
        QCOMPARE(w.statusText(), QStringLiteral("Playing"));
        QCOMPARE(last.size(), QSize(160, 120));
        QVERIFY2(last.pixelColor(80, 20).red() > 180 && last.pixelColor(80, 100).blue() > 150, "not the encoded picture");

        // The video at its own aspect left of the status, which keeps most of the width.
        QVERIFY(video->isVisible());
        const QRect v = video->geometry(), p = panel->geometry();
        QVERIFY2(std::abs(v.width() - v.height() * 4 / 3) <= 2, qPrintable(QStringLiteral("%1x%2").arg(v.width()).arg(v.height())));
        QVERIFY(v.right() < p.left() && v.top() == p.top() && p.width() > 300);

        // Audio again: the video area goes.
        w.setMediaFileName(m_wav);
        QVERIFY(waitFor([&] { return !video->isVisible(); }, 3000));
        QCOMPARE(panel->width(), panelWidthAlone);
    }

    void layout_fitsTheSmallFrames_data()
    {
        QTest::addColumn<int>("width");
        QTest::newRow("main window") << 416;
        QTest::newRow("wav player") << 315;
    }

    void layout_fitsTheSmallFrames()
    {
        QFETCH(int, width);
        MediaPlayerWidget w;
        w.resize(width, 71);
        w.show();
        w.setMediaFileName(m_wav);
        QVERIFY(waitFor([&] { return w.statusText() == QStringLiteral("Ready") && w.player()->duration() > 0; }, 3000));

        QList<QWidget *> controls;
        for (QToolButton *b : w.findChildren<QToolButton *>())
            controls << b;
        controls << w.findChild<QSlider *>();
        QCOMPARE(controls.size(), 4);
        for (int i = 0; i < controls.size(); ++i) {
            const QWidget *c = controls[i];
            QVERIFY2(w.rect().contains(c->geometry()), qPrintable(c->toolTip() + QStringLiteral(" sticks out")));
            QVERIFY2(c->width() >= c->minimumSizeHint().width() && c->height() >= c->minimumSizeHint().height(),
                     qPrintable(c->toolTip() + QStringLiteral(" is squeezed")));
            for (int j = 0; j < i; ++j)
                QVERIFY(!controls[j]->geometry().intersects(c->geometry()));
        }
        // Two lines of status above the controls.
        QVERIFY(w.findChild<QWidget *>(QStringLiteral("status"))->height() >= 2 * QFontMetrics(w.font()).height());

        QVERIFY(w.grab().save(width == 416 ? QStringLiteral("/tmp/media-widget.png")
                                           : QStringLiteral("/tmp/media-widget-%1.png").arg(width)));
    }
};

QTEST_MAIN(TestMediaPlayer)
#include "tst_mediaplayer.moc"
