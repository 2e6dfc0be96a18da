// Event shapes of command components.
#pragma once

#include <functional>
#include <string>

namespace xs {

class TObject;

// Where a command came from (a button, a link, a key); the dialog framework
// gives the values their meaning.
using TXHitType = int;

using TXCommandEvent = std::function<void(TObject* sender, int monitor, TXHitType hit,
                                          const std::string& hit_name, const std::string& command,
                                          const std::string& args)>;
using TXIntCommandEvent = std::function<void(TObject* sender, int monitor, TXHitType hit,
                                             const std::string& hit_name, int command,
                                             const std::string& args)>;

}  // namespace xs
