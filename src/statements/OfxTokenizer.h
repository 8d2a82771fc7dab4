#pragma once

#include "statements/StatementRefusal.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>
#include <utility>

namespace ledgora {

// One piece of an OFX file's markup: an aggregate opened or closed, or a leaf element and its
// value, with the line it is written on.
struct OfxToken {
    enum class Kind { Open, Close, Leaf };
    Kind kind = Kind::Leaf;
    QString name; // in capitals
    QString value;
    qint64 line = 0;
};

// Splits the markup of an OFX file, 1.x (SGML) or 2.x (XML), into tokens, nested as they
// close. One reading serves both: a leaf's value ends at the next '<', whether or not its end
// tag follows, as SGML lets a leaf's end tag out and banks' 1.x files do; an aggregate is
// closed by its own end tag. An element opened without a value is an empty leaf, as banks
// write "<MEMO>" alone, unless it is one of the aggregates of a statement and what holds it, or
// its own end tag comes before it opens again: the aggregates read must be closed, so that a
// transaction whose end tag is missing is refused rather than read into the one after it. An
// end tag that does not close the innermost open aggregate, or an aggregate left open at the
// end, is a broken file and throws a StatementRefusal naming its line. Processing
// instructions, comments and a DOCTYPE are passed over; names are taken in capitals, and the
// entities XML and SGML know (&amp; &lt; &gt; &quot; &apos; &#N; &#xN;) are read in values,
// while an '&' that starts none, as 1.x files write "AT&T", stays as it is.
class OfxTokenizer {
    Q_DECLARE_TR_FUNCTIONS(OfxReader)

public:
    // `text` is the markup, `line` the file's line it begins on.
    OfxTokenizer(QStringView text, qint64 line) : text_(text), line_(line) {}

    QList<OfxToken> tokens();

private:
    struct Open {
        QString name;
        qint64 line = 0;
    };

    [[noreturn]] void refuse(qint64 line, const QString& reason) const;
    void moveTo(qsizetype to);
    void skipPast(QStringView end, qint64 line);
    QString tagName(QStringView inside, qint64 line) const;
    void close(const QString& name, qint64 line);
    bool isAggregate(const QString& name) const;
    void findTags();
    static QString decoded(QStringView value);

    QStringView text_;
    qsizetype at_ = 0;
    qint64 line_;
    QList<Open> open_;
    QList<OfxToken> tokens_;
    // Where each name's tags are in the text, in order, and whether each is an end tag.
    QHash<QString, QList<std::pair<qsizetype, bool>>> tags_;
};

} // namespace ledgora
