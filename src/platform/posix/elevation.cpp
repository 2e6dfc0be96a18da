#include "platform/elevation.h"

#include "platform/process.h"

namespace xs {

std::optional<uint32_t> RunElevated(const std::string& program, const std::string& parameters) {
  TProcess process;
  if (!process.Start("\"" + program + "\" " + parameters, {}, false)) return std::nullopt;
  return process.Wait([] {});
}

}  // namespace xs
