#pragma once

#include "dsp/DiodeTableBuffers.h"
#include "dsp/Inlining.h"
#include "dsp/ModuleBase.h"

#include <string>

/** Two-variable diode table: the new output of a channel is looked up from
    the incoming sample and that channel's previous output, with bilinear
    interpolation. Tables are loaded into the buffer not in use and made
    active by commitTable, so a load never writes the table being read. */
class Diode2TableReader : public ModuleBase
{
public:
    Diode2TableReader();

    /** Stores the prefix and sizes the buffers; true when the prefix has
        tables. Otherwise installs a silent stand-by table. Message thread. */
    bool openTable (const char* prefix, bool queryOnly);

    /** Makes a freshly loaded buffer the active table. Message thread. */
    void commitTable();

    /** Oversampling index 0 ... 3 of the owning stage; no other effect. */
    void setOversamplingIndex (int index) { oversamplingIndex = index; }

    /** Finds, checks and copies the table for `rate` into destination. */
    virtual bool loadTable (const char* prefix, float rate, float* destination);

    /** Values per table of the stored prefix; 0 when it is not this reader's own. */
    virtual int getTableSize() const;

    /** The prefix this reader's tables carry ("" for the base). */
    virtual const char* getOwnPrefix() const { return ""; }

    void clearState() override { channelState[0] = channelState[1] = 0.0; }
    void initialise() override { tables.cancelPending(); }

    /** Chooses and loads the table for rate x factor. Message thread. */
    void updateCoefficients() override;

    /** Looks one sample of channel 0 up, in place. Audio thread. */
    void processSample (double* sample) override { *sample = lookup (*sample, 0); }

    /** Looks the first value up with channel 0, then the second with channel 1. */
    void processSamplePair (double* first, double* second) override
    {
        *first = lookup (*first, 0);
        *second = lookup (*second, 1);
    }

    float getLoadedRate() const { return tables.getLoadedRate(); }
    bool hasActiveTable() const { return tables.active() != nullptr; }
    int getRows() const { return rows; }
    int getColumns() const { return columns; }

    /** What a run of lookups reads, taken once per block so that it stays
        in registers: the active table, its geometry (the single-precision
        values widened once, which is what every lookup did) and the
        channel states. */
    struct Run
    {
        const float* table;
        double inputOffset, inputScale, stateOffset, stateScale;
        int lastRow, lastColumn, columns;
        double state[2];
    };

    Run beginRun() const noexcept
    {
        return { tables.active(), inputOffset, inputScale, stateOffset, stateScale,
                 lastRow,         lastColumn,  columns,    { channelState[0], channelState[1] } };
    }

    /** Keeps the channel states a run has reached. */
    void endRun (const Run& run) noexcept
    {
        channelState[0] = run.state[0];
        channelState[1] = run.state[1];
    }

    /** Bilinear lookup; the result becomes the channel's state. Audio thread. */
    ONDREL_ALWAYS_INLINE static double lookup (Run& run, double x, int channel) noexcept
    {
        const float* t = run.table;

        if (t == nullptr)
            return run.state[channel] = 0.0;

        int i0, i1, j0, j1;
        double fu, fv;
        locate ((run.inputOffset + x) * run.inputScale, run.lastRow, i0, i1, fu);
        locate ((run.stateOffset + run.state[channel]) * run.stateScale, run.lastColumn, j0, j1, fv);

        const int columns = run.columns;
        const double y = t[i0 * columns + j0] * (1.0 - fu) * (1.0 - fv) + t[i1 * columns + j0] * fu * (1.0 - fv)
                       + t[i0 * columns + j1] * (1.0 - fu) * fv + t[i1 * columns + j1] * fu * fv;

        run.state[channel] = y;
        return y;
    }

    /** A single lookup on the stored state. */
    double lookup (double x, int channel) noexcept
    {
        Run run = beginRun();
        const double y = lookup (run, x, channel);
        endRun (run);
        return y;
    }

private:
    /** Grid cell of a scaled coordinate; edges clamp without extrapolation
        (a non-number lands on the first cell, so state can never stay NaN). */
    ONDREL_ALWAYS_INLINE static void locate (double u, int last, int& low, int& high, double& fraction)
    {
        if (u >= (double) last)
        {
            low = high = last;
            fraction = 0.0;
        }
        else if (u >= 0.0)
        {
            low = (int) u;
            high = low + 1;
            fraction = u - (double) low;
        }
        else
        {
            low = high = 0;
            fraction = 0.0;
        }
    }

    void installStandbyTable();

protected:
    int rows = 2, columns = 2, valueCount = 0, lastRow = 1, lastColumn = 1;
    float inputMin = -1.0f, inputMax = 1.0f, stateMin = -1.0f, stateMax = 1.0f;
    float inputRange = 2.0f, inputOffset = 1.0f, inputScale = 0.5f;
    float stateRange = 2.0f, stateOffset = 1.0f, stateScale = 0.5f;
    std::string tablePrefix;
    DiodeTableBuffers tables;
    bool tableAvailable = false;
    int oversamplingIndex = 0;
    double channelState[2] { 0.0, 0.0 };
};
