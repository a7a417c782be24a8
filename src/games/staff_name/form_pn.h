#pragma once
// The game screen of the staff-to-name game "pn": a note on a grand staff in the middle, a
// ring of 21 name buttons around it (each natural on the inside, its flat and sharp beside
// it), the row of label buttons along the top, the score and time bars at the bottom, the
// level and a metronome.  The game's state lives in the widgets (numbers as text); the
// level-choice screen writes the level into it before it shows it.

#include "games/common/round.h"
#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/timer.h"

#include <array>

// The 21 name buttons, clockwise from the top left: widget, the internal note name it answers,
// its French and English captions, and Left, Top, Width, Height in twips.
#define TV_PN_NAME_BUTTONS(X)                                          \
    X(Command_do, "do", "do", "C", 3000, 2265, 855, 615)               \
    X(Command_dod, "dod", "do#", "C#", 3615, 1095, 975, 735)           \
    X(Command_reb, "reb", "réb", "Db", 4815, 990, 975, 735)            \
    X(Command_re, "re", "ré", "D", 5910, 1590, 975, 735)               \
    X(Command_red, "red", "ré#", "D#", 7095, 990, 975, 735)            \
    X(Command_mib, "mib", "mib", "Eb", 8175, 1260, 975, 735)           \
    X(Command_mi, "mi", "mi", "E", 7920, 2400, 855, 735)               \
    X(Command_fab, "fab", "fab", "Fb", 9015, 2685, 975, 735)           \
    X(Command_mid, "mid", "mi#", "E#", 8955, 3990, 975, 735)           \
    X(Command_fa, "fa", "fa", "F", 7905, 4770, 975, 735)               \
    X(Command_fad, "fad", "fa#", "F#", 9015, 5190, 975, 735)           \
    X(Command_solb, "solb", "solb", "Gb", 8535, 6450, 975, 735)        \
    X(Command_sol, "sol", "sol", "G", 7440, 6480, 975, 735)            \
    X(Command_sold, "sold", "sol#", "G#", 6630, 7335, 975, 735)        \
    X(Command_lab, "lab", "lab", "Ab", 5310, 7320, 975, 735)           \
    X(Command_la, "la", "la", "A", 4440, 6465, 1095, 615)              \
    X(Command_lad, "lad", "la#", "A#", 3645, 7245, 975, 735)           \
    X(Command_sib, "sib", "sib", "Bb", 2640, 6540, 975, 855)           \
    X(Command_si, "si", "si", "B", 2640, 5310, 975, 735)               \
    X(Command_dob, "dob", "dob", "Cb", 2505, 4065, 1095, 735)          \
    X(Command_sid, "sid", "si#", "B#", 2160, 3000, 855, 735)

namespace games::staff_name {

constexpr int kNameButtonCount = 21;

class Form_pn : public platform::Form {
    Q_OBJECT
public:
    Form_pn();

    void Form_Load() override;

    // The row of label buttons.
    platform::Label Label_jouer{this, QStringLiteral("Label_jouer")};
    platform::Label Label_stop{this, QStringLiteral("Label_stop")};
    platform::Label Label_retour{this, QStringLiteral("Label_retour")};
    platform::Label Label_suite{this, QStringLiteral("Label_suite")};
    platform::Label Label_temps_jeu{this, QStringLiteral("Label_temps_jeu")};
    platform::Label Label_bruitages{this, QStringLiteral("Label_bruitages")};
    platform::Label Label_apparence{this, QStringLiteral("Label_apparence")};

    // The staff: Picture_note2 lies exactly under Picture_note.
    platform::PictureBox Picture_note2{this, QStringLiteral("Picture_note2")};
    platform::PictureBox Picture_note{this, QStringLiteral("Picture_note")};
    platform::Label Label_debut{this, QStringLiteral("Label_debut")};
    platform::Label Label_aide{this, QStringLiteral("Label_aide")};
    platform::Image Metronome_stop{this, QStringLiteral("Metronome_stop")};

    // Level, score and time.
    platform::Label Label_level{this, QStringLiteral("Label_level")};
    platform::Label Label_niveau{this, QStringLiteral("Label_niveau")};
    platform::Label Label_sc{this, QStringLiteral("Label_sc")};
    platform::Label Label_score{this, QStringLiteral("Label_score")};
    platform::Label Label_rouge_score{this, QStringLiteral("Label_rouge_score")};
    platform::Label Label_barre_score{this, QStringLiteral("Label_barre_score")};
    platform::Label Label_temps_restant{this, QStringLiteral("Label_temps_restant")};
    platform::Label Label_temps{this, QStringLiteral("Label_temps")};
    platform::Label Label_secondes{this, QStringLiteral("Label_secondes")};
    platform::Label Label_rouge_temps{this, QStringLiteral("Label_rouge_temps")};
    platform::Label Label_barre_temps{this, QStringLiteral("Label_barre_temps")};

    // The name buttons.
#define TV_DECLARE_PN_NAME(widget, note, fr, en, l, t, w, h) \
    platform::Label widget{this, QStringLiteral(#widget)};
    TV_PN_NAME_BUTTONS(TV_DECLARE_PN_NAME)
#undef TV_DECLARE_PN_NAME

    // State holders outside the visible area.
    platform::Label Label_note{this, QStringLiteral("Label_note")};
    platform::Label Label_nom{this, QStringLiteral("Label_nom")};
    platform::Label Label_timer2{this, QStringLiteral("Label_timer2")};
    platform::Label nb_note{this, QStringLiteral("nb_note")};
    platform::Label save_score{this, QStringLiteral("save_score")};

    // Hidden actions: the note generators of levels 1 to 4 and the level passed.
    platform::CommandButton Command_niveau1{this, QStringLiteral("Command_niveau1")};
    platform::CommandButton Command_niveau2{this, QStringLiteral("Command_niveau2")};
    platform::CommandButton Command_niveau3{this, QStringLiteral("Command_niveau3")};
    platform::CommandButton Command_niveau4{this, QStringLiteral("Command_niveau4")};
    platform::CommandButton Command_reussi{this, QStringLiteral("Command_reussi")};

    // The clock, the pause after a right answer, the countdown.
    platform::Timer Timer1{this, QStringLiteral("Timer1"), 1000, false};
    platform::Timer Timer2{this, QStringLiteral("Timer2"), 1000, false};
    platform::Timer Timer4{this, QStringLiteral("Timer4"), 1000, false};

    // Which metronome picture comes next; flipped every clock second.
    bool metronome_a_droite = false;
    // The note on the staff was drawn with its sad face (smiley style): a wrong answer shows it.
    bool note_triste = false;

    // The widgets of the round, as the shared round code reads them (no two-player play).
    common::RoundWidgets manche();

    // The name buttons in the order of the ring, and the one that answers an internal name.
    const std::array<platform::Label*, kNameButtonCount>& boutons_noms() const { return names_; }
    platform::Label* bouton_du_nom(const QString& note);

    // Button handlers (public: the level-choice screen and the main menu close a loaded game
    // screen through its "Retour").
    void Label_jouer_Click();
    void Label_stop_Click();
    void Label_suite_Click();
    void Label_retour_Click();
    void Label_apparence_Click();
    void Label_bruitages_Click();
    void Label_temps_jeu_Click();

private:
    void Form_MouseMove();
    void nom_MouseMove(platform::Label& button);
    void nom_Click(const QString& note);
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer4_Timer();
    void Command_niveau_Click(int level);
    void Command_reussi_Click();
    // The next note of a level: the level's generator button for levels 1 to 4, the same
    // routine for the levels above.
    void tirer_note_du_niveau(int level);
    // Starts the countdown of a new round.
    void lancer_compte_a_rebours();
    // Keeps the time words clear of the seconds in every language.
    void placer_temps_restant();

    std::array<platform::Label*, kNameButtonCount> names_{};
    std::array<QString, kNameButtonCount> notes_{};
};

} // namespace games::staff_name
