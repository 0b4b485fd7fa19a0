#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zuk {

// The folder-add patterns ("*.mp3;*.wav"...) built from the extension list; the 21 default
// patterns when the list is empty. Extensions are used as typed.
std::string FolderAddPattern(const std::vector<std::string>& extensions);

// The ";"-separated wildcard patterns of a folder add (* any run, ? one character, letters
// without regard to case; "*.*" is every file, as it always was), prepared once for many names.
class FilePatterns {
  public:
    explicit FilePatterns(std::string_view patterns);
    bool matches(std::string_view name) const;

  private:
    bool all_ = false;
    std::vector<std::string> suffixes_;   // "*.mp3" kept as ".mp3", lower case
    std::vector<std::string> wildcards_;  // any other pattern
};

// One folder's files (hidden ones included, folders excluded), sorted by name without regard to
// case. No files when the folder cannot be listed.
struct FolderListing {
    std::string path;
    std::vector<std::string> files;
};
FolderListing ListFolder(const std::string& folder);

// folder + "/" + name, without a doubled "/" (the root gives "/name").
std::string JoinFolder(const std::string& folder, const std::string& name);

// The text before its first NUL, or the whole text.
std::string_view StripNul(std::string_view text);

// The folder and every folder below it with their files, depth first, each folder before those
// inside it, and sibling folders by name without regard to case. The first is folder as given;
// a folder that does not exist gives nothing. Links to folders are followed, each folder only
// once, so a link back to an ancestor ends the walk there. Folders that cannot be listed are
// kept but not entered. At most maxFolders folders. Each folder is read once.
std::vector<FolderListing> WalkFolders(const std::string& folder, std::size_t maxFolders);

}  // namespace zuk
