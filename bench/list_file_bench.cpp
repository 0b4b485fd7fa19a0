// Reading and writing a full playlist (32,767 entries) next to a plain `cat` of the same file,
// the cost of merely getting its bytes off the disk, measured in the same run.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/spawn.h"
#include "controls/list_box.h"
#include "platform/files.h"
#include "playlist/list_file.h"

namespace {

struct Fixture {
    std::string folder;
    std::string list;
    std::vector<std::string> entries;

    Fixture() {
        char name[] = "/tmp/zuk-bench-XXXXXX";
        folder = ::mkdtemp(name);
        list = folder + "/full.zul";
        for (int i = 0; i < zuk::ListBox::kMaxEntries; ++i)
            entries.push_back("/home/user/Music/Artist " + std::to_string(i % 97) + "/Album/" +
                              std::to_string(i) + " 曲のタイトル.mp3");
        zuk::WriteListFile(list, entries);
    }
    ~Fixture() { std::filesystem::remove_all(folder); }
};

Fixture& Data() {
    static Fixture f;
    return f;
}

void ReadList(benchmark::State& state) {
    for (auto _ : state) {
        auto read = zuk::ReadListFile(Data().list, zuk::ListBox::kMaxEntries);
        benchmark::DoNotOptimize(read.entries.data());
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<int64_t>(std::filesystem::file_size(Data().list)));
}
BENCHMARK(ReadList)->Unit(benchmark::kMillisecond);

void ReadListIntoListBox(benchmark::State& state) {
    for (auto _ : state) {
        zuk::ListBox box;
        box.addMany(zuk::ReadListFile(Data().list, zuk::ListBox::kMaxEntries).entries);
        benchmark::DoNotOptimize(box.count());
    }
}
BENCHMARK(ReadListIntoListBox)->Unit(benchmark::kMillisecond);

void WriteList(benchmark::State& state) {
    const std::string out = Data().folder + "/out.zul";
    for (auto _ : state) benchmark::DoNotOptimize(zuk::WriteListFile(out, Data().entries));
}
BENCHMARK(WriteList)->Unit(benchmark::kMillisecond);

// The peer: `cat full.zul > /dev/null` as a process of its own.
void CatOfTheSameFile(benchmark::State& state) {
    const char* argv[] = {"cat", Data().list.c_str(), nullptr};
    for (auto _ : state) {
        if (!bench::RunQuietly(argv)) {
            state.SkipWithError("cannot start cat");
            break;
        }
    }
}
BENCHMARK(CatOfTheSameFile)->Unit(benchmark::kMillisecond);

// The physical limit inside the process: the file's bytes read into memory.
void ReadBytesOnly(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(zuk::ReadWholeFile(Data().list));
}
BENCHMARK(ReadBytesOnly)->Unit(benchmark::kMillisecond);

}  // namespace
