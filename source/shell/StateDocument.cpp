#include "shell/StateDocument.h"

#include <cstring>

#include <limits>

namespace
{
    constexpr juce::uint32 chunkMagic = 0x21324356;  // "VC2!" little-endian

    // Far above any document this system writes (a full state is about 12 kB).
    constexpr size_t maxDocumentBytes = 16 * 1024 * 1024;

    /** True when the text ends with the root's closing tag, or with "/>" for
        a root without content. */
    bool closesRoot (const juce::String& text, const juce::XmlElement& root)
    {
        const auto trimmed = text.trimEnd();

        if (! trimmed.endsWithChar ('>'))
            return false;

        if (root.getNumChildElements() == 0 && root.getAllSubText().isEmpty() && trimmed.endsWith ("/>"))
            return true;

        const auto closing = trimmed.fromLastOccurrenceOf ("</", false, false).dropLastCharacters (1).trim();
        return trimmed.contains ("</") && closing == root.getTagName();
    }

    /** Whether the text keeps to what our documents use, as far as the
        framework's parser cannot be trusted with the rest: no document type
        (declared entities expand without bound) and no processing
        instruction but a leading XML declaration (text after one inside an
        element sends the parser round a loop that never ends). Either would
        let a crafted project or preset hang the message thread. */
    bool keepsToWhatOurDocumentsUse (const juce::String& text)
    {
        if (text.containsIgnoreCase ("<!DOCTYPE") || text.containsIgnoreCase ("<!ENTITY"))
            return false;

        const int first = text.indexOf ("<?");

        if (first < 0)
            return true;

        if (text.substring (0, first).trim().isNotEmpty())
            return false;

        const int end = text.indexOf (first + 2, "?>");
        return end >= 0 && text.indexOf (end + 2, "<?") < 0;
    }
}

std::unique_ptr<juce::XmlElement> StateDocument::createRoot (juce::XmlElement*& properties)
{
    auto root = std::make_unique<juce::XmlElement> (rootTag);
    root->setAttribute ("version", documentVersion);
    root->createNewChildElement ("DeviceName")->addTextElement (deviceName);

    properties = root->createNewChildElement ("Properties");
    properties->setAttribute ("deviceProductID", productId);
    properties->setAttribute ("deviceVersion", deviceVersion);
    properties->setAttribute ("presetVersion", presetVersion);
    return root;
}

void StateDocument::addValueElements (juce::XmlElement& parent, const Values& values)
{
    for (int k = 0; k < Parameters::count; ++k)
    {
        auto* element = parent.createNewChildElement ("Value");
        element->setAttribute ("property", Parameters::idOf (k));
        element->setAttribute ("type", k == Parameters::onBypass ? "boolean" : "number");
        element->addTextElement (valueText (k, values[(size_t) k]));
    }
}

juce::String StateDocument::valueText (int index, float value)
{
    switch (index)
    {
        case Parameters::onBypass:     return value > 0.0f ? "true" : "false";
        case Parameters::fuzzType:     return juce::String (Parameters::circuitIndexOf (value));
        case Parameters::oversampling: return juce::String (Parameters::oversamplingIndexOf (value));
        default:                       return juce::String (value, 5);
    }
}

float StateDocument::valueFromText (int index, const juce::String& text)
{
    switch (index)
    {
        case Parameters::onBypass:     return text.trim() == "true" ? 1.0f : 0.0f;
        case Parameters::fuzzType:     return Parameters::sanitise (text.getFloatValue() * 0.25f);
        case Parameters::oversampling: return Parameters::sanitise ((float) (text.getDoubleValue() / 3.0));
        default:                       return Parameters::sanitise (text.getFloatValue());
    }
}

bool StateDocument::isDocument (const juce::XmlElement* element)
{
    return element != nullptr && element->getTagName().equalsIgnoreCase (rootTag);
}

bool StateDocument::isProperties (const juce::XmlElement& element)
{
    return element.getTagName().equalsIgnoreCase ("Properties");
}

juce::String StateDocument::attributeAt (const juce::XmlElement& element, int position)
{
    return position < element.getNumAttributes() ? element.getAttributeValue (position) : juce::String();
}

int StateDocument::integerAt (const juce::XmlElement& element, int position)
{
    const auto text = attributeAt (element, position);
    long long result = 0;

    for (auto c = text.getCharPointer(); juce::CharacterFunctions::isDigit (*c); ++c)
        result = juce::jmin ((long long) std::numeric_limits<int>::max(), result * 10 + (*c - '0'));

    return (int) result;
}

void StateDocument::toChunk (const juce::XmlElement& document, juce::MemoryBlock& destination)
{
    // The framework's own wrapper adds an XML declaration; stored states have none.
    const auto text = document.toString (juce::XmlElement::TextFormat().singleLine().withoutHeader());
    const auto numBytes = text.getNumBytesAsUTF8();

    destination.reset();
    juce::MemoryOutputStream out (destination, false);
    out.writeInt ((int) chunkMagic);
    out.writeInt ((int) numBytes);
    out.write (text.toRawUTF8(), numBytes);
    out.writeByte (0);
}

std::unique_ptr<juce::XmlElement> StateDocument::fromChunk (const void* data, int sizeInBytes)
{
    if (data == nullptr || sizeInBytes <= 8 || juce::ByteOrder::littleEndianInt (data) != chunkMagic)
        return {};

    const auto textLength = (int) juce::ByteOrder::littleEndianInt (juce::addBytesToPointer (data, 4));

    if (textLength <= 0)
        return {};

    return parse (static_cast<const char*> (data) + 8, (size_t) juce::jmin (sizeInBytes - 8, textLength));
}

std::unique_ptr<juce::XmlElement> StateDocument::parse (const void* utf8, size_t numBytes)
{
    // Text ends at the first zero byte. Malformed UTF-8 is refused before it
    // becomes a juce::String, whose iteration trusts the encoding and would
    // read past the end of a truncated sequence.
    const auto* bytes = static_cast<const char*> (utf8);
    const auto* zero = static_cast<const char*> (std::memchr (bytes, 0, numBytes));
    const size_t length = zero != nullptr ? (size_t) (zero - bytes) : numBytes;

    if (length == 0 || length > maxDocumentBytes || ! juce::CharPointer_UTF8::isValidString (bytes, (int) length))
        return {};

    const auto text = juce::String::fromUTF8 (bytes, (int) length);

    if (! keepsToWhatOurDocumentsUse (text))
        return {};

    // The framework's parser hands back a partial tree for some texts cut
    // short (inside a closing tag, for instance). A truncated document must
    // change nothing, so the text must also end by closing its root.
    juce::XmlDocument parser (text);
    auto document = parser.getDocumentElement();

    if (document == nullptr || parser.getLastParseError().isNotEmpty() || ! closesRoot (text, *document))
        return {};

    return document;
}

std::unique_ptr<juce::XmlElement> StateDocument::readPresetFile (const juce::File& file)
{
    if (! file.existsAsFile() || file.getSize() > (juce::int64) maxDocumentBytes)
        return {};

    juce::MemoryBlock content;

    if (! file.loadFileAsData (content) || content.isEmpty())
        return {};

    const auto* bytes = static_cast<const char*> (content.getData());
    const bool hasByteOrderMark = content.getSize() >= 3 && std::memcmp (bytes, "\xef\xbb\xbf", 3) == 0;
    const size_t skip = hasByteOrderMark ? 3 : 0;
    return parse (bytes + skip, content.getSize() - skip);
}

bool StateDocument::writePresetFile (const juce::XmlElement& document, const juce::File& file)
{
    return document.writeTo (file);
}
