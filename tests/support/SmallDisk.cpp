#include "SmallDisk.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <sys/mount.h>

namespace parvela::test {

SmallDisk::SmallDisk(int kibibytes) {
    const QByteArray where = QFile::encodeName(m_dir.path());
    const QByteArray options = "size=" + QByteArray::number(kibibytes) + "k,mode=0755";
    m_mounted = m_dir.isValid() && ::mount("tmpfs", where.constData(), "tmpfs",
                                           MS_NOSUID | MS_NODEV, options.constData()) == 0;
    if (!m_mounted)
        m_whyNot = QStringLiteral("cannot mount a tmpfs on %1: %2")
                       .arg(m_dir.path(), QString::fromLocal8Bit(std::strerror(errno)));
}

SmallDisk::~SmallDisk() {
    if (m_mounted)
        ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}

void SmallDisk::fill() const {
    QFile filler(filePath(QStringLiteral(".filler")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return;
    const QByteArray block(4096, 'f');
    while (filler.write(block) > 0) {
    }
}

} // namespace parvela::test
