#include "AsterixDefinition.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace astdef {

namespace {

struct Line {
    unsigned indent = 0;
    std::string text;
};

std::vector<Line> readLines(const std::string& path) {
    std::vector<Line> lines;
    std::ifstream in(path);
    std::string raw;
    while (std::getline(in, raw)) {
        const auto first = raw.find_first_not_of(' ');
        if (first == std::string::npos)
            continue;
        auto last = raw.find_last_not_of(" \r");
        lines.push_back({static_cast<unsigned>(first), raw.substr(first, last - first + 1)});
    }
    return lines;
}

std::string firstWord(const std::string& text) {
    return text.substr(0, text.find(' '));
}

std::string afterFirstWord(const std::string& text) {
    const auto space = text.find(' ');
    return space == std::string::npos ? std::string() : text.substr(space + 1);
}

// "7", "2^7": a power of two or a plain number.
double number(const std::string& text) {
    const auto caret = text.find('^');
    if (caret == std::string::npos)
        return std::strtod(text.c_str(), nullptr);
    return std::pow(std::strtod(text.substr(0, caret).c_str(), nullptr),
                    std::strtod(text.substr(caret + 1).c_str(), nullptr));
}

// "180/2^25", "25/2^2", "1", "1/100".
double lsbOf(const std::string& text) {
    const auto slash = text.find('/');
    if (slash == std::string::npos)
        return number(text);
    return number(text.substr(0, slash)) / number(text.substr(slash + 1));
}

// The content line of an element: raw, table, string icao/octal, signed/unsigned quantity.
void readContent(const std::string& text, DefinitionField& field) {
    std::istringstream words(text);
    std::string first, second, third;
    words >> first >> second >> third;
    if (first == "string") {
        field.kind = second;
    } else if ((first == "signed" || first == "unsigned") && second == "quantity") {
        field.kind = "quantity";
        field.isSigned = first == "signed";
        field.lsb = lsbOf(third);
    } else if (first == "table") {
        field.kind = "table";
    } else {
        field.kind = "raw";
    }
}

// The fields below a group or extended line, children at `indent`; "-" ends an octet group.
std::size_t readFields(const std::vector<Line>& lines, std::size_t i, unsigned indent,
                       std::vector<std::vector<DefinitionField>>& parts) {
    if (parts.empty())
        parts.emplace_back();
    while (i < lines.size() && lines[i].indent >= indent) {
        const Line& line = lines[i];
        if (line.indent > indent) {
            ++i;
            continue;
        }
        const std::string word = firstWord(line.text);
        if (word == "-") {
            parts.emplace_back();
            ++i;
        } else if (word == "spare") {
            DefinitionField spare;
            spare.name = "spare";
            spare.spare = true;
            spare.bits = static_cast<unsigned>(std::atoi(afterFirstWord(line.text).c_str()));
            parts.back().push_back(spare);
            ++i;
        } else {
            // A named subitem: its structure one level deeper.
            DefinitionField field;
            field.name = word;
            ++i;
            while (i < lines.size() && lines[i].indent > indent) {
                const Line& inner = lines[i];
                if (inner.indent == indent + 4 && firstWord(inner.text) == "element") {
                    field.bits =
                        static_cast<unsigned>(std::atoi(afterFirstWord(inner.text).c_str()));
                    if (i + 1 < lines.size() && lines[i + 1].indent == indent + 8)
                        readContent(lines[i + 1].text, field);
                    parts.back().push_back(field);
                } else if (inner.indent == indent + 4 && inner.text == "group") {
                    i = readFields(lines, i + 1, indent + 8, parts);
                    continue;
                }
                ++i;
            }
        }
    }
    if (parts.back().empty() && parts.size() > 1)
        parts.pop_back();
    return i;
}

// Unsigned bits [first, first + count) of `data`, bit 0 being the top bit of the first octet.
uint64_t bitsAt(const std::string& data, std::size_t first, unsigned count) {
    uint64_t value = 0;
    for (unsigned k = 0; k < count; ++k) {
        const std::size_t bit = first + k;
        const auto octet = static_cast<unsigned char>(data[bit / 8]);
        value = value << 1 | ((octet >> (7 - bit % 8)) & 1u);
    }
    return value;
}

char icaoCharacter(unsigned code) {
    if (code >= 1 && code <= 26)
        return static_cast<char>('A' + code - 1);
    if (code == 32)
        return ' ';
    if (code >= 48 && code <= 57)
        return static_cast<char>(code);
    return '?';
}

void decodeField(const DefinitionField& f, const std::string& data, std::size_t bit,
                 DecodedItem& item) {
    const uint64_t raw = bitsAt(data, bit, f.bits);
    if (f.spare) {
        item.spareBits.push_back(raw);
        return;
    }
    DecodedField out;
    out.bits = raw;
    out.raw = static_cast<int64_t>(raw);
    if (f.isSigned && f.bits < 64 && (raw >> (f.bits - 1)) != 0)
        out.raw -= static_cast<int64_t>(1) << f.bits;
    out.value = static_cast<double>(out.raw) * f.lsb;
    if (f.kind == "icao") {
        for (unsigned c = 0; c < f.bits / 6; ++c)
            out.text += icaoCharacter(static_cast<unsigned>(bitsAt(data, bit + 6 * c, 6)));
    } else if (f.kind == "octal") {
        for (unsigned c = 0; c < f.bits / 3; ++c)
            out.text += static_cast<char>('0' + bitsAt(data, bit + 3 * c, 3));
    }
    item.fields[f.name] = out;
}

unsigned bitsOf(const std::vector<DefinitionField>& fields) {
    unsigned bits = 0;
    for (const DefinitionField& f : fields)
        bits += f.bits;
    return bits;
}

}  // namespace

AsterixDefinition readAsterixDefinition(const std::string& path) {
    AsterixDefinition definition;
    const std::vector<Line> lines = readLines(path);
    std::string section;
    for (std::size_t i = 0; i < lines.size();) {
        const Line& line = lines[i];
        if (line.indent == 0) {
            section = firstWord(line.text);
            if (section == "asterix")
                definition.category = firstWord(afterFirstWord(line.text));
            else if (section == "edition")
                definition.edition = afterFirstWord(line.text);
            ++i;
        } else if (section == "uap" && line.indent == 4) {
            definition.uap.push_back(line.text);
            ++i;
        } else if (section == "items" && line.indent == 4) {
            DefinitionItem item;
            item.id = firstWord(line.text);
            item.title = afterFirstWord(line.text);
            ++i;
            while (i < lines.size() && lines[i].indent > 4) {
                const Line& inner = lines[i];
                const std::string word = firstWord(inner.text);
                if (inner.indent != 8 || word == "definition" || word == "remark") {
                    ++i;
                    continue;
                }
                item.form = word;
                if (word == "element") {
                    DefinitionField field;
                    field.name = "VALUE";
                    field.bits =
                        static_cast<unsigned>(std::atoi(afterFirstWord(inner.text).c_str()));
                    if (i + 1 < lines.size() && lines[i + 1].indent == 12)
                        readContent(lines[i + 1].text, field);
                    item.parts.push_back({field});
                    ++i;
                } else if (word == "group" || word == "extended") {
                    i = readFields(lines, i + 1, 12, item.parts);
                } else {
                    ++i;
                }
            }
            definition.items[item.id] = item;
        } else {
            ++i;
        }
    }
    definition.ok = !definition.uap.empty() && !definition.items.empty();
    return definition;
}

const DecodedItem* DecodedRecord::item(const std::string& id) const {
    for (const DecodedItem& i : items) {
        if (i.id == id)
            return &i;
    }
    return nullptr;
}

DecodedRecord decodeWithDefinition(const AsterixDefinition& definition, const std::string& data) {
    DecodedRecord record;
    std::size_t at = 0;
    std::vector<std::string> announced;
    for (bool more = true; more; ++at) {
        if (at >= data.size()) {
            record.error = "FSPEC runs past the data";
            return record;
        }
        const auto octet = static_cast<unsigned char>(data[at]);
        for (unsigned bit = 0; bit < 7; ++bit) {
            if ((octet >> (7 - bit)) & 1u) {
                const std::size_t frn = at * 7 + bit + 1;
                if (frn > definition.uap.size() || definition.uap[frn - 1] == "-") {
                    record.error = "FRN " + std::to_string(frn) + " is not in the UAP";
                    return record;
                }
                announced.push_back(definition.uap[frn - 1]);
            }
        }
        more = (octet & 1u) != 0;
    }
    for (const std::string& id : announced) {
        const auto found = definition.items.find(id);
        if (found == definition.items.end()) {
            record.error = "item " + id + " is not defined";
            return record;
        }
        const DefinitionItem& def = found->second;
        DecodedItem item;
        item.id = id;
        const std::size_t start = at;
        if (def.form == "element" || def.form == "group") {
            const unsigned bits = bitsOf(def.parts.front());
            if (bits % 8 != 0 || at + bits / 8 > data.size()) {
                record.error = "item " + id + " does not fit";
                return record;
            }
            std::size_t bit = at * 8;
            for (const DefinitionField& f : def.parts.front()) {
                decodeField(f, data, bit, item);
                bit += f.bits;
            }
            at += bits / 8;
        } else if (def.form == "extended") {
            bool extend = true;
            for (std::size_t p = 0; extend && p < def.parts.size(); ++p) {
                const unsigned bits = bitsOf(def.parts[p]) + 1;
                if (bits % 8 != 0 || at + bits / 8 > data.size()) {
                    record.error = "item " + id + " does not fit";
                    return record;
                }
                std::size_t bit = at * 8;
                for (const DefinitionField& f : def.parts[p]) {
                    decodeField(f, data, bit, item);
                    bit += f.bits;
                }
                extend = bitsAt(data, bit, 1) != 0;
                at += bits / 8;
            }
            if (extend) {
                record.error = "item " + id + " extends beyond its last octet group";
                return record;
            }
        } else {
            record.error = "item " + id + " is " + def.form + ", not decoded here";
            return record;
        }
        item.size = static_cast<unsigned>(at - start);
        record.items.push_back(item);
    }
    record.ok = true;
    record.length = at;
    return record;
}

}  // namespace astdef
