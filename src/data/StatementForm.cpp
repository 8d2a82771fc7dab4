#include "StatementForm.h"

#include "Schema.h"

#include <stdexcept>

namespace ledgora {

namespace {

bool isWord(const FormToken& t, const char* word) {
    return t.type == FormToken::Type::Word &&
           t.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

std::optional<ValueKind> kindOfPlaceholder(const QString& inner) {
    if (inner == u"{text}")
        return ValueKind::Text;
    if (inner == u"{date}")
        return ValueKind::Date;
    if (inner == u"{amount}")
        return ValueKind::Amount;
    if (inner == u"{int}")
        return ValueKind::Integer;
    return std::nullopt;
}

} // namespace

StatementForm::StatementForm(QString name, QString templateText)
    : name_(std::move(name)), text_(std::move(templateText)) {
    tokenize();
    QString pattern = QStringLiteral("^");
    bool literal = true;
    for (const auto& t : tokens_) {
        if (t.type != FormToken::Type::Param) {
            pattern += QRegularExpression::escape(t.text);
            if (literal)
                prefix_ += t.text;
            continue;
        }
        literal = false;
        switch (parameters_[t.param]) {
        case ValueKind::Contains:
            pattern += QStringLiteral("'%([^']*)%'");
            break;
        case ValueKind::Integer:
            pattern += t.text.startsWith(u'\'') ? QStringLiteral("'(-?[0-9]+)'")
                                                : QStringLiteral("(-?[0-9]+)");
            break;
        default:
            pattern += QStringLiteral("'([^']*)'");
            break;
        }
    }
    pattern += u'$';
    // Compiled when a statement is first matched against it: a form only ever bound with its
    // values (the many-row stagings) never costs its large pattern's memory.
    pattern_.setPattern(pattern);
    pattern_.setPatternOptions(QRegularExpression::DotMatchesEverythingOption);
    analyseResults();
}

void StatementForm::tokenize() {
    using T = FormToken::Type;
    const QString& s = text_;
    int i = 0;
    const int n = int(s.size());
    while (i < n) {
        const QChar c = s[i];
        int j = i + 1;
        if (c.isSpace()) {
            while (j < n && s[j].isSpace())
                ++j;
            tokens_.push_back({T::Space, s.mid(i, j - i)});
        } else if (c == u'\'') {
            while (j < n && s[j] != u'\'')
                ++j;
            if (j >= n)
                throw std::logic_error("unterminated quote in form " + name_.toStdString());
            ++j;
            const QString literal = s.mid(i, j - i);
            const QString inner = literal.mid(1, literal.size() - 2);
            if (auto kind = kindOfPlaceholder(inner)) {
                parameters_.push_back(*kind);
                tokens_.push_back({T::Param, literal, int(parameters_.size()) - 1});
            } else if (inner == u"%{text}%") {
                parameters_.push_back(ValueKind::Contains);
                tokens_.push_back({T::Param, literal, int(parameters_.size()) - 1});
            } else if (inner.contains(u'{')) {
                throw std::logic_error("unknown placeholder in form " + name_.toStdString());
            } else {
                tokens_.push_back({T::Literal, literal});
            }
        } else if (c == u'{') {
            while (j < n && s[j] != u'}')
                ++j;
            const QString placeholder = s.mid(i, j + 1 - i);
            if (placeholder != u"{int}")
                throw std::logic_error("only {int} may stand outside quotes: " +
                                       name_.toStdString());
            parameters_.push_back(ValueKind::Integer);
            tokens_.push_back({T::Param, placeholder, int(parameters_.size()) - 1});
            j += 1;
        } else if (c.isLetter() || c == u'_') {
            while (j < n && (s[j].isLetterOrNumber() || s[j] == u'_'))
                ++j;
            tokens_.push_back({T::Word, s.mid(i, j - i)});
        } else if (c.isDigit()) {
            while (j < n && (s[j].isDigit() || s[j] == u'.'))
                ++j;
            tokens_.push_back({T::Number, s.mid(i, j - i)});
        } else {
            if ((c == u'<' || c == u'>') && j < n && (s[j] == u'=' || s[j] == u'>'))
                ++j;
            tokens_.push_back({T::Symbol, s.mid(i, j - i)});
        }
        i = j;
    }
}

int StatementForm::closingParen(int open) const {
    int depth = 0;
    for (int k = open; k < int(tokens_.size()); ++k) {
        if (tokens_[k].type != FormToken::Type::Symbol)
            continue;
        if (tokens_[k].text == u"(")
            ++depth;
        else if (tokens_[k].text == u")" && --depth == 0)
            return k;
    }
    return -1;
}

int StatementForm::nextNonSpace(int from) const {
    int k = from;
    while (k < int(tokens_.size()) && tokens_[k].type == FormToken::Type::Space)
        ++k;
    return k;
}

void StatementForm::analyseResults() {
    const int first = nextNonSpace(0);
    if (first >= int(tokens_.size()) || !isWord(tokens_[first], "select"))
        return;
    isQuery_ = true;

    // The select list runs to the first FROM outside parentheses; items split at its commas.
    int depth = 0;
    int itemBegin = first + 1;
    int fromAt = -1;
    std::vector<std::pair<int, int>> items;
    for (int k = first + 1; k < int(tokens_.size()) && fromAt < 0; ++k) {
        const auto& t = tokens_[k];
        if (t.type == FormToken::Type::Symbol && t.text == u"(")
            ++depth;
        else if (t.type == FormToken::Type::Symbol && t.text == u")")
            --depth;
        else if (depth == 0 && t.type == FormToken::Type::Symbol && t.text == u",") {
            items.emplace_back(itemBegin, k);
            itemBegin = k + 1;
        } else if (depth == 0 && isWord(t, "from")) {
            items.emplace_back(itemBegin, k);
            fromAt = k;
        }
    }
    if (fromAt < 0)
        throw std::logic_error("query without FROM: " + name_.toStdString());
    const int tableAt = nextNonSpace(fromAt + 1);
    if (tableAt < int(tokens_.size()))
        fromTable_ = tokens_[tableAt].text;

    for (auto [begin, end] : items) {
        begin = nextNonSpace(begin);
        while (end > begin && tokens_[end - 1].type == FormToken::Type::Space)
            --end;
        ResultColumn column;
        // "expression as alias"
        if (end - begin >= 3 && tokens_[end - 1].type == FormToken::Type::Word) {
            int asAt = end - 2;
            while (asAt > begin && tokens_[asAt].type == FormToken::Type::Space)
                --asAt;
            if (isWord(tokens_[asAt], "as")) {
                column.name = tokens_[end - 1].text;
                end = asAt;
                while (end > begin && tokens_[end - 1].type == FormToken::Type::Space)
                    --end;
            }
        }
        column.begin = begin;
        column.end = end;
        if (end - begin == 1 && tokens_[begin].text == u"*") {
            column.star = true;
        } else {
            column.kind = kindOf(begin, end);
            if (column.name.isEmpty()) {
                for (int k = begin; k < end; ++k)
                    column.name += tokens_[k].text;
            }
        }
        results_.push_back(column);
    }
}

ResultKind StatementForm::kindOf(int begin, int end) const {
    if (end - begin == 1 && tokens_[begin].type == FormToken::Type::Word) {
        switch (Schema::columnKind(tokens_[begin].text).value_or(ColumnKind::Text)) {
        case ColumnKind::Text:
            return ResultKind::Text;
        case ColumnKind::Integer:
            return ResultKind::Integer;
        case ColumnKind::Amount:
            return ResultKind::Amount;
        case ColumnKind::Date:
            return ResultKind::Date;
        }
    }
    if (tokens_[begin].type != FormToken::Type::Word)
        return ResultKind::Dynamic;
    const int open = nextNonSpace(begin + 1);
    if (open >= end || tokens_[open].text != u"(" || closingParen(open) != end - 1)
        return ResultKind::Dynamic;
    const FormToken& fn = tokens_[begin];
    if (isWord(fn, "format")) {
        for (int k = open; k < end; ++k) {
            if (tokens_[k].text == u"'00.00'")
                return ResultKind::FormattedAmount;
            if (tokens_[k].text.compare(u"'dd/mm/yyyy'", Qt::CaseInsensitive) == 0)
                return ResultKind::FormattedDate;
        }
        throw std::logic_error("unknown format in form " + name_.toStdString());
    }
    if (isWord(fn, "trim"))
        return ResultKind::TrimmedText;
    if (isWord(fn, "cdbl"))
        return ResultKind::AmountAsDouble;
    if (isWord(fn, "val"))
        return ResultKind::Double;
    if (isWord(fn, "count"))
        return ResultKind::Integer;
    if (isWord(fn, "sum") || isWord(fn, "max") || isWord(fn, "min")) {
        const int argBegin = nextNonSpace(open + 1);
        int argEnd = end - 1;
        while (argEnd > argBegin && tokens_[argEnd - 1].type == FormToken::Type::Space)
            --argEnd;
        return kindOf(argBegin, argEnd);
    }
    return ResultKind::Dynamic;
}

void StatementForm::resultLayout(std::vector<QString>& names,
                                 std::vector<ResultKind>& kinds) const {
    for (const ResultColumn& column : results_) {
        const TableDef* table = column.star ? Schema::table(fromTable_) : nullptr;
        if (!table) {
            names.push_back(column.name);
            kinds.push_back(column.kind);
            continue;
        }
        for (const ColumnDef& c : table->columns) {
            names.push_back(c.name);
            switch (c.kind) {
            case ColumnKind::Text:
                kinds.push_back(ResultKind::Text);
                break;
            case ColumnKind::Integer:
                kinds.push_back(ResultKind::Integer);
                break;
            case ColumnKind::Amount:
                kinds.push_back(ResultKind::Amount);
                break;
            case ColumnKind::Date:
                kinds.push_back(ResultKind::Date);
                break;
            }
        }
    }
}

std::optional<std::vector<QString>> StatementForm::match(const QString& statement) const {
    // The text before the first value is the form's own: most forms are told apart by it
    // without their pattern.
    if (!statement.startsWith(prefix_))
        return std::nullopt;
    const auto m = pattern_.match(statement);
    if (!m.hasMatch())
        return std::nullopt;
    std::vector<QString> values;
    values.reserve(parameters_.size());
    for (int k = 1; k <= m.lastCapturedIndex(); ++k)
        values.push_back(m.captured(k));
    return values;
}

} // namespace ledgora
