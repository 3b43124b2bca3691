// Fixed renders of every circuit at 1x and 8x, compared with stored
// expectations, so that any later change in the arithmetic shows up.
// Set ONDREL_WRITE_GOLDEN=1 to write the files again (then check them).

#include "CircuitTestSupport.h"

#include "circuits/BigMuff227Fuzz.h"
#include "circuits/BigMuffFuzz.h"
#include "circuits/IFZ5.h"
#include "circuits/PF.h"
#include "circuits/ToneBender.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

using namespace circuit_test;

namespace
{
    constexpr int goldenLength = 256;
    // Past the restart fade-in, the level ramp and the knob glides, so the
    // stored samples are at full level.
    constexpr int leadIn = 8192;
    constexpr double goldenTolerance = 1e-6;
    constexpr double sustainTolerance = 1e-6;

    std::string goldenPath (const std::string& circuit, int factor)
    {
        return std::string (ONDREL_TEST_DATA_DIR) + "/golden/" + circuit + "_" + std::to_string (1 << factor) + "x.txt";
    }

    std::vector<float> render (CircuitModel& model, int factor)
    {
        prepare (model, testRate, factor);
        auto signal = sine (leadIn + goldenLength, 220.0, 0.5, testRate);
        for (int offset = 0; offset < leadIn + goldenLength; offset += blockSize)
            model.processMono (signal.data() + offset, std::min (blockSize, leadIn + goldenLength - offset));
        return std::vector<float> (signal.begin() + leadIn, signal.end());
    }

    void compareWithGolden (CircuitModel& model, const std::string& circuit, int factor)
    {
        const auto output = render (model, factor);
        const auto path = goldenPath (circuit, factor);

        if (std::getenv ("ONDREL_WRITE_GOLDEN") != nullptr)
        {
            std::ofstream out (path);
            out.precision (9);
            for (float s : output)
                out << s << "\n";
        }

        std::ifstream in (path);
        ASSERT_TRUE (in.good()) << path;
        for (int i = 0; i < goldenLength; ++i)
        {
            double expected = 0.0;
            ASSERT_TRUE (static_cast<bool> (in >> expected)) << path << " line " << i;
            ASSERT_NEAR (output[(size_t) i], expected, goldenTolerance) << circuit << " " << (1 << factor) << "x sample " << i;
        }
    }

    template <typename Model>
    void checkCircuit (const std::string& circuit)
    {
        for (int factor : { 0, 3 })
        {
            Model model;
            compareWithGolden (model, circuit, factor);
        }
    }
}

TEST (GoldenRender, BigFuzz)      { checkCircuit<BigMuffFuzz> ("BigFuzz"); }
TEST (GoldenRender, SustainerFuzz) { checkCircuit<PF> ("SustainerFuzz"); }
TEST (GoldenRender, TransFuzz)    { checkCircuit<BigMuff227Fuzz> ("TransFuzz"); }
TEST (GoldenRender, VintageFuzz)  { checkCircuit<IFZ5> ("VintageFuzz"); }
TEST (GoldenRender, ZeppFuzz)     { checkCircuit<ToneBender> ("ZeppFuzz"); }

TEST (GoldenRender, BigFuzzSustainMatchesIndependentBilinearFilter)
{
    // Third-order bilinear transform written out by hand:
    // d = c0 (1,3,3,1) + c1 K (1,1,-1,-1) + c2 K^2 (1,-1,-1,1) + c3 K^3 (1,-3,3,-1).
    const auto p = BigMuffSustainStage::analogFor (0.5f);
    const double k = 2.0 * testRate;
    const double basis[4][4] = { { 1, 3, 3, 1 }, { 1, 1, -1, -1 }, { 1, -1, -1, 1 }, { 1, -3, 3, -1 } };
    double a[4] = {}, b[4] = {};
    for (int i = 0; i < 4; ++i)
        for (int n = 0; n < 4; ++n)
        {
            a[n] += p.denominator[(size_t) i] * std::pow (k, i) * basis[i][n];
            b[n] += p.numerator[(size_t) i] * std::pow (k, i) * basis[i][n];
        }

    BigMuffSustainStage stage;
    stage.setSampleRate (testRate);
    stage.knob.store (0.5f);
    stage.updateCoefficients();

    auto signal = sine (goldenLength, 220.0, 0.5, testRate);
    auto input = signal;
    stage.processMono (signal.data(), goldenLength);

    double x[4] = {}, y[4] = {};
    for (int i = 0; i < goldenLength; ++i)
    {
        x[3] = x[2]; x[2] = x[1]; x[1] = x[0];
        x[0] = BigMuffSustainStage::stageGain * input[(size_t) i];
        const double out = (b[0] * x[0] + b[1] * x[1] + b[2] * x[2] + b[3] * x[3] - a[1] * y[0] - a[2] * y[1] - a[3] * y[2]) / a[0];
        y[2] = y[1]; y[1] = y[0]; y[0] = out;
        ASSERT_NEAR (signal[(size_t) i], out, sustainTolerance * std::max (1.0, std::abs (out))) << i;
    }
}
