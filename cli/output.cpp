#include "output.h"

#include "core/errors.h"

#include <cerrno>
#include <cstring>

#include <unistd.h>

TOutputDevice::TOutputDevice(int fd) : FFd(fd)
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 TOutputDevice::writeData(const char *data, qint64 size)
{
    if (!FFailure.isEmpty())
        return -1; // nothing more after the first failure
    qint64 written = 0;
    while (written < size) {
        const ssize_t result = ::write(FFd, data + written, size_t(size - written));
        if (result < 0 && errno == EINTR)
            continue;
        if (result <= 0) {
            FFailure = CleanCause(QString::fromLocal8Bit(std::strerror(result < 0 ? errno : EIO)));
            setErrorString(FFailure);
            return -1;
        }
        written += result;
    }
    return written;
}
