#include "players/language_file.h"

#include "platform/file_failure.h"
#include "platform/vb.h"
#include "platform/whole_file.h"

#include <QFile>
#include <QFileInfo>

namespace players {

namespace {
const QString kFichierLangue = QStringLiteral("langue.tvo");
const char* const kLangues[] = {"francais", "anglais", "espagnol"};
} // namespace

int numero_langue(const QString& code)
{
    for (int n = 1; n <= 3; ++n) {
        if (code == QLatin1String(kLangues[n - 1]))
            return n;
    }
    return 0;
}

QString code_langue(int numero)
{
    return QString::fromLatin1(kLangues[numero - 1]);
}

std::optional<QString> lire_fichier_langue()
{
    QFile file(kFichierLangue);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // The number stands at the start; a few bytes are enough to read it.
    const double number = platform::val(QString::fromLatin1(file.read(64)));
    for (int n = 1; n <= 3; ++n) {
        if (number == n)
            return code_langue(n);
    }
    return std::nullopt;
}

bool ecrire_fichier_langue(const QString& code)
{
    const int number = numero_langue(code);
    if (number == 0)
        return true;
    QString reason;
    if (!platform::replaceWholeFile(kFichierLangue, QByteArray::number(number) + "\r\n", &reason)) {
        platform::logFailure(QStringLiteral("%1: the language could not be saved: %2")
                                 .arg(QFileInfo(kFichierLangue).absoluteFilePath(), reason));
        return false;
    }
    return true;
}

} // namespace players
