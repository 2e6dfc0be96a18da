#include "fake_measurer.h"

#include <algorithm>
#include <sstream>

namespace xs {

TXSize FakeMeasurer::WrappedTextSize(const std::string& text, int max_width) const {
  std::istringstream words(text);
  std::string word;
  int lines = 1, line = 0, widest = 0;
  while (words >> word) {
    const int width = TextWidth(word);
    if (line == 0) {
      line = width;
    } else if (line + kCharWidth + width <= max_width) {
      line += kCharWidth + width;
    } else {
      widest = std::max(widest, line);
      ++lines;
      line = width;
    }
  }
  return {std::max(widest, line), lines * kLineHeight};
}

}  // namespace xs
