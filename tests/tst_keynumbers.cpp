#include "LedgerTests.h"
#include "controls/FlexGrid.h"
#include "ledger/MovementListing.h"
#include "mainscreen/FrmBNKMain.h"
#include "mainscreen/MainScreenLifecycle.h"
#include "screens/FrmABMConceptos.h"
#include "screens/FrmABMCuentas.h"
#include "screens/FrmConceptos.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <array>

using namespace ledgora;
using namespace ledgora::test;

namespace {

QString LedgerPath;

// The numbers stored, read with SQLite itself, blanks around them trimmed.
QStringList storedNumbers(const char* sql) {
    QStringList numbers;
    for (const QString& number : sqliteRows(LedgerPath, QString::fromLatin1(sql)))
        numbers << number.trimmed();
    numbers.sort();
    return numbers;
}

} // namespace

// Account and concept numbers are digits only, and numbers an older file holds that no
// count can be kept on ("9e9", "abc", eleven nines) neither stop the lists loading nor the
// next number being proposed.
class TstKeyNumbers : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<LedgerFixture> data_;
    QTemporaryDir settings_;

    template <typename S> std::unique_ptr<S> open() {
        auto screen = std::make_unique<S>();
        screen->load();
        if (!showActive(*screen))
            qWarning("screen not active");
        return screen;
    }

    template <typename S> void enterNumber(const QString& typed, std::array<const char*, 4> names) {
        auto screen = open<S>();
        QTest::keyClick(child(screen.get(), names[0]), Qt::Key_Insert);
        child<QLineEdit>(screen.get(), names[1])->setText(typed);
        child<QLineEdit>(screen.get(), names[2])->setText(u"Nombre"_s);
        child<QPushButton>(screen.get(), names[3])->click();
    }

private Q_SLOTS:
    void initTestCase() { SettingsStore::setFolder(settings_.path()); }
    void init() {
        data_ = std::make_unique<LedgerFixture>();
        LedgerPath = data_->db().path();
    }
    void cleanup() { data_.reset(); }

    void anOlderFilesAccountNumbersLeaveTheListUsable() {
        QVERIFY(sqliteExec(
            LedgerPath,
            {"insert into BANCNT values ('001','2024-01-01','Caja','B','','',0,0,0,0)",
             "insert into BANCNT values ('9e9','2024-01-01','Nueve','B','','',0,0,0,0)",
             "insert into BANCNT values ('abc','2024-01-01','Letras','B','','',0,0,0,0)",
             "insert into BANCNT values ('99999999999','2024-01-01','Once','B','','',0,0,0,0)"}));
        MessageRecorder messages;
        auto screen = open<FrmABMCuentas>();
        auto& grid = *child<FlexGrid>(screen.get(), "grdList");
        QCOMPARE(messages.prompts(), QStringList());
        QCOMPARE(column(grid, 0), QStringList({"abc", "001", "9e9", "99999999999"}));

        // The next number follows the highest usable one.
        QTest::keyClick(&grid, Qt::Key_Insert);
        QCOMPARE(child<QLineEdit>(screen.get(), "txtCNTSTNRO")->text(), u"002"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);

        // Every account can be chosen.
        for (int row = 1; row < grid.rows(); ++row) {
            auto chooser = open<FrmABMCuentas>();
            auto& list = *child<FlexGrid>(chooser.get(), "grdList");
            list.setRow(row);
            list.setFocus();
            QTest::keyClick(&list, Qt::Key_Return);
            QCOMPARE(gCuenta.CNTSTNRO, column(grid, 0).at(row - 1));
            QVERIFY(!chooser->isLoaded());
        }

        // The bad one is removed from the program, and the list reloads without a message.
        messages.answers = {MsgAnswer::Yes};
        grid.setRow(3);
        grid.setFocus();
        QTest::keyClick(&grid, Qt::Key_Delete);
        QCOMPARE(messages.prompts(), QStringList{"Confirma eliminar la cuenta seleccionada"});
        QCOMPARE(column(grid, 0), QStringList({"abc", "001", "99999999999"}));
        QCOMPARE(storedNumbers("select CNTSTNRO from BANCNT"),
                 QStringList({"001", "99999999999", "abc"}));
    }

    void anOlderFilesConceptNumbersLeaveTheListUsable() {
        QVERIFY(sqliteExec(data_->db().path(),
                           {"insert into BANCON values ('7','Deposito','C')",
                            "insert into BANCON values ('abc','Letras','C')",
                            "insert into BANCON values ('1e300','Enorme','D')",
                            "insert into BANCON values ('99999999999999999999','Nueves','D')"}));
        auto screen = open<FrmABMConceptos>();
        QCOMPARE(column(*child<FlexGrid>(screen.get(), "lstCON"), 0).size(), 4);
        QCOMPARE(child<QLineEdit>(screen.get(), "txtCONTSTNRO")->text(), u"8"_s);
    }

    // Only digits, blanks around allowed; what merely reads as a number is refused.
    void numbersAreDigitsOnly_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("exponent") << "9e9" << false;
        QTest::newRow("decimals") << "1.5" << false;
        QTest::newRow("comma") << "1,5" << false;
        QTest::newRow("sign") << "-3" << false;
        QTest::newRow("plus") << "+4" << false;
        QTest::newRow("letters") << "A1" << false;
        QTest::newRow("arabic digits") << QString::fromUtf8("١٢") << false;
        QTest::newRow("blanks only") << "   " << false;
        QTest::newRow("blanks around") << " 12" << true;
        QTest::newRow("digits") << "042" << true;
    }
    void numbersAreDigitsOnly() {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        MessageRecorder messages;
        // The account and the concept screens, each with its list, number, name and save.
        enterNumber<FrmABMCuentas>(typed, {"grdList", "txtCNTSTNRO", "txtCNTSTNOM", "cmdGuardar"});
        enterNumber<FrmABMConceptos>(typed, {"lstCON", "txtCONTSTNRO", "txtCONSTDSC", "Command1"});
        if (accepted) {
            QCOMPARE(messages.prompts(), QStringList());
            QCOMPARE(storedNumbers("select CNTSTNRO from BANCNT"),
                     QStringList{rt::trimBlanks(typed)});
            QCOMPARE(storedNumbers("select CONSTNRO from BANCON"), QStringList{typed.trimmed()});
        } else {
            QCOMPARE(messages.prompts(), QStringList({"En Nro. de Cuenta debe ser Númerico",
                                                      "Debe ingresar un valor Númerico"}));
            QCOMPARE(storedNumbers("select CNTSTNRO from BANCNT"), QStringList());
            QCOMPARE(storedNumbers("select CONSTNRO from BANCON"), QStringList());
        }
    }

    // Keys are written at their widths ("7  ", "3 ") and found by the numbers as the lists
    // hold them: by the listing's filter and the check before deleting an account.
    void paddedKeysMatchTheirNumbers() {
        data_->addAccount(u"7"_s, u"Siete"_s);
        data_->addConcept(u"3"_s, u"Deposito"_s, u"C"_s);
        gCuenta = cuenta(u"7"_s, u"Siete"_s);
        {
            auto entry = open<FrmConceptos>();
            child(entry.get(), "cboCONTIP")->setFocus();
            child<QLineEdit>(entry.get(), "txtVALOR")->setText(u"25"_s);
            child<QPushButton>(entry.get(), "cmdAgregar")->click();
        }
        QCOMPARE(sqliteRows(LedgerPath, u"select CNTSTNRO,CONSTNRO from BANMOV"_s),
                 QStringList{"7  |3 "});
        FrmBNKMain main;
        GridOnlyLifecycle lifecycle;
        main.setLifecycle(&lifecycle);
        main.load();
        gFechaDesde = QDate(QDate::currentDate().year(), 1, 1);
        gFechaHasta = QDate(QDate::currentDate().year(), 12, 31);
        gFiltro = {true, u"3"_s, QString()};
        CARGAR_CUENTAS(main.LstBNK());
        QCOMPARE(main.LstBNK().rows(), 2);
        QCOMPARE(storedTotals(LedgerPath, u"7"_s), summedMovements(LedgerPath, u"7"_s));

        MessageRecorder messages;
        messages.answers = {MsgAnswer::Yes};
        auto accounts = open<FrmABMCuentas>();
        auto* list = child<FlexGrid>(accounts.get(), "grdList");
        list->setRow(1);
        QCOMPARE(list->textMatrix(1, 0), u"7"_s);
        accounts->PP_ELIMINAR();
        QCOMPARE(messages.prompts().last(),
                 u"No se puede eliminar esta cuenta, porque tiene movimientos."_s);
        QCOMPARE(storedNumbers("select CNTSTNRO from BANCNT"), QStringList{"7"});
    }
};

LEDGORA_TEST_MAIN(TstKeyNumbers)
#include "tst_keynumbers.moc"
