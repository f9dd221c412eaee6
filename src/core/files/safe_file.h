#pragma once
// Replacing a file without ever destroying the previous one: the new bytes go
// to a temporary file in the same folder, are flushed to the disk, and the
// temporary is renamed over the target. A failure removes the temporary and
// leaves the target as it was.

#include <cstdint>
#include <cstdio>
#include <span>
#include <stdexcept>
#include <string>

namespace solmon {

class FileSaveError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Why a file operation failed, in words, for an errno value.
std::string FileErrorReason(int err);

// The file system calls a save makes. Each returns 0 or an errno value. Tests
// replace them to simulate a full disk or a read-only folder.
class SaveOps {
 public:
  virtual ~SaveOps() = default;
  // Creates a new file; fails with EEXIST when one is there already.
  virtual int Create(const std::string& path, std::FILE*& file);
  virtual int Write(std::FILE* file, const std::uint8_t* data, std::size_t size);
  // Pushes the data to the disk.
  virtual int Flush(std::FILE* file);
  virtual int Close(std::FILE* file);
  virtual int Rename(const std::string& from, const std::string& to);
};

// Throws FileSaveError naming the file and the reason.
void ReplaceFile(const std::string& path, std::span<const std::uint8_t> bytes);
void ReplaceFile(const std::string& path, std::span<const std::uint8_t> bytes, SaveOps& ops);

}  // namespace solmon
