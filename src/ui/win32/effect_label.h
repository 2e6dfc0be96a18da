// The effect label of the wizard's page title: its text drawn twice, first
// shifted right and down by the shadow distance in the shadow colour, then
// at its place in its own colour. Disabled, it is drawn engraved: shifted
// by 1 in the highlight colour, then in the shadow colour of buttons.
#pragma once

#include <windows.h>

#include <string>

namespace xs {

struct TXEffectLabelStyle {
  HFONT Font = nullptr;
  COLORREF Color = 0;
  COLORREF ShadowColor = 0;
  int ShadowDistance = 1;
  bool Enabled = true;
};

// Draws text at the top left of rect, on a transparent background.
void DrawEffectLabel(HDC dc, const std::string& text, const RECT& rect, const TXEffectLabelStyle& style);
// The size the label takes to show text whole: the text's and the distance.
SIZE EffectLabelSize(HDC dc, const std::string& text, const TXEffectLabelStyle& style);

}  // namespace xs
