#include <modes/Tarrow.h>

namespace brannic {
namespace modes {

namespace {
constexpr int kMajor = 0;
constexpr int kMinor = 4;
constexpr int kPatch = 0;
}  // namespace

std::string Tarrow::version() {
    return std::to_string(kMajor) + "." + std::to_string(kMinor) + "." + std::to_string(kPatch);
}

std::string Tarrow::build() {
    return "Jan 10 2021";
}

std::string Tarrow::about() {
    return "Mode S and 1090 MHz ADS-B decoding and tracking library of Veltmar";
}

std::string Tarrow::contact() {
    return "https://www.brannic.example/veltmar";
}

}  // namespace modes
}  // namespace brannic
