#include <modes/ADSBAirborneVelocityMessageV2.h>

namespace brannic {
namespace modes {

// Decoded as ADSBAirborneVelocityMessage; the destructor anchors the class's virtual table in the
// library.
ADSBAirborneVelocityMessageV2::~ADSBAirborneVelocityMessageV2() = default;

}  // namespace modes
}  // namespace brannic
