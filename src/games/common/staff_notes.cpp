#include "games/common/staff_notes.h"

#include "games/common/note_style.h"
#include "games/common/round.h"
#include "media/res_picture.h"
#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/timer.h"
#include "platform/vb.h"

#include <algorithm>
#include <iterator>

namespace games::common {

namespace {

// The ten naturals from key 13 to key 27 that levels 1 to 4 draw, in rising pitch.  Level N
// takes 2N + 2 rows around middle C: each level adds one note below and one above.
const NotePicture kStaffNotes[] = {
    {QStringLiteral("13_fa"), 13, QStringLiteral("fa")},    {QStringLiteral("15_sol"), 15, QStringLiteral("sol")},
    {QStringLiteral("17_la"), 17, QStringLiteral("la")},    {QStringLiteral("19_si"), 19, QStringLiteral("si")},
    {QStringLiteral("20_do_s"), 20, QStringLiteral("do")},  {QStringLiteral("20_do_f"), 20, QStringLiteral("do")},
    {QStringLiteral("22_re"), 22, QStringLiteral("re")},    {QStringLiteral("24_mi"), 24, QStringLiteral("mi")},
    {QStringLiteral("25_fa"), 25, QStringLiteral("fa")},    {QStringLiteral("27_sol"), 27, QStringLiteral("sol")},
};
constexpr int kTableLevels = 4;

} // namespace

std::vector<NotePicture> table_du_niveau(int level)
{
    if (level < 1 || level > kTableLevels)
        return {};
    const auto first = std::begin(kStaffNotes) + (kTableLevels - level);
    return std::vector<NotePicture>(first, first + 2 * level + 2);
}

std::optional<DrawnNote> tirer_note_parmi(const std::vector<NotePicture>& notes)
{
    if (notes.empty())
        return std::nullopt;
    platform::randomize();
    const int count = static_cast<int>(notes.size());
    const int row = std::clamp(static_cast<int>(platform::rnd() * count), 0, count - 1);
    return DrawnNote{notes[static_cast<size_t>(row)], row + 1};
}

std::optional<DrawnNote> tirer_note_du_tableau(int level) { return tirer_note_parmi(table_du_niveau(level)); }

bool afficher_note(platform::PictureBox& Picture_note, platform::PictureBox& Picture_note2, const QString& nb_note,
                   const QString& image)
{
    const QString style = type_de_style(nb_note);
    Picture_note.setPicture(media::loadResourcePicture(style, image));
    // Only the smiley style has sad faces (a malformed "02" draws in bulle, without one).
    if (style != QLatin1String(kNoteStyles[kSmileyStyle - 1]))
        return false;
    Picture_note2.setPicture(media::loadResourcePicture(style, image + QStringLiteral("_2")));
    return true;
}

void portee_vide(platform::PictureBox& Picture_note, platform::PictureBox& Picture_note2)
{
    for (platform::PictureBox* note : {&Picture_note, &Picture_note2})
        note->setPicture(media::loadResourcePicture(QStringLiteral("divers"), QStringLiteral("portee")));
}

bool montrer_visage_triste(platform::PictureBox& Picture_note, bool noteTriste)
{
    if (noteTriste)
        Picture_note.setVisible(false);
    return noteTriste;
}

void tirer_note_du_niveau(int level, const std::array<platform::CommandButton*, 4>& generateurs,
                          const std::function<void(int)>& generateur)
{
    if (level >= 1 && level <= static_cast<int>(generateurs.size()))
        generateurs[static_cast<size_t>(level - 1)]->setValue(true);
    else if (level > static_cast<int>(generateurs.size()) && level <= kLastLevel)
        platform::dispatch([&generateur, level] { generateur(level); });
}

void seconde_pause_note(const RoundWidgets& w, platform::PictureBox& Picture_note, const platform::Label& Label_niveau,
                        const std::function<void(int)>& tirer)
{
    if (!seconde_pause(w.Label_timer2))
        return;
    Picture_note.setVisible(true);
    const double level = platform::val(Label_niveau.caption());
    if (level == static_cast<int>(level))
        tirer(static_cast<int>(level));
    w.Timer2.setEnabled(false);
}

} // namespace games::common
