// A main window on the real engine that starts recording into the file named
// on its command line and then runs until it is killed: the test that kills
// it checks what a crash leaves behind.
//
//   recording_child APPFOLDER FILE.wav
//
// Answers every dialog with its default, so it never waits on one.

#include "support/CaptureHarness.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    FakeDialogs dialogs;
    frmCapture::Components c = frmCapture::Components::real();
    c.appFolder = QString::fromLocal8Bit(argv[1]);
    c.instanceLockPath = c.appFolder + QStringLiteral("/instance.lock");
    c.endProgram = [](int code) { std::exit(code); };
    frmCapture w(c);
    if (!w.Form_Load())
        return 1;
    // Shown, as a window records for a user (out of sight it writes less often).
    w.show();
    const CaptureView v(w);
    v.TextWavFile->setText(QString::fromLocal8Bit(argv[2]));
    v.CmdStart->click();
    if (w.recordingState() != RecordingState::Recording)
        return 1;
    std::puts("recording");
    std::fflush(stdout);
    return app.exec();
}
