#pragma once
// The operator-facing texts of one run: the chosen language's catalog and
// the English one it falls back to. Catalog files are `<folder>/<code>.txt`
// in the key-value line format, `id = text`, with the escapes `\n`, `\t`
// and `\\` in the text.
#include <map>
#include <set>
#include <string>

namespace vemo5 {

class TextCatalog {
public:
    using Texts = std::map<std::string, std::string>;

    // Replaces the texts with those of `language` and English from `folder`.
    // A missing file or a bad line is logged; what can be read is used.
    void load(const std::string& folder, const std::string& language);
    void set(const std::string& language, Texts chosen, Texts english);

    // The chosen language's text, else the English one, else the id. Each
    // id that falls back is logged once, at level 3.
    std::string text(const std::string& id) const;

private:
    std::string m_language = "en";
    Texts m_chosen;
    Texts m_english;
    mutable std::set<std::string> m_warned;
};

// `\n` newline, `\t` tab, `\\` backslash; any other backslash stays as written.
std::string unescapeCatalogText(const std::string& text);

}  // namespace vemo5
