// Arbitrary bytes as host state chunks and as preset files. Nothing read may
// crash, leave a value outside 0 ... 1 or a channel outside A/B, and whatever
// was restored must save and restore to the same document again.
#include "shell/OndrelQX2718AudioProcessor.h"
#include "shell/StateDocument.h"

#include <cstdlib>

namespace
{
    OndrelQX2718AudioProcessor& processor()
    {
        // Kept alive to the end of the process: the framework's own statics
        // are gone by the time exit handlers would destroy these.
        static auto* juce = new juce::ScopedJuceInitialiser_GUI();
        static auto* instance = new OndrelQX2718AudioProcessor();
        juce::ignoreUnused (juce);
        return *instance;
    }

    void require (bool condition)
    {
        if (! condition)
            std::abort();
    }

    juce::MemoryBlock savedState (OndrelQX2718AudioProcessor& p)
    {
        juce::MemoryBlock block;
        p.getStateInformation (block);
        return block;
    }

    void checkInvariants (OndrelQX2718AudioProcessor& p)
    {
        require (p.getCurrentProgram() >= 0 && p.getCurrentProgram() < p.getNumPrograms());
        require (p.getActiveChannel() == 0 || p.getActiveChannel() == 1);

        for (int k = 0; k < Parameters::count; ++k)
        {
            const float live = p.getLiveValue (k), stored = p.getParameter (k);
            require (live >= 0.0f && live <= 1.0f && stored >= 0.0f && stored <= 1.0f);
        }
    }
}

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    auto& p = processor();
    const int numBytes = (int) juce::jmin (size, (size_t) 1 << 20);

    p.setStateInformation (data, numBytes);
    checkInvariants (p);

    const auto first = savedState (p);
    p.setStateInformation (first.getData(), (int) first.getSize());
    require (savedState (p) == first);

    p.setCurrentProgramStateInformation (data, numBytes);
    checkInvariants (p);

    const int status = p.applyPresetDocument (StateDocument::parse (data, (size_t) numBytes));
    require (status == 0 || status == 1 || status == 2 || status == 4);
    checkInvariants (p);
    p.presetDiffersFromCurrent (StateDocument::parse (data, (size_t) numBytes));

    return 0;
}
