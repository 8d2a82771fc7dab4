#include "TextClues.h"

#include "statements/BankLine.h"

#include <QRegularExpression>
#include <QSet>

using namespace Qt::StringLiterals;

namespace ledgora {

namespace {

// Lower case without accents, as banks write and compare: "Asesoría" and "ASESORIA" agree.
QString folded(QStringView text) {
    // Most of what banks write is plain ASCII, which needs no decomposition.
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; }))
        return text.toString().toLower();
    const QString decomposed = text.toString().normalized(QString::NormalizationForm_D);
    QString plain;
    plain.reserve(decomposed.size());
    for (QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            plain += c;
    return plain.toCaseFolded();
}

// A letter of any script ("Asesoría" is one word), a digit, or an accent written apart.
bool isWordChar(QChar c) {
    return c.isLetterOrNumber() || c.isMark();
}

// A token's own characters: a word's, and the joins of a document's number ("FAC-129",
// "2026/15", "A.B.12").
bool isTokenChar(QChar c) {
    return isWordChar(c) || c == u'.' || c == u'/' || c == u'-' || c == u'_';
}

// The token without the joins at its edges nor underscores: "-FAC_129." reads "FAC129".
QString trimmed(QStringView token) {
    while (!token.isEmpty() && !isWordChar(token.front()))
        token = token.mid(1);
    while (!token.isEmpty() && !isWordChar(token.back()))
        token.chop(1);
    QString plain = token.toString();
    plain.remove(u'_');
    return plain;
}

// Words that say what kind of movement it is, or join others, and never whose it is.
bool saysNothing(const QString& word) {
    static const QSet<QString> words = {
        // Spanish articles, prepositions and conjunctions
        u"del"_s, u"las"_s, u"los"_s, u"por"_s, u"para"_s, u"con"_s, u"sin"_s, u"sus"_s, u"una"_s,
        u"nos"_s, u"que"_s,
        // what a bank or a bookkeeper calls the movement
        u"pago"_s, u"pagos"_s, u"cobro"_s, u"cobros"_s, u"abono"_s, u"abonos"_s, u"adeudo"_s,
        u"adeudos"_s, u"cargo"_s, u"cargos"_s, u"recibo"_s, u"recibos"_s, u"transferencia"_s,
        u"transferencias"_s, u"transf"_s, u"trf"_s, u"trans"_s, u"traspaso"_s, u"ingreso"_s,
        u"ingresos"_s, u"reintegro"_s, u"factura"_s, u"facturas"_s, u"fra"_s, u"fras"_s, u"fac"_s,
        u"fact"_s, u"favor"_s, u"orden"_s, u"ordenante"_s, u"beneficiario"_s, u"emisor"_s,
        u"sepa"_s, u"core"_s, u"domiciliacion"_s, u"domiciliado"_s, u"domiciliada"_s, u"emitida"_s,
        u"emitido"_s, u"recibida"_s, u"recibido"_s, u"nacional"_s, u"internacional"_s,
        u"inmediata"_s, u"periodica"_s, u"concepto"_s, u"operacion"_s, u"ref"_s, u"referencia"_s,
        u"num"_s, u"numero"_s, u"cuenta"_s, u"cta"_s, u"cliente"_s, u"clientes"_s, u"proveedor"_s,
        u"proveedores"_s, u"banco"_s, u"bizum"_s, u"tarjeta"_s, u"tarj"_s, u"compra"_s, u"slu"_s,
        u"sociedad"_s, u"limitada"_s, u"anonima"_s,
        // and in English, as camt's texts often are
        u"payment"_s, u"transfer"_s, u"invoice"_s, u"inv"_s, u"from"_s, u"for"_s, u"the"_s,
        u"and"_s, u"direct"_s, u"debit"_s, u"credit"_s, u"sct"_s, u"sdd"_s, u"notprovided"_s};
    return words.contains(word);
}

// A date ("05/11", "5-11-2026") or an amount ("50,00", "1.234,56") written into a text: the
// line's own date and amount already say that much.
bool isDateOrAmount(const QString& token) {
    static const QRegularExpression shape(
        uR"(^(\d{1,2}[/.-]\d{1,2}([/.-]\d{2,4})?|\d+([.,]\d{3})*[.,]\d{2})$)"_s);
    return shape.match(token).hasMatch();
}

// An account's or a bank's long code, such as an IBAN, is no document's number.
bool isDocumentShaped(const QString& key) {
    static const QRegularExpression iban(u"^[A-Z]{2}\\d{2}[A-Z0-9]{11,30}$"_s);
    return key.size() >= 3 && key.size() <= 12 && !iban.match(key).hasMatch();
}

} // namespace

TextClues::TextClues(const QString& description) {
    read(description, true);
}

TextClues TextClues::ofLine(const BankLine& line) {
    TextClues clues;
    for (const QString* field : {&line.documentNumber, &line.reference1, &line.reference2,
                                 &line.servicerReference, &line.endToEndId})
        clues.read(*field, false);
    clues.read(line.description(), true);
    return clues;
}

bool TextClues::hasTellingWord() const {
    return std::any_of(words_.begin(), words_.end(), [](const Word& w) { return w.telling; });
}

void TextClues::read(const QString& text, bool telling) {
    const QStringView all(text);
    for (qsizetype at = 0; at < all.size();) {
        if (!isTokenChar(all[at])) {
            ++at;
            continue;
        }
        qsizetype end = at;
        while (end < all.size() && isTokenChar(all[end]))
            ++end;
        const QString token = trimmed(all.sliced(at, end - at));
        at = end;
        if (token.isEmpty())
            continue;
        const bool digits =
            std::any_of(token.begin(), token.end(), [](QChar c) { return c.isDigit(); });
        if (!digits) {
            // "ASESORIA-MORA" names two words
            qsizetype from = 0;
            for (qsizetype i = 0; i <= token.size(); ++i)
                if (i == token.size() || !isWordChar(token[i])) {
                    if (i > from)
                        addWord(token.sliced(from, i - from), telling);
                    from = i + 1;
                }
            continue;
        }
        if (isDateOrAmount(token))
            continue;
        Reference reference;
        reference.shown = token;
        for (QChar c : folded(token))
            if (c.isLetterOrNumber())
                reference.key += c.toUpper();
        for (QChar c : reference.key)
            if (c.isDigit() && !(reference.number.isEmpty() && c == u'0'))
                reference.number += c;
        if (reference.number.size() < 3)
            reference.number.clear();
        if (reference.key.size() < 3 ||
            (reference.number.isEmpty() && reference.key.front().isDigit()))
            continue;
        const bool known = std::any_of(references_.begin(), references_.end(),
                                       [&](const Reference& r) { return r.key == reference.key; });
        if (known)
            continue;
        reference.telling = telling && isDocumentShaped(reference.key);
        references_.push_back(std::move(reference));
    }
}

void TextClues::addWord(const QString& written, bool telling) {
    const QString word = folded(written);
    const bool known =
        std::any_of(words_.begin(), words_.end(), [&](const Word& w) { return w.folded == word; });
    if (word.size() >= 3 && !known && !saysNothing(word))
        words_.push_back({word, written, telling});
}

} // namespace ledgora
