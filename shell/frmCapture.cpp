#include "shell/frmCapture.h"

#include "base/Accessibility.h"
#include "base/Dialogs.h"
#include "base/PublicDim.h"
#include "base/Settings.h"
#include "base/SkipOnError.h"
#include "base/WindowPlacement.h"
#include "base/modSpecialFolder.h"
#include "engine/AudioFailure.h"
#include "engine/AudioFile.h"
#include "engine/AudioRecord.h"
#include "engine/Conversation.h"
#include "engine/StopSignals.h"
#include "engine/TakeTarget.h"
#include "info/ProductLinks.h"
#include "info/Skin.h"
#include "media/FrmPlayWav.h"
#include "media/MediaPlayer.h"
#include "media/MediaRecording.h"
#include "recorder/AudioDisplay.h"
#include "recorder/SourceLists.h"
#include "resources/Artwork.h"
#include "resources/CaptureLayout.h"
#include "shell/ConsoleKeys.h"
#include "wizard/WizardHandOff.h"
#include "wizard/frmWizard.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QSessionManager>
#include <QSlider>
#include <QStatusBar>
#include <QTimer>

#include <cmath>
#include <csignal>

using namespace CaptureLayout;
using Twips::place;

namespace {

QLabel *labelAt(QWidget *parent, const QString &text, const Twips::Box &box, const char *name)
{
    auto *l = place(new QLabel(text, parent), box, name);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // A caption a little wider in this font than in the layout's own keeps its end.
    if (!text.isEmpty() && l->sizeHint().width() > l->width())
        l->resize(l->sizeHint().width(), l->height());
    return l;
}

QPushButton *buttonAt(QWidget *parent, const QString &text, const Twips::Box &box, const char *name)
{
    return place(new QPushButton(text, parent), box, name);
}

QLabel *pictureAt(QWidget *parent, const QPixmap &pm, const Twips::Box &box)
{
    auto *l = new QLabel(parent);
    l->setPixmap(pm);
    l->setGeometry(box.rect());
    l->setAlignment(Qt::AlignCenter);
    return l;
}

} // namespace

frmCapture::frmCapture(Components components, QWidget *parent)
    : QMainWindow(parent), m_components(std::move(components))
{
    setObjectName(QStringLiteral("frmCapture"));
    setWindowTitle(tr("Tarvell Recorder"));
    // Fixed single border, no maximize button.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    // The stored layout was made for an 8-point sans-serif face.
    QFont face = font();
    face.setPointSizeF(8);
    setFont(face);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(Twips::size(ClientWidth, StatusBar1.top));
    setCentralWidget(client);

    buildMenus();
    buildMediaPanel();
    buildRecorderPanel();
    buildStatusBar();
    buildRecordingControl();
    buildWizardHandOff();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_silenceTimer = new QTimer(this);
    m_silenceTimer->setInterval(40);
    connect(m_silenceTimer, &QTimer::timeout, this, [this] { skipOnError([&] { AudioDisplay21->ShowSamples({}); }); });

    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager &manager) {
        // A session that ends while we record: finish the recording, refuse.
        if (!Form_QueryUnload())
            manager.cancel();
    });
    Form_Initialize();
    installConsoleKeys(*this);
    centreWhenFirstShown(*this);
}

frmCapture::~frmCapture()
{
    // An open recording is finished with the window, without its reports.
    if (m_take)
        m_take->disconnect(this);
    m_take.reset();
}

void frmCapture::buildMenus()
{
    Menu_File = menuBar()->addMenu(tr("&File"));
    Menu_Wizard = Menu_File->addAction(tr("Record Wizard"), this, &frmCapture::Menu_Wizard_Click);
    Menu_File->addSeparator();
    Menu_Exit = Menu_File->addAction(tr("E&xit"), this, &frmCapture::Menu_Exit_Click);

    Menu_Mode = menuBar()->addMenu(tr("&Mode"));
    Menu_PR = Menu_Mode->addAction(tr("&Play && Record"), this, &frmCapture::Menu_PR_Click);
    Menu_Record = Menu_Mode->addAction(tr("&Record"), this, &frmCapture::Menu_Record_Click);
    Menu_Play = Menu_Mode->addAction(tr("P&lay"), this, &frmCapture::Menu_Play_Click);
    for (QAction *a : {Menu_PR, Menu_Record, Menu_Play})
        a->setCheckable(true);
    Menu_PR->setChecked(true);

    // Recording with the media player; both items off at every start, never stored.
    Menu_Options = menuBar()->addMenu(tr("Options"));
    Menu_StartR = Menu_Options->addAction(tr("Start recording when media file starts"));
    Menu_StopR = Menu_Options->addAction(tr("Stop recording when media file stops"));
    // The level display's style, from the keyboard as well as by clicking the
    // picture in the display's corner.
    Menu_Options->addSeparator();
    Menu_NextStyle = Menu_Options->addAction(tr("Next Level Display Style"));
    Menu_NextStyle->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(Menu_NextStyle, &QAction::triggered, this, &frmCapture::PicPreset1_Click);
    // These handlers toggle the mark themselves: undo Qt's own toggle first.
    const std::pair<QAction *, void (frmCapture::*)()> toggles[] = {{Menu_StartR, &frmCapture::Menu_StartR_Click},
                                                                     {Menu_StopR, &frmCapture::Menu_StopR_Click}};
    for (const auto &[action, handler] : toggles) {
        action->setCheckable(true);
        action->setChecked(false);
        connect(action, &QAction::triggered, this, [this, action = action, handler = handler](bool checked) {
            const QSignalBlocker quiet(action);
            action->setChecked(!checked);
            (this->*handler)();
        });
    }

    Menu_More = menuBar()->addMenu(tr("More &Tools..."));
    for (int i = 0; i < int(ProductLinks.size()); ++i)
        Menu_MoreItems << Menu_More->addAction(QString::fromUtf8(ProductLinks[i].caption), this,
                                               [this, i] { Menu_More_Click(i); });

    Menu_Hep = menuBar()->addMenu(tr("&Help"));
    Menu_Contents = Menu_Hep->addAction(tr("Contents"), this, &frmCapture::Menu_Contents_Click);
    Menu_CheckUpdate = Menu_Hep->addAction(tr("Check Update"), this, &frmCapture::Menu_CheckUpdate_Click);
    Menu_Hep->addSeparator();
    Menu_About = Menu_Hep->addAction(tr("About"), this, &frmCapture::Menu_About_Click);

    // Named as the handlers know them, so that tools and tests can find them.
    const std::pair<QObject *, const char *> names[] = {
        {Menu_File, "Menu_File"},         {Menu_Wizard, "Menu_Wizard"},   {Menu_Exit, "Menu_Exit"},
        {Menu_Mode, "Menu_Mode"},         {Menu_PR, "Menu_PR"},           {Menu_Record, "Menu_Record"},
        {Menu_Play, "Menu_Play"},         {Menu_Options, "Menu_Options"}, {Menu_StartR, "Menu_StartR"},
        {Menu_StopR, "Menu_StopR"},       {Menu_More, "Menu_More"},       {Menu_Hep, "Menu_Hep"},
        {Menu_Contents, "Menu_Contents"}, {Menu_CheckUpdate, "Menu_CheckUpdate"}, {Menu_About, "Menu_About"},
        {Menu_NextStyle, "Menu_NextStyle"}};
    for (const auto &[object, name] : names)
        object->setObjectName(QString::fromLatin1(name));
    for (int i = 0; i < Menu_MoreItems.size(); ++i)
        Menu_MoreItems[i]->setObjectName(QStringLiteral("Menu_MoreItem%1").arg(i));
}

void frmCapture::buildMediaPanel()
{
    Frame1 = place(new QGroupBox(tr("Media Player"), centralWidget()), CaptureLayout::Frame1, "Frame1");
    Picture2 = place(new QWidget(Frame1), CaptureLayout::Picture2, "Picture2");
    Label8 = labelAt(Picture2, tr("File Name:"), CaptureLayout::Label8, "Label8");
    TextMedia = place(new QLineEdit(Picture2), CaptureLayout::TextMedia, "TextMedia");
    Command1 = buttonAt(Picture2, tr("Br&owse..."), CaptureLayout::Command1, "Command1");
    CmdURL = buttonAt(Picture2, tr("&URL"), CaptureLayout::CmdURL, "CmdURL");
    connect(Command1, &QPushButton::clicked, this, &frmCapture::Command1_Click);
    connect(CmdURL, &QPushButton::clicked, this, &frmCapture::CmdURL_Click);

    MediaPlayer1 = m_components.makePlayer(Picture2);
    place(MediaPlayer1->widget(), CaptureLayout::MediaPlayer1, "MediaPlayer1");
    // Recording with the media starts, pauses and stops through the buttons'
    // own handlers, as a click would.
    m_mediaRecording = std::make_unique<MediaRecording>(
        *MediaPlayer1, [this] { return m_file ? m_file->waveFormat() : WaveFormat{0, 0, 0}; },
        MediaRecording::Console{[this] { CmdStart_Click(); }, [this] { CmdPause_Click(); },
                                [this] { CmdStop_Click(); }});
}

void frmCapture::buildRecorderPanel()
{
    Frame2 = place(new QGroupBox(tr("Sound Recorder"), centralWidget()), CaptureLayout::Frame2, "Frame2");
    Picture1 = place(new QWidget(Frame2), CaptureLayout::Picture1, "Picture1");

    Label3 = labelAt(Picture1, tr("Save as:"), CaptureLayout::Label3, "Label3");
    TextWavFile = place(new QLineEdit(Picture1), CaptureLayout::TextWavFile, "TextWavFile");
    Command2 = buttonAt(Picture1, tr("&Browse..."), CaptureLayout::Command2, "Command2");
    CmdStart = buttonAt(Picture1, tr("&Record"), CaptureLayout::CmdStart, "CmdStart");
    CmdPause = buttonAt(Picture1, tr("&Pause"), CaptureLayout::CmdPause, "CmdPause");
    CmdStop = buttonAt(Picture1, tr("&Stop"), CaptureLayout::CmdStop, "CmdStop");
    CmdPlay = buttonAt(Picture1, tr("&Play"), CaptureLayout::CmdPlay, "CmdPlay");
    CmdPause->setEnabled(false);
    CmdStop->setEnabled(false);
    CmdPlay->setEnabled(false);
    Label4 = labelAt(Picture1, tr("Quality:"), CaptureLayout::Label4, "Label4");
    LabelFomartStr = labelAt(Picture1, QString(), CaptureLayout::LabelFomartStr, "LabelFomartStr");
    CmdSet = buttonAt(Picture1, tr("Se&t"), CaptureLayout::CmdSet, "CmdSet");
    Label6 = labelAt(Picture1, tr("Source:"), CaptureLayout::Label6, "Label6");
    ComboSource = place(new QComboBox(Picture1), CaptureLayout::ComboSource, "ComboSource");
    ComboSource->setToolTip(tr("We strongly recommend you select 'Stereo Mix' to record most sound. The name for 'Stereo Mix' could be "
        "'Sound Mix', 'WAV Mix' etc."));
    Label2 = labelAt(Picture1, tr("Device:"), CaptureLayout::Label2, "Label2");
    DeviceCombo = place(new QComboBox(Picture1), CaptureLayout::DeviceCombo, "DeviceCombo");

    place(new QFrame(Picture1), CaptureLayout::Divider, "Divider")->setFrameShape(QFrame::VLine);
    pictureAt(Picture1, Artwork::speaker(false), SpeakerLeft);
    pictureAt(Picture1, Artwork::speaker(true), SpeakerRight);
    Label5 = labelAt(Picture1, tr("Balance:"), CaptureLayout::Label5, "Label5");
    slBalance = place(new QSlider(Qt::Horizontal, Picture1), CaptureLayout::slBalance, "slBalance");
    slBalance->setRange(0, 100);
    slBalance->setValue(50);
    pictureAt(Picture1, Artwork::balanceScale(), BalanceScale);
    Label1 = labelAt(Picture1, tr("Volume:"), CaptureLayout::Label1, "Label1");
    slVolume = place(new QSlider(Qt::Vertical, Picture1), CaptureLayout::slVolume, "slVolume");
    slVolume->setRange(0, 65535);
    slVolume->setInvertedAppearance(true);   // position 0 (loudest) at the top
    // The keys go the way the slider looks: Up and Page Up make it louder,
    // and an arrow moves it one per cent.
    slVolume->setInvertedControls(true);
    slVolume->setSingleStep(655);
    slVolume->setPageStep(4096);
    pictureAt(Picture1, Artwork::volumeWedge(), VolumeWedge);

    AudioDisplay21 = m_components.makeDisplay(Picture1);
    if (auto *w = dynamic_cast<QWidget *>(AudioDisplay21))
        place(w, CaptureLayout::AudioDisplay21, "AudioDisplay21");
    PicPreset1 = place(new QLabel(Picture1), CaptureLayout::PicPreset1, "PicPreset1");
    PicPreset1->setAlignment(Qt::AlignCenter);
    PicPreset1->setCursor(Artwork::pointingHand());
    PicPreset1->setMouseTracking(true);
    PicPreset1->installEventFilter(this);
    PicPreset1->raise();

    CheckPreview = new QCheckBox(tr("Preview"), Picture1);
    CheckPreview->setObjectName(QStringLiteral("CheckPreview"));
    CheckPreview->setChecked(true);
    CheckPreview->hide();

    describeForScreenReaders();

    connect(CmdStart, &QPushButton::clicked, this, &frmCapture::CmdStart_Click);
    connect(CmdPause, &QPushButton::clicked, this, &frmCapture::CmdPause_Click);
    connect(CmdStop, &QPushButton::clicked, this, &frmCapture::CmdStop_Click);
    connect(CmdPlay, &QPushButton::clicked, this, &frmCapture::CmdPlay_Click);
    connect(CmdSet, &QPushButton::clicked, this, &frmCapture::CmdSet_Click);
    connect(Command2, &QPushButton::clicked, this, &frmCapture::Command2_Click);
    m_sources = new SourceLists({DeviceCombo, ComboSource, slVolume, slBalance}, this);
    connect(m_sources, &SourceLists::monitoringWanted, this, [this] { skipOnError([&] { CheckPreview_Click(); }); });
    connect(m_sources, &SourceLists::idleStateWanted, this, &frmCapture::showIdleState);
    connect(m_sources, &SourceLists::sourceApplied, this, &frmCapture::showResampling);
}

void frmCapture::describeForScreenReaders()
{
    // A label beside a field names it (and lends it its mnemonic); what has
    // no label of its own is named here.
    Label8->setBuddy(TextMedia);
    Label3->setBuddy(TextWavFile);
    Label6->setBuddy(ComboSource);
    Label2->setBuddy(DeviceCombo);
    Label5->setBuddy(slBalance);
    Label1->setBuddy(slVolume);
    // The sliders' labels stand above them; their names are said plainly.
    slBalance->setAccessibleName(tr("Balance"));
    slVolume->setAccessibleName(tr("Volume"));
    Accessibility::setReadUpsideDown(slVolume);
    LabelFomartStr->setAccessibleName(tr("Quality"));
    PicPreset1->setAccessibleName(tr("Next level display style"));
}

void frmCapture::buildRecordingControl()
{
    RecordingControl::Controls c;
    c.record = CmdStart;
    c.pause = CmdPause;
    c.stop = CmdStop;
    c.fileName = TextWavFile;
    std::copy(std::begin(StatusPanel), std::end(StatusPanel), std::begin(c.panels));
    c.lockedWhileRecording = {CmdPlay, Command2, CheckPreview, slBalance, slVolume, CmdSet, ComboSource,
                              DeviceCombo, Menu_File, Menu_Mode, Menu_Hep};
    m_recording = new RecordingControl(c, this);
    connect(m_recording, &RecordingControl::monitoringWanted, this, [this] { skipOnError([&] { CheckPreview_Click(); }); });
    connect(m_recording, &RecordingControl::captureChanged, this, &frmCapture::captureRunningChanged);
    connect(m_recording, &RecordingControl::takeStarting, this,
            [this] {
                // The name may have chosen another type, and with it a rate.
                skipOnError([&] { DisplayFormatStr(); });
                skipOnError([&] { AudioDisplay21->SetWaveFormat(m_file->waveFormat()); });
            });
}

void frmCapture::buildWizardHandOff()
{
    m_handOff = std::make_unique<WizardHandOff>(WizardHandOff::Window{
        this, [this] { return m_file.get(); }, [this] { DisplayFormatStr(); }, [this] { return m_sources->applications(); },
        [this] { return m_sources->inputs(); }, [this] { Menu_PR_Click(); }, TextMedia, TextWavFile, MediaPlayer1, m_mediaRecording.get(),
        [this](const QString &line) { return m_sources->chooseApplication(line); },
        [this](const QString &device, const QString &application, bool mixed) { return chooseConversation(device, application, mixed); },
        [this] { CmdStart_Click(); }});
}

void frmCapture::buildStatusBar()
{
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setSizeGripEnabled(false);
    statusBar()->setFixedHeight(Twips::px(CaptureLayout::StatusBar1.height));
    const QString texts[3] = {tr("Ready to record"), tr("Elapsed:"),
                              tr("File size:")};
    const int stretch[3] = {0, 0, 1};
    for (int i = 0; i < 3; ++i) {
        StatusPanel[i] = new QLabel(texts[i], statusBar());
        StatusPanel[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
        StatusPanel[i]->setFrameShape(QFrame::Panel);
        StatusPanel[i]->setFrameShadow(QFrame::Sunken);
        StatusPanel[i]->setMinimumWidth(i == 2 ? 0 : Twips::px(1950));
        statusBar()->addPermanentWidget(StatusPanel[i], stretch[i]);
    }
}

void frmCapture::endProgram(int code)
{
    m_ended = true;
    m_exitCode = code;
    m_sources->halt();
    if (m_components.endProgram)
        m_components.endProgram(code);
    else
        QCoreApplication::exit(code);
}

// ------------------------------------------------------------ start-up

void frmCapture::Form_Initialize()
{
    // Nothing to prepare: Qt sets up its controls itself.
}

void frmCapture::bringToFront()
{
    QWidget *front = this;
    if (frmWizard *wizard = wizardWindow(); wizard && wizard->isVisible())
        front = wizard;
    else if (FrmPlayWav *player = playWavWindow(); player && player->isVisible())
        front = player;
    else if (!isVisible())
        show();
    if (front->isMinimized())
        front->showNormal();
    front->raise();
    front->activateWindow();
}

bool frmCapture::Form_Load()
{
    try {
        // 1. One instance at a time; a second one ends at once, silently.
        if (!m_instance.tryAcquire(m_components.instanceLockPath)) {
            // The running one comes forward instead, wherever it is hidden.
            m_instance.askToComeForward();
            endProgram(0);
            return false;
        }
        connect(&m_instance, &SingleInstance::comeForward, this, &frmCapture::bringToFront);
        // The system's request to end (a session that ends, kill, Ctrl+C in
        // the terminal it was started from) cannot be refused like a close:
        // a recording under way is finished with what came in, and the
        // program ends as from the File menu.
        connect(new StopSignals({SIGTERM, SIGHUP, SIGINT}, this), &StopSignals::caught, this, [this] {
            if (!m_ended)
                Form_Unload();
        });

        // 2. The program's folder, ending in exactly one "/".
        PublicDim::AppFolder = m_components.appFolder.isEmpty() ? QCoreApplication::applicationDirPath()
                                                                : m_components.appFolder;
        if (!PublicDim::AppFolder.endsWith(QLatin1Char('/')))
            PublicDim::AppFolder += QLatin1Char('/');

        // 3. The default recordings folder, created one level deep.
        PublicDim::WavFolder = GetDocumentsFolder() + QStringLiteral("Wav/");
        if (!QDir(PublicDim::WavFolder).exists() && !QDir().mkdir(PublicDim::WavFolder))
            throw AudioFailure(AudioFailure::SystemBase + 13,
                               tr("Path/File access error: %1").arg(PublicDim::WavFolder));

        // 4. The recorder and the file writer.
        m_record = m_components.makeRecorder();
        m_file = m_components.makeFile();
        m_take = std::make_unique<Take>(*m_record, *m_file);
        m_take->setWriteIntervalMs(m_components.writeIntervalMs);
        m_take->setFilter(m_mediaRecording->filter());
        m_mediaRecording->setTake(m_take.get());
        m_recording->attach(*m_record, *m_take, *m_file);
        m_sources->attach(*m_record, *m_take);
        connectRecorder();
        followVisibility(true);
        // A recording the last run could not finish is put right, and said so.
        skipOnError([&] { reportRecovered(m_file->RecoverInterrupted()); });

        // 5. Devices, settings, display style.
        InitAudioPanel();
        if (m_ended)
            return false;

        // 6.-8. The format, its text, the output name.
        applyChoiceAtStart();
        m_shownType = PublicDim::WavFileType;
        DisplayFormatStr();
        PublicDim::WavFileName = nextFreeTakeName(PublicDim::WavFolder, fileTypes::extension(PublicDim::WavFileType));
        TextWavFile->setText(PublicDim::WavFileName);

        // 9.-11. Player volume, the Options check marks, the style button.
        MediaPlayer1->setOutputVolume(-600);
        Menu_StartR->setChecked(PublicDim::AutoStartRecord);
        Menu_StopR->setChecked(PublicDim::AutoStopRecord);
        m_mediaRecording->setAutoStart(PublicDim::AutoStartRecord);
        m_mediaRecording->setAutoStop(PublicDim::AutoStopRecord);
        PicPreset1->setFrameShape(QFrame::NoFrame);
        PicPreset1->setPixmap(Artwork::styleButton(false));

        // 12.-13. The chosen source (the one chosen last time when it is
        // here), then monitoring.
        const bool remembered = m_sources->chooseRemembered(PublicDim::SourceDevice, PublicDim::SourceLine);
        SelectSource();
        if (!remembered && !PublicDim::SourceDevice.isEmpty())
            statusBar()->showMessage(
                tr("%1 is not here now: recording from %2.").arg(PublicDim::SourceDevice, m_sources->shownDevice()), 15000);
        m_sources->rememberChoice();
        startCapture(OnFailure::Throw);
        showIdleState();

        // 14.-15. The record wizard comes first: as the File menu's "Record
        // Wizard" does, the window hides itself and shows the wizard without
        // waiting for it.
        Menu_Wizard_Click();

        // 16.-17. Skin and icon.
        SkinMainWindow(this);
        PublicDim::SetFormIcon(this);
        return true;
    } catch (...) {
        const StepFailure f = describeFailure(std::current_exception());
        Dialogs::instance().messageBox(this, tr("Run-time error '%1':\n\n%2").arg(f.number).arg(f.description),
                                       QString(), Dialogs::Icon::Critical, Dialogs::Buttons::Ok);
        endProgram(1);
        return false;
    }
}

void frmCapture::InitAudioPanel()
{
    skipOnError([&] { MediaPlayer1->setAutoPlay(true); });
    skipOnError([&] { FillDeviceList(); });
    if (m_ended)
        return;
    skipOnError([&] { LoadSettings(this); });
    skipOnError([&] { AudioDisplay21->setDisplayStyle(PublicDim::PreviewIndex); });
}

void frmCapture::FillDeviceList()
{
    if (m_sources->FillDeviceList())
        return;
    Dialogs::instance().messageBox(this,
                                   tr("Can not initialize sound device. If you started other sound "
                                                  "recorder, please exit it before run this application"),
                                   QString(), Dialogs::Icon::Critical, Dialogs::Buttons::Ok);
    endProgram(1);
}

void frmCapture::reportRecovered(const QList<AudioFile::Recovered> &files)
{
    for (const AudioFile::Recovered &f : files) {
        const double seconds = f.format.sampleRate > 0 ? double(f.frames) / f.format.sampleRate : 0.0;
        Dialogs::instance().messageBox(
            this,
            tr("The recording %1 was interrupted before it was finished. It has been put right and "
                           "holds %2 of sound (%3 s).")
                .arg(QDir::toNativeSeparators(f.path), PublicDim::FormatTime(std::floor(seconds)),
                     PublicDim::UserLocale().toString(seconds, 'f', 2)),
            QString(), Dialogs::Icon::Information, Dialogs::Buttons::Ok);
    }
}

void frmCapture::connectRecorder()
{
    connect(m_record.get(), &AudioRecord::Timer, this, &frmCapture::AudioRecord_Timer);
    connect(m_record.get(), &AudioRecord::EndArrayRecord, this, &frmCapture::AudioRecord_EndArrayRecord);
    connect(m_record.get(), &AudioRecord::GainChange, this, &frmCapture::AudioRecord_GainChange);
    connect(m_record.get(), &AudioRecord::CaptureError, this, &frmCapture::AudioRecord_CaptureError);
    connect(m_record.get(), &AudioRecord::DevicesChanged, this, &frmCapture::AudioRecord_DevicesChanged);
    connect(m_record.get(), &AudioRecord::ServerConnectionChanged, this,
            &frmCapture::AudioRecord_ServerConnectionChanged);

}

// ------------------------------------------------------------ shutdown

bool frmCapture::Form_QueryUnload()
{
    // A close while a recording is open (also paused) finishes the recording
    // and is refused: the window stays.
    if (IsRecording()) {
        CmdStop_Click();
        return false;
    }
    return true;
}

void frmCapture::Form_Unload()
{
    if (MediaPlayer1)
        skipOnError([&] { MediaPlayer1->HaltPlayback(); });
    skipOnError([&] { FinishRecording(); });
    skipOnError([&] {
        PublicDim::SourceDevice = m_sources->shownDevice();
        PublicDim::SourceLine = m_sources->shownLineIdentity();
    });
    skipOnError([&] { SaveSettings(); });
    endProgram(0);
}

void frmCapture::closeEvent(QCloseEvent *event)
{
    if (m_ended) {
        event->accept();
        return;
    }
    if (!Form_QueryUnload()) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

void frmCapture::Menu_Exit_Click()
{
    skipOnError([&] { close(); });
}

bool frmCapture::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == PicPreset1) {
        auto twips = [](const QPointF &p) { return QPoint(int(p.x() * Twips::PerPixel), int(p.y() * Twips::PerPixel)); };
        switch (event->type()) {
        case QEvent::MouseMove: {
            auto *e = static_cast<QMouseEvent *>(event);
            const QPoint t = twips(e->position());
            PicPreset1_MouseMove(int(e->buttons()), int(e->modifiers()), t.x(), t.y());
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto *e = static_cast<QMouseEvent *>(event);
            const QPoint t = twips(e->position());
            PicPreset1_MouseUp(int(e->button()), int(e->modifiers()), t.x(), t.y());
            if (e->button() == Qt::LeftButton && PicPreset1->rect().contains(e->position().toPoint()))
                PicPreset1_Click();
            return true;
        }
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
