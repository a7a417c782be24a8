#pragma once
// The new-player dialog and, at the same time, the holder of the current player's record.
//
// Its data source Data1 is on the current player's row; the hidden labels Label_sons1 ..
// Label_nn2 show that row's values. Other screens read a field from its label and store by
// setting labels and triggering Command_UpdateRecord, which saves the whole row at once.

#include "platform/controls.h"
#include "platform/forms.h"
#include "players/player_database.h"

#include <array>

namespace players {

class Form_nouveau_joueur : public platform::Form {
    Q_OBJECT
public:
    Form_nouveau_joueur();
    void Form_Load() override;

    platform::Label Label_nom{this, QStringLiteral("Label_nom")};
    platform::TextBox Text_nom{this, QStringLiteral("Text_nom")};
    platform::Label Label_passe{this, QStringLiteral("Label_passe")};
    platform::OptionButton Option1{this, QStringLiteral("Option1")};
    platform::Label Label_oui{this, QStringLiteral("Label_oui")};
    platform::OptionButton Option2{this, QStringLiteral("Option2")};
    platform::Label Label_Non{this, QStringLiteral("Label_Non")};
    platform::TextBox Text_password{this, QStringLiteral("Text_password")};
    platform::Label Command_save{this, QStringLiteral("Command_save")};
    platform::Label Label_cancel{this, QStringLiteral("Label_cancel")};

    // Named actions: begin a new row; store the current row.
    platform::CommandButton Command1{this, QStringLiteral("Command1")};
    platform::CommandButton Command_UpdateRecord{this, QStringLiteral("Command_UpdateRecord")};

    // The record: one hidden label per column.
    platform::Label Label_sons1{this, QStringLiteral("Label_sons1")};
    platform::Label Label_sons2{this, QStringLiteral("Label_sons2")};
    platform::Label Label_sons3{this, QStringLiteral("Label_sons3")};
    platform::Label Label_sons4{this, QStringLiteral("Label_sons4")};
    platform::Label Label_sons5{this, QStringLiteral("Label_sons5")};
    platform::Label Label_sons6{this, QStringLiteral("Label_sons6")};
    platform::Label Label_sons7{this, QStringLiteral("Label_sons7")};
    platform::Label Label_sons8{this, QStringLiteral("Label_sons8")};
    platform::Label Label_duree{this, QStringLiteral("Label_duree")};
    platform::Label Label_imgnotes{this, QStringLiteral("Label_imgnotes")};
    platform::Label Label_pp{this, QStringLiteral("Label_pp")};
    platform::Label Label_pp2{this, QStringLiteral("Label_pp2")};
    platform::Label Label_pp3{this, QStringLiteral("Label_pp3")};
    platform::Label Label_pn{this, QStringLiteral("Label_pn")};
    platform::Label Label_nn{this, QStringLiteral("Label_nn")};
    platform::Label Label_nn2{this, QStringLiteral("Label_nn2")};

    // The record holder's cursor on the player table.
    DataSource Data1;

    // Label_sons1 .. Label_sons8 by number (1 to 8).
    platform::Label& Label_sons(int k) { return *sons_[k - 1]; }

    // Stores the current row from the bound widgets; a failure is reported in a message box.
    bool enregistrer_fiche();

private:
    void Command1_Click();
    void Command_save_Click();
    void Label_cancel_Click();
    void Option1_Click();
    void Option2_Click();

    std::array<platform::Label*, 8> sons_;
};

} // namespace players
