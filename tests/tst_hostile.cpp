#include "LedgerTests.h"
#include "ledger/MovementListing.h"
#include "screens/FrmABMConceptos.h"
#include "screens/FrmABMCuentas.h"
#include "screens/FrmConceptos.h"
#include "screens/FrmIntervalo.h"
#include "screens/FrmModConcepto.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <algorithm>
#include <functional>

using namespace ledgora;
using namespace ledgora::test;
using namespace Qt::StringLiterals;

namespace {

const QStringList kDescriptions = {u"Deposito 100%"_s, u"Pago_luz"_s, u"Cheque"_s};

// The rows of the file as SQLite itself reads them, one text per row. The account totals are
// left out: entering or changing a movement changes them, and they are checked against the
// movements instead.
QStringList rowsOf(const QString& path, const char* sql) {
    return sqliteRows(path, QString::fromLatin1(sql), u'\x1f');
}

struct FileState {
    QStringList accounts, movements, concepts;
    QString totals, sums;
    bool operator==(const FileState& o) const {
        return accounts == o.accounts && movements == o.movements && concepts == o.concepts;
    }
};

FileState stateOf(const QString& path) {
    FileState s;
    s.accounts = rowsOf(path, "select CNTSTNRO,CNTDTALT,CNTSTNOM,CNTSTBNK,CNTSTTEL,CNTSTBKC from "
                              "BANCNT order by rowid");
    s.movements = rowsOf(path, "select * from BANMOV order by rowid");
    s.concepts = rowsOf(path, "select * from BANCON order by rowid");
    s.totals = storedTotals(path);
    s.sums = summedMovements(path);
    return s;
}

// The list of rows with those whose first value is `key` taken out.
QStringList without(QStringList rows, const QString& key, int column = 0) {
    rows.erase(
        std::remove_if(rows.begin(), rows.end(),
                       [&](const QString& r) { return r.split(u'\x1f').value(column) == key; }),
        rows.end());
    return rows;
}
QString valueIn(const QStringList& rows, const QString& key, int keyColumn, int column) {
    for (const QString& r : rows)
        if (r.split(u'\x1f').value(keyColumn) == key)
            return r.split(u'\x1f').value(column);
    return u"<no row>"_s;
}

// A quote breaks the statement's registered form; a control character the statement text.
bool refusedByTheDatabase(const QString& value) {
    return std::any_of(value.begin(), value.end(),
                       [](QChar c) { return c == u'\'' || c.unicode() < 0x20; });
}
QString syntaxError(const char* separator, const char* section) {
    QString text = u"-2147217900"_s + QString::fromUtf8(separator) +
                   u"Error de sintaxis en la instrucción SQL."_s;
    return *section ? text + u"\r\n\r\n"_s + QString::fromUtf8(section) : text;
}

// A person pastes the value into the box: it replaces what was there, within the box's limits.
// Gives what the box then holds.
QString paste(QWidget& screen, const char* box, const QString& value) {
    auto* edit = child<QLineEdit>(&screen, box);
    edit->clear();
    edit->insert(value);
    return edit->text();
}
void click(QWidget& screen, const char* name) {
    child<QPushButton>(&screen, name)->click();
}
// Opens the screen, shown and active; `insertOn` names the grid that gets INSERT.
template <typename T> void open(T& screen, const char* insertOn = nullptr) {
    screen.load();
    QVERIFY(showActive(screen));
    if (insertOn)
        QTest::keyClick(child(&screen, insertOn), Qt::Key_Insert);
}

} // namespace

// Every text box of every screen given the values a person might paste by mistake or in
// malice. Whatever the value, nothing crashes, only the row the person meant is written
// (none where the screen refuses the value) and the message is the screen's own.
class TstHostile : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<LedgerFixture> data_;
    QTemporaryDir settings_;

    static int reload() {
        FlexGrid grid;
        grid.setCols(7); // the listing's columns, as the main screen has them
        CARGAR_CUENTAS(grid);
        return grid.rows();
    }

private Q_SLOTS:
    void initTestCase() { SettingsStore::setFolder(settings_.path()); }
    void init() {
        data_ = std::make_unique<LedgerFixture>();
        data_->addAccount(u"001"_s, u"Caja"_s);
        data_->addConcept(u"3"_s, u"Deposito"_s, u"C"_s);
        for (int k = 0; k < kDescriptions.size(); ++k)
            data_->addMovement(u"001"_s, k + 1, QDate(2024, 3, 5 + k), kDescriptions[k],
                               money(100 + k), {}, {}, {}, u"3"_s);
        gCuenta = cuenta(u"001"_s, u"Caja"_s);
        gFechaDesde = QDate(2024, 1, 1);
        gFechaHasta = QDate(2024, 12, 31);
        gFiltro = {};
        reload(); // the stored totals agree with the movements from the start
    }
    void cleanup() { data_.reset(); }

    void everyBoxTakesAnyValue_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("value");
        const std::pair<const char*, QString> values[] = {
            {"quote", u"'"_s},
            {"double quote", u"\""_s},
            {"backslash", u"\\"_s},
            {"dashes", u"--"_s},
            {"semicolon", u";"_s},
            {"NUL", QString(QChar(0))},
            {"newline", u"\n"_s},
            {"tab", u"\t"_s},
            {"10000 chars", u"Ab 1"_s.repeated(2500)},
            {"RTL+emoji", QString::fromUtf8("שלום مرحبا 😀👍🏽")},
            {"percent", u"%"_s},
            {"underscore", u"_"_s}};
        const std::pair<const char*, const char*> boxes[] = {
            {"accounts", "txtCNTSTNRO"},  {"accounts", "txtCNTDTALT"}, {"accounts", "txtCNTSTNOM"},
            {"accounts", "txtCNTSTBNK"},  {"accounts", "txtCNTSTTEL"}, {"accounts", "txtCNTSTBKC"},
            {"entry", "txtMOVDTALT"},     {"entry", "txtMOVSTCPT"},    {"entry", "txtVALOR"},
            {"edit", "txtFecha"},         {"edit", "txtConcepto"},     {"edit", "txtValor"},
            {"concepts", "txtCONTSTNRO"}, {"concepts", "txtCONSTDSC"}, {"interval", "txtDesde"},
            {"interval", "txtHasta"},     {"interval", "txtValor"},
        };
        for (const auto& [screen, box] : boxes)
            for (const auto& [kind, value] : values)
                QTest::addRow("%s.%s %s", screen, box, kind)
                    << QString::fromLatin1(screen) << QString::fromLatin1(box) << value;
    }

    void everyBoxTakesAnyValue() {
        QFETCH(QString, screen);
        QFETCH(QString, box);
        QFETCH(QString, value);
        MessageRecorder messages;
        const QByteArray boxName = box.toLatin1();
        const FileState before = stateOf(data_->db().path());
        QString typed;           // what the box holds after the paste
        QString expectedMessage; // none when the value is to be written
        QString stored;          // what the written row is to hold
        // The one row meant: its table, its key, where the key and the value are, and the
        // table's other rows, unchanged. None on the interval screen, which writes no row.
        struct {
            QStringList FileState::*table = nullptr;
            QString key;
            int keyColumn = 0, valueColumn = 0;
            QStringList others;
        } row;

        if (screen == u"accounts") {
            FrmABMCuentas accounts;
            open(accounts, "grdList");
            paste(accounts, "txtCNTSTNOM", u"Caja Nueva"_s);
            typed = paste(accounts, boxName, value);
            click(accounts, "cmdGuardar");
            const char* section = "Sección: Cuentas.PF_Guardar";
            if (box == u"txtCNTSTNRO")
                expectedMessage = u"En Nro. de Cuenta debe ser Númerico"_s;
            else if (box == u"txtCNTDTALT")
                expectedMessage = typed.contains(u'\'')
                                      ? syntaxError(" - ", section)
                                      : u"-2147217913 - No coinciden los tipos de datos en la "
                                        "expresión de criterios.\r\n\r\n"_s +
                                            QString::fromUtf8(section);
            else if (box == u"txtCNTSTNOM" && rt::trimBlanks(typed).isEmpty())
                expectedMessage = u"Debe ingresar Nombre"_s;
            else if (refusedByTheDatabase(typed))
                expectedMessage = syntaxError(" - ", section);
            stored = rt::trimBlanks(typed);
            const QStringList columns{"txtCNTSTNRO", "txtCNTDTALT", "txtCNTSTNOM",
                                      "txtCNTSTBNK", "txtCNTSTTEL", "txtCNTSTBKC"};
            row = {&FileState::accounts, u"002"_s, 0, int(columns.indexOf(box)), before.accounts};
        } else if (screen == u"entry") {
            gCuenta.UltimoMovimiento = 3;
            FrmConceptos entry;
            open(entry);
            child(&entry, "cboCONTIP")->setFocus();
            paste(entry, "txtMOVSTCPT", u"Entrada"_s);
            paste(entry, "txtVALOR", u"10"_s);
            typed = paste(entry, boxName, value);
            click(entry, "cmdAgregar");
            if (box == u"txtMOVDTALT")
                expectedMessage = u"Debe ingresar una FECHA valida."_s;
            else if (box == u"txtVALOR")
                expectedMessage = u"Debe Ingresar NÚMEROS en el campo VALOR."_s;
            else if (refusedByTheDatabase(typed))
                expectedMessage = syntaxError(" / ", "Seccion Conceptos.Agregar");
            stored = rt::trimBlanks(typed).left(100);
            row = {&FileState::movements, u"4"_s, 1, 4, before.movements};
        } else if (screen == u"edit") {
            gMovimiento = MovimientoRecord();
            gMovimiento.MOVDTALT = u"05/03/2024"_s;
            gMovimiento.MOVINNRO = u"1"_s;
            gMovimiento.MOVSTCPT = kDescriptions[0];
            gMovimiento.MOVDLAAC = money(100);
            FrmModConcepto edit;
            open(edit);
            typed = paste(edit, boxName, value);
            click(edit, "cmdGuardar");
            if (box == u"txtFecha")
                expectedMessage = u"Debe ingresar una FECHA valida."_s;
            else if (box == u"txtValor")
                expectedMessage = u"Debe ingresar un valor NUMERICO."_s;
            else if (refusedByTheDatabase(typed))
                expectedMessage = syntaxError(" / ", "");
            stored = rt::trimBlanks(typed);
            row = {&FileState::movements, u"1"_s, 1, 4, without(before.movements, u"1"_s, 1)};
        } else if (screen == u"concepts") {
            FrmABMConceptos concepts;
            open(concepts, "lstCON");
            paste(concepts, "txtCONSTDSC", u"Intereses"_s);
            typed = paste(concepts, boxName, value);
            click(concepts, "Command1");
            if (box == u"txtCONTSTNRO")
                expectedMessage = u"Debe ingresar un valor Númerico"_s;
            else if (rt::trimBlanks(typed).isEmpty()) // longer than the box takes: not pasted
                expectedMessage = u"Debe ingresar una DESCRIPCIÓN"_s;
            else if (refusedByTheDatabase(typed))
                expectedMessage = syntaxError(" / ", "Seccion ABMConceptos.PP_AGREGARf");
            stored = typed; // as typed
            row = {&FileState::concepts, u"4"_s, 0, 1, before.concepts};
        } else {
            const QDate from = gFechaDesde;
            {
                FrmIntervalo interval;
                open(interval);
                child<QCheckBox>(&interval, "chFIL")->click();
                typed = paste(interval, boxName, value);
                click(interval, "cmdAceptar");
            }
            if (box != u"txtValor") {
                expectedMessage = u"Debe ingresar Fechas validas.!"_s;
                QCOMPARE(gFechaDesde, from);
                QVERIFY(!gFiltro.Activo);
            } else {
                // The filter is kept as typed; the listing then takes it literally.
                QVERIFY(gFiltro.Activo);
                QCOMPARE(gFiltro.Valor, typed);
                const int rows = reload();
                if (refusedByTheDatabase(typed))
                    expectedMessage = syntaxError(" / ", "Seccion [BANCOS.CARGAR_CUENTAS]");
                else
                    QCOMPARE(rows, int(std::count_if(
                                       kDescriptions.begin(), kDescriptions.end(),
                                       [&](const QString& d) { return d.contains(typed); })) +
                                       1);
            }
        }

        const FileState after = stateOf(data_->db().path());
        if (expectedMessage.isEmpty()) {
            QCOMPARE(messages.prompts(), QStringList());
            if (row.table) {
                QCOMPARE(without(after.*row.table, row.key, row.keyColumn), row.others);
                QCOMPARE(valueIn(after.*row.table, row.key, row.keyColumn, row.valueColumn),
                         stored);
            }
        } else {
            QCOMPARE(messages.prompts(), QStringList{expectedMessage});
        }
        if (!expectedMessage.isEmpty() || !row.table)
            QVERIFY(after == before);
        QCOMPARE(after.totals, after.sums); // the account's totals still add up
    }
};

LEDGORA_TEST_MAIN(TstHostile)
#include "tst_hostile.moc"
