// SPDX-License-Identifier: GPL-3.0-or-later
#include "safefile/Sygnaly.h"

#include <atomic>
#include <pthread.h>

namespace {

std::atomic<int> pierwszy_odebrany { 0 };
static_assert(std::atomic<int>::is_always_lock_free, "the handler may only touch a lock-free atomic");

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

// Holds the signals in this thread while the handlers change: of two that
// come meanwhile, neither finds one handler old and the other new.
class Zmiana_obslugi {
public:
    explicit Zmiana_obslugi(const sigset_t& sygnaly) { ::pthread_sigmask(SIG_BLOCK, &sygnaly, &poprzednia); }
    ~Zmiana_obslugi() { ::pthread_sigmask(SIG_SETMASK, &poprzednia, nullptr); }
    Zmiana_obslugi(const Zmiana_obslugi&) = delete;
    Zmiana_obslugi& operator=(const Zmiana_obslugi&) = delete;

private:
    sigset_t poprzednia;
};

sigset_t Zbior(const std::vector<std::pair<int, struct sigaction>>& sygnaly)
{
    sigset_t zbior;
    sigemptyset(&zbior);
    for (const auto& [numer, obsluga] : sygnaly)
        sigaddset(&zbior, numer);
    return zbior;
}

} // namespace

Obsluga_sygnalow::Obsluga_sygnalow()
{
    for (const int numer : Konczace()) {
        struct sigaction poprzednia { };
        if (::sigaction(numer, nullptr, &poprzednia) == 0 && poprzednia.sa_handler != SIG_IGN)
            poprzednie.emplace_back(numer, poprzednia);
    }
    // The handler holds the others while it runs: one delivered meanwhile
    // would otherwise run first, nested in it.
    struct sigaction nowa { };
    nowa.sa_handler = Zapamietaj;
    nowa.sa_flags = SA_RESTART;
    nowa.sa_mask = Zbior(poprzednie);
    const Zmiana_obslugi zmiana(nowa.sa_mask);
    for (const auto& [numer, poprzednia] : poprzednie)
        ::sigaction(numer, &nowa, nullptr);
}

Obsluga_sygnalow::~Obsluga_sygnalow()
{
    // The first signal is raised before any that came while the old
    // handlers came back.
    const Zmiana_obslugi zmiana(Zbior(poprzednie));
    for (const auto& [numer, poprzednia] : poprzednie)
        ::sigaction(numer, &poprzednia, nullptr);
    if (const int numer = pierwszy_odebrany.exchange(0))
        ::raise(numer);
}

void Bez_sygnalu_limitu()
{
    [[maybe_unused]] static const auto poprzednia = std::signal(SIGXFSZ, SIG_IGN);
}
