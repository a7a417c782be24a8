#pragma once
// The player screen: the list of players, the login, a new player, the language flag.
//
// It holds two values the whole program reads: the interface language in Label_langue
// ("francais", "anglais", "espagnol") and the current player's name, the text of DBCombo1.
// The language is read from langue.tvo at every load and written back at every unload.

#include "platform/controls.h"
#include "platform/forms.h"
#include "players/player_database.h"

namespace players {

class Form_joueurs : public platform::Form {
    Q_OBJECT
public:
    Form_joueurs();
    void Form_Load() override;
    void Form_Unload() override;
    // A screen whose player database could not be opened never shows.
    void setVisible(bool visible) override;

    platform::Label Label_nom{this, QStringLiteral("Label_nom")};
    platform::ComboBox DBCombo1{this, QStringLiteral("DBCombo1")};
    platform::Label Label_password{this, QStringLiteral("Label_password")};
    platform::TextBox Text_password_test{this, QStringLiteral("Text_password_test")};
    platform::Label Label_quitter{this, QStringLiteral("Label_quitter")};
    platform::Label Command_nouveau{this, QStringLiteral("Command_nouveau")};
    platform::Label Label_jouer{this, QStringLiteral("Label_jouer")};
    platform::Image Image_langue{this, QStringLiteral("Image_langue")};

    // Hidden: the language, the stored password of the list's current row, the flags.
    platform::Label Label_langue{this, QStringLiteral("Label_langue")};
    platform::TextBox Text_password{this, QStringLiteral("Text_password")};
    platform::Image Image_francais{this, QStringLiteral("Image_francais")};
    platform::Image Image_anglais{this, QStringLiteral("Image_anglais")};
    platform::Image Image_espagnol{this, QStringLiteral("Image_espagnol")};

    // The player list's cursor on the player table.
    DataSource Data1;

private:
    void Image_langue_Click();
    void DBCombo1_Click();
    void Label_jouer_Click();
    void Command_nouveau_Click();
    void Label_quitter_Click();

    void copier_textes();
    void remplir_liste();
    // The player file cannot be used: the player is told why, and every screen goes.
    void arreter_programme();

    bool refused_ = false;
};

} // namespace players
