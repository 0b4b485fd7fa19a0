#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "platform/qt/folda_set_view.h"
#include "platform/qt/qt_platform.h"
#include "playlist/folda_set_window.h"
#include "qt/offscreen_app.h"

namespace zuk {
namespace {

TEST(FoldaSetView, EnterInTheTextBoxGoesToTheModel) {
    QApplication& app = test::OffscreenApp();
    FoldaSetWindow model;
    QtWindowOps ops;
    FoldaSetWindowView view(model, ops);
    int enters = 0;
    model.Text1.onEnter = [&] { ++enters; };
    model.List1.addMany({"wav", "mp3"});
    model.show();
    app.processEvents();
    auto* text = view.findChild<QLineEdit*>();
    ASSERT_NE(text, nullptr);
    QTest::keyClicks(text, "ogg");
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(model.Text1.text(), "ogg");
    EXPECT_EQ(enters, 1);
    EXPECT_TRUE(model.visible());  // Enter does not close the window
    if (const char* shot = std::getenv("ZUK_SHOT_FOLDASET")) view.grab().save(shot);
}

}  // namespace
}  // namespace zuk
