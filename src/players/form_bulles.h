#pragma once
// The note-appearance dialog. Its eight images are the setting in force: an image with a
// border is a chosen style. Either one fun style (bulle, smiley, foot, basket) is chosen
// alone, or any set of classic styles (ronde, blanche, noire, croche). Label_form names the
// staff game screen that opened it ("pp" or "pn"); closing stores the choice in the current
// player's record, applies it to that screen if it is loaded, and hides the dialog.

#include "platform/controls.h"
#include "platform/forms.h"

#include <array>

namespace players {

class Form_bulles : public platform::Form {
    Q_OBJECT
public:
    Form_bulles();
    void Form_Load() override;

    platform::Shape Shape1{this, QStringLiteral("Shape1")};
    platform::Shape Shape2{this, QStringLiteral("Shape2")};
    platform::Shape Shape3{this, QStringLiteral("Shape3")};
    platform::Image Image_ronde{this, QStringLiteral("Image_ronde")};
    platform::Image Image_blanche{this, QStringLiteral("Image_blanche")};
    platform::Image Image_noire{this, QStringLiteral("Image_noire")};
    platform::Image Image_croche{this, QStringLiteral("Image_croche")};
    platform::Image Image_bulle{this, QStringLiteral("Image_bulle")};
    platform::Image Image_smiley{this, QStringLiteral("Image_smiley")};
    platform::Image Image_foot{this, QStringLiteral("Image_foot")};
    platform::Image Image_basket{this, QStringLiteral("Image_basket")};
    platform::Label Label_fermer{this, QStringLiteral("Label_fermer")};
    platform::Label Label_form{this, QStringLiteral("Label_form")};

    // The image of a style by its apparence_note: 1 ronde, 2 smiley, 3 blanche, 4 noire,
    // 5 croche, 6 bulle, 7 foot, 8 basket.
    platform::Image& image_style(int apparence) { return *styles_[apparence - 1]; }
    bool style_choisi(int apparence) { return image_style(apparence).borderStyle() == 1; }

private:
    void Image_Click(int apparence);
    void Label_fermer_Click();

    std::array<platform::Image*, 8> styles_;
};

// Whether a style (apparence_note 1 to 8) is one of the classic note values.
bool style_classique(int apparence);

} // namespace players
