#pragma once
// The about box: the designer credit, the version and the copyright notice in the current
// language, and a close button.  Hidden, not unloaded, when closed.

#include "platform/controls.h"
#include "platform/forms.h"

namespace shell {

class Form_propos : public platform::Form {
    Q_OBJECT
public:
    Form_propos();
    void Form_Load() override;

    platform::Shape Shape1{this, QStringLiteral("Shape1")};
    platform::Label Label_conception{this, QStringLiteral("Label_conception")};
    platform::Label Label_version{this, QStringLiteral("Label_version")};
    platform::Label Label_copyright{this, QStringLiteral("Label_copyright")};
    platform::Label Label_fermer{this, QStringLiteral("Label_fermer")};
    platform::CommandButton Command2{this, QStringLiteral("Command2")};

private:
    void Command2_Click();
    void Label_fermer_Click();
};

} // namespace shell
