#include "core/files/whole_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace solmon {

namespace {

std::string Reason() {
  return errno ? std::strerror(errno) : "input/output error";
}

}  // namespace

void WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  const std::string temp = path + ".tmp";
  errno = 0;
  std::FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) throw FileAccessError("cannot write \"" + path + "\": " + Reason());
  const bool written =
      bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  const std::string why = Reason();
  const bool closed = std::fclose(f) == 0;
  if (!written || !closed) {
    std::remove(temp.c_str());
    throw FileAccessError("cannot write \"" + path + "\": " + why);
  }
  std::error_code ec;
  std::filesystem::rename(temp, path, ec);
  if (ec) {
    std::remove(temp.c_str());
    throw FileAccessError("cannot replace \"" + path + "\": " + ec.message());
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
