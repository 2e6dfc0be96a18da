#include "script/design.h"

#include "script/property_copy.h"

namespace xs {

XS_DEFINE_CLASS(TXImageObject, TXSizeStreamObject)

XS_DEFINE_CLASS(TXUIDesignObject, TXPersistent,
    Prop("TopColor1", &TXUIDesignObject::TopColor1),
    Prop("TopColor2", &TXUIDesignObject::TopColor2),
    Prop("FontColor", &TXUIDesignObject::FontColor),
    Prop("ShadowColor", &TXUIDesignObject::ShadowColor),
    Prop("TopImage", &TXUIDesignObject::TopImage))

bool TXUIDesignObject::AssignFrom(const TPersistent& source) {
  if (!TXPersistent::AssignFrom(source)) return false;
  CopySharedProperties(*this, source);
  return true;
}

}  // namespace xs
