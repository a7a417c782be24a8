#pragma once
// A file that failed, told to the player in the current interface language: the message of
// what could not be done, then a short sentence of why (cannot read, cannot write, not a player
// file, damaged, in use by another program).  The file and the system's reason go to standard
// error, not into the box.

#include "platform/file_failure.h"

#include <QString>

namespace players {

// The message, then the sentence of the kind after a blank line (none for FileFailure::None).
QString texte_echec_fichier(const QString& message, platform::FileFailure kind);

// Logs the detail, then shows the message box (style as msgBox takes it).
void signaler_echec_fichier(const QString& message, platform::FileFailure kind, const QString& detail,
                            int style);

} // namespace players
