// Analog prototypes of every knob-driven stage against the values of the
// circuit's component laws, worked out by hand at knob 0, 0.5 and 1.

#include "circuits/BigMuff227OutputStage.h"
#include "circuits/BigMuff227SustainStage.h"
#include "circuits/BigMuff227ToneStage.h"
#include "circuits/BigMuffSustainStage.h"
#include "circuits/BigMuffToneStage.h"
#include "circuits/IFZ5GainStage.h"
#include "circuits/IFZ5ToneStage.h"
#include "circuits/KnobTaper.h"
#include "circuits/PFCreamStage.h"
#include "circuits/PFToneStage.h"
#include "circuits/ToneBenderGainStage.h"
#include "circuits/ToneBenderToneVolumeStage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace
{
    // Exact component arithmetic agrees to a few ulps.
    constexpr double exactTolerance = 1e-12;
    // Laws through a single-precision taper carry its rounding (about 1e-8).
    constexpr double taperTolerance = 1e-6;
    // A coefficient that should vanish may keep rounding noise of this size.
    constexpr double zeroTolerance = 1e-18;

    enum Poly { den, num };

    struct CoefficientCase
    {
        std::string label;
        std::function<std::vector<double> (Poly)> prototype;
        Poly poly;
        int power;
        double expected;
        double relativeTolerance;
    };

    template <int N>
    std::function<std::vector<double> (Poly)> of (AnalogPrototype<N> p)
    {
        return [p] (Poly which)
        {
            const auto& a = which == den ? p.denominator : p.numerator;
            return std::vector<double> (a.begin(), a.end());
        };
    }

    void checkAll (const std::vector<CoefficientCase>& cases)
    {
        for (const auto& c : cases)
        {
            const double actual = c.prototype (c.poly)[(size_t) c.power];
            const double allowed = c.expected == 0.0 ? zeroTolerance : std::abs (c.expected) * c.relativeTolerance;
            EXPECT_NEAR (actual, c.expected, allowed) << c.label << (c.poly == den ? " a" : " b") << c.power;
        }
    }
}

TEST (KnobTaper, LogAndReverseLogHitTheirAnchorPoints)
{
    struct Case { float knob; float w; float c; };
    const Case cases[] = { { 0.0f, 0.0f, 0.0f }, { 0.5f, 0.1f, 0.9f }, { 1.0f, 1.0f, 1.0f } };

    for (const auto& c : cases)
    {
        EXPECT_NEAR (KnobTaper::logarithmic (c.knob), c.w, taperTolerance) << c.knob;
        EXPECT_NEAR (KnobTaper::reverseLogarithmic (c.knob), c.c, taperTolerance) << c.knob;
    }
}

TEST (BigFuzzStages, SustainAndToneFollowTheirPotentiometers)
{
    using S = BigMuffSustainStage;
    using T = BigMuffToneStage;
    checkAll ({
        { "sustain 0", of (S::analogFor (0.0f)), num, 1, 292.34, exactTolerance },
        { "sustain .5", of (S::analogFor (0.5f)), num, 1, 31392.34, exactTolerance },
        { "sustain 1", of (S::analogFor (1.0f)), num, 1, 62492.34, exactTolerance },
        { "sustain 0", of (S::analogFor (0.0f)), den, 0, 632047.0, exactTolerance },
        { "sustain 1", of (S::analogFor (1.0f)), den, 0, 632047.0, exactTolerance },
        { "sustain 1", of (S::analogFor (1.0f)), num, 0, 632047.0, exactTolerance },
        { "sustain .5", of (S::analogFor (0.5f)), den, 1, 6589.40679, exactTolerance },
        { "sustain .5", of (S::analogFor (0.5f)), den, 3, 1.36958e-4 + 6.437026e-7, exactTolerance },
        { "sustain .5", of (S::analogFor (0.5f)), num, 2, 0.0, exactTolerance },
        { "tone 1", of (T::analogFor (1.0f)), num, 3, 2.688e-5, exactTolerance },
        { "tone 1", of (T::analogFor (1.0f)), den, 3, 2.688e-5, exactTolerance },
        { "tone 0", of (T::analogFor (0.0f)), num, 3, 0.0, exactTolerance },
        { "tone 0", of (T::analogFor (0.0f)), den, 0, 44533.333333333336, exactTolerance },
        { "tone .5", of (T::analogFor (0.5f)), num, 1, 5000.0 / 30.0 + 44.0, exactTolerance },
        { "tone .5", of (T::analogFor (0.5f)), num, 0, 0.0, exactTolerance },
        { "tone .5", of (T::analogFor (0.5f)), den, 1, 28.0 + 193.386666666500 + 215.266666666500 + 242.186666667, exactTolerance },
    });
}

TEST (TransFuzzStages, SustainToneAndOutputFollowTheirLaws)
{
    using S = BigMuff227SustainStage;
    using T = BigMuff227ToneStage;
    using O = BigMuff227OutputStage;
    checkAll ({
        { "sustain 0", of (S::analogFor (0.0f)), num, 2, -3.3e-6, taperTolerance },
        { "sustain .5", of (S::analogFor (0.5f)), num, 2, -3.63e-5, taperTolerance },
        { "sustain 1", of (S::analogFor (1.0f)), num, 2, -3.333e-4, taperTolerance },
        { "sustain .5", of (S::analogFor (0.5f)), den, 1, 0.01362, taperTolerance },
        { "sustain .5", of (S::analogFor (0.5f)), den, 2, 3.6278e-5, taperTolerance },
        { "sustain .5", of (S::analogFor (0.5f)), den, 3, 7.3326e-9, taperTolerance },
        { "tone 0", of (T::analogFor (0.0f)), num, 0, 122000.0, exactTolerance },
        { "tone 0", of (T::analogFor (0.0f)), num, 2, 0.0, exactTolerance },
        { "tone .5", of (T::analogFor (0.5f)), num, 0, 72000.0, exactTolerance },
        { "tone 1", of (T::analogFor (1.0f)), num, 0, 22000.0, exactTolerance },
        { "tone 1", of (T::analogFor (1.0f)), num, 2, 0.003432, exactTolerance },
        { "tone .5", of (T::analogFor (0.5f)), den, 0, 161000.0, exactTolerance },
        { "tone .5", of (T::analogFor (0.5f)), den, 1, 59.812, exactTolerance },
        { "tone .5", of (T::analogFor (0.5f)), num, 1, 12.232, exactTolerance },
        { "output 0", of (O::analogFor (0.0f)), num, 2, 0.0, exactTolerance },
        { "output .5", of (O::analogFor (0.5f)), num, 2, 5e-5, exactTolerance },
        { "output 1", of (O::analogFor (1.0f)), num, 2, 1e-4, exactTolerance },
        { "output .5", of (O::analogFor (0.5f)), den, 1, 0.03, exactTolerance },
        { "output .5", of (O::analogFor (0.5f)), den, 2, 1e-4, exactTolerance },
    });
}

TEST (SustainerFuzzStages, CreamAndToneFollowTheirLaws)
{
    using C = PFCreamStage;
    using T = PFToneStage;
    checkAll ({
        { "cream 0", of (C::analogFor (0.0f)), num, 1, 261.79, taperTolerance },
        { "cream .5", of (C::analogFor (0.5f)), num, 1, 28111.79, taperTolerance },
        { "cream 1", of (C::analogFor (1.0f)), num, 1, 278761.79, taperTolerance },
        { "cream .5", of (C::analogFor (0.5f)), den, 0, 607047.0, exactTolerance },
        { "cream .5", of (C::analogFor (0.5f)), num, 0, 607047.0, exactTolerance },
        { "cream .5", of (C::analogFor (0.5f)), den, 1, 23746.69739, taperTolerance },
        { "cream .5", of (C::analogFor (0.5f)), den, 2, 4.8765810551, taperTolerance },
        { "cream .5", of (C::analogFor (0.5f)), den, 3, 7.7622897e-5, taperTolerance },
        { "tone 1", of (T::analogFor (1.0f, 0.5f)), den, 0, 11200.0, exactTolerance },
        { "tone 0", of (T::analogFor (0.0f, 0.5f)), num, 3, 0.0, exactTolerance },
        { "volume 0", of (T::analogFor (0.5f, 0.0f)), num, 1, 0.0, exactTolerance },
        { "volume 0", of (T::analogFor (0.5f, 0.0f)), num, 2, 0.0, exactTolerance },
        { "volume 0", of (T::analogFor (0.5f, 0.0f)), num, 3, 0.0, exactTolerance },
        { "tone .5 volume .5", of (T::analogFor (0.5f, 0.5f)), den, 0, 16200.0, exactTolerance },
        { "tone .5 volume .5", of (T::analogFor (0.5f, 0.5f)), num, 1, 31.6, exactTolerance },
        { "tone .5 volume .5", of (T::analogFor (0.5f, 0.5f)), den, 3, 8.064e-14 * 1.25e8, exactTolerance },
    });
}

TEST (VintageFuzzStages, GainAndToneFollowTheirLaws)
{
    using G = IFZ5GainStage;
    using T = IFZ5ToneStage;
    checkAll ({
        { "gain 0", of (G::analogFor (0.0f)), num, 2, -4.84e-5, exactTolerance },
        { "gain .5", of (G::analogFor (0.5f)), num, 2, -2.662e-4, exactTolerance },
        { "gain 1", of (G::analogFor (1.0f)), num, 2, -4.84e-4, exactTolerance },
        { "gain 1", of (G::analogFor (1.0f)), den, 1, 0.044 + 0.001851, exactTolerance },
        { "gain 1", of (G::analogFor (1.0f)), den, 3, 1.865336e-9, exactTolerance },
        { "tone 1 level 1", of (T::analogFor (1.0f, 1.0f)), num, 2, 3.7026, exactTolerance },
        { "tone .5 level .5", of (T::analogFor (0.5f, 0.5f)), den, 0, 610000.0, exactTolerance },
        { "level 0", of (T::analogFor (0.5f, 0.0f)), num, 2, 0.0, exactTolerance },
        { "level 0", of (T::analogFor (0.5f, 0.0f)), num, 3, 0.0, exactTolerance },
        { "level 0", of (T::analogFor (0.5f, 0.0f)), num, 4, 0.0, exactTolerance },
        { "tone 0", of (T::analogFor (0.0f, 1.0f)), num, 4, 0.0, exactTolerance },
        { "tone 1 level 1", of (T::analogFor (1.0f, 1.0f)), num, 4, 6.10929e-17 * 1e10, exactTolerance },
        { "tone 1 level 1", of (T::analogFor (1.0f, 1.0f)), den, 4, 6.10929e-17 * 1e10, exactTolerance },
    });
}

TEST (ZeppFuzzStages, GainAndToneVolumeFollowTheirLaws)
{
    using G = ToneBenderGainStage;
    using T = ToneBenderToneVolumeStage;
    checkAll ({
        { "gain 0", of (G::analogFor (0.0f)), den, 2, 0.002547, taperTolerance },
        { "gain 0", of (G::analogFor (0.0f)), num, 2, 0.102547, taperTolerance },
        { "gain .5", of (G::analogFor (0.5f)), den, 2, 0.000297, taperTolerance },
        { "gain .5", of (G::analogFor (0.5f)), den, 1, 0.0025 + 0.10047, taperTolerance },
        { "gain 1", of (G::analogFor (1.0f)), den, 2, 0.000047, taperTolerance },
        { "gain 1", of (G::analogFor (1.0f)), den, 1, 0.10047, taperTolerance },
        { "gain 1", of (G::analogFor (1.0f)), num, 2, 0.100047, taperTolerance },
        { "tone 1 level 1", of (T::analogFor (1.0f, 1.0f)), num, 0, 3.3e9, exactTolerance },
        { "tone 0 level 1", of (T::analogFor (0.0f, 1.0f)), num, 2, 0.0, exactTolerance },
        { "level 0", of (T::analogFor (0.5f, 0.0f)), num, 0, 0.0, exactTolerance },
        { "level 0", of (T::analogFor (0.5f, 0.0f)), num, 1, 0.0, exactTolerance },
        { "tone .5 level .5", of (T::analogFor (0.5f, 0.5f)), den, 2, 639.7875, exactTolerance },
        { "tone .5 level .5", of (T::analogFor (0.5f, 0.5f)), den, 0, 1.25e10 + 6.6e9 + 3.3e9 + 1.089e9, exactTolerance },
    });
}
