// The device and source lists and the level sliders, on a recorder double
// whose devices are made up.

#include "support/CaptureHarness.h"

#include <QComboBox>
#include <QRegularExpression>
#include <QSlider>
#include <QTest>

namespace {

FakeRecorder::Device device(const QString &name, bool valid, QStringList lines, int selected = 0)
{
    FakeRecorder::Device d{name, valid, {}, selected};
    for (const auto &l : lines)
        d.lines.append({l});
    return d;
}

QStringList rows(QComboBox *c)
{
    QStringList out;
    for (int i = 0; i < c->count(); ++i)
        out << QStringLiteral("%1=%2").arg(c->itemText(i)).arg(c->itemData(i).toString());
    return out;
}

// The source line the level sliders act on: where a volume step lands; -1
// when it reaches no line.
int lineUnderTheSliders(CaptureHarness &h, const CaptureView &v)
{
    const QRegularExpression volumeCall(QStringLiteral("^Volume "));
    const qsizetype before = h.rec->log.filter(volumeCall).size();
    v.slVolume->triggerAction(v.slVolume->value() < v.slVolume->maximum() ? QSlider::SliderSingleStepAdd
                                                                          : QSlider::SliderSingleStepSub);
    const QStringList volumes = h.rec->log.filter(volumeCall);
    return volumes.size() > before ? volumes.last().section(QLatin1Char(' '), 1, 1).toInt() : -1;
}

} // namespace

class TestDeviceLists : public QObject
{
    Q_OBJECT

private slots:
    void deviceList_skipsInvalidDevices_keepsTheirNumbers_andClampsTheStart()
    {
        for (const auto &[startDevice, expectedRow] : {std::pair{5, 1}, std::pair{0, 0}}) {
            CaptureHarness h;
            h.writeSettings();
            h.setUpRecorder = [startDevice = startDevice](FakeRecorder &r) {
                r.devices = {device(QStringLiteral("A"), true, {QStringLiteral("a1"), QStringLiteral("a2")}),
                             device(QStringLiteral("B"), false, {QStringLiteral("b1")}),
                             device(QStringLiteral("C"), true, {QStringLiteral("c1")})};
                r.device = startDevice;
            };
            QVERIFY(h.load());
            const CaptureView v(*h.window);
            QCOMPARE(rows(v.DeviceCombo), (QStringList{QStringLiteral("A=0"), QStringLiteral("C=2")}));
            for (int i = 0; i <= 3; ++i)
                QVERIFY(h.rec->log.contains(QStringLiteral("DeviceIndex %1").arg(i)));
            QCOMPARE(v.DeviceCombo->currentIndex(), expectedRow);
        }
    }

    void deviceChange_showsAndAppliesTheDevicesOwnInput()
    {
        CaptureHarness h;
        h.writeSettings();
        h.setUpRecorder = [](FakeRecorder &r) {
            r.devices = {device(QStringLiteral("A"), true, {QStringLiteral("Mic"), QStringLiteral("Mix")}, 1),
                         device(QStringLiteral("C"), true, {QStringLiteral("Line"), QStringLiteral("Mix C")}, 1)};
        };
        QVERIFY(h.load());
        const CaptureView v(*h.window);
        // The line the device records from stays its input: starting the
        // program switches no card's input.
        QCOMPARE(v.ComboSource->currentText(), QStringLiteral("Mix"));
        QCOMPARE(h.rec->devices[0].selected, 1);

        h.rec->log.clear();
        v.DeviceCombo->setCurrentIndex(1);
        emit v.DeviceCombo->activated(1);   // the user's choice
        QCOMPARE(h.rec->device, 1);
        QCOMPARE(v.ComboSource->count(), 2);
        QCOMPARE(v.ComboSource->currentText(), QStringLiteral("Mix C"));
        QCOMPARE(h.rec->devices[1].selected, 1);
        QCOMPARE(h.rec->log.filter(QStringLiteral("Selected")).last(), QStringLiteral("Selected 1 1"));
        QCOMPARE(lineUnderTheSliders(h, v), 1);
    }

    void sliders_followTheLine_disabledAtRawPositions_balanceReadBack()
    {
        CaptureHarness h;
        h.writeSettings();
        h.setUpRecorder = [](FakeRecorder &r) {
            FakeRecorder::Device d = device(QStringLiteral("A"), true, {QStringLiteral("Mono mic"), QStringLiteral("Mix")});
            d.lines[0].hasVolume = false;
            d.lines[0].volume = 1000;
            d.lines[0].hasBalance = false;
            d.lines[0].balance = 80;
            d.lines[1].volume = 49151;
            d.lines[1].balance = 70;
            r.devices = {d};
            r.acceptBalanceUpTo = 90;
        };
        QVERIFY(h.load());
        const CaptureView v(*h.window);
        QVERIFY(!v.slVolume->isEnabled());
        QCOMPARE(v.slVolume->value(), 1000);   // not inverted when there is no control
        QVERIFY(!v.slBalance->isEnabled());
        QCOMPARE(v.slBalance->value(), 50);

        v.ComboSource->setCurrentIndex(1);
        emit v.ComboSource->activated(1);
        QVERIFY(v.slVolume->isEnabled() && v.slBalance->isEnabled());
        QCOMPARE(v.slVolume->value(), 65535 - 49151);
        QCOMPARE(v.slBalance->value(), 70);

        // A user's drag writes the inverted position, to the line chosen last.
        h.rec->line = 0;
        v.slVolume->setValue(20000);
        QCOMPARE(h.rec->log.last(), QStringLiteral("Volume 1 45535"));
        v.slBalance->setValue(75);
        QCOMPARE(h.rec->devices[0].lines[1].balance, 75);
        // A balance the recorder refuses: the slider shows what it holds.
        v.slBalance->setValue(95);
        QCOMPARE(v.slBalance->value(), 75);

        // A volume changed elsewhere does not move the slider.
        emit h.rec->GainChange(100);
        QCOMPARE(v.slVolume->value(), 20000);

        // A mixer elsewhere sets the line to 30 % and moves its balance: the
        // sliders follow, and nothing the user did not set is written back.
        h.rec->devices[0].lines[1].volume = 19661;
        h.rec->devices[0].lines[1].balance = 20;
        h.rec->log.clear();
        emit h.rec->GainChange(19661);
        QCOMPARE(v.slVolume->value(), 65535 - 19661);
        QCOMPARE(v.slBalance->value(), 20);
        QVERIFY(h.rec->log.filter(QRegularExpression(QStringLiteral("^(Volume|Balance) "))).isEmpty());

        // The keys go the way the slider looks: Page Up and Up are louder,
        // and an arrow moves a step the user can see.
        v.slVolume->setFocus();
        QTest::keyClick(v.slVolume, Qt::Key_PageUp);
        QVERIFY(h.rec->devices[0].lines[1].volume > 19661);
        const qint32 before = h.rec->devices[0].lines[1].volume;
        QTest::keyClick(v.slVolume, Qt::Key_Up);
        QVERIFY(h.rec->devices[0].lines[1].volume - before >= 65535 / 100);
    }

    void selectSource_withANameNoLineHas_appliesNothing()
    {
        CaptureHarness h;
        h.writeSettings();
        QVERIFY(h.load());
        const CaptureView v(*h.window);
        v.ComboSource->setEditable(true);
        v.ComboSource->setEditText(QStringLiteral("Nothing by this name"));
        const int lineBefore = lineUnderTheSliders(h, v);
        QVERIFY(lineBefore >= 0);
        h.rec->log.clear();
        runHandler(*h.window, "SelectSource");
        QVERIFY(h.rec->log.filter(QStringLiteral("Selected")).isEmpty());
        QCOMPARE(lineUnderTheSliders(h, v), lineBefore);   // it stopped at the first failing step
    }
};

QTEST_MAIN(TestDeviceLists)
#include "tst_devicelists.moc"
