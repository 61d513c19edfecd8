#pragma once

#include "base/Dialogs.h"
#include "base/TextRules.h"

#include <QCoreApplication>

// The filter list of every "open a media file" dialog, in menu order; the
// first row is selected. The audio rows take every type a recording is
// written as (WAV, FLAC, Ogg Opus, Ogg Vorbis, MP3): GStreamer's base and
// good plugins play them all.
inline QList<Dialogs::Filter> mediaFileFilters()
{
    return {
        {QCoreApplication::translate("MediaFilters", "Media files (all types)"),
         QStringLiteral("*.wav;*.flac;*.opus;*.ogg;*.snd;*.au;*.aif;*.aifc;*.aiff;*.wma;*.mp3;*.cda;*.mid;*.rmi;*.midi;"
                        "*.mpeg;*.mpg;*.m1v;*.mp2;*.mpa;*.mpe;*.asx;*.wax;*.m3u;*.wvx;*.wmx;*.avi;*.wmv;*.asf;*.wm")},
        {QCoreApplication::translate("MediaFilters", "Audio file (*.wav;*.flac;*.opus;*.ogg;*.snd;*.au;*.aif;*.aifc;*.aiff;*.wma;*.mp3)"),
         QStringLiteral("*.wav;*.flac;*.opus;*.ogg;*.snd;*.au;*.aif;*.aifc;*.aiff;*.wma;*.mp3")},
        {QCoreApplication::translate("MediaFilters", "MIDI file (*.mid;*.rmi;*.midi)"), QStringLiteral("*.mid;*.rmi;*.midi")},
        {QCoreApplication::translate("MediaFilters", "Movie File (MPEG) (*.mpeg;*.mpg;*.m1v;*.mp2;*.mpa;*.mpe)"),
         QStringLiteral("*.mpeg;*.mpg;*.m1v;*.mp2;*.mpa;*.mpe")},
        {QCoreApplication::translate("MediaFilters", "Video file (*.avi;*.wmv)"), QStringLiteral("*.avi;*.wmv")},
        {QCoreApplication::translate("MediaFilters", "Windows Media file (*.asf;*.wm;*.wma;*.wmv)"), QStringLiteral("*.asf;*.wm;*.wma;*.wmv")},
        {QCoreApplication::translate("MediaFilters", "Media Playlist (*.asx;*.wax;*.m3u;*.wvx;*.wmx)"), QStringLiteral("*.asx;*.wax;*.m3u;*.wvx;*.wmx")},
        {QCoreApplication::translate("MediaFilters", "All Files (*.*)"), QStringLiteral("*.*")},
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
