#include "store/movimento.h"

#include "store/codepage.h"

namespace movimento {

QByteArray codifica(const Movimento &m)
{
    QByteArray r(dimensione, '\0');
    char *p = r.data();
    qToLittleEndian<qint16>(m.giorno, p);
    codificacampo(m.descrizione1, p + 2, larghezzadescrizione);
    codificacampo(m.descrizione2, p + 52, larghezzadescrizione);
    qToLittleEndian<qint16>(m.segno, p + 102);
    qToLittleEndian<qint64>(m.importo, p + 104);
    qToLittleEndian<qint16>(m.conto, p + 112);
    qToLittleEndian<qint16>(m.ditta, p + 114);
    qToLittleEndian<qint16>(m.contatto, p + 116);
    return r;
}

Movimento decodifica(const char *r)
{
    Movimento m;
    m.giorno = giorno(r);
    m.descrizione1 = decodificatesto(descrizione1(r), larghezzadescrizione);
    m.descrizione2 = decodificatesto(descrizione2(r), larghezzadescrizione);
    m.segno = segno(r);
    m.importo = importo(r);
    m.conto = conto(r);
    m.ditta = ditta(r);
    m.contatto = contatto(r);
    return m;
}

} // namespace movimento
