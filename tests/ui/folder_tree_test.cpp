#include "ui/folder_tree.h"

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "base/convert.h"
#include "platform/platform_fixture.h"

namespace xs {
namespace {

// A scratch path with the system's delimiters: the tree gives them back so.
std::string Disk(const std::string& path) {
  std::string native = path;
  for (char& c : native)
    if (c == '/') c = kPathDelim;
  return native;
}

// A small disk: Program Files (Beta before alpha is listed out of order on
// purpose), a file among the folders, a hidden folder and an empty one.
class FolderTreeTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    for (const char* folder : {"disk/Program Files/beta", "disk/Program Files/Alpha/deep", "disk/empty", "disk/.hidden"})
      ASSERT_TRUE(ForceFolders(Scratch(folder)));
    ASSERT_TRUE(WriteTextFile(Scratch("disk/Program Files/readme.txt"), "not a folder"));
    tree.SetRoots({{"Disk", Scratch("disk")}});
    tree.OnChange = [this](const std::string& path) { changes.push_back(path); };
  }
  std::vector<std::string> ChildTexts(int node) {
    std::vector<std::string> texts;
    for (int child : tree.Nodes()[node].Children) texts.push_back(tree.Nodes()[child].Text);
    return texts;
  }

  TXFolderTreeModel tree;
  std::vector<std::string> changes;
};

TEST_F(FolderTreeTest, ANodeReadsOnlyItsOwnFoldersOnceWhenItIsOpened) {
  const int root = tree.Roots().at(0);
  EXPECT_FALSE(tree.Nodes()[root].Loaded);
  EXPECT_EQ(tree.Nodes().size(), 1u) << "nothing is read before a node opens";

  const std::vector<int> added = tree.Open(root);
  EXPECT_EQ(ChildTexts(root), (std::vector<std::string>{"empty", "Program Files"})) << "sorted, no hidden folder";
  EXPECT_EQ(added, tree.Nodes()[root].Children);
  EXPECT_EQ(tree.Nodes().size(), 3u) << "the grandchildren wait until their parent opens";
  EXPECT_TRUE(tree.Open(root).empty()) << "a second open reads nothing";

  const int program_files = tree.Nodes()[root].Children[1];
  tree.Open(program_files);
  EXPECT_EQ(ChildTexts(program_files), (std::vector<std::string>{"Alpha", "beta"})) << "no file, any case";
  EXPECT_EQ(tree.Nodes()[tree.Nodes()[program_files].Children[0]].Path, Disk(Scratch("disk/Program Files/Alpha")));
}

TEST_F(FolderTreeTest, SelectingAPathOpensTheWayAndReportsTheChange) {
  const std::string deep = Disk(Scratch("disk/program files/ALPHA/deep"));
  ASSERT_TRUE(tree.SelectPath(deep)) << "names match without regard to case";
  const TXFolderNode& node = tree.Nodes()[tree.Selected()];
  EXPECT_EQ(node.Text, "deep");
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(changes[0], tree.SelectedPath());
  EXPECT_TRUE(SameText(changes[0], deep)) << changes[0];
  EXPECT_TRUE(tree.SelectPath(Scratch("disk") + kPathDelim)) << "the root itself, with its delimiter";
  EXPECT_EQ(tree.Selected(), tree.Roots()[0]);
}

TEST_F(FolderTreeTest, APathOutsideTheTreeOrNotOnDiskLeavesTheSelection) {
  ASSERT_TRUE(tree.SelectPath(Scratch("disk/empty")));
  const int before = tree.Selected();
  changes.clear();
  for (const std::string& path : {Scratch("disk/Program Files/missing"), Scratch("disk/Program Files/readme.txt"),
                                  Scratch("disk/.hidden"), Scratch("diskette/empty"), std::string()}) {
    EXPECT_FALSE(tree.SelectPath(path)) << path;
    EXPECT_EQ(tree.Selected(), before) << path;
  }
  EXPECT_TRUE(changes.empty());
}

TEST_F(FolderTreeTest, TheUserPickingANodeIsAChangeToo) {
  tree.Open(tree.Roots()[0]);
  tree.SelectNode(tree.Nodes()[tree.Roots()[0]].Children[0]);
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(ExtractFileName(changes[0]), "empty");
}

TEST(FolderTreeRoots, ADriveRootKeepsItsDelimiter) {
  TXFolderTreeModel tree;
  tree.SetRoots({{"C:", "C:"}, {"D:", "D:\\"}, {"Desktop", "C:\\Users\\me\\Desktop\\"}});
  EXPECT_EQ(tree.Nodes()[0].Path, std::string("C:") + kPathDelim);
  EXPECT_EQ(tree.Nodes()[1].Path, std::string("D:") + kPathDelim);
  EXPECT_EQ(tree.Nodes()[2].Path, "C:\\Users\\me\\Desktop");
}

}  // namespace
}  // namespace xs
