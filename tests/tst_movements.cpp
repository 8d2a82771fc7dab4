#include "LedgerFixture.h"
#include "ModalDriver.h"
#include "TestSupport.h"
#include "controls/FlexGrid.h"
#include "ledger/ListedMovement.h"
#include "ledger/MovementListing.h"
#include "mainscreen/FrmBNKMain.h"
#include "mainscreen/MainScreenLifecycle.h"
#include "screens/FrmABMCuentas.h"
#include "screens/FrmConceptos.h"
#include "screens/FrmModConcepto.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <sqlite3.h>

using namespace ledgora;
using namespace ledgora::test;

namespace {

class GridOnlyLifecycle final : public MainScreenLifecycle {
public:
    void load(FrmBNKMain& screen) override { screen.FormatGRD(); }
    void unload() override {}
};

// Reads the database file with SQLite itself, beside the module's own connection, so that
// what the screens show is checked against what is really stored.
class StoredFile {
public:
    explicit StoredFile(const QString& path) {
        sqlite3_open_v2(path.toUtf8().constData(), &db_, SQLITE_OPEN_READONLY, nullptr);
    }
    ~StoredFile() { sqlite3_close(db_); }
    StoredFile(const StoredFile&) = delete;
    StoredFile& operator=(const StoredFile&) = delete;

    // Every row the statement gives, each row's values joined by '|'.
    QStringList rows(const QString& sql) const {
        QStringList result;
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &stmt, nullptr);
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            QStringList values;
            for (int c = 0; c < sqlite3_column_count(stmt); ++c)
                values << QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(stmt, c)));
            result << values.join(u'|');
        }
        sqlite3_finalize(stmt);
        return result;
    }
    // The account's movements summed by the engine, in ten-thousandths:
    // to be credited, to be debited, credited, debited.
    QString sums(const QString& account) const {
        return rows(QStringLiteral("select coalesce(sum(MOVDLAAC),0),coalesce(sum(MOVDLADE),0),"
                                   "coalesce(sum(MOVDLACR),0),coalesce(sum(MOVDLDEB),0) from "
                                   "BANMOV where rtrim(CNTSTNRO) = '%1'")
                        .arg(account))
            .value(0);
    }
    QString storedTotals(const QString& account) const {
        return rows(QStringLiteral("select TOMDLAAC,TOMDLADE,TOMDLACR,TOMDLDEB from BANCNT "
                                   "where CNTSTNRO = '%1'")
                        .arg(account))
            .value(0);
    }
    int movements() const { return rows(QStringLiteral("select * from BANMOV")).size(); }

private:
    sqlite3* db_ = nullptr;
};

QString shown(double amount) {
    return rt::formatAmount(Money::fromDouble(amount));
}

QString today() {
    return rt::formatDateSlashed(QDate::currentDate());
}

void key(Qt::Key k) {
    QTest::keyClick(QApplication::focusWidget(), k);
}

// Types one movement on the entry screen with the keyboard alone: ENTER walks the fields and
// presses "Agregar". The concept and the status are chosen by moving down their lists.
void typeEntry(int conceptDowns, const QString& value, int statusDowns, const QString& date = {}) {
    if (QApplication::focusWidget()->objectName() == u"txtMOVDTALT") {
        if (!date.isEmpty())
            QTest::keyClicks(QApplication::focusWidget(), date);
        key(Qt::Key_Return);
    }
    for (int k = 0; k < conceptDowns; ++k)
        key(Qt::Key_Down);
    key(Qt::Key_Return); // to the description, which proposes itself
    key(Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), value);
    key(Qt::Key_Return); // to the status list, filled for the concept's type
    for (int k = 0; k < statusDowns; ++k)
        key(Qt::Key_Down);
    key(Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdAgregar"));
    key(Qt::Key_Return);
}

} // namespace

// Movements entered, changed between pending and realised, edited and deleted from the
// keyboard, with the grid, the stored rows and both balances checked after every step.
class TstMovements : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<LedgerFixture> data_;
    std::unique_ptr<FrmBNKMain> main_;
    std::unique_ptr<ModalDriver> person_;
    GridOnlyLifecycle lifecycle_;
    QTemporaryDir settings_;

    FlexGrid& grid() { return main_->LstBNK(); }
    QStringList rowTexts(int row) {
        QStringList cells;
        for (int c = 0; c < grid().cols(); ++c)
            cells << grid().textMatrix(row, c);
        return cells;
    }
    QString label(const char* name) {
        return main_->findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    StoredFile file() { return StoredFile(data_->db().path()); }

    // The main screen on an account, listing this year.
    void openMain(const QString& account = QStringLiteral("001")) {
        gCuenta = cuenta(account, QStringLiteral("Caja"));
        gFechaDesde = QDate(QDate::currentDate().year(), 1, 1);
        gFechaHasta = QDate(QDate::currentDate().year(), 12, 31);
        main_ = std::make_unique<FrmBNKMain>();
        main_->setLifecycle(&lifecycle_);
        main_->load();
        main_->show();
        QVERIFY(QTest::qWaitForWindowActive(main_.get()));
        CARGAR_CUENTAS(grid());
        grid().setFocus();
    }

    // Both balances and the stored totals agree with the sums of the stored movements.
    void expectBalancesOfTheFile(const QString& account = QStringLiteral("001")) {
        const QStringList sums = file().sums(account).split(u'|');
        QCOMPARE(sums.size(), 4);
        auto units = [&](int k) { return Money::fromUnits(sums[k].toLongLong()); };
        QCOMPARE(label("lbTOTRBCO"), rt::formatAmount(units(2) - units(3)));
        QCOMPARE(label("lbTOTRCNT"), rt::formatAmount(units(0) + units(2) - units(1) - units(3)));
        QCOMPARE(file().storedTotals(account), sums.join(u'|'));
    }

private Q_SLOTS:
    void initTestCase() { SettingsStore::setFolder(settings_.path()); }
    void init() {
        data_ = std::make_unique<LedgerFixture>();
        person_ = std::make_unique<ModalDriver>();
        data_->addAccount(QStringLiteral("001"), QStringLiteral("Caja"));
        execute(*gManejo, QStringLiteral("insert into BANCON (CONSTNRO,CONSTDSC,CONSTTIP) values "
                                         "('12','Cheque','D')"));
        execute(*gManejo, QStringLiteral("insert into BANCON (CONSTNRO,CONSTDSC,CONSTTIP) values "
                                         "('3','Deposito','C')"));
    }
    void cleanup() {
        main_.reset();
        person_.reset();
        data_.reset();
    }

    void aDayOfEntriesAndEveryChangeKeepTheBalancesRight_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("point") << pointLocale();
        QTest::newRow("comma") << commaLocale();
    }
    void aDayOfEntriesAndEveryChangeKeepTheBalancesRight() {
        QFETCH(QLocale, locale);
        LocaleScope scope(locale);
        openMain();
        const QString sep(rt::decimalSeparator());
        const QString dashed = rt::formatDateDashed(QDate::currentDate());

        // A pending credit with three decimals, then a realised debit, typed in a row.
        person_->then([&](QWidget*) {
            typeEntry(1, QStringLiteral("150") + sep + QStringLiteral("555"), 0);
            typeEntry(0, QStringLiteral("40"), 1);
            key(Qt::Key_Escape);
        });
        QTest::keyClick(&grid(), Qt::Key_Insert);
        QCOMPARE(grid().rows(), 3);
        QCOMPARE(rowTexts(1), QStringList({today(), QStringLiteral("Deposito ") + dashed,
                                           shown(150.56), shown(0), shown(0), shown(0), "1"}));
        QCOMPARE(rowTexts(2), QStringList({today(), QStringLiteral("Cheque ") + dashed, shown(0),
                                           shown(0), shown(0), shown(40), "2"}));
        QCOMPARE(grid().row(), 2);
        QCOMPARE(grid().colSel(), 6);
        QCOMPARE(cellBackground(grid(), 2, 2), QColor(236, 249, 232));
        const QString isoToday = QDate::currentDate().toString(Qt::ISODate);
        QCOMPARE(file().rows(QStringLiteral("select CNTSTNRO,MOVINNRO,MOVDTALT,CONSTNRO,"
                                            "MOVSTCPT,MOVDLAAC,MOVDLADE,MOVDLACR,MOVDLDEB from "
                                            "BANMOV order by MOVINNRO")),
                 QStringList({"001|1|" + isoToday + "|3 |Deposito " + dashed + "|1505600|0|0|0",
                              "001|2|" + isoToday + "|12|Cheque " + dashed + "|0|0|0|400000"}));
        expectBalancesOfTheFile();

        // F12 realises the credit, a second F12 makes it pending again.
        grid().setRow(1);
        QTest::keyClick(&grid(), Qt::Key_F12);
        QCOMPARE(rowTexts(1).mid(2, 4), QStringList({shown(0), shown(0), shown(150.56), shown(0)}));
        QCOMPARE(file().rows(QStringLiteral("select MOVDLAAC,MOVDLACR from BANMOV where "
                                            "MOVINNRO = 1")),
                 QStringList{"0|1505600"});
        expectBalancesOfTheFile();
        QTest::keyClick(&grid(), Qt::Key_F12);
        QCOMPARE(rowTexts(1).mid(2, 4), QStringList({shown(150.56), shown(0), shown(0), shown(0)}));
        expectBalancesOfTheFile();

        // ENTER edits the amount; it stays in its column.
        person_->then([&](QWidget*) {
            key(Qt::Key_Return);
            key(Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtValor"));
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("200") + sep + "1");
            key(Qt::Key_Return);
            key(Qt::Key_Return); // "Guardar"
        });
        QTest::keyClick(&grid(), Qt::Key_Return);
        QCOMPARE(rowTexts(1).mid(2, 4), QStringList({shown(200.1), shown(0), shown(0), shown(0)}));
        QCOMPARE(grid().colSel(), 6);
        QCOMPARE(file().rows(QStringLiteral("select MOVDLAAC from BANMOV where MOVINNRO = 1")),
                 QStringList{"2001000"});
        expectBalancesOfTheFile();

        // DELETE asks first; No keeps the movement, Yes removes it and its row.
        MessageRecorder messages;
        messages.answers = {MsgAnswer::No, MsgAnswer::Yes, MsgAnswer::Yes};
        QTest::keyClick(&grid(), Qt::Key_Delete);
        QCOMPARE(file().movements(), 2);
        QTest::keyClick(&grid(), Qt::Key_Delete);
        QCOMPARE(messages.prompts().first(),
                 QStringLiteral("Confirma eliminar el movimiento seleccionado"));
        QCOMPARE(grid().rows(), 2);
        QCOMPARE(rowTexts(1).value(6), QStringLiteral("2"));
        QCOMPARE(file().movements(), 1);
        expectBalancesOfTheFile();
        QTest::keyClick(&grid(), Qt::Key_Delete);
        QCOMPARE(grid().rows(), 1);
        QCOMPARE(file().movements(), 0);
        expectBalancesOfTheFile();
        // Without data rows the row keys ask nothing and do nothing.
        for (Qt::Key k : {Qt::Key_Delete, Qt::Key_F12, Qt::Key_Return})
            QTest::keyClick(&grid(), k);
        QCOMPARE(messages.boxes.size(), std::size_t(3));
    }

    void aMovementOfAnotherDayReloadsTheListingAndNumbersFollowOn() {
        QDate other(QDate::currentDate().year(), 1, 1);
        if (other == QDate::currentDate())
            other = other.addDays(1);
        data_->addMovement(QStringLiteral("001"), 5, other, QStringLiteral("Saldo inicial"),
                           money(10), {}, money(5), {}, QStringLiteral("3"));
        openMain();
        QCOMPARE(gCuenta.UltimoMovimiento, 5);
        person_->then([&](QWidget*) {
            typeEntry(1, QStringLiteral("7"), 1);
            typeEntry(1, QStringLiteral("8"), 0);
            // The date stays for the next entry; this one is typed over it.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtMOVDTALT"));
            typeEntry(1, QStringLiteral("9"), 0, rt::formatDateSlashed(other));
            key(Qt::Key_Escape);
        });
        QTest::keyClick(&grid(), Qt::Key_Insert);
        // Reloaded in date order: the earlier day's two movements, then today's two.
        QStringList numbers;
        for (int r = 1; r < grid().rows(); ++r)
            numbers << grid().textMatrix(r, 6);
        QCOMPARE(numbers, QStringList({"5", "8", "6", "7"}));
        QCOMPARE(gCuenta.UltimoMovimiento, 8);
        QCOMPARE(grid().row(), 4);
        expectBalancesOfTheFile();
    }

    void refusedEntriesWriteNothingAndSayWhy() {
        MessageRecorder messages;
        gCuenta = cuenta(QStringLiteral("001"), QString());
        FrmConceptos entry;
        entry.load();
        entry.show();
        QVERIFY(QTest::qWaitForWindowActive(&entry));
        auto* value = entry.findChild<QLineEdit*>(QStringLiteral("txtVALOR"));
        auto* date = entry.findChild<QLineEdit*>(QStringLiteral("txtMOVDTALT"));
        auto* description = entry.findChild<QLineEdit*>(QStringLiteral("txtMOVSTCPT"));
        auto agregar = [&] {
            entry.findChild<QPushButton*>(QStringLiteral("cmdAgregar"))->click();
            return messages.prompts().value(messages.prompts().size() - 1);
        };
        QCOMPARE(entry.windowTitle().trimmed(), QString());
        QCOMPARE(date->text(), today());

        // The blank description is proposed even when the entry is then refused.
        QCOMPARE(agregar(), QStringLiteral("NO HAY CUENTA SELECCIONADA"));
        QCOMPARE(description->text(),
                 QStringLiteral("Cheque ") + rt::formatDateDashed(QDate::currentDate()));
        gCuenta.CNTSTNOM = QStringLiteral("Caja");
        QCOMPARE(agregar(), QStringLiteral("Debe seleccionar un ESTADO de Concepto."));
        entry.findChild<QComboBox*>(QStringLiteral("cboCONTIP"))->setFocus();
        // With the date wrong as well, the value is what is reported first.
        date->setText(QStringLiteral("31/02/2026"));
        for (const char* notANumber : {"", "12abc", "1'2"}) {
            value->setText(QString::fromUtf8(notANumber));
            QCOMPARE(agregar(), QStringLiteral("Debe Ingresar NÚMEROS en el campo VALOR."));
        }
        value->setText(QStringLiteral("10"));
        QCOMPARE(agregar(), QStringLiteral("Debe ingresar una FECHA valida."));
        date->setText(today());
        value->setText(QStringLiteral("9e99"));
        QCOMPARE(agregar(), QStringLiteral("6 / Desbordamiento\r\n\r\nSeccion Conceptos.Agregar"));
        // Hostile descriptions: a quote is refused by the statement gateway, a control
        // character likewise; nothing is written and the fields stay for correction.
        value->setText(QStringLiteral("10"));
        for (const QString& hostile :
             {QStringLiteral("O'Brien"), QStringLiteral("a'; DELETE"), QStringLiteral("a\tb"),
              QStringLiteral("a\nb"), QString(QChar(0)) + u'x'}) {
            description->setText(hostile);
            QVERIFY(agregar().startsWith(QStringLiteral("-2147217900 / ")));
            QCOMPARE(description->text(), hostile);
        }
        QCOMPARE(file().movements(), 0);
        // A long description is cut to its first hundred characters.
        description->setText(QString(10000, u'x'));
        const auto before = messages.boxes.size();
        agregar();
        QCOMPARE(messages.boxes.size(), before);
        QCOMPARE(file().rows(QStringLiteral("select length(MOVSTCPT) from BANMOV")),
                 QStringList{"100"});
        QCOMPARE(value->text(), QString());

        // Without concepts nothing can be chosen.
        sqlite3* raw = nullptr;
        sqlite3_open(data_->db().path().toUtf8().constData(), &raw);
        sqlite3_exec(raw, "DELETE FROM BANCON", nullptr, nullptr, nullptr);
        sqlite3_close(raw);
        FrmConceptos empty;
        empty.load();
        empty.findChild<QLineEdit*>(QStringLiteral("txtVALOR"))->setText(QStringLiteral("1"));
        empty.findChild<QPushButton*>(QStringLiteral("cmdAgregar"))->click();
        QCOMPARE(messages.prompts().last(), QStringLiteral("Debe seleccionar un CONCEPTO"));
        QCOMPARE(empty.findChild<QLineEdit*>(QStringLiteral("txtMOVSTCPT"))->text(),
                 u' ' + rt::formatDateDashed(QDate::currentDate()));
    }

    void theEditScreenChecksSavesInPlaceAndLeavesWithoutSaving() {
        data_->addMovement(QStringLiteral("001"), 15, QDate(2024, 3, 5), QStringLiteral("Deposito"),
                           {}, {}, money(150));
        data_->addMovement(QStringLiteral("001"), 16, QDate(2024, 3, 6), QStringLiteral("Nada"),
                           {});
        gCuenta = cuenta(QStringLiteral("001"), QStringLiteral("Caja"), {}, {}, money(150));
        MessageRecorder messages;
        auto open = [](const QString& number, Money acr,
                       const QString& date = QStringLiteral("05/03/2024"),
                       const QString& text = QStringLiteral("  Deposito ")) {
            gMovimiento = MovimientoRecord();
            gMovimiento.MOVDTALT = date;
            gMovimiento.MOVINNRO = number;
            gMovimiento.MOVSTCPT = text;
            gMovimiento.MOVDLACR = acr;
            auto screen = std::make_unique<FrmModConcepto>();
            screen->load();
            return screen;
        };
        auto box = [](FrmModConcepto& s, const char* name) {
            return s.findChild<QLineEdit*>(QString::fromLatin1(name));
        };
        auto stored = [this](int number) {
            return file()
                .rows(QStringLiteral("select MOVDTALT,MOVSTCPT,MOVDLAAC,MOVDLADE,MOVDLACR,"
                                     "MOVDLDEB from BANMOV where MOVINNRO = %1")
                          .arg(number))
                .value(0);
        };
        auto edit = open(QStringLiteral("15"), money(150));
        QCOMPARE(box(*edit, "txtValor")->text(), shown(150));
        QCOMPARE(box(*edit, "txtConcepto")->text(), QStringLiteral("Deposito"));
        box(*edit, "txtFecha")->setText(QStringLiteral("x"));
        edit->PP_GUARDAR();
        QCOMPARE(messages.prompts().last(), QStringLiteral("Debe ingresar una FECHA valida."));
        box(*edit, "txtFecha")->setText(QStringLiteral("5/3/2024"));
        box(*edit, "txtValor")->setText(QStringLiteral("abc"));
        edit->PP_GUARDAR();
        QCOMPARE(messages.prompts().last(), QStringLiteral("Debe ingresar un valor NUMERICO."));
        box(*edit, "txtValor")->setText(QStringLiteral("99.999"));
        box(*edit, "txtConcepto")->setText(QStringLiteral("Dep'osito"));
        edit->PP_GUARDAR();
        QVERIFY(messages.prompts().last().startsWith(QStringLiteral("-2147217900 / ")));
        QVERIFY(!gMovimiento.Modificado);
        QCOMPARE(stored(15), QStringLiteral("2024-03-05|Deposito|0|0|1500000|0"));
        // Saved: trimmed description, the date as dd/mm/yyyy, the amount rounded in its column.
        box(*edit, "txtConcepto")->setText(QStringLiteral("  Deposito banco "));
        edit->PP_GUARDAR();
        QVERIFY(gMovimiento.Modificado);
        QVERIFY(!edit->isLoaded());
        QCOMPARE(gMovimiento.MOVDTALT, QStringLiteral("05/03/2024"));
        QCOMPARE(stored(15), QStringLiteral("2024-03-05|Deposito banco|0|0|1000000|0"));
        QCOMPARE(gCuenta.TOMDLACR, money(100));

        // Listed otherwise than it is stored (another person changed it): nothing is written.
        edit = open(QStringLiteral("16"), {});
        box(*edit, "txtValor")->setText(QStringLiteral("55"));
        edit->PP_GUARDAR();
        QCOMPARE(messages.prompts().last(), ListedMovement::changedMessage());
        QVERIFY(!gMovimiento.Modificado);
        QCOMPARE(stored(16), QStringLiteral("2024-03-06|Nada|0|0|0|0"));

        // A movement without amounts keeps none, whatever is typed.
        edit = open(QStringLiteral("16"), {}, QStringLiteral("06/03/2024"), QStringLiteral("Nada"));
        QCOMPARE(box(*edit, "txtValor")->text(), shown(0));
        box(*edit, "txtValor")->setText(QStringLiteral("55"));
        box(*edit, "txtFecha")->setText(QStringLiteral("05/03/2024"));
        edit->PP_GUARDAR();
        QCOMPARE(stored(16), QStringLiteral("2024-03-05|Nada|0|0|0|0"));

        // ESC after changes saves nothing.
        edit = open(QStringLiteral("15"), money(100));
        box(*edit, "txtValor")->setText(QStringLiteral("1"));
        edit->show();
        QVERIFY(QTest::qWaitForWindowActive(edit.get()));
        QTest::keyClick(box(*edit, "txtValor"), Qt::Key_Escape);
        QVERIFY(!edit->isLoaded());
        QVERIFY(!gMovimiento.Modificado);
        QCOMPARE(stored(15), QStringLiteral("2024-03-05|Deposito banco|0|0|1000000|0"));
    }

    void movementsAmountsOnBothSidesMoveTogether() {
        data_->addMovement(QStringLiteral("001"), 1, QDate::currentDate(), QStringLiteral("Mixto"),
                           money(100), {}, {}, money(40));
        data_->addMovement(QStringLiteral("001"), 2, QDate::currentDate(),
                           QStringLiteral("Negativo"), money(-3));
        openMain();
        grid().setRow(1);
        QTest::keyClick(&grid(), Qt::Key_F12);
        QCOMPARE(rowTexts(1).mid(2, 4), QStringList({shown(0), shown(40), shown(100), shown(0)}));
        expectBalancesOfTheFile();
        // A negative pending amount does not move; the statement still runs.
        grid().setRow(2);
        QTest::keyClick(&grid(), Qt::Key_F12);
        QCOMPARE(rowTexts(2).mid(2, 4), QStringList({shown(-3), shown(0), shown(0), shown(0)}));
        expectBalancesOfTheFile();

        // Another person changes the first movement: F12 and DELETE on the row as it was
        // listed change nothing and say why.
        sqlite3* other = nullptr;
        sqlite3_open(data_->db().path().toUtf8().constData(), &other);
        sqlite3_exec(other, "UPDATE BANMOV SET MOVDLDEB = 500000 WHERE MOVINNRO = 1", nullptr,
                     nullptr, nullptr);
        sqlite3_close(other);
        MessageRecorder messages;
        messages.answers = {MsgAnswer::Ok, MsgAnswer::Yes};
        grid().setRow(1);
        QTest::keyClick(&grid(), Qt::Key_F12);
        QTest::keyClick(&grid(), Qt::Key_Delete);
        QCOMPARE(messages.prompts(),
                 QStringList({ListedMovement::changedMessage(),
                              QStringLiteral("Confirma eliminar el movimiento seleccionado"),
                              ListedMovement::changedMessage()}));
        QCOMPARE(file().rows(QStringLiteral("select MOVDLAAC,MOVDLACR,MOVDLDEB from BANMOV where "
                                            "MOVINNRO = 1")),
                 QStringList{"0|1000000|500000"});
        QCOMPARE(rowTexts(1).mid(2, 4), QStringList({shown(0), shown(40), shown(100), shown(0)}));
        // A movement whose date alone was changed behind the screen is not the one listed.
        sqlite3_open(data_->db().path().toUtf8().constData(), &other);
        sqlite3_exec(other, "UPDATE BANMOV SET MOVDTALT = '2000-01-01' WHERE MOVINNRO = 2", nullptr,
                     nullptr, nullptr);
        sqlite3_close(other);
        grid().setRow(2);
        QTest::keyClick(&grid(), Qt::Key_F12);
        QCOMPARE(messages.prompts().size(), 4);
        QCOMPARE(messages.prompts().last(), ListedMovement::changedMessage());
    }

    void keyNumbersMatchWithoutTheirTrailingBlanks() {
        data_->addAccount(QStringLiteral("7"), QStringLiteral("Siete"));
        openMain(QStringLiteral("7"));
        person_->then([&](QWidget*) {
            typeEntry(1, QStringLiteral("25"), 0);
            key(Qt::Key_Escape);
        });
        QTest::keyClick(&grid(), Qt::Key_Insert);
        // Written at their widths, found by the numbers as the lists hold them.
        QCOMPARE(file().rows(QStringLiteral("select CNTSTNRO,CONSTNRO from BANMOV")),
                 QStringList{"7  |3 "});
        gFiltro = {true, QStringLiteral("3"), QString()};
        CARGAR_CUENTAS(grid());
        gFiltro = {};
        QCOMPARE(grid().rows(), 2);
        QCOMPARE(label("lbTOTRCNT"), shown(25));
        expectBalancesOfTheFile(QStringLiteral("7"));

        MessageRecorder messages;
        messages.answers = {MsgAnswer::Yes};
        FrmABMCuentas accounts;
        accounts.load();
        auto* list = accounts.findChild<FlexGrid*>();
        list->setRow(2);
        QCOMPARE(list->textMatrix(2, 0), QStringLiteral("7"));
        accounts.PP_ELIMINAR();
        QCOMPARE(messages.prompts().last(),
                 QStringLiteral("No se puede eliminar esta cuenta, porque tiene movimientos."));
        QCOMPARE(file().rows(QStringLiteral("select CNTSTNRO from BANCNT order by 1")),
                 QStringList({"001", "7"}));
    }
};

QTEST_MAIN(TstMovements)
#include "tst_movements.moc"
