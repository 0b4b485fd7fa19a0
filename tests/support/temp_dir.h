#pragma once

#include <string>
#include <string_view>

namespace zuk::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder, ending with "/".
    const std::string& path() const { return path_; }
    std::string file(std::string_view name) const { return path_ + std::string(name); }
    // Writes bytes to name (folders on the way are made) and gives the full path.
    std::string write(std::string_view name, std::string_view bytes) const;
    // The bytes of name, or "<missing>".
    std::string read(std::string_view name) const;

  private:
    std::string path_;
};

}  // namespace zuk::test
