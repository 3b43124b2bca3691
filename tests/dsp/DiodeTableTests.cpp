#include "dsp/BigMuff227TableReader.h"
#include "dsp/BigMuffTableReader.h"
#include "dsp/DiodeTableFormat.h"
#include "dsp/DiodeTableImages.h"
#include "dsp/IFZ5TableReader.h"
#include "dsp/PFTableReader.h"
#include "dsp/ToneBenderTableReader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace
{
constexpr double rootTolerance = 1e-7;

/** Plain bisection on the diode rule, independent of the generator's solver. */
double bisectRoot (double x, double s, double kr, double a, double v)
{
    auto f = [&] (double y) { return x - y - kr * (y - s) - a * std::sinh (y / v); };
    double low = -10.0, high = 10.0;
    for (int i = 0; i < 200; ++i)
    {
        const double mid = 0.5 * (low + high);
        (f (mid) > 0.0 ? low : high) = mid;
    }
    return 0.5 * (low + high);
}

DiodeTableFormat::Header headerOf (const std::vector<unsigned char>& image)
{
    DiodeTableFormat::Header header;
    std::memcpy (&header, image.data(), sizeof (header));
    return header;
}

const float* valuesOf (const std::vector<unsigned char>& image)
{
    return reinterpret_cast<const float*> (image.data() + DiodeTableFormat::headerBytes);
}

TEST (DiodeTableNames, DropTheFractionOfTheRateInKilohertz)
{
    const std::pair<float, const char*> cases[] = { { 44100.0f, "BFZD1Output44.dat" }, { 48000.0f, "BFZD1Output48.dat" },
                                                    { 88200.0f, "BFZD1Output88.dat" }, { 176400.0f, "BFZD1Output176.dat" },
                                                    { 352800.0f, "BFZD1Output352.dat" }, { 384000.0f, "BFZD1Output384.dat" } };
    for (auto [rate, name] : cases)
        EXPECT_EQ (DiodeTableFormat::tableName ("BFZD1", rate, false), name);

    EXPECT_EQ (DiodeTableFormat::tableName ("ZFZD1", 0.0f, true), "ZFZD1Output.dat");
}

TEST (DiodeTableImages, HeadersAndSizesFollowTheFormat)
{
    const auto* image = DiodeTableImages::find ("VFZD1", 88200.0f);
    ASSERT_NE (image, nullptr);
    EXPECT_EQ (image->size(), 1052840u);
    const auto h = headerOf (*image);
    EXPECT_STREQ (h.name, "VFZD1Output88.dat");
    EXPECT_EQ (h.version, 1);
    EXPECT_EQ (h.rate, 88200.0f);
    EXPECT_EQ (h.rows, 513);
    EXPECT_EQ (h.columns, 513);
    EXPECT_EQ (h.valueCount, 263169);
    EXPECT_EQ (h.inputMin, -4.5f);
    EXPECT_EQ (h.inputMax, 4.5f);
    EXPECT_EQ (h.stateMin, -1.0f);
    EXPECT_EQ (h.stateMax, 1.0f);

    const auto* curve = DiodeTableImages::find ("ZFZD1", 12345.0f);
    ASSERT_NE (curve, nullptr);
    EXPECT_EQ (curve->size(), 32936u);
    const auto c = headerOf (*curve);
    EXPECT_STREQ (c.name, "ZFZD1Output.dat");
    EXPECT_EQ (c.rate, 0.0f);
    EXPECT_EQ (c.rows, 8193);
    EXPECT_EQ (c.columns, 1);
    EXPECT_EQ (c.stateMin, 0.0f);

    EXPECT_EQ (DiodeTableImages::find ("XXXXX", 44100.0f), nullptr);
    EXPECT_EQ (DiodeTableImages::find ("BFZD1", 44100.0f), DiodeTableImages::find ("BFZD1", 44100.0f));
}

TEST (DiodeTableImages, TablesAreOddMonotonicAndBounded)
{
    const std::pair<const char*, float> bounds[] = { { "BFZD1", 1.33f }, { "TFZD1", 0.47f }, { "SFZD1", 1.59f }, { "VFZD1", 0.51f } };

    for (auto [prefix, bound] : bounds)
    {
        const auto& image = *DiodeTableImages::find (prefix, 44100.0f);
        const float* t = valuesOf (image);
        EXPECT_EQ (t[256 * 513 + 256], 0.0f) << prefix;

        for (int i = 0; i < 513; ++i)
            for (int j = 0; j < 513; ++j)
            {
                const float v = t[i * 513 + j];
                ASSERT_EQ (v, -t[(512 - i) * 513 + (512 - j)]) << prefix << " " << i << " " << j;
                ASSERT_LT (std::abs (v), bound) << prefix;
                if (i > 0)
                {
                    ASSERT_GE (v, t[(i - 1) * 513 + j]) << prefix << " " << i << " " << j;
                }
            }
    }
}

TEST (DiodeTableImages, ValuesAreTheRootOfTheDiodeRule)
{
    for (const auto& circuit : DiodeTableFormat::circuits)
    {
        for (float rate : { 44100.0f, 384000.0f })
        {
            const auto& image = *DiodeTableImages::find (circuit.prefix, rate);
            const auto h = headerOf (image);
            const float* t = valuesOf (image);
            const double kr = circuit.timeConstant * (double) h.rate;

            for (int i = 0; i < h.rows; i += h.rows / 37)
                for (int j = 0; j < h.columns; j += 29)
                {
                    const double x = h.inputMin + i * (double) (h.inputMax - h.inputMin) / (h.rows - 1);
                    const double s = h.columns > 1 ? h.stateMin + j * (double) (h.stateMax - h.stateMin) / (h.columns - 1) : 0.0;
                    const double root = bisectRoot (x, s, kr, circuit.saturationCurrent, circuit.thermalVoltage);
                    ASSERT_NEAR (t[i * h.columns + j], root, rootTolerance) << circuit.prefix << " " << rate << " " << i << " " << j;
                }
        }
    }
}

template <typename Reader>
Reader openedReader (float rate, int index, const char* prefix)
{
    Reader reader;
    reader.setSampleRate (rate);
    reader.openTable (prefix, false);
    reader.setOversamplingIndex (index);
    reader.updateCoefficients();
    reader.commitTable();
    return reader;
}

TEST (DiodeTableReader, ChoosesTheEffectiveRateByHostRateAndFactor)
{
    const struct { float host; int index; float expected; } cases[] = {
        { 44100.0f, 0, 44100.0f }, { 44100.0f, 3, 352800.0f }, { 48000.0f, 3, 384000.0f },
        { 96000.0f, 3, 384000.0f }, { 192000.0f, 2, 384000.0f }, { 192000.0f, 3, 384000.0f },
    };

    for (const auto& c : cases)
        EXPECT_EQ (openedReader<BigMuffTableReader> (c.host, c.index, "BFZD1").getLoadedRate(), c.expected) << c.host;
}

TEST (DiodeTableReader, BilinearLookupHitsGridPointsAndClampsAtTheEdges)
{
    auto reader = openedReader<PFTableReader> (44100.0f, 0, "SFZD1");
    const auto& image = *DiodeTableImages::find ("SFZD1", 44100.0f);
    const float* t = valuesOf (image);

    double x = -4.5 + 300 * (9.0 / 512.0);
    reader.clearState();
    double y = x;
    reader.processSample (&y);
    EXPECT_NEAR (y, t[300 * 513 + 256], 1e-6); // state 0 is the centre column

    // Far beyond the axis: the last row, no extrapolation; the state carries over.
    double big = 50.0;
    reader.processSample (&big);
    const double state = (2.0 + y) * (512.0 / 4.0);
    const int j = (int) state;
    const double fv = state - j;
    EXPECT_NEAR (big, t[512 * 513 + j] * (1.0 - fv) + t[512 * 513 + j + 1] * fv, 1e-6);

    reader.clearState();
    double zero = 0.0;
    reader.processSample (&zero);
    EXPECT_NEAR (zero, 0.0, 1e-7);
}

TEST (DiodeTableReader, ChannelsKeepSeparateState)
{
    auto stereo = openedReader<IFZ5TableReader> (48000.0f, 1, "VFZD1");
    auto mono = openedReader<IFZ5TableReader> (48000.0f, 1, "VFZD1");

    for (int n = 0; n < 200; ++n)
    {
        double left = 3.0 * std::sin (0.1 * n), right = -2.0 * std::cos (0.23 * n), alone = left;
        stereo.processSamplePair (&left, &right);
        mono.processSample (&alone);
        ASSERT_EQ (left, alone) << n;
    }
}

TEST (DiodeTableReader, CubicCurveLookupAndItsEdges)
{
    auto reader = openedReader<ToneBenderTableReader> (44100.0f, 0, "ZFZD1");
    const float* t = valuesOf (*DiodeTableImages::find ("ZFZD1", 0.0f));
    auto look = [&] (double x) { reader.processSample (&x); return x; };

    EXPECT_EQ (look (-4.5), t[0]);
    EXPECT_EQ (look (-9.0), t[0]);
    EXPECT_EQ (look (4.5 - 9.0 / 8192.0), t[8191]);
    EXPECT_EQ (look (10.0), t[8191]);
    EXPECT_NEAR (look (-4.5 + 4000 * 9.0 / 8192.0), t[4000], 1e-7);
    EXPECT_NEAR (look (0.0), 0.0, 1e-7);
}

TEST (DiodeTableReader, LoadsOnlyOnChangeAndSwapsBuffers)
{
    struct CountingReader : BigMuff227TableReader
    {
        bool loadTable (const char* prefix, float rate, float* destination) override
        {
            ++loads;
            lastDestination = destination;
            return BigMuff227TableReader::loadTable (prefix, rate, destination);
        }
        const float* active() const { return tables.active(); }
        int loads = 0;
        float* lastDestination = nullptr;
    };

    CountingReader reader;
    reader.setSampleRate (44100.0f);
    reader.openTable ("TFZD1", false);
    reader.updateCoefficients();
    reader.commitTable();
    const float* first = reader.active();
    reader.updateCoefficients();
    EXPECT_EQ (reader.loads, 1);

    reader.setOversamplingIndex (1);
    reader.updateCoefficients();
    EXPECT_EQ (reader.loads, 2);
    EXPECT_NE (reader.lastDestination, first); // never into the table in use
    reader.commitTable();
    EXPECT_EQ (reader.active(), reader.lastDestination);
}

TEST (DiodeTableReader, AFailedLoadKeepsTheTableInUseAndIsNotRetried)
{
    struct FailingReader : BigMuffTableReader
    {
        bool loadTable (const char* prefix, float rate, float* destination) override
        {
            ++attempts;
            return rate == 44100.0f && BigMuffTableReader::loadTable (prefix, rate, destination);
        }
        int attempts = 0;
    };

    FailingReader reader;
    reader.setSampleRate (44100.0f);
    reader.openTable ("BFZD1", false);
    reader.updateCoefficients();
    reader.commitTable();
    double before = 2.0;
    reader.processSample (&before);

    reader.setOversamplingIndex (2);
    reader.updateCoefficients();
    reader.commitTable();
    reader.updateCoefficients();
    EXPECT_EQ (reader.attempts, 2);

    reader.clearState();
    double after = 2.0;
    reader.processSample (&after);
    EXPECT_EQ (before, after);
}

TEST (DiodeTableReader, AForeignPrefixGivesTheSilentStandbyTable)
{
    auto reader = openedReader<BigMuffTableReader> (44100.0f, 0, "TFZD1");
    EXPECT_EQ (reader.getTableSize(), 0);
    EXPECT_EQ (reader.getRows(), 2);
    double x = 3.0;
    reader.processSample (&x);
    EXPECT_EQ (x, 0.0);

    ToneBenderTableReader curve;
    EXPECT_FALSE (curve.openTable ("BFZD1", false));
    double y = 1.0;
    curve.processSample (&y);
    EXPECT_EQ (y, 0.0);
}

TEST (DiodeTableReader, NonCanonicalRatesGetTheirOwnTable)
{
    for (float rate : { 32000.0f, 64000.0f, 22050.0f })
    {
        auto reader = openedReader<BigMuffTableReader> (rate, 0, "BFZD1");
        EXPECT_EQ (reader.getLoadedRate(), rate);
        double x = 1.0;
        reader.processSample (&x);
        EXPECT_GT (x, 0.01) << rate;

        const auto h = headerOf (*DiodeTableImages::find ("BFZD1", rate));
        EXPECT_EQ (h.rate, rate);
        EXPECT_EQ (std::string (h.name), DiodeTableFormat::tableName ("BFZD1", rate, false));
    }
}
}

namespace
{
TEST (DiodeTableReader, AStandbyTableMakesWayForTheRealOne)
{
    // The stand-by copies are tiny; opening the reader's own prefix later must
    // give full-size copies rather than loading a table into the small ones.
    BigMuffTableReader reader;
    reader.setSampleRate (44100.0f);
    reader.openTable ("TFZD1", false);
    reader.openTable ("BFZD1", false);
    reader.updateCoefficients();
    reader.commitTable();
    double x = 1.0;
    reader.processSample (&x);
    EXPECT_GT (x, 0.01);
}
}
