// Reading clip information: 10,000 small tagged files and one 200 MB RIFF-MP3 file, each next
// to the physical limit of the same run (open the file and read its 64-byte head and 136-byte
// tail). For the large file also the cost of reading every byte once, and the region read
// whole into memory as a peer for peak memory. Peak memory is the rise of the resident set's
// high-water mark over the benchmark (reset before it), in kB.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "playback/media_info.h"
#include "support/media_bytes.h"

namespace {

using namespace zuk::test;

constexpr int kSmallFiles = 10'000;
constexpr std::size_t kLargeAudioBytes = 200u << 20;
constexpr std::size_t kChunk = 1u << 20;

long StatusKb(std::string_view key) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with(key)) return std::atol(line.c_str() + key.size());
    return -1;
}

// Resets the resident set's high-water mark and gives its rise since then.
class PeakMemory {
  public:
    PeakMemory() {
        std::ofstream("/proc/self/clear_refs") << "5";
        start_ = StatusKb("VmRSS:");
    }
    double riseKb() const { return static_cast<double>(StatusKb("VmHWM:") - start_); }

  private:
    long start_;
};

// The test media, made once in a temporary folder and removed at exit.
struct Media {
    std::filesystem::path folder;
    std::vector<std::string> small;
    std::string large;
    zuk::MediaInfo largeInfo{"Large title", "Large artist", "Large album", "Large comment"};

    Media() {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/zuk-bench-XXXXXX";
        folder = ::mkdtemp(pattern.data());
        for (int i = 0; i < kSmallFiles; ++i) small.push_back(writeSmall(i));
        large = writeLarge();
    }
    ~Media() { std::filesystem::remove_all(folder); }

    static const Media& get() {
        static const Media media;
        return media;
    }

    // WAVE, RIFF-MP3 and MP3 with an ID3 version 1 tag in turn, 0.5 to 2 kB each.
    std::string writeSmall(int i) const {
        const std::string n = std::to_string(i);
        const std::string entries = Info(Entry("INAM", "Title " + n) + Entry("IART", "Artist") +
                                         Entry("IPRD", "Album") + Entry("ICMT", "Comment " + n));
        std::string bytes;
        switch (i % 3) {
            case 0:
                bytes = Wave(entries + EndForInfo(), "data", 1000);
                break;
            case 1:
                bytes = Riff("RMP3",
                             "data" + Le32(1500) + std::string(1500, 'U') + entries + EndForInfo());
                break;
            default:
                bytes = Mp3(Id3v1("Title " + n, "Artist", "Album", "Comment " + n), 800);
        }
        return write("small" + n, bytes);
    }

    // 200 MB of noise as audio (every byte value occurs, as in compressed audio), the INFO list
    // at the end: the whole region has to be scanned.
    std::string writeLarge() const {
        const std::string path = (folder / "large.rmp").string();
        std::ofstream out(path, std::ios::binary);
        const std::string entries =
            Info(Entry("INAM", largeInfo.Title) + Entry("IART", largeInfo.Artist) +
                 Entry("IPRD", largeInfo.Album) + Entry("ICMT", largeInfo.Comment)) +
            EndForInfo();
        out << "RIFF" << Le32(static_cast<std::uint32_t>(12 + kLargeAudioBytes + entries.size()))
            << "RMP3"
            << "data" << Le32(kLargeAudioBytes);
        std::string chunk(kChunk, '\0');
        std::uint64_t state = 0x9E3779B97F4A7C15u;
        for (std::size_t written = 0; written < kLargeAudioBytes; written += kChunk) {
            for (char& c : chunk) {
                state ^= state << 13, state ^= state >> 7, state ^= state << 17;
                c = static_cast<char>(state >> 24);
            }
            out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        }
        out << entries;
        return path;
    }

    std::string write(const std::string& name, const std::string& bytes) const {
        const std::string path = (folder / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
};

void ReportFiles(benchmark::State& state, std::size_t files, const PeakMemory& peak) {
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * files));
    state.counters["peak_rss_rise_kB"] = peak.riseKb();
}

// The physical limit: open, size, the 64-byte head, the 136-byte tail, close.
bool OpenRead200Bytes(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st {};
    std::array<char, 136> buffer;
    const bool ok = fd >= 0 && ::fstat(fd, &st) == 0 && ::pread(fd, buffer.data(), 64, 0) == 64 &&
                    ::pread(fd, buffer.data(), 136, st.st_size - 136) == 136;
    if (fd >= 0) ::close(fd);
    benchmark::DoNotOptimize(buffer);
    return ok;
}

void BM_SmallFiles_ReadMediaInfo(benchmark::State& state) {
    const Media& media = Media::get();
    const PeakMemory peak;
    for (auto _ : state)
        for (const std::string& path : media.small)
            benchmark::DoNotOptimize(zuk::ReadMediaInfo(path));
    if (zuk::ReadMediaInfo(media.small[1]).Comment != "Comment 1")
        state.SkipWithError("wrong result");
    ReportFiles(state, media.small.size(), peak);
}

void BM_SmallFiles_OpenRead200Bytes(benchmark::State& state) {
    const Media& media = Media::get();
    const PeakMemory peak;
    for (auto _ : state)
        for (const std::string& path : media.small)
            if (!OpenRead200Bytes(path)) state.SkipWithError("read failed");
    ReportFiles(state, media.small.size(), peak);
}

void BM_LargeRiffMp3_ReadMediaInfo(benchmark::State& state) {
    const Media& media = Media::get();
    const PeakMemory peak;
    for (auto _ : state) benchmark::DoNotOptimize(zuk::ReadMediaInfo(media.large));
    if (!(zuk::ReadMediaInfo(media.large) == media.largeInfo)) state.SkipWithError("wrong result");
    ReportFiles(state, 1, peak);
}

void BM_LargeRiffMp3_OpenRead200Bytes(benchmark::State& state) {
    const Media& media = Media::get();
    const PeakMemory peak;
    for (auto _ : state)
        if (!OpenRead200Bytes(media.large)) state.SkipWithError("read failed");
    ReportFiles(state, 1, peak);
}

// The limit of any reader that must look at every byte of the region: reading them once.
void BM_LargeRiffMp3_ReadEveryByte(benchmark::State& state) {
    const Media& media = Media::get();
    const PeakMemory peak;
    std::vector<char> block(64 * 1024);
    for (auto _ : state) {
        const int fd = ::open(media.large.c_str(), O_RDONLY | O_CLOEXEC);
        while (::read(fd, block.data(), block.size()) > 0) benchmark::DoNotOptimize(block.data());
        ::close(fd);
    }
    ReportFiles(state, 1, peak);
}

// The peer for memory: the region (all but the first 20 bytes) read whole, then searched.
void BM_LargeRiffMp3_RegionInMemory(benchmark::State& state) {
    const Media& media = Media::get();
    const PeakMemory peak;
    for (auto _ : state) {
        std::ifstream in(media.large, std::ios::binary);
        in.seekg(20);
        std::string region(std::filesystem::file_size(media.large) - 20, '\0');
        in.read(region.data(), static_cast<std::streamsize>(region.size()));
        for (const char* id : {"INAM", "IART", "IPRD", "ICMT"})
            benchmark::DoNotOptimize(region.find(id));
    }
    ReportFiles(state, 1, peak);
}

}  // namespace

BENCHMARK(BM_SmallFiles_ReadMediaInfo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SmallFiles_OpenRead200Bytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LargeRiffMp3_ReadMediaInfo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LargeRiffMp3_OpenRead200Bytes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LargeRiffMp3_ReadEveryByte)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LargeRiffMp3_RegionInMemory)->Unit(benchmark::kMillisecond);
