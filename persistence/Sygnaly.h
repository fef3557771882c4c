// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <csignal>
#include <utility>
#include <vector>

// For the object's life the signals given are handled by `obsluga`; then
// what was there comes back. Signals that are ignored stay so. Handlers, not
// a mask: a mask holds one thread, and any other thread could take them.
class Obsluga_sygnalow {
public:
    Obsluga_sygnalow(const std::vector<int>& sygnaly, void (*obsluga)(int));
    // Once the old handlers are back, the first signal that Wstrzymane took
    // is raised.
    ~Obsluga_sygnalow();
    Obsluga_sygnalow(const Obsluga_sygnalow&) = delete;
    Obsluga_sygnalow& operator=(const Obsluga_sygnalow&) = delete;

private:
    std::vector<std::pair<int, struct sigaction>> poprzednie;
};

// Every signal that would end the program from outside (logout, Ctrl+C, kill,
// a user signal, a timer) waits while a file is half written; the first one
// that came is acted on once the object goes.
Obsluga_sygnalow Wstrzymane();

// A write past the file-size limit fails (EFBIG) instead of ending the
// program with SIGXFSZ.
Obsluga_sygnalow Bez_sygnalu_limitu();
