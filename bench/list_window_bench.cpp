// The list window with a full playlist (32,767 entries) shown in its Qt view: loading a list
// file into it (and the already read entries alone), select all, invert, deleting the selected
// half and deleting dead entries (all of them missing). Each is timed up to the moment the view has
// laid out and painted, and is reported next to the physical limit measured in the same run:
// reading the list file's bytes, and one access() call per entry.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QListView>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/qt/list_window_view.h"
#include "platform/qt/qt_platform.h"
#include "player/program.h"
#include "playlist/list_commands.h"
#include "playlist/list_file.h"
#include "support/fake_player.h"
#include "support/scripted_dialogs.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(const std::function<void()>& work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The best of several runs: the limit is what the machine can do at all.
double BestOf(int runs, const std::function<void()>& work) {
    double best = 1e9;
    for (int i = 0; i < runs; ++i) best = std::min(best, Seconds(work));
    return best;
}

struct Bench {
    std::string folder;
    std::string listFile;
    std::vector<std::string> entries;

    QApplication* app = nullptr;
    zuk::test::FakePlayer player;
    zuk::test::ScriptedDialogs dialogs;
    zuk::test::FakeShell shell;
    zuk::test::FakeWindowOps windowOps;
    zuk::QtWindowOps qtWindowOps;
    zuk::Program program{{player, dialogs, shell, windowOps}, {"/nonexistent/", "/nonexistent/"}};
    zuk::ListWindowView* view = nullptr;
    QListView* listView = nullptr;

    double readLimit = 0;    // reading the list file's bytes
    double accessLimit = 0;  // one access() per entry

    Bench() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zuk-bench-XXXXXX").string();
        folder = ::mkdtemp(pattern.data());
        listFile = folder + "/full.zul";
        // Paths under the bench's own folder that do not exist: every entry is dead.
        for (int i = 0; i < zuk::ListBox::kMaxEntries; ++i)
            entries.push_back(folder + "/Music/Artist " + std::to_string(i % 97) + "/Album/" +
                              std::to_string(i) + " 曲のタイトル.mp3");
        zuk::WriteListFile(listFile, entries);

        static int argc = 1;
        static char arg0[] = "list_window_bench";
        static char* argv[] = {arg0, nullptr};
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        app = new QApplication(argc, argv);
        view = new zuk::ListWindowView(program.List, qtWindowOps);
        listView = view->findChild<QListView*>();
        program.List.show();
        settle();

        readLimit = BestOf(20, [this] { benchmark::DoNotOptimize(zuk::ReadWholeFile(listFile)); });
        accessLimit = BestOf(20, [this] {
            for (const std::string& e : entries)
                benchmark::DoNotOptimize(::access(e.c_str(), R_OK));
        });
    }
    ~Bench() { std::filesystem::remove_all(folder); }

    // What the user waits for: the view's pending layout done and its visible rows painted
    // (both are queued, and run here).
    void settle() { QCoreApplication::processEvents(); }
    void fill() {
        zuk::ListBox& list = program.List.List1;
        list.clear();
        list.addMany(entries);
        zuk::ListRefresh(program);
    }
    void selectEveryOther() {
        program.List.List1.setAllSelected([](int i, bool) { return i % 2 == 0; });
    }
};

Bench& Data() {
    static Bench b;
    return b;
}

// Times command (after prepare, untimed) until the view has settled, and reports the time next
// to the limit: "x_limit" is how many times the limit it took.
void Measure(benchmark::State& state, double limit, const std::function<void()>& prepare,
             const std::function<void()>& command) {
    Bench& b = Data();
    double total = 0;
    for (auto _ : state) {
        prepare();
        b.settle();
        const double t = Seconds([&] {
            command();
            b.settle();
        });
        state.SetIterationTime(t);
        total += t;
    }
    const double mean = total / static_cast<double>(state.iterations());
    state.counters["limit_ms"] = limit * 1e3;
    state.counters["x_limit"] = mean / limit;
}

// The entries, already read (as the reader hands them over), given to the list and shown.
void EntriesIntoView(benchmark::State& state) {
    Bench& b = Data();
    std::vector<std::string> read;
    Measure(
        state, b.readLimit,
        [&b, &read] {
            b.program.List.mnuListNew.click();
            read = b.entries;
        },
        [&b, &read] {
            b.program.List.List1.addMany(std::move(read));
            zuk::ListRefresh(b.program);
        });
}

// The load command: the list file read, split into entries, given to the list and shown.
void LoadIntoView(benchmark::State& state) {
    Bench& b = Data();
    Measure(
        state, b.readLimit,
        [&b] {
            b.program.List.mnuListNew.click();
            b.dialogs.fileAnswers.push_back(b.listFile);
        },
        [&b] { b.program.List.mnuListLoad.click(); });
    if (b.program.List.List1.count() != zuk::ListBox::kMaxEntries)
        state.SkipWithError("short load");
}

void SelectAll(benchmark::State& state) {
    Bench& b = Data();
    b.fill();
    Measure(
        state, b.readLimit, [&b] { b.program.List.mnuSelectUnselect.click(); },
        [&b] { b.program.List.mnuSelectAll.click(); });
}

// From every other entry selected to the others: the most runs a selection can have.
void InvertEveryOther(benchmark::State& state) {
    Bench& b = Data();
    b.fill();
    Measure(
        state, b.readLimit, [&b] { b.selectEveryOther(); },
        [&b] { b.program.List.mnuSelectChange.click(); });
}

void DeleteSelectedHalf(benchmark::State& state) {
    Bench& b = Data();
    Measure(
        state, b.readLimit,
        [&b] {
            b.fill();
            b.selectEveryOther();
        },
        [&b] { b.program.List.mnuDeleteSelected.click(); });
}

void DeleteDeadFiles(benchmark::State& state) {
    Bench& b = Data();
    Measure(
        state, b.accessLimit, [&b] { b.fill(); },
        [&b] { b.program.List.mnuDeleteDeadfile.click(); });
    if (!b.program.List.List1.empty()) state.SkipWithError("dead entries left");
}

// The limits themselves, for the record.
void ReadTheFile(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(zuk::ReadWholeFile(Data().listFile));
}

void AccessEveryEntry(benchmark::State& state) {
    for (auto _ : state)
        for (const std::string& e : Data().entries)
            benchmark::DoNotOptimize(::access(e.c_str(), R_OK));
}

BENCHMARK(ReadTheFile)->Unit(benchmark::kMillisecond);
BENCHMARK(AccessEveryEntry)->Unit(benchmark::kMillisecond);
BENCHMARK(EntriesIntoView)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(LoadIntoView)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(SelectAll)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(InvertEveryOther)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(DeleteSelectedHalf)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(DeleteDeadFiles)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
