#include "engine/StopSignals.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace {

int g_pipe[2] = {-1, -1};

void onSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[1], &byte, 1);
    errno = saved;
}

QString lastError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

StopSignals::StopSignals(std::initializer_list<int> signalNumbers, QObject *parent) : QObject(parent)
{
    if (g_pipe[0] >= 0 || ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        m_error = g_pipe[0] >= 0 ? tr("they are caught already") : lastError();
        return;
    }
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char byte;
        while (::read(g_pipe[0], &byte, 1) > 0) {
        }
        emit caught();
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : signalNumbers) {
        if (::sigaction(sig, &action, nullptr) != 0) {
            m_error = lastError();
            return;
        }
        m_signals << sig;
    }
}

StopSignals::~StopSignals()
{
    if (!m_notifier)
        return;
    // From now on these signals end the program again.
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int sig : std::as_const(m_signals))
        ::sigaction(sig, &action, nullptr);
    delete m_notifier;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}
