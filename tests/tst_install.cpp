// USES_SOUND_SERVER
// Installing: "cmake --install" into a prefix of its own puts the program, its
// help, its skin, the desktop entry and the icons where a desktop finds them,
// and the installed program starts and finds its help and skin.

#include "info/HelpWindow.h"
#include "info/Skin.h"
#include "base/PublicDim.h"
#include "base/Settings.h"
#include "support/SoundTest.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Share = QStringLiteral("/share/tarvell-recorder/");

QString readText(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The value of a key of the [Desktop Entry] group, as it is written.
QString desktopValue(const QString &entry, const QString &key)
{
    bool inGroup = false;
    for (const QString &line : entry.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('[')))
            inGroup = line.trimmed() == QLatin1String("[Desktop Entry]");
        else if (inGroup && line.startsWith(key + QLatin1Char('=')))
            return line.mid(key.size() + 1).trimmed();
    }
    return {};
}

} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

    QTemporaryDir prefix;
    QString bin() const { return prefix.path() + QStringLiteral("/bin/"); }
    QString share() const { return prefix.path() + Share; }

private slots:
    void initTestCase()
    {
        QVERIFY(prefix.isValid());
        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(QStringLiteral("cmake"), {QStringLiteral("--install"), QStringLiteral(TARVELL_BUILD_DIR),
                                                 QStringLiteral("--prefix"), prefix.path()});
        QVERIFY2(install.waitForFinished(120000), "cmake --install did not finish");
        const QByteArray log = install.readAll();
        QVERIFY2(install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0, log.constData());
    }

    void filesGoWhereADesktopLooks()
    {
        const QFileInfo program(bin() + QStringLiteral("tarvell-recorder"));
        QVERIFY(program.isFile());
        QVERIFY(program.isExecutable());

        // Every help page of the sources, and the skin with its images.
        const QDir sourceHelp(QStringLiteral(TARVELL_SOURCE_DIR "/resources/help"));
        const QStringList pages = sourceHelp.entryList(QDir::Files);
        QVERIFY(pages.contains(QStringLiteral("index.html")));
        for (const QString &page : pages) {
            const QString installed = share() + QStringLiteral("help/") + page;
            QVERIFY2(QFileInfo(installed).isFile(), qPrintable(installed));
            QCOMPARE(readText(installed), readText(sourceHelp.filePath(page)));
        }
        QCOMPARE(readText(share() + QStringLiteral("skin.cjstyles")),
                 readText(QStringLiteral(TARVELL_SOURCE_DIR "/resources/skin/skin.cjstyles")));
        for (const char *image : {"down-arrow.png", "down-arrow@2x.png", "down-arrow-disabled.png"})
            QVERIFY(!QImage(share() + QStringLiteral("skin-images/") + QLatin1String(image)).isNull());

        QVERIFY(QFileInfo(prefix.path() + QStringLiteral("/share/applications/tarvell-recorder.desktop")).isFile());

        // The icon in each size, each of that size and not blank.
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QString path = prefix.path()
                                 + QStringLiteral("/share/icons/hicolor/%1x%1/apps/tarvell-recorder.png").arg(size);
            const QImage icon(path);
            QVERIFY2(!icon.isNull(), qPrintable(path));
            QCOMPARE(icon.size(), QSize(size, size));
            QVERIFY(icon.hasAlphaChannel());
            QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);                 // round, on a clear ground
            QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255); // the record button
        }
    }

    void desktopEntryIsValidAndStartsTheProgram()
    {
        const QString path = prefix.path() + QStringLiteral("/share/applications/tarvell-recorder.desktop");
        const QString entry = readText(path);
        QCOMPARE(desktopValue(entry, QStringLiteral("Type")), QStringLiteral("Application"));
        QCOMPARE(desktopValue(entry, QStringLiteral("Name")), QStringLiteral("Tarvell Recorder"));
        QCOMPARE(desktopValue(entry, QStringLiteral("GenericName")), QStringLiteral("Sound Recorder"));
        QCOMPARE(desktopValue(entry, QStringLiteral("Categories")), QStringLiteral("AudioVideo;Audio;Recorder;"));
        QCOMPARE(desktopValue(entry, QStringLiteral("Icon")), QStringLiteral("tarvell-recorder"));
        // Exec names the installed program; the icon name matches the installed icons.
        const QString exec = desktopValue(entry, QStringLiteral("Exec"));
        QCOMPARE(exec, QStringLiteral("tarvell-recorder"));
        QVERIFY(QFileInfo(bin() + exec).isExecutable());
        // Qt tells the desktop the same name, so the window is matched to the entry.
        QCOMPARE(desktopValue(entry, QStringLiteral("StartupWMClass")), exec);

        const QString validate = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (validate.isEmpty())
            QSKIP("desktop-file-validate is not installed (package desktop-file-utils)");
        QProcess check;
        check.setProcessChannelMode(QProcess::MergedChannels);
        check.start(validate, {path});
        QVERIFY(check.waitForFinished(30000));
        const QByteArray out = check.readAll();
        QVERIFY2(check.exitCode() == 0, out.constData());
        QVERIFY2(out.trimmed().isEmpty(), out.constData());   // no warnings either
    }

    void installedProgramFindsItsHelpAndSkin()
    {
        const QString programFolder = bin();
        QCOMPARE(Help::installedFolder(programFolder), share() + QStringLiteral("help/"));
        QCOMPARE(skinFilePath(programFolder), share() + QStringLiteral("skin.cjstyles"));

        Skin skin;
        QVERIFY(skin.load(skinFilePath(programFolder)));
        // The skin's images resolve to the installed ones.
        const QString arrow = share() + QStringLiteral("skin-images/down-arrow.png");
        QVERIFY(skin.styleSheet().contains(QStringLiteral("url(\"%1\")").arg(arrow)));

        PublicDim::AppFolder = programFolder;
        QCOMPARE(UpdatePageUrl(), share() + QStringLiteral("help/update.html"));
        QCOMPARE(settingsFilePath(), QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                                         + QStringLiteral("/tarvell-recorder/setting.ini"));
        PublicDim::AppFolder.clear();
    }

    void installedProgramStarts()
    {
        REQUIRE_SOUND_SERVER();
        QTemporaryDir home;
        QVERIFY(home.isValid());
        // Settings of today, beside the program and in the configuration
        // folder (whichever it may write), so that no update question waits.
        const QByteArray settings = "WAVFreq=44100\r\nWAVChannel=2\r\nWAVBit=16\r\nPreviewIndex=2\r\nLastCheckUpdate="
                                    + QDate::currentDate().toString(QStringLiteral("yyyy-M-d")).toLatin1() + "\r\n";
        for (const QString &path : {bin() + QStringLiteral("setting.ini"),
                                    home.path() + QStringLiteral("/config/tarvell-recorder/setting.ini")}) {
            QDir().mkpath(QFileInfo(path).absolutePath());
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(settings);
        }

        QVERIFY(QDir().mkpath(home.path() + QStringLiteral("/Documents")));

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/config"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.remove(QStringLiteral("XDG_DOCUMENTS_DIR"));
        QProcess program;
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(home.path());
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(bin() + QStringLiteral("tarvell-recorder"));
        QVERIFY(program.waitForStarted(5000));
        // Running and waiting for the user (behind its wizard), not ended.
        QVERIFY2(!program.waitForFinished(2500), program.readAll().constData());
        QCOMPARE(program.state(), QProcess::Running);
        program.kill();
        program.waitForFinished(5000);
        // It got as far as making its recordings folder in the new home.
        QVERIFY(QDir(home.path() + QStringLiteral("/Documents/Wav")).exists());
    }
};

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
