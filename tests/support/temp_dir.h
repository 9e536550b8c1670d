#pragma once

#include "rom/bytes.h"

#include <filesystem>
#include <string>

namespace tikaroo::test {

// A fresh directory that is removed with everything in it when the object dies.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string Path(const std::string& name) const { return (root / name).string(); }
    std::string Write(const std::string& name, const Bytes& bytes) const;
    static Bytes Read(const std::string& path);

private:
    std::filesystem::path root;
};

} // namespace tikaroo::test
