#pragma once

// The main window's controls, found by their object names as any tool that
// drives the window would find them, and its handlers run by name as the
// controls' signals run them.

#include "engine/AudioRecord.h"
#include "recorder/AudioDisplay.h"
#include "media/MediaPlayer.h"
#include "shell/frmCapture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMetaObject>
#include <QPushButton>
#include <QSlider>

#include <stdexcept>

template<typename T>
T *childNamed(const QObject &parent, const char *name)
{
    T *child = parent.findChild<T *>(QString::fromLatin1(name));
    if (!child)
        throw std::logic_error(std::string("no control named ") + name);
    return child;
}

// Runs a handler of the window (a slot) by its name, e.g. "CmdStart_Click",
// with the arguments given.
template<typename... Args>
void runHandler(QObject &window, const char *name, Args... args)
{
    if (!QMetaObject::invokeMethod(&window, name, Qt::DirectConnection, Q_ARG(Args, args)...))
        throw std::logic_error(std::string("no handler named ") + name);
}

struct CaptureView
{
    explicit CaptureView(frmCapture &w)
        : Frame1(childNamed<QGroupBox>(w, "Frame1")),
          Picture2(childNamed<QWidget>(w, "Picture2")),
          TextMedia(childNamed<QLineEdit>(w, "TextMedia")),
          Command1(childNamed<QPushButton>(w, "Command1")),
          CmdURL(childNamed<QPushButton>(w, "CmdURL")),
          MediaPlayer1(dynamic_cast<MediaPlayer *>(childNamed<QWidget>(w, "MediaPlayer1"))),
          Frame2(childNamed<QGroupBox>(w, "Frame2")),
          Picture1(childNamed<QWidget>(w, "Picture1")),
          TextWavFile(childNamed<QLineEdit>(w, "TextWavFile")),
          Command2(childNamed<QPushButton>(w, "Command2")),
          CmdStart(childNamed<QPushButton>(w, "CmdStart")),
          CmdPause(childNamed<QPushButton>(w, "CmdPause")),
          CmdStop(childNamed<QPushButton>(w, "CmdStop")),
          CmdPlay(childNamed<QPushButton>(w, "CmdPlay")),
          LabelFomartStr(childNamed<QLabel>(w, "LabelFomartStr")),
          CmdSet(childNamed<QPushButton>(w, "CmdSet")),
          ComboSource(childNamed<QComboBox>(w, "ComboSource")),
          DeviceCombo(childNamed<QComboBox>(w, "DeviceCombo")),
          slBalance(childNamed<QSlider>(w, "slBalance")),
          slVolume(childNamed<QSlider>(w, "slVolume")),
          AudioDisplay21(dynamic_cast<AudioDisplay *>(childNamed<QWidget>(w, "AudioDisplay21"))),
          PicPreset1(childNamed<QLabel>(w, "PicPreset1")),
          CheckPreview(childNamed<QCheckBox>(w, "CheckPreview")),
          Menu_File(childNamed<QMenu>(w, "Menu_File")),
          Menu_Wizard(childNamed<QAction>(w, "Menu_Wizard")),
          Menu_Exit(childNamed<QAction>(w, "Menu_Exit")),
          Menu_Mode(childNamed<QMenu>(w, "Menu_Mode")),
          Menu_PR(childNamed<QAction>(w, "Menu_PR")),
          Menu_Record(childNamed<QAction>(w, "Menu_Record")),
          Menu_Play(childNamed<QAction>(w, "Menu_Play")),
          Menu_Options(childNamed<QMenu>(w, "Menu_Options")),
          Menu_StartR(childNamed<QAction>(w, "Menu_StartR")),
          Menu_StopR(childNamed<QAction>(w, "Menu_StopR")),
          Menu_More(childNamed<QMenu>(w, "Menu_More")),
          Menu_Hep(childNamed<QMenu>(w, "Menu_Hep")),
          Menu_Contents(childNamed<QAction>(w, "Menu_Contents")),
          Menu_CheckUpdate(childNamed<QAction>(w, "Menu_CheckUpdate")),
          Menu_About(childNamed<QAction>(w, "Menu_About"))
    {
        for (int i = 0;; ++i) {
            auto *item = w.findChild<QAction *>(QStringLiteral("Menu_MoreItem%1").arg(i));
            if (!item)
                break;
            Menu_MoreItems << item;
        }
    }

    QGroupBox *Frame1;
    QWidget *Picture2;
    QLineEdit *TextMedia;
    QPushButton *Command1;
    QPushButton *CmdURL;
    MediaPlayer *MediaPlayer1;
    QGroupBox *Frame2;
    QWidget *Picture1;
    QLineEdit *TextWavFile;
    QPushButton *Command2;
    QPushButton *CmdStart;
    QPushButton *CmdPause;
    QPushButton *CmdStop;
    QPushButton *CmdPlay;
    QLabel *LabelFomartStr;
    QPushButton *CmdSet;
    QComboBox *ComboSource;
    QComboBox *DeviceCombo;
    QSlider *slBalance;
    QSlider *slVolume;
    AudioDisplay *AudioDisplay21;
    QLabel *PicPreset1;
    QCheckBox *CheckPreview;
    QMenu *Menu_File;
    QAction *Menu_Wizard;
    QAction *Menu_Exit;
    QMenu *Menu_Mode;
    QAction *Menu_PR;
    QAction *Menu_Record;
    QAction *Menu_Play;
    QMenu *Menu_Options;
    QAction *Menu_StartR;
    QAction *Menu_StopR;
    QMenu *Menu_More;
    QList<QAction *> Menu_MoreItems;
    QMenu *Menu_Hep;
    QAction *Menu_Contents;
    QAction *Menu_CheckUpdate;
    QAction *Menu_About;
};
