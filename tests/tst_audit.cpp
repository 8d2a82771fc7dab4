#include "LedgerTests.h"
#include "audit/AuditTrail.h"
#include "audit/MovementBin.h"
#include "audit/UndoLast.h"
#include "data/AuditChain.h"
#include "domain/LedgerStatements.h"
#include "screens/ScreenStatements.h"

#include <QtTest>

using namespace ledgora;
using namespace ledgora::test;

// The audit trail the database keeps, read back, checked, and taken back from.
class TstAudit : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<LedgerFixture> data_;

    // Straight through the engine, as another program would write.
    bool raw(const QString& sql) {
        return onServer() ? onTestServer(data_->path(), sql).has_value()
                          : sqliteExec(data_->path(), {sql});
    }
    AuditEntry last() { return AuditTrail::history(*gManejo, {}).back(); }
    void checkSums() {
        QVERIFY2(!data_->accountState().contains(u"differs"_s), qPrintable(data_->accountState()));
    }

private Q_SLOTS:
    void initTestCase() { LEDGORA_SKIP_WITHOUT_SERVER(); }
    // Rows 1 to 3 of the trail: account 001, concept 1, movement 1 (100.00 to be credited).
    void init() {
        data_ = std::make_unique<LedgerFixture>();
        data_->addBankAccount();
        data_->addMovement(u"001"_s, 1, QDate(2024, 3, 5), u"Cobro"_s, money(100));
    }
    void cleanup() { data_.reset(); }

    // Each statement form's change, and one made through SQL by another program, with who
    // made it; a store of the totals the database keeps is no change of anyone's.
    void everyChangeIsRecordedWithWhoAndHow_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("change"); // table, operation, key; empty: none recorded
        QTest::newRow("new account")
            << "accounts.insert" << QStringList{"002", "01/01/2024", "B", "", "", ""}
            << "BANCNT INSERT 002";
        QTest::newRow("account") << "accounts.update"
                                 << QStringList{"02/01/2024", "Caja", "B", "", "", "001"}
                                 << "BANCNT UPDATE 001";
        QTest::newRow("concept") << "concepts.update" << QStringList{"Ventas", "C", "1"}
                                 << "BANCON UPDATE 1";
        QTest::newRow("entry") << "entry.insertMovement"
                               << QStringList{"001", "2", "05/03/2024", "1", "b",
                                              "2",   "0", "0",          "0"}
                               << "BANMOV INSERT 001/2";
        QTest::newRow("F12") << "movements.status" << QStringList{"0", "0", "100", "0", "001", "1"}
                             << "BANMOV UPDATE 001/1";
        QTest::newRow("edit") << "movements.edit"
                              << QStringList{"06/03/2024", "otro", "100", "0", "0", "0", "001", "1"}
                              << "BANMOV UPDATE 001/1";
        QTest::newRow("delete") << "movements.delete" << QStringList{"001", "1"}
                                << "BANMOV DELETE 001/1";
        QTest::newRow("totals") << "ledger.accountTotals" << QStringList{"1", "0", "0", "0", "001"}
                                << "";
        QTest::newRow("through SQL") << "" << QStringList{} << "BANMOV UPDATE 001/1";
    }
    void everyChangeIsRecordedWithWhoAndHow() {
        QFETCH(QString, form);
        QFETCH(QStringList, values);
        QFETCH(QString, change);
        const std::int64_t before = last().id;
        const QByteArray name = form.toLatin1();
        if (form.isEmpty())
            QVERIFY(raw(u"UPDATE BANMOV SET MOVSTCPT = 'a mano' WHERE MOVINNRO = 1"_s));
        else
            gManejo->Ejecutar(FormName(name.constData()), values);
        const AuditEntry entry = last();
        if (change.isEmpty()) {
            QCOMPARE(entry.id, before);
            return;
        }
        QCOMPARE(u"%1 %2 %3"_s.arg(entry.table, entry.operationName(), entry.key), change);
        QCOMPARE(entry.routine, form);
        const auto [user, program] = gManejo->auditIdentity();
        // Another program on a file is nobody the file can name; on a server, its role.
        QCOMPARE(entry.user, form.isEmpty() && !onServer() ? QString() : user);
        QCOMPARE(entry.program, form.isEmpty() ? QString() : program);
        QVERIFY(!user.isEmpty() && QDateTime::currentDateTimeUtc().secsTo(entry.moment()) <= 0);
        QVERIFY(AuditTrail::verify(*gManejo).intact());
    }

    // The trail refuses changes; one forced past that is found, and where.
    void aBrokenChainIsFound_data() {
        QTest::addColumn<QString>("tampering");
        QTest::addColumn<std::int64_t>("brokenAt");
        QTest::newRow("row changed")
            << "UPDATE BANAUD SET AUDSTUSU = 'otro' WHERE AUDINNRO = 2" << std::int64_t(2);
        QTest::newRow("row removed") << "DELETE FROM BANAUD WHERE AUDINNRO = 2" << std::int64_t(2);
        QTest::newRow("row and seal removed")
            << "DELETE FROM BANAUD WHERE AUDINNRO = 2; DELETE FROM BANSEL WHERE AUDINNRO = 2"
            << std::int64_t(3);
        QTest::newRow("seal changed")
            << "UPDATE BANSEL SET SELSTHSH = 'a' || SELSTHSH WHERE AUDINNRO = 1" << std::int64_t(1);
    }
    void aBrokenChainIsFound() {
        QFETCH(QString, tampering);
        QFETCH(std::int64_t, brokenAt);
        QVERIFY(!raw(tampering));
        const QString unguarded =
            onServer() ? u"ALTER TABLE BANAUD DISABLE TRIGGER USER; ALTER TABLE BANSEL DISABLE "
                         "TRIGGER USER; "_s
                       : u"DROP TRIGGER BANAUD_INALTERABLE_UPDATE; DROP TRIGGER "
                         "BANAUD_INALTERABLE_DELETE; DROP TRIGGER BANSEL_INALTERABLE_UPDATE; DROP "
                         "TRIGGER BANSEL_INALTERABLE_DELETE; "_s;
        QVERIFY(raw(unguarded + tampering));
        const ChainCheck check = AuditTrail::verify(*gManejo);
        QCOMPARE(check.brokenAt, std::optional(brokenAt));
        QVERIFY(check.text().contains(QString::number(brokenAt)));
    }

    // Another program's change through SQL is sealed on a server at once, on a file by the
    // next write of this program.
    void anotherProgramsChangeIsSealed() {
        QVERIFY(raw(u"INSERT INTO BANCON (CONSTNRO,CONSTDSC,CONSTTIP) VALUES ('9','X','D')"_s));
        QCOMPARE(AuditTrail::verify(*gManejo).unsealed, onServer() ? 0L : 1L);
        data_->addConcept(u"8"_s, u"Y"_s, u"D"_s);
        const ChainCheck check = AuditTrail::verify(*gManejo);
        QCOMPARE(check.sealed, 5L);
        QCOMPARE(check.unsealed, 0L);
    }

    // A seal is stored for every change: one byte changed in its formula, here or in the
    // server's function, would break --verify on every ledger kept so far. A null is "~", not
    // the text "~" nor an empty text.
    void sealsAreWhatTheyWere_data() {
        QTest::addColumn<QString>("previous");
        QTest::addColumn<QStringList>("values"); // a null QString is a null
        QTest::addColumn<QString>("seal");
        const QString before =
            u"6e858efd2bb76a7cc2496d700cc1c9b9b984f6701ba58d04dd5615b41e821e2c"_s;
        QTest::newRow("the first row")
            << QString() << QStringList{u"INSERT"_s, u"BANMOV"_s, u"001"_s}
            << u"6e858efd2bb76a7cc2496d700cc1c9b9b984f6701ba58d04dd5615b41e821e2c"_s;
        QTest::newRow("a null")
            << before << QStringList{QString()}
            << u"03334c80cdebb941938f0c88af14edf8524453b015843649f5481003f415012f"_s;
        QTest::newRow("an empty text")
            << before << QStringList{u""_s}
            << u"f02cc61412eadd7626b0844995bab0eebabf2a920e0131c47b303e86f7c48fb6"_s;
        QTest::newRow("a tilde")
            << before << QStringList{u"~"_s}
            << u"8ff127f1cee4e72cde45f5c882352c8c7946a311af532e91451edb9f56440100"_s;
        QTest::newRow("multibyte")
            << before << QStringList{u"Asesoría €"_s, QString()}
            << u"c6f74b8eaf4de18fbfdcef78d1f9b8d39d522d4f9ca8f4ff46b71b5d24b787e0"_s;
    }
    void sealsAreWhatTheyWere() {
        QFETCH(QString, previous);
        QFETCH(QStringList, values);
        std::vector<std::optional<QByteArray>> fields;
        QStringList literals;
        for (const QString& value : values) {
            fields.push_back(value.isNull() ? std::nullopt : std::optional(value.toUtf8()));
            literals << (value.isNull() ? u"NULL"_s : u"'%1'"_s.arg(value));
        }
        QTEST(QString::fromLatin1(AuditChain::link(previous.toLatin1(), fields)), "seal");
        if (onServer())
            QTEST(onTestServer(data_->path(),
                               u"SELECT ldg_audit_link(%1, ARRAY[%2]::text[])"_s.arg(
                                   previous.isEmpty() ? u"NULL"_s : u"'%1'"_s.arg(previous),
                                   literals.join(u',')))
                      .value_or(QString()),
                  "seal");
    }

    // With the README's grants, nobody writes the server's history but its own audit: not a
    // writer's row and seal of its own making (the forgery of a deletion by "ana" in January,
    // numbered one past the last and sealed with the server's own formula), not a call of the
    // audit function by hand, and not the owner either. The writer's real changes still are.
    void theServersHistoryTakesRowsOnlyFromItsOwnAudit_data() {
        QTest::addColumn<bool>("asOwner");
        QTest::addColumn<QString>("attempt");
        const QString row =
            u"INSERT INTO BANAUD (AUDINNRO,AUDDTHOR,AUDSTUSU,AUDSTPRG,AUDSTRUT,"
            "AUDSTTAB,AUDSTOPE,AUDSTCTA,AUDINMOV,AUDSTCLA) SELECT max(AUDINNRO) + 1, "
            "'2026-01-15T09:00:00.000Z', 'ana', 'psql', 'movements.delete', "
            "'BANMOV', 'DELETE', '001', 1, '001|1' FROM BANAUD; "_s;
        const QString seal = u"INSERT INTO BANSEL (AUDINNRO,SELSTHSH) SELECT max(AUDINNRO) + 1, "
                             "ldg_audit_link((SELECT SELSTHSH FROM BANSEL ORDER BY AUDINNRO DESC "
                             "LIMIT 1), ARRAY['ana']) FROM BANSEL"_s;
        const QString call = u"SELECT ldg_audit_write('DELETE', 'BANMOV', '001', 1, '001|1', "
                             "'{}', NULL)"_s;
        for (bool owner : {false, true}) {
            const char* by = owner ? "owner" : "writer";
            QTest::addRow("%s: a row and its seal", by) << owner << row + seal;
            QTest::addRow("%s: a seal alone", by) << owner << seal;
            QTest::addRow("%s: the audit function by hand", by) << owner << call;
        }
    }
    void theServersHistoryTakesRowsOnlyFromItsOwnAudit() {
        if (!onServer())
            QSKIP("roles on the server");
        QFETCH(bool, asOwner);
        QFETCH(QString, attempt);
        QFile readme(QStringLiteral(LEDGORA_README));
        QVERIFY(readme.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(readme.readAll());
        const qsizetype from = text.indexOf(u"GRANT SELECT, INSERT, UPDATE, DELETE ON BANCNT"_s);
        QVERIFY(from > 0);
        const QString writer = u"ana_%1"_s.arg(::getpid()), reader = u"luis_%1"_s.arg(::getpid());
        const QString grants = text.mid(from, text.indexOf(u"```"_s, from) - from)
                                   .replace(u"ledgora_escritura"_s, writer)
                                   .replace(u"ledgora_lectura"_s, reader);
        QVERIFY(onTestServer(
            data_->path(),
            u"CREATE ROLE %1 LOGIN PASSWORD 'clave'; CREATE ROLE %2; "_s.arg(writer, reader) +
                grants));
        const auto dropped = qScopeGuard([&] {
            onTestServer(data_->path(),
                         u"DROP OWNED BY %1, %2; DROP ROLE %1; DROP ROLE %2"_s.arg(writer, reader));
        });
        QString asWriter = data_->path();
        asWriter.replace(u"ledgora:ledgora-test@"_s, writer + u":clave@"_s);
        const QString rows = u"SELECT count(*) FROM BANAUD"_s;
        const auto before = onTestServer(asWriter, rows);
        QVERIFY(!onTestServer(asOwner ? data_->path() : asWriter, attempt));
        QCOMPARE(onTestServer(asWriter, rows), before);
        auto manejo = std::make_unique<clManejo>();
        manejo->CadenaConexion(u"Data Source="_s + asWriter);
        manejo->Conectar();
        QVERIFY(manejo->EstadoConexion());
        addMovement(*manejo, 2, u"06/03/2024"_s, u"Pago"_s, {u"0"_s, u"30"_s, u"0"_s, u"0"_s});
        manejo->Ejecutar(forms::movementsDelete, {u"001"_s, u"2"_s});
        QCOMPARE(onTestServer(asWriter, rows)->toInt(), before->toInt() + 2);
        const ChainCheck check = AuditTrail::verify(*manejo);
        QVERIFY2(check.intact(), qPrintable(check.text()));
        QCOMPARE(onTestServer(asWriter, u"SELECT count(*) FROM BANAUD WHERE AUDSTUSU = 'ana'"_s),
                 std::optional(u"0"_s));
    }

    // Restores from the bin and undos, each keeping the totals the sums of the movements.
    void theBinAndUndoKeepTotalsEqualToSums() {
        data_->addMovement(u"001"_s, 2, QDate(2024, 3, 6), u"Pago"_s, {}, money(30));
        gManejo->Ejecutar(forms::movementsStatus, {"0", "0", "100", "0", "001", "1"});
        const QString whole = data_->accountState();
        gManejo->Ejecutar(forms::movementsDelete, {"001", "2"});
        checkSums();
        std::vector<AuditEntry> bin = MovementBin::deleted(*gManejo, u"001"_s);
        QCOMPARE(bin.size(), std::size_t(1));
        QCOMPARE(MovementBin::restore(*gManejo, bin[0]).number, std::int64_t(2));
        QCOMPARE(data_->accountState(), whole);
        // Taken back once, whoever tries again.
        const auto other = data_->db().connect();
        QVERIFY(!MovementBin::restore(*other, bin[0]).done());
        QCOMPARE(data_->accountState(), whole);
        // Its number taken meanwhile: the next.
        gManejo->Ejecutar(forms::movementsDelete, {"001", "2"});
        data_->addMovement(u"001"_s, 2, QDate(2024, 3, 7), u"Otro"_s, money(5));
        QCOMPARE(MovementBin::restore(*gManejo, MovementBin::deleted(*gManejo, u"001"_s)[0]).number,
                 std::int64_t(3));
        checkSums();
        // Undo: the restore, then the entry, newest first.
        for (const char* said : {"nº 3", "alta del movimiento nº 2"}) {
            const TakeBackOutcome undone = UndoLast::undo(*gManejo, u"001"_s);
            QVERIFY2(undone.said.contains(QString::fromUtf8(said)), qPrintable(undone.refusal));
            checkSums();
        }
        QCOMPARE(MovementBin::deleted(*gManejo, u"001"_s).size(), std::size_t(2));
        // Someone else changed the movement after this person: nothing is undone.
        gManejo->Ejecutar(forms::movementsStatus, {"100", "0", "0", "0", "001", "1"});
        QVERIFY(raw(u"UPDATE BANMOV SET MOVSTCPT = 'a mano' WHERE MOVINNRO = 1"_s));
        const QString before = data_->accountState();
        QVERIFY(UndoLast::undo(*gManejo, u"001"_s).refusal.contains(u"Otra persona"_s));
        QCOMPARE(data_->accountState(), before);
    }
};

LEDGORA_TEST_MAIN(TstAudit)
#include "tst_audit.moc"
