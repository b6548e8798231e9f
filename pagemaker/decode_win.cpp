// Reading a picture file with the Windows Imaging Component, which every Windows since Vista and
// Wine have: PNG, JPEG, BMP, GIF and TIFF.
#include <windows.h>
#include <wincodec.h>

#include "pagemaker/picture_file.h"

namespace {

// One COM interface pointer, released when it goes.
template <class T> class CComRef {
  public:
    CComRef() : lp(NULL) {}
    ~CComRef() {
        if (lp)
            lp->Release();
    }
    CComRef(const CComRef&) = delete;
    CComRef& operator=(const CComRef&) = delete;
    T* operator->() const { return lp; }
    T** operator&() { return &lp; }
    T* lp;
};

// The file's first bytes, or why it cannot be read.
DecodeResult ReadFileStart(const std::wstring& strFile, uint8_t* lpBytes, DWORD cb, DWORD* lpcb) {
    HANDLE hFile = CreateFileW(strFile.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE) {
        DWORD dwError = GetLastError();
        return dwError == ERROR_FILE_NOT_FOUND || dwError == ERROR_PATH_NOT_FOUND ||
                       dwError == ERROR_INVALID_NAME
                   ? DECODE_NO_FILE
                   : DECODE_CANNOT_OPEN;
    }
    int bRead = ReadFile(hFile, lpBytes, cb, lpcb, NULL);
    CloseHandle(hFile);
    return bRead ? DECODE_OK : DECODE_CANNOT_OPEN;
}

// Why no decoder took the file. Some decoders turn down a damaged file as one they do not know,
// so the file's own first bytes decide between damaged and not a picture.
DecodeResult DecoderResult(HRESULT hr, const uint8_t* lpStart, DWORD cbStart) {
    if (hr == E_OUTOFMEMORY)
        return DECODE_NO_MEMORY;
    if (hr == HRESULT_FROM_WIN32(ERROR_SHARING_VIOLATION) || hr == E_ACCESSDENIED)
        return DECODE_CANNOT_OPEN;
    if (!HasPictureSignature(lpStart, cbStart))
        return DECODE_NOT_PICTURE;
    return hr == WINCODEC_ERR_UNSUPPORTEDPIXELFORMAT || hr == WINCODEC_ERR_UNSUPPORTEDOPERATION
               ? DECODE_UNSUPPORTED
               : DECODE_DAMAGED;
}

} // namespace

DecodeResult DecodePictureFile(const std::wstring& strFile, DecodedPicture* lpPicture) {
    DWORD dwAttributes = GetFileAttributesW(strFile.c_str());
    if (dwAttributes == INVALID_FILE_ATTRIBUTES || (dwAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return DECODE_NO_FILE;
    uint8_t start[16];
    DWORD cbStart = 0;
    DecodeResult nOpen = ReadFileStart(strFile, start, sizeof(start), &cbStart);
    if (nOpen != DECODE_OK)
        return nOpen;
    CComRef<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, NULL, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, (void**)&factory)))
        return DECODE_NO_DECODERS;
    CComRef<IWICBitmapDecoder> decoder;
    HRESULT hr = factory->CreateDecoderFromFilename(strFile.c_str(), NULL, GENERIC_READ,
                                                    WICDecodeMetadataCacheOnDemand, &decoder);
    if (FAILED(hr))
        return DecoderResult(hr, start, cbStart);
    CComRef<IWICBitmapFrameDecode> frame;
    UINT cxFile = 0, cyFile = 0;
    if (FAILED(decoder->GetFrame(0, &frame)) || FAILED(frame->GetSize(&cxFile, &cyFile)))
        return DECODE_DAMAGED;
    DecodeResult nSize = CheckPictureSize(cxFile, cyFile);
    if (nSize != DECODE_OK)
        return nSize;

    // A large picture is scaled straight from the frame, where a decoder that can scale as it
    // decodes (JPEG's eighths) does so; else from the converted pixels. Then put in one layout.
    uint32_t cx = 0, cy = 0;
    GetDecodedSize(cxFile, cyFile, &cx, &cy);
    const int bScale = cx != cxFile || cy != cyFile;
    CComRef<IWICBitmapScaler> scaler, scalerAfter;
    CComRef<IWICFormatConverter> converter;
    if (FAILED(factory->CreateFormatConverter(&converter)))
        return DECODE_NO_DECODERS;
    const int bFromFrame =
        bScale && SUCCEEDED(factory->CreateBitmapScaler(&scaler)) &&
        SUCCEEDED(scaler->Initialize(frame.lp, cx, cy, WICBitmapInterpolationModeFant));
    hr = converter->Initialize(bFromFrame ? (IWICBitmapSource*)scaler.lp : frame.lp,
                               GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, NULL, 0.0,
                               WICBitmapPaletteTypeCustom);
    if (FAILED(hr))
        return DecoderResult(hr, start, cbStart);
    IWICBitmapSource* lpSource = converter.lp;
    if (bScale && !bFromFrame) {
        if (FAILED(factory->CreateBitmapScaler(&scalerAfter)) ||
            FAILED(
                hr = scalerAfter->Initialize(converter.lp, cx, cy, WICBitmapInterpolationModeFant)))
            return DecoderResult(hr, start, cbStart);
        lpSource = scalerAfter.lp;
    }

    const UINT cbStride = cx * 4;
    try {
        lpPicture->lpPixels.assign((size_t)cbStride * cy, 0);
    } catch (const std::bad_alloc&) {
        return DECODE_NO_MEMORY;
    }
    // In bands, so that the source never hands over more than a band's bytes in one call.
    const UINT nBand = 256;
    for (UINT y = 0; y < cy; y += nBand) {
        WICRect rc = {0, (INT)y, (INT)cx, (INT)(cy - y < nBand ? cy - y : nBand)};
        hr = lpSource->CopyPixels(&rc, cbStride, cbStride * rc.Height,
                                  lpPicture->lpPixels.data() + (size_t)cbStride * y);
        if (FAILED(hr)) {
            lpPicture->lpPixels.clear();
            return DecoderResult(hr, start, cbStart);
        }
    }
    lpPicture->nWidth = (int)cx;
    lpPicture->nHeight = (int)cy;
    return DECODE_OK;
}
