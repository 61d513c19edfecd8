// The window's face on a take: the buttons, the questions and reports
// around it, and the status bar's account of it.

#include "recorder/RecordingControl.h"

#include "base/Dialogs.h"
#include "base/FileChoice.h"
#include "base/PublicDim.h"
#include "base/SkipOnError.h"
#include "base/TextRules.h"
#include "engine/AudioFailure.h"
#include "engine/AudioFile.h"
#include "engine/AudioRecord.h"
#include "engine/Conversation.h"
#include "engine/TakeTarget.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <utility>

namespace {

// The first sentence of the message that tells why a recording ended early.
QString stoppedBecause(const QString &why)
{
    return QCoreApplication::translate("RecordingControl", "The recording was stopped: %1").arg(why);
}

// "#,#0.#0": grouped thousands, two decimals, in the user's locale.
QString sizeText(double kb)
{
    return PublicDim::UserLocale().toString(kb, 'f', 2);
}

// A loss just noticed goes before the other warnings for this much of the
// recording; then no sound and clipping, which go on, come first again.
constexpr qint64 NewLossMs = 10000;

QString decimal(double value)
{
    return PublicDim::UserLocale().toString(value, 'f', 1);
}

// "25 s", "4 min 10 s", "1 h 2 min".
QString lengthText(qint64 ms)
{
    const qint64 s = ms / 1000;
    if (s < 60)
        return QCoreApplication::translate("RecordingControl", "%1 s").arg(s);
    if (s < 3600)
        return QCoreApplication::translate("RecordingControl", "%1 min %2 s").arg(s / 60).arg(s % 60);
    return QCoreApplication::translate("RecordingControl", "%1 h %2 min").arg(s / 3600).arg(s / 60 % 60);
}

QString timesText(qint64 n)
{
    return n == 1 ? QCoreApplication::translate("RecordingControl", "once") : QCoreApplication::translate("RecordingControl", "%1 times").arg(n);
}

} // namespace

RecordingControl::RecordingControl(const Controls &controls, QWidget *owner)
    : QObject(owner), m_controls(controls), m_owner(owner)
{
}

void RecordingControl::attach(AudioRecord &recorder, Take &take, AudioFile &file)
{
    m_rec = &recorder;
    m_take = &take;
    m_file = &file;
    connect(m_take, &Take::progressed, this, &RecordingControl::onProgress);
    connect(m_take, &Take::ended, this, &RecordingControl::onEnded);
}

RecordingState RecordingControl::state() const
{
    if (!isRecording())
        return RecordingState::NotRecording;
    return isPaused() ? RecordingState::Paused : RecordingState::Recording;
}

void RecordingControl::lockForRecording(bool recording)
{
    m_controls.stop->setEnabled(recording);
    m_controls.pause->setEnabled(recording);
    m_controls.record->setEnabled(!recording);
    m_controls.fileName->setEnabled(!recording);
    for (QWidget *w : std::as_const(m_controls.lockedWhileRecording))
        w->setEnabled(!recording);
}

void RecordingControl::unlockAfterStop()
{
    skipOnError([&] { lockForRecording(false); });
}

void RecordingControl::record()
{
    skipOnError([&] { lockForRecording(true); });
    PublicDim::WavFileName = m_controls.fileName->text();

    if (isPaused()) {
        m_take->resume();
        setPanelText(1, recordingText());
        return;
    }
    if (!isRecording()) {
        skipOnError([&] { finish(); });   // stops the monitoring capture
        skipOnError([&] { startTake(); });
    }
}

// The name's extension is the type the take is written as, and from now on
// the chosen one. A type that cannot hold the chosen rate records at the
// nearest rate it holds, if the user agrees; a take never starts in a type
// that cannot hold its rate, nor in one the writer refuses.
bool RecordingControl::chooseTypeOfName()
{
    using namespace PublicDim;
    const FileType type = typeOfName(WavFileName, WavFileType);
    WaveFormat format = WavFormat;
    if (const QString why = fileTypes::whyNot(type, format); !why.isEmpty()) {
        const QLocale locale = UserLocale();
        const qint32 nearest = fileTypes::nearestRate(type, format.sampleRate);
        if (Dialogs::instance().messageBox(m_owner,
                                           tr("%1.\nRecord at %2 Hz instead of %3 Hz?")
                                               .arg(why, locale.toString(nearest), locale.toString(format.sampleRate)),
                                           QString(), Dialogs::Icon::Question, Dialogs::Buttons::YesNo)
            != Dialogs::Answer::Yes)
            return false;
        format.sampleRate = nearest;
    }
    format.bitsPerSample = fileTypes::bitsFor(type, format.bitsPerSample);

    const WaveFormat formatBefore = WavFormat;
    const FileType typeBefore = WavFileType;
    WavFormat = format;
    WavFileType = type;
    try {
        if (m_file)
            applyRecordingChoice(*m_file);
        return true;
    } catch (const AudioFailure &failure) {
        WavFormat = formatBefore;
        WavFileType = typeBefore;
        if (m_file)
            skipOnError([&] { applyRecordingChoice(*m_file); });
        Dialogs::instance().messageBox(m_owner,
                                       tr("The recording cannot be written as %1: %2")
                                           .arg(fileTypes::displayName(type), failure.description()),
                                       tr("Error"), Dialogs::Icon::Critical, Dialogs::Buttons::Ok);
        return false;
    }
}

void RecordingControl::startTake()
{
    // No name, no recording: a blank name would make a hidden ".wav" wherever
    // the program happens to run.
    if (withoutOuterBlanks(PublicDim::WavFileName).isEmpty()) {
        Dialogs::instance().messageBox(m_owner, tr("Please input the filename"), QString(),
                                       Dialogs::Icon::Information, Dialogs::Buttons::Ok);
        abandonStart();
        return;
    }
    // A name without the extension of a type we write gets the chosen type's.
    if (const QString named = withTypeExtension(PublicDim::WavFileName, PublicDim::WavFileType);
        named != PublicDim::WavFileName) {
        PublicDim::WavFileName = named;
        m_controls.fileName->setText(named);
    }

    // Without a sound server there is nothing to record from: say so before
    // any file is touched.
    if (!valueOrSkip<bool>([&] { return m_rec->ServerConnected(); }, true)) {
        Dialogs::instance().messageBox(m_owner,
                                       tr("There is no connection to the sound server, so there is "
                                                      "nothing to record from. No file was created or changed."),
                                       tr("Error"), Dialogs::Icon::Critical, Dialogs::Buttons::Ok);
        abandonStart();
        return;
    }

    if (!chooseTypeOfName()) {
        abandonStart();
        return;
    }

    // A name the user typed or chose may hold a recording: never replace it unasked.
    if (takeTarget(PublicDim::WavFileName) == TakeTarget::NonEmptyFile
        && Dialogs::instance().messageBox(
               m_owner, tr("The file %1 already exists.\nDo you want to replace it?").arg(PublicDim::WavFileName),
               QString(), Dialogs::Icon::Question, Dialogs::Buttons::YesNo)
               != Dialogs::Answer::Yes) {
        abandonStart();
        return;
    }

    // The take starts capture first and touches the file only once there is
    // sound to put in it, so a start that fails leaves an existing file as it
    // was.
    emit takeStarting();
    const bool started = m_take->start(PublicDim::WavFileName);
    emit captureChanged();
    if (started) {
        setPanelText(1, recordingText());
        m_controls.panels[0]->setToolTip(QString());
        return;
    }

    // The failure path: tell why, then end like Stop. No file was written,
    // so there is nothing to finish, and monitoring starts again.
    Dialogs::instance().messageBox(m_owner, m_take->failureReason(), tr("Error"),
                                   Dialogs::Icon::Critical, Dialogs::Buttons::Ok);
    unlockAfterStop();
    skipOnError([&] { finish(); });
    setPanelText(3, tr("File size: ") + sizeText(0) + tr(" KB"));
    emit monitoringWanted();
}

void RecordingControl::abandonStart()
{
    unlockAfterStop();
    showIdleState();
    emit monitoringWanted();
}

void RecordingControl::pause()
{
    m_controls.record->setEnabled(true);
    m_controls.pause->setEnabled(false);
    // Everything captured up to the press goes into the file; what comes
    // after it does not, until Record resumes.
    if (isRecording()) {
        m_take->pause();
        if (!isRecording())
            return;   // the file could not take it: the take has ended, and says why
    }
    setPanelText(1, tr("Paused"));
}

void RecordingControl::stop()
{
    if (!isRecording())
        return;
    unlockAfterStop();
    skipOnError([&] { finish(); });
    emit monitoringWanted();
}

void RecordingControl::finish()
{
    if (isRecording()) {
        // Every sample captured while not paused reaches the file; onEnded
        // shows the rest.
        m_take->stop();
        return;
    }
    skipOnError([&] { m_rec->StopCapture(); });
    // Monitoring: what is left is nobody's.
    while (!valueOrSkip<QByteArray>([&] { return m_rec->GetBlock(); }, QByteArray()).isEmpty()) {
    }
    showIdleState();
}

void RecordingControl::onProgress()
{
    // Recorded time: what is in the file, the paused stretches left out.
    const qint64 recordedMs = m_take->recordedMs();
    setPanelText(2, tr("Elapsed: ") + PublicDim::FormatTime(double(recordedMs / 1000)));
    showWarnings(recordedMs);
    setPanelText(3, tr("File size: ") + sizeText(double(m_take->fileBytes()) / 1024.0) + tr(" KB"));
}

void RecordingControl::onEnded(Take::End end, const QString &reason)
{
    setPanelText(3, tr("File size: ") + sizeText(double(m_take->fileBytes()) / 1024.0) + tr(" KB"));
    if (end == Take::End::DeviceRemoved)
        m_failure = tr("The recording device was removed.");
    else if (end != Take::End::Stopped && end != Take::End::DurationReached)
        m_failure = stoppedBecause(reason);
    if (!m_failure.isEmpty() || !m_take->losses().isEmpty())
        reportEnd();
    showIdleState();
    // The next take gets a name of its own, beside this one.
    const QFileInfo taken(m_take->path());
    PublicDim::WavFileName = nextFreeTakeName(taken.absolutePath() + QLatin1Char('/'),
                                              taken.suffix().isEmpty() ? QStringLiteral("wav") : taken.suffix());
    m_controls.fileName->setText(PublicDim::WavFileName);
    // A take that ended by itself (the disk, the device, the server) leaves
    // the window as Stop does.
    if (end != Take::End::Stopped) {
        unlockAfterStop();
        emit monitoringWanted();
    }
}

void RecordingControl::reportEnd()
{
    // What ended the recording, or what it lost, and where it is; shown once
    // the recorder's event is over, not from inside it.
    const bool failed = !m_failure.isEmpty();
    QStringList text;
    if (failed)
        text << std::exchange(m_failure, QString())
             << tr("What was recorded until then is in:\n%1").arg(PublicDim::WavFileName);
    if (!m_take->losses().isEmpty()) {
        text << lossSummary();
        if (text.size() == 1)
            text << tr("Everything else is in:\n%1").arg(PublicDim::WavFileName);
    }
    QTimer::singleShot(0, m_owner, [owner = m_owner, failed, message = text.join(QStringLiteral("\n\n"))] {
        Dialogs::instance().messageBox(owner, message, failed ? tr("Error") : QString(),
                                       failed ? Dialogs::Icon::Critical : Dialogs::Icon::Warning,
                                       Dialogs::Buttons::Ok);
    });
}

void RecordingControl::setRecordingWhat(const QString &what)
{
    m_what = what;
    if (!isRecording())
        showIdleState();
}

QString RecordingControl::recordingText() const
{
    return m_what.isEmpty() ? tr("Recording...") : tr("Recording %1...").arg(m_what);
}

void RecordingControl::showIdleState()
{
    const bool connected = !m_rec || valueOrSkip<bool>([&] { return m_rec->ServerConnected(); }, true);
    setPanelText(1, !connected ? tr("No sound server") : m_what.isEmpty() ? tr("Ready to record") : tr("Ready to record %1").arg(m_what));
    m_controls.panels[0]->setToolTip(connected ? QString()
                                               : tr("There is no connection to the sound server (PulseAudio "
                                                                "or PipeWire). The lists fill and monitoring starts again "
                                                                "as soon as it answers."));
    if (connected)
        showLastTakeWarnings();
}

void RecordingControl::setPanelText(int panel, const QString &text)
{
    if (panel < 1 || panel > 3)
        return;
    QString shown = text;
    // While a warning widens panel 1, the time goes without its label.
    if (const QString label = tr("Elapsed: "); panel == 2 && m_panelWide && shown.startsWith(label))
        shown.remove(0, label.size());
    // Most ticks set the same texts again: a label given a text lays out
    // the status bar and repaints, so only a change is passed on.
    QLabel *target = m_controls.panels[panel - 1];
    if (target->text() == shown)
        return;
    target->setText(shown);
    if (panel == 1)
        fitPanels();
    else if (!m_panelsPinned)
        pinPanels();
}

void RecordingControl::pinPanels()
{
    // A label given a new text asks its parent to lay out again unless its
    // size is fixed: the time and the file size change with every tick, so
    // the panels keep the widths the status bar gave them until panel 1
    // needs another (fitPanels).
    QWidget *bar = m_controls.panels[0]->parentWidget();
    if (!bar || !bar->isVisible() || !bar->layout())
        return;
    bar->layout()->activate();
    for (QLabel *panel : m_controls.panels)
        panel->setFixedSize(panel->size());
    m_panelsPinned = true;
}

QString RecordingControl::panelText(int panel) const
{
    return panel >= 1 && panel <= 3 ? m_controls.panels[panel - 1]->text() : QString();
}

void RecordingControl::showWarnings(qint64 recordedMs)
{
    const SignalWatch &watch = m_take->watch();
    const qint64 windowS = SignalWatch::ClipWindowMs / 1000;
    QStringList tip;

    // A conversation's sources are watched each alone: a silent microphone
    // deserves a warning while the other side talks.
    QList<std::pair<QString, const SignalWatch *>> watched{{QString(), &watch}};
    if (m_conversation)
        watched = {{m_conversation->sourceName(Conversation::First), &m_conversation->watch(Conversation::First)},
                   {m_conversation->sourceName(Conversation::Second), &m_conversation->watch(Conversation::Second)}};
    QString noSound;
    for (const auto &[name, w] : watched) {
        if (!w->noSound())
            continue;
        const QString since = PublicDim::FormatTime(double((w->watchedMs() - w->quietMs()) / 1000));
        if (name.isEmpty()) {
            noSound = tr("No sound for %1 s: check the Source").arg(SignalWatch::NoSoundAfterMs / 1000);
            tip << tr("No sound for %1, since %2: everything is below %3 dBFS. Check the Source, its "
                      "Volume, and that something plays into it.")
                       .arg(lengthText(w->quietMs()), since)
                       .arg(SignalWatch::NoSoundBelowDbfs);
            continue;
        }
        if (noSound.isEmpty())
            noSound = tr("No sound from %1 for %2 s").arg(name).arg(SignalWatch::NoSoundAfterMs / 1000);
        tip << tr("No sound from %1 for %2, since %3: everything is below %4 dBFS. Check it, its volume, "
                  "and that something plays into it.")
                   .arg(name, lengthText(w->quietMs()), since)
                   .arg(SignalWatch::NoSoundBelowDbfs);
    }

    QString clipping;
    if (const int recent = watch.recentClips(); recent > 0) {
        clipping = tr("Clipping: %1 in %2 s").arg(timesText(recent)).arg(windowS);
        tip << tr("Clipping: the sound reached full scale %1 in the last %2 s (%3 since the start) "
                              "and is distorted there. Lower the Volume.")
                   .arg(timesText(recent))
                   .arg(windowS)
                   .arg(watch.summary().clips);
    }

    QString loss;
    bool newLoss = false;
    if (!m_take->losses().isEmpty()) {
        const Take::Loss &l = m_take->losses().last();
        const qint64 atMs = m_take->framesToMs(l.atFrame);
        loss = tr("%1 s lost at %2")
                   .arg(decimal(m_take->framesToMs(l.frames()) / 1000.0), PublicDim::FormatTime(double(atMs / 1000)));
        newLoss = recordedMs - atMs < NewLossMs;
        tip << lossSummary();
    }

    // An application's recording whose application has gone quiet: nothing
    // is recorded until it plays again, which comes before everything else.
    QString waiting;
    if (const QString app = m_take->waitingFor(); !app.isEmpty()) {
        waiting = tr("Waiting for %1...").arg(app);
        tip.prepend(tr("%1 has stopped playing. The recording goes on when it plays again; nothing else "
                                   "is recorded meanwhile. Stop ends the recording.")
                        .arg(app));
    }
    // The other side of a conversation that has gone quiet or gone: the
    // take goes on with the first source, and its half is silent meanwhile.
    if (m_conversation && waiting.isEmpty()) {
        const QString first = m_conversation->sourceName(Conversation::First);
        const QString second = m_conversation->sourceName(Conversation::Second);
        if (const QString app = m_conversation->secondWaitingFor(); !app.isEmpty()) {
            waiting = tr("Waiting for %1...").arg(app);
            tip.prepend(tr("%1 has stopped playing. Its side is silent until it plays again; %2 is "
                           "recorded meanwhile. Stop ends the recording.")
                            .arg(app, first));
        } else if (const QString why = m_conversation->secondFailure(); !why.isEmpty()) {
            waiting = tr("%1 is no longer recorded").arg(second);
            tip.prepend(tr("%1 is no longer recorded (%2): its side is silent from then on; %3 is still "
                           "recorded.")
                            .arg(second, why, first));
        }
    }

    // Panel 1 shows one: waiting for the application, sound lost just now,
    // else no sound, else clipping, else the last loss; the tooltip lists
    // them all.
    QString shown = recordingText();
    for (const QString &text : {waiting, newLoss ? loss : QString(), noSound, clipping, loss}) {
        if (!text.isEmpty()) {
            shown = text;
            break;
        }
    }
    setPanelText(1, shown);
    const QString tipText = tip.join(QLatin1Char('\n'));
    if (m_controls.panels[0]->toolTip() != tipText)
        m_controls.panels[0]->setToolTip(tipText);
}

void RecordingControl::fitPanels()
{
    // Panels 1 and 2 were made for short texts. A longer one in panel 1 (a
    // warning must be read whole) takes the room panel 2 can spare: its time
    // then goes without the "Elapsed:" label.
    QLabel *first = m_controls.panels[0], *second = m_controls.panels[1];
    if (m_panelWidth == 0)
        m_panelWidth = first->minimumWidth();
    if (m_panelsPinned) {
        for (QLabel *panel : m_controls.panels) {
            panel->setMinimumSize(0, panel->height());
            panel->setMaximumSize(QWIDGETSIZE_MAX, panel->height());
        }
        m_panelsPinned = false;
    }
    first->setMinimumWidth(0);   // else the hint is at least the minimum
    const int needed = first->sizeHint().width();
    const bool wide = needed > m_panelWidth;
    m_panelWide = wide;
    first->setMinimumWidth(wide ? needed : m_panelWidth);
    second->setMinimumWidth(wide ? 0 : m_panelWidth);
    const QString label = tr("Elapsed: ");
    const QString elapsed = second->text();
    if (wide && elapsed.startsWith(label))
        second->setText(elapsed.mid(label.size()));
    else if (!wide && !elapsed.startsWith(label.trimmed()))
        second->setText(label + elapsed);
    pinPanels();
}

void RecordingControl::showLastTakeWarnings()
{
    if (!m_take)
        return;
    const SignalWatch::Summary s = m_take->watch().summary();
    if (!s.any() && m_take->losses().isEmpty())
        return;
    qint64 lostMs = 0;
    for (const Take::Loss &l : m_take->losses())
        lostMs += m_take->framesToMs(l.frames());

    QStringList brief, full;
    if (s.noSoundStretches > 0) {
        brief << tr("%1 silent").arg(lengthText(s.noSoundMs));
        full << tr("no sound for %1").arg(lengthText(s.noSoundMs))
                    + (s.noSoundStretches > 1 ? tr(" in all (%1 stretches)").arg(s.noSoundStretches)
                                              : QString());
    }
    if (s.clips > 0) {
        brief << (s.clips == 1 ? tr("1 clip") : tr("%1 clips").arg(s.clips));
        full << tr("clipped %1").arg(timesText(s.clips));
    }
    if (lostMs > 0) {
        brief << tr("%1 s lost").arg(decimal(lostMs / 1000.0));
        full << tr("%1 s of sound lost").arg(decimal(lostMs / 1000.0));
    }
    setPanelText(1, tr("Last take: ") + brief.join(QStringLiteral(", ")));
    m_controls.panels[0]->setToolTip(tr("Last recording: %1.").arg(full.join(QStringLiteral(", "))));
}

QString RecordingControl::lossSummary() const
{
    QStringList each;
    qint64 total = 0;
    for (const Take::Loss &l : m_take->losses()) {
        const qint64 lengthMs = m_take->framesToMs(l.frames());
        each << tr("%1 s at %2")
                    .arg(PublicDim::UserLocale().toString(lengthMs / 1000.0, 'f', 1))
                    .arg(PublicDim::FormatTime(double(m_take->framesToMs(l.atFrame) / 1000)));
        total += lengthMs;
    }
    if (each.isEmpty())
        return {};
    return tr("Sound was lost during this recording: %1 (%2 s in all).")
        .arg(each.join(QStringLiteral(", ")))
        .arg(PublicDim::UserLocale().toString(total / 1000.0, 'f', 1));
}
