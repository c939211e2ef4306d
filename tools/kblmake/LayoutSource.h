#pragma once
// A keyboard's drawings as kblmake finds them: the English one named on the
// command line, and beside it one file per further language, named after it
// with the language's tag ("Iso105Kbd.json", "Iso105Kbd.de-DE.json").
#include <cstdint>
#include <string>
#include <vector>

#include "Diagnostics.h"
#include "KleLayout.h"
#include "LibraryImage.h"

namespace kblmake {

struct Translation {
    std::string file;
    std::string tag;
    std::uint16_t language;
    KlePicture picture;
};

struct LayoutSource {
    std::string file;
    KlePicture english;
    std::vector<Translation> translations;
};

// Reads and checks the drawing and its language files; every problem goes
// to `diagnostics`, and nothing is usable when it holds an error.
LayoutSource readLayoutSource(const std::string& file, Diagnostics& diagnostics);

// Whether `file` is the language file of a drawing beside it
// ("Iso105Kbd.de-DE.json" next to "Iso105Kbd.json"), read with that drawing.
bool isLanguageFile(const std::string& file);

// The library's pictures, English first. `source` must be free of errors.
std::vector<LanguagePicture> languagePictures(const LayoutSource& source);

// The picture for `tag` ("de-DE"), or the English one for an empty tag;
// null when the source has no picture in that language.
const KlePicture* pictureFor(const LayoutSource& source, const std::string& tag);

}  // namespace kblmake
