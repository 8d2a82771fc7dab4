#include "MatchEvidence.h"

#include "TextClues.h"

#include <QCoreApplication>

namespace ledgora {

namespace {

// A bank cuts its texts to its record's width: "ASESORIA MOR" still names "Mora".
bool sameWord(const QString& a, const QString& b) {
    if (a == b)
        return true;
    const auto shorter = std::min(a.size(), b.size());
    return shorter >= 4 && (a.startsWith(b) || b.startsWith(a));
}

bool sameReference(const TextClues::Reference& a, const TextClues::Reference& b) {
    return a.key == b.key || (!a.number.isEmpty() && a.number == b.number);
}

QString tr(const char* text) {
    return QCoreApplication::translate("MatchEvidence", text);
}

} // namespace

MatchEvidence MatchEvidence::weigh(const TextClues& line, const TextClues& movement) {
    MatchEvidence evidence;
    for (const auto& theirs : line.references())
        for (const auto& ours : movement.references())
            if (evidence.reference.isEmpty() && sameReference(theirs, ours))
                evidence.reference = ours.shown;
    if (evidence.reference.isEmpty() && !movement.references().empty())
        for (const auto& theirs : line.references())
            if (theirs.telling && evidence.otherReference.isEmpty())
                evidence.otherReference = theirs.shown;
    for (const auto& ours : movement.words())
        for (const auto& theirs : line.words())
            if (sameWord(theirs.folded, ours.folded) && !evidence.words.contains(ours.shown)) {
                evidence.words << ours.shown;
                break;
            }
    evidence.otherName =
        evidence.words.isEmpty() && !movement.words().empty() && line.hasTellingWord();

    const bool sharedReference = !evidence.reference.isEmpty();
    const bool sharedName = !evidence.words.isEmpty();
    const bool otherReference = !evidence.otherReference.isEmpty();
    if (sharedReference)
        evidence.strength = evidence.otherName ? Strength::Doubtful : Strength::Reference;
    else if (otherReference)
        evidence.strength = sharedName ? Strength::Doubtful : Strength::Contradicted;
    else if (evidence.otherName)
        evidence.strength = Strength::Contradicted;
    else
        evidence.strength = sharedName ? Strength::Name : Strength::Silent;
    return evidence;
}

int MatchEvidence::score() const {
    return int(strength) * 1000 + std::min(int(words.size()), 999);
}

QString MatchEvidence::reason(int dayDistance) const {
    QStringList parts;
    if (!reference.isEmpty())
        parts << tr("referencia %1").arg(reference);
    if (!otherReference.isEmpty())
        parts << tr("otra referencia (%1)").arg(otherReference);
    if (!words.isEmpty())
        parts << tr("nombre %1").arg(words.join(u' '));
    if (otherName)
        parts << tr("otro nombre");
    if (parts.isEmpty())
        parts << tr("solo el importe");
    parts << (dayDistance == 0   ? tr("mismo día")
              : dayDistance == 1 ? tr("a 1 día")
                                 : tr("a %1 días").arg(dayDistance));
    return parts.join(QStringLiteral(", "));
}

} // namespace ledgora
