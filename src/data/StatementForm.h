#pragma once

#include <QRegularExpression>
#include <QString>
#include <optional>
#include <vector>

namespace ledgora {

// How a value spliced into a statement is to be read before it is bound.
enum class ValueKind {
    Text,     // '{text}': as typed
    Date,     // '{date}': a day/month/year date text
    Amount,   // '{amount}': a number text in the user's locale, kept exact
    Integer,  // {int} or '{int}': a whole number
    Contains, // '%{text}%' after like: the text to look for, taken literally
};

// How a column of a query's result comes back to the caller.
enum class ResultKind {
    Dynamic, // whatever the engine gives
    Text,
    Integer,
    Amount, // an exact amount
    Date,
    Double,          // a number with a fraction
    FormattedAmount, // format(x,'00.00'): display text
    FormattedDate,   // format(x,'dd/mm/yyyy'): display text
    TrimmedText,     // trim(x)
    AmountAsDouble,  // cdbl(x)
};

struct FormToken {
    enum class Type { Space, Word, Number, Literal, Param, Symbol };
    Type type;
    QString text;   // as written in the template
    int param = -1; // for Param: the index of the value it stands for
};

struct ResultColumn {
    QString name;
    ResultKind kind = ResultKind::Dynamic;
    int begin = 0; // token range of the expression (the alias not included)
    int end = 0;
    bool star = false; // stands for every column of the table
};

// One statement form the module issues, written as the statement's text with placeholders
// where values are spliced ("... WHERE CNTSTNRO = '{text}'"). A statement is of the form when
// it is the same text with a value at each placeholder; a value can never hold a quote, so
// a typed quote always breaks the form instead of changing the statement.
class StatementForm {
public:
    // Throws std::logic_error when the template is not well formed.
    StatementForm(QString name, QString templateText);

    const QString& name() const { return name_; }
    const QString& text() const { return text_; }
    const std::vector<FormToken>& tokens() const { return tokens_; }
    const std::vector<ValueKind>& parameters() const { return parameters_; }
    const std::vector<ResultColumn>& resultColumns() const { return results_; }
    bool isQuery() const { return isQuery_; }
    // The names and kinds of the columns a query gives, a "*" spread over its table's columns.
    void resultLayout(std::vector<QString>& names, std::vector<ResultKind>& kinds) const;
    QString fromTable() const { return fromTable_; }

    // The spliced values when the statement is of this form.
    std::optional<std::vector<QString>> match(const QString& statement) const;

    // The index of the token closing the parenthesis opened at `open`, or -1.
    int closingParen(int open) const;
    int nextNonSpace(int from) const;

private:
    void tokenize();
    void analyseResults();
    ResultKind kindOf(int begin, int end) const;

    QString name_;
    QString text_;
    std::vector<FormToken> tokens_;
    std::vector<ValueKind> parameters_;
    std::vector<ResultColumn> results_;
    QRegularExpression pattern_;
    QString prefix_; // the template's text before its first value
    bool isQuery_ = false;
    QString fromTable_;
};

} // namespace ledgora
