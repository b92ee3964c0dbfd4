#pragma once
// Texts of the executable's version block: product name, file version, file description and legal
// copyright, compiled into the program. Lives on its user's stack for one use; each getter reads
// the block again and keeps its text until the next call of the same getter.
#include <string>

class VersionInfo {
public:
    // The texts of a version block; all empty stands for a file without one.
    struct Block {
        std::string FileDescription;
        std::string FileVersion;
        std::string LegalCopyright;
        std::string ProductName;
    };

    // Reads the version block of the named file; the program passes its own executable, whose
    // block is the one installed (the compiled-in texts unless a test installed others).
    explicit VersionInfo(const std::string& fileName);

    const std::string& GetFileDescription();
    const std::string& GetFileVersion();
    const std::string& GetLegalCopyright();
    const std::string& GetProductName();

    // Test hook: replaces the executable's version block; an empty block stands for none.
    static void InstallVersionBlock(const Block& block);
    // Test hook: puts the compiled-in texts back.
    static void RestoreVersionBlock();

private:
    std::string fileName_;
    Block texts_;
};
