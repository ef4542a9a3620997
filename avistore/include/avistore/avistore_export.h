#ifndef AVISTORE_AVISTORE_EXPORT_H
#define AVISTORE_AVISTORE_EXPORT_H

// Symbols of the avistore library are hidden unless marked with AVISTORE_EXPORT.
#if defined(AVISTORE_BUILDING_LIBRARY)
#define AVISTORE_EXPORT __attribute__((visibility("default")))
#else
#define AVISTORE_EXPORT
#endif

#endif  // AVISTORE_AVISTORE_EXPORT_H
