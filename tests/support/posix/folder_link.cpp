#include "support/folder_link.h"

#include <unistd.h>

#include <algorithm>

namespace velmar::test {

struct FolderLink::Port {
  std::string host;
};

namespace {

std::string HostPath(TempDrive& drive, std::string relative) {
  std::replace(relative.begin(), relative.end(), '\\', '/');
  std::string root = drive.hostRoot();
  if (root.back() != '/') root += '/';
  return root + relative;
}

}  // namespace

FolderLink::FolderLink(TempDrive& drive, const std::string& link, const std::string& target)
    : port_(std::make_unique<Port>(Port{HostPath(drive, link)})) {
  made_ = ::symlink(HostPath(drive, target).c_str(), port_->host.c_str()) == 0;
}

FolderLink::~FolderLink() {
  if (made_) ::unlink(port_->host.c_str());
}

}  // namespace velmar::test
