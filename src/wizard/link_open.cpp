#include "wizard/link_open.h"

#include "base/format.h"
#include "base/text.h"
#include "lang/keys.h"
#include "lang/language.h"
#include "ui/message_box.h"

namespace xs {

namespace {
bool Open(TXWizardEngine& engine, const std::string& link, const char* protocol, const char* error_key,
          bool report) {
  if (engine.Launch("open", link, "") || engine.StartProtocolHandler(protocol, link)) return true;
  if (report) {
    const TXLg& lg = ActiveLg();
    ShowMessageBox(FormatTemplate(lg.Translate(error_key), {link}), lg.Translate(kLgLinkErrorCaption), IconWarning,
                   TXButtonFrame::TXCmdOK, mrOK);
  }
  return false;
}
}  // namespace

bool OpenWebLink(TXWizardEngine& engine, const std::string& link, bool report) {
  return Open(engine, link, "http", kLgWebLinkError, report);
}

bool OpenMailLink(TXWizardEngine& engine, const std::string& link, bool report) {
  const bool has_scheme = FindText(link, "mailto:", 0, true) != std::string::npos;
  return Open(engine, has_scheme ? link : "mailto:" + link, "mailto", kLgMailLinkError, report);
}

}  // namespace xs
