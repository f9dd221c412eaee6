#include "core/files/safe_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace solmon {

namespace fs = std::filesystem;

std::string FileErrorReason(int err) {
  switch (err) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
      return "the disk is full";
    case EACCES:
    case EPERM:
      return "access is denied (the folder or the file is read-only)";
    case EROFS:
      return "the disk is read-only";
    case ENOENT:
      return "there is no such file or folder";
    case ENOTDIR:
      return "a part of the path is not a folder";
    case EISDIR:
      return "it is a folder";
    default:
      return std::strerror(err);
  }
}

int SaveOps::Create(const std::string& path, std::FILE*& file) {
  errno = 0;
  file = std::fopen(path.c_str(), "wbx");
  return file ? 0 : (errno ? errno : EIO);
}

int SaveOps::Write(std::FILE* file, const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;  // an empty file: there may be no buffer at all
  errno = 0;
  if (std::fwrite(data, 1, size, file) == size) return 0;
  return errno ? errno : EIO;
}

int SaveOps::Flush(std::FILE* file) {
  errno = 0;
  if (std::fflush(file) != 0) return errno ? errno : EIO;
#if defined(__unix__) || defined(__APPLE__)
  if (fsync(fileno(file)) != 0) return errno;
#endif
  return 0;
}

int SaveOps::Close(std::FILE* file) {
  errno = 0;
  return std::fclose(file) == 0 ? 0 : (errno ? errno : EIO);
}

int SaveOps::Rename(const std::string& from, const std::string& to) {
  std::error_code ec;
  fs::rename(from, to, ec);
  return ec.value();
}

namespace {

[[noreturn]] void Fail(const std::string& path, const std::string& reason) {
  throw FileSaveError("Cannot save \"" + path + "\": " + reason +
                      "; the file on disk was not changed.");
}

// A fresh temporary beside the target; the name of a crashed save's leftover
// is not reused.
std::string CreateTemporary(const std::string& path, SaveOps& ops, std::FILE*& file) {
  int err = 0;
  for (int n = 0; n < 100; ++n) {
    const std::string name = path + ".saving" + (n ? std::to_string(n) : std::string()) + "~";
    err = ops.Create(name, file);
    if (err == 0) return name;
    if (err != EEXIST) break;
  }
  const fs::path folder = fs::path(path).parent_path();
  std::error_code ec;
  if (!folder.empty() && !fs::is_directory(folder, ec))
    Fail(path, "there is no such folder");
  Fail(path, "cannot create a file in its folder: " + FileErrorReason(err));
}

void CheckTargetWritable(const std::string& path) {
  std::error_code ec;
  const fs::file_status st = fs::status(path, ec);
  if (ec || !fs::exists(st)) return;
  if (fs::is_directory(st)) Fail(path, FileErrorReason(EISDIR));
  constexpr auto kWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  if ((st.permissions() & kWrite) == fs::perms::none) Fail(path, "the file is read-only");
}

// The new file keeps the permissions of the one it replaces.
void CopyPermissions(const std::string& from, const std::string& to) {
  std::error_code ec;
  const fs::file_status st = fs::status(from, ec);
  if (!ec && fs::exists(st)) fs::permissions(to, st.permissions(), ec);
}

}  // namespace

void ReplaceFile(const std::string& path, std::span<const std::uint8_t> bytes) {
  SaveOps ops;
  ReplaceFile(path, bytes, ops);
}

void ReplaceFile(const std::string& path, std::span<const std::uint8_t> bytes, SaveOps& ops) {
  CheckTargetWritable(path);
  std::FILE* file = nullptr;
  const std::string temporary = CreateTemporary(path, ops, file);
  int err = ops.Write(file, bytes.data(), bytes.size());
  if (err == 0) err = ops.Flush(file);
  const int closeErr = ops.Close(file);
  if (err == 0) err = closeErr;
  if (err == 0) {
    CopyPermissions(path, temporary);
    err = ops.Rename(temporary, path);
  }
  if (err != 0) {
    std::error_code ec;
    fs::remove(temporary, ec);
    Fail(path, FileErrorReason(err));
  }
}

}  // namespace solmon
