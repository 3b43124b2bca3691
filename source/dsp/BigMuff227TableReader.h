#pragma once

#include "dsp/Diode2TableReader.h"

/** Reader of the "TFZD1" tables. */
class BigMuff227TableReader : public Diode2TableReader
{
public:
    const char* getOwnPrefix() const override { return "TFZD1"; }
};
