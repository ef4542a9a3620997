#ifndef REPORTCODEC_REPORTCODEC_EXPORT_H
#define REPORTCODEC_REPORTCODEC_EXPORT_H

// Symbols of the reportcodec library are hidden unless marked with REPORTCODEC_EXPORT.
#if defined(REPORTCODEC_BUILDING_LIBRARY)
#define REPORTCODEC_EXPORT __attribute__((visibility("default")))
#else
#define REPORTCODEC_EXPORT
#endif

#endif  // REPORTCODEC_REPORTCODEC_EXPORT_H
