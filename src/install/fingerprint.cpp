#include "install/fingerprint.h"

#include <QCryptographicHash>

#define XXH_INLINE_ALL
#include <xxhash.h>

namespace FileHashes {

QByteArray name(HashKind kind)
{
    return kind == HashKind::Xxh128 ? QByteArrayLiteral("xxh128") : QByteArrayLiteral("sha256");
}

bool fromName(QByteArrayView text, HashKind& kind)
{
    for (HashKind k : {HashKind::Xxh128, HashKind::Sha256})
        if (text == name(k)) {
            kind = k;
            return true;
        }
    return false;
}

} // namespace FileHashes

struct StreamHash::State {
    HashKind kind;
    XXH3_state_t xxh;
    std::unique_ptr<QCryptographicHash> sha;
};

StreamHash::StreamHash(HashKind kind) : m_state(std::make_unique<State>())
{
    m_state->kind = kind;
    if (kind == HashKind::Xxh128)
        XXH3_128bits_reset(&m_state->xxh);
    else
        m_state->sha = std::make_unique<QCryptographicHash>(QCryptographicHash::Sha256);
}

StreamHash::~StreamHash() = default;

void StreamHash::add(QByteArrayView bytes)
{
    if (m_state->sha)
        m_state->sha->addData(bytes);
    else
        XXH3_128bits_update(&m_state->xxh, bytes.data(), size_t(bytes.size()));
}

QByteArray StreamHash::result()
{
    if (m_state->sha)
        return m_state->sha->result().toHex();
    XXH128_canonical_t canonical;
    XXH128_canonicalFromHash(&canonical, XXH3_128bits_digest(&m_state->xxh));
    return QByteArray(reinterpret_cast<const char*>(canonical.digest), sizeof canonical.digest).toHex();
}

quint32 chainCheck(quint32 previous, QByteArrayView line)
{
    return quint32(XXH3_64bits_withSeed(line.data(), size_t(line.size()), previous));
}
