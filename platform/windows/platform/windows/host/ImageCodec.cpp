#include "platform/windows/host/ImageCodec.h"

#include <wincodec.h>

#include "platform/windows/host/ComObjects.h"

namespace qv::windows {

namespace {

// 32 bits per pixel, blue first, alpha not multiplied in (GUID_WICPixelFormat32bppBGRA).
constexpr GUID kBgra = {
    0x6fddc324, 0x4e03, 0x4bfe, {0xb1, 0x85, 0x3d, 0x77, 0x76, 0x8d, 0xc9, 0x0f}};
// 24 bits per pixel, blue first (GUID_WICPixelFormat24bppBGR).
constexpr GUID kBgr = {
    0x6fddc324, 0x4e03, 0x4bfe, {0xb1, 0x85, 0x3d, 0x77, 0x76, 0x8d, 0xc9, 0x0c}};
// GUID_ContainerFormatPng.
constexpr GUID kPngContainer = {
    0x1b7cfaf4, 0x713f, 0x473c, {0xbb, 0xcd, 0x61, 0x37, 0x42, 0x5f, 0xae, 0xaf}};

bool CreateFactory(ComRef<IWICImagingFactory>& factory) {
    return SUCCEEDED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                        IID_IWICImagingFactory,
                                        reinterpret_cast<void**>(factory.Out())));
}

DecodeResult ReadFirstFrame(IWICImagingFactory* pFactory, IWICBitmapDecoder* pDecoder,
                            Pixels& pixels) {
    ComRef<IWICBitmapFrameDecode> frame;
    ComRef<IWICFormatConverter> converter;
    UINT nWidth = 0, nHeight = 0;
    if (FAILED(pDecoder->GetFrame(0, frame.Out())) ||
        FAILED(pFactory->CreateFormatConverter(converter.Out())) ||
        FAILED(converter->Initialize(frame.Get(), kBgra, WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&nWidth, &nHeight)) || nWidth > 0x7FFFFFFF ||
        nHeight > 0x7FFFFFFF)
        return DecodeResult::Damaged;
    std::optional<Pixels> read =
        Pixels::Filled(static_cast<int>(nWidth), static_cast<int>(nHeight), 0);
    if (!read ||
        FAILED(converter->CopyPixels(nullptr, nWidth * 4, static_cast<UINT>(read->aArgb.size() * 4),
                                     reinterpret_cast<BYTE*>(read->aArgb.data()))))
        return DecodeResult::Damaged;
    pixels = std::move(*read);
    return DecodeResult::Decoded;
}

DecodeResult Decoded(IWICImagingFactory* pFactory, HRESULT hDecoder, IWICBitmapDecoder* pDecoder,
                     Pixels& pixels) {
    if (hDecoder == WINCODEC_ERR_COMPONENTNOTFOUND) return DecodeResult::NoDecoder;
    if (FAILED(hDecoder)) return DecodeResult::Damaged;
    return ReadFirstFrame(pFactory, pDecoder, pixels);
}

// The bytes a stream on global memory holds.
std::optional<std::vector<std::uint8_t>> StreamBytes(IStream* pStream) {
    STATSTG status{};
    if (FAILED(pStream->Stat(&status, STATFLAG_NONAME)) || status.cbSize.QuadPart > 0x7FFFFFFF)
        return std::nullopt;
    std::vector<std::uint8_t> aBytes(static_cast<std::size_t>(status.cbSize.QuadPart));
    LARGE_INTEGER nStart{};
    ULONG nRead = 0;
    if (FAILED(pStream->Seek(nStart, STREAM_SEEK_SET, nullptr)) ||
        FAILED(pStream->Read(aBytes.data(), static_cast<ULONG>(aBytes.size()), &nRead)) ||
        nRead != aBytes.size())
        return std::nullopt;
    return aBytes;
}

// The rows as the frame takes them: BGRA as they are, or BGR without the alpha.
std::vector<BYTE> FrameBytes(const Pixels& pixels, bool bWithAlpha) {
    if (bWithAlpha) {
        const auto* pBytes = reinterpret_cast<const BYTE*>(pixels.aArgb.data());
        return std::vector<BYTE>(pBytes, pBytes + pixels.aArgb.size() * 4);
    }
    const std::size_t nStride = (static_cast<std::size_t>(pixels.nWidth) * 3 + 3) / 4 * 4;
    std::vector<BYTE> aBytes(nStride * pixels.nHeight, 0);
    for (int nY = 0; nY < pixels.nHeight; ++nY) {
        BYTE* pRow = aBytes.data() + nY * nStride;
        for (int nX = 0; nX < pixels.nWidth; ++nX) {
            const std::uint32_t nPixel =
                pixels.aArgb[static_cast<std::size_t>(nY) * pixels.nWidth + nX];
            pRow[nX * 3] = static_cast<BYTE>(nPixel);
            pRow[nX * 3 + 1] = static_cast<BYTE>(nPixel >> 8);
            pRow[nX * 3 + 2] = static_cast<BYTE>(nPixel >> 16);
        }
    }
    return aBytes;
}

bool WriteFrame(IWICBitmapEncoder* pEncoder, const Pixels& pixels, bool bWithAlpha) {
    ComRef<IWICBitmapFrameEncode> frame;
    ComRef<IPropertyBag2> options;
    WICPixelFormatGUID format = bWithAlpha ? kBgra : kBgr;
    if (FAILED(pEncoder->CreateNewFrame(frame.Out(), options.Out())) ||
        FAILED(frame->Initialize(options.Get())) ||
        FAILED(
            frame->SetSize(static_cast<UINT>(pixels.nWidth), static_cast<UINT>(pixels.nHeight))) ||
        FAILED(frame->SetPixelFormat(&format)) || format != (bWithAlpha ? kBgra : kBgr))
        return false;
    std::vector<BYTE> aBytes = FrameBytes(pixels, bWithAlpha);
    const auto nStride = static_cast<UINT>(aBytes.size() / pixels.nHeight);
    return SUCCEEDED(frame->WritePixels(static_cast<UINT>(pixels.nHeight), nStride,
                                        static_cast<UINT>(aBytes.size()), aBytes.data())) &&
           SUCCEEDED(frame->Commit());
}

}  // namespace

DecodeResult DecodeImageBytes(const std::vector<std::uint8_t>& aBytes, Pixels& pixels) {
    if (aBytes.empty() || aBytes.size() > 0x7FFFFFFF) return DecodeResult::Damaged;
    const ComScope com;
    ComRef<IWICImagingFactory> factory;
    ComRef<IWICStream> stream;
    if (!CreateFactory(factory) || FAILED(factory->CreateStream(stream.Out())))
        return DecodeResult::NoDecoder;
    if (FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(aBytes.data()),
                                            static_cast<DWORD>(aBytes.size()))))
        return DecodeResult::Damaged;
    ComRef<IWICBitmapDecoder> decoder;
    const HRESULT hDecoder = factory->CreateDecoderFromStream(
        stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, decoder.Out());
    return Decoded(factory.Get(), hDecoder, decoder.Get(), pixels);
}

DecodeResult DecodeImageFile(const std::wstring& sPath, Pixels& pixels) {
    const ComScope com;
    ComRef<IWICImagingFactory> factory;
    if (!CreateFactory(factory)) return DecodeResult::NoDecoder;
    ComRef<IWICBitmapDecoder> decoder;
    const HRESULT hDecoder = factory->CreateDecoderFromFilename(
        sPath.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand, decoder.Out());
    return Decoded(factory.Get(), hDecoder, decoder.Get(), pixels);
}

std::optional<std::vector<std::uint8_t>> EncodePng(const Pixels& pixels, bool bWithAlpha) {
    if (pixels.nWidth <= 0 || pixels.nHeight <= 0) return std::nullopt;
    const ComScope com;
    ComRef<IWICImagingFactory> factory;
    ComRef<IStream> stream;
    ComRef<IWICBitmapEncoder> encoder;
    if (!CreateFactory(factory) || FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, stream.Out())) ||
        FAILED(factory->CreateEncoder(kPngContainer, nullptr, encoder.Out())) ||
        FAILED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) ||
        !WriteFrame(encoder.Get(), pixels, bWithAlpha) || FAILED(encoder->Commit()))
        return std::nullopt;
    return StreamBytes(stream.Get());
}

}  // namespace qv::windows
