// The main window's widgets on Qt's offscreen platform: they show the models and turn the
// user's actions into the models' setters. ZUK_SHOT=<file.png> saves a picture of the window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <cstdlib>

#include "platform/qt/main_window_view.h"
#include "platform/qt/qt_platform.h"
#include "player/main_window.h"
#include "qt/offscreen_app.h"

namespace zuk {
namespace {

struct MainView : ::testing::Test {
    QApplication& app = test::OffscreenApp();
    MainWindow model;
    QtWindowOps ops;
    QWidget* player = new QWidget;
    MainWindowView view{model, player, ops};
};

TEST_F(MainView, ShowsTheGroupsWithTheirCaptionsOnceVisible) {
    for (Frame* f : {&model.Frame1, &model.Frame2, &model.Frame3, &model.Frame4, &model.Frame5})
        f->setVisible(true);
    model.setWidth(7000);
    model.setHeight(5910);
    model.show();
    QApplication::processEvents();
    for (const char* caption : {"標準(&1)", "ﾌﾙｽｸﾘｰﾝ(&F)", "ﾘｽﾄ再生(&L)", "&Rnd", "音量(&S)"})
        EXPECT_NE(test::FindByText<QAbstractButton>(view, QString::fromUtf8(caption)), nullptr)
            << caption;
    EXPECT_NE(test::FindByText<QLabel>(view, "100%"), nullptr);
    if (const char* shot = std::getenv("ZUK_SHOT")) view.grab().save(shot);
}

TEST_F(MainView, WidgetsDriveTheModelsAndFollowThem) {
    int clicks = 0;
    model.Check5.onClick = [&] { ++clicks; };
    QCheckBox* random = static_cast<QCheckBox*>(test::FindByText<QAbstractButton>(view, "&Rnd"));
    ASSERT_NE(random, nullptr);
    random->click();
    EXPECT_EQ(model.Check5.value(), 1);
    EXPECT_EQ(clicks, 1);
    model.Check5.setValue(0);  // the model's change shows without feeding back
    EXPECT_FALSE(random->isChecked());
    EXPECT_EQ(clicks, 2);

    auto* twice = static_cast<QRadioButton*>(
        test::FindByText<QAbstractButton>(view, QString::fromUtf8("2倍(&2)")));
    ASSERT_NE(twice, nullptr);
    twice->click();
    EXPECT_TRUE(model.Option2.value());
    EXPECT_FALSE(model.Option1.value());

    model.Slider3.setValue(-1200);
    bool found = false;
    for (QSlider* s : view.findChildren<QSlider*>())
        found = found || (s->minimum() == -2500 && s->value() == -1200);
    EXPECT_TRUE(found);
}

}  // namespace
}  // namespace zuk
