// The wizard's window: a top panel with the banner and the page title, the
// page area with the controls of the eleven pages (those of the current
// page shown), and Back, Next and Cancel at the bottom. It shows what the
// wizard's model says and forwards every input to it.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "graphics/picture.h"
#include "platform/message_loop.h"
#include "ui/win32/folder_tree_view.h"
#include "ui/win32/gdi_measurer.h"
#include "ui/win32/rich_text_view.h"
#include "wizard/install_dialog.h"
#include "wizard/win32/panel_window.h"
#include "wizard/wizard_window.h"

namespace xs {

class TXInstallDlgWindow : public TXInstallDlg {
 public:
  // Makes the window (hidden); throws when the system refuses it.
  explicit TXInstallDlgWindow(TComponent* owner);
  ~TXInstallDlgWindow() override;

  HWND Handle() const { return wnd_; }

  // The form.
  std::string Caption() const override;
  void SetCaption(const std::string& caption) override;
  int ClientWidth() const override;
  void SetClientWidth(int width) override;
  bool Visible() const override;
  bool Modal() const override { return modal_; }
  int ShowModal() override;
  void SetModalResult(int result) override { modal_result_ = result; }
  void Show() override;
  void Hide() override;
  void BringToFront() override;
  // The wizard always has its single border and is centred.
  void ApplyStyle(const TXFormStyle&) override {}
  const TXTextMeasurer& Measurer() const override { return measurer_; }
  void Release() override;

  // What the model asks of its window.
  void PageActivated() override;
  bool SelectFolder(TXFolderTree tree, const std::string& folder) override;
  void ProcessMessages() override;
  void Close() override;
  void Terminate() override;

 protected:
  int WelcomePanelWidth() const override { return welcome_components_.ContentWidth(); }
  int ComponentsPanelWidth() const override { return components_list_.ContentWidth(); }
  // The texts, the banner and the current page.
  void ShowModel() override;

 private:
  template <class T>
  friend LRESULT CALLBACK ObjectWindowProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam);
  LRESULT WindowMessage(UINT msg, WPARAM wparam, LPARAM lparam);
  void MakeControls();
  HWND Add(const char* cls, DWORD style, int left, int top, int width, int height, int id = 0);
  void Command(int id, int code, HWND control);
  void ShowPage();
  void ShowButtons();
  void ShowProgress();
  void Paint(HDC dc);
  void LoadBanner();
  int S(int design) const { return ScaleDesign(design, measurer_.PixelsPerInch()); }

  TXGdiMeasurer measurer_;
  HFONT bold_font_ = nullptr;
  HFONT title_font_ = nullptr;
  HWND wnd_ = nullptr;
  bool modal_ = false;
  int modal_result_ = 0;
  bool terminating_ = false;
  bool texts_shown_ = false;  // and the banner loaded
  int shown_page_ = -1;
  TimerId release_timer_ = 0;
  TXPicture banner_;

  // The controls, by page.
  HWND back_ = nullptr, next_ = nullptr, cancel_ = nullptr;
  HWND welcome_title_ = nullptr, welcome_default_ = nullptr, copy_ = nullptr;
  TXPanelWindow welcome_components_;
  TXRichTextView readme_;
  TXRichTextView license_;
  HWND license_chk_ = nullptr;
  TXPanelWindow components_list_;
  HWND folder_app_ = nullptr, dest_folder_edit_ = nullptr;
  TXFolderTreeView dest_folder_tree_;
  HWND label1_ = nullptr, label2_ = nullptr, label3_ = nullptr, label4_ = nullptr;
  HWND start_menu_edit_ = nullptr, existing_folders_ = nullptr, create_shortcut_ = nullptr;
  HWND label9_ = nullptr, label5_ = nullptr, label10_ = nullptr;
  TXRichTextView settings_;
  HWND section_ = nullptr, file_ = nullptr, bar_ = nullptr;
  HWND label7_ = nullptr, label12_ = nullptr, upgrade_edit_ = nullptr;
  TXFolderTreeView upgrade_tree_;
  HWND upgrade_section_ = nullptr, upgrade_file_ = nullptr, upgrade_bar_ = nullptr;
  HWND finish_ = nullptr, launch_chk_ = nullptr;
};

}  // namespace xs
