#include "players/form_bulles.h"

#include "games/staff_keyboard/form_pp.h"
#include "games/staff_keyboard/module_pp.h"
#include "games/staff_name/form_pn.h"
#include "games/staff_name/module_pn.h"
#include "media/form_traduction.h"
#include "platform/resources.h"
#include "players/dialog_look.h"
#include "players/module2.h"
#include "shell/looks.h"

namespace players {

namespace {
constexpr int kBulle = 6;
} // namespace

bool style_classique(int apparence)
{
    return apparence == 1 || apparence == 3 || apparence == 4 || apparence == 5;
}

Form_bulles::Form_bulles()
    : Form(QStringLiteral("Form_bulles")),
      styles_{&Image_ronde, &Image_smiley, &Image_blanche, &Image_noire,
              &Image_croche, &Image_bulle, &Image_foot, &Image_basket}
{
    setBorderStyle(0);
    setClientSize(4095, 3015);
    Shape1.place(0, 0, 4095, 3015);
    Shape2.place(240, 240, 3495, 975);
    Shape3.place(240, 1320, 3495, 975);

    // The classic styles on the top row, the fun styles on the bottom row.
    const std::array<platform::Image*, 8> places{&Image_ronde, &Image_blanche, &Image_noire,
                                                  &Image_croche, &Image_bulle, &Image_smiley,
                                                  &Image_foot, &Image_basket};
    for (int i = 0; i < 8; ++i) {
        platform::Image& image = *places[i];
        image.setStretch(true);
        image.place(360 + 840 * (i % 4), i < 4 ? 360 : 1440, 750, 750);
        image.setPicture(platform::designPicture(QStringLiteral("Form_bulles"), image.name()));
    }
    for (int a = 1; a <= 8; ++a)
        image_style(a).onClick = [this, a] { Image_Click(a); };

    Label_fermer.place(1320, 2400, 1575, 375);
    shell::makeTextButton(Label_fermer);
    Label_fermer.onClick = [this] { Label_fermer_Click(); };
    onDesktopClose = [this] { Label_fermer_Click(); };

    Label_form.setCaption(QStringLiteral("Label1"));
    Label_form.place(5000, 0, 1000, 255);
    Label_form.setVisible(false);
}

void Form_bulles::Form_Load()
{
    centrer_sur_fond_bleu(*this);
    Label_fermer.setCaption(platform::form<media::Form_traduction>().fermer.caption());
}

void Form_bulles::Image_Click(int apparence)
{
    platform::Image& image = image_style(apparence);
    if (style_choisi(apparence)) {
        image.setBorderStyle(0);
        return;
    }
    if (style_classique(apparence)) {
        image.setBorderStyle(1);
        for (int autre = 1; autre <= 8; ++autre) {
            if (!style_classique(autre))
                image_style(autre).setBorderStyle(0);
        }
    } else {
        for (int autre = 1; autre <= 8; ++autre) {
            if (autre != apparence)
                image_style(autre).setBorderStyle(0);
        }
        image.setBorderStyle(1);
    }
}

void Form_bulles::Label_fermer_Click()
{
    bool aucun = true;
    for (int a = 1; a <= 8; ++a)
        aucun = aucun && !style_choisi(a);
    if (aucun)
        image_style(kBulle).setBorderStyle(1);
    enregistrer_apparence_notes();
    // The choice goes to the game screen that opened the dialog, if it is still there.
    if (Label_form.caption() == QLatin1String("pp")) {
        if (platform::loaded<games::staff_keyboard::Form_pp>()) {
            games::staff_keyboard::colorer_touches_niveau_pp();
            games::staff_keyboard::choisir_apparence_note_pp();
        }
    }
    if (Label_form.caption() == QLatin1String("pn")) {
        if (platform::loaded<games::staff_name::Form_pn>())
            games::staff_name::choisir_apparence_note_pn();
    }
    Hide();
}

} // namespace players
