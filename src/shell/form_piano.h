#pragma once
// The main menu: greets the player, opens the six games' level-choice screens, and offers
// help, change of user, the about box, quit, the maker's web site and the order page.

#include "platform/controls.h"
#include "platform/forms.h"

namespace shell {

class Form_piano : public platform::Form {
    Q_OBJECT
public:
    Form_piano();
    void Form_Load() override;
    void Form_Unload() override;

    platform::Label Label_bienvenue{this, QStringLiteral("Label_bienvenue")};
    platform::Image Image1{this, QStringLiteral("Image1")};
    platform::Image Metronome_stop{this, QStringLiteral("Metronome_stop")};
    platform::Image Image_pp2{this, QStringLiteral("Image_pp2")};
    platform::Image Image_pp{this, QStringLiteral("Image_pp")};
    platform::Image Image_pp3{this, QStringLiteral("Image_pp3")};
    platform::Image Image_nn{this, QStringLiteral("Image_nn")};
    platform::Image Image_nn2{this, QStringLiteral("Image_nn2")};
    platform::Image Image_pn{this, QStringLiteral("Image_pn")};
    platform::Image Image_pp2us{this, QStringLiteral("Image_pp2us")};
    platform::Image Image_nnus{this, QStringLiteral("Image_nnus")};
    platform::Image Image_nn2us{this, QStringLiteral("Image_nn2us")};
    platform::Image Image_pnus{this, QStringLiteral("Image_pnus")};
    platform::Label Label_quitter{this, QStringLiteral("Label_quitter")};
    platform::Label Label_changer_utilisateur{this, QStringLiteral("Label_changer_utilisateur")};
    platform::Label Label_propos{this, QStringLiteral("Label_propos")};
    platform::Label Label_web{this, QStringLiteral("Label_web")};
    platform::Label Label_aide{this, QStringLiteral("Label_aide")};
    platform::Image enveloppe{this, QStringLiteral("enveloppe")};

    // The browser's command, looked up when the menu loads; "" when none was found.
    QString chemin_navigateur;
    // Whether this menu hid the taskbar (and so must show it again).
    bool taskbarHidden() const { return taskbarHidden_; }

private:
    void Label_aide_Click();
    void Label_changer_utilisateur_Click();
    void Label_propos_Click();
    void Label_quitter_Click();
    void Label_web_Click();
    void enveloppe_Click();
    // Unloads every screen but the player screens (level choice and games included).
    void unloadSessionScreens();
    bool taskbarHidden_ = false;
};

} // namespace shell
