#pragma once

#include "dsp/Diode2TableReader.h"

/** Reader of the "VFZD1" tables. */
class IFZ5TableReader : public Diode2TableReader
{
public:
    const char* getOwnPrefix() const override { return "VFZD1"; }
};
