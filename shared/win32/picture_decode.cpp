#include "shared/win32/picture_decode.h"

#include <wincodec.h>

#include <algorithm>
#include <cstring>
#include <new>

#include "shared/gbk_text.h"
#include "shared/picture_placement.h"

namespace luna {
namespace {

// Releases a COM interface at the end of a scope.
template <typename T> struct ComRef {
    T* p = nullptr;
    ComRef() = default;
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ~ComRef() {
        if (p != nullptr) {
            p->Release();
        }
    }
    T** operator&() { return &p; }
    T* operator->() const { return p; }
};

// COM on this thread for one decode: joins whatever apartment the thread already has.
class ComScope {
  public:
    ComScope() : hr_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope() {
        if (SUCCEEDED(hr_)) {
            CoUninitialize();
        }
    }
    bool Usable() const { return SUCCEEDED(hr_) || hr_ == RPC_E_CHANGED_MODE; }

  private:
    HRESULT hr_;
};

struct RowSource {
    IWICBitmapSource* pixels;
    PicRect crop;
};

bool CopyRow(void* context, std::int32_t y, std::uint32_t* row) {
    const auto* s = static_cast<const RowSource*>(context);
    const WICRect rect{s->crop.x, y, s->crop.width, 1};
    const UINT stride = static_cast<UINT>(s->crop.width) * 4;
    return SUCCEEDED(s->pixels->CopyPixels(&rect, stride, stride, reinterpret_cast<BYTE*>(row)));
}

void FillPixels(const PixelTarget& t, const PicRect& r, std::uint32_t pixel) {
    for (std::int32_t y = r.y; y < r.y + r.height; ++y) {
        std::uint32_t* row = t.pixels + static_cast<std::size_t>(y) * t.stride;
        std::fill(row + r.x, row + r.x + r.width, pixel);
    }
}

// Repeats the first tile (at the top left) over the whole screen.
void RepeatTile(const PixelTarget& t, const PicRect& tile) {
    for (std::int32_t y = 0; y < t.rect.height; ++y) {
        std::uint32_t* row = t.pixels + static_cast<std::size_t>(y) * t.stride;
        const std::uint32_t* from = t.pixels + static_cast<std::size_t>(y % tile.height) * t.stride;
        for (std::int32_t x = y < tile.height ? tile.width : 0; x < t.rect.width; x += tile.width) {
            std::copy(from, from + std::min(tile.width, t.rect.width - x), row + x);
        }
    }
}

PictureVerdict Decode(const PictureFile& file, PictureFit fit, std::uint32_t backColor,
                      const PixelTarget& screen) {
    ComScope com;
    ComRef<IWICImagingFactory> factory;
    ComRef<IWICStream> stream;
    ComRef<IWICBitmapDecoder> decoder;
    ComRef<IWICBitmapFrameDecode> frame;
    ComRef<IWICFormatConverter> converter;
    UINT width = 0, height = 0;
    if (!com.Usable() ||
        FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))) ||
        FAILED(factory->CreateStream(&stream)) ||
        FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(file.bytes.data()),
                                            static_cast<DWORD>(file.bytes.size()))) ||
        FAILED(factory->CreateDecoderFromStream(stream.p, nullptr, WICDecodeMetadataCacheOnDemand,
                                                &decoder)) ||
        FAILED(decoder->GetFrame(0, &frame)) || FAILED(frame->GetSize(&width, &height))) {
        return PictureVerdict::Broken;
    }
    if (width == 0 || height == 0) {
        return PictureVerdict::Broken;
    }
    if (width > kMaxPictureSide || height > kMaxPictureSide) {
        return PictureVerdict::TooLarge; // a frame larger than its file's header said
    }
    if (FAILED(factory->CreateFormatConverter(&converter)) ||
        FAILED(converter->Initialize(frame.p, GUID_WICPixelFormat32bppPBGRA,
                                     WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom))) {
        return PictureVerdict::Broken;
    }
    const std::uint8_t orientation = file.header.orientation;
    const auto w = static_cast<std::int32_t>(width), h = static_cast<std::int32_t>(height);
    const bool swaps = OrientationSwapsSides(orientation);
    const PicturePlacement placed =
        PlacePicture(fit, swaps ? h : w, swaps ? w : h, screen.rect.width, screen.rect.height);
    RowSource source{converter.p, StoredRect(orientation, w, h, placed.source)};
    if (!ScalePicture(source.crop, orientation, CopyRow, &source, backColor,
                      {screen.pixels, screen.stride, placed.target})) {
        return PictureVerdict::Broken;
    }
    if (placed.tiled) {
        RepeatTile(screen, placed.target);
    }
    return PictureVerdict::Usable;
}

} // namespace

PictureFile ReadPictureFile(const char* path) {
    PictureFile file;
    HANDLE handle = CreateFileW(WideFromGbk(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return file; // missing, or a folder (opened only with backup semantics)
    }
    LARGE_INTEGER size{};
    if (GetFileType(handle) == FILE_TYPE_DISK && GetFileSizeEx(handle, &size)) {
        file.verdict = JudgePicture(static_cast<std::uint64_t>(size.QuadPart), PictureHeader{});
        if (file.verdict == PictureVerdict::UnknownFormat) { // neither empty nor too large
            try {
                file.bytes.resize(static_cast<std::size_t>(size.QuadPart));
                DWORD read = 0;
                std::size_t total = 0;
                while (total < file.bytes.size() &&
                       ReadFile(handle, file.bytes.data() + total,
                                static_cast<DWORD>(
                                    std::min<std::size_t>(file.bytes.size() - total, 1u << 24)),
                                &read, nullptr) &&
                       read != 0) {
                    total += read;
                }
                file.bytes.resize(total); // a file cut short while it was read
                file.header = ReadPictureHeader(file.bytes.data(), file.bytes.size());
                file.verdict = JudgePicture(total, file.header);
                if (file.verdict == PictureVerdict::Usable &&
                    !PictureLooksWhole(file.header, file.bytes.data(), total)) {
                    file.verdict = PictureVerdict::Broken;
                }
            } catch (const std::bad_alloc&) {
                file.verdict = PictureVerdict::TooLarge;
            }
        }
    }
    CloseHandle(handle);
    if (file.verdict != PictureVerdict::Usable) {
        std::vector<std::uint8_t>().swap(file.bytes);
    }
    return file;
}

PictureVerdict DrawPicture(const PictureFile& file, PictureFit fit, std::uint32_t backColor,
                           const PixelTarget& screen) {
    FillPixels(screen, screen.rect, PixelOfColor(backColor));
    if (file.verdict != PictureVerdict::Usable) {
        return file.verdict;
    }
    const PictureVerdict verdict = Decode(file, fit, backColor, screen);
    if (verdict != PictureVerdict::Usable) {
        FillPixels(screen, screen.rect, PixelOfColor(backColor)); // nothing half drawn
    }
    return verdict;
}

PictureVerdict CheckPictureFile(const char* path) {
    const PictureFile file = ReadPictureFile(path);
    std::uint32_t pixels[64 * 64];
    return DrawPicture(file, PictureFit::Stretch, 0, {pixels, 64, {0, 0, 64, 64}});
}

} // namespace luna
