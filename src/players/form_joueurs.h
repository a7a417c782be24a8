#pragma once
// The player screen (placeholder until the player screens land).

#include "platform/controls.h"
#include "platform/forms.h"

namespace players {

class Form_joueurs : public platform::Form {
    Q_OBJECT
public:
    Form_joueurs() : Form(QStringLiteral("Form_joueurs"))
    {
        setBorderStyle(0);
        setClientSize(6285, 2340);
        Label_nom.place(120, 120, 3855, 375);
        Label_nom.setCaption(QStringLiteral("Tastevolo"));
    }
    void Form_Load() override { centre(); }
    platform::Label Label_nom{this, QStringLiteral("Label_nom")};
};

} // namespace players
