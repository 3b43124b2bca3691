#include "dsp/Diode2TableReader.h"

#include "dsp/DiodeTableFormat.h"
#include "dsp/DiodeTableImages.h"

#include <cstring>

Diode2TableReader::Diode2TableReader()
{
    Diode2TableReader::clearState();
    Diode2TableReader::initialise();
}

bool Diode2TableReader::openTable (const char* prefix, bool queryOnly)
{
    tablePrefix = prefix != nullptr ? prefix : "";
    valueCount = getTableSize();
    tableAvailable = valueCount > 0;

    if (tableAvailable)
    {
        if (! queryOnly)
            tables.allocate (valueCount);

        return true;
    }

    if (! queryOnly)
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
    tables.installSilence (valueCount);
}

int Diode2TableReader::getTableSize() const
{
    const char* own = getOwnPrefix();
    return own[0] != '\0' && tablePrefix == own ? DiodeTableFormat::twoVariableRows * DiodeTableFormat::twoVariableColumns : 0;
}

void Diode2TableReader::updateCoefficients()
{
    const float effective = DiodeTableBuffers::effectiveRate (sampleRate, oversamplingIndex);

    if (! tables.needsLoad (effective))
        return;

    float* destination = tables.loadTarget();
    tables.recordLoad (effective, destination != nullptr && loadTable (tablePrefix.c_str(), effective, destination));
}

void Diode2TableReader::commitTable() { tables.commit(); }

bool Diode2TableReader::loadTable (const char* prefix, float rate, float* destination)
{
    const char* own = getOwnPrefix();

    if (prefix == nullptr || own[0] == '\0' || std::strcmp (prefix, own) != 0)
        return false;

    const auto* image = DiodeTableImages::find (prefix, rate);
    DiodeTableFormat::Header header;

    if (image == nullptr || ! DiodeTableFormat::readHeader (*image, DiodeTableFormat::tableName (prefix, rate, false), header))
        return false;

    if (header.version != DiodeTableFormat::version || header.rate != rate || header.columns < 2
        || header.valueCount > tables.getCapacity())
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

    std::memcpy (destination, DiodeTableFormat::valuesOf (*image), sizeof (float) * (size_t) valueCount);
    return true;
}
