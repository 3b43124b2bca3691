#pragma once

#include "dsp/Diode2TableReader.h"

/** Reader of the "BFZD1" tables. */
class BigMuffTableReader : public Diode2TableReader
{
public:
    const char* getOwnPrefix() const override { return "BFZD1"; }
};
