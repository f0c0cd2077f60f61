#include "web/login_throttle.h"
#include "web/password_hash.h"
#include "web/session_store.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

TEST(PasswordHash, IsArgon2idAndMatchesOnlyItsPassword) {
    std::optional<std::string> hash = HashPassword("pit lane");
    ASSERT_TRUE(hash.has_value());
    EXPECT_EQ(hash->rfind("$argon2id$", 0), 0u) << *hash;
    EXPECT_NE(HashPassword("pit lane"), hash) << "each hash has its own salt";
    EXPECT_TRUE(PasswordMatches(*hash, "pit lane"));
    for (const char* wrong : {"pit lane ", "Pit lane", ""})
        EXPECT_FALSE(PasswordMatches(*hash, wrong)) << wrong;
    EXPECT_FALSE(PasswordMatches("", ""));
    EXPECT_FALSE(PasswordMatches("$argon2id$v=19$broken", "pit lane"));
}

TEST(SessionStore, TheOldestSessionMakesRoomAndTokensCompareWhole) {
    SessionStore sessions;
    Clock::time_point start{};
    SessionStore::Session oldest = sessions.Open("h", start);
    for (size_t k = 1; k < SessionStore::MostSessions; ++k)
        sessions.Open("h", start + 1s);
    SessionStore::Session kept = sessions.Open("h", start + 2s);
    EXPECT_FALSE(sessions.Find(oldest.id, "h", start + 3s).has_value());
    EXPECT_TRUE(sessions.Find(kept.id, "h", start + 3s).has_value());

    EXPECT_EQ(kept.id.size(), 64u);
    EXPECT_NE(kept.id, kept.csrfToken);
    EXPECT_TRUE(TokensEqual(kept.csrfToken, kept.csrfToken));
    EXPECT_FALSE(TokensEqual(kept.csrfToken, kept.csrfToken.substr(0, 63)));
    EXPECT_FALSE(TokensEqual("", ""));
}

TEST(LoginThrottle, AfterFiveFailuresEachAttemptWaitsTwiceAsLongUpToFifteenMinutes) {
    LoginThrottle throttle;
    Clock::time_point now{};
    std::vector<Clock::duration> waits;
    for (int failure = 1; failure <= 16; ++failure) {
        now += throttle.WaitLeft("203.0.113.9", now);
        throttle.Failed("203.0.113.9", now);
        waits.push_back(throttle.WaitLeft("203.0.113.9", now));
    }
    const std::vector<Clock::duration> expected = {0s,  0s,  0s,  0s,   1s,   2s,   4s,   8s,
                                                   16s, 32s, 64s, 128s, 256s, 512s, 900s, 900s};
    EXPECT_EQ(waits, expected);
    EXPECT_EQ(throttle.WaitLeft("203.0.113.10", now), Clock::duration::zero()) << "another address";
    EXPECT_EQ(throttle.WaitLeft("203.0.113.9", now + 300s), 600s);
    throttle.Succeeded("203.0.113.9");
    EXPECT_EQ(throttle.WaitLeft("203.0.113.9", now), Clock::duration::zero());
}
