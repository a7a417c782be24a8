#pragma once
// The level-choice screens of the keyboard games ("pp", "pp2", "pp3", "nn", "nn2"): besides
// the levels, the number of players with their names and the input device.  Two players
// play on the computer keyboard only, and SCORE is a one-player entry.

#include "level_choice/level_choice_screen.h"
#include "players/module2.h"

namespace level_choice {

class PlayersLevelChoice : public LevelChoiceScreen {
    Q_OBJECT
public:
    platform::Shape Shape2{this, QStringLiteral("Shape2")};
    platform::Shape Shape3{this, QStringLiteral("Shape3")};

    // 1. Number of players and their names.
    platform::Label Label_choix_nombre_joueurs{this, QStringLiteral("Label_choix_nombre_joueurs")};
    platform::OptionButton Option1{this, QStringLiteral("Option1")};
    platform::OptionButton Option2{this, QStringLiteral("Option2")};
    platform::Label Label_nom1{this, QStringLiteral("Label_nom1")};
    platform::TextBox Text_nom1{this, QStringLiteral("Text_nom1")};
    platform::Label Label_nom2{this, QStringLiteral("Label_nom2")};
    platform::TextBox Text_nom2{this, QStringLiteral("Text_nom2")};

    // 2. Mouse, computer keyboard or MIDI instrument.
    platform::Label Label_choix_souris_clavier{this, QStringLiteral("Label_choix_souris_clavier")};
    platform::Frame Frame3{this, QStringLiteral("Frame3")};
    platform::OptionButton Option3{this, QStringLiteral("Option3"), &Frame3};
    platform::OptionButton Option4{this, QStringLiteral("Option4"), &Frame3};
    platform::OptionButton Option5{this, QStringLiteral("Option5"), &Frame3};

    // 3. The level: Frame1 holds the level entries, Frame2 the SCORE entry.
    platform::Label Label_choisis_niveau{this, QStringLiteral("Label_choisis_niveau")};
    platform::Frame Frame1{this, QStringLiteral("Frame1")};
    platform::Frame Frame2{this, QStringLiteral("Frame2")};
    platform::Label Label_score{this, QStringLiteral("Label_score"), &Frame2};

    void Option1_Click();
    void Option2_Click();

protected:
    PlayersLevelChoice(const QString& formName, const GameLevels& game);
    void loadTexts(const media::Form_traduction& texts) override;

    // What a keyboard game's launch writes once its game screen (Form_pp, Form_nn) is shown:
    // the input device (the keyboard cursor and the keys' no-drop pointer, or the MIDI
    // widgets), both names, the two-player layout, then the player's effect and duration
    // settings.
    template <class Ecran>
    void handOverPlayers(Ecran& game, void (*blockMouse)())
    {
        if (Option4.value()) {
            game.Picture_bleu.setVisible(true);
            blockMouse();
        }
        if (Option5.value()) {
            game.Label_port.setVisible(true);
            game.List1.setVisible(true);
            game.Command_start.setVisible(true);
        }
        game.Label_nom1.setCaption(Text_nom1.text());
        game.Label_nom2.setCaption(Text_nom2.text());
        if (Option2.value()) {
            for (platform::Label* shown : {&game.Label_nom1, &game.Label_nom2, &game.Label_score1, &game.Label_score2})
                shown->setVisible(true);
            for (platform::Label* hidden : {&game.Label_barre_score, &game.Label_rouge_score, &game.Label_sc, &game.Label_score})
                hidden->setVisible(false);
            game.Picture_rouge.setVisible(true);
        }
        players::charger_bruitages();
        players::charger_duree();
    }
};

} // namespace level_choice
