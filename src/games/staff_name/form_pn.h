#pragma once
// The game screen of the staff-to-name game "pn": a note on a grand staff in the middle, a
// ring of 21 name buttons around it (each natural on the inside, its flat and sharp beside
// it), the row of label buttons along the top, the score and time bars at the bottom, the
// level and a metronome.  The game's state lives in the widgets (numbers as text); the
// level-choice screen writes the level into it before it shows it.

#include "games/common/staff_screen.h"

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

class Form_pn : public common::StaffGameScreen {
    Q_OBJECT
public:
    Form_pn();

    void Form_Load() override;

    // The name buttons.
#define TV_DECLARE_PN_NAME(widget, note, fr, en, l, t, w, h) \
    platform::Label widget{this, QStringLiteral(#widget)};
    TV_PN_NAME_BUTTONS(TV_DECLARE_PN_NAME)
#undef TV_DECLARE_PN_NAME

    // The internal name of the note on the staff, which the name buttons are judged against.
    platform::Label Label_nom{this, QStringLiteral("Label_nom")};

    // The name buttons in the order of the ring, and the one that answers an internal name.
    const std::array<platform::Label*, kNameButtonCount>& boutons_noms() const { return names_; }
    platform::Label* bouton_du_nom(const QString& note);

    // Button handlers (public: the level-choice screen and the main menu close a loaded game
    // screen through its "Retour").
    void Label_jouer_Click() override;
    void Label_stop_Click() override;
    void Label_suite_Click() override;
    void Label_retour_Click() override;

private:
    void Form_MouseMove();
    void nom_MouseMove(platform::Label& button);
    void nom_Click(const QString& note);
    void Timer1_Timer() override;
    void Timer4_Timer() override;
    void Command_niveau_Click(int level) override;
    void Command_reussi_Click() override;
    // Starts the countdown of a new round.
    void lancer_compte_a_rebours();

    std::array<platform::Label*, kNameButtonCount> names_{};
    std::array<QString, kNameButtonCount> notes_{};
};

} // namespace games::staff_name
