#include "games/staff_name/module_pn.h"

#include "games/common/note_style.h"
#include "games/staff_keyboard/levels.h"
#include "games/staff_name/form_pn.h"
#include "games/staff_name/level_notes.h"
#include "platform/forms.h"
#include "platform/vb.h"

#include <algorithm>
#include <initializer_list>

namespace games::staff_name {

namespace {

Form_pn& jeu() { return platform::form<Form_pn>(); }

void montrer(std::initializer_list<platform::Label*> buttons, bool on)
{
    for (platform::Label* b : buttons)
        b->setVisible(on);
}

NotePn note_de_l_image(const std::string& picture)
{
    return {QString::fromStdString(picture), staff_name_notes::keyOfPicture(picture),
            QString::fromStdString(staff_name_notes::nameOfPicture(picture))};
}

} // namespace

void choisir_apparence_note_pn()
{
    if (const std::optional<QString> style = common::choisir_apparence(common::styles_coches()))
        jeu().nb_note.setCaption(*style);
}

void afficher_boutons_notes_pn()
{
    Form_pn& f = jeu();
    const auto naturals = {&f.Command_do, &f.Command_re, &f.Command_mi, &f.Command_fa,
                           &f.Command_sol, &f.Command_la, &f.Command_si};
    const auto sharps = {&f.Command_dod, &f.Command_red, &f.Command_mid, &f.Command_fad,
                         &f.Command_sold, &f.Command_lad, &f.Command_sid};
    const auto flats = {&f.Command_dob, &f.Command_reb, &f.Command_mib, &f.Command_fab,
                        &f.Command_solb, &f.Command_lab, &f.Command_sib};
    const QString level = f.Label_niveau.caption();
    auto is = [&level](std::initializer_list<const char*> texts) {
        return std::any_of(texts.begin(), texts.end(), [&level](const char* t) { return level == QLatin1String(t); });
    };
    if (is({"1"})) {
        montrer({&f.Command_do, &f.Command_re, &f.Command_si}, true);
    } else if (is({"2"})) {
        montrer({&f.Command_do, &f.Command_re, &f.Command_mi, &f.Command_la, &f.Command_si}, true);
    } else if (is({"3", "4", "5", "6", "7"})) {
        montrer(naturals, true);
    } else if (is({"8"})) {
        montrer(sharps, true);
        montrer(naturals, false);
        montrer(flats, false);
    } else if (is({"9"})) {
        montrer(flats, true);
        montrer(naturals, false);
        montrer(sharps, false);
    } else if (is({"10", "11", "12", "13", "14"})) {
        montrer(naturals, true);
        montrer(sharps, true);
        montrer(flats, true);
    }
}

std::vector<NotePn> notes_du_niveau(int level)
{
    std::vector<NotePn> notes;
    if (level >= 1 && level <= 4) {
        // The draw tables the staff games share, in rising pitch.
        for (const staff_keyboard::NotePicture& n : staff_keyboard::table_du_niveau(level))
            notes.push_back(note_de_l_image(n.name.toStdString()));
        return notes;
    }
    for (const std::string& picture : staff_name_notes::levelNotes(level))
        notes.push_back(note_de_l_image(picture));
    return notes;
}

std::optional<NotePn> tirer_note_pn(int level)
{
    const std::vector<NotePn> notes = notes_du_niveau(level);
    if (notes.empty())
        return std::nullopt;
    platform::randomize();
    const int count = static_cast<int>(notes.size());
    const int draw = std::clamp(static_cast<int>(platform::rnd() * count), 0, count - 1);
    return notes[static_cast<size_t>(draw)];
}

} // namespace games::staff_name
