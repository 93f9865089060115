// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "phasor_model.h"

#include "phase_turn.h"

#include <cmath>

namespace korvane {

double SlitX(int J)
{
    return scene::kFirstSlitX + scene::kSlitSpacing * J;
}

double PhasorLength(std::string_view slitCountText)
{
    if (slitCountText == "4")
        return 190.0;
    if (slitCountText == "20")
        return 60.0;
    return 200.0;
}

double PathLength(int J, double P)
{
    const double dx = SlitX(J) - P;
    // Not 130 x (8000 - 6500): the factor scales the screen's y alone.
    const double dy = scene::kDiaphragmY - scene::kDistanceFactor * scene::kScreenY;
    return std::sqrt(dx * dx + dy * dy);
}

ChainPoint PhasorStep(ChainPoint current, int J, double P, double f, double L)
{
    // The frequency multiplies the distance as it stands: no 2 pi, no scale.
    const double phi = f * PathLength(J, P);
#ifdef __EMSCRIPTEN__
    // Emscripten's C library reduces phases this large (some 1e7 radians) the
    // slow way, digit by digit, in every call.
    const SineCosine turned = SineCosineOfPhase(phi);
    return {current.x + L * turned.cosine, current.y + L * turned.sine};
#else
    return {current.x + L * std::cos(phi), current.y + L * std::sin(phi)};
#endif
}

int PhasorCount(double N)
{
    if (!(N >= 1.0))
        return 0;
    if (N - 1.0 >= kMaxSlits - 1)
        return kMaxSlits;
    return static_cast<int>(std::floor(N - 1.0)) + 1;
}

std::vector<ChainPoint> PhasorChain(double P, double N, double f, double L)
{
    const int count = PhasorCount(N);
    std::vector<ChainPoint> chain;
    chain.reserve(static_cast<std::size_t>(count) + 1);
    chain.push_back({P, scene::kChainBaseY});
    for (int J = 0; J < count; ++J)
        chain.push_back(PhasorStep(chain.back(), J, P, f, L));
    return chain;
}

double RawIntensity(ChainPoint first, ChainPoint last)
{
    const double dx = last.x - first.x;
    const double dy = last.y - first.y;
    return dx * dx + dy * dy;
}

double IntensityScale(std::string_view slitCountText, double f)
{
    if (slitCountText == "2")
        return 0.012;
    if (slitCountText == "20") {
        // u is the 20-slit bar's position; inside the band 32 < f < 40 two
        // constants change, which keeps the profile's height even there.
        const double u = f - 5.0;
        const bool inBand = 32.0 < f && f < 40.0;
        const double growth = inBand ? 0.4 : 0.37;
        const double damping = inBand ? 0.0359 : 0.035;
        const double spread = u * growth + 1.0;
        return (u * 0.25 + 1.0 - spread * spread * damping) * 0.0038;
    }
    if (slitCountText == "3")
        return ((f - 20.0) * 0.002 + 1.0) * 0.005;
    if (slitCountText == "4")
        return ((f - 20.0) * 0.006 + 1.0) * 0.003;
    return 1.0;
}

} // namespace korvane
