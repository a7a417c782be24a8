#pragma once
// The picture store: a hidden screen whose images carry the pictures of its design (key
// markers, note names per language, metronomes, the order envelope).  Readers copy a picture
// into a widget of their own; nothing writes to the store.  Image_rien holds no picture.

#include "platform/controls.h"
#include "platform/forms.h"

#include <vector>

#define TV_PICTURE_STORE_IMAGES(X) \
    X(Image_orange) \
    X(Image_vert) \
    X(Image_bleu) \
    X(Image_pianon) \
    X(Image_rien) \
    X(Image_do) \
    X(Image_re) \
    X(Image_mi) \
    X(Image_fa) \
    X(Image_sol) \
    X(Image_la) \
    X(Image_si) \
    X(Image_sid) \
    X(Image_mid) \
    X(Image_fab) \
    X(Image_dob) \
    X(Image_dod) \
    X(Image_red) \
    X(Image_fad) \
    X(Image_sold) \
    X(Image_lad) \
    X(Image_re_es) \
    X(Image_red_es) \
    X(Image_do_us) \
    X(Image_re_us) \
    X(Image_mi_us) \
    X(Image_fa_us) \
    X(Image_sol_us) \
    X(Image_la_us) \
    X(Image_si_us) \
    X(Image_sid_us) \
    X(Image_mid_us) \
    X(Image_fab_us) \
    X(Image_dob_us) \
    X(Image_dod_us) \
    X(Image_red_us) \
    X(Image_fad_us) \
    X(Image_sold_us) \
    X(Image_lad_us) \
    X(Metronome_droite_jaune_clair) \
    X(Metronome_gauche_jaune_clair) \
    X(Metronome_droite_rouge_clair) \
    X(Metronome_gauche_rouge_clair) \
    X(Metronome_droite_bleu_turquoise) \
    X(Metronome_gauche_bleu_turquoise) \
    X(Metronome_droite_pn) \
    X(Metronome_gauche_pn) \
    X(Metronome_droite_vert_clair) \
    X(Metronome_gauche_vert_clair) \
    X(Metronome_droite_orange) \
    X(Metronome_gauche_orange) \
    X(enveloppe) \
    X(enveloppenoir) \


namespace media {

class Form_image : public platform::Form {
    Q_OBJECT
public:
    Form_image();

#define TV_DECLARE_STORE_IMAGE(name) platform::Image name{this, QStringLiteral(#name)};
    TV_PICTURE_STORE_IMAGES(TV_DECLARE_STORE_IMAGE)
#undef TV_DECLARE_STORE_IMAGE

    std::vector<platform::Image*> images();
};

} // namespace media
