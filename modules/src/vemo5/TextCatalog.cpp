#include "TextCatalog.h"

#include "KeyValueFile.h"
#include "TextUtil.h"
#include "kvo/Logging.h"

namespace vemo5 {
namespace {

kvo::LoggerRef g_log("vemo5.TextCatalog");

TextCatalog::Texts readCatalog(const std::string& folder, const std::string& language) {
    TextCatalog::Texts texts;
    std::string path = folder + "/" + language + ".txt";
    std::optional<std::string> content = readTextFile(path);
    if (!content) {
        KVO_LOG(g_log, 3, "Cannot read the text catalog " << printable(path));
        return texts;
    }
    KeyValueText parsed = parseKeyValueText(*content, {"#", nullptr});
    for (const KeyValueProblem& problem : parsed.problems)
        KVO_LOG(g_log, 3, printable(path) << ":" << problem.line << ": " << problem.what << "; line skipped");
    for (const KeyValueEntry& entry : parsed.entries) {
        if (texts.count(entry.name) != 0)
            KVO_LOG(g_log, 3, printable(path) << ":" << entry.line << ": " << quote(entry.name)
                                              << " given again; the later text wins");
        texts[entry.name] = unescapeCatalogText(entry.value);
    }
    return texts;
}

}  // namespace

void TextCatalog::load(const std::string& folder, const std::string& language) {
    m_english = readCatalog(folder, "en");
    m_chosen = language == "en" ? m_english : readCatalog(folder, language);
    m_language = language;
    m_warned.clear();
    m_loaded = true;
}

std::string TextCatalog::text(const std::string& id) const {
    auto found = m_chosen.find(id);
    if (found != m_chosen.end()) return found->second;
    bool firstTime = m_loaded && m_warned.insert(id).second;
    found = m_english.find(id);
    if (found != m_english.end()) {
        if (firstTime)
            KVO_LOG(g_log, 3, "Text " << quote(id) << " is missing for language " << m_language << "; using English");
        return found->second;
    }
    if (firstTime) KVO_LOG(g_log, 3, "Text " << quote(id) << " is missing; showing its id");
    return id;
}

std::string unescapeCatalogText(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (text[i] == '\\' && (next == 'n' || next == 't' || next == '\\')) {
            result += next == 'n' ? '\n' : next == 't' ? '\t' : '\\';
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

}  // namespace vemo5
