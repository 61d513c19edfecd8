#include "shell/ProgramIdentity.h"

#include <QGuiApplication>

void setProgramIdentity()
{
    QGuiApplication::setApplicationName(QStringLiteral("tarvell-recorder"));
    QGuiApplication::setDesktopFileName(QStringLiteral("tarvell-recorder"));
}
