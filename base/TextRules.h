#pragma once

#include "engine/TakeTarget.h"   // withWavExtension, shared with tarvell-rec

#include <QString>

// Small rules for names typed or chosen by the user, shared by the windows.

// Blanks only: a tab or line break in a name is left to the file system to refuse.
inline QString withoutOuterBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}
