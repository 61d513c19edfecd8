// The media player frame of the main window, its Options menu, the window
// modes and the recorded-file player. Recording with the media is its own
// part (media/MediaRecording.h); the Options menu only switches it.

#include "base/Dialogs.h"
#include "base/PublicDim.h"
#include "base/SkipOnError.h"
#include "media/FrmPlayWav.h"
#include "media/MediaFilters.h"
#include "media/MediaPlayer.h"
#include "media/MediaRecording.h"
#include "resources/CaptureLayout.h"
#include "shell/frmCapture.h"

#include <QAction>
#include <QLineEdit>
#include <QGroupBox>
#include <QStatusBar>

void frmCapture::Command1_Click()
{
    const QString chosen = Dialogs::instance().openFileName(mediaOpenRequest(this));
    if (chosen.isEmpty())
        return;   // cancelled: nothing changes
    QString path = chosen;
    skipOnError([&] { path = cleanedDialogPath(path); });
    skipOnError([&] { TextMedia->setText(path); });
    skipOnError([&] { MediaPlayer1->setMediaFileName(path); });
    skipOnError([&] { MediaPlayer1->Play(); });
}

void frmCapture::CmdURL_Click()
{
    const QString url = Dialogs::instance().inputBox(this, tr("Please input the URL"), QString(),
                                                     tr("mms:// or http://"));
    if (url.isEmpty())
        return;
    TextMedia->setText(url);
    try {
        MediaPlayer1->OpenMedia(url);
    } catch (...) {
        // Reported, never fatal.
        Dialogs::instance().messageBox(this, describeFailure(std::current_exception()).description, QString(),
                                       Dialogs::Icon::Critical, Dialogs::Buttons::Ok);
    }
}

void frmCapture::Menu_StartR_Click()
{
    const bool on = !Menu_StartR->isChecked();
    Menu_StartR->setChecked(on);
    PublicDim::AutoStartRecord = on;
    m_mediaRecording->setAutoStart(on);
}

void frmCapture::Menu_StopR_Click()
{
    const bool on = !Menu_StopR->isChecked();
    Menu_StopR->setChecked(on);
    PublicDim::AutoStopRecord = on;
    m_mediaRecording->setAutoStop(on);
}

// The three layouts differ only in height. Their stored heights are outer
// heights that include a title bar, menu bar and borders of a fixed size (the
// difference between the play-and-record height and the stored client area).
// Take that off, and let this desktop add its own frame and menu bar: the
// frames then sit exactly as laid out whatever the desktop's decorations.
void frmCapture::setOuterHeight(int outerTwips)
{
    using namespace CaptureLayout;
    const int clientTwips = outerTwips - (HeightPlayAndRecord - ClientHeight);
    centralWidget()->setFixedHeight(Twips::px(clientTwips) - statusBar()->height());
    adjustSize();
}

void frmCapture::Menu_PR_Click()
{
    skipOnError([&] {
        Menu_PR->setChecked(true);
        Menu_Record->setChecked(false);
        Menu_Play->setChecked(false);
    });
    skipOnError([&] { setOuterHeight(CaptureLayout::HeightPlayAndRecord); });
    skipOnError([&] { Frame1->show(); });
    skipOnError([&] { Frame2->show(); });
    skipOnError([&] { Frame2->move(Frame2->x(), Twips::px(CaptureLayout::Frame2.top)); });
}

void frmCapture::Menu_Record_Click()
{
    skipOnError([&] {
        Menu_PR->setChecked(false);
        Menu_Record->setChecked(true);
        Menu_Play->setChecked(false);
    });
    skipOnError([&] { setOuterHeight(CaptureLayout::HeightRecord); });
    skipOnError([&] { Frame1->hide(); });
    skipOnError([&] { Frame2->show(); });
    skipOnError([&] { Frame2->move(Frame2->x(), Frame1->y()); });
}

void frmCapture::Menu_Play_Click()
{
    skipOnError([&] {
        Menu_PR->setChecked(false);
        Menu_Record->setChecked(false);
        Menu_Play->setChecked(true);
    });
    skipOnError([&] { setOuterHeight(CaptureLayout::HeightPlay); });
    skipOnError([&] { Frame1->show(); });
    skipOnError([&] { Frame2->hide(); });
}

void frmCapture::CmdPlay_Click()
{
    skipOnError([&] { hide(); });
    FrmPlayWav *player = nullptr;
    skipOnError([&] {
        player = new FrmPlayWav(this, m_components.makePlayer);
        player->show();
    });
    if (!player)
        return;
    m_playWav = player;
    const QString path = TextWavFile->text();
    skipOnError([&] { player->Text1->setText(path); });
    skipOnError([&] { player->MediaPlayer1->setMediaFileName(path); });
    skipOnError([&] { player->MediaPlayer1->Play(); });
}

FrmPlayWav *frmCapture::playWavWindow() const
{
    return m_playWav;
}
