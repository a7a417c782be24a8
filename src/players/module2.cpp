#include "players/module2.h"

#include "media/form_bruitage.h"
#include "platform/vb.h"
#include "players/form_bulles.h"
#include "players/form_nouveau_joueur.h"
#include "players/form_options.h"

#include <vector>

namespace players {

using platform::form;

namespace {

// The styles of each imgnotes code, by apparence_note (1 ronde, 3 blanche, 4 noire, 5 croche).
// Codes 1 to 8 are the styles alone; 9 to 19 the sets of two, three and four classic styles.
const std::vector<std::vector<int>> kStylesDuCode{
    {1}, {2}, {3}, {4}, {5}, {6}, {7}, {8},
    {1, 3}, {1, 4}, {1, 5}, {3, 4}, {3, 5}, {4, 5},
    {1, 3, 4}, {1, 3, 5}, {1, 4, 5}, {3, 4, 5},
    {1, 3, 4, 5},
};

void enregistrer_fiche()
{
    form<Form_nouveau_joueur>().Command_UpdateRecord.setValue(true);
}

} // namespace

void charger_duree()
{
    const QString duree = form<Form_nouveau_joueur>().Label_duree.caption();
    Form_options& options = form<Form_options>();
    for (int k = 1; k <= 16; ++k) {
        if (duree == platform::str(k)) {
            options.option(k).setValue(true);
            return;
        }
    }
}

void enregistrer_duree()
{
    Form_options& options = form<Form_options>();
    Form_nouveau_joueur& fiche = form<Form_nouveau_joueur>();
    for (int k = 1; k <= 16; ++k) {
        if (options.option(k).value())
            fiche.Label_duree.setCaption(platform::str(k));
    }
    enregistrer_fiche();
}

void charger_apparence_notes()
{
    const double code = platform::val(form<Form_nouveau_joueur>().Label_imgnotes.caption());
    Form_bulles& bulles = form<Form_bulles>();
    for (int c = 1; c <= 19; ++c) {
        if (code == c) {
            for (int style : kStylesDuCode[c - 1])
                bulles.image_style(style).setBorderStyle(1);
        }
    }
}

void enregistrer_apparence_notes()
{
    Form_bulles& bulles = form<Form_bulles>();
    // The highest code whose styles are all chosen; for a choice made by clicks it is the code
    // of exactly the chosen set.
    int code = 0;
    for (int c = 1; c <= 19; ++c) {
        bool tous = true;
        for (int style : kStylesDuCode[c - 1])
            tous = tous && bulles.style_choisi(style);
        if (tous)
            code = c;
    }
    if (code == 0)
        return;
    form<Form_nouveau_joueur>().Label_imgnotes.setCaption(platform::str(code));
    enregistrer_fiche();
}

void charger_bruitages()
{
    Form_nouveau_joueur& fiche = form<Form_nouveau_joueur>();
    media::Form_bruitage& bruitage = form<media::Form_bruitage>();
    for (int k = 1; k <= 8; ++k)
        bruitage.Check(k).setValue(fiche.Label_sons(k).caption() == QLatin1String("1") ? 1 : 0);
}

void enregistrer_bruitages()
{
    Form_nouveau_joueur& fiche = form<Form_nouveau_joueur>();
    media::Form_bruitage& bruitage = form<media::Form_bruitage>();
    for (int k = 1; k <= 8; ++k)
        fiche.Label_sons(k).setCaption(bruitage.Check(k).value() == 1 ? QStringLiteral("1")
                                                                              : QStringLiteral("0"));
    enregistrer_fiche();
}

} // namespace players
