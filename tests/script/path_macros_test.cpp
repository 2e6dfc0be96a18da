#include "script/path_macros.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/macro_expanders.h"
#include "base/settings.h"
#include "base/text.h"
#include "platform/command_line.h"
#include "platform/file_system.h"
#include "platform/platform_fixture.h"
#include "platform/shell_folders.h"
#include "platform/system_info.h"
#include "script/special_folder.h"

namespace xs {
namespace {

const std::string D(1, kPathDelim);

class PathMacros : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    InitializePathMacros();
  }
};

TEST_F(PathMacros, SystemMacrosMatchOnlyInExactCase) {
  const std::string program = ProgramFileName();
  const struct {
    std::string text, expected;
  } cases[] = {
      {"<tmp>x", TempFolder() + "x"},
      {"<TMP>x", "<TMP>x"},
      {"<win>|<sys>", WindowsFolder() + D + "|" + SystemFolder() + D},
      {"<exe><exen>", program},
      {"<exen>", ExtractFileName(program)},  // not "<exe>" followed by "n>"
      {"[<data>]", "[]"},
      {"<com>|<user>", ComputerName() + "|" + LogonUserName()},
      {"<Win><SYS><Exe>", "<Win><SYS><Exe>"},
      {"<unknown>\\<tmp", "<unknown>\\<tmp"},
      {"<install>\\bin", "<install>\\bin"},  // only during a run
  };
  for (const auto& c : cases) EXPECT_EQ(ExpandPathMacros(c.text), c.expected) << c.text;
  EXPECT_TRUE(IsPathDelimiter(ExpandPathMacros("<exe>").back()));
}

TEST_F(PathMacros, ShellMacrosMatchInAnyCase) {
  const std::string pf = GetSpecialFolder(csidlProgramFiles), mydoc = GetSpecialFolder(csidlPersonal);
  ASSERT_FALSE(pf.empty());
  for (const char* text : {"<pf>", "<PF>", "<Pf>"}) EXPECT_EQ(ExpandPathMacros(text), pf) << text;
  EXPECT_EQ(ExpandPathMacros("<DESK>a<desk>"), GetSpecialFolder(csidlDesktop) + "a" + GetSpecialFolder(csidlDesktop));
  EXPECT_EQ(ExpandPathMacros("<MyDoc>"), mydoc);
  EXPECT_EQ(ExpandPathMacros("<mymusic>"), GetSpecialFolder(csidlMyMusic));
  // Environment folders fall back to the documents folder.
  auto env_folder = [&](const std::string& text) {
    std::string e = ExpandEnvironment(text);
    return e.empty() || e.find('%') != std::string::npos ? mydoc : IncludeTrailingPathDelimiter(e);
  };
  EXPECT_EQ(ExpandPathMacros("<AppData>"), env_folder("%APPDATA%"));
  EXPECT_EQ(ExpandPathMacros("<home>"), env_folder("%HOMEDRIVE%%HOMEPATH%"));
  for (const char* text : {"<pf>", "<desk>", "<mydoc>", "<appdata>", "<home>", "<wpf>"}) {
    std::string folder = ExpandPathMacros(text);
    ASSERT_FALSE(folder.empty()) << text;
    EXPECT_TRUE(IsPathDelimiter(folder.back())) << text << " " << folder;
  }
}

TEST_F(PathMacros, WpfIsTheHomeProgramsFolderWhenItCanBeWritten) {
  if (!IsWinXPOrLater()) GTEST_SKIP() << "before Windows XP <wpf> is <pf>";
  std::string home = ExpandPathMacros("<home>");
  EXPECT_EQ(ExpandPathMacros("<wpf>Vendor\\Product"), home + "Programs" + D + "Vendor\\Product");
  // The write test leaves nothing in the folder.
  EXPECT_EQ(GetFileAttr(home + "Programs" + D + "tmp.tmp"), faInvalid);
}

// Stand-ins for the machine, so that every fallback can be reached.
struct FakeMachine {
  std::map<int, std::string> special = {{csidlDesktop, "C:\\U\\Desktop\\"},
                                        {csidlPersonal, "C:\\U\\Docs\\"},
                                        {csidlMyMusic, "C:\\U\\Music\\"},
                                        {csidlProgramFiles, "C:\\PF\\"}};
  std::map<std::string, std::string> variables = {
      {"APPDATA", "C:\\U\\Roaming"}, {"HOMEDRIVE", "H:"}, {"HOMEPATH", "\\Home"}, {"ProgramFiles", "E:\\Apps"}};
  bool writable = true;
  std::vector<std::string> write_tests;

  TXMacroSources Sources() {
    TXMacroSources s;
    s.ProgramFileName = "C:\\Setup Files\\setup.exe";
    s.TempFolder = "C:\\T\\";
    s.WindowsFolder = "W:\\Windows";
    s.SystemFolder = "W:\\Windows\\System32\\";
    s.UserName = "user";
    s.ComputerName = "HOST";
    s.Variable = [this](const std::string& name) -> std::optional<std::string> {
      auto it = variables.find(name);
      if (it == variables.end()) return std::nullopt;
      return it->second;
    };
    s.ExpandEnvironment = [this](const std::string& text) {
      std::string out = text;
      for (const auto& [name, value] : variables) out = ReplaceAll(out, "%" + name + "%", value, true);
      return out;
    };
    s.SpecialFolder = [this](int id) { return special.count(id) ? special[id] : std::string(); };
    s.WriteTest = [this](const std::string& folder) {
      write_tests.push_back(folder);
      return writable;
    };
    return s;
  }
};

TEST_F(PathMacros, StartUpValuesAndTheirFallbacks) {
  const std::string all = "<exe>|<exen>|<tmp>|<win>|<sys>|<com>|<user>|<desk>|<mydoc>|<mymusic>|<appdata>|<home>|<pf>|<wpf>";
  const struct {
    const char* what;
    void (*change)(FakeMachine&, TXMacroSources&);
    std::string expected;
  } cases[] = {
      {"every source answers", [](FakeMachine&, TXMacroSources&) {},
       "C:\\Setup Files\\|setup.exe|C:\\T\\|W:\\Windows" + D + "|W:\\Windows\\System32\\|HOST|user|C:\\U\\Desktop\\|"
       "C:\\U\\Docs\\|C:\\U\\Music\\|C:\\U\\Roaming" + D + "|H:\\Home" + D + "|C:\\PF\\|H:\\Home" + D + "Programs" + D},
      {"no temporary folder, TMP undefined, TEMP empty: HOMEPATH as it stands",
       [](FakeMachine& m, TXMacroSources& s) {
         s.TempFolder.clear();
         m.variables["TEMP"] = "";
       },
       "C:\\Setup Files\\|setup.exe|\\Home|W:\\Windows" + D + "|W:\\Windows\\System32\\|HOST|user|C:\\U\\Desktop\\|"
       "C:\\U\\Docs\\|C:\\U\\Music\\|C:\\U\\Roaming" + D + "|H:\\Home" + D + "|C:\\PF\\|H:\\Home" + D + "Programs" + D},
      {"no names, no music folder, APPDATA and HOMEPATH undefined",
       [](FakeMachine& m, TXMacroSources& s) {
         s.UserName.clear(), s.ComputerName.clear();
         m.special.erase(csidlMyMusic);
         m.variables.erase("APPDATA"), m.variables.erase("HOMEPATH");
       },
       "C:\\Setup Files\\|setup.exe|C:\\T\\|W:\\Windows" + D + "|W:\\Windows\\System32\\|||C:\\U\\Desktop\\|"
       "C:\\U\\Docs\\|C:\\U\\Docs\\My Music" + D + "|C:\\U\\Docs\\|C:\\U\\Docs\\|C:\\PF\\|C:\\U\\Docs\\Programs" + D},
      {"no program files folder: %ProgramFiles%, before Windows XP: <pf>",
       [](FakeMachine& m, TXMacroSources& s) {
         m.special.erase(csidlProgramFiles);
         s.WinXPOrLater = false;
       },
       "C:\\Setup Files\\|setup.exe|C:\\T\\|W:\\Windows" + D + "|W:\\Windows\\System32\\|HOST|user|C:\\U\\Desktop\\|"
       "C:\\U\\Docs\\|C:\\U\\Music\\|C:\\U\\Roaming" + D + "|H:\\Home" + D + "|E:\\Apps" + D + "|E:\\Apps" + D},
      {"nor %ProgramFiles%: the Windows drive",
       [](FakeMachine& m, TXMacroSources&) {
         m.special.erase(csidlProgramFiles);
         m.variables.erase("ProgramFiles");
       },
       "C:\\Setup Files\\|setup.exe|C:\\T\\|W:\\Windows" + D + "|W:\\Windows\\System32\\|HOST|user|C:\\U\\Desktop\\|"
       "C:\\U\\Docs\\|C:\\U\\Music\\|C:\\U\\Roaming" + D + "|H:\\Home" + D + "|W:" + D + "Program Files" + D +
           "|H:\\Home" + D + "Programs" + D},
      {"the write test fails", [](FakeMachine& m, TXMacroSources&) { m.writable = false; },
       "C:\\Setup Files\\|setup.exe|C:\\T\\|W:\\Windows" + D + "|W:\\Windows\\System32\\|HOST|user|C:\\U\\Desktop\\|"
       "C:\\U\\Docs\\|C:\\U\\Music\\|C:\\U\\Roaming" + D + "|H:\\Home" + D + "|C:\\PF\\|C:\\U\\Docs\\Programs" + D},
  };
  for (const auto& c : cases) {
    FakeMachine machine;
    TXMacroSources sources = machine.Sources();
    c.change(machine, sources);
    InitializePathMacros(sources);
    EXPECT_EQ(ExpandPathMacros(all), c.expected) << c.what;
    ASSERT_EQ(machine.write_tests.size(), 1u) << c.what;
  }
}

TEST_F(PathMacros, TheWriteTestRunsOnTheHomeOrProgramFilesFolder) {
  FakeMachine machine;
  InitializePathMacros(machine.Sources());
  TXMacroSources before_xp = machine.Sources();
  before_xp.WinXPOrLater = false;
  InitializePathMacros(before_xp);
  EXPECT_EQ(machine.write_tests, (std::vector<std::string>{"H:\\Home" + D + "Programs" + D, "C:\\PF\\"}));
}

TEST_F(PathMacros, EnvironmentVariablesThatStayUnexpandedFallBack) {
  FakeMachine machine;
  TXMacroSources sources = machine.Sources();
  machine.variables.erase("HOMEDRIVE");  // "%HOMEDRIVE%\Home" keeps a "%"
  machine.variables["APPDATA"] = "";
  InitializePathMacros(sources);
  EXPECT_EQ(ExpandPathMacros("<home>|<appdata>"), "C:\\U\\Docs\\|C:\\U\\Docs\\");
}

TEST(DateTimeMacroText, DaysDotTruncatedTenThousandthsWithoutPadding) {
  const struct {
    double date_time;
    const char* expected;
  } cases[] = {
      {46000.5, "46000.5000"},
      {46000 + 600.0 / 86400, "46000.69"},  // 00:10
      {46000, "46000.0"},
      {46000 + 8.64 / 86400, "46000.1"},
      {46000 + 8.63 / 86400, "46000.0"},
      {46000 + (86400 - 0.0001) / 86400, "46001.0"},  // rounds to midnight
      {46000 + 86399.0 / 86400, "46000.9999"},
  };
  for (const auto& c : cases) EXPECT_EQ(DateTimeMacroText(c.date_time), c.expected) << c.date_time;
}

TEST_F(PathMacros, NowIsTheCurrentMomentInEveryCase) {
  std::string now = ExpandPathMacros("<now>|<NOW>");
  size_t bar = now.find('|');
  ASSERT_NE(bar, std::string::npos) << now;
  EXPECT_EQ(now.substr(0, bar), now.substr(bar + 1));
  size_t dot = now.find('.');
  ASSERT_NE(dot, std::string::npos) << now;
  long days = std::stol(now.substr(0, dot));
  EXPECT_GT(days, 45000);  // after 2023
  EXPECT_EQ(ExpandPathMacros("<NOW>"), "<NOW>");
}

TEST_F(PathMacros, MarkersActOnlyInExactCase) {
  const struct {
    std::string text, expected;
  } cases[] = {
      {"<low>C:\\Dir\\File", "c:\\dir\\file"},
      {"<LOW>C:\\Dir\\File", "<LOW>C:\\Dir\\File"},
      {"A<low>B<LOW>C\xC4", "abc\xC4"},  // every form goes; only A-Z change
      {"<up>c:\\dir\\file", "C:\\DIR\\FILE"},
      {"x<UP>y", "x<UP>y"},
      {"a<up>b<Up>\xE4", "AB\xE4"},
      {"Software\\<reg>My App (2)", "Software\\My App _2_"},
      {"Software\\<REG>My App (2)", "Software\\<REG>My App (2)"},
      {"Key\\<reg>  a/b\\c  ", "Key\\a_b_c"},
      {"<reg> !#*-.09:AZaz_~\"\xE9 x\t", "!#*-.09:AZaz____ x"},
      {"  A\\<reg>x(y)\r\nB\\<REG>p q\nplain\rC<Reg>z%\n\n", "A\\x_y_\r\nB\\p q\r\nplain\r\nCz_"},
      {"  padded, no macro  \r\n", "  padded, no macro  \r\n"},
      {"a > b", "a > b"},
      {"<low><PF>Sub", AsciiLowerCase(ExpandPathMacros("<pf>Sub"))},
  };
  for (const auto& c : cases) EXPECT_EQ(ExpandPathMacros(c.text), c.expected) << c.text;
}

TEST_F(PathMacros, ShortFormOfTheRestOfEachMarkedLine) {
  const std::string file = Scratch("A Long File Name.text");
  ASSERT_TRUE(WriteTextFile(file, "x"));
  std::string short_name = ExpandPathMacros("<short>" + file);
  ASSERT_FALSE(short_name.empty());
  EXPECT_EQ(ReadTextFile(short_name), "x");  // names the same file
  // A path that does not exist leaves nothing after the marker; unmarked
  // lines stay, only the whole is trimmed.
  EXPECT_EQ(ExpandPathMacros(" File: <short>" + Scratch("missing.txt") + "\nplain\n"), "File: \r\nplain");
  EXPECT_EQ(ExpandPathMacros("1=<short>" + file + "\r\n2=<SHORT>" + file), "1=" + short_name + "\r\n2=" + short_name);
  EXPECT_EQ(ExpandPathMacros("<SHORT>" + file), "<SHORT>" + file);
}

TEST(MacroExpanders, RunInRegistrationOrderAndLeaveWhereverTheyStand) {
  auto add = [](const std::string& from, const std::string& to) {
    return RegisterMacroExpander([from, to](const std::string& text) { return ReplaceAll(text, from, to, false); });
  };
  TXMacroExpanderHandle a = add("<a>", "<b>!"), b = add("<b>", "B"), c = add("<c>", "C");
  // A value brought in by an earlier expander is expanded by a later one.
  EXPECT_EQ(RunMacroExpanders("<a><c>"), "B!C");
  UnregisterMacroExpander(b);
  EXPECT_EQ(RunMacroExpanders("<a><c>"), "<b>!C");
  UnregisterMacroExpander(b);  // a second time: ignored
  UnregisterMacroExpander(0);
  // An earlier expander does not see what a later one brings in.
  TXMacroExpanderHandle d = add("<d>", "<c>");
  EXPECT_EQ(RunMacroExpanders("<d>"), "<c>");
  UnregisterMacroExpander(a);
  UnregisterMacroExpander(c);
  UnregisterMacroExpander(d);
  EXPECT_EQ(RunMacroExpanders("<a><b><c>"), "<a><b><c>");
}

TEST_F(PathMacros, WriteTestLeavesNoFolderItMadeAndExistingFilesAlone) {
  const std::string folder = Scratch("a") + D + "b" + D + "c";
  ASSERT_TRUE(ForceFolders(Scratch("a")));
  EXPECT_TRUE(FolderWriteTest(folder));
  EXPECT_FALSE(FolderExists(Scratch("a") + D + "b")) << "the folders it made are gone";
  EXPECT_TRUE(FolderExists(Scratch("a"))) << "the folder that was there stays";
  ASSERT_TRUE(ForceFolders(folder));
  std::vector<TSearchRec> left;

  // The probe is a new file of the temporary pattern: the files there keep
  // their content, names of that pattern included, and it leaves nothing.
  const std::string mine = folder + D + kTempPrefix + "0000000000000000.tmp";
  ASSERT_TRUE(WriteTextFile(folder + D + "tmp.tmp", "mine"));
  ASSERT_TRUE(WriteTextFile(mine, "mine too"));
  ASSERT_TRUE(ForceFolders(folder + D + "tmp1.tmp"));
  EXPECT_TRUE(FolderWriteTest(folder + D));
  EXPECT_EQ(ReadTextFile(folder + D + "tmp.tmp"), "mine");
  EXPECT_EQ(ReadTextFile(mine), "mine too");
  EXPECT_TRUE(FolderExists(folder + D + "tmp1.tmp"));
  EXPECT_EQ(TempFilesIn(folder), std::vector<std::string>{ExtractFileName(mine)});
  ASSERT_TRUE(FindFiles(folder, "*", left));
  EXPECT_EQ(left.size(), 5u);

  // A folder that cannot be made fails the test.
  ASSERT_TRUE(WriteTextFile(Scratch("file"), "x"));
  EXPECT_FALSE(FolderWriteTest(Scratch("file") + D + "sub"));
  EXPECT_FALSE(FolderWriteTest(""));
}

TEST_F(PathMacros, SpecialFoldersEndWithADelimiterAndExist) {
  for (int id : {csidlDesktop, csidlPrograms, csidlPersonal, csidlProgramFiles}) {
    std::string folder = xShell::GetSpecialFolder(id);
    ASSERT_FALSE(folder.empty()) << id;
    EXPECT_TRUE(IsPathDelimiter(folder.back())) << folder;
    EXPECT_TRUE(FolderExists(folder)) << folder;
  }
  EXPECT_EQ(GetSpecialFolder(0x70), "");  // no such folder number
}

}  // namespace
}  // namespace xs
