#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/soft/gdi/Surface.h"
#include "platform/win32/Gdi.h"

// The objects behind the handles of the software drawing platform.
namespace qv::soft {

class RealizedFont;

enum class ObjectKind {
    kDeviceContext,
    kBitmap,
    kBrush,
    kPen,
    kFont,
    kIcon,
    kImageList,
    kMetafile
};

struct GdiObject {
    explicit GdiObject(ObjectKind eKind) : eKind(eKind) {}
    virtual ~GdiObject() = default;
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    const ObjectKind eKind;
    bool bStock = false;
    int nSelections = 0;  // how many device contexts hold this object selected
};

struct BitmapObject : GdiObject {
    static constexpr ObjectKind kKind = ObjectKind::kBitmap;
    explicit BitmapObject(SurfaceRef pPixels) : GdiObject(kKind), pSurface(std::move(pPixels)) {}
    SurfaceRef pSurface;
};

struct BrushObject : GdiObject {
    static constexpr ObjectKind kKind = ObjectKind::kBrush;
    explicit BrushObject(const win32::LOGBRUSH& logBrush)
        : GdiObject(kKind),
          nStyle(logBrush.lbStyle),
          clrColor(logBrush.lbColor),
          nHatch(static_cast<int>(logBrush.lbHatch)) {}
    win32::UINT nStyle;
    win32::COLORREF clrColor;
    int nHatch;
};

// Pens draw one-pixel solid lines, or nothing.
struct PenObject : GdiObject {
    static constexpr ObjectKind kKind = ObjectKind::kPen;
    PenObject(bool bIsNull, win32::COLORREF clrPen)
        : GdiObject(kKind), bNull(bIsNull), clrColor(clrPen) {}
    bool bNull;
    win32::COLORREF clrColor;
};

// What CreateFontA was asked for; the face is UTF-8.
struct FontRequest {
    int nHeight = 0;  // < 0: character height, > 0: cell height, 0: the default height
    int nWeight = win32::FW_NORMAL;
    bool bItalic = false;
    bool bUnderline = false;
    bool bStrikeOut = false;
    unsigned nCharSet = win32::DEFAULT_CHARSET;
    std::string sFace;
};

struct FontObject : GdiObject {
    static constexpr ObjectKind kKind = ObjectKind::kFont;
    explicit FontObject(FontRequest fontRequest)
        : GdiObject(kKind), request(std::move(fontRequest)) {}
    FontRequest request;
    std::shared_ptr<const RealizedFont> pRealized;  // made on first use
};

// Colour pixels with a mask: a mask byte of 1 marks a transparent pixel.
struct MaskedImage {
    SurfaceRef pColor;
    std::vector<std::uint8_t> aMask;  // one byte per pixel of pColor
};

struct IconObject : GdiObject {
    static constexpr ObjectKind kKind = ObjectKind::kIcon;
    explicit IconObject(MaskedImage iconImage) : GdiObject(kKind), image(std::move(iconImage)) {}
    MaskedImage image;
};

// nCount images of nWidth x nHeight side by side in one strip.
struct ImageListObject : GdiObject {
    static constexpr ObjectKind kKind = ObjectKind::kImageList;
    ImageListObject(int nImageWidth, int nImageHeight, int nImageCount, MaskedImage stripImage)
        : GdiObject(kKind),
          nWidth(nImageWidth),
          nHeight(nImageHeight),
          nCount(nImageCount),
          strip(std::move(stripImage)) {}
    int nWidth;
    int nHeight;
    int nCount;
    MaskedImage strip;
};

// A metafile with no records: it exists and has a handle, and draws nothing.
struct MetafileObject : GdiObject {
    static constexpr ObjectKind kKind = ObjectKind::kMetafile;
    MetafileObject() : GdiObject(kKind) {}
};

// A device context draws into a surface: a memory context into the bitmap selected into
// it, a surface context into a given area of a surface owned by someone else.
struct DeviceContext : GdiObject {
    static constexpr ObjectKind kKind = ObjectKind::kDeviceContext;
    DeviceContext() : GdiObject(kKind) {}

    bool bMemory = true;
    SurfaceRef pSurface;
    win32::RECT rcArea{};  // on pSurface: logical 0,0 is its top-left, and drawing stays in it
    std::uint32_t hBitmap = 0;
    std::uint32_t hBrush = 0;
    std::uint32_t hPen = 0;
    std::uint32_t hFont = 0;
    int nBkMode = win32::OPAQUE;
    win32::COLORREF clrBk = 0x00FFFFFF;
    win32::COLORREF clrText = 0;
    int nStretchMode = win32::BLACKONWHITE;
};

}  // namespace qv::soft
