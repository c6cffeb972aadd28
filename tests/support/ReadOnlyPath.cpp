#include "ReadOnlyPath.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tarovin::test {

namespace {

constexpr QFileDevice::Permissions writeBits =
    QFileDevice::WriteOwner | QFileDevice::WriteUser | QFileDevice::WriteGroup | QFileDevice::WriteOther;

// Sets or clears the immutable flag; the empty text on success.
QString setImmutable(const QString& path, bool on)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return QStringLiteral("cannot open %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    int flags = 0;
    QString why;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) != 0) {
        why = QStringLiteral("no file flags on %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    } else {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        if (::ioctl(fd, FS_IOC_SETFLAGS, &flags) != 0)
            why = QStringLiteral("cannot set the immutable flag on %1: %2")
                      .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    }
    ::close(fd);
    return why;
}

} // namespace

ReadOnlyPath::ReadOnlyPath(const QString& path) : path_(path), before_(QFile::permissions(path))
{
    active_ = true;
    if (::geteuid() == 0) {
        why_ = setImmutable(path_, true);
        immutable_ = why_.isEmpty();
    } else if (!QFile::setPermissions(path_, before_ & ~writeBits)) {
        why_ = QStringLiteral("cannot take the write permission from %1").arg(path_);
    }
    if (why_.isEmpty() && !refusesWrites())
        why_ = QStringLiteral("%1 still takes writes, so a refused write cannot be shown here").arg(path_);
    if (!why_.isEmpty())
        why_ = QStringLiteral("No read-only store on this machine: ") + why_;
}

ReadOnlyPath::~ReadOnlyPath()
{
    lift();
}

void ReadOnlyPath::lift()
{
    if (!active_)
        return;
    active_ = false;
    if (immutable_)
        setImmutable(path_, false);
    QFile::setPermissions(path_, before_);
}

// A folder must refuse a new file, a file must refuse to be opened for writing.
bool ReadOnlyPath::refusesWrites() const
{
    if (QFileInfo(path_).isDir()) {
        const QByteArray probe = QFile::encodeName(path_ + QStringLiteral("/.write-probe"));
        const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0)
            return true;
        ::close(fd);
        ::unlink(probe.constData());
        return false;
    }
    const int fd = ::open(QFile::encodeName(path_).constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0)
        return true;
    ::close(fd);
    return false;
}

} // namespace tarovin::test
