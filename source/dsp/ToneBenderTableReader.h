#pragma once

#include "dsp/Diode1TableReader.h"

/** Reader of the "ZFZD1" tables. */
class ToneBenderTableReader : public Diode1TableReader
{
public:
    const char* getOwnPrefix() const override { return "ZFZD1"; }
};
