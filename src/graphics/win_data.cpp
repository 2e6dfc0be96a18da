#include "graphics/win_data.h"

#include "graphics/resample.h"

namespace xs {

bool TXIconImages::Load(std::string_view png, const TXCustomFilterKernel& kernel) {
  if (!LoadPicture(TXImageFormat::Png, png, Master)) {
    for (TXPicture& image : Images) image.SetSize(0, 0, true);
    return false;
  }
  for (size_t k = 0; k < kSizes.size(); ++k) ResamplePicture(Master, Images[k], kSizes[k], kernel, kSizes[k]);
  return true;
}

const TXPicture* TXIconImages::Find(int size) const {
  if (Master.Width() == 0) return nullptr;
  if (size == kMasterSize) return &Master;
  for (size_t k = 0; k < kSizes.size(); ++k)
    if (kSizes[k] == size) return &Images[k];
  return nullptr;
}

TXWinData::TXWinData() {
  // A kernel of its own, width 3, for this one derivation.
  TXLanczosKernel kernel;
  InfoImages.Load(InformationIconPng(), kernel);
  QuestionImages.Load(QuestionIconPng(), kernel);
  ErrorImages.Load(ErrorIconPng(), kernel);
  WarningImages.Load(WarningIconPng(), kernel);
}

const TXIconImages* TXWinData::Images(int icon_id) const {
  switch (icon_id) {
    case kIconApplication: return &AppImages;
    case kIconError: return &ErrorImages;
    case kIconQuestion: return &QuestionImages;
    case kIconWarning: return &WarningImages;
    case kIconInformation: return &InfoImages;
    default: return nullptr;
  }
}

const TXPicture* TXWinData::IconPicture(int icon_id, int size) const {
  const TXIconImages* images = Images(icon_id);
  return images ? images->Find(size) : nullptr;
}

TXWinData& WinData() {
  static TXWinData data;
  return data;
}

}  // namespace xs
