#include <gtest/gtest.h>

#include "controls/check_box.h"
#include "controls/list_box.h"
#include "controls/option_button.h"
#include "controls/slider.h"
#include "controls/text_box.h"
#include "controls/window.h"
#include "support/virtual_clock.h"

namespace zuk {
namespace {

TEST(Controls, HandlersRunOnlyWhenTheValueChanges) {
    int clicks = 0, changes = 0, slides = 0;
    CheckBox check;
    check.onClick = [&] { ++clicks; };
    TextBox text{"1"};
    text.onChange = [&] { ++changes; };
    Slider slider{{-10, 10, 1, 5, 5}, 0};
    slider.onChange = [&] { ++slides; };

    check.setValue(0);
    text.setText("1");
    slider.setValue(0);
    EXPECT_EQ(clicks + changes + slides, 0);

    check.setValue(1);
    check.setValue(5);  // any non-zero value is "ticked": no change
    text.setText("12");
    slider.setValue(99);  // clamped to 10
    slider.setValue(10);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(slides, 1);
    EXPECT_EQ(slider.value(), 10);
}

TEST(Controls, SelectingAnOptionDeselectsItsGroupAndOnlySelectionClicks) {
    OptionGroup group;
    OptionButton a{group, "a", true}, b{group, "b"};
    std::string order;
    a.onClick = [&] { order += "a"; };
    b.onClick = [&] { order += "b"; };

    a.setValue(true);  // already selected
    b.setValue(true);
    EXPECT_FALSE(a.value());
    EXPECT_TRUE(b.value());
    b.setValue(false);  // deselecting runs nothing
    a.setValue(true);
    EXPECT_EQ(order, "ba");
}

TEST(Controls, ObserversSeeChangesUntilTheirSubscriptionEnds) {
    CheckBox check;
    int seen = 0;
    {
        Subscription s = check.observe([&] { ++seen; });
        check.setValue(1);
        check.setCaption("x");
        check.setCaption("x");
    }
    check.setValue(0);
    EXPECT_EQ(seen, 2);
}

TEST(Controls, WindowCloseRequestMayBeCancelled) {
    Window w{"w"};
    bool allow = false;
    int closed = 0;
    w.onCloseRequest = [&] { return allow; };
    w.onClosed = [&] { ++closed; };
    w.show();
    EXPECT_FALSE(w.requestClose());
    EXPECT_TRUE(w.visible());
    allow = true;
    EXPECT_TRUE(w.requestClose());
    EXPECT_TRUE(w.closed());
    EXPECT_FALSE(w.visible());
    EXPECT_EQ(closed, 1);
}

TEST(ListBox, RefusesAddsBeyondItsCapacity) {
    ListBox list;
    std::vector<std::string> many(ListBox::kMaxEntries - 1, "x");
    EXPECT_EQ(list.addMany(many), ListBox::kMaxEntries - 1);
    EXPECT_EQ(list.addMany({"a", "b", "c"}), 1);
    EXPECT_FALSE(list.add("d"));
    EXPECT_EQ(list.count(), ListBox::kMaxEntries);
    EXPECT_EQ(list.text(ListBox::kMaxEntries - 1), "a");
}

TEST(ListBox, RemoveIfKeepsOrderFlagsAndTheCurrentEntry) {
    ListBox list;
    list.addMany({"a", "b", "c", "d", "e"});
    list.setSelected(1, true);
    list.setSelected(3, true);
    list.setCurrentIndex(4);
    std::vector<int> asked;
    list.removeIf([&](int i) {
        asked.push_back(i);
        return i == 0 || i == 2;
    });
    EXPECT_EQ(asked, (std::vector<int>{4, 3, 2, 1, 0}));
    EXPECT_EQ(list.texts(), (std::vector<std::string>{"b", "d", "e"}));
    EXPECT_TRUE(list.selected(0));
    EXPECT_TRUE(list.selected(1));
    EXPECT_FALSE(list.selected(2));
    EXPECT_EQ(list.currentIndex(), 2);
    EXPECT_EQ(list.firstSelected(), 0);

    // Entries ahead of the first removed one keep their texts.
    list.removeIf([](int i) { return i == 2; });
    EXPECT_EQ(list.texts(), (std::vector<std::string>{"b", "d"}));
}

TEST(VirtualClock, FiresTicksInTimeOrderAndRestartsOnEnable) {
    Timer fast{50, true}, slow{120, true}, oneShot{1000, false};
    std::string order;
    fast.onTick = [&] { order += "f"; };
    slow.onTick = [&] { order += "s"; };
    oneShot.onTick = [&] {
        order += "o";
        oneShot.stop();
    };
    test::VirtualClock clock;
    clock.add(fast);
    clock.add(slow);
    clock.add(oneShot);
    clock.advance(250);
    EXPECT_EQ(order, "ffsffsf");  // 50 100 120 150 200 240 250
    order.clear();
    oneShot.start();  // counts from 250: due at 1250
    fast.stop();
    clock.advance(999);
    EXPECT_EQ(order, std::string(8, 's'));  // 360 ... 1200
    clock.advance(1000);
    EXPECT_EQ(order, std::string(8, 's') + "o" + std::string(8, 's'));
}

}  // namespace
}  // namespace zuk
