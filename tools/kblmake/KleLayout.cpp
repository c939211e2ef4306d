#include "KleLayout.h"

#include <cstdio>

#include "KeyNames.h"

namespace kblmake {
namespace {

// A key's size beyond this is a typing slip, and would upset the scaling.
constexpr double kMaxKeySize = 50;

struct Cursor {
    double x = 0, y = 0, w = 1, h = 1;
    bool decal = false;
    bool rotated = false;
};

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (char c : text) {
        if (c == '\n')
            lines.emplace_back();
        else
            lines.back() += c;
    }
    return lines;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

struct Identifier {
    std::uint16_t id;
    bool meant;
};

// "#" with two or three hex digits and an optional "!".
bool parseKeyIdentifier(const std::string& line, Identifier& out) {
    std::size_t end = line.size();
    out.meant = end > 0 && line[end - 1] == '!';
    if (out.meant) --end;
    if (end < 3 || end > 4 || line[0] != '#') return false;
    unsigned value = 0;
    for (std::size_t i = 1; i < end; ++i) {
        const int digit = hexDigit(line[i]);
        if (digit < 0) return false;
        value = value * 16 + static_cast<unsigned>(digit);
    }
    out.id = static_cast<std::uint16_t>(value);
    return true;
}

bool parseTextAreaIdentifier(const std::string& line, Identifier& out) {
    out.meant = false;
    if (line == "#1104") out.id = kFnInstructionsId;
    if (line == "#1106") out.id = kSecondInstructionsId;
    return line == "#1104" || line == "#1106";
}

std::string where(int row, int index) { return "row " + std::to_string(row) + ", key " + std::to_string(index); }

class LayoutReader {
public:
    explicit LayoutReader(Diagnostics& diagnostics) : m_out(diagnostics) {}

    KlePicture read(const JsonValue& root) {
        KlePicture picture;
        if (root.kind != JsonValue::Kind::Array || root.items.empty()) {
            m_out.add(Severity::Error, root.at, "a KLE layout is a JSON array of rows (use \"Download JSON\")");
            return picture;
        }
        std::size_t first = 0;
        if (root.items[0].kind == JsonValue::Kind::Object) {
            readMetadata(root.items[0], picture);
            first = 1;
        } else {
            m_out.add(Severity::Error, root.items[0].at,
                      "the layout has no metadata object; give the keyboard its display name in KLE's "
                      "\"Keyboard Metadata\" (\"name\")");
        }
        Cursor cursor;
        for (std::size_t r = first; r < root.items.size(); ++r) {
            const int row = static_cast<int>(r - first) + 1;
            const JsonValue& items = root.items[r];
            if (items.kind != JsonValue::Kind::Array) {
                m_out.add(Severity::Error, items.at, "row " + std::to_string(row) + ": expected an array of keys");
                continue;
            }
            readRow(items, row, cursor, picture);
            cursor.x = 0;
            cursor.y += 1;
        }
        return picture;
    }

private:
    void readMetadata(const JsonValue& meta, KlePicture& picture) {
        const JsonValue* name = meta.member("name");
        if (name == nullptr || name->kind != JsonValue::Kind::String || name->text.empty()) {
            m_out.add(Severity::Error, name ? name->at : meta.at,
                      "the metadata needs a \"name\": the keyboard's display name (KLE \"Keyboard Metadata\")");
            return;
        }
        picture.name = name->text;
        picture.nameAt = name->at;
    }

    bool number(const JsonValue& props, const char* field, double& out, const std::string& place) {
        const JsonValue* value = props.member(field);
        if (value == nullptr) return false;
        if (value->kind != JsonValue::Kind::Number) {
            m_out.add(Severity::Error, value->at, place + ": \"" + field + "\" must be a number");
            return false;
        }
        out = value->number;
        return true;
    }

    void readProperties(const JsonValue& props, Cursor& cursor, const std::string& place) {
        double value = 0;
        if (number(props, "x", value, place)) cursor.x += value;
        if (number(props, "y", value, place)) cursor.y += value;
        for (const char* size : {"w", "h"}) {
            if (!number(props, size, value, place)) continue;
            if (!(value > 0 && value <= kMaxKeySize)) {
                m_out.add(Severity::Error, props.member(size)->at,
                          place + ": \"" + size + "\" must be above 0 and at most 50 units");
                continue;
            }
            (size[0] == 'w' ? cursor.w : cursor.h) = value;
        }
        for (const char* angle : {"r", "rx", "ry"}) {
            if (number(props, angle, value, place)) cursor.rotated = value != 0;
        }
        if (const JsonValue* decal = props.member("d"))
            cursor.decal = decal->kind == JsonValue::Kind::Bool && decal->boolean;
    }

    void readRow(const JsonValue& items, int row, Cursor& cursor, KlePicture& picture) {
        int index = 0;
        for (const JsonValue& item : items.items) {
            if (item.kind == JsonValue::Kind::Object) {
                readProperties(item, cursor, where(row, index + 1));
                continue;
            }
            ++index;
            if (item.kind != JsonValue::Kind::String) {
                m_out.add(Severity::Error, item.at, where(row, index) + ": expected the key's legends as a string");
            } else {
                readKey(item, row, index, cursor, picture);
            }
            cursor.x += cursor.w;
            cursor.w = cursor.h = 1;
            cursor.decal = false;
        }
    }

    void readKey(const JsonValue& item, int row, int index, const Cursor& cursor, KlePicture& picture) {
        KleKey key;
        key.row = row;
        key.index = index;
        key.at = item.at;
        key.textArea = cursor.decal;
        key.rotated = cursor.rotated;
        key.x = cursor.x;
        key.y = cursor.y;
        key.w = cursor.w;
        key.h = cursor.h;
        int identifiers = 0;
        for (const std::string& line : splitLines(item.text)) {
            Identifier id{};
            if (key.textArea ? parseTextAreaIdentifier(line, id) : parseKeyIdentifier(line, id)) {
                ++identifiers;
                key.id = id.id;
                key.meant = id.meant;
            } else if (!line.empty()) {
                key.legends.push_back(line);
            }
        }
        // A key with no identifier line is named by its legend once all
        // keys are read (the space bar decides left and right).
        key.fromLegend = identifiers == 0 && !key.textArea;
        if (identifiers == 1 || key.fromLegend) {
            picture.keys.push_back(std::move(key));
            return;
        }
        m_out.add(Severity::Error, item.at,
                  describeKey(key) +
                      (key.textArea ? ": a decal is an instructions text and needs \"#1104\" or \"#1106\""
                                    : ": needs one \"#<hex>\" key identifier, not " + std::to_string(identifiers)));
    }

    Diagnostics& m_out;
};

}  // namespace

KlePicture readKleLayout(const JsonValue& root, Diagnostics& diagnostics) {
    KlePicture picture = LayoutReader(diagnostics).read(root);
    nameKeysByLegend(picture, diagnostics);
    return picture;
}

std::string describeKey(const KleKey& key) {
    std::string parts;
    if (!key.legends.empty()) parts = "\"" + key.legends.front() + "\"";
    if (key.id) {
        char id[16];
        std::snprintf(id, sizeof id, key.textArea ? "#%u" : "#%02X", key.id);
        parts += (parts.empty() ? "" : ", ") + std::string(id);
    }
    return where(key.row, key.index) + (parts.empty() ? "" : " (" + parts + ")");
}

}  // namespace kblmake
