// Times the main screen's listing load (CARGAR_CUENTAS into the grid, offscreen) over a
// PostgreSQL server against `psql` running the same listing with its output discarded.
//   bench_postgres N URI FOLDER
// prints: N=... engine=postgresql load_ms=... psql_ms=... ratio=...
// The movements are loaded once with COPY (the totals triggers are recomputed once at the
// end, not per row), then the account's totals are recomputed by the module's own update.
#include "controls/FlexGrid.h"
#include "data/ConnectionString.h"
#include "domain/LedgerStatements.h"
#include "domain/SharedState.h"
#include "entry/ComponentClasses.h"
#include "ledger/MovementListing.h"
#include "mainscreen/FrmBNKMain.h"
#include "platform/MessageBoxes.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <algorithm>
#include <cstdio>

using namespace ledgora;

namespace {

const QDate kFirstDay(2019, 1, 1);
const QDate kLastDay(2026, 12, 31);

// Runs psql with the statements; the output goes nowhere. Gives the time taken, or -1.
double psql(const QString& uri, const QStringList& commands) {
    QProcess shell;
    shell.setStandardOutputFile(QProcess::nullDevice());
    QStringList args = {QStringLiteral("-X"),
                        QStringLiteral("-q"),
                        QStringLiteral("-A"),
                        QStringLiteral("-t"),
                        QStringLiteral("-v"),
                        QStringLiteral("ON_ERROR_STOP=1"),
                        uri};
    for (const QString& command : commands)
        args << QStringLiteral("-c") << command;
    QElapsedTimer timer;
    timer.start();
    shell.start(QStringLiteral("psql"), args);
    shell.waitForFinished(-1);
    if (shell.exitCode() != 0) {
        std::fprintf(stderr, "psql: %s\n", shell.readAllStandardError().constData());
        return -1;
    }
    return double(timer.nsecsElapsed()) / 1e6;
}

// N movements of account 001 spread over eight years, as the SQLite benchmark writes them.
bool loadMovements(const QString& uri, long count, const QString& folder) {
    const QString csv = QDir(folder).filePath(QStringLiteral("bench_pg_%1.csv").arg(count));
    QFile file(csv);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const qint64 days = kFirstDay.daysTo(kLastDay) + 1;
    for (long k = 1; k <= count; ++k) {
        const QDate date = kFirstDay.addDays(qint64(k - 1) * days / count);
        const qint64 units = (100 + (k * 7919) % 250000) * 100;
        const bool credit = k % 3 != 0;
        const bool realised = k % 2 == 0;
        const QByteArray line =
            QStringLiteral("001,%1,%2,%3,%4 %1,%5,%6,%7,%8\n")
                .arg(k)
                .arg(date.toString(Qt::ISODate),
                     credit ? QStringLiteral("1 ") : QStringLiteral("2 "),
                     credit ? QStringLiteral("Depósito cliente") : QStringLiteral("Pago proveedor"))
                .arg(credit && !realised ? units : 0)
                .arg(!credit && !realised ? units : 0)
                .arg(credit && realised ? units : 0)
                .arg(!credit && realised ? units : 0)
                .toUtf8();
        file.write(line);
    }
    file.close();
    return psql(uri, {QStringLiteral("ALTER TABLE BANMOV DISABLE TRIGGER USER"),
                      QStringLiteral("\\copy BANMOV (CNTSTNRO,MOVINNRO,MOVDTALT,CONSTNRO,"
                                     "MOVSTCPT,MOVDLAAC,MOVDLADE,MOVDLACR,MOVDLDEB) FROM '") +
                          csv + QStringLiteral("' WITH (FORMAT csv)"),
                      QStringLiteral("ALTER TABLE BANMOV ENABLE TRIGGER USER"),
                      QStringLiteral("ANALYZE BANMOV")}) >= 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: bench_postgres N URI FOLDER\n");
        return 2;
    }
    const long count = std::atol(argv[1]);
    const QString uri = QString::fromLocal8Bit(argv[2]);
    const QString folder = QString::fromLocal8Bit(argv[3]);
    registerComponentClasses();
    MessageBoxes::setHandler([](const MessageBoxRequest& box) {
        std::fprintf(stderr, "message: %s\n", qPrintable(box.prompt));
        return MsgAnswer::Ok;
    });

    FrmBNKMain screen;
    screen.FormatGRD();
    screen.show();
    MainScreenPort::setCurrent(&screen);
    gManejo = std::make_unique<clManejo>();
    gManejo->CadenaConexion(ConnectionString::forSource(uri)); // lays out the tables
    gManejo->Conectar();
    if (!gManejo->EstadoConexion())
        return 1;
    try {
        insertAccount(*gManejo,
                      {QStringLiteral("001"), kFirstDay, QStringLiteral("Cuenta corriente"),
                       QStringLiteral("Banco"), QString(), QString()});
    } catch (const RuntimeError& error) {
        std::fprintf(stderr, "the server's database must be new: %s\n",
                     qPrintable(error.description()));
        return 1;
    }
    if (!loadMovements(uri, count, folder))
        return 1;
    gCuenta.CNTSTNRO = QStringLiteral("001");
    gFechaDesde = kFirstDay;
    gFechaHasta = kLastDay;

    // The same listing in the server's own SQL, formatted there, printed to nowhere.
    const QString listing = QStringLiteral(
        "select substr(MOVDTALT,9,2)||'/'||substr(MOVDTALT,6,2)||'/'||substr(MOVDTALT,1,4),"
        "trim(MOVSTCPT),to_char(MOVDLAAC/10000.0,'FM9999999999900.00'),"
        "to_char(MOVDLADE/10000.0,'FM9999999999900.00'),to_char(MOVDLACR/10000.0,"
        "'FM9999999999900.00'),to_char(MOVDLDEB/10000.0,'FM9999999999900.00'),MOVINNRO from "
        "BANMOV where CNTSTNRO='001' and MOVDTALT between '2019-01-01' and '2026-12-31' order by "
        "MOVDTALT,MOVINNRO");
    double load = 1e18, shell = 1e18;
    for (int run = 0; run < 3; ++run) {
        screen.LstBNK().setRows(1);
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        CARGAR_CUENTAS(screen.LstBNK());
        screen.grab();
        load = std::min(load, double(timer.nsecsElapsed()) / 1e6);
        shell = std::min(shell, psql(uri, {listing}));
    }
    if (screen.LstBNK().rows() != count + 1) {
        std::fprintf(stderr, "grid holds %d rows, expected %ld\n", screen.LstBNK().rows() - 1,
                     count);
        return 1;
    }
    std::printf("N=%ld engine=postgresql load_ms=%.0f psql_ms=%.0f ratio=%.2f\n", count, load,
                shell, load / shell);
    MainScreenPort::setCurrent(nullptr);
    gManejo.reset();
    return 0;
}
