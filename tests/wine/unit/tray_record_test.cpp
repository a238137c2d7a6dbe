#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "tests/tools/shell/logic/tray_icons.h"
#include "tests/tools/shell/logic/tray_record.h"

namespace luna::tools {
namespace {

void PutU32(std::vector<unsigned char>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        b[at + i] = static_cast<unsigned char>(v >> (8 * i));
    }
}

void PutTip(std::vector<unsigned char>& b, const std::u16string& tip) {
    for (std::size_t i = 0; i < tip.size() && i < kTrayTipUnits; ++i) {
        b[16 + 2 * i] = static_cast<unsigned char>(tip[i] & 0xFF);
        b[16 + 2 * i + 1] = static_cast<unsigned char>(tip[i] >> 8);
    }
}

// A record as Wine's Shell_NotifyIcon builds it.
std::vector<unsigned char> Record(std::uint32_t owner, std::uint32_t id, std::uint32_t flags,
                                  std::uint32_t callback, const std::u16string& tip) {
    std::vector<unsigned char> b(kTrayRecordHeaderSize, 0);
    PutU32(b, 0, owner);
    PutU32(b, 4, id);
    PutU32(b, 8, flags);
    PutU32(b, 12, callback);
    PutTip(b, tip);
    return b;
}

void AppendIcon(std::vector<unsigned char>& b, std::uint32_t w, std::uint32_t h, std::uint32_t bpp,
                std::size_t maskBytes, std::size_t colorBytes) {
    PutU32(b, 944, w);
    PutU32(b, 948, h);
    PutU32(b, 952, 1);
    PutU32(b, 956, bpp);
    b.insert(b.end(), maskBytes, 0xAA);
    b.insert(b.end(), colorBytes, 0x55);
}

TEST(TrayRecord, DecodesTheFixedFields) {
    auto b = Record(0xFFFF1234u, 65537, kNifMessage | kNifTip, 0x1500, u"桌面时钟");
    PutU32(b, 272, kNisHidden);
    PutU32(b, 276, kNisHidden);
    TrayRecord r;
    ASSERT_TRUE(DecodeTrayRecord(b.data(), b.size(), r));
    EXPECT_EQ(r.owner, -0xEDCC); // a 32-bit handle value sign-extends
    EXPECT_EQ(r.id, 65537u);
    EXPECT_EQ(r.flags, kNifMessage | kNifTip);
    EXPECT_EQ(r.callbackMessage, 0x1500u);
    EXPECT_EQ(r.tip, u"桌面时钟");
    EXPECT_EQ(r.state, kNisHidden);
    EXPECT_FALSE(r.icon.has_value());
}

TEST(TrayRecord, RejectsShortRecordsAndKeepsAFullTipBounded) {
    TrayRecord r;
    std::vector<unsigned char> shortRecord(kTrayRecordHeaderSize - 1, 0);
    EXPECT_FALSE(DecodeTrayRecord(shortRecord.data(), shortRecord.size(), r));
    EXPECT_FALSE(DecodeTrayRecord(nullptr, 2000, r));

    auto b = Record(1, 2, kNifTip, 0, std::u16string(200, u'x')); // no terminator in the field
    ASSERT_TRUE(DecodeTrayRecord(b.data(), b.size(), r));
    EXPECT_EQ(r.tip.size(), kTrayTipUnits);
}

TEST(TrayRecord, TakesIconBitsOnlyWhenWellFormed) {
    TrayRecord r;
    auto good = Record(1, 2, kNifIcon, 0, u"");
    AppendIcon(good, 32, 32, 32, 128, 4096);
    ASSERT_TRUE(DecodeTrayRecord(good.data(), good.size(), r));
    ASSERT_TRUE(r.icon.has_value());
    EXPECT_EQ(r.icon->mask.size(), 128u);
    EXPECT_EQ(r.icon->color.size(), 4096u);
    EXPECT_EQ(r.icon->mask[0], 0xAA);
    EXPECT_EQ(r.icon->color[0], 0x55);

    auto truncated = Record(1, 2, kNifIcon, 0, u"");
    AppendIcon(truncated, 32, 32, 32, 128, 4095);
    ASSERT_TRUE(DecodeTrayRecord(truncated.data(), truncated.size(), r));
    EXPECT_FALSE(r.icon.has_value());

    auto huge = Record(1, 2, kNifIcon, 0, u"");
    AppendIcon(huge, 100000, 100000, 32, 16, 16);
    ASSERT_TRUE(DecodeTrayRecord(huge.data(), huge.size(), r));
    EXPECT_FALSE(r.icon.has_value());

    auto badDepth = Record(1, 2, kNifIcon, 0, u"");
    AppendIcon(badDepth, 16, 16, 7, 32, 224);
    ASSERT_TRUE(DecodeTrayRecord(badDepth.data(), badDepth.size(), r));
    EXPECT_FALSE(r.icon.has_value());

    auto withoutFlag = Record(1, 2, kNifTip, 0, u"");
    AppendIcon(withoutFlag, 32, 32, 32, 128, 4096);
    ASSERT_TRUE(DecodeTrayRecord(withoutFlag.data(), withoutFlag.size(), r));
    EXPECT_FALSE(r.icon.has_value());
}

TEST(TrayRecord, PadsPlanesToWhatCreateIconReads) {
    // 17 pixels wide: rows of 4 bytes for CreateIcon, but Wine sends (17*3+15)/16*2 = 8 bytes
    // of the 1-bit mask instead of 12.
    auto b = Record(1, 2, kNifIcon, 0, u"");
    AppendIcon(b, 17, 3, 1, 8, 8);
    TrayRecord r;
    ASSERT_TRUE(DecodeTrayRecord(b.data(), b.size(), r));
    ASSERT_TRUE(r.icon.has_value());
    EXPECT_EQ(r.icon->mask.size(), IconPlaneBytes(17, 3, 1));
    EXPECT_EQ(r.icon->mask.size(), 12u);
    EXPECT_EQ(r.icon->mask[7], 0xAA);
    EXPECT_EQ(r.icon->mask[8], 0x00);
}

TrayRecord Simple(std::int32_t owner, std::uint32_t id, std::uint32_t flags, std::uint32_t callback,
                  const std::u16string& tip) {
    TrayRecord r;
    r.owner = owner;
    r.id = id;
    r.flags = flags;
    r.callbackMessage = callback;
    r.tip = tip;
    return r;
}

TEST(TrayIconList, AddModifyDeleteAnswerAsShellNotifyIconDoes) {
    TrayIconList list;
    auto add = Simple(10, 1, kNifMessage | kNifTip, 0x1500, u"a");
    EXPECT_TRUE(list.Apply(TrayAction::Add, add));
    EXPECT_FALSE(list.Apply(TrayAction::Add, add));
    EXPECT_TRUE(list.Apply(TrayAction::Add, Simple(11, 1, kNifTip, 0, u"other owner")));
    EXPECT_FALSE(list.Apply(TrayAction::Modify, Simple(10, 2, kNifTip, 0, u"no such id")));
    EXPECT_TRUE(list.Apply(TrayAction::SetVersion, add));
    EXPECT_FALSE(list.Apply(TrayAction::SetVersion, Simple(12, 1, 0, 0, u"")));

    // A modify without NIF_MESSAGE carries callback 0: the old callback stays.
    EXPECT_TRUE(list.Apply(TrayAction::Modify, Simple(10, 1, kNifTip, 0, u"b")));
    const TrayIcon* icon = list.Find(10, 1);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->tip, u"b");
    EXPECT_EQ(icon->callbackMessage, 0x1500u);

    // And without NIF_TIP the tooltip stays.
    EXPECT_TRUE(list.Apply(TrayAction::Modify, Simple(10, 1, kNifMessage, 0x1501, u"")));
    icon = list.Find(10, 1);
    EXPECT_EQ(icon->tip, u"b");
    EXPECT_EQ(icon->callbackMessage, 0x1501u);

    EXPECT_TRUE(list.Apply(TrayAction::Delete, Simple(10, 1, 0, 0, u"")));
    EXPECT_FALSE(list.Apply(TrayAction::Delete, Simple(10, 1, 0, 0, u"")));
    EXPECT_EQ(list.Find(10, 1), nullptr);
    ASSERT_NE(list.FindById(1), nullptr);
    EXPECT_EQ(list.FindById(1)->owner, 11);
}

TEST(TrayIconList, HidesIconsAndDropsThoseOfDeadOwners) {
    TrayIconList list;
    list.Apply(TrayAction::Add, Simple(1, 1, 0, 0, u""));
    list.Apply(TrayAction::Add, Simple(2, 1, 0, 0, u""));
    auto hide = Simple(1, 1, kNifState, 0, u"");
    hide.state = kNisHidden;
    hide.stateMask = kNisHidden;
    list.Apply(TrayAction::Modify, hide);
    ASSERT_EQ(list.Visible().size(), 1u);
    EXPECT_EQ(list.Visible()[0]->owner, 2);

    EXPECT_EQ(list.RemoveDead([](std::int64_t owner) { return owner != 2; }), 1u);
    EXPECT_EQ(list.icons().size(), 1u);
    EXPECT_EQ(list.FindById(1)->owner, 1);
}

TEST(TrayIconList, CountsIconChanges) {
    TrayIconList list;
    auto add = Simple(1, 1, kNifIcon, 0, u"");
    add.icon =
        TrayIconBits{16, 16, 1, 1, std::vector<std::uint8_t>(32), std::vector<std::uint8_t>(32)};
    list.Apply(TrayAction::Add, add);
    std::uint32_t first = list.Find(1, 1)->iconRevision;
    list.Apply(TrayAction::Modify, Simple(1, 1, kNifTip, 0, u"t"));
    EXPECT_EQ(list.Find(1, 1)->iconRevision, first);
    list.Apply(TrayAction::Modify, add);
    EXPECT_GT(list.Find(1, 1)->iconRevision, first);
}

} // namespace
} // namespace luna::tools
