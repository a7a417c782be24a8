#include "games/common/progress.h"

#include "level_choice/form_choix_nn.h"
#include "level_choice/form_choix_nn2.h"
#include "level_choice/form_choix_pn.h"
#include "level_choice/form_choix_pp.h"
#include "level_choice/form_choix_pp2.h"
#include "level_choice/form_choix_pp3.h"
#include "platform/forms.h"
#include "platform/vb.h"
#include "players/form_nouveau_joueur.h"

#include <utility>
#include <vector>

namespace games::common {

namespace {

using Record = players::Form_nouveau_joueur;
using Ladder = std::vector<std::pair<int, int>>;

// Passing level 4 of a fourteen-level game opens every level at once; passing level 1 of a
// name-to-keyboard game opens its four.
const Ladder kFourteenLevels{{1, 2}, {2, 3}, {3, 4}, {4, 14}};
const Ladder kFourLevels{{1, 4}};

struct GameProgress {
    const char* code;
    const Ladder* ladder;
    platform::Label& (*field)();
    platform::CommandButton* (*refresh)();  // Command_niveau of the loaded level-choice screen
};

template <class Choice>
platform::CommandButton* refreshOf()
{
    Choice* choice = platform::loaded<Choice>();
    return choice ? &choice->Command_niveau : nullptr;
}

const GameProgress kGames[] = {
    {"pp", &kFourteenLevels, [] () -> platform::Label& { return platform::form<Record>().Label_pp; },
     &refreshOf<level_choice::Form_choix_pp>},
    {"pp2", &kFourteenLevels, [] () -> platform::Label& { return platform::form<Record>().Label_pp2; },
     &refreshOf<level_choice::Form_choix_pp2>},
    {"pp3", &kFourteenLevels, [] () -> platform::Label& { return platform::form<Record>().Label_pp3; },
     &refreshOf<level_choice::Form_choix_pp3>},
    {"pn", &kFourteenLevels, [] () -> platform::Label& { return platform::form<Record>().Label_pn; },
     &refreshOf<level_choice::Form_choix_pn>},
    {"nn", &kFourLevels, [] () -> platform::Label& { return platform::form<Record>().Label_nn; },
     &refreshOf<level_choice::Form_choix_nn>},
    {"nn2", &kFourLevels, [] () -> platform::Label& { return platform::form<Record>().Label_nn2; },
     &refreshOf<level_choice::Form_choix_nn2>},
};

const GameProgress* jeu(const QString& codeJeu)
{
    for (const GameProgress& game : kGames)
        if (codeJeu == QLatin1String(game.code))
            return &game;
    return nullptr;
}

} // namespace

std::optional<int> progres_apres(const QString& codeJeu, double atteint, double passe)
{
    const GameProgress* game = jeu(codeJeu);
    if (!game)
        return std::nullopt;
    for (const auto& [from, to] : *game->ladder)
        if (atteint == from && passe == from)
            return to;
    return std::nullopt;
}

void enregistrer_niveau_reussi(const QString& codeJeu, const QString& niveau)
{
    const GameProgress* game = jeu(codeJeu);
    if (!game)
        return;
    platform::Label& field = game->field();
    if (const std::optional<int> risen = progres_apres(codeJeu, platform::val(field.caption()), platform::val(niveau))) {
        field.setCaption(platform::str(*risen));
        platform::form<Record>().Command_UpdateRecord.setValue(true);
    }
    if (platform::CommandButton* refresh = game->refresh())
        refresh->setValue(true);
}

} // namespace games::common
