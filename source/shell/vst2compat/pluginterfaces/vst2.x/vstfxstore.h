#pragma once

// The VST3 wrapper stores its state inside a VST2 bank block so that a host
// can swap a VST2 instance for the VST3 one. This is the bank layout it
// needs: a 156-byte header followed by the chunk size and the chunk itself.
// Included by the wrapper inside its own namespace.

struct fxBank
{
    int chunkMagic;      // 'CcnK'
    int byteSize;        // size of the rest of the block
    int fxMagic;         // 'FBCh' for an opaque chunk
    int version;
    int fxID;            // the plug-in's unique ID
    int fxVersion;
    int numPrograms;
    int currentProgram;
    char future[124];

    union
    {
        struct
        {
            int size;
            char chunk[8];
        } data;
    } content;
};

static_assert (sizeof (int) == 4, "the bank layout needs 32-bit ints");
