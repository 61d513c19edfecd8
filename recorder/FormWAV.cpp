#include "recorder/FormWAV.h"

#include "base/PublicDim.h"
#include "base/SkipOnError.h"
#include "engine/AudioFile.h"
#include "engine/WaveFormat.h"
#include "resources/Twips.h"

#include <QAction>
#include <QButtonGroup>
#include <QFontDatabase>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

std::function<int(FormWAV &)> FormWAV::runHook;

namespace {

using Twips::Box;

// The stored layout, in twips, relative to the client area or (for the radio
// buttons) to the borderless box that holds them.
constexpr int ClientWidth = 5610;
constexpr int ClientHeight = 3615;

constexpr Box LabelFreqAt{435, 45, 0, 0};
constexpr Box PicFreqBox{240, 315, 5115, 765};
constexpr Box FreqBoxes[8] = {
    {30, 45, 1125, 255},   {30, 360, 1125, 255},   {1290, 45, 1125, 255},  {1290, 360, 1125, 255},
    {2550, 45, 1125, 255}, {2550, 375, 1125, 255}, {3810, 45, 1125, 255},  {3810, 360, 1125, 255},
};
static_assert(std::size(FreqBoxes) == WaveFormat::OfferedRates.size(), "one button per offered rate");
constexpr Box FreqFrame{165, 150, 5265, 1050};

constexpr Box LabelChannelsAt{435, 1320, 0, 0};
constexpr Box PicChannelsBox{255, 1530, 4935, 435};
constexpr Box P1Box{15, 60, 1110, 255};
constexpr Box P2Box{1440, 60, 1110, 255};
constexpr Box ChannelsFrame{165, 1440, 5265, 600};

constexpr Box LabelBitsAt{420, 2130, 0, 0};
constexpr Box PicBitsBox{270, 2355, 4920, 405};
constexpr Box B1Box{30, 45, 1080, 270};
constexpr Box B2Box{1470, 45, 1080, 270};
constexpr Box BitsFrame{165, 2250, 5265, 600};

constexpr Box cmdOkBox{2955, 3060, 990, 360};
constexpr Box cmdCancelBox{4035, 3060, 990, 360};

// The etched edge sits one pixel right of and below its dark outline.
constexpr int EtchOffset = 15;

// The client area: it draws each group's etched frame itself, a dark outline
// with a white one just inside and below, like a pair of stacked rectangles.
class EtchedArea : public QWidget
{
public:
    using QWidget::QWidget;
    QList<QRect> frames;   // the dark outlines; the white ones follow from them

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const QColor dark = palette().color(QPalette::Dark);
        // The dark one is laid over the white one where the two cross.
        for (const QColor &colour : {QColor(Qt::white), dark}) {
            p.setPen(colour);
            const int shift = colour == dark ? 0 : Twips::px(EtchOffset);
            for (const QRect &r : frames)
                p.drawRect(r.translated(shift, shift).adjusted(0, 0, -1, -1));
        }
    }
};

template<typename W>
W *place(W *widget, const Box &box, const char *name)
{
    widget->setGeometry(box.rect());
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QRadioButton *option(QWidget *box, const QString &text, const Box &at, const char *name, QButtonGroup *group)
{
    auto *b = place(new QRadioButton(text, box), at, name);
    group->addButton(b);
    return b;
}

// A group's caption written over the top edge of its frame; the window's own
// background behind the text interrupts the line.
QLabel *groupLabel(QWidget *parent, const QString &text, const Box &at, const char *name)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setAutoFillBackground(true);
    l->setBackgroundRole(QPalette::Window);
    l->move(Twips::px(at.left), Twips::px(at.top));
    l->resize(l->sizeHint());
    return l;
}

QFont dialogFont(const QFont &fallback)
{
    QFont face = QFontDatabase::families().contains(QStringLiteral("Tahoma"), Qt::CaseInsensitive)
                     ? QFont(QStringLiteral("Tahoma"))
                     : fallback;
    face.setPointSizeF(8);
    return face;
}

} // namespace

FormWAV::FormWAV(AudioFile *file, QWidget *owner)
    : QDialog(owner), m_file(file)
{
    setObjectName(QStringLiteral("FormWAV"));
    setWindowTitle(QStringLiteral("WAV Option"));
    // A fixed dialog frame: title and close box only, no "?" and no grip.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setSizeGripEnabled(false);
    setModal(true);
    setFont(dialogFont(font()));

    MenuBar = new QMenuBar(this);
    MenuBar->setObjectName(QStringLiteral("MenuBar"));
    MenuBar->setNativeMenuBar(false);
    M_Presets = MenuBar->addMenu(QStringLiteral("Presets"));
    M_Presets->setObjectName(QStringLiteral("M_Presets"));
    M_Smallest = M_Presets->addAction(QStringLiteral("Smallest file size"), this, &FormWAV::M_Smallest_Click);
    M_Smallest->setObjectName(QStringLiteral("M_Smallest"));
    M_Best = M_Presets->addAction(QStringLiteral("Best suond quality"), this, &FormWAV::M_Best_Click);
    M_Best->setObjectName(QStringLiteral("M_Best"));

    auto *area = new EtchedArea(this);
    area->setObjectName(QStringLiteral("Client"));
    area->setFixedSize(Twips::size(ClientWidth, ClientHeight));
    area->frames = {FreqFrame.rect(), ChannelsFrame.rect(), BitsFrame.rect()};
    Client = area;

    // The menu bar sits above the client area and adds to the window's height.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(MenuBar);
    layout->addWidget(Client);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    LabelFreq = groupLabel(Client, QStringLiteral(" Frequency (Hz) "), LabelFreqAt, "LabelFreq");
    PicFreq = place(new QWidget(Client), PicFreqBox, "PicFreq");
    GroupFreq = new QButtonGroup(this);
    F1 = option(PicFreq, QStringLiteral("8000"), FreqBoxes[0], "F1", GroupFreq);
    F2 = option(PicFreq, QStringLiteral("11025 "), FreqBoxes[1], "F2", GroupFreq);
    F3 = option(PicFreq, QStringLiteral("16000"), FreqBoxes[2], "F3", GroupFreq);
    F4 = option(PicFreq, QStringLiteral("22050"), FreqBoxes[3], "F4", GroupFreq);
    F5 = option(PicFreq, QStringLiteral("24000"), FreqBoxes[4], "F5", GroupFreq);
    F6 = option(PicFreq, QStringLiteral("32000"), FreqBoxes[5], "F6", GroupFreq);
    F7 = option(PicFreq, QStringLiteral("44100"), FreqBoxes[6], "F7", GroupFreq);
    F8 = option(PicFreq, QStringLiteral("48000"), FreqBoxes[7], "F8", GroupFreq);

    LabelChannels = groupLabel(Client, QStringLiteral(" Channels Mode "), LabelChannelsAt, "LabelChannels");
    PicChannels = place(new QWidget(Client), PicChannelsBox, "PicChannels");
    GroupChannels = new QButtonGroup(this);
    P1 = option(PicChannels, QStringLiteral("Mono"), P1Box, "P1", GroupChannels);
    P2 = option(PicChannels, QStringLiteral("Stereo"), P2Box, "P2", GroupChannels);

    LabelBits = groupLabel(Client, QStringLiteral(" Bits Per Sample "), LabelBitsAt, "LabelBits");
    PicBits = place(new QWidget(Client), PicBitsBox, "PicBits");
    GroupBits = new QButtonGroup(this);
    B1 = option(PicBits, QStringLiteral("8 Bit"), B1Box, "B1", GroupBits);
    B2 = option(PicBits, QStringLiteral("16 Bit"), B2Box, "B2", GroupBits);

    F8->setChecked(true);
    P2->setChecked(true);
    B2->setChecked(true);

    cmdOk = place(new QPushButton(QStringLiteral("Ok"), Client), cmdOkBox, "cmdOk");
    cmdCancel = place(new QPushButton(QStringLiteral("Cancel"), Client), cmdCancelBox, "cmdCancel");
    cmdOk->setDefault(true);
    connect(cmdOk, &QPushButton::clicked, this, &FormWAV::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &FormWAV::cmdCancel_Click);
}

FormWAV::~FormWAV() = default;

int FormWAV::exec()
{
    Form_Load();
    if (runHook)
        return runHook(*this);
    return QDialog::exec();
}

void FormWAV::Form_Load()
{
    using namespace PublicDim;
    skipOnError([&] {
        const auto buttons = frequencyButtons();
        QRadioButton *on = F8;   // a rate of its own keeps the layout's choice
        for (size_t i = 0; i < WaveFormat::OfferedRates.size(); ++i)
            if (WavFormat.sampleRate == WaveFormat::OfferedRates[i])
                on = buttons[i];
        on->setChecked(true);
    });
    skipOnError([&] { (WavFormat.channels == 1 ? P1 : P2)->setChecked(true); });
    skipOnError([&] { (WavFormat.bitsPerSample == 8 ? B1 : B2)->setChecked(true); });
    skipOnError([&] { SetFormIcon(this); });
}

void FormWAV::cmdOk_Click()
{
    using namespace PublicDim;
    skipOnError([&] {
        const auto buttons = frequencyButtons();
        for (size_t i = 0; i < WaveFormat::OfferedRates.size(); ++i) {
            if (buttons[i]->isChecked()) {
                WavFormat.sampleRate = WaveFormat::OfferedRates[i];
                break;
            }
        }
    });
    skipOnError([&] {
        if (P1->isChecked())
            WavFormat.channels = 1;
        else if (P2->isChecked())
            WavFormat.channels = 2;
    });
    skipOnError([&] {
        if (B1->isChecked())
            WavFormat.bitsPerSample = 8;
        else if (B2->isChecked())
            WavFormat.bitsPerSample = 16;
    });
    skipOnError([&] {
        if (m_file)
            m_file->SetWaveFormat(WavFormat);
    });
    skipOnError([&] { accept(); });
}

void FormWAV::cmdCancel_Click()
{
    // Also what Esc and the close box do (QDialog rejects on both).
    reject();
}

void FormWAV::M_Smallest_Click()
{
    F1->setChecked(true);
    P1->setChecked(true);
    B1->setChecked(true);
}

void FormWAV::M_Best_Click()
{
    F8->setChecked(true);
    P2->setChecked(true);
    B2->setChecked(true);
}
