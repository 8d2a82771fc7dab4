#include "Norma43Reader.h"

#include "ReadOrRefuse.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <optional>
#include <utility>

namespace ledgora {

namespace {

using namespace Qt::StringLiterals;

constexpr qsizetype kRecordLength = 80;
constexpr int kMaxExtraConcepts = 5;

struct CodeName {
    QStringView code;
    QStringView name;
};

constexpr CodeName kConcepts[] = {
    {u"01", u"Talones/Reintegros"},
    {u"02", u"Abonarés/Entregas/Ingresos"},
    {u"03", u"Domiciliados/Recibos/Letras"},
    {u"04", u"Giros/Transferencias/Traspasos/Cheques"},
    {u"05", u"Amortizaciones préstamos"},
    {u"06", u"Remesas efectos"},
    {u"07", u"Suscripciones/Div. pasivos/Canjes"},
    {u"08", u"Div. cupones/Prima junta/Amortizaciones"},
    {u"09", u"Operaciones de bolsa y/o compra/venta valores"},
    {u"10", u"Cheques gasolina"},
    {u"11", u"Cajero automático"},
    {u"12", u"Tarjetas"},
    {u"13", u"Moneda extranjera"},
    {u"14", u"Devoluciones e impagados"},
    {u"15", u"Nóminas/Seguros sociales"},
    {u"16", u"Timbres"},
    {u"17", u"Intereses/Comisiones/Custodia/Gastos e impuestos"},
    {u"98", u"Anulaciones/Correcciones asiento"},
    {u"99", u"Varios"},
};

// The currencies a Spanish business meets, and the peseta of the files before 2002.
constexpr CodeName kCurrencies[] = {
    {u"978", u"EUR"}, {u"840", u"USD"}, {u"826", u"GBP"}, {u"756", u"CHF"}, {u"392", u"JPY"},
    {u"124", u"CAD"}, {u"036", u"AUD"}, {u"752", u"SEK"}, {u"578", u"NOK"}, {u"208", u"DKK"},
    {u"985", u"PLN"}, {u"203", u"CZK"}, {u"348", u"HUF"}, {u"946", u"RON"}, {u"156", u"CNY"},
    {u"484", u"MXN"}, {u"986", u"BRL"}, {u"504", u"MAD"}, {u"724", u"ESP"},
};

template <std::size_t N>
std::optional<QString> lookUp(const CodeName (&table)[N], QStringView code) {
    for (const CodeName& entry : table) {
        if (entry.code == code)
            return entry.name.toString();
    }
    return std::nullopt;
}

QString currencyCode(QStringView number) {
    return number.isEmpty() ? u"EUR"_s : lookUp(kCurrencies, number).value_or(number.toString());
}

bool allDigits(QStringView text) {
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

// A reference that is empty, or nothing but zeros as some banks fill a blank one.
bool isBlankReference(QStringView reference) {
    return std::all_of(reference.begin(), reference.end(), [](QChar c) { return c == u'0'; });
}

// Adds one 38-character half of a 23 record to the text before it. The bank cuts its text
// into halves wherever the 38 characters end, in the middle of a word too: a full half runs on
// into the next one, while a half that ends in blanks ended its word there, and its blanks
// become one.
void appendHalf(QString& text, QStringView half) {
    const bool endsWord = half.endsWith(u' ');
    while (half.endsWith(u' '))
        half.chop(1);
    while ((text.isEmpty() || text.endsWith(u' ')) && half.startsWith(u' '))
        half = half.mid(1);
    text += half;
    if (endsWord && !text.isEmpty() && !text.endsWith(u' '))
        text += u' ';
}

enum class DateOrder { YearFirst, DayFirst };

// Six digits read in the given order; an invalid date when they are not one.
QDate sixDigitDate(QStringView digits, DateOrder order) {
    if (digits.size() != 6 || !allDigits(digits))
        return {};
    const int first = digits.left(2).toInt();
    const int last = digits.right(2).toInt();
    const int year = order == DateOrder::YearFirst ? first : last;
    const int day = order == DateOrder::YearFirst ? last : first;
    return QDate(year < 80 ? 2000 + year : 1900 + year, digits.mid(2, 2).toInt(), day);
}

// The file's text without its trailing ends. A trailing Ctrl-Z (the old end-of-file mark) is
// dropped, and control characters but the line ends, a CR before LF among them, become blanks.
QString decodedText(QByteArray bytes) {
    while (bytes.endsWith('\x1A') || bytes.endsWith('\n') || bytes.endsWith('\r'))
        bytes.chop(1);
    QString text =
        QByteArrayView(bytes).isValidUtf8() ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
    for (QChar& c : text) {
        if (c.unicode() < 0x20 && c != u'\n')
            c = u' ';
    }
    return text;
}

// One pass over the records, building the statements and checking each group as it closes.
class Norma43Parser {
    Q_DECLARE_TR_FUNCTIONS(Norma43Reader)

public:
    explicit Norma43Parser(const QByteArray& bytes)
        : text_(decodedText(bytes)), lines_(QStringView(text_).split(u'\n')) {}

    StatementFile run();
    StatementRefusal refusal(const QString& reason) const {
        return {at_, tr("Línea %1: %2.").arg(at_).arg(reason)};
    }

private:
    [[noreturn]] void refuse(const QString& reason) const { throw refusal(reason); }
    // Positions are counted from 1, as the format describes them.
    QStringView field(int from, int to) const { return record_.mid(from - 1, to - from + 1); }
    QString text(int from, int to) const { return field(from, to).trimmed().toString(); }
    qint64 number(int from, int to, const char* what) const;
    // Every amount is 14 digits of cents.
    Money amount(int from, const char* what) const {
        return Money::fromUnits(number(from, from + 13, what) * 100);
    }
    bool isDebit(int at) const;
    // A balance and whether its sign is one of 1 and 2. Some banks write 0 or a blank for a
    // sign: such a balance is taken as a credit until the account's 33 settles its sign.
    std::pair<Money, bool> balance(int signAt, int from, const char* what) const;
    void settleBalanceSigns(BankStatement& account, bool closingSigned) const;
    QDate date(int from, const char* what) const;
    DateOrder dateOrder() const;

    void openAccount();
    void addMovement();
    void addExtraConcept();
    void addEquivalent();
    void closeAccount();
    void endFile(qint64 counted) const;
    BankStatement& statement() { return file_.statements.last(); }

    QString text_;
    QList<QStringView> lines_; // in text_
    QStringView record_;       // a line, or a short one made up to 80 in padded_
    QString padded_;
    qint64 at_ = 0;
    DateOrder order_ = DateOrder::YearFirst;
    StatementFile file_;
    bool inAccount_ = false;  // between an 11 and its 33
    bool inMovement_ = false; // after a 22, where its 23 and 24 go
    int extraConcepts_ = 0;
    bool equivalent_ = false;
    bool header_ = false;       // the file began with a 00
    bool openingSigned_ = true; // the 11's balance had a sign 1 or 2
    QString extraText_;         // the 23 records' texts of the movement, as they run on
};

StatementFile Norma43Parser::run() {
    order_ = dateOrder();
    qint64 counted = 0; // records but 00 and 88, as the 88 counts them
    bool ended = false;
    for (at_ = 1; at_ <= lines_.size(); ++at_) {
        const QStringView line = lines_[at_ - 1];
        if (line.trimmed().isEmpty())
            continue;
        if (!line.mid(kRecordLength).trimmed().isEmpty())
            refuse(tr("la línea pasa de 80 caracteres"));
        if (ended)
            refuse(tr("hay registros después del registro 88 de final de archivo"));
        if (line.size() >= kRecordLength) {
            record_ = line.left(kRecordLength);
        } else {
            padded_ = line.toString().leftJustified(kRecordLength);
            record_ = padded_;
        }
        const QStringView code = field(1, 2);
        if (code == u"00") {
            if (counted > 0)
                refuse(tr("el registro 00 de cabecera solo puede ir al principio"));
            header_ = true;
            continue;
        }
        if (code == u"88") {
            endFile(counted);
            ended = true;
            continue;
        }
        ++counted;
        if (code == u"11")
            openAccount();
        else if (code == u"22")
            addMovement();
        else if (code == u"23")
            addExtraConcept();
        else if (code == u"24")
            addEquivalent();
        else if (code == u"33")
            closeAccount();
        else
            refuse(tr("el tipo de registro «%1» no es de Norma 43").arg(code.toString()));
    }
    at_ = lines_.size();
    if (inAccount_)
        refuse(tr("la última cuenta no tiene registro 33 de final"));
    // Some banks end the file at the last 33; a file without any account is not a statement.
    if (!ended && counted == 0)
        refuse(tr("falta el registro 88 de final de archivo"));
    return std::move(file_);
}

qint64 Norma43Parser::number(int from, int to, const char* what) const {
    const QStringView digits = field(from, to);
    if (!allDigits(digits))
        refuse(tr("%1 no es un número").arg(tr(what)));
    return digits.toLongLong();
}

bool Norma43Parser::isDebit(int at) const {
    const QChar sign = record_[at - 1];
    if (sign != u'1' && sign != u'2')
        refuse(tr("el signo no es 1 (cargo) ni 2 (abono)"));
    return sign == u'1';
}

std::pair<Money, bool> Norma43Parser::balance(int signAt, int from, const char* what) const {
    const Money value = amount(from, what);
    const QChar sign = record_[signAt - 1];
    if (sign != u'1' && sign != u'2')
        return {value, value.isZero()};
    return {sign == u'1' ? -value : value, true};
}

QDate Norma43Parser::date(int from, const char* what) const {
    const QDate date = sixDigitDate(field(from, from + 5), order_);
    if (!date.isValid())
        refuse(tr("%1 no es una fecha (%2)").arg(tr(what), field(from, from + 5).toString()));
    return date;
}

DateOrder Norma43Parser::dateOrder() const {
    // How badly the file reads in one order: a date that is not one, an operation date outside
    // its account's period and a period longer than a year are misfits; then, as a wrong order
    // stretches a month into years, how long the periods are.
    auto fit = [this](DateOrder order) {
        qint64 misfits = 0;
        qint64 periodDays = 0;
        QDate start;
        QDate end;
        for (const QStringView record : lines_) {
            if (record.startsWith(u"11")) {
                start = sixDigitDate(record.mid(20, 6), order);
                end = sixDigitDate(record.mid(26, 6), order);
                const qint64 days = start.isValid() && end.isValid() ? start.daysTo(end) : -1;
                misfits += days < 0 || days > 366;
                periodDays += qAbs(days);
            } else if (record.startsWith(u"22")) {
                const QDate operation = sixDigitDate(record.mid(10, 6), order);
                misfits +=
                    !operation.isValid() || !sixDigitDate(record.mid(16, 6), order).isValid();
                misfits += operation.isValid() && start.isValid() && end.isValid() &&
                           (operation < start || operation > end);
            }
        }
        return std::pair{misfits, periodDays};
    };
    return fit(DateOrder::DayFirst) < fit(DateOrder::YearFirst) ? DateOrder::DayFirst
                                                                : DateOrder::YearFirst;
}

void Norma43Parser::openAccount() {
    if (inAccount_)
        refuse(tr("la cuenta anterior no tiene registro 33 de final"));
    BankStatement statement;
    statement.format = BankStatement::Format::Norma43;
    statement.bank = text(3, 6);
    statement.branch = text(7, 10);
    statement.account = text(11, 20);
    statement.startDate = date(21, QT_TR_NOOP("la fecha inicial"));
    statement.endDate = date(27, QT_TR_NOOP("la fecha final"));
    const auto [opening, openingSigned] = balance(33, 34, QT_TR_NOOP("el saldo inicial"));
    statement.openingBalance = opening;
    openingSigned_ = openingSigned;
    statement.currency = currencyCode(field(48, 50).trimmed());
    statement.holder = text(52, 77);
    // Room for the account's movements up to its 33, as a large statement grows to them.
    qsizetype movements = 0;
    for (qsizetype k = at_; k < lines_.size() && !lines_[k].startsWith(u"33"); ++k)
        movements += lines_[k].startsWith(u"22");
    statement.lines.reserve(movements);
    file_.statements.append(std::move(statement));
    inAccount_ = true;
    inMovement_ = false;
}

void Norma43Parser::addMovement() {
    if (!inAccount_)
        refuse(tr("un movimiento (registro 22) fuera de una cuenta (registros 11 a 33)"));
    BankLine& line = statement().lines.emplaceBack();
    line.originBranch = text(7, 10);
    line.operationDate = date(11, QT_TR_NOOP("la fecha de operación"));
    line.valueDate = date(17, QT_TR_NOOP("la fecha de valor"));
    line.commonConcept = text(23, 24);
    line.bankConcept = text(25, 27);
    line.side = isDebit(28) ? BankLine::Side::Debit : BankLine::Side::Credit;
    line.amount = amount(29, QT_TR_NOOP("el importe"));
    line.currency = statement().currency;
    line.documentNumber = text(43, 52);
    line.reference1 = text(53, 64);
    line.reference2 = text(65, 80);
    // Without 23 records, the references are all the bank wrote about the movement, as in
    // "ABONO COMP." and "TRU 30/1/2017" or a receipt's "PROV22".
    QStringList references;
    for (const QString& reference : {line.reference1, line.reference2}) {
        if (!isBlankReference(reference))
            references << reference;
    }
    line.text = references.join(u' ');
    extraText_.clear();
    line.sourceLine = at_;
    inMovement_ = true;
    extraConcepts_ = 0;
    equivalent_ = false;
}

void Norma43Parser::addExtraConcept() {
    if (!inMovement_ || extraConcepts_ == kMaxExtraConcepts)
        refuse(tr("un registro 23 de concepto complementario solo puede seguir a un 22, y cinco "
                  "como mucho"));
    ++extraConcepts_;
    appendHalf(extraText_, field(5, 42));
    appendHalf(extraText_, field(43, 80));
    if (!extraText_.isEmpty())
        statement().lines.last().text = extraText_.trimmed();
}

void Norma43Parser::addEquivalent() {
    if (!inMovement_ || equivalent_)
        refuse(
            tr("un registro 24 de equivalencia de divisa solo puede seguir a un 22, y uno solo"));
    equivalent_ = true;
    BankLine& line = statement().lines.last();
    line.equivalentCurrency = currencyCode(field(5, 7).trimmed());
    line.equivalentAmount = amount(8, QT_TR_NOOP("el importe equivalente"));
}

void Norma43Parser::closeAccount() {
    if (!inAccount_)
        refuse(tr("un registro 33 de final de cuenta sin su registro 11"));
    BankStatement& account = statement();
    if (text(3, 6) != account.bank || text(7, 10) != account.branch ||
        text(11, 20) != account.account)
        refuse(tr("el registro 33 es de otra cuenta que su registro 11"));
    const qint64 debitCount = number(21, 25, QT_TR_NOOP("el número de cargos"));
    const Money debits = amount(26, QT_TR_NOOP("el total de cargos"));
    const qint64 creditCount = number(40, 44, QT_TR_NOOP("el número de abonos"));
    const Money credits = amount(45, QT_TR_NOOP("el total de abonos"));
    const auto [closing, closingSigned] = balance(59, 60, QT_TR_NOOP("el saldo final"));
    account.closingBalance = closing;
    const QStringView currency = field(74, 76).trimmed();
    if (!currency.isEmpty() && currencyCode(currency) != account.currency)
        refuse(tr("la divisa del registro 33 no es la de su registro 11"));

    qint64 debitLines = 0;
    Money debitSum;
    Money creditSum;
    for (const BankLine& line : account.lines) {
        const bool debit = line.side == BankLine::Side::Debit;
        debitLines += debit;
        (debit ? debitSum : creditSum) += line.amount;
    }
    const qint64 creditLines = account.lines.size() - debitLines;
    if (debitCount != debitLines || creditCount != creditLines)
        refuse(tr("el registro 33 cuenta %1 cargos y %2 abonos, y la cuenta tiene %3 "
                  "y %4")
                   .arg(debitCount)
                   .arg(creditCount)
                   .arg(debitLines)
                   .arg(creditLines));
    if (debits != debitSum || credits != creditSum)
        refuse(tr("los totales de cargos y abonos del registro 33 no son la suma de sus "
                  "movimientos"));
    settleBalanceSigns(account, closingSigned);
    if (!account.balancesAgree())
        refuse(tr("el saldo final no cuadra con el inicial más los abonos menos los cargos"));
    account.fingerprintLines();
    account.sortLinesByDate();
    inAccount_ = false;
    inMovement_ = false;
}

void Norma43Parser::settleBalanceSigns(BankStatement& account, bool closingSigned) const {
    if (openingSigned_ && closingSigned)
        return;
    // A balance without its sign takes the one that makes the closing balance the opening one
    // plus the movements, a credit first when either does. When none does, the check of the
    // balances refuses the account.
    Money movements;
    for (const BankLine& line : account.lines)
        movements += line.signedAmount();
    auto signs = [](Money balance, bool known) {
        return known ? QList<Money>{balance} : QList<Money>{balance, -balance};
    };
    for (const Money opening : signs(*account.openingBalance, openingSigned_)) {
        for (const Money closing : signs(*account.closingBalance, closingSigned)) {
            if (opening + movements == closing) {
                account.openingBalance = opening;
                account.closingBalance = closing;
                return;
            }
        }
    }
}

void Norma43Parser::endFile(qint64 counted) const {
    if (inAccount_)
        refuse(tr("la cuenta no tiene registro 33 de final"));
    // The count leaves out 00 and 88, but some banks count the 88, or both, or are one short.
    const qint64 declared = number(21, 26, QT_TR_NOOP("el número de registros"));
    if (declared < counted - 1 || declared > counted + 1 + header_)
        refuse(tr("el registro 88 cuenta %1 registros y el archivo tiene %2")
                   .arg(declared)
                   .arg(counted));
}

} // namespace

StatementFile Norma43Reader::read(const QByteArray& bytes) {
    Norma43Parser parser(bytes);
    return readOrRefuse(parser);
}

QString Norma43Reader::conceptName(QStringView code) {
    return lookUp(kConcepts, code).value_or(QString());
}

} // namespace ledgora
