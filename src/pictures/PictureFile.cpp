#include "pictures/PictureFile.h"

#include "model/ProgramError.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The name joined to the working directory, as the message shows it.
std::string FullPath(std::string_view bareName)
{
    std::error_code unknownDirectory;
    return (std::filesystem::current_path(unknownDirectory) / bareName).string();
}

// The system's text for an error number without what may trail it.
std::string SystemReason(int error)
{
    std::string text = std::strerror(error);
    while (!text.empty() && std::strchr(" \r\n.", text.back()) != nullptr)
        text.pop_back();
    return text;
}

[[noreturn]] void RefuseFile(std::string_view bareName, const std::string& reason)
{
    throw ProgramError("Cannot open file \"" + FullPath(bareName) + "\". " + reason);
}

// Closes the file however the read ends.
struct OpenFile {
    int descriptor;
    ~OpenFile()
    {
        if (descriptor >= 0)
            ::close(descriptor);
    }
};

} // namespace

void RequireJpegExtension(std::string_view fileName)
{
    const std::size_t dot = fileName.rfind('.');
    const std::string extension(dot == std::string_view::npos ? std::string_view()
                                                              : fileName.substr(dot + 1));
    std::string lowerCase = extension;
    for (char& c : lowerCase) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    if (lowerCase != "jpg" && lowerCase != "jpeg")
        throw ProgramError("Unknown picture file extension (." + extension + ")");
}

std::vector<unsigned char> ReadPictureFile(std::string_view bareName)
{
    const std::string name(bareName);
    // Without O_NONBLOCK, opening a FIFO would wait for a writer.
    const OpenFile file{::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (file.descriptor < 0)
        RefuseFile(bareName, SystemReason(errno));
    struct stat status {};
    if (::fstat(file.descriptor, &status) != 0)
        RefuseFile(bareName, SystemReason(errno));
    // Linux opens a directory for reading; only reading it fails.
    if (S_ISDIR(status.st_mode))
        RefuseFile(bareName, SystemReason(EISDIR));
    if (!S_ISREG(status.st_mode))
        RefuseFile(bareName, "Not a regular file");
    if (status.st_size > MaxPictureFileBytes)
        RefuseFile(bareName, "File larger than 64 MiB");

    std::vector<unsigned char> data(static_cast<std::size_t>(status.st_size));
    std::size_t filled = 0;
    while (filled < data.size()) {
        const ssize_t got = ::read(file.descriptor, data.data() + filled, data.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            RefuseFile(bareName, SystemReason(errno));
        if (got == 0)
            break; // the file was cut short while being read
        filled += static_cast<std::size_t>(got);
    }
    data.resize(filled);
    return data;
}
