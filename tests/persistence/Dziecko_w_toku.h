// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>
#include <unistd.h>

// Runs `dzialanie` in a child process, in `katalog` if one is given, and
// returns the child's pid once it has begun: a moment measured from the
// return falls inside the action. -1 when no child could be started.
template <typename F> pid_t Rozpocznij_w_dziecku(F dzialanie, const char* katalog = nullptr)
{
    int gotowy[2];
    if (::pipe(gotowy) != 0)
        return -1;
    const pid_t dziecko = ::fork();
    if (dziecko == 0) {
        if (katalog != nullptr && ::chdir(katalog) != 0)
            ::_exit(3);
        [[maybe_unused]] const auto zapisane = ::write(gotowy[1], "s", 1);
        dzialanie();
        ::_exit(0);
    }
    char znak = 0;
    const bool rozpoczete = dziecko > 0 && ::read(gotowy[0], &znak, 1) == 1;
    ::close(gotowy[0]);
    ::close(gotowy[1]);
    return rozpoczete ? dziecko : -1;
}
