#include "support/Correlation.h"

#include <QtGlobal>

#include <cmath>

namespace Correlation {

QVector<double> leftChannel(const QByteArray &pcm)
{
    QVector<double> out(pcm.size() / 4);
    const auto *s = reinterpret_cast<const qint16 *>(pcm.constData());
    for (qsizetype i = 0; i < out.size(); ++i)
        out[i] = s[2 * i];
    return out;
}

Match bestMatch(const QVector<double> &haystack, const QVector<double> &probe)
{
    Match best;
    const qsizetype m = probe.size();
    if (m == 0 || haystack.size() < m)
        return best;
    double probeEnergy = 0;
    for (double v : probe)
        probeEnergy += v * v;
    double windowEnergy = 0;
    for (qsizetype i = 0; i < m; ++i)
        windowEnergy += haystack[i] * haystack[i];
    for (qsizetype at = 0; at + m <= haystack.size(); ++at) {
        if (at > 0)
            windowEnergy += haystack[at + m - 1] * haystack[at + m - 1] - haystack[at - 1] * haystack[at - 1];
        if (windowEnergy <= 1e-9)
            continue;
        double dot = 0;
        for (qsizetype i = 0; i < m; ++i)
            dot += haystack[at + i] * probe[i];
        const double c = dot / std::sqrt(windowEnergy * probeEnergy);
        if (c > best.correlation)
            best = {at, c};
    }
    return best;
}

} // namespace Correlation
