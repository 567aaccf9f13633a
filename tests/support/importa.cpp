#include "support/importa.h"

#include "app/stato.h"

#include <QTableWidget>

RigaEstratto riga(int g, int m, qint64 importo, const QString &d1, int a, const QString &d2)
{
    return {QDate(a, m, g), importo, d1, d2};
}

Estratto estratto(const QList<RigaEstratto> &righe, std::optional<qint64> inizio,
                  std::optional<qint64> fine, const QDate &data, const QString &conto)
{
    return {righe, inizio, fine, data, conto};
}

QStringList righetabella(const QWidget &f, const char *nome)
{
    const auto *g = f.findChild<QTableWidget *>(nome);
    QStringList out;
    for (int r = 0; r < g->rowCount(); ++r) {
        QStringList t;
        for (int k = 0; k < g->columnCount(); ++k) {
            const QTableWidgetItem *c = g->item(r, k);
            t << (k > 0 || g->columnCount() < 7             ? c->text()
                  : !(c->flags() & Qt::ItemIsUserCheckable) ? " "
                  : c->checkState() == Qt::Checked          ? "x"
                                                            : "-");
        }
        out << t.join('|');
    }
    return out;
}

std::string stati(const QWidget &f)
{
    QStringList s;
    for (const QString &riga : righetabella(f))
        s << riga.section('|', 0, 0) + riga.section('|', 6);
    return s.join(',').toStdString();
}

void apri(qint16 conto, const QString &anno)
{
    Stato &s = stato();
    s.annogestione = anno, s.dittacorrente = 1, s.contocorrente = conto;
}
