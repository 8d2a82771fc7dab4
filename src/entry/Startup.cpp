#include "Startup.h"

#include "entry/EntryLog.h"

#include "core/ClassRegistry.h"
#include "core/Conversions.h"
#include "core/RuntimeError.h"
#include "core/SettingsStore.h"
#include "data/ConnectionString.h"
#include "data/clManejo.h"
#include "domain/ModuleUtilities.h"
#include "domain/SharedState.h"
#include "forecast/OccurrenceEntry.h"
#include "mainscreen/FrmBNKMain.h"
#include "platform/MessageBoxes.h"

namespace ledgora {

namespace {

// The stored text of an interval date, which must read as a date.
QDate storedDate(const QString& key, QDate fallback) {
    const QString text = SettingsStore::GetSetting(
        QStringLiteral("VENTALIA"), QStringLiteral("BANCOS"), key, rt::dateText(fallback));
    const auto date = rt::readDate(text);
    if (!date)
        throw RuntimeError::typeMismatch();
    return *date;
}

// The schedules' occurrences due within the days ahead the person chose are entered as
// pending movements before anything is listed. A ledger that cannot take them now (read only,
// or held by another writer) is opened all the same: the forecast still counts them, and the
// next start enters them.
void enterScheduledMovements() {
    try {
        const int entered = OccurrenceEntry::enterDue(
            *gManejo, QDate::currentDate().addDays(OccurrenceEntry::horizonDays()));
        if (entered > 0)
            qCInfo(lcEntry) << "scheduled movements entered:" << entered;
    } catch (const RuntimeError& error) {
        qCWarning(lcEntry).noquote()
            << "scheduled movements not entered:" << error.number() << error.description();
    }
}

} // namespace

void Startup::load(FrmBNKMain& screen) {
    try {
        screen.FormatGRD();

        const IntervaloRecord month = GP_INTERVALOMES(QDate::currentDate());
        gFechaDesde = month.desde;
        gFechaHasta = month.hasta;
        gFechaDesde = storedDate(QStringLiteral("FACDESDE"), gFechaDesde);
        gFechaHasta = storedDate(QStringLiteral("FACHASTA"), gFechaHasta);

        gManejo = CreateObject<clManejo>(QStringLiteral("Datorix.clManejo"));
        if (!gManejo)
            throw RuntimeError::cannotCreateObject();
        qCInfo(lcEntry).noquote() << "opening" << ConnectionString::masked(gDBPath) << "for"
                                  << gFechaDesde.toString(Qt::ISODate) << "to"
                                  << gFechaHasta.toString(Qt::ISODate);
        gManejo->CadenaConexion(ConnectionString::forSource(gDBPath));
        gManejo->Conectar();
        if (!gManejo->EstadoConexion()) {
            qCWarning(lcEntry) << "the ledger could not be opened";
            MsgBox(QStringLiteral("Error en Acceder a Base de datos"), MsgIcon::Critical,
                   MsgButtons::Ok, true);
            return;
        }

        enterScheduledMovements();
        screen.setStatusPanel(2, intervalStatusText());
        screen.PP_SELCUENTA();
    } catch (const RuntimeError& error) {
        MsgBox(QStringLiteral("Inicio de Sistema ") + QString::number(error.number()) +
                   QStringLiteral(" - ") + error.description(),
               MsgIcon::Critical, MsgButtons::Ok, true);
    }
}

void Startup::unload() {
    gManejo.reset();
}

} // namespace ledgora
