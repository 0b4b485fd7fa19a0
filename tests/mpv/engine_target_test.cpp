#include "platform/mpv/engine_target.h"

#include <gtest/gtest.h>

namespace zuk {
namespace {

TEST(EngineTarget, OnlyLocalFilesAndKnownStreamsReachTheEngineAsThemselves) {
    struct Case {
        const char* path;
        const char* target;
    };
    const Case cases[] = {
        {"/music/a.mp3", "/music/a.mp3"},
        {"http://host/a.mp3", "http://host/a.mp3"},
        {"HTTPS://host/a", "HTTPS://host/a"},
        {"rtsp://host/a", "rtsp://host/a"},
        {"mms://host/a", "mms://host/a"},
        // Every other protocol or option-like text is a relative local file name.
        {"edl://a.mp3", "/base/edl://a.mp3"},
        {"av://lavfi:sine", "/base/av://lavfi:sine"},
        {"lavf://file", "/base/lavf://file"},
        {"memory://x", "/base/memory://x"},
        {"concat:a|b", "/base/concat:a|b"},
        {"--loop=inf", "/base/--loop=inf"},
        {"file:///etc/passwd", "/base/file:///etc/passwd"},
        {"song.wav", "/base/song.wav"},
    };
    for (const Case& c : cases) EXPECT_EQ(EngineTarget(c.path, "/base/"), c.target) << c.path;
    EXPECT_EQ(EngineTarget("--x", ""), "./--x");
}

TEST(EngineTarget, RecognisesAsxNamesAndFolders) {
    EXPECT_TRUE(IsAsxName("/t/zuk1.ASX"));
    EXPECT_TRUE(IsAsxName("a.asx"));
    EXPECT_FALSE(IsAsxName("asx"));
    EXPECT_FALSE(IsAsxName("/t/a.asx.wav"));
    EXPECT_EQ(FolderOf("/t/a&b/zuk1.asx"), "/t/a&b/");
    EXPECT_EQ(FolderOf("zuk1.asx"), "");
}

}  // namespace
}  // namespace zuk
