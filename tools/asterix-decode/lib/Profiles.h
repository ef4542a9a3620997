#ifndef ASTERIX_DECODE_PROFILES_H
#define ASTERIX_DECODE_PROFILES_H

// The profiles (UAPs) a category can be decoded with, by the names a user types.

#include <cstdint>
#include <vector>

#include <asterix/asterix.h>

namespace asterixdecode {

struct Profile {
    uint32_t category;  // 0: any category without profiles of its own
    const char* name;
    const ast_uap_t* uap;
};

// The profiles of a category, the standard one first.
std::vector<Profile> profilesOf(uint32_t category);
// The profile of that name, or nullptr.
const Profile* findProfile(uint32_t category, const char* name);
// The name of the profile that reads `category` as `uap` does; "?" when none.
const char* profileName(uint32_t category, const ast_uap_t& uap);
// Every profile entry, for the help text.
const std::vector<Profile>& allProfiles();

}  // namespace asterixdecode

#endif  // ASTERIX_DECODE_PROFILES_H
