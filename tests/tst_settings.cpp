// The settings file, the update-check question it drives, the time display and
// the user's standard folders. Runs in the en_US locale, whose short date
// "M/d/yy" has a two-digit year; "today" is fixed at 20 March 2024.

#include "base/PublicDim.h"
#include "base/Settings.h"
#include "base/modSpecialFolder.h"
#include "support/CaptureHarness.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

#include <memory>

using namespace PublicDim;

namespace {

const QString Address = QStringLiteral("https://updates.example.org/tarvell-recorder");
const QString Question = QStringLiteral("Do you want to look for a newer version of Tarvell Recorder?\n\n"
                                        "Yes opens https://updates.example.org/tarvell-recorder in your web browser.");

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

    QTemporaryDir tmp;
    std::unique_ptr<FakeDialogs> dialogs;
    std::unique_ptr<FakeShell> shell;

    QString iniPath() const { return AppFolder + QStringLiteral("setting.ini"); }
    QString configIni() const { return tmp.path() + QStringLiteral("/config/tarvell-recorder/setting.ini"); }
    void load(const QByteArray &content)
    {
        writeFile(iniPath(), content);
        LoadSettings(nullptr);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(tmp.isValid());
        QCOMPARE(QLocale::system().dateFormat(QLocale::ShortFormat), QStringLiteral("M/d/yy"));
    }

    void init()
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(tmp.path() + QStringLiteral("/config")));
        ResetForTests();
        QDir(tmp.path()).removeRecursively();
        QDir().mkpath(tmp.path() + QStringLiteral("/app"));
        AppFolder = tmp.path() + QStringLiteral("/app/");
        setTodayForTests(QDate(2024, 3, 20));
        setUpdateAddressForTests(Address);
        dialogs = std::make_unique<FakeDialogs>();
        shell = std::make_unique<FakeShell>();
    }

    void cleanup()
    {
        dialogs.reset();
        shell.reset();
        setTodayForTests({});
    }

    void loadThenSave_writesTheLinesInOrderWithCrLf()
    {
        AutoStartRecord = AutoStopRecord = true;   // left on by a window of this run
        load("previewindex=4\nLASTCHECKUPDATE= 3/15/24 \r\nwavbit=8\rWavChannel=1\r\nwAvFrEq=48000");
        QCOMPARE(dialogs->asked.size(), 0);
        QVERIFY(!AutoStartRecord && !AutoStopRecord);   // never stored, off at every start
        SaveSettings();
        QCOMPARE(readFile(iniPath()),
                 QByteArray("WAVFreq=48000\r\nWAVChannel=1\r\nWAVBit=8\r\nPreviewIndex=4\r\nLastCheckUpdate=3/15/24\r\n"
                            "FileType=wav\r\nQuality=music\r\n"));
    }

    // The type and quality are two lines after the five an older program reads
    // and writes; its file, without them, reads as WAV.
    void fileType_survivesARestart_andAnOldFileReadsAsWav()
    {
        const QList<std::pair<QByteArray, QString>> cases = {   // content, "type quality rate bits"
            {"WAVFreq=48000\r\nWAVBit=8\r\nPreviewIndex=1\r\n", "wav music 48000 8"},
            {"WAVFreq=44100\r\nWAVBit=8\r\nfiletype= FLAC\r\nQuality=best\r\n", "flac best 44100 16"},
            {"WAVFreq=44100\r\nFileType=opus\r\nQuality=speech\r\n", "opus speech 48000 16"},   // Opus has no 44.1 kHz
            {"WAVFreq=22050\r\nWAVBit=8\r\nFileType=aac\r\nQuality=loud\r\n", "wav music 22050 8"},
        };
        const auto state = [] {
            return QStringLiteral("%1 %2 %3 %4")
                .arg(fileTypes::name(WavFileType), fileTypes::qualityName(WavQuality))
                .arg(WavFormat.sampleRate)
                .arg(WavFormat.bitsPerSample);
        };
        for (const auto &[content, expected] : cases) {
            load("LastCheckUpdate=3/19/24\r\n" + content);
            QCOMPARE(state(), expected);
            SaveSettings();
            LoadSettings(nullptr);   // starts again from WAV, Music
            QCOMPARE(state(), expected);
        }
        QCOMPARE(dialogs->asked.size(), 0);
    }

    // Expected: "rate channels bits preview" after LoadSettings.
    void lines_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");
        auto row = [](const char *name, const char *content, const char *expected) {
            QTest::newRow(name) << QByteArray(content) << QString::fromLatin1(expected);
        };
        row("later line wins", "WAVFreq=8000\r\nWAVFreq=11025\r\nPreviewIndex=1\r\nPreviewIndex=0\r\n", "11025 2 16 0");
        row("blank before = is another key", "wavfreq =8000\r\nWAVBit =8\r\n", "44100 2 16 2");
        row("blanks around the number", "WAVFreq= 32000 \r\nWAVBit=\t8\r\n", "32000 2 8 2");
        row("trailing text: no number, value stays", "WAVFreq=48000\nWAVFreq=32000abc\nPreviewIndex=3x\n", "48000 2 16 2");
        row("fraction rounds half to even", "PreviewIndex=2.5\nWAVFreq=22050.5\n", "22050 2 16 2");
        row("exponent", "WAVFreq=2.205e4\nPreviewIndex=0.4e1\n", "22050 2 16 4");
        row("16-bit overflow does not wrap", "WAVChannel=2\nWAVChannel=65537\n", "44100 2 16 2");
        row("32-bit overflow", "PreviewIndex=1\nPreviewIndex=4294967297\n", "44100 2 16 1");
        row("zero and impossible take defaults", "WAVFreq=0\nWAVChannel=3\nWAVBit=12\n", "44100 2 16 2");
        row("24 bits and float kept", "WAVBit=24\nWAVBit=32\n", "44100 2 32 2");
        row("negative and zero take defaults", "WAVFreq=-44100\nWAVChannel=0\nWAVBit=0\n", "44100 2 16 2");
        row("rate below 1000, the rest missing", "WAVFreq=999\nWAVChannel=1\n", "44100 1 16 2");
        row("rate above 192000", "WAVFreq=192001\nWAVBit=8\n", "44100 2 8 2");
        row("unusual plausible rate kept", "WAVFreq=37800\n", "37800 2 16 2");
        row("rate limits kept", "WAVFreq=1000\nWAVFreq=192000\n", "192000 2 16 2");
        for (const char *preview : {"-1", "5", "2147483647", "-2147483648", "two"})   // styles are 0 to 4
            QTest::addRow("preview %s", preview) << "PreviewIndex=" + QByteArray(preview) << QStringLiteral("44100 2 16 2");
    }

    void lines()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        load(content);
        QCOMPARE(QStringLiteral("%1 %2 %3 %4")
                     .arg(WavFormat.sampleRate)
                     .arg(WavFormat.channels)
                     .arg(WavFormat.bitsPerSample)
                     .arg(PreviewIndex),
                 expected);
    }

    void missingFile_defaultsAndTheUpdateQuestion()
    {
        dialogs->answers.enqueue(Dialogs::Answer::Yes);
        LoadSettings(nullptr);
        QCOMPARE(dialogs->asked.size(), 1);
        const auto &a = dialogs->asked[0];
        QCOMPARE(a.text, Question);
        QCOMPARE(a.icon, Dialogs::Icon::Question);
        QCOMPARE(a.buttons, Dialogs::Buttons::YesNo);
        QCOMPARE(a.title.isEmpty() ? Dialogs::programTitle() : a.title, Dialogs::programTitle());
        QCOMPARE(shell->opened, QStringList{Address});
        SaveSettings();
        QCOMPARE(readFile(iniPath()),
                 QByteArray("WAVFreq=44100\r\nWAVChannel=2\r\nWAVBit=16\r\nPreviewIndex=2\r\nLastCheckUpdate=2024-3-20\r\n"
                            "FileType=wav\r\nQuality=music\r\n"));

        // No, or a question that cannot be shown, opens nothing; both count as asked.
        QFile::remove(iniPath());
        setTodayForTests(QDate(2024, 4, 20));
        LoadSettings(nullptr);
        dialogs->onAsk = [] { throw std::runtime_error("no display"); };
        LoadSettings(nullptr);
        QCOMPARE(dialogs->asked.size(), 3);
        QCOMPARE(shell->opened.size(), 1);
        QCOMPARE(LastCheckUpdate, QStringLiteral("2024-4-20"));
    }

    // A build without an update address has nothing to offer: no question,
    // whatever the date.
    void updateCheck_noAddress_neverAsks()
    {
        setUpdateAddressForTests(QString());
        load("LastCheckUpdate=2005-1-1\r\n");
        QCOMPARE(dialogs->asked.size(), 0);
        QVERIFY(shell->opened.isEmpty());
        QCOMPARE(LastCheckUpdate, QStringLiteral("2005-1-1"));
    }

    void updateCheck_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("asks");
        QTest::newRow("today") << QByteArray("3/20/24") << false;
        QTest::newRow("10 days ago") << QByteArray("3/10/24") << false;
        QTest::newRow("11 days ago") << QByteArray("3/9/24") << true;
        QTest::newRow("tomorrow") << QByteArray("3/21/24") << true;
        QTest::newRow("y-M-d 10 days ago") << QByteArray("2024-3-10") << false;
        QTest::newRow("y-M-d 11 days ago") << QByteArray("2024-3-9") << true;
        QTest::newRow("four-digit year") << QByteArray("3/10/2024") << false;
        // Written by an earlier version under another language.
        QTest::newRow("German, 10 days ago") << QByteArray("10.03.24") << false;
        QTest::newRow("French, 11 days ago") << QByteArray("09/03/2024") << true;
        QTest::newRow("first-run date") << QByteArray("2005-1-1") << true;
        QTest::newRow("empty") << QByteArray("") << true;
        QTest::newRow("unreadable, = inside") << QByteArray(" a=b ") << true;
    }

    void updateCheck()
    {
        QFETCH(QByteArray, stored);
        QFETCH(bool, asks);
        QString seen;
        dialogs->onAsk = [&] { seen = LastCheckUpdate; };
        load("LastCheckUpdate=" + stored + "\r\n");
        QCOMPARE(dialogs->count(QStringLiteral("message")), asks ? 1 : 0);
        const QString trimmed = QString::fromLatin1(stored).trimmed();
        if (asks)
            QCOMPARE(seen, trimmed.isEmpty() ? QStringLiteral("2005-1-1") : trimmed);
        QCOMPARE(LastCheckUpdate, asks ? QStringLiteral("2024-3-20") : trimmed);
    }

    void damagedContent_neverCrashesAndAlwaysGivesAUsableFormat()
    {
        QRandomGenerator rng(20240320);
        const QList<QByteArray> pieces = {"WAVFreq=", "wavchannel=", "WAVBit=", "PreviewIndex=", "LastCheckUpdate=",
                                          "=", "\r\n", "\n", "\r", QByteArray(1, '\0'), "48000", "-1", "1e999", "\xff\xfe"};
        for (int i = 0; i < 300; ++i) {
            QByteArray content;
            for (int p = rng.bounded(40); p > 0; --p) {
                const int kind = rng.bounded(20);
                if (kind < 12)
                    content += pieces[rng.bounded(pieces.size())];
                else   // random bytes, now and then a long line of them
                    content += QByteArray(rng.bounded(kind < 19 ? 64 : 100000), char(rng.bounded(256)));
            }
            load(content);
            QVERIFY2(WavFormat.sampleRate >= 1000 && WavFormat.sampleRate <= 192000,
                     content.left(200).toHex().constData());
            QVERIFY(WavFormat.channels == 1 || WavFormat.channels == 2);
            QVERIFY(WavFormat.bitsPerSample == 8 || WavFormat.bitsPerSample == 16);
        }
        // A huge file: the start is read, what lies far past it is not.
        load("WAVBit=8\r\n" + QByteArray(8 << 20, 'x') + "\r\nWAVChannel=1\r\n");
        QCOMPARE(WavFormat.bitsPerSample, 8);
        QCOMPARE(WavFormat.channels, qint16(2));
    }

    void settingsPath_fallsBackToTheConfigFolderWhereTheProgramFolderIsNotWritable()
    {
        QCOMPARE(settingsFilePath(), iniPath());

        QDir().mkdir(iniPath());   // a folder where the file should be
        QCOMPARE(settingsFilePath(), configIni());

        writeFile(tmp.path() + QStringLiteral("/plain"), "x");
        AppFolder = tmp.path() + QStringLiteral("/plain/");   // not writable even for root
        QCOMPARE(settingsFilePath(), configIni());
        WavFormat.sampleRate = 8000;
        PreviewIndex = 3;
        LastCheckUpdate = QStringLiteral("3/19/24");
        SaveSettings();
        ResetForTests();
        AppFolder = tmp.path() + QStringLiteral("/plain/");
        LoadSettings(nullptr);
        QCOMPARE(WavFormat.sampleRate, 8000);
        QCOMPARE(PreviewIndex, 3);
        QCOMPARE(dialogs->asked.size(), 0);

        // A folder in the way at the config path too: read as missing, and
        // saving leaves it alone.
        QFile::remove(configIni());
        QDir().mkdir(configIni());
        LoadSettings(nullptr);
        QCOMPARE(WavFormat.sampleRate, 44100);
        SaveSettings();
        QVERIFY(QFileInfo(configIni()).isDir());
    }

    void formatTime_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("text");
        const QList<std::pair<double, const char *>> rows = {
            {0, "00:00:00"}, {-5, "00:00:00"}, {5, "00:00:05"}, {59, "00:00:59"}, {60, "00:01:00"},
            {3599, "00:59:59"}, {3600, "01:00:00"}, {3723, "01:02:03"}, {3723.9, "01:02:04"}, {360000, "100:00:00"},
            {3600.5, "01:00:00"}, {3601.5, "01:00:02"},   // a half goes to the even second
            {59.5, "00:01:00"}, {119.7, "00:02:00"}, {3599.6, "01:00:00"},
            {std::numeric_limits<double>::quiet_NaN(), "00:00:00"}};
        for (const auto &[seconds, text] : rows)
            QTest::addRow("%g", seconds) << seconds << QString::fromLatin1(text);
    }

    void formatTime()
    {
        QFETCH(double, seconds);
        QFETCH(QString, text);
        QCOMPARE(FormatTime(seconds), text);
    }

    void specialFolders()
    {
        const QString docs = tmp.path() + QStringLiteral("/My Docs");
        QDir().mkpath(tmp.path() + QStringLiteral("/config"));
        writeFile(tmp.path() + QStringLiteral("/config/user-dirs.dirs"), "XDG_DOCUMENTS_DIR=\"" + QFile::encodeName(docs) + "\"\n");
        QCOMPARE(GetSpecialFolder(5), QString());   // named but never made
        QCOMPARE(GetDocumentsFolder(), docs + QLatin1Char('/'));   // made for the recordings
        QCOMPARE(GetSpecialFolder(5), docs + QLatin1Char('/'));
        QCOMPARE(GetSpecialFolder(-1), QString());
        QCOMPARE(GetSpecialFolder(3), QString());

        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", "/");
        const QString root = GetSpecialFolder(0x28);
        qputenv("HOME", home);
        QCOMPARE(root, QStringLiteral("//"));
    }

    // Started from a removed working folder, a file where ~/Documents should be.
    void window_startsWithoutDocumentsFromAGoneFolder_andTheStyleButtonWraps()
    {
        CaptureHarness h;
        const QString gone = h.home.path() + QStringLiteral("/gone");
        const auto back = qScopeGuard([started = QDir::currentPath()] { QDir::setCurrent(started); });
        QVERIFY(QDir().mkdir(gone) && QDir::setCurrent(gone) && QDir().rmdir(gone) && QDir(h.documents()).removeRecursively());
        writeFile(h.home.path() + QStringLiteral("/Documents"), "x");
        QVERIFY(h.load());
        QCOMPARE(WavFolder, h.home.path() + QStringLiteral("/Recordings/Wav/"));
        for (const qint32 shown : {4, std::numeric_limits<qint32>::max()}) {
            h.display->style = shown;
            QTest::mouseClick(CaptureView(*h.window).PicPreset1, Qt::LeftButton, {}, QPoint(5, 5));
            QCOMPARE(PreviewIndex, 0);
        }
    }
};

int main(int argc, char **argv)
{
    qputenv("LC_ALL", "en_US.UTF-8");   // read once, when the system locale is first asked for
    QApplication app(argc, argv);
    TestSettings test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settings.moc"
