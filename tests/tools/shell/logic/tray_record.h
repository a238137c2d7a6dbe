// The record Wine's Shell_NotifyIcon sends to the taskbar window as WM_COPYDATA, decoded.
//
// Byte layout (little endian), the same in 32-bit and 64-bit processes:
//   0 LONG owner window, 4 UINT id, 8 UINT flags, 12 UINT callback message,
//   16 WCHAR tip[128], 272 DWORD state, 276 DWORD state mask, 280 WCHAR info[256],
//   792 UINT timeout, 796 WCHAR info title[64], 924 DWORD info flags, 928 GUID,
//   944 UINT width, height, planes, bpp (icon only), 960 mask bits then colour bits.
// Only the fields whose NIF_ flag is set carry data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace luna::tools {

constexpr std::size_t kTrayRecordHeaderSize = 960;
constexpr std::size_t kTrayTipUnits = 128;
constexpr std::uint32_t kTrayIconMaxSide = 256;

// The NIM_ code carried in dwData.
enum class TrayAction : std::uint32_t {
    Add = 0,
    Modify = 1,
    Delete = 2,
    SetFocus = 3,
    SetVersion = 4
};

constexpr std::uint32_t kNifMessage = 0x01;
constexpr std::uint32_t kNifIcon = 0x02;
constexpr std::uint32_t kNifTip = 0x04;
constexpr std::uint32_t kNifState = 0x08;
constexpr std::uint32_t kNisHidden = 0x01;

// Icon bitmap as sent: rows of both planes padded to 16 bits, as CreateIcon expects them.
// A monochrome icon (planes 1, bpp 1) carries its XOR half in `color`.
struct TrayIconBits {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t planes = 0;
    std::uint32_t bpp = 0;
    std::vector<std::uint8_t> mask;
    std::vector<std::uint8_t> color;
};

struct TrayRecord {
    std::int32_t owner = 0; // a window handle; sign-extend it
    std::uint32_t id = 0;
    std::uint32_t flags = 0;
    std::uint32_t callbackMessage = 0;
    std::u16string tip;
    std::uint32_t state = 0;
    std::uint32_t stateMask = 0;
    std::optional<TrayIconBits> icon; // set only with NIF_ICON and well-formed bits
};

// Bytes of one bitmap plane as CreateIcon reads it: rows padded to 16 bits.
std::size_t IconPlaneBytes(std::uint32_t width, std::uint32_t height, std::uint32_t bitsPerPixel);

// Decodes a record. Returns false when it is shorter than the fixed part. Icon bits that are
// malformed (absurd size or depth, too few bytes) are dropped: the record then has no icon.
bool DecodeTrayRecord(const void* data, std::size_t size, TrayRecord& out);

} // namespace luna::tools
