#pragma once

#include "base/Dialogs.h"
#include "base/TextRules.h"

// The filter list of every "open a media file" dialog, in menu order; the
// first row is selected.
inline QList<Dialogs::Filter> mediaFileFilters()
{
    return {
        {QStringLiteral("Media files (all types)"),
         QStringLiteral("*.wav;*.snd;*.au;*.aif;*.aifc;*.aiff;*.wma;*.mp3;*.cda;*.mid;*.rmi;*.midi;*.mpeg;*.mpg;*.m1v;"
                        "*.mp2;*.mpa;*.mpe;*.asx;*.wax;*.m3u;*.wvx;*.wmx;*.avi;*.wmv;*.asf;*.wm")},
        {QStringLiteral("Audio file (*.wav;*.snd;*.au;*.aif;*.aifc;*.aiff;*.wma;*.mp3)"),
         QStringLiteral("*.wav;*.snd;*.au;*.aif;*.aifc;*.aiff;*.wma;*.mp3")},
        {QStringLiteral("MIDI file (*.mid;*.rmi;*.midi)"), QStringLiteral("*.mid;*.rmi;*.midi")},
        {QStringLiteral("Movie File (MPEG) (*.mpeg;*.mpg;*.m1v;*.mp2;*.mpa;*.mpe)"),
         QStringLiteral("*.mpeg;*.mpg;*.m1v;*.mp2;*.mpa;*.mpe")},
        {QStringLiteral("Video file (*.avi;*.wmv)"), QStringLiteral("*.avi;*.wmv")},
        {QStringLiteral("Windows Media file (*.asf;*.wm;*.wma;*.wmv)"), QStringLiteral("*.asf;*.wm;*.wma;*.wmv")},
        {QStringLiteral("Media Playlist (*.asx;*.wax;*.m3u;*.wvx;*.wmx)"), QStringLiteral("*.asx;*.wax;*.m3u;*.wvx;*.wmx")},
        {QStringLiteral("All Files (*.*)"), QStringLiteral("*.*")},
    };
}

// The Open dialog for a media file: the filters above, the first selected,
// the system's own title and starting folder.
inline Dialogs::FileRequest mediaOpenRequest(QWidget *owner)
{
    Dialogs::FileRequest request;
    request.owner = owner;
    request.filters = mediaFileFilters();
    request.selectedFilter = 0;
    return request;
}

// A path as a file dialog returns it, cleaned: blanks at either end removed,
// then one trailing NUL.
inline QString cleanedDialogPath(const QString &chosen)
{
    QString path = withoutOuterBlanks(chosen);
    if (path.endsWith(QChar(0)))
        path.chop(1);
    return path;
}
