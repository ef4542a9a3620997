#ifndef MODES_MODES_EXPORT_H
#define MODES_MODES_EXPORT_H

// Symbols of the modes library are hidden unless marked with MODES_EXPORT.
#if defined(MODES_BUILDING_LIBRARY)
#define MODES_EXPORT __attribute__((visibility("default")))
#else
#define MODES_EXPORT
#endif

#endif  // MODES_MODES_EXPORT_H
