#include "toolkit/Konwersje.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <limits>

std::int32_t Na_liczbe(const QString& tekst)
{
    const QString obciety = tekst.trimmed();
    qsizetype i = 0;
    const bool ujemna = i < obciety.size() && obciety[i] == u'-';
    if (i < obciety.size() && (obciety[i] == u'-' || obciety[i] == u'+'))
        ++i;
    std::int64_t wartosc = 0;
    const std::int64_t granica = ujemna ? -std::int64_t { std::numeric_limits<std::int32_t>::min() }
                                        : std::int64_t { std::numeric_limits<std::int32_t>::max() };
    bool poprawna = i < obciety.size();
    for (; poprawna && i < obciety.size(); ++i) {
        const char16_t znak = obciety[i].unicode();
        poprawna = znak >= u'0' && znak <= u'9';
        wartosc = wartosc * 10 + (znak - u'0');
        poprawna = poprawna && wartosc <= granica;
    }
    if (!poprawna) {
        const QString komunikat = QStringLiteral("„%1” nie jest poprawną liczbą całkowitą").arg(tekst);
        throw Blad_konwersji(komunikat.toStdString());
    }
    return static_cast<std::int32_t>(ujemna ? -wartosc : wartosc);
}

std::string Na_cp1250(const QString& tekst)
{
    QStringEncoder koder("windows-1250");
    const QByteArray bajty = koder.encode(tekst);
    return std::string(bajty.constData(), static_cast<std::size_t>(bajty.size()));
}

QString Z_cp1250(const char* bajty)
{
    QStringDecoder dekoder("windows-1250");
    return dekoder.decode(QByteArrayView(bajty));
}

bool Da_sie_zapisac_w_cp1250(const QString& tekst)
{
    QStringEncoder scisly("windows-1250", QStringConverter::Flag::Stateless);
    const QByteArray bajty = scisly.encode(tekst);
    return !scisly.hasError() && bajty.size() == tekst.size();
}
