// The process-wide image data: the message-box icons at every size they are
// shown in.
#pragma once

#include <array>
#include <string_view>

#include "graphics/filter_kernel.h"
#include "graphics/picture.h"

namespace xs {

// The standard icon ids a message box names its icon by.
inline constexpr int kIconApplication = 32512;
inline constexpr int kIconError = 32513;
inline constexpr int kIconQuestion = 32514;
inline constexpr int kIconWarning = 32515;
inline constexpr int kIconInformation = 32516;

// One icon: its 64-pixel master and the 48-, 32- and 16-pixel images made
// from it. Every picture has an alpha channel.
class TXIconImages {
 public:
  static constexpr int kMasterSize = 64;
  static constexpr std::array<int, 3> kSizes = {48, 32, 16};

  TXPicture Master;
  // Images[k] is kSizes[k] pixels square.
  std::array<TXPicture, 3> Images;

  // Decodes the PNG master and resamples the smaller sizes from it through
  // kernel. On a master that does not decode returns false and leaves
  // every picture empty.
  bool Load(std::string_view png, const TXCustomFilterKernel& kernel);
  // The picture of size pixels square; null for another size or an empty
  // set.
  const TXPicture* Find(int size) const;
};

class TXWinData {
 public:
  // Loads the four message-box icons, compiled into the program.
  TXWinData();
  TXWinData(const TXWinData&) = delete;
  TXWinData& operator=(const TXWinData&) = delete;

  TXIconImages InfoImages;
  TXIconImages QuestionImages;
  TXIconImages ErrorImages;
  TXIconImages WarningImages;
  // The application's own icon; empty for now.
  TXIconImages AppImages;

  // The images of icon_id (kIconApplication ... kIconInformation); null
  // for 0 and any other id.
  const TXIconImages* Images(int icon_id) const;
  // The picture of icon_id at size pixels square: blue, green, red and
  // straight alpha, rows from the top (TXPicture::Bgra). Null when there is
  // none.
  const TXPicture* IconPicture(int icon_id, int size) const;
};

// The one instance, made on first use.
TXWinData& WinData();

// The PNG masters as compiled in.
std::string_view InformationIconPng();
std::string_view QuestionIconPng();
std::string_view ErrorIconPng();
std::string_view WarningIconPng();

}  // namespace xs
