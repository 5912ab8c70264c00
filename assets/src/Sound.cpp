// HIT: a short wooden bonk. An impact click, a low thump falling in pitch
// and a brief knock of wood, all dying away before the last sample.
#include <algorithm>
#include <cmath>

#include "Art.h"

namespace art {

std::vector<uint8_t> HitSound() {
    constexpr double kPi = 3.14159265358979323846;
    std::vector<double> s(kHitSampleCount);
    uint32_t seed = 0x2545F491u;
    double thumpPhase = 0, knockPhase = 0, knock2Phase = 0;
    for (int i = 0; i < kHitSampleCount; ++i) {
        const double t = double(i) / kHitSampleRate;
        seed = seed * 1664525u + 1013904223u;
        const double noise = double(int32_t(seed)) / 2147483648.0;
        const double click = noise * std::exp(-t / 0.0025);
        const double thumpHz = 70 + 150 * std::exp(-t / 0.03);
        thumpPhase += 2 * kPi * thumpHz / kHitSampleRate;
        const double thump = std::sin(thumpPhase) * std::exp(-t / 0.055);
        knockPhase += 2 * kPi * 820 / kHitSampleRate;
        knock2Phase += 2 * kPi * 1370 / kHitSampleRate;
        const double knock = (std::sin(knockPhase) + 0.5 * std::sin(knock2Phase)) * std::exp(-t / 0.018);
        // The last few milliseconds fade to exact silence.
        const double tail = std::min(1.0, double(kHitSampleCount - 1 - i) / 220.0);
        s[size_t(i)] = (0.55 * click + 0.9 * thump + 0.45 * knock) * tail;
    }
    const double peak = *std::max_element(s.begin(), s.end(), [](double a, double b) { return std::abs(a) < std::abs(b); });
    const double gain = 118.0 / std::abs(peak);  // loud, never clipped
    std::vector<uint8_t> out;
    for (double v : s) out.push_back(uint8_t(std::lround(128 + v * gain)));
    return out;
}

}  // namespace art
