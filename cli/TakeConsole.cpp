#include "cli/TakeConsole.h"

#include "cli/Arguments.h"
#include "engine/AudioRecord.h"
#include "engine/Conversation.h"
#include "engine/LevelMath.h"
#include "engine/StopSignals.h"
#include "engine/Take.h"
#include "engine/TakeTarget.h"

#include <QCoreApplication>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <tuple>
#include <utility>

#include <sys/ioctl.h>
#include <unistd.h>

namespace cli {

namespace {

constexpr int MeterWidth = 10;

// What each end of a take, in the order of Take::End, makes of the exit code,
// and how it is told: %1 is the engine's reason, or the device's name for a
// device that went away.
const std::pair<int, const char *> Ends[] = {
    {Recorded, nullptr}, {Recorded, nullptr}, {DeviceRemoved, QT_TRANSLATE_NOOP("tarvell-rec", "the device %1 was removed while recording")},
    {ServerLost, QT_TRANSLATE_NOOP("tarvell-rec", "the sound server went away while recording (%1)")},
    {CaptureFailed, QT_TRANSLATE_NOOP("tarvell-rec", "the capture stopped: %1")}, {CannotWrite, "%1"}};
static_assert(std::size(Ends) == size_t(Take::End::CannotWrite) + 1);

// "0:01:23.4"
QString clockText(qint64 ms)
{
    const qint64 tenths = ms / 100;
    return QString::asprintf("%lld:%02lld:%02lld.%lld", tenths / 36000, tenths / 600 % 60, tenths / 10 % 60,
                             tenths % 10);
}

// "940 KB", "12.3 MB", in units of 1024 as the window counts.
QString sizeText(qint64 bytes)
{
    const double kb = double(bytes) / 1024.0;
    return kb < 1024 ? QString::asprintf("%.0f KB", kb) : QString::asprintf("%.1f MB", kb / 1024.0);
}

// "L [######----] -12.3"; the peak is 0 .. 32767.
QString meter(char label, int peak)
{
    const double db = LevelMath::peakDbfs(peak);
    const int filled = int(LevelMath::meterFraction(db) * MeterWidth + 0.5);
    const QString value = peak > 0 ? QString::asprintf("%5.1f", db) : QStringLiteral(" -inf");
    return QStringLiteral("%1 [%2%3] %4")
        .arg(QLatin1Char(label))
        .arg(QString(filled, QLatin1Char('#')), QString(MeterWidth - filled, QLatin1Char('-')), value);
}

} // namespace

void write(std::FILE *to, const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), to);
    std::fflush(to);
}

void say(const QString &text)
{
    write(stderr, "tarvell-rec: " + text.toUtf8() + '\n');
}

int refuse(int exit, const QString &text)
{
    say(text);
    return exit;
}

QByteArray listFormats()
{
    QByteArray out;
    for (FileType type : fileTypes::All) {
        QStringList rates;
        for (qint32 rate : fileTypes::ratesHeld(type))
            rates << QString::number(rate);
        QStringList depths;   // 32: floats
        for (qint32 bits : {8, 16, 24, 32})
            if (fileTypes::bitsFor(type, bits) == bits)
                depths << QString::number(bits);
        out += QStringList{fileTypes::name(type), fileTypes::extension(type), rates.join(QLatin1Char(' ')),
                           fileTypes::displayName(type), depths.join(QLatin1Char(' '))}
                   .join(QLatin1Char('\t'))
                   .toUtf8()
               + '\n';
    }
    return out;
}

int checkTarget(const Options &o)
{
    const QString path = withTypeExtension(o.file, o.type);
    for (const QString &name : {o.file, path})
        if (takeTarget(name) == TakeTarget::Folder)
            return refuse(CannotCreate,
                          QCoreApplication::translate("tarvell-rec", "%1: is a folder; give the name of a file to record into").arg(name));
    if (takeTarget(path) == TakeTarget::NonEmptyFile && !o.force)
        return refuse(FileExists, QCoreApplication::translate("tarvell-rec", "%1: exists; give --force to replace it").arg(path));
    return Recorded;
}

TakeConsole::TakeConsole(AudioRecord &rec, Take &take, bool showProgress, const Conversation *conversation)
    : m_rec(rec), m_take(take), m_showProgress(showProgress), m_conversation(conversation)
{
    if (conversation)
        followConversation();
    try {
        m_deviceName = rec.DeviceName();
    } catch (...) {
    }
    // The meters show the peaks since the line was last drawn.
    connect(&rec, &AudioRecord::Timer, this, [this](qint32, qint32 left, qint32 right) {
        m_peakLeft = std::max(m_peakLeft, int(left));
        m_peakRight = std::max(m_peakRight, int(right));
    });
    connect(&m_take, &Take::progressed, this, [this] { drawProgress(false); });
    connect(&m_take, &Take::lossFound, this, [this](const Take::Loss &loss) {
        if (!m_showProgress)
            return;   // said in one line at the end
        QStringList what;
        if (loss.notReadFrames > 0)
            what << QCoreApplication::translate("tarvell-rec", "%1 not read in time").arg(secondsText(loss.notReadFrames));
        if (loss.leftOutFrames > 0)
            what << QCoreApplication::translate("tarvell-rec", "%1 the server left out (silence in its place)").arg(secondsText(loss.leftOutFrames));
        sayApart(QCoreApplication::translate("tarvell-rec", "sound lost at %1: %2").arg(secondsText(loss.atFrame), what.join(QStringLiteral(", "))));
    });
    // An application's sound that stopped: the take waits for its next.
    connect(&m_take, &Take::waitingChanged, this, [this](const QString &application) {
        if (!m_showProgress && !application.isEmpty())
            say(QCoreApplication::translate("tarvell-rec", "%1: %2 stopped playing at %3; waiting for its next sound")
                    .arg(m_take.path(), application, secondsText(m_take.framesWritten())));
        drawProgress(true);
    });
    connect(&m_take, &Take::ended, this, &TakeConsole::onEnded);
    // The sound's warnings, as they start (and the sound's return); the last
    // place left open in each is where in the take the watch saw it happen,
    // which may be before the take told of it.
    const std::tuple<void (Take::*)(), qint64 (SignalWatch::*)() const, QString> edges[] = {
        {&Take::noSoundBegan, &SignalWatch::noSoundReachedAt,
         QCoreApplication::translate("tarvell-rec", "no sound at %3: everything below %1 dBFS for %2 s; check the line and its volume")
             .arg(SignalWatch::NoSoundBelowDbfs)
             .arg(SignalWatch::NoSoundAfterMs / 1000)},
        {&Take::soundReturned, &SignalWatch::soundReturnedAt, QCoreApplication::translate("tarvell-rec", "sound again at %1")},
        {&Take::clippingBegan, &SignalWatch::clippingBeganAt,
         QCoreApplication::translate("tarvell-rec", "clipping at %1: samples at full scale; lower the line's volume")}};
    for (const auto &[edge, place, text] : edges)
        connect(&m_take, edge, this, [this, place = place, text = text] {
            const qint64 at = (m_take.watch().*place)();
            sayApart(text.arg(secondsText(at >= 0 ? at : m_take.framesWritten())));
        });
}

// What happens to one of the two sources is said with its name.
void TakeConsole::followConversation()
{
    const Conversation *c = m_conversation;
    const auto at = [this] { return secondsText(m_take.framesWritten()); };
    connect(c, &Conversation::noSoundBegan, this, [this, c, at](Conversation::Source source) {
        sayApart(QCoreApplication::translate("tarvell-rec", "no sound from %1 at %2 for %3 s").arg(c->sourceName(source), at()).arg(SignalWatch::NoSoundAfterMs / 1000));
    });
    connect(c, &Conversation::secondWaitingChanged, this, [this, c, at](const QString &application) {
        if (!application.isEmpty())
            sayApart(QCoreApplication::translate("tarvell-rec", "%1 stopped playing at %2; its half is silent until its next sound").arg(application, at()));
    });
    connect(c, &Conversation::secondFailed, this, [this, c, at](const QString &reason) {
        sayApart(QCoreApplication::translate("tarvell-rec", "%1 is no longer recorded (%2); its half is silent from %3 on").arg(c->sourceName(Conversation::Second), reason, at()));
    });
}

int TakeConsole::start(const Options &o)
{
    const auto *stopSignals = new StopSignals({SIGINT, SIGTERM, SIGHUP}, this);
    if (!stopSignals->error().isEmpty())
        return refuse(CaptureFailed, QCoreApplication::translate("tarvell-rec", "cannot catch Ctrl+C: %1").arg(stopSignals->error()));
    connect(stopSignals, &StopSignals::caught, &m_take, &Take::stop);
    m_take.setDurationMs(o.durationMs.value_or(0));
    if (m_take.start(withTypeExtension(o.file, o.type))) {
        if (const qint32 from = m_rec.convertedFromRate(); from > 0)
            say(QCoreApplication::translate("tarvell-rec", "the device runs at %1 Hz; converting to %2 Hz").arg(from).arg(m_take.format().sampleRate));
        if (const Conversation *c = m_conversation; c && m_showProgress)
            say(c->layout() == Conversation::Layout::Split
                    ? QCoreApplication::translate("tarvell-rec", "recording %1 in the left channel and %2 in the right").arg(c->sourceName(Conversation::First), c->sourceName(Conversation::Second))
                    : QCoreApplication::translate("tarvell-rec", "recording %1 and %2 mixed").arg(c->sourceName(Conversation::First), c->sourceName(Conversation::Second)));
        m_sinceDrawn.start();
        drawProgress(true);
        return Recorded;
    }
    if (m_take.startFailure() == Take::StartFailure::CannotCreate)
        return refuse(CannotCreate, m_take.failureReason());
    return refuse(m_take.startFailure() == Take::StartFailure::NoServer ? NoServer : CaptureFailed,
                  QCoreApplication::translate("tarvell-rec", "cannot record from %1: %2").arg(m_deviceName, m_take.failureReason()));
}

void TakeConsole::onEnded()
{
    clearProgress();
    const QString path = m_take.path();
    const QString recorded = secondsText(m_take.framesWritten());
    const auto [exit, told] = Ends[int(m_take.howEnded())];
    if (exit != Recorded) {
        const QString why = QCoreApplication::translate("tarvell-rec", told).arg(m_take.howEnded() == Take::End::DeviceRemoved ? m_deviceName : m_take.endReason());
        // The writer's reasons name the file already; the others do not.
        const QString where = why.contains(path) ? QString() : path + QStringLiteral(": ");
        say(QCoreApplication::translate("tarvell-rec", "%1%2; the file holds the %3 recorded until then").arg(where, why, recorded));
    } else if (m_showProgress) {
        write(stderr, QCoreApplication::translate("tarvell-rec", "Recorded %1 into %2 (%3)\n")
                          .arg(recorded, path, sizeText(m_take.fileBytes()))
                          .toUtf8());
    }
    if (const qint64 lost = m_take.lostFrames(); lost > 0 && !m_showProgress)
        say(QCoreApplication::translate("tarvell-rec", "%1: %2 of sound was lost while recording").arg(path, secondsText(lost)));
    if (const qint64 lost = m_conversation ? m_conversation->secondLostFrames() : 0; lost > 0)
        say(QCoreApplication::translate("tarvell-rec", "%1: %2 of the sound of %3 was lost while recording").arg(path, secondsText(lost), m_conversation->sourceName(Conversation::Second)));
    if (const SignalWatch::Summary s = m_take.watch().summary(); s.any()) {
        QStringList what;
        if (s.noSoundStretches > 0)
            what << QCoreApplication::translate("tarvell-rec", "no sound for %1 s").arg(double(s.noSoundMs) / 1000, 0, 'f', 1)
                        + (s.noSoundStretches > 1 ? QCoreApplication::translate("tarvell-rec", " in all") : QString());
        if (s.clips > 0)
            what << (s.clips == 1 ? QCoreApplication::translate("tarvell-rec", "clipped once") : QCoreApplication::translate("tarvell-rec", "clipped %1 times").arg(s.clips));
        say(QStringLiteral("%1: %2").arg(path, what.join(QStringLiteral(", "))));
    }
    QCoreApplication::exit(exit);
}

QString TakeConsole::secondsText(qint64 frames) const
{
    return QString::number(double(frames) / m_take.format().sampleRate, 'f', 3) + QStringLiteral(" s");
}

void TakeConsole::sayApart(const QString &text)
{
    clearProgress();
    say(text);
}

void TakeConsole::drawProgress(bool now)
{
    if (!m_showProgress || !m_take.isOpen() || (!now && m_sinceDrawn.elapsed() < TickMs - TickMs / 4))
        return;
    m_sinceDrawn.restart();
    const SignalWatch &watch = m_take.watch();
    QString line = QStringLiteral("REC %1  %2  ")
                       .arg(clockText(m_take.recordedMs()), sizeText(m_take.fileBytes()));
    // The warnings before the meters: a narrow terminal cuts the end of the line.
    if (watch.noSound())
        line += QCoreApplication::translate("tarvell-rec", "NO SOUND %1 s  ").arg(watch.quietMs() / 1000);
    if (const int clips = watch.recentClips(); clips > 0)
        line += QCoreApplication::translate("tarvell-rec", "CLIPPING %1 in %2 s  ").arg(clips).arg(SignalWatch::ClipWindowMs / 1000);
    if (m_take.format().channels == 2)
        line += meter('L', m_peakLeft) + QStringLiteral("  ") + meter('R', m_peakRight);
    else
        line += meter('M', m_peakLeft);
    line += QStringLiteral(" dBFS");
    if (!m_take.waitingFor().isEmpty())
        line += QCoreApplication::translate("tarvell-rec", "  waiting for %1").arg(m_take.waitingFor());
    if (const qint64 lost = m_take.lostFrames(); lost > 0)
        line += QCoreApplication::translate("tarvell-rec", "  lost %1").arg(secondsText(lost));
    winsize terminal{};
    const bool known = ::ioctl(STDERR_FILENO, TIOCGWINSZ, &terminal) == 0 && terminal.ws_col > 0;
    line.truncate((known ? terminal.ws_col : 80) - 1);
    write(stderr, "\r" + line.toUtf8() + "\033[K");
    m_progressShown = true;
    m_peakLeft = m_peakRight = 0;
}

void TakeConsole::clearProgress()
{
    if (m_progressShown)
        write(stderr, "\r\033[K");
    m_progressShown = false;
}

} // namespace cli
