#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace worksheet {

/// A zip archive written in memory, as an OpenDocument package needs it:
/// entries in the order added, each stored or deflated, names in UTF-8,
/// every date the same, so that the same entries give the same bytes.
class ZipWriter {
public:
    void addStored(const QString& name, const QByteArray& data);
    void addDeflated(const QString& name, const QByteArray& data);
    /// The whole archive: the entries, then their central directory.
    QByteArray finish();

private:
    struct Entry {
        QByteArray name;
        quint32 crc;
        quint32 size;
        quint32 packedSize;
        quint16 method;
        quint32 offset;
    };
    void add(const QString& name, const QByteArray& data, const QByteArray& packed, quint16 method);
    /// What an entry's local header and its record in the central directory both say,
    /// from the version needed to the length of the extra field (none).
    void putShared(const Entry& e);

    QByteArray m_out;
    std::vector<Entry> m_entries;
};

/// The CRC-32 of the data, as zip files check them.
quint32 crc32(const QByteArray& data);

} // namespace worksheet
