#ifndef MODES_TESTS_TESTDATA_H
#define MODES_TESTS_TESTDATA_H

// Reading the recorded and known-answer data of modes/tests/data in tests.

#include <cctype>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace brannic {
namespace modes {
namespace testdata {

inline std::string path(const std::string& name) {
    return std::string(VELTMAR_TEST_DATA_DIR) + "/" + name;
}

// Bytes of a hexadecimal text (either case); an odd trailing digit is ignored.
inline std::string fromHex(const std::string& hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    }
    return bytes;
}

inline std::string toHex(const std::string& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char b : bytes) {
        hex += digits[b >> 4];
        hex += digits[b & 15];
    }
    return hex;
}

// Splits one CSV line; double quotes around a field are removed (no field holds a comma).
inline std::vector<std::string> splitCsv(const std::string& line) {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, ',')) {
        if (!field.empty() && field.back() == '\r')
            field.pop_back();
        if (field.size() >= 2 && field.front() == '"' && field.back() == '"') {
            field = field.substr(1, field.size() - 2);
        }
        fields.push_back(field);
    }
    return fields;
}

// All rows of a CSV file; `skipHeader` drops the first line.
inline std::vector<std::vector<std::string>> readCsv(const std::string& name, bool skipHeader) {
    std::ifstream in(path(name));
    std::vector<std::vector<std::string>> rows;
    std::string line;
    bool first = true;
    while (std::getline(in, line)) {
        if (first && skipHeader) {
            first = false;
            continue;
        }
        first = false;
        if (!line.empty())
            rows.push_back(splitCsv(line));
    }
    return rows;
}

// One row of modes-vectors.csv. `values` holds the name=value pairs of its expected column.
struct Vector {
    std::string kind;
    std::string hex;
    std::string expected;
    std::map<std::string, std::string> values;
};

inline std::vector<Vector> knownAnswerVectors() {
    std::vector<Vector> vectors;
    std::ifstream in(path("modes-vectors.csv"));
    std::string line;
    std::getline(in, line);  // header
    while (std::getline(in, line)) {
        // kind,hex,expected,source: the expected column may hold commas in sentences, so take
        // the first two fields and the last one, and keep what lies between as expected.
        const auto firstComma = line.find(',');
        const auto secondComma = line.find(',', firstComma + 1);
        const auto lastComma = line.rfind(',');
        if (firstComma == std::string::npos || secondComma == std::string::npos)
            continue;
        Vector v;
        v.kind = line.substr(0, firstComma);
        v.hex = line.substr(firstComma + 1, secondComma - firstComma - 1);
        v.expected = line.substr(secondComma + 1, lastComma - secondComma - 1);
        std::istringstream pairs(v.expected);
        std::string pair;
        while (std::getline(pairs, pair, ';')) {
            const auto eq = pair.find('=');
            if (eq == std::string::npos)
                continue;
            std::string value = pair.substr(eq + 1);
            const auto space = value.find(' ');
            if (space != std::string::npos)
                value = value.substr(0, space);
            v.values[pair.substr(0, eq)] = value;
        }
        vectors.push_back(v);
    }
    return vectors;
}

}  // namespace testdata
}  // namespace modes
}  // namespace brannic

#endif  // MODES_TESTS_TESTDATA_H
