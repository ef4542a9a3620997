#ifndef MODES_SRC_BYTECOPY_H
#define MODES_SRC_BYTECOPY_H

// Copying reply bytes into the std::string members that keep them.
//
// Every reply of a kind has the same length, so a string that is used again already holds that
// many bytes: they are then written over in place, without the library's general assignment
// (a call that checks for overlap and capacity on every reply).

#include <cstddef>
#include <cstring>
#include <string>

namespace brannic {
namespace modes {
namespace bytecopy {

// `to` becomes the `count` bytes at `from`, which may be its own.
inline void assign(std::string& to, const char* from, std::size_t count) {
    if (to.size() == count && count != 0) {
        if (from != to.data())
            std::memcpy(&to[0], from, count);
    } else if (to.empty()) {
        to.append(from, count);  // a new string: the library's shortest way in
    } else {
        to.assign(from, count);
    }
}

inline void assign(std::string& to, const unsigned char* from, std::size_t count) {
    assign(to, reinterpret_cast<const char*>(from), count);
}

}  // namespace bytecopy
}  // namespace modes
}  // namespace brannic

#endif  // MODES_SRC_BYTECOPY_H
