#pragma once
// A small file system of a test's own: a tmpfs mounted in a private mount namespace, so that a
// test can fill a disk for real or make it read-only and nothing outside the test sees it. Needs
// root (CAP_SYS_ADMIN); otherwise mount() says why, for GTEST_SKIP.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

class ScratchDisk {
public:
    ScratchDisk() = default;
    ScratchDisk(const ScratchDisk&) = delete;
    ScratchDisk& operator=(const ScratchDisk&) = delete;
    ~ScratchDisk()
    {
        if (mounted_)
            umount2(QFile::encodeName(folder_.path()).constData(), MNT_DETACH);
    }

    // Mounts a tmpfs of the given size (whole 4 KiB pages). Empty on success, else why not.
    QString mount(int kibibytes)
    {
        if (geteuid() != 0)
            return QStringLiteral("mounting a scratch file system needs root");
        // The namespace belongs to the calling thread, where the test does its file work; its
        // mounts are made private first, so that nothing mounted here reaches the host.
        static const QString entered = [] {
            if (unshare(CLONE_NEWNS) != 0)
                return QStringLiteral("unshare(CLONE_NEWNS): ") + QString::fromLocal8Bit(std::strerror(errno));
            if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
                return QStringLiteral("making mounts private: ") + QString::fromLocal8Bit(std::strerror(errno));
            return QString();
        }();
        if (!entered.isEmpty())
            return entered;
        const QByteArray options = "size=" + QByteArray::number(kibibytes) + "k";
        if (::mount("tmpfs", QFile::encodeName(folder_.path()).constData(), "tmpfs", 0, options.constData()) != 0)
            return QStringLiteral("mount tmpfs: ") + QString::fromLocal8Bit(std::strerror(errno));
        mounted_ = true;
        return {};
    }

    QString path(const QString& name) const { return folder_.filePath(name); }

    qint64 freeBytes() const
    {
        struct statvfs info {};
        statvfs(QFile::encodeName(folder_.path()).constData(), &info);
        return qint64(info.f_bavail) * qint64(info.f_frsize);
    }

    // Fills the disk with one file until only `leave` bytes (whole pages) are free.
    bool fill(qint64 leave)
    {
        const int fd = ::open(QFile::encodeName(path(QStringLiteral("zapelnienie"))).constData(),
                              O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fd < 0)
            return false;
        const QByteArray page(4096, 'x');
        while (freeBytes() > leave) {
            const qint64 chunk = std::min<qint64>(page.size(), freeBytes() - leave);
            if (::write(fd, page.constData(), std::size_t(chunk)) <= 0)
                break;
        }
        ::close(fd);
        return freeBytes() == leave;
    }

    // Remounts the file system read-only.
    bool makeReadOnly()
    {
        return ::mount(nullptr, QFile::encodeName(folder_.path()).constData(), nullptr,
                       MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    QTemporaryDir folder_;
    bool mounted_ = false;
};
