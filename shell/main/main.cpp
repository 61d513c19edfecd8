// Tarvell Recorder: records what the computer can hear into WAV files.

#include "shell/ProgramIdentity.h"
#include "shell/frmCapture.h"
#include "engine/Translations.h"

#include <QApplication>

#include <csignal>
#include <cstdio>

namespace {

// Without a display Qt would abort; say what is wrong instead.
bool haveDisplay()
{
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY")
           || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char *argv[])
{
    if (!haveDisplay()) {
        std::fputs("Tarvell Recorder needs a graphical desktop: no display was found (DISPLAY and "
                   "WAYLAND_DISPLAY are not set).\n",
                   stderr);
        return 2;
    }
    // Past a file-size limit (ulimit -f) a write must fail and be reported,
    // not kill the program: libpulse's shared memory meets such a limit even
    // before the window shows, and a recording's file may meet it later.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    setProgramIdentity();
    Translations::install(app);

    frmCapture window;
    if (!window.Form_Load())
        return window.exitCode();
    return app.exec();
}
