#pragma once

// Scheme picture files, named relative to the working directory: which picture class
// a name selects, and reading a file whole into memory. What the bytes hold is not
// looked at here.

#include <cstdint>
#include <string_view>
#include <vector>

// The largest file read; a scheme picture of 873 × 249 pixels takes well under 1 MiB.
constexpr std::int64_t MaxPictureFileBytes = std::int64_t{64} << 20;

// The picture class is chosen by the text after the name's last ".", whatever its
// case; "jpg" and "jpeg" select JPEG, the only class the program has. Throws
// ProgramError "Unknown picture file extension (.png)" for any other.
void RequireJpegExtension(std::string_view fileName);

// Throws ProgramError "Cannot open file "/home/student/схема-1.jpg". No such file or
// directory" with the full path and the system's reason when the file cannot be
// opened or read. A directory gives "Is a directory"; a FIFO or a device, which is
// never waited on, "Not a regular file"; a file over MaxPictureFileBytes "File larger
// than 64 MiB".
std::vector<unsigned char> ReadPictureFile(std::string_view bareName);
