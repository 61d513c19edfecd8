// What the program's main window is built from.

#include "engine/PulseAudioRecord.h"
#include "engine/WavAudioFile.h"
#include "media/MediaPlayerWidget.h"
#include "recorder/AudioDisplayWidget.h"
#include "shell/frmCapture.h"

frmCapture::Components frmCapture::Components::real()
{
    Components c;
    c.makeRecorder = [] { return std::make_unique<PulseAudioRecord>(); };
    c.makeFile = [] { return std::make_unique<WavAudioFile>(); };
    c.makeDisplay = [](QWidget *parent) -> AudioDisplay * { return new AudioDisplayWidget(parent); };
    c.makePlayer = [](QWidget *parent) -> MediaPlayer * { return new MediaPlayerWidget(parent); };
    c.writeIntervalMs = 200;
    return c;
}
