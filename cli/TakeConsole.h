#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <cstdio>

class AudioRecord;
class Conversation;
class Take;

namespace cli {

struct Options;

// The bytes as they are, at once, on standard output or error.
void write(std::FILE *to, const QByteArray &bytes);
// "tarvell-rec: TEXT" on standard error, on a line of its own.
void say(const QString &text);
// The same for what ends the program: returns exit.
int refuse(int exit, const QString &text);
// --list-formats: one line per type, four columns separated by tabs: NAME
// EXTENSION RATES DISPLAY-NAME, RATES the offered rates it holds.
QByteArray listFormats();
// The file first: a name that cannot be used is refused before any sound is
// touched. Recorded, or the exit code with the reason said.
int checkTarget(const Options &o);

// tarvell-rec's face on a take: a line at the start when the device's rate
// is converted, the self-updating progress line on a terminal, a line for
// each thing that happens to the take (sound lost, an application that
// stopped playing, no sound, clipping), the summary at its end, and the exit
// code that end makes, which ends the event loop.
class TakeConsole : public QObject
{
    Q_OBJECT
public:
    // How often the recorder hands over what it captured (and the progress
    // line is redrawn).
    static constexpr int TickMs = 250;
    // The same off a terminal, where nothing is redrawn: what a crash could
    // lose grows to this, and the recorder wakes a quarter as often.
    static constexpr int UnseenTickMs = 1000;

    // showProgress: draw the progress line on standard error (a terminal).
    // conversation: the take's second source, told apart in what is said.
    TakeConsole(AudioRecord &rec, Take &take, bool showProgress, const Conversation *conversation = nullptr);

    // Starts the take into the file and for the duration asked for, to be
    // stopped by Ctrl+C, SIGTERM and SIGHUP. Recorded when the take runs;
    // otherwise the exit code, the reason already said.
    int start(const Options &o);

private:
    void onEnded();
    void followConversation();
    // A line of its own; the progress line comes back at its next turn.
    void sayApart(const QString &text);
    void drawProgress(bool now);
    void clearProgress();
    // "12.345 s" of sound: what the file holds, or lost.
    QString secondsText(qint64 frames) const;

    AudioRecord &m_rec;
    Take &m_take;
    bool m_showProgress;
    const Conversation *m_conversation;
    QString m_deviceName;
    int m_peakLeft = 0;
    int m_peakRight = 0;
    bool m_progressShown = false;
    QElapsedTimer m_sinceDrawn;
};

} // namespace cli
