#include "SqliteTranslator.h"

#include "Schema.h"

#include <stdexcept>

namespace ledgora {

namespace {
using T = FormToken::Type;
} // namespace

SqliteTranslator::SqliteTranslator(const StatementForm& form, QChar parameterPrefix)
    : form_(form), tokens_(form.tokens()), prefix_(parameterPrefix) {}

QString SqliteTranslator::translate(const StatementForm& form) {
    const SqliteTranslator translator(form, u'?');
    // The database keeps the accounts' totals from the movements: a statement that would store
    // the totals a screen remembers writes nothing, and finds the accounts it names, as many as
    // it would have changed (on the server, the same statement has them summed afresh).
    if (const int where = translator.totalsWhere(); where >= 0)
        return QStringLiteral("SELECT count(*) FROM BANCNT ") +
               translator.range(where, int(form.tokens().size()));
    return translator.statement();
}

QString SqliteTranslator::translate(const StatementForm& form, QChar parameterPrefix) {
    return SqliteTranslator(form, parameterPrefix).statement();
}

QString SqliteTranslator::statement() const {
    if (!form_.isQuery())
        return range(0, int(tokens_.size()));
    const auto& columns = form_.resultColumns();
    QString sql = QStringLiteral("SELECT ");
    for (std::size_t k = 0; k < columns.size(); ++k) {
        if (k)
            sql += u',';
        sql += selectItem(columns[k]);
    }
    // What follows the last column's expression (its alias, then FROM ...) is kept.
    return sql + u' ' + range(columns.back().end, int(tokens_.size()));
}

QString SqliteTranslator::selectItem(const ResultColumn& column) const {
    if (column.star) {
        QStringList names;
        if (const TableDef* table = Schema::table(form_.fromTable()))
            for (const auto& c : table->columns)
                names << c.name;
        return names.isEmpty() ? QStringLiteral("*") : names.join(u',');
    }
    switch (column.kind) {
    case ResultKind::FormattedAmount:
    case ResultKind::FormattedDate:
    case ResultKind::TrimmedText:
    case ResultKind::AmountAsDouble: {
        // The display conversion happens as the rows are read; select the argument.
        const int open = form_.nextNonSpace(column.begin + 1);
        int end = open + 1;
        int depth = 0;
        while (end < column.end - 1) {
            const auto& t = tokens_[end];
            if (t.type == T::Symbol && t.text == u"(")
                ++depth;
            else if (t.type == T::Symbol && t.text == u")")
                --depth;
            else if (depth == 0 && t.type == T::Symbol && t.text == u",")
                break;
            ++end;
        }
        return range(open + 1, end);
    }
    default:
        return range(column.begin, column.end);
    }
}

int SqliteTranslator::totalsWhere() const {
    const int size = int(tokens_.size());
    const int update = form_.nextNonSpace(0);
    if (update >= size || !isWord(tokens_[update], "update"))
        return -1;
    const int table = form_.nextNonSpace(update + 1);
    if (table >= size || !isWord(tokens_[table], "BANCNT"))
        return -1;
    bool totals = false;
    for (int k = table + 1; k < size; ++k) {
        if (isWord(tokens_[k], "where"))
            return totals ? k : -1;
        totals =
            totals || (tokens_[k].type == T::Word &&
                       tokens_[k].text.startsWith(QLatin1String("TOMDL"), Qt::CaseInsensitive));
    }
    return -1;
}

bool SqliteTranslator::isWord(const FormToken& t, const char* word) {
    return t.type == T::Word && t.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

QString SqliteTranslator::parameter(const FormToken& t) const {
    return prefix_ + QString::number(t.param + 1);
}

int SqliteTranslator::containsPattern(int at, int end) const {
    if (tokens_[at].type != T::Word)
        return -1;
    const int like = form_.nextNonSpace(at + 1);
    if (like >= end || !isWord(tokens_[like], "like"))
        return -1;
    const int value = form_.nextNonSpace(like + 1);
    if (value >= end || tokens_[value].type != T::Param ||
        form_.parameters()[tokens_[value].param] != ValueKind::Contains)
        return -1;
    return value;
}

QString SqliteTranslator::range(int begin, int end) const {
    QString sql;
    for (int k = begin; k < end; ++k) {
        const FormToken& t = tokens_[k];
        const int open = form_.nextNonSpace(k + 1);
        const bool call = t.type == T::Word && open < end && tokens_[open].text == u"(";
        if (const int pattern = containsPattern(k, end); pattern >= 0) {
            // "column like '%text%'": the text as typed, in any case (see FoldedText).
            sql += QStringLiteral("ldg_contains(") + t.text + u',' + parameter(tokens_[pattern]) +
                   u')';
            k = pattern;
        } else if (call && isWord(t, "datevalue")) {
            const int close = form_.closingParen(open);
            const int arg = form_.nextNonSpace(open + 1);
            if (tokens_[arg].type == T::Param)
                sql += parameter(tokens_[arg]);
            else
                throw std::logic_error("datevalue needs a date placeholder");
            k = close;
        } else if (call && isWord(t, "format")) {
            const int close = form_.closingParen(open);
            QString pattern;
            int comma = close;
            for (int j = close - 1; j > open; --j)
                if (tokens_[j].type == T::Symbol && tokens_[j].text == u",") {
                    comma = j;
                    break;
                }
            for (int j = comma; j < close; ++j)
                if (tokens_[j].type == T::Literal)
                    pattern = tokens_[j].text;
            sql += pattern == u"'00.00'" ? QStringLiteral("ldg_format_amount(")
                                         : QStringLiteral("ldg_format_date(");
            sql += range(open + 1, comma) + u')';
            k = close;
        } else if (call && isWord(t, "cdbl")) {
            sql += QStringLiteral("ldg_cdbl");
        } else if (call && isWord(t, "val")) {
            sql += QStringLiteral("ldg_val");
        } else if (t.type == T::Param) {
            if (form_.parameters()[t.param] == ValueKind::Contains)
                throw std::logic_error("a '%{text}%' placeholder must follow a column and like");
            sql += parameter(t);
        } else {
            sql += t.text;
        }
    }
    return sql;
}

} // namespace ledgora
