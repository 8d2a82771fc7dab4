#include "LedgerTests.h"
#include "controls/FlexGrid.h"
#include "controls/PanelStatusBar.h"
#include "core/RuntimeError.h"
#include "domain/ModuleUtilities.h"
#include "ledger/AccountTotals.h"
#include "ledger/MovementListing.h"
#include "mainscreen/FrmBNKMain.h"

#include <QLabel>
#include <QtTest>

using namespace ledgora;
using namespace ledgora::test;

namespace {

// A movement written as another program would write it, straight through SQLite.
QString movementFromElsewhere(int number, const QString& description) {
    return QStringLiteral(
               "INSERT INTO BANMOV (CNTSTNRO,MOVINNRO,MOVDTALT,CONSTNRO,MOVSTCPT,MOVDLAAC,"
               "MOVDLADE,MOVDLACR,MOVDLDEB) VALUES ('001',%1,'2024-03-07','1','%2',15000,0,0,0)")
        .arg(number)
        .arg(description);
}

QColor textColor(const QLabel& label) {
    return label.palette().color(QPalette::WindowText);
}

} // namespace

// The listing loader and the account totals on a main screen: totals up to the interval's
// end, the listing within it, the filter, the balances and what the user sees of them.
class TstLedger : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<LedgerFixture> data_;
    std::unique_ptr<FrmBNKMain> screen_;

    FlexGrid& grid() { return screen_->LstBNK(); }
    // A movement of account "001"; amounts aac, ade, acr, deb.
    void add(int number, QDate date, const QString& text, Money aac, Money ade = {}, Money acr = {},
             Money deb = {}, const QString& concept = u"1"_s) {
        data_->addMovement("001", number, date, text, aac, ade, acr, deb, concept);
    }
    void load(QDate from, QDate to) {
        gFechaDesde = from;
        gFechaHasta = to;
        CARGAR_CUENTAS(grid());
    }

private Q_SLOTS:
    void initTestCase() { LEDGORA_SKIP_WITHOUT_SERVER(); }

    void init() {
        data_ = std::make_unique<LedgerFixture>();
        screen_ = std::make_unique<FrmBNKMain>();
        screen_->FormatGRD();
        MainScreenPort::setCurrent(screen_.get());
        data_->addAccount(u"001"_s, u"Caja"_s);
        gCuenta.CNTSTNRO = u"001"_s;
        gCuenta.CNTSTNOM = u"Caja"_s;
    }
    void cleanup() {
        MainScreenPort::setCurrent(nullptr);
        screen_.reset();
        data_.reset();
    }

    void anAccountWithoutMovementsLoadsEmptyAndSilently() {
        PointerRecorder pointer;
        gCuenta.UltimoMovimiento = 41;
        gCuenta.TOMDLACR = money(5);
        load(QDate(2024, 3, 1), QDate(2024, 3, 31));
        QCOMPARE(grid().rows(), 1);
        QCOMPARE(gCuenta.UltimoMovimiento, 0);
        QCOMPARE(gCuenta.TOMDLACR, Money());
        QCOMPARE(data_->storedTotals(u"001"_s), std::vector<Money>(4));
        QCOMPARE(screen_->StBar().panelText(2), u"Desde (01/03/2024) - Hasta (31/03/2024)"_s);
        QVERIFY(grid().isVisible() == screen_->isVisible());
        QCOMPARE(pointer.shapes.front(), PointerShape::Busy);
        QCOMPARE(pointer.shapes.back(), PointerShape::Normal);
    }

    void totalsRunToTheIntervalsEndWhileTheListingKeepsWithinIt() {
        LocaleScope scope(pointLocale());
        add(1, QDate(2024, 2, 10), u"Antes"_s, money(100));
        add(2, QDate(2024, 3, 5), u"  Deposito  "_s, money(5.5), {}, {}, {}, u"2"_s);
        add(3, QDate(2024, 3, 5), u"Cheque"_s, {}, {}, {}, money(20.25));
        add(4, QDate(2024, 4, 2), u"Despues"_s, {}, {}, money(1000));
        data_->addMovement(u"002"_s, 1, QDate(2024, 3, 6), u"Otra"_s, money(7));
        load(QDate(2024, 3, 1), QDate(2024, 3, 31));

        QCOMPARE(gCuenta.TOMDLAAC, money(105.5));
        QCOMPARE(gCuenta.TOMDLDEB, money(20.25));
        QCOMPARE(gCuenta.TOMDLACR, Money());
        QCOMPARE(gCuenta.UltimoMovimiento, 4); // the highest number, whatever its date
        // The stored totals are the database's sums of every movement.
        QCOMPARE(data_->storedTotals(u"001"_s),
                 (std::vector<Money>{money(105.5), Money(), money(1000), money(20.25)}));
        QCOMPARE(grid().rows(), 3);
        QCOMPARE(gridRow(grid(), 1),
                 QStringList({"05/03/2024", "Deposito", "05.50", "00.00", "00.00", "00.00", "2"}));
        QCOMPARE(gridRow(grid(), 2),
                 QStringList({"05/03/2024", "Cheque", "00.00", "00.00", "00.00", "20.25", "3"}));
        QCOMPARE(screen_->balanceText(BalanceLabel::lbTOTRBCO), u"-20.25"_s);
        QCOMPARE(screen_->balanceText(BalanceLabel::lbTOTRCNT), u"85.25"_s);
    }

    void theLastMovementIsSelectedAndInView() {
        screen_->resize(800, 400);
        screen_->show();
        QVERIFY(QTest::qWaitForWindowExposed(screen_.get()));
        for (int k = 1; k <= 300; ++k)
            add(k, QDate(2024, 1, 1).addDays(k % 60), u"m%1"_s.arg(k), money(k));
        load(QDate(2024, 1, 1), QDate(2024, 12, 31));
        QCOMPARE(grid().rows(), 301);
        QCOMPARE(QList<int>({grid().row(), grid().col(), grid().rowSel(), grid().colSel()}),
                 QList<int>({300, 0, 300, 6}));
        QVERIFY(grid().isVisible() && grid().rowIsVisible(300) && !grid().rowIsVisible(1));
        // Amount columns right-aligned; the pending and realised credits on pale green.
        QCOMPARE(cellBackground(grid(), 1, 2), QColor(236, 249, 232));
        QCOMPARE(cellBackground(grid(), 300, 4), QColor(236, 249, 232));
        QVERIFY(cellBackground(grid(), 1, 3) != QColor(236, 249, 232));
        QCOMPARE(
            Qt::Alignment(
                grid().model()->data(grid().model()->index(0, 5), Qt::TextAlignmentRole).toInt()),
            Qt::AlignRight | Qt::AlignVCenter);
        QCOMPARE(grid().colWidth(6), 0);
    }

    // The amounts keep the separator of the locale the listing was loaded in; a tab or line
    // break stored in a description shows as a blank and every column stays in place.
    void theListingKeepsItsLoadsSeparatorAndEveryValueInItsCell() {
        if (onServer())
            QSKIP("values written into the file by another program");
        add(1, QDate(2024, 3, 5), u"Uno"_s, money(1234.5), Money::fromUnits(1250),
            Money::fromUnits(-34560));
        QVERIFY(
            sqliteExec(data_->db().path(), {movementFromElsewhere(2, "Pago\tcon\r\nsaltos\nfin"),
                                            movementFromElsewhere(3, "\r")}));
        {
            LocaleScope scope(commaLocale());
            load(QDate(2024, 3, 1), QDate(2024, 3, 31));
        }
        LocaleScope scope(pointLocale());
        QCOMPARE(grid().rows(), 4);
        QCOMPARE(gridRow(grid(), 1),
                 QStringList({"05/03/2024", "Uno", "1234,50", "00,13", "-03,46", "00,00", "1"}));
        QCOMPARE(gridRow(grid(), 2), QStringList({"07/03/2024", "Pago con  saltos fin", "01,50",
                                                  "00,00", "00,00", "00,00", "2"}));
        QCOMPARE(gridRow(grid(), 3),
                 QStringList({"07/03/2024", " ", "01,50", "00,00", "00,00", "00,00", "3"}));
        QCOMPARE(grid().row(), 3);
    }

    void balancesShowInTheLocaleAndRedBelowZero_data() { inEitherLocale(); }
    void balancesShowInTheLocaleAndRedBelowZero() {
        QFETCH(QLocale, locale);
        LocaleScope scope(locale);
        const QString sep = QLocale().decimalPoint();
        QLabel& banco = screen_->label(BalanceLabel::lbTOTRBCO);
        QLabel& total = screen_->label(BalanceLabel::lbTOTRCNT);

        gCuenta.TOMDLAAC = money(100);
        gCuenta.TOMDLADE = money(40);
        gCuenta.TOMDLACR = money(250.5);
        gCuenta.TOMDLDEB = money(90);
        GP_ACTUALIZARCUENTA();
        QCOMPARE(banco.text(), u"160"_s + sep + u"50"_s);
        QCOMPARE(total.text(), u"220"_s + sep + u"50"_s);
        QCOMPARE(textColor(banco), QColor(Qt::black));
        // What the screen remembers is never stored: the account has no movements.
        QCOMPARE(data_->storedTotals(u"001"_s)[2], Money());

        gCuenta = cuenta(u"001"_s, {}, {}, {}, money(10), money(25));
        GP_ACTUALIZARCUENTA();
        QCOMPARE(banco.text(), u"-15"_s + sep + u"00"_s);
        QCOMPARE(textColor(banco), QColor(Qt::red));
        QCOMPARE(textColor(total), QColor(Qt::red));

        // Below zero by less than half a cent shows as zero, and so stays black.
        gCuenta = cuenta(u"001"_s, {}, {}, {}, {}, Money::fromUnits(40));
        GP_ACTUALIZARCUENTA();
        QCOMPARE(banco.text(), u"00"_s + sep + u"00"_s);
        QCOMPARE(textColor(banco), QColor(Qt::black));

        // An account without a row changes nothing on screen.
        gCuenta = cuenta(u"999"_s, {}, money(1), {}, money(1));
        GP_ACTUALIZARCUENTA();
        QCOMPARE(banco.text(), u"00"_s + sep + u"00"_s);
    }

    void aTotalsFailureIsReportedWithItsSection() {
        MessageRecorder messages;
        PointerRecorder pointer;
        gManejo.reset();
        GP_ACTUALIZARCUENTA();
        const QString expected = u"91 / "_s + RuntimeError::objectNotSet().description() +
                                 u"\r\n\r\nSeccion GLOBAL.GP_ACTUALIZARCUENTA"_s;
        QCOMPARE(messages.prompts(), QStringList{expected});
        QCOMPARE(pointer.shapes.back(), PointerShape::Normal);
    }
};

LEDGORA_TEST_MAIN(TstLedger)
#include "tst_ledger.moc"
