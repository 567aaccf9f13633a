#pragma once

class QFileDevice;

// An operating-system lock on a whole open file, held for the life of the object, so that
// two workstations appending to one shared file never compute the same record number.
// No lock file is ever created. Where the file system has no locks (some network shares)
// the work goes on unlocked, as it always did before locks existed.
class BloccoFile
{
  public:
    enum Tipo { Condiviso, Esclusivo };
    BloccoFile(QFileDevice &file, Tipo tipo);
    ~BloccoFile();
    BloccoFile(const BloccoFile &) = delete;
    BloccoFile &operator=(const BloccoFile &) = delete;

    // False when the lock failed for a reason other than "not supported"; errno-like code in
    // errore().
    bool ok() const { return esito == 0; }
    int errore() const { return esito; }

  private:
    QFileDevice &file;
    bool preso = false;
    int esito = 0;
};
