#include "core/model/fileopening.h"

#include "core/reading/filenames.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QString SystemMessage(int error)
{
    return CleanCause(QString::fromLocal8Bit(std::strerror(error)));
}

TError OpenError(const QString &fileName, const QString &cause)
{
    return TError(QCoreApplication::translate("TNavisionBinaryFile", "Cannot open file \"%1\". %2")
                      .arg(AbsoluteFileName(fileName), cause));
}

void OpenRegularFile(QFile &file, const QString &fileName)
{
    const int fd = ::open(EncodeFileName(fileName).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw OpenError(fileName, SystemMessage(errno));
    struct stat status {};
    const bool regular = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    if (!regular || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        const int cause = errno;
        ::close(fd);
        throw OpenError(fileName, regular ? SystemMessage(cause)
                                          : QCoreApplication::translate(
                                                "TNavisionBinaryFile", "It is not a regular file"));
    }
}
