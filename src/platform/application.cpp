#include "platform/application.h"

#include "platform/resources.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

namespace platform {

void initApplication(QApplication& app)
{
    app.setQuitOnLastWindowClosed(false);
    app.setApplicationName(QStringLiteral("Tastevolo"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    registerEmbeddedResources();
    markEmbeddedResourcesRegistered();
    const QPixmap icon(QStringLiteral(":/res/ICON/30001.png"));
    if (!icon.isNull())
        app.setWindowIcon(QIcon(icon));
}

} // namespace platform
