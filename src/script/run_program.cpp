#include "script/run_program.h"

#include "platform/file_system.h"
#include "platform/message_loop.h"
#include "platform/process.h"

namespace xs {

namespace {
// The folder part of file_name without its trailing delimiter, except at a
// root, where the delimiter is what makes it the root ("C:\", "/").
std::string ProgramFolder(const std::string& file_name) {
  std::string folder = ExtractFilePath(file_name);
  bool root = folder.size() == 1 || (folder.size() == 3 && folder[1] == ':');
  if (!root && !folder.empty() && IsPathDelimiter(folder.back())) folder.pop_back();
  return folder;
}

constexpr uint32_t kWaitForever = 0xFFFFFFFF;
}  // namespace

bool RunProgram(const std::string& file_name, const std::string& parameters, const std::string& working_folder,
                bool minimized, bool wait_for_input_idle, bool wait_for_exit) {
  TProcess process;
  const std::string folder = working_folder.empty() ? ProgramFolder(file_name) : working_folder;
  if (!process.Start("\"" + file_name + "\" " + parameters, folder, minimized)) return false;
  if (wait_for_input_idle) process.WaitForInputIdle(kWaitForever);
  if (wait_for_exit) process.Wait([] { ProcessMessages(); });
  return true;
}

}  // namespace xs
