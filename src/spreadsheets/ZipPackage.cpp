#include "spreadsheets/ZipPackage.h"

#include <zlib.h>

namespace parvela::spreadsheets::detail {

namespace {

constexpr quint32 kEndSignature = 0x06054b50;
constexpr quint32 kEnd64Signature = 0x06064b50;
constexpr quint32 kEnd64LocatorSignature = 0x07064b50;
constexpr quint32 kEntrySignature = 0x02014b50;
constexpr quint32 kLocalSignature = 0x04034b50;
constexpr qint64 kEndSize = 22;
constexpr qint64 kEnd64Size = 56;
constexpr qint64 kEnd64LocatorSize = 20;
constexpr qint64 kEntrySize = 46;
constexpr qint64 kLocalSize = 30;
constexpr qint64 kLongestComment = 0xFFFF;
// A workbook's directory lists a few dozen parts.
constexpr quint64 kLargestDirectory = 16 * 1024 * 1024;
constexpr quint16 kZip64Field = 0x0001;
constexpr quint16 kEncrypted = 0x0001;
constexpr quint16 kStored = 0;
constexpr quint16 kDeflated = 8;
constexpr qint64 kChunk = 64 * 1024;

quint64 little(const char* at, int bytes) {
    quint64 value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(at[i]);
    return value;
}
quint16 le16(const char* at) {
    return static_cast<quint16>(little(at, 2));
}
quint32 le32(const char* at) {
    return static_cast<quint32>(little(at, 4));
}
quint64 le64(const char* at) {
    return little(at, 8);
}

// A ZIP64 extra field carries, in this order, those of the three values
// whose 32-bit field holds 0xFFFFFFFF.
bool readZip64Extra(QByteArrayView extra, quint64& size, quint64& packedSize, quint64& offset) {
    for (qsizetype at = 0; at + 4 <= extra.size();) {
        const quint16 id = le16(extra.data() + at);
        const quint16 length = le16(extra.data() + at + 2);
        if (at + 4 + length > extra.size())
            return false;
        if (id == kZip64Field) {
            qsizetype field = at + 4;
            for (quint64* value : {&size, &packedSize, &offset}) {
                if (*value != 0xFFFFFFFF)
                    continue;
                if (field + 8 > at + 4 + length)
                    return false;
                *value = le64(extra.data() + field);
                field += 8;
            }
            return true;
        }
        at += 4 + length;
    }
    return size != 0xFFFFFFFF && packedSize != 0xFFFFFFFF && offset != 0xFFFFFFFF;
}

class Inflater {
public:
    Inflater() { m_ready = inflateInit2(&m_stream, -MAX_WBITS) == Z_OK; }
    ~Inflater() {
        if (m_ready)
            inflateEnd(&m_stream);
    }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;

    bool ready() const { return m_ready; }
    z_stream& stream() { return m_stream; }

private:
    z_stream m_stream{};
    bool m_ready = false;
};

ZipPackage::Part damaged(const QString& problem) {
    return {ZipPackage::Status::Damaged, {}, problem};
}

} // namespace

ZipPackage::ZipPackage(const QByteArray& path, qint64 unpackBound)
    : m_file(QFile::decodeName(path))
    , m_unpackLeft(unpackBound) {
    if (!m_file.open(QIODevice::ReadOnly))
        m_problem = m_file.errorString();
    else if (!readDirectory() && m_problem.isEmpty())
        m_problem = QStringLiteral("ZIP dizini bozuk");
}

std::optional<QByteArray> ZipPackage::readAt(quint64 offset, qint64 length) {
    if (length < 0 || offset > static_cast<quint64>(m_file.size()) ||
        static_cast<quint64>(length) > static_cast<quint64>(m_file.size()) - offset ||
        !m_file.seek(static_cast<qint64>(offset)))
        return std::nullopt;
    QByteArray bytes = m_file.read(length);
    if (bytes.size() != length)
        return std::nullopt;
    return bytes;
}

bool ZipPackage::readDirectory() {
    const qint64 size = m_file.size();
    const qint64 tailSize = std::min(size, kEndSize + kLongestComment);
    const std::optional<QByteArray> tail = readAt(static_cast<quint64>(size - tailSize), tailSize);
    if (!tail)
        return false;
    // The last end record that the file holds whole, with its comment.
    qsizetype end = tail->size() - kEndSize;
    for (; end >= 0; --end)
        if (le32(tail->data() + end) == kEndSignature &&
            end + kEndSize + le16(tail->data() + end + 20) <= tail->size())
            break;
    if (end < 0) {
        m_problem = QStringLiteral("ZIP dizininin sonu bulunamadı");
        return false;
    }
    const char* record = tail->data() + end;
    if (le16(record + 4) != 0 || le16(record + 6) != 0) {
        m_problem = QStringLiteral("birden çok parçalı ZIP arşivi");
        return false;
    }
    quint64 count = le16(record + 10);
    quint64 directorySize = le32(record + 12);
    quint64 directoryOffset = le32(record + 16);
    if (count == 0xFFFF || directorySize == 0xFFFFFFFF || directoryOffset == 0xFFFFFFFF) {
        const qint64 endAt = size - tailSize + end;
        const std::optional<QByteArray> locator =
            readAt(static_cast<quint64>(endAt - kEnd64LocatorSize), kEnd64LocatorSize);
        if (!locator || le32(locator->data()) != kEnd64LocatorSignature)
            return false;
        const std::optional<QByteArray> end64 = readAt(le64(locator->data() + 8), kEnd64Size);
        if (!end64 || le32(end64->data()) != kEnd64Signature)
            return false;
        count = le64(end64->data() + 32);
        directorySize = le64(end64->data() + 40);
        directoryOffset = le64(end64->data() + 48);
    }
    if (directorySize > kLargestDirectory || count > directorySize / kEntrySize)
        return false;
    const std::optional<QByteArray> directory =
        readAt(directoryOffset, static_cast<qint64>(directorySize));
    if (!directory)
        return false;
    qsizetype at = 0;
    for (quint64 i = 0; i < count; ++i) {
        if (at + kEntrySize > directory->size() || le32(directory->data() + at) != kEntrySignature)
            return false;
        const char* fixed = directory->data() + at;
        Entry entry{le16(fixed + 8),  le16(fixed + 10), le32(fixed + 16),
                    le32(fixed + 20), le32(fixed + 24), le32(fixed + 42)};
        const qsizetype nameLength = le16(fixed + 28);
        const qsizetype extraLength = le16(fixed + 30);
        const qsizetype next = at + kEntrySize + nameLength + extraLength + le16(fixed + 32);
        if (next > directory->size())
            return false;
        const QByteArrayView extra(fixed + kEntrySize + nameLength, extraLength);
        if (!readZip64Extra(extra, entry.size, entry.packedSize, entry.headerOffset))
            return false;
        const QString name = QString::fromUtf8(fixed + kEntrySize, nameLength).toLower();
        m_entries.insert(name, entry);
        at = next;
    }
    return true;
}

bool ZipPackage::contains(const QString& name) const {
    return m_entries.contains(name.toLower());
}

ZipPackage::Part ZipPackage::part(const QString& name) {
    const auto found = m_entries.constFind(name.toLower());
    if (found == m_entries.constEnd())
        return {Status::Missing, {}, {}};
    Part part = unpack(*found);
    if (part.status == Status::Damaged)
        part.problem = QStringLiteral("%1: %2").arg(name, part.problem);
    return part;
}

ZipPackage::Part ZipPackage::unpack(const Entry& entry) {
    if (entry.flags & kEncrypted)
        return damaged(QStringLiteral("parça şifreli"));
    if (entry.method != kStored && entry.method != kDeflated)
        return damaged(
            QStringLiteral("%1 numaralı sıkıştırma yöntemi okunmuyor").arg(entry.method));
    if (entry.size > static_cast<quint64>(m_unpackLeft))
        return {Status::TooLarge, {}, {}};
    const std::optional<QByteArray> local = readAt(entry.headerOffset, kLocalSize);
    if (!local || le32(local->data()) != kLocalSignature)
        return damaged(QStringLiteral("parçanın başlığı bozuk"));
    quint64 at =
        entry.headerOffset + kLocalSize + le16(local->data() + 26) + le16(local->data() + 28);
    if (at > static_cast<quint64>(m_file.size()) ||
        entry.packedSize > static_cast<quint64>(m_file.size()) - at)
        return damaged(QStringLiteral("parça dosyanın sonunu aşıyor"));
    QByteArray bytes;
    if (entry.method == kStored) {
        bytes = readAt(at, static_cast<qint64>(entry.packedSize)).value_or(QByteArray());
    } else {
        Inflater inflater;
        if (!inflater.ready())
            return damaged(QStringLiteral("zlib başlatılamadı"));
        z_stream& stream = inflater.stream();
        QByteArray out(kChunk, Qt::Uninitialized);
        bytes.reserve(static_cast<qsizetype>(entry.size));
        quint64 packedLeft = entry.packedSize;
        for (;;) {
            const qint64 take = static_cast<qint64>(std::min<quint64>(packedLeft, kChunk));
            QByteArray in = readAt(at, take).value_or(QByteArray());
            if (in.size() != take)
                return damaged(QStringLiteral("parça okunamadı"));
            at += static_cast<quint64>(take);
            packedLeft -= static_cast<quint64>(take);
            stream.next_in = reinterpret_cast<Bytef*>(in.data());
            stream.avail_in = static_cast<uInt>(take);
            int status = Z_OK;
            do {
                stream.next_out = reinterpret_cast<Bytef*>(out.data());
                stream.avail_out = static_cast<uInt>(out.size());
                status = inflate(&stream, Z_NO_FLUSH);
                if (status != Z_OK && status != Z_STREAM_END && status != Z_BUF_ERROR)
                    return damaged(
                        QStringLiteral("sıkıştırılmış veri bozuk (zlib %1)").arg(status));
                bytes.append(out.constData(), out.size() - stream.avail_out);
                // Stopped as soon as it passes the bound, whatever the
                // directory said the part's size was.
                if (bytes.size() > m_unpackLeft)
                    return {Status::TooLarge, {}, {}};
            } while (stream.avail_out == 0 && status == Z_OK);
            if (status == Z_STREAM_END)
                break;
            if (packedLeft == 0)
                return damaged(QStringLiteral("sıkıştırılmış veri eksik"));
        }
    }
    if (static_cast<quint64>(bytes.size()) != entry.size)
        return damaged(QStringLiteral("parçanın boyu dizindekinden farklı"));
    const uLong crc = crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(bytes.constData()),
                            static_cast<uInt>(bytes.size()));
    if (crc != entry.crc)
        return damaged(QStringLiteral("parçanın sağlama toplamı tutmuyor"));
    m_unpackLeft -= bytes.size();
    return {Status::Ok, std::move(bytes), {}};
}

} // namespace parvela::spreadsheets::detail
