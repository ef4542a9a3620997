#ifndef ASTERIX_SRC_FRAME_H
#define ASTERIX_SRC_FRAME_H

// Internals shared by the frame and the category units: the library log, bounded text and the
// HTML conventions, the category registry and the record getters.

#include "Html.h"
#include "Log.h"
#include "RecordGetters.h"
#include "Registry.h"
#include "Text.h"

#endif  // ASTERIX_SRC_FRAME_H
