#pragma once

#include "data/FormName.h"

namespace ledgora {

// The forms the reconciliation issues.
namespace forms {
inline constexpr FormName reconcileLinkedAccount{"reconcile.linkedAccount"};
inline constexpr FormName reconcileLink{"reconcile.link"};
inline constexpr FormName reconcileAppliedLink{"reconcile.appliedLink"};
inline constexpr FormName reconcileRecordedElsewhere{"reconcile.recordedElsewhere"};
inline constexpr FormName reconcileKeepBalance{"reconcile.keepBalance"};
inline constexpr FormName reconcileBalance{"reconcile.balance"};
inline constexpr FormName reconcileRecorded{"reconcile.recorded"};
inline constexpr FormName reconcilePending{"reconcile.pending"};
inline constexpr FormName reconcileStageTable{"reconcile.stageTable"};
inline constexpr FormName reconcileStage{"reconcile.stage"};
inline constexpr FormName reconcileStageMany{"reconcile.stageMany"};
inline constexpr FormName reconcileUnstage{"reconcile.unstage"};
inline constexpr FormName reconcileStagedRecorded{"reconcile.stagedRecorded"};
inline constexpr FormName reconcileStagedTwice{"reconcile.stagedTwice"};
inline constexpr FormName reconcileStagedOnce{"reconcile.stagedOnce"};
inline constexpr FormName reconcileStagedChanged{"reconcile.stagedChanged"};
inline constexpr FormName reconcileNumberStaged{"reconcile.numberStaged"};
inline constexpr FormName reconcileRecordStaged{"reconcile.recordStaged"};
inline constexpr FormName reconcileRealiseStagedCredit{"reconcile.realiseStagedCredit"};
inline constexpr FormName reconcileRealiseStagedDebit{"reconcile.realiseStagedDebit"};
inline constexpr FormName reconcileEnterStaged{"reconcile.enterStaged"};
inline constexpr FormName reconcileConceptMap{"reconcile.conceptMap"};
inline constexpr FormName reconcileMapConcept{"reconcile.mapConcept"};
inline constexpr FormName reconcileCsvLayouts{"reconcile.csvLayouts"};
inline constexpr FormName reconcileRememberCsv{"reconcile.rememberCsv"};
} // namespace forms

// Registers the statement forms the reconciliation issues, once at start with every other
// library's (registerComponentClasses). Registering again changes nothing.
void registerReconcileStatements();

// How many lines forms::reconcileStageMany stages at once (forms::reconcileStage one).
constexpr int kStagedAtOnce = 64;

} // namespace ledgora
