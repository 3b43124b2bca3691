#pragma once

#include "dsp/DiodeTableBuffers.h"
#include "dsp/Inlining.h"
#include "dsp/ModuleBase.h"

#include <string>

/** One-variable diode curve with four-point cubic interpolation and no
    state between samples. Loading and committing work as in the
    two-variable reader; the curve does not depend on the rate. */
class Diode1TableReader : public ModuleBase
{
public:
    Diode1TableReader();

    /** Stores the prefix and sizes the buffers; true when the prefix has a
        curve, otherwise installs a silent stand-by curve. Message thread. */
    bool openTable (const char* prefix, bool queryOnly);

    /** Makes a freshly loaded buffer the active curve. Message thread. */
    void commitTable();

    void setOversamplingIndex (int index) { oversamplingIndex = index; }

    /** Finds, checks and copies the curve into destination. */
    virtual bool loadTable (const char* prefix, float* destination);

    /** Values of the stored prefix's curve; 0 when it is not this reader's own. */
    virtual int getTableSize() const;

    virtual const char* getOwnPrefix() const { return ""; }

    void initialise() override { tables.cancelPending(); }

    /** Loads the curve when rate x factor changed. Message thread. */
    void updateCoefficients() override;

    void processSample (double* sample) override { *sample = lookup (*sample); }

    void processSamplePair (double* first, double* second) override
    {
        *first = lookup (*first);
        *second = lookup (*second);
    }

    float getLoadedRate() const { return tables.getLoadedRate(); }
    bool hasActiveTable() const { return tables.active() != nullptr; }
    int getPoints() const { return points; }

    /** What a run of lookups reads, taken once per block: the active curve
        and its geometry (the single-precision values widened once). */
    struct Run
    {
        const float* table;
        double inputOffset, inputScale;
        int points;
    };

    Run beginRun() const noexcept { return { tables.active(), inputOffset, inputScale, points }; }
    void endRun (const Run&) noexcept {}

    /** Cubic Lagrange lookup through four neighbouring points, rounded to
        single precision; the edges hold the first value and the value at
        position points - 2. The curve keeps no state, so the channel does
        not matter. Audio thread. */
    ONDREL_ALWAYS_INLINE static double lookup (const Run& run, double x, int /*channel*/ = 0) noexcept
    {
        const float* t = run.table;

        if (t == nullptr)
            return 0.0;

        const int points = run.points;
        const double u = (run.inputOffset + x) * run.inputScale;

        if (! (u < (double) (points - 2)))
            return u >= 0.0 ? (double) t[points - 2] : (double) t[0];

        if (u < 1.0)
            return (double) t[0];

        const int i = (int) u;
        const double p = u - (double) i + 1.0;
        const double sixth = 0.1666666666666667;

        const double y = -(p - 1.0) * (p - 2.0) * (p - 3.0) * sixth * t[i - 1] + p * (p - 2.0) * (p - 3.0) * 0.5 * t[i]
                       - p * (p - 1.0) * (p - 3.0) * 0.5 * t[i + 1] + p * (p - 1.0) * (p - 2.0) * sixth * t[i + 2];
        return (double) (float) y;
    }

    /** A single lookup. */
    double lookup (double x) const noexcept { return lookup (beginRun(), x); }

private:
    void installStandbyTable();

protected:
    int points = 2, valueCount = 0, lastPoint = 1;
    float inputMin = -1.0f, inputMax = 1.0f, inputRange = 2.0f, inputOffset = 1.0f, inputScale = 0.5f;
    std::string tablePrefix;
    DiodeTableBuffers tables;
    bool tableAvailable = false;
    int oversamplingIndex = 0;
};
