// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <csignal>
#include <utility>
#include <vector>

// For the object's life every signal that would end the program from outside
// (logout, Ctrl+C, kill, a user signal, a timer) waits while a file is half
// written. Signals that are ignored stay so. Handlers, not a mask: a mask
// holds one thread, and any other thread could take them.
class Obsluga_sygnalow {
public:
    Obsluga_sygnalow();
    // Once the old handlers are back, the first signal that came is acted on.
    ~Obsluga_sygnalow();
    Obsluga_sygnalow(const Obsluga_sygnalow&) = delete;
    Obsluga_sygnalow& operator=(const Obsluga_sygnalow&) = delete;

private:
    std::vector<std::pair<int, struct sigaction>> poprzednie;
};

// From the first call on, a write past the file-size limit fails (EFBIG)
// instead of ending the program with SIGXFSZ.
void Bez_sygnalu_limitu();
