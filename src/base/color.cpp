#include "base/color.h"

#include "base/convert.h"

namespace xs {
namespace {

struct ColorName {
  int32_t value;
  const char* name;
};

constexpr ColorName kColorNames[] = {
    {clBlack, "clBlack"}, {clMaroon, "clMaroon"}, {clGreen, "clGreen"}, {clOlive, "clOlive"},
    {clNavy, "clNavy"}, {clPurple, "clPurple"}, {clTeal, "clTeal"}, {clGray, "clGray"},
    {clSilver, "clSilver"}, {clRed, "clRed"}, {clLime, "clLime"}, {clYellow, "clYellow"},
    {clBlue, "clBlue"}, {clFuchsia, "clFuchsia"}, {clAqua, "clAqua"}, {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"}, {clSkyBlue, "clSkyBlue"}, {clCream, "clCream"},
    {clMedGray, "clMedGray"}, {clNone, "clNone"}, {clDefault, "clDefault"},
    {clScrollBar, "clScrollBar"}, {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"}, {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"}, {clWindow, "clWindow"}, {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"}, {clWindowText, "clWindowText"}, {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"}, {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"}, {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"}, {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"}, {clGrayText, "clGrayText"}, {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"}, {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"}, {cl3DLight, "cl3DLight"}, {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"}, {clHotLight, "clHotLight"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clMenuHighlight, "clMenuHighlight"}, {clMenuBar, "clMenuBar"},
};

}  // namespace

std::string ColorToIdent(int32_t color) {
  for (const ColorName& c : kColorNames)
    if (c.value == color) return c.name;
  return {};
}

std::optional<int32_t> IdentToColor(std::string_view ident) {
  for (const ColorName& c : kColorNames)
    if (SameText(c.name, ident)) return c.value;
  return std::nullopt;
}

}  // namespace xs
