#include "spreadsheets/WorkbookCodec.h"

#include <QDataStream>
#include <QIODevice>

namespace parvela::spreadsheets {

namespace {

constexpr quint32 kMagic = 0x50535231; // "PSR1"

QDataStream& operator<<(QDataStream& out, const Cell& cell) {
    return out << static_cast<quint8>(cell.kind) << cell.text << cell.number;
}

QDataStream& operator>>(QDataStream& in, Cell& cell) {
    quint8 kind = 0;
    in >> kind >> cell.text >> cell.number;
    if (kind > static_cast<quint8>(Cell::Kind::Other))
        in.setStatus(QDataStream::ReadCorruptData);
    cell.kind = static_cast<Cell::Kind>(kind);
    return in;
}

} // namespace

QByteArray encodeWorkbook(const WorkbookRead& read) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << kMagic << read.sheetNames << read.error << static_cast<quint64>(read.rows.size());
    for (const SheetRow& row : read.rows) {
        out << static_cast<quint64>(row.size());
        for (const Cell& cell : row)
            out << cell;
    }
    return bytes;
}

std::optional<WorkbookRead> decodeWorkbook(const QByteArray& bytes) {
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0;
    quint64 rowCount = 0;
    WorkbookRead read;
    in >> magic >> read.sheetNames >> read.error >> rowCount;
    if (magic != kMagic)
        return std::nullopt;
    // Grows as rows arrive: a damaged count must not reserve the memory.
    for (quint64 r = 0; r < rowCount && in.status() == QDataStream::Ok; ++r) {
        quint64 cellCount = 0;
        in >> cellCount;
        SheetRow& row = read.rows.emplace_back();
        for (quint64 c = 0; c < cellCount && in.status() == QDataStream::Ok; ++c)
            in >> row.emplace_back();
    }
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return std::nullopt;
    return read;
}

} // namespace parvela::spreadsheets
