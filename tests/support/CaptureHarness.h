#pragma once

// The main window built from doubles, in a home folder of its own.

#include "base/PublicDim.h"
#include "shell/frmCapture.h"
#include "wizard/frmWizard.h"
#include "support/FakeAudio.h"
#include "support/CaptureView.h"
#include "support/FakeDialogs.h"

#include <QDir>
#include <QTemporaryDir>

#include <memory>

struct CaptureHarness
{
    QTemporaryDir home;
    FakeDialogs dialogs;
    FakeShell shell;
    FakeRecorder *rec = nullptr;
    FakeFile *file = nullptr;
    FakeDisplay *display = nullptr;
    FakePlayer *player = nullptr;
    // The engine's recorder and file writer when the window is built on them.
    AudioRecord *realRecord = nullptr;
    AudioFile *realFile = nullptr;
    QList<int> endCodes;
    std::unique_ptr<frmCapture> window;
    // Runs on the recorder right after it is made, before the load step uses it.
    std::function<void(FakeRecorder &)> setUpRecorder = [](FakeRecorder &r) {
        r.devices = {{QStringLiteral("Card A"), true,
                      {{QStringLiteral("Microphone")}, {QStringLiteral("Stereo Mix (Card A)")}}, 1}};
    };
    // Makes each media player double (the main window's, the Wav Player's);
    // a test may hand in one of its own kind.
    std::function<FakePlayer *(QWidget *parent)> makePlayer = [](QWidget *parent) { return new FakePlayer(parent); };

    QString appFolder() const { return home.path() + QStringLiteral("/app/"); }
    QString documents() const { return home.path() + QStringLiteral("/Documents/"); }

    CaptureHarness()
    {
        PublicDim::ResetForTests();
        qputenv("HOME", home.path().toLocal8Bit());
        qunsetenv("XDG_DOCUMENTS_DIR");
        qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit());
        QDir().mkpath(appFolder());
        QDir().mkpath(documents());
    }

    // A settings file whose last update check was today: no question at start.
    void writeSettings(const QString &format = QStringLiteral("WAVFreq=48000\r\nWAVChannel=2\r\nWAVBit=16\r\n"))
    {
        QFile f(appFolder() + QStringLiteral("setting.ini"));
        f.open(QIODevice::WriteOnly);
        f.write((format + QStringLiteral("PreviewIndex=2\r\nLastCheckUpdate=")
                 + QDate::currentDate().toString(QStringLiteral("yyyy-M-d")) + QStringLiteral("\r\n"))
                    .toLatin1());
    }

    frmCapture::Components components()
    {
        frmCapture::Components c;
        c.makeRecorder = [this] {
            auto r = std::make_unique<FakeRecorder>();
            rec = r.get();
            setUpRecorder(*r);
            return r;
        };
        c.makeFile = [this] {
            auto f = std::make_unique<FakeFile>();
            file = f.get();
            return f;
        };
        c.makeDisplay = [this](QWidget *parent) -> AudioDisplay * {
            display = new FakeDisplay(parent);
            return display;
        };
        c.makePlayer = [this](QWidget *parent) -> MediaPlayer * {
            player = makePlayer(parent);
            return player;
        };
        c.appFolder = appFolder();
        c.instanceLockPath = home.path() + QStringLiteral("/instance.lock");
        c.endProgram = [this](int code) { endCodes << code; };
        return c;
    }

    // The real engine, player and display, in this harness's folders.
    frmCapture::Components realComponents()
    {
        frmCapture::Components c = frmCapture::Components::real();
        c.makeRecorder = [this, make = c.makeRecorder] {
            auto r = make();
            realRecord = r.get();
            return r;
        };
        c.makeFile = [this, make = c.makeFile] {
            auto f = make();
            realFile = f.get();
            return f;
        };
        const frmCapture::Components doubles = components();
        c.appFolder = doubles.appFolder;
        c.instanceLockPath = doubles.instanceLockPath;
        c.endProgram = doubles.endProgram;
        return c;
    }

    bool load()
    {
        window = std::make_unique<frmCapture>(components());
        return window->Form_Load();
    }

    // Loads, then closes the record wizard that every start opens, which
    // brings the main window back.
    bool loadPastWizard()
    {
        if (!load())
            return false;
        if (frmWizard *wizard = window->wizardWindow())
            wizard->close();
        return window->isVisible();
    }
};

// The main window on the real engine, player and display, with dialogs still
// answered by the test.
struct RealWindow
{
    CaptureHarness h;
    std::unique_ptr<frmCapture> w;

    explicit RealWindow(const QString &format = QStringLiteral("WAVFreq=48000\r\nWAVChannel=2\r\nWAVBit=16\r\n"))
    {
        h.writeSettings(format);
        w = std::make_unique<frmCapture>(h.realComponents());
    }
    bool load() { return w->Form_Load(); }
    bool loadPastWizard()
    {
        if (!load())
            return false;
        if (frmWizard *wizard = w->wizardWindow())
            wizard->close();
        return true;
    }
    frmWizard *wizard() const { return w->wizardWindow(); }
    AudioRecord *record() const { return h.realRecord; }
    AudioFile *file() const { return h.realFile; }
};
