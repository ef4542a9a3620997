#include <modes/ADSBTargetReport.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <modes/ADSBServiceStatus.h>

namespace brannic {
namespace modes {
namespace {

TEST(ADSBTargetReport, DefaultIsEmpty) {
    const ADSBTargetReport r;
    EXPECT_FALSE(r.valid());
    EXPECT_FALSE(r.trackIdValid());
    EXPECT_FALSE(r.icaoAddressValid());
    EXPECT_FALSE(r.callsignValid());
    EXPECT_FALSE(r.positionValid());
    EXPECT_FALSE(r.mopsVersionConfirmed());
    EXPECT_EQ(r.mopsVersion(), MOPS_V0);
    EXPECT_EQ(r.icaoAddressString(), "");
}

// Value setters that decide validity: {description, action, expected valid flag}.
struct ValidityCase {
    const char* what;
    std::function<bool(ADSBTargetReport&)> setAndRead;
    bool valid;
};

TEST(ADSBTargetReport, SettersDecideValidity) {
    using R = ADSBTargetReport;
    const std::vector<ValidityCase> cases = {
        {"address 0",
         [](R& r) {
             r.setIcaoAddress(0);
             return r.icaoAddressValid();
         },
         false},
        {"address 1",
         [](R& r) {
             r.setIcaoAddress(1);
             return r.icaoAddressValid();
         },
         true},
        {"callsign empty",
         [](R& r) {
             r.setCallsign("");
             return r.callsignValid();
         },
         false},
        {"callsign",
         [](R& r) {
             r.setCallsign("A");
             return r.callsignValid();
         },
         true},
        {"squawk 0",
         [](R& r) {
             r.setSquawk(0);
             return r.squawkValid();
         },
         false},
        {"squawk 1",
         [](R& r) {
             r.setSquawk(1);
             return r.squawkValid();
         },
         true},
        {"squawk 4095",
         [](R& r) {
             r.setSquawk(4095);
             return r.squawkValid();
         },
         true},
        {"squawk 4096",
         [](R& r) {
             r.setSquawk(4096);
             return r.squawkValid();
         },
         false},
        {"pos 90,180",
         [](R& r) {
             r.setPosition(90, 180);
             return r.positionValid();
         },
         true},
        {"pos -90,-180",
         [](R& r) {
             r.setPosition(-90, -180);
             return r.positionValid();
         },
         true},
        {"pos 91,0",
         [](R& r) {
             r.setPosition(91, 0);
             return r.positionValid();
         },
         false},
        {"pos 0,180.01",
         [](R& r) {
             r.setPosition(0, 180.01);
             return r.positionValid();
         },
         false},
        {"pos NaN",
         [](R& r) {
             r.setPosition(std::nan(""), 0);
             return r.positionValid();
         },
         false},
        {"amplitude 0",
         [](R& r) {
             r.setSignalAmplitude(0);
             return r.signalAmplitudeValid();
         },
         false},
        {"amplitude 1",
         [](R& r) {
             r.setSignalAmplitude(1);
             return r.signalAmplitudeValid();
         },
         true},
        {"altitude",
         [](R& r) {
             r.setAltitudeBaro(0);
             return r.altitudeBaroValid();
         },
         true},
        {"category",
         [](R& r) {
             r.setEmitterCategory(0);
             return r.emitterCategoryValid();
         },
         true},
        {"speed",
         [](R& r) {
             r.setGroundSpeed(0);
             return r.groundSpeedValid();
         },
         true},
        {"ground",
         [](R& r) {
             r.setGroundStatus(false);
             return r.groundStatusValid();
         },
         true},
        {"heading",
         [](R& r) {
             r.setHeading(0);
             return r.headingValid();
         },
         true},
        {"rate",
         [](R& r) {
             r.setVerticalRateBaro(0);
             return r.verticalRateBaroValid();
         },
         true},
        {"spi",
         [](R& r) {
             r.setSpiStatus(true);
             return r.spiStatusValid();
         },
         false},
        {"nucp",
         [](R& r) {
             r.setNUCp(7);
             return r.nucpValid();
         },
         false},
        {"suppA",
         [](R& r) {
             r.setNICSuppA(true);
             return r.nicSuppAValid();
         },
         false},
        {"sil",
         [](R& r) {
             r.setSIL(3);
             return r.silValid();
         },
         false},
    };
    for (const auto& c : cases) {
        ADSBTargetReport r;
        EXPECT_EQ(c.setAndRead(r), c.valid) << c.what;
    }
    // An invalid position keeps its values.
    ADSBTargetReport r;
    r.setPosition(91.0, 0.0);
    EXPECT_EQ(r.latitude(), 91.0);
    // An explicit flag overrides the setter's decision.
    r.setSquawk(0);
    r.setSquawkValid(true);
    EXPECT_TRUE(r.squawkValid());
}

TEST(ADSBTargetReport, ValidNeedsTimeAndAddress) {
    ADSBTargetReport r;
    r.setLastUpdate(1000);
    EXPECT_FALSE(r.valid());
    r.setIcaoAddress(0x4840D6);
    EXPECT_TRUE(r.valid());
    r.setIcaoAddress(0);
    EXPECT_FALSE(r.valid());
    r.setTrackId(5);
    EXPECT_TRUE(r.trackIdValid());
}

TEST(ADSBTargetReport, AddressAndSquawkText) {
    const std::vector<std::pair<uint32_t, std::string>> addresses = {
        {0xABCD, "  ABCD"}, {0x4840D6, "4840D6"}, {0x5, "    05"}, {0xFFFFFF, "FFFFFF"}};
    for (const auto& a : addresses) {
        ADSBTargetReport r;
        r.setIcaoAddress(a.first);
        EXPECT_EQ(r.icaoAddressString(), a.second) << a.first;
    }
    const std::vector<std::pair<uint32_t, std::string>> squawks = {
        {1024, "2000"}, {4032, "7700"}, {0, "0000"}, {1, "0001"}, {4095, "7777"}};
    for (const auto& s : squawks) {
        ADSBTargetReport r;
        r.setSquawk(s.first);
        EXPECT_EQ(r.squawkString(), s.second) << s.first;
    }
}

// {latitude, longitude, latitude text, longitude text}
struct PositionCase {
    double latitude, longitude;
    const char* latitudeText;
    const char* longitudeText;
};

TEST(ADSBTargetReport, PositionText) {
    const std::vector<PositionCase> cases = {
        {0.0, 0.0, "000000S", "0000000W"},
        {52.308611, 4.763889, "521831N", "0044550E"},
        {-33.946111, 151.177222, "335646S", "1511038E"},
        {40.5, -73.75, "403000N", "0734500W"},
        {90.0, -180.0, "900000N", "1800000W"},
        {10.0 + 59.0 / 60.0 + 59.7 / 3600.0, 0.0, "105960N", "0000000W"},  // 59.7 s rounds to 60
    };
    for (const auto& c : cases) {
        ADSBTargetReport r;
        r.setPosition(c.latitude, c.longitude);
        EXPECT_EQ(r.latitudeString(), c.latitudeText) << c.latitude;
        EXPECT_EQ(r.longitudeString(), c.longitudeText) << c.longitude;
        EXPECT_EQ(r.positionString(), std::string(c.latitudeText) + c.longitudeText);
    }
    ADSBTargetReport r;
    r.setPosition(std::numeric_limits<double>::quiet_NaN(),
                  std::numeric_limits<double>::infinity());
    EXPECT_EQ(r.positionString(), "");
    r.setPosition(1e300, -1e300);  // out of range, stored anyway: prints without overflow
    EXPECT_FALSE(r.latitudeString().empty());
}

TEST(ADSBTargetReport, TimeAndBoolText) {
    const std::vector<std::pair<uint64_t, std::string>> times = {
        {0, ""},
        {1, "1970-01-01T00:00:00.001Z"},
        {1610265903042ULL, "2021-01-10T08:05:03.042Z"},
        {951782400000ULL, "2000-02-29T00:00:00.000Z"},
        {253402300799999ULL, "9999-12-31T23:59:59.999Z"},
        {std::numeric_limits<uint64_t>::max(),
         "584556019-04-03T14:25:51.615Z"},  // the largest time
    };
    for (const auto& t : times) {
        EXPECT_EQ(ADSBTargetReport::timeToString(t.first), t.second) << t.first;
    }
    EXPECT_EQ(ADSBTargetReport::boolToString(true), "TRUE");
    EXPECT_EQ(ADSBTargetReport::boolToString(false), "FALSE");
}

// Checks that `html` is "<!DOCTYPE html>\n" followed by exactly one well-formed element tree:
// every element closed in order, attribute values double-quoted, '<' never in text, each '&'
// starting one of the entities the report writes. The style element is raw text up to
// "</style>". Returns an empty string or the first problem found.
std::string checkWellFormed(const std::string& html) {
    const std::string doctype = "<!DOCTYPE html>\n";
    if (html.compare(0, doctype.size(), doctype) != 0)
        return "no doctype";
    std::vector<std::string> open;
    int roots = 0;
    size_t i = doctype.size();
    const auto isName = [](char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); };
    while (i < html.size()) {
        const char c = html[i];
        if (c == '&') {
            bool known = false;
            for (const char* e : {"&amp;", "&lt;", "&gt;", "&quot;", "&#39;"}) {
                if (html.compare(i, std::string(e).size(), e) == 0)
                    known = true;
            }
            if (!known)
                return "bare & at " + std::to_string(i);
            ++i;
        } else if (c == '>') {
            return "bare > at " + std::to_string(i);
        } else if (c != '<') {
            if (open.empty() && c != '\n')
                return "text outside the root";
            ++i;
        } else if (html.compare(i, 2, "</") == 0) {
            size_t j = i + 2;
            while (j < html.size() && isName(html[j]))
                ++j;
            const std::string name = html.substr(i + 2, j - i - 2);
            if (j >= html.size() || html[j] != '>')
                return "bad end tag at " + std::to_string(i);
            if (open.empty() || open.back() != name)
                return "misnested </" + name + ">";
            open.pop_back();
            i = j + 1;
        } else {
            size_t j = i + 1;
            while (j < html.size() && isName(html[j]))
                ++j;
            const std::string name = html.substr(i + 1, j - i - 1);
            if (name.empty())
                return "bad start tag at " + std::to_string(i);
            while (j < html.size() && html[j] == ' ') {
                ++j;
                const size_t nameStart = j;
                while (j < html.size() && (isName(html[j]) || html[j] == '-'))
                    ++j;
                if (j == nameStart || html.compare(j, 2, "=\"") != 0)
                    return "bad attribute in <" + name;
                const size_t close = html.find('"', j + 2);
                if (close == std::string::npos)
                    return "unterminated attribute";
                const std::string value = html.substr(j + 2, close - j - 2);
                if (value.find_first_of("<&") != std::string::npos)
                    return "unescaped attribute";
                j = close + 1;
            }
            if (j >= html.size() || html[j] != '>')
                return "unclosed start tag <" + name;
            if (open.empty())
                ++roots;
            if (roots > 1)
                return "second root element";
            if (name == "style") {
                const size_t end = html.find("</style>", j);
                if (end == std::string::npos)
                    return "unclosed style";
                i = end + 8;
                continue;
            }
            open.push_back(name);
            i = j + 1;
        }
    }
    if (!open.empty())
        return "unclosed <" + open.back() + ">";
    return roots == 1 ? "" : "no root element";
}

ADSBTargetReport fullReport() {
    ADSBTargetReport r;
    r.setTrackId(42);
    r.setLastUpdate(1610265903042ULL);
    r.setIcaoAddress(0x4840D6);
    r.setCallsign("KLM1023 ");
    r.setCallsignLastUpdate(1610265903042ULL);
    r.setSquawk(4032);
    r.setPosition(52.308611, 4.763889);
    r.setAltitudeBaro(38000);
    r.setGroundSpeed(450.0);
    r.setHeading(271.25);
    r.setVerticalRateBaro(-640);
    r.setGroundStatus(true);
    r.setSpiStatus(true);
    r.setSpiStatusValid(true);
    r.setMopsVersion(MOPS_V2);
    r.setMopsVersionConfirmed(true);
    r.setNIC(8);
    r.setNICValid(true);
    return r;
}

TEST(ADSBTargetReport, HtmlIsWellFormedAndHoldsEveryText) {
    const std::string html =
        fullReport().toHtml("table.general_table { border-collapse: collapse; }");
    EXPECT_EQ(checkWellFormed(html), "");
    const std::vector<std::string> texts = {
        "<html lang=\"en\">",
        "<title>ADS-B Target Report</title>",
        "<style type=\"text/css\">",
        "<h1>ADS-B Target Report</h1>",
        "<h2>Identification</h2>",
        "<h2>Static</h2>",
        "<h2>Tectical</h2>",
        "<h2>Quality Indicators</h2>",
        "<table border=\"1\" cellspacing=\"0\" class=\"general_table\">",
        "<tr><th>Item</th><th>Valid</th><th>Value</th><th>Last Update</th></tr>",
        "<tr><th>Item</th><th>Valid</th><th>Value</th><th>Last Change</th><th>Last "
        "Update</th></tr>",
        "<td>Track Number</td><td>TRUE</td><td>42</td><td>2021-01-10T08:05:03.042Z</td>",
        "<td>ICAO Address</td><td>TRUE</td><td>4840D6</td>",
        "<td>Callsign</td><td>TRUE</td><td>KLM1023 </td>",
        "<td>Squawk</td><td>TRUE</td><td>7700</td>",
        "<td>Emitter Category</td><td>FALSE</td><td></td>",
        "<td>Ground Status</td><td>TRUE</td><td>GND</td>",
        "<td>SPI</td><td>TRUE</td><td>SPI</td>",
        "<td>Alert Status</td><td>FALSE</td><td></td>",
        "<td>MOPS Version</td><td>TRUE</td><td>MOPS V2</td>",
        "<td>MOPS Certainty </td><td>TRUE</td><td>CONFIRMED</td>",
        "<td>Position</td><td>TRUE</td><td>521831N0044550E</td>",
        "<td>Latitude</td><td>TRUE</td><td>52.308611</td>",
        "<td>Longitude</td><td>TRUE</td><td>4.763889</td>",
        "<td>Braometric Altitude</td><td>TRUE</td><td>38000</td>",
        "<td>Ground Speed</td><td>TRUE</td><td>450.000000</td>",
        "<td>Heading</td><td>TRUE</td><td>271.250000</td>",
        "<td>Barometric Vertical Rate</td><td>TRUE</td><td>-640</td>",
        "<td>Signal Amplitude</td><td>FALSE</td><td></td>",
        "<td>NUCp</td>",
        "<td>NUCr</td>",
        "<td>NIC</td><td>TRUE</td><td>8</td>",
        "<td>NICsuppA</td>",
        "<td>NICsuppB</td>",
        "<td>NICsuppC</td>",
        "<td>PIC</td>",
        "<td>NACp</td>",
        "<td>SIL</td><td>FALSE</td><td></td>",
    };
    for (const auto& text : texts) {
        EXPECT_NE(html.find(text), std::string::npos) << text;
    }
}

TEST(ADSBTargetReport, HtmlEscapesOutsideText) {
    ADSBTargetReport r = fullReport();
    r.setCallsign("<b>&\"'x");
    const std::string html = r.toHtml("td > b { x: '</style><script>'; }");
    EXPECT_EQ(checkWellFormed(html), "");
    EXPECT_NE(html.find("<td>&lt;b&gt;&amp;&quot;&#39;x</td>"), std::string::npos);
    EXPECT_EQ(html.find("<script>"), html.find("<\\/style><script>") + 9);
    EXPECT_EQ(checkWellFormed(ADSBTargetReport().toHtml("")), "");
}

TEST(ADSBTargetReport, HtmlMopsTexts) {
    const std::vector<std::pair<MOPSVersion, std::string>> versions = {{MOPS_V0, "MOPS V0"},
                                                                       {MOPS_V1, "MOPS V1"},
                                                                       {MOPS_V2, "MOPS V2"},
                                                                       {MOPS_UNKNOWN, "UNKNOWN"}};
    for (const auto& v : versions) {
        ADSBTargetReport r;
        r.setMopsVersion(v.first);
        const std::string html = r.toHtml("");
        EXPECT_NE(html.find("<td>" + v.second + "</td>"), std::string::npos) << v.second;
        EXPECT_NE(html.find("<td>ASSUMED</td>"), std::string::npos);
    }
}

TEST(ADSBServiceStatus, DefaultsAndSetters) {
    ADSBServiceStatus s;
    EXPECT_EQ(s.sac(), 0);
    EXPECT_EQ(s.sic(), 0);
    EXPECT_EQ(s.serviceId(), 1);
    EXPECT_EQ(s.reportMode(), ADSBServiceStatus::PERIODIC);
    EXPECT_EQ(s.reportPeriod(), 1000);
    s.setSac(25);
    s.setSic(201);
    s.setServiceId(7);
    s.setReportMode(ADSBServiceStatus::ON_CHANGE);
    s.setReportPeriod(500);
    EXPECT_EQ(s.sac(), 25);
    EXPECT_EQ(s.sic(), 201);
    EXPECT_EQ(s.serviceId(), 7);
    EXPECT_EQ(s.reportMode(), ADSBServiceStatus::ON_CHANGE);
    EXPECT_EQ(s.reportPeriod(), 500);
}

}  // namespace
}  // namespace modes
}  // namespace brannic
