#pragma once
// The program's message screen: a caller puts a text into Label_password and shows the screen
// modally; "Recommencer" unloads it and the caller goes on.

#include "platform/controls.h"
#include "platform/forms.h"

namespace players {

class Form_password : public platform::Form {
    Q_OBJECT
public:
    Form_password();
    void Form_Load() override;

    platform::Shape Shape1{this, QStringLiteral("Shape1")};
    platform::Label Label_password{this, QStringLiteral("Label_password")};
    platform::Label Label_quitter{this, QStringLiteral("Label_quitter")};

private:
    void Label_quitter_Click();
};

// Shows a message in Form_password, modally; returns once the user has closed it.
void afficher_message(const QString& message);

} // namespace players
