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

const char* profileName(uint32_t category, const ast_uap_t& uap) {
    const uint32_t key = hasOwn(category) ? category : 0;
    for (const Profile& p : table())
        if (p.category == key && p.uap->get_dataitem == uap.get_dataitem)
            return p.name;
    return "?";
}

}  // namespace asterixdecode
