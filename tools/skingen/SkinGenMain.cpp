// ondrel-skingen: draws every image of the editor's skin and writes them as
// PNG files. The output is deterministic, so regenerating only changes the
// files whose drawing code changed.
#include "SkinCatalogue.h"
#include "SkinPreview.h"
#include "SkinStyle.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <iostream>

namespace
{
// The sizes the editor's control table expects (file name, width, height).
// They are written out again here, independently of the catalogue, so a
// slip in a frame size or count is caught before the files are committed.
struct ExpectedSize
{
    const char* fileName;
    int width;
    int height;
};

constexpr ExpectedSize expectedSizes[] = {
    { "background.png", 325, 500 },        { "file_button.png", 58, 52 },
    { "preset_dec.png", 29, 52 },          { "preset_inc.png", 29, 52 },
    { "input_meter.png", 70, 176 },        { "clip_light.png", 7, 32 },
    { "ab_switch.png", 62, 46 },           { "copy_a_to_b.png", 75, 50 },
    { "copy_b_to_a.png", 75, 50 },         { "footswitch.png", 90, 396 },
    { "knob_small.png", 41, 4242 },        { "knob_large.png", 96, 9595 },
    { "selector.png", 113, 625 },          { "oversampling_button.png", 21, 28 },
    { "about_panel.png", 325, 500 },       { "dialog_message_panel.png", 325, 500 },
    { "dialog_browser_panel.png", 325, 500 }, { "title_save_as.png", 325, 500 },
    { "title_load.png", 325, 500 },        { "icon_warning.png", 326, 500 },
    { "icon_error.png", 325, 500 },        { "button_ok.png", 132, 102 },
    { "button_cancel.png", 132, 102 },     { "button_save.png", 132, 102 },
    { "button_new_folder.png", 132, 102 },
};

bool writePng (const juce::Image& image, const juce::File& file)
{
    file.deleteFile();
    juce::FileOutputStream stream (file);

    if (! stream.openedOk())
        return false;

    juce::PNGImageFormat png;
    return png.writeImageToStream (image, stream);
}

/** Reads the written file back, so what is checked is what gets committed. */
bool hasSize (const juce::File& file, int width, int height)
{
    const auto image = juce::ImageFileFormat::loadFrom (file);
    return image.isValid() && image.getWidth() == width && image.getHeight() == height;
}

int fail (const juce::String& message)
{
    std::cerr << "ondrel-skingen: " << message << "\n";
    return 1;
}

juce::File fileArgument (const juce::StringArray& args, const juce::String& option)
{
    const auto index = args.indexOf (option);
    return index >= 0 && index + 1 < args.size() ? juce::File::getCurrentWorkingDirectory().getChildFile (args[index + 1])
                                                 : juce::File();
}
} // namespace

int main (int argc, char* argv[])
{
    juce::ScopedJuceInitialiser_GUI gui;
    juce::StringArray args;

    for (int i = 1; i < argc; ++i)
        args.add (argv[i]);

    const auto folder = fileArgument (args, "--out");
    const auto preview = fileArgument (args, "--preview");

    if (folder == juce::File())
        return fail ("usage: ondrel-skingen --out DIR [--preview FILE.png]");

    if (! SkinStyle::typefaceIsInstalled())
        return fail (juce::String ("the font \"") + SkinStyle::typefaceName + "\" with the styles Book, Bold and Bold Oblique is not installed (fonts-dejavu-core)");

    if (! folder.createDirectory())
        return fail ("cannot create " + folder.getFullPathName());

    const auto catalogue = skinCatalogue();

    if (catalogue.size() != std::size (expectedSizes))
        return fail ("the catalogue and the table of expected sizes list different images");

    for (const auto& expected : expectedSizes)
    {
        const auto entry = std::find_if (catalogue.begin(), catalogue.end(),
                                         [&] (const SkinImage& e) { return e.fileName == expected.fileName; });

        if (entry == catalogue.end())
            return fail (juce::String ("no drawing for ") + expected.fileName);

        const auto file = folder.getChildFile (entry->fileName);

        if (! writePng (renderSkinImage (*entry), file))
            return fail ("cannot write " + file.getFullPathName());

        if (! hasSize (file, expected.width, expected.height))
            return fail (file.getFileName() + " does not have the size " + juce::String (expected.width) + " x "
                         + juce::String (expected.height));

        std::cout << file.getFullPathName() << " " << expected.width << "x" << expected.height << "\n";
    }

    if (preview != juce::File() && ! writePng (composeEditorPreview (folder), preview))
        return fail ("cannot write " + preview.getFullPathName());

    return 0;
}
