#pragma once
// The note style of a staff game, chosen at every game start from the styles ticked in the
// note-appearance dialog: one fun style alone, or one of the ticked classic styles drawn at
// random.  Shared by the staff games.

#include <QString>

#include <array>
#include <optional>

namespace platform {
class Label;
}

namespace games::common {

// The eight styles in the order of their number 1 to 8 (the resource type of their pictures).
inline constexpr std::array<const char*, 8> kNoteStyles{"ronde", "smiley", "blanche", "noire",
                                                        "croche", "bulle",  "foot",    "basket"};
constexpr int kBulleStyle = 6;
constexpr int kSmileyStyle = 2;

// Ticked styles, indexed by style number - 1.
using StyleChoice = std::array<bool, 8>;

// The style number ("1" to "8") for the ticked styles; nothing when none is ticked.  Every
// pair, triple and the four of the classic styles reseeds the random generator and draws.
std::optional<QString> choisir_apparence(const StyleChoice& ticked);

// The style read from the dialog: Form_bulles' images with a border.
StyleChoice styles_coches();

// A game screen's nb_note takes the style of the dialog's choice (choisir_apparence); with
// nothing chosen it keeps its text.
void appliquer_apparence(platform::Label& nb_note);

// The resource type of a style number held as text ("1" .. "8"); a style that was never set
// draws in bulle.
QString type_de_style(const QString& number);

} // namespace games::common
