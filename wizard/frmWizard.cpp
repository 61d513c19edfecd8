#include "wizard/frmWizard.h"
#include "wizard/WizardHost.h"

#include "base/Accessibility.h"
#include "base/Dialogs.h"
#include "base/PublicDim.h"
#include "base/SkipOnError.h"
#include "base/TextRules.h"
#include "media/MediaFilters.h"
#include "recorder/FormWAV.h"
#include "recorder/WavChoices.h"
#include "resources/Twips.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace {

using Twips::Box;
using Twips::place;

// The stored layout, in twips: the client area, and each control relative to
// its page or (for the rule and the buttons) to the client area.
constexpr int ClientWidth = 4965;
// Taller than first drawn by one row (Grow), for the conversation's choices.
constexpr int Grow = 435;
constexpr int ClientHeight = 2640 + Grow;

constexpr int PageLeft = 210;
constexpr int PageTop = 150;
constexpr int Pic1Width = 4560, Pic1Height = 1710 + Grow;   // up to Option7
constexpr int Pic2Width = 4350, Pic2Height = 915;
constexpr int Pic3Width = 4695, Pic3Height = 1290;
constexpr int Pic4Width = 4665, Pic4Height = 1710 + Grow;
constexpr int Pic5Width = 4560, Pic5Height = 1710;

constexpr Box Label1Box{75, 135, 3675, 210};
constexpr Box Option1Box{75, 435, 3240, 315};
constexpr Box Option6Box{75, 810, 2700, 270};
constexpr Box Option2Box{75, 1140, 3840, 405};
constexpr Box Option7Box{75, 1635, 3840, 405};

constexpr Box Label2Box{120, 75, 3660, 210};
constexpr Box TextMediaBox{135, 420, 2970, 285};
constexpr Box Command4Box{3150, 405, 1035, 345};

constexpr Box Option3Box{180, 135, 4530, 240};
constexpr Box Option4Box{180, 480, 4530, 240};
constexpr Box Option5Box{180, 825, 4530, 240};

constexpr Box Label3Box{45, 75, 2715, 210};
constexpr Box TextWavFileBox{45, 375, 3375, 315};
constexpr Box Command5Box{3495, 360, 1035, 345};
constexpr Box Label4Box{45, 870, 615, 210};
constexpr Box LabelFomartStrBox{705, 885, 3000, 210};
constexpr Box CmdSetBox{3495, 825, 1035, 345};
constexpr Box Check1Box{45, 1245, 2010, 225};
// Beside "Record now.": whose sound, for another application.
constexpr Box LabelAppBox{2100, 1260, 630, 210};
constexpr Box ComboAppBox{2760, 1215, 1770, 315};
// Below them, for a conversation: the microphone, and how the two are laid out.
constexpr Box LabelInputBox{45, 1665, 1170, 210};
constexpr Box ComboInputBox{1245, 1620, 1440, 315};
constexpr Box CheckMixedBox{2760, 1665, 1770, 225};

constexpr Box Label5Box{165, 150, 2670, 270};
constexpr Box TextURLBox{135, 480, 4260, 315};

// Line1 runs from (105, 1965) to (4860, 1965), Line2 one pixel below it.
constexpr int RuleLeft = 105, RuleRight = 4860;
constexpr int Line1Y = 1965 + Grow, Line2Y = 1980 + Grow;

// A little wider than first drawn (1020 twips), with the same gaps between
// them, so that "Next >" fits in every language.
constexpr Box CmdBackBox{690, 2115 + Grow, 1080, 360};
constexpr Box CmdNextBox{1905, 2115 + Grow, 1080, 360};
constexpr Box CmdCancelBox{3135, 2115 + Grow, 1080, 360};

const char *const NextCaption = QT_TRANSLATE_NOOP("frmWizard", "&Next >");
const char *const FinishCaption = QT_TRANSLATE_NOOP("frmWizard", "&Finish");

// A caption that this desktop's font draws a little larger than the layout's
// own keeps its end (and its second line), as far as its page leaves room.
template<typename W>
W *captioned(W *widget, const Box &box, const char *name)
{
    place(widget, box, name);
    const QSize room = widget->parentWidget()->size() - QSize(widget->x(), widget->y());
    const QSize wanted = widget->sizeHint().boundedTo(room).expandedTo(widget->size());
    widget->resize(wanted);
    return widget;
}

QFrame *page(QWidget *parent, int width, int height, const char *name)
{
    // A page comes with the picture box's sunken border; ArrangePages takes it off.
    auto *frame = place(new QFrame(parent), Box{PageLeft, PageTop, width, height}, name);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return frame;
}

QWidget *rule(QWidget *parent, int y, const QColor &colour, const char *name)
{
    auto *line = new QWidget(parent);
    line->setObjectName(QString::fromLatin1(name));
    const QRect r = Box{RuleLeft, y, RuleRight - RuleLeft, 0}.rect();
    line->setGeometry(r.left(), r.top(), r.width() + 1, 1);
    QPalette colours = line->palette();
    colours.setColor(QPalette::Window, colour);
    line->setPalette(colours);
    line->setAutoFillBackground(true);
    return line;
}

// The media check's lookup: a plain file that a normal listing shows. Folders
// and hidden files (a leading dot) are not found.
bool mediaFileFound(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.isFile() && !info.fileName().startsWith(QLatin1Char('.'));
}

} // namespace

frmWizard::frmWizard(WizardHost *host)
    : QWidget(host ? host->wizardHostWindow() : nullptr,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_main(host)
{
    Form_Initialize();
    setObjectName(QStringLiteral("frmWizard"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Wizard - Tarvell Recorder"));
    // A window of its own in front of the main one: a dialog to a screen reader.
    Accessibility::setRole(this, QAccessible::Dialog);
    setFixedSize(Twips::size(ClientWidth, ClientHeight));
    // The same face as the main window.
    QFont face = font();
    face.setPointSizeF(8);
    setFont(face);

    Pic1 = page(this, Pic1Width, Pic1Height, "Pic1");
    Label1 = captioned(new QLabel(tr("Please choose one method to record sound:"), Pic1), Label1Box,
                       "Label1");
    Option1 = captioned(new QRadioButton(tr("Record sound from a media file."), Pic1), Option1Box,
                        "Option1");
    Option6 = captioned(new QRadioButton(tr("Record sound from a URL."), Pic1), Option6Box, "Option6");
    Option2 = captioned(new QRadioButton(tr("Record sound from another application.\r\n"
                                                        "(From a game, a media player, etc.)"),
                                         Pic1),
                        Option2Box, "Option2");
    Option7 = captioned(new QRadioButton(tr("Record a conversation.\r\n"
                                            "(Your microphone and another application)"),
                                         Pic1),
                        Option7Box, "Option7");
    Option1->setChecked(true);

    Pic2 = page(this, Pic2Width, Pic2Height, "Pic2");
    Label2 = captioned(new QLabel(tr("Please specify the filename of the media file:"), Pic2), Label2Box,
                       "Label2");
    TextMedia = place(new QLineEdit(Pic2), TextMediaBox, "TextMedia");
    Command4 = place(new QPushButton(tr("B&rowse..."), Pic2), Command4Box, "Command4");

    Pic3 = page(this, Pic3Width, Pic3Height, "Pic3");
    Option3 = captioned(new QRadioButton(tr("Play the media file and record sound now."), Pic3),
                        Option3Box, "Option3");
    Option4 = captioned(new QRadioButton(tr("Play the media file now. I want to record it later."), Pic3),
                        Option4Box, "Option4");
    Option5 = captioned(new QRadioButton(tr("Open the media file now. I want to play it later."), Pic3),
                        Option5Box, "Option5");
    Option3->setChecked(true);

    Pic4 = page(this, Pic4Width, Pic4Height, "Pic4");
    Label3 = captioned(new QLabel(tr("Recorded sound will be saved as:"), Pic4), Label3Box, "Label3");
    TextWavFile = place(new QLineEdit(Pic4), TextWavFileBox, "TextWavFile");
    Command5 = place(new QPushButton(tr("B&rowse..."), Pic4), Command5Box, "Command5");
    Label4 = captioned(new QLabel(tr("Quality:"), Pic4), Label4Box, "Label4");
    LabelFomartStr = place(new QLabel(Pic4), LabelFomartStrBox, "LabelFomartStr");
    CmdSet = place(new QPushButton(tr("&Set"), Pic4), CmdSetBox, "CmdSet");
    Check1 = captioned(new QCheckBox(tr("Record now."), Pic4), Check1Box, "Check1");
    Check1->setChecked(true);
    LabelApp = captioned(new QLabel(tr("Fr&om:"), Pic4), LabelAppBox, "LabelApp");
    ComboApp = place(new QComboBox(Pic4), ComboAppBox, "ComboApp");
    ComboApp->setToolTip(tr("Record everything the computer plays, or one application alone"));
    ComboApp->view()->setMinimumWidth(Twips::px(4500));   // names longer than the box are read in the list
    LabelApp->setBuddy(ComboApp);
    LabelInput = captioned(new QLabel(tr("&Microphone:"), Pic4), LabelInputBox, "LabelInput");
    ComboInput = place(new QComboBox(Pic4), ComboInputBox, "ComboInput");
    ComboInput->view()->setMinimumWidth(Twips::px(4500));
    LabelInput->setBuddy(ComboInput);
    CheckMixed = captioned(new QCheckBox(tr("Mi&x together"), Pic4), CheckMixedBox, "CheckMixed");
    CheckMixed->setToolTip(tr("Off: your microphone in the left channel, the other side in the right, to edit each "
                              "later. On: one sound, each at half its level."));
    Label2->setBuddy(TextMedia);
    Label3->setBuddy(TextWavFile);

    Pic5 = page(this, Pic5Width, Pic5Height, "Pic5");
    Label5 = captioned(new QLabel(tr("Please input the URL:"), Pic5), Label5Box, "Label5");
    TextURL = place(new QLineEdit(tr("mms:// or http://"), Pic5), TextURLBox, "TextURL");
    Label5->setBuddy(TextURL);

    Line1 = rule(this, Line1Y, QColor(128, 128, 128), "Line1");
    Line2 = rule(this, Line2Y, palette().color(QPalette::Base), "Line2");

    CmdBack = place(new QPushButton(tr("< &Back"), this), CmdBackBox, "CmdBack");
    CmdNext = place(new QPushButton(tr(NextCaption), this), CmdNextBox, "CmdNext");
    CmdCancel = place(new QPushButton(tr("&Cancel"), this), CmdCancelBox, "CmdCancel");

    // The load state: the method page only, no Back button.
    for (QWidget *hidden : std::initializer_list<QWidget *>{Pic2, Pic3, Pic4, Pic5, CmdBack})
        hidden->hide();

    connect(CmdNext, &QPushButton::clicked, this, &frmWizard::CmdNext_Click);
    connect(CmdBack, &QPushButton::clicked, this, &frmWizard::CmdBack_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &frmWizard::CmdCancel_Click);
    connect(CmdSet, &QPushButton::clicked, this, &frmWizard::CmdSet_Click);
    connect(Command4, &QPushButton::clicked, this, &frmWizard::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &frmWizard::Command5_Click);

    if (QScreen *screen = this->screen())
        move(screen->geometry().center() - rect().center());
    Form_Load();
}

frmWizard::~frmWizard() = default;

void frmWizard::Form_Initialize()
{
    // Nothing to prepare: Qt's controls draw in the desktop's style by themselves.
}

void frmWizard::Form_Load()
{
    CurrentPage = 0;
    PublicDim::WizardAccepted = false;
    skipOnError([&] { ArrangePages(); });
    skipOnError([&] { DisplayFormatStr(); });
    TextWavFile->setText(PublicDim::WavFileName);
    skipOnError([&] {
        if (m_main)
            setWindowIcon(m_main->wizardHostWindow()->windowIcon());
    });
    skipOnError([&] { PublicDim::SetFormIcon(this); });
}

void frmWizard::ArrangePages()
{
    Pic1->move(Pic1->x(), Twips::px(PageTop));
    Pic1->move(Twips::px(PageLeft), Pic1->y());
    for (QFrame *p : {Pic1, Pic2, Pic3, Pic4, Pic5})
        p->setFrameStyle(QFrame::NoFrame);
    for (QFrame *p : {Pic2, Pic3, Pic4, Pic5})
        p->move(p->x(), Pic1->y());
    for (QFrame *p : {Pic2, Pic3, Pic4, Pic5})
        p->move(Pic1->x(), p->y());
}

void frmWizard::HideAllPages()
{
    for (QFrame *p : {Pic1, Pic2, Pic3, Pic4, Pic5})
        p->hide();
}

void frmWizard::ShowPage()
{
    if (m_finished)
        return;
    if (CurrentPage == 0)
        CmdBack->hide();
    if (CurrentPage == 1)
        CmdBack->show();
    HideAllPages();

    // The output page: Check1 only where the method has a use for it.
    auto outputPage = [&](bool withRecordNow) {
        Pic4->show();
        Check1->setVisible(withRecordNow);
        CmdNext->setText(tr(FinishCaption));
        // Another application: all sound, or one of those playing now; a
        // conversation adds the microphone and the layout.
        const bool conversation = Option7->isChecked();
        const bool application = Option2->isChecked() || conversation;
        for (QWidget *w : std::initializer_list<QWidget *>{LabelInput, ComboInput, CheckMixed})
            w->setVisible(conversation);
        if (conversation) {
            const QString chosen = ComboInput->currentText();
            ComboInput->clear();
            QStringList inputs;
            skipOnError([&] { inputs = m_main ? m_main->wizardInputs() : QStringList(); });
            ComboInput->addItems(inputs);
            ComboInput->setCurrentIndex(std::max(0, int(inputs.indexOf(chosen))));
        }
        LabelApp->setVisible(application);
        ComboApp->setVisible(application);
        if (application) {
            const QString chosen = ComboApp->currentText();
            ComboApp->clear();
            // The other side: everything the computer plays, or one application.
            ComboApp->addItem(tr("All sound"));
            QStringList apps;
            skipOnError([&] { apps = m_main ? m_main->wizardApplications() : QStringList(); });
            ComboApp->addItems(apps);
            ComboApp->setCurrentIndex(std::max(0, int(apps.indexOf(chosen)) + 1));
        }
    };

    if (Option1->isChecked()) {
        // media file: method, media file, action, then (play and record now) output
        if (CurrentPage == 0) {
            Pic1->show();
        } else if (CurrentPage == 1) {
            Pic2->show();
        } else if (CurrentPage == 2) {
            Pic3->show();
            CmdNext->setText(tr(NextCaption));
        } else if (CurrentPage == 3) {
            if (Option3->isChecked())
                outputPage(false);
            else
                FinishWizard();
        } else if (CurrentPage == 4) {
            FinishWizard();
        }
    } else if (Option2->isChecked() || Option7->isChecked()) {
        // another application, or a conversation with one: method, output
        if (CurrentPage == 0) {
            Pic1->show();
            CmdNext->setText(tr(NextCaption));
        } else if (CurrentPage == 1) {
            outputPage(true);
        } else if (CurrentPage == 2) {
            FinishWizard();
        }
    } else if (Option6->isChecked()) {
        // URL: method, URL, output
        if (CurrentPage == 0) {
            Pic1->show();
            CmdNext->setText(tr(NextCaption));
        } else if (CurrentPage == 1) {
            Pic5->show();
            CmdNext->setText(tr(NextCaption));
        } else if (CurrentPage == 2) {
            outputPage(true);
        } else if (CurrentPage == 3) {
            FinishWizard();
        }
    }
}

void frmWizard::refuse(const QString &message, bool critical, const std::function<void()> &followUp)
{
    Dialogs::instance().messageBox(this, message, QString(),
                                   critical ? Dialogs::Icon::Critical : Dialogs::Icon::Information,
                                   Dialogs::Buttons::Ok);
    skipOnError(followUp);
}

bool frmWizard::outputNameGiven()
{
    TextWavFile->setText(withoutOuterBlanks(TextWavFile->text()));
    return !TextWavFile->text().isEmpty();
}

void frmWizard::CmdNext_Click()
{
    if (m_finished)
        return;
    const bool media = Option1->isChecked();
    const bool application = Option2->isChecked() || Option7->isChecked();
    const bool url = Option6->isChecked();

    if (CurrentPage == 1 && media) {
        TextMedia->setText(withoutOuterBlanks(TextMedia->text()));
        if (!mediaFileFound(TextMedia->text())) {
            refuse(tr("Cannot find the media file"), true, [&] { Command4_Click(); });
            return;
        }
    }
    // Every method's output page wants a name: an empty one would put the
    // recording into a file called ".wav" that nobody would find.
    if ((CurrentPage == 3 && media) || (CurrentPage == 1 && application) || (CurrentPage == 2 && url)) {
        if (!outputNameGiven()) {
            refuse(tr("Please input the filename"), false, [&] { Command5_Click(); });
            return;
        }
    }
    if (CurrentPage == 1 && Option7->isChecked() && ComboInput->count() == 0) {
        refuse(tr("There is no microphone to record from"), false, [&] { ComboInput->setFocus(); });
        return;
    }
    if (CurrentPage == 1 && url) {
        TextURL->setText(withoutOuterBlanks(TextURL->text()));
        if (TextURL->text().size() < 8) {
            refuse(tr("Please input the URL"), false, [&] { TextURL->setFocus(); });
            return;
        }
    }

    CurrentPage += 1;
    ShowPage();
}

void frmWizard::CmdBack_Click()
{
    if (m_finished)
        return;
    CurrentPage -= 1;
    ShowPage();
}

void frmWizard::FinishWizard()
{
    using namespace PublicDim;
    m_finished = true;
    WizardAccepted = true;
    if (Option1->isChecked())
        WizardSource = 1;
    else if (Option2->isChecked())
        WizardSource = 2;
    else if (Option6->isChecked())
        WizardSource = 3;
    else if (Option7->isChecked())
        WizardSource = 4;
    WizardMediaFile = TextMedia->text();
    WizardWavFile = TextWavFile->text();
    WizardURL = TextURL->text();
    if (Option3->isChecked())
        WizardMediaAction = 1;
    else if (Option4->isChecked())
        WizardMediaAction = 2;
    else if (Option5->isChecked())
        WizardMediaAction = 3;
    // Also when Check1 was hidden: its state is kept all the same.
    WizardRecordNow = Check1->isChecked();
    WizardApplication = (Option7->isChecked() || Option2->isChecked()) && ComboApp->currentIndex() > 0 ? ComboApp->currentText() : QString();
    WizardInput = Option7->isChecked() ? ComboInput->currentText() : QString();
    WizardMixed = Option7->isChecked() && CheckMixed->isChecked();

    // Unloading shows the main window; from here on this window is gone and
    // nothing of it may be touched.
    WizardHost *main = m_main;
    skipOnError([&] { close(); });
    if (main)
        skipOnError([&] { main->ProcessWizard(); });
}

void frmWizard::DisplayFormatStr()
{
    LabelFomartStr->setText(recordingFormatText());
}

void frmWizard::Command4_Click()
{
    // The main window's media dialog, but it only names the file: nothing is loaded or played.
    const QString chosen = Dialogs::instance().openFileName(mediaOpenRequest(this));
    if (chosen.isEmpty())
        return;   // cancelled: the box stays as it was
    TextMedia->setText(cleanedDialogPath(chosen));
}

void frmWizard::Command5_Click()
{
    // The main window's Save dialog, but the shared WavFileName is left alone:
    // the name only counts once the wizard is finished.
    int filter = -1;
    const QString chosen = Dialogs::instance().saveFileName(wavSaveRequest(this, &filter));
    if (chosen.isEmpty())
        return;
    TextWavFile->setText(savedRecordingName(cleanedDialogPath(chosen), filter));
}

void frmWizard::CmdSet_Click()
{
    // The format dialog applies its choice at once; Cancel here does not undo it.
    const FileType before = PublicDim::WavFileType;
    skipOnError([&] {
        FormWAV dialog(m_main ? m_main->wizardAudioFile() : nullptr, this);
        dialog.exec();
    });
    // The output name follows a new type, as the main window's does.
    if (PublicDim::WavFileType != before)
        skipOnError([&] { TextWavFile->setText(renamedForType(TextWavFile->text(), PublicDim::WavFileType)); });
    skipOnError([&] { DisplayFormatStr(); });
}

void frmWizard::CmdCancel_Click()
{
    skipOnError([&] { close(); });
}

void frmWizard::Form_Unload()
{
    if (!m_main)
        return;
    skipOnError([&] { m_main->wizardHostWindow()->show(); });
    skipOnError([&] { m_main->DisplayFormatStr(); });
}

void frmWizard::keyPressEvent(QKeyEvent *event)
{
    // Escape cancels, as in any dialog; a list that is open takes it first.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        CmdCancel->click();
    else
        QWidget::keyPressEvent(event);
}

void frmWizard::closeEvent(QCloseEvent *event)
{
    // Finish, Cancel and the close box all end here, once.
    if (!m_unloaded) {
        m_unloaded = true;
        m_finished = true;
        Form_Unload();
    }
    event->accept();
}
