#include "platform/windows/host/PngFiles.h"

#include <wincodec.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "platform/windows/GdiObjectCount.h"

namespace qv::windows {

namespace {

constexpr unsigned char kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// 32 bits per pixel, blue first, alpha not multiplied in (WIC's GUID_WICPixelFormat32bppBGRA).
constexpr GUID kBgra = {
    0x6fddc324, 0x4e03, 0x4bfe, {0xb1, 0x85, 0x3d, 0x77, 0x76, 0x8d, 0xc9, 0x0f}};
// The largest picture decoded: the bytes of its pixels must fit the copy's 32-bit count.
constexpr std::uint64_t kMaxPixelBytes = 0x7FFFFFFF;

// Holds one reference to a COM object and releases it.
template <typename TInterface>
class ComRef {
  public:
    ComRef() = default;
    ~ComRef() {
        if (m_pObject) m_pObject->Release();
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    TInterface** Out() { return &m_pObject; }
    TInterface* operator->() const { return m_pObject; }
    TInterface* Get() const { return m_pObject; }

  private:
    TInterface* m_pObject = nullptr;
};

// COM for this thread while a file decodes; left as it was when the thread already has it.
class ComScope {
  public:
    ComScope() : m_hResult(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope() {
        if (SUCCEEDED(m_hResult)) ::CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

  private:
    HRESULT m_hResult;
};

// A 32-bit top-down DIB section and its pixels.
HBITMAP CreateTopDownBitmap(UINT nWidth, UINT nHeight, void** ppBits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = static_cast<LONG>(nWidth);
    info.bmiHeader.biHeight = -static_cast<LONG>(nHeight);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return CountCreated(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, ppBits, nullptr, 0));
}

// The converted image's pixels into a new bitmap, the alpha bytes cleared as a BMP's are.
PngResult CopyToBitmap(IWICBitmapSource* pSource, HBITMAP& hBitmap) {
    UINT nWidth = 0, nHeight = 0;
    if (FAILED(pSource->GetSize(&nWidth, &nHeight)) || nWidth == 0 || nHeight == 0)
        return PngResult::Damaged;
    const std::uint64_t nBytes = std::uint64_t{nWidth} * nHeight * 4;
    if (nBytes > kMaxPixelBytes) return PngResult::Damaged;
    void* pBits = nullptr;
    HBITMAP hNew = CreateTopDownBitmap(nWidth, nHeight, &pBits);
    if (!hNew) return PngResult::Damaged;
    if (FAILED(pSource->CopyPixels(nullptr, nWidth * 4, static_cast<UINT>(nBytes),
                                   static_cast<BYTE*>(pBits)))) {
        CountDeleted(::DeleteObject(hNew));
        return PngResult::Damaged;
    }
    auto* pPixels = static_cast<std::uint32_t*>(pBits);
    for (std::uint64_t i = 0; i < nBytes / 4; ++i) pPixels[i] &= 0x00FFFFFF;
    hBitmap = hNew;
    return PngResult::Decoded;
}

}  // namespace

bool IsPngFile(const std::wstring& sPath) {
    FILE* pFile = ::_wfopen(sPath.c_str(), L"rb");
    if (!pFile) return false;
    unsigned char aHead[sizeof kPngSignature] = {};
    const std::size_t nRead = std::fread(aHead, 1, sizeof aHead, pFile);
    std::fclose(pFile);
    return nRead == sizeof aHead && std::memcmp(aHead, kPngSignature, sizeof aHead) == 0;
}

PngResult DecodePngFile(const std::wstring& sPath, HBITMAP& hBitmap) {
    if (!IsPngFile(sPath)) return PngResult::NotPng;
    const ComScope com;
    ComRef<IWICImagingFactory> factory;
    if (FAILED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_IWICImagingFactory, reinterpret_cast<void**>(factory.Out()))))
        return PngResult::NoDecoder;
    ComRef<IWICBitmapDecoder> decoder;
    const HRESULT hDecoder = factory->CreateDecoderFromFilename(
        sPath.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand, decoder.Out());
    if (hDecoder == WINCODEC_ERR_COMPONENTNOTFOUND) return PngResult::NoDecoder;
    ComRef<IWICBitmapFrameDecode> frame;
    ComRef<IWICFormatConverter> converter;
    if (FAILED(hDecoder) || FAILED(decoder->GetFrame(0, frame.Out())) ||
        FAILED(factory->CreateFormatConverter(converter.Out())) ||
        FAILED(converter->Initialize(frame.Get(), kBgra, WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)))
        return PngResult::Damaged;
    return CopyToBitmap(converter.Get(), hBitmap);
}

}  // namespace qv::windows
