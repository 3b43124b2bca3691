// ondrel-tablegen: writes the canonical diode table images as .dat files for
// inspection, lists them, or times the tables one plug-in instance needs.
//
//   ondrel-tablegen --list
//   ondrel-tablegen --out DIR [NAME...]   (all 33 images when no NAME is given)
//   ondrel-tablegen --time
//
// A file holds exactly the image the table readers validate: the 164-byte
// header followed by the float32 values.

#include "dsp/DiodeTableFormat.h"
#include "dsp/DiodeTableImages.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace
{
struct Table
{
    std::string name; // file name, ".dat" included
    const char* prefix;
    float rate;       // 0 for the rate-independent curve
};

std::vector<Table> canonicalTables()
{
    using namespace DiodeTableFormat;
    std::vector<Table> tables;

    for (const auto& circuit : circuits)
    {
        if (isCurve (circuit))
        {
            tables.push_back ({ tableName (circuit.prefix, 0.0f, true), circuit.prefix, 0.0f });
            continue;
        }

        for (float rate : canonicalRates)
            tables.push_back ({ tableName (circuit.prefix, rate, false), circuit.prefix, rate });
    }

    return tables;
}

long long imageBytes (const DiodeTableFormat::Circuit& circuit)
{
    using namespace DiodeTableFormat;
    const long long values = isCurve (circuit) ? oneVariablePoints : (long long) twoVariableRows * twoVariableColumns;
    return headerBytes + 4 * values;
}

const Table* findTable (const std::vector<Table>& tables, std::string name)
{
    if (name.size() < 4 || name.compare (name.size() - 4, 4, ".dat") != 0)
        name += ".dat";

    for (const auto& table : tables)
        if (table.name == name)
            return &table;

    return nullptr;
}

int usage()
{
    std::cerr << "usage: ondrel-tablegen --list\n"
                 "       ondrel-tablegen --out DIR [NAME...]\n"
                 "       ondrel-tablegen --time\n";
    return 2;
}

int list (const std::vector<Table>& tables)
{
    for (const auto& table : tables)
        std::cout << table.name << " " << imageBytes (*DiodeTableFormat::findCircuit (table.prefix)) << "\n";

    return 0;
}

int write (const std::vector<Table>& tables, const std::string& folder, const std::vector<std::string>& names)
{
    std::vector<const Table*> chosen;

    for (const auto& name : names)
    {
        const auto* table = findTable (tables, name);

        if (table == nullptr)
        {
            std::cerr << "ondrel-tablegen: no table named " << name << " (see --list)\n";
            return 1;
        }

        chosen.push_back (table);
    }

    if (names.empty())
        for (const auto& table : tables)
            chosen.push_back (&table);

    std::error_code error;
    std::filesystem::create_directories (folder, error);

    for (const auto* table : chosen)
    {
        // The same store the readers load from, so the bytes are theirs.
        const auto* image = DiodeTableImages::find (table->prefix, table->rate);
        const auto path = folder + "/" + table->name;
        std::ofstream out (path, std::ios::binary | std::ios::trunc);

        if (image == nullptr || image->empty() || ! out)
        {
            std::cerr << "ondrel-tablegen: cannot write " << path << "\n";
            return 1;
        }

        out.write (reinterpret_cast<const char*> (image->data()), (std::streamsize) image->size());

        if (! out)
        {
            std::cerr << "ondrel-tablegen: cannot write " << path << "\n";
            return 1;
        }

        std::cout << path << " " << image->size() << "\n";
    }

    return 0;
}

/** Generates, uncached, every table one instance loads at 44.1 kHz, once for
    1x and once for 8x (all five circuits), and prints the times. */
int timeInstanceTables()
{
    using Clock = std::chrono::steady_clock;
    constexpr float hostRate = 44100.0f;

    for (int factor : { 1, 8 })
    {
        double total = 0.0;
        std::printf ("44.1 kHz at %dx\n", factor);

        for (const auto& circuit : DiodeTableFormat::circuits)
        {
            const bool curve = DiodeTableFormat::isCurve (circuit);
            const float rate = curve ? 0.0f : hostRate * (float) factor;
            const auto start = Clock::now();
            const auto image = DiodeTableImages::generate (circuit.prefix, rate);
            const double ms = std::chrono::duration<double, std::milli> (Clock::now() - start).count();

            if (image.empty())
                return 1;

            total += ms;
            std::printf ("  %-22s %9.1f ms\n", DiodeTableFormat::tableName (circuit.prefix, rate, curve).c_str(), ms);
        }

        std::printf ("  %-22s %9.1f ms\n", "total", total);
    }

    return 0;
}
}

int main (int argc, char** argv)
{
    const auto tables = canonicalTables();
    std::vector<std::string> args (argv + 1, argv + argc);

    if (args.size() == 1 && args[0] == "--list")
        return list (tables);

    if (args.size() == 1 && args[0] == "--time")
        return timeInstanceTables();

    if (args.size() >= 2 && args[0] == "--out")
        return write (tables, args[1], std::vector<std::string> (args.begin() + 2, args.end()));

    return usage();
}
