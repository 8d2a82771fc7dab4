#include "Mt940Reader.h"

#include "ReadOrRefuse.h"
#include "StatementText.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <utility>

namespace ledgora {

namespace {

using namespace Qt::StringLiterals;

constexpr qsizetype kLineLength = 65;     // of a :86: line
constexpr qsizetype kSubfieldLength = 27; // of a structured :86:'s ?20 and the others

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool allDigits(QStringView text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), isDigit);
}

bool isCapital(QChar c) {
    return c >= u'A' && c <= u'Z';
}

// The tag of a field's first line (":61:" gives "61", ":NS:" "NS"), or empty when the line is
// no field's first: two digits or capitals and an optional capital between colons.
QString fieldTag(QStringView line) {
    const qsizetype end = line.indexOf(u':', 1);
    if (!line.startsWith(u':') || (end != 3 && end != 4))
        return {};
    const QStringView tag = line.mid(1, end - 1);
    for (qsizetype k = 0; k < tag.size(); ++k) {
        if (!isCapital(tag[k]) && (k == 2 || !isDigit(tag[k])))
            return {};
    }
    return tag.toString();
}

// Adds a piece of text as the bank cut it to the text before it: a piece that fills its
// `full` length runs on into the next one, as banks cut within words; a shorter one ended its
// word.
void appendPiece(QString& text, QStringView piece, qsizetype full) {
    const bool runsOn = piece.size() >= full && !piece.endsWith(u' ');
    piece = piece.trimmed().isEmpty() ? QStringView() : piece;
    while (piece.endsWith(u' '))
        piece.chop(1);
    while ((text.isEmpty() || text.endsWith(u' ')) && piece.startsWith(u' '))
        piece = piece.mid(1);
    text += piece;
    if (!runsOn && !text.isEmpty() && !text.endsWith(u' '))
        text += u' ';
}

// A field: its tag, its lines (the first without the tag) and the line of the file it starts.
struct Field {
    QString tag;
    QStringList lines;
    qint64 line = 0;
};

class Mt940Parser {
    Q_DECLARE_TR_FUNCTIONS(Mt940Reader)

public:
    explicit Mt940Parser(const QByteArray& bytes) : text_(statementText(bytes)) {}

    StatementFile run();
    StatementRefusal refusal(const QString& reason) const {
        return {at_, tr("Línea %1: %2.").arg(at_).arg(reason)};
    }

private:
    struct Balance {
        Money amount; // signed
        QDate date;
        QString currency;
    };

    [[noreturn]] void refuse(const QString& reason) const { throw refusal(reason); }
    QList<Field> fields();
    void take(const Field& field);
    void finishStatement();
    void readAccount(QStringView text);
    Balance balance(QStringView text, const char* what) const;
    void openingBalance(const Field& field);
    void closingBalance(const Field& field);
    void addLine(const Field& field);
    void addInformation(const Field& field);
    Money amount(QStringView text, const char* what) const;
    QDate date(QStringView digits, const char* what) const;

    QString text_;
    qint64 at_ = 0;
    StatementFile file_;
    BankStatement statement_;
    bool inStatement_ = false; // after a :20:
    qint64 statementLine_ = 0;
    bool opened_ = false;    // its opening balance was read
    bool closed_ = false;    // its closing balance was read
    bool afterLine_ = false; // the field before was a :61:, whose :86: may follow
};

StatementFile Mt940Parser::run() {
    for (const Field& field : fields()) {
        at_ = field.line;
        take(field);
    }
    if (inStatement_)
        finishStatement();
    if (file_.statements.isEmpty())
        refuse(tr("el archivo no tiene ningún extracto MT940 (:20:)"));
    return std::move(file_);
}

QList<Field> Mt940Parser::fields() {
    QList<Field> fields;
    bool inField = false;
    const QList<QStringView> lines = QStringView(text_).split(u'\n');
    for (qsizetype k = 0; k < lines.size(); ++k) {
        QStringView line = lines[k];
        while (!line.isEmpty() && line.back().isSpace())
            line.chop(1);
        if (line.isEmpty())
            continue;
        // The blocks around a message: "{1:...}{2:...}{4:" before its fields, "-}" after them,
        // or a "-" alone between bare messages.
        if (line.startsWith(u'{') || line.startsWith(u"-}") || line == u"-") {
            inField = false;
            const qsizetype body = line.indexOf(u"{4:");
            if (body < 0 || line.mid(body + 3).trimmed().isEmpty())
                continue;
            line = line.mid(body + 3);
        }
        const QString tag = fieldTag(line);
        if (!tag.isEmpty()) {
            fields.append({tag, {line.mid(tag.size() + 2).toString()}, k + 1});
            inField = true;
        } else if (inField) {
            fields.last().lines.append(line.toString());
        }
        // Anything else is a bank's own line before a message, passed over.
    }
    at_ = lines.size();
    return fields;
}

void Mt940Parser::take(const Field& field) {
    const bool followsLine = std::exchange(afterLine_, false);
    if (field.tag == u"20") {
        if (inStatement_)
            finishStatement();
        at_ = field.line;
        statement_ = BankStatement();
        statement_.format = BankStatement::Format::Mt940;
        inStatement_ = true;
        statementLine_ = field.line;
        opened_ = closed_ = false;
        return;
    }
    if (!inStatement_)
        refuse(tr("el campo :%1: va antes del :20: que empieza el extracto").arg(field.tag));
    if (field.tag == u"25")
        readAccount(field.lines.first());
    else if (field.tag == u"60F" || field.tag == u"60M")
        openingBalance(field);
    else if (field.tag == u"61")
        addLine(field);
    else if (field.tag == u"86" && followsLine)
        addInformation(field);
    else if (field.tag == u"62F" || field.tag == u"62M")
        closingBalance(field);
    afterLine_ = field.tag == u"61";
}

void Mt940Parser::finishStatement() {
    at_ = statementLine_;
    if (statement_.accountKey().isEmpty())
        refuse(tr("el extracto no tiene cuenta (:25:)"));
    if (!opened_)
        refuse(tr("el extracto no tiene saldo inicial (:60F:)"));
    if (!closed_)
        refuse(tr("el extracto no tiene saldo final (:62F:)"));
    for (BankLine& line : statement_.lines)
        line.currency = statement_.currency;
    statement_.fingerprintLines();
    statement_.sortLinesByDate();
    file_.statements.append(std::move(statement_));
    inStatement_ = false;
}

void Mt940Parser::readAccount(QStringView text) {
    text = text.trimmed();
    const qsizetype slash = text.indexOf(u'/');
    QStringView number = text;
    if (slash >= 0) {
        statement_.bank = text.left(slash).trimmed().toString();
        number = text.mid(slash + 1).trimmed();
    }
    statement_.account = number.toString();
    // Some banks write the account's currency after its IBAN ("NL91ABNA0417164300EUR").
    statement_.iban = ibanIn(number);
    if (statement_.iban.isEmpty() && number.size() > 3 &&
        std::all_of(number.end() - 3, number.end(), isCapital))
        statement_.iban = ibanIn(number.chopped(3));
}

Mt940Parser::Balance Mt940Parser::balance(QStringView text, const char* what) const {
    text = text.trimmed();
    if (text.size() < 11 || (text[0] != u'C' && text[0] != u'D'))
        refuse(tr("%1 no empieza por C (acreedor) o D (deudor)").arg(tr(what)));
    Balance read;
    read.date = date(text.mid(1, 6), QT_TR_NOOP("la fecha del saldo"));
    read.currency = text.mid(7, 3).toString();
    if (!std::all_of(read.currency.begin(), read.currency.end(), isCapital))
        refuse(tr("la divisa del saldo no es un código de tres letras (%1)").arg(read.currency));
    read.amount = amount(text.mid(10), what);
    if (text[0] == u'D')
        read.amount = -read.amount;
    return read;
}

void Mt940Parser::openingBalance(const Field& field) {
    if (opened_)
        refuse(tr("el extracto tiene un segundo saldo inicial"));
    const Balance opening = balance(field.lines.first(), QT_TR_NOOP("el saldo inicial"));
    statement_.openingBalance = opening.amount;
    statement_.startDate = opening.date;
    statement_.currency = opening.currency;
    opened_ = true;
}

void Mt940Parser::closingBalance(const Field& field) {
    if (!opened_ || closed_)
        refuse(
            tr("el saldo final (:%1:) solo puede ir una vez, después del inicial").arg(field.tag));
    const Balance closing = balance(field.lines.first(), QT_TR_NOOP("el saldo final"));
    if (closing.currency != statement_.currency)
        refuse(tr("el saldo final está en %1 y el inicial en %2")
                   .arg(closing.currency, statement_.currency));
    statement_.closingBalance = closing.amount;
    statement_.endDate = closing.date;
    closed_ = true;
    if (!statement_.balancesAgree())
        refuse(tr("el saldo final no cuadra con el inicial más los abonos menos los cargos"));
}

void Mt940Parser::addLine(const Field& field) {
    if (!opened_ || closed_)
        refuse(tr("un movimiento (:61:) solo puede ir entre el saldo inicial y el final"));
    const QStringView text = QStringView(field.lines.first()).trimmed();
    BankLine line;
    line.sourceLine = field.line;
    line.valueDate = date(text.left(6), QT_TR_NOOP("la fecha valor"));
    qsizetype at = 6;
    line.operationDate = line.valueDate;
    if (allDigits(text.mid(at, 4))) {
        // The entry date is in the value date's year, but across a year's end: an entry booked
        // in December has its value on a day of January after it, or the other way round.
        const int month = text.mid(at, 2).toInt();
        const int valueMonth = line.valueDate.month();
        const int year = line.valueDate.year() - (valueMonth == 1 && month == 12) +
                         (valueMonth == 12 && month == 1);
        const QDate entry(year, month, text.mid(at + 2, 2).toInt());
        if (!entry.isValid())
            refuse(tr("la fecha de asiento no es una fecha (%1)").arg(text.mid(at, 4)));
        line.operationDate = entry;
        at += 4;
    }
    // RC is the reversal of a credit, so a debit; RD of a debit, so a credit.
    const QStringView mark = text.mid(at, 2);
    line.reversal = mark == u"RC" || mark == u"RD";
    const QChar side = line.reversal ? mark[1] : at < text.size() ? text[at] : QChar();
    if (side != u'C' && side != u'D')
        refuse(tr("la marca de abono o cargo no es C, D, RC ni RD (%1)").arg(mark));
    line.side = (side == u'C') != line.reversal ? BankLine::Side::Credit : BankLine::Side::Debit;
    at += line.reversal ? 2 : 1;
    if (at < text.size() && isCapital(text[at]))
        ++at; // the funds code, the third letter of the currency's code
    // The amount runs to the transaction type: N, S or F and three capitals or digits.
    qsizetype end = at;
    auto isType = [&text](qsizetype k) {
        const QStringView type = text.mid(k, 4);
        return type.size() == 4 && (type[0] == u'N' || type[0] == u'S' || type[0] == u'F') &&
               std::all_of(type.begin() + 1, type.end(),
                           [](QChar c) { return isCapital(c) || isDigit(c); });
    };
    while (end < text.size() && !isType(end))
        ++end;
    line.amount = amount(text.mid(at, end - at), QT_TR_NOOP("el importe"));
    if (end == text.size())
        refuse(tr("falta el código de tipo del movimiento tras el importe"));
    const QStringView type = text.mid(end, 4);
    line.bankConcept = type.toString();
    const QStringView references = text.mid(end + 4);
    const qsizetype slashes = references.indexOf(u"//");
    line.reference1 = references.left(slashes).trimmed().toString();
    if (slashes >= 0)
        line.servicerReference = references.mid(slashes + 2).trimmed().toString();
    line.text = field.lines.mid(1).join(u' ').simplified();
    statement_.lines.append(std::move(line));
}

void Mt940Parser::addInformation(const Field& field) {
    BankLine& line = statement_.lines.last();
    const QString joined = field.lines.join(QString());
    const bool structured =
        joined.size() >= 6 && allDigits(QStringView(joined).left(3)) && joined[3] == u'?';
    QString text;
    if (!structured) {
        for (const QString& piece : field.lines)
            appendPiece(text, piece, kLineLength);
        if (!text.trimmed().isEmpty())
            line.text = text.trimmed();
        return;
    }
    // ?NN starts each subfield; a '?' not followed by two digits is the text's own.
    QString posting;
    QString name;
    qsizetype at = joined.indexOf(u'?');
    while (at >= 0) {
        qsizetype next = at + 3;
        while ((next = joined.indexOf(u'?', next)) >= 0 &&
               !allDigits(QStringView(joined).mid(next + 1, 2)))
            ++next;
        const QStringView code = QStringView(joined).mid(at + 1, 2);
        const QStringView content =
            QStringView(joined).mid(at + 3, (next < 0 ? joined.size() : next) - at - 3);
        const int number = allDigits(code) ? code.toInt() : -1;
        if ((number >= 20 && number <= 29) || (number >= 60 && number <= 63))
            appendPiece(text, content, kSubfieldLength);
        else if (number == 32 || number == 33)
            appendPiece(name, content, kSubfieldLength);
        else if (number == 0)
            posting = content.trimmed().toString();
        at = next;
    }
    line.text = text.trimmed().isEmpty() ? posting : text.trimmed();
    line.counterparty = name.trimmed();
}

Money Mt940Parser::amount(QStringView text, const char* what) const {
    text = text.trimmed();
    const QChar separator = text.contains(u',') ? u',' : u'.';
    bool rounded = false;
    const std::optional<Money> amount =
        !text.isEmpty() && std::all_of(text.begin(), text.end(),
                                       [](QChar c) { return isDigit(c) || c == u',' || c == u'.'; })
            ? Money::parse(text, separator, &rounded)
            : std::nullopt;
    if (!amount || rounded)
        refuse(tr("%1 no es un número (%2)").arg(tr(what), text));
    return *amount;
}

QDate Mt940Parser::date(QStringView digits, const char* what) const {
    QDate date;
    if (digits.size() == 6 && allDigits(digits)) {
        const int year = digits.left(2).toInt();
        date = QDate(year < 80 ? 2000 + year : 1900 + year, digits.mid(2, 2).toInt(),
                     digits.mid(4, 2).toInt());
    }
    if (!date.isValid())
        refuse(tr("%1 no es una fecha (%2)").arg(tr(what), digits));
    return date;
}

} // namespace

StatementFile Mt940Reader::read(const QByteArray& bytes) {
    Mt940Parser parser(bytes);
    return readOrRefuse(parser);
}

} // namespace ledgora
