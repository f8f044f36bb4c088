// libFuzzer target over the JPEG layer: any bytes are loaded as a scheme file's copy
// in memory and, when the load takes them, decoded. A load may refuse them with
// ProgramError and a decoding may end in a fault; a crash, a leak, undefined
// behaviour, a hang or memory beyond the limits is a finding.

#include "model/ProgramError.h"
#include "pictures/JpegPicture.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        const JpegPicture picture(std::vector<unsigned char>(data, data + size));
        picture.decode();
    } catch (const ProgramError&) {
    }
    return 0;
}
