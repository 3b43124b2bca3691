#pragma once

#include <vector>

/** Process-wide store of diode table images. Each image is generated from
    its closed rule the first time it is asked for and kept, immutable, for
    the life of the process, so every reader and every plug-in instance
    shares one copy.

    Generation takes a lock and up to a few hundred milliseconds: call only
    from the message thread or during preparation, never from the audio thread. */
namespace DiodeTableImages
{
    /** The image for a prefix at a processing rate (ignored for the curve),
        or nullptr for an unknown prefix or a rate that is not positive. The
        eight canonical rates give the canonical tables; any other rate gets
        a table made for exactly that rate. The pointer stays valid. */
    const std::vector<unsigned char>* find (const char* prefix, float rate);

    /** Builds an image without caching it (for tools and tests). */
    std::vector<unsigned char> generate (const char* prefix, float rate);

    /** The root y of x - y = K r (y - s) + A sinh (y / V) (K = 0: the curve). */
    double solveDiode (double x, double s, double kr, double a, double v);
}
