#ifndef ASTERIX_TESTS_ASTLOGCAPTURE_H
#define ASTERIX_TESTS_ASTLOGCAPTURE_H

// Captures the asterix library log (its one C callback) for the duration of a test, so that
// tests can assert which messages were logged, at which level and how often.

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include <asterix/asterix.h>

class AstLogCapture {
public:
    AstLogCapture() {
        lines().clear();
        ast_log_handler_reg(&AstLogCapture::handler);
    }
    ~AstLogCapture() { ast_log_handler_reg(nullptr); }
    AstLogCapture(const AstLogCapture&) = delete;
    AstLogCapture& operator=(const AstLogCapture&) = delete;

    int count(const std::string& message) const {
        return static_cast<int>(
            std::count_if(lines().begin(), lines().end(),
                          [&](const auto& line) { return line.second == message; }));
    }
    int count(int level, const std::string& message) const {
        return static_cast<int>(
            std::count(lines().begin(), lines().end(), std::make_pair(level, message)));
    }
    size_t size() const { return lines().size(); }
    const std::vector<std::pair<int, std::string>>& all() const { return lines(); }
    void clear() { lines().clear(); }

private:
    static std::vector<std::pair<int, std::string>>& lines() {
        static std::vector<std::pair<int, std::string>> captured;
        return captured;
    }
    static void handler(int level, const char* message) { lines().emplace_back(level, message); }
};

#endif  // ASTERIX_TESTS_ASTLOGCAPTURE_H
