#include "zipwriter.h"

#include <array>

namespace worksheet {

namespace {

constexpr quint16 Stored = 0;
constexpr quint16 Deflated = 8;
constexpr quint16 Utf8Names = 0x0800;
constexpr quint16 Version = 20;
constexpr quint16 DosDate = (1 << 5) | 1; ///< 1 January 1980: every entry the same

void put16(QByteArray& out, quint16 v) {
    out.append(char(v & 0xff)).append(char(v >> 8));
}

void put32(QByteArray& out, quint32 v) {
    put16(out, quint16(v & 0xffff));
    put16(out, quint16(v >> 16));
}

} // namespace

quint32 crc32(const QByteArray& data) {
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 i = 0; i < 256; ++i) {
            quint32 c = i;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    quint32 c = 0xffffffffu;
    for (const char byte : data)
        c = table[(c ^ quint8(byte)) & 0xff] ^ (c >> 8);
    return c ^ 0xffffffffu;
}

void ZipWriter::add(const QString& name, const QByteArray& data, const QByteArray& packed,
                    quint16 method) {
    const Entry e{name.toUtf8(),          crc32(data), quint32(data.size()),
                  quint32(packed.size()), method,      quint32(m_out.size())};
    put32(m_out, 0x04034b50);
    putShared(e);
    m_out.append(e.name).append(packed);
    m_entries.push_back(e);
}

void ZipWriter::putShared(const Entry& e) {
    put16(m_out, Version); // needed
    put16(m_out, Utf8Names);
    put16(m_out, e.method);
    put16(m_out, 0); // time
    put16(m_out, DosDate);
    put32(m_out, e.crc);
    put32(m_out, e.packedSize);
    put32(m_out, e.size);
    put16(m_out, quint16(e.name.size()));
    put16(m_out, 0); // no extra field
}

void ZipWriter::addStored(const QString& name, const QByteArray& data) {
    add(name, data, data, Stored);
}

void ZipWriter::addDeflated(const QString& name, const QByteArray& data) {
    // qCompress gives the length (4 bytes), then a zlib stream: a 2-byte
    // header, the raw deflate data a zip entry holds, and a 4-byte checksum.
    const QByteArray zlib = qCompress(data, 6);
    add(name, data, zlib.mid(6, zlib.size() - 10), Deflated);
}

QByteArray ZipWriter::finish() {
    const quint32 start = quint32(m_out.size());
    for (const Entry& e : m_entries) {
        put32(m_out, 0x02014b50);
        put16(m_out, Version); // made by
        putShared(e);
        put16(m_out, 0); // comment
        put16(m_out, 0); // disk
        put16(m_out, 0); // internal attributes
        put32(m_out, 0); // external attributes
        put32(m_out, e.offset);
        m_out.append(e.name);
    }
    const quint32 size = quint32(m_out.size()) - start;
    put32(m_out, 0x06054b50);
    put16(m_out, 0);
    put16(m_out, 0);
    put16(m_out, quint16(m_entries.size()));
    put16(m_out, quint16(m_entries.size()));
    put32(m_out, size);
    put32(m_out, start);
    put16(m_out, 0);
    return std::move(m_out);
}

} // namespace worksheet
