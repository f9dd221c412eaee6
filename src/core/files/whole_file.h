#pragma once
// Whole-file access. Replacing a file never destroys the previous one: the bytes go to
// a temporary file beside it, which is then renamed over the old one.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace solmon {

class FileAccessError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Throws FileAccessError (the message names the file and the reason); the
// previous file, if any, is then unchanged.
void WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes);

// The whole content of a file. Throws FileAccessError when it cannot be read.
std::vector<std::uint8_t> ReadWholeFile(const std::string& path);

}  // namespace solmon
