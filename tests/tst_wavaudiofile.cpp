#include "engine/AudioFailure.h"
#include "engine/WavAudioFile.h"
#include "support/WavReadBack.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sndfile.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace readback;

namespace {

// Pseudo-random bytes: every byte value turns up, so a reader that converts or
// reorders samples cannot match by accident.
QByteArray noise(qint64 bytes, quint32 seed)
{
    QByteArray out(bytes, Qt::Uninitialized);
    quint32 x = seed * 2654435761u + 1;
    for (char &c : out) {
        x = x * 1664525u + 1013904223u;
        c = char(x >> 24);
    }
    return out;
}

WaveFormat waveFormat(int rate, int channels, int bits)
{
    WaveFormat f;
    f.sampleRate = rate;
    f.channels = qint16(channels);
    f.bitsPerSample = bits;
    return f;
}

qint64 fileSize(const QString &path) { return QFileInfo(path).size(); }

// The file at path is a plain RIFF WAV in format f holding exactly data (padded
// to an even size unless told otherwise), and libsndfile, soxi and Python's
// wave all read it that way.
void checkWav(const QString &path, const WaveFormat &f, const QByteArray &data, bool padded = true)
{
    const qint64 pad = padded ? data.size() % 2 : 0;
    QCOMPARE(fileSize(path), WavAudioFile::HeaderSize + data.size() + pad);
    const RiffLayout riff = readRiffLayout(path);
    QCOMPARE(riff.form, QByteArray("RIFF"));
    QCOMPARE(riff.formSize, quint32(fileSize(path) - 8));
    QCOMPARE(riff.type, QByteArray("WAVE"));
    QCOMPARE(riff.chunks.size(), 3);
    QCOMPARE(riff.chunks[0].id, QByteArray("JUNK"));
    QCOMPARE(riff.chunks[0].size, 28u);
    const Chunk &fmt = riff.chunks[1];
    QCOMPARE(fmt.id, QByteArray("fmt "));
    QCOMPARE(fmt.size, 16u);
    QCOMPARE(le16(fmt.body, 0), 1);  // PCM
    QCOMPARE(le16(fmt.body, 2), quint16(f.channels));
    QCOMPARE(le32(fmt.body, 4), quint32(f.sampleRate));
    QCOMPARE(le32(fmt.body, 8), quint32(f.bytesPerSecond()));
    QCOMPARE(le16(fmt.body, 12), quint16(f.bytesPerFrame()));
    QCOMPARE(le16(fmt.body, 14), quint16(f.bitsPerSample));
    QCOMPARE(riff.chunks[2].id, QByteArray("data"));
    QCOMPARE(riff.chunks[2].bodyOffset, qint64(WavAudioFile::HeaderSize));
    QCOMPARE(riff.chunks[2].size, quint32(data.size()));

    const qint64 frames = data.size() / f.bytesPerFrame();
    const SndfileResult s = readWithSndfile(path);
    QVERIFY2(s.opened, qPrintable(s.error));
    QCOMPARE(s.sampleRate, f.sampleRate);
    QCOMPARE(s.channels, int(f.channels));
    QCOMPARE(s.format, SF_FORMAT_WAV | (f.bitsPerSample == 8 ? SF_FORMAT_PCM_U8 : f.bitsPerSample == 24 ? SF_FORMAT_PCM_24 : SF_FORMAT_PCM_16));
    QCOMPARE(s.frames, frames);
    QVERIFY(s.samples == pcmToShorts(data, f.bitsPerSample));

    const SoxiResult x = readWithSoxi(path);
    QVERIFY2(x.ok, qPrintable(x.error));
    QCOMPARE(x.sampleRate, f.sampleRate);
    QCOMPARE(x.channels, int(f.channels));
    QCOMPARE(x.bits, f.bitsPerSample);
    QCOMPARE(x.samples, frames);

    const PythonWaveResult p = readWithPythonWave(path);
    QVERIFY2(p.ok, qPrintable(p.error));
    QCOMPARE(p.sampleRate, f.sampleRate);
    QCOMPARE(p.channels, int(f.channels));
    QCOMPARE(p.sampleWidth, f.bytesPerSample());
    QCOMPARE(p.frames, frames);
    QVERIFY(p.data == data);
}

#define CHECK_WAV(...)                                                                                         \
    do {                                                                                                       \
        checkWav(__VA_ARGS__);                                                                                 \
        if (QTest::currentTestFailed())                                                                        \
            return;                                                                                            \
    } while (false)

template<typename F>
int failureNumber(F &&f)
{
    try {
        f();
    } catch (const AudioFailure &e) {
        return e.number();
    }
    return 0;
}

}  // namespace

class TestWavAudioFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        // Journals of open files go here, not into the user's own state folder.
        qputenv("XDG_STATE_HOME", path(QStringLiteral("state")).toLocal8Bit());
    }

    void formatNumbers()
    {
        WavAudioFile w;
        QCOMPARE(w.format(), waveFormat(44100, 2, 16));
        QCOMPARE(w.FormatUnit(), 4);
        QCOMPARE(w.FormatDescriptor(), 44100 | (2 << 20) | (16 << 24));

        w.SetWaveFormat({48000, 2, 16});
        QCOMPARE(w.FormatDescriptor(), 0x1020BB80);
        w.SetWaveFormat({96000, 1, 24});
        QCOMPARE(w.FormatUnit(), 3);
        w.SetWaveFormat({44100, 2, 32});   // floats
        QCOMPARE(w.FormatDescriptor(), 44100 | (2 << 20) | (32 << 24));
        w.SetWaveFormat({22050, 2, 8});
        QCOMPARE(w.FormatUnit(), 2);

        const WaveFormat bad[] = {waveFormat(999, 1, 16), waveFormat(192001, 1, 16), waveFormat(44100, 0, 16),
                                  waveFormat(44100, 3, 16), waveFormat(44100, 2, 12), waveFormat(44100, 2, 20),
                                  waveFormat(44100, 2, 64)};
        for (const WaveFormat &f : bad) {
            QCOMPARE(failureNumber([&] { w.SetWaveFormat(f); }),
                     int(AudioFailure::InvalidArgument));
            QCOMPARE(w.format(), waveFormat(22050, 2, 8));
        }
    }

    void everyFormatReadsBack_data()
    {
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("bits");
        for (int rate : {8000, 11025, 16000, 22050, 24000, 32000, 44100, 48000})
            for (int channels : {1, 2})
                for (int bits : {8, 16, 24})
                    QTest::addRow("%d Hz %dch %d-bit", rate, channels, bits) << rate << channels << bits;
    }

    void everyFormatReadsBack()
    {
        QFETCH(int, rate);
        QFETCH(int, channels);
        QFETCH(int, bits);
        const WaveFormat f = waveFormat(rate, channels, bits);
        const QString file = path(QStringLiteral("fmt-%1-%2-%3.wav").arg(rate).arg(channels).arg(bits));

        WavAudioFile w;
        w.SetWaveFormat({rate, qint16(channels), bits});
        w.CreateWaveFile(file, 0);
        QByteArray all;
        // Uneven block lengths, a tenth of a second in all.
        for (int frames : {rate / 20, 1, rate / 20 - 1}) {
            const QByteArray block = noise(qint64(frames) * f.bytesPerFrame(), quint32(all.size()));
            w.WriteBlock(block);
            all += block;
        }
        w.CloseFile();
        CHECK_WAV(file, f, all);
    }

    void lifecycle()
    {
        const QString first = path(QStringLiteral("first.wav"));
        const QString second = path(QStringLiteral("second.wav"));
        const QByteArray a = noise(4000, 1), b = noise(1000, 2), c = noise(333, 3);
        const qsizetype descriptorsBefore = QDir(QStringLiteral("/proc/self/fd")).count();
        {
            WavAudioFile w;
            QVERIFY(w.OpenStatus() < 0);
            w.CloseFile();  // nothing open: nothing happens
            QCOMPARE(failureNumber([&] { w.WriteBlock(a); }), int(AudioFailure::FileNotOpen));

            w.CreateWaveFile(first, 0);
            QCOMPARE(w.OpenStatus(), 0);
            w.WriteBlock(QByteArray());
            QCOMPARE(fileSize(first), WavAudioFile::HeaderSize);
            w.WriteBlock(a);
            // A new format is for the next file; this one goes on in its own.
            w.SetWaveFormat({8000, 1, 8});
            w.WriteBlock(b);

            // A second file closes the first one properly.
            w.CreateWaveFile(second, 0);
            QCOMPARE(w.OpenStatus(), 0);
            CHECK_WAV(first, waveFormat(44100, 2, 16), a + b);
            w.WriteBlock(c);
        }  // the destructor closes the second one, pad byte included
        CHECK_WAV(second, waveFormat(8000, 1, 8), c);

        WavAudioFile w;
        w.CreateWaveFile(first, 0);  // truncates
        w.CloseFile();
        QVERIFY(w.OpenStatus() < 0);
        w.CloseFile();
        QCOMPARE(failureNumber([&] { w.WriteBlock(a); }), int(AudioFailure::FileNotOpen));
        CHECK_WAV(first, waveFormat(44100, 2, 16), QByteArray());
        QCOMPARE(QDir(QStringLiteral("/proc/self/fd")).count(), descriptorsBefore);
    }

    void createFailures()
    {
        const QString regular = path(QStringLiteral("plain-file"));
        QFile(regular).open(QIODevice::WriteOnly);
        const QString open = path(QStringLiteral("open.wav"));
        // Tests run as root, so no permission check would fail: use paths that fail for anyone.
        const struct {
            QString path;
            int error;
        } cases[] = {{path(QStringLiteral("missing/x.wav")), ENOENT},
                     {regular + QStringLiteral("/x.wav"), ENOTDIR},
                     {m_dir.path(), EISDIR},
                     {QString(), ENOENT}};
        for (const auto &c : cases) {
            WavAudioFile w;
            w.SetWaveFormat({8000, 1, 8});
            w.CreateWaveFile(open, 0);
            w.WriteBlock(noise(41, 4));
            try {
                w.CreateWaveFile(c.path, 0);
                QFAIL(qPrintable(c.path + QStringLiteral(" was created")));
            } catch (const AudioFailure &e) {
                QCOMPARE(e.number(), AudioFailure::SystemBase + c.error);
                QVERIFY2(e.description().contains(qt_error_string(c.error)), qPrintable(e.description()));
                QVERIFY2(e.description().contains(c.path), qPrintable(e.description()));
            }
            QVERIFY(w.OpenStatus() < 0);
            CHECK_WAV(open, waveFormat(8000, 1, 8), noise(41, 4));  // the previous file was completed
        }

        WavAudioFile w;
        const QString unused = path(QStringLiteral("reserved.wav"));
        QCOMPARE(failureNumber([&] { w.CreateWaveFile(unused, 1); }), int(AudioFailure::InvalidArgument));
        QVERIFY(w.OpenStatus() < 0);
        QVERIFY(!QFile::exists(unused));
    }

    void replacingAFile_keepsWhoMayReadIt()
    {
        // A private take replaced stays private; a shared one stays shared.
        const QString target = path(QStringLiteral("private.wav"));
        for (const mode_t mode : {mode_t(0600), mode_t(0640), mode_t(0664)}) {
            QFile::remove(target);
            {
                QFile f(target);
                QVERIFY(f.open(QIODevice::WriteOnly));
                f.write("earlier take");
            }
            QCOMPARE(::chmod(QFile::encodeName(target).constData(), mode), 0);
            WavAudioFile w(path(QStringLiteral("journals")));
            w.CreateWaveFile(target, 0);
            w.WriteBlock(noise(100, 3));
            w.CloseFile();
            struct stat st {};
            QCOMPARE(::stat(QFile::encodeName(target).constData(), &st), 0);
            QCOMPARE(st.st_mode & 07777, mode);
        }
    }

    void aFailedCreateLeavesTheOldFile_andOnlyOurInterruptedFilesAreRepaired_once()
    {
        const QString journals = path(QStringLiteral("journals"));
        const QString target = path(QStringLiteral("keep.wav"));
        const QByteArray old = noise(5000, 7);
        {
            QFile f(target);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(old);
        }
        auto contents = [](const QString &p) {
            QFile f(p);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        auto strays = [&] { return QDir(m_dir.path()).entryList({QStringLiteral("*.tarvell-*")}, QDir::Files); };

        // A header that cannot be written (a file size limit below it).
        struct rlimit before {};
        getrlimit(RLIMIT_FSIZE, &before);
        struct rlimit tight = before;
        tight.rlim_cur = 40;
        setrlimit(RLIMIT_FSIZE, &tight);
        WavAudioFile w(journals);
        const int failure = failureNumber([&] { w.CreateWaveFile(target, 0); });
        setrlimit(RLIMIT_FSIZE, &before);
        QCOMPARE(failure, AudioFailure::SystemBase + EFBIG);
        QCOMPARE(contents(target), old);
        QVERIFY(strays().isEmpty());

        // A recording cut off: its journal outlives it, its header lags, and
        // half a frame hangs off the end.
        w.CreateWaveFile(target, 0);
        w.WriteBlock(noise(1000, 8));
        const QStringList journalNames = QDir(journals).entryList(QDir::Files);
        QCOMPARE(journalNames.size(), 1);
        const QByteArray journal = contents(journals + QLatin1Char('/') + journalNames.first());
        w.CloseFile();
        QVERIFY(QDir(journals).entryList(QDir::Files).isEmpty());   // a clean close leaves none
        auto leaveJournal = [&](const QString &name) {
            QFile f(journals + QLatin1Char('/') + name);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(journal);
        };
        leaveJournal(journalNames.first());
        {
            QFile f(target);
            QVERIFY(f.open(QIODevice::ReadWrite));
            f.seek(76);
            f.write(QByteArray(4, '\0'));   // the data size as it was at the start
            f.seek(f.size());
            f.write("xy");
        }
        const QList<AudioFile::Recovered> found = w.RecoverInterrupted();
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.first().path, QFileInfo(target).absoluteFilePath());
        QCOMPARE(found.first().frames, 250);   // 1000 bytes of 16-bit stereo
        CHECK_WAV(target, waveFormat(44100, 2, 16), noise(1000, 8));
        QVERIFY(w.RecoverInterrupted().isEmpty());   // told once

        // Left alone: a file put in its place since, and the journal of a
        // writer that still holds its lock, whatever process number it bears.
        const QByteArray other = contents(target);
        // Moved aside, not deleted, so that the new file cannot get its inode.
        QVERIFY(QFile::rename(target, target + QStringLiteral(".old")));
        QFile f(target);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(other + "zz");
        f.close();
        leaveJournal(journalNames.first());
        leaveJournal(QStringLiteral("recording-1.journal"));
        const QString held = journals + QStringLiteral("/recording-1.journal");
        const int lock = ::open(QFile::encodeName(held).constData(), O_RDONLY | O_CLOEXEC);
        QVERIFY(lock >= 0 && ::flock(lock, LOCK_EX) == 0);
        QVERIFY(w.RecoverInterrupted().isEmpty());
        QCOMPARE(contents(target), other + "zz");
        QCOMPARE(QDir(journals).entryList(QDir::Files), QStringList{QStringLiteral("recording-1.journal")});
        // Its writer gone (the lock with it), the process number that lives
        // on no longer keeps the journal: it is judged once and goes.
        ::close(lock);
        QVERIFY(w.RecoverInterrupted().isEmpty());   // the file is not the one it names
        QVERIFY(QDir(journals).entryList(QDir::Files).isEmpty());
    }

    void aFinishedFile_isNeverRepaired_norTold()
    {
        // A journal outlives the close of an odd-sized 8-bit take, to which a
        // tagger then appends a LIST chunk: the pad byte and the tag stay what
        // they are, and nobody is told of an interruption that never was.
        const QString journals = path(QStringLiteral("journals-finished"));
        const QString target = path(QStringLiteral("tagged.wav"));
        WavAudioFile w(journals);
        w.SetWaveFormat(waveFormat(8000, 1, 8));
        w.CreateWaveFile(target, 0);
        const QString journal = QDir(journals).filePath(QDir(journals).entryList(QDir::Files).first());
        QFile saved(journal);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray journalText = saved.readAll();
        saved.close();
        w.WriteBlock(QByteArray(1001, char(0x90)));
        w.CloseFile();
        {
            QFile f(target);
            QVERIFY(f.open(QIODevice::ReadWrite));
            const QByteArray list("LIST\x0c\0\0\0INFOISFT\0\0\0\0", 20);
            f.seek(f.size());
            f.write(list);
            const quint32 riff = quint32(f.size() - 8);
            f.seek(4);
            f.write(reinterpret_cast<const char *>(&riff), 4);
        }
        QFile again(journal);
        QVERIFY(again.open(QIODevice::WriteOnly));
        again.write(journalText);
        again.close();
        QFile f(target);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray before = f.readAll();
        f.close();
        QVERIFY(w.RecoverInterrupted().isEmpty());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }

    void oddLengthGetsPadByte()
    {
        const QString file = path(QStringLiteral("odd.wav"));
        const WaveFormat f = waveFormat(11025, 1, 8);
        const QByteArray data = noise(1001, 5);
        WavAudioFile w;
        w.SetWaveFormat(f);
        w.CreateWaveFile(file, 0);
        w.WriteBlock(data.left(500));
        w.WriteBlock(data.mid(500));
        // While recording there is no pad byte yet, and the header says so.
        QCOMPARE(fileSize(file), WavAudioFile::HeaderSize + 1001);
        QCOMPARE(readRiffLayout(file).formSize, quint32(72 + 1001));
        w.CloseFile();
        CHECK_WAV(file, f, data);  // pad byte present, counted in the RIFF size only
        QFile in(file);
        QVERIFY(in.open(QIODevice::ReadOnly));
        QCOMPARE(in.readAll().back(), '\0');
    }

    void sigkillLeavesValidFile()
    {
        const QString file = path(QStringLiteral("killed.wav"));
        const WaveFormat f = waveFormat(22050, 2, 16);
        const int blockBytes = 441 * f.bytesPerFrame();
        int pipeFds[2];
        QVERIFY(::pipe(pipeFds) == 0);
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            ::close(pipeFds[0]);
            try {
                WavAudioFile w;
                w.SetWaveFormat(f);
                w.CreateWaveFile(file, 0);
                for (quint32 i = 0;; ++i) {
                    w.WriteBlock(noise(blockBytes, i));
                    if (::write(pipeFds[1], &i, sizeof i) != sizeof i)
                        ::_exit(2);
                }
            } catch (...) {
                ::_exit(3);
            }
        }
        ::close(pipeFds[1]);
        quint32 reported = 0, index = 0;
        while (reported < 200 && ::read(pipeFds[0], &index, sizeof index) == sizeof index)
            reported = index + 1;
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
        while (::read(pipeFds[0], &index, sizeof index) == sizeof index)
            reported = index + 1;
        ::close(pipeFds[0]);
        QVERIFY(reported >= 200);

        // The header covers every block reported written, and maybe the one after it.
        const RiffLayout riff = readRiffLayout(file);
        QVERIFY(riff.find("data"));
        const quint32 dataSize = riff.find("data")->size;
        QCOMPARE(riff.formSize, 72 + dataSize);
        QCOMPARE(dataSize % blockBytes, 0u);
        const quint32 blocks = dataSize / blockBytes;
        QVERIFY2(blocks >= reported && blocks <= reported + 1, qPrintable(QString::number(blocks)));
        QVERIFY(fileSize(file) >= WavAudioFile::HeaderSize + dataSize);

        QByteArray written;
        for (quint32 i = 0; i < blocks; ++i)
            written += noise(blockBytes, i);
        // A block written after the last header update may trail the data chunk: readers skip it.
        const qint64 frames = dataSize / f.bytesPerFrame();
        QCOMPARE(readWithSndfile(file).frames, frames);
        QCOMPARE(readWithPythonWave(file, 0, 0).frames, frames);
        // Without it, the file is exactly what a clean close would have left.
        QVERIFY(QFile::resize(file, WavAudioFile::HeaderSize + dataSize));
        CHECK_WAV(file, f, written);
    }

    void writeFailure_data()
    {
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("keptBytes");
        QTest::addColumn<bool>("closeFails");
        // 2 bytes of a 4-byte frame fit: the partial frame is cut off.
        QTest::newRow("16-bit stereo, partial frame") << 2 << 16 << 80 + 1002 << 1000 << false;
        // An odd data chunk exactly at the limit: no room for the pad byte, which CloseFile reports.
        QTest::newRow("8-bit mono, no room for pad") << 1 << 8 << 80 + 1001 << 1001 << true;
    }

    void writeFailure()
    {
        QFETCH(int, channels);
        QFETCH(int, bits);
        QFETCH(int, limit);
        QFETCH(int, keptBytes);
        QFETCH(bool, closeFails);
        const QString file = path(QStringLiteral("limited-%1.wav").arg(bits));
        const WaveFormat f = waveFormat(16000, channels, bits);
        const int blockBytes = 400;

        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            // SIGXFSZ at its default would kill us; the writer must cope on its own.
            ::signal(SIGXFSZ, SIG_DFL);
            const rlimit rl{rlim_t(limit), rlim_t(limit)};
            ::setrlimit(RLIMIT_FSIZE, &rl);
            WavAudioFile w;
            int code = 10;
            try {
                w.SetWaveFormat(f);
                w.CreateWaveFile(file, 0);
                for (int i = 0; i < 100; ++i)
                    w.WriteBlock(noise(blockBytes, i));
                ::_exit(11);  // the limit was never hit
            } catch (const AudioFailure &e) {
                code = e.number() == AudioFailure::SystemBase + EFBIG ? 0 : 12;
            }
            if (code != 0 || w.OpenStatus() != 0)
                ::_exit(13);
            // Still open, and a further write fails just the same.
            if (failureNumber([&] { w.WriteBlock(noise(blockBytes, 0)); }) != AudioFailure::SystemBase + EFBIG)
                ::_exit(14);
            const int closeNumber = failureNumber([&] { w.CloseFile(); });
            if (w.OpenStatus() >= 0)
                ::_exit(15);
            ::_exit(closeNumber == 0 ? 0 : closeNumber == AudioFailure::SystemBase + EFBIG ? 1 : 16);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        QVERIFY2(WIFEXITED(status), "the writer was killed, by SIGXFSZ presumably");
        QCOMPARE(WEXITSTATUS(status), closeFails ? 1 : 0);

        QByteArray written;
        for (int i = 0; written.size() < keptBytes; ++i)
            written += noise(blockBytes, i);
        written.truncate(keptBytes);
        CHECK_WAV(file, f, written, !closeFails);
    }

    void rf64PastFourGiB()
    {
        QTemporaryDir big;  // sparse files: next to nothing on disk
        const QString file = big.filePath(QStringLiteral("big.wav"));
        const WaveFormat f = waveFormat(44100, 2, 16);
        const quint64 frameBytes = f.bytesPerFrame();
        // With 4-byte frames the largest plain RIFF has a RIFF size of 0xFFFFFFFC.
        const quint64 largestRiffData = 0xFFFFFFFCull - 72;
        const QByteArray head = noise(4000, 7), tailA = noise(400, 8), tailB = noise(4, 9), tailC = noise(4002 * 4, 10);

        WavAudioFile w;
        w.CreateWaveFile(file, 0);
        QCOMPARE(failureNumber([&] { w.AppendSparseZeros(2); }), int(AudioFailure::InvalidArgument));
        w.WriteBlock(head);
        w.AppendSparseZeros(largestRiffData - head.size() - tailA.size());
        w.WriteBlock(tailA);
        QCOMPARE(w.dataBytes(), largestRiffData);

        // Just below the limit it is still a plain WAV, read as such by everyone.
        RiffLayout riff = readRiffLayout(file);
        QCOMPARE(riff.form, QByteArray("RIFF"));
        QCOMPARE(riff.formSize, 0xFFFFFFFCu);
        QCOMPARE(riff.chunks[0].id, QByteArray("JUNK"));
        QCOMPARE(riff.find("data")->size, quint32(largestRiffData));
        const qint64 framesBelow = qint64(largestRiffData / frameBytes);
        SndfileResult s = readWithSndfile(file, framesBelow - 100);
        QCOMPARE(s.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
        QCOMPARE(s.frames, framesBelow);
        QVERIFY(s.samples == pcmToShorts(tailA, 16));
        QCOMPARE(readWithSoxi(file).samples, framesBelow);
        const PythonWaveResult p = readWithPythonWave(file, framesBelow - 100, 100);
        QVERIFY2(p.ok, qPrintable(p.error));
        QCOMPARE(p.frames, framesBelow);
        QVERIFY(p.data == tailA);

        // One more frame and it becomes RF64.
        w.WriteBlock(tailB);
        QCOMPARE(readRiffLayout(file).form, QByteArray("RF64"));
        s = readWithSndfile(file, framesBelow);
        QCOMPARE(s.format, SF_FORMAT_RF64 | SF_FORMAT_PCM_16);
        QCOMPARE(s.frames, framesBelow + 1);
        QVERIFY(s.samples == pcmToShorts(tailB, 16));
        // sox 14.4 takes its sizes from ds64 too, but skips a data chunk of 4 GiB or more with
        // a 32-bit offset and then reads the whole file, a minute per call: ask it only here.
        const SoxiResult x = readWithSoxi(file);
        QVERIFY2(x.ok, qPrintable(x.error));
        QCOMPARE(x.samples, framesBelow + 1);
        w.WriteBlock(tailC);
        w.CloseFile();

        const quint64 dataBytes = largestRiffData + tailB.size() + tailC.size();
        QCOMPARE(quint64(fileSize(file)), WavAudioFile::HeaderSize + dataBytes);
        riff = readRiffLayout(file);
        QCOMPARE(riff.form, QByteArray("RF64"));
        QCOMPARE(riff.formSize, 0xFFFFFFFFu);
        QCOMPARE(riff.chunks.size(), 3);
        const Chunk &ds64 = riff.chunks[0];
        QCOMPARE(ds64.id, QByteArray("ds64"));
        QCOMPARE(ds64.size, 28u);
        QCOMPARE(le64(ds64.body, 0), quint64(fileSize(file) - 8));
        QCOMPARE(le64(ds64.body, 8), dataBytes);
        QCOMPARE(le64(ds64.body, 16), dataBytes / frameBytes);
        QCOMPARE(riff.chunks[1].id, QByteArray("fmt "));
        QCOMPARE(riff.chunks[1].size, 16u);
        QCOMPARE(riff.chunks[2].id, QByteArray("data"));
        QCOMPARE(riff.chunks[2].size, 0xFFFFFFFFu);

        const qint64 frames = qint64(dataBytes / frameBytes);
        s = readWithSndfile(file, 0, 1000);
        QVERIFY2(s.opened, qPrintable(s.error));
        QCOMPARE(s.format, SF_FORMAT_RF64 | SF_FORMAT_PCM_16);
        QCOMPARE(s.frames, frames);
        QVERIFY(s.samples == pcmToShorts(head, 16));
        const QByteArray tail = tailA + tailB + tailC;
        s = readWithSndfile(file, frames - tail.size() / 4);
        QVERIFY(s.samples == pcmToShorts(tail, 16));
    }
};

QTEST_GUILESS_MAIN(TestWavAudioFile)
#include "tst_wavaudiofile.moc"
