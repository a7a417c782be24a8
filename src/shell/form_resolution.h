#pragma once
// The start-up screen: checks that the display is at least 800 pixels wide.  On a wide enough
// display it opens the player screen and closes before it is ever seen; on a narrower one it
// shows a warning, looks again every two seconds, and its "Ok!" opens the advice file.

#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/timer.h"

namespace shell {

struct Resolution {
    qint16 largeur = 0;
    qint16 hauteur = 0;
};

// The display size in pixels, measured anew at every call.
Resolution lire_resolution();

class Form_resolution : public platform::Form {
    Q_OBJECT
public:
    Form_resolution();
    void Form_Load() override;

    platform::Frame Frame1{this, QStringLiteral("Frame1")};
    platform::Label Label1{this, QStringLiteral("Label1"), &Frame1};
    platform::Label Label2{this, QStringLiteral("Label2"), &Frame1};
    platform::CommandButton Command1{this, QStringLiteral("Command1")};
    platform::Timer Timer1{this, QStringLiteral("Timer1"), 2000, true};

private:
    void Command1_Click();
    void Timer1_Timer();
};

} // namespace shell
