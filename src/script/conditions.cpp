#include "script/conditions.h"

#include "base/settings.h"

namespace xs {
namespace {

struct ConditionPair {
  TXUICondition positive;  // needs the run condition
  TXUICondition negative;  // needs its absence
};

constexpr ConditionPair kPairs[] = {
    {cdReinstall, cdNotReinstall},
    {cdOld, cdNotOld},
    {cdCardMode, cdNotCardMode},
    {cdAllUsers, cdSingleUser},
};

}  // namespace

bool CheckCondition(const TXUICustomItem& item) {
  const TXRunSettings& run = RunSettings();
  const TXUIConditions& c = item.Condition;
  const TXUIConditions& s = run.RunConditions;
  if (c.none()) return false;
  if (item.LgID() != 0 && item.LgID() != run.CurrentLgID) return false;
  if (!run.SelectedComponents.test(item.Component)) return false;
  if (s.test(cdDemo)) return c.test(cdDemo);
  if (c.test(cdAlways)) return true;
  if (c == TXUIConditions().set(cdDemo)) return false;
  for (const ConditionPair& pair : kPairs) {
    if (c.test(pair.positive)) {
      if (!s.test(pair.positive)) return false;
    } else if (c.test(pair.negative)) {
      if (s.test(pair.positive)) return false;
    }
  }
  return true;
}

}  // namespace xs
