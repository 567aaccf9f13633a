#include "platform/dialoghi.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

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

QString sceglicartella(QWidget *padre, const QString &titolo)
{
    const QString scelta = QFileDialog::getExistingDirectory(padre, titolo, QDir::rootPath());
    return QDir::toNativeSeparators(scelta);
}
