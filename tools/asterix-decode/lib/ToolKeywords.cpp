#include "ToolKeywords.h"

#include <asterix/asterix.h>

namespace asterixdecode {

const std::vector<ToolKeyword>& toolKeywords() {
    static const std::vector<ToolKeyword> keywords = {
        {"sacsic", AST_KEYWORD_SACSIC, true},      {"time", AST_KEYWORD_TIMESTAMP, false},
        {"type", AST_KEYWORD_TYPE, false},         {"track", AST_KEYWORD_TRACKNUM, true},
        {"squawk", AST_KEYWORD_MODE3A, true},      {"fl", AST_KEYWORD_FLIGHTLEVEL, true},
        {"callsign", AST_KEYWORD_CALLSIGN, true},  {"address", AST_KEYWORD_ICAOADDR, true},
        {"polar", AST_KEYWORD_POLARCOORD, false},  {"position", AST_KEYWORD_WGS84COORD, false},
        {"speed", AST_KEYWORD_SPEED, false},       {"heading", AST_KEYWORD_HEADING, false},
    };
    return keywords;
}

const ToolKeyword* findToolKeyword(const std::string& name) {
    for (const ToolKeyword& k : toolKeywords())
        if (name == k.name)
            return &k;
    return nullptr;
}

std::string toolKeywordNames(bool filterableOnly) {
    std::string out;
    for (const ToolKeyword& k : toolKeywords()) {
        if (filterableOnly && !k.filterable)
            continue;
        if (!out.empty())
            out += ", ";
        out += k.name;
    }
    return out;
}

}  // namespace asterixdecode
