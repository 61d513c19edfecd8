// What the status bar says about the sound of a recording: no sound, clipping
// and sound lost, as it happens; after Stop, what the last recording had.
// Nothing here opens a dialog (the loss report after Stop is
// reportRecordingEnd's).

#include "base/PublicDim.h"
#include "base/SkipOnError.h"
#include "engine/SignalWatch.h"
#include "shell/frmCapture.h"

#include <QLabel>

namespace {

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
        return QStringLiteral("%1 s").arg(s);
    if (s < 3600)
        return QStringLiteral("%1 min %2 s").arg(s / 60).arg(s % 60);
    return QStringLiteral("%1 h %2 min").arg(s / 3600).arg(s / 60 % 60);
}

QString timesText(qint64 n)
{
    return n == 1 ? QStringLiteral("once") : QStringLiteral("%1 times").arg(n);
}

} // namespace

void frmCapture::showRecordingWarnings(qint64 recordedMs)
{
    const SignalWatch &watch = m_take->watch();
    const qint64 windowS = SignalWatch::ClipWindowMs / 1000;
    QStringList tip;

    QString noSound;
    if (watch.noSound()) {
        noSound = QStringLiteral("No sound for %1 s: check the Source").arg(SignalWatch::NoSoundAfterMs / 1000);
        tip << QStringLiteral("No sound for %1, since %2: everything is below %3 dBFS. Check the Source, its "
                              "Volume, and that something plays into it.")
                   .arg(lengthText(watch.quietMs()),
                        PublicDim::FormatTime(double((watch.watchedMs() - watch.quietMs()) / 1000)))
                   .arg(SignalWatch::NoSoundBelowDbfs);
    }

    QString clipping;
    if (const int recent = watch.recentClips(); recent > 0) {
        clipping = QStringLiteral("Clipping: %1 in %2 s").arg(timesText(recent)).arg(windowS);
        tip << QStringLiteral("Clipping: the sound reached full scale %1 in the last %2 s (%3 since the start) "
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
        loss = QStringLiteral("%1 s lost at %2")
                   .arg(decimal(m_take->framesToMs(l.frames()) / 1000.0), PublicDim::FormatTime(double(atMs / 1000)));
        newLoss = recordedMs - atMs < NewLossMs;
        tip << lossSummary();
    }

    // An application's recording whose application has gone quiet: nothing
    // is recorded until it plays again, which comes before everything else.
    QString waiting;
    if (const QString app = m_take->waitingFor(); !app.isEmpty()) {
        waiting = QStringLiteral("Waiting for %1...").arg(app);
        tip.prepend(QStringLiteral("%1 has stopped playing. The recording goes on when it plays again; nothing else "
                                   "is recorded meanwhile. Stop ends the recording.")
                        .arg(app));
    }

    // Panel 1 shows one: waiting for the application, sound lost just now,
    // else no sound, else clipping, else the last loss; the tooltip lists
    // them all.
    QString shown = QStringLiteral("Recording...");
    for (const QString &text : {waiting, newLoss ? loss : QString(), noSound, clipping, loss}) {
        if (!text.isEmpty()) {
            shown = text;
            break;
        }
    }
    setPanelText(1, shown);
    const QString tipText = tip.join(QLatin1Char('\n'));
    if (StatusPanel[0]->toolTip() != tipText)
        StatusPanel[0]->setToolTip(tipText);
}

void frmCapture::fitStatusPanels()
{
    // Panels 1 and 2 were made for short texts. A longer one in panel 1 (a
    // warning must be read whole) takes the room panel 2 can spare: its time
    // then goes without the "Elapsed:" label.
    QLabel *first = StatusPanel[0], *second = StatusPanel[1];
    if (m_panelWidth == 0)
        m_panelWidth = first->minimumWidth();
    first->setMinimumWidth(0);   // else the hint is at least the minimum
    const int needed = first->sizeHint().width();
    const bool wide = needed > m_panelWidth;
    first->setMinimumWidth(wide ? needed : m_panelWidth);
    second->setMinimumWidth(wide ? 0 : m_panelWidth);
    const QString label = QStringLiteral("Elapsed: ");
    const QString elapsed = second->text();
    if (wide && elapsed.startsWith(label))
        second->setText(elapsed.mid(label.size()));
    else if (!wide && !elapsed.startsWith(label.trimmed()))
        second->setText(label + elapsed);
}

void frmCapture::showLastTakeWarnings()
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
        brief << QStringLiteral("%1 silent").arg(lengthText(s.noSoundMs));
        full << QStringLiteral("no sound for %1").arg(lengthText(s.noSoundMs))
                    + (s.noSoundStretches > 1 ? QStringLiteral(" in all (%1 stretches)").arg(s.noSoundStretches)
                                              : QString());
    }
    if (s.clips > 0) {
        brief << (s.clips == 1 ? QStringLiteral("1 clip") : QStringLiteral("%1 clips").arg(s.clips));
        full << QStringLiteral("clipped %1").arg(timesText(s.clips));
    }
    if (lostMs > 0) {
        brief << QStringLiteral("%1 s lost").arg(decimal(lostMs / 1000.0));
        full << QStringLiteral("%1 s of sound lost").arg(decimal(lostMs / 1000.0));
    }
    setPanelText(1, QStringLiteral("Last take: ") + brief.join(QStringLiteral(", ")));
    StatusPanel[0]->setToolTip(QStringLiteral("Last recording: %1.").arg(full.join(QStringLiteral(", "))));
}

QString frmCapture::lossSummary() const
{
    QStringList each;
    qint64 total = 0;
    for (const Take::Loss &l : m_take->losses()) {
        const qint64 lengthMs = m_take->framesToMs(l.frames());
        each << QStringLiteral("%1 s at %2")
                    .arg(PublicDim::UserLocale().toString(lengthMs / 1000.0, 'f', 1))
                    .arg(PublicDim::FormatTime(double(m_take->framesToMs(l.atFrame) / 1000)));
        total += lengthMs;
    }
    if (each.isEmpty())
        return {};
    return QStringLiteral("Sound was lost during this recording: %1 (%2 s in all).")
        .arg(each.join(QStringLiteral(", ")))
        .arg(PublicDim::UserLocale().toString(total / 1000.0, 'f', 1));
}
