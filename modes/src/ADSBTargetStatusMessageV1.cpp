#include <modes/ADSBTargetStatusMessageV1.h>

namespace brannic {
namespace modes {

// Decoded as ADSBTargetStatusMessage; the destructor anchors the class's virtual table in the
// library.
ADSBTargetStatusMessageV1::~ADSBTargetStatusMessageV1() = default;

}  // namespace modes
}  // namespace brannic
