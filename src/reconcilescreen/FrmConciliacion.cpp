#include "FrmConciliacion.h"
#include "StatementLineRows.h"

#include "LedgerAccountList.h"
#include "controls/FlexGrid.h"
#include "controls/PanelStatusBar.h"
#include "controls/TitleBanner.h"
#include "core/Conversions.h"
#include "data/Recordset.h"
#include "data/clManejo.h"
#include "domain/ModuleUtilities.h"
#include "domain/SharedState.h"
#include "platform/BusyPointer.h"
#include "platform/ErrorReport.h"
#include "platform/PickList.h"
#include "platform/Twips.h"
#include "platform/VirtualKeys.h"
#include "reconcile/AppliedCounts.h"
#include "reconcile/Reconciler.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ledgora {

namespace {

// Design sizes, in twips.
constexpr int kWidth = 14400;
constexpr int kHeight = 6600;

enum Column { kDate, kText, kAmount, kSide, kAction, kMovement, kMark, kColumns };

using Action = LineProposal::Action;

// A new movement needs a concept of its side to be entered under.
bool canAccept(const LineProposal& line) {
    return (line.action == Action::NewMovement && !line.concept.isEmpty()) ||
           (line.action == Action::Match && line.chosen >= 0 &&
            line.chosen < int(line.candidates.size()));
}

QString actionText(const LineProposal& line, const QString& currency) {
    switch (line.action) {
    case Action::Match: {
        const std::int32_t number = line.candidates.at(std::size_t(line.chosen)).number;
        if (line.candidates.size() == 1)
            return FrmConciliacion::tr("Casar con nº %1").arg(number);
        return FrmConciliacion::tr("Casar con nº %1 (%2 de %3)")
            .arg(number)
            .arg(line.chosen + 1)
            .arg(line.candidates.size());
    }
    case Action::NewMovement:
        return FrmConciliacion::tr("Nuevo movimiento");
    case Action::AlreadyImported:
        return FrmConciliacion::tr("Ya importado");
    case Action::Review:
        if (line.line.reversal) // the bank undoes an earlier entry of its own
            return FrmConciliacion::tr("Revisar anulación (%1 candidatos)")
                .arg(line.candidates.size());
        return FrmConciliacion::tr("Revisar (%1 candidatos)").arg(line.candidates.size());
    case Action::Foreign:
        break;
    }
    // Shown, never applied: another currency, or a movement the bank has not booked yet.
    return line.line.currency != currency ? FrmConciliacion::tr("Otra moneda")
                                          : FrmConciliacion::tr("No contabilizado");
}

// Why the line's candidates were proposed, or set aside: what their texts share, how far the
// dates are.
QString reasonText(const LineProposal& line) {
    auto candidate = [](const MatchCandidate& c) {
        return FrmConciliacion::tr("nº %1: %2").arg(c.number).arg(c.evidence.reason(c.dayDistance));
    };
    QStringList each;
    switch (line.action) {
    case Action::Match:
        return FrmConciliacion::tr("Casado por %1")
            .arg(candidate(line.candidates.at(std::size_t(line.chosen))));
    case Action::Review:
    case Action::NewMovement:
        for (const MatchCandidate& c : line.candidates)
            each << candidate(c);
        if (each.isEmpty())
            return {};
        return (line.action == Action::Review ? FrmConciliacion::tr("En duda: %1")
                                              : FrmConciliacion::tr("Descartados: %1"))
            .arg(each.join(QStringLiteral("; ")));
    default:
        return {};
    }
}

// The concept's entry as the entry screen lists it, or what to do when there is none.
QString conceptText(const std::vector<ConceptRecord>& concepts, const QString& number) {
    for (const ConceptRecord& known : concepts) {
        if (known.number == number.trimmed())
            return known.entry();
    }
    return number.trimmed().isEmpty() ? FrmConciliacion::tr("Sin concepto (F4)") : number;
}

// The text of a line's cell in the review grid.
QString lineCell(const ReconciliationPlan& plan, const std::vector<ConceptRecord>& concepts,
                 int index, int column) {
    const LineProposal& line = plan.lines.at(std::size_t(index));
    switch (Column(column)) {
    case kDate:
        return rt::formatDateSlashed(line.line.operationDate) +
               (line.line.dateAssumed ? FrmConciliacion::tr(" (supuesta)") : QString());
    case kText:
        return line.line.description();
    case kAmount:
        return rt::formatAmount(line.line.amount) +
               (line.line.currency != plan.currency ? u' ' + line.line.currency : QString());
    case kSide:
        return line.line.side == BankLine::Side::Credit ? FrmConciliacion::tr("Abono")
                                                        : FrmConciliacion::tr("Cargo");
    case kAction:
        return actionText(line, plan.currency);
    case kMovement:
        if (line.action == Action::Match) {
            const MatchCandidate& candidate = line.candidates.at(std::size_t(line.chosen));
            return rt::formatDateSlashed(candidate.date) + u' ' + candidate.description;
        }
        if (line.action == Action::NewMovement)
            return conceptText(concepts, line.concept);
        if (line.action == Action::Review) {
            QStringList numbers; // F5 goes through them in this order
            for (const MatchCandidate& candidate : line.candidates)
                numbers << FrmConciliacion::tr("nº %1").arg(candidate.number);
            return numbers.join(QStringLiteral(", "));
        }
        return {};
    case kMark:
        return line.accepted ? QStringLiteral("X") : QString();
    case kColumns:
        break;
    }
    return {};
}

} // namespace

FrmConciliacion::FrmConciliacion() {
    setCaption(QString()); // the banner carries the title
    setKeyPreview(true);
    buildControls();
}

FrmConciliacion::~FrmConciliacion() = default;

void FrmConciliacion::buildControls() {
    resize(Twips::toPixelsX(kWidth), Twips::toPixelsY(kHeight));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);

    Label1_ = TitleBanner::heading(tr("CONCILIACIÓN CON EL EXTRACTO DEL BANCO"), this);
    lbEXTRACTO_ = new QLabel(this);
    lbEXTRACTO_->setObjectName(QStringLiteral("lbEXTRACTO"));
    lbEXTRACTO_->setContentsMargins(8, 0, 8, 0);

    lstLIN_ = new FlexGrid(this);
    lstLIN_->setObjectName(QStringLiteral("lstLIN"));
    lstLIN_->setAccessibleName(tr("Líneas del extracto"));
    lstLIN_->setKeyDownHandler([this](int& keyCode, int shift) { lstLIN_KeyDown(keyCode, shift); });
    lstLIN_->setCols(kColumns);
    connect(lstLIN_, &FlexGrid::currentRowChanged, this, [this] { showReason(); });
    const char* headers[] = {
        QT_TR_NOOP("FECHA"),  QT_TR_NOOP("DESCRIPCIÓN"), QT_TR_NOOP("IMPORTE"), QT_TR_NOOP("TIPO"),
        QT_TR_NOOP("ACCIÓN"), QT_TR_NOOP("MOVIMIENTO"),  QT_TR_NOOP("ACEPTADA")};
    const int widths[] = {1305, 3900, 1305, 800, 2600, 3300, 900};
    for (int c = 0; c < kColumns; ++c) {
        lstLIN_->setTextMatrix(0, c, tr(headers[c]));
        lstLIN_->setColWidth(c, widths[c]);
    }
    for (int c : {int(kAmount), int(kSide), int(kMark)})
        lstLIN_->setColAlignment(c, FlexGrid::CenterCenter);

    lbMOTIVO_ = new QLabel(this);
    lbMOTIVO_->setObjectName(QStringLiteral("lbMOTIVO"));
    lbMOTIVO_->setContentsMargins(8, 0, 8, 0);
    lbMOTIVO_->setTextFormat(Qt::PlainText);
    // A long reason is cut at the screen's edge; it never widens the window.
    lbMOTIVO_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    cmdAplicar_ = new QPushButton(tr("Aplicar [F10]"), this);
    cmdAplicar_->setObjectName(QStringLiteral("cmdAplicar"));
    cmdAplicar_->setAutoDefault(false);
    connect(cmdAplicar_, &QPushButton::clicked, this,
            [this] { guardEvent([this] { PP_APLICAR(); }); });

    StBar_ = new PanelStatusBar(2, this);
    StBar_->setObjectName(QStringLiteral("StBar"));
    StBar_->setPanelText(2, tr("ENTER [Aceptar] - ESPACIO [Marcar o Desmarcar] - "
                               "F5 [Otro candidato] - F4 [Concepto] - F7 [Cambiar cuenta] - "
                               "F3 [Ventana] - F10 [Aplicar] - ESC [Salir]"));

    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(8, 0, 8, 0);
    bottom->addWidget(lbEXTRACTO_, 1);
    bottom->addWidget(cmdAplicar_);
    layout->addWidget(Label1_);
    layout->addWidget(lstLIN_, 1);
    layout->addWidget(lbMOTIVO_);
    layout->addLayout(bottom);
    layout->addWidget(StBar_);
}

void FrmConciliacion::setPlan(ReconciliationPlan plan) {
    // A plan of its own: the grid's rows go on reading the one they were pasted from until
    // the new one is shown.
    plan_ = std::make_shared<ReconciliationPlan>(std::move(plan));
    conceptChosen_.clear();
    changed_ = false;
}

void FrmConciliacion::Form_Load() {
    loadConcepts();
    showStatement();
}

void FrmConciliacion::showStatement() {
    QString statement = tr("Extracto %1 - Cuenta %2").arg(plan_->bankKey, plan_->account.trimmed());
    if (plan_->closingBalance)
        statement += tr(" - Saldo final %1 al %2")
                         .arg(rt::formatAmount(*plan_->closingBalance),
                              rt::formatDateSlashed(plan_->closingDate));
    const MatchSettings window = MatchSettings::fromSettings();
    statement +=
        tr(" - Ventana: %1 días, %2")
            .arg(window.windowDays)
            .arg(window.basis == MatchSettings::DateBasis::ValueDate ? tr("fecha valor")
                                                                     : tr("fecha de operación"));
    lbEXTRACTO_->setText(statement);
    const int count = int(plan_->lines.size());
    lstLIN_->setRows(count + 1);
    if (count > 0) {
        lstLIN_->setRow(1);
        lstLIN_->setCol(0);
        lstLIN_->setRowSel(count);
        lstLIN_->setColSel(kColumns - 1);
        lstLIN_->setClip(
            std::make_shared<const StatementLineRows>(plan_, concepts_, kColumns, &lineCell));
    }
    showCounts();
    if (lstLIN_->rows() > 1)
        lstLIN_->goToRow(1);
    showReason(); // the paste left the grid on the first line already
    lstLIN_->setFocus();
}

void FrmConciliacion::loadConcepts() {
    try {
        concepts_ = readConcepts(requireManejo());
    } catch (const RuntimeError& error) {
        reportError(error, QStringLiteral(" - "), QStringLiteral("Seccion Carga_Conceptos"));
    }
}

void FrmConciliacion::showLine(int index) {
    const int row = index + 1;
    lstLIN_->sourceRowChanged(row);
    if (row == lstLIN_->row())
        showReason();
}

void FrmConciliacion::showReason() {
    const int index = lstLIN_->row() - 1;
    lbMOTIVO_->setText(index >= 0 && index < int(plan_->lines.size())
                           ? reasonText(plan_->lines.at(std::size_t(index)))
                           : QString());
}

void FrmConciliacion::showCounts() {
    const auto accepted = std::count_if(plan_->lines.begin(), plan_->lines.end(),
                                        [](const LineProposal& line) { return line.accepted; });
    StBar_->setPanelText(1, tr("Aceptadas: %1 de %2").arg(accepted).arg(plan_->lines.size()));
}

void FrmConciliacion::Form_KeyDown(int& keyCode, int) {
    if (keyCode == vk::Escape) {
        keyCode = 0;
        PP_SALIR();
    } else if (keyCode == vk::F10) {
        keyCode = 0;
        PP_APLICAR();
    } else if (keyCode == vk::F7) {
        keyCode = 0;
        PP_CAMBIARCUENTA();
    } else if (keyCode == vk::F3) {
        keyCode = 0;
        PP_VENTANA();
    }
}

void FrmConciliacion::PP_CAMBIARCUENTA() {
    std::optional<QString> refused;
    BusyPointer busy;
    try {
        const LedgerAccountList accounts = LedgerAccountList::read();
        const QStringList& numbers = accounts.numbers;
        const QStringList& entries = accounts.entries;
        busy.release();
        const QString current = plan_->account.trimmed();
        const auto chosen = PickList::choose(
            this, tr("¿A qué cuenta pertenece el extracto %1?").arg(plan_->bankKey), entries,
            std::max(0, int(numbers.indexOf(current))));
        if (!chosen || numbers.at(*chosen) == current)
            return;
        BusyPointer writing;
        refused = Reconciler::relink(requireManejo(), *plan_, numbers.at(*chosen));
        writing.release();
        if (refused) {
            MsgBox(tr("Las líneas del extracto %1 ya se aplicaron a la cuenta %2: no se puede "
                      "vincular con otra cuenta.")
                       .arg(plan_->bankKey, *refused),
                   MsgIcon::Exclamation);
            return;
        }
        // The lines were read against this account; they are read again against the other
        // one when it is reconciled, so nothing is applied here.
        MsgBox(tr("El extracto %1 queda vinculado con la cuenta %2. Selecciónela para "
                  "conciliarlo.")
                   .arg(plan_->bankKey, numbers.at(*chosen)),
               MsgIcon::Exclamation);
    } catch (const RuntimeError& error) {
        busy.release();
        reportError(error, QStringLiteral(" - "), QStringLiteral("Seccion Conciliación"));
        return;
    }
    GP_DESCARGAR(*this);
}

void FrmConciliacion::lstLIN_KeyDown(int& keyCode, int) {
    const int row = lstLIN_->row();
    if (row < 1 || row >= lstLIN_->rows())
        return;
    const int index = row - 1;
    if (keyCode == vk::Return) {
        acceptLine(index, true);
        if (row + 1 < lstLIN_->rows())
            lstLIN_->goToRow(row + 1);
    } else if (keyCode == vk::Space) {
        acceptLine(index, !plan_->lines.at(std::size_t(index)).accepted);
    } else if (keyCode == vk::F5) {
        cycleLine(index);
    } else if (keyCode == vk::F4) {
        chooseConcept(index);
    } else {
        return;
    }
    keyCode = 0;
}

void FrmConciliacion::acceptLine(int index, bool accepted) {
    LineProposal& line = plan_->lines.at(std::size_t(index));
    if (accepted == line.accepted || (accepted && !canAccept(line)))
        return;
    // A movement is realised by one bank line only.
    if (accepted && line.action == Action::Match) {
        const std::int32_t number = line.candidates.at(std::size_t(line.chosen)).number;
        for (const LineProposal& other : plan_->lines)
            if (&other != &line && other.accepted && other.action == Action::Match &&
                other.candidates.at(std::size_t(other.chosen)).number == number) {
                MsgBox(tr("El movimiento nº %1 ya está aceptado para otra línea "
                          "del extracto.")
                           .arg(number),
                       MsgIcon::Exclamation);
                return;
            }
    }
    line.accepted = accepted;
    changed_ = true;
    showLine(index);
    showCounts();
}

void FrmConciliacion::cycleLine(int index) {
    LineProposal& line = plan_->lines.at(std::size_t(index));
    if ((line.action != Action::Match && line.action != Action::Review) || line.candidates.empty())
        return;
    // An accepted line stays accepted with its next candidate, unless another accepted line
    // holds that movement already.
    const bool accepted = line.accepted;
    Reconciler::cycleCandidate(line);
    line.accepted = false;
    changed_ = true;
    showLine(index);
    if (accepted)
        acceptLine(index, true);
    showCounts();
}

void FrmConciliacion::chooseConcept(int index) {
    LineProposal& line = plan_->lines.at(std::size_t(index));
    if (line.action != Action::NewMovement)
        return;
    const bool credit = line.line.side == BankLine::Side::Credit;
    const ConceptType type = credit ? ConceptType::Credit : ConceptType::Debit;
    QStringList entries;
    std::vector<const ConceptRecord*> offered;
    int current = 0;
    for (const ConceptRecord& known : concepts_) {
        if (known.type != type)
            continue;
        if (known.number == line.concept.trimmed())
            current = int(offered.size());
        entries << known.entry();
        offered.push_back(&known);
    }
    if (entries.isEmpty()) {
        MsgBox(credit ? tr("No hay conceptos de CREDITO.") : tr("No hay conceptos de DEBITO."),
               MsgIcon::Exclamation);
        return;
    }
    const auto chosen =
        PickList::choose(this, tr("Concepto del nuevo movimiento:"), entries, current);
    if (!chosen)
        return;
    line.concept = offered.at(std::size_t(*chosen))->number;
    conceptChosen_.insert(index);
    changed_ = true;
    showLine(index);
    // The bank's concept means the same on every line: the other new movements of this
    // statement with it and on this side take the choice at once, unless chosen by hand.
    if (line.line.commonConcept.isEmpty())
        return;
    for (int other = 0; other < int(plan_->lines.size()); ++other) {
        LineProposal& same = plan_->lines.at(std::size_t(other));
        if (other == index || conceptChosen_.contains(other) ||
            same.action != Action::NewMovement || same.line.side != line.line.side ||
            same.line.commonConcept != line.line.commonConcept)
            continue;
        const bool lacked = same.concept.trimmed().isEmpty();
        same.concept = line.concept;
        if (lacked)
            acceptLine(other, true); // refused for want of a concept of its side, not by hand
        showLine(other);
    }
    showCounts();
}

void FrmConciliacion::PP_APLICAR() {
    if (std::none_of(plan_->lines.begin(), plan_->lines.end(),
                     [](const LineProposal& line) { return line.accepted; })) {
        MsgBox(tr("No hay ninguna línea aceptada para aplicar."), MsgIcon::Exclamation);
        return;
    }
    ApplyOutcome outcome;
    BusyPointer busy;
    try {
        outcome = Reconciler::apply(requireManejo(), *plan_);
    } catch (const RuntimeError& error) {
        busy.release();
        reportError(error, QStringLiteral(" - "), QStringLiteral("Seccion Conciliación"));
        return;
    }
    rememberConcepts();
    busy.release();
    Q_EMIT planApplied();
    MsgBox(tr("Conciliación aplicada: %1, %2 sin aplicar.")
               .arg(AppliedCounts::text(outcome))
               .arg(outcome.leftForReview));
    GP_DESCARGAR(*this);
}

void FrmConciliacion::rememberConcepts() {
    // The concept the person chose for a bank concept is the one its next lines get.
    try {
        for (int index : std::as_const(conceptChosen_)) {
            const LineProposal& line = plan_->lines.at(std::size_t(index));
            if (line.accepted && !line.line.commonConcept.isEmpty())
                Reconciler::mapConcept(requireManejo(), line.line.commonConcept, line.concept);
        }
    } catch (const RuntimeError& error) {
        reportError(error, QStringLiteral(" - "), QStringLiteral("Seccion Conciliación"));
    }
}

void FrmConciliacion::PP_VENTANA() {
    if (statement_.lines.isEmpty())
        return;
    if (changed_ && MsgBox(tr("¿Vuelve a cotejar el extracto? Se pierden los cambios hechos."),
                           MsgIcon::Question, MsgButtons::YesNo) != MsgAnswer::Yes)
        return;
    MatchSettings window = MatchSettings::fromSettings();
    constexpr int kMostDays = 31;
    QStringList days;
    for (int d = 0; d <= kMostDays; ++d)
        days << (d == 1 ? tr("1 día") : tr("%1 días").arg(d));
    const auto chosenDays = PickList::choose(
        this, tr("Días que pueden separar la fecha del banco de la del movimiento:"), days,
        std::clamp(window.windowDays, 0, kMostDays));
    if (!chosenDays)
        return;
    const bool byValue = window.basis == MatchSettings::DateBasis::ValueDate;
    const auto chosenBasis =
        PickList::choose(this, tr("Fecha del banco con la que se coteja:"),
                         {tr("Fecha valor"), tr("Fecha de operación")}, byValue ? 0 : 1);
    if (!chosenBasis)
        return;
    window.windowDays = *chosenDays;
    window.basis = *chosenBasis == 0 ? MatchSettings::DateBasis::ValueDate
                                     : MatchSettings::DateBasis::OperationDate;
    window.save();
    BusyPointer busy;
    try {
        setPlan(Reconciler::propose(requireManejo(), statement_, plan_->account, window));
    } catch (const RuntimeError& error) {
        busy.release();
        reportError(error, QStringLiteral(" - "), QStringLiteral("Seccion Conciliación"));
        return;
    }
    busy.release();
    showStatement();
}

void FrmConciliacion::PP_SALIR() {
    // Proposals the person has not touched are read again with the statement; choices made
    // here would be lost, so only then is leaving confirmed.
    if (changed_ && MsgBox(tr("¿Sale sin aplicar? Se pierden los cambios hechos."),
                           MsgIcon::Question, MsgButtons::YesNo) != MsgAnswer::Yes)
        return;
    GP_DESCARGAR(*this);
}

} // namespace ledgora
