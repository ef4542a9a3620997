#ifndef VELTMAR_FEED_TESTS_TEMPFILE_H
#define VELTMAR_FEED_TESTS_TEMPFILE_H

// A file in the system's temporary directory, removed with the object.

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace feedtest {

class TempFile {
public:
    explicit TempFile(const std::string& content, const std::string& suffix = "") {
        static std::atomic<int> counter{0};
        _path = (std::filesystem::temp_directory_path() /
                 ("veltmar-feed-test-" + std::to_string(::getpid()) + "-" +
                  std::to_string(counter++) + suffix))
                    .string();
        std::ofstream(_path, std::ios::binary) << content;
    }
    ~TempFile() { std::filesystem::remove(_path); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const std::string& path() const { return _path; }

private:
    std::string _path;
};

}  // namespace feedtest

#endif  // VELTMAR_FEED_TESTS_TEMPFILE_H
