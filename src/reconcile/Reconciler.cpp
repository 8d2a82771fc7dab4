#include "Reconciler.h"

#include "ConceptChooser.h"
#include "MatchAssignment.h"
#include "PendingMovements.h"
#include "ReconcileStatements.h"
#include "StagedLines.h"
#include "TextClues.h"
#include "core/Conversions.h"
#include "core/SettingsStore.h"
#include "data/Recordset.h"
#include "data/WriteBatch.h"
#include "data/clManejo.h"
#include "domain/LedgerStatements.h"
#include "domain/ModuleUtilities.h"
#include "domain/StoredKey.h"
#include "reconcile/ReconcileLog.h"
#include "statements/Norma43Reader.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHash>
#include <QSet>

using namespace Qt::StringLiterals;

namespace ledgora {

namespace {

const QString kApplication = QStringLiteral("VENTALIA");
const QString kSection = QStringLiteral("BANCOS");
const QString kWindowKey = QStringLiteral("CONCILIAR_DIAS");
const QString kBasisKey = QStringLiteral("CONCILIAR_FECHA");
const QString kOperationDate = QStringLiteral("OPERACION");

// The movement entry screen keeps at most this much of a description.
constexpr int kDescriptionLength = 100;

QDate matchDate(const BankLine& line, const MatchSettings& settings) {
    const bool byValue = settings.basis == MatchSettings::DateBasis::ValueDate;
    const QDate first = byValue ? line.valueDate : line.operationDate;
    return first.isValid() ? first : (byValue ? line.operationDate : line.valueDate);
}

// What the bank wrote about the line, as a movement's description: its counterparty and
// texts, else its references, else the name of its common concept.
QString descriptionOf(const BankLine& line) {
    QString text = line.description();
    for (const QString& other : {line.reference1, line.reference2, line.servicerReference,
                                 line.endToEndId, line.documentNumber}) {
        if (!text.isEmpty())
            break;
        text = other.simplified();
    }
    if (text.isEmpty())
        text = Norma43Reader::conceptName(line.commonConcept);
    if (text.isEmpty())
        text = QStringLiteral("Extracto bancario");
    return text.left(kDescriptionLength).trimmed();
}

QSet<QString> recordedLines(clManejo& manejo, const QString& account) {
    Recordset rs;
    manejo.RsDesconectado(true);
    manejo.CrearRs(rs, forms::reconcileRecorded, {account});
    QSet<QString> recorded;
    const RecordsetData* rows = rs.data();
    for (long row = 0; rows && row < rows->rowCount(); ++row)
        recorded.insert(rows->text(row, 0));
    return recorded;
}

// What is proposed for a line before the ledger's movements are looked at: the line already
// imported, or one of another currency or not booked; nothing when it looks for a movement.
std::optional<LineProposal::Action> settled(const BankLine& line, const ReconciliationPlan& plan,
                                            const QSet<QString>& recorded) {
    if (recorded.contains(line.fingerprint))
        return LineProposal::Action::AlreadyImported;
    if (line.status != BankLine::Status::Booked || line.currency != plan.currency)
        return LineProposal::Action::Foreign;
    return std::nullopt;
}

// The pending movements the statement's lines may realise: only those dated within the
// window around the lines' dates are read.
PendingMovements pendingFor(clManejo& manejo, const BankStatement& statement,
                            const ReconciliationPlan& plan, const QSet<QString>& recorded,
                            const MatchSettings& settings) {
    QDate first, last;
    for (const BankLine& line : statement.lines) {
        const QDate date = matchDate(line, settings);
        if (settled(line, plan, recorded) || !date.isValid())
            continue;
        first = first.isValid() ? std::min(first, date) : date;
        last = last.isValid() ? std::max(last, date) : date;
    }
    return PendingMovements(manejo, plan.account, first.addDays(-settings.windowDays),
                            last.addDays(settings.windowDays));
}

LineProposal proposeLine(const BankLine& line, const ReconciliationPlan& plan,
                         const QSet<QString>& recorded, const PendingMovements& pending,
                         const MatchSettings& settings) {
    LineProposal proposal;
    proposal.line = line;
    if (const auto action = settled(line, plan, recorded)) {
        proposal.action = *action;
        return proposal;
    }
    proposal.candidates = pending.candidates(line, matchDate(line, settings), settings.windowDays);
    // A reversal undoes an earlier entry of the bank: a pending movement of its side and amount
    // is not what it is about. The person decides, with the candidates shown.
    proposal.action = line.reversal ? LineProposal::Action::Review : LineProposal::Action::Match;
    return proposal;
}

// Weighs each line's candidates by what their texts share, best first.
void weighCandidates(ReconciliationPlan& plan) {
    QHash<std::int32_t, TextClues> described; // a movement is often a candidate of several lines
    for (LineProposal& proposal : plan.lines) {
        if (proposal.candidates.empty())
            continue;
        const TextClues line = TextClues::ofLine(proposal.line);
        for (MatchCandidate& candidate : proposal.candidates) {
            auto clues = described.find(candidate.number);
            if (clues == described.end())
                clues = described.insert(candidate.number, TextClues(candidate.description));
            candidate.evidence = MatchEvidence::weigh(line, *clues);
        }
        std::stable_sort(proposal.candidates.begin(), proposal.candidates.end(),
                         [](const MatchCandidate& a, const MatchCandidate& b) {
                             if (a.evidence.score() != b.evidence.score())
                                 return a.evidence.score() > b.evidence.score();
                             if (a.dayDistance != b.dayDistance)
                                 return a.dayDistance < b.dayDistance;
                             return a.number < b.number;
                         });
    }
}

// The same kind for things that cannot be told apart: lines or movements of the same date,
// amount and words.
int kindOf(QHash<QString, int>& kinds, const QString& key) {
    return *kinds.insert(key, kinds.value(key, int(kinds.size())));
}

// Chooses which line realises which movement for the whole plan at once (MatchAssignment),
// then what becomes of the lines left: review while a candidate may still be theirs, a new
// movement when every one is taken or contradicted by their text.
void assignMatches(ReconciliationPlan& plan, const ConceptChooser& concepts,
                   const MatchSettings& settings) {
    QHash<std::int32_t, int> movementIndex;
    std::vector<MatchCandidate> movements; // each once, as first offered
    for (const LineProposal& proposal : plan.lines)
        for (const MatchCandidate& candidate : proposal.candidates)
            if (!movementIndex.contains(candidate.number)) {
                movementIndex.insert(candidate.number, int(movements.size()));
                movements.push_back(candidate);
            }
    MatchAssignment assignment(int(plan.lines.size()), int(movements.size()));
    QHash<QString, int> kinds;
    for (std::size_t m = 0; m < movements.size(); ++m) {
        const MatchCandidate& movement = movements[m];
        assignment.setMovementKind(
            int(m), kindOf(kinds, u"m"_s + movement.date.toString(Qt::ISODate) + u'|' +
                                      movement.description + u'|' +
                                      QString::number(movement.amounts.MOVDLAAC.units()) + u'|' +
                                      QString::number(movement.amounts.MOVDLADE.units())));
    }
    for (std::size_t k = 0; k < plan.lines.size(); ++k) {
        const LineProposal& proposal = plan.lines[k];
        if (proposal.action != LineProposal::Action::Match)
            continue;
        const BankLine& line = proposal.line;
        assignment.setLineKind(
            int(k), kindOf(kinds, u"l"_s + matchDate(line, settings).toString(Qt::ISODate) + u'|' +
                                      line.description() + u'|' + line.documentNumber + u'|' +
                                      line.reference1 + u'|' + line.reference2));
        for (const MatchCandidate& candidate : proposal.candidates)
            if (candidate.evidence.matchable())
                assignment.offer(int(k), movementIndex.value(candidate.number),
                                 candidate.evidence.score());
    }
    const std::vector<int> chosen = assignment.solve();
    std::vector<int> realisedBy(movements.size(), -1);
    for (std::size_t k = 0; k < chosen.size(); ++k)
        if (chosen[k] >= 0)
            realisedBy[std::size_t(chosen[k])] = int(k);

    for (std::size_t k = 0; k < plan.lines.size(); ++k) {
        LineProposal& proposal = plan.lines[k];
        if (proposal.action != LineProposal::Action::Match &&
            proposal.action != LineProposal::Action::Review)
            continue;
        auto& candidates = proposal.candidates;
        candidates.erase(
            std::remove_if(candidates.begin(), candidates.end(),
                           [&](const MatchCandidate& candidate) {
                               const int by =
                                   realisedBy[std::size_t(movementIndex.value(candidate.number))];
                               return by >= 0 && by != int(k);
                           }),
            candidates.end());
        if (chosen[k] >= 0) {
            const std::int32_t number = movements[std::size_t(chosen[k])].number;
            const auto at =
                std::find_if(candidates.begin(), candidates.end(),
                             [&](const MatchCandidate& c) { return c.number == number; });
            proposal.chosen = int(at - candidates.begin());
            proposal.accepted = true;
            continue;
        }
        const bool open = std::any_of(candidates.begin(), candidates.end(), [](const auto& c) {
            return c.evidence.strength >= MatchEvidence::Strength::Doubtful;
        });
        if (proposal.action == LineProposal::Action::Review || open) {
            proposal.action = LineProposal::Action::Review;
            continue;
        }
        proposal.action = LineProposal::Action::NewMovement;
        proposal.concept = concepts.conceptFor(proposal.line.commonConcept, proposal.line.side);
        proposal.description = descriptionOf(proposal.line);
        // Without a concept of the line's side the ledger cannot take it: the person decides.
        proposal.accepted = !proposal.concept.isEmpty();
    }
}

bool applicable(const LineProposal& proposal) {
    switch (proposal.action) {
    case LineProposal::Action::Match:
        return proposal.accepted && proposal.chosen >= 0 &&
               std::size_t(proposal.chosen) < proposal.candidates.size();
    case LineProposal::Action::NewMovement:
        return proposal.accepted && !proposal.concept
        .isEmpty();
    default:
        return false;
    }
}

// What applying would do, line by line, without asking the ledger.
ApplyOutcome tally(const ReconciliationPlan& plan) {
    ApplyOutcome outcome;
    for (const LineProposal& proposal : plan.lines) {
        if (proposal.action == LineProposal::Action::AlreadyImported)
            ++outcome.alreadyImported;
        else if (!applicable(proposal))
            ++outcome.leftForReview;
        else if (proposal.action == LineProposal::Action::Match)
            ++outcome.matched;
        else
            ++outcome.added;
    }
    return outcome;
}

ApplyOutcome applyPlan(clManejo& manejo, const ReconciliationPlan& plan) {
    manejo.Ejecutar(forms::ledgerHoldAccount, {plan.account});
    manejo.Ejecutar(forms::reconcileLink, {plan.bankKey, plan.account});
    Recordset rs;
    const std::int32_t last = highestMovementNumber(manejo, rs, plan.account).value_or(0);
    ApplyOutcome outcome;
    StagedLines staging(manejo);
    // The sides of movements already chosen by a line, by number and side.
    QSet<qint64> chosen;
    bool twice = false;
    int line = 0;
    std::int32_t number = last; // the new movements' numbers while every line is recorded here
    for (const LineProposal& proposal : plan.lines) {
        ++line;
        const BankLine& bank = proposal.line;
        if (proposal.action == LineProposal::Action::AlreadyImported) {
            ++outcome.alreadyImported;
        } else if (!applicable(proposal)) {
            ++outcome.leftForReview;
        } else if (proposal.action == LineProposal::Action::Match) {
            const MatchCandidate& movement = proposal.candidates[std::size_t(proposal.chosen)];
            const bool credit = bank.side == BankLine::Side::Credit;
            const qint64 side = qint64(movement.number) * 2 + credit;
            const bool again = chosen.contains(side);
            chosen.insert(side);
            twice = twice || again;
            using Kind = StagedLines::Kind;
            const Kind kind = credit ? (again ? Kind::CreditAgain : Kind::Credit)
                                     : (again ? Kind::DebitAgain : Kind::Debit);
            staging.add(line, kind, movement.number, bank,
                        credit ? movement.amounts.MOVDLAAC : movement.amounts.MOVDLADE,
                        credit ? movement.amounts.MOVDLACR : movement.amounts.MOVDLDEB);
        } else {
            staging.add(line, StagedLines::Kind::New, ++number, bank, {}, {},
                        ConceptKey(proposal.concept).text(), proposal.description);
        }
    }
    staging.finish();
    const int recorded = int(manejo.Ejecutar(forms::reconcileStagedRecorded, {}));
    outcome.alreadyImported += recorded;
    if (twice) {
        outcome.leftForReview += int(manejo.Ejecutar(forms::reconcileStagedTwice, {}));
        manejo.Ejecutar(forms::reconcileStagedOnce, {});
    }
    outcome.leftForReview +=
        int(manejo.Ejecutar(forms::reconcileStagedChanged, {plan.account, plan.account}));
    if (recorded > 0)
        manejo.Ejecutar(forms::reconcileNumberStaged, {QString::number(last)});
    manejo.Ejecutar(forms::reconcileRecordStaged,
                    {plan.account, QDateTime::currentDateTimeUtc().toString(Qt::ISODate)});
    outcome.matched = int(manejo.Ejecutar(forms::reconcileRealiseStagedCredit, {plan.account}) +
                          manejo.Ejecutar(forms::reconcileRealiseStagedDebit, {plan.account}));
    outcome.added =
        int(manejo.Ejecutar(forms::reconcileEnterStaged, {AccountKey(plan.account).text()}));
    manejo.Ejecutar(forms::reconcileUnstage, {});
    // A balance in another currency is no balance of this account.
    const bool sameCurrency =
        plan.statementCurrency.isEmpty() || plan.statementCurrency == plan.currency;
    if (plan.closingBalance && plan.closingDate.isValid() && sameCurrency)
        manejo.Ejecutar(forms::reconcileKeepBalance,
                        {rt::generalNumberText(*plan.closingBalance),
                         rt::formatDateSlashed(plan.closingDate), plan.bankKey,
                         rt::formatDateSlashed(plan.closingDate)});
    return outcome;
}

// "12 lines: 9 to match, 2 new, 1 already imported, 0 to review, 0 foreign", for the log.
QString actionCounts(const ReconciliationPlan& plan) {
    int count[5] = {};
    for (const LineProposal& line : plan.lines)
        ++count[int(line.action)];
    return QStringLiteral("%1 lines: %2 to match, %3 new, %4 already imported, %5 to review, "
                          "%6 foreign")
        .arg(plan.lines.size())
        .arg(count[int(LineProposal::Action::Match)])
        .arg(count[int(LineProposal::Action::NewMovement)])
        .arg(count[int(LineProposal::Action::AlreadyImported)])
        .arg(count[int(LineProposal::Action::Review)])
        .arg(count[int(LineProposal::Action::Foreign)]);
}

} // namespace

MatchSettings MatchSettings::fromSettings() {
    MatchSettings settings;
    bool ok = false;
    const int days = SettingsStore::GetSetting(kApplication, kSection, kWindowKey, {}).toInt(&ok);
    if (ok && days >= 0)
        settings.windowDays = days;
    if (SettingsStore::GetSetting(kApplication, kSection, kBasisKey, {}) == kOperationDate)
        settings.basis = DateBasis::OperationDate;
    return settings;
}

void MatchSettings::save() const {
    SettingsStore::SaveSetting(kApplication, kSection, kWindowKey, QString::number(windowDays));
    SettingsStore::SaveSetting(kApplication, kSection, kBasisKey,
                               basis == DateBasis::OperationDate ? kOperationDate
                                                                 : QStringLiteral("VALOR"));
}

std::optional<QString> Reconciler::linkedAccount(clManejo& manejo, const QString& bankKey) {
    Recordset rs;
    manejo.RsDesconectado(true);
    manejo.CrearRs(rs, forms::reconcileLinkedAccount, {bankKey});
    if (rs.Eof())
        return std::nullopt;
    return GP_TEXTO(rs.Fields(0));
}

void Reconciler::link(clManejo& manejo, const QString& bankKey, const QString& account) {
    manejo.Ejecutar(forms::reconcileLink, {bankKey, account});
}

std::optional<QString> Reconciler::relink(clManejo& manejo, const ReconciliationPlan& plan,
                                          const QString& account) {
    WriteBatch batch(manejo);
    const QString target = account.trimmed();
    Recordset rs;
    manejo.RsDesconectado(true);
    manejo.CrearRs(rs, forms::reconcileAppliedLink, {plan.bankKey});
    if (!rs.Eof())
        if (const QString applied = GP_TEXTO(rs.Fields(0)); applied != target)
            return applied;
    // One read of the lines recorded elsewhere, not one per line of the statement.
    QSet<QString> lines;
    for (const LineProposal& proposal : plan.lines)
        lines.insert(proposal.line.fingerprint);
    manejo.CrearRs(rs, forms::reconcileRecordedElsewhere, {target});
    for (; !rs.Eof(); rs.MoveNext())
        if (lines.contains(GP_TEXTO(rs.Fields(0))))
            return GP_TEXTO(rs.Fields(1));
    manejo.Ejecutar(forms::reconcileLink, {plan.bankKey, target});
    batch.commit();
    return std::nullopt;
}

QString Reconciler::ledgerCurrency() {
    return QStringLiteral("EUR");
}

QString Reconciler::currencyRefusal(const BankStatement& statement, const QString& account) {
    if (statement.currency.isEmpty() || statement.currency == ledgerCurrency())
        return {};
    return QCoreApplication::translate("Reconciler", "el extracto %1 está en %2 y la cuenta %3, "
                                                     "en %4")
        .arg(statement.accountKey(), statement.currency, account.trimmed(), ledgerCurrency());
}

ReconciliationPlan Reconciler::propose(clManejo& manejo, const BankStatement& statement,
                                       const QString& account, const MatchSettings& settings) {
    ReconciliationPlan plan;
    plan.account = account;
    plan.bankKey = statement.accountKey();
    plan.currency = ledgerCurrency();
    plan.statementCurrency = statement.currency;
    plan.closingBalance = statement.closingBalance;
    plan.closingDate = statement.endDate;
    const QSet<QString> recorded = recordedLines(manejo, account);
    const PendingMovements pending = pendingFor(manejo, statement, plan, recorded, settings);
    plan.lines.reserve(std::size_t(statement.lines.size()));
    for (const BankLine& line : statement.lines)
        plan.lines.push_back(proposeLine(line, plan, recorded, pending, settings));
    weighCandidates(plan);
    assignMatches(plan, ConceptChooser(manejo), settings);
    qCDebug(lcReconcile).noquote()
        << plan.bankKey << "to account" << account << ":" << actionCounts(plan);
    return plan;
}

void Reconciler::cycleCandidate(LineProposal& line) {
    if (line.candidates.empty())
        return;
    line.chosen = (line.chosen + 1) % int(line.candidates.size());
    line.action = LineProposal::Action::Match;
}

ApplyOutcome Reconciler::apply(clManejo& manejo, const ReconciliationPlan& plan, bool dryRun) {
    return applyEach(manejo, {&plan}, dryRun).front();
}

std::vector<ApplyOutcome>
Reconciler::applyAll(clManejo& manejo, const std::vector<ReconciliationPlan>& plans, bool dryRun) {
    std::vector<const ReconciliationPlan*> each;
    for (const ReconciliationPlan& plan : plans)
        each.push_back(&plan);
    return applyEach(manejo, each, dryRun);
}

std::vector<ApplyOutcome> Reconciler::applyEach(clManejo& manejo,
                                                const std::vector<const ReconciliationPlan*>& plans,
                                                bool dryRun) {
    std::vector<ApplyOutcome> outcomes;
    if (dryRun) {
        for (const ReconciliationPlan* plan : plans)
            outcomes.push_back(tally(*plan));
        return outcomes;
    }
    WriteBatch batch(manejo, WriteBatch::Size::Large);
    for (const ReconciliationPlan* plan : plans)
        outcomes.push_back(applyPlan(manejo, *plan));
    batch.commit();
    return outcomes;
}

QString Reconciler::conceptFor(clManejo& manejo, const QString& commonConcept,
                               BankLine::Side side) {
    return ConceptChooser(manejo).conceptFor(commonConcept, side);
}

void Reconciler::mapConcept(clManejo& manejo, const QString& commonConcept,
                            const QString& concept) {
    manejo.Ejecutar(forms::reconcileMapConcept, {commonConcept, concept});
}

std::optional<std::pair<Money, QDate>> Reconciler::bankBalance(clManejo& manejo,
                                                               const QString& account) {
    Recordset rs;
    manejo.RsDesconectado(true);
    manejo.CrearRs(rs, forms::reconcileBalance, {account});
    if (rs.Eof())
        return std::nullopt;
    const Variant balance = rs.Fields(0);
    const Variant date = rs.Fields(1);
    if (!balance.get<Money>() || !date.get<QDate>())
        return std::nullopt;
    return std::pair{*balance.get<Money>(), *date.get<QDate>()};
}

} // namespace ledgora
