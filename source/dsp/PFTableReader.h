#pragma once

#include "dsp/Diode2TableReader.h"

/** Reader of the "SFZD1" tables. */
class PFTableReader : public Diode2TableReader
{
public:
    const char* getOwnPrefix() const override { return "SFZD1"; }
};
