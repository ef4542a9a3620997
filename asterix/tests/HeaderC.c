/* The public header compiled as C: every structure and declaration must be valid C. */
#include <asterix/asterix.h>

int asterix_header_c_check(void);

int asterix_header_c_check(void) {
    ast_datablock_t* block = 0;
    ast_uap_t uap = AST_UAP_STANDARD;
    ast_dataitem_value_t value = {21010, 0};
    (void)block;
    (void)value;
    return uap.max_frn != 0 && AST_MAX_DATARECORDS == 64 && AST_MAX_DATAITEMS == 32 ? 1 : 0;
}
