#pragma once

#include "shell/ParameterTable.h"

#include <juce_core/juce_core.h>

#include <array>
#include <memory>

/** The "tevariPatch" document that host state, program state and preset
    files share: its fixed vocabulary, the value texts, and the binary
    wrapping for host chunks.

    Attributes are read back by position, not by name, so older and foreign
    writers that named them differently still load. Everything read from a
    document is treated as untrusted: integers and values are clamped to
    what the store can hold. */
class StateDocument
{
public:
    static constexpr const char* rootTag = "tevariPatch";
    static constexpr const char* documentVersion = "1.0";
    static constexpr const char* deviceName = "Ondrel QX2718";
    static constexpr const char* productId = "com.tevari.OndrelQX2718";
    static constexpr const char* deviceVersion = "1.0.6";
    static constexpr const char* presetVersion = "1.0";

    using Values = std::array<float, Parameters::count>;

    /** The root with "DeviceName" and a "Properties" element carrying the
        three fixed attributes; properties is set to that element. */
    static std::unique_ptr<juce::XmlElement> createRoot (juce::XmlElement*& properties);

    /** Appends the eight "Value" elements in parameter order. */
    static void addValueElements (juce::XmlElement& parent, const Values& values);

    /** The text a value is stored as: "true"/"false", five decimals, or an index. */
    static juce::String valueText (int index, float value);

    /** The value a stored text stands for, clamped to 0 ... 1; text that is
        not a number reads as 0. */
    static float valueFromText (int index, const juce::String& text);

    /** Calls apply (index, value) for every child of parent whose first
        attribute names a parameter (case-sensitively); other children are
        skipped. */
    template <typename Apply>
    static void forEachValue (const juce::XmlElement& parent, Apply&& apply)
    {
        for (const auto* child : parent.getChildIterator())
        {
            const int index = Parameters::indexOf (attributeAt (*child, 0));

            if (index >= 0)
                apply (index, valueFromText (index, child->getAllSubText()));
        }
    }

    /** True for an element whose tag is "tevariPatch", in any case. */
    static bool isDocument (const juce::XmlElement* element);

    /** True for a tag equal to "Properties" in any case. */
    static bool isProperties (const juce::XmlElement& element);

    /** The value of the attribute at a position, "" when there is none. */
    static juce::String attributeAt (const juce::XmlElement& element, int position);

    /** The leading decimal digits of an attribute (0 when there are none),
        saturating instead of overflowing. */
    static int integerAt (const juce::XmlElement& element, int position);

    /** Wraps the document for the host: the magic number 0x21324356, the
        text length, the one-line text without an XML declaration, a zero byte. */
    static void toChunk (const juce::XmlElement& document, juce::MemoryBlock& destination);

    /** Unwraps a host chunk; nullptr for anything that is not a wrapped XML document. */
    static std::unique_ptr<juce::XmlElement> fromChunk (const void* data, int sizeInBytes);

    /** Parses a document from UTF-8 bytes (up to the first zero byte);
        nullptr for malformed UTF-8, malformed or truncated XML. */
    static std::unique_ptr<juce::XmlElement> parse (const void* utf8, size_t numBytes);

    /** Reads and parses a preset file (an optional byte-order mark is
        skipped); nullptr for a missing, oversized or malformed file. */
    static std::unique_ptr<juce::XmlElement> readPresetFile (const juce::File& file);

    /** Writes a preset file: UTF-8 with a declaration and the default indentation. */
    static bool writePresetFile (const juce::XmlElement& document, const juce::File& file);
};
