#include "project/ProjectFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <random>

#include "project/Cp1252.h"
#include "project/ProjectLock.h"
#include "project/ProjectWriter.h"
#include "text/TextFiles.h"

namespace velmora::project {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string PathText(const std::filesystem::path& path) { return path.string(); }

// A name beside the target that no other save picks at the same time.
std::filesystem::path TemporaryBeside(const std::filesystem::path& path) {
  std::random_device device;
  std::uniform_int_distribution<unsigned> digit(0, 15);
  std::string suffix;
  for (int i = 0; i < 8; ++i) suffix += "0123456789abcdef"[digit(device)];
  std::filesystem::path name = path.filename();
  name += "." + suffix + ".tmp";
  return path.parent_path() / name;
}

ProjectFileWrite Failed(FileError error, std::string detail, const std::filesystem::path& temporary) {
  std::error_code ignored;
  std::filesystem::remove(temporary, ignored);
  return {error, std::move(detail)};
}

// A file or folder that exists but may not be written.
bool WriteProtected(const std::filesystem::path& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return false;  // missing: the write itself will tell
  return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
}

}  // namespace

bool MayReplace(const std::filesystem::path& path) {
  const std::filesystem::path target = LinkTarget(path);
  const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
  return !WriteProtected(target) && !WriteProtected(folder);
}

std::vector<std::string> DecodeProjectBytes(std::string_view bytes) {
  // A byte-order mark before valid UTF-8 settles the question.
  if (bytes.starts_with(kByteOrderMark) && IsValidUtf8(bytes.substr(kByteOrderMark.size()))) {
    return text::SplitLines(bytes.substr(kByteOrderMark.size()));
  }
  if (IsUtf8WithNonAscii(bytes)) return text::SplitLines(bytes);
  return text::SplitLines(Cp1252ToUtf8(bytes));
}

std::string EncodeProjectLines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) {
    bytes += Utf8ToCp1252(line);
    bytes += "\r\n";
  }
  return bytes;
}

ProjectFileLines ReadProjectFile(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    return {FileError::CannotOpen, "not a readable file: " + PathText(path), {}};
  }
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) return {FileError::CannotOpen, "cannot tell the size of " + PathText(path), {}};
  if (size > kMaxProjectFileSize) return {FileError::TooLarge, PathText(path) + " is too large", {}};

  std::ifstream in(path, std::ios::binary);
  if (!in) return {FileError::CannotOpen, "cannot open " + PathText(path), {}};
  std::string bytes;
  std::string chunk(64 * 1024, '\0');
  while (in) {
    in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    bytes.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
    // A file that grows while it is read stops at the same limit.
    if (bytes.size() > kMaxProjectFileSize) return {FileError::TooLarge, PathText(path) + " is too large", {}};
  }
  if (in.bad()) return {FileError::CannotRead, "cannot read " + PathText(path), {}};
  return {FileError::None, {}, DecodeProjectBytes(bytes)};
}

ProjectFileWrite WriteProjectFile(const std::filesystem::path& link, const std::vector<std::string>& lines) {
  const std::filesystem::path path = LinkTarget(link);
  if (!MayReplace(path)) return {FileError::ReadOnly, PathText(path) + " is write-protected"};
  const std::string bytes = EncodeProjectLines(lines);
  const std::filesystem::path temporary = TemporaryBeside(path);
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return Failed(FileError::CannotWrite, "cannot create " + PathText(temporary), temporary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) return Failed(FileError::CannotWrite, "cannot write " + PathText(temporary), temporary);
    out.close();
    if (out.fail()) return Failed(FileError::CannotWrite, "cannot close " + PathText(temporary), temporary);
  }
  std::error_code error;
  const std::filesystem::file_status target = std::filesystem::status(path, error);
  if (!error && std::filesystem::is_regular_file(target)) {
    std::filesystem::permissions(temporary, target.permissions(), error);  // best effort
  }
  std::filesystem::rename(temporary, path, error);
  if (error)
    return Failed(FileError::CannotReplace, "cannot replace " + PathText(path) + ": " + error.message(), temporary);
  return {};
}

ProjectReadResult OpenProject(const std::filesystem::path& path, const text::TextStore& texts,
                              const ProjectAppearance& current) {
  ProjectFileLines file = ReadProjectFile(path);
  if (!file.ok()) {
    ProjectReadResult result;
    result.status = ProjectReadStatus::CannotOpen;
    result.appearance = current;
    result.detail = std::move(file.detail);
    return result;
  }
  return ReadProjectLines(std::move(file.lines), texts, current);
}

ProjectFileWrite SaveProject(const std::filesystem::path& path, const results::ResultsTable& table,
                             const ProjectAppearance& appearance, const text::TextStore& texts) {
  return WriteProjectFile(path, WriteProjectLines(table, appearance, texts));
}

}  // namespace velmora::project
