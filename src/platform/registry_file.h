#pragma once

#include <sys/types.h>

#include <ctime>
#include <functional>
#include <string>

#include "platform/classes_registry.h"

namespace zuk {

// The user's keys in a REGEDIT4 text file ("classes.reg" in the user's configuration folder).
// Every write happens under an exclusive lock on "<file>.lock", on the file as it is on disk
// at that moment, and replaces the file through a temporary file and a rename: two programs
// writing at once both keep their changes, and readers never see half a file. A file that
// cannot be read or understood is never written over: the store reads as unavailable and
// refuses every write until the file is mended. Problems (such a file, a failed save) are
// reported once, through the reporter.
class RegistryFile : public RegistryStore {
  public:
    using Reporter = std::function<void(const std::string& message)>;

    RegistryFile(std::string path, Reporter report);

    const RegistryTree* read() override;
    bool write(const Change& change) override;

  private:
    // What identifies one version of the file: the rename of every save gives a new inode.
    struct Stamp {
        bool exists = false;
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        timespec modified{};
        bool operator==(const Stamp& other) const;
    };
    enum class State { Unknown, Ready, Broken };

    // Reloads the file when it changed on disk since it was last read.
    bool refresh();
    bool load(const Stamp& stamp);
    void fail(const std::string& message);
    Stamp stampNow() const;

    std::string path_;
    Reporter report_;
    RegistryTree tree_;
    Stamp stamp_;
    State state_ = State::Unknown;
    bool reported_ = false;
};

}  // namespace zuk
