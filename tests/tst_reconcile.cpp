#include "BookkeepersMonth.h"
#include "LedgerTests.h"
#include "StatementFiles.h"
#include "data/StatementCatalog.h"
#include "domain/LedgerStatements.h"
#include "domain/ModuleUtilities.h"
#include "reconcile/Reconciler.h"
#include "screens/ScreenStatements.h"
#include "statements/StatementReader.h"

#include <QtTest>
#include <thread>

using namespace ledgora;
using namespace ledgora::test;

namespace {

// Each line's proposal in a word: M and the movement's number, N new, R review, A already
// imported, F foreign.
QString actions(const ReconciliationPlan& plan) {
    QStringList codes;
    for (const LineProposal& line : plan.lines) {
        static const char* const letters[] = {"M", "N", "A", "R", "F"};
        codes << QString::fromLatin1(letters[int(line.action)]) +
                     (line.chosen >= 0 ? QString::number(line.candidates[line.chosen].number)
                                       : QString());
    }
    return codes.join(u' ');
}

BankStatement statementOf(const QByteArray& file) {
    return StatementReader::read(file).statements.value(0);
}

QByteArray oneAccount(const QList<Movement>& movements) {
    return norma43(account("240101", "240131", 0, movements));
}

} // namespace

// Bank statements matched to account 001's pending movements and applied.
class TstReconcile : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<LedgerFixture> data_;

    ReconciliationPlan propose(clManejo& manejo, const QByteArray& file) {
        return Reconciler::propose(manejo, statementOf(file), u"001"_s, MatchSettings());
    }
    QString state() { return data_->accountState(); }

private Q_SLOTS:
    void initTestCase() { LEDGORA_SKIP_WITHOUT_SERVER(); }
    void init() {
        data_ = std::make_unique<LedgerFixture>();
        data_->addBankAccount();
        data_->addConcept(u"2"_s, u"Pagos"_s, u"D"_s);
    }
    void cleanup() { data_.reset(); }

    // Pending movements "date|description|to be credited|to be debited", numbered from 1.
    void applies_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("pending");
        QTest::addColumn<QString>("proposed");
        QTest::addColumn<QString>("after");
        const QByteArray one = oneAccount({{"240105", '2', 5000}});
        QTest::newRow("unique match") << one << QStringList{u"05/01/2024|Cobro|50|0"_s} << "M1"
                                      << "1 00.00 00.00 50.00 00.00";
        // The texts decide, never a nearer date alone; a line in doubt goes to the person.
        QTest::newRow("a nearer date alone decides nothing")
            << one << QStringList{u"01/01/2024|A|50|0"_s, u"04/01/2024|B|50|0"_s} << "R"
            << "2 100.00 00.00 00.00 00.00";
        const QStringList invoices{u"02/01/2024|Pago factura FAC-101 Proveedor Uno|0|50"_s,
                                   u"06/01/2024|Pago factura FAC-105 Proveedor Dos|0|50"_s};
        QTest::newRow("the invoice beats the nearer date")
            << oneAccount({{"240105", '1', 5000, {}, "PAGO FACTURA FAC-101 PROVEEDOR UNO"}})
            << invoices << "M1"
            << "2 00.00 50.00 00.00 50.00";
        QTest::newRow("the name beats the nearer date")
            << oneAccount({{"240105", '1', 5000, {}, "ADEUDO PROVEEDOR UNO"}}) << invoices << "M1"
            << "2 00.00 50.00 00.00 50.00";
        QTest::newRow("a fee never takes a payment")
            << oneAccount({{"240105", '1', 5000, {}, "COMISION SERVICIO"}})
            << QStringList{u"06/01/2024|Pago FAC-139 Cliente Gamma|0|50"_s} << "N"
            << "2 00.00 50.00 00.00 50.00";
        // Read in the file's order, the first line would take the nearer movement and leave
        // the second line the first one's.
        QTest::newRow("one wrong pick does not cascade")
            << oneAccount({{"240105", '1', 5000, {}, "PAGO FAC-129 ASESORIA MORA"},
                           {"240107", '1', 5000, {}, "ADEUDO SEGUROS AZUL"}})
            << QStringList{u"03/01/2024|Pago FAC-129 Asesoría Mora|0|50"_s,
                           u"05/01/2024|Pago FAC-143 Seguros Azul|0|50"_s}
            << "M1 M2"
            << "2 00.00 00.00 00.00 100.00";
        QTest::newRow("the same name twice goes to review")
            << oneAccount({{"240105", '1', 5000, {}, "ADEUDO SEGUROS AZUL"}})
            << QStringList{u"03/01/2024|Pago FAC-143 Seguros Azul|0|50"_s,
                           u"06/01/2024|Pago FAC-150 Seguros Azul|0|50"_s}
            << "R"
            << "2 00.00 100.00 00.00 00.00";
        QTest::newRow("tie left for review")
            << one << QStringList{u"03/01/2024|A|50|0"_s, u"07/01/2024|B|50|0"_s} << "R"
            << "2 100.00 00.00 00.00 00.00";
        QTest::newRow("document number breaks the tie")
            << oneAccount({{"240105", '2', 5000, "0000004712"}})
            << QStringList{u"03/01/2024|Factura 4711|50|0"_s, u"07/01/2024|Factura 4712|50|0"_s}
            << "M2"
            << "2 50.00 00.00 50.00 00.00";
        QTest::newRow("words break the tie")
            << oneAccount({{"240105", '2', 5000, {}, "TRANSFERENCIA DE ACME SL"}})
            << QStringList{u"03/01/2024|Cobro Acme|50|0"_s, u"07/01/2024|Cobro Zeta|50|0"_s} << "M1"
            << "2 50.00 00.00 50.00 00.00";
        // The window is 4 days each way: its edge matches, a day past it is another movement.
        QTest::newRow("4 days after: at the edge")
            << one << QStringList{u"09/01/2024|Cobro|50|0"_s} << "M1"
            << "1 00.00 00.00 50.00 00.00";
        QTest::newRow("5 days after: past the edge")
            << one << QStringList{u"10/01/2024|Cobro|50|0"_s} << "N"
            << "2 50.00 00.00 50.00 00.00";
        QTest::newRow("4 days before: at the edge")
            << one << QStringList{u"01/01/2024|Cobro|50|0"_s} << "M1"
            << "1 00.00 00.00 50.00 00.00";
        QTest::newRow("5 days before: past the edge")
            << one << QStringList{u"31/12/2023|Cobro|50|0"_s} << "N"
            << "2 50.00 00.00 50.00 00.00";
        QTest::newRow("other side: new") << one << QStringList{u"05/01/2024|Pago|0|50"_s} << "N"
                                         << "2 00.00 50.00 50.00 00.00";
        const QByteArray twice = oneAccount({{"240105", '2', 5000}, {"240105", '2', 5000}});
        QTest::newRow("two identical lines stay two") << twice << QStringList() << "N N"
                                                      << "2 00.00 00.00 100.00 00.00";
        QTest::newRow("a movement realises one line")
            << twice << QStringList{u"05/01/2024|Cobro|50|0"_s} << "M1 N"
            << "2 00.00 00.00 100.00 00.00";
        QTest::newRow("other currency")
            << norma43(inCurrency(account("240101", "240131", 0, {{"240105", '2', 5000}}), "840"))
            << QStringList() << "F"
            << "0 00.00 00.00 00.00 00.00";
        const QStringList january = {u"05/01/2024|Cobro|50|0"_s, u"10/01/2024|Pago|0|25.5"_s};
        QTest::newRow("January in Norma 43") << norma43(test::january()) << january << "M1 M2"
                                             << "2 00.00 00.00 50.00 25.50";
        QTest::newRow("January in camt.053, one entry pending")
            << camt("02") << january << "M1 M2 F"
            << "2 00.00 00.00 50.00 25.50";
        // A reversal undoes an earlier entry of the bank: never a match of its own accord.
        QByteArray reversed = camt("02");
        reversed.replace("<CdtDbtInd>CRDT</CdtDbtInd><Sts>BOOK",
                         "<CdtDbtInd>CRDT</CdtDbtInd><RvslInd>true</RvslInd><Sts>BOOK");
        QTest::newRow("a reversal goes to review") << reversed << january << "R M2 F"
                                                   << "2 50.00 00.00 00.00 25.50";
    }
    // Proposed, tried dry (nothing written), applied, then read and applied once more: the
    // second time every line applied is already imported and nothing changes.
    void applies() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, pending);
        for (int k = 0; k < pending.size(); ++k) {
            const QStringList v = pending[k].split(u'|');
            addMovement(*gManejo, k + 1, v[0], v[1], {v[2], v[3], u"0"_s, u"0"_s});
        }
        const QString before = state();
        const ReconciliationPlan plan = propose(*gManejo, file);
        QTEST(actions(plan), "proposed");
        const ApplyOutcome dry = Reconciler::apply(*gManejo, plan, true);
        QCOMPARE(state(), before);
        const ApplyOutcome done = Reconciler::apply(*gManejo, plan);
        QCOMPARE(std::tie(done.matched, done.added, done.alreadyImported, done.leftForReview),
                 std::tie(dry.matched, dry.added, dry.alreadyImported, dry.leftForReview));
        QTEST(state(), "after");
        // A balance in another currency is not kept as the account's.
        const BankStatement read = statementOf(file);
        const auto kept = Reconciler::bankBalance(*gManejo, u"001"_s);
        QCOMPARE(kept ? std::optional(kept->first) : std::nullopt,
                 Reconciler::currencyRefusal(read, u"001"_s).isEmpty() ? read.closingBalance
                                                                       : std::nullopt);
        QCOMPARE(Reconciler::linkedAccount(*gManejo, plan.bankKey), u"001"_s);

        const ReconciliationPlan again = propose(*gManejo, file);
        QCOMPARE(actions(again),
                 actions(plan).replace(QRegularExpression(u"[MN][0-9]*"_s), u"A"_s));
        QCOMPARE(Reconciler::apply(*gManejo, again).alreadyImported, done.matched + done.added);
        QTEST(state(), "after");
    }

    // Two people apply the same statement at once, each from a plan read before either wrote:
    // each line is applied once.
    void concurrentAppliersApplyEachLineOnce() {
        addMovement(*gManejo, 1, u"05/01/2024"_s, u"Cobro"_s, u"50"_s);
        const QByteArray file =
            oneAccount({{"240105", '2', 5000}, {"240106", '1', 1000}, {"240106", '1', 1000}});
        std::unique_ptr<clManejo> other = data_->db().connect();
        const ReconciliationPlan mine = propose(*gManejo, file);
        const ReconciliationPlan theirs = propose(*other, file);
        ApplyOutcome a, b;
        QString failure;
        std::thread them(
            [&] { failure = errorDescriptionOf([&] { b = Reconciler::apply(*other, theirs); }); });
        a = Reconciler::apply(*gManejo, mine);
        them.join();
        QCOMPARE(failure, QString());
        QCOMPARE(a.matched + b.matched, 1);
        QCOMPARE(a.added + b.added, 2);
        QCOMPARE(a.alreadyImported + b.alreadyImported, 3);
        QCOMPARE(state(), u"3 00.00 00.00 50.00 20.00"_s);
    }

    // A movement changed after the plan was read is not realised again: its line waits for the
    // person, unrecorded, and the others are applied.
    void aMovementChangedMeanwhileLeavesItsLineForReview() {
        addMovement(*gManejo, 1, u"05/01/2024"_s, u"Cobro"_s, u"50"_s);
        const QByteArray file = oneAccount({{"240105", '2', 5000}, {"240106", '1', 1000}});
        const ReconciliationPlan plan = propose(*gManejo, file);
        gManejo->Ejecutar(forms::movementsStatus,
                          {u"0"_s, u"0"_s, u"50"_s, u"0"_s, u"001"_s, u"1"_s});
        const ApplyOutcome done = Reconciler::apply(*gManejo, plan);
        QCOMPARE(QList<int>({done.matched, done.added, done.leftForReview}), QList<int>({0, 1, 1}));
        QCOMPARE(state(), u"2 00.00 00.00 50.00 10.00"_s);
        QCOMPARE(actions(propose(*gManejo, file)), u"N A"_s);
    }

    // Of two lines choosing one movement the first realises it; a line recorded meanwhile is
    // skipped, and the new movements take the numbers right after the ledger's last.
    void linesChoosingOneMovementOrRecordedMeanwhile() {
        addMovement(*gManejo, 1, u"07/01/2024"_s, u"A"_s, u"50"_s);
        addMovement(*gManejo, 2, u"03/01/2024"_s, u"B"_s, u"50"_s);
        const Movement debit{"240110", '1', 1000};
        ReconciliationPlan plan = propose(
            *gManejo,
            oneAccount(
                {{"240105", '2', 5000}, {"240108", '2', 5000}, debit, {"240111", '1', 1000}}));
        QCOMPARE(actions(plan), u"R R N N"_s); // both could be A: the person says
        for (LineProposal& line : {std::ref(plan.lines[0]), std::ref(plan.lines[1])}) {
            Reconciler::cycleCandidate(line);
            line.accepted = true;
        }
        Reconciler::apply(*gManejo, propose(*gManejo, oneAccount({debit})));
        const ApplyOutcome done = Reconciler::apply(*gManejo, plan);
        QCOMPARE(QList<int>({done.matched, done.added, done.alreadyImported, done.leftForReview}),
                 QList<int>({1, 1, 1, 1}));
        QCOMPARE(state(), u"4 50.00 00.00 50.00 20.00"_s);
        Recordset rs;
        QCOMPARE(highestMovementNumber(*gManejo, rs, u"001"_s), 4);
    }

    // Generated months of a bookkeeper's account, their statements applied by the program as
    // the README shows: no line realises another's movement, and most are matched unasked.
    void generatedMonthsThroughTheProgram_data() {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 2u, 3u})
            QTest::addRow("month %u", seed) << seed;
    }
    void generatedMonthsThroughTheProgram() {
        QFETCH(quint32, seed);
        const BookkeepersMonth month(seed, QDate(2026, 11, 1));
        for (const BookkeepersMonth::Movement& m : month.movements())
            data_->addMovement(u"001"_s, m.number, m.date, m.description,
                               m.credit ? m.amount : Money(), m.credit ? Money() : m.amount, {}, {},
                               m.credit ? u"1"_s : u"2"_s);
        const QString file = data_->db().folder() + u"/mes.n43"_s;
        writeFile(file, month.norma43());
        QProcess program;
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(QStringLiteral(LEDGORA_HOST_PATH),
                      {u"--statement"_s, file, data_->path(), u"001"_s});
        QVERIFY(program.waitForFinished(60000));
        const QString said = QString::fromUtf8(program.readAll());
        QCOMPARE(program.exitCode(), 0);

        // The movement each line realised, as another connection finds it.
        const BankStatement read = statementOf(month.norma43());
        QHash<QString, std::size_t> lineOf;
        for (std::size_t k = 0; k < std::size_t(read.lines.size()); ++k)
            lineOf.insert(read.lines[qsizetype(k)].fingerprint, k);
        std::vector<std::int32_t> matchedTo(lineOf.size());
        int added = 0;
        constexpr FormName recordedLines{"test.recordedLines"};
        StatementCatalog::add(recordedLines, u"select EXTSTHUE,MOVINNRO from BANEXT"_s);
        Recordset rs;
        gManejo->RsDesconectado(true);
        gManejo->CrearRs(rs, recordedLines, {});
        for (; !rs.Eof(); rs.MoveNext()) {
            const int number = GP_TEXTO(rs.Fields(1)).toInt();
            if (number > int(month.movements().size()))
                ++added;
            else
                matchedTo[lineOf.value(GP_TEXTO(rs.Fields(0)))] = number;
        }
        const BookkeepersMonth::Quality quality = month.judge(matchedTo);
        QCOMPARE(quality.wrong, 0);
        QVERIFY2(quality.matched * 100 >= quality.withMovement * 85, qPrintable(said));
        QVERIFY2(said.contains(u"Extracto %1: %2 casados, %3, 0 ya importados, %4 para "
                               "revisar."_s.arg(read.accountKey())
                                   .arg(quality.matched)
                                   .arg(added == 1 ? u"1 nuevo"_s : u"%1 nuevos"_s.arg(added))
                                   .arg(int(read.lines.size()) - quality.matched - added)),
                 qPrintable(said));
    }

    // A ledger of the layout before statements, opened only to read, says how to get them.
    void anEarlierLayoutReadOnlySaysToOpenItForWork() {
        if (onServer())
            QSKIP("a file's layout");
        gManejo.reset();
        QVERIFY(sqliteExec(data_->path(), {"DROP TABLE BANENL", "PRAGMA user_version=3"}));
        clManejo reader;
        reader.CadenaConexion(ConnectionString::forSource(data_->path(), true));
        reader.Conectar();
        const auto error = errorOf([&] { Reconciler::linkedAccount(reader, u"x"_s); });
        QCOMPARE(error ? error->kind() : RuntimeError::Kind::Other,
                 RuntimeError::Kind::OlderLayout);
    }

    // A new movement's concept: the person's choice when it is of the line's side, else the
    // concept of that side sharing a word with the common concept, else the first of it.
    void conceptsBySideAndChoice() {
        data_->addConcept(u"3"_s, u"Transferencias recibidas"_s, u"C"_s);
        auto conceptFor = [](const char* common, BankLine::Side side) {
            return Reconciler::conceptFor(*gManejo, QString::fromLatin1(common), side);
        };
        QCOMPARE(conceptFor("02", BankLine::Side::Credit), u"1"_s);
        QCOMPARE(conceptFor("04", BankLine::Side::Credit), u"3"_s);
        Reconciler::mapConcept(*gManejo, u"04"_s, u"1"_s);
        QCOMPARE(conceptFor("04", BankLine::Side::Credit), u"1"_s);
        QCOMPARE(conceptFor("04", BankLine::Side::Debit), u"2"_s);
    }
};

LEDGORA_TEST_MAIN(TstReconcile)
#include "tst_reconcile.moc"
