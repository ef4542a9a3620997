#include "Options.h"

#include <cstdlib>
#include <cstring>

#include "Profiles.h"
#include "ToolKeywords.h"

namespace asterixdecode {

namespace {

// The default columns of the keyword output.
const char* const DEFAULT_KEYWORDS = "sacsic,time,type,track,squawk,callsign,address,position,fl";

bool parseUnsigned(const std::string& text, uint64_t max, uint64_t* value) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos ||
        text.size() > 18)
        return false;
    *value = std::strtoull(text.c_str(), nullptr, 10);
    return *value <= max;
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}

bool parseKeywords(const std::string& list, std::vector<uint32_t>* keywords, std::string* error) {
    keywords->clear();
    for (const std::string& name : split(list, ',')) {
        const ToolKeyword* k = findToolKeyword(name);
        if (!k) {
            *error = "unknown keyword '" + name + "' (keywords: " + toolKeywordNames(false) + ")";
            return false;
        }
        keywords->push_back(k->keyword);
    }
    return true;
}

bool parseUap(const std::string& text, DecodeOptions* decode, std::string* error) {
    const size_t eq = text.find('=');
    uint64_t category;
    if (eq == std::string::npos || !parseUnsigned(text.substr(0, eq), 255, &category)) {
        *error = "--uap wants CATEGORY=PROFILE, such as 21=2.4";
        return false;
    }
    const std::string name = text.substr(eq + 1);
    const Profile* profile = findProfile(static_cast<uint32_t>(category), name.c_str());
    if (!profile) {
        std::string names;
        for (const Profile& p : profilesOf(static_cast<uint32_t>(category)))
            names += std::string(names.empty() ? "" : ", ") + p.name;
        *error = "no profile '" + name + "' for CAT" + std::to_string(category) + " (profiles: " +
                 names + ")";
        return false;
    }
    decode->uaps[static_cast<uint32_t>(category)] = profile->uap;
    return true;
}

bool parseFilter(const std::string& text, DecodeOptions* decode, std::string* error) {
    const size_t eq = text.find('=');
    const ToolKeyword* k = eq == std::string::npos ? nullptr : findToolKeyword(text.substr(0, eq));
    if (!k || !k->filterable) {
        *error = "--filter wants KEYWORD=TEXT with one of " + toolKeywordNames(true);
        return false;
    }
    decode->filters.emplace_back(k->keyword, text.substr(eq + 1));
    return true;
}

bool parseUdp(const std::string& text, RunOptions* options, std::string* error) {
    const size_t colon = text.rfind(':');
    uint64_t port;
    const std::string portText = colon == std::string::npos ? text : text.substr(colon + 1);
    if (!parseUnsigned(portText, 65535, &port) || port == 0) {
        *error = "--udp wants PORT or GROUP:PORT, such as 8600 or 239.1.1.1:8600";
        return false;
    }
    options->udp = true;
    options->port = static_cast<uint16_t>(port);
    options->group = colon == std::string::npos ? "" : text.substr(0, colon);
    return true;
}

}  // namespace

std::string usageText() {
    std::string profiles;
    uint32_t category = ~0u;
    for (const Profile& p : allProfiles()) {
        if (p.category != category) {
            category = p.category;
            profiles += category ? "\n    CAT" + std::to_string(category) + ":" : "\n    others:";
        }
        profiles += std::string(" ") + p.name;
    }
    return "Usage: asterix-decode [OPTION]... [FILE]...\n"
           "Decodes EUROCONTROL ASTERIX data blocks from files of blocks, libpcap captures\n"
           "(UDP payloads; the format is told by the file's first octets), standard input or a\n"
           "UDP port, and writes their records.\n"
           "\n"
           "Input:\n"
           "  FILE                 a file of data blocks or a pcap capture; - is standard input\n"
           "                       (the default when neither FILE nor --udp is given)\n"
           "  --udp [GROUP:]PORT   receive datagrams on PORT, joining the multicast GROUP\n"
           "  --interface IF       interface name or address for the multicast group\n"
           "  --count N            stop after N datagrams\n"
           "  --timeout SECONDS    stop when no datagram came for SECONDS\n"
           "  --skip N             skip N octets of a recorder's header before each block\n"
           "\n"
           "Decoding:\n"
           "  --uap CAT=PROFILE    decode CAT with PROFILE (repeatable); other categories are\n"
           "                       decoded smart: the profile is guessed block by block\n"
           "  --inspect            try every profile of the category on each block, say which\n"
           "                       decode it, where the others fail and how they differ\n"
           "  profiles:" +
           profiles +
           "\n"
           "\n"
           "Output (records on standard output; failures and counts on standard error):\n"
           "  --format text        records and items with their summaries (the default)\n"
           "  --format keywords    one tab-separated line of keyword values per record\n"
           "  --format json        one JSON object per record\n"
           "  --keywords LIST      keywords of those lines, comma-separated, of:\n"
           "                       " +
           toolKeywordNames(false) +
           "\n"
           "                       (default " +
           DEFAULT_KEYWORDS +
           ")\n"
           "  --filter KW=TEXT     only records whose value matches TEXT (repeatable), for\n"
           "                       " +
           toolKeywordNames(true) +
           ":\n"
           "                       sacsic 25/201 (or a lone SAC), track in decimal, squawk in\n"
           "                       octal, fl within 1/8 FL, address in hexadecimal, callsign\n"
           "                       as a word (DLH matches DLH but not DLH65A)\n"
           "  --case-sensitive     callsign filters compare case\n"
           "  --no-counts          no counts per category at the end\n"
           "  --help               this text\n"
           "\n"
           "Exit status: 0 when every block decoded, 1 when some did not, 2 when an input could\n"
           "not be read or an option is wrong.\n";
}

ParseResult parseOptions(int argc, const char* const* argv, RunOptions* options,
                         std::string* error) {
    std::string keywordList = DEFAULT_KEYWORDS;
    bool keywordsGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](std::string* out) {
            if (i + 1 >= argc) {
                *error = arg + " needs a value";
                return false;
            }
            *out = argv[++i];
            return true;
        };
        std::string v;
        uint64_t n;
        if (arg == "--help" || arg == "-h") {
            return ParseResult::Help;
        } else if (arg == "--udp") {
            if (!value(&v) || !parseUdp(v, options, error))
                return ParseResult::Error;
        } else if (arg == "--interface") {
            if (!value(&options->interface))
                return ParseResult::Error;
        } else if (arg == "--count") {
            if (!value(&v) || !parseUnsigned(v, UINT64_MAX / 2, &n)) {
                *error = error->empty() ? "--count wants a number" : *error;
                return ParseResult::Error;
            }
            options->count = n;
        } else if (arg == "--timeout") {
            if (!value(&v))
                return ParseResult::Error;
            char* end = nullptr;
            options->timeout = std::strtod(v.c_str(), &end);
            if (end == v.c_str() || *end || options->timeout <= 0) {
                *error = "--timeout wants a number of seconds above 0";
                return ParseResult::Error;
            }
        } else if (arg == "--skip") {
            if (!value(&v) || !parseUnsigned(v, 65535, &n)) {
                *error = error->empty() ? "--skip wants a number of octets up to 65535" : *error;
                return ParseResult::Error;
            }
            options->skip = static_cast<size_t>(n);
        } else if (arg == "--uap") {
            if (!value(&v) || !parseUap(v, &options->decode, error))
                return ParseResult::Error;
        } else if (arg == "--inspect") {
            options->decode.inspect = true;
        } else if (arg == "--format") {
            if (!value(&v))
                return ParseResult::Error;
            if (v == "text")
                options->decode.format = Format::Text;
            else if (v == "keywords")
                options->decode.format = Format::Keywords;
            else if (v == "json")
                options->decode.format = Format::Json;
            else {
                *error = "--format wants text, keywords or json";
                return ParseResult::Error;
            }
        } else if (arg == "--keywords") {
            if (!value(&keywordList))
                return ParseResult::Error;
            keywordsGiven = true;
        } else if (arg == "--filter") {
            if (!value(&v) || !parseFilter(v, &options->decode, error))
                return ParseResult::Error;
        } else if (arg == "--case-sensitive") {
            options->decode.caseSensitive = true;
        } else if (arg == "--no-counts") {
            options->counts = false;
        } else if (arg.size() > 1 && arg[0] == '-') {
            *error = "unknown option " + arg + " (--help lists them)";
            return ParseResult::Error;
        } else {
            options->files.push_back(arg);
        }
    }
    // JSON lines carry every value the record has unless a list is given.
    if (options->decode.format == Format::Json && !keywordsGiven)
        keywordList = "sacsic,time,type,track,squawk,fl,callsign,address,polar,position,speed,"
                      "heading";
    if (!parseKeywords(keywordList, &options->decode.keywords, error))
        return ParseResult::Error;
    if (options->udp && !options->files.empty()) {
        *error = "--udp and files cannot be read together";
        return ParseResult::Error;
    }
    if (!options->udp && (options->count || options->timeout > 0 || !options->interface.empty())) {
        *error = "--count, --timeout and --interface go with --udp";
        return ParseResult::Error;
    }
    if (!options->interface.empty() && options->group.empty()) {
        *error = "--interface goes with a multicast group (--udp GROUP:PORT)";
        return ParseResult::Error;
    }
    return ParseResult::Run;
}

}  // namespace asterixdecode
