// The program's data module: the built-in English language pack, held as a
// stored stream the language wizard reads like any other pack.
#pragma once

#include "base/component.h"
#include "package/stored_stream.h"

namespace xs {

class TData : public TComponent {
 public:
  // Builds the pack from the English words compiled into the program.
  explicit TData(TComponent* owner);

  TXStoredStream lgStream;
};

// The start-up steps of the languages: the wizard takes this program's
// application id 111 and version 400, is offered data's pack and makes it
// the active language.
void StartLanguages(TData& data);

}  // namespace xs
