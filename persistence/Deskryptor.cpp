// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/Deskryptor.h"

#include <cerrno>
#include <unistd.h>

bool Deskryptor::Zamknij()
{
    if (fd < 0)
        return true;
    const bool zamkniety = ::close(fd) == 0;
    fd = -1;
    return zamkniety;
}

bool Zapisz_wszystko(int fd, std::string_view dane, ssize_t (*zapis)(int, const void*, std::size_t))
{
    if (zapis == nullptr)
        zapis = ::write;
    while (!dane.empty()) {
        const ssize_t zapisane = zapis(fd, dane.data(), dane.size());
        if (zapisane < 0 && errno == EINTR)
            continue;
        if (zapisane <= 0)
            return false;
        dane.remove_prefix(static_cast<std::size_t>(zapisane));
    }
    return true;
}
