#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

#include <memory>

// The hash a restore record's fingerprints were made with; the record names it, so a record
// written with an older hash is still checked with that one.
enum class HashKind { Xxh128, Sha256 };

namespace FileHashes {
QByteArray name(HashKind kind);
bool fromName(QByteArrayView name, HashKind& kind);
} // namespace FileHashes

// Hashes bytes as they pass through a copy or a read, so no file is read twice for it.
class StreamHash {
public:
    explicit StreamHash(HashKind kind);
    ~StreamHash();
    StreamHash(const StreamHash&) = delete;
    StreamHash& operator=(const StreamHash&) = delete;

    void add(QByteArrayView bytes);
    // Lower-case hex.
    QByteArray result();

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// What a file looked like: size, last-modified time and the hash of its bytes. A link has
// size -1 and the hex of where it points as its hash.
struct Fingerprint {
    qint64 size = 0;
    qint64 modified = 0; // nanoseconds since the epoch (milliseconds in records of the first form)
    QByteArray hash;
    bool operator==(const Fingerprint&) const = default;
};

// A short check of one record line that also covers the lines before it: a changed
// character or a missing line shows.
quint32 chainCheck(quint32 previous, QByteArrayView line);
