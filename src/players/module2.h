#pragma once
// The settings module: moves the current player's settings between the record
// (Form_nouveau_joueur's labels) and the settings dialogs, whose widgets are the settings in
// force. Each loader reads the record; each saver writes the record's labels and stores the
// row through Command_UpdateRecord. Touching a dialog that is not loaded loads it first.

namespace players {

// duree ("1" to "16", compared as text) to Form_options' buttons and Text_temps.
void charger_duree();
// The selected button's number to duree, then the row is stored.
void enregistrer_duree();

// The styles of imgnotes (read as a number, 1 to 19) are added to Form_bulles' choice.
void charger_apparence_notes();
// The code of the styles chosen in Form_bulles to imgnotes, then the row is stored; nothing
// chosen writes nothing.
void enregistrer_apparence_notes();

// sons1 .. sons8 to Form_bruitage's Check1 .. Check8 ("1" ticks a box, anything else clears it).
void charger_bruitages();
// Check1 .. Check8 to sons1 .. sons8 ("1" for a ticked box, else "0"), then the row is stored.
void enregistrer_bruitages();

} // namespace players
