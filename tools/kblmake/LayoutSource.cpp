#include "LayoutSource.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "LanguageTags.h"
#include "LayoutChecks.h"

namespace fs = std::filesystem;

namespace kblmake {
namespace {

bool readDrawing(const std::string& file, KlePicture& picture, Diagnostics& out) {
    out.startFile(file);
    std::ifstream in(fs::u8path(file), std::ios::binary);
    if (!in) {
        out.add(Severity::Error, {1, 1}, "cannot be opened");
        return false;
    }
    std::string text;
    text.resize(kMaxJsonBytes + 1);
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    try {
        picture = readKleLayout(parseJson(text), out);
        return true;
    } catch (const JsonError& e) {
        out.add(Severity::Error, e.at(), e.what());
        return false;
    }
}

// "Iso105Kbd.de-DE.json" beside "Iso105Kbd.json": the language files, in
// the order of their names so that the library comes out the same on every
// file system.
std::vector<std::pair<std::string, std::string>> languageFiles(const std::string& file) {
    const fs::path english = fs::u8path(file);
    const std::string prefix = english.stem().u8string() + ".";
    std::vector<std::pair<std::string, std::string>> found;
    std::error_code error;
    const fs::path folder = english.has_parent_path() ? english.parent_path() : fs::path(".");
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        const std::string stem = entry.path().stem().u8string();
        if (entry.path().extension() != ".json" || stem.size() <= prefix.size() || stem.rfind(prefix, 0) != 0)
            continue;
        const std::string tag = stem.substr(prefix.size());
        if (tag.find('.') != std::string::npos) continue;
        found.emplace_back((english.has_parent_path() ? entry.path() : entry.path().filename()).u8string(), tag);
    }
    std::sort(found.begin(), found.end());
    return found;
}

}  // namespace

LayoutSource readLayoutSource(const std::string& file, Diagnostics& out) {
    LayoutSource source;
    source.file = file;
    if (readDrawing(file, source.english, out)) {
        checkName(source.english, out);
        checkKeys(source.english, out);
    }
    for (const auto& [path, tag] : languageFiles(file)) {
        Translation translation{path, tag, 0, {}};
        if (!readDrawing(path, translation.picture, out)) continue;
        const auto id = languageId(tag);
        if (!id) {
            out.add(Severity::Error, {1, 1},
                    "\"" + tag + "\" is not a language tag kblmake knows; name the file <keyboard>.<tag>.json with "
                    "one of: " + knownLanguageTags());
            continue;
        }
        const bool taken = *id == kEnglishUnitedStates ||
                           std::any_of(source.translations.begin(), source.translations.end(),
                                       [&](const Translation& t) { return t.language == *id; });
        if (taken) {
            out.add(Severity::Error, {1, 1},
                    "a picture for \"" + tag + "\" exists already" +
                        (*id == kEnglishUnitedStates ? " (the main drawing is the US English one)" : ""));
            continue;
        }
        translation.language = *id;
        checkKeys(translation.picture, out);
        checkSameKeys(source.english, translation.picture, out);
        source.translations.push_back(std::move(translation));
    }
    return source;
}

bool isLanguageFile(const std::string& file) {
    const fs::path path = fs::u8path(file);
    const std::string stem = path.stem().u8string();
    const std::size_t dot = stem.find('.');
    std::error_code error;
    return dot != std::string::npos &&
           fs::exists(path.parent_path() / fs::u8path(stem.substr(0, dot) + ".json"), error);
}

std::vector<LanguagePicture> languagePictures(const LayoutSource& source) {
    std::vector<LanguagePicture> pictures{{kEnglishUnitedStates, placeControls(source.english)}};
    for (const Translation& translation : source.translations)
        pictures.push_back({translation.language, placeControls(translation.picture)});
    return pictures;
}

const KlePicture* pictureFor(const LayoutSource& source, const std::string& tag) {
    if (tag.empty()) return &source.english;
    const auto id = languageId(tag);
    for (const Translation& translation : source.translations)
        if (id && translation.language == *id) return &translation.picture;
    return nullptr;
}

}  // namespace kblmake
