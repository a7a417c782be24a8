#pragma once
// The interface languages by number, and the language file langue.tvo in the current
// directory: one digit and CR LF, 1 for "francais", 2 for "anglais", 3 for "espagnol".

#include <QString>

#include <optional>

namespace players {

// 1, 2 or 3 for "francais", "anglais", "espagnol" (exactly); 0 for any other text.
int numero_langue(const QString& code_langue);
// The code of language 1, 2 or 3.
QString code_langue(int numero);

// The language named by the number at the start of the file; nothing when the file is missing,
// cannot be read or holds no such number.
std::optional<QString> lire_fichier_langue();

// Replaces the file by the number of the language; any other code leaves the file as it is.
// A file that cannot be written whole (a full disk, a folder in its place ...) is left as it
// was, byte for byte: the player is not told, the reason goes to standard error, and the
// result is false.
bool ecrire_fichier_langue(const QString& code_langue);

} // namespace players
