// Pictures on Windows: the Windows imaging component decodes files, the
// program's own resources hold the built-in bitmaps.

#include "platform/pictures.h"
#include "platform/win32/windows_api.h"

#include <wincodec.h>

#include "formats/bmp_format.h"
#include "formats/picture_header.h"
#include "platform/files/file_contents.h"

namespace velmar::platform {

namespace {

constexpr uint64_t kMaxPictureFileBytes = 256ull << 20;

template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ~ComPtr() {
    if (p_) p_->Release();
  }
  T** out() { return &p_; }
  T* operator->() const { return p_; }
  T* get() const { return p_; }

 private:
  T* p_ = nullptr;
};

// COM for the calling thread, for as long as one decode takes.
class ComScope {
 public:
  ComScope() : hr_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComScope() {
    if (SUCCEEDED(hr_)) CoUninitialize();
  }

 private:
  HRESULT hr_;
};

// Decodes from memory. The file was read (and checked) through the file
// system seam, so a path means the same on both ports and a cut-off file never
// reaches the system decoder.
std::optional<Picture> DecodeWithWic(std::span<const uint8_t> data, int width, int height) {
  ComScope com;
  ComPtr<IWICImagingFactory> factory;
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  ComPtr<IWICFormatConverter> converter;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                              reinterpret_cast<void**>(factory.out()))) ||
      FAILED(factory->CreateStream(stream.out())) ||
      FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(data.data()), static_cast<DWORD>(data.size()))) ||
      FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                              decoder.out())) ||
      FAILED(decoder->GetFrame(0, frame.out())) || FAILED(factory->CreateFormatConverter(converter.out())) ||
      FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom))) {
    return std::nullopt;
  }
  UINT w = 0, h = 0;
  if (FAILED(converter->GetSize(&w, &h)) || w != UINT(width) || h != UINT(height)) return std::nullopt;
  Picture picture;
  picture.width = width;
  picture.height = height;
  picture.rgba.resize(static_cast<size_t>(width) * height * 4);
  if (FAILED(converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(picture.rgba.size()), picture.rgba.data()))) {
    return std::nullopt;
  }
  for (size_t i = 0; i < picture.rgba.size(); i += 4) std::swap(picture.rgba[i], picture.rgba[i + 2]);
  return picture;
}

class Win32Pictures : public Pictures {
 public:
  explicit Win32Pictures(FileSystem& files) : files_(files) {}

  std::optional<Picture> loadFile(const std::string& path) override {
    const auto data = ReadFileContents(files_, path, kMaxPictureFileBytes);
    if (!data) return std::nullopt;
    const auto checked = CheckPictureFile(AsBytes(*data));
    if (!checked) return std::nullopt;
    return DecodeWithWic(AsBytes(*data), checked->width, checked->height);
  }

  // A bitmap resource is a DIB: decoded by the same code as .BMP files, so both
  // ports show the same pixels.
  std::optional<Picture> loadBuiltin(std::string_view name) override {
    std::wstring wide;
    for (char c : name) wide += static_cast<wchar_t>(static_cast<unsigned char>(c));
    if (wide.empty()) return std::nullopt;
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, wide.c_str(), MAKEINTRESOURCEW(2) /* RT_BITMAP */);
    if (!found) return std::nullopt;
    HGLOBAL loaded = LoadResource(module, found);
    const DWORD size = SizeofResource(module, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes || size == 0) return std::nullopt;
    return DecodeDib(std::span<const uint8_t>(static_cast<const uint8_t*>(bytes), size));
  }

 private:
  FileSystem& files_;
};

}  // namespace

std::unique_ptr<Pictures> MakeHostPictures(FileSystem& files) { return std::make_unique<Win32Pictures>(files); }

}  // namespace velmar::platform
