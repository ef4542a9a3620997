#ifndef ASTERIX_DECODE_TOOLKEYWORDS_H
#define ASTERIX_DECODE_TOOLKEYWORDS_H

// The keywords of the command line (sacsic, time, track, ...) and the library's keywords.

#include <cstdint>
#include <string>
#include <vector>

namespace asterixdecode {

struct ToolKeyword {
    const char* name;   // as typed: "sacsic"
    uint32_t keyword;   // ast_keyword
    bool filterable;    // the library has a match rule for it
};

const std::vector<ToolKeyword>& toolKeywords();
// The keyword of that name, or nullptr.
const ToolKeyword* findToolKeyword(const std::string& name);
// "sacsic, time, ..." for messages.
std::string toolKeywordNames(bool filterableOnly);

}  // namespace asterixdecode

#endif  // ASTERIX_DECODE_TOOLKEYWORDS_H
