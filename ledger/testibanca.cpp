// The texts Italian banks write on a movement, kind by kind, and where the counterparty and the
// purpose stand in them. One table: each pattern beside a text it was written for.
#include "ledger/testibanca.h"

#include <QList>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <string>
#include <string_view>

namespace {

const char *const sdd = "Addebito diretto SEPA";
const char *const carta = "Pagamento con carta";
const char *const bonifico = "Bonifico";

// A pattern: chi is the counterparty's group, cosa the purpose's. segnali are the lower-case
// words one of which the text must hold ("^": at its start), so that an expression runs only
// where it may match: ten thousand rows are read in a few milliseconds.
struct Schema {
    const char *segnali; // alternatives separated by '|'
    const char *modello;
    const char *tipo;            // the kind of operation, the purpose where the text names none
    const char *fisso = nullptr; // the counterparty of a kind that names none
    bool divide = false;         // name and purpose unseparated: split after a legal form
};

// Order matters: a withdrawal names the bank's branch after "presso", a transfer's purpose may
// name an F24; the general shapes come after the banks' own.
const Schema schemi[] = {
    // PRELIEVO VPAY DEL 02/08/18 CARTA *5831 UNICREDIT ATM 0535 CAB 38230 MALTIGNANO (AP)
    // Prelevamento Carta N ***** Data operazione 27/5/2016 Ora 13:41
    {"^prel|^maxiprel|^pr.finecocard atm|^operazione atm",
     R"(^(?:prel|maxiprel|pr\.finecocard atm|operazione atm))", "Prelievo contanti", "Cassa"},
    // VERSAMENTO IN CONTANTI U.P. 10000 MILANO; Versamento Contanti Atm del 15/08/2021
    {"^versament", R"(^versament[oi]\b.*(?:contant|c/o poste))", "Versamento contanti", "Cassa"},

    // ADDEBITO SEPA DD PER FATTURA A VOSTRO CARICO Incasso PA00CDN0KQP6ZQ SDD da
    // GB66ZZZSDDBARC0000007495895019 GC re Mangopay mandato nr. YTRT6WW
    {"^addebito sepa dd",
     R"(^addebito sepa dd(?: per fattura a vostro carico)? ?/? ?(?:incasso \S+ )?(?:sdd da \S+ )?)"
     R"((?<chi>.+?)(?= mandato nr\b|$))",
     sdd},
    // Addebito diretto disposto a favore di A2A S P A MANDATO PMD000000000A0000 Cod. Disp. 01260
    {"addebito diretto disposto",
     R"(\baddebito diretto disposto a favore di:? (?<chi>.+?)(?= mandato\b| cod\. ?disp\.|$))",
     sdd},
    // Pagamento ADUE COD. DISP.:0123081741039786 NOME:COFIDIS S.A. - MANDATO:MNDT000000001P001
    {"nome:", R"(\bpagamento adue\b.*?\bnome: ?(?<chi>.+?)(?: -)?(?= mandato\b|$))", sdd},
    // ADDEBITO SDD CLOUD HOSTING LTD N: 1057087621/48 ID:0210000049513 Cod.Cl. K30/ Fatt. 1099
    {"^addebito sdd ",
     R"(^addebito sdd (?!core\b)(?<chi>.+?)(?= n: | id:| cod\.cl\.| fatt\.| deb:|$))"
     R"((?:.*?\b(?<cosa>fatt\. ?\S+))?)",
     sdd},
    // Addebito SDD CORE Scad. 29/03/2023 Imp. 5.99 Creditor id. IT46ZZZ0000013970161009 ILIAD
    // Id Mandato ILIAD-FR9HXO-1 Debitore ROSSI MARIO E BIANCHI ANNA
    {"creditor id",
     R"(^addebito sdd core\b.*?\bcreditor id\.? \S+ (?<chi>.+?)(?= id mandato\b| debitore\b|$))",
     sdd},
    // Addebito SDD CORE Scad. 02/01/2026 Imp. 780.76 Rif. PAGAMENTO RATA FIN. 0800000445 SCADENZA
    {"^addebito sdd core", R"(^addebito sdd core\b.*?\brif\.? (?<chi>.+))", sdd},
    // ADDEBITO DIRETTO SDD Postepay S.p. CID. XXXXXXXXXXXXIT 020623 MAN. XX
    // ADDEBITO PREAUTORIZZATO E ON ENERGIA CID.XXXXXXXXXXXXIT 100820 MAN. X
    {"^addebito diretto|^addebito preautorizzato",
     R"(^addebito (?:diretto sdd|diretto|preautorizzato) (?<chi>.+?)(?= ?cid\b| man\.|$))", sdd},
    // Wind-Tre Addebito SDD fattura a Vs caric o da xxx Mand xxx xxx Per xxx
    // SERVIZIO ELETTRICO NAZIONALE Addebito SD D fattura a Vs carico da xxx
    {" addebito sd", R"(^(?<chi>.+?) addebito s ?d ?d\b(?:.*?\bper (?<cosa>.+))?)", sdd},
    // Addebito Sepa Direct Debit transfer to PayPal Europe S.a.r.l. et Cie S.C.A diretto
    {"direct debit transfer to", R"(\bdirect debit transfer to (?<chi>.+?)(?= diretto$|$))", sdd},

    // Pagamento Tramite POS COOP LOMBARDIA S.C. VIA MIL20/06-19:10 - Carta n.1234 XXXX XXXX XX99
    {"^pagamento tramite pos ",
     R"(^pagamento tramite pos (?<chi>.+?)(?= ?\d\d/\d\d-\d\d:\d\d| - carta\b| carta n|$))", carta},
    // Farmacia Esempio 3 Pagamento su POS FARMACIA ESEMPIO 3 18/061832 Carta n.1234 XXXX XX99
    {"pagamento su pos ", R"(\bpagamento su pos (?<chi>.+?)(?= \d\d/\d{4,}| carta n|$))", carta},
    // PAGAMENTO POSTAMAT ALTRI GESTORI 20/08/2020 10.27 RICARICA HYPE BIELLA ITA OPERAZIONE AAAA
    {"^pagamento postamat",
     R"(^pagamento postamat\b.*?\d\d/\d\d/\d{4} \d\d\.\d\d (?<chi>.+?)(?= operazione\b|$))", carta},
    // Pag. del 30/09/25 ora 16:24 presso: BAR SPORT Carta N *****391
    // Pagamento POS EFFETTUATO IL 24/01/2024 ALLE ORE 02:27 MEDIANTE LA CARTA 1234 XXXX XXXX XX99
    // PRESSO RISTORANTE DA MARIO MILANO
    // Operazione VPAY del 08/05/2016 alle ore 17:48 con Carta xxxxxxxxxxxx5555 Div=EUR Importo
    // in divisa=29.3 / Importo in Euro=29.3 presso AVANZI AGRICOLA
    // Pagamento BANCOMAT PAY presso ESEMPIO SRL data: 16.04 ore: 22:54 identific.univoco ...
    {"presso",
     R"(^(?:pagamento\b|pag\.|operazione\b|trasferimento in accredito\b).*\bpresso:? (?<chi>.+?))"
     R"((?= - transazione\b| ?tasso di cambio\b| data: | ?car ?ta n| identific|$))",
     carta},
    // PAGAMENTO VPAY Contactless del 02/08/2018 CARTA *5831 DI EUR 40,74 ACQUA & SAPONE CASTEL
    {"^pagamento",
     R"(^pagamento\b.*? del \d\d/\d\d/\d{2,4} carta \*?\d+ di [a-z]{3} [\d.,]+ (?<chi>.+))", carta},
    // PAGAMENTO SU CIRCUITO INTERNAZIONALE HEALTHCARE DISTRICT ZX042 METROPOLIS ITA Operazione
    // carta ****8005 del 15.09.2025
    {"pagamento su circuito internazionale",
     R"(\bpagamento su circuito internazionale (?<chi>.+?)(?= operazione carta\b|$))", carta},
    // POS CARTA 01234567 DEL 27/03/17 ORE 13.19 C/O 123456700088 HOLDING DEI GIOCHI SPA - MILANO
    {" c/o ", R"(\bpos carta\b.*? c/o \d+ (?<chi>.+?)(?= - |$))", carta},
    // ... ESERCENTE : PIZZERIA DA GINO IMP. 24,00
    {"esercente", R"(\besercente ?: ?(?<chi>.+?)(?= imp\.|$))", carta},
    // Operazione POS ... NEXI *9342 importo 30,59 divisa 840 TST*PIZZA HOUSE FOH GA - Ann Arbor
    // (USA)
    {"^operazione pos",
     R"(^operazione pos\b.*?\bnexi \*\d+ (?:importo [\d.,]+ divisa \d+ )?(?<chi>.+?))"
     R"((?: ?- [^-]*\([a-z]{3}\))?$)",
     carta},
    // Pagam. POS - 12/03 ORE 12:30 - BAR CENTRALE CARTA 1234
    {"^pagam. pos", R"(^pagam\. pos - .*?\d\d[:.]\d\d - (?<chi>.+?)(?= carta\b|$))", carta},

    // BONIFICO o/c: ACME CONSULTING SRL ABI-CAB: 03015-03200 a favore di Example Recipient Num.
    // Bon.Sepa 252531000195141 Note di cortesia
    {"o/c",
     R"(\bo/c:? (?<chi>.+?)(?= abi-cab\b| bic\b| iban\b| a favore di\b| note:|$))"
     R"((?:.*?(?:num\. bon\.sepa \S+|note:) ?(?<cosa>.+))?)",
     bonifico},
    // Stipendio O Pensione COD.DISP. 0126071612960647 SALA SALDO CEDOLINO GIUGNO 2026 Bonifico a
    // Vostro favore disposto da MITT. ESEMPIO S.P.A. BENEF. ROSSI MARIO BIC. ORD. XXXXITXXXXX
    {"mitt.",
     R"(^.*?(?:cod\. ?disp\.:? ?\d+ (?:[a-z]{4} )?(?<cosa>.*?) )?bonifico a vostro favore )"
     R"(disposto da:? mitt\.:? ?(?<chi>.+?)(?= benef\.| cod\. ?disp\.| bic\. ord\.|$))",
     bonifico},
    // Ord: GSE S.P.A. Ben: ROSSI MARIO Dt -ord: 22/06/2017 Banca Ord: xxx Info-Cli: FT: 2018087
    {"^ord:", R"(^ord: ?(?<chi>.+?) ben: (?:.*?\binfo-cli: ?(?<cosa>.+))?)", bonifico},
    // Ben: ROSSI MARIO Ins: 30/07/2016 11 :42 Da: INTERNET Iban 4444 TransID: 3333 Cau: Saldo cene
    {"^ben:", R"(^ben: ?(?<chi>.+?) ins: (?:.*?\bcau: ?(?<cosa>.+))?)", bonifico},
    // Bonifico N. *** BIC Ordinante IBSPIT2PXXX Data Ordine Codifica Ordinante IT*** Anagrafica
    // Ordinante ROSSI MARIO Note: GIROCONTO
    {"anagrafica ordinante",
     R"(\banagrafica ordinante (?<chi>.+?)(?= note:|$)(?: note: ?(?<cosa>.+))?)", bonifico},
    // GIROCONTO/BONIFICO ORD: AMUNDI SGR DT.ORD: 12/03/2024
    {"ord:", R"(\bord: ?(?<chi>.+?)(?= dt\.ord:| filiale\b| bon\.|$))", bonifico},
    // Pagamento CBILL PAGO PA a favore di COMUNE DI MILANO di importo 30,00 ... CAUSALE: TARI
    {"cbill",
     R"(\bcbill\b.*?\ba favore di:? (?<chi>.+?)(?= di importo\b|$)(?:.*?\bcausale: ?(?<cosa>.+))?)",
     "Pagamento CBILL"},
    // BONIFICO DA VOI DISPOSTO NOP 02272737401 A FAVORE DI e distribuzione C. BENEF.
    // IT69K0306902117100000009741 NOTE: Corrispettivo pratica n. ***
    // ADDEBITO BON IST 0126040163715700 Bonifico da Voi disposto a favore di: Prestitalia s.p.a.
    // Seconda rata numero di contratto (4900368489)
    {"a favore di|a fav ",
     R"(^.*\ba fav(?:ore di:?|ore)? (?<chi>.+?))"
     R"((?= c\. ?benef\.| iban\b| mandato\b| di importo\b| num\.| note:|$))"
     R"((?:.*?\bnote: ?(?<cosa>.+))?)",
     bonifico, nullptr, true},
    // BONIFICO A VOSTRO FAVORE BONIFICO SEPA DA ROSSI MARIO PER BIGLIETTO COMM 0,00 SPESE 0,00
    // TRN 1001182142031039
    {"^bonifico|^postagiro|^primo bonifico",
     R"(^(?:primo )?(?:bonifico|postagiro)\b.*?\b(?:da(?! voi\b)|benef\.?|ordine/conto) )"
     R"((?<chi>.+?)(?: per (?<cosa>.+?))?(?= comm\b| trn\b| va [a-z]{2}\d\d| cro\b|$))",
     bonifico},
    // HAI RICEVUTO UN BONIFICO DA ROSSI MARIO - Cena
    {"hai ricevuto un bonifico da|hai inviato un bonifico a",
     R"(^hai (?:ricevuto un bonifico da|inviato un bonifico a) (?<chi>.+?)(?: - (?<cosa>.+))?$)",
     bonifico},
    // Incoming transfer from PayPal Europe S.a.r.l. et Cie S.C.A
    {"^incoming transfer from|^outgoing transfer for",
     R"(^(?:incoming transfer from|outgoing transfer for) (?<chi>.+))", bonifico},
    // Trasferimento denaro BANCOMAT Pay Da ROSSI MARIO data: 15.12 ore: 21:42 identific.univoco
    {"bancomat pay", R"(\btrasferimento denaro bancomat pay (?:da|verso) (?<chi>.+?)(?= data:|$))",
     bonifico},
    // PAGAMENTI DIVERSI DA INTERNET BANKING E CSA PAGAMENTO BOLLETTINO POSTALE 42025138800 DEL
    // 22/06/2025 TRAMITE I.B. / CSA TIPO : 896 CCPOST : 000000000000 CREDITORE: UTILITY S.P.A.
    {"creditore:", R"(\bcreditore: ?(?<chi>.+))", "Bollettino postale"},

    // Merchant first, the card after it (Fineco's Visa Debit):
    // REPSOL DISTRIBUTORE VIGONZA ITCarta N. *****513Data operazione 18/06/2016
    {"carta n", R"(^(?<chi>.+?) ?(?:it)?car ?ta n[.°]? ?\*)", carta},

    // ADDEBITO DELEGA F24 - HB-NET 068 97826900157 ADD.DELEGA F24 HB-NET
    {"f24|deleghe fisco|delega unica", R"(\bf24\b|deleghe fisco|delega unica)", "Delega F24",
     "Erario"},
    // Addebito Saldo E/c Carta; ADDEBITO ACQUISTI EFFETTUATI CON CARTA DI CREDITO
    {"saldo e/c carta|acquisti effettuati con carta di credito|utilizzo carte di credito",
     R"(saldo e/c carta|acquisti effettuati con carta di credito|utilizzo carte di credito)",
     "Saldo carta di credito", "Carta di credito"},
    // COMMISSIONI - PROVVIGIONI - SPESE; IMPOSTA BOLLO CONTO CORRENTE DPR642/72-DM24/5/2012;
    // COMPETENZE (INTERESSI/ONERI); Canone Mensile Base E Servizi Aggiuntivi
    {"^competenze|^commission|^comm.|^commiss.|^spese|^canone|^imposta|^bolli|^interessi|"
     "^oneri|^recupero spese|^costo|^maggiorazione|^sconto canone|^ritenute",
     R"(^(?<cosa>(?:competenze|commission[ei]|comm\.|commiss\.|spese\b|canone\b|imposta\b|bolli?\b)"
     R"(|interessi\b|oneri\b|recupero spese|costo\b|maggiorazione\b|sconto canone|ritenute\b).*))",
     "Spese bancarie", "Banca"},
};

// The kinds a two-column export writes in a column of their own: beside them the details column
// names the counterparty, where a file's own name column would be kept.
const QRegularExpression &solotipo()
{
    static const QRegularExpression e(
        QStringLiteral(
            R"(^(?:pagobancomat pos|(?:pagamento )?visa debit|sepa direct debit|bonifico sepa )"
            R"(italia|bonifico(?: istantaneo| disposto.*| in euro.*)?|pagamento adue|pagamento )"
            R"((?:tramite |su |effettuato su )?pos(?: estero)?|accredito beu.*|accredito )"
            R"(bonifico.*|beu tramite internet banking|stipendio o pensione|pagamento utenze|)"
            R"(giroconto/bonifico|accredito emolumenti|pagamento carta|prelievo carta|)"
            R"(vs\.disposizione|pagamenti diversi|pagament mezzo p\.o\.s\.|addebito diretto|)"
            R"(addebito sdd|pagamento mastercard|utilizzo carta di credito|entrata|)"
            R"(trasferimento in uscita|sdd)$)"),
        QRegularExpression::CaseInsensitiveOption);
    return e;
}

struct Compilato {
    QList<std::string> ovunque, allinizio;
    QRegularExpression e;
    const Schema *schema;
};

const QList<Compilato> &compilati()
{
    static const QList<Compilato> c = [] {
        QList<Compilato> out;
        for (const Schema &s : schemi) {
            Compilato k{{},
                        {},
                        QRegularExpression(QString::fromUtf8(s.modello),
                                           QRegularExpression::CaseInsensitiveOption),
                        &s};
            for (const QString &segnale : QString::fromUtf8(s.segnali).split(u'|'))
                (segnale.startsWith(u'^') ? k.allinizio : k.ovunque)
                    .append(segnale.mid(segnale.startsWith(u'^') ? 1 : 0).toStdString());
            k.e.optimize();
            out.append(std::move(k));
        }
        return out;
    }();
    return c;
}

// The text in lower-case ASCII, other characters as they are, for the cheap look for signals.
std::string minuscolo(const QString &testo)
{
    std::string s = testo.toUtf8().toStdString();
    for (char &c : s)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return s;
}

bool segnalato(const Compilato &k, std::string_view testo)
{
    for (const std::string &s : k.allinizio)
        if (testo.substr(0, s.size()) == s)
            return true;
    for (const std::string &s : k.ovunque)
        if (testo.find(s) != std::string_view::npos)
            return true;
    return false;
}

bool cifra(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// A card number or account masked ("*5831", "XXXX", "XX99", "xxxxxxxxxxxx5555", "*****").
bool mascherato(QStringView t)
{
    qsizetype segni = 0;
    for (QChar c : t) {
        if (c == u'*' || c == u'X' || c == u'x')
            ++segni;
        else if (!cifra(c))
            return false;
    }
    return segni > 0 && (t.contains(u'*') || segni >= 2);
}

// A reference, a date, a time or an amount: digits with only separators between them, or a
// number too long to be part of a name.
bool numerico(QStringView t)
{
    qsizetype cifre = 0, altri = 0;
    for (QChar c : t) {
        if (cifra(c))
            ++cifre;
        else if (QStringView(u"/.:-,'").contains(c))
            ++altri;
        else
            return false;
    }
    return cifre >= 6 || (cifre > 0 && altri > 0);
}

// An IBAN or a SEPA creditor id, masked or not: two letters, then letters and digits, long.
bool iban(QStringView t)
{
    if (t.size() < 15 || !t[0].isLetter() || !t[1].isLetter())
        return false;
    qsizetype cifre = 0;
    for (QChar c : t) {
        if (!c.isLetterOrNumber() && c != u'*')
            return false;
        cifre += cifra(c);
    }
    return cifre >= 5;
}

bool fra(QStringView t, std::initializer_list<const char *> parole)
{
    for (const char *p : parole)
        if (t.compare(QLatin1String(p), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool indirizzo(QStringView t)
{
    return t.size() <= 8 &&
           fra(t, {"via", "v.le", "viale", "piazza", "p.za", "p.zza", "corso", "c.so", "largo",
                   "loc.", "strada", "vicolo", "piazzale", "p.le"});
}

bool paese(QStringView t)
{
    return fra(t, {"it", "ita"}) ||
           (t.size() >= 4 && t.size() <= 5 && t.front() == u'(' && t.back() == u')');
}

// A legal form closes a name: "s.p.a.", "SRL", "Ltd".
bool formagiuridica(QStringView t)
{
    QString senzapunti = t.toString();
    senzapunti.remove(u'.');
    return fra(senzapunti, {"spa", "srl", "snc", "sas", "ltd", "gmbh"});
}

QString unite(const QList<QStringView> &parole)
{
    QString t;
    for (QStringView p : parole)
        (t.isEmpty() ? t : t += u' ') += p;
    return t;
}

QString spunta(QString t)
{
    static const QString bordo = QStringLiteral(" -,;:/");
    while (!t.isEmpty() && bordo.contains(t.back()))
        t.chop(1);
    while (!t.isEmpty() && bordo.contains(t.front()))
        t.remove(0, 1);
    return t;
}

// The counterparty without the noise its pattern left: masks, references, dates and times, an
// acquirer's prefix, an address, a postal code and a country after the name. Where nothing
// else tells the name from the purpose (divide), the words after a legal form are the purpose.
QString ripuliscinome(const QString &nome, bool divide, QString &causale)
{
    static const QRegularExpression acquirente(
        QStringLiteral(R"(^(?:tst\*|sq \*|sumup \*|paypal \*|nexi ?\*) ?)"),
        QRegularExpression::CaseInsensitiveOption);
    const QString testo = nome.contains(u'*') ? QString(nome).remove(acquirente) : nome;
    QList<QStringView> tenute;
    qsizetype forma = -1;
    for (QStringView p : QStringView(testo).tokenize(u' ', Qt::SkipEmptyParts)) {
        if (!tenute.isEmpty() && indirizzo(p))
            break;
        if (tenute.size() >= 2 && p.size() == 5 && std::all_of(p.begin(), p.end(), cifra))
            break; // a postal code: the place follows
        if (mascherato(p) || numerico(p) || iban(p))
            continue;
        if (divide && forma < 0 && !tenute.isEmpty() && formagiuridica(p))
            forma = tenute.size() + 1;
        tenute.append(p);
    }
    if (forma > 0 && forma < tenute.size() && causale.isEmpty()) {
        causale = unite(tenute.mid(forma));
        tenute.resize(forma);
    }
    while (tenute.size() > 1 && paese(tenute.back()))
        tenute.removeLast();
    return spunta(unite(tenute));
}

// The purpose without the bank's references, masks and fee fields of the transfer itself.
QString ripuliscicausale(const QString &causale)
{
    static const QRegularExpression rumore(
        QStringLiteral(R"(\b(?:trn|cro|nop|transid:|cid\.?|man\.|cod\. ?disp\.:?) ?\S+|)"
                       R"(\bcomm\.? [\d.,]+ spese [\d.,]+)"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression pagopa(QStringLiteral(R"(^/pur/([^/]+)/uri/.*$)"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const char *const segnali[] = {"trn", "cro",  "nop",  "transid",
                                          "cid", "man.", "disp", "comm"};
    QString t = causale;
    for (const char *segnale : segnali)
        if (t.contains(QLatin1String(segnale), Qt::CaseInsensitive)) {
            t.remove(rumore);
            break;
        }
    if (t.startsWith(u'/'))
        t.replace(pagopa, QStringLiteral("\\1"));
    QList<QStringView> tenute;
    for (QStringView p : QStringView(t).tokenize(u' ', Qt::SkipEmptyParts))
        if (!mascherato(p) && !iban(p))
            tenute.append(p);
    return spunta(unite(tenute));
}

struct Letto {
    bool conosciuto = false; // a pattern knows the text
    bool causale = false;    // and it names the purpose, not only the kind
    Testobanca testo;
};

// The bank's phrase prefixes that carry nothing: UniCredit's internal id, MPS's causale code.
QString senzaprefissi(const QString &testo)
{
    static const QRegularExpression prefisso(QStringLiteral(R"(^(?:\d{15},\d{6} |\(\d\d\) ))"));
    return testo.simplified().remove(prefisso);
}

Letto leggi(const QString &grezzo)
{
    const QString testo = senzaprefissi(grezzo);
    // No bank writes more on a movement: a longer text is kept whole, and no expression ever
    // spends more than a moment on it.
    if (testo.isEmpty() || testo.size() > 1000)
        return {};
    const std::string minuscole = minuscolo(testo);
    for (const Compilato &k : compilati()) {
        if (!segnalato(k, minuscole))
            continue;
        const QRegularExpressionMatch m = k.e.match(testo);
        if (!m.hasMatch())
            continue;
        const Schema &s = *k.schema;
        Letto l{true, false, {}};
        QString cosa = m.captured(QStringLiteral("cosa")).trimmed();
        const QString chi = m.captured(QStringLiteral("chi")).trimmed();
        l.testo.controparte =
            s.fisso ? QString::fromUtf8(s.fisso) : ripuliscinome(chi, s.divide, cosa);
        l.testo.causale = ripuliscicausale(cosa);
        l.causale = !l.testo.causale.isEmpty();
        if (!l.causale)
            l.testo.causale = QString::fromUtf8(s.tipo);
        return l;
    }
    return {};
}

} // namespace

Testobanca leggitestobanca(const RigaEstratto &riga)
{
    const Letto primo = leggi(riga.descrizione1);
    if (!primo.testo.controparte.isEmpty()) {
        Testobanca t = primo.testo;
        // The remittance in a text of its own is the purpose the first one lacked.
        const Letto secondo = leggi(riga.descrizione2);
        const QString resto = secondo.conosciuto ? secondo.testo.causale
                                                 : ripuliscicausale(riga.descrizione2.simplified());
        if (!primo.causale && !resto.isEmpty())
            t.causale = resto;
        return t;
    }
    const Letto secondo = leggi(riga.descrizione2);
    if (secondo.testo.controparte.isEmpty())
        return {};
    Testobanca t = secondo.testo;
    const QString primotesto = riga.descrizione1.simplified();
    // A name of the file's own is the counterparty; a kind beside the details is not.
    if (!primotesto.isEmpty() && !primo.conosciuto && !solotipo().match(primotesto).hasMatch())
        t.controparte = primotesto;
    return t;
}
