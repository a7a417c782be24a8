#pragma once
// Player passwords, kept as salted hashes: the database never holds a password in clear.

#include <QString>

namespace platform {

// The text to store for a password: "" for "" (no password), otherwise a salted Argon2 hash
// string. Throws std::bad_alloc when the memory for hashing cannot be had.
QString hashPassword(const QString& password);

// Whether the typed text opens a player whose stored value is storedHash: an empty stored value
// matches only an empty typed text; otherwise the typed text must be the same password, exactly
// (letter case and blanks count).
bool passwordMatches(const QString& storedHash, const QString& typed);

} // namespace platform
