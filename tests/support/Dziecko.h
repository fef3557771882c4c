// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <grp.h>
#include <random>
#include <sys/types.h>
#include <sys/wait.h>
#include <thread>
#include <type_traits>
#include <unistd.h>

// Runs `krok` in a child process, in `katalog` if one is given and as the
// user nobody if asked (which needs root), and returns the child's pid once
// it has begun: a moment measured from the return falls inside the step.
// The child ends with what `krok` returns, or 0; with 2 or 3 when it could
// not become nobody or enter the folder. -1 when no child could be started.
// A child that could not begin has ended by the return.
template <typename F> pid_t Rozpocznij_w_dziecku(F krok, const char* katalog = nullptr, bool jako_nobody = false)
{
    int gotowy[2];
    if (::pipe(gotowy) != 0)
        return -1;
    const pid_t dziecko = ::fork();
    if (dziecko == 0) {
        if (jako_nobody && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(2);
        if (katalog != nullptr && ::chdir(katalog) != 0)
            ::_exit(3);
        [[maybe_unused]] const auto zapisane = ::write(gotowy[1], "s", 1);
        if constexpr (std::is_void_v<decltype(krok())>) {
            krok();
            ::_exit(0);
        } else {
            ::_exit(krok());
        }
    }
    ::close(gotowy[1]);
    char znak = 0;
    [[maybe_unused]] const auto przeczytane = dziecko > 0 ? ::read(gotowy[0], &znak, 1) : 0;
    ::close(gotowy[0]);
    return dziecko;
}

// How the child ended, as waitpid tells it; -1 for no child.
inline int Zaczekaj(pid_t dziecko)
{
    int status = 0;
    return dziecko > 0 && ::waitpid(dziecko, &status, 0) == dziecko ? status : -1;
}

// Runs `krok` in a child to its end: how it ended, 0 when it returned 0.
template <typename F> int W_dziecku(F krok, const char* katalog = nullptr, bool jako_nobody = false)
{
    return Zaczekaj(Rozpocznij_w_dziecku(krok, katalog, jako_nobody));
}

// Interrupts a step at random moments: `ile` + 1 runs of `krok` in a child,
// each after `przygotuj()`. The first goes to its end and sets the pace:
// each later one is interrupted by `przerwij(dziecko)` at a moment drawn in
// the i-th of `ile` equal slices of `rozrzut` times the first one's length,
// so that early and late moments come in every run, whatever the load.
// `po(status, przerwany)` sees how each ended.
template <typename P, typename K, typename Z, typename S>
void Przerywaj_w_losowych_chwilach(
    int ile, double rozrzut, unsigned ziarno, P przygotuj, K krok, Z przerwij, S po, const char* katalog = nullptr)
{
    using namespace std::chrono;
    przygotuj();
    const auto start = steady_clock::now();
    po(W_dziecku(krok, katalog), false);
    const double okno = rozrzut * static_cast<double>(duration_cast<microseconds>(steady_clock::now() - start).count());
    std::mt19937 los(ziarno);
    std::uniform_real_distribution<double> w_odcinku(0, 1);
    for (int i = 0; i < ile; ++i) {
        przygotuj();
        const pid_t dziecko = Rozpocznij_w_dziecku(krok, katalog);
        if (dziecko > 0) {
            std::this_thread::sleep_for(microseconds(static_cast<long>(okno * (i + w_odcinku(los)) / ile)));
            przerwij(dziecko);
        }
        po(Zaczekaj(dziecko), true);
    }
}
