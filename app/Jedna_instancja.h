// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QLocalServer;

// One Wolumat per user and working folder (told by device and inode, however
// reached), as both would work on the same proba1.txt: a second start hands
// over to the running one, which comes to the front, and ends. The running one
// listens on a local socket in the abstract namespace, which leaves no file and
// goes with the process. Where any of this fails, the program starts alone.
class Jedna_instancja : public QObject {
    Q_OBJECT
public:
    explicit Jedna_instancja(QObject* rodzic = nullptr);

    // True when a Wolumat of this user runs here and was asked to come
    // forward; otherwise this process is the one later starts hand over to.
    bool Przekazano_dzialajacej();
    // What a later start asks for: the window to come forward.
    void Ustaw_przywolanie(std::function<void()> dzialanie) { przywolanie = std::move(dzialanie); }
    // The program has begun to end: later starts make their own window.
    void Przestan_sluchac();
    // The name, in the abstract namespace, that the running one listens on.
    const QString& Nazwa() const { return nazwa; }

private:
    bool Przekaz();
    bool Sluchaj();

    QString nazwa; // empty where the folder cannot be told
    QLocalServer* serwer = nullptr;
    std::function<void()> przywolanie;
};
