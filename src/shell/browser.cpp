#include "shell/browser.h"

#include <QStandardPaths>

namespace shell {

QString programOfCommand(const QString& command)
{
    QString text = command;
    for (;;) {
        const int quote = text.indexOf(QLatin1Char('"'));
        if (quote < 0)
            break;
        if (quote == 0)
            text.remove(0, 1);
        else
            text.truncate(quote);
    }
    return text;
}

QString lire_navigateur_defaut()
{
    const QString variable = qEnvironmentVariable("BROWSER");
    if (!variable.trimmed().isEmpty()) {
        // BROWSER may list several commands separated by colons; the first one is taken.
        const QString first = variable.split(QLatin1Char(':')).first().trimmed();
        if (!first.isEmpty())
            return programOfCommand(first);
    }
    return QStandardPaths::findExecutable(QStringLiteral("x-www-browser"));
}

} // namespace shell
