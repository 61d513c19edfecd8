#pragma once

#include <QByteArray>
#include <QVector>

// Finding a known sound in a recording when levels differ (a player at
// -6 dB): normalised cross-correlation, 1 for the same shape at any level,
// about 0 for unrelated noise.
namespace Correlation {

// The left channel of 16-bit stereo PCM as numbers.
QVector<double> leftChannel(const QByteArray &pcm);

struct Match
{
    qsizetype at = -1;   // frame in the haystack
    double correlation = 0;
};

// Where probe lines up best with haystack.
Match bestMatch(const QVector<double> &haystack, const QVector<double> &probe);

} // namespace Correlation
