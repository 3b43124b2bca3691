#include "PluckedRiff.h"

#include <cmath>
#include <vector>

namespace
{
struct Note
{
    double startSeconds;
    double lengthSeconds;
    double frequencyHz;
};

// A palm-muted riff on the low strings, then a held power chord.
const Note riff[] = {
    { 0.00, 0.22, 82.41 },  { 0.25, 0.22, 82.41 },  { 0.50, 0.22, 98.00 },  { 0.75, 0.22, 110.00 },
    { 1.00, 0.22, 82.41 },  { 1.25, 0.22, 82.41 },  { 1.50, 0.22, 123.47 }, { 1.75, 0.22, 110.00 },
    { 2.00, 1.90, 82.41 },  { 2.00, 1.90, 123.47 }, { 2.00, 1.90, 164.81 },
};

constexpr double totalSeconds = 4.2;
constexpr float pickupLevel = 0.3f;

/** One plucked string: a noise burst circulating in a damped delay line. */
void addPluck (std::vector<float>& out, double sampleRate, const Note& note, juce::Random& random)
{
    const int period = juce::jmax (2, (int) std::round (sampleRate / note.frequencyHz));
    std::vector<float> line ((size_t) period);

    for (auto& sample : line)
        sample = random.nextFloat() * 2.0f - 1.0f;

    const int start = (int) (note.startSeconds * sampleRate);
    const int length = (int) (note.lengthSeconds * sampleRate);
    const int releaseSamples = (int) (0.02 * sampleRate);
    const float damping = 0.996f;
    float previous = 0.0f;

    for (int i = 0; i < length && start + i < (int) out.size(); ++i)
    {
        auto& slot = line[(size_t) (i % period)];
        const float current = slot;
        slot = damping * 0.5f * (current + previous);
        previous = current;

        const float release = i > length - releaseSamples ? (float) (length - i) / (float) releaseSamples : 1.0f;
        out[(size_t) (start + i)] += pickupLevel * current * release;
    }
}
}

juce::AudioBuffer<float> PluckedRiff::render (double sampleRate)
{
    std::vector<float> samples ((size_t) (totalSeconds * sampleRate), 0.0f);
    juce::Random random (2718);

    for (const auto& note : riff)
        addPluck (samples, sampleRate, note, random);

    juce::AudioBuffer<float> buffer (1, (int) samples.size());
    buffer.copyFrom (0, 0, samples.data(), (int) samples.size());
    return buffer;
}
