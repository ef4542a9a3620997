#ifndef ASTERIX_SRC_RADARFORMS_H
#define ASTERIX_SRC_RADARFORMS_H

// The polar and Cartesian positions of I001/040, I048/040, I001/042 and I048/042 (and of
// I010/040 and I010/042, in metres), decoded at
// the LSB of whichever of them the item is (an empty form for any other type).

#include <asterix/asterix.h>

namespace ast {

ast_polar_position_t polarPosition(const ast_dataitem_t* item);
ast_radar_cartesian_t radarCartesian(const ast_dataitem_t* item);

}  // namespace ast

#endif  // ASTERIX_SRC_RADARFORMS_H
