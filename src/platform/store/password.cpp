#include "platform/store/password.h"

#include <sodium.h>

#include <array>
#include <new>
#include <stdexcept>

namespace platform {

namespace {

void initSodium()
{
    static const bool ready = sodium_init() >= 0;
    if (!ready)
        throw std::runtime_error("the password library cannot start");
}

} // namespace

QString hashPassword(const QString& password)
{
    if (password.isEmpty())
        return QString();
    initSodium();
    const QByteArray bytes = password.toUtf8();
    std::array<char, crypto_pwhash_STRBYTES> hash{};
    if (crypto_pwhash_str(hash.data(), bytes.constData(), quint64(bytes.size()),
                          crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE)
        != 0)
        throw std::bad_alloc();
    return QString::fromLatin1(hash.data());
}

bool passwordMatches(const QString& storedHash, const QString& typed)
{
    if (storedHash.isEmpty())
        return typed.isEmpty();
    const QByteArray stored = storedHash.toLatin1();
    // The verifier reads a buffer of the full hash size; anything longer is no hash of ours.
    if (stored.size() >= qsizetype(crypto_pwhash_STRBYTES) || storedHash != QString::fromLatin1(stored))
        return false;
    initSodium();
    std::array<char, crypto_pwhash_STRBYTES> hash{};
    std::copy(stored.cbegin(), stored.cend(), hash.begin());
    const QByteArray bytes = typed.toUtf8();
    return crypto_pwhash_str_verify(hash.data(), bytes.constData(), quint64(bytes.size())) == 0;
}

} // namespace platform
