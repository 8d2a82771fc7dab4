// Enters movements on account 001 of the file given, as the entry screen does: the insert,
// then the account's totals stored. Each movement's number is written on stdout (flushed)
// as soon as its insert has returned, so whoever kills this program knows what was saved.
//
//   killed_child PATH TARGET SEED
//
// Numbering follows on from the highest movement in the file; it stops at TARGET.

#include "core/Conversions.h"
#include "data/clManejo.h"
#include "entry/ComponentClasses.h"
#include "ledger/AccountTotals.h"
#include "ledger/MovementListing.h"
#include "ledger/SharedState.h"
#include "platform/MessageBoxes.h"

#include <QApplication>
#include <QRandomGenerator>
#include <cstdio>
#include <cstdlib>

using namespace ledgora;
using namespace Qt::StringLiterals;

namespace {

// Enters `count` movements after the highest one the file holds.
void enterMovements(int count, QRandomGenerator& random) {
    const int target = gCuenta.UltimoMovimiento + count;
    while (gCuenta.UltimoMovimiento < target) {
        const int number = gCuenta.UltimoMovimiento + 1;
        Money amounts[4];
        amounts[random.bounded(4)] = Money::fromUnits(qint64(random.bounded(1, 10000000)) * 100);
        QStringList values{u"001"_s, QString::number(number), u"05/03/2024"_s, u"3 "_s,
                           u"Movimiento "_s + QString::number(number)};
        for (const Money amount : amounts)
            values << rt::generalNumberText(amount);
        const long inserted = gManejo->Ejecutar("entry.insertMovement", values);
        if (inserted <= 0)
            std::_Exit(5);
        std::printf("%d\n", number);
        std::fflush(stdout);

        gCuenta.UltimoMovimiento += std::int32_t(inserted);
        gCuenta.TOMDLAAC += amounts[0];
        gCuenta.TOMDLADE += amounts[1];
        gCuenta.TOMDLACR += amounts[2];
        gCuenta.TOMDLDEB += amounts[3];
        GP_ACTUALIZARCUENTA();
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 4) {
        std::fputs("usage: killed_child PATH COUNT SEED\n", stderr);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const int target = QString::fromLatin1(argv[2]).toInt();
    QRandomGenerator random(QString::fromLatin1(argv[3]).toUInt());

    // Nobody is there to answer a box: any message is a failure of the run.
    MessageBoxes::setHandler([](const MessageBoxRequest& request) -> MsgAnswer {
        std::fprintf(stderr, "message: %s\n", request.prompt.toUtf8().constData());
        std::_Exit(3);
    });

    registerComponentClasses();
    gManejo = std::make_unique<clManejo>();
    gManejo->CadenaConexion(u"Data Source="_s + path);
    gManejo->Conectar();
    if (!gManejo->EstadoConexion())
        return 4;

    gCuenta.CNTSTNRO = QStringLiteral("001");
    gCuenta.CNTSTNOM = QStringLiteral("Caja");
    gFechaDesde = QDate(2024, 1, 1);
    gFechaHasta = QDate(2024, 12, 31);
    try {
        // The totals and the highest number as the listing loads them, then the entries.
        Recordset rs;
        refreshAccountTotals(rs);
        rs.Close();
        enterMovements(target, random);
    } catch (const RuntimeError& error) {
        std::fprintf(stderr, "error %ld: %s\n", error.number(),
                     error.description().toUtf8().constData());
        return 6;
    }
    gManejo.reset();
    return 0;
}
