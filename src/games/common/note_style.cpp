#include "games/common/note_style.h"

#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/vb.h"
#include "players/form_bulles.h"

#include <vector>

namespace games::common {

namespace {

// The classic styles by number.
constexpr int kRonde = 1, kBlanche = 3, kNoire = 4, kCroche = 5;

// Draws one of the styles of a set when all of them are ticked.
void tirer_parmi(const StyleChoice& ticked, const std::vector<int>& set, std::optional<QString>& result)
{
    for (int style : set)
        if (!ticked[static_cast<size_t>(style - 1)])
            return;
    platform::randomize();
    const int n = static_cast<int>(set.size());
    int draw = static_cast<int>(platform::rnd() * n);
    if (draw >= n)
        draw = n - 1;
    result = platform::str(set[static_cast<size_t>(draw)]);
}

} // namespace

std::optional<QString> choisir_apparence(const StyleChoice& ticked)
{
    std::optional<QString> result;
    for (int style = 1; style <= 8; ++style)
        if (ticked[static_cast<size_t>(style - 1)])
            result = platform::str(style);
    const std::vector<std::vector<int>> sets{
        {kRonde, kBlanche}, {kRonde, kNoire}, {kRonde, kCroche}, {kBlanche, kNoire}, {kBlanche, kCroche},
        {kNoire, kCroche}, {kRonde, kBlanche, kNoire}, {kRonde, kBlanche, kCroche}, {kRonde, kNoire, kCroche},
        {kBlanche, kNoire, kCroche}, {kRonde, kBlanche, kNoire, kCroche},
    };
    for (const auto& set : sets)
        tirer_parmi(ticked, set, result);
    return result;
}

StyleChoice styles_coches()
{
    auto& b = platform::form<players::Form_bulles>();
    const std::array<const platform::Image*, 8> images{&b.Image_ronde, &b.Image_smiley, &b.Image_blanche,
                                                       &b.Image_noire, &b.Image_croche, &b.Image_bulle,
                                                       &b.Image_foot,  &b.Image_basket};
    StyleChoice ticked{};
    for (size_t i = 0; i < images.size(); ++i)
        ticked[i] = images[i]->borderStyle() == 1;
    return ticked;
}

void appliquer_apparence(platform::Label& nb_note)
{
    if (const std::optional<QString> style = choisir_apparence(styles_coches()))
        nb_note.setCaption(*style);
}

QString type_de_style(const QString& number)
{
    for (int style = 1; style <= 8; ++style)
        if (number == platform::str(style))
            return QString::fromLatin1(kNoteStyles[static_cast<size_t>(style - 1)]);
    return QString::fromLatin1(kNoteStyles[kBulleStyle - 1]);
}

} // namespace games::common
