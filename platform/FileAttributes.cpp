#include "FileAttributes.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace verbalia {

void DiskFileAttributes::setAttributes(const std::string& path, unsigned bits)
{
    struct stat status;
    if (::stat(path.c_str(), &status) != 0) return;
    const mode_t mode = status.st_mode & 07777;
    ::chmod(path.c_str(), (bits & readOnlyAttribute) ? mode & ~S_IWUSR : mode | S_IWUSR);
}

std::optional<unsigned> DiskFileAttributes::attributes(const std::string& path) const
{
    struct stat status;
    if (::stat(path.c_str(), &status) != 0) return std::nullopt;
    return (status.st_mode & S_IWUSR) ? 0u : unsigned(readOnlyAttribute);
}

ExclusiveOpen DiskFileAttributes::probeExclusiveOpen(const std::string& path) const
{
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return ExclusiveOpen::NotFound;
        return errno == ETXTBSY ? ExclusiveOpen::HeldElsewhere : ExclusiveOpen::Failed; // a running program
    }
    ExclusiveOpen result = ExclusiveOpen::Opened;
    struct flock wholeFile {};
    wholeFile.l_type = F_WRLCK;
    wholeFile.l_whence = SEEK_SET;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fcntl(fd, F_OFD_SETLK, &wholeFile) != 0)
        result = (errno == EWOULDBLOCK || errno == EAGAIN || errno == EACCES) ? ExclusiveOpen::HeldElsewhere
                                                                              : ExclusiveOpen::Failed;
    ::close(fd); // releases both locks
    return result;
}

} // namespace verbalia
