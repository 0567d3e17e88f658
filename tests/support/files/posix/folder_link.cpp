#include "support/files/folder_link.h"

#include <unistd.h>


namespace velmar::test {

struct FolderLink::Port {
  std::string host;
};

FolderLink::FolderLink(TempDrive& drive, const std::string& link, const std::string& target)
    : port_(std::make_unique<Port>(Port{drive.hostPath(link)})) {
  made_ = ::symlink(drive.hostPath(target).c_str(), port_->host.c_str()) == 0;
}

FolderLink::~FolderLink() {
  if (made_) ::unlink(port_->host.c_str());
}

}  // namespace velmar::test
