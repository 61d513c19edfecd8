#pragma once

#include "engine/FileType.h"

#include <QDialog>

#include <array>
#include <functional>

class AudioFile;
class QAction;
class QButtonGroup;
class QComboBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QWidget;

// "WAV Option": the format of the next recording, as three groups of radio
// buttons (rate, channels, bits) and two presets, and below them the kind of
// file it is written as (WAV, FLAC, Ogg Opus, Ogg Vorbis, MP3) with, for the
// lossy ones, how hard they squeeze. A type takes only the rates it can hold:
// the others are off, and a rate it cannot hold moves to the nearest one it
// can, which the dialog says. Any type but WAV records 16-bit sound. Opened
// modally from the main window's "Se&t" button and from the record wizard;
// Ok writes the choice to the shared WavFormat, WavFileType and WavQuality and
// hands it to the file writer (a writer that refuses it is said so, and the
// dialog stays open); anything else leaves all of it as it was.
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
    QAction *M_Best = nullptr;       // "Best sound quality"

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
    QRadioButton *B1 = nullptr, *B2 = nullptr, *B3 = nullptr, *B4 = nullptr;   // 8, 16, 24 bits, 32-bit float
    QButtonGroup *GroupBits = nullptr;

    QLabel *LabelType = nullptr;     // " File Type "
    QComboBox *ComboType = nullptr;  // the types in fileTypes::All order
    QLabel *LabelQuality = nullptr;  // "Quality:"
    QComboBox *ComboQuality = nullptr;   // Speech, Music, Best; lossy types only
    QLabel *LabelTypeNote = nullptr; // what the type does to the rate and the bits

    QPushButton *cmdOk = nullptr;
    QPushButton *cmdCancel = nullptr;

    // F1..F8 in order: WaveFormat::OfferedRates.
    std::array<QRadioButton *, 8> frequencyButtons() const { return {F1, F2, F3, F4, F5, F6, F7, F8}; }
    FileType chosenType() const;
    Quality chosenQuality() const;

public slots:
    void Form_Load();
    void cmdOk_Click();
    void cmdCancel_Click();
    void M_Smallest_Click();
    void M_Best_Click();
    void ComboType_Click();

private:
    // Fits the rates on offer, the bits and the quality to the chosen type.
    void fitToType();
    qint32 checkedRate() const;
    QRadioButton *bitsButton(qint32 bits) const;
    qint32 checkedBits() const;   // 0 when none is

    AudioFile *m_file = nullptr;
    qint32 m_chosenBits = 16;   // the depth chosen for WAV, kept while another type is chosen
};
