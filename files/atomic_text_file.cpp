#include "files/atomic_text_file.h"

#include <cerrno>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool WriteAll(int fd, std::string_view content)
{
    while (!content.empty()) {
        ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Opens a fresh file named after `target` in the same folder, so that the rename stays within one
// file system. Mode 0666 lets the umask decide, as for any newly created file.
int CreateTemporary(const std::filesystem::path& target, std::filesystem::path& temporary)
{
    static unsigned serial = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target;
        temporary.replace_filename("." + target.filename().string() + "." +
                                   std::to_string(::getpid()) + "." + std::to_string(serial++));
        int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool WriteThenRename(const std::filesystem::path& target, std::string_view content)
{
    struct stat targetStat {};
    bool targetExists = ::stat(target.c_str(), &targetStat) == 0;
    if (targetExists && ::access(target.c_str(), W_OK) != 0) return false;

    std::filesystem::path temporary;
    int fd = CreateTemporary(target, temporary);
    if (fd < 0) return false;

    bool written = (!targetExists || !S_ISREG(targetStat.st_mode) ||
                    ::fchmod(fd, targetStat.st_mode & 07777) == 0) &&
                   WriteAll(fd, content) && ::fsync(fd) == 0;
    bool closed = ::close(fd) == 0;
    if (written && closed && ::rename(temporary.c_str(), target.c_str()) == 0) return true;
    ::unlink(temporary.c_str());
    return false;
}

}  // namespace

bool ReplaceTextFile(const std::filesystem::path& target, std::string_view content,
                     const LineSink& figuresMemo)
{
    if (WriteThenRename(target, content)) return true;
    if (figuresMemo) figuresMemo("File not found");
    return false;
}
