// The "WAV Option" dialog behind "Se&t", the file type it and the output
// name choose, and the output file's "&Browse...".

#include "recorder/FormWAV.h"
#include "support/CaptureHarness.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

QString settings(int rate, int channels, int bits)
{
    return QStringLiteral("WAVFreq=%1\r\nWAVChannel=%2\r\nWAVBit=%3\r\n").arg(rate).arg(channels).arg(bits);
}

// The buttons that are on, one per group, e.g. "F7 P2 B2".
QString onButtons(const FormWAV &d)
{
    QStringList on;
    for (QButtonGroup *g : {d.GroupFreq, d.GroupChannels, d.GroupBits})
        on << (g->checkedButton() ? g->checkedButton()->objectName() : QStringLiteral("-"));
    return on.join(QLatin1Char(' '));
}

// Presses "Se&t"; act drives the dialog instead of a user. Returns what was on
// when the dialog opened.
QString useFormatDialog(const CaptureView &v, const std::function<void(FormWAV &)> &act, QWidget **owner = nullptr)
{
    QString opened;
    FormWAV::runHook = [&](FormWAV &d) {
        opened = onButtons(d);
        if (owner)
            *owner = d.parentWidget();
        act(d);
        return d.result();
    };
    v.CmdSet->click();
    FormWAV::runHook = nullptr;
    return opened;
}

WaveFormat shared()
{
    return PublicDim::WavFormat;
}

} // namespace

class TestFormatAndFile : public QObject
{
    Q_OBJECT

private slots:
    void formatDialog_opensOnTheSharedFormat_data()
    {
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("bits");
        QTest::addColumn<QString>("on");
        QTest::newRow("44100 stereo 16") << 44100 << 2 << 16 << "F7 P2 B2";
        QTest::newRow("8000 mono 8") << 8000 << 1 << 8 << "F1 P1 B1";
        QTest::newRow("11025") << 11025 << 1 << 16 << "F2 P1 B2";
        QTest::newRow("32000") << 32000 << 2 << 8 << "F6 P2 B1";
        QTest::newRow("rate of its own") << 37800 << 2 << 16 << "F8 P2 B2";
        QTest::newRow("odd channels and bits") << 22050 << 3 << 12 << "F4 P2 B2";
        QTest::newRow("float") << 16000 << 2 << 32 << "F3 P2 B4";
    }
    void formatDialog_opensOnTheSharedFormat()
    {
        QFETCH(int, rate);
        QFETCH(int, channels);
        QFETCH(int, bits);
        QFETCH(QString, on);
        CaptureHarness h;
        h.writeSettings();
        QVERIFY(h.load());
        const CaptureView v(*h.window);
        PublicDim::WavFormat = {rate, qint16(channels), bits};
        QWidget *owner = nullptr;
        QCOMPARE(useFormatDialog(v, [](FormWAV &d) { d.cmdCancel->click(); }, &owner), on);
        QCOMPARE(owner, h.window.get());
        QCOMPARE(shared(), (WaveFormat{rate, qint16(channels), bits}));   // Cancel keeps even odd values
    }

    void formatDialog_okAppliesTheChoice_everythingElseChangesNothing_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("applied");
        QTest::addColumn<QString>("text");
        QTest::newRow("Ok unchanged") << settings(44100, 2, 16) << "ok" << true << "WAV 44,100 Hz; Stereo; 16 bit";
        QTest::newRow("Best, Ok") << settings(8000, 1, 8) << "best ok" << true << "WAV 48,000 Hz; Stereo; 16 bit";
        QTest::newRow("Smallest, Enter") << settings(44100, 2, 16) << "smallest enter" << true
                                         << "WAV 8,000 Hz; Mono; 8 bit";
        QTest::newRow("rate of its own, Ok") << settings(37800, 2, 16) << "ok" << true
                                             << "WAV 48,000 Hz; Stereo; 16 bit";
        QTest::newRow("Smallest, Cancel") << settings(44100, 2, 16) << "smallest cancel" << false
                                          << "WAV 44,100 Hz; Stereo; 16 bit";
        QTest::newRow("Smallest, Esc") << settings(44100, 2, 16) << "smallest esc" << false
                                       << "WAV 44,100 Hz; Stereo; 16 bit";
        QTest::newRow("Best, close box") << settings(22050, 1, 8) << "best closebox" << false
                                         << "WAV 22,050 Hz; Mono; 8 bit";
    }
    void formatDialog_okAppliesTheChoice_everythingElseChangesNothing()
    {
        QFETCH(QString, start);
        QFETCH(QString, action);
        QFETCH(bool, applied);
        QFETCH(QString, text);
        CaptureHarness h;
        h.writeSettings(start);
        QVERIFY(h.load());
        const CaptureView v(*h.window);
        const WaveFormat before = shared();
        h.file->format = {11025, 1, 16};   // only a new SetWaveFormat puts the dialog's format back
        int result = -1;
        useFormatDialog(v, [&](FormWAV &d) {
            d.show();
            for (const QString &step : action.split(QLatin1Char(' '))) {
                if (step == QLatin1String("best"))
                    d.M_Best->trigger();
                else if (step == QLatin1String("smallest"))
                    d.M_Smallest->trigger();
                else if (step == QLatin1String("ok"))
                    d.cmdOk->click();
                else if (step == QLatin1String("enter"))
                    QTest::keyClick(&d, Qt::Key_Return);
                else if (step == QLatin1String("cancel"))
                    d.cmdCancel->click();
                else if (step == QLatin1String("esc"))
                    QTest::keyClick(&d, Qt::Key_Escape);
                else if (step == QLatin1String("closebox"))
                    d.close();
            }
            result = d.result();
            QVERIFY(!d.isVisible());
        });
        QCOMPARE(result, applied ? int(QDialog::Accepted) : int(QDialog::Rejected));
        QCOMPARE(v.LabelFomartStr->text(), text);
        if (applied) {
            QCOMPARE(h.file->format, shared());
        } else {
            QCOMPARE(shared(), before);
            QCOMPARE(h.file->format, (WaveFormat{11025, 1, 16}));
        }
    }

    void formatDialog_eachButtonGivesItsOwnValue_groupsAreExclusive()
    {
        CaptureHarness h;
        h.writeSettings();
        QVERIFY(h.load());
        const CaptureView v(*h.window);
        const int rates[8] = {8000, 11025, 16000, 22050, 24000, 32000, 44100, 48000};
        for (int i = 0; i < 8; ++i) {
            const bool mono = i % 2 == 0, eightBit = i % 3 == 0;
            useFormatDialog(v, [&](FormWAV &d) {
                d.frequencyButtons()[size_t(i)]->click();
                (mono ? d.P1 : d.P2)->click();
                (eightBit ? d.B1 : d.B2)->click();
                // One on in each group; a click in one group leaves the others alone.
                QCOMPARE(onButtons(d), QStringLiteral("F%1 P%2 B%3").arg(i + 1).arg(mono ? 1 : 2).arg(eightBit ? 1 : 2));
                for (QButtonGroup *g : {d.GroupFreq, d.GroupChannels, d.GroupBits}) {
                    int on = 0;
                    for (QAbstractButton *b : g->buttons())
                        on += b->isChecked();
                    QCOMPARE(on, 1);
                }
                QCOMPARE(d.frequencyButtons()[size_t(i)]->text().trimmed().toInt(), rates[i]);
                d.cmdOk->click();
            });
            const WaveFormat chosen{rates[i], qint16(mono ? 1 : 2), eightBit ? 8 : 16};
            QCOMPARE(shared(), chosen);
            QCOMPARE(h.file->format, chosen);
        }
        // A channel count the dialog does not know reads as mono beside "Se&t" until Ok makes it stereo.
        PublicDim::WavFormat.channels = 3;
        h.window->DisplayFormatStr();
        QVERIFY(v.LabelFomartStr->text().contains(QStringLiteral("Hz; Mono; ")));
        useFormatDialog(v, [](FormWAV &d) { d.cmdOk->click(); });
        QCOMPARE(PublicDim::WavFormat.channels, qint16(2));
        QVERIFY(v.LabelFomartStr->text().contains(QStringLiteral("Hz; Stereo; ")));
    }

    void formatDialog_captionsAndLayout()
    {
        PublicDim::ResetForTests();
        QWidget owner;
        FormWAV d(nullptr, &owner);   // as the wizard may open it before a file writer exists
        QCOMPARE(d.parentWidget(), &owner);
        QCOMPARE(d.windowTitle(), QStringLiteral("WAV Option"));
        QCOMPARE(onButtons(d), QStringLiteral("F8 P2 B2"));
        QStringList captions;
        for (QRadioButton *b : d.frequencyButtons())
            captions << b->text();
        QCOMPARE(captions, (QStringList{"8000", "11025 ", "16000", "22050", "24000", "32000", "44100", "48000"}));
        QCOMPARE((QStringList{d.P1->text(), d.P2->text(), d.B1->text(), d.B2->text()}),
                 (QStringList{"Mono", "Stereo", "8 Bit", "16 Bit"}));
        QCOMPARE((QStringList{d.LabelFreq->text(), d.LabelChannels->text(), d.LabelBits->text()}),
                 (QStringList{" Frequency (Hz) ", " Channels Mode ", " Bits Per Sample "}));
        QCOMPARE(d.M_Presets->title(), QStringLiteral("Presets"));
        QCOMPARE(d.M_Presets->actions(), (QList<QAction *>{d.M_Smallest, d.M_Best}));
        QCOMPARE(d.M_Smallest->text(), QStringLiteral("Smallest file size"));
        QCOMPARE(d.M_Best->text(), QStringLiteral("Best sound quality"));
        QCOMPARE(d.cmdOk->text(), QStringLiteral("Ok"));
        QCOMPARE(d.cmdCancel->text(), QStringLiteral("Cancel"));
        QVERIFY(d.cmdOk->isDefault() && !d.cmdCancel->isDefault());
        QCOMPARE(d.font().pointSizeF(), 8.0);

        d.show();
        QCOMPARE(d.Client->size(), QSize(374, 358));   // the file type below the format, the depths in two rows
        QCOMPARE(d.Client->y(), d.MenuBar->height());   // the menu bar is above the client area
        QCOMPARE(d.size(), QSize(374, 358 + d.MenuBar->height()));
        QCOMPARE(d.minimumSize(), d.maximumSize());
        QVERIFY(!(d.windowFlags() & Qt::WindowContextHelpButtonHint));
        QVERIFY(!d.isSizeGripEnabled());
        QCOMPARE(d.cmdOk->geometry(), QRect(206, 321, 75, 24));       // wide enough for "Abbrechen"
        QCOMPARE(d.cmdCancel->geometry(), QRect(287, 321, 75, 24));
        QCOMPARE(d.F2->mapTo(d.Client, QPoint()), QPoint(18, 45));     // box 240,315 + 30,360
        QCOMPARE(d.P2->mapTo(d.Client, QPoint()), QPoint(113, 106));   // box 255,1530 + 1440,60
        QCOMPARE(d.B2->mapTo(d.Client, QPoint()), QPoint(116, 160));   // box 270,2355 + 1470,45
        QCOMPARE(d.B3->mapTo(d.Client, QPoint()), QPoint(20, 181));    // a second row: 24 bits, float
        // Every caption fits its button, and each group label covers the top
        // of its frame (dark line at 10, 96, 150; white one a pixel below).
        for (QRadioButton *b : d.findChildren<QRadioButton *>())
            QVERIFY2(b->sizeHint().width() <= b->width(), qPrintable(b->text()));
        const int frameTop[3] = {10, 96, 150};
        int i = 0;
        for (QLabel *l : {d.LabelFreq, d.LabelChannels, d.LabelBits}) {
            QVERIFY(l->autoFillBackground());
            QVERIFY(l->y() <= frameTop[i] && l->geometry().bottom() >= frameTop[i] + 1);
            ++i;
        }
    }

    void formatDialog_aTypeTheWriterRefuses_isSaidAndChangesNothing()
    {
        PublicDim::ResetForTests();
        PublicDim::WavFormat = {44100, 2, 8};
        FakeDialogs dialogs;
        struct WavOnly : FakeFile
        {
            void SetFileType(FileType t, Quality q) override
            {
                if (t != FileType::Wav)
                    throw AudioFailure(AudioFailure::InvalidArgument, QStringLiteral("WAV only"));
                FakeFile::SetFileType(t, q);
            }
        } file;
        QWidget owner;
        FormWAV d(&file, &owner);
        d.Form_Load();
        d.ComboType->setCurrentIndex(1);   // FLAC
        d.cmdOk->click();
        QCOMPARE(dialogs.count(QStringLiteral("message")), 1);
        QVERIFY(dialogs.asked[0].text.endsWith(QStringLiteral("WAV only")));
        QVERIFY(d.result() != QDialog::Accepted);
        QCOMPARE(PublicDim::WavFileType, FileType::Wav);
        QCOMPARE(file.format, (WaveFormat{44100, 2, 8}));
    }

    void browse_takesTheChosenName_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("name");   // both relative to the Wav folder
        QTest::newRow("no extension") << "take" << "take.wav";
        QTest::newRow("upper-case extension kept") << "take.WAV" << "take.WAV";
        QTest::newRow("another type's extension") << "take.mp3" << "take.mp3";
        QTest::newRow("no type's extension") << "take.txt" << "take.txt.wav";
        QTest::newRow("FLAC") << "talk.flac" << "talk.flac";
        QTest::newRow("short name") << "a" << "a.wav";
        QTest::newRow("trailing NUL") << QStringLiteral("take.wav") + QChar(0) << "take.wav";
    }
    void browse_takesTheChosenName()
    {
        QFETCH(QString, answer);
        QFETCH(QString, name);
        CaptureHarness h;
        h.writeSettings();
        QVERIFY(h.load());
        const QString folder = PublicDim::WavFolder;
        h.dialogs.texts << folder + answer;
        const CaptureView v(*h.window);
        v.Command2->click();
        QCOMPARE(v.TextWavFile->text(), folder + name);
        QCOMPARE(PublicDim::WavFileName, folder + name);
    }

    void browse_asksForAWavFileInTheWavFolder_andKeepsTheOldNameOnCancel()
    {
        CaptureHarness h;
        h.writeSettings();
        QVERIFY(h.load());
        frmCapture &w = *h.window;
        const CaptureView v(w);
        const QString folder = PublicDim::WavFolder;
        h.dialogs.texts << QStringLiteral("  ") + folder + QStringLiteral("take  ");
        v.Command2->click();
        QCOMPARE(PublicDim::WavFileName, folder + QStringLiteral("take.wav"));
        QCOMPARE(h.dialogs.asked.size(), 1);
        const FakeDialogs::Asked &a = h.dialogs.asked[0];
        QCOMPARE(a.kind, QStringLiteral("save"));
        QCOMPARE(a.request.owner, &w);
        QCOMPARE(a.request.folder, folder);
        QVERIFY(a.request.title.isEmpty() && a.request.fileName.isEmpty() && a.request.defaultSuffix.isEmpty());
        QStringList filters;
        for (const Dialogs::Filter &f : a.request.filters)
            filters << f.description + QLatin1Char(' ') + f.patterns;
        QCOMPARE(filters, (QStringList{"Wav Files (*.wav) *.WAV", "FLAC Files (*.flac) *.FLAC",
                                       "Ogg Opus Files (*.opus) *.OPUS", "Ogg Vorbis Files (*.ogg) *.OGG",
                                       "MP3 Files (*.mp3) *.MP3"}));
        QCOMPARE(a.request.selectedFilter, 0);   // WAV, the chosen type

        // A name typed into the box is not taken over by Browse, and Cancel changes nothing.
        v.TextWavFile->setText(folder + QStringLiteral("typed.wav"));
        v.Command2->click();
        QCOMPARE(h.dialogs.asked.size(), 2);
        QCOMPARE(v.TextWavFile->text(), folder + QStringLiteral("typed.wav"));
        QCOMPARE(PublicDim::WavFileName, folder + QStringLiteral("take.wav"));

        // A name typed without an extension gets that of the filter left selected.
        h.dialogs.texts << folder + QStringLiteral("song");
        h.dialogs.onAsk = [&] { *h.dialogs.asked.last().request.chosenFilter = 4; };
        v.Command2->click();
        QCOMPARE(v.TextWavFile->text(), folder + QStringLiteral("song.mp3"));
        QCOMPARE(h.file->fileType(), FileType::Mp3);
        QCOMPARE(v.LabelFomartStr->text(), QStringLiteral("MP3 48,000 Hz; Stereo; Music"));
    }

    void fileType_chosenInTheDialog_orByTheName_isTheWritersAndShown()
    {
        CaptureHarness h;
        h.writeSettings(settings(44100, 2, 8));
        QVERIFY(h.loadPastWizard());
        const CaptureView v(*h.window);
        const auto choose = [](FormWAV &d, FileType type) {
            d.ComboType->setCurrentIndex(int(std::ranges::find(fileTypes::All, type) - std::begin(fileTypes::All)));
        };

        // FLAC: 16-bit, the bits are off (WAV's 8 bits come back with WAV), the name follows.
        useFormatDialog(v, [&](FormWAV &d) {
            choose(d, FileType::Flac);
            QVERIFY(d.B2->isChecked() && !d.B1->isEnabled() && !d.ComboQuality->isEnabled());
            choose(d, FileType::Wav);
            QVERIFY(d.B1->isChecked() && d.B1->isEnabled());
            choose(d, FileType::Flac);
            d.cmdOk->click();
        });
        QCOMPARE(h.file->fileType(), FileType::Flac);
        QCOMPARE(h.file->format, (WaveFormat{44100, 2, 16}));
        QCOMPARE(v.LabelFomartStr->text(), QStringLiteral("FLAC 44,100 Hz; Stereo; 16 bit"));
        QCOMPARE(v.TextWavFile->text(), h.documents() + QStringLiteral("Wav/1.flac"));

        // Ogg Opus cannot hold 44.1 kHz: the dialog moves to 48 kHz, says so, and offers no 44.1 kHz.
        useFormatDialog(v, [&](FormWAV &d) {
            choose(d, FileType::OggOpus);
            QVERIFY(d.F8->isChecked() && !d.F7->isEnabled() && !d.F2->isEnabled() && d.F1->isEnabled());
            QVERIFY(d.LabelTypeNote->text().contains(QStringLiteral("48000 Hz is chosen instead of 44100 Hz")));
            d.ComboQuality->setCurrentIndex(int(Quality::Speech));
            d.cmdOk->click();
        });
        QCOMPARE(h.file->fileType(), FileType::OggOpus);
        QCOMPARE(h.file->quality(), Quality::Speech);
        QCOMPARE(h.file->format.sampleRate, 48000);
        QCOMPARE(v.LabelFomartStr->text(), QStringLiteral("Ogg Opus 48,000 Hz; Stereo; Speech"));

        useFormatDialog(v, [&](FormWAV &d) {
            choose(d, FileType::Wav);
            d.F7->click();
            d.cmdOk->click();
        });
        QCOMPARE(v.LabelFomartStr->text(), QStringLiteral("WAV 44,100 Hz; Stereo; 16 bit"));

        // The typed name's extension is the type recorded.
        v.TextWavFile->setText(h.documents() + QStringLiteral("talk.flac"));
        v.CmdStart->click();
        QCOMPARE(h.file->path, h.documents() + QStringLiteral("talk.flac"));
        QCOMPARE(h.file->fileType(), FileType::Flac);
        QCOMPARE(v.LabelFomartStr->text(), QStringLiteral("FLAC 44,100 Hz; Stereo; 16 bit"));
        v.CmdStop->click();

        // An Opus name at 44.1 kHz asks first: No records nothing, Yes records at 48 kHz.
        h.file->path.clear();
        v.TextWavFile->setText(h.documents() + QStringLiteral("talk.opus"));
        v.CmdStart->click();
        QVERIFY(h.dialogs.asked.last().text.startsWith(QStringLiteral("Ogg Opus holds 8, 12, 16, 24 or 48 kHz only")));
        QVERIFY(h.file->path.isEmpty());
        QCOMPARE(h.file->fileType(), FileType::Flac);
        h.dialogs.answers << Dialogs::Answer::Yes;
        v.CmdStart->click();
        QCOMPARE(h.file->path, h.documents() + QStringLiteral("talk.opus"));
        QCOMPARE(h.file->fileType(), FileType::OggOpus);
        QCOMPARE(h.file->format.sampleRate, 48000);
        v.CmdStop->click();
        h.window->close();

        CaptureHarness again;   // the choice is there again at the next start
        QFile::copy(h.appFolder() + QStringLiteral("setting.ini"), again.appFolder() + QStringLiteral("setting.ini"));
        QVERIFY(again.loadPastWizard());
        QCOMPARE(again.file->fileType(), FileType::OggOpus);
        QCOMPARE(CaptureView(*again.window).TextWavFile->text(), again.documents() + QStringLiteral("Wav/1.opus"));

        // Floats: WAV keeps them, FLAC holds them in 24 bits and says so, and
        // the float choice comes back with WAV.
        const CaptureView w(*again.window);
        useFormatDialog(w, [&](FormWAV &d) {
            choose(d, FileType::Wav);
            d.B4->click();
            choose(d, FileType::Flac);
            QVERIFY(d.B3->isChecked() && !d.B4->isEnabled() && !d.B1->isEnabled() && d.B2->isEnabled());
            QVERIFY(d.LabelTypeNote->text().contains(QStringLiteral("24 bits")));
            choose(d, FileType::Wav);
            QVERIFY(d.B4->isChecked());
            d.cmdOk->click();
        });
        QCOMPARE(again.file->format.bitsPerSample, 32);
        QCOMPARE(w.LabelFomartStr->text(), QStringLiteral("WAV 48,000 Hz; Stereo; 32 bit float"));
        w.TextWavFile->setText(again.documents() + QStringLiteral("take.flac"));
        w.CmdStart->click();
        QCOMPARE(again.file->fileType(), FileType::Flac);
        QCOMPARE(again.file->format.bitsPerSample, 24);
        w.CmdStop->click();
    }
};

QTEST_MAIN(TestFormatAndFile)
#include "tst_formatandfile.moc"
