// Times Save and Open of generated libraries against the plain write and read
// of the same bytes, in one run. Usage: wolumat_bench [objects ...] (default
// 20000 = 10k titles + 10k copies); `--runs N` sets the repetitions.

#include "domain/TKlasaAplikacji.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

using Zegar = std::chrono::steady_clock;

double Sekundy(Zegar::time_point od)
{
    return std::chrono::duration<double>(Zegar::now() - od).count();
}

double Mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Half titles, half copies, every copy linked; Polish windows-1250 bytes.
void Wypelnij(TKlasaAplikacji& app, long obiekty)
{
    const long tytuly = obiekty / 2;
    for (long i = 0; i < tytuly; ++i) {
        const std::string n = std::to_string(i);
        app.Dodaj_tytul(("Pan Tadeusz \xB9\xE6 " + n).c_str(), ("Mickiewicz \xB3 " + n).c_str(),
                        ("83-01-" + n).c_str());
    }
    // Copies go through the title's own operation: the name lookup is not
    // what this measures.
    for (long i = 0; i < obiekty - tytuly; ++i)
        app.tytuly.Element(static_cast<std::int32_t>(i % tytuly))->Dodaj_pozycje(nullptr, static_cast<std::int32_t>(i));
}

std::string Czytaj(const char* nazwa)
{
    std::string dane;
    const int fd = ::open(nazwa, O_RDONLY);
    char bufor[1 << 16];
    for (ssize_t n; (n = ::read(fd, bufor, sizeof bufor)) > 0;)
        dane.append(bufor, static_cast<std::size_t>(n));
    ::close(fd);
    return dane;
}

void Zapisz_zwykle(const char* nazwa, const std::string& dane)
{
    const int fd = ::open(nazwa, O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (::write(fd, dane.data(), dane.size()) != static_cast<ssize_t>(dane.size()))
        std::abort();
    ::fsync(fd);
    ::close(fd);
}

} // namespace

int main(int argc, char** argv)
{
    int proby = 5;
    std::vector<long> rozmiary;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--runs" && i + 1 < argc)
            proby = std::max(1, std::atoi(argv[++i]));
        else
            rozmiary.push_back(std::atol(argv[i]));
    }
    if (rozmiary.empty())
        rozmiary.push_back(20000);

    std::string wzor = (std::filesystem::temp_directory_path() / "wolumat-bench-XXXXXX").string();
    if (::mkdtemp(wzor.data()) == nullptr)
        return 1;
    std::filesystem::current_path(wzor);

    std::printf("%10s %10s %10s %10s %10s %10s %12s %14s\n", "objects", "MB", "save s", "write s", "open s",
                "read+wr s", "save/write", "open/(r+w)");
    for (long obiekty : rozmiary) {
        TKlasaAplikacji app;
        Wypelnij(app, obiekty);
        std::vector<double> zapis, odczyt, zwykly_zapis, zwykly_odczyt;
        for (int p = 0; p < proby; ++p) {
            auto t = Zegar::now();
            app.Zachowaj();
            zapis.push_back(Sekundy(t));

            t = Zegar::now();
            app.Usun_wszystko();
            app.Otworz();
            odczyt.push_back(Sekundy(t));

            t = Zegar::now();
            const std::string dane = Czytaj("proba1.txt");
            zwykly_odczyt.push_back(Sekundy(t));
            t = Zegar::now();
            Zapisz_zwykle("kopia.txt", dane);
            zwykly_zapis.push_back(Sekundy(t));
        }
        const double mb = static_cast<double>(std::filesystem::file_size("proba1.txt")) / 1e6;
        const double z = Mediana(zapis), o = Mediana(odczyt), zz = Mediana(zwykly_zapis), zo = Mediana(zwykly_odczyt);
        std::printf("%10ld %10.1f %10.4f %10.4f %10.4f %10.4f %12.2f %14.2f\n", obiekty, mb, z, zz, o, zo + zz, z / zz,
                    o / (zo + zz));
    }
    rusage zuzycie {};
    ::getrusage(RUSAGE_SELF, &zuzycie);
    std::printf("peak RSS of the run: %.1f MB\n", static_cast<double>(zuzycie.ru_maxrss) / 1024.0);
    std::filesystem::current_path("/");
    std::filesystem::remove_all(wzor);
    return 0;
}
