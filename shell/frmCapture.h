#pragma once

#include "engine/AudioFile.h"
#include "engine/Take.h"
#include "media/MediaRecording.h"
#include "recorder/RecordingControl.h"
#include "shell/SingleInstance.h"

#include <QMainWindow>
#include <QElapsedTimer>
#include <QPointer>

#include <functional>
#include <memory>

class AudioDisplay;
class AudioFile;
class AudioRecord;
class Conversation;
class FrmPlayWav;
class MediaPlayer;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSlider;
class QTimer;
class QWidget;
class SourceLists;
class WizardHandOff;
class frmWizard;

// The main window: the media player frame above, the recorder frame below,
// the status bar at the bottom. It lives for the whole run.
//
// It builds its controls from the stored layout and lends them to the parts
// that own the work and its state: the recording's face (RecordingControl,
// on the engine's Take), the device and source lists (SourceLists),
// recording with the media player (MediaRecording) and acting on the record
// wizard's choices (WizardHandOff). Its own handlers are short: start-up and
// shutdown here, the recording console in frmCaptureRecorder.cpp, the media
// panel and window modes in frmCaptureMedia.cpp, and the rest in the
// frmCapture*.cpp files beside it, all in shell/.
//
// Its controls and state are its own. Other windows reach it through the few
// operations below (the record wizard through its hand-off); tests find its
// controls by their object names and run its handlers by name as the
// controls' signals do.
class frmCapture : public QMainWindow
{
    Q_OBJECT
public:
    // What the window is built from. The program uses real(); tests swap in
    // doubles of the same interfaces.
    struct Components
    {
        std::function<std::unique_ptr<AudioRecord>()> makeRecorder;
        std::function<std::unique_ptr<AudioFile>()> makeFile;
        std::function<AudioDisplay *(QWidget *parent)> makeDisplay;   // a QWidget too
        std::function<MediaPlayer *(QWidget *parent)> makePlayer;
        QString appFolder;              // empty: the executable's folder
        QString instanceLockPath;       // empty: the per-user default
        std::function<void(int)> endProgram;   // empty: quit the application
        // How often a recording's sound is written while Timer comes 25 times
        // a second for the display (a crash loses at most this much); 0: at
        // every Timer event, as a recorder whose Timer is driven by hand
        // needs.
        int writeIntervalMs = 0;

        static Components real();
    };

    explicit frmCapture(Components components = Components::real(), QWidget *parent = nullptr);
    ~frmCapture() override;

    // The start-up sequence. Returns false when the program ended during it
    // (a second instance, no usable sound device, a failing step).
    bool Form_Load();
    bool hasEnded() const { return m_ended; }
    int exitCode() const { return m_exitCode; }

    RecordingState recordingState() const;
    // Status bar panel 1, 2 or 3.
    QString panelText(int panel) const;
    // The "Wav Player" window while it is open.
    FrmPlayWav *playWavWindow() const;
    // The record wizard while it is open.
    frmWizard *wizardWindow() const;

    void DisplayFormatStr();
    // Acts on the record wizard's choices (WizardHandOff).
    void ProcessWizard();
    // A conversation: the device (the microphone) in the lists, and the
    // application's line (empty: the Stereo Mix of the default output),
    // recorded with it by a second recorder, into each take until the lists
    // are changed. False when either is not here.
    bool chooseConversation(const QString &device, const QString &application, bool mixed);
    bool inConversation() const { return m_conversation != nullptr; }
    void endConversation();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    // start-up and shutdown
    void Form_Initialize();
    bool Form_QueryUnload();   // true: the close may go ahead
    void Form_Unload();
    void Menu_Exit_Click();

    // recording
    void CmdStart_Click();
    void CmdPause_Click();
    void CmdStop_Click();
    void FinishRecording();
    void AudioRecord_Timer(qint32 CurrentSamples, qint32 LevelLeft, qint32 LevelRight);
    // Out of sight (hidden behind the wizard or the Wav Player, minimised)
    // the display is not fed and the recorder's events come less often.
    void followVisibility(bool always = false);
    void AudioRecord_EndArrayRecord(qint32 nBlock);
    void AudioRecord_GainChange(qint32 newVolume);
    void AudioRecord_CaptureError(qint32 number, const QString &description);
    void AudioRecord_DevicesChanged();
    void AudioRecord_ServerConnectionChanged(bool connected);

    // devices, sources and levels
    void InitAudioPanel();
    void FillDeviceList();
    void SelectSource();

    // monitoring and the display style
    void CheckPreview_Click();
    void PicPreset1_Click();
    void PicPreset1_MouseMove(int button, int shift, int x, int y);
    void PicPreset1_MouseUp(int button, int shift, int x, int y);

    // format and output file
    void CmdSet_Click();
    void Command2_Click();

    // media panel, modes, player window
    void Command1_Click();
    void CmdURL_Click();
    void Menu_StartR_Click();
    void Menu_StopR_Click();
    void Menu_PR_Click();
    void Menu_Record_Click();
    void Menu_Play_Click();
    void CmdPlay_Click();

    // wizard, help, links, about
    void Menu_Wizard_Click();
    void Menu_Contents_Click();
    void Menu_CheckUpdate_Click();
    void Menu_More_Click(int index);
    void Menu_About_Click();

private:
    // A second start asked for us: the window the user last had comes to the
    // front (the wizard or the Wav Player when one is open).
    void bringToFront();
    void buildMenus();
    void buildMediaPanel();
    void buildRecorderPanel();
    void buildStatusBar();
    void buildRecordingControl();
    void describeForScreenReaders();
    void buildWizardHandOff();
    void connectRecorder();
    void reportRecovered(const QList<AudioFile::Recovered> &files);
    void endProgram(int code);

    // How the steps of startCapture treat a failure: the load step lets it
    // end the program, everywhere else a failing step is skipped.
    enum class OnFailure { Throw, Skip };
    // Starts capture in the current format (the file writer's) with one-second
    // blocks, and tells the level display the rate and channels it will show.
    // Load, the restart of monitoring and every recording start go through here.
    void startCapture(OnFailure onFailure);

    bool IsRecording() const { return m_recording->isRecording(); }
    bool IsPaused() const { return m_recording->isPaused(); }

    void setOuterHeight(int outerTwips);

    // The format text's tooltip: whether the server converts the device's rate.
    void showResampling();
    // The file type a chosen name asks for becomes the chosen one, when it
    // holds the chosen rate (otherwise Record asks first).
    void chooseFileType(FileType type);
    // Hands the chosen format and type to the file writer at start; a type it
    // refuses gives way to WAV.
    void applyChoiceAtStart();
    // Status panel 1 outside a recording: "Ready to record", or why not.
    void showIdleState();
    // Capture runs (monitoring or a recording); otherwise the meters fall to silence.
    void captureRunningChanged();

    // --- controls, named as the program's handlers know them ---
    QGroupBox *Frame1 = nullptr;        // "Media Player"
    QWidget *Picture2 = nullptr;
    QLabel *Label8 = nullptr;
    QLineEdit *TextMedia = nullptr;
    QPushButton *Command1 = nullptr;    // "Br&owse..."
    QPushButton *CmdURL = nullptr;
    MediaPlayer *MediaPlayer1 = nullptr;

    QGroupBox *Frame2 = nullptr;        // "Sound Recorder"
    QWidget *Picture1 = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *TextWavFile = nullptr;
    QPushButton *Command2 = nullptr;    // "&Browse..."
    QPushButton *CmdStart = nullptr;
    QPushButton *CmdPause = nullptr;
    QPushButton *CmdStop = nullptr;
    QPushButton *CmdPlay = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *LabelFomartStr = nullptr;
    QPushButton *CmdSet = nullptr;
    QLabel *Label6 = nullptr;
    QComboBox *ComboSource = nullptr;
    QLabel *Label2 = nullptr;
    QComboBox *DeviceCombo = nullptr;
    QLabel *Label5 = nullptr;
    QSlider *slBalance = nullptr;
    QLabel *Label1 = nullptr;
    QSlider *slVolume = nullptr;
    AudioDisplay *AudioDisplay21 = nullptr;
    QLabel *PicPreset1 = nullptr;
    QCheckBox *CheckPreview = nullptr;  // hidden, always checked

    QLabel *StatusPanel[3] = {};        // StatusBar1 panels 1, 2, 3

    QMenu *Menu_File = nullptr;
    QAction *Menu_Wizard = nullptr;
    QAction *Menu_Exit = nullptr;
    QMenu *Menu_Mode = nullptr;
    QAction *Menu_PR = nullptr;
    QAction *Menu_Record = nullptr;
    QAction *Menu_Play = nullptr;
    QMenu *Menu_Options = nullptr;
    QAction *Menu_StartR = nullptr;
    QAction *Menu_StopR = nullptr;
    QAction *Menu_NextStyle = nullptr;   // the level display's next style, Ctrl+L
    QMenu *Menu_More = nullptr;
    QList<QAction *> Menu_MoreItems;
    QMenu *Menu_Hep = nullptr;
    QAction *Menu_Contents = nullptr;
    QAction *Menu_CheckUpdate = nullptr;
    QAction *Menu_About = nullptr;

    // --- form-level state ---

    Components m_components;
    SingleInstance m_instance;
    std::unique_ptr<AudioRecord> m_record;
    std::unique_ptr<AudioRecord> m_secondRecord;    // a conversation's other side
    std::unique_ptr<Conversation> m_conversation;   // (both outlive the take that uses them)
    QMetaObject::Connection m_conversationEnds;
    bool m_displayInSight = false;
    std::unique_ptr<AudioFile> m_file;
    FileType m_shownType = FileType::Wav;   // the type the format text last showed
    bool m_ended = false;
    int m_exitCode = 0;
    QPointer<FrmPlayWav> m_playWav;
    QPointer<frmWizard> m_wizard;
    std::unique_ptr<MediaRecording> m_mediaRecording;   // the Options menu's recording with the media
    std::unique_ptr<Take> m_take;        // the open or last recording
    RecordingControl *m_recording = nullptr;   // Record, Pause, Stop and the status bar
    SourceLists *m_sources = nullptr;          // the device and source lists, volume, balance
    std::unique_ptr<WizardHandOff> m_handOff;  // acting on the record wizard's choices

    QTimer *m_silenceTimer = nullptr;   // lets the meters fall while nothing is captured

};
