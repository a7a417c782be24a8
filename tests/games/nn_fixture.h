#pragma once
// Shared by the tests of the name-to-keyboard game screen: a player in a temporary folder
// (database, language file), the test clock, recording sound engines, a log of the note
// player's and the effect player's buttons, and a scripted random source.

#include "games/name_keyboard/form_nn.h"
#include "games/name_keyboard/module_nn.h"
#include "games/name_keyboard/questions.h"
#include "level_choice/level_choice_fixture.h"
#include "media/form_traduction.h"
#include "players/form_joueurs.h"
#include "players/form_options.h"
#include "players/score_fixture.h"
#include "pp_fixture.h"

namespace nn_test {

using games::name_keyboard::Form_nn;
using platform::str;
using pp_test::ScriptedRandom;
using pp_test::SoundLog;

class NnScreen : public level_choice_tests::LevelChoiceTest {
protected:
    void SetUp() override
    {
        synthLog_ = platform::RecordingNoteSynth::installFactory();
        effectLog_ = platform::RecordingEffectPlayer::installFactory();
        choosePlayer(QStringLiteral("Zoé"));
        random.install();
        sounds.attach();
        nn().Label_niveau.setCaption(QStringLiteral("1"));
        nn().Label_choix_jeu.setCaption(QStringLiteral("1"));
        setDuration(QStringLiteral("60"));
    }

    void TearDown() override
    {
        testing_support::unloadAll();
        testing_support::processEvents();
        platform::setNoteSynthFactory(nullptr);
        platform::setEffectPlayerFactory(nullptr);
        platform::setRandomSource(nullptr);
    }

    // The end of a scored run shows the score screen: its showings are kept and it is closed.
    score_test::ScoreScreens scores;

    static Form_nn& nn() { return platform::form<Form_nn>(); }
    static media::Form_traduction& texts() { return platform::form<media::Form_traduction>(); }

    static void setDuration(const QString& seconds)
    {
        platform::form<players::Form_options>().Text_temps.setText(seconds);
    }
    static void setLanguage(const QString& language)
    {
        platform::form<players::Form_joueurs>().Label_langue.setCaption(language);
    }

    // Two players as the launch lays them out.
    static void twoPlayers()
    {
        for (platform::Label* shown : {&nn().Label_nom1, &nn().Label_nom2, &nn().Label_score1, &nn().Label_score2})
            shown->setVisible(true);
        for (platform::Label* hidden :
             {&nn().Label_barre_score, &nn().Label_rouge_score, &nn().Label_sc, &nn().Label_score})
            hidden->setVisible(false);
    }

    // "Jouer / Rejouer", then the three seconds of the countdown: the first name is shown.
    static void startGame()
    {
        nn().Label_jouer.userClick();
        testing_support::advance(3000);
    }

    // A mouse click on key k.
    static void press(int key)
    {
        nn().touche(key).userMouseDown();
        nn().touche(key).userMouseUp();
    }

    // A key that sounds the asked name, and one that does not.
    static int rightKey()
    {
        for (int k = 1; k <= 40; ++k)
            if (games::name_keyboard::touche_juste(k, nn().Label_note.caption()))
                return k;
        return 0;
    }
    static int wrongKey()
    {
        for (int k = 1; k <= 40; ++k)
            if (!games::name_keyboard::touche_juste(k, nn().Label_note.caption()))
                return k;
        return 0;
    }

    // The round's state in one line.
    static QString state()
    {
        return pp_test::roundState(nn().manche(), "nom", nn().Label_nom_note.caption(), nn().Label_nom_note.visible());
    }

    ScriptedRandom random;
    SoundLog sounds;

private:
    std::shared_ptr<platform::RecordingNoteSynth::Log> synthLog_;
    std::shared_ptr<platform::RecordingEffectPlayer::Log> effectLog_;
};

} // namespace nn_test
