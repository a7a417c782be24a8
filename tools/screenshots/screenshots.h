#pragma once
#include <QString>

namespace screenshots {
// Writes one PNG per screen into outDir; returns the process exit code.
int writeAll(const QString& outDir);
}
