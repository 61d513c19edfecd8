#pragma once

#include <QString>

// Where a take is to be recorded, as the window and tarvell-rec both see it
// before the take starts.

// A recording's name ends in ".wav" in any case: "take" and "take.mp3"
// become "take.wav" and "take.mp3.wav".
QString withWavExtension(const QString &name);

// What is at a name now. A take into a folder cannot start, and one into a
// file with something in it replaces what is there: both faces ask first.
enum class TakeTarget { Free, Folder, NonEmptyFile };
// A name ending in "/" is a folder's, whether or not there is one.
TakeTarget takeTarget(const QString &name);
