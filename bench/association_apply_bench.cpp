// bindra's "設定" on the user's classes.reg: every registry write is saved (locked, written to
// a temporary file, synced and renamed) as it happens, as on the Windows registry. Measured
// next to its peer, a single save of the same final file, the cost below which no durable
// store can go: their ratio is what writing through costs.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "assoc/registry_writer.h"
#include "platform/classes_registry.h"
#include "platform/files.h"
#include "platform/registry_file.h"

namespace {

constexpr std::array<const char*, 20> kExtensions = {
    ".wav", ".aif", ".aiff", ".snd", ".au", ".avi", ".mov", ".mpg", ".mpe", ".mpeg",
    ".dat", ".mp3", ".mp2",  ".ra",  ".rm", ".rv",  ".ram", ".wma", ".asf", ".zul"};

struct Fixture {
    std::string folder;
    std::string file;
    zuk::SystemFileTypes types;
    std::vector<zuk::ExtensionChoice> all;

    Fixture() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zuk-bench-XXXXXX").string();
        folder = ::mkdtemp(pattern.data());
        file = folder + "/classes.reg";
        for (const char* e : kExtensions) {
            all.push_back({e, true});
            // The system knows a type for all but three, as Debian's table does.
            if (std::string_view(e) != ".dat" && std::string_view(e) != ".rv" &&
                std::string_view(e) != ".zul")
                types.emplace(e, std::string("type/") + (e + 1));
        }
    }
    ~Fixture() { std::filesystem::remove_all(folder); }

    // One run of the tool: a fresh store on the file, every extension linked.
    void apply() const {
        zuk::RegistryFile store(file, {});
        zuk::ClassesRegistry registry(store, types);
        zuk::ApplyAssociations(registry, "/opt/tavrin/", all);
    }
};

Fixture& Data() {
    static Fixture f;
    return f;
}

void FirstApplyOfAllTwenty(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(Data().file);
        state.ResumeTiming();
        Data().apply();
    }
}
BENCHMARK(FirstApplyOfAllTwenty)->Unit(benchmark::kMillisecond);

// The same choice again: everything is read, nothing changes, nothing is saved.
void RepeatedApply(benchmark::State& state) {
    Data().apply();
    for (auto _ : state) Data().apply();
}
BENCHMARK(RepeatedApply)->Unit(benchmark::kMillisecond);

// The peer: the final file saved once.
void SingleSaveOfTheResult(benchmark::State& state) {
    Data().apply();
    const std::string text = zuk::ReadWholeFile(Data().file).value_or("");
    const std::string out = Data().folder + "/copy.reg";
    for (auto _ : state) benchmark::DoNotOptimize(zuk::WriteFileAtomically(out, text));
}
BENCHMARK(SingleSaveOfTheResult)->Unit(benchmark::kMillisecond);

}  // namespace
