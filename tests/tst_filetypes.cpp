// The compressed types as the writer makes them, read back by libsndfile,
// and what an interrupted writer leaves.

#include "engine/AudioFailure.h"
#include "engine/SampleCodec.h"
#include "engine/WavAudioFile.h"
#include "support/WavReadBack.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <csignal>
#include <sndfile.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace readback;

namespace {

// A sweep from 200 Hz to 2 kHz under a slow swell, a little noise on top: no
// period a lag could match by accident, and nothing a codec throws away.
QByteArray sweep(const WaveFormat &f, double seconds)
{
    const qint64 frames = qint64(seconds * f.sampleRate);
    QByteArray out;
    quint32 x = 12345;
    for (qint64 i = 0; i < frames * f.channels; ++i) {
        const double t = double(i / f.channels) / f.sampleRate, c = double(i % f.channels);
        x = x * 1664525u + 1013904223u;
        const double v = 0.4 * (0.6 + 0.4 * std::sin(2.1 * t + c)) * std::sin(2 * M_PI * (200 + 300 * t + 50 * c) * t)
                         + 0.01 * (double(x >> 16) / 32768.0 - 1);
        char s[4];
        sampleCodec::fromFloat(float(v), s, f.bitsPerSample);
        out += QByteArray(s, f.bytesPerSample());
    }
    return out;
}

// The normalised correlation of the first channels, at the lag (within
// ±3000 frames: the encoder's delay) where their middles match best.
double correlation(const QVector<short> &a, const QVector<short> &b, int channels)
{
    const qsizetype n = std::min(a.size(), b.size()) / channels;
    const auto corr = [&](qsizetype from, qsizetype length, int lag) {
        double ab = 0, aa = 0, bb = 0;
        for (qsizetype i = std::max(from, -qsizetype(lag)); i < std::min(from + length, n - lag); ++i) {
            const double x = a[i * channels], y = b[(i + lag) * channels];
            ab += x * y, aa += x * x, bb += y * y;
        }
        return aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : 0.0;
    };
    int bestLag = 0;
    for (int lag = -3000; lag <= 3000; ++lag)
        if (corr(n / 2, 4096, lag) > corr(n / 2, 4096, bestLag))
            bestLag = lag;
    return corr(0, n, bestLag);
}

// Left open unless told to close.
void writeTake(WavAudioFile &w, const QString &path, FileType type, const WaveFormat &f, const QByteArray &pcm,
               bool close = true)
{
    w.SetWaveFormat(f);
    w.SetFileType(type, Quality::Music);
    w.CreateWaveFile(path, 0);
    const qsizetype block = f.bytesPerSecond() / 4;
    for (qsizetype at = 0; at < pcm.size(); at += block)
        w.WriteBlock(pcm.mid(at, block));
    if (close)
        w.CloseFile();
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestFileTypes : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void everyTypeReadsBack_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("sfFormat");
        QTest::newRow("flac 44100 stereo") << int(FileType::Flac) << 44100 << 2 << 16 << (SF_FORMAT_FLAC | SF_FORMAT_PCM_16);
        QTest::newRow("wav 48000 stereo 24-bit") << int(FileType::Wav) << 48000 << 2 << 24 << (SF_FORMAT_WAV | SF_FORMAT_PCM_24);
        QTest::newRow("wav 44100 mono float") << int(FileType::Wav) << 44100 << 1 << 32 << (SF_FORMAT_WAV | SF_FORMAT_FLOAT);
        QTest::newRow("flac 48000 stereo 24-bit") << int(FileType::Flac) << 48000 << 2 << 24 << (SF_FORMAT_FLAC | SF_FORMAT_PCM_24);
        QTest::newRow("flac 44100 mono from float") << int(FileType::Flac) << 44100 << 1 << 32 << (SF_FORMAT_FLAC | SF_FORMAT_PCM_24);
        QTest::newRow("flac 8000 mono 8-bit") << int(FileType::Flac) << 8000 << 1 << 8 << (SF_FORMAT_FLAC | SF_FORMAT_PCM_16);
        QTest::newRow("opus 48000 stereo") << int(FileType::OggOpus) << 48000 << 2 << 16 << (SF_FORMAT_OGG | SF_FORMAT_OPUS);
        QTest::newRow("opus 16000 mono 8-bit") << int(FileType::OggOpus) << 16000 << 1 << 8 << (SF_FORMAT_OGG | SF_FORMAT_OPUS);
        QTest::newRow("vorbis 44100 stereo") << int(FileType::OggVorbis) << 44100 << 2 << 16 << (SF_FORMAT_OGG | SF_FORMAT_VORBIS);
        QTest::newRow("vorbis 48000 stereo float") << int(FileType::OggVorbis) << 48000 << 2 << 32 << (SF_FORMAT_OGG | SF_FORMAT_VORBIS);
        QTest::newRow("vorbis 8000 mono 8-bit") << int(FileType::OggVorbis) << 8000 << 1 << 8 << (SF_FORMAT_OGG | SF_FORMAT_VORBIS);
        QTest::newRow("mp3 44100 stereo") << int(FileType::Mp3) << 44100 << 2 << 16 << (SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III);
        QTest::newRow("mp3 22050 mono") << int(FileType::Mp3) << 22050 << 1 << 16 << (SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III);
    }

    void everyTypeReadsBack()
    {
        QFETCH(int, type);
        QFETCH(int, rate);
        QFETCH(int, channels);
        QFETCH(int, bits);
        QFETCH(int, sfFormat);
        const WaveFormat f{rate, qint16(channels), bits};
        const QByteArray pcm = sweep(f, 3.1);
        const QString file = path(QString::fromLatin1(QTest::currentDataTag()));
        WavAudioFile w(path(QStringLiteral("journals")));
        writeTake(w, file, FileType(type), f, pcm, false);
        // The size the window and tarvell-rec show while recording is the file's.
        QCOMPARE(qint64(w.fileBytes()), QFileInfo(file).size());
        w.CloseFile();
        QCOMPARE(w.fileBytes(), quint64(0));
        const SndfileResult back = readWithSndfile(file);
        QVERIFY2(back.opened, qPrintable(back.error));
        QVERIFY(back.format == sfFormat && back.sampleRate == rate && back.channels == channels);
        const QVector<short> in = pcmToShorts(pcm, bits);
        if (FileType(type) == FileType::Flac && bits <= 16)
            QCOMPARE(back.samples, in);   // 8-bit as 16-bit: the sample shifted up
        if (!fileTypes::isLossy(FileType(type)) && bits > 16) {
            // Every bit of a 24-bit sample, every float (FLAC: the float rounded to 24 bits).
            const int held = FileType(type) == FileType::Flac ? 24 : bits;
            SF_INFO info{};
            SNDFILE *sf = sf_open(QFile::encodeName(file).constData(), SFM_READ, &info);
            QVector<float> got(info.frames * info.channels), want;
            QVERIFY(sf && sf_readf_float(sf, got.data(), info.frames) == info.frames);
            sf_close(sf);
            for (qsizetype i = 0; i < pcm.size(); i += f.bytesPerSample()) {
                char s[4];
                sampleCodec::fromFloat(sampleCodec::toFloat(pcm.constData() + i, bits), s, held);
                want << sampleCodec::toFloat(s, held);
            }
            QVERIFY(got == want);
        }
        QVERIFY(std::abs(back.frames - pcm.size() / f.bytesPerFrame()) <= rate / 50);
        const double c = correlation(in, back.samples, channels);
        QVERIFY2(c >= 0.95, qPrintable(QString::number(c)));
    }

    void typeAndFormat_refuseWhatTheOtherCannotHold()
    {
        WavAudioFile w(path(QStringLiteral("journals-refused")));
        w.SetWaveFormat({44100, 2, 16});
        QVERIFY_THROWS_EXCEPTION(AudioFailure, w.SetFileType(FileType::OggOpus, Quality::Best));
        w.SetWaveFormat({48000, 2, 16});
        w.SetFileType(FileType::OggOpus, Quality::Best);
        QVERIFY_THROWS_EXCEPTION(AudioFailure, w.SetWaveFormat({44100, 2, 16}));
        QVERIFY(w.waveFormat().sampleRate == 48000 && w.fileType() == FileType::OggOpus);
    }

    void interruptedWriter_leavesAPlayableFile_repairedAndToldOnce_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("limit");   // of the file's size; 0: the writer is killed instead
        QTest::addColumn<int>("channels");
        QTest::addColumn<bool>("silent");   // digital silence rather than the sweep
        QTest::newRow("flac killed") << int(FileType::Flac) << 44100 << 0 << 2 << false;
        QTest::newRow("opus killed") << int(FileType::OggOpus) << 48000 << 0 << 2 << false;
        QTest::newRow("vorbis killed") << int(FileType::OggVorbis) << 44100 << 0 << 2 << false;
        QTest::newRow("mp3 killed") << int(FileType::Mp3) << 44100 << 0 << 2 << false;
        // Next to nothing to encode: a page is closed by time, not only when full.
        QTest::newRow("vorbis killed, silence") << int(FileType::OggVorbis) << 44100 << 0 << 1 << true;
        QTest::newRow("opus killed, silence") << int(FileType::OggOpus) << 48000 << 0 << 1 << true;
        QTest::newRow("flac, disk full") << int(FileType::Flac) << 44100 << 100000 << 2 << false;
        QTest::newRow("opus, disk full") << int(FileType::OggOpus) << 48000 << 30000 << 2 << false;
        QTest::newRow("vorbis, disk full") << int(FileType::OggVorbis) << 44100 << 30000 << 2 << false;
        QTest::newRow("mp3, disk full") << int(FileType::Mp3) << 44100 << 30000 << 2 << false;
    }

    void interruptedWriter_leavesAPlayableFile_repairedAndToldOnce()
    {
        QFETCH(int, type);
        QFETCH(int, rate);
        QFETCH(int, limit);
        QFETCH(int, channels);
        QFETCH(bool, silent);
        const WaveFormat f{rate, qint16(channels), 16};
        const QString ext = fileTypes::extension(FileType(type));
        const QString journals = path(QStringLiteral("journals-%1-%2-%3").arg(ext).arg(limit).arg(silent));
        const QString file = path(QStringLiteral("cut-%1-%2.").arg(limit).arg(silent) + ext);
        const QByteArray pcm = silent ? QByteArray(4 * f.bytesPerSecond(), 0) : sweep(f, 4);
        const qint64 frames = pcm.size() / f.bytesPerFrame();
        // The writer hands over 4 s of sound (or what fits, and closes), then
        // stops still and is killed.
        int ready[2];
        QVERIFY(::pipe(ready) == 0);
        if (const pid_t child = ::fork(); child == 0) {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit size{rlim_t(limit ? limit : RLIM_INFINITY), rlim_t(limit ? limit : RLIM_INFINITY)};
            ::setrlimit(RLIMIT_FSIZE, &size);
            auto *w = new WavAudioFile(journals);
            try {
                writeTake(*w, file, FileType(type), f, pcm, false);
            } catch (const AudioFailure &) {
                delete w;   // closed, as a take that cannot write closes
            }
            [[maybe_unused]] const auto n = ::write(ready[1], "k", 1);
            ::pause();
        } else {
            char k = 0;
            QVERIFY(::read(ready[0], &k, 1) == 1);
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
        }
        QByteArray bytes = contents(file);
        const QByteArray unit = type == int(FileType::Flac) ? "\xff\xf8" : type == int(FileType::Mp3) ? "\xff\xfb" : "OggS";
        QFile torn(file);   // killed: a torn copy of the encoder's last frame or page trails the file
        QVERIFY(limit || (torn.open(QIODevice::Append) && torn.write(bytes.mid(bytes.lastIndexOf(unit), 60)) == 60));
        torn.close();

        WavAudioFile next(journals);
        const QList<AudioFile::Recovered> found = next.RecoverInterrupted();
        QCOMPARE(found.size(), limit ? 0 : 1);   // a full disk was closed there and then
        const SndfileResult back = readWithSndfile(file);
        QVERIFY2(back.opened, qPrintable(back.error));
        // Killed: within a second of all handed over. Either way the file
        // knows its length, and FLAC holds the sound sample for sample.
        const qint64 kept = back.samples.size() / channels;
        qInfo("%lld of %lld frames kept, %lld in the header", kept, frames, back.frames);
        QVERIFY(limit ? kept > rate / 2 : kept >= frames - rate);
        QVERIFY(std::abs(back.frames - kept) <= rate / 30);
        QVERIFY(limit || (found[0].path == QFileInfo(file).absoluteFilePath() && found[0].format.sampleRate == rate
                          && std::abs(found[0].frames - kept) <= rate / 30));
        if (FileType(type) == FileType::Flac)
            QCOMPARE(back.samples, pcmToShorts(pcm.left(kept * f.bytesPerFrame()), 16));
        QVERIFY(next.RecoverInterrupted().isEmpty());

        // A journal that outlived a clean close is no reason to touch the file.
        const QString finished = path(QStringLiteral("finished.") + ext);
        writeTake(next, finished, FileType(type), f, pcm.left(f.bytesPerSecond()), false);
        const QString journal = QDir(journals).filePath(QDir(journals).entryList(QDir::Files).first());
        const QByteArray journalText = contents(journal);
        next.CloseFile();
        QFile again(journal);
        QVERIFY(again.open(QIODevice::WriteOnly) && again.write(journalText) == journalText.size());
        again.close();
        bytes = contents(finished);
        QVERIFY(next.RecoverInterrupted().isEmpty());
        QCOMPARE(contents(finished), bytes);
    }
};

QTEST_GUILESS_MAIN(TestFileTypes)
#include "tst_filetypes.moc"
