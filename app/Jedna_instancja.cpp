// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Jedna_instancja.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int czas_ms = 2000;
const QByteArray prosba = "przywolaj\n";

// Only a process of this user counts: another user could take the name.
bool Tego_uzytkownika(const QLocalSocket& gniazdo)
{
    ucred wiarygodnosc {};
    socklen_t dlugosc = sizeof wiarygodnosc;
    return ::getsockopt(static_cast<int>(gniazdo.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &wiarygodnosc, &dlugosc)
        == 0
        && wiarygodnosc.uid == ::getuid();
}

} // namespace

Jedna_instancja::Jedna_instancja(QObject* rodzic)
    : QObject(rodzic)
{
    struct stat st { };
    if (::stat(".", &st) != 0)
        return;
    nazwa = QStringLiteral("wolumat-%1-%2-%3")
                .arg(::getuid())
                .arg(static_cast<qulonglong>(st.st_dev), 0, 16)
                .arg(static_cast<qulonglong>(st.st_ino), 0, 16);
}

bool Jedna_instancja::Przekazano_dzialajacej()
{
    if (nazwa.isEmpty())
        return false;
    // Two starts at the same moment: the one that cannot listen hands over.
    for (int proba = 0; proba < 3; ++proba) {
        if (Przekaz())
            return true;
        if (Sluchaj())
            return false;
        QThread::msleep(100);
    }
    return false;
}

bool Jedna_instancja::Przekaz()
{
    QLocalSocket gniazdo;
    gniazdo.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    gniazdo.connectToServer(nazwa);
    if (!gniazdo.waitForConnected(czas_ms) || !Tego_uzytkownika(gniazdo))
        return false;
    gniazdo.write(prosba);
    gniazdo.waitForBytesWritten(czas_ms);
    // An answer: the window came forward. Closed with none: that Wolumat is
    // ending, and this start makes its own window. Still open: a window busy
    // with a long Open, which comes forward once it is done.
    if (gniazdo.waitForReadyRead(czas_ms))
        return true;
    return gniazdo.state() == QLocalSocket::ConnectedState;
}

void Jedna_instancja::Przestan_sluchac()
{
    // Requests taken but not answered go with it: their starts see it close.
    delete serwer;
    serwer = nullptr;
}

bool Jedna_instancja::Sluchaj()
{
    auto* nowy = new QLocalServer(this);
    nowy->setSocketOptions(QLocalServer::AbstractNamespaceOption);
    if (!nowy->listen(nazwa)) {
        delete nowy;
        return false;
    }
    serwer = nowy;
    connect(serwer, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* gniazdo = serwer->nextPendingConnection()) {
            connect(gniazdo, &QLocalSocket::disconnected, gniazdo, &QObject::deleteLater);
            if (!Tego_uzytkownika(*gniazdo)) {
                gniazdo->abort();
                continue;
            }
            connect(gniazdo, &QLocalSocket::readyRead, gniazdo, [this, gniazdo] {
                if (!gniazdo->canReadLine())
                    return;
                if (gniazdo->readLine() == prosba && przywolanie)
                    przywolanie();
                gniazdo->write("ok\n");
                gniazdo->disconnectFromServer();
            });
        }
    });
    return true;
}
