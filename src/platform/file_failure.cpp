#include "platform/file_failure.h"

#include <QDebug>

namespace platform {

void logFailure(const QString& detail)
{
    qWarning().noquote() << detail;
}

} // namespace platform
