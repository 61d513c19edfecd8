// The windows as a screen reader sees them: every control a user can reach
// has a name of its own, and what they say is what is shown.

#include "info/FormFlash.h"
#include "media/FrmPlayWav.h"
#include "recorder/AudioDisplayWidget.h"
#include "recorder/FormWAV.h"
#include "support/CaptureHarness.h"

#include <QAccessible>
#include <QSlider>
#include <QTest>

namespace {

bool isControl(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::EditableText:
    case QAccessible::ComboBox:
    case QAccessible::Slider:
    case QAccessible::SpinBox:
    case QAccessible::ButtonMenu:
        return true;
    default:
        return false;
    }
}

// Every control under `iface` that a screen reader would announce without a
// name, as "object (role)". A combo box's name is its current item on Linux;
// what names it is the label that stands for it.
void unnamed(QAccessibleInterface *iface, QStringList &out)
{
    if (!iface || iface->state().invisible)
        return;
    const QString name = iface->text(QAccessible::Name).trimmed();
    const QString objectName = iface->object() ? iface->object()->objectName() : QString();
    const bool labelled = !iface->relations(QAccessible::Label).isEmpty();
    if (isControl(iface->role()) && !labelled
        && (name.isEmpty() || (iface->role() == QAccessible::ComboBox && name == iface->text(QAccessible::Value))))
        out << QStringLiteral("%1 (role %2) \"%3\"").arg(objectName).arg(iface->role()).arg(name);
    for (int i = 0; i < iface->childCount(); ++i)
        unnamed(iface->child(i), out);
}

QStringList unnamedIn(QWidget *window)
{
    window->show();
    QStringList out;
    unnamed(QAccessible::queryAccessibleInterface(window), out);
    return out;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void everyWindow_namesEveryControl_andSaysWhatIsShown()
    {
        CaptureHarness h;
        h.writeSettings();
        QVERIFY(h.load());
        frmCapture &w = *h.window;
        frmWizard *wizard = w.wizardWindow();
        QVERIFY(wizard);

        // The wizard is a dialog in front of the window, and its pages are named too.
        QCOMPARE(QAccessible::queryAccessibleInterface(wizard)->role(), QAccessible::Dialog);
        QStringList missing = unnamedIn(wizard);
        for (const char *page : {"Pic2", "Pic4", "Pic5"}) {
            auto *p = wizard->findChild<QWidget *>(QLatin1String(page));
            QVERIFY(p);
            p->show();
            missing += unnamedIn(wizard);
        }
        wizard->close();
        missing += unnamedIn(&w);
        FormWAV format(h.file, &w);
        missing += unnamedIn(&format);
        FrmPlayWav player(&w, [](QWidget *parent) { return new FakePlayer(parent); });
        missing += unnamedIn(&player);
        missing.removeDuplicates();
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("\n") + missing.join(QLatin1Char('\n'))));

        // The fields take their names from the labels beside them, and the
        // combo boxes are named for what they choose, not by their item.
        const CaptureView v(w);
        QCOMPARE(QAccessible::queryAccessibleInterface(v.TextWavFile)->text(QAccessible::Name), QStringLiteral("Save as:"));
        const auto sourceLabels = QAccessible::queryAccessibleInterface(v.ComboSource)->relations(QAccessible::Label);
        QCOMPARE(sourceLabels.size(), 1);
        QCOMPARE(sourceLabels.first().first->text(QAccessible::Name), QStringLiteral("Source:"));

        // Volume at the top of its groove is full volume, and reads so.
        QAccessibleInterface *volume = QAccessible::queryAccessibleInterface(v.slVolume);
        v.slVolume->setValue(v.slVolume->minimum());
        QCOMPARE(volume->valueInterface()->currentValue().toInt(), v.slVolume->maximum());
        QCOMPARE(volume->text(QAccessible::Value), QStringLiteral("100 %"));
        volume->valueInterface()->setCurrentValue(0);   // a screen reader turns it all the way down
        QCOMPARE(v.slVolume->value(), v.slVolume->maximum());

        // The level display is a named picture that says which style it shows.
        AudioDisplayWidget display;
        QAccessibleInterface *picture = QAccessible::queryAccessibleInterface(&display);
        QCOMPARE(picture->text(QAccessible::Name), QStringLiteral("Level display"));
        display.setDisplayStyle(AudioDisplayWidget::Spectrum);
        const QString spectrum = picture->text(QAccessible::Description);
        display.setDisplayStyle(AudioDisplayWidget::Oscilloscope);
        QVERIFY(!spectrum.isEmpty() && picture->text(QAccessible::Description) != spectrum);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
