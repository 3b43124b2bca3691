#pragma once

#include <array>

/** The analog transfer function of an order-N filter stage, both polynomials
    in ascending powers of s, ready for setAnalogCoefficients. */
template <int Order>
struct AnalogPrototype
{
    std::array<double, (std::size_t) Order + 1> denominator {};
    std::array<double, (std::size_t) Order + 1> numerator {};
};
