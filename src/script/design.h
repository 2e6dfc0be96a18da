// The wizard's banner design: gradient colours, font colours and the top
// image.
#pragma once

#include "base/color.h"
#include "package/persistent_base.h"
#include "package/stream_object.h"

namespace xs {

// An image stored as a stream object: DataClass names the image class
// ("TBitmap", "TJPEGImage", "TPngImage"), Width and Height its design size.
class TXImageObject : public TXSizeStreamObject {
  XS_DECLARE_CLASS(TXImageObject)
};

// Published: TopColor1, TopColor2, FontColor, ShadowColor, TopImage.
class TXUIDesignObject : public TXPersistent {
  XS_DECLARE_CLASS(TXUIDesignObject)
 public:
  TColor TopColor1 = clBlack;
  TColor TopColor2 = clBlack;
  TColor FontColor = clBlack;
  TColor ShadowColor = clBlack;
  TXImageObject TopImage;

  // Clears the image; the colours stay.
  void Clear() override { TopImage.Clear(); }
  // From a TXUIDesignObject: the colours, and the image assigned.
  bool AssignFrom(const TPersistent& source) override;
};

}  // namespace xs
