#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "playlist/list_commands.h"
#include "playlist/list_fixture.h"
#include "playlist/list_layout.h"

namespace zuk {
namespace {

using test::Entries;
using test::ListFixture;

const Entries kFive = {"/m/a.avi", "/m/b.avi", "/m/c.avi", "/m/d.avi", "/m/e.avi"};

TEST(ListCommands, DeleteCommandsRemoveByTheirTestAndRefreshTheCount) {
    struct Case {
        const char* name;
        std::function<void(ListWindow&)> command;
        Entries left;
        std::vector<int> selectedLeft;
    } cases[] = {
        {"selected",
         [](ListWindow& w) { w.mnuDeleteSelected.click(); },
         {"/m/b.avi", "/m/d.avi"},
         {}},
        {"Delete key", [](ListWindow& w) { w.deleteKey(); }, {"/m/b.avi", "/m/d.avi"}, {}},
        {"unselected",
         [](ListWindow& w) { w.mnuDeleteUnselected.click(); },
         {"/m/a.avi", "/m/c.avi", "/m/e.avi"},
         {0, 1, 2}},
        {"all (Ctrl+A)", [](ListWindow& w) { w.mnuDeleteAll.click(); }, {}, {}},
    };
    for (const Case& c : cases) {
        ListFixture t(kFive);
        t.select({0, 2, 4});
        c.command(t.w);
        EXPECT_EQ(t.list.texts(), c.left) << c.name;
        EXPECT_EQ(t.f.main().Label4.caption(), "/" + std::to_string(c.left.size())) << c.name;
        EXPECT_EQ(t.selected(), c.selectedLeft) << c.name;
    }
}

TEST(ListCommands, DeleteDeadFilesKeepsOnlyFilesThatOpen) {
    ListFixture t;
    const std::string live = t.f.dir.write("live.avi", "x");
    const std::string folder = t.f.dir.path() + "folder";
    std::filesystem::create_directory(folder);
    t.list.addMany({"", live, t.f.dir.file("gone.avi"), folder, "http://host/a.mp3", live});
    t.w.mnuDeleteDeadfile.click();
    EXPECT_EQ(t.list.texts(), (Entries{live, live}));
    EXPECT_EQ(t.f.main().Label4.caption(), "/2");
}

TEST(ListCommands, DeletingLeavesThePositionToTheClamp) {
    struct Case {
        int count;
        const char* before;
        const char* after;
    } cases[] = {{5, "5", "1"}, {5, "4", "4"}, {5, "6", "1"}, {0, "1", "1"}, {0, "3", "1"}};
    for (const Case& c : cases) {
        ListFixture t(Entries(kFive.begin(), kFive.begin() + c.count));
        t.f.main().Text2.setText(c.before);
        ListRefresh(*t.f.program);
        EXPECT_EQ(t.f.main().Text2.text(), c.after) << c.count << " " << c.before;
        EXPECT_EQ(t.f.main().Label4.caption(), "/" + std::to_string(c.count));
    }
    // Deleting entries before the playing one does not follow it: position 3 now names "/m/d".
    ListFixture t(kFive);
    t.f.main().Text2.setText("3");
    t.select({0});
    t.w.mnuDeleteSelected.click();
    EXPECT_EQ(t.f.main().Text2.text(), "3");
    EXPECT_EQ(t.list.text(2), "/m/d.avi");
    t.select({1});
    t.w.deleteKey();  // three left: position 3 is the count
    EXPECT_EQ(t.f.main().Text2.text(), "1");
}

TEST(ListCommands, SelectAllNoneAndInvert) {
    ListFixture t(kFive);
    t.select({1, 3});
    t.w.mnuSelectChange.click();
    EXPECT_EQ(t.selected(), (std::vector<int>{0, 2, 4}));
    t.w.mnuSelectAll.click();
    EXPECT_EQ(t.selected().size(), 5u);
    t.w.mnuSelectChange.click();
    EXPECT_TRUE(t.selected().empty());
    t.w.mnuSelectChange.click();
    EXPECT_EQ(t.selected().size(), 5u);
    t.w.mnuSelectUnselect.click();
    EXPECT_TRUE(t.selected().empty());
    EXPECT_EQ(t.list.texts(), kFive);
}

TEST(ListCommands, CommandsOnAnEmptyListChangeNothing) {
    ListFixture t;
    t.f.main().Text2.setText("1");
    for (MenuItem* item : {&t.w.mnuSelectAll, &t.w.mnuSelectChange, &t.w.mnuSelectUnselect,
                           &t.w.mnuUp, &t.w.mnuDown, &t.w.mnuDeleteSelected,
                           &t.w.mnuDeleteUnselected, &t.w.mnuDeleteAll, &t.w.mnuDeleteDeadfile})
        item->click();
    t.w.deleteKey();
    EXPECT_TRUE(t.list.empty());
    EXPECT_EQ(t.list.currentIndex(), -1);
    EXPECT_EQ(t.f.main().Label4.caption(), "/0");
    EXPECT_EQ(t.f.main().Text2.text(), "1");
}

TEST(ListCommands, MovesOnlyTheSelectedCurrentEntryAndNotPastTheEnds) {
    struct Case {
        const char* name;
        int current;
        std::vector<int> selected;
        int step;  // -1 up, +1 down
        Entries order;
        std::vector<int> selectedAfter;
        int currentAfter;
    } cases[] = {
        {"up", 2, {2}, -1, {"a", "c", "b", "d"}, {1}, 1},
        {"down", 1, {1}, +1, {"a", "c", "b", "d"}, {2}, 2},
        {"up on the first", 0, {0}, -1, {"a", "b", "c", "d"}, {0}, 0},
        {"down on the last", 3, {3}, +1, {"a", "b", "c", "d"}, {3}, 3},
        {"current not selected", 2, {1}, -1, {"a", "b", "c", "d"}, {1}, 2},
        {"no current entry", -1, {1}, -1, {"a", "b", "c", "d"}, {1}, -1},
        // Only the current entry moves; the others keep their places (and flags).
        {"several selected", 3, {0, 1, 3}, -1, {"a", "b", "d", "c"}, {0, 1, 2}, 2},
    };
    for (const Case& c : cases) {
        ListFixture t({"a", "b", "c", "d"});
        for (int i : c.selected) t.list.setSelected(i, true);
        t.list.setCurrentIndex(c.current);
        (c.step < 0 ? t.w.mnuUp : t.w.mnuDown).click();
        EXPECT_EQ(t.list.texts(), c.order) << c.name;
        EXPECT_EQ(t.selected(), c.selectedAfter) << c.name;
        EXPECT_EQ(t.list.currentIndex(), c.currentAfter) << c.name;
    }
    // The current entry follows the move, so a second command moves it on.
    ListFixture t({"a", "b", "c", "d"});
    t.select({3});
    t.list.setCurrentIndex(3);
    t.f.main().Text2.setText("2");
    for (int i = 0; i < 5; ++i) t.w.mnuUp.click();
    EXPECT_EQ(t.list.texts(), (Entries{"d", "a", "b", "c"}));
    EXPECT_EQ(t.f.main().Text2.text(), "2");  // moves leave the position alone
}

TEST(ListCommands, DoubleClickPlaysTheCurrentEntryFromTheFirstSelectedPosition) {
    ListFixture t(kFive);
    t.select({2});
    t.list.setCurrentIndex(2);
    t.list.doubleClick();
    EXPECT_EQ(t.f.player.file, "/m/c.avi");
    EXPECT_EQ(t.f.main().Text2.text(), "3");
    EXPECT_EQ(t.selected(), (std::vector<int>{2}));
    EXPECT_TRUE(t.f.main().ScreenTime.enabled());
}

TEST(ListCommands, MenuButtonsPopUpTheirMenusForAnyMouseButton) {
    ListFixture t;
    std::vector<const MenuItem*> popped;
    const Subscription s = t.w.observePopups([&](MenuItem& m) { popped.push_back(&m); });
    for (Button* b : {&t.w.Command1, &t.w.Command2, &t.w.Command3, &t.w.Command4}) {
        b->click();  // a click by itself (the keyboard) pops up nothing
        b->mouseDown({});
    }
    EXPECT_EQ(popped, (std::vector<const MenuItem*>{&t.w.mnuAdd, &t.w.mnuDelete, &t.w.mnuSelect,
                                                    &t.w.mnuList}));
}

TEST(ListCommands, ResizeSnapsToTheSmallestSizeAndLaysOutTheWindow) {
    struct Case {
        int width, height;
        int snappedWidth, snappedHeight;
    } cases[] = {
        {5805, 6090, 5805, 6090},  // the first size
        {9000, 8000, 9000, 8000}, {1000, 800, 5805, 1900},
        {5805, 1900, 5805, 1900}, {5806, 1901, 5806, 1901},
    };
    for (const Case& c : cases) {
        ListFixture t;
        t.w.resize(c.width, c.height);
        EXPECT_EQ(t.w.width(), c.snappedWidth);
        EXPECT_EQ(t.w.height(), c.snappedHeight);
        EXPECT_EQ(t.list.geometry(),
                  (TwipsRect{120, 120, c.snappedWidth - 380, c.snappedHeight - 1600}));
        EXPECT_EQ(t.w.Frame1.geometry(), (TwipsRect{(c.snappedWidth - 5415) / 2 - 100,
                                                    c.snappedHeight - 1500, 5415, 735}));
    }
}

TEST(ListCommands, LoadTakesTheSliderRangeFromAnOpenFile) {
    struct Case {
        const char* file;
        double duration;
        int max;
    } cases[] = {{"", 99, 1000},
                 {"/m/a.avi", 2.5, 2},
                 {"/m/a.avi", 3.5, 4},
                 {"/m/a.avi", 61.2, 61},
                 {"/m/a.avi", 1e300, 1000}};
    for (const Case& c : cases) {
        ListFixture t;
        t.f.player.file = c.file;
        t.f.player.length = c.duration;
        ListWindowLoad(*t.f.program);
        EXPECT_EQ(t.w.Slider1.range().max, c.max) << c.duration;
        EXPECT_EQ(t.list.horizontalExtent(), 600);
    }
}

TEST(ListCommands, DropsAddInOrderWithoutClearingOrPlaying) {
    ListFixture t({"/m/old.avi"});
    const std::string a = t.f.dir.write("a.avi", "x");
    const std::string list = t.f.dir.write("l.m3u", "/m/1.avi\r\n/m/2.avi");
    const std::string upper = t.f.dir.write("u.M3U", "/m/never.avi\r\n");
    t.w.onDrop({upper, list, a});
    EXPECT_EQ(t.list.texts(), (Entries{"/m/old.avi", upper, "/m/1.avi", "/m/2.avi", a}));
    EXPECT_EQ(t.f.main().Label4.caption(), "/5");
    EXPECT_EQ(t.f.main().Check1.value(), 1);
    EXPECT_TRUE(t.f.player.calls("setFileName").empty());
}

TEST(ListCommands, AddsBeyondTheCapacityAddWhatFitsAndStop) {
    ListFixture t(Entries(ListBox::kMaxEntries - 2, "/m/x.avi"));
    const std::string a = t.f.dir.write("a.avi", "x");
    const std::string list = t.f.dir.write("l.zul", "/m/1.avi\r\n/m/2.avi\r\n/m/3.avi\r\n");
    t.w.onDrop({a, list, a});
    EXPECT_EQ(t.list.count(), ListBox::kMaxEntries);
    EXPECT_EQ(t.list.text(ListBox::kMaxEntries - 2), a);
    EXPECT_EQ(t.list.text(ListBox::kMaxEntries - 1), "/m/1.avi");
    EXPECT_EQ(t.f.main().Label4.caption(), "/32767");
    EXPECT_TRUE(t.f.dialogs.messages.empty());
}

}  // namespace
}  // namespace zuk
