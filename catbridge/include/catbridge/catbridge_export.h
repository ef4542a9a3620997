#ifndef CATBRIDGE_CATBRIDGE_EXPORT_H
#define CATBRIDGE_CATBRIDGE_EXPORT_H

// Symbols of the catbridge library are hidden unless marked with CATBRIDGE_EXPORT.
#if defined(CATBRIDGE_BUILDING_LIBRARY)
#define CATBRIDGE_EXPORT __attribute__((visibility("default")))
#else
#define CATBRIDGE_EXPORT
#endif

#endif  // CATBRIDGE_CATBRIDGE_EXPORT_H
