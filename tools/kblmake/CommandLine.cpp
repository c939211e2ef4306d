#include "CommandLine.h"

#include <algorithm>
#include <filesystem>

#include "LayoutChecks.h"
#include "LayoutSource.h"
#include "OutputFile.h"
#include "Preview.h"

namespace fs = std::filesystem;

namespace kblmake {
namespace {

void printUsage(std::ostream& err) {
    err << "usage: kblmake <drawing.json> [-o <library.kbl | folder>]\n"
           "           builds a layout library from a keyboard-layout-editor drawing (\"Download JSON\");\n"
           "           language files beside it (<drawing>.de-DE.json) add pictures in those languages\n"
           "       kblmake --check <drawing.json>...\n"
           "           checks drawings without writing anything\n"
           "       kblmake --preview <picture.png> [--language <tag>] <drawing.json>\n"
           "           draws the picture as the layout test shows it\n";
    if (!previewAvailable())
        err << "This kblmake was built without --preview; draw previews with the Linux build, or look at a\n"
               "library with LayoutPreview.exe.\n";
}

struct Options {
    enum class Mode { Build, Check, Preview } mode = Mode::Build;
    std::vector<std::string> drawings;
    std::string output;
    std::string language;
};

bool parse(const std::vector<std::string>& args, Options& options, std::ostream& err) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--check") {
            options.mode = Options::Mode::Check;
        } else if ((arg == "-o" || arg == "--preview" || arg == "--language") && hasValue) {
            if (arg == "--preview") options.mode = Options::Mode::Preview;
            (arg == "--language" ? options.language : options.output) = args[++i];
        } else if (arg.empty() || arg[0] == '-') {
            if (arg != "-h" && arg != "--help") err << "kblmake: unknown option or missing value: " << arg << "\n";
            return false;
        } else {
            options.drawings.push_back(arg);
        }
    }
    const bool oneDrawing = options.drawings.size() == 1;
    if (options.mode != Options::Mode::Check && !oneDrawing) err << "kblmake: name one drawing\n";
    if (options.mode == Options::Mode::Check && options.drawings.empty())
        err << "kblmake: name the drawings to check\n";
    return options.mode == Options::Mode::Check ? !options.drawings.empty() : oneDrawing;
}

// Warnings and errors, then whether the drawings are usable.
bool report(const Diagnostics& diagnostics, std::ostream& err) {
    for (const Diagnostic& d : diagnostics.list()) err << formatDiagnostic(d) << "\n";
    return !diagnostics.hasErrors();
}

std::string libraryPath(const Options& options) {
    const fs::path drawing = fs::u8path(options.drawings.front());
    if (options.output.empty()) return fs::path(drawing).replace_extension(".kbl").u8string();
    const fs::path output = fs::u8path(options.output);
    std::error_code error;
    if (fs::is_directory(output, error)) return (output / drawing.stem()).u8string() + ".kbl";
    return options.output;
}

int write(const std::string& path, const std::vector<std::uint8_t>& bytes, std::ostream& err) {
    std::string error;
    if (writeFileAtomically(path, bytes, error)) return kDone;
    err << "kblmake: " << error << "\n";
    return kCannotWrite;
}

int build(const Options& options, std::ostream& out, std::ostream& err) {
    Diagnostics diagnostics;
    const LayoutSource source = readLayoutSource(options.drawings.front(), diagnostics);
    if (!report(diagnostics, err)) return kDrawingHasErrors;
    const std::string path = libraryPath(options);
    const int written = write(path, layoutLibrary(source.english.name, languagePictures(source)), err);
    if (written == kDone) {
        const auto& drawn = source.english.keys;
        const auto keys = std::count_if(drawn.begin(), drawn.end(), [](const KleKey& k) { return !k.textArea; });
        const auto named = std::count_if(drawn.begin(), drawn.end(), [](const KleKey& k) { return k.fromLegend; });
        out << path << ": \"" << source.english.name << "\", " << keys << " keys";
        if (named > 0) out << " (" << named << " named by their legends)";
        out << ", en-US";
        for (const Translation& translation : source.translations) out << " " << translation.tag;
        out << "\n";
    }
    return written;
}

int check(const Options& options, std::ostream& out, std::ostream& err) {
    Diagnostics diagnostics;
    std::vector<LayoutSource> sources;
    // Language files named too (layouts/*.json) are read with their drawing.
    for (const std::string& drawing : options.drawings)
        if (!isLanguageFile(drawing)) sources.push_back(readLayoutSource(drawing, diagnostics));
    std::vector<std::pair<std::string, const KlePicture*>> named;
    for (const LayoutSource& source : sources) named.emplace_back(source.file, &source.english);
    checkDistinctNames(named, diagnostics);
    const bool usable = report(diagnostics, err);
    out << sources.size() << (sources.size() == 1 ? " drawing" : " drawings") << " checked: "
        << (usable ? "no errors" : "errors found") << ", " << diagnostics.list().size() << " message"
        << (diagnostics.list().size() == 1 ? "" : "s") << "\n";
    return usable ? kDone : kDrawingHasErrors;
}

int preview(const Options& options, std::ostream& out, std::ostream& err) {
    if (!previewAvailable()) {
        printUsage(err);
        return kUsage;
    }
    Diagnostics diagnostics;
    const LayoutSource source = readLayoutSource(options.drawings.front(), diagnostics);
    if (!report(diagnostics, err)) return kDrawingHasErrors;
    const KlePicture* picture = pictureFor(source, options.language);
    if (picture == nullptr) {
        err << "kblmake: " << source.file << " has no picture in \"" << options.language << "\"\n";
        return kUsage;
    }
    const int written = write(options.output, previewPng(placeControls(*picture)), err);
    if (written == kDone) out << options.output << "\n";
    return written;
}

}  // namespace

int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Options options;
    if (!parse(args, options, err)) {
        printUsage(err);
        return kUsage;
    }
    switch (options.mode) {
    case Options::Mode::Check: return check(options, out, err);
    case Options::Mode::Preview: return preview(options, out, err);
    case Options::Mode::Build: break;
    }
    return build(options, out, err);
}

}  // namespace kblmake
