#include "Profiles.h"

#include <cstring>

namespace asterixdecode {

namespace {

// The profiles of the library: the standard UAP of every category, and the editions and
// manufacturers' variants of CAT001, CAT002 and CAT021.
const std::vector<Profile>& table() {
    static const std::vector<Profile> profiles = {
        {0, "standard", &AST_UAP_STANDARD},
        {1, "standard", &AST_UAP_STANDARD},  // tracks
        {1, "plot", &AST_UAP_CAT001_PLOT},
        {1, "raytheon", &AST_UAP_RAYTHEON},
        {2, "standard", &AST_UAP_STANDARD},
        {2, "raytheon", &AST_UAP_RAYTHEON},
        {21, "0.23", &AST_UAP_CAT021_VER023},
        {21, "0.26", &AST_UAP_CAT021_VER026},
        {21, "2.1", &AST_UAP_CAT021_VER21},
        {21, "2.4", &AST_UAP_CAT021_VER24},
        {21, "thales", &AST_UAP_THALES},
    };
    return profiles;
}

bool hasOwn(uint32_t category) {
    for (const Profile& p : table())
        if (p.category == category)
            return true;
    return false;
}

}  // namespace

const std::vector<Profile>& allProfiles() {
    return table();
}

std::vector<Profile> profilesOf(uint32_t category) {
    const uint32_t key = hasOwn(category) ? category : 0;
    std::vector<Profile> out;
    for (const Profile& p : table())
        if (p.category == key)
            out.push_back(Profile{category, p.name, p.uap});
    return out;
}

const Profile* findProfile(uint32_t category, const char* name) {
    const uint32_t key = hasOwn(category) ? category : 0;
    for (const Profile& p : table())
        if (p.category == key && std::strcmp(p.name, name) == 0)
            return &p;
    return nullptr;
}

// Whether two UAPs read a category alike: the same FRN count and the same item at every FRN.
// (Smart decode may read a CAT048 block with a CAT021 edition's UAP, which reads CAT048 as the
// standard one does.)
static bool sameTable(uint32_t category, const ast_uap_t& a, const ast_uap_t& b) {
    const uint32_t n = ast_uap_get_max_frn(&a, category);
    if (n != ast_uap_get_max_frn(&b, category))
        return false;
    for (uint32_t frn = 1; frn <= n; ++frn)
        if (ast_uap_get_dataitem(&a, category, frn) != ast_uap_get_dataitem(&b, category, frn))
            return false;
    return true;
}

const char* profileName(uint32_t category, const ast_uap_t& uap) {
    const uint32_t key = hasOwn(category) ? category : 0;
    for (const Profile& p : table())
        if (p.category == key && p.uap->get_dataitem == uap.get_dataitem)
            return p.name;
    // The last answer, since a stream of one kind asks the same question block after block.
    static uint32_t lastCategory = ~0u;
    static ast_uap_t lastUap = {nullptr, nullptr};
    static const char* lastName = "?";
    if (category == lastCategory && uap.get_dataitem == lastUap.get_dataitem &&
        uap.max_frn == lastUap.max_frn)
        return lastName;
    const char* name = "?";
    for (const Profile& p : table())
        if (p.category == key && sameTable(category, *p.uap, uap)) {
            name = p.name;
            break;
        }
    lastCategory = category;
    lastUap = uap;
    lastName = name;
    return name;
}

}  // namespace asterixdecode
