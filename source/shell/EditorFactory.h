#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

class OndrelQX2718AudioProcessor;

/** Makes the plug-in's editor window for a processor. */
juce::AudioProcessorEditor* createOndrelEditor (OndrelQX2718AudioProcessor& processor);
