#include "gui/ListBox.h"

#include "WidgetFixture.h"

#include <cstdint>
#include <limits>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

using widget_test::WidgetTest;

// A list at (100, 100), 300 x 105: rows of 15 pixels, five of them visible
// from y 125; the arrows and the bar stand at x 395..415, the bar from
// y 120 to 180 with its thumb centred at y 125 + 10 x position.
class ListBoxTest : public WidgetTest {
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        ASSERT_EQ(list.Create(dev.get()), 0);
    }

    void Fill(int n)
    {
        list.Clear();
        for (int i = 0; i < n; ++i) {
            const std::string number = std::to_string(i);
            const std::string key = std::string("K").append(number);
            const std::string row = std::string("Row ").append(number);
            list.AddItem(i, key.c_str(), row.c_str(), "");
        }
    }

    void DrawList(int height = 105) { list.Draw(dev.get(), 100, 100, 300, height); }

    int ThumbY() const { return list.m_scroll.ThumbCentreY(); }

    CListBox list;
};

TEST_F(ListBoxTest, ScrollingStopsWhereTheLastRowsShow)
{
    Fill(10);
    DrawList();
    ASSERT_EQ(list.m_visibleRows, 5);
    ASSERT_EQ(list.m_scroll.m_range, 5);

    // Wheel: only over the rows.
    MoveTo(600, 150);
    list.ScrollDown();
    EXPECT_EQ(list.m_firstVisible, 0);
    MoveTo(200, 150);
    for (int i = 0; i < 8; ++i)
        list.ScrollDown();
    EXPECT_EQ(list.m_firstVisible, 5);
    EXPECT_EQ(list.m_scroll.m_position, 5);
    for (int i = 0; i < 8; ++i)
        list.ScrollUp();
    EXPECT_EQ(list.m_firstVisible, 0);

    // Arrows.
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(Click(list, 405, 190), CListBox::kArrowDown);
    EXPECT_EQ(list.m_firstVisible, 5);
    EXPECT_EQ(Click(list, 405, 110), CListBox::kArrowUp);
    EXPECT_EQ(list.m_firstVisible, 4);
    for (int i = 0; i < 5; ++i)
        Click(list, 405, 110);
    EXPECT_EQ(list.m_firstVisible, 0);

    // Pages: a click below the thumb, then above it.
    EXPECT_EQ(ThumbY(), 125);
    EXPECT_EQ(Click(list, 405, 170), CListBox::kPage);
    EXPECT_EQ(list.m_firstVisible, 5);
    EXPECT_EQ(ThumbY(), 175);
    EXPECT_EQ(Click(list, 405, 175), CListBox::kNothing); // level with the thumb: nothing
    EXPECT_EQ(list.m_firstVisible, 5);
    EXPECT_EQ(Click(list, 405, 179), CListBox::kPage);
    EXPECT_EQ(list.m_firstVisible, 5);
    EXPECT_EQ(Click(list, 405, 130), CListBox::kPage);
    EXPECT_EQ(list.m_firstVisible, 0);
    EXPECT_EQ(Click(list, 405, 121), CListBox::kPage);
    EXPECT_EQ(list.m_firstVisible, 0);
    // The down arrow's first row, where the bar ends: one row, not a page too.
    EXPECT_EQ(Click(list, 405, 180), CListBox::kArrowDown);
    EXPECT_EQ(list.m_firstVisible, 1);
}

TEST_F(ListBoxTest, APressOnTheThumbPagesTowardsWhereItIsReleased)
{
    Fill(12);
    DrawList();
    ASSERT_EQ(list.m_scroll.m_range, 7);
    // The thumb does not follow the pointer: released lower on the track,
    // a press on it asks for one page down.
    Press(list, 405, ThumbY());
    EXPECT_EQ(Release(list, 405, 175), CListBox::kPage);
    EXPECT_EQ(list.m_firstVisible, 5);
    // Again: the page stops at the last full page.
    Press(list, 405, ThumbY());
    EXPECT_EQ(Release(list, 405, 179), CListBox::kPage);
    EXPECT_EQ(list.m_firstVisible, 7);
    // Dropped off the bar: nothing.
    Press(list, 405, ThumbY());
    EXPECT_EQ(Release(list, 600, 121), CListBox::kNothing);
    EXPECT_EQ(list.m_firstVisible, 7);
    // Dropped back where it was picked up: nothing.
    Press(list, 405, ThumbY());
    EXPECT_EQ(Release(list, 405, ThumbY()), CListBox::kNothing);
    EXPECT_EQ(list.m_firstVisible, 7);
    // Dropped high up: one page up.
    Press(list, 405, ThumbY());
    EXPECT_EQ(Release(list, 405, 121), CListBox::kPage);
    EXPECT_EQ(list.m_firstVisible, 2);
}

TEST_F(ListBoxTest, AShortListDoesNotScroll)
{
    Fill(3);
    DrawList(200);
    ASSERT_EQ(list.m_visibleRows, 11);
    MoveTo(200, 150);
    list.ScrollDown();
    EXPECT_EQ(list.m_firstVisible, 0);
    Click(list, 405, 100 + 195 - 10); // down arrow
    EXPECT_EQ(list.m_firstVisible, 0);
    EXPECT_FALSE(Press(list.m_scroll, 405, 200)); // no thumb, nothing to page
    Click(list, 405, 250);
    EXPECT_EQ(list.m_firstVisible, 0);
}

TEST_F(ListBoxTest, TheThumbShowsOnlyWhenTheListScrolls)
{
    auto thumbInk = [this] {
        for (int y = 123; y < 178; ++y)
            for (int x = 398; x < 413; ++x) {
                const plat::Argb p = dev->ReadPixel(x, y);
                if (((p >> 16) & 0xFF) > 150 && ((p >> 8) & 0xFF) > 90 && (p & 0xFF) < 90)
                    return true; // the thumb's gold
            }
        return false;
    };
    Fill(4);
    dev->Clear(kBlack);
    DrawList();
    EXPECT_FALSE(thumbInk());
    Fill(9);
    DrawList(); // the bar is drawn before the rows update its range
    dev->Clear(kBlack);
    DrawList();
    EXPECT_TRUE(thumbInk());
}

TEST_F(ListBoxTest, ClicksSelectOnlyEnabledRows)
{
    Fill(10);
    list.SetEnabledById(2, 0);
    DrawList();
    EXPECT_EQ(list.GetSelectedIndex(), -1);
    EXPECT_EQ(Click(list, 200, 125 + 15 + 3), CListBox::kRows);
    EXPECT_EQ(list.GetSelectedIndex(), 1);
    EXPECT_STREQ(list.GetSelectedKey(), "K1");
    EXPECT_EQ(Click(list, 200, 125 + 30 + 3), CListBox::kRows); // row 2 is disabled
    EXPECT_EQ(list.GetSelectedIndex(), 1);

    // After scrolling, the row under the pointer is first visible + row.
    MoveTo(200, 150);
    list.ScrollDown();
    list.ScrollDown();
    Click(list, 200, 125 + 45 + 3);
    EXPECT_EQ(list.GetSelectedId(), 5);

    // A press that is not a click on the rows does not select.
    list.m_selectable = 0;
    EXPECT_EQ(Click(list, 200, 130), CListBox::kNothing);
    EXPECT_EQ(list.GetSelectedId(), 5);
}

TEST_F(ListBoxTest, ClicksBelowTheLastRowKeepTheSelection)
{
    Fill(3);
    list.SelectById(2, false);
    DrawList(200);
    EXPECT_EQ(Click(list, 200, 125 + 15 * 5), CListBox::kRows);
    EXPECT_EQ(list.GetSelectedId(), 2);
    list.Clear();
    DrawList(200);
    EXPECT_EQ(Click(list, 200, 130), CListBox::kRows);
    EXPECT_EQ(list.GetSelectedIndex(), -1);
    EXPECT_EQ(list.GetSelectedKey(), nullptr);
}

TEST_F(ListBoxTest, SelectingByIdKeyOrFirstSkipsDisabledRows)
{
    list.AddItem(7, "a", "first", "");
    list.AddItem(7, "b", "second", "");
    list.AddItem(8, "c", "third", "");
    list.SetEnabledByKey("a", 0);

    EXPECT_FALSE(list.SelectById(7, false)); // the first item with id 7 is disabled
    EXPECT_EQ(list.GetSelectedIndex(), -1);
    EXPECT_TRUE(list.SelectFirst(false));
    EXPECT_EQ(list.GetSelectedIndex(), 1);
    EXPECT_TRUE(list.SelectByKey("c", false));
    EXPECT_EQ(list.GetSelectedIndex(), 2);
    EXPECT_FALSE(list.SelectByKey("zz", false));
    EXPECT_EQ(list.GetSelectedIndex(), 2); // a failed selection keeps the old one
    list.SetAllEnabled(0);
    EXPECT_FALSE(list.SelectFirst(false));
    EXPECT_EQ(list.GetSelectedIndex(), -1);
}

TEST_F(ListBoxTest, SelectingWithScrollBringsTheRowIntoView)
{
    Fill(30);
    DrawList();
    EXPECT_TRUE(list.SelectById(12, true));
    EXPECT_EQ(list.m_firstVisible, 12);
    EXPECT_TRUE(list.SelectById(28, true));
    EXPECT_EQ(list.m_firstVisible, 25); // the last page
    list.ScrollTo(-4);
    EXPECT_EQ(list.m_firstVisible, 0);
    list.ScrollTo(std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(list.m_firstVisible, 25);
}

std::vector<std::string> Col0(CListBox& list)
{
    std::vector<std::string> out;
    for (int i = 0; i < list.GetCount(); ++i)
        out.push_back(list.GetItem(i)->col0);
    return out;
}

TEST_F(ListBoxTest, SortingByTextOrByNumber)
{
    using V = std::vector<std::string>;
    const struct {
        bool numeric, ascending, fixedFirst;
        V expect;
    } cases[] = {
        {false, true, false, {"10", "100", "9", "Species"}},
        {true, true, false, {"Species", "9", "10", "100"}}, // a text reads as 0
        {true, false, false, {"100", "10", "9", "Species"}},
        {false, true, true, {"Species", "10", "100", "9"}},
        {true, true, true, {"Species", "9", "10", "100"}},
        {true, false, true, {"Species", "100", "10", "9"}},
    };
    for (const auto& c : cases) {
        list.Clear();
        for (const char* t : {"Species", "10", "9", "100"})
            list.AddItem(0, "", t, "");
        list.m_numeric[0] = c.numeric ? 1 : 0;
        list.m_ascending = c.ascending ? 1 : 0;
        list.m_sortFirstRow = c.fixedFirst ? 0 : 1;
        list.Sort(CListBox::kByCol0);
        EXPECT_EQ(Col0(list), c.expect) << c.numeric << c.ascending << c.fixedFirst;
    }
}

TEST_F(ListBoxTest, SortingByIdKeyAndLaterColumns)
{
    list.AddItem(3, "b", "x", "");
    list.AddItem(-1, "a", "y", "");
    list.AddItem(2, "\xE8", "z", ""); // accented letters sort after ASCII
    list.SetColumnById(3, 2, "30");
    list.SetColumnById(-1, 2, "4");
    list.SetColumnById(2, 2, "200");

    list.Sort(CListBox::kById);
    EXPECT_EQ(Col0(list), (std::vector<std::string>{"y", "z", "x"}));
    list.Sort(CListBox::kByKey);
    EXPECT_EQ(Col0(list), (std::vector<std::string>{"y", "x", "z"}));
    list.m_numeric[3] = 1;
    list.Sort(CListBox::kByCol3);
    EXPECT_EQ(Col0(list), (std::vector<std::string>{"y", "x", "z"}));
    list.Sort(99); // no such column: nothing moves
    EXPECT_EQ(Col0(list), (std::vector<std::string>{"y", "x", "z"}));
}

TEST_F(ListBoxTest, RowDataSettersReachEveryMatchingRow)
{
    EXPECT_FALSE(list.AddItem(1, "k", nullptr, ""));
    EXPECT_EQ(list.GetCount(), 0);
    list.AddItem(1, "k", "a", nullptr);
    list.AddItem(1, "k", "b", nullptr);
    list.AddItem(2, nullptr, "c", nullptr);
    list.SetNoteById(1, "note");
    list.SetPercentByKey("k", 40);
    list.SetHighlightedById(1, 1);
    list.SetColumn(2, 1, "col2");
    list.SetColumn(2, 4, "nowhere");
    list.SetColumnByKey("k", 3, "col4");
    for (int i = 0; i < 2; ++i) {
        EXPECT_STREQ(list.GetItem(i)->note, "note");
        EXPECT_EQ(list.GetItem(i)->percent, 40);
        EXPECT_EQ(list.GetItem(i)->highlighted, 1);
        EXPECT_STREQ(list.GetItem(i)->col4, "col4");
    }
    const ListItem* c = list.GetItem(2);
    EXPECT_STREQ(c->key, "");
    EXPECT_STREQ(c->col1, "");
    EXPECT_STREQ(c->col2, "col2");
    EXPECT_STREQ(c->col3, "");
    EXPECT_STREQ(c->col4, "");
    EXPECT_EQ(list.GetItem(3), nullptr);
    EXPECT_EQ(list.GetItem(-1), nullptr);
    EXPECT_EQ(list.FindByKey("k"), list.GetItem(0));
    EXPECT_EQ(list.FindById(2), c);

    // Texts are cut to their fields.
    const std::string longText(700, 'x');
    list.AddItem(3, longText.c_str(), longText.c_str(), longText.c_str());
    EXPECT_EQ(std::string(list.GetItem(3)->key).size(), 132u);
    EXPECT_EQ(std::string(list.GetItem(3)->col0).size(), 132u);
    EXPECT_EQ(std::string(list.GetItem(3)->col1).size(), 512u);
}

TEST_F(ListBoxTest, LongKeysAreFoundWhole)
{
    // A configuration file name of 132 characters and a catalogue id of 128
    // differ from their neighbours only past the 96th character.
    const std::string stem(96, 'k');
    const struct {
        std::string key;
        std::string twin; // the same first 96 characters
    } cases[] = {
        {stem + std::string(32, 'a'), stem + std::string(32, 'b')},
        {stem + std::string(32, 'c') + ".kvz", stem + std::string(32, 'c') + ".kvx"},
    };
    for (const auto& c : cases) {
        list.Clear();
        list.AddItem(1, c.twin.c_str(), c.twin.c_str(), "");
        list.AddItem(2, c.key.c_str(), c.key.c_str(), "");
        ASSERT_NE(list.FindByKey(c.key.c_str()), nullptr) << c.key;
        EXPECT_EQ(list.FindByKey(c.key.c_str())->id, 2);
        EXPECT_EQ(std::string(list.FindByKey(c.key.c_str())->col0), c.key);
        EXPECT_TRUE(list.SelectByKey(c.key.c_str(), false));
        EXPECT_STREQ(list.GetSelectedKey(), c.key.c_str());
    }
}

TEST_F(ListBoxTest, HeightIsAWholeNumberOfRows)
{
    Fill(40);
    list.Draw(dev.get(), 10, 10, 300, 333);
    EXPECT_EQ(list.m_visibleRows, 20); // 330 high, (330 - 25) / 15
    list.Draw(dev.get(), 10, 10, 300, 9999);
    EXPECT_EQ(list.m_visibleRows, 31); // capped at 500
}

} // namespace

namespace {

// Rows that tie on the sorted column end where the exchange sort puts them,
// in both directions, with and without a header row; lists without ties
// take the fast path to the same order.
TEST_F(ListBoxTest, SortingKeepsTheExchangeSortsOrderOfTies)
{
    std::mt19937 rng(7);
    for (int round = 0; round < 60; ++round) {
        const bool ascending = round % 2 == 0, header = round % 3 == 0;
        const int rows = 2 + int(rng() % 40);
        const int values = round < 30 ? 5 : 100000; // many ties, then hardly any
        list.Clear();
        std::vector<ListItem> expect;
        for (int i = 0; i < rows; ++i) {
            const std::string name = "N" + std::to_string(rng() % values);
            list.AddItem(i, std::to_string(i).c_str(), name.c_str(), "");
        }
        list.m_ascending = ascending ? 1 : 0;
        list.m_sortFirstRow = header ? 0 : 1;
        expect = list.m_items;
        // The exchange sort, as the list has always sorted.
        for (int i = header ? 1 : 0; i < rows - 1; ++i)
            for (int j = i; j < rows; ++j)
                if ((std::strcmp(expect[std::size_t(i)].col0, expect[std::size_t(j)].col0) > 0) == ascending)
                    std::swap(expect[std::size_t(i)], expect[std::size_t(j)]);
        list.Sort(CListBox::kByCol0);
        ASSERT_EQ(list.m_items.size(), expect.size());
        for (std::size_t i = 0; i < expect.size(); ++i)
            ASSERT_EQ(list.m_items[i].id, expect[i].id) << "round " << round << " row " << i;
    }
}

} // namespace
