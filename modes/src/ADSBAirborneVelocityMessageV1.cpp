#include <modes/ADSBAirborneVelocityMessageV1.h>

namespace brannic {
namespace modes {

// Decoded as ADSBAirborneVelocityMessage; the destructor anchors the class's virtual table in the
// library.
ADSBAirborneVelocityMessageV1::~ADSBAirborneVelocityMessageV1() = default;

}  // namespace modes
}  // namespace brannic
