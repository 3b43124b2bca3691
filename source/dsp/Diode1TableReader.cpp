#include "dsp/Diode1TableReader.h"

#include "dsp/DiodeTableFormat.h"
#include "dsp/DiodeTableImages.h"

#include <cstring>

Diode1TableReader::Diode1TableReader()
{
    Diode1TableReader::clearState();
    Diode1TableReader::initialise();
}

bool Diode1TableReader::openTable (const char* prefix, bool queryOnly)
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
    tables.installSilence (valueCount);
}

int Diode1TableReader::getTableSize() const
{
    const char* own = getOwnPrefix();
    return own[0] != '\0' && tablePrefix == own ? DiodeTableFormat::oneVariablePoints : 0;
}

void Diode1TableReader::updateCoefficients()
{
    // The curve does not depend on the rate, but a new rate or factor still
    // reloads it, as the two-variable tables do.
    const float effective = DiodeTableBuffers::effectiveRate (sampleRate, oversamplingIndex);

    if (! tables.needsLoad (effective))
        return;

    float* destination = tables.loadTarget();
    tables.recordLoad (effective, destination != nullptr && loadTable (tablePrefix.c_str(), destination));
}

void Diode1TableReader::commitTable() { tables.commit(); }

bool Diode1TableReader::loadTable (const char* prefix, float* destination)
{
    const char* own = getOwnPrefix();

    if (prefix == nullptr || own[0] == '\0' || std::strcmp (prefix, own) != 0)
        return false;

    const auto* image = DiodeTableImages::find (prefix, 0.0f);
    DiodeTableFormat::Header header;

    if (image == nullptr || ! DiodeTableFormat::readHeader (*image, DiodeTableFormat::tableName (prefix, 0.0f, true), header))
        return false;

    if (header.rate != 0.0f || header.columns != 1 || header.rows < 4 || header.valueCount > tables.getCapacity())
        return false;

    points = header.rows;
    valueCount = header.valueCount;
    lastPoint = points - 1;
    inputMin = header.inputMin;
    inputMax = header.inputMax;
    inputRange = inputMax - inputMin;
    inputOffset = inputRange * 0.5f;
    inputScale = (float) lastPoint / inputRange;

    std::memcpy (destination, DiodeTableFormat::valuesOf (*image), sizeof (float) * (size_t) valueCount);
    return true;
}
