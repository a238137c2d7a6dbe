#include "app/logic/reminder_list.h"

#include <gtest/gtest.h>

#include "app/logic/reminder_item.h"

namespace luna {
namespace {

using Items = std::vector<std::string>;

TEST(ReminderList, ItemsAreOrderedByMonthDayHourAndMinute) {
    ReminderList list;
    list.Open({ComposeReminderItem({12, 1, 0, 0}, "年底"),
               ComposeReminderItem({2, 5, 7, 5}, "开会"),
               ComposeReminderItem({2, 5, 10, 0}, "午前"), ComposeReminderItem({2, 15, 0, 0}, "")});
    EXPECT_EQ(list.Items(),
              (Items{" 2/ 5  7: 5开会", " 2/ 5 10: 0午前", " 2/15  0: 0", "12/ 1  0: 0年底"}));
    EXPECT_EQ(list.Selection(), ReminderList::kNoSelection);
}

TEST(ReminderList, OpeningSetsTheButtonsByTheNumberOfItems) {
    ReminderList list;
    list.Open({});
    EXPECT_FALSE(list.Buttons().remove);
    list.Open({"x"});
    EXPECT_TRUE(list.Buttons().remove);
    EXPECT_FALSE(list.Buttons().add);
    EXPECT_FALSE(list.Buttons().save);
}

TEST(ReminderList, AddSelectsTheNewItemInItsPlaceAndKeepsDuplicates) {
    ReminderList list;
    list.Open({" 1/ 1  0: 0a", " 3/ 1  0: 0c"});
    EXPECT_EQ(list.Add(" 2/ 1  0: 0b"), 1u);
    EXPECT_EQ(list.Selection(), 1);
    EXPECT_EQ(list.Add(" 2/ 1  0: 0b"), 2u);
    EXPECT_EQ(list.Items().size(), 4u);
    EXPECT_TRUE(list.Buttons().save);
    EXPECT_TRUE(list.Buttons().remove);
}

TEST(ReminderList, DeleteRemovesTheSelectionAndSelectsTheFirstLeft) {
    ReminderList list;
    list.Open({"a", "b", "c"});
    list.Select(1);
    EXPECT_TRUE(list.DeleteSelected());
    EXPECT_EQ(list.Items(), (Items{"a", "c"}));
    EXPECT_EQ(list.Selection(), 0);
    EXPECT_TRUE(list.Buttons().save);

    EXPECT_TRUE(list.DeleteSelected());
    EXPECT_TRUE(list.DeleteSelected());
    EXPECT_TRUE(list.Items().empty());
    EXPECT_EQ(list.Selection(), ReminderList::kNoSelection);
    EXPECT_FALSE(list.Buttons().remove);
}

TEST(ReminderList, DeleteWithoutSelectionChangesNothingButEnablesSave) {
    ReminderList list;
    list.Open({"a", "b"});
    list.Select(5); // a row that does not exist counts as none
    EXPECT_FALSE(list.DeleteSelected());
    EXPECT_EQ(list.Items(), (Items{"a", "b"}));
    EXPECT_TRUE(list.Buttons().save);
    EXPECT_TRUE(list.Buttons().remove);
}

TEST(ReminderList, AddedOrDeletedItemsStayUnsavedUntilASaveSucceeds) {
    ReminderList list;
    list.Open({"b"});
    EXPECT_FALSE(list.Unsaved());
    list.TextChanged();
    list.Add("x");
    EXPECT_TRUE(list.Unsaved()); // what closing the sheet asks about
    list.SaveFailed();
    EXPECT_FALSE(list.Buttons().add);
    EXPECT_TRUE(list.Buttons().save);
    EXPECT_TRUE(list.Unsaved());
    list.Saved();
    EXPECT_FALSE(list.Buttons().add);
    EXPECT_FALSE(list.Buttons().save);
    EXPECT_TRUE(list.Buttons().remove);
    EXPECT_FALSE(list.Unsaved());
    const unsigned changes = list.Changes();
    list.Select(0);
    list.DeleteSelected();
    EXPECT_TRUE(list.Unsaved());
    EXPECT_EQ(list.Changes(), changes + 1); // a new change: closing asks again
}

} // namespace
} // namespace luna
