#ifndef ASTERIX_DECODE_DECODER_H
#define ASTERIX_DECODE_DECODER_H

// The decoding of each block: the records one by one with the chosen profile or the one smart
// decode picks, the records that pass the filters written as text, keyword lines or JSON
// lines, failures reported with their place and reason, counts per category; or, for
// --inspect, every profile of the category tried on the block and compared.

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <asterix/asterix.h>

#include "Framing.h"
#include "ItemTypes.h"
#include "Output.h"

namespace asterixdecode {

enum class Format { Text, Keywords, Json };

struct DecodeOptions {
    Format format = Format::Text;
    // ast_keyword values of the keyword and JSON outputs, in the order to show them.
    std::vector<uint32_t> keywords;
    // ast_keyword and text: a record is shown when every one matches.
    std::vector<std::pair<uint32_t, std::string>> filters;
    bool caseSensitive = false;
    // Categories decoded with a chosen profile; the others are decoded smart.
    std::map<uint32_t, const ast_uap_t*> uaps;
    bool inspect = false;
};

struct CategoryCount {
    uint64_t blocks = 0;
    uint64_t records = 0;  // decoded
    uint64_t shown = 0;    // passed the filters
    uint64_t failed = 0;   // blocks that did not decode completely
};

class Decoder : public BlockHandler {
public:
    // Records go to `out`, failures and the closing counts to `err`.
    Decoder(const DecodeOptions& options, Output& out, Output& err);
    void block(const uint8_t* data, size_t size, const Position& at) override;
    void damaged(const Position& at, const std::string& why) override;
    // An input that ends in a way that is no block (a capture file cut short): counted as a
    // failure and written to err.
    void inputDamaged(const std::string& what);
    // The counts per category and in total, written to err.
    void writeCounts();
    const std::map<uint32_t, CategoryCount>& counts() const { return _counts; }
    uint64_t failures() const { return _failures; }

private:
    void decode(const uint8_t* data, size_t size, const Position& at);
    bool writeWalk(ast_datablock_iter_t* iter, size_t size, const Position& at,
                   uint64_t* records, uint64_t* shown);
    void inspect(const uint8_t* data, size_t size, const Position& at);
    bool passes(const ast_datarecord_t& record) const;
    void writeRecord(const ast_datarecord_t& record, uint64_t index, const char* profile,
                     const Position& at);
    void writeBlockLine(uint32_t category, size_t size, const char* profile, const Position& at);
    void writeText(const ast_datarecord_t& record, uint64_t index);
    void writeKeywords(const ast_datarecord_t& record);
    void writeJson(const ast_datarecord_t& record, uint64_t index, const char* profile,
                   const Position& at);
    void fail(const Position& at, uint32_t category, size_t size, const std::string& why);

    DecodeOptions _options;
    Output& _out;
    Output& _err;
    std::map<uint32_t, CategoryCount> _counts;
    uint64_t _failures = 0;
    bool _headerWritten = false;
    ast_datarecord_t _record;  // the record being walked (large: kept, not rebuilt)
    // The profile that decoded each category's last block in smart decode.
    struct Remembered {
        bool known = false;
        ast_uap_t uap{};
        uint8_t cat001ByTyp = 0;
    };
    Remembered _remembered[256];
    ItemTypes _itemTypes;
};

// Why a walk stopped short of LEN, pointing at the octet (as an offset in the same frame of
// reference as `at`): "record 2 fails at offset 57: I048/210 is not supported".
std::string describeFailure(const ast_datablock_iter_t& iter, const ast_datarecord_t& failed,
                            const Position& at);

// JSON string contents: quotes, backslashes and control characters escaped, octets above 127
// (Latin-1 texts) as \u00XX.
void appendJsonEscaped(Output& out, const char* text);

}  // namespace asterixdecode

#endif  // ASTERIX_DECODE_DECODER_H
