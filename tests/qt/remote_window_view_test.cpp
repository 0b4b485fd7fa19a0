#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "platform/qt/qt_platform.h"
#include "platform/qt/remote_window_view.h"
#include "qt/offscreen_app.h"
#include "remote/remote_window.h"

namespace zuk {
namespace {

TEST(RemoteView, CtrlPressGoesToTheModelAndNeverClicks) {
    QApplication& app = test::OffscreenApp();
    RemoteWindow model;
    QtWindowOps ops;
    RemoteWindowView view(model, ops);
    int clicks = 0;
    std::vector<bool> presses;  // Ctrl held at each press
    model.Command1[1].onClick = [&] { ++clicks; };
    model.Command1[1].onMouseDown = [&](KeyModifiers m) {
        presses.push_back(m.onlyCtrl());
        return m.onlyCtrl();
    };
    model.show();
    app.processEvents();
    QPushButton* ten = test::FindByText<QPushButton>(view, "10");
    ASSERT_NE(ten, nullptr);
    QTest::mouseClick(ten, Qt::LeftButton, Qt::ControlModifier);
    QTest::mouseClick(ten, Qt::LeftButton);
    QTest::mouseClick(ten, Qt::LeftButton, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(presses, (std::vector<bool>{true, false, false}));
    EXPECT_EQ(clicks, 2);
    if (const char* shot = std::getenv("ZUK_SHOT_REMOTE")) view.grab().save(shot);
}

}  // namespace
}  // namespace zuk
