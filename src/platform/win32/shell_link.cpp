#include "platform/shell_link.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <vector>

#include "platform/system_error.h"
#include "platform/win32/com.h"

namespace xs {

namespace {
std::wstring Wide(const std::string& text) {
  int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::wstring out(n > 0 ? n : 1, L'\0');
  if (n > 0) MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, out.data(), n);
  out.resize(out.size() - 1);
  return out;
}

std::string Narrow(const wchar_t* text) {
  int n = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(n > 0 ? n : 1, '\0');
  if (n > 0) WideCharToMultiByte(CP_ACP, 0, text, -1, out.data(), n, nullptr, nullptr);
  out.resize(out.size() - 1);
  return out;
}

bool CreateLink(ComRef<IShellLinkA>& link) {
  return Check(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.Out()));
}
}  // namespace

bool WriteShellLink(const std::string& link_file, const TShellLink& fields) {
  ComScope com;
  ComRef<IShellLinkA> link;
  ComRef<IPersistFile> file;
  if (!CreateLink(link) || !Check(link->SetPath(fields.Target.c_str())) ||
      !Check(link->SetArguments(fields.Arguments.c_str())))
    return false;
  if (!fields.WorkingFolder.empty() && !Check(link->SetWorkingDirectory(fields.WorkingFolder.c_str()))) return false;
  if (!fields.IconFile.empty() && !Check(link->SetIconLocation(fields.IconFile.c_str(), fields.IconIndex)))
    return false;
  if (!Check(link->SetDescription(fields.Description.c_str())) || !Check(link->SetShowCmd(fields.ShowCommand)) ||
      !Check(link->QueryInterface(IID_IPersistFile, file.Out())))
    return false;
  return Check(file->Save(Wide(link_file).c_str(), TRUE));
}

std::optional<TShellLink> ReadShellLink(const std::string& link_file) {
  ComScope com;
  ComRef<IShellLinkA> link;
  ComRef<IPersistFile> file;
  if (!CreateLink(link) || !Check(link->QueryInterface(IID_IPersistFile, file.Out())) ||
      !Check(file->Load(Wide(link_file).c_str(), STGM_READ)))
    return std::nullopt;
  std::vector<char> buffer(32768);
  auto text = [&](HRESULT hr) { return SUCCEEDED(hr) ? std::string(buffer.data()) : std::string(); };
  const int size = static_cast<int>(buffer.size());
  TShellLink out;
  buffer[0] = 0;
  out.Target = text(link->GetPath(buffer.data(), MAX_PATH, nullptr, 0));
  buffer[0] = 0;
  out.Arguments = text(link->GetArguments(buffer.data(), size));
  buffer[0] = 0;
  out.WorkingFolder = text(link->GetWorkingDirectory(buffer.data(), size));
  buffer[0] = 0;
  out.Description = text(link->GetDescription(buffer.data(), size));
  buffer[0] = 0;
  out.IconFile = text(link->GetIconLocation(buffer.data(), size, &out.IconIndex));
  link->GetShowCmd(&out.ShowCommand);
  SetLastSystemError(0);
  return out;
}

std::string FileClassId(const std::string& file_name) {
  ComScope com;
  CLSID id;
  if (!Check(GetClassFile(Wide(file_name).c_str(), &id))) return {};
  wchar_t text[64];
  if (StringFromGUID2(id, text, 64) == 0) {
    SetLastSystemError(ERROR_INSUFFICIENT_BUFFER);
    return {};
  }
  return Narrow(text);
}

}  // namespace xs
