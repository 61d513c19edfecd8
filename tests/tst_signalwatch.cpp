// The watch on a recording's sound: no sound for ten seconds, and clipping,
// over PCM as it goes into the file, fed in pieces that split frames.

#include "engine/SignalWatch.h"

#include <QTest>

#include <cstring>

namespace {

// Frames of one sample value in every channel, as the file holds them (for
// floats the value is in steps of 24 bits: 8388608 is full scale).
QByteArray frames(const WaveFormat &f, qint64 count, int value)
{
    QByteArray sample(f.bytesPerSample(), Qt::Uninitialized);
    if (f.isFloat()) {
        const float v = float(value) / 8388608.0f;
        std::memcpy(sample.data(), &v, 4);
    } else {
        for (int i = 0; i < f.bytesPerSample(); ++i)
            sample[i] = char((value >> (8 * i)) & 0xFF);
    }
    return sample.repeated(f.channels * count);
}

void feed(SignalWatch &w, const QByteArray &pcm)
{
    for (qsizetype at = 0; at < pcm.size(); at += 1001)
        w.feed(pcm.mid(at, 1001));
}

} // namespace

class TestSignalWatch : public QObject
{
    Q_OBJECT

private slots:
    void noSound_afterTenSecondsBelowMinus60Dbfs_data()
    {
        QTest::addColumn<WaveFormat>("format");
        QTest::addColumn<int>("quiet");   // a sample below -60 dBFS
        QTest::addColumn<int>("sound");   // the quietest one above
        QTest::newRow("8000 mono 8: 0x80") << WaveFormat{8000, 1, 8} << 0x80 << 0x7F;
        QTest::newRow("11025 stereo 8: 0x80") << WaveFormat{11025, 2, 8} << 0x80 << 0x81;
        QTest::newRow("22050 mono 16: digital silence") << WaveFormat{22050, 1, 16} << 0 << -37;
        QTest::newRow("44100 stereo 16: -61 and -59 dBFS") << WaveFormat{44100, 2, 16} << -29 << 37;
        QTest::newRow("48000 stereo 16: -60.2 and -59.9 dBFS") << WaveFormat{48000, 2, 16} << 32 << 33;
        QTest::newRow("48000 stereo 24: -60.0 dBFS either side") << WaveFormat{48000, 2, 24} << -8388 << 8389;
        QTest::newRow("44100 mono float: -60.0 dBFS either side") << WaveFormat{44100, 1, 32} << 8388 << -8389;
    }

    void noSound_afterTenSecondsBelowMinus60Dbfs()
    {
        QFETCH(WaveFormat, format);
        QFETCH(int, quiet);
        QFETCH(int, sound);
        SignalWatch w(format);
        const qint64 almost = format.sampleRate * 99 / 10;   // 9.9 s
        feed(w, frames(format, almost, quiet));
        QVERIFY(!w.noSound());
        feed(w, frames(format, format.sampleRate * 10 - almost, quiet));
        QVERIFY(w.noSound());
        w.feed(frames(format, 1, sound));
        feed(w, frames(format, almost, quiet));
        QVERIFY(!w.noSound());
        QCOMPARE(w.summary().noSoundStretches, 1);
        QCOMPARE(w.summary().noSoundMs, qint64(10000));
        QCOMPARE(w.summary().clips, qint64(0));
    }

    void fullScale_countedOncePerRun_overTheLastTenSeconds_data()
    {
        QTest::addColumn<WaveFormat>("format");
        QTest::addColumn<QList<int>>("clipped");
        QTest::addColumn<QList<int>>("notClipped");
        QTest::newRow("8 bits: 0 is full scale") << WaveFormat{8000, 2, 8} << QList<int>{255, 0, 1} << QList<int>{254, 2};
        QTest::newRow("16 bits") << WaveFormat{44100, 1, 16} << QList<int>{32767, -32768, -32767}
                                 << QList<int>{32766, -32766};
        QTest::newRow("24 bits: a 16-bit step from the top") << WaveFormat{48000, 2, 24}
                                 << QList<int>{8388607, -8388608, -8388352} << QList<int>{8388351, -8388351};
        QTest::newRow("float: at and past full scale") << WaveFormat{48000, 1, 32}
                                 << QList<int>{8388608, -9000000, 8388352} << QList<int>{8388351, -8388351};
    }

    void fullScale_countedOncePerRun_overTheLastTenSeconds()
    {
        QFETCH(WaveFormat, format);
        QFETCH(QList<int>, clipped);
        QFETCH(QList<int>, notClipped);
        const QByteArray loud = frames(format, 100, format.bitsPerSample == 8 ? 200 : 20000);
        SignalWatch w(format);
        for (int v : notClipped)
            w.feed(frames(format, 100, v) + loud);
        QCOMPARE(w.recentClips(), 0);
        for (int v : clipped)   // three frames in a row: one clip
            w.feed(frames(format, 3, v) + loud);
        QByteArray inOneChannel = loud.left(format.bytesPerFrame());
        inOneChannel.replace(0, format.bytesPerSample(), frames({8000, 1, format.bitsPerSample}, 1, clipped[0]));
        w.feed(inOneChannel + loud);
        QCOMPARE(w.recentClips(), int(clipped.size() + 1));
        feed(w, frames(format, format.sampleRate * 98 / 10, 0x80));
        QCOMPARE(w.recentClips(), int(clipped.size() + 1));   // still within the last ten seconds
        feed(w, frames(format, format.sampleRate * 3 / 10, 0x80));
        QCOMPARE(w.recentClips(), 0);
        QCOMPARE(w.summary().clips, qint64(clipped.size() + 1));
    }
    // Whole blocks are read faster than frame by frame; they must count the
    // same, and place the warnings' edges the same: quiet stretches that
    // start, end and run on across blocks, a lone sound in a block, clips at
    // a block's edge.
    void blocks_countAsFrameByFrame()
    {
        const WaveFormat f{1000, 2, 16};   // a frame a millisecond: every frame shows in the times
        QByteArray pcm;
        const auto add = [&](qint64 count, int value) { pcm += frames(f, count, value); };
        add(1000 * 10 + 63, 0);   // a stretch that begins inside a block
        add(1, 500);              // ends on a lone sound
        add(1000 * 12 + 5, 20);   // below -60 dBFS: another, longer
        add(64, 500);
        add(2, 32767);            // a clip straddling two blocks
        add(1, 500);
        add(1000 * 9, 0);         // quiet, but not long enough
        add(3, 500);
        add(1000 * 11, 0);        // a stretch still running at the end
        SignalWatch whole(f), frameByFrame(f);
        whole.feed(pcm);
        for (qsizetype at = 0; at < pcm.size(); at += f.bytesPerFrame())
            frameByFrame.feed(pcm.mid(at, f.bytesPerFrame()));
        for (const SignalWatch *w : {&whole, &frameByFrame}) {
            QCOMPARE(w->summary().noSoundStretches, 3);
            QCOMPARE(w->summary().clips, qint64(1));
            QCOMPARE(w->quietMs(), qint64(11000));
            QVERIFY(w->noSound());
            // Where the latest edges fell, whatever the pieces: the third
            // stretch lasted ten seconds at 41139, sound came back after the
            // second at 22069, the clip began at 22133.
            QCOMPARE(w->noSoundReachedAt(), qint64(41139));
            QCOMPARE(w->soundReturnedAt(), qint64(22069));
            QCOMPARE(w->clippingBeganAt(), qint64(22133));
        }
        QCOMPARE(whole.summary().noSoundMs, qint64(10063 + 12005 + 11000));
        QCOMPARE(frameByFrame.summary().noSoundMs, qint64(10063 + 12005 + 11000));
    }
};

QTEST_APPLESS_MAIN(TestSignalWatch)
#include "tst_signalwatch.moc"
