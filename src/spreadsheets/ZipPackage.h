#pragma once

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QString>
#include <optional>

// The parts of a ZIP archive (an .xlsx is one), unpacked one at a time
// under a bound on the bytes they unpack to together: a small file may
// claim, or hold, a thousand times its size.
namespace parvela::spreadsheets::detail {

class ZipPackage {
public:
    enum class Status {
        Ok,
        Missing,  // no part of that name
        Damaged,  // `problem` says how
        TooLarge, // the parts read would unpack past the bound
    };

    struct Part {
        Status status = Status::Ok;
        QByteArray bytes;
        QString problem;
    };

    // Reads the archive's directory; `problem` is empty when it could.
    ZipPackage(const QByteArray& path, qint64 unpackBound);

    const QString& problem() const { return m_problem; }
    bool contains(const QString& name) const;
    // The part named so (names are compared without regard to case, as the
    // package format does); what it unpacks to counts against the bound.
    Part part(const QString& name);

private:
    struct Entry {
        quint16 flags = 0;
        quint16 method = 0;
        quint32 crc = 0;
        quint64 packedSize = 0;
        quint64 size = 0;
        quint64 headerOffset = 0;
    };

    bool readDirectory();
    std::optional<QByteArray> readAt(quint64 offset, qint64 length);
    Part unpack(const Entry& entry);

    QFile m_file;
    QHash<QString, Entry> m_entries; // by lower-case name
    qint64 m_unpackLeft;
    QString m_problem;
};

} // namespace parvela::spreadsheets::detail
