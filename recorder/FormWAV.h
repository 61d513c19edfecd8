#pragma once

#include <QDialog>

#include <array>
#include <functional>

class AudioFile;
class QAction;
class QButtonGroup;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QWidget;

// "WAV Option": the format of the next recording, as three groups of radio
// buttons (rate, channels, bits) and two presets. Opened modally from the main
// window's "Se&t" button and from the record wizard; Ok writes the choice to
// the shared WavFormat and hands it to the file writer,
// anything else leaves all of it as it was.
//
// Make a new one for each opening: exec() starts from the shared variables.
class FormWAV : public QDialog
{
    Q_OBJECT
public:
    // file: the main window's file writer (not owned; may be null, then Ok only
    // sets the shared variables). owner: the window that opens the dialog.
    FormWAV(AudioFile *file, QWidget *owner);
    ~FormWAV() override;

    // Runs Form_Load, then the dialog modally. While runHook is set it runs
    // instead of the event loop, so tests can drive the dialog and return
    // without anything blocking.
    int exec() override;
    static std::function<int(FormWAV &)> runHook;

    // --- controls ---
    QMenuBar *MenuBar = nullptr;
    QMenu *M_Presets = nullptr;
    QAction *M_Smallest = nullptr;   // "Smallest file size"
    QAction *M_Best = nullptr;       // "Best suond quality"

    QWidget *Client = nullptr;       // the client area below the menu bar

    QLabel *LabelFreq = nullptr;     // " Frequency (Hz) "
    QWidget *PicFreq = nullptr;
    QRadioButton *F1 = nullptr, *F2 = nullptr, *F3 = nullptr, *F4 = nullptr;
    QRadioButton *F5 = nullptr, *F6 = nullptr, *F7 = nullptr, *F8 = nullptr;
    QButtonGroup *GroupFreq = nullptr;

    QLabel *LabelChannels = nullptr; // " Channels Mode "
    QWidget *PicChannels = nullptr;
    QRadioButton *P1 = nullptr, *P2 = nullptr;
    QButtonGroup *GroupChannels = nullptr;

    QLabel *LabelBits = nullptr;     // " Bits Per Sample "
    QWidget *PicBits = nullptr;
    QRadioButton *B1 = nullptr, *B2 = nullptr;
    QButtonGroup *GroupBits = nullptr;

    QPushButton *cmdOk = nullptr;
    QPushButton *cmdCancel = nullptr;

    // F1..F8 in order: WaveFormat::OfferedRates.
    std::array<QRadioButton *, 8> frequencyButtons() const { return {F1, F2, F3, F4, F5, F6, F7, F8}; }

public slots:
    void Form_Load();
    void cmdOk_Click();
    void cmdCancel_Click();
    void M_Smallest_Click();
    void M_Best_Click();

private:
    AudioFile *m_file = nullptr;
};
