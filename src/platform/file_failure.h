#pragma once
// Why a file of the program could not serve, in the kinds the player is told about, and the
// log of a failure's technical detail.

#include <QString>

namespace platform {

enum class FileFailure {
    None,           // no failure, or one of no kind the player is told (the message says enough)
    CannotRead,     // the file is there but cannot be read
    CannotWrite,    // the file (or the folder that should hold it) cannot be written
    NotPlayerFile,  // a file of another kind in the player file's place
    Damaged,        // a player file whose contents are damaged
    InUse,          // another program holds the file (locked) for longer than the program waits
};

// Writes what failed (the file, the system's reason) to standard error, for whoever looks
// after the computer; the player is told in words of the interface language.
void logFailure(const QString& detail);

} // namespace platform
