// The "WAV Option" dialog behind "Se&t", and the output file's "&Browse...".

#include "recorder/FormWAV.h"
#include "support/CaptureHarness.h"

#include <QAction>
#include <QButtonGroup>
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
        QTest::newRow("odd channels and bits") << 22050 << 3 << 24 << "F4 P2 B2";
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
        QCOMPARE(d.M_Best->text(), QStringLiteral("Best suond quality"));
        QCOMPARE(d.cmdOk->text(), QStringLiteral("Ok"));
        QCOMPARE(d.cmdCancel->text(), QStringLiteral("Cancel"));
        QVERIFY(d.cmdOk->isDefault() && !d.cmdCancel->isDefault());
        QCOMPARE(d.font().pointSizeF(), 8.0);

        d.show();
        QCOMPARE(d.Client->size(), QSize(374, 241));
        QCOMPARE(d.Client->y(), d.MenuBar->height());   // the menu bar is above the client area
        QCOMPARE(d.size(), QSize(374, 241 + d.MenuBar->height()));
        QCOMPARE(d.minimumSize(), d.maximumSize());
        QVERIFY(!(d.windowFlags() & Qt::WindowContextHelpButtonHint));
        QVERIFY(!d.isSizeGripEnabled());
        QCOMPARE(d.cmdOk->geometry(), QRect(197, 204, 66, 24));
        QCOMPARE(d.cmdCancel->geometry(), QRect(269, 204, 66, 24));
        QCOMPARE(d.F2->mapTo(d.Client, QPoint()), QPoint(18, 45));     // box 240,315 + 30,360
        QCOMPARE(d.P2->mapTo(d.Client, QPoint()), QPoint(113, 106));   // box 255,1530 + 1440,60
        QCOMPARE(d.B2->mapTo(d.Client, QPoint()), QPoint(116, 160));   // box 270,2355 + 1470,45
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

    void browse_takesTheChosenName_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("name");   // both relative to the Wav folder
        QTest::newRow("no extension") << "take" << "take.wav";
        QTest::newRow("upper-case extension kept") << "take.WAV" << "take.WAV";
        QTest::newRow("another extension") << "take.mp3" << "take.mp3.wav";
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
        QCOMPARE(a.request.filters.size(), 1);
        QCOMPARE(a.request.filters[0].description, QStringLiteral("Wav Files (*.wav)"));
        QCOMPARE(a.request.filters[0].patterns, QStringLiteral("*.WAV"));

        // A name typed into the box is not taken over by Browse, and Cancel changes nothing.
        v.TextWavFile->setText(folder + QStringLiteral("typed.wav"));
        v.Command2->click();
        QCOMPARE(h.dialogs.asked.size(), 2);
        QCOMPARE(v.TextWavFile->text(), folder + QStringLiteral("typed.wav"));
        QCOMPARE(PublicDim::WavFileName, folder + QStringLiteral("take.wav"));
    }
};

QTEST_MAIN(TestFormatAndFile)
#include "tst_formatandfile.moc"
