#include "ScriptedMessageBoxes.h"
#include "TestSettings.h"
#include "app/MainHitTest.h"
#include "app/MainScreenPainter.h"
#include "app/MainScreenState.h"
#include "db/DbConnection.h"
#include "db/StatementRunner.h"
#include "groups/GroupData.h"
#include "records/Company.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace parvela;
using app::MainAction;
using app::MainButton;

namespace {

QPoint centre(const records::Rect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// The main screen painted into an image, with lists that a test fills.
class MainScreenTest : public ::testing::Test {
protected:
    void fillA(int count) {
        for (int i = 0; i < count; ++i) {
            groups::GroupA group;
            group.acode = 3331 + i;
            group.wideName = QStringLiteral("Grup %1").arg(i + 1);
            m_groups.screenA().push_back(group);
        }
    }

    void paint() {
        QImage image(1280, 800, QImage::Format_RGB32);
        QPainter painter(&image);
        app::MainScreenContent content{m_groups, m_branches, 89};
        app::paintMainScreen(painter, image.size(), m_state, content, m_arrows);
        m_image = image;
    }

    app::MainHit click(QPoint point) const {
        return app::hitMainClick(point, m_state, m_groups, m_branches);
    }

    test::TestSettings m_settings{{{QStringLiteral("Server/ipno"), QStringLiteral("127.0.0.2")}}};
    db::DbConnection m_connection{m_settings};
    test::ScriptedMessageBoxes m_boxes;
    db::StatementRunner m_runner{m_connection, m_boxes};
    groups::GroupData m_groups{m_runner};
    std::vector<records::Branch> m_branches;
    app::MainScreenState m_state;
    app::ArrowPictures m_arrows{QImage(180, 28, QImage::Format_ARGB32),
                                QImage(180, 28, QImage::Format_ARGB32)};
    QImage m_image;
};

} // namespace

TEST_F(MainScreenTest, everyButtonDispatchesItsOwnAction) {
    fillA(11);
    // Long B and C lists on their second page keep their rows clear of
    // the buttons below them.
    m_groups.screenB().resize(17);
    m_groups.screenC().resize(17);
    m_state.pageB = 2;
    m_state.pageC = 2;
    // Wide enough that the buttons anchored to the right keep off the C list.
    m_state.desktopRight = 1600;
    paint();
    const std::pair<MainButton, MainAction> buttons[] = {
        {MainButton::Hepsi, MainAction::Hepsi},
        {MainButton::SubelereGonder, MainAction::SubelereGonder},
        {MainButton::YayinGecmisi, MainAction::YayinGecmisi},
        {MainButton::GeriAl, MainAction::GeriAl},
        {MainButton::ConvertTurkishChars, MainAction::ConvertTurkishChars},
        {MainButton::MenuyuOlustur, MainAction::MenuyuOlustur},
        {MainButton::YemekSepetiMenu, MainAction::YemekSepetiMenu},
        {MainButton::Teraziler, MainAction::Teraziler},
        {MainButton::TeraziyeGonder, MainAction::TeraziyeGonder},
        {MainButton::DisaVerTartilan, MainAction::DisaVerTartilan},
        {MainButton::MenuSiralamasi, MainAction::MenuSiralamasi},
        {MainButton::UrunSiralamasi, MainAction::UrunSiralamasi},
        {MainButton::TumIndexiSil, MainAction::TumIndexiSil},
        {MainButton::Tabledot3, MainAction::Tabledot3},
        {MainButton::Tabledot4, MainAction::Tabledot4},
        {MainButton::AddA, MainAction::AddA},
        {MainButton::GroupTypeA, MainAction::GroupTypeA},
        {MainButton::ProductsA, MainAction::ProductsA},
        {MainButton::SettingsA, MainAction::SettingsA},
        {MainButton::DeleteA, MainAction::DeleteA},
        {MainButton::AddB, MainAction::AddB},
        {MainButton::GroupTypeB, MainAction::GroupTypeB},
        {MainButton::ProductsB, MainAction::ProductsB},
        {MainButton::SettingsB, MainAction::SettingsB},
        {MainButton::DeleteB, MainAction::DeleteB},
        {MainButton::AddC, MainAction::AddC},
        {MainButton::GroupTypeC, MainAction::GroupTypeC},
        {MainButton::ProductsC, MainAction::ProductsC},
        {MainButton::SettingsC, MainAction::SettingsC},
        {MainButton::DeleteC, MainAction::DeleteC},
    };
    for (const auto& [button, action] : buttons) {
        const records::Rect& rect = m_state.button(button);
        EXPECT_EQ(click(centre(rect)).action, action) << static_cast<int>(button);
        // Edges belong to the button.
        EXPECT_EQ(click({rect.left, rect.top}).action, action) << static_cast<int>(button);
        EXPECT_EQ(click({rect.right, rect.bottom}).action, action) << static_cast<int>(button);
    }
    // The arrows are drawn over the rows they touch, and win there.
    for (const auto& [button, action] :
         {std::pair{MainButton::UpA, MainAction::UpA}, std::pair{MainButton::UpB, MainAction::UpB},
          std::pair{MainButton::DownB, MainAction::DownB},
          std::pair{MainButton::UpC, MainAction::UpC},
          std::pair{MainButton::DownC, MainAction::DownC}})
        EXPECT_EQ(click(centre(m_state.button(button))).action, action);
    const app::MainHit row = click(centre(m_groups.screenA()[3].drawing.buttonRect));
    EXPECT_EQ(row.action, MainAction::RowA);
    EXPECT_EQ(row.row, 3);
    EXPECT_EQ(click({640, 760}).action, MainAction::None);
}

TEST_F(MainScreenTest, whatIsDrawnOnTopIsWhatAClickHits) {
    fillA(11);
    paint();
    // The down arrow lies below the tenth row, clear of it.
    const records::Rect& tenth = m_groups.screenA()[9].drawing.buttonRect;
    const records::Rect& down = m_state.button(MainButton::DownA);
    EXPECT_GT(down.top, tenth.bottom);
    EXPECT_EQ(click({tenth.left + 1, tenth.bottom - 1}).action, MainAction::RowA);
    EXPECT_EQ(click(centre(down)).action, MainAction::DownA);
    // The up arrow lies over the first row's top edge: the arrow wins there.
    EXPECT_EQ(click({100, 133}).action, MainAction::UpA);
    EXPECT_EQ(click({100, 140}).action, MainAction::RowA);

    // A button drawn over a row runs the button.
    m_groups.screenB().resize(14);
    m_state.button(MainButton::AddB) = m_groups.screenB()[0].drawing.buttonRect;
    const records::Rect firstB{400, 27, 585, 63};
    m_groups.screenB()[0].drawing.buttonRect = firstB;
    m_state.button(MainButton::AddB) = {405, 30, 495, 50};
    EXPECT_EQ(click({450, 40}).action, MainAction::AddB);
    EXPECT_EQ(click({550, 40}).action, MainAction::RowB);

    // A branch box over the C list at a narrow screen takes its clicks.
    m_groups.screenC().resize(3);
    m_branches.resize(1);
    m_state.desktopRight = 1024;
    paint();
    const records::Rect& box = m_branches[0].rect;
    const records::Rect& rowC = m_groups.screenC()[1].drawing.buttonRect;
    ASSERT_LT(box.left, rowC.right);
    ASSERT_TRUE(records::contains(rowC, box.left + 5, box.top + 5));
    EXPECT_EQ(click({box.left + 5, box.top + 5}).action, MainAction::None);
    EXPECT_EQ(click({rowC.left + 5, rowC.top + 5}).action, MainAction::RowC);
    // "Menu Sıralaması" precedes every list.
    m_state.button(MainButton::ProductsA) = m_state.button(MainButton::MenuSiralamasi);
    EXPECT_EQ(click(centre(m_state.button(MainButton::MenuSiralamasi))).action,
              MainAction::MenuSiralamasi);
}

TEST_F(MainScreenTest, arrowsOnlyForListsLongerThanAPage) {
    fillA(10);
    m_groups.screenB().resize(14);
    paint();
    EXPECT_EQ(click({170, 120}).action, MainAction::None);
    EXPECT_EQ(click({170, 580}).action, MainAction::None);
    EXPECT_EQ(m_state.button(MainButton::DownB).bottom, 0);

    fillA(1);
    m_groups.screenB().resize(15);
    paint();
    EXPECT_EQ(click({170, 120}).action, MainAction::UpA);
    EXPECT_EQ(click({170, 580}).action, MainAction::DownA);
    // The B and C down arrows stay on a 768-pixel screen, clear of the
    // fourteenth row and of the buttons below.
    const records::Rect& down = m_state.button(MainButton::DownB);
    EXPECT_LT(down.bottom, 655);
    EXPECT_GT(down.top, m_groups.screenB()[13].drawing.buttonRect.bottom);
}

TEST_F(MainScreenTest, secondPageShowsTheRestAndOldRowsNoLongerHit) {
    fillA(11);
    paint();
    const QPoint firstRow = centre(m_groups.screenA()[0].drawing.buttonRect);
    const QPoint thirdRow = centre(m_groups.screenA()[2].drawing.buttonRect);
    m_state.pageA = 2;
    paint();
    for (std::size_t i = 0; i < 10; ++i)
        EXPECT_EQ(m_groups.screenA()[i].drawing.buttonRect.left, -100);
    EXPECT_EQ(m_groups.screenA()[10].drawing.buttonRect.top, 133);
    const app::MainHit hit = click(firstRow);
    EXPECT_EQ(hit.action, MainAction::RowA);
    EXPECT_EQ(hit.row, 10);
    EXPECT_EQ(click(thirdRow).action, MainAction::None);
}

TEST_F(MainScreenTest, branchBoxesHangFromTheRightEdge) {
    m_state.desktopRight = 1280;
    paint();
    EXPECT_EQ(app::hitBranch({1270, 90}, m_branches), -1);

    m_branches.resize(2);
    paint();
    EXPECT_EQ(m_branches[0].rect.left, 1153);
    EXPECT_EQ(m_branches[1].rect.top, 116);
    EXPECT_EQ(app::hitBranch({1200, 116}, m_branches), 0);
    EXPECT_EQ(app::hitBranch({1200, 117}, m_branches), 1);
    EXPECT_EQ(app::hitBranch({1200, 153}, m_branches), -1);
}

TEST_F(MainScreenTest, nothingDrawnOverlapsAnotherAndAllStaysOnScreenAtEveryWidth) {
    fillA(11);
    m_groups.screenB().resize(15);
    m_groups.screenC().resize(15);
    m_branches.resize(3);
    const auto overlap = [](const records::Rect& a, const records::Rect& b) {
        return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
    };
    const auto name = [](std::size_t i) {
        return "button " + std::to_string(i);
    };
    for (const int right : {1024, 1100, 1280, 1366, 1440, 1600, 1920}) {
        SCOPED_TRACE(right);
        m_state.desktopRight = right;
        paint();
        std::vector<std::pair<std::size_t, records::Rect>> buttons;
        for (std::size_t i = 0; i < static_cast<std::size_t>(MainButton::Count); ++i) {
            const records::Rect& rect = m_state.button(static_cast<MainButton>(i));
            if (rect.right == 0 && rect.bottom == 0)
                continue; // not drawn
            buttons.emplace_back(i, rect);
            EXPECT_LE(rect.right, right) << name(i);
            EXPECT_LE(rect.bottom, 740) << name(i); // under a title bar on a 768-pixel screen
        }
        std::vector<records::Rect> rows;
        const auto rowsOf = [&rows](const auto& list) {
            for (const auto& group : list)
                rows.push_back(group.drawing.buttonRect);
        };
        rowsOf(m_groups.screenA());
        rowsOf(m_groups.screenB());
        rowsOf(m_groups.screenC());
        for (const auto& [i, rect] : buttons) {
            for (const auto& [j, other] : buttons)
                EXPECT_FALSE(i < j && overlap(rect, other)) << name(i) << " and " << name(j);
            const auto which = static_cast<MainButton>(i);
            // The arrows lie over the rows they page, as they are meant to.
            const bool isArrow = which == MainButton::UpA || which == MainButton::DownA ||
                                 which == MainButton::UpB || which == MainButton::DownB ||
                                 which == MainButton::UpC || which == MainButton::DownC;
            for (const records::Rect& row : rows)
                EXPECT_FALSE(!isArrow && overlap(rect, row))
                    << name(i) << " over the row at " << row.left << "," << row.top;
            for (const records::Branch& branch : m_branches)
                EXPECT_FALSE(overlap(rect, branch.rect)) << name(i) << " and a branch box";
        }
    }
}
