#include <gtest/gtest.h>
#include <juce_events/juce_events.h>

// JUCE objects that use timers, the message manager or fonts need the
// framework initialised for the whole test run.
int main (int argc, char** argv)
{
    ::testing::InitGoogleTest (&argc, argv);
    juce::ScopedJuceInitialiser_GUI juceInitialiser;
    return RUN_ALL_TESTS();
}
