#pragma once

#include <filesystem>

namespace velmora::project {

// Holds a project file for one program: a lock file beside it (".<name>.lock") carries an advisory
// lock that the system drops when the program ends, so a lock left behind by a crash stands in
// nobody's way. A second program, or a second hold in the same program, finds the file in use.
class ProjectLock {
 public:
  enum class Status {
    Locked,       // the project is ours until Release
    InUse,        // another program holds it
    Unavailable,  // no lock file can be made there (a read-only folder): nobody can hold it
  };

  ProjectLock() = default;
  ProjectLock(ProjectLock&& other) noexcept;
  ProjectLock& operator=(ProjectLock&& other) noexcept;
  ProjectLock(const ProjectLock&) = delete;
  ProjectLock& operator=(const ProjectLock&) = delete;
  ~ProjectLock();

  // Tries to hold the project at `project` (its symbolic links followed, so that two links to one
  // file meet at one lock). Never waits.
  Status Acquire(const std::filesystem::path& project);

  bool Held() const { return descriptor_ >= 0; }
  // The lock file of a project.
  static std::filesystem::path LockFileOf(const std::filesystem::path& project);

  // Lets the project go and removes the lock file.
  void Release();

 private:
  int descriptor_ = -1;
  std::filesystem::path lockFile_;
};

// The file a write to `path` lands in: symbolic links followed to their final target, so that
// saving through a link replaces the file it points to, not the link.
std::filesystem::path LinkTarget(const std::filesystem::path& path);

}  // namespace velmora::project
