// Library information, the log and the texts of categories and item types.

#include <cstdio>
#include <cstring>

#include "Log.h"
#include "Text.h"

namespace {

ast_log_handler_t g_handler = nullptr;

char g_versionText[16];
char g_categoryText[16];
char g_typeText[32];

constexpr int VERSION_MAJOR = 1;
constexpr int VERSION_MINOR = 7;
constexpr int VERSION_PATCH = 0;

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

void logDump(const uint8_t* data, uint64_t size, uint64_t limit) {
    if (!g_handler)
        return;
    log(AST_LOG_DEBUG, "Binary data size: %d", static_cast<int>(size));
    const uint64_t shown = size < limit ? size : limit;
    for (uint64_t start = 0; start < shown; start += 16) {
        char line[16 * 6 + 1];
        Text text(line, sizeof line);
        for (uint64_t i = start; i < shown && i < start + 16; ++i)
            text.printf("0x%.2X, ", data[i]);
        text.chop(2);
        log(AST_LOG_DEBUG, "%s", line);
    }
    if (size > shown)
        log(AST_LOG_DEBUG, "%llu further octets left out.",
            static_cast<unsigned long long>(size - shown));
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
                   {907, "271"}, {908, "200"}, {909, "165"}, {998, "REF"}, {999, "SPF"}};
    const uint32_t category = type / 1000, item = type % 1000;
    const char* itemText = nullptr;
    if (item >= ALIASES[0].item)
        for (const auto& alias : ALIASES)
            if (alias.item == item)
                itemText = alias.text;
    if (category > 999) {
        if (itemText)
            std::snprintf(g_typeText, sizeof g_typeText, "I%03u/%s", category, itemText);
        else
            std::snprintf(g_typeText, sizeof g_typeText, "I%03u/%03u", category, item);
        return g_typeText;
    }
    // "I%03u/%03u" written by hand: every item line of a decoded block asks for it, and a
    // formatted print costs more than the rest of the line.
    char* p = g_typeText;
    *p++ = 'I';
    *p++ = static_cast<char>('0' + category / 100);
    *p++ = static_cast<char>('0' + category / 10 % 10);
    *p++ = static_cast<char>('0' + category % 10);
    *p++ = '/';
    if (itemText) {
        std::strcpy(p, itemText);
    } else {
        *p++ = static_cast<char>('0' + item / 100);
        *p++ = static_cast<char>('0' + item / 10 % 10);
        *p++ = static_cast<char>('0' + item % 10);
        *p = '\0';
    }
    return g_typeText;
}

}  // extern "C"
