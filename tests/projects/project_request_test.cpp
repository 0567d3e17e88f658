#include "projects/project_request.h"

#include <gtest/gtest.h>

#include "text/texts.h"

namespace velmar {
namespace {

TEST(ProposeProjectPlace, NamesTheSubFolderAndShortcutAfterWhereTheProjectLies) {
  struct Case {
    const char* archive;
    const char* projectFile;
    const char* folder;
    const char* shortcut;
  } cases[] = {
      // An archive's project in a folder of its own.
      {"D:\\Projects\\Plant\\Plant.zip", "Line1\\Line1.VPR", "C:\\VelProj\\Line1", "Line1"},
      {"D:\\Projects\\Plant\\Plant.zip", "Line1\\Main.VPR", "C:\\VelProj\\Line1", "Line1 - Main"},
      // At the archive's root: the archive's folder on the medium names it.
      {"D:\\Projects\\Plant\\Plant.zip", "Main.VPR", "C:\\VelProj\\Plant", "Plant - Main"},
      // ... unless that is Projects\ itself.
      {"D:\\Projects\\Plant.zip", "Main.VPR", "C:\\VelProj\\Main", "Main"},
      {"D:\\Projects\\Plant.zip", "projects\\Main.VPR", "C:\\VelProj\\Main", "Main"},
      // Several levels make the folder; the shortcut, which lies in the
      // shortcut folder itself, takes the last.
      {"D:\\Projects\\Plant.zip", "Works\\Line2\\LINE2.vpr", "C:\\VelProj\\Works\\Line2", "Line2"},
      // A plain project file on the medium.
      {"", "D:\\Projects\\Site\\Site.vpr", "C:\\VelProj\\Site", "Site"},
      {"", "D:\\Projects\\Site\\Pumps.vpr", "C:\\VelProj\\Site", "Site - Pumps"},
      {"", "D:\\Projects\\Pumps.vpr", "C:\\VelProj\\Pumps", "Pumps"},
  };
  for (const Case& c : cases) {
    const ProjectPlaceProposal p = ProposeProjectPlace({c.projectFile, c.archive, "", "", ""}, "C:\\VelProj\\");
    EXPECT_EQ(p.TargetFolder, c.folder) << c.projectFile;
    EXPECT_EQ(p.ShortcutName, c.shortcut) << c.projectFile;
  }
}

TEST(CheckProjectPlace, NamesTheFirstProblem) {
  struct Case {
    const char* folder;
    const char* shortcut;
    int problem;
  } cases[] = {
      {" C:\\VelProj\\Line1\\ ", " Line1 ", 0},
      {"\\\\server\\share\\Line1", "Line1", 0},
      {"C:\\", "Line1", text::InvalidInstallFolder},
      {"C:", "", text::InvalidInstallFolder},
      // A folder that depends on the current folder or drive.
      {"Projects\\Line1", "Line1", text::InvalidInstallFolder},
      {"C:Line1", "Line1", text::InvalidInstallFolder},
      // The projects folder itself, however it is written.
      {"c:\\velproj", "Line1", text::SubFolderRequired},
      {"C:\\VelProj\\", "", text::SubFolderRequired},
      {"C:\\VelProj\\Sub\\..", "Line1", text::SubFolderRequired},
      {"C:\\VelProj\\Line1", "  ", text::InvalidShortcutName},
      // A shortcut name that would put the shortcut elsewhere or cannot be a file.
      {"C:\\VelProj\\Line1", "..\\Line1", text::InvalidShortcutName},
      {"C:\\VelProj\\Line1", "Line1?", text::InvalidShortcutName},
      {"C:\\VelProj\\Line1", "Line1.", text::InvalidShortcutName},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CheckProjectPlace(c.folder, c.shortcut, "C:\\VelProj"), c.problem) << c.folder << " / " << c.shortcut;
}

}  // namespace
}  // namespace velmar
