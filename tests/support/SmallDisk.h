#pragma once

#include <QString>
#include <QTemporaryDir>

namespace parvela::test {

// A tmpfs of its own, mounted on a fresh folder, to fill up: writes on it
// fail as on a full disk ("No space left on device"). Unmounted when it goes.
// Mounting needs root; whyNot() says why it could not be mounted.
class SmallDisk {
public:
    explicit SmallDisk(int kibibytes = 1024);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return m_mounted; }
    const QString& whyNot() const { return m_whyNot; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

    // Takes every byte still free.
    void fill() const;

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_whyNot;
};

} // namespace parvela::test
