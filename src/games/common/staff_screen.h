#pragma once
// What the game screens of the staff games add to every game screen's widgets ("pp", "pp2",
// "pp3" on Form_pp, "pn" on Form_pn): the note on the grand staff under the countdown digit and
// the end-of-level text, its style, the appearance button, the captions from the text store
// fitted to their buttons.  Each screen lays the widgets out and adds its own.

#include "games/common/screen.h"

namespace games::common {

class StaffGameScreen : public GameScreen {
    Q_OBJECT
public:
    // The settings button of the note's appearance, at the end of the row.
    platform::Label Label_apparence{this, QStringLiteral("Label_apparence")};

    // The staff: Picture_note2 lies exactly under Picture_note, both under the countdown digit
    // and the end-of-level text.
    platform::PictureBox Picture_note2{this, QStringLiteral("Picture_note2")};
    platform::PictureBox Picture_note{this, QStringLiteral("Picture_note")};

    // State holder outside the visible area: the note style.
    platform::Label nb_note{this, QStringLiteral("nb_note")};

    // The note on the staff was drawn with its sad face (smiley style): a wrong answer shows it.
    bool note_triste = false;

    // Every end of a game (passed, lost, the end of a scored run): the clock and the pause
    // stop, the note goes, the appearance may be changed again.
    virtual void fin_de_partie();
    // A right answer: the effect stops, the staff goes empty (no sad face is left to show) and
    // the round scores it; a passed level ends the game and offers the next one.
    void bonne_reponse_sur_portee();
    // The appearance dialog (told which screen opened it), shown modal.
    void Label_apparence_Click();

protected:
    // code: the screen's code in the appearance dialog's Label_form ("pp", "pn").
    StaffGameScreen(const QString& formName, const QString& code);

    // The captions of the shared widgets (and of the MIDI prompt, when given) from the text
    // store, in the current language; then the player's note appearance goes into the
    // appearance dialog, which serves this screen.
    void charger_textes_et_apparence(platform::Label* port = nullptr);

    // The next note of a level: the level's generator button for levels 1 to 4, the same
    // routine (Command_niveau_Click) for the levels above.
    void tirer_note_du_niveau(int level);
    // One second of the pause after a right answer; once it is over the note shows again and
    // the next one of the level is drawn.
    void Timer2_Timer() override;

private:
    QString code_;
};

} // namespace games::common
