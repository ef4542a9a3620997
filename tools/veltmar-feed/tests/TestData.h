#ifndef VELTMAR_FEED_TESTS_TESTDATA_H
#define VELTMAR_FEED_TESTS_TESTDATA_H

// The recordings of the modes library's tests (VELTMAR_TEST_DATA_DIR), read as lines.

#include <fstream>
#include <string>
#include <vector>

namespace feedtest {

inline std::string dataPath(const std::string& name) {
    return std::string(VELTMAR_TEST_DATA_DIR) + "/" + name;
}

inline std::vector<std::string> dataLines(const std::string& name) {
    std::ifstream in(dataPath(name));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            lines.push_back(line);
    }
    return lines;
}

// The comma-separated fields of a line, double quotes removed.
inline std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> out(1);
    for (char c : line) {
        if (c == ',')
            out.emplace_back();
        else if (c != '"')
            out.back().push_back(c);
    }
    return out;
}

}  // namespace feedtest

#endif  // VELTMAR_FEED_TESTS_TESTDATA_H
