#include "level_choice/games.h"

#include "level_choice/form_choix_nn.h"
#include "level_choice/form_choix_nn2.h"
#include "level_choice/form_choix_pn.h"
#include "level_choice/form_choix_pp.h"
#include "level_choice/form_choix_pp2.h"
#include "level_choice/form_choix_pp3.h"
#include "level_choice/players_level_choice.h"
#include "players/form_joueurs.h"
#include "players/form_nouveau_joueur.h"

namespace level_choice {

namespace {

using Record = players::Form_nouveau_joueur;

// The progress the fourteen-level games store: "2", "3", "4", then "14" after level 4.
const std::vector<std::pair<QString, int>> kFourteenLevels = {
    {QStringLiteral("2"), 2}, {QStringLiteral("3"), 3}, {QStringLiteral("4"), 4}, {QStringLiteral("14"), 14}};

QString languagePrefix()
{
    const QString language = platform::form<players::Form_joueurs>().Label_langue.caption();
    if (language == QLatin1String("anglais"))
        return QStringLiteral("us");
    if (language == QLatin1String("espagnol"))
        return QStringLiteral("es");
    return QStringLiteral("fr");
}

const GameLevels kPp{QStringLiteral("pp"), QStringLiteral("jaune_clair"), 14,
                     [] { return QStringLiteral("b"); }, 2,
                     []() -> platform::Label& { return platform::form<Record>().Label_pp; }, kFourteenLevels};
const GameLevels kPp2{QStringLiteral("pp2"), QStringLiteral("rouge_clair"), 14, &languagePrefix, 2,
                      []() -> platform::Label& { return platform::form<Record>().Label_pp2; }, kFourteenLevels};
const GameLevels kPp3{QStringLiteral("pp3"), QStringLiteral("bleu_turquoise"), 14,
                      [] { return QStringLiteral("vide"); }, 2,
                      []() -> platform::Label& { return platform::form<Record>().Label_pp3; }, kFourteenLevels};
const GameLevels kPn{QStringLiteral("pn"), QStringLiteral("pn"), 14, [] { return QStringLiteral("pn"); }, 2,
                     []() -> platform::Label& { return platform::form<Record>().Label_pn; }, kFourteenLevels};
// "nn" stores "4" once its first level is passed; "nn2" climbs one level at a time.
const GameLevels kNn{QStringLiteral("nn"), QStringLiteral("vert_clair"), 4, [] { return QStringLiteral("nn"); }, 1,
                     []() -> platform::Label& { return platform::form<Record>().Label_nn; },
                     {{QStringLiteral("4"), 4}}};
const GameLevels kNn2{QStringLiteral("nn2"), QStringLiteral("orange"), 4,
                      [] { return QStringLiteral("viden"); }, 1,
                      []() -> platform::Label& { return platform::form<Record>().Label_nn2; },
                      {{QStringLiteral("2"), 2}, {QStringLiteral("3"), 3}, {QStringLiteral("4"), 4}}};

} // namespace

const GameLevels& gameLevels(Game game)
{
    switch (game) {
    case Game::pp: return kPp;
    case Game::pp2: return kPp2;
    case Game::pp3: return kPp3;
    case Game::pn: return kPn;
    case Game::nn: return kNn;
    case Game::nn2: break;
    }
    return kNn2;
}

LevelChoiceScreen& levelChoiceScreen(Game game)
{
    switch (game) {
    case Game::pp: return platform::form<Form_choix_pp>();
    case Game::pp2: return platform::form<Form_choix_pp2>();
    case Game::pp3: return platform::form<Form_choix_pp3>();
    case Game::pn: return platform::form<Form_choix_pn>();
    case Game::nn: return platform::form<Form_choix_nn>();
    case Game::nn2: break;
    }
    return platform::form<Form_choix_nn2>();
}

LevelChoiceScreen* levelChoiceScreen(const QString& codeJeu)
{
    for (Game game : kGames)
        if (gameLevels(game).code == codeJeu)
            return &levelChoiceScreen(game);
    return nullptr;
}

} // namespace level_choice
