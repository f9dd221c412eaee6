#include "core/files/whole_file.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "core/files/safe_file.h"

namespace solmon {

void WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  try {
    ReplaceFile(path, bytes);
  } catch (const FileSaveError& e) {
    throw FileAccessError(e.what());
  }
}

std::vector<std::uint8_t> ReadWholeFile(const std::string& path) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  if (ec) throw FileAccessError("cannot read \"" + path + "\": " + ec.message());
  std::ifstream in(path, std::ios::binary);
  std::vector<std::uint8_t> bytes(size);
  if (!in || !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size)))
    throw FileAccessError("cannot read \"" + path + "\"");
  return bytes;
}

}  // namespace solmon
