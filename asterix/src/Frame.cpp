// Library information, the log, bounded text, HTML conventions and the category registry.

#include "Frame.h"

#include <cstdio>
#include <cstring>

namespace {

ast_log_handler_t g_handler = nullptr;

char g_versionText[16];
char g_categoryText[16];
char g_typeText[32];

constexpr int VERSION_MAJOR = 1;
constexpr int VERSION_MINOR = 7;
constexpr int VERSION_PATCH = 0;

// Alternating row parity of detail tables, process-wide as the detail views expect.
bool g_evenRow = false;

// Every category unit, indexed by category number once on first use.
const ast::CategoryUnit* const UNITS[] = {
    &ast::CAT001_UNIT, &ast::CAT002_UNIT, &ast::CAT004_UNIT, &ast::CAT008_UNIT, &ast::CAT010_UNIT,
    &ast::CAT019_UNIT, &ast::CAT020_UNIT, &ast::CAT021_UNIT, &ast::CAT023_UNIT, &ast::CAT034_UNIT,
    &ast::CAT048_UNIT, &ast::CAT062_UNIT, &ast::CAT065_UNIT, &ast::CAT240_UNIT,
};

// Direct look-up of categories and of item numbers within each category, built once from
// the units' sorted tables (static storage, no heap): item decoding is the inner loop of every
// record, and a direct index beats a search there.
struct UnitIndex {
    static constexpr size_t UNIT_COUNT = sizeof UNITS / sizeof UNITS[0];
    const ast::CategoryUnit* byCategory[256] = {};
    uint8_t slot[256] = {};  // 1-based position in UNITS, 0 for none
    const ast::ItemEntry* items[UNIT_COUNT][1000] = {};
    UnitIndex() {
        for (size_t u = 0; u < UNIT_COUNT; ++u) {
            const ast::CategoryUnit* unit = UNITS[u];
            byCategory[unit->category] = unit;
            slot[unit->category] = static_cast<uint8_t>(u + 1);
            for (uint32_t i = 0; i < unit->itemCount; ++i)
                if (unit->items[i].item < 1000)
                    items[u][unit->items[i].item] = &unit->items[i];
        }
    }
};

const UnitIndex& unitIndex() {
    static const UnitIndex index;
    return index;
}

}  // namespace

namespace ast {

// ---- log ---------------------------------------------------------------------------------

bool logEnabled() {
    return g_handler != nullptr;
}

void log(int level, const char* format, ...) {
    ast_log_handler_t handler = g_handler;
    if (!handler)
        return;
    char message[AST_MAX_LOG_MESSAGE + 1];
    va_list args;
    va_start(args, format);
    std::vsnprintf(message, sizeof message, format, args);
    va_end(args);
    handler(level, message);
}

void logDump(const uint8_t* data, uint64_t size) {
    if (!g_handler)
        return;
    log(AST_LOG_DEBUG, "Binary data size: %d", static_cast<int>(size));
    for (uint64_t start = 0; start < size; start += 16) {
        char line[16 * 6 + 1];
        Text text(line, sizeof line);
        for (uint64_t i = start; i < size && i < start + 16; ++i)
            text.printf("0x%.2X, ", data[i]);
        text.chop(2);
        log(AST_LOG_DEBUG, "%s", line);
    }
}

// ---- bounded text ------------------------------------------------------------------------

void Text::append(const char* text) {
    if (!_capacity || !text)
        return;
    while (*text && _length + 1 < _capacity)
        _buffer[_length++] = *text++;
    _buffer[_length] = '\0';
}

void Text::vprintf(const char* format, va_list args) {
    if (!_capacity)
        return;
    const size_t room = _capacity - _length;
    const int written = std::vsnprintf(_buffer + _length, room, format, args);
    if (written > 0)
        _length += static_cast<size_t>(written) < room ? static_cast<size_t>(written) : room - 1;
}

void Text::printf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    vprintf(format, args);
    va_end(args);
}

void Text::chop(size_t count) {
    if (!_capacity)
        return;
    _length = count < _length ? _length - count : 0;
    _buffer[_length] = '\0';
}

void Text::advanceOver() {
    if (!_capacity)
        return;
    _length += std::strlen(_buffer + _length);
}

// ---- HTML ----------------------------------------------------------------------------------

namespace html {

const char* const END_OF_ROW = "AST_HTML_TABLE_END_OF_ROW";

void paragraph(Text& out, const char* format, ...) {
    out.append("<p>");
    va_list args;
    va_start(args, format);
    out.vprintf(format, args);
    va_end(args);
    out.append("</p>");
}

void heading(Text& out, const char* format, ...) {
    out.append("<h4>");
    va_list args;
    va_start(args, format);
    out.vprintf(format, args);
    va_end(args);
    out.append("</h4>");
}

void tableBegin(Text& out) {
    out.append("<table class=\"detail_table\">");
}
void tableEnd(Text& out) {
    out.append("</table><br/>");
}

static void cells(Text& out, const char* cellFormat, const char* first, va_list args) {
    for (const char* cell = first; cell && std::strcmp(cell, END_OF_ROW) != 0;
         cell = va_arg(args, const char*))
        out.printf(cellFormat, cell);
}

void headerRow(Text& out, const char* first, ...) {
    g_evenRow = false;
    out.append("<tr>");
    va_list args;
    va_start(args, first);
    cells(out, "<th>%s</th>", first, args);
    va_end(args);
    out.append("</tr>");
}

void dataRow(Text& out, const char* first, ...) {
    out.append(g_evenRow ? "<tr class=\"even_row\">" : "<tr>");
    g_evenRow = !g_evenRow;
    va_list args;
    va_start(args, first);
    cells(out, "<td>%s</td>", first, args);
    va_end(args);
    out.append("</tr>");
}

}  // namespace html

// ---- registry ------------------------------------------------------------------------------

const CategoryUnit* categoryUnit(uint32_t category) {
    return category < 256 ? unitIndex().byCategory[category] : nullptr;
}

const ItemEntry* findItem(ast_dataitem_type_t type) {
    const uint32_t category = type / 1000;
    if (category >= 256)
        return nullptr;
    const UnitIndex& index = unitIndex();
    const uint8_t slot = index.slot[category];
    return slot ? index.items[slot - 1][type % 1000] : nullptr;
}

const SubfieldEntry* findSubfield(uint32_t subfieldType) {
    const CategoryUnit* unit = categoryUnit(subfieldType / 1000000);
    if (!unit)
        return nullptr;
    for (uint32_t i = 0; i < unit->subfieldCount; ++i)
        if (unit->subfields[i].type == subfieldType)
            return &unit->subfields[i];
    return nullptr;
}

const char* unitItemName(const CategoryUnit& unit, ast_dataitem_type_t type) {
    if (type / 1000 != unit.category)
        return nullptr;
    const ItemEntry* entry = findItem(type);
    return entry ? entry->name : nullptr;
}

// ---- record getters ------------------------------------------------------------------------

namespace {
struct GetterEntry {
    uint32_t category;
    const RecordGetters* getters;
};
const GetterEntry GETTERS[] = {
    {21, &CAT021_GETTERS},
};
}  // namespace

const RecordGetters* recordGetters(uint32_t category) {
    for (const GetterEntry& entry : GETTERS)
        if (entry.category == category)
            return entry.getters;
    return nullptr;
}

const ast_dataitem_t* recordItem(const ast_datarecord_t* record, uint32_t category,
                                 ast_dataitem_type_t type) {
    if (!record || !record->ok || record->category != category)
        return nullptr;
    const uint64_t count =
        record->count < uint64_t{AST_MAX_DATAITEMS} ? record->count : uint64_t{AST_MAX_DATAITEMS};
    for (uint64_t i = 0; i < count; ++i)
        if (record->items[i].type == type)
            return &record->items[i];
    return nullptr;
}

ast_dataitem_type_t uapTableItem(const UapTable& table, uint32_t frn) {
    if (frn >= 1 && frn <= table.size)
        return table.items[frn - 1];
    if (table.label)
        log(AST_LOG_CRITICAL, "%s: Undefined FRN %d", table.label, static_cast<int>(frn));
    return 0;
}

}  // namespace ast

// ---- exported: library information, log, text ---------------------------------------------

extern "C" {

bool ast_library_init(const char*) {
    return true;
}

const char* ast_library_version(void) {
    std::snprintf(g_versionText, sizeof g_versionText, "%d.%d.%d", VERSION_MAJOR, VERSION_MINOR,
                  VERSION_PATCH);
    return g_versionText;
}
int ast_library_version_major(void) {
    return VERSION_MAJOR;
}
int ast_library_version_minor(void) {
    return VERSION_MINOR;
}
int ast_library_version_patch(void) {
    return VERSION_PATCH;
}
const char* ast_library_build(void) {
    return "Jan 10 2021";
}
const char* ast_library_about(void) {
    return "ASTERIX library, copyright Brannic. All rights reserved.";
}
const char* ast_library_contact(void) {
    return "support@brannic.example";
}

void ast_log_handler_reg(ast_log_handler_t handler) {
    g_handler = handler;
}

void ast_log_stdout(int level, const char* message) {
    static const char* const LABELS[] = {"[DEBUG   ]", "[INFO    ]", "[WARNING ]", "[CRITICAL]",
                                         "[PANIC   ]"};
    const char* label = level >= 0 && level <= 4 ? LABELS[level] : "[UNKNOWN ]";
    std::printf("%s %s\n", label, message ? message : "");
}

const char* ast_category_to_str(uint32_t category) {
    std::snprintf(g_categoryText, sizeof g_categoryText, "I%03u", category);
    return g_categoryText;
}

const char* ast_dataitem_type_to_str(ast_dataitem_type_t type) {
    // The CAT021 edition 0.23/0.26 layouts are shown under the item number they stand for.
    static const struct {
        uint32_t item;
        const char* text;
    } ALIASES[] = {{902, "130"}, {903, "040"}, {904, "131"}, {905, "090"}, {906, "210"},
                   {907, "271"}, {908, "200"}, {998, "REF"}, {999, "SPF"}};
    const uint32_t category = type / 1000, item = type % 1000;
    for (const auto& alias : ALIASES) {
        if (alias.item == item) {
            std::snprintf(g_typeText, sizeof g_typeText, "I%03u/%s", category, alias.text);
            return g_typeText;
        }
    }
    std::snprintf(g_typeText, sizeof g_typeText, "I%03u/%03u", category, item);
    return g_typeText;
}

}  // extern "C"
