#include <gtest/gtest.h>

#include "platform/qt/qt_platform.h"

namespace zuk {
namespace {

TEST(FileFilters, EveryEntryShowsItsPatternsOnce) {
    const QStringList filters = ToQtFilters(
        "すべてのファイル (*.*)|*.*|TavrinMediaPlayer ファイル |*.wav;*.mp3|"
        "Windows Media Audio ファイル (*.wma;*.asf)|*.wma;*.asf");
    EXPECT_EQ(filters,
              (QStringList{QString::fromUtf8("すべてのファイル (*.*)"),
                           QString::fromUtf8("TavrinMediaPlayer ファイル (*.wav *.mp3)"),
                           QString::fromUtf8("Windows Media Audio ファイル (*.wma *.asf)")}));
}

}  // namespace
}  // namespace zuk
