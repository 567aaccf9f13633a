#include "platform/dialoghi.h"
#include "platform/percorsi.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QRegularExpression>

namespace {
const QString attenzione = QStringLiteral("Attenzione!");
}

void avviso(QWidget *padre, const QString &testo)
{
    QMessageBox box(QMessageBox::Warning, attenzione, testo, QMessageBox::Ok, padre);
    box.exec();
}

bool conferma(QWidget *padre, const QString &testo)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Conferma"), testo,
                    QMessageBox::Ok | QMessageBox::Cancel, padre);
    return box.exec() == QMessageBox::Ok;
}

QString chiedi(QWidget *padre, const QString &titolo, const QString &domanda)
{
    QInputDialog box(padre);
    box.setWindowTitle(titolo);
    box.setLabelText(domanda);
    box.setTextValue(QString());
    if (box.exec() != QDialog::Accepted)
        return {};
    return box.textValue();
}

QString salvacome(QWidget *padre, const QString &titolo, const QString &nome,
                  const QString &estensione)
{
    QString pulito = nome;
    pulito.replace(QRegularExpression(QStringLiteral("[\\s/\\\\:*?\"<>|]")), QStringLiteral("_"));
    const QString proposto =
        cartellautente() + QLatin1Char('/') + pulito + QLatin1Char('.') + estensione;
    QString file = QFileDialog::getSaveFileName(padre, titolo, proposto,
                                                titolo + QStringLiteral(" (*.%1)").arg(estensione));
    if (!file.isEmpty() && QFileInfo(file).suffix().isEmpty())
        file += QLatin1Char('.') + estensione;
    return file;
}

QString sceglicartella(QWidget *padre, const QString &titolo)
{
    const QString scelta = QFileDialog::getExistingDirectory(padre, titolo, QDir::rootPath());
    return QDir::toNativeSeparators(scelta);
}
