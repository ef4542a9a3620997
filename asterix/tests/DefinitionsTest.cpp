// The library's size rules against the EUROCONTROL category definitions (tests/data/
// asterix-specs), UAP slot by UAP slot: the item each profile places at an FRN and how that
// item is sized (fixed length, extensible with its part size and maximum, repetitive with its
// element size, compound with each subfield's rule, explicit length). The library's rules are
// read by probing them with octets, so the comparison holds whatever function implements them.
//
// Every difference is listed below with its reason; a difference that is not listed, or a
// listed one that no longer occurs, fails the test. Further categories and editions join the
// table of definitions.

#include <algorithm>
#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "AstLogCapture.h"
#include "AstTestData.h"
#include "AsterixDefinition.h"

namespace {

using SizeRule = std::function<uint64_t(const uint8_t*, uint64_t)>;

// The rule of a sizing function, told from its answers: an explicit length octet, a
// repetition count, a chain of FX octets (and where it stops), or a fixed size.
std::string probe(const SizeRule& size) {
    std::vector<uint8_t> buffer(1400, 0);  // room for 5 elements of 256 octets
    const uint64_t available = buffer.size();
    const uint64_t zeros = size(buffer.data(), available);
    buffer[0] = 5;
    const uint64_t five = size(buffer.data(), available);
    buffer[0] = 0x01;
    const uint64_t fx = size(buffer.data(), available);
    if (zeros == 0 && five == 5)
        return "explicit";
    if (zeros == 1 && five > 1 && (five - 1) % 5 == 0)
        return "repetitive " + std::to_string((five - 1) / 5);
    if (zeros == 1 && fx == 2) {
        // k octets with FX, then one without: k + 1 octets until the chain passes the maximum.
        for (uint64_t k = 2; k < 1100; ++k) {
            std::fill(buffer.begin(), buffer.end(), 0);
            std::fill(buffer.begin(), buffer.begin() + static_cast<long>(k), 0x01);
            const uint64_t chain = size(buffer.data(), available);
            // 999 octets is the library's extensible item without a limit.
            if (chain == 0)
                return k == 999 ? "extensible, no limit"
                                : "extensible, " + std::to_string(k) + " max";
            if (chain != k + 1)
                return "own rule: " + std::to_string(k) + " FX octets give " +
                       std::to_string(chain);
        }
        return "extensible, no limit";
    }
    if (zeros > 0 && zeros == five && zeros == fx)
        return "fixed " + std::to_string(zeros);
    return "own rule: " + std::to_string(zeros) + "/" + std::to_string(five) + "/" +
           std::to_string(fx);
}

// Our rule of an item type: its descriptor's, or each subfield's for a compound item.
std::string ourRule(ast_dataitem_type_t type) {
    const ast_dataitem_desc_t desc = ast_dataitem_get_desc(type);
    if (!desc.get_size)
        return "no descriptor";
    const uint32_t subfields = ast_dataitem_subfields_get_number(type);
    if (subfields == 0)
        return probe(desc.get_size);
    // The compound item's own rule must take what its subfields announce: probe it too.
    std::string text = "compound [";
    for (uint32_t index = 1; index <= subfields; ++index) {
        const uint32_t subfield = type * 1000 + index;
        text += index > 1 ? "; " : "";
        if (!*ast_subfield_get_id(subfield)) {
            text += "-";
            continue;
        }
        text += probe([subfield](const uint8_t* data, uint64_t available) {
            return ast_subfield_get_size(data, available, subfield);
        });
    }
    return text + "]";
}

// The item number that a type stands for, as the definitions write it: alternative layouts of
// older editions (CAT021 types 21902 to 21909) under the item number they lay out.
std::string itemId(ast_dataitem_type_t type) {
    if (type == 0)
        return "-";
    const std::string text = ast_dataitem_type_to_str(type);  // "I021/040"
    const std::string item = text.substr(text.find('/') + 1);
    if (item == "REF")
        return "RE";
    if (item == "SPF")
        return "SP";
    return item;
}

struct Definition {
    uint32_t category;
    const char* file;
    const char* variation;  // "" for the category's one UAP
    const ast_uap_t* uap;
};

const Definition DEFINITIONS[] = {
    {1, "cat001/cat-1.2.ast", "track", &AST_UAP_STANDARD},
    {1, "cat001/cat-1.2.ast", "plot", &AST_UAP_CAT001_PLOT},
    {1, "cat001/cat-1.3.ast", "track", &AST_UAP_STANDARD},
    {1, "cat001/cat-1.3.ast", "plot", &AST_UAP_CAT001_PLOT},
    {1, "cat001/cat-1.4.ast", "track", &AST_UAP_STANDARD},
    {1, "cat001/cat-1.4.ast", "plot", &AST_UAP_CAT001_PLOT},
    {2, "cat002/cat-1.0.ast", "", &AST_UAP_STANDARD},
    {2, "cat002/cat-1.1.ast", "", &AST_UAP_STANDARD},
    {2, "cat002/cat-1.2.ast", "", &AST_UAP_STANDARD},
    {34, "cat034/cat-1.27.ast", "", &AST_UAP_STANDARD},
    {34, "cat034/cat-1.28.ast", "", &AST_UAP_STANDARD},
    {34, "cat034/cat-1.29.ast", "", &AST_UAP_STANDARD},
    {48, "cat048/cat-1.27.ast", "", &AST_UAP_STANDARD},
    {48, "cat048/cat-1.28.ast", "", &AST_UAP_STANDARD},
    {48, "cat048/cat-1.29.ast", "", &AST_UAP_STANDARD},
    {48, "cat048/cat-1.30.ast", "", &AST_UAP_STANDARD},
    {48, "cat048/cat-1.31.ast", "", &AST_UAP_STANDARD},
    {48, "cat048/cat-1.32.ast", "", &AST_UAP_STANDARD},
    {21, "cat021/cat-0.23.ast", "", &AST_UAP_CAT021_VER023},
    {21, "cat021/cat-0.24.ast", "", &AST_UAP_CAT021_VER026},
    {21, "cat021/cat-0.25.ast", "", &AST_UAP_CAT021_VER026},
    {21, "cat021/cat-0.26.ast", "", &AST_UAP_CAT021_VER026},
    {21, "cat021/cat-2.1.ast", "", &AST_UAP_CAT021_VER21},
    {21, "cat021/cat-2.2.ast", "", &AST_UAP_CAT021_VER24},
    {21, "cat021/cat-2.3.ast", "", &AST_UAP_CAT021_VER24},
    {21, "cat021/cat-2.4.ast", "", &AST_UAP_CAT021_VER24},
    {21, "cat021/cat-2.5.ast", "", &AST_UAP_CAT021_VER24},
    {21, "cat021/cat-2.6.ast", "", &AST_UAP_CAT021_VER24},
    {21, "cat021/cat-2.7.ast", "", &AST_UAP_CAT021_VER24},
    {62, "cat062/cat-1.16.ast", "", &AST_UAP_STANDARD},
    {62, "cat062/cat-1.17.ast", "", &AST_UAP_STANDARD},
    {62, "cat062/cat-1.18.ast", "", &AST_UAP_STANDARD},
    {62, "cat062/cat-1.19.ast", "", &AST_UAP_STANDARD},
    {62, "cat062/cat-1.20.ast", "", &AST_UAP_STANDARD},
    {62, "cat062/cat-1.21.ast", "", &AST_UAP_STANDARD},
    {65, "cat065/cat-1.4.ast", "", &AST_UAP_STANDARD},
    {65, "cat065/cat-1.5.ast", "", &AST_UAP_STANDARD},
    {65, "cat065/cat-1.6.ast", "", &AST_UAP_STANDARD},
    {240, "cat240/cat-1.3.ast", "", &AST_UAP_STANDARD},
    {4, "cat004/cat-1.12.ast", "", &AST_UAP_STANDARD},
    {4, "cat004/cat-1.13.ast", "", &AST_UAP_STANDARD},
    {8, "cat008/cat-1.2.ast", "", &AST_UAP_STANDARD},
    {8, "cat008/cat-1.3.ast", "", &AST_UAP_STANDARD},
    {10, "cat010/cat-1.1.ast", "", &AST_UAP_STANDARD},
    {19, "cat019/cat-1.3.ast", "", &AST_UAP_STANDARD},
    {20, "cat020/cat-1.9.ast", "", &AST_UAP_STANDARD},
    {20, "cat020/cat-1.10.ast", "", &AST_UAP_STANDARD},
    {20, "cat020/cat-1.11.ast", "", &AST_UAP_STANDARD},
    {23, "cat023/cat-1.2.ast", "", &AST_UAP_STANDARD},
    {23, "cat023/cat-1.3.ast", "", &AST_UAP_STANDARD},
};

// A difference between a definition and the library, and why it stands: for the definitions of
// `category` in `files` (all of them when empty) and the UAP `variation`, at `frn`.
struct Difference {
    uint32_t category;
    std::vector<std::string> files;
    const char* variation;
    uint32_t frn;
    const char* ours;
    const char* theirs;
    const char* reason;
};

const Difference DIFFERENCES[] = {
#include "DefinitionDifferences.inc"
};

std::string key(const std::string& file, const std::string& variation, uint32_t frn) {
    return file + "/" + variation + " FRN " + std::to_string(frn);
}

}  // namespace

TEST(Definitions, SizeRulesAndUapsAgreeOrTheDifferenceIsNamed) {
    auto concerns = [](const Difference& d, const Definition& def) {
        return d.category == def.category && d.variation == std::string(def.variation) &&
               (d.files.empty() ||
                std::find(d.files.begin(), d.files.end(), def.file) != d.files.end());
    };
    std::set<std::string> listed;
    for (const Difference& d : DIFFERENCES)
        for (const Definition& def : DEFINITIONS)
            if (concerns(d, def))
                listed.insert(key(def.file, def.variation, d.frn));
    std::set<std::string> found;
    size_t compared = 0;
    for (const Definition& def : DEFINITIONS) {
        const Bytes text = readFile(std::string("asterix-specs/") + def.file);
        const definition::Category category =
            definition::parseCategory(std::string(text.begin(), text.end()));
        ASSERT_TRUE(category.ok) << def.file;
        const auto uap = category.uaps.find(def.variation);
        ASSERT_NE(uap, category.uaps.end()) << def.file << " " << def.variation;
        AstLogCapture log;  // unknown items and FRNs beyond a profile are said in the log
        // CAT240 has a table but no FRN count: its table is read as far as the definition goes.
        const uint32_t maxFrn = ast_uap_get_max_frn(def.uap, def.category);
        const uint32_t ourFrns = maxFrn ? maxFrn : static_cast<uint32_t>(uap->second.size());
        const size_t frns = std::max<size_t>(ourFrns, uap->second.size());
        for (uint32_t frn = 1; frn <= frns; ++frn) {
            const std::string theirItem = frn <= uap->second.size() ? uap->second[frn - 1] : "none";
            const ast_dataitem_type_t type =
                frn <= ourFrns ? ast_uap_get_dataitem(def.uap, def.category, frn) : 0;
            const std::string ourItem = frn <= ourFrns ? itemId(type) : "none";
            std::string theirs = theirItem, ours = ourItem;
            if (theirItem != "-" && theirItem != "none") {
                const auto rule = category.rules.find(theirItem);
                theirs += " " + (rule == category.rules.end() ? std::string("(no layout)")
                                                              : rule->second);
            }
            if (type != 0)
                ours += " " + ourRule(type);
            ++compared;
            if (ours == theirs)
                continue;
            const std::string where = key(def.file, def.variation, frn);
            found.insert(where);
            bool named = false;
            for (const Difference& d : DIFFERENCES)
                if (concerns(d, def) && d.frn == frn && ours == d.ours && theirs == d.theirs)
                    named = true;
            EXPECT_TRUE(named) << where << ": ours \"" << ours << "\", definition \"" << theirs
                               << "\"";
        }
    }
    for (const std::string& where : listed)
        EXPECT_TRUE(found.count(where)) << where << " is listed as a difference but agrees now";
    EXPECT_GT(compared, 300u);
}
