#include "store/scadenze.h"

#include "store/codepage.h"
#include "store/filemese.h"
#include "store/filerecord.h"

#include <QtEndian>
#include <limits>

namespace {

using scadenze::dimensione;
using scadenze::larghezzadescrizione;

FileRecord filescadenze(const QString &percorso)
{
    return FileRecord(percorsoscadenze(percorso), dimensione, Mancante::Vuoto);
}

qint16 campo16(const char *r, int posizione)
{
    return qFromLittleEndian<qint16>(r + posizione);
}

void scrivi16(char *p, int posizione, int valore)
{
    qToLittleEndian<qint16>(qint16(valore), p + posizione);
}

QByteArray record(qint16 ditta, const EventoScadenza &e)
{
    QByteArray r(dimensione, '\0');
    char *p = r.data();
    const Scadenza &s = e.scadenza;
    const bool pagata = e.tipo == EventoScadenza::pagata;
    const QDate data =
        pagata ? QDate(e.movimento.anno, e.movimento.mese, e.movimento.giorno) : s.data;
    scrivi16(p, 0, e.tipo);
    scrivi16(p, 2, ditta);
    qToLittleEndian<qint32>(e.voce, p + 4);
    qToLittleEndian<qint32>(e.occorrenza, p + 8);
    if (e.tipo != EventoScadenza::annullata) {
        scrivi16(p, 12, data.year());
        scrivi16(p, 14, data.month());
        scrivi16(p, 16, data.day());
    }
    scrivi16(p, 18, pagata ? e.movimento.segno : s.segno);
    qToLittleEndian<qint64>(pagata ? e.movimento.importo : s.importo, p + 20);
    scrivi16(p, 28, s.conto);
    scrivi16(p, 30, s.contatto);
    scrivi16(p, 32, s.ripetizione);
    scrivi16(p, 34, s.volte);
    scrivi16(p, 36, (s.stima ? 1 : 0) | (e.successive ? 2 : 0));
    qToLittleEndian<qint32>(pagata ? e.movimento.numero : 0, p + 38);
    codificacampo(s.descrizione1, p + 42, larghezzadescrizione);
    codificacampo(s.descrizione2, p + 92, larghezzadescrizione);
    return r;
}

bool ripetizionevalida(qint16 mesi)
{
    return mesi == 0 || mesi == 1 || mesi == 2 || mesi == 3 || mesi == 6 || mesi == 12;
}

// The record numero of the company, or nothing when it is damaged.
std::optional<EventoScadenza> leggirecord(const char *r, qint32 numero)
{
    EventoScadenza e;
    const qint16 tipo = campo16(r, 0);
    if (tipo < EventoScadenza::creata || tipo > EventoScadenza::annullata)
        return std::nullopt;
    e.tipo = EventoScadenza::Tipo(tipo);
    e.voce = tipo == EventoScadenza::creata ? numero : qFromLittleEndian<qint32>(r + 4);
    e.occorrenza = qFromLittleEndian<qint32>(r + 8);
    const QDate data(campo16(r, 12), campo16(r, 14), campo16(r, 16));
    Scadenza &s = e.scadenza;
    s.data = data;
    s.segno = campo16(r, 18);
    s.importo = qFromLittleEndian<qint64>(r + 20);
    s.conto = campo16(r, 28);
    s.contatto = campo16(r, 30);
    s.ripetizione = campo16(r, 32);
    s.volte = campo16(r, 34);
    const qint16 opzioni = campo16(r, 36);
    s.stima = opzioni & 1;
    e.successive = opzioni & 2;
    const bool datavalida = data.isValid() && data.year() >= 2000 && data.year() <= 2099;
    if (e.voce < 1 || e.voce > numero || e.occorrenza < 0 || (opzioni & ~3) ||
        (tipo != EventoScadenza::annullata &&
         (!datavalida || (s.segno != 0 && s.segno != 1) || s.importo < 0)) ||
        !ripetizionevalida(s.ripetizione) || s.volte < 0 || s.conto < 0 || s.contatto < 0)
        return std::nullopt;
    if (tipo == EventoScadenza::pagata) {
        e.movimento = {data.year(),
                       qint16(data.month()),
                       qFromLittleEndian<qint32>(r + 38),
                       qint16(data.day()),
                       s.segno,
                       s.importo};
        if (e.movimento.numero < 1)
            return std::nullopt;
    }
    s.descrizione1 = decodificatesto(r + 42, larghezzadescrizione);
    s.descrizione2 = decodificatesto(r + 92, larghezzadescrizione);
    return e;
}

void leggitutti(const char *r, qsizetype n, qint32 &numero, qint16 ditta,
                QList<EventoScadenza> &eventi)
{
    for (; n > 0; --n, r += dimensione)
        if (++numero; campo16(r, 2) == ditta)
            if (const auto e = leggirecord(r, numero))
                eventi.append(*e);
}

// A record its reader would skip as damaged is never written: the item would vanish unseen.
bool scrivibile(const EventoScadenza &e)
{
    return leggirecord(record(0, e).constData(), std::numeric_limits<qint32>::max()).has_value();
}

Esito rifiutata(const EventoScadenza &e)
{
    Esito esito;
    esito.ok = false;
    const QDate d = e.scadenza.data;
    esito.avviso = d.isValid() && (d.year() < 2000 || d.year() > 2099)
                       ? QStringLiteral("La data della scadenza (%1) non è tra gli anni 2000 e "
                                        "2099: non può essere registrata.")
                             .arg(d.toString(QStringLiteral("dd/MM/yyyy")))
                       : QStringLiteral("La scadenza non può essere registrata: la data o "
                                        "l'importo non sono validi.");
    return esito;
}

} // namespace

QString percorsoscadenze(const QString &percorso)
{
    return cartelladati(percorso) + QStringLiteral("\\scadenze");
}

Esito leggiscadenze(const QString &percorso, qint16 ditta, QList<EventoScadenza> &eventi)
{
    eventi.clear();
    qint32 numero = 0;
    const Esito e = filescadenze(percorso).leggiablocchi(
        [&](const char *r, qsizetype n) { leggitutti(r, n, numero, ditta, eventi); });
    if (!e)
        eventi.clear(); // half of the items would look like all of them
    return e;
}

bool registrabile(const Scadenza &s)
{
    EventoScadenza e;
    e.scadenza = s;
    return scrivibile(e);
}

Esito creascadenza(const QString &percorso, qint16 ditta, const Scadenza &s, qint32 *voce)
{
    EventoScadenza e;
    e.scadenza = s;
    e.voce = 0;
    return scrivibile(e) ? filescadenze(percorso).aggiungi(record(ditta, e), voce) : rifiutata(e);
}

Esito aggiungievento(const QString &percorso, qint16 ditta, const EventoScadenza &e)
{
    return scrivibile(e) ? filescadenze(percorso).aggiungi(record(ditta, e)) : rifiutata(e);
}

Esito saldascadenza(const QString &percorso, qint16 ditta, qint32 voce, qint32 occorrenza,
                    Conferma c, const std::function<bool(const Conferma &)> &valida,
                    bool &giasaldata, const std::function<Esito(Conferma &)> &prima)
{
    giasaldata = false;
    Esito fatto;
    const Esito e = filescadenze(percorso).aggiorna([&](const QByteArray &dati, Modifiche &m) {
        QList<EventoScadenza> eventi;
        qint32 numero = 0;
        leggitutti(dati.constData(), dati.size() / dimensione, numero, ditta, eventi);
        for (const EventoScadenza &ev : eventi)
            if (ev.tipo == EventoScadenza::pagata && ev.voce == voce &&
                ev.occorrenza == occorrenza && valida(ev.movimento))
                giasaldata = true;
        if (giasaldata || (prima && !(fatto = prima(c))))
            return;
        EventoScadenza p;
        p.tipo = EventoScadenza::pagata;
        p.voce = voce;
        p.occorrenza = occorrenza;
        p.movimento = c;
        m.aggiunti.append(record(ditta, p));
    });
    return e ? fatto : e;
}
