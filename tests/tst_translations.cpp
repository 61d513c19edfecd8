// The program in each of its languages: every message translated, and every
// caption fits its control in the stored layout (the windows do not grow
// for a longer word, so a caption that does not fit is cut).

#include "engine/Translations.h"
#include "info/FormFlash.h"
#include "info/Skin.h"
#include "media/FrmPlayWav.h"
#include "recorder/FormWAV.h"
#include "support/CaptureHarness.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QTranslator>

namespace {

// A group box's title sits after an indent and has a gap on each side.
constexpr int GroupTitlePadding = 16;

QString shownText(QString text)
{
    // "&&" shows one "&"; a single "&" marks the mnemonic and takes no room.
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

int widestLine(const QFontMetrics &fm, const QString &text)
{
    int widest = 0;
    for (const QString &line : text.split(QRegularExpression(QStringLiteral("\r?\n"))))
        widest = std::max(widest, fm.horizontalAdvance(line));
    return widest;
}

// Where a control shows something: a label its text (a label grows to it), a
// field or button all of itself; an empty rectangle for anything else.
QRect shownArea(QWidget *w)
{
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->text().isEmpty()
                   ? QRect()
                   : QRect(label->pos(), QSize(widestLine(label->fontMetrics(), shownText(label->text())), label->height()));
    if (qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w) || qobject_cast<QAbstractButton *>(w)
        || qobject_cast<QAbstractSlider *>(w))
        return w->geometry();
    return QRect();
}

// Every caption under `top` that would be cut, as "object: "text" needs N px, has M".
QStringList cutCaptions(QWidget *top)
{
    QStringList cut;
    const auto report = [&](QWidget *w, const QString &text, int needs, int has) {
        if (needs > has)
            cut << QStringLiteral("%1 \"%2\" needs %3 px, has %4").arg(w->objectName(), text).arg(needs).arg(has);
    };
    top->show();
    for (QWidget *w : top->findChildren<QWidget *>()) {
        // The status bar sizes its panels to their texts.
        if (qobject_cast<QStatusBar *>(w->parentWidget()))
            continue;
        const QFontMetrics fm = w->fontMetrics();
        if (auto *b = qobject_cast<QRadioButton *>(w); b || qobject_cast<QCheckBox *>(w)) {
            auto *box = static_cast<QAbstractButton *>(w);
            if (!box->text().isEmpty())
                report(w, box->text(), box->sizeHint().width(), box->width());
        } else if (auto *button = qobject_cast<QPushButton *>(w)) {
            // Under the skin a button's hint is its text and padding.
            if (!button->text().isEmpty())
                report(w, button->text(), button->sizeHint().width(), button->width());
        } else if (auto *label = qobject_cast<QLabel *>(w)) {
            if (label->text().isEmpty() || label->text().contains(QLatin1Char('<')))
                continue;
            const QString text = shownText(label->text());
            // A label placed beside a field (not by a layout) grows to its
            // text; it must not run under the field.
            const QRect needed = shownArea(label);
            const bool placed = !label->parentWidget()->layout();
            for (QWidget *other : label->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                if (placed && other != label && other->isVisibleTo(top) && needed.intersects(shownArea(other)))
                    cut << QStringLiteral("%1 \"%2\" runs under %3").arg(label->objectName(), text, other->objectName());
            if (label->wordWrap())
                report(w, text, label->heightForWidth(label->contentsRect().width()), label->contentsRect().height());
            else
                report(w, text, widestLine(fm, text), label->contentsRect().width());
        } else if (auto *group = qobject_cast<QGroupBox *>(w)) {
            report(w, group->title(), fm.horizontalAdvance(shownText(group->title())) + GroupTitlePadding,
                   group->width());
        }
    }
    return cut;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void everyLanguage_isComplete_andEveryCaptionFits_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << QString();
        const QStringList languages = Translations::languages();
        // The languages the program promises; a missing one is a packaging fault.
        for (const char *promised : {"de", "fr", "es", "ja"})
            QVERIFY2(languages.contains(QLatin1String(promised)), promised);
        for (const QString &language : languages)
            QTest::newRow(qPrintable(language)) << language;
    }

    void everyLanguage_isComplete_andEveryCaptionFits()
    {
        QFETCH(QString, language);
        QTranslator translator;
        if (!language.isEmpty()) {
            QVERIFY(translator.load(QStringLiteral(":/i18n/tarvell_%1.qm").arg(language)));
            QCoreApplication::installTranslator(&translator);
            // A caption seen in each window comes back translated.
            QVERIFY(QCoreApplication::translate("frmCapture", "&Record") != QLatin1String("&Record"));
            QVERIFY(QCoreApplication::translate("frmWizard", "&Next >") != QLatin1String("&Next >"));
            // Every message has its translation (lupdate marks new and changed ones unfinished).
            QFile ts(QStringLiteral(TARVELL_SOURCE_DIR "/translations/tarvell_%1.ts").arg(language));
            QVERIFY(ts.open(QIODevice::ReadOnly));
            const QByteArray xml = ts.readAll();
            QCOMPARE(xml.count("type=\"unfinished\""), 0);
            QCOMPARE(xml.count("type=\"vanished\"") + xml.count("type=\"obsolete\""), 0);
        }
        const auto uninstall = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });

        CaptureHarness h;
        h.writeSettings();
        // In the program's own look, put on as the program does at start:
        // the skin sets the buttons' padding.
        QVERIFY(QFile::copy(QStringLiteral(TARVELL_SOURCE_DIR "/resources/skin/skin.cjstyles"),
                            h.appFolder() + QLatin1String(Skin::FileName)));
        QVERIFY(h.load());
        frmCapture &w = *h.window;
        QStringList cut = cutCaptions(&w);
        QVERIFY(w.wizardWindow());
        cut += cutCaptions(w.wizardWindow());
        Skin skin;
        skin.load(h.appFolder() + QLatin1String(Skin::FileName));
        FormWAV format(h.file, &w);
        skin.apply(&format);
        cut += cutCaptions(&format);
        FrmPlayWav player(&w, [](QWidget *parent) { return new FakePlayer(parent); });
        skin.apply(&player);
        cut += cutCaptions(&player);
        FormFlash about(&w);
        cut += cutCaptions(&about);
        cut.removeDuplicates();   // the wizard is the window's child too
        QVERIFY2(cut.isEmpty(), qPrintable(QStringLiteral("\n") + cut.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
