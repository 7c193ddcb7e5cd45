#include "project/ProjectLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <utility>

namespace velmora::project {
namespace fs = std::filesystem;

namespace {

// As the system gives up on a chain of symbolic links (SYMLOOP_MAX is at least 8; Linux stops at 40).
constexpr int kMaxLinkHops = 40;
// A holder may let go between our open and our lock several times in a row, but not forever.
constexpr int kMaxAttempts = 8;

bool SameFile(int descriptor, const fs::path& path) {
  struct stat opened {};
  struct stat named {};
  return ::fstat(descriptor, &opened) == 0 && ::stat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
         opened.st_ino == named.st_ino;
}

}  // namespace

fs::path LinkTarget(const fs::path& path) {
  std::error_code error;
  fs::path target = fs::absolute(path, error);
  if (error) return path;
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    if (!fs::is_symlink(fs::symlink_status(target, error))) break;
    const fs::path next = fs::read_symlink(target, error);
    if (error) break;
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  return target;
}

fs::path ProjectLock::LockFileOf(const fs::path& project) {
  const fs::path target = LinkTarget(project);
  return target.parent_path() / ("." + target.filename().string() + ".lock");
}

ProjectLock::ProjectLock(ProjectLock&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)), lockFile_(std::move(other.lockFile_)) {}

ProjectLock& ProjectLock::operator=(ProjectLock&& other) noexcept {
  if (this != &other) {
    Release();
    descriptor_ = std::exchange(other.descriptor_, -1);
    lockFile_ = std::move(other.lockFile_);
  }
  return *this;
}

ProjectLock::~ProjectLock() { Release(); }

ProjectLock::Status ProjectLock::Acquire(const fs::path& project) {
  Release();
  const fs::path lockFile = LockFileOf(project);
  for (int attempt = 0; attempt < kMaxAttempts; ++attempt) {
    // O_NOFOLLOW: a link planted at the lock file's name must not make us create or lock another file.
    const int descriptor = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (descriptor < 0) return Status::Unavailable;
    if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
      const int error = errno;
      ::close(descriptor);
      return error == EWOULDBLOCK ? Status::InUse : Status::Unavailable;
    }
    // A holder that let go between our open and our lock removed the file we opened: try again on
    // the file that now bears the name.
    if (SameFile(descriptor, lockFile)) {
      descriptor_ = descriptor;
      lockFile_ = lockFile;
      return Status::Locked;
    }
    ::close(descriptor);
  }
  return Status::Unavailable;
}

void ProjectLock::Release() {
  if (descriptor_ < 0) return;
  // Removed while still locked, so that nobody can lock the old file after we let go.
  ::unlink(lockFile_.c_str());
  ::close(descriptor_);
  descriptor_ = -1;
  lockFile_.clear();
}

}  // namespace velmora::project
