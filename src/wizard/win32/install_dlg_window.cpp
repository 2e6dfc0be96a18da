#include "wizard/win32/install_dlg_window.h"

#include <commctrl.h>

#include <stdexcept>
#include <vector>

#include "graphics/filter_kernel.h"
#include "graphics/resample.h"
#include "ui/message_box.h"
#include "ui/win32/common_controls.h"
#include "ui/win32/effect_label.h"
#include "ui/win32/picture_painter.h"

#include "ui/win32/window_class.h"

namespace xs {

namespace {
const char kClassName[] = "TXInstallDlg";
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT | WS_EX_APPWINDOW;

// Design pixels at 96 pixels per inch.
constexpr int kClientWidth = 472;
constexpr int kClientHeight = 346;
constexpr int kTopHeight = 62;
constexpr int kBannerHeight = 60;
constexpr int kBottomHeight = 41;
constexpr int kMargin = 16;
constexpr int kPageTop = kTopHeight + 12;
constexpr int kPageBottom = kClientHeight - kBottomHeight - 8;
constexpr int kWidth = kClientWidth - 2 * kMargin;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kTitleFontHeight = 21;

enum : int {
  kBackId = 10, kNextId, kCancelId,
  kLicenseChkId = 20, kDestEditId, kStartMenuEditId, kExistingListId, kShortcutChkId, kUpgradeEditId, kLaunchChkId,
  kDestTreeId = 30, kUpgradeTreeId,
  kReadmeId = 40, kLicenseId, kSettingsId,
  kWelcomeItemsId = 1000, kComponentItemsId = 2000,
};

COLORREF ColorRef(TColor color) {
  const auto value = static_cast<uint32_t>(color);
  if ((value & 0xFF000000u) == 0xFF000000u) return GetSysColor(static_cast<int>(value & 0xFF));
  return value & 0xFFFFFF;
}

std::string WindowText(HWND wnd) {
  std::string text(static_cast<size_t>(GetWindowTextLengthA(wnd)) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(wnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

// Sets a control's text only when it differs: no flicker while the
// progress pages are updated many times a second.
void SetText(HWND wnd, const std::string& text) {
  if (WindowText(wnd) != text) SetWindowTextA(wnd, text.c_str());
}

bool Checked(HWND box) { return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }
void SetChecked(HWND box, bool checked) { SendMessageA(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0); }

// One control of a page's column: its height in design pixels, kWrapped
// for a label as high as its wrapped text, kFill for the one that takes
// what the others leave; gap is the space above it. A row without a control
// keeps its place empty.
constexpr int kWrapped = -1;
constexpr int kFill = 0;
struct TXRow {
  HWND Wnd;
  int Height;
  int Gap;
};
}  // namespace

TXInstallDlgWindow::TXInstallDlgWindow(TComponent* owner) : TXInstallDlg(owner) {
  if (!RegisterProgramClass(kClassName, ObjectWindowProc<TXInstallDlgWindow>, COLOR_BTNFACE) ||
      !InitCommonControlClasses(ICC_PROGRESS_CLASS | ICC_TREEVIEW_CLASSES))
    throw std::runtime_error("the wizard window could not be made");
  LOGFONTA font{};
  GetObjectA(measurer_.MessageFont(), sizeof font, &font);
  font.lfWeight = FW_BOLD;
  bold_font_ = CreateFontIndirectA(&font);
  LOGFONTA title{};
  title.lfHeight = -S(kTitleFontHeight);
  title.lfWeight = FW_BOLD;
  title.lfQuality = CLEARTYPE_QUALITY;
  lstrcpynA(title.lfFaceName, "Verdana", LF_FACESIZE);
  title_font_ = CreateFontIndirectA(&title);

  RECT rect{0, 0, S(kClientWidth), S(kClientHeight)};
  AdjustWindowRectEx(&rect, kStyle, FALSE, kExStyle);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  const RECT& area = measurer_.WorkArea();
  wnd_ = CreateWindowExA(kExStyle, kClassName, "", kStyle, area.left + (area.right - area.left - width) / 2,
                         area.top + (area.bottom - area.top - height) / 2, width, height, nullptr, nullptr,
                         GetModuleHandleA(nullptr), this);
  if (!wnd_) throw std::runtime_error("the wizard window could not be made");
  MakeControls();
  Created();
}

TXInstallDlgWindow::~TXInstallDlgWindow() {
  KillWindowTimer(release_timer_);
  Destroying();
  if (wnd_) DestroyWindow(wnd_);
  DeleteObject(bold_font_);
  DeleteObject(title_font_);
}

HWND TXInstallDlgWindow::Add(const char* cls, DWORD style, int left, int top, int width, int height, int id) {
  return CreateChild(wnd_, 0, cls, "", style, TXRect{S(left), S(top), S(width), S(height)}, id,
                     measurer_.MessageFont());
}

// The controls in tab order, page by page; the buttons last. Each page's
// column is placed when the page is shown (ShowPage).
void TXInstallDlgWindow::MakeControls() {
  const DWORD label = SS_LEFT | SS_NOPREFIX;
  const DWORD check = BS_AUTOCHECKBOX | WS_TABSTOP;
  const DWORD edit = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
  const int x = kMargin, w = kWidth, y = kPageTop, h = kPageBottom - kPageTop;
  auto rect = [this](int left, int top, int width, int height) {
    return TXRect{S(left), S(top), S(width), S(height)};
  };

  welcome_title_ = Add("STATIC", label, x, y, w, 18);
  SendMessageA(welcome_title_, WM_SETFONT, reinterpret_cast<WPARAM>(bold_font_), FALSE);
  welcome_default_ = Add("STATIC", label, x, y, w, 60);
  welcome_components_.Create(wnd_, rect(x, y, w, 100), kWelcomeItemsId, measurer_.MessageFont(), bold_font_);
  copy_ = Add("STATIC", label, x, y, w, 16);

  readme_.Create(wnd_, rect(x, y, w, h), kReadmeId, measurer_.MessageFont());
  license_.Create(wnd_, rect(x, y, w, h), kLicenseId, measurer_.MessageFont());
  license_chk_ = Add("BUTTON", check, x, y, w, 20, kLicenseChkId);
  components_list_.Create(wnd_, rect(x, y, w, h), kComponentItemsId, measurer_.MessageFont(), bold_font_);

  folder_app_ = Add("STATIC", label, x, y, w, 30);
  dest_folder_edit_ = Add("EDIT", edit, x, y, w, 21, kDestEditId);
  dest_folder_tree_.Create(wnd_, rect(x, y, w, 100), kDestTreeId, measurer_.MessageFont(), ComputerRoots());

  label1_ = Add("STATIC", label, x, y, w, 30);
  label2_ = Add("STATIC", label, x, y, w, 30);
  label3_ = Add("STATIC", label, x, y, w, 16);
  start_menu_edit_ = Add("EDIT", edit, x, y, w, 21, kStartMenuEditId);
  label4_ = Add("STATIC", label, x, y, w, 16);
  existing_folders_ = Add("LISTBOX", WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, x, y,
                          w, 80, kExistingListId);
  create_shortcut_ = Add("BUTTON", check, x, y, w, 20, kShortcutChkId);

  label9_ = Add("STATIC", label, x, y, w, 30);
  label5_ = Add("STATIC", label, x, y, w, 30);
  label10_ = Add("STATIC", label, x, y, w, 16);
  settings_.Create(wnd_, rect(x, y, w, 100), kSettingsId, measurer_.MessageFont());

  section_ = Add("STATIC", label, x, y + 20, w, 16);
  file_ = Add("STATIC", label | SS_PATHELLIPSIS, x, y + 40, w, 16);
  bar_ = Add(PROGRESS_CLASSA, 0, x, y + 66, w, 18);
  SendMessageA(bar_, PBM_SETRANGE32, 0, TXWizardProgress::kBarMax);

  label7_ = Add("STATIC", label, x, y, w, 45);
  label12_ = Add("STATIC", label, x, y, w, 16);
  upgrade_edit_ = Add("EDIT", edit, x, y, w, 21, kUpgradeEditId);
  upgrade_tree_.Create(wnd_, rect(x, y, w, 100), kUpgradeTreeId, measurer_.MessageFont(), DesktopRoots());

  upgrade_section_ = Add("STATIC", label, x, y + 20, w, 16);
  upgrade_file_ = Add("STATIC", label | SS_PATHELLIPSIS, x, y + 40, w, 16);
  upgrade_bar_ = Add(PROGRESS_CLASSA, 0, x, y + 66, w, 18);
  SendMessageA(upgrade_bar_, PBM_SETRANGE32, 0, TXWizardProgress::kBarMax);

  finish_ = Add("STATIC", label, x, y, w, 60);
  launch_chk_ = Add("BUTTON", check, x, y, w, 20, kLaunchChkId);

  const int button_top = kClientHeight - kBottomHeight + (kBottomHeight - kButtonHeight) / 2;
  const int cancel_left = kClientWidth - 8 - kButtonWidth;
  back_ = Add("BUTTON", WS_TABSTOP | BS_PUSHBUTTON, cancel_left - 8 - 2 * kButtonWidth, button_top, kButtonWidth,
              kButtonHeight, kBackId);
  next_ = Add("BUTTON", WS_TABSTOP | BS_DEFPUSHBUTTON, cancel_left - 8 - kButtonWidth, button_top, kButtonWidth,
              kButtonHeight, kNextId);
  cancel_ = Add("BUTTON", WS_TABSTOP | BS_PUSHBUTTON, cancel_left, button_top, kButtonWidth, kButtonHeight, kCancelId);

  dest_folder_tree_.Model().OnChange = [this](const std::string& path) {
    if (!Model()) return;
    Model()->DestFolderTreeChange(path);
    SetText(dest_folder_edit_, Model()->DestFolderEdit);
  };
  upgrade_tree_.Model().OnChange = [this](const std::string& path) {
    if (!Model()) return;
    Model()->UpgradeFolderTreeChange(path);
    SetText(upgrade_edit_, Model()->UpgradeFolderEdit);
  };
  auto link = [this](const std::string& text) {
    if (Model()) Model()->RichEditURLClick(text);
  };
  readme_.OnLink = link;
  license_.OnLink = link;
}

void TXInstallDlgWindow::LoadBanner() {
  // A copy reads the bytes, wherever the script keeps them; an image that
  // cannot be read or decoded leaves the panel its colour.
  TXImageObject image;
  TXPicture picture;
  try {
    if (!image.AssignFrom(Model()->Script().Design.TopImage) || image.IsEmpty()) return;
    const std::vector<uint8_t>& bytes = image.DataStream().Bytes();
    const TXImageFormat format = image.DataClass == "TJPEGImage" ? TXImageFormat::Jpeg : TXImageFormat::Png;
    if (!LoadPicture(format, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), picture))
      return;
  } catch (const std::exception&) {
    return;
  }
  // Stretched to the banner's place, in both directions.
  TXLanczosKernel kernel;
  ResamplePicture(picture, banner_, S(kClientWidth), kernel, S(kBannerHeight));
}

void TXInstallDlgWindow::ShowModel() {
  if (!Model()) return;
  if (!texts_shown_) LoadBanner();
  texts_shown_ = true;
  const TXWizardTexts& t = Model()->Texts();
  SetText(wnd_, t.Caption);
  SetText(welcome_title_, t.WelcomeTitle);
  SetText(welcome_default_, t.WelcomeDefault);
  SetText(copy_, t.Copyright);
  SetText(license_chk_, t.LicenseChk);
  SetText(label1_, t.IconsIntro);
  SetText(label2_, t.IconsHint);
  SetText(label3_, t.GroupLabel);
  SetText(label4_, t.ExistingGroups);
  SetText(create_shortcut_, t.CreateShortcutChk);
  SetText(label9_, t.ReadyToInstall);
  SetText(label5_, t.ClickInstall);
  SetText(label10_, t.CurrentSettings);
  SetText(label7_, t.ImportIntro);
  SetText(label12_, t.OldDataFolder);
  SetText(finish_, t.Finish);
  SetText(launch_chk_, t.LaunchChk);
  shown_page_ = -1;  // the columns follow the new texts
  ShowPage();
}

void TXInstallDlgWindow::PageActivated() {
  // The first page comes while the model prepares: the texts with it.
  if (texts_shown_) ShowPage();
  else ShowModel();
}

void TXInstallDlgWindow::ShowPage() {
  if (!Model()) return;
  const TSetupPage page = Model()->CurrentPage();
  const bool changed = page != shown_page_;
  shown_page_ = page;
  if (changed) {
    struct TXPageControl {
      TSetupPage Page;
      HWND Wnd;
    };
    const TXPageControl controls[] = {
        {spWelcome, welcome_title_}, {spWelcome, welcome_default_}, {spWelcome, welcome_components_.Handle()},
        {spWelcome, copy_}, {spReadme, readme_.Handle()}, {spLicense, license_.Handle()}, {spLicense, license_chk_},
        {spComponents, components_list_.Handle()}, {spFolder, folder_app_}, {spFolder, dest_folder_edit_},
        {spFolder, dest_folder_tree_.Handle()}, {spIcons, label1_}, {spIcons, label2_}, {spIcons, label3_},
        {spIcons, start_menu_edit_}, {spIcons, label4_}, {spIcons, existing_folders_}, {spIcons, create_shortcut_},
        {spStart, label9_}, {spStart, label5_}, {spStart, label10_}, {spStart, settings_.Handle()},
        {spInstalling, section_}, {spInstalling, file_}, {spInstalling, bar_}, {spUpgrade, label7_},
        {spUpgrade, label12_}, {spUpgrade, upgrade_edit_}, {spUpgrade, upgrade_tree_.Handle()},
        {spUpgrading, upgrade_section_}, {spUpgrading, upgrade_file_}, {spUpgrading, upgrade_bar_},
        {spFinish, finish_}, {spFinish, launch_chk_},
    };
    // The page's content first, while it is hidden.
    std::vector<TXRow> rows;
    switch (page) {
      case spWelcome:
        welcome_components_.Show(Model()->WelcomeComponents());
        rows = {{welcome_title_, kWrapped, 0}, {welcome_default_, kWrapped, 6}};
        // Without the list, its place stays empty: the copyright keeps to the bottom.
        rows.push_back({Model()->WelcomeScrollVisible() ? welcome_components_.Handle() : nullptr, kFill, 8});
        rows.push_back({copy_, kWrapped, 8});
        break;
      case spReadme:
        readme_.SetText(Model()->ReadmeText());
        rows = {{readme_.Handle(), kFill, 0}};
        break;
      case spLicense:
        license_.SetText(Model()->LicenseText());
        SetChecked(license_chk_, Model()->LicenseChecked());
        rows = {{license_.Handle(), kFill, 0}, {license_chk_, 20, 8}};
        break;
      case spComponents:
        components_list_.Show(Model()->ComponentsList());
        rows = {{components_list_.Handle(), kFill, 0}};
        break;
      case spFolder:
        SetText(folder_app_, Model()->FolderAppLabel());
        SetText(dest_folder_edit_, Model()->DestFolderEdit);
        rows = {{folder_app_, kWrapped, 0}, {dest_folder_edit_, 21, 8}, {dest_folder_tree_.Handle(), kFill, 8}};
        break;
      case spIcons:
        SetText(start_menu_edit_, Model()->StartMenuFolderEdit);
        SendMessageA(existing_folders_, LB_RESETCONTENT, 0, 0);
        for (const std::string& name : Model()->ExistingFolders())
          SendMessageA(existing_folders_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        SetChecked(create_shortcut_, Model()->CreateShortcutChecked);
        rows = {{label1_, kWrapped, 0}, {label2_, kWrapped, 4}, {label3_, kWrapped, 10}, {start_menu_edit_, 21, 2},
                {label4_, kWrapped, 10}, {existing_folders_, kFill, 2}};
        if (Model()->CreateShortcutVisible()) rows.push_back({create_shortcut_, 20, 8});
        break;
      case spStart: {
        std::string summary;
        for (const TXSummaryLine& line : Model()->Summary()) summary += (line.Indented ? "    " : "") + line.Text + "\r\n";
        settings_.SetText(summary);
        rows = {{label9_, kWrapped, 0}, {label5_, kWrapped, 8}, {label10_, kWrapped, 12}, {settings_.Handle(), kFill, 2}};
        break;
      }
      case spUpgrade:
        SetText(upgrade_edit_, Model()->UpgradeFolderEdit);
        rows = {{label7_, kWrapped, 0}, {label12_, kWrapped, 10}, {upgrade_edit_, 21, 2},
                {upgrade_tree_.Handle(), kFill, 8}};
        break;
      case spFinish:
        SetChecked(launch_chk_, Model()->LaunchChecked);
        rows = {{finish_, kWrapped, 0}};
        if (Model()->LaunchVisible()) rows.push_back({launch_chk_, 20, 16});
        break;
      default:
        break;
    }
    // The column: wrapped labels as high as their text, the filling control
    // taking the rest down to the page's bottom.
    int fixed = 0;
    std::vector<int> heights;
    for (const TXRow& row : rows) {
      int height = row.Height == kWrapped ? measurer_.WrappedTextSize(WindowText(row.Wnd), S(kWidth)).Height
                                          : S(row.Height);
      heights.push_back(height);
      fixed += S(row.Gap) + height;
    }
    int top = S(kPageTop);
    for (size_t i = 0; i < rows.size(); ++i) {
      int height = heights[i];
      if (rows[i].Height == kFill) height = std::max(S(kPageBottom) - S(kPageTop) - fixed, S(40));
      top += S(rows[i].Gap);
      if (rows[i].Wnd) MoveWindow(rows[i].Wnd, S(kMargin), top, S(kWidth), height, TRUE);
      top += height;
    }
    for (const TXPageControl& control : controls) {
      bool shown = control.Page == page;
      if (control.Wnd == welcome_components_.Handle()) shown = shown && Model()->WelcomeScrollVisible();
      if (control.Wnd == create_shortcut_) shown = shown && Model()->CreateShortcutVisible();
      if (control.Wnd == launch_chk_) shown = shown && Model()->LaunchVisible();
      ShowWindow(control.Wnd, shown ? SW_SHOWNA : SW_HIDE);
    }
    RECT top_panel{0, 0, S(kClientWidth), S(kTopHeight)};
    InvalidateRect(wnd_, &top_panel, TRUE);
  }
  ShowButtons();
  if (page == spInstalling || page == spUpgrading) ShowProgress();
  if (changed) {
    HWND focus = IsWindowVisible(next_) && IsWindowEnabled(next_) ? next_ : cancel_;
    if (IsWindowVisible(focus) && IsWindowEnabled(focus)) SetFocus(focus);
  }
}

void TXInstallDlgWindow::ShowButtons() {
  const std::pair<HWND, const TXWizardButton*> buttons[] = {
      {back_, &Model()->BackBtn()}, {next_, &Model()->NextBtn()}, {cancel_, &Model()->CancelBtn()}};
  for (const auto& [wnd, button] : buttons) {
    SetText(wnd, button->Text);
    EnableWindow(wnd, button->Enabled);
    ShowWindow(wnd, button->Visible ? SW_SHOWNA : SW_HIDE);
  }
}

void TXInstallDlgWindow::ShowProgress() {
  const bool upgrading = Model()->CurrentPage() == spUpgrading;
  const TXWizardProgress& progress = upgrading ? Model()->UpgradeProgress() : Model()->InstallProgress();
  SetText(upgrading ? upgrade_section_ : section_, progress.SectionLabel());
  SetText(upgrading ? upgrade_file_ : file_, progress.FileLabel());
  SendMessageA(upgrading ? upgrade_bar_ : bar_, PBM_SETPOS, progress.BarPosition(), 0);
}

bool TXInstallDlgWindow::SelectFolder(TXFolderTree tree, const std::string& folder) {
  return (tree == TXFolderTree::Dest ? dest_folder_tree_ : upgrade_tree_).SelectPath(folder);
}

void TXInstallDlgWindow::ProcessMessages() { xs::ProcessMessages(); }

void TXInstallDlgWindow::Close() { PostMessageA(wnd_, WM_CLOSE, 0, 0); }

void TXInstallDlgWindow::Terminate() {
  terminating_ = true;
  modal_result_ = mrCancel;
}

void TXInstallDlgWindow::Paint(HDC dc) {
  const RECT top{0, 0, S(kClientWidth), S(kTopHeight)};
  const TXInstall* script = Model() ? &Model()->Script() : nullptr;
  HBRUSH brush = CreateSolidBrush(script ? ColorRef(script->Design.TopColor1) : GetSysColor(COLOR_WINDOW));
  FillRect(dc, &top, brush);
  DeleteObject(brush);
  if (banner_.Width() > 0) PaintPicture(dc, banner_, 0, 0);
  RECT line{0, S(kTopHeight) - 2, S(kClientWidth), S(kTopHeight)};
  DrawEdge(dc, &line, EDGE_ETCHED, BF_BOTTOM);
  RECT bottom{0, S(kClientHeight - kBottomHeight), S(kClientWidth), S(kClientHeight - kBottomHeight) + 2};
  DrawEdge(dc, &bottom, EDGE_ETCHED, BF_TOP);
  if (!Model()) return;
  TXEffectLabelStyle style;
  style.Font = title_font_;
  style.Color = ColorRef(script->Design.FontColor);
  style.ShadowColor = ColorRef(script->Design.ShadowColor);
  style.ShadowDistance = 1;
  const SIZE size = EffectLabelSize(dc, Model()->PageLabel(), style);
  const RECT place{S(kMargin), (S(kTopHeight) - size.cy) / 2, S(kClientWidth) - S(kMargin),
                   (S(kTopHeight) + size.cy) / 2};
  DrawEffectLabel(dc, Model()->PageLabel(), place, style);
}

void TXInstallDlgWindow::Command(int id, int code, HWND control) {
  if (!Model()) return;
  switch (id) {
    case kBackId: if (code == BN_CLICKED) Model()->BackBtnClick(); break;
    case kNextId: if (code == BN_CLICKED) Model()->NextBtnClick(); break;
    case kCancelId: if (code == BN_CLICKED) Model()->CancelBtnClick(); break;
    case IDOK: Model()->EnterPressed(); break;
    case IDCANCEL: Model()->EscapePressed(); break;
    case kLicenseChkId: Model()->LicenseChkClick(Checked(control)); break;
    case kShortcutChkId: Model()->CreateShortcutChecked = Checked(control); break;
    case kLaunchChkId: Model()->LaunchChecked = Checked(control); break;
    case kDestEditId: if (code == EN_CHANGE) Model()->DestFolderEdit = WindowText(control); break;
    case kStartMenuEditId: if (code == EN_CHANGE) Model()->StartMenuFolderEdit = WindowText(control); break;
    case kUpgradeEditId: if (code == EN_CHANGE) Model()->UpgradeFolderEdit = WindowText(control); break;
    case kExistingListId:
      if (code == LBN_SELCHANGE) {
        Model()->ExistingFoldersListClick(static_cast<int>(SendMessageA(control, LB_GETCURSEL, 0, 0)));
        SetText(start_menu_edit_, Model()->StartMenuFolderEdit);
      }
      break;
    default:
      return;
  }
  if (!terminating_) ShowPage();
}

std::string TXInstallDlgWindow::Caption() const { return WindowText(wnd_); }
void TXInstallDlgWindow::SetCaption(const std::string& caption) { SetWindowTextA(wnd_, caption.c_str()); }

int TXInstallDlgWindow::ClientWidth() const {
  RECT client;
  GetClientRect(wnd_, &client);
  return client.right;
}

// The wizard's layout is fixed: its width does not follow the caption.
void TXInstallDlgWindow::SetClientWidth(int) {}

bool TXInstallDlgWindow::Visible() const { return IsWindowVisible(wnd_) != FALSE; }

int TXInstallDlgWindow::ShowModal() {
  modal_ = true;
  modal_result_ = 0;
  ShowWindow(wnd_, SW_SHOW);
  SetForegroundWindow(wnd_);
  RunModalLoop(wnd_, modal_result_);
  modal_ = false;
  ShowWindow(wnd_, SW_HIDE);
  return modal_result_;
}

void TXInstallDlgWindow::Show() { ShowWindow(wnd_, SW_SHOW); }
void TXInstallDlgWindow::Hide() { ShowWindow(wnd_, SW_HIDE); }
void TXInstallDlgWindow::BringToFront() { SetForegroundWindow(wnd_); }

void TXInstallDlgWindow::Release() {
  if (release_timer_) return;
  release_timer_ = StartWindowTimer(0, [this] { delete this; });
}

LRESULT TXInstallDlgWindow::WindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case DM_GETDEFID:
      // Enter comes as IDOK, which the model presses Next for while it can.
      return 0;
    case WM_COMMAND:
      Command(LOWORD(wparam), HIWORD(wparam), reinterpret_cast<HWND>(lparam));
      return 0;
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lparam);
      if (!dest_folder_tree_.Notify(header) && !upgrade_tree_.Notify(header) && !readme_.Notify(header))
        license_.Notify(header);
      return 0;
    }
    case WM_CLOSE: {
      if (terminating_) {
        modal_result_ = mrCancel;
        return 0;
      }
      // No close while a run works inside a click: its buttons are off too.
      const TSetupPage page = Model() ? Model()->CurrentPage() : spWelcome;
      if (page == spInstalling || page == spUpgrading) return 0;
      if (Model() && !Model()->FormCloseQuery()) return 0;
      modal_result_ = mrCancel;
      return 0;
    }
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(wnd_, &paint);
      Paint(dc);
      EndPaint(wnd_, &paint);
      return 0;
    }
    default:
      return DefWindowProcA(wnd_, msg, wparam, lparam);
  }
}

TXFormClass InstallDlgFormClass() {
  return [](TComponent* owner) -> TXWinForm* { return new TXInstallDlgWindow(owner); };
}

}  // namespace xs
