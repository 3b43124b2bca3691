#include "dsp/Diode2TableReader.h"

#include "dsp/DiodeTableFormat.h"
#include "dsp/DiodeTableImages.h"

#include <algorithm>
#include <cstring>

Diode2TableReader::Diode2TableReader()
{
    Diode2TableReader::clearState();
    Diode2TableReader::initialise();
}

void Diode2TableReader::allocateBuffers (int count)
{
    bufferA = std::make_unique<float[]> ((size_t) count);
    bufferB = std::make_unique<float[]> ((size_t) count);
    std::fill (bufferA.get(), bufferA.get() + count, 0.0f);
    std::fill (bufferB.get(), bufferB.get() + count, 0.0f);
    needsBuffers = false;
}

bool Diode2TableReader::openTable (const char* prefix, bool queryOnly)
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

void Diode2TableReader::installStandbyTable()
{
    rows = columns = 2;
    valueCount = 4;
    lastRow = lastColumn = 1;
    inputMin = stateMin = -1.0f;
    inputMax = stateMax = 1.0f;
    inputRange = stateRange = 2.0f;
    inputOffset = stateOffset = 1.0f;
    inputScale = stateScale = 0.5f;

    if (needsBuffers)
        allocateBuffers (valueCount);

    std::fill (bufferA.get(), bufferA.get() + valueCount, 0.0f);
    std::fill (bufferB.get(), bufferB.get() + valueCount, 0.0f);
    activeTable = bufferA.get();
}

int Diode2TableReader::getTableSize() const
{
    const char* own = getOwnPrefix();
    return own[0] != '\0' && tablePrefix == own ? DiodeTableFormat::twoVariableRows * DiodeTableFormat::twoVariableColumns : 0;
}

void Diode2TableReader::updateCoefficients()
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
    const bool loaded = destination != nullptr && loadTable (tablePrefix.c_str(), effective, destination);
    loadedRate = effective;
    swapPending = loaded;
}

void Diode2TableReader::commitTable()
{
    if (! swapPending)
        return;

    activeTable = loadIntoA ? bufferA.get() : bufferB.get();
    loadIntoA = ! loadIntoA;
    swapPending = false;
}

bool Diode2TableReader::loadTable (const char* prefix, float rate, float* destination)
{
    const char* own = getOwnPrefix();

    if (prefix == nullptr || own[0] == '\0' || std::strcmp (prefix, own) != 0)
        return false;

    const auto name = DiodeTableFormat::tableName (prefix, rate, false);
    const auto* image = DiodeTableImages::find (prefix, rate);

    if (image == nullptr || image->size() < (size_t) DiodeTableFormat::headerBytes)
        return false;

    DiodeTableFormat::Header header;
    std::memcpy (&header, image->data(), sizeof (header));
    header.name[DiodeTableFormat::nameBytes - 1] = '\0';

    const bool headerMatches = name == header.name && header.version == DiodeTableFormat::version && header.rate == rate
                            && header.rows > 1 && header.columns > 1 && header.valueCount == header.rows * header.columns
                            && header.valueCount <= valueCount
                            && image->size() >= (size_t) DiodeTableFormat::headerBytes + sizeof (float) * (size_t) header.valueCount;

    if (! headerMatches)
        return false;

    rows = header.rows;
    columns = header.columns;
    lastRow = rows - 1;
    lastColumn = columns - 1;
    valueCount = header.valueCount;
    inputMin = header.inputMin;
    inputMax = header.inputMax;
    stateMin = header.stateMin;
    stateMax = header.stateMax;
    inputRange = inputMax - inputMin;
    inputOffset = inputRange * 0.5f;
    inputScale = (float) lastRow / inputRange;
    stateRange = stateMax - stateMin;
    stateOffset = stateRange * 0.5f;
    stateScale = (float) lastColumn / stateRange;

    std::memcpy (destination, image->data() + DiodeTableFormat::headerBytes, sizeof (float) * (size_t) valueCount);
    return true;
}
