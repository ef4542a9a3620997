#ifndef ASTERIX_ASTERIX_EXPORT_H
#define ASTERIX_ASTERIX_EXPORT_H

/* Symbols of the asterix library are hidden unless marked with ASTERIX_EXPORT. Usable from C
 * and C++. */
#if defined(ASTERIX_BUILDING_LIBRARY)
#define ASTERIX_EXPORT __attribute__((visibility("default")))
#else
#define ASTERIX_EXPORT
#endif

#endif /* ASTERIX_ASTERIX_EXPORT_H */
