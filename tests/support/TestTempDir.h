#pragma once
// A fresh temporary directory for one test, removed with everything in it when the object dies.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

class TestTempDir {
public:
    TestTempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "korvane-test-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TestTempDir() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    TestTempDir(const TestTempDir&) = delete;
    TestTempDir& operator=(const TestTempDir&) = delete;

    // The path of name inside the directory.
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    const std::string& Path() const { return path_; }

    static void Write(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string Read(const std::string& path) {
        std::ostringstream bytes;
        bytes << std::ifstream(path, std::ios::binary).rdbuf();
        return bytes.str();
    }

private:
    std::string path_;
};
