#pragma once

#include <QWidget>

#include <functional>

class MediaPlayer;
class QLabel;
class QLineEdit;

// "Wav Player": plays a recording back while the main window waits hidden.
// Made anew at every opening; closing it ends its playback with it.
class FrmPlayWav : public QWidget
{
    Q_OBJECT
public:
    using PlayerFactory = std::function<MediaPlayer *(QWidget *parent)>;

    // mainWindow is shown again when this window closes.
    FrmPlayWav(QWidget *mainWindow, const PlayerFactory &makePlayer);

    QLabel *Label1 = nullptr;
    QLineEdit *Text1 = nullptr;
    MediaPlayer *MediaPlayer1 = nullptr;

    void Form_Load();
    void Form_Unload();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *m_mainWindow;
};
