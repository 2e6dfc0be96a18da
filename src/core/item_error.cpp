#include "core/item_error.h"

#include "base/error.h"
#include "base/format.h"
#include "lang/keys.h"
#include "lang/language.h"
#include "ui/message_box.h"

namespace xs {

void ShowItemError(const TXUICustomItem& item, bool abort) {
  const TXLg& lg = ActiveLg();
  std::string text;
  switch (XError().GetCode()) {
    case errCreateFolder:
      text = FormatTemplate(lg.Translate(kLgFolderError), {XError().GetText()});
      break;
    case errWriteFile:
      text = FormatTemplate(lg.Translate(kLgFileError), {XError().GetText()});
      break;
    default:
      text = FormatTemplate(lg.Translate(kLgItemError), {item.GetDisplayText()});
  }
  if (abort) text += "\r\n" + lg.Translate(kLgAbortNote);
  ShowMessageBox(text, lg.Translate(kLgErrorCaption), IconError, TXButtonFrame::TXCmdOK, mrOK);
}

}  // namespace xs
