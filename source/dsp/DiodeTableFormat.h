#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

/** Layout of a diode table image: a 164-byte little-endian header followed
    by float32 values, row-major (input point i, state point j at i * N2 + j). */
namespace DiodeTableFormat
{
    inline constexpr int nameBytes = 128;
    inline constexpr int headerBytes = 164;
    inline constexpr int version = 1;

    inline constexpr int twoVariableRows = 513;
    inline constexpr int twoVariableColumns = 513;
    inline constexpr int oneVariablePoints = 8193;
    inline constexpr float inputLimit = 4.5f;

    struct Header
    {
        char name[nameBytes];
        std::int32_t version;
        float rate;
        std::int32_t rows;       // points on the input axis
        std::int32_t columns;    // points on the state axis (1 for a curve)
        std::int32_t valueCount;
        float inputMin, inputMax;
        float stateMin, stateMax;
    };

    static_assert (sizeof (Header) == headerBytes, "the header must be packed to 164 bytes");

    /** The network constants of one circuit's diode pair. */
    struct Circuit
    {
        const char* prefix;
        double timeConstant; // K in seconds; 0 for the rate-independent curve
        double saturationCurrent; // A
        double thermalVoltage;    // V
        float stateLimit;         // state axis is -limit ... limit; 0 for a curve
    };

    inline constexpr Circuit circuits[] = {
        { "BFZD1", 7.05e-5, 9.4e-7, 0.075, 2.0f },
        { "TFZD1", 2.209e-4, 9.4e-7, 0.025, 1.0f },
        { "SFZD1", 1.034e-4, 9.4e-27, 0.025, 2.0f },
        { "VFZD1", 3.854e-6, 1.64e-8, 0.025, 1.0f },
        { "ZFZD1", 0.0, 2e-7, 0.025, 0.0f },
    };

    /** The eight rates that have canonical tables. */
    inline constexpr float canonicalRates[] = { 44100.0f, 48000.0f, 88200.0f, 96000.0f,
                                                176400.0f, 192000.0f, 352800.0f, 384000.0f };

    /** Reads the header of an image whose name is `expectedName` and that
        holds all the values its header announces; false for anything else. */
    inline bool readHeader (const std::vector<unsigned char>& image, const std::string& expectedName, Header& header)
    {
        if (image.size() < (size_t) headerBytes)
            return false;

        std::memcpy (&header, image.data(), sizeof (header));
        header.name[nameBytes - 1] = '\0';

        return expectedName == header.name && header.rows > 1 && header.columns >= 1
            && header.valueCount == header.rows * header.columns
            && image.size() >= (size_t) headerBytes + sizeof (float) * (size_t) header.valueCount;
    }

    /** The values of an image, after its header. */
    inline const float* valuesOf (const std::vector<unsigned char>& image)
    {
        return reinterpret_cast<const float*> (image.data() + headerBytes);
    }

    /** The circuit with this prefix, or nullptr. */
    inline const Circuit* findCircuit (const std::string& prefix)
    {
        for (const auto& c : circuits)
            if (prefix == c.prefix)
                return &c;
        return nullptr;
    }

    inline bool isCurve (const Circuit& circuit) { return circuit.stateLimit == 0.0f; }

    /** prefix + "Output" + kHz with the fraction dropped + ".dat"; curves have no rate. */
    inline std::string tableName (const std::string& prefix, float rate, bool curve)
    {
        if (curve)
            return prefix + "Output.dat";

        return prefix + "Output" + std::to_string ((long long) (rate / 1000.0f)) + ".dat";
    }
}
