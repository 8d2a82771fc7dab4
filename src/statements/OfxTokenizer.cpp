#include "OfxTokenizer.h"

#include <QChar>
#include <algorithm>
#include <iterator>

namespace ledgora {

namespace {

using namespace Qt::StringLiterals;

bool isNameChar(QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') ||
           c == u'.' || c == u'_' || c == u'-' || c == u':';
}

// The character an entity stands for ("amp", "#233", "#xE9"), or a null one when it is none.
QChar entity(QStringView name) {
    static constexpr struct {
        QStringView name;
        char16_t character;
    } kNamed[] = {{u"amp", u'&'}, {u"lt", u'<'}, {u"gt", u'>'}, {u"quot", u'"'}, {u"apos", u'\''}};
    for (const auto& named : kNamed) {
        if (name == named.name)
            return QChar(named.character);
    }
    if (!name.startsWith(u'#'))
        return {};
    const bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
    bool ok = false;
    const uint code = name.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
    // A character of the basic plane that a text may hold; anything else is not read as one.
    if (!ok || code == 0 || code > 0xFFFF || QChar::isSurrogate(char32_t(code)))
        return {};
    return QChar(char16_t(code));
}

// The aggregates of the bank and card statements, and of what holds them.
constexpr QStringView kAggregates[] = {
    u"OFX",          u"SIGNONMSGSRSV1",
    u"SONRS",        u"STATUS",
    u"FI",           u"BANKMSGSRSV1",
    u"STMTTRNRS",    u"STMTRS",
    u"BANKACCTFROM", u"BANKACCTTO",
    u"CCACCTFROM",   u"CCACCTTO",
    u"BANKTRANLIST", u"STMTTRN",
    u"PAYEE",        u"CURRENCY",
    u"ORIGCURRENCY", u"IMAGEDATA",
    u"LEDGERBAL",    u"AVAILBAL",
    u"BALLIST",      u"BAL",
    u"MKTGINFO",     u"BANKTRANLISTP",
    u"STMTTRNP",     u"CREDITCARDMSGSRSV1",
    u"CCSTMTTRNRS",  u"CCSTMTRS",
    u"REWARDINFO",
};

} // namespace

QList<OfxToken> OfxTokenizer::tokens() {
    findTags();
    while (true) {
        const qsizetype next = text_.indexOf(u'<', at_);
        const QStringView between = text_.mid(at_, (next < 0 ? text_.size() : next) - at_);
        if (!between.trimmed().isEmpty())
            refuse(line_,
                   tr("hay texto fuera de los elementos («%1»)").arg(between.trimmed().left(40)));
        if (next < 0)
            break;
        moveTo(next);
        const qint64 line = line_;
        const QStringView rest = text_.mid(at_);
        if (rest.startsWith(u"<?")) {
            skipPast(u"?>", line);
            continue;
        }
        if (rest.startsWith(u"<!--")) {
            skipPast(u"-->", line);
            continue;
        }
        if (rest.startsWith(u"<!")) {
            skipPast(u">", line);
            continue;
        }
        const qsizetype end = text_.indexOf(u'>', at_);
        const qsizetype nextOpen = text_.indexOf(u'<', at_ + 1);
        if (end < 0 || (nextOpen >= 0 && nextOpen < end))
            refuse(line, tr("la etiqueta «%1» no se cierra con «>»")
                             .arg(text_.mid(at_, nextOpen < 0 ? 20 : nextOpen - at_).trimmed()));
        QStringView inside = text_.mid(at_ + 1, end - at_ - 1);
        moveTo(end + 1);
        if (inside.startsWith(u'/')) {
            close(tagName(inside.mid(1), line), line);
            continue;
        }
        const bool empty = inside.endsWith(u'/');
        if (empty)
            inside.chop(1);
        const QString name = tagName(inside, line);
        if (empty) {
            tokens_.append({OfxToken::Kind::Leaf, name, {}, line});
            continue;
        }
        // The value runs to the next tag; it is the element's own when that tag ends it.
        const qsizetype valueEnd = text_.indexOf(u'<', at_);
        const QString value =
            decoded(text_.mid(at_, (valueEnd < 0 ? text_.size() : valueEnd) - at_).trimmed());
        moveTo(valueEnd < 0 ? text_.size() : valueEnd);
        const qsizetype closeEnd = text_.indexOf(u'>', at_);
        const bool closedHere =
            text_.mid(at_).startsWith(u"</") && closeEnd >= 0 &&
            text_.mid(at_ + 2, closeEnd - at_ - 2).trimmed().compare(name, Qt::CaseInsensitive) ==
                0;
        if (closedHere)
            moveTo(closeEnd + 1);
        if (!value.isEmpty() || closedHere || !isAggregate(name)) {
            tokens_.append({OfxToken::Kind::Leaf, name, value, line});
        } else {
            open_.append({name, line});
            tokens_.append({OfxToken::Kind::Open, name, {}, line});
        }
    }
    if (!open_.isEmpty())
        refuse(open_.last().line, tr("<%1> no tiene su cierre </%1>").arg(open_.last().name));
    return std::move(tokens_);
}

void OfxTokenizer::refuse(qint64 line, const QString& reason) const {
    throw StatementRefusal{line, tr("Línea %1: %2.").arg(line).arg(reason)};
}

void OfxTokenizer::moveTo(qsizetype to) {
    line_ += text_.mid(at_, to - at_).count(u'\n');
    at_ = to;
}

void OfxTokenizer::skipPast(QStringView end, qint64 line) {
    const qsizetype found = text_.indexOf(end, at_);
    if (found < 0)
        refuse(line, tr("falta «%1» al final de «%2»").arg(end, text_.mid(at_, 20).trimmed()));
    moveTo(found + end.size());
}

QString OfxTokenizer::tagName(QStringView inside, qint64 line) const {
    // XML may give attributes after the name; OFX defines none, and they are passed over.
    qsizetype length = 0;
    while (length < inside.size() && !inside[length].isSpace())
        ++length;
    const QStringView name = inside.left(length);
    if (name.isEmpty() || !std::all_of(name.begin(), name.end(), isNameChar))
        refuse(line, tr("«<%1>» no es una etiqueta").arg(inside.left(40)));
    return name.toString().toUpper();
}

void OfxTokenizer::close(const QString& name, qint64 line) {
    if (open_.isEmpty() || open_.last().name != name) {
        const auto open = std::find_if(open_.crbegin(), open_.crend(),
                                       [&name](const Open& o) { return o.name == name; });
        if (open == open_.crend())
            refuse(line, tr("</%1> no cierra ningún elemento abierto").arg(name));
        refuse(line, tr("</%1> llega antes del cierre de <%2>, abierto en la línea %3")
                         .arg(name, open_.last().name)
                         .arg(open_.last().line));
    }
    tokens_.append({OfxToken::Kind::Close, name, {}, line});
    open_.removeLast();
}

bool OfxTokenizer::isAggregate(const QString& name) const {
    if (std::find(std::begin(kAggregates), std::end(kAggregates), name) != std::end(kAggregates))
        return true;
    // Another element is an aggregate when the next tag of its name, from at_ on (past its own
    // start tag and its empty value), is its end tag.
    const QList<std::pair<qsizetype, bool>> tags = tags_.value(name);
    const auto next =
        std::lower_bound(tags.begin(), tags.end(), at_,
                         [](const auto& tag, qsizetype at) { return tag.first < at; });
    return next != tags.end() && next->second;
}

void OfxTokenizer::findTags() {
    for (qsizetype at = text_.indexOf(u'<'); at >= 0; at = text_.indexOf(u'<', at + 1)) {
        const bool end = at + 1 < text_.size() && text_[at + 1] == u'/';
        qsizetype length = 0;
        while (at + end + 1 + length < text_.size() && isNameChar(text_[at + end + 1 + length]))
            ++length;
        if (length > 0)
            tags_[text_.mid(at + end + 1, length).toString().toUpper()].append({at, end});
    }
}

QString OfxTokenizer::decoded(QStringView value) {
    if (!value.contains(u'&'))
        return value.toString();
    QString text;
    text.reserve(value.size());
    for (qsizetype k = 0; k < value.size(); ++k) {
        const qsizetype semicolon = value[k] == u'&' ? value.indexOf(u';', k) : -1;
        const QChar c = semicolon > k && semicolon - k <= 10
                            ? entity(value.mid(k + 1, semicolon - k - 1))
                            : QChar();
        if (c.isNull()) {
            text += value[k];
            continue;
        }
        text += c;
        k = semicolon;
    }
    return text;
}

} // namespace ledgora
