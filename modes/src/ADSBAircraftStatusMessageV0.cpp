#include <modes/ADSBAircraftStatusMessageV0.h>

namespace brannic {
namespace modes {

// Decoded as ADSBAircraftStatusMessage; the destructor anchors the class's virtual table in the
// library.
ADSBAircraftStatusMessageV0::~ADSBAircraftStatusMessageV0() = default;

}  // namespace modes
}  // namespace brannic
