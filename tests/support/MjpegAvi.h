#pragma once

#include <QImage>
#include <QList>
#include <QString>

// Writes a small video file for player tests: an AVI holding the frames as
// Motion JPEG, no sound. GStreamer's base and good plugins play it.
bool writeMjpegAvi(const QString &path, const QList<QImage> &frames, int framesPerSecond);
