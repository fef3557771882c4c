// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/Sygnaly.h"

#include <atomic>
#include <pthread.h>

namespace {

std::atomic<int> pierwszy_odebrany { 0 };

void Zapamietaj(int numer)
{
    int zaden = 0;
    pierwszy_odebrany.compare_exchange_strong(zaden, numer);
}

// Those whose default ends the process and that come from outside; faults
// (SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGTRAP, SIGSYS) cannot wait.
std::vector<int> Konczace()
{
    std::vector<int> numery { SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGUSR1, SIGUSR2, SIGPIPE, SIGALRM, SIGVTALRM, SIGPROF,
        SIGXCPU, SIGIO, SIGPWR, SIGSTKFLT };
    for (int numer = SIGRTMIN; numer <= SIGRTMAX; ++numer)
        numery.push_back(numer);
    return numery;
}

static_assert(std::atomic<int>::is_always_lock_free, "the handler may only touch a lock-free atomic");

// Holds the signals in this thread while the handlers change, so that of two
// that come meanwhile neither finds one handler old and the other new.
class Zmiana_obslugi {
public:
    explicit Zmiana_obslugi(const std::vector<int>& numery)
    {
        sigset_t wstrzymane;
        sigemptyset(&wstrzymane);
        for (const int numer : numery)
            sigaddset(&wstrzymane, numer);
        ::pthread_sigmask(SIG_BLOCK, &wstrzymane, &poprzednia);
    }
    ~Zmiana_obslugi() { ::pthread_sigmask(SIG_SETMASK, &poprzednia, nullptr); }
    Zmiana_obslugi(const Zmiana_obslugi&) = delete;
    Zmiana_obslugi& operator=(const Zmiana_obslugi&) = delete;

private:
    sigset_t poprzednia;
};

} // namespace

Wstrzymane_sygnaly::Wstrzymane_sygnaly()
{
    const std::vector<int> konczace = Konczace();
    // The handler holds the others while it runs: one delivered meanwhile
    // would otherwise run first, nested in it.
    struct sigaction zapamietaj { };
    zapamietaj.sa_handler = Zapamietaj;
    zapamietaj.sa_flags = SA_RESTART;
    sigemptyset(&zapamietaj.sa_mask);
    for (const int numer : konczace)
        sigaddset(&zapamietaj.sa_mask, numer);
    const Zmiana_obslugi zmiana(konczace);
    for (const int numer : konczace) {
        struct sigaction poprzednia { };
        if (::sigaction(numer, nullptr, &poprzednia) != 0 || poprzednia.sa_handler == SIG_IGN)
            continue;
        if (::sigaction(numer, &zapamietaj, nullptr) == 0)
            poprzednie.emplace_back(numer, poprzednia);
    }
}

Wstrzymane_sygnaly::~Wstrzymane_sygnaly()
{
    // The first signal is raised before any that came while the old
    // handlers came back.
    const Zmiana_obslugi zmiana(Konczace());
    for (const auto& [numer, poprzednia] : poprzednie)
        ::sigaction(numer, &poprzednia, nullptr);
    if (const int numer = pierwszy_odebrany.exchange(0))
        ::raise(numer);
}

Bez_sygnalu_limitu::Bez_sygnalu_limitu()
{
    struct sigaction pomin { };
    pomin.sa_handler = SIG_IGN;
    sigemptyset(&pomin.sa_mask);
    zmieniona = ::sigaction(SIGXFSZ, &pomin, &poprzednia) == 0;
}

Bez_sygnalu_limitu::~Bez_sygnalu_limitu()
{
    if (zmieniona)
        ::sigaction(SIGXFSZ, &poprzednia, nullptr);
}
