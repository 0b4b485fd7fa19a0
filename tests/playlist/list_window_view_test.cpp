// The list window's Qt view on the offscreen platform, over a whole program on fakes.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QItemSelectionModel>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <cstdlib>

#include "platform/qt/list_window_view.h"
#include "platform/qt/qt_platform.h"
#include "playlist/list_fixture.h"

namespace zuk {
namespace {

using test::Entries;

QApplication& App() {
    static int argc = 1;
    static char name[] = "list_window_view_test";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        return new QApplication(argc, argv);
    }();
    return *app;
}

Entries Numbered(int n) {
    Entries out;
    for (int i = 0; i < n; ++i) out.push_back("/m/" + std::to_string(i) + ".avi");
    return out;
}

struct ViewFixture : ::testing::Test {
    QApplication& app = App();
    test::ListFixture t{Numbered(50)};
    QtWindowOps windowOps;
    ListWindowView view{t.w, windowOps};
    QListView* listView = view.findChild<QListView*>();

    void SetUp() override {
        t.w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        ASSERT_NE(listView, nullptr);
        view.activateWindow();
        QCoreApplication::processEvents();
    }
    QModelIndex index(int row) const { return listView->model()->index(row, 0); }
    bool onScreen(int row) const {
        const QRect r = listView->visualRect(index(row));
        return r.top() >= 0 && r.bottom() < listView->viewport()->height();
    }
    // The rows painted with the highlight, among those on screen.
    std::vector<int> paintedSelection() const {
        const QImage image = listView->viewport()->grab().toImage();
        const QColor highlight = listView->palette().color(QPalette::Active, QPalette::Highlight);
        std::vector<int> rows;
        for (int i = 0; i < listView->model()->rowCount(); ++i) {
            if (!onScreen(i)) continue;
            const QRect r = listView->visualRect(index(i));
            if (image.pixelColor(r.left() + 1, r.center().y()) == highlight) rows.push_back(i);
        }
        return rows;
    }
    std::vector<int> selectedOnScreen() const {
        std::vector<int> rows;
        for (int i : t.selected())
            if (onScreen(i)) rows.push_back(i);
        return rows;
    }
    void click(int row, Qt::KeyboardModifiers modifiers = {}) {
        listView->scrollTo(index(row));
        QTest::mouseClick(listView->viewport(), Qt::LeftButton, modifiers,
                          listView->visualRect(index(row)).center());
    }
};

TEST_F(ViewFixture, MouseAndKeyboardSelectInTheListBox) {
    using Rows = std::vector<int>;
    click(3);
    EXPECT_EQ(t.selected(), (Rows{3}));
    EXPECT_EQ(t.list.currentIndex(), 3);
    click(6, Qt::ShiftModifier);
    EXPECT_EQ(t.selected(), (Rows{3, 4, 5, 6}));
    click(4, Qt::ShiftModifier);  // the range from the anchor shrinks
    EXPECT_EQ(t.selected(), (Rows{3, 4}));
    click(8, Qt::ControlModifier);
    click(3, Qt::ControlModifier);  // toggles off
    EXPECT_EQ(t.selected(), (Rows{4, 8}));
    EXPECT_EQ(t.list.currentIndex(), 3);
    click(8);  // a click on a selected entry keeps it alone
    EXPECT_EQ(t.selected(), (Rows{8}));

    // A drag from entry 1 to entry 5.
    QTest::mousePress(listView->viewport(), Qt::LeftButton, {},
                      listView->visualRect(index(1)).center());
    QMouseEvent move(
        QEvent::MouseMove, QPointF(listView->visualRect(index(5)).center()),
        listView->viewport()->mapToGlobal(QPointF(listView->visualRect(index(5)).center())),
        Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(listView->viewport(), &move);
    QTest::mouseRelease(listView->viewport(), Qt::LeftButton, {},
                        listView->visualRect(index(5)).center());
    EXPECT_EQ(t.selected(), (Rows{1, 2, 3, 4, 5}));

    // Keys: Down selects the next entry alone, Shift+Down extends, Ctrl+Space toggles.
    QTest::keyClick(listView, Qt::Key_Down);
    EXPECT_EQ(t.selected(), (Rows{6}));
    QTest::keyClick(listView, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(listView, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(t.selected(), (Rows{6, 7, 8}));
    QTest::keyClick(listView, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(t.selected(), (Rows{6, 7}));
    EXPECT_EQ(t.list.currentIndex(), 8);
    EXPECT_EQ(paintedSelection(), selectedOnScreen());
}

TEST_F(ViewFixture, CommandsOnTheListBoxShowInTheView) {
    t.select({1, 2, 7});
    EXPECT_EQ(paintedSelection(), (std::vector<int>{1, 2, 7}));
    t.w.mnuSelectChange.click();
    EXPECT_EQ(paintedSelection(), selectedOnScreen());
    EXPECT_EQ(t.selected().size(), 47u);
    t.w.mnuSelectUnselect.click();
    t.select({0, 2, 4});
    t.w.mnuDeleteSelected.click();
    EXPECT_EQ(listView->model()->rowCount(), 47);
    EXPECT_EQ(index(0).data().toString(), "/m/1.avi");
    EXPECT_TRUE(paintedSelection().empty());

    // A move: the view follows the entry, its selection and the current item.
    t.list.setSelected(5, true);
    t.list.setCurrentIndex(5);
    const QString moved = index(5).data().toString();
    t.w.mnuUp.click();
    EXPECT_EQ(index(4).data().toString(), moved);
    EXPECT_EQ(paintedSelection(), (std::vector<int>{4}));
    EXPECT_EQ(listView->currentIndex().row(), 4);
    EXPECT_EQ(t.list.currentIndex(), 4);

    // Rows removed around the current one: the list box's current entry stands.
    t.list.remove(0);
    EXPECT_EQ(listView->currentIndex().row(), t.list.currentIndex());
    t.list.remove(t.list.currentIndex());
    EXPECT_EQ(listView->currentIndex().row(), t.list.currentIndex());

    t.w.mnuDeleteAll.click();
    EXPECT_EQ(listView->model()->rowCount(), 0);
    EXPECT_EQ(t.list.currentIndex(), -1);
    t.list.addMany({"/m/new.avi"});
    EXPECT_EQ(index(0).data().toString(), "/m/new.avi");
}

TEST_F(ViewFixture, LongPathsScrollSideways) {
    EXPECT_GE(listView->sizeHintForIndex(index(0)).width(), 600);
    t.list.add("/m/" + std::string(300, 'x') + ".avi");
    QCoreApplication::processEvents();
    const int wide = listView->fontMetrics().horizontalAdvance(QString(300, 'x'));
    EXPECT_GE(listView->sizeHintForIndex(index(50)).width(), wide);
    EXPECT_EQ(listView->sizeHintForIndex(index(0)), listView->sizeHintForIndex(index(50)));
    EXPECT_GE(listView->horizontalScrollBar()->maximum(), wide - listView->viewport()->width());
}

TEST_F(ViewFixture, DoubleClickPlaysTheEntryThroughTheModel) {
    click(7);  // a double-click's first press selects the entry
    QTest::mouseDClick(listView->viewport(), Qt::LeftButton, {},
                       listView->visualRect(index(7)).center());
    EXPECT_EQ(t.f.player.file, "/m/7.avi");
    EXPECT_EQ(t.f.main().Text2.text(), "8");
    EXPECT_EQ(t.selected(), (std::vector<int>{7}));
    EXPECT_EQ(paintedSelection(), (std::vector<int>{7}));
}

TEST_F(ViewFixture, KeysAndMenuButtons) {
    click(2);
    QTest::keyClick(listView, Qt::Key_Delete);
    EXPECT_EQ(t.list.count(), 49);
    EXPECT_EQ(t.f.main().Label4.caption(), "/49");
    // Ctrl+W selects all; Ctrl+A is the menu's delete-all, not the list's select-all.
    QTest::keyClick(listView, Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(t.selected().size(), 49u);
    QTest::keyClick(listView, Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(t.list.empty());

    QPushButton* deleteButton = nullptr;
    for (QPushButton* b : view.findChildren<QPushButton*>())
        if (b->text() == "&Delete File") deleteButton = b;
    ASSERT_NE(deleteButton, nullptr);
    QTest::mouseClick(deleteButton, Qt::RightButton);
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(popup, nullptr);
    ASSERT_EQ(popup->actions().size(), 4);
    EXPECT_EQ(popup->actions()[0]->text().toStdString(), "選択範囲(&M)");
    popup->close();
}

TEST_F(ViewFixture, TheWholeWindowTakesFileDrops) {
    // Qt hands a drop to the nearest widget that takes drops: none below the window may.
    EXPECT_TRUE(view.acceptDrops());
    for (QWidget* w : view.findChildren<QWidget*>())
        EXPECT_FALSE(w->acceptDrops()) << w->metaObject()->className();
}

}  // namespace
}  // namespace zuk
