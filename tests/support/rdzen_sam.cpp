// SPDX-License-Identifier: GPL-3.0-or-later
// Linked with the whole core library and nothing else: the link fails if the
// core needs a symbol from outside itself.

int main()
{
    return 0;
}
