#include "recorder/FormWAV.h"

#include "base/Dialogs.h"
#include "base/FileChoice.h"
#include "base/PublicDim.h"
#include "base/SkipOnError.h"
#include "engine/AudioFailure.h"
#include "engine/AudioFile.h"
#include "engine/WaveFormat.h"
#include "resources/Twips.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

std::function<int(FormWAV &)> FormWAV::runHook;

namespace {

using Twips::Box;
using Twips::place;

// The stored layout, in twips, relative to the client area or (for the radio
// buttons) to the borderless box that holds them.
constexpr int ClientWidth = 5610;
constexpr int ClientHeight = 5055 + 315;   // with the deeper depths' row

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
// The deeper depths in a second row under the first two; what follows moves
// down by that row.
constexpr int DepthRow = 315;
constexpr Box PicBitsBox{270, 2355, 4920, 405 + DepthRow};
constexpr Box B1Box{30, 45, 1080, 270};
constexpr Box B2Box{1470, 45, 1080, 270};
constexpr Box B3Box{30, 45 + DepthRow, 1080, 270};
constexpr Box B4Box{1470, 45 + DepthRow, 2400, 270};
constexpr Box BitsFrame{165, 2250, 5265, 600 + DepthRow};

// The file type, below the three groups of the format.
constexpr Box LabelTypeAt{420, 2940 + DepthRow, 0, 0};
constexpr Box ComboTypeBox{435, 3225 + DepthRow, 1815, 315};
constexpr Box LabelQualityAt{2550, 3270 + DepthRow, 0, 0};
constexpr Box ComboQualityBox{3330, 3225 + DepthRow, 1815, 315};
constexpr Box LabelTypeNoteBox{435, 3615 + DepthRow, 4830, 600};
constexpr Box TypeFrame{165, 3060 + DepthRow, 5265, 1230};

// A little wider than first drawn (990 twips), Cancel ending with the
// frames above, so that the captions fit in every language.
constexpr Box cmdOkBox{3090, 4500 + DepthRow, 1125, 360};
constexpr Box cmdCancelBox{4305, 4500 + DepthRow, 1125, 360};

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
    setWindowTitle(tr("WAV Option"));
    // A fixed dialog frame: title and close box only, no "?" and no grip.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setSizeGripEnabled(false);
    setModal(true);
    setFont(dialogFont(font()));

    MenuBar = new QMenuBar(this);
    MenuBar->setObjectName(QStringLiteral("MenuBar"));
    MenuBar->setNativeMenuBar(false);
    M_Presets = MenuBar->addMenu(tr("Presets"));
    M_Presets->setObjectName(QStringLiteral("M_Presets"));
    M_Smallest = M_Presets->addAction(tr("Smallest file size"), this, &FormWAV::M_Smallest_Click);
    M_Smallest->setObjectName(QStringLiteral("M_Smallest"));
    M_Best = M_Presets->addAction(tr("Best sound quality"), this, &FormWAV::M_Best_Click);
    M_Best->setObjectName(QStringLiteral("M_Best"));

    auto *area = new EtchedArea(this);
    area->setObjectName(QStringLiteral("Client"));
    area->setFixedSize(Twips::size(ClientWidth, ClientHeight));
    area->frames = {FreqFrame.rect(), ChannelsFrame.rect(), BitsFrame.rect(), TypeFrame.rect()};
    Client = area;

    // The menu bar sits above the client area and adds to the window's height.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(MenuBar);
    layout->addWidget(Client);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    LabelFreq = groupLabel(Client, tr(" Frequency (Hz) "), LabelFreqAt, "LabelFreq");
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

    LabelChannels = groupLabel(Client, tr(" Channels Mode "), LabelChannelsAt, "LabelChannels");
    PicChannels = place(new QWidget(Client), PicChannelsBox, "PicChannels");
    GroupChannels = new QButtonGroup(this);
    P1 = option(PicChannels, tr("Mono"), P1Box, "P1", GroupChannels);
    P2 = option(PicChannels, tr("Stereo"), P2Box, "P2", GroupChannels);

    LabelBits = groupLabel(Client, tr(" Bits Per Sample "), LabelBitsAt, "LabelBits");
    PicBits = place(new QWidget(Client), PicBitsBox, "PicBits");
    GroupBits = new QButtonGroup(this);
    B1 = option(PicBits, tr("8 Bit"), B1Box, "B1", GroupBits);
    B2 = option(PicBits, tr("16 Bit"), B2Box, "B2", GroupBits);
    B3 = option(PicBits, tr("24 Bit"), B3Box, "B3", GroupBits);
    B4 = option(PicBits, tr("32 Bit Float"), B4Box, "B4", GroupBits);
    B4->setToolTip(tr("Keeps sound that goes past full scale, to be turned down when it is edited."));

    LabelType = groupLabel(Client, tr(" File Type "), LabelTypeAt, "LabelType");
    ComboType = place(new QComboBox(Client), ComboTypeBox, "ComboType");
    for (FileType type : fileTypes::All)
        ComboType->addItem(fileTypes::displayName(type));
    LabelType->setBuddy(ComboType);
    ComboType->setToolTip(tr("The kind of file the recording is written as. A name that ends in .wav, .flac, "
                             ".opus, .ogg or .mp3 chooses it too."));
    LabelQuality = new QLabel(tr("Quality:"), Client);
    LabelQuality->setObjectName(QStringLiteral("LabelQuality"));
    LabelQuality->move(Twips::px(LabelQualityAt.left), Twips::px(LabelQualityAt.top));
    LabelQuality->resize(LabelQuality->sizeHint());
    ComboQuality = place(new QComboBox(Client), ComboQualityBox, "ComboQuality");
    for (Quality q : {Quality::Speech, Quality::Music, Quality::Best})
        ComboQuality->addItem(qualityDisplayName(q));
    ComboQuality->setToolTip(tr("Speech makes the smallest files, Best the largest."));
    LabelQuality->setBuddy(ComboQuality);
    LabelTypeNote = place(new QLabel(Client), LabelTypeNoteBox, "LabelTypeNote");
    LabelTypeNote->setWordWrap(true);
    LabelTypeNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    F8->setChecked(true);
    P2->setChecked(true);
    B2->setChecked(true);
    ComboQuality->setCurrentIndex(int(Quality::Music));
    fitToType();
    connect(ComboType, &QComboBox::currentIndexChanged, this, &FormWAV::ComboType_Click);
    connect(GroupBits, &QButtonGroup::buttonClicked, this, [this] { m_chosenBits = checkedBits(); });

    cmdOk = place(new QPushButton(tr("Ok"), Client), cmdOkBox, "cmdOk");
    cmdCancel = place(new QPushButton(tr("Cancel"), Client), cmdCancelBox, "cmdCancel");
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
    skipOnError([&] { bitsButton(WavFormat.bitsPerSample)->setChecked(true); });
    m_chosenBits = checkedBits();
    skipOnError([&] {
        ComboType->setCurrentIndex(int(std::ranges::find(fileTypes::All, WavFileType) - std::begin(fileTypes::All)));
    });
    skipOnError([&] { ComboQuality->setCurrentIndex(int(WavQuality)); });
    skipOnError([&] { fitToType(); });
    skipOnError([&] { SetFormIcon(this); });
}

void FormWAV::cmdOk_Click()
{
    using namespace PublicDim;
    WaveFormat format = WavFormat;
    skipOnError([&] {
        const auto buttons = frequencyButtons();
        for (size_t i = 0; i < WaveFormat::OfferedRates.size(); ++i) {
            if (buttons[i]->isChecked()) {
                format.sampleRate = WaveFormat::OfferedRates[i];
                break;
            }
        }
    });
    skipOnError([&] {
        if (P1->isChecked())
            format.channels = 1;
        else if (P2->isChecked())
            format.channels = 2;
    });
    skipOnError([&] {
        if (const qint32 bits = checkedBits(); bits > 0)
            format.bitsPerSample = bits;
    });
    const FileType type = chosenType();
    // The rates a type cannot hold are off; should one be on all the same,
    // it moves now and the dialog stays open to say so.
    if (!fileTypes::whyNot(type, format).isEmpty()) {
        fitToType();
        return;
    }

    const WaveFormat formatBefore = WavFormat;
    const FileType typeBefore = WavFileType;
    const Quality qualityBefore = WavQuality;
    WavFormat = format;
    WavFileType = type;
    WavQuality = chosenQuality();
    try {
        if (m_file)
            applyRecordingChoice(*m_file);
    } catch (const AudioFailure &failure) {
        WavFormat = formatBefore;
        WavFileType = typeBefore;
        WavQuality = qualityBefore;
        skipOnError([&] { applyRecordingChoice(*m_file); });   // m_file is set: only it throws
        Dialogs::instance().messageBox(this,
                                       tr("The recording cannot be written as %1: %2")
                                           .arg(fileTypes::displayName(type), failure.description()),
                                       QString(), Dialogs::Icon::Warning, Dialogs::Buttons::Ok);
        return;
    }
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
    m_chosenBits = 8;
    fitToType();
}

void FormWAV::M_Best_Click()
{
    F8->setChecked(true);
    P2->setChecked(true);
    B2->setChecked(true);
    m_chosenBits = 16;
    fitToType();
}

void FormWAV::ComboType_Click()
{
    fitToType();
}

FileType FormWAV::chosenType() const
{
    const int i = ComboType->currentIndex();
    return i >= 0 && i < int(std::size(fileTypes::All)) ? fileTypes::All[i] : FileType::Wav;
}

Quality FormWAV::chosenQuality() const
{
    const int i = ComboQuality->currentIndex();
    return i >= 0 && i <= int(Quality::Best) ? Quality(i) : Quality::Music;
}

qint32 FormWAV::checkedRate() const
{
    const auto buttons = frequencyButtons();
    for (size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i]->isChecked())
            return WaveFormat::OfferedRates[i];
    return 0;
}

QRadioButton *FormWAV::bitsButton(qint32 bits) const
{
    return bits == 8 ? B1 : bits == 24 ? B3 : bits == 32 ? B4 : B2;
}

qint32 FormWAV::checkedBits() const
{
    for (qint32 bits : {8, 16, 24, 32})
        if (bitsButton(bits)->isChecked())
            return bits;
    return 0;
}

void FormWAV::fitToType()
{
    const FileType type = chosenType();
    const auto buttons = frequencyButtons();
    for (size_t i = 0; i < buttons.size(); ++i)
        buttons[i]->setEnabled(fileTypes::whyNot(type, WaveFormat{WaveFormat::OfferedRates[i], 2, 16}).isEmpty());

    QStringList note;
    const qint32 rate = checkedRate();
    if (const QString why = fileTypes::whyNot(type, WaveFormat{rate, 2, 16}); rate > 0 && !why.isEmpty()) {
        const qint32 nearest = fileTypes::nearestRate(type, rate);
        for (size_t i = 0; i < buttons.size(); ++i)
            if (WaveFormat::OfferedRates[i] == nearest)
                buttons[i]->setChecked(true);
        note << tr("%1: %2 Hz is chosen instead of %3 Hz.").arg(why).arg(nearest).arg(rate);
    }

    // WAV holds every depth, FLAC 16 or 24 bits; the other types are made
    // from 16-bit sound. The user's own choice comes back with WAV.
    for (qint32 bits : {8, 16, 24, 32})
        bitsButton(bits)->setEnabled(fileTypes::bitsFor(type, bits) == bits);
    const qint32 held = fileTypes::bitsFor(type, m_chosenBits);
    bitsButton(held)->setChecked(true);
    if (fileTypes::isLossy(type) || (held == 16 && m_chosenBits != 16))
        note << tr("%1 files are made from 16-bit sound.").arg(fileTypes::displayName(type));
    else if (held != m_chosenBits)
        note << tr("%1 files keep float sound in 24 bits.").arg(fileTypes::displayName(type));

    const bool lossy = fileTypes::isLossy(type);
    LabelQuality->setEnabled(lossy);
    ComboQuality->setEnabled(lossy);
    LabelTypeNote->setText(note.join(QLatin1Char(' ')));
}
