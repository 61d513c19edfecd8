#include "info/FormFlash.h"

#include "base/PublicDim.h"
#include "base/SkipOnError.h"
#include "resources/Artwork.h"
#include "resources/Twips.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QScreen>
#include <QTimer>

#include <cmath>

namespace {

int g_timerInterval = 0;   // 0: the default

constexpr Twips::Box LabelVerBox{450, 2730, 930, 195};
constexpr Twips::Box LabelCopyrightBox{450, 3015, 5385, 195};

// The picture is drawn on a 416 x 228 canvas (the client area at 96 dpi) and
// scaled to the window.
constexpr qreal CanvasWidth = 416;
constexpr qreal CanvasHeight = 228;

// Tahoma 8.25 pt bold where it is installed, else the closest sans-serif.
QFont labelFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Noto Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setBold(true);
    return font;
}

QLabel *makeLabel(QWidget *parent, const QString &text, const Twips::Box &box, const char *name)
{
    auto *label = Twips::place(new QLabel(text, parent), box, name);
    label->setFont(labelFont());
    // Bold text in a font other than Tahoma can be wider or taller than the
    // stored box: keep all of it.
    const QSize hint = label->sizeHint();
    label->resize(std::max(label->width(), hint.width()), std::max(label->height(), hint.height()));
    return label;
}

// A waveform's outline, made up but always the same: a few partials under a
// swelling envelope.
qreal waveAt(qreal t)
{
    const qreal envelope = 0.35 + 0.65 * std::pow(std::sin(M_PI * t), 1.5);
    const qreal v = 0.55 * std::sin(2 * M_PI * 3.0 * t) + 0.3 * std::sin(2 * M_PI * 7.3 * t + 1.1)
                    + 0.15 * std::sin(2 * M_PI * 17.9 * t + 0.4);
    return envelope * (0.45 + 0.55 * std::abs(v));
}

} // namespace

FormFlash::FormFlash(QWidget *owner)
    : QWidget(owner, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FormFlash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Form1"));
    setFixedSize(Twips::size(ClientWidth, ClientHeight));

    LabelVer = makeLabel(this, tr("Version 5.0"), LabelVerBox, "LabelVer");
    LabelCopyright = makeLabel(this, tr("Copyright \u00a9 2026 The Tarvell Recorder developers"),
                               LabelCopyrightBox, "LabelCopyright");

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(g_timerInterval > 0 ? g_timerInterval : DefaultTimerInterval);
    connect(Timer1, &QTimer::timeout, this, &FormFlash::Timer1_Timer);

    Form_Load();
}

void FormFlash::Form_Load()
{
    // Each label's own style wins over any style the owner's skin hands down.
    skipOnError([&] { LabelVer->setStyleSheet(QStringLiteral("color: #ffffff; background: transparent;")); });
    skipOnError([&] { LabelCopyright->setStyleSheet(QStringLiteral("color: #ffffff; background: transparent;")); });
    skipOnError([&] { setWindowTitle(tr("Tarvell Recorder")); });
    // Topmost: the flag is given at construction; the size stays as stored.
    skipOnError([&] {
        if (QWidget *owner = parentWidget())
            setWindowIcon(owner->window()->windowIcon());
    });
    skipOnError([&] { PublicDim::SetFormIcon(this); });
    Timer1->start();
}

FormFlash *FormFlash::openFor(const QWidget *owner)
{
    if (!owner)
        return nullptr;
    // A closed window is hidden at once and deleted a moment later.
    for (FormFlash *w : owner->findChildren<FormFlash *>(QString(), Qt::FindDirectChildrenOnly))
        if (!w->isHidden())
            return w;
    return nullptr;
}

FormFlash *FormFlash::showOver(QWidget *owner)
{
    FormFlash *flash = openFor(owner);
    if (!flash) {
        flash = new FormFlash(owner);
        const QScreen *screen = owner && owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
        if (screen) {
            QRect frame = flash->frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            flash->move(frame.topLeft());
        }
    }
    flash->show();
    flash->raise();
    flash->activateWindow();
    return flash;
}

void FormFlash::setTimerIntervalForTests(int ms)
{
    g_timerInterval = std::max(ms, 0);
}

void FormFlash::Form_Click()
{
    close();
}

void FormFlash::Timer1_Timer()
{
    Timer1->stop();
    skipOnError([&] { close(); });
}

bool FormFlash::onPicture(const QPointF &pos) const
{
    const QPoint p = pos.toPoint();
    return rect().contains(p) && !childAt(p);
}

void FormFlash::mousePressEvent(QMouseEvent *event)
{
    // Clicks on the labels arrive here too (a label takes no click); they
    // are not clicks on the picture.
    m_pressedOnPicture = event->button() == Qt::LeftButton && onPicture(event->position());
    event->accept();
}

void FormFlash::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressedOnPicture && event->button() == Qt::LeftButton && onPicture(event->position());
    m_pressedOnPicture = false;
    event->accept();
    if (click)
        Form_Click();
}

void FormFlash::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    drawPicture(p, rect());
}

void FormFlash::drawPicture(QPainter &p, const QRectF &area)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(area.topLeft());
    p.scale(area.width() / CanvasWidth, area.height() / CanvasHeight);
    const QRectF canvas(0, 0, CanvasWidth, CanvasHeight);

    // Night-blue ground, lighter towards the top left.
    QLinearGradient ground(0, 0, CanvasWidth, CanvasHeight);
    ground.setColorAt(0, QColor(0x1d, 0x30, 0x44));
    ground.setColorAt(0.55, QColor(0x12, 0x1d, 0x29));
    ground.setColorAt(1, QColor(0x0b, 0x11, 0x18));
    p.fillRect(canvas, ground);

    // A soft glow behind the icon.
    QRadialGradient glow(QPointF(64, 60), 120);
    glow.setColorAt(0, QColor(0x3f, 0xd0, 0xb4, 70));
    glow.setColorAt(1, QColor(0x3f, 0xd0, 0xb4, 0));
    p.fillRect(canvas, glow);

    // The program's icon and name.
    const QRectF iconBox(30, 26, 68, 68);
    Artwork::programIcon().paint(&p, iconBox.toRect());

    QFont title;
    title.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Verdana"), QStringLiteral("Noto Sans")});
    title.setStyleHint(QFont::SansSerif);
    title.setPixelSize(29);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0xf4, 0xf7, 0xfa));
    p.drawText(QRectF(112, 28, 300, 38), Qt::AlignLeft | Qt::AlignVCenter, tr("Tarvell Recorder"));

    QFont subtitle = title;
    subtitle.setBold(false);
    subtitle.setPixelSize(13);
    p.setFont(subtitle);
    p.setPen(QColor(0x9f, 0xb6, 0xcb));
    p.drawText(QRectF(114, 66, 300, 20), Qt::AlignLeft | Qt::AlignVCenter,
               tr("Records what your computer hears"));

    // A waveform across the middle, teal fading into amber: mirrored bars
    // around a centre line.
    const qreal left = 30, right = CanvasWidth - 30, mid = 134, half = 30;
    QLinearGradient colour(left, 0, right, 0);
    colour.setColorAt(0, QColor(0x3f, 0xd0, 0xb4, 220));
    colour.setColorAt(0.65, QColor(0x62, 0xc8, 0xf4, 200));
    colour.setColorAt(1, QColor(0xf2, 0xa6, 0x48, 220));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const int bars = 72;
    const qreal step = (right - left) / bars;
    for (int i = 0; i < bars; ++i) {
        const qreal t = (i + 0.5) / bars;
        const qreal h = std::max<qreal>(1.5, half * waveAt(t));
        p.drawRoundedRect(QRectF(left + i * step + step * 0.2, mid - h, step * 0.6, 2 * h), 1, 1);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xff, 0xff, 0xff, 40), 1));
    p.drawLine(QPointF(left, mid), QPointF(right, mid));

    // A quiet rule above the two white labels, which stand on the dark
    // band at the bottom left.
    p.setPen(QPen(QColor(0x3a, 0x52, 0x68), 1));
    p.drawLine(QPointF(30, 174.5), QPointF(CanvasWidth - 30, 174.5));

    // The red record dot at the bottom right, echoing the icon, clear of
    // the labels' boxes.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe5, 0x39, 0x35));
    p.drawEllipse(QPointF(CanvasWidth - 18, 198), 5, 5);
    p.restore();
}
