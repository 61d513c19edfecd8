// The recording core on the engine's doubles: how a take starts, pauses,
// notes what it lost, and ends, keeping every whole frame it was given.

#include "engine/StallMeter.h"
#include "engine/Take.h"
#include "support/FakeAudio.h"

#include <QSignalSpy>
#include <QTest>

namespace {

const WaveFormat Format{48000, 2, 16};

// count frames (4 bytes each) filled with one byte value.
QByteArray pcm(qint64 count, char fill)
{
    return QByteArray(count * Format.bytesPerFrame(), fill);
}

struct Rig
{
    FakeRecorder rec;
    FakeFile file;
    Take take{rec, file};
    QSignalSpy ended{&take, &Take::ended};
    Rig()
    {
        rec.devices = {{QStringLiteral("Card"), true, {{QStringLiteral("Mic")}}, 0}};
        file.SetWaveFormat(Format);
    }
    // Capture brings this much in; the next Timer event writes it.
    void capture(const QByteArray &piece)
    {
        rec.partial += piece;
        rec.tick(0);
    }
    Take::End endedWith() const { return ended.last().at(0).value<Take::End>(); }
};

// Keeps half of each piece and a tail at the end, as recording with the
// media does.
struct HalfFilter : TakeFilter
{
    QByteArray pass(const QByteArray &c) override { return c.left(c.size() / 2); }
    QByteArray close() override { return pcm(3, 't'); }
};

} // namespace

class TestTake : public QObject
{
    Q_OBJECT

private slots:
    void start_captureFirst_theFileOnlyOnceItRuns()
    {
        {
            Rig r;
            QVERIFY(r.take.start(QStringLiteral("/x/take.wav")));
            QCOMPARE(r.rec.log, (QStringList{QStringLiteral("SetFormat %1 4").arg(Format.descriptor()),
                                              QStringLiteral("BlockLength 48000"), QStringLiteral("StartCapture")}));
            QVERIFY(r.file.open);
            QCOMPARE(r.take.state(), Take::State::Recording);
        }
        {
            Rig r;   // the server refuses: no file is touched
            r.rec.statusOnStart = -1;
            r.rec.errorOnStart = QStringLiteral("busy");
            QVERIFY(!r.take.start(QStringLiteral("/x/take.wav")));
            QCOMPARE(r.take.startFailure(), Take::StartFailure::CaptureRefused);
            QCOMPARE(r.take.failureReason(), QStringLiteral("busy"));
            QVERIFY(r.file.path.isEmpty());
            QCOMPARE(r.rec.log.last(), QStringLiteral("StopCapture"));
        }
        {
            Rig r;
            r.rec.connected = false;
            QVERIFY(!r.take.start(QStringLiteral("/x/take.wav")));
            QCOMPARE(r.take.startFailure(), Take::StartFailure::NoServer);
        }
        {
            Rig r;   // the file cannot be made: capture stops, nothing it took in is kept
            r.file.failCreate = true;
            r.rec.pending = {pcm(10, 'a')};
            QVERIFY(!r.take.start(QStringLiteral("/x/take.wav")));
            QCOMPARE(r.take.startFailure(), Take::StartFailure::CannotCreate);
            QVERIFY(r.take.failureReason().contains(QStringLiteral("/x/take.wav")));
            QVERIFY(!r.rec.capturing);
            QVERIFY(r.rec.pending.isEmpty());
            QVERIFY(!r.take.isOpen());
        }
    }

    void pauseAndResume_cutExactly_thePauseStaysOut()
    {
        Rig r;
        QVERIFY(r.take.start(QStringLiteral("t.wav")));
        r.capture(pcm(100, 'a'));
        r.rec.partial = pcm(7, 'b');   // captured up to the press
        r.take.pause();
        QCOMPARE(r.take.state(), Take::State::Paused);
        r.capture(pcm(50, 'x'));       // while paused: neither written at Timer...
        r.rec.deliver(pcm(20, 'y'));   // ...nor as a block
        r.rec.partial += pcm(5, 'z');
        r.take.resume();               // what came in while paused is dropped
        r.capture(pcm(30, 'c'));
        r.rec.deliver(pcm(2, 'd'));
        QCOMPARE(r.file.all(), pcm(100, 'a') + pcm(7, 'b') + pcm(30, 'c') + pcm(2, 'd'));
        QCOMPARE(r.take.framesWritten(), 139);

        // Stopped while paused: what capture still holds came in during the pause.
        r.take.pause();
        r.rec.pending = {pcm(9, 'p')};
        r.take.stop();
        QCOMPARE(r.file.all().size(), 139 * 4);
        QCOMPARE(r.file.closes, 1);
        QCOMPARE(r.endedWith(), Take::End::Stopped);
    }

    // A face that has Timer come often writes less often; nothing is lost by
    // it, and pause and stop still cut where they are called.
    void writeInterval_writesAtTheFirstTimerAfterIt_andNothingWaitsPastPauseOrStop()
    {
        Rig r;
        r.take.setWriteIntervalMs(1000);   // long enough that a loaded machine does not reach it by itself
        QSignalSpy progressed(&r.take, &Take::progressed);
        QVERIFY(r.take.start(QStringLiteral("t.wav")));
        r.capture(pcm(10, 'a'));   // the first Timer event writes
        r.capture(pcm(20, 'b'));   // the next ones, before the interval, do not
        r.capture(pcm(30, 'c'));
        QCOMPARE(r.file.all(), pcm(10, 'a'));
        QCOMPARE(progressed.size(), 1);
        QTest::qWait(1000);
        r.capture(pcm(40, 'd'));
        QCOMPARE(r.file.all(), pcm(10, 'a') + pcm(20, 'b') + pcm(30, 'c') + pcm(40, 'd'));
        QCOMPARE(progressed.size(), 2);

        r.capture(pcm(5, 'e'));
        r.take.pause();            // written at the press, not at the next write
        r.capture(pcm(50, 'x'));
        r.take.resume();
        r.capture(pcm(6, 'f'));    // not yet written: the recorder still holds it at the stop
        r.rec.pending = {std::exchange(r.rec.partial, QByteArray()) + pcm(7, 'g')};
        r.take.stop();
        QCOMPARE(r.file.all(), pcm(10, 'a') + pcm(20, 'b') + pcm(30, 'c') + pcm(40, 'd') + pcm(5, 'e') + pcm(6, 'f')
                                   + pcm(7, 'g'));
    }

    void losses_atTheirPlaceInTheTake_notThoseOfAPause()
    {
        Rig r;
        QSignalSpy found(&r.take, &Take::lossFound);
        QVERIFY(r.take.start(QStringLiteral("t.wav")));
        r.capture(pcm(1000, 'a'));
        r.rec.lost = 480;
        r.rec.lostAgo = 600;   // found a while after it began
        r.capture(pcm(10, 'a'));
        r.rec.lostAgo = 0;
        r.take.pause();
        r.rec.lost += 999;   // while paused: not the file's loss
        r.take.resume();
        r.rec.holes = 48;
        r.capture(pcm(10, 'a'));
        QCOMPARE(found.size(), 2);
        const QList<Take::Loss> losses = r.take.losses();
        QCOMPARE(losses[0].atFrame, 410);
        QCOMPARE(losses[0].notReadFrames, 480);
        QCOMPARE(losses[1].atFrame, 1020);
        QCOMPARE(losses[1].leftOutFrames, 48);
        QCOMPARE(losses[1].notReadFrames, 0);
        QCOMPARE(r.take.lostFrames(), 528);
    }

    // The server's timing reports, as PulseAudio and PipeWire give them around
    // a stall: what never came is measured once the server runs normally.
    void stalls_countOnlyWhatTheServerNeverDelivered()
    {
        constexpr qint64 Rate = 48000, Ms = 1000;
        struct Server
        {
            StallMeter meter{int(Rate)};
            qint64 now = 0, produced = 0, kept = 0;
            // Normal running: sound arrives every 20 ms; a report every 250
            // ms, its position jittering within one 40 ms period.
            void run(qint64 ms)
            {
                for (qint64 t = 0; t < ms; t += 20) {
                    meter.noteArrival(now, kept);
                    now += 20 * Ms;
                    produced += 20 * Ms;
                    kept += Rate / 50;
                    if (t % 250 == 0)
                        meter.noteReport(now, produced - (now / Ms * 7 % 40) * Ms, 0, kept);
                }
            }
            void stop(qint64 ms) { now += ms * Ms; }
        };

        // A stop the server makes good in full (PulseAudio after ten seconds):
        // it reports itself behind while catching up, then nothing is lost.
        Server madeGood;
        madeGood.run(3000);
        madeGood.stop(10000);
        madeGood.meter.noteReport(madeGood.now, madeGood.produced, 10000 * Ms, madeGood.kept);
        madeGood.produced += 10000 * Ms;
        madeGood.kept += 10 * Rate;
        madeGood.run(3000);
        QCOMPARE(madeGood.meter.lostFrames(), 0);

        // A longer stop whose end no longer fitted the server's queue: 8.14 s
        // never came, and the loss sits after the 21.86 s the queue held.
        Server dropped;
        dropped.run(3000);
        const qint64 stalledAt = dropped.kept;
        dropped.stop(30000);
        dropped.meter.noteReport(dropped.now, dropped.produced, 30000 * Ms, dropped.kept);
        dropped.produced += 21860 * Ms;
        dropped.kept += 21860 * Rate / 1000;
        dropped.run(800);   // not settled yet
        QCOMPARE(dropped.meter.lostFrames(), 0);
        dropped.run(1000);
        QVERIFY2(std::abs(dropped.meter.lostFrames() - 8140 * Rate / 1000) <= 40 * Rate / 1000,
                 QByteArray::number(dropped.meter.lostFrames()));
        QVERIFY2(std::abs(dropped.meter.lossAt() - (stalledAt + 21860 * Rate / 1000)) <= 40 * Rate / 1000,
                 QByteArray::number(dropped.meter.lossAt()));

        // Time skipped while sound kept coming (PipeWire): the jump itself
        // marks the stall, within one report of it.
        Server skipped;
        skipped.run(3000);
        skipped.now += 700 * Ms;
        skipped.run(2000);
        QVERIFY2(std::abs(skipped.meter.lostFrames() - 700 * Rate / 1000) <= 40 * Rate / 1000,
                 QByteArray::number(skipped.meter.lostFrames()));
        QVERIFY(skipped.meter.lossAt() >= 3 * Rate && skipped.meter.lossAt() <= 3 * Rate + Rate / 4);

        // A server that tells more than it held back (PipeWire after a stop:
        // 1.1 s behind, 0.4 s missing) is held to what did not come.
        Server overstated;
        overstated.run(3000);
        overstated.stop(6000);
        overstated.produced += 4890 * Ms;
        overstated.kept += 5590 * Rate / 1000;
        overstated.run(2000);
        QVERIFY2(std::abs(overstated.meter.lostFrames() - 410 * Rate / 1000) <= 40 * Rate / 1000,
                 QByteArray::number(overstated.meter.lostFrames()));
    }

    void soundEdges_toldOnceEach_evenInWhatTheEndDrains()
    {
        QStringList told;   // outlives the take, which ends as it goes
        Rig r;
        QObject::connect(&r.take, &Take::noSoundBegan, [&] { told << QStringLiteral("quiet"); });
        QObject::connect(&r.take, &Take::soundReturned, [&] { told << QStringLiteral("back"); });
        QObject::connect(&r.take, &Take::clippingBegan, [&] { told << QStringLiteral("clip"); });
        QObject::connect(&r.take, &Take::ended, [&] { told << QStringLiteral("ended"); });
        const QByteArray sound = pcm(4800, 'a');   // about -2 dBFS
        const QByteArray fullScale = QByteArray("\xff\x7f", 2).repeated(2 * 4800);
        QVERIFY(r.take.start(QStringLiteral("t.wav")));
        r.capture(pcm(48000 * 6, 0));
        r.capture(pcm(48000 * 6, 0));   // ten seconds without sound: told once past
        r.capture(pcm(48000, 0));       // not again while it lasts
        r.capture(sound);
        r.capture(sound);
        r.capture(fullScale);
        r.capture(fullScale);           // clipping that goes on is not a new start
        QCOMPARE(told, (QStringList{"quiet", "back", "clip"}));

        // A stretch that begins and ends between two looks is both told.
        r.capture(pcm(48000 * 11, 0) + sound);
        QCOMPARE(told.mid(3), (QStringList{"quiet", "back"}));
        // What the stop drains is watched, and told before the end.
        r.rec.pending = {pcm(48000 * 11, 0)};
        r.take.stop();
        QCOMPARE(told.mid(5), (QStringList{"quiet", "ended"}));
        // A new take tells its own first stretch, whatever the last one told.
        told.clear();
        QVERIFY(r.take.start(QStringLiteral("t.wav")));
        r.capture(pcm(48000 * 11, 0));
        QCOMPARE(told, QStringList{"quiet"});
    }

    void endings_keepEveryWholeFrameWritten()
    {
        {
            Rig r;   // the disk fills: what fitted stays, the take ends and says why
            r.file.failWritesAfter = 1;
            QVERIFY(r.take.start(QStringLiteral("t.wav")));
            r.capture(pcm(10, 'a'));
            r.capture(pcm(10, 'b'));
            QCOMPARE(r.endedWith(), Take::End::CannotWrite);
            QCOMPARE(r.ended.last().at(1).toString(), QStringLiteral("No space left on device"));
            QCOMPARE(r.take.framesWritten(), 10);
            QVERIFY(!r.rec.capturing);
        }
        {
            Rig r;   // the device goes: everything captured until then reaches the file
            QVERIFY(r.take.start(QStringLiteral("t.wav")));
            r.capture(pcm(10, 'a'));
            r.rec.capturing = false;
            r.rec.pending = {pcm(6, 'b'), pcm(2, 'c')};
            emit r.rec.CaptureError(AudioFailure::DeviceRemoved, QStringLiteral("gone"));
            QCOMPARE(r.endedWith(), Take::End::DeviceRemoved);
            QCOMPARE(r.file.all(), pcm(10, 'a') + pcm(6, 'b') + pcm(2, 'c'));
            QCOMPARE(r.file.closes, 1);
        }
        {
            Rig r;   // a duration ends on its frame exactly
            r.take.setDurationMs(10);
            QVERIFY(r.take.start(QStringLiteral("t.wav")));
            r.capture(pcm(300, 'a'));
            QVERIFY(r.take.isOpen());
            r.capture(pcm(300, 'b'));
            QCOMPARE(r.endedWith(), Take::End::DurationReached);
            QCOMPARE(r.file.all(), pcm(300, 'a') + pcm(180, 'b'));
        }
        {
            Rig r;   // a filter has the last word on each piece and on the end
            HalfFilter half;
            r.take.setFilter(&half);
            QVERIFY(r.take.start(QStringLiteral("t.wav")));
            r.capture(pcm(8, 'a'));
            r.take.stop();
            QCOMPARE(r.file.all(), pcm(4, 'a') + pcm(3, 't'));
        }
    }
};

QTEST_GUILESS_MAIN(TestTake)
#include "tst_take.moc"
