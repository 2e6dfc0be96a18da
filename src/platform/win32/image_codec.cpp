#include "platform/image_codec.h"

#include <windows.h>
#include <wincodec.h>

#include "platform/system_error.h"
#include "platform/win32/com.h"

namespace xs {

namespace {

// The system's imaging component, reached through COM: the factory's
// library is loaded by the path the system registered for it, never from
// the program's folder, and nothing is imported from it.
bool DecodeWithWic(TXImageFormat format, std::string_view bytes, TXDecodedImage& image) {
  ComRef<IWICImagingFactory> factory;
  ComRef<IWICStream> stream;
  ComRef<IWICBitmapDecoder> decoder;
  ComRef<IWICBitmapFrameDecode> frame;
  ComRef<IWICFormatConverter> converter;
  const GUID& container = format == TXImageFormat::Png ? GUID_ContainerFormatPng : GUID_ContainerFormatJpeg;
  // WIC only reads the stream's memory; its interface asks for no const.
  BYTE* data = reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data()));
  if (!Check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                              factory.Out())) ||
      !Check(factory->CreateStream(reinterpret_cast<IWICStream**>(stream.Out()))) ||
      !Check(stream->InitializeFromMemory(data, static_cast<DWORD>(bytes.size()))) ||
      !Check(factory->CreateDecoder(container, nullptr, reinterpret_cast<IWICBitmapDecoder**>(decoder.Out()))) ||
      !Check(decoder->Initialize(stream.Get(), WICDecodeMetadataCacheOnDemand)) ||
      !Check(decoder->GetFrame(0, reinterpret_cast<IWICBitmapFrameDecode**>(frame.Out()))))
    return false;
  UINT width = 0, height = 0;
  if (!Check(frame->GetSize(&width, &height))) return false;
  if (width == 0 || height == 0 || width > kMaxImageSide || height > kMaxImageSide) {
    SetLastSystemError(kErrInvalidData);
    return false;
  }
  if (!Check(factory->CreateFormatConverter(reinterpret_cast<IWICFormatConverter**>(converter.Out()))) ||
      !Check(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr,
                                   0.0, WICBitmapPaletteTypeCustom)))
    return false;
  const UINT stride = width * 4;
  image.Width = static_cast<int>(width);
  image.Height = static_cast<int>(height);
  image.Pixels.resize(static_cast<size_t>(stride) * height);
  return Check(converter->CopyPixels(nullptr, stride, static_cast<UINT>(image.Pixels.size()), image.Pixels.data()));
}

}  // namespace

bool DecodeImage(TXImageFormat format, std::string_view bytes, TXDecodedImage& image) {
  image = TXDecodedImage();
  if (bytes.empty() || bytes.size() > kMaxImageBytes) {
    SetLastSystemError(kErrInvalidData);
    return false;
  }
  ComScope com;
  if (DecodeWithWic(format, bytes, image)) return true;
  int code = LastSystemError();
  image = TXDecodedImage();
  SetLastSystemError(code != 0 ? code : kErrInvalidData);
  return false;
}

}  // namespace xs
