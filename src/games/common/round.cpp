#include "games/common/round.h"

#include "media/form_bruitage.h"
#include "media/form_image.h"
#include "media/form_traduction.h"
#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/timer.h"
#include "platform/vb.h"

#include <QScopeGuard>

#include <algorithm>

namespace games::common {

using platform::str;
using platform::val;

void ajouter(platform::Label& label, double n)
{
    label.setCaption(str(val(label.caption()) + n));
}

std::optional<int> niveau_du_texte(const QString& text, int dernier)
{
    for (int level = 1; level <= dernier; ++level)
        if (text == str(level))
            return level;
    return std::nullopt;
}

bool deux_joueurs(const RoundWidgets& w) { return w.Label_nom2 && w.Label_nom2->visible(); }
bool partie_notee(const RoundWidgets& w) { return w.save_score.visible(); }

void commencer_compte_a_rebours(const RoundWidgets& w)
{
    w.Timer1.setEnabled(false);
    w.Timer2.setEnabled(false);
    w.Label_aide.setCaption(QString());
    w.Label_debut.setCaption(str(kCountdownFrom));
    w.Label_timer2.setCaption(QStringLiteral("0"));
    w.Timer4.setEnabled(true);
    w.Label_debut.setVisible(true);
}

bool seconde_compte_a_rebours(const RoundWidgets& w, const QString& seconds)
{
    ajouter(w.Label_debut, -1);
    if (val(w.Label_debut.caption()) > 0)
        return false;
    w.Timer4.setEnabled(false);
    w.Label_debut.setVisible(false);
    w.Label_barre_temps.setWidth(0);
    w.Label_barre_score.setWidth(kStartScoreBar);
    w.Label_suite.setEnabled(false);
    const bool scored = partie_notee(w);
    w.Label_temps.setCaption(scored ? str(kScoredRunSeconds) : seconds);
    w.Label_score.setCaption(scored ? QStringLiteral("0") : str(kStartScore));
    return true;
}

bool seconde_horloge(const RoundWidgets& w, const QString& colour, bool& metronomeRight, double duration)
{
    balancer_metronome(w.Metronome_stop, colour, metronomeRight);
    ajouter(w.Label_temps, -1);
    ajouter(w.Label_score, -1);
    if (w.Label_barre_score.width() > kScoreBarFloor)
        w.Label_barre_score.setWidth(w.Label_barre_score.width() - kBarPerPoint);
    // A scored run lasts a minute whatever the duration setting, and its bar fills in that
    // minute.  A duration of 0 cannot come from the duration dialog; the bar then stays.
    const bool scored = partie_notee(w);
    if (scored)
        duration = kScoredRunSeconds;
    // A shorter duration chosen in the middle of a round speeds the bar up; it stops at full
    // width rather than running past the end of its strip.
    if (duration > 0)
        w.Label_barre_temps.setWidth(std::min(w.Label_barre_temps.width() + kFullBar / duration, kFullBar));

    const double seconds = val(w.Label_temps.caption());
    if (scored)
        return seconds <= 0;
    if (deux_joueurs(w))
        return seconds <= 0;
    return seconds <= 0 || val(w.Label_score.caption()) <= 0;
}

QString couleur_du_jeu(const QString& gameNumber, std::initializer_list<const char*> colours)
{
    int number = 1;
    for (const char* colour : colours) {
        if (gameNumber == str(number++))
            return QString::fromLatin1(colour);
    }
    return {};
}

bool seconde_pause(platform::Label& counter)
{
    ajouter(counter, -kPauseMs);
    return val(counter.caption()) <= 0;
}

void points_du_joueur(const RoundWidgets& w, double points)
{
    if (!w.Label_reponse_joueur || !w.Label_score1 || !w.Label_score2)
        return;
    const QString player = w.Label_reponse_joueur->caption();
    if (player == QLatin1String("1"))
        ajouter(*w.Label_score1, points);
    else if (player == QLatin1String("2"))
        ajouter(*w.Label_score2, points);
}

bool bonne_reponse(const RoundWidgets& w)
{
    if (partie_notee(w)) {
        ajouter(w.Label_score, kAnswerPoints);
        armer_pause(w);
        return false;
    }
    if (deux_joueurs(w)) {
        points_du_joueur(w, kAnswerPoints);
        armer_pause(w);
        return false;
    }
    ajouter(w.Label_score, kAnswerPoints);
    const double score = val(w.Label_score.caption());
    // At exactly 200 the pause is armed and at once cancelled: its counter keeps "1000" until
    // the next start, so nothing more is judged.
    if (score <= kPassScore) {
        barre_bonne_reponse(w.Label_barre_score);
        armer_pause(w);
    }
    if (score < kPassScore)
        return false;
    terminer_manche(w);
    w.Label_barre_score.setWidth(kFullBar);
    return true;
}

void niveau_reussi(const RoundWidgets& w, const platform::Label& Label_niveau,
                   platform::CommandButton& Command_reussi, int dernier)
{
    auto& texts = platform::form<media::Form_traduction>();
    if (Label_niveau.caption() != str(dernier)) {
        w.Label_aide.setCaption(texts.Label_aide_suivant.caption());
        Command_reussi.setValue(true);
        w.Label_suite.setEnabled(true);
    } else {
        w.Label_aide.setCaption(texts.Label_aide_fin_1joueur.caption());
    }
}

bool fin_partie_notee(const RoundWidgets& w)
{
    // A time at or below 0 ends the run even when a second went by unseen.
    return partie_notee(w) && val(w.Label_temps.caption()) <= 0;
}

FinDeManche mauvaise_reponse(const RoundWidgets& w, Bruitage bruitage)
{
    auto& texts = platform::form<media::Form_traduction>();
    const auto jouer = [bruitage] {
        if (bruitage == Bruitage::EnDernier)
            jouer_bruitage_erreur();
    };
    const double seconds = val(w.Label_temps.caption());
    if (partie_notee(w)) {
        // The run's end comes once: the clock is stopped here.
        if (fin_partie_notee(w)) {
            terminer_manche(w);
            return FinDeManche::PartieNotee;
        }
        ajouter(w.Label_score, -kAnswerPoints);
        jouer();
        return FinDeManche::Aucune;
    }
    if (deux_joueurs(w)) {
        if (seconds > 0) {
            points_du_joueur(w, -kAnswerPoints);
            jouer();
            return FinDeManche::Aucune;
        }
        w.Label_aide.setCaption(texts.Label_aide_fin_2joueurs.caption());
        terminer_manche(w);
        w.Label_barre_score.setWidth(0);
        return FinDeManche::DeuxJoueurs;
    }
    // The end tests look at the time and score as they stand before this answer's points.
    if (seconds > 0 && val(w.Label_score.caption()) > 0) {
        ajouter(w.Label_score, -kAnswerPoints);
        barre_mauvaise_reponse(w.Label_barre_score);
        jouer();
        return FinDeManche::Aucune;
    }
    w.Label_aide.setCaption(texts.Label_aide_perdu_1joueur.caption());
    w.Label_score.setCaption(QStringLiteral("0"));
    terminer_manche(w);
    w.Label_barre_score.setWidth(0);
    return FinDeManche::Perdu;
}

void armer_pause(const RoundWidgets& w)
{
    w.Label_timer2.setCaption(str(kPauseMs));
    w.Timer2.setEnabled(true);
}

void terminer_manche(const RoundWidgets& w)
{
    w.Timer1.setEnabled(false);
    w.Timer2.setEnabled(false);
}

void arreter_manche(const RoundWidgets& w)
{
    w.Timer1.setEnabled(false);
    w.Timer2.setEnabled(false);
    w.Timer4.setEnabled(false);
    w.Label_debut.setVisible(false);
}

bool niveau_suivant(const RoundWidgets& w, platform::Label& Label_niveau, int dernier)
{
    w.Label_suite.setEnabled(false);
    w.Label_aide.setCaption(QString());
    const std::optional<int> level = niveau_du_texte(Label_niveau.caption(), dernier);
    if (!level || *level >= dernier)
        return false;
    Label_niveau.setCaption(str(*level + 1));
    return true;
}

void jouer_bruitage_erreur() { platform::form<media::Form_bruitage>().Command_faux.setValue(true); }

bool bruitage_erreur_d_abord(const RoundWidgets& w)
{
    static bool enCours = false;  // an effect pressed here has not returned yet
    if (fin_partie_notee(w))
        return true;
    if (!enCours) {
        enCours = true;
        const auto fin = qScopeGuard([] { enCours = false; });
        jouer_bruitage_erreur();
    }
    return w.Timer1.enabled();
}

void arreter_bruitage() { platform::form<media::Form_bruitage>().Command_stop.setValue(true); }

bool reponse_jugee(const RoundWidgets& w)
{
    return w.Timer1.enabled() && val(w.Label_timer2.caption()) == 0
        && w.Label_temps.caption() != QLatin1String("0");
}

void barre_bonne_reponse(platform::Label& bar)
{
    bar.setWidth(bar.width() + kBarPerAnswer);
}

void barre_mauvaise_reponse(platform::Label& bar)
{
    bar.setWidth(bar.width() <= kBarPerAnswer ? 0 : bar.width() - kBarPerAnswer);
}

const platform::Image* image_du_magasin(const QString& name)
{
    for (const platform::Image* image : platform::form<media::Form_image>().images())
        if (image->name() == name)
            return image;
    return nullptr;
}

void balancer_metronome(platform::Image& metronome, const QString& colour, bool& metronomeRight)
{
    if (!colour.isEmpty()) {
        const QString name = (metronomeRight ? QStringLiteral("Metronome_droite_") : QStringLiteral("Metronome_gauche_")) + colour;
        if (const platform::Image* picture = image_du_magasin(name))
            metronome.setPicture(picture->picture());
    }
    metronomeRight = !metronomeRight;
}

} // namespace games::common
