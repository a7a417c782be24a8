#include "players/file_failure_message.h"

#include "media/form_traduction.h"
#include "platform/forms.h"
#include "platform/vb.h"

namespace players {

QString texte_echec_fichier(const QString& message, platform::FileFailure kind)
{
    const media::Form_traduction& texts = platform::form<media::Form_traduction>();
    const platform::Label* why = nullptr;
    switch (kind) {
    case platform::FileFailure::None:
        break;
    case platform::FileFailure::CannotRead:
        why = &texts.echec_lecture;
        break;
    case platform::FileFailure::CannotWrite:
        why = &texts.echec_ecriture;
        break;
    case platform::FileFailure::NotPlayerFile:
        why = &texts.echec_autre_fichier;
        break;
    case platform::FileFailure::Damaged:
        why = &texts.echec_fichier_abime;
        break;
    case platform::FileFailure::InUse:
        why = &texts.echec_fichier_occupe;
        break;
    }
    return why ? message + QStringLiteral("\n\n") + why->caption() : message;
}

void signaler_echec_fichier(const QString& message, platform::FileFailure kind, const QString& detail,
                            int style)
{
    if (!detail.isEmpty())
        platform::logFailure(detail);
    platform::msgBox(texte_echec_fichier(message, kind), style);
}

} // namespace players
