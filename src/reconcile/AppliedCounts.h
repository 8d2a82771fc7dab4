#pragma once

#include "reconcile/ReconciliationPlan.h"

#include <QCoreApplication>
#include <QStringList>

namespace ledgora {

// What applying a statement did, counted as its summaries say it: "2 casados, 1 nuevo,
// 0 ya importados".
class AppliedCounts {
    Q_DECLARE_TR_FUNCTIONS(AppliedCounts)
public:
    static QString text(const ApplyOutcome& outcome) {
        return QStringList{matched(outcome.matched), added(outcome.added),
                           alreadyImported(outcome.alreadyImported)}
            .join(QStringLiteral(", "));
    }

private:
    // The texts are written in Spanish and no catalogue is loaded for Spanish, so tr() puts the
    // count in %n without choosing a form by it: the form is chosen here. A catalogue of another
    // language translates both forms.
    static QString matched(int n) {
        return n == 1 ? tr("%n casado", nullptr, n) : tr("%n casados", nullptr, n);
    }
    static QString added(int n) {
        return n == 1 ? tr("%n nuevo", nullptr, n) : tr("%n nuevos", nullptr, n);
    }
    static QString alreadyImported(int n) {
        return n == 1 ? tr("%n ya importado", nullptr, n) : tr("%n ya importados", nullptr, n);
    }
};

} // namespace ledgora
