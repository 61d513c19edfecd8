#include "media/FrmPlayWav.h"

#include "base/PublicDim.h"
#include "base/SkipOnError.h"
#include "media/MediaPlayer.h"
#include "resources/Twips.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>

FrmPlayWav::FrmPlayWav(QWidget *mainWindow, const PlayerFactory &makePlayer)
    : QWidget(mainWindow, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                              | Qt::MSWindowsFixedSizeDialogHint),
      m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("FrmPlayWav"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Wav Player"));
    setFixedSize(Twips::size(5100, 1845));
    QFont face = QFontDatabase::families().contains(QStringLiteral("Tahoma")) ? QFont(QStringLiteral("Tahoma"))
                                                                               : font();
    face.setPointSizeF(9);
    setFont(face);

    MediaPlayer1 = makePlayer(this);
    MediaPlayer1->widget()->setObjectName(QStringLiteral("MediaPlayer1"));
    MediaPlayer1->widget()->setGeometry(Twips::Box{180, 600, 4725, 1065}.rect());

    Label1 = new QLabel(tr("File:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(Twips::Box{210, 210, 315, 210}.rect());
    Label1->resize(qMax(Label1->width(), Label1->sizeHint().width()), Label1->height());

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    // The field starts after its label, which is wider in some fonts and
    // languages than the stored layout allows for.
    QRect field = Twips::Box{555, 210, 4395, 270}.rect();
    field.setLeft(qMax(field.left(), Label1->geometry().right() + 5));
    Text1->setGeometry(field);
    Label1->setBuddy(Text1);
    Text1->setFocusPolicy(Qt::ClickFocus);   // not a tab stop
    QPalette face2 = Text1->palette();
    face2.setColor(QPalette::Base, face2.color(QPalette::Button));
    Text1->setPalette(face2);

    if (mainWindow)
        move(mainWindow->screen()->availableGeometry().center() - rect().center());
    Form_Load();
}

void FrmPlayWav::Form_Load()
{
    if (m_mainWindow)
        skipOnError([&] { setWindowIcon(m_mainWindow->windowIcon()); });
    skipOnError([&] { PublicDim::SetFormIcon(this); });
}

void FrmPlayWav::Form_Unload()
{
    skipOnError([&] {
        if (m_mainWindow)
            m_mainWindow->show();
    });
}

void FrmPlayWav::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}
