/* The asterix library: EUROCONTROL ASTERIX data blocks, records and items.
 *
 * A flat C interface: plain structures and functions with the prefix ast_, no heap. Results
 * are fixed-capacity structures returned by value whose pointers point into the caller's
 * buffers, which must outlive them. */
#ifndef ASTERIX_ASTERIX_H
#define ASTERIX_ASTERIX_H

#ifdef __cplusplus
extern "C" {
#endif

/* A country as the detail views show it (for example the country of an ICAO 24-bit address
 * block). valid is 1 when the other members are filled, else 0. The texts are NUL-terminated
 * Latin-1 and owned by whoever filled the record. */
typedef struct ast_country {
    int valid;
    const char* iso_code_2;
    const char* iso_code_3;
    const char* name;
    const char* full_name;
} ast_country_t;

#ifdef __cplusplus
}
#endif

#endif /* ASTERIX_ASTERIX_H */
