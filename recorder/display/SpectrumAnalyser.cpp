#include "recorder/display/SpectrumAnalyser.h"
#include "engine/LevelMath.h"

#include <fftw3.h>

#include <algorithm>
#include <cmath>
#include <numbers>

using LevelMath::kSilenceDb;

struct SpectrumAnalyser::Plan
{
    int size = 0;
    float *in = nullptr;
    fftwf_complex *out = nullptr;
    fftwf_plan plan = nullptr;
    std::vector<float> window;   // Hann, with the mono mix and 16-bit scaling folded in
    float gain = 0;              // |X|^2 to squared amplitude

    ~Plan()
    {
        if (plan)
            fftwf_destroy_plan(plan);
        fftwf_free(in);
        fftwf_free(out);
    }
};

SpectrumAnalyser::SpectrumAnalyser()
{
    m_db.reserve(kMaxSize / 2 + 1);
}

SpectrumAnalyser::~SpectrumAnalyser() = default;

SpectrumAnalyser::Plan *SpectrumAnalyser::planFor(int size)
{
    for (auto &p : m_plans)
        if (p->size == size)
            return p.get();
    auto p = std::make_unique<Plan>();
    p->size = size;
    p->in = fftwf_alloc_real(size_t(size));
    p->out = fftwf_alloc_complex(size_t(size / 2 + 1));
    p->plan = fftwf_plan_dft_r2c_1d(size, p->in, p->out, FFTW_ESTIMATE);
    p->window.resize(size_t(size));
    double sum = 0;
    for (int i = 0; i < size; ++i) {
        const double w = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * i / size);
        sum += w;
        // (L + R) / 2, scaled so that full scale is 1.0
        p->window[size_t(i)] = float(w * 0.5 / LevelMath::kFullScale);
    }
    // A sine of amplitude A gives |X| = A * sum(w) / 2 at its bin.
    const double g = 2.0 / sum;
    p->gain = float(g * g);
    m_plans.push_back(std::move(p));
    return m_plans.back().get();
}

int SpectrumAnalyser::analyse(const qint16 *interleaved, qsizetype frames)
{
    if (!interleaved || frames < kMinSize) {
        m_size = 0;
        m_db.clear();
        return 0;
    }
    int n = kMinSize;
    while (n * 2 <= kMaxSize && n * 2 <= frames)
        n *= 2;
    Plan *p = planFor(n);
    const qint16 *s = interleaved + 2 * (frames - n);
    for (int i = 0; i < n; ++i)
        p->in[i] = float(int(s[2 * i]) + int(s[2 * i + 1])) * p->window[size_t(i)];
    fftwf_execute(p->plan);

    m_size = n;
    const int bins = n / 2 + 1;
    m_db.resize(size_t(bins));
    for (int k = 0; k < bins; ++k) {
        const float re = p->out[k][0], im = p->out[k][1];
        const float power = (re * re + im * im) * p->gain;
        m_db[size_t(k)] = power > 1e-12f ? std::max(float(kSilenceDb), 10.0f * std::log10(power))
                                         : float(kSilenceDb);
    }
    return bins;
}

int SpectrumAnalyser::peakBin() const
{
    const int bins = binCount();
    if (bins < 2)
        return -1;
    return int(std::max_element(m_db.begin() + 1, m_db.begin() + bins) - m_db.begin());
}

void SpectrumAnalyser::mapToLogAxis(double sampleRate, double loHz, double hiHz, float *out, int n) const
{
    if (n <= 0)
        return;
    const int bins = binCount();
    if (bins == 0 || sampleRate <= 0 || loHz <= 0 || hiHz <= loHz) {
        std::fill(out, out + n, float(kSilenceDb));
        return;
    }
    const int last = bins - 1;
    const double binHz = sampleRate / m_size;
    const double ratio = std::pow(hiHz / loHz, 1.0 / n);
    const double half = std::sqrt(ratio);
    double fLo = loHz;
    for (int i = 0; i < n; ++i) {
        const double fHi = fLo * ratio;
        const int k0 = int(std::ceil(fLo / binHz));
        const int k1 = std::min(last, int(std::floor(fHi / binHz)));
        if (k0 <= k1) {
            out[i] = *std::max_element(m_db.begin() + k0, m_db.begin() + k1 + 1);
        } else {
            const double b = fLo * half / binHz;
            const int k = int(b);
            if (k >= last) {
                out[i] = m_db[size_t(last)];
            } else {
                const float t = float(b - k);
                out[i] = m_db[size_t(k)] + t * (m_db[size_t(k + 1)] - m_db[size_t(k)]);
            }
        }
        fLo = fHi;
    }
}
