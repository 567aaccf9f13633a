// What the bank confirmed already, the movement a row may be, and the movement deleted last.
#include "windows/importa/formimporta.h"

#include "app/stato.h"
#include "platform/soldi.h"
#include "store/filemese.h"

void Formimporta::cancellato(const QString &file, qint32 numero, const QByteArray &record)
{
    ultimocancellato = {file, numero, record};
    aggiornastati();
}

QSet<Conferma> Formimporta::confermeconto() const
{
    // Unreadable, nothing is confirmed: at worst a row is offered to be checked.
    Conferme c;
    if (conto() != 0)
        leggiconferme(stato().percorso, stato().dittacorrente, conto(), c);
    return c.confermate;
}

// A row whose movement the bank confirmed and the user deleted, which a restore may still bring
// back, is not new: importing it and restoring would book the bank's one movement twice.
void Formimporta::nonnuovi(const QSet<Conferma> &confermate)
{
    const QByteArray &r = ultimocancellato.record;
    if (ultimocancellato.numero == 0 || r.size() != movimento::dimensione)
        return;
    const QString nome = ultimocancellato.file.right(4); // movMMYY
    const int mese = nome.left(2).toInt(), anno = 2000 + nome.right(2).toInt();
    const Movimento m = movimento::decodifica(r.constData());
    const Conferma c{anno, qint16(mese), ultimocancellato.numero, m.giorno, m.segno, m.importo};
    if (m.ditta != stato().dittacorrente || m.conto != conto() || !confermate.contains(c))
        return;
    const QDate data(anno, mese, m.giorno);
    for (qsizetype i = 0; i < abbinamenti.size(); ++i)
        if (abbinamenti[i].stato == StatoRiga::nuovo && controlli[i].data == data &&
            controlli[i].valore == valore(m)) {
            abbinamenti[i] = {StatoRiga::daverificare, anno, qint16(mese), c.numero};
            return;
        }
}

// "Forse: 10/03 Assegno n. 123 Rossi srl 200,00": the movement of the book a row to be checked
// was paired with.
QString Formimporta::forse(const Abbinamento &a) const
{
    if (a.stato != StatoRiga::daverificare || a.numero == 0)
        return QString();
    const QString anno = QStringLiteral("%1").arg(a.anno % 100, 2, 10, QLatin1Char('0'));
    Movimento m;
    if (!leggimovimento(percorsomese(stato().percorso, a.mese, anno), a.numero, m))
        return QString();
    QStringList parti{QDate(a.anno, a.mese, m.giorno).toString(QStringLiteral("dd/MM")),
                      m.descrizione1.trimmed(), m.descrizione2.trimmed(), fixed(m.importo)};
    parti.removeAll(QString());
    return QStringLiteral("Forse: ") + parti.join(QLatin1Char(' '));
}
