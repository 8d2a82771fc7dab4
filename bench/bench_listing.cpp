// Times the main screen's listing load (CARGAR_CUENTAS into the grid, offscreen) against the
// sqlite3 shell running the same listing in SQLite's own SQL on the same file.
//   bench_listing N FOLDER [filter]
// prints: N=... load_ms=... sqlite3_ms=... ratio=... peak_mib=... paint_ms=...
// and, for a million movements, f12_ms=... append_ms=... and show_ms=... (Show on the file
// until the main screen is painted with the listing, its account picked with ENTER) with
// show_ratio=... against the same sqlite3_ms.
// With "filter" the listing is narrowed to the deposits' concept and the text "depósito",
// which the shell looks for with its own like (its case folding covers the "D" here).
// With --report it times the printed listing of the same movements written to PDF
// (CARGAR_LISTADO) against reading its record set alone, the baseline of time and memory:
//   bench_listing --report N FOLDER
// prints: report N=... ms=... pages=... peak_mib=... rs_ms=... rs_peak_mib=... ratio=...
// start_mib=... (resident before the first run)
// With --statement it times a generated Norma 43 statement of N lines (seven in ten matching
// a pending movement, the rest new) read, matched and applied to a copy of the ledger of a
// million movements, against the sqlite3 shell's .import of the same lines as CSV:
//   bench_listing --statement N FOLDER
// prints: statement N=... ms=... peak_mib=... ratio=... import_ms=... read_ms=... propose_ms=...
// apply_ms=... matched=... added=...
#include "BookkeepersMonth.h"
#include "audit/AuditStatements.h"
#include "controls/BandedReport.h"
#include "controls/FlexGrid.h"
#include "core/Conversions.h"
#include "core/SettingsStore.h"
#include "data/ConnectionString.h"
#include "data/WriteBatch.h"
#include "domain/LedgerStatements.h"
#include "domain/ListingStatement.h"
#include "domain/SharedState.h"
#include "entry/ComponentClasses.h"
#include "entry/clMain.h"
#include "ledger/ListingReport.h"
#include "ledger/MovementListing.h"
#include "ledger/SharedStateScope.h"
#include "mainscreen/FrmBNKMain.h"
#include "platform/MessageBoxes.h"
#include "reconcile/Reconciler.h"
#include "screens/FrmABMCuentas.h"
#include "screens/FrmConceptos.h"
#include "screens/ScreenStatements.h"
#include "statements/StatementReader.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProcess>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

using namespace ledgora;

namespace {

constexpr int kRuns = 3;
const QDate kFirstDay(2019, 1, 1);
const QDate kLastDay(2026, 12, 31);

// N movements of account 001 spread evenly over eight years, written through the module's
// own statements.
void buildDatabase(const QString& path, long count) {
    QFile(path).open(QIODevice::WriteOnly);
    clManejo manejo;
    manejo.CadenaConexion(ConnectionString::forSource(path));
    manejo.Conectar();
    WriteBatch batch(manejo);
    insertAccount(manejo, {QStringLiteral("001"), kFirstDay, QStringLiteral("Cuenta corriente"),
                           QStringLiteral("Banco Nación"), QString(), QString()});
    const qint64 days = kFirstDay.daysTo(kLastDay) + 1;
    NewMovement movement;
    movement.account = QStringLiteral("001");
    for (long k = 1; k <= count; ++k) {
        const Money amount = Money::fromUnits((100 + (k * 7919) % 250000) * 100);
        const bool credit = k % 3 != 0;
        const bool realised = k % 2 == 0;
        movement.number = k;
        movement.date = kFirstDay.addDays(qint64(k - 1) * days / count);
        movement.concept = credit ? QStringLiteral("1 ") : QStringLiteral("2 ");
        movement.description =
            (credit ? QStringLiteral("Depósito cliente ") : QStringLiteral("Pago proveedor ")) +
            QString::number(k);
        movement.amounts = {};
        (credit ? (realised ? movement.amounts.MOVDLACR : movement.amounts.MOVDLAAC)
                : (realised ? movement.amounts.MOVDLDEB : movement.amounts.MOVDLADE)) = amount;
        insertMovement(manejo, movement);
    }
    batch.commit();
}

double peakMiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

double residentMiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

void resetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

const QString kFilterConcept = QStringLiteral("1 ");
const QString kFilterText = QStringLiteral("depósito");

double timeSqliteShell(const QString& path, bool filtered) {
    const QString filter = filtered ? QStringLiteral(" and CONSTNRO='") + kFilterConcept +
                                          QStringLiteral("' and MOVSTCPT like '%") + kFilterText +
                                          QStringLiteral("%'")
                                    : QString();
    const QString sql =
        QStringLiteral(
            "select strftime('%d/%m/%Y',MOVDTALT),trim(MOVSTCPT),printf('%05.2f',MOVDLAAC/10000.0),"
            "printf('%05.2f',MOVDLADE/10000.0),printf('%05.2f',MOVDLACR/10000.0),"
            "printf('%05.2f',MOVDLDEB/10000.0),MOVINNRO from BANMOV where CNTSTNRO='001' and "
            "MOVDTALT between '2019-01-01' and '2026-12-31'") +
        filter + QStringLiteral(" order by MOVDTALT,MOVINNRO;");
    QProcess shell;
    shell.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    shell.start(QStringLiteral("sqlite3"), {path, sql});
    shell.waitForFinished(-1);
    return double(timer.nsecsElapsed()) / 1e6;
}

// The median time of a step run several times, each followed by the screen's repaint.
template <typename Step> double medianMs(QWidget& screen, int times, Step step) {
    std::vector<double> ms;
    for (int k = 0; k < times; ++k) {
        QElapsedTimer timer;
        timer.start();
        step();
        screen.grab();
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

// A concept the bench enters movements under; the ledger may have it from an earlier run.
void ensureConcept(clManejo& manejo, const QString& number, const QString& description,
                   const QString& type) {
    try {
        manejo.Ejecutar(forms::conceptsInsert, {number, description, type});
    } catch (const RuntimeError&) {
    }
}

// F12 on the last movement, back and forth: one row and the totals, never the listing.
double timeStatusChange(FrmBNKMain& screen) {
    FlexGrid& grid = screen.LstBNK();
    grid.setRow(grid.rows() - 1);
    return medianMs(screen, 9, [&] { screen.PP_ACRODCR(); });
}

// A movement dated today entered on the entry screen: stored, totals, appended to the grid.
double timeAppend(FrmBNKMain& screen) {
    ensureConcept(*gManejo, QStringLiteral("1"), QStringLiteral("Deposito"), QStringLiteral("C"));
    FrmConceptos entry;
    entry.load();
    auto* status = entry.findChild<QComboBox*>(QStringLiteral("cboCONTIP"));
    QFocusEvent focus(QEvent::FocusIn);
    QApplication::sendEvent(status, &focus); // fills the status choices
    auto* value = entry.findChild<QLineEdit*>(QStringLiteral("txtVALOR"));
    const int before = screen.LstBNK().rows();
    const double ms = medianMs(screen, 9, [&] {
        value->setText(QStringLiteral("12"));
        entry.Agregar();
    });
    if (screen.LstBNK().rows() != before + 9)
        std::fprintf(stderr, "append: the grid did not grow by one row per entry\n");
    // The file stays as it was built, for the next run.
    for (int k = 0; k < 9; ++k) {
        gManejo->Sql(QStringLiteral("DELETE FROM BANMOV WHERE CNTSTNRO = '001' AND MOVINNRO = ") +
                     QString::number(gCuenta.UltimoMovimiento - k));
        gManejo->Ejecutar();
    }
    return ms;
}

void pressKey(QWidget* target, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

// Show on the file, as the host calls it, with the stored interval covering every movement:
// the account screen comes first and its only account is picked with ENTER; the clock stops
// when the main screen has been painted with the listing, then ESC closes it.
double timeShow(const QString& path, const QString& folder, long expected) {
    SettingsStore::setFolder(QDir(folder).filePath(QStringLiteral("settings")));
    SettingsStore::SaveSetting(QStringLiteral("VENTALIA"), QStringLiteral("BANCOS"),
                               QStringLiteral("FACDESDE"), rt::dateText(kFirstDay));
    SettingsStore::SaveSetting(QStringLiteral("VENTALIA"), QStringLiteral("BANCOS"),
                               QStringLiteral("FACHASTA"), rt::dateText(kLastDay));
    double ms = -1;
    bool picked = false;
    QElapsedTimer timer;
    QTimer person;
    person.setInterval(1);
    QObject::connect(&person, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        if (auto* accounts = dynamic_cast<FrmABMCuentas*>(modal)) {
            if (!picked && QApplication::activeWindow() == accounts) {
                picked = true;
                pressKey(&accounts->grdList(), Qt::Key_Return);
            }
        } else if (auto* main = dynamic_cast<FrmBNKMain*>(modal)) {
            if (ms < 0 && picked && main->LstBNK().rows() == expected + 1) {
                main->grab();
                ms = double(timer.nsecsElapsed()) / 1e6;
                pressKey(main, Qt::Key_Escape);
            }
        }
    });
    person.start();
    timer.start();
    clMain().Show(path);
    return ms;
}

// The printed listing to PDF, each run from the database, against the record set alone.
int benchReport(long count, const QString& folder) {
    const QString pdf = QDir(folder).filePath(QStringLiteral("bench_%1.pdf").arg(count));
    double report = 1e18, alone = 1e18, peak = 0, alonePeak = 0;
    const double before = residentMiB();
    int pages = 0;
    for (int run = 0; run < kRuns; ++run) {
        resetPeak();
        QElapsedTimer timer;
        timer.start();
        CARGAR_LISTADO([&](const BandedReport& dr, ReportRecords& records) {
            const QString failure = dr.writePdf(pdf, records, &pages);
            if (!failure.isEmpty())
                std::fprintf(stderr, "%s\n", qPrintable(failure));
        });
        report = std::min(report, double(timer.nsecsElapsed()) / 1e6);
        peak = std::max(peak, peakMiB());

        resetPeak();
        timer.restart();
        Recordset rs;
        gManejo->Sql(listingStatement(ListingFor::Report));
        gManejo->RsDesconectado(false);
        gManejo->CrearRs(rs);
        long rows = 0;
        for (; !rs.Eof(); rs.MoveNext())
            ++rows;
        alone = std::min(alone, double(timer.nsecsElapsed()) / 1e6);
        alonePeak = std::max(alonePeak, peakMiB());
        rs.Close();
        if (rows != count) {
            std::fprintf(stderr, "the listing holds %ld rows, expected %ld\n", rows, count);
            return 1;
        }
    }
    if (!QFile::exists(pdf) || pages == 0)
        return 1;
    std::printf("report N=%ld ms=%.0f pages=%d peak_mib=%.0f rs_ms=%.0f rs_peak_mib=%.0f "
                "ratio=%.2f start_mib=%.0f\n",
                count, report, pages, peak, alone, alonePeak, report / alone, before);
    QFile::remove(pdf);
    return 0;
}

// A Norma 43 field of digits.
QByteArray digits(qint64 value, int width) {
    return QByteArray::number(value).rightJustified(width, '0');
}

QByteArray norma43Balance(qint64 cents) {
    return (cents < 0 ? "1" : "2") + digits(qAbs(cents), 14);
}

// `lines` bank lines of account 001's bank account as Norma 43 records, and the same lines as
// CSV. Seven in ten are the pending movement numbered 1 + 14 m of the ledger buildDatabase
// writes (its side, amount and date); the others match nothing.
void writeStatement(long lines, long movements, const QString& n43Path, const QString& csvPath) {
    const QByteArray bankAccount = "210004180200051332";
    const qint64 days = kFirstDay.daysTo(kLastDay) + 1;
    QByteArrayList records{"11" + bankAccount + "190101261231" + norma43Balance(0) +
                           "9783CUENTA CORRIENTE"};
    QByteArray csv;
    qint64 count[2] = {}, sum[2] = {};
    for (long i = 0; i < lines; ++i) {
        const bool matching = i % 10 < 7;
        const long k = matching ? 1 + 14 * (i / 10 * 7 + i % 10) : 1 + (i * 9) % movements;
        const bool credit = matching ? k % 3 != 0 : i % 2 == 0;
        const qint64 cents = matching ? 100 + (k * 7919) % 250000 : 300000 + i;
        const QByteArray date = kFirstDay.addDays(qint64(k - 1) * days / movements)
                                    .toString(QStringLiteral("yyMMdd"))
                                    .toLatin1();
        const QByteArray document = digits(i, 10);
        records << ("22    0418" + date + date + "02001" + (credit ? "2" : "1") +
                    digits(cents, 14) + document + "REF" + digits(i, 9) + QByteArray(16, ' '));
        csv += date + ',' + date + ',' + (credit ? "2" : "1") + ',' + QByteArray::number(cents) +
               ',' + document + ",REF" + digits(i, 9) + '\n';
        ++count[credit];
        sum[credit] += cents;
    }
    records << "33" + bankAccount + digits(count[0], 5) + digits(sum[0], 14) + digits(count[1], 5) +
                   digits(sum[1], 14) + norma43Balance(sum[1] - sum[0]) + "978";
    records << "88" + QByteArray(18, '9') + digits(records.size(), 6);
    QFile n43(n43Path), text(csvPath);
    n43.open(QIODevice::WriteOnly);
    n43.write(records.join("\r\n") + "\r\n");
    text.open(QIODevice::WriteOnly);
    text.write(csv);
}

double timeSqliteImport(const QString& csvPath, const QString& folder) {
    const QString target = QDir(folder).filePath(QStringLiteral("bench_import.db"));
    QFile::remove(target);
    QProcess shell;
    shell.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    shell.start(
        QStringLiteral("sqlite3"),
        {target, QStringLiteral(".mode csv"),
         QStringLiteral("CREATE TABLE lines(operation,value,sign,cents,document,reference)"),
         QStringLiteral(".import ") + csvPath + QStringLiteral(" lines")});
    shell.waitForFinished(-1);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    QFile::remove(target);
    return ms;
}

// The same statement applied by hand in the sqlite3 shell, as set-based statements written for
// this one file: its lines imported, the matched movements found by account, date, side and
// amount and realised, every line recorded, the others entered as new movements, in one
// transaction with the ledger's triggers (totals and audit trail) firing. The reference the
// program's apply is measured against.
double timeIdealApply(const QString& ledger, const QString& csvPath) {
    const QString script =
        QStringLiteral(
            ".mode csv\n"
            "CREATE TEMP TABLE lines(operation,value,sign,cents,document,reference);\n"
            ".import %1 lines\n"
            "BEGIN IMMEDIATE;\n"
            "CREATE TEMP TABLE keyed AS SELECT rowid AS line, '20' || substr(operation, 1, 2) || "
            "'-' "
            "|| substr(operation, 3, 2) || '-' || substr(operation, 5, 2) AS day, sign, cents * "
            "100 "
            "AS units FROM lines;\n"
            "CREATE INDEX keyed_day ON keyed(day, units);\n"
            "CREATE TEMP TABLE found AS SELECT k.line AS line, b.MOVINNRO AS mov, k.sign AS sign "
            "FROM BANMOV b JOIN keyed k ON k.day = b.MOVDTALT AND k.units = b.MOVDLAAC + "
            "b.MOVDLADE "
            "AND ((k.sign = '2' AND b.MOVDLAAC > 0) OR (k.sign = '1' AND b.MOVDLADE > 0)) WHERE "
            "b.CNTSTNRO = '001' AND (b.MOVDLAAC > 0 OR b.MOVDLADE > 0);\n"
            "UPDATE BANMOV SET MOVDLACR = MOVDLAAC, MOVDLAAC = 0 WHERE CNTSTNRO = '001' AND "
            "MOVINNRO "
            "IN (SELECT mov FROM found WHERE sign = '2');\n"
            "UPDATE BANMOV SET MOVDLDEB = MOVDLADE, MOVDLADE = 0 WHERE CNTSTNRO = '001' AND "
            "MOVINNRO "
            "IN (SELECT mov FROM found WHERE sign = '1');\n"
            "CREATE TEMP TABLE added AS SELECT l.rowid AS line, (SELECT max(MOVINNRO) FROM BANMOV "
            "WHERE CNTSTNRO = '001') + row_number() OVER (ORDER BY l.rowid) AS mov FROM lines l "
            "WHERE l.rowid NOT IN (SELECT line FROM found);\n"
            "INSERT INTO BANMOV (CNTSTNRO,MOVINNRO,MOVDTALT,CONSTNRO,MOVSTCPT,MOVDLAAC,MOVDLADE,"
            "MOVDLACR,MOVDLDEB) SELECT '001', a.mov, '20' || substr(l.operation, 1, 2) || '-' || "
            "substr(l.operation, 3, 2) || '-' || substr(l.operation, 5, 2), CASE l.sign WHEN '2' "
            "THEN '1 ' ELSE '2 ' END, l.reference, 0, 0, CASE l.sign WHEN '2' THEN l.cents * 100 "
            "ELSE 0 END, CASE l.sign WHEN '1' THEN l.cents * 100 ELSE 0 END FROM added a JOIN "
            "lines "
            "l ON l.rowid = a.line;\n"
            "INSERT INTO BANEXT (EXTSTHUE,CNTSTNRO,MOVINNRO,EXTDTOPE,EXTDTVAL,EXTDLIMP,EXTSTAPL) "
            "SELECT hex(randomblob(32)), '001', coalesce(f.mov, a.mov), l.operation, l.value, "
            "CASE l.sign WHEN '2' THEN l.cents * 100 ELSE -l.cents * 100 END, datetime('now') FROM "
            "lines l LEFT JOIN found f ON f.line = l.rowid LEFT JOIN added a ON a.line = l.rowid;\n"
            "COMMIT;\n")
            .arg(csvPath);
    QProcess shell;
    shell.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    shell.start(QStringLiteral("sqlite3"), {ledger});
    shell.write(script.toUtf8());
    shell.closeWriteChannel();
    shell.waitForFinished(-1);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (shell.exitCode() != 0)
        std::fprintf(stderr, "the hand-written apply failed: %s\n",
                     shell.readAllStandardError().constData());
    return ms;
}

// The statement read, proposed and applied on a fresh copy of the ledger each run.
int benchStatement(long lines, const QString& ledger, const QString& folder) {
    constexpr long kMovements = 1000000;
    const QString n43 = QDir(folder).filePath(QStringLiteral("bench_statement.n43"));
    const QString csv = QDir(folder).filePath(QStringLiteral("bench_statement.csv"));
    const QString copy = QDir(folder).filePath(QStringLiteral("bench_statement.db"));
    writeStatement(lines, kMovements, n43, csv);
    double best = 1e18, read = 0, propose = 0, apply = 0, imported = 1e18, peak = 0;
    double ideal = 1e18;
    ApplyOutcome outcome;
    for (int run = 0; run < kRuns; ++run) {
        QFile::remove(copy);
        QFile::copy(ledger, copy);
        clManejo manejo;
        manejo.CadenaConexion(ConnectionString::forSource(copy));
        manejo.Conectar();
        // The concepts new movements are entered under.
        ensureConcept(manejo, QStringLiteral("1"), QStringLiteral("Depósito"), QStringLiteral("C"));
        ensureConcept(manejo, QStringLiteral("2"), QStringLiteral("Pago"), QStringLiteral("D"));
        resetPeak();
        QElapsedTimer timer;
        timer.start();
        const StatementFile file = StatementReader::readFile(n43);
        if (file.isRefused()) {
            std::fprintf(stderr, "%s\n", qPrintable(file.refusal->message));
            return 1;
        }
        const double readMs = double(timer.nsecsElapsed()) / 1e6;
        const ReconciliationPlan plan = Reconciler::propose(manejo, file.statements.first(),
                                                            QStringLiteral("001"), MatchSettings());
        const double proposeMs = double(timer.nsecsElapsed()) / 1e6;
        outcome = Reconciler::apply(manejo, plan);
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        peak = std::max(peak, peakMiB());
        if (ms < best) {
            best = ms;
            read = readMs;
            propose = proposeMs - readMs;
            apply = ms - proposeMs;
        }
        imported = std::min(imported, timeSqliteImport(csv, folder));
        QFile::remove(copy);
        QFile::copy(ledger, copy);
        ideal = std::min(ideal, timeIdealApply(copy, csv));
    }
    QFile::remove(copy);
    if (outcome.matched + outcome.added != lines) {
        std::fprintf(stderr, "applied %d matched and %d new of %ld lines\n", outcome.matched,
                     outcome.added, lines);
        return 1;
    }
    std::printf("statement N=%ld ms=%.0f peak_mib=%.0f ratio=%.2f import_ms=%.0f read_ms=%.0f "
                "propose_ms=%.0f apply_ms=%.0f matched=%d added=%d ideal_apply_ms=%.0f "
                "apply_ratio=%.2f\n",
                lines, best, peak, best / imported, imported, read, propose, apply, outcome.matched,
                outcome.added, ideal, apply / ideal);
    return 0;
}

// The matcher's judgement on generated months (BookkeepersMonth), one fresh ledger each: the
// lines matched to another movement than theirs (must be none), those matched to their own,
// and those left for the person, against the lines that have a movement.
int benchMatching(long months, const QString& folder) {
    BookkeepersMonth::Quality total;
    int review = 0, lines = 0;
    for (long seed = 1; seed <= months; ++seed) {
        const QString path = QDir(folder).filePath(QStringLiteral("bench_month.db"));
        QFile::remove(path);
        QFile(path).open(QIODevice::WriteOnly);
        const BookkeepersMonth month(quint32(seed), QDate(2026, 11, 1));
        clManejo manejo;
        manejo.CadenaConexion(ConnectionString::forSource(path));
        manejo.Conectar();
        {
            WriteBatch batch(manejo);
            insertAccount(manejo, {QStringLiteral("001"), QDate(2026, 1, 1),
                                   QStringLiteral("Cuenta corriente"), QStringLiteral("Banco"),
                                   QString(), QString()});
            ensureConcept(manejo, QStringLiteral("2"), QStringLiteral("Pago"), QStringLiteral("D"));
            for (const BookkeepersMonth::Movement& m : month.movements()) {
                NewMovement movement{QStringLiteral("001"),
                                     m.number,
                                     m.date,
                                     m.credit ? QStringLiteral("1 ") : QStringLiteral("2 "),
                                     m.description,
                                     {}};
                (m.credit ? movement.amounts.MOVDLAAC : movement.amounts.MOVDLADE) = m.amount;
                insertMovement(manejo, movement);
            }
            batch.commit();
        }
        const StatementFile file = StatementReader::read(month.norma43());
        const ReconciliationPlan plan = Reconciler::propose(manejo, file.statements.value(0),
                                                            QStringLiteral("001"), MatchSettings());
        std::vector<std::int32_t> matchedTo;
        for (const LineProposal& line : plan.lines) {
            const bool match = line.action == LineProposal::Action::Match;
            matchedTo.push_back(match ? line.candidates[std::size_t(line.chosen)].number : 0);
            review += line.action == LineProposal::Action::Review;
        }
        lines += int(plan.lines.size());
        // A wrong match is told with the line and its candidates, for whoever must mend it.
        for (std::size_t k = 0; k < plan.lines.size(); ++k) {
            if (matchedTo[k] == 0 || matchedTo[k] == month.truth()[k])
                continue;
            const LineProposal& wrong = plan.lines[k];
            std::fprintf(stderr, "month %ld, line %zu \"%s\": movement %d matched, %d is its own\n",
                         seed, k + 1, qPrintable(wrong.line.description()), matchedTo[k],
                         month.truth()[k]);
            for (const MatchCandidate& c : wrong.candidates)
                std::fprintf(stderr, "    %d %s: %s\n", c.number, qPrintable(c.description),
                             qPrintable(c.evidence.reason(c.dayDistance)));
        }
        const BookkeepersMonth::Quality quality = month.judge(matchedTo);
        total.wrong += quality.wrong;
        total.matched += quality.matched;
        total.withMovement += quality.withMovement;
        QFile::remove(path);
    }
    std::printf("matching months=%ld lines=%d with_movement=%d wrong=%d matched=%d review=%d "
                "matched_pct=%.1f\n",
                months, lines, total.withMovement, total.wrong, total.matched, review,
                100.0 * total.matched / std::max(1, total.withMovement));
    return total.wrong == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--matching") {
        registerComponentClasses();
        return benchMatching(std::atol(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    const bool reportMode = argc > 1 && QByteArray(argv[1]) == "--report";
    const bool statementMode = argc > 1 && QByteArray(argv[1]) == "--statement";
    if (reportMode || statementMode) {
        --argc;
        ++argv;
    }
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_listing [--report|--statement] N FOLDER [filter]\n");
        return 2;
    }
    const long count = std::atol(argv[1]);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    const bool filtered = argc > 3 && std::string(argv[3]) == "filter";
    // The statement is applied to the ledger of a million movements.
    const QString path =
        QDir(folder).filePath(QStringLiteral("bench_%1.db").arg(statementMode ? 1000000 : count));
    registerComponentClasses();
    const SharedStateScope state; // the connection and the account go when the bench ends
    MessageBoxes::setHandler([](const MessageBoxRequest& box) {
        std::fprintf(stderr, "message: %s\n", qPrintable(box.prompt));
        return MsgAnswer::Ok;
    });
    if (!QFile::exists(path))
        buildDatabase(path, statementMode ? 1000000 : count);
    if (statementMode)
        return benchStatement(count, path, folder);
    if (reportMode) {
        gManejo = std::make_unique<clManejo>();
        gManejo->CadenaConexion(ConnectionString::forSource(path));
        gManejo->Conectar();
        gCuenta.CNTSTNRO = QStringLiteral("001");
        gCuenta.CNTSTNOM = QStringLiteral("Cuenta corriente");
        gFechaDesde = kFirstDay;
        gFechaHasta = kLastDay;
        return benchReport(count, folder);
    }

    FrmBNKMain screen;
    screen.FormatGRD();
    screen.show();
    MainScreenPort::setCurrent(&screen);
    gManejo = std::make_unique<clManejo>();
    gManejo->CadenaConexion(ConnectionString::forSource(path));
    gManejo->Conectar();
    gCuenta.CNTSTNRO = QStringLiteral("001");
    gFechaDesde = kFirstDay;
    gFechaHasta = kLastDay;
    if (filtered)
        gFiltro = {true, kFilterConcept, kFilterText};
    // Every credit movement is a deposit; one in three is a payment.
    const long expected = filtered ? count - count / 3 : count;

    double load = 1e18, paint = 1e18, shell = 1e18, peak = 0;
    for (int run = 0; run < kRuns; ++run) {
        screen.LstBNK().setRows(1);
        QCoreApplication::processEvents();
        resetPeak();
        QElapsedTimer timer;
        timer.start();
        CARGAR_CUENTAS(screen.LstBNK());
        load = std::min(load, double(timer.nsecsElapsed()) / 1e6);
        screen.grab(); // the first paint of the loaded grid
        paint = std::min(paint, double(timer.nsecsElapsed()) / 1e6);
        peak = std::max(peak, peakMiB());
        shell = std::min(shell, timeSqliteShell(path, filtered));
    }
    if (screen.LstBNK().rows() != expected + 1) {
        std::fprintf(stderr, "grid holds %d rows, expected %ld\n", screen.LstBNK().rows() - 1,
                     expected);
        return 1;
    }
    std::printf("N=%ld%s load_ms=%.0f sqlite3_ms=%.0f ratio=%.2f peak_mib=%.0f paint_ms=%.0f",
                count, filtered ? " filter" : "", load, shell, load / shell, peak, paint);
    if (count >= 1000000 && !filtered) {
        gCuenta.CNTSTNOM = QStringLiteral("Cuenta corriente");
        const double f12 = timeStatusChange(screen);
        const double append = timeAppend(screen);
        // Both with the audit trail on: every movement built, changed and entered has its row.
        Recordset audit;
        gManejo->CrearRs(audit, forms::auditLast, {});
        std::printf(" f12_ms=%.1f append_ms=%.1f audit_rows=%s", f12, append,
                    qPrintable(rt::toText(audit.Fields(0))));
        // Show builds its own screen and connection.
        screen.LstBNK().setRows(1);
        screen.hide();
        MainScreenPort::setCurrent(nullptr);
        gManejo.reset();
        const double show = timeShow(path, folder, expected);
        std::printf(" show_ms=%.0f show_ratio=%.2f", show, show / shell);
    }
    std::printf("\n");
    MainScreenPort::setCurrent(nullptr);
    return 0;
}
