#include "dsp/Diode1TableReader.h"

#include "dsp/DiodeTableFormat.h"
#include "dsp/DiodeTableImages.h"

#include <algorithm>
#include <cstring>

Diode1TableReader::Diode1TableReader()
{
    Diode1TableReader::clearState();
    Diode1TableReader::initialise();
}

void Diode1TableReader::allocateBuffers (int count)
{
    bufferA = std::make_unique<float[]> ((size_t) count);
    bufferB = std::make_unique<float[]> ((size_t) count);
    std::fill (bufferA.get(), bufferA.get() + count, 0.0f);
    std::fill (bufferB.get(), bufferB.get() + count, 0.0f);
    needsBuffers = false;
}

bool Diode1TableReader::openTable (const char* prefix, bool queryOnly)
{
    tablePrefix = prefix != nullptr ? prefix : "";
    valueCount = getTableSize();

    if (valueCount > 0)
    {
        tableAvailable = true;

        if (! queryOnly && needsBuffers)
            allocateBuffers (valueCount);

        return true;
    }

    tableAvailable = false;

    if (queryOnly)
        return false;

    installStandbyTable();
    return false;
}

void Diode1TableReader::installStandbyTable()
{
    points = 2;
    valueCount = 2;
    lastPoint = 1;
    inputMin = -1.0f;
    inputMax = 1.0f;
    inputRange = 2.0f;
    inputOffset = 1.0f;
    inputScale = 0.5f;

    if (needsBuffers)
        allocateBuffers (valueCount);

    std::fill (bufferA.get(), bufferA.get() + valueCount, 0.0f);
    std::fill (bufferB.get(), bufferB.get() + valueCount, 0.0f);
    activeTable = bufferA.get();
}

int Diode1TableReader::getTableSize() const
{
    const char* own = getOwnPrefix();
    return own[0] != '\0' && tablePrefix == own ? DiodeTableFormat::oneVariablePoints : 0;
}

void Diode1TableReader::updateCoefficients()
{
    int factor = 1 << oversamplingIndex;

    if (sampleRate > 68100.0f)
        factor = std::min (factor, 4);
    if (sampleRate > 136200.0f)
        factor = std::min (factor, 2);

    const float effective = (float) factor * sampleRate;

    if (effective == loadedRate)
        return;

    float* destination = loadIntoA ? bufferA.get() : bufferB.get();
    const bool loaded = destination != nullptr && loadTable (tablePrefix.c_str(), destination);
    loadedRate = effective;
    swapPending = loaded;
}

void Diode1TableReader::commitTable()
{
    if (! swapPending)
        return;

    activeTable = loadIntoA ? bufferA.get() : bufferB.get();
    loadIntoA = ! loadIntoA;
    swapPending = false;
}

bool Diode1TableReader::loadTable (const char* prefix, float* destination)
{
    const char* own = getOwnPrefix();

    if (prefix == nullptr || own[0] == '\0' || std::strcmp (prefix, own) != 0)
        return false;

    const auto name = DiodeTableFormat::tableName (prefix, 0.0f, true);
    const auto* image = DiodeTableImages::find (prefix, 0.0f);

    if (image == nullptr || image->size() < (size_t) DiodeTableFormat::headerBytes)
        return false;

    DiodeTableFormat::Header header;
    std::memcpy (&header, image->data(), sizeof (header));
    header.name[DiodeTableFormat::nameBytes - 1] = '\0';

    const bool headerMatches = name == header.name && header.rate == 0.0f && header.rows > 3
                            && header.valueCount == header.rows && header.valueCount <= valueCount
                            && image->size() >= (size_t) DiodeTableFormat::headerBytes + sizeof (float) * (size_t) header.valueCount;

    if (! headerMatches)
        return false;

    points = header.rows;
    valueCount = header.valueCount;
    lastPoint = points - 1;
    inputMin = header.inputMin;
    inputMax = header.inputMax;
    inputRange = inputMax - inputMin;
    inputOffset = inputRange * 0.5f;
    inputScale = (float) lastPoint / inputRange;

    std::memcpy (destination, image->data() + DiodeTableFormat::headerBytes, sizeof (float) * (size_t) valueCount);
    return true;
}
