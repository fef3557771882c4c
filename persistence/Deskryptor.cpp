// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/Deskryptor.h"

#include <unistd.h>

bool Deskryptor::Zamknij()
{
    if (fd < 0)
        return true;
    const bool zamkniety = ::close(fd) == 0;
    fd = -1;
    return zamkniety;
}
