// A folder add with sub-folders over a tree of 50,000 files in 2,000 folders, next to `find` on
// the same tree in the same run (the cost of just visiting every entry once).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/spawn.h"
#include "controls/list_box.h"
#include "playlist/folder_walk.h"

namespace {

struct Tree {
    std::string root;
    Tree() {
        char name[] = "/tmp/zuk-walk-XXXXXX";
        root = std::string(::mkdtemp(name)) + "/Music";
        // 40 folders of 49 sub-folders each, plus the root: 2,000 folders, 25 files each.
        int files = 0;
        auto fill = [&files](const std::filesystem::path& folder) {
            std::filesystem::create_directories(folder);
            for (int i = 0; i < 25; ++i, ++files)
                std::ofstream(folder /
                              ("Track " + std::to_string(files) + (i % 5 ? ".mp3" : ".jpg")));
        };
        for (int a = 0; a < 40; ++a)
            for (int b = 0; b < 49; ++b)
                fill(std::filesystem::path(root) / ("Artist " + std::to_string(a)) /
                     ("Album " + std::to_string(b)));
        for (int a = 0; a < 40; ++a)
            fill(std::filesystem::path(root) / ("Artist " + std::to_string(a)));
        fill(root);
    }
    ~Tree() { std::filesystem::remove_all(std::filesystem::path(root).parent_path()); }
};

Tree& Data() {
    static Tree t;
    return t;
}

// What the add-folder command does: the folder walk, then each folder's matching files.
void FolderAddWithSubFolders(benchmark::State& state) {
    const zuk::FilePatterns patterns(zuk::FolderAddPattern({}));
    const std::string& root = Data().root;  // made before the timing starts
    std::size_t added = 0, folders = 0;
    for (auto _ : state) {
        zuk::ListBox list;
        const auto walked = zuk::WalkFolders(root, zuk::ListBox::kMaxEntries);
        for (const zuk::FolderListing& folder : walked) {
            std::vector<std::string> entries;
            for (const std::string& name : folder.files)
                if (patterns.matches(name)) entries.push_back(zuk::JoinFolder(folder.path, name));
            list.addMany(std::move(entries));
        }
        added = static_cast<std::size_t>(list.count());
        folders = walked.size();
    }
    state.counters["folders"] = static_cast<double>(folders);
    state.counters["entries"] = static_cast<double>(added);
}
BENCHMARK(FolderAddWithSubFolders)->Unit(benchmark::kMillisecond);

// The peer: `find <tree> > /dev/null`.
void FindOnTheSameTree(benchmark::State& state) {
    const char* argv[] = {"find", Data().root.c_str(), nullptr};
    for (auto _ : state) {
        if (!bench::RunQuietly(argv)) {
            state.SkipWithError("cannot start find");
            break;
        }
    }
}
BENCHMARK(FindOnTheSameTree)->Unit(benchmark::kMillisecond);

}  // namespace
