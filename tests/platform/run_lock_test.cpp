#include "platform/run_lock.h"

#include "support/temp_folder.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

// A lock file that cannot be made says why; looking for the holder takes nothing and makes no file.
TEST(RunLockTest, OneHolderAtATimeReleasedWhenItDies) {
    TempFolder temp;
    std::string file = temp.File("Quorvadata.lock");
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    pid_t holder = fork();
    if (holder == 0) {
        RunLock lock(file);
        if (write(ready[1], "y", 1) == 1)
            pause();
        _exit(0);
    }
    char held = 0;
    ASSERT_EQ(read(ready[0], &held, 1), 1);
    const std::string named = "platform_tests " + std::to_string(holder);
    {
        RunLock second(file);
        EXPECT_EQ(second.GetState(), RunLock::State::HeldElsewhere);
        EXPECT_EQ(second.HolderName() + " " + std::to_string(second.HolderPid()), named);
    }
    RunLock::Holder found = RunLock::HolderElsewhere(file).value();
    EXPECT_EQ(found.name + " " + std::to_string(found.pid), named);
    kill(holder, SIGKILL);
    waitpid(holder, nullptr, 0);
    RunLock afterDeath(file);
    EXPECT_EQ(afterDeath.GetState(), RunLock::State::Held);
    // The probe of a lock this process holds would release it, so there is none.
    EXPECT_FALSE(RunLock::HolderElsewhere(file).has_value());
    close(ready[0]);
    close(ready[1]);

    RunLock nowhere(temp.File("missing/Quorvadata.lock"));
    EXPECT_EQ(nowhere.GetState(), RunLock::State::Unavailable);
    EXPECT_EQ(nowhere.Failure(), "No such file or directory");
    EXPECT_FALSE(RunLock::HolderElsewhere(temp.File("missing.lock")).has_value());
    EXPECT_FALSE(std::filesystem::exists(temp.File("missing.lock")));
}
