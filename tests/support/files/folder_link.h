#pragma once
// A name of the test's drive that is a link to another folder or file: a
// symbolic link on POSIX, a junction for a folder on Windows (under Wine,
// which cannot make one, a symbolic link of the host, which Wine shows as
// one). The link goes again with the object; what it leads to stays.

#include <memory>
#include <string>

#include "support/files/temp_drive.h"

namespace velmar::test {

class FolderLink {
 public:
  // Both drive-relative ("Velmar\Projects\Plant", "Data\VelProj"); the
  // target must exist and the link must not.
  FolderLink(TempDrive& drive, const std::string& link, const std::string& target);
  ~FolderLink();
  FolderLink(const FolderLink&) = delete;
  FolderLink& operator=(const FolderLink&) = delete;

  // False where the port could not make the link (the test then skips).
  bool made() const { return made_; }

  struct Port;

 private:
  std::unique_ptr<Port> port_;
  bool made_ = false;
};

}  // namespace velmar::test
