// Tastevolo: the program starts by loading its start-up screen, which checks the display.
#include <QApplication>

#include "platform/application.h"
#include "platform/forms.h"
#include "platform/vb.h"
#include "shell/form_resolution.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    platform::initApplication(app);
    platform::dispatch([] { platform::form<shell::Form_resolution>(); });
    if (platform::loadedForms().empty())
        return 0;
    return app.exec();
}
