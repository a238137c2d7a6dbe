#include "app/logic/festival_item.h"
#include "app/logic/festival_lists.h"

#include <gtest/gtest.h>

namespace luna {
namespace {

using Items = std::vector<std::string>;

TEST(FestivalItem, KeyOfMonthAndDayThenTheText) {
    EXPECT_EQ(ComposeFestivalItem(5, 1, "劳动节"), " 5 1劳动节");
    EXPECT_EQ(ComposeFestivalItem(12, 31, ""), "1231");
    EXPECT_EQ(ComposeFestivalItem(0, 1, "x"), "");
}

TEST(FestivalItem, ItemFitsItsRecordAndNeverEndsInsideACharacter) {
    const std::string thirteen = "一二三四五六七八九十百千万"; // 26 bytes
    EXPECT_EQ(ComposeFestivalItem(1, 1, (thirteen + "亿").c_str()), " 1 1" + thirteen);
    // 25 ASCII bytes and a character: the character does not fit.
    const std::string odd = std::string(25, 'a') + "节";
    EXPECT_EQ(ComposeFestivalItem(1, 1, odd.c_str()), " 1 1" + std::string(25, 'a'));
    EXPECT_EQ(ComposeFestivalItem(1, 1,
                                  "a\x1a"
                                  "b\r\nc"),
              " 1 1ab");
}

TEST(FestivalItem, RecordsAreReadUpTo30BytesAndCutAtACharacter) {
    const char full[31] = "1231abcdefghijklmnopqrstuvwxyz"; // 30 bytes, no NUL within
    EXPECT_EQ(FestivalItemFromRecord(full), std::string(full, 30));
    char dangling[30] = {};
    std::string text = " 1 1" + std::string(25, 'a');
    text += '\xbd'; // the lead byte of a character whose trail was cut off
    text.copy(dangling, 30);
    EXPECT_EQ(FestivalItemFromRecord(dangling), " 1 1" + std::string(25, 'a'));
    EXPECT_TRUE(IsFestivalEndText(FestivalItemFromRecord("FFFF")));
}

TEST(FestivalLists, OpeningSelectsTheLastItemOfEachList) {
    FestivalLists lists;
    lists.Open({"a", "b"}, {});
    EXPECT_EQ(lists.Selection(FestivalCalendar::Solar), 1);
    EXPECT_EQ(lists.Selection(FestivalCalendar::Lunar), FestivalLists::kNoSelection);
    EXPECT_FALSE(lists.Buttons().add);
    EXPECT_FALSE(lists.Buttons().save);
}

TEST(FestivalLists, AddAndDeleteActOnEveryTickedList) {
    FestivalLists lists;
    lists.Open({"s"}, {"l"});
    lists.DateOrTextChanged();
    lists.Add(" 5 1劳动节", {true, true});
    EXPECT_EQ(lists.Items(FestivalCalendar::Solar), (Items{"s", " 5 1劳动节"}));
    EXPECT_EQ(lists.Items(FestivalCalendar::Lunar), (Items{"l", " 5 1劳动节"}));
    EXPECT_FALSE(lists.Buttons().add);
    EXPECT_TRUE(lists.Buttons().save);

    lists.Select(FestivalCalendar::Solar, 0);
    lists.Select(FestivalCalendar::Lunar, 1);
    lists.DeleteSelected({true, true});
    EXPECT_EQ(lists.Items(FestivalCalendar::Solar), (Items{" 5 1劳动节"}));
    EXPECT_EQ(lists.Items(FestivalCalendar::Lunar), (Items{"l"}));
    EXPECT_EQ(lists.Selection(FestivalCalendar::Solar), FestivalLists::kNoSelection);

    // No selection any more: a second Delete loses nothing.
    lists.DeleteSelected({true, true});
    EXPECT_EQ(lists.Items(FestivalCalendar::Solar).size(), 1u);
    EXPECT_EQ(lists.Items(FestivalCalendar::Lunar).size(), 1u);
}

TEST(FestivalLists, NothingTickedChangesNoListButEnablesSave) {
    FestivalLists lists;
    lists.Open({"s"}, {"l"});
    lists.Add("x", {false, false});
    lists.DeleteSelected({false, false});
    EXPECT_EQ(lists.Items(FestivalCalendar::Solar), (Items{"s"}));
    EXPECT_EQ(lists.Items(FestivalCalendar::Lunar), (Items{"l"}));
    EXPECT_TRUE(lists.Buttons().save);
    lists.Saved();
    EXPECT_FALSE(lists.Buttons().save);
}

} // namespace
} // namespace luna
