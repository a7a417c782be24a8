#include "platform/store/password.h"

#include <gtest/gtest.h>

#include <vector>

using platform::hashPassword;
using platform::passwordMatches;

TEST(Password, EmptyPasswordIsStoredEmpty)
{
    EXPECT_EQ(hashPassword(QString()), QString());
    EXPECT_EQ(hashPassword(QStringLiteral("")), QString());
}

TEST(Password, HashIsSaltedAndHidesThePassword)
{
    const QString first = hashPassword(QStringLiteral("Piano 42"));
    const QString second = hashPassword(QStringLiteral("Piano 42"));
    EXPECT_FALSE(first.isEmpty());
    EXPECT_NE(first, second);
    EXPECT_FALSE(first.contains(QStringLiteral("Piano")));
    EXPECT_TRUE(passwordMatches(first, QStringLiteral("Piano 42")));
    EXPECT_TRUE(passwordMatches(second, QStringLiteral("Piano 42")));
}

struct MatchCase {
    const char* label;
    QString password;  // what was chosen ("" = none); stored as its hash
    QString typed;
    bool matches;
};

TEST(Password, MatchesLikeAnExactComparison)
{
    const std::vector<MatchCase> cases = {
        {"right", QStringLiteral("Secret pass"), QStringLiteral("Secret pass"), true},
        {"wrong case", QStringLiteral("Secret pass"), QStringLiteral("secret pass"), false},
        {"trailing blank", QStringLiteral("Secret pass"), QStringLiteral("Secret pass "), false},
        {"leading blank", QStringLiteral("Secret pass"), QStringLiteral(" Secret pass"), false},
        {"prefix only", QStringLiteral("Secret pass"), QStringLiteral("Secret"), false},
        {"typed empty, password set", QStringLiteral("Secret pass"), QString(), false},
        {"no password, typed empty", QString(), QString(), true},
        {"no password, typed text", QString(), QStringLiteral("x"), false},
        {"no password, typed blank", QString(), QStringLiteral(" "), false},
        {"accented", QStringLiteral("Zoé"), QStringLiteral("Zoé"), true},
        {"accent missing", QStringLiteral("Zoé"), QStringLiteral("Zoe"), false},
        {"blanks only", QStringLiteral("   "), QStringLiteral("   "), true},
        {"fewer blanks", QStringLiteral("   "), QStringLiteral("  "), false},
    };
    for (const MatchCase& c : cases) {
        const QString stored = hashPassword(c.password);
        EXPECT_EQ(passwordMatches(stored, c.typed), c.matches) << c.label;
    }
}

TEST(Password, StoredTextThatIsNoHashOpensNothing)
{
    // A password left in clear in the file, or a damaged hash, never lets the typed text in.
    const QString hash = hashPassword(QStringLiteral("abc"));
    const struct {
        QString stored;
        QString typed;
    } cases[] = {
        {QStringLiteral("abc"), QStringLiteral("abc")},
        {hash.left(hash.size() - 4), QStringLiteral("abc")},
        {hash + QString(200, QLatin1Char('x')), QStringLiteral("abc")},
        {QStringLiteral("Zoé"), QStringLiteral("Zoé")},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(passwordMatches(c.stored, c.typed)) << c.stored.toStdString();
}
