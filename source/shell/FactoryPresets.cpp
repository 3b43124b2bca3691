#include "shell/FactoryPresets.h"

const std::vector<FactoryPresets::Preset>& FactoryPresets::all()
{
    static const std::vector<Preset> presets {
        //  name                              circuit input  fuzz  tone  level  mix  oversampling
        { "Big Fuzz - Wall Of Sustain",         0,   0.50f, 0.85f, 0.40f, 0.45f, 1.0f, 1 },
        { "Big Fuzz - Scooped Lead",            0,   0.55f, 0.65f, 0.30f, 0.50f, 1.0f, 1 },
        { "Sustainer Fuzz - Violin Swell",      1,   0.50f, 0.90f, 0.55f, 0.45f, 1.0f, 1 },
        { "Sustainer Fuzz - Warm Drive",        1,   0.45f, 0.35f, 0.40f, 0.55f, 1.0f, 0 },
        { "Trans Fuzz - Bright Rhythm",         2,   0.50f, 0.50f, 0.70f, 0.50f, 1.0f, 0 },
        { "Trans Fuzz - Thick Chords",          2,   0.50f, 0.75f, 0.35f, 0.45f, 1.0f, 1 },
        { "Vintage Fuzz - Sixties Buzz",        3,   0.55f, 0.70f, 0.60f, 0.50f, 1.0f, 1 },
        { "Vintage Fuzz - Clean-Up Crunch",     3,   0.40f, 0.30f, 0.50f, 0.55f, 1.0f, 0 },
        { "Zepp Fuzz - Searing Lead",           4,   0.55f, 0.90f, 0.65f, 0.45f, 1.0f, 2 },
        { "Zepp Fuzz - Blues Grit",             4,   0.45f, 0.45f, 0.45f, 0.50f, 0.8f, 0 },
    };
    return presets;
}

StateDocument::Values FactoryPresets::valuesOf (const Preset& preset)
{
    StateDocument::Values values {};
    values[Parameters::onBypass] = 1.0f;
    values[Parameters::inputVol] = preset.inputVol;
    values[Parameters::fuzzType] = (float) preset.circuit * 0.25f;
    values[Parameters::fuzz] = preset.fuzz;
    values[Parameters::tone] = preset.tone;
    values[Parameters::level] = preset.level;
    values[Parameters::dryWet] = preset.dryWet;
    values[Parameters::oversampling] = (float) ((double) preset.oversamplingIndex / 3.0);
    return values;
}

std::unique_ptr<juce::XmlElement> FactoryPresets::createDocument (const Preset& preset)
{
    juce::XmlElement* properties = nullptr;
    auto document = StateDocument::createRoot (properties);
    StateDocument::addValueElements (*properties, valuesOf (preset));
    return document;
}
