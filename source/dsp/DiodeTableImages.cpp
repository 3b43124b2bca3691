#include "dsp/DiodeTableImages.h"

#include "dsp/DiodeTableFormat.h"

#include <cmath>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace DiodeTableImages
{
namespace
{
    /** f (y) = (1 + kr) y - kr s - x + a sinh (y / v); increasing in y. */
    struct DiodeEquation
    {
        double x, s, kr, a, v;

        double value (double y) const { return (1.0 + kr) * y - kr * s - x + a * std::sinh (y / v); }
        double slope (double y) const { return 1.0 + kr + (a / v) * std::cosh (y / v); }
    };

    /** Newton's method from a starting guess, kept inside a bracket that
        always holds the root (bisection whenever a step would leave it). */
    double solveFrom (const DiodeEquation& f, double guess)
    {
        // The linear part alone overshoots the root; zero undershoots it.
        const double linear = (f.x + f.kr * f.s) / (1.0 + f.kr);
        double low = std::min (0.0, linear);
        double high = std::max (0.0, linear);

        if (low == high)
            return low;

        double y = (guess > low && guess < high) ? guess : 0.5 * (low + high);

        for (int iteration = 0; iteration < 200; ++iteration)
        {
            const double fy = f.value (y);

            if (fy == 0.0)
                return y;

            if (fy < 0.0)
                low = y;
            else
                high = y;

            double next = y - fy / f.slope (y);

            if (! (next > low && next < high))
                next = 0.5 * (low + high);

            if (std::abs (next - y) <= 1e-16 * std::max (1.0, std::abs (y)) || high - low <= 1e-300)
                return next;

            y = next;
        }

        return y;
    }

    void writeHeader (std::vector<unsigned char>& image, const DiodeTableFormat::Header& header)
    {
        std::memcpy (image.data(), &header, sizeof (header));
    }

    DiodeTableFormat::Header makeHeader (const DiodeTableFormat::Circuit& circuit, float rate)
    {
        using namespace DiodeTableFormat;
        const bool curve = isCurve (circuit);

        Header header {};
        const auto name = tableName (circuit.prefix, rate, curve);
        std::strncpy (header.name, name.c_str(), nameBytes - 1);
        header.version = version;
        header.rate = curve ? 0.0f : rate;
        header.rows = curve ? oneVariablePoints : twoVariableRows;
        header.columns = curve ? 1 : twoVariableColumns;
        header.valueCount = header.rows * header.columns;
        header.inputMin = -inputLimit;
        header.inputMax = inputLimit;
        header.stateMin = -circuit.stateLimit;
        header.stateMax = circuit.stateLimit;
        return header;
    }

    double gridPoint (float minimum, float maximum, int index, int count)
    {
        return (double) minimum + (double) index * ((double) maximum - (double) minimum) / (double) (count - 1);
    }

    void fillValues (std::vector<unsigned char>& image, const DiodeTableFormat::Circuit& circuit,
                     const DiodeTableFormat::Header& header)
    {
        const double kr = circuit.timeConstant * (double) header.rate;
        const int rows = header.rows;
        const int columns = header.columns;
        auto* values = reinterpret_cast<float*> (image.data() + DiodeTableFormat::headerBytes);

        // The table is odd: solve the upper half of the input axis and mirror
        // it, which also makes T (-x, -s) == -T (x, s) exact. The grid is
        // symmetric to the last bit (the steps are powers of two).
        const int centreRow = rows / 2;

        for (int j = 0; j < columns; ++j)
        {
            const double s = columns > 1 ? gridPoint (header.stateMin, header.stateMax, j, columns) : 0.0;
            double previous = 0.0;

            for (int i = centreRow; i < rows; ++i)
            {
                const double x = gridPoint (header.inputMin, header.inputMax, i, rows);
                const DiodeEquation f { x, s, kr, circuit.saturationCurrent, circuit.thermalVoltage };
                previous = solveFrom (f, previous);
                const float y = (float) previous;

                values[i * columns + j] = y;
                values[(rows - 1 - i) * columns + (columns - 1 - j)] = -y;
            }
        }
    }

    std::mutex storeLock;
    std::map<std::pair<std::string, float>, std::unique_ptr<const std::vector<unsigned char>>> store;
}

double solveDiode (double x, double s, double kr, double a, double v)
{
    return solveFrom (DiodeEquation { x, s, kr, a, v }, 0.0);
}

std::vector<unsigned char> generate (const char* prefix, float rate)
{
    const auto* circuit = prefix != nullptr ? DiodeTableFormat::findCircuit (prefix) : nullptr;

    if (circuit == nullptr || (! DiodeTableFormat::isCurve (*circuit) && ! (rate > 0.0f)))
        return {};

    const auto header = makeHeader (*circuit, rate);
    std::vector<unsigned char> image ((size_t) DiodeTableFormat::headerBytes + sizeof (float) * (size_t) header.valueCount);
    writeHeader (image, header);
    fillValues (image, *circuit, header);
    return image;
}

const std::vector<unsigned char>* find (const char* prefix, float rate)
{
    const auto* circuit = prefix != nullptr ? DiodeTableFormat::findCircuit (prefix) : nullptr;

    if (circuit == nullptr)
        return nullptr;

    const float key = DiodeTableFormat::isCurve (*circuit) ? 0.0f : rate;

    if (! DiodeTableFormat::isCurve (*circuit) && ! (rate > 0.0f))
        return nullptr;

    std::lock_guard<std::mutex> lock (storeLock);
    auto& slot = store[{ circuit->prefix, key }];

    if (slot == nullptr)
        slot = std::make_unique<const std::vector<unsigned char>> (generate (prefix, key));

    return slot.get();
}
}
