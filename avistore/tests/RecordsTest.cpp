// Text forms of the records and the country record handed to the asterix library.

#include <cstring>
#include <memory>

#include <gtest/gtest.h>

#include <avistore/Country.h>
#include <avistore/ICAOAddr.h>

namespace brannic {
namespace avistore {
namespace {

TEST(ICAOAddr, HexTextIsSixUpperCaseDigits) {
    const struct {
        uint32_t addr;
        const char* text;
    } rows[] = {
        {0x000000, "000000"}, {0x00000A, "00000A"}, {0x3C6444, "3C6444"},
        {0xabcdef, "ABCDEF"}, {0xFFFFFF, "FFFFFF"}, {0x1000000, "1000000"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ICAOAddr(row.addr).toHexStr().toStdString(), row.text) << std::hex << row.addr;
    }
    ICAOAddr addr;
    EXPECT_EQ(addr.toUInt(), 0u);
    addr.set(0x780A3B);
    EXPECT_EQ(addr.toUInt(), 0x780A3Bu);
}

TEST(Country, AstCountryCarriesLatin1TextsThatOutliveCopies) {
    std::unique_ptr<Country> original(
        new Country(QStringLiteral("CI"), QStringLiteral("CIV"), QStringLiteral("Côte d'Ivoire"),
                    QStringLiteral("Republic of Côte d'Ivoire"), QStringLiteral("科特迪瓦")));
    const Country copy = *original;
    original.reset();
    const ast_country_t c = copy.toAstCountry();
    EXPECT_EQ(c.valid, 1);
    EXPECT_STREQ(c.iso_code_2, "CI");
    EXPECT_STREQ(c.iso_code_3, "CIV");
    EXPECT_STREQ(c.name, "C\xF4te d'Ivoire");  // ô is 0xF4 in Latin-1
    EXPECT_STREQ(c.full_name, "Republic of C\xF4te d'Ivoire");

    // A changed text is handed out anew; the texts of an untouched copy stay as they were.
    Country changed = copy;
    changed.setName(QStringLiteral("Ivory Coast"));
    EXPECT_STREQ(changed.toAstCountry().name, "Ivory Coast");
    EXPECT_STREQ(c.name, "C\xF4te d'Ivoire");
}

TEST(Country, InvalidCountryGivesAnEmptyRecord) {
    const ast_country_t c = Country().toAstCountry();
    EXPECT_EQ(c.valid, 0);
    EXPECT_EQ(c.iso_code_2, nullptr);
    EXPECT_EQ(c.iso_code_3, nullptr);
    EXPECT_EQ(c.name, nullptr);
    EXPECT_EQ(c.full_name, nullptr);

    // Valid with empty texts: empty strings, never null pointers.
    Country empty;
    empty.setValid(true);
    const ast_country_t e = empty.toAstCountry();
    EXPECT_EQ(e.valid, 1);
    ASSERT_NE(e.name, nullptr);
    EXPECT_EQ(std::strlen(e.name), 0u);
}

}  // namespace
}  // namespace avistore
}  // namespace brannic
