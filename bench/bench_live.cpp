// Two connections on one ledger of a million movements (the listing bench's file, or the
// server the PostgreSQL bench filled): one writes a movement into account 001 as a routine
// does, the other shows the account's December on the main screen and follows the change
// (LedgerWatch, then followListing). The time is from the writer's commit to the follower's
// grid holding the new row, over 50 movements; then the watching's CPU time while nothing
// changes. One line:
//   live engine=sqlite n=50 median_ms=... worst_ms=... idle_s=60 idle_cpu_pct=...
//
//   bench_live SOURCE [IDLE_SECONDS]
#include "controls/FlexGrid.h"
#include "core/Conversions.h"
#include "data/ConnectionString.h"
#include "data/clManejo.h"
#include "domain/LedgerStatements.h"
#include "domain/SharedState.h"
#include "entry/ComponentClasses.h"
#include "ledger/LedgerWatch.h"
#include "ledger/MainScreenPort.h"
#include "ledger/MovementListing.h"
#include "ledger/SharedStateScope.h"
#include "mainscreen/FrmBNKMain.h"
#include "platform/MessageBoxes.h"
#include "screens/ScreenStatements.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

using namespace ledgora;

namespace {

constexpr int kMovements = 50;
const QString kAccount = QStringLiteral("001");

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Runs the event loop for a while, as the program does between keystrokes.
void idle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop until the grid holds that many rows; the milliseconds it took, or -1.
double waitForRows(FlexGrid& grid, int rows) {
    QElapsedTimer timer;
    timer.start();
    while (grid.rows() != rows) {
        if (timer.elapsed() > 5000)
            return -1;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_live SOURCE [IDLE_SECONDS]\n");
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const int idleSeconds = argc > 2 ? std::atoi(argv[2]) : 60;
    registerComponentClasses();
    const SharedStateScope state;
    MessageBoxes::setHandler([](const MessageBoxRequest& box) {
        std::fprintf(stderr, "message: %s\n", qPrintable(box.prompt));
        return MsgAnswer::Ok;
    });
    FrmBNKMain screen;
    screen.FormatGRD();
    MainScreenPort::setCurrent(&screen);
    gManejo = std::make_unique<clManejo>();
    gManejo->CadenaConexion(ConnectionString::forSource(source));
    gManejo->Conectar();
    clManejo writer;
    writer.CadenaConexion(ConnectionString::forSource(source));
    writer.Conectar();
    if (!gManejo->EstadoConexion() || !writer.EstadoConexion()) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(ConnectionString::masked(source)));
        return 1;
    }
    gCuenta.CNTSTNRO = kAccount;
    gFechaDesde = QDate(2026, 12, 1);
    gFechaHasta = QDate(2026, 12, 31);
    FlexGrid& grid = screen.LstBNK();
    CARGAR_CUENTAS(grid);

    LedgerWatch watch;
    QObject::connect(&watch, &LedgerWatch::accountsChanged, [&grid](const QSet<QString>& changed) {
        if (changed.contains(gCuenta.CNTSTNRO))
            followListing(grid);
    });
    watch.start();

    const std::int64_t first = writer.scalar(forms::ledgerLastMovement, {kAccount}).value_or(0) + 1;
    std::vector<double> times;
    for (int k = 0; k < kMovements; ++k) {
        // Spread over the watch's interval, as another person's saves come.
        idle(100 + (k * 37) % 250);
        const int rows = grid.rows();
        insertMovement(writer, {kAccount,
                                first + k,
                                QDate(2026, 12, 15),
                                QStringLiteral("1"),
                                QStringLiteral("Movimiento de otra persona"),
                                {Money::fromUnits(12 * Money::kScale), Money(), Money(), Money()}});
        times.push_back(waitForRows(grid, rows + 1));
    }
    // The ledger as it was, for the next run.
    for (int k = 0; k < kMovements; ++k)
        writer.Ejecutar(forms::movementsDelete, {kAccount, QString::number(first + k)});
    waitForRows(grid, grid.rows() - kMovements);

    const double before = cpuSeconds();
    idle(idleSeconds * 1000);
    const double cpu = cpuSeconds() - before;

    std::sort(times.begin(), times.end());
    const bool lost = times.front() < 0;
    std::printf("live engine=%s n=%d median_ms=%.0f worst_ms=%.0f idle_s=%d idle_cpu_pct=%.3f%s\n",
                ConnectionString::isServerAddress(source) ? "postgresql" : "sqlite", kMovements,
                times[times.size() / 2], times.back(), idleSeconds, 100.0 * cpu / idleSeconds,
                lost ? " missed=yes" : "");
    MainScreenPort::setCurrent(nullptr);
    return lost ? 1 : 0;
}
