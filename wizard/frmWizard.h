#pragma once

#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class WizardHost;

// "Wizard - Tarvell Recorder": leads the user through one of the three ways of
// recording (a media file the program plays, another application's sound, a
// URL), stores the choices in PublicDim's wizard variables and hands them to
// the main window's ProcessWizard.
//
// A modeless window shown while the main window hides. Made anew at every
// opening (constructing it loads it); closing it in any way (Finish, Cancel,
// the close box) unloads it, shows the main window again and deletes it.
class frmWizard : public QWidget
{
    Q_OBJECT
public:
    explicit frmWizard(WizardHost *host);
    ~frmWizard() override;

    // The page counter: 0 on the method page, one more on each accepted Next.
    // A single-precision number that only ever holds whole values.
    float CurrentPage = 0;

    // True once the window has been unloaded (it is then only waiting to be
    // deleted and does nothing more).
    bool isUnloaded() const { return m_unloaded; }

    // --- controls ---
    QFrame *Pic1 = nullptr;             // the method page
    QLabel *Label1 = nullptr;
    QRadioButton *Option1 = nullptr;    // media file
    QRadioButton *Option6 = nullptr;    // URL
    QRadioButton *Option2 = nullptr;    // another application
    QRadioButton *Option7 = nullptr;    // a conversation: the microphone and another application

    QFrame *Pic2 = nullptr;             // the media file page
    QLabel *Label2 = nullptr;
    QLineEdit *TextMedia = nullptr;
    QPushButton *Command4 = nullptr;    // "B&rowse..."

    QFrame *Pic3 = nullptr;             // the media action page
    QRadioButton *Option3 = nullptr;    // play and record now
    QRadioButton *Option4 = nullptr;    // play now, record later
    QRadioButton *Option5 = nullptr;    // open now, play later

    QFrame *Pic4 = nullptr;             // the output file page
    QLabel *Label3 = nullptr;
    QLineEdit *TextWavFile = nullptr;
    QPushButton *Command5 = nullptr;    // "B&rowse..."
    QLabel *Label4 = nullptr;           // "Quality:"
    QLabel *LabelFomartStr = nullptr;
    QPushButton *CmdSet = nullptr;
    QCheckBox *Check1 = nullptr;        // "Record now."
    QLabel *LabelApp = nullptr;         // "Fr&om:", another application only
    QComboBox *ComboApp = nullptr;      // "All sound", then each application playing now
    QLabel *LabelInput = nullptr;       // "&Microphone:", a conversation only
    QComboBox *ComboInput = nullptr;    // the capture devices
    QCheckBox *CheckMixed = nullptr;    // the two mixed together, not each in a channel

    QFrame *Pic5 = nullptr;             // the URL page
    QLabel *Label5 = nullptr;
    QLineEdit *TextURL = nullptr;

    QWidget *Line1 = nullptr;           // the etched rule above the buttons:
    QWidget *Line2 = nullptr;           // a grey line with a light one below

    QPushButton *CmdBack = nullptr;
    QPushButton *CmdNext = nullptr;
    QPushButton *CmdCancel = nullptr;

public slots:
    void Form_Initialize();
    void Form_Load();
    void Form_Unload();

    void ArrangePages();
    void HideAllPages();
    void ShowPage();
    void FinishWizard();
    void DisplayFormatStr();

    void CmdNext_Click();
    void CmdBack_Click();
    void CmdCancel_Click();
    void CmdSet_Click();
    void Command4_Click();
    void Command5_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // A check of CmdNext_Click that failed: its message, then its follow-up.
    void refuse(const QString &message, bool critical, const std::function<void()> &followUp);
    // The output page's check: TextWavFile trimmed, then not empty.
    bool outputNameGiven();

    WizardHost *m_main;
    bool m_unloaded = false;
    bool m_finished = false;   // FinishWizard ran or the window unloaded: no more pages
};
