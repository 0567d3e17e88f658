#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/posix/posix_shell_services.h"

namespace velmar::platform {
namespace {

// Mutex names may hold any character; file names get the safe ones as they are.
std::string FileName(const std::string& name) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : name) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-')
      out += static_cast<char>(c);
    else
      out += '%', out += digits[c >> 4], out += digits[c & 15];
  }
  return out + ".lock";
}

// The descriptor still names the file at path: nobody removed it meanwhile.
bool StillAt(int fd, const std::string& path) {
  struct stat open, named;
  return fstat(fd, &open) == 0 && stat(path.c_str(), &named) == 0 && open.st_dev == named.st_dev &&
         open.st_ino == named.st_ino;
}

int Flock(int fd, int operation) {
  int rc;
  do rc = flock(fd, operation);
  while (rc != 0 && errno == EINTR);
  return rc;
}

// Opens the lock file and takes a shared lock on it. A file removed by its
// last holder between our open and our lock is opened again.
int HoldLockFile(const std::string& path, bool create) {
  while (true) {
    const int fd = open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW | (create ? O_CREAT : 0), 0600);
    if (fd < 0) return -1;
    if (Flock(fd, LOCK_SH) != 0) {
      close(fd);
      return -1;
    }
    if (StillAt(fd, path)) return fd;
    close(fd);
  }
}

class PosixHeldMutex : public HeldMutex {
 public:
  PosixHeldMutex(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
  // The last holder removes the file, so stale files stay rare.
  ~PosixHeldMutex() override {
    if (Flock(fd_, LOCK_EX | LOCK_NB) == 0 && StillAt(fd_, path_)) unlink(path_.c_str());
    close(fd_);
  }
  PosixHeldMutex(const PosixHeldMutex&) = delete;
  PosixHeldMutex& operator=(const PosixHeldMutex&) = delete;

 private:
  int fd_;
  std::string path_;
};

class PosixMutexes : public Mutexes {
 public:
  explicit PosixMutexes(std::string folder) : folder_(std::move(folder)) {}

  // Held means some program keeps a shared lock, so an exclusive one cannot
  // be had. Another program testing at the same moment holds an exclusive lock
  // for an instant; a few short retries tell it from a holder.
  bool Exists(const std::string& name) override {
    const std::string path = PathOf(name);
    for (int attempt = 0; attempt < 5; ++attempt) {
      const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
      if (fd < 0) return false;
      if (Flock(fd, LOCK_EX | LOCK_NB) == 0) {
        const bool stale = StillAt(fd, path);
        if (stale) unlink(path.c_str());  // left by a program that died
        close(fd);
        if (stale) return false;
        continue;  // replaced meanwhile: look at the new file
      }
      close(fd);
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
  }

  std::unique_ptr<HeldMutex> Open(const std::string& name) override {
    if (!Exists(name)) return nullptr;
    return Hold(name, false);
  }

  std::unique_ptr<HeldMutex> Create(const std::string& name) override {
    if (!EnsureFolder()) return nullptr;
    return Hold(name, true);
  }

  uint32_t RegisterChangeMessage(const std::string& name) override {
    message_ = 0xC000;  // the first number Windows gives registered messages
    return message_;
  }

  bool Broadcast(uintptr_t, intptr_t) override { return message_ != 0; }

 private:
  std::string PathOf(const std::string& name) const { return folder_ + "/" + FileName(name); }

  std::unique_ptr<HeldMutex> Hold(const std::string& name, bool create) {
    const std::string path = PathOf(name);
    const int fd = HoldLockFile(path, create);
    if (fd < 0) return nullptr;
    return std::make_unique<PosixHeldMutex>(fd, path);
  }

  // The folder must be ours alone: another user could otherwise plant files.
  bool EnsureFolder() const {
    mkdir(folder_.c_str(), 0700);
    struct stat st;
    return lstat(folder_.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == geteuid();
  }

  std::string folder_;
  uint32_t message_ = 0;
};

}  // namespace

std::string DefaultMutexFolder() {
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime == '/')
    return std::string(runtime) + "/velmar-mutexes";
  return "/tmp/velmar-mutexes-" + std::to_string(geteuid());
}

std::unique_ptr<Mutexes> MakePosixMutexes(std::string folder) {
  return std::make_unique<PosixMutexes>(std::move(folder));
}

}  // namespace velmar::platform
