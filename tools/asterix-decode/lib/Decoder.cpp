#include "Decoder.h"

#include <cstring>

#include "Profiles.h"
#include "ToolKeywords.h"

namespace asterixdecode {

namespace {

// The name of the profile a walk uses, "plot/track" when CAT001 chooses per record.
const char* walkProfile(const ast_datablock_iter_t& iter) {
    return iter.cat001_by_typ ? "plot/track" : profileName(iter.category, iter.uap);
}

// The FRN of the n-th (1-based) set bit of an FSPEC, or 0.
uint32_t nthSetFrn(const ast_fspec_t& fspec, uint64_t n) {
    for (uint32_t frn = 1; frn <= fspec.bits; ++frn)
        if (ast_fspec_is_set(&fspec, frn) && --n == 0)
            return frn;
    return 0;
}

std::string keywordName(uint32_t keyword) {
    for (const ToolKeyword& k : toolKeywords())
        if (k.keyword == keyword)
            return k.name;
    return "?";
}

// A record's item types and sizes, "I021/010:2 I021/040:1 ...".
std::string itemList(const ast_datarecord_t& record) {
    std::string out;
    for (uint64_t i = 0; i < record.count && i < AST_MAX_DATAITEMS; ++i) {
        if (!out.empty())
            out += ' ';
        out += ast_dataitem_type_to_str(record.items[i].type);
        out += ':' + std::to_string(record.items[i].size);
    }
    return out;
}

}  // namespace

std::string describeFailure(const ast_datablock_iter_t& iter, const ast_datarecord_t& failed,
                            const Position& at) {
    if (!iter.failed)
        return "the records end at octet " + std::to_string(iter.pos) + ", LEN is " +
               std::to_string(iter.length);
    if (iter.length < 3)
        return "LEN " + std::to_string(iter.length) + " is no block";
    const uint64_t recordOffset = static_cast<uint64_t>(failed.data - iter.data);
    uint64_t pos = recordOffset + failed.fspec.length;
    for (uint64_t i = 0; i < failed.count && i < AST_MAX_DATAITEMS; ++i)
        pos += failed.items[i].size;
    std::string reason;
    if (failed.fspec.length == 0) {
        reason = "its FSPEC runs past the end of the block";
        pos = recordOffset;
    } else if (!failed.fspec.ok) {
        reason = "its FSPEC announces no item";
        pos = recordOffset;
    } else if (iter.cat001_by_typ && failed.count == 0 && !ast_fspec_is_set(&failed.fspec, 2)) {
        reason = "it has no I001/020 to tell a plot from a track";
        pos = recordOffset;
    } else if (failed.count >= AST_MAX_DATAITEMS) {
        reason = "it has more than 32 items";
    } else {
        const uint32_t frn = nthSetFrn(failed.fspec, failed.count + 1);
        const ast_dataitem_type_t type =
            failed.uap.get_dataitem ? failed.uap.get_dataitem(failed.category, frn) : 0;
        if (type == 0) {
            reason = "FRN " + std::to_string(frn) + " is spare or beyond the profile";
        } else {
            const std::string item = ast_dataitem_type_to_str(type);
            if (!ast_dataitem_get_desc(type).get_size)
                reason = item + " is not supported";
            else
                reason = item + " cannot be sized within the " +
                         std::to_string(iter.length - pos) + " octets left";
        }
    }
    return "record " + std::to_string(iter.count + 1) + " fails at offset " +
           std::to_string(at.offset + pos) + ": " + reason;
}

void appendJsonEscaped(Output& out, const char* text) {
    static const char* const HEX = "0123456789abcdef";
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        const unsigned char c = *p;
        if (c == '"' || c == '\\') {
            out.append('\\');
            out.append(static_cast<char>(c));
        } else if (c < 0x20 || c >= 0x7F) {
            const char escaped[] = {'\\', 'u', '0', '0', HEX[c >> 4], HEX[c & 15]};
            out.append(escaped, sizeof escaped);
        } else {
            out.append(static_cast<char>(c));
        }
    }
}

Decoder::Decoder(const DecodeOptions& options, Output& out, Output& err)
    : _options(options), _out(out), _err(err) {}

void Decoder::damaged(const Position& at, const std::string& why) {
    ++_failures;
    _err.append(positionText(at) + ": " + why + "\n");
    _err.flushIfLarge();
}

void Decoder::inputDamaged(const std::string& what) {
    ++_failures;
    _err.append(what + "\n");
}

void Decoder::fail(const Position& at, uint32_t category, size_t size, const std::string& why) {
    ++_failures;
    ++_counts[category].failed;
    _err.printf("%s: %s block of %zu octets: %s\n", positionText(at).c_str(),
                ast_category_to_str(category), size, why.c_str());
    _err.flushIfLarge();
}

void Decoder::block(const uint8_t* data, size_t size, const Position& at) {
    if (_options.inspect)
        inspect(data, size, at);
    else
        decode(data, size, at);
    _out.flushIfLarge();
}

bool Decoder::passes(const ast_datarecord_t& record) const {
    for (const auto& filter : _options.filters)
        if (!ast_datarecord_match_keyword(&record, filter.first, filter.second.c_str(),
                                          _options.caseSensitive))
            return false;
    return true;
}

// Writes the records of one walk that pass the filters; whether the walk reached LEN.
bool Decoder::writeWalk(ast_datablock_iter_t* iter, size_t size, const Position& at,
                        uint64_t* records, uint64_t* shown) {
    const char* profile = walkProfile(*iter);
    if (_options.format == Format::Text)
        writeBlockLine(iter->category, size, profile, at);
    *records = *shown = 0;
    while (ast_datablock_iter_next(iter, &_record)) {
        ++*records;
        if (!passes(_record))
            continue;
        ++*shown;
        writeRecord(_record, *records, profile, at);
    }
    return ast_datablock_iter_ok(iter);
}

void Decoder::decode(const uint8_t* data, size_t size, const Position& at) {
    const uint32_t category = data[0];
    CategoryCount& count = _counts[category];
    ++count.blocks;
    uint64_t records = 0, shown = 0;
    const auto chosen = _options.uaps.find(category);
    if (chosen != _options.uaps.end()) {
        ast_datablock_iter_t iter = ast_datablock_iter_begin(data, size, chosen->second);
        const bool ok = writeWalk(&iter, size, at, &records, &shown);
        count.records += records;
        count.shown += shown;
        if (!ok)
            fail(at, category, size,
                 std::string("profile ") + walkProfile(iter) + ": " +
                     describeFailure(iter, _record, at));
        return;
    }
    // Smart decode. A stream's blocks of one category are mostly of one profile: the profile
    // that read the category's last block is tried first, written as it walks (and taken back
    // when it fails), which spares smart decode's trial walk over the block. Not for CAT001,
    // whose plots and tracks smart decode tells apart record by record before anything else.
    const size_t mark = _out.mark();
    Remembered& last = _remembered[category];
    if (last.known && category != 1) {
        ast_datablock_iter_t iter = ast_datablock_iter_begin(data, size, &last.uap);
        iter.cat001_by_typ = last.cat001ByTyp;
        if (writeWalk(&iter, size, at, &records, &shown)) {
            count.records += records;
            count.shown += shown;
            return;
        }
        _out.rollback(mark);
    }
    ast_datablock_iter_t iter = ast_datablock_iter_smart_begin(data, size);
    if (writeWalk(&iter, size, at, &records, &shown)) {
        last = Remembered{true, iter.uap, iter.cat001_by_typ};
        count.records += records;
        count.shown += shown;
        return;
    }
    // No profile decodes the block: its records would be those of the last one tried, which
    // means nothing. The standard profile says where the block goes wrong.
    _out.rollback(mark);
    iter = ast_datablock_iter_begin(data, size, &AST_UAP_STANDARD);
    iter.cat001_by_typ = category == 1;
    while (ast_datablock_iter_next(&iter, &_record)) {
    }
    fail(at, category, size,
         "no profile decodes it; with the standard profile " + describeFailure(iter, _record, at) +
             " (--inspect tries each profile)");
}

void Decoder::writeRecord(const ast_datarecord_t& record, uint64_t index, const char* profile,
                          const Position& at) {
    switch (_options.format) {
        case Format::Text:
            writeText(record, index);
            break;
        case Format::Keywords:
            writeKeywords(record);
            break;
        case Format::Json:
            writeJson(record, index, profile, at);
            break;
    }
}

// "I048 block at frame 3 offset 16, 52 octets, profile 1.21", the line above a block's records
// in text.
void Decoder::writeBlockLine(uint32_t category, size_t size, const char* profile,
                             const Position& at) {
    _out.append('I');
    _out.appendNumber(category, 3);
    _out.appendLiteral(" block at ");
    if (at.frame) {
        _out.appendLiteral("frame ");
        _out.appendNumber(at.frame);
        _out.append(' ');
    }
    _out.appendLiteral("offset ");
    _out.appendNumber(at.offset);
    _out.appendLiteral(", ");
    _out.appendNumber(size);
    _out.appendLiteral(" octets, profile ");
    _out.append(profile);
    _out.append('\n');
}

// As the program's ASTERIX view shows a block: each record numbered, each item with its type,
// size and summary. Each item line is written in place, the summary straight into the output.
void Decoder::writeText(const ast_datarecord_t& record, uint64_t index) {
    constexpr size_t SUMMARY_CAPACITY = 256;
    _out.appendLiteral("Data record: ");
    _out.appendNumber(index);
    _out.append('\n');
    for (uint64_t i = 0; i < record.count; ++i) {
        const ast_dataitem_t& item = record.items[i];
        const ItemTypes::Type& type = _itemTypes.of(item.type);
        // "  [I048/010][Size: 2] " and the summary with its newline.
        char* const line = _out.room(sizeof type.name + 32 + SUMMARY_CAPACITY);
        char* p = line;
        std::memcpy(p, "  [", 3);
        p += 3;
        std::memcpy(p, type.name, sizeof type.name);  // whole: one fixed copy, then cut
        p += type.length;
        std::memcpy(p, "][Size:", 7);
        p += 7;
        if (item.size < 10) {
            *p++ = ' ';
            *p++ = static_cast<char>('0' + item.size);
        } else {
            p += formatNumber(p, item.size);
        }
        *p++ = ']';
        *p++ = ' ';
        ItemTypes::writeSummary(type, p, SUMMARY_CAPACITY, item);
        p += std::strlen(p);
        *p++ = '\n';
        _out.commit(static_cast<size_t>(p - line));
    }
    _out.append('\n');
}

void Decoder::writeKeywords(const ast_datarecord_t& record) {
    if (!_headerWritten) {
        _out.append("# cat");
        for (uint32_t k : _options.keywords)
            _out.append('\t' + keywordName(k));
        _out.append('\n');
        _headerWritten = true;
    }
    char value[128];
    _out.append(ast_category_to_str(record.category));
    for (uint32_t k : _options.keywords) {
        _out.append('\t');
        ast_datarecord_get_keyword(value, sizeof value, &record, k);
        _out.append(value[0] ? value : "-");
    }
    _out.append('\n');
}

void Decoder::writeJson(const ast_datarecord_t& record, uint64_t index, const char* profile,
                        const Position& at) {
    char text[256];
    _out.append('{');
    if (at.frame) {
        _out.append("\"frame\":");
        _out.appendNumber(at.frame);
        _out.append(',');
    }
    _out.append("\"offset\":");
    _out.appendNumber(at.offset);
    _out.append(",\"cat\":");
    _out.appendNumber(record.category);
    _out.append(",\"profile\":\"");
    _out.append(profile);
    _out.append("\",\"record\":");
    _out.appendNumber(index);
    _out.append(",\"length\":");
    _out.appendNumber(record.length);
    _out.append(",\"items\":[");
    for (uint64_t i = 0; i < record.count; ++i) {
        const ast_dataitem_t& item = record.items[i];
        _out.append(i ? ",{\"id\":\"" : "{\"id\":\"");
        _out.append(ast_dataitem_type_to_str(item.type));
        _out.append("\",\"size\":");
        _out.appendNumber(item.size);
        _out.append(",\"summary\":\"");
        appendJsonEscaped(_out, ast_dataitem_get_summary(text, sizeof text, &item));
        _out.append("\"}");
    }
    _out.append("],\"values\":{");
    bool first = true;
    for (uint32_t k : _options.keywords) {
        ast_datarecord_get_keyword(text, sizeof text, &record, k);
        if (!text[0])
            continue;
        _out.append(first ? "\"" : ",\"");
        first = false;
        _out.append(keywordName(k));
        _out.append("\":\"");
        appendJsonEscaped(_out, text);
        _out.append('"');
    }
    _out.append("}}\n");
}

// Every profile of the category on one block: which decode it, where the others fail, and the
// first record on which the decoding ones disagree.
void Decoder::inspect(const uint8_t* data, size_t size, const Position& at) {
    const uint32_t category = data[0];
    ++_counts[category].blocks;
    _out.printf("%s block at %s, %zu octets:\n", ast_category_to_str(category),
                positionText(at).c_str(), size);
    struct Outcome {
        std::string name;
        bool ok = false;
        std::vector<std::string> records;  // item lists
    };
    std::vector<Outcome> outcomes;
    std::vector<Profile> profiles = profilesOf(category);
    const size_t walks = profiles.size() + (category == 1 ? 1 : 0);
    for (size_t p = 0; p < walks; ++p) {
        ast_datablock_iter_t iter =
            ast_datablock_iter_begin(data, size, p < profiles.size() ? profiles[p].uap
                                                                     : &AST_UAP_STANDARD);
        iter.cat001_by_typ = p == profiles.size();
        Outcome outcome;
        outcome.name = walkProfile(iter);
        while (ast_datablock_iter_next(&iter, &_record))
            outcome.records.push_back(itemList(_record));
        outcome.ok = ast_datablock_iter_ok(&iter);
        if (outcome.ok)
            _out.printf("  %-10s decodes %zu record%s\n", outcome.name.c_str(),
                        outcome.records.size(), outcome.records.size() == 1 ? "" : "s");
        else
            _out.printf("  %-10s fails: %s\n", outcome.name.c_str(),
                        describeFailure(iter, _record, at).c_str());
        outcomes.push_back(std::move(outcome));
    }
    const Outcome* first = nullptr;
    for (const Outcome& o : outcomes) {
        if (!o.ok)
            continue;
        if (!first) {
            first = &o;
            continue;
        }
        size_t r = 0;
        while (r < o.records.size() && r < first->records.size() &&
               o.records[r] == first->records[r])
            ++r;
        if (r == o.records.size() && r == first->records.size())
            _out.printf("  %-10s reads every item as %s does\n", o.name.c_str(),
                        first->name.c_str());
        else
            _out.printf("  %-10s differs from %s from record %zu:\n    %-8s %s\n    %-8s %s\n",
                        o.name.c_str(), first->name.c_str(), r + 1, first->name.c_str(),
                        r < first->records.size() ? first->records[r].c_str() : "(no record)",
                        o.name.c_str(), r < o.records.size() ? o.records[r].c_str() : "(no record)");
    }
    if (!first) {
        ++_failures;
        ++_counts[category].failed;
        _out.append("  no profile decodes this block\n");
    } else {
        _counts[category].records += first->records.size();
    }
    _out.append('\n');
}

void Decoder::writeCounts() {
    uint64_t blocks = 0, records = 0, shown = 0;
    for (const auto& entry : _counts) {
        const CategoryCount& c = entry.second;
        _err.printf("%s: %llu block%s, %llu record%s", ast_category_to_str(entry.first),
                    static_cast<unsigned long long>(c.blocks), c.blocks == 1 ? "" : "s",
                    static_cast<unsigned long long>(c.records), c.records == 1 ? "" : "s");
        if (c.failed)
            _err.printf(", %llu failed", static_cast<unsigned long long>(c.failed));
        _err.append('\n');
        blocks += c.blocks;
        records += c.records;
        shown += c.shown;
    }
    _err.printf("total: %llu blocks, %llu records", static_cast<unsigned long long>(blocks),
                static_cast<unsigned long long>(records));
    if (!_options.inspect)
        _err.printf(" (%llu shown)", static_cast<unsigned long long>(shown));
    _err.printf(", %llu failure%s\n", static_cast<unsigned long long>(_failures),
                _failures == 1 ? "" : "s");
    _err.flush();
}

}  // namespace asterixdecode
