// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <csignal>
#include <utility>
#include <vector>

// Every signal that would end the program from outside (logout, Ctrl+C, a
// closed terminal, kill, a user signal, a timer) waits while a file is half
// written; the first one that came is acted on once the object goes, the file
// whole. Handlers, not a mask: a mask holds one thread, and any other thread
// of the process could take the signal. Signals that are ignored stay so.
class Wstrzymane_sygnaly {
public:
    Wstrzymane_sygnaly();
    ~Wstrzymane_sygnaly();
    Wstrzymane_sygnaly(const Wstrzymane_sygnaly&) = delete;
    Wstrzymane_sygnaly& operator=(const Wstrzymane_sygnaly&) = delete;

private:
    std::vector<std::pair<int, struct sigaction>> poprzednie;
};

// For the object's life a write past the file-size limit fails (EFBIG)
// instead of ending the program with SIGXFSZ.
class Bez_sygnalu_limitu {
public:
    Bez_sygnalu_limitu();
    ~Bez_sygnalu_limitu();
    Bez_sygnalu_limitu(const Bez_sygnalu_limitu&) = delete;
    Bez_sygnalu_limitu& operator=(const Bez_sygnalu_limitu&) = delete;

private:
    struct sigaction poprzednia { };
    bool zmieniona = false;
};
