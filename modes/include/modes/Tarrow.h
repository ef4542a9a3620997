#ifndef MODES_TARROW_H
#define MODES_TARROW_H

#include <string>

#include <modes/modes_export.h>

namespace brannic {
namespace modes {

// Version and build information of the modes library.
class MODES_EXPORT Tarrow {
public:
    static std::string version();  // "0.4.0"
    static std::string build();    // "Jan 10 2021"
    static std::string about();
    static std::string contact();

private:
    Tarrow() = delete;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_TARROW_H
