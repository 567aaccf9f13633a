#include "ledger/descrizioni.h"

#include "store/codepage.h"
#include "store/filemese.h"
#include "store/movimento.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

// A year holds tens of thousands of descriptions, most of them once (invoice numbers, dates):
// each is told apart by a 64-bit print of its text in lower case, counted in an open table
// that never allocates per text. Two texts sharing a print, a chance of about one in 10^10 for
// a year, would be offered as one.

namespace {

namespace mv = movimento;
constexpr qsizetype larghezza = mv::larghezzadescrizione;

// Windows-1252 capitals to small letters, byte for byte: ASCII, the accented capitals and the
// four capitals of 0x80-0x9F.
const std::array<unsigned char, 256> minuscole = [] {
    std::array<unsigned char, 256> t{};
    for (int b = 0; b < 256; ++b)
        t[b] = (b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7) ? b + 0x20 : b;
    t[0x8A] = 0x9A, t[0x8C] = 0x9C, t[0x8E] = 0x9E, t[0x9F] = 0xFF;
    return t;
}();

// Eight ASCII bytes to lower case at once; a word with other bytes goes through the table.
quint64 minuscola(quint64 w)
{
    constexpr quint64 alti = 0x8080808080808080ull;
    if (w & alti) {
        unsigned char b[8];
        std::memcpy(b, &w, 8);
        for (unsigned char &c : b)
            c = minuscole[c];
        std::memcpy(&w, b, 8);
        return w;
    }
    const quint64 daA = w + 0x3F3F3F3F3F3F3F3Full;    // high bit set from 'A' up
    const quint64 oltreZ = w + 0x2525252525252525ull; // high bit set past 'Z'
    return w | ((daA & ~oltreZ & alti) >> 2);
}

// The print of a field as stored: padded with blanks to its width, so the whole field is
// hashed a word at a time. A field with leading blanks or NUL padding is first put in that form.
quint64 impronta(const char *campo)
{
    char pulito[56] = {};
    if (campo[0] == ' ' || campo[larghezza - 1] == '\0') {
        const QByteArray t = codificatesto(decodificatesto(campo, larghezza));
        std::memset(pulito, ' ', larghezza);
        std::memcpy(pulito, t.constData(), size_t(std::min<qsizetype>(t.size(), larghezza)));
    } else {
        std::memcpy(pulito, campo, larghezza);
    }
    // Independent products, so that the words are multiplied side by side.
    constexpr quint64 chiavi[7] = {
        0x9E3779B97F4A7C15ull, 0xC2B2AE3D27D4EB4Full, 0x165667B19E3779F9ull, 0xD6E8FEB86659FD93ull,
        0xFF51AFD7ED558CCDull, 0xC4CEB9FE1A85EC53ull, 0x94D049BB133111EBull};
    quint64 h = 0;
    for (int i = 0; i < 7; ++i) {
        quint64 w;
        std::memcpy(&w, pulito + 8 * i, 8);
        h += (minuscola(w) ^ chiavi[6 - i]) * chiavi[i];
    }
    return (h ^ (h >> 31)) * 0xBF58476D1CE4E5B9ull ^ (h >> 29);
}

// A field of blanks alone: no description.
bool bianco(const char *campo)
{
    for (qsizetype i = 0; i < larghezza; ++i)
        if (campo[i] != ' ' && campo[i] != '\0')
            return false;
    return true;
}

constexpr quint64 vuoto = 0; // a print never used: the empty slot

// Counts the texts of one field: an open table of prints, and the first spelling of each.
class Conteggio
{
  public:
    // The fields of a block of records, counted; their prints are worked out first, so that
    // the table's slots can be fetched ahead of their use.
    void contablocco(const std::vector<const char *> &campi)
    {
        impronte.resize(campi.size());
        for (size_t i = 0; i < campi.size(); ++i)
            impronte[i] = impronta(campi[i]) | 1; // never the empty slot
        if (2 * (occupate + qsizetype(campi.size())) > qsizetype(posti.size()))
            ingrandisci(2 * (occupate + qsizetype(campi.size())));
        constexpr size_t avanti = 8;
        for (size_t i = 0; i < campi.size(); ++i) {
            if (i + avanti < campi.size())
                __builtin_prefetch(&posti[size_t(impronte[i + avanti]) & (posti.size() - 1)]);
            Posto &p = posto(impronte[i]);
            if (p.impronta == vuoto) {
                p = {impronte[i], 0, qint32(testi.size())};
                testi.emplace_back();
                std::memcpy(testi.back().data(), campi[i], larghezza);
                ++occupate;
            }
            ++p.volte;
        }
    }

    QStringList piufrequenti(qsizetype massimo) const
    {
        std::vector<const Posto *> ordine;
        ordine.reserve(size_t(occupate));
        for (const Posto &p : posti)
            if (p.impronta != vuoto)
                ordine.push_back(&p);
        // Ties in the order the texts were met: the files' order, the same at every opening.
        const auto prima = [](const Posto *a, const Posto *b) {
            return a->volte != b->volte ? a->volte > b->volte : a->testo < b->testo;
        };
        const auto fine = ordine.begin() + std::min<qsizetype>(qsizetype(ordine.size()), massimo);
        std::partial_sort(ordine.begin(), fine, ordine.end(), prima);
        QStringList risultato;
        for (auto i = ordine.begin(); i != fine; ++i)
            risultato.append(decodificatesto(testi[size_t((*i)->testo)].data(), larghezza));
        return risultato;
    }

  private:
    struct Posto {
        quint64 impronta = vuoto;
        qint32 volte = 0;
        qint32 testo = 0; // index of its first spelling
    };

    Posto &posto(quint64 h)
    {
        const size_t maschera = posti.size() - 1;
        size_t i = size_t(h) & maschera;
        while (posti[i].impronta != vuoto && posti[i].impronta != h)
            i = (i + 1) & maschera;
        return posti[i];
    }

    void ingrandisci(qsizetype almeno)
    {
        size_t n = 1024;
        while (qsizetype(n) < almeno)
            n *= 2;
        std::vector<Posto> vecchi(n);
        vecchi.swap(posti);
        for (const Posto &p : vecchi)
            if (p.impronta != vuoto)
                posto(p.impronta) = p;
    }

    std::vector<Posto> posti;
    std::vector<std::array<char, larghezza>> testi;
    std::vector<quint64> impronte;
    qsizetype occupate = 0;
};

} // namespace

Esito descrizioniusate(const QString &percorso, const QString &anno, qint16 ditta,
                       DescrizioniUsate &usate, qsizetype massimo)
{
    usate = DescrizioniUsate();
    Conteggio conteggi[2];
    std::vector<const char *> campi[2];
    const auto blocco = [&](const char *r, qsizetype n) {
        campi[0].clear(), campi[1].clear();
        for (const char *fine = r + n * mv::dimensione; r < fine; r += mv::dimensione) {
            if (mv::ditta(r) != ditta || mv::segno(r) == mv::cancellato)
                continue;
            if (!bianco(mv::descrizione1(r)))
                campi[0].push_back(mv::descrizione1(r));
            if (!bianco(mv::descrizione2(r)))
                campi[1].push_back(mv::descrizione2(r));
        }
        conteggi[0].contablocco(campi[0]);
        conteggi[1].contablocco(campi[1]);
    };
    for (int m = 1; m <= 12; ++m)
        if (Esito e = leggimeseablocchi(percorsomese(percorso, m, anno), blocco); !e)
            return e;
    for (int i = 0; i < 2; ++i)
        usate.descrizione[i] = conteggi[i].piufrequenti(massimo);
    return {};
}
