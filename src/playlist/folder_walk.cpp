#include "playlist/folder_walk.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>
#include <set>
#include <utility>

#include "platform/ascii_case.h"

namespace zuk {
namespace {

constexpr const char* kDefaultPattern =
    "*.wav;*.aif;*.aiff;*.snd;*.au;*.avi;*.mov;*.mpg;*.mpe;*.mpeg;*.dat;*.mp3;*.mp2;*.m3u;*.ra;*."
    "rm;*.rv;"
    "*.ram;*.zul;*.wma;*.asf";

bool Wildcard(std::string_view name, std::string_view pattern) {
    // Iterative matching with one backtrack point for the last '*': linear in practice.
    std::size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() &&
            (pattern[p] == '?' || FoldAscii(pattern[p]) == FoldAscii(name[n]))) {
            ++n, ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

bool EndsWithLowerSuffix(std::string_view name, std::string_view lowerSuffix) {
    if (name.size() < lowerSuffix.size()) return false;
    const std::string_view tail = name.substr(name.size() - lowerSuffix.size());
    return std::equal(tail.begin(), tail.end(), lowerSuffix.begin(),
                      [](char a, char b) { return FoldAscii(a) == b; });
}

void SortIgnoringCase(std::vector<std::string>& names) {
    std::sort(names.begin(), names.end(), LessIgnoringCase);
}

struct FolderContent {
    std::vector<std::string> files;
    std::vector<std::string> folders;  // names, links to folders included
};

// Reads a folder once; nothing when it cannot be listed.
FolderContent ReadFolder(const std::string& folder) {
    FolderContent content;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir) return content;
    while (const dirent* d = ::readdir(dir.get())) {
        std::string name(StripNul(d->d_name));
        if (name == "." || name == "..") continue;
        bool isFolder = d->d_type == DT_DIR;
        if (d->d_type == DT_LNK || d->d_type == DT_UNKNOWN) {
            struct stat st {};
            isFolder = ::stat(JoinFolder(folder, name).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
        }
        (isFolder ? content.folders : content.files).push_back(std::move(name));
    }
    SortIgnoringCase(content.files);
    SortIgnoringCase(content.folders);
    return content;
}

class FolderWalk {
  public:
    explicit FolderWalk(std::size_t maxFolders) : max_(maxFolders) {}

    std::vector<FolderListing> run(const std::string& folder) {
        struct stat st {};
        if (folder.empty() || max_ == 0 || ::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
            return {};
        seen_.insert({st.st_dev, st.st_ino});
        // Depth first with an explicit stack, so that a deep tree cannot overflow the call stack.
        std::vector<std::pair<std::vector<std::string>, std::size_t>> stack;
        stack.push_back({visit(folder), 0});
        while (!stack.empty() && table_.size() < max_) {
            auto& [folders, next] = stack.back();
            if (next == folders.size()) {
                stack.pop_back();
                continue;
            }
            const std::string sub = std::move(folders[next++]);
            stack.push_back({visit(sub), 0});
        }
        return std::move(table_);
    }

  private:
    // Records a folder with its files and gives the folders inside it not walked yet.
    std::vector<std::string> visit(const std::string& folder) {
        FolderContent content = ReadFolder(folder);
        table_.push_back({folder, std::move(content.files)});
        std::vector<std::string> subs;
        for (const std::string& name : content.folders) {
            std::string path = JoinFolder(folder, name);
            struct stat st {};
            if (::stat(path.c_str(), &st) != 0 || !seen_.insert({st.st_dev, st.st_ino}).second)
                continue;
            subs.push_back(std::move(path));
        }
        return subs;
    }

    std::size_t max_;
    std::set<std::pair<dev_t, ino_t>> seen_;
    std::vector<FolderListing> table_;
};

}  // namespace

std::string FolderAddPattern(const std::vector<std::string>& extensions) {
    if (extensions.empty()) return kDefaultPattern;
    std::string pattern;
    for (const std::string& e : extensions) {
        if (!pattern.empty()) pattern += ';';
        pattern += "*." + e;
    }
    return pattern;
}

FilePatterns::FilePatterns(std::string_view patterns) {
    for (std::size_t start = 0; start <= patterns.size();) {
        const std::size_t end = std::min(patterns.find(';', start), patterns.size());
        const std::string_view one = patterns.substr(start, end - start);
        start = end + 1;
        if (one.empty()) continue;
        if (one == "*.*") {
            all_ = true;
        } else if (one.size() > 1 && one[0] == '*' &&
                   one.substr(1).find_first_of("*?") == std::string_view::npos) {
            suffixes_.push_back(LowerAscii(std::string(one.substr(1))));
        } else {
            wildcards_.emplace_back(one);
        }
    }
}

bool FilePatterns::matches(std::string_view name) const {
    if (all_) return true;
    for (const std::string& s : suffixes_)
        if (EndsWithLowerSuffix(name, s)) return true;
    for (const std::string& w : wildcards_)
        if (Wildcard(name, w)) return true;
    return false;
}

FolderListing ListFolder(const std::string& folder) {
    return {folder, ReadFolder(folder).files};
}

std::string JoinFolder(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

std::string_view StripNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

std::vector<FolderListing> WalkFolders(const std::string& folder, std::size_t maxFolders) {
    return FolderWalk(maxFolders).run(folder);
}

}  // namespace zuk
