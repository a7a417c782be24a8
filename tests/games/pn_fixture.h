#pragma once
// Shared by the tests of the staff-to-name game screen: the staff games' set-up with Form_pn
// at level 1, a duration of 60 seconds and the bulle style.

#include "games/staff_name/form_pn.h"
#include "games/staff_name/module_pn.h"
#include "pp_fixture.h"

namespace pn_test {

using games::staff_name::Form_pn;
using platform::str;

class PnScreen : public pp_test::GameScreenTest {
protected:
    void SetUp() override
    {
        GameScreenTest::SetUp();
        pn().Label_niveau.setCaption(QStringLiteral("1"));
        setDuration(QStringLiteral("60"));
        chooseStyle(6);
    }

    static Form_pn& pn() { return platform::form<Form_pn>(); }

    // "Jouer/Rejouer", then the three seconds of the countdown: the first note is shown.
    static void startGame()
    {
        pn().Label_jouer.userClick();
        testing_support::advance(3000);
    }

    // A click on the name button of an internal name, as the player gives it (a hidden
    // button takes nothing).
    static void answer(const QString& note)
    {
        platform::Label* button = pn().bouton_du_nom(note);
        ASSERT_NE(button, nullptr) << note.toStdString();
        button->userClick();
    }
    static void answerRight() { answer(pn().Label_nom.caption()); }
    // A shown button that is not the name asked.
    static void answerWrong()
    {
        for (platform::Label* b : pn().boutons_noms())
            if (b->visible() && b != pn().bouton_du_nom(pn().Label_nom.caption())) {
                b->userClick();
                return;
            }
        FAIL() << "no wrong name shown";
    }

    // The round's state in one line.
    static QString state()
    {
        return pp_test::roundState(pn().manche(), "note", pn().Label_note.caption(), pn().Picture_note.visible());
    }
};

} // namespace pn_test
